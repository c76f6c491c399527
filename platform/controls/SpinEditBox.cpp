#include "SpinEditBox.h"

#include "automation/NumberText.h"
#include "ui/ControlRegistry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(SpinEditBox::ProgId), [](QWidget* parent) { return new SpinEditBox(parent); });

constexpr int kArrowWidth = 16;
constexpr int kMinimumFieldWidth = 12;

// Decimal places of a step such as 0.01, so repeated steps land on round values.
int placesOf(double step)
{
    for (int places = 0; places < 9; ++places) {
        const double scaled = step * std::pow(10.0, places);
        if (std::fabs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, std::fabs(scaled)))
            return places;
    }
    return 9;
}

double roundTo(double value, int places)
{
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
}
} // namespace

SpinEditBox::SpinEditBox(QWidget* parent)
    : QWidget(parent)
    , m_field(new QLineEdit(this))
{
    setFocusPolicy(Qt::StrongFocus);
    m_field->setFrame(false);
    m_field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_field->setReadOnly(true);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::editingFinished, this, &SpinEditBox::commitTypedText);
    connect(m_field, &QLineEdit::textEdited, this, &SpinEditBox::markTypedText);
    refreshText();
    layoutField();
}

void SpinEditBox::setValue(double value)
{
    if (store(value))
        emit valueChanged(intValue());
    showHeldOverRefusedText();
}

void SpinEditBox::setValueSilently(double value)
{
    store(value);
    showHeldOverRefusedText();
}

void SpinEditBox::showHeldOverRefusedText()
{
    // A value the program sets replaces text refused when the field was left,
    // even a value the spin already held; text still being typed stays.
    if (m_marked && !m_field->isModified()) {
        m_field->setText(text());
        setMarked(false);
    }
}

bool SpinEditBox::store(double value)
{
    value = accepted(value);
    if (std::isnan(value) || value == m_value)
        return false;
    m_value = value;
    refreshText();
    update();
    return true;
}

double SpinEditBox::accepted(double value) const
{
    if (m_checkRange && !std::isnan(value))
        return std::clamp(value, std::min(m_min, m_max), m_max);
    return value;
}

int SpinEditBox::intValue() const
{
    const double rounded = std::round(m_value);
    if (!(rounded > INT_MIN))
        return INT_MIN;
    return rounded < INT_MAX ? static_cast<int>(rounded) : INT_MAX;
}

void SpinEditBox::setMin(double min)
{
    m_min = min;
    setValue(m_value); // a range check may now clamp the value
}

void SpinEditBox::setMax(double max)
{
    m_max = max;
    setValue(m_value);
}

void SpinEditBox::setCheckRange(bool check)
{
    m_checkRange = check;
    setValue(m_value);
}

void SpinEditBox::setIncrement(double increment)
{
    m_increment = increment;
}

void SpinEditBox::setPageSize(double pageSize)
{
    m_pageSize = pageSize;
}

void SpinEditBox::setDecimals(int decimals)
{
    m_decimals = std::clamp(decimals, 0, 15);
    refreshText();
}

void SpinEditBox::setAllowKeyEdit(bool allow)
{
    m_allowKeyEdit = allow;
    m_field->setReadOnly(!allow);
}

void SpinEditBox::setIntegersOnly(bool integersOnly)
{
    m_integersOnly = integersOnly;
}

void SpinEditBox::stepBy(int steps)
{
    moveBy(steps * m_increment);
}

void SpinEditBox::pageBy(int pages)
{
    moveBy(pages * m_pageSize);
}

void SpinEditBox::moveBy(double delta)
{
    // A step starts from what was typed in the field, if anything; from text
    // the spin does not take, it starts from the value held.
    commitTypedText();
    showHeldOverRefusedText();
    const int places = std::max(m_decimals, placesOf(m_increment));
    double from = m_value;
    if (m_stepsLandOnIncrements && m_increment > 0 && delta != 0) {
        // Off the increments, the step counts from the multiple just behind
        // the value, so one step lands on the next multiple that way. 0.3 in
        // steps of 0.1 is on them, though the division leaves a remainder.
        const double count = m_value / m_increment;
        if (std::fabs(count - std::round(count)) > 1e-9 * std::max(1.0, std::fabs(count)))
            from = (delta > 0 ? std::floor(count) : std::ceil(count)) * m_increment;
    }
    double next = roundTo(from + delta, places);
    // The arrows never leave the range, checked or not; a value already
    // outside it only moves back towards it.
    if (delta > 0)
        next = std::min(next, std::max(m_max, m_value));
    else
        next = std::max(next, std::min(m_min, m_value));
    setValue(next);
}

QString SpinEditBox::text() const
{
    return NumberText::format("%.*f", m_decimals, m_value);
}

QString SpinEditBox::shownText() const
{
    return m_field->text();
}

QString SpinEditBox::markTip() const
{
    const QString kind = m_integersOnly ? QStringLiteral("whole numbers") : QStringLiteral("values");
    if (!m_checkRange)
        return QStringLiteral("Please enter ") + kind;
    return QStringLiteral("Please enter %1 between %2 and %3")
        .arg(kind, NumberText::fromDouble(std::min(m_min, m_max)), NumberText::fromDouble(m_max));
}

void SpinEditBox::refreshText()
{
    // Text the user is still typing stays until it is taken or given up.
    if (!m_field->isModified()) {
        m_field->setText(text());
        setMarked(false);
    }
}

std::optional<double> SpinEditBox::typedValue(const QString& text) const
{
    const std::optional<double> number = NumberText::toNumber(text);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    if (m_integersOnly && std::trunc(*number) != *number)
        return std::nullopt;
    if (accepted(*number) != *number)
        return std::nullopt;
    return number;
}

void SpinEditBox::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    QPalette colours = m_field->palette();
    colours.setColor(QPalette::Text, marked ? QColor(Qt::red) : palette().color(QPalette::Text));
    m_field->setPalette(colours);
    m_field->setToolTip(marked ? markTip() : QString());
}

void SpinEditBox::markTypedText()
{
    // The text stays as typed; the mark tells at once whether it is taken.
    setMarked(!typedValue(m_field->text()).has_value());
}

void SpinEditBox::commitTypedText()
{
    // Only typing counts: a field merely visited must not put back a value
    // that the arrows or the program have changed since.
    if (!m_allowKeyEdit || !m_field->isModified())
        return;
    const QString typed = m_field->text();
    m_field->setModified(false);
    if (const std::optional<double> value = typedValue(typed)) {
        setValue(*value);
    } else if (const std::optional<double> number = NumberText::toNumber(typed); number && m_checkRange
               && accepted(*number) != *number && !(m_integersOnly && std::trunc(*number) != *number)) {
        // A number of the kind asked beyond the bounds: held to the nearer
        // one, which the field shows.
        setValue(accepted(*number));
    } else {
        // Any other text changes nothing, a fraction where whole numbers are
        // asked included, within the bounds or beyond them: nothing is cut,
        // rounded or held to an end. Nor is the held value silently put
        // back over it: the text stays as typed, marked with its tip, so the
        // user sees it was not taken and a page that finds it marked uses
        // nothing of it. It stands until the user types again or steps, or
        // the program sets a value.
        return;
    }
    m_field->setText(text());
    setMarked(false);
}

QRect SpinEditBox::arrowStrip() const
{
    const int strip = std::min(width(), kArrowWidth);
    return QRect(width() - strip, 0, strip, height());
}

void SpinEditBox::layoutField()
{
    const int fieldWidth = width() - arrowStrip().width() - 2;
    m_field->setVisible(fieldWidth >= kMinimumFieldWidth);
    m_field->setGeometry(1, 1, std::max(0, fieldWidth), std::max(0, height() - 2));
}

void SpinEditBox::resizeEvent(QResizeEvent*)
{
    layoutField();
}

void SpinEditBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void SpinEditBox::mousePressEvent(QMouseEvent* event)
{
    const QRect strip = arrowStrip();
    if (event->button() != Qt::LeftButton || !strip.contains(event->position().toPoint()))
        return;
    stepBy(event->position().y() < strip.center().y() ? 1 : -1);
}

bool SpinEditBox::stepKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
        stepBy(1);
        return true;
    case Qt::Key_Down:
        stepBy(-1);
        return true;
    case Qt::Key_PageUp:
        pageBy(1);
        return true;
    case Qt::Key_PageDown:
        pageBy(-1);
        return true;
    default:
        return false;
    }
}

void SpinEditBox::keyPressEvent(QKeyEvent* event)
{
    if (!stepKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool SpinEditBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress)
        return stepKey(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void SpinEditBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    const QRect strip = arrowStrip();
    const QRectF up(strip.left(), 0, strip.width(), strip.height() / 2.0);
    const QRectF down(strip.left(), up.bottom(), strip.width(), strip.height() - up.height());
    const QColor arrow = colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const struct {
        QRectF half;
        qreal direction; // -1 points up
    } arrows[] = { { up, -1 }, { down, 1 } };
    for (const auto& [half, direction] : arrows) {
        painter.fillRect(half.adjusted(1, 1, -1, -1), colours.color(QPalette::Button));
        const qreal size = std::min(half.width(), half.height()) * 0.3;
        const QPointF centre = half.center();
        const qreal tip = direction * size / 2;
        QPainterPath path;
        path.moveTo(centre.x() - size, centre.y() - tip);
        path.lineTo(centre.x() + size, centre.y() - tip);
        path.lineTo(centre.x(), centre.y() + tip);
        path.closeSubpath();
        painter.fillPath(path, arrow);
    }
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(QPointF(strip.left(), up.bottom()), QPointF(strip.right(), up.bottom()));
    painter.drawLine(strip.topLeft(), strip.bottomLeft());
}
