#include "PageLayoutCheck.h"

#include "ui/FormPage.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextItem>

#include <climits>

namespace PageLayoutCheck
{
namespace
{

// Keeps every text drawn, with the box its font gives it (from the ascent
// above the baseline to the descent below, as wide as the text advances).
class TextRecorder : public QPaintEngine
{
public:
    TextRecorder()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override { }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QRectF box(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        const QRectF ink = QFontMetricsF(item.font()).tightBoundingRect(item.text()).translated(at);
        texts.push_back({ item.text(), m_transform.mapRect(box), m_transform.mapRect(ink) });
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<DrawnText> texts;

private:
    QTransform m_transform;
};

class TextRecordingDevice : public QPaintDevice
{
public:
    TextRecordingDevice(const QWidget& widget)
        : m_size(widget.size())
        , m_dpiX(widget.logicalDpiX())
        , m_dpiY(widget.logicalDpiY())
    {
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    std::vector<DrawnText>& texts() { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return int(m_size.width() * 25.4 / m_dpiX);
        case PdmHeightMM:
            return int(m_size.height() * 25.4 / m_dpiY);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_dpiY;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize m_size;
    int m_dpiX;
    int m_dpiY;
    mutable TextRecorder m_engine;
};

// Controls whose text scrolls inside them: their rectangle carries text, but
// what they draw past it is scrolled away, not cut. A spin edit shows its
// value in a field of its own.
bool scrollsItsText(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget)
        || !widget->findChildren<QAbstractScrollArea*>(Qt::FindDirectChildrenOnly).isEmpty()
        || !widget->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).isEmpty();
}

bool isStandardControl(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)
        || qobject_cast<const QGroupBox*>(widget);
}

struct Control {
    const QWidget* widget = nullptr;
    QString name;
    QRectF rect; // on the page
    std::vector<DrawnText> texts; // on the page
    std::vector<QRectF> ink; // where it shows text or takes text, on the page
};

QString nameOf(const QWidget* widget, const std::vector<DrawnText>& texts)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (auto* box = qobject_cast<const QGroupBox*>(widget))
        text = box->title();
    else if (!texts.empty())
        text = texts.front().text + (texts.size() > 1 ? QStringLiteral(" …") : QString());
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(FormPage::idOf(widget))
        .arg(QLatin1String(widget->metaObject()->className()), text.left(40));
}

bool overlaps(const QRectF& a, const QRectF& b)
{
    // Boxes that touch, or share the pixel row where one line's descent meets
    // the next line's ascent, do not run together; side by side, a single
    // pixel in common does.
    const QRectF common = a.intersected(b);
    return common.width() > 0.0 && common.height() > 1.0;
}

// Side by side, two texts of one instrument need a gap of a few pixels
// between their font boxes to read as two (the glyphs' own side bearings add
// to it). One above the other, they read as two while their glyphs stand
// apart: a unit under a scale's labels leaves the room above its small
// letters empty.
bool runTogether(const DrawnText& a, const DrawnText& b)
{
    constexpr double HalfGap = 1.0;
    const auto span = [](const DrawnText& text) {
        return QRectF(text.box.left() - HalfGap, text.ink.top(), text.box.width() + 2 * HalfGap, text.ink.height());
    };
    const QRectF common = span(a).intersected(span(b));
    return common.width() > 0.0 && common.height() > 1.0;
}

QString boxText(const QRectF& box)
{
    return QStringLiteral("(%1,%2 %3x%4)")
        .arg(box.x(), 0, 'f', 0)
        .arg(box.y(), 0, 'f', 0)
        .arg(box.width(), 0, 'f', 0)
        .arg(box.height(), 0, 'f', 0);
}

// Enabled controls that take clicks, each with every widget stacked above it
// that lies over part of it: a click there lands on the upper one.
QStringList covered(const QWidget& page)
{
    QStringList out;
    const QList<QWidget*> stacked = page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const auto takesClicks = [&page](const QWidget* widget) {
        return widget->isVisibleTo(&page) && !widget->testAttribute(Qt::WA_TransparentForMouseEvents);
    };
    for (qsizetype low = 0; low < stacked.size(); ++low) {
        const QWidget* control = stacked[low];
        if (!takesClicks(control) || !control->isEnabled() || !(control->focusPolicy() & Qt::ClickFocus))
            continue;
        for (qsizetype high = low + 1; high < stacked.size(); ++high) {
            const QWidget* over = stacked[high];
            const QRect common = over->geometry().intersected(control->geometry());
            if (takesClicks(over) && !common.isEmpty())
                out << QStringLiteral("%1 lies over %2 at %3")
                           .arg(nameOf(over, {}), nameOf(control, {}), boxText(QRectF(common)));
        }
    }
    return out;
}

} // namespace

std::vector<DrawnText> drawnTexts(QWidget& widget)
{
    TextRecordingDevice device(widget);
    widget.render(&device, QPoint(), QRegion(widget.rect()), QWidget::RenderFlags());
    std::vector<DrawnText> texts;
    for (DrawnText& drawn : device.texts()) {
        if (!drawn.text.trimmed().isEmpty())
            texts.push_back(std::move(drawn));
    }
    return texts;
}

QStringList faults(const QWidget& page, unsigned kinds)
{
    std::vector<Control> controls;
    for (QWidget* widget : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisibleTo(&page) || widget->width() <= 0 || widget->height() <= 0)
            continue;
        Control control;
        control.widget = widget;
        control.rect = QRectF(widget->geometry());
        for (DrawnText drawn : drawnTexts(*widget)) {
            drawn.box.translate(widget->pos());
            drawn.ink.translate(widget->pos());
            control.texts.push_back(drawn);
        }
        control.name = nameOf(widget, control.texts);
        if (scrollsItsText(widget) || qobject_cast<const QPushButton*>(widget)) {
            control.ink.push_back(control.rect);
        } else {
            for (const DrawnText& drawn : control.texts)
                control.ink.push_back(drawn.box.intersected(control.rect));
        }
        if (!control.ink.empty())
            controls.push_back(std::move(control));
    }

    QStringList out;
    for (const Control& control : controls) {
        if (scrollsItsText(control.widget))
            continue;
        // Font boxes may stand a pixel above or below a rectangle as tall as
        // the font; a text wider than its rectangle by a pixel is cut.
        QRectF room = control.rect.adjusted(0, -1, 0, 1);
        // A push button's text is cut where it runs onto the button's frame.
        if (auto* button = qobject_cast<const QPushButton*>(control.widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            room = QRectF(inside.translated(button->pos())).adjusted(0, -1, 0, 1);
        }
        for (const DrawnText& drawn : control.texts) {
            if ((kinds & Cut) && !room.contains(drawn.box))
                out << QStringLiteral("%1 cut: \"%2\" %3 outside %4")
                           .arg(control.name, drawn.text, boxText(drawn.box), boxText(control.rect));
        }
        if (isStandardControl(control.widget) || !(kinds & RunTogether))
            continue;
        for (size_t i = 0; i < control.texts.size(); ++i) {
            for (size_t j = i + 1; j < control.texts.size(); ++j) {
                if (runTogether(control.texts[i], control.texts[j]))
                    out << QStringLiteral("%1: \"%2\" %3 and \"%4\" %5 run together")
                               .arg(control.name, control.texts[i].text, boxText(control.texts[i].box),
                                   control.texts[j].text, boxText(control.texts[j].box));
            }
        }
    }
    if (kinds & Covered)
        out << covered(page);
    for (size_t a = 0; a < controls.size() && (kinds & Overlap); ++a) {
        for (size_t b = a + 1; b < controls.size(); ++b) {
            bool found = false;
            for (const QRectF& inkA : controls[a].ink) {
                for (const QRectF& inkB : controls[b].ink)
                    found = found || overlaps(inkA, inkB);
            }
            if (found)
                out << QStringLiteral("%1 and %2 overlap").arg(controls[a].name, controls[b].name);
        }
    }
    return out;
}

} // namespace PageLayoutCheck
