#include "FormPage.h"

#include "ControlRegistry.h"
#include "DialogUnits.h"
#include "FontToFit.h"
#include "HandlerGuard.h"
#include "Pictures.h"
#include "PlatformLog.h"
#include "TemplateGroupBox.h"
#include "TimerService.h"
#include "TransactionScope.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace
{
const char* const kIdProperty = "controlId";

Qt::Alignment alignmentOf(unsigned style)
{
    if (style & ControlSpec::AlignRight)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (style & ControlSpec::AlignCenter)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget* makeEdit(const ControlSpec& spec, QWidget* parent)
{
    if (spec.style & ControlSpec::MultiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(spec.style & ControlSpec::ReadOnly);
        edit->setVerticalScrollBarPolicy(
            (spec.style & ControlSpec::VScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        edit->setPlainText(spec.text);
        return edit;
    }
    auto* edit = new QLineEdit(spec.text, parent);
    edit->setReadOnly(spec.style & ControlSpec::ReadOnly);
    edit->setFrame(!(spec.style & ControlSpec::NoBorder));
    edit->setAlignment(alignmentOf(spec.style));
    return edit;
}

// A push button whose text is wider than the room inside its frame draws it
// in a smaller font rather than over the frame, where its ends are lost; a
// text that fits keeps the page's font.
class FittedPushButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QFont fitted = fittedFont(option);
        painter.setFont(fitted);
        option.fontMetrics = QFontMetrics(fitted);
        painter.drawControl(QStyle::CE_PushButton, option);
    }

private:
    QFont fittedFont(const QStyleOptionButton& option) const
    {
        if (option.text.isEmpty() || font().pointSizeF() <= 0)
            return font();
        int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
        if (!option.icon.isNull())
            room -= option.iconSize.width() + 4;
        return fontToFit(font(), room, option.text);
    }
};

QWidget* makeButton(const ControlSpec& spec, QWidget* parent)
{
    auto* button = new FittedPushButton(parent);
    if (spec.style & ControlSpec::Bitmap) {
        const QPixmap face = Pictures::load(spec.text.toInt());
        button->setIcon(face);
        button->setIconSize(face.size());
    } else {
        button->setText(spec.text);
    }
    button->setDefault(spec.style & ControlSpec::DefaultButton);
    button->setCheckable(spec.style & ControlSpec::PushLike);
    return button;
}

QWidget* makePicture(const ControlSpec& spec, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(Pictures::load(spec.text.toInt()));
    return label;
}

QWidget* makeCombo(const ControlSpec& spec, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->addItems(spec.properties.value(QStringLiteral("items")).toStringList());
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* makeProgress(QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}
}

FormPage::FormPage(const QString& className, int templateId, QWidget* parent)
    : QWidget(parent)
    , m_className(className)
    , m_templateId(templateId)
{
    setObjectName(className);
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
}

FormPage::~FormPage()
{
    TimerService::instance().killAll(this);
}

void FormPage::buildTemplate(int widthDu, int heightDu, const std::vector<ControlSpec>& controls)
{
    // The page asks for room for every control it shows, the controls made
    // over its placeholders among them, even where one reaches past the
    // template's own size: a pane too small for that scrolls to it.
    QRect least = DialogUnits::toPx(0, 0, widthDu, heightDu);
    for (const ControlSpec& spec : controls) {
        if (!(spec.style & ControlSpec::Hidden) || spec.kind == ControlSpec::Kind::Placeholder)
            least |= DialogUnits::toPx(spec.x, spec.y, spec.w, spec.h);
    }
    setMinimumSize(QSize(least.right() + 1, least.bottom() + 1));
    for (const ControlSpec& spec : controls) {
        QWidget* widget = createControl(spec);
        if (!widget)
            continue;
        widget->setGeometry(DialogUnits::toPx(spec.x, spec.y, spec.w, spec.h));
        widget->setEnabled(!(spec.style & ControlSpec::Disabled));
        widget->setVisible(!(spec.style & ControlSpec::Hidden));
        if (spec.id >= 0)
            addControl(spec.id, widget);
    }
    m_radioGroup = nullptr;
    m_lastWasRadio = false;
}

QWidget* FormPage::createControl(const ControlSpec& spec)
{
    const bool isRadio = spec.kind == ControlSpec::Kind::RadioButton;
    if (!isRadio)
        m_lastWasRadio = false;
    switch (spec.kind) {
    case ControlSpec::Kind::Static: {
        auto* label = new QLabel(spec.text, this);
        label->setAlignment((alignmentOf(spec.style) & ~Qt::AlignVCenter) | Qt::AlignTop);
        label->setWordWrap(true);
        if (spec.style & ControlSpec::Border)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case ControlSpec::Kind::Edit:
        return makeEdit(spec, this);
    case ControlSpec::Kind::Button:
        return makeButton(spec, this);
    case ControlSpec::Kind::CheckBox:
        return new QCheckBox(spec.text, this);
    case ControlSpec::Kind::RadioButton: {
        auto* radio = new QRadioButton(spec.text, this);
        placeRadio(radio, spec);
        return radio;
    }
    case ControlSpec::Kind::GroupBox:
    case ControlSpec::Kind::Placeholder: {
        auto* box = new TemplateGroupBox(spec.text, this);
        box->setAlignment(alignmentOf(spec.style) & Qt::AlignHorizontal_Mask);
        box->lower(); // group frames stay behind the controls drawn inside them
        return box;
    }
    case ControlSpec::Kind::ComboBox:
        return makeCombo(spec, this);
    case ControlSpec::Kind::ListBox:
        return new QListWidget(this);
    case ControlSpec::Kind::ProgressBar:
        return makeProgress(this);
    case ControlSpec::Kind::Picture:
        return makePicture(spec, this);
    case ControlSpec::Kind::Vendor: {
        QWidget* widget = ControlRegistry::instance().create(spec.className, this);
        if (!widget) {
            qCWarning(lcPlatform) << m_className << "cannot create" << spec.className << "for control" << spec.id;
            return nullptr;
        }
        for (auto it = spec.properties.begin(); it != spec.properties.end(); ++it)
            widget->setProperty(it.key().toLatin1().constData(), it.value());
        return widget;
    }
    }
    return nullptr;
}

void FormPage::placeRadio(QWidget* radio, const ControlSpec& spec)
{
    // Radios form a group from one marked as a group start (or the first after
    // another kind of control) up to the next such start.
    if (!m_radioGroup || !m_lastWasRadio || (spec.style & ControlSpec::GroupStart))
        m_radioGroup = new QButtonGroup(this);
    m_radioGroup->addButton(static_cast<QAbstractButton*>(radio), spec.id);
    m_lastWasRadio = true;
}

QWidget* FormPage::control(int id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void FormPage::addControl(int id, QWidget* widget)
{
    if (!widget)
        return;
    widget->setObjectName(QString::number(id));
    widget->setProperty(kIdProperty, id);
    m_controls[id] = widget;
}

int FormPage::idOf(const QWidget* widget)
{
    const QVariant id = widget ? widget->property(kIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : -1;
}

QRect FormPage::controlRect(int id) const
{
    const QWidget* widget = control(id);
    return widget ? widget->geometry() : QRect();
}

QRect FormPage::controlScreenRect(int id) const
{
    const QRect rect = controlRect(id);
    return QRect(mapToGlobal(rect.topLeft()), rect.size());
}

QRect FormPage::screenToClient(const QRect& screen) const
{
    return QRect(mapFromGlobal(screen.topLeft()), screen.size());
}

QString FormPage::windowText(int id) const
{
    const QWidget* widget = control(id);
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return edit->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return QString();
}

void FormPage::setWindowText(int id, const QString& text)
{
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        edit->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        box->setTitle(text);
}

void FormPage::enableControl(int id, bool enable)
{
    if (QWidget* widget = control(id))
        widget->setEnabled(enable);
}

void FormPage::showControl(int id, bool show)
{
    if (QWidget* widget = control(id))
        widget->setVisible(show);
}

void FormPage::uncheckRadioGroup(int id)
{
    auto* radio = controlAs<QAbstractButton>(id);
    QButtonGroup* group = radio ? radio->group() : nullptr;
    if (!group)
        return;
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void FormPage::setTimer(int id, int ms)
{
    TimerService::instance().arm(this, id, ms, [this, id] { guard("OnTimer", [this, id] { onTimer(id); }); });
}

void FormPage::killTimer(int id)
{
    TimerService::instance().kill(this, id);
}

bool FormPage::timerArmed(int id) const
{
    return TimerService::instance().isArmed(this, id);
}

bool FormPage::guard(const char* handler, const std::function<void()>& body)
{
    return HandlerGuard::run(m_className + QLatin1Char(' ') + QLatin1String(handler), body);
}

void FormPage::handle(const char* handler, std::function<void()> body)
{
    TransactionScope::runOutside(this, [this, handler, body = std::move(body)] { guard(handler, body); });
}

void FormPage::onClicked(int id, const char* handler, std::function<void()> body)
{
    auto* button = controlAs<QAbstractButton>(id);
    if (!button)
        return;
    connect(
        button, &QAbstractButton::clicked, this, [this, handler, body = std::move(body)] { handle(handler, body); });
}

void FormPage::onTextChanged(int id, const char* handler, std::function<void()> body)
{
    QWidget* widget = control(id);
    auto run = [this, handler, body = std::move(body)] { handle(handler, body); };
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        connect(edit, &QLineEdit::textChanged, this, run);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        connect(edit, &QPlainTextEdit::textChanged, this, run);
}

void FormPage::onKillFocus(int id, const char* handler, std::function<void()> body)
{
    QWidget* widget = control(id);
    if (!widget)
        return;
    m_killFocus[widget] = { handler, std::move(body) };
    widget->installEventFilter(this);
}

bool FormPage::eventFilter(QObject* watched, QEvent* event)
{
    // Focus also moves while a transaction waits (another window becomes
    // active); the page hears of it after the transaction.
    if (event->type() == QEvent::FocusOut && m_killFocus.count(watched)) {
        TransactionScope::runOutside(this, [this, watched] {
            auto it = m_killFocus.find(watched);
            if (it != m_killFocus.end())
                guard(it->second.first, it->second.second);
        });
    }
    return QWidget::eventFilter(watched, event);
}

void FormPage::setToolTips(const std::vector<std::pair<int, QString>>& tips)
{
    for (const auto& [id, text] : tips)
        if (QWidget* widget = control(id))
            widget->setToolTip(text);
}
