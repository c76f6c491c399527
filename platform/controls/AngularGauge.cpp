#include "AngularGauge.h"

#include "OleFont.h"
#include "ScaleTicks.h"
#include "WinColor.h"

#include "ui/ControlRegistry.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(AngularGauge::ProgId), [](QWidget* parent) { return new AngularGauge(parent); });

constexpr double kMinAngle = 225.0;
constexpr double kSweep = 270.0;
constexpr int kMinorPerMajor = 4;
} // namespace

AngularGauge::AngularGauge(QWidget* parent)
    : InstrumentWidget(parent)
{
}

void AngularGauge::setScaleMin(double value)
{
    assign(m_scaleMin, value);
}

void AngularGauge::setScaleMax(double value)
{
    assign(m_scaleMax, value);
}

void AngularGauge::setMajorTicks(int count)
{
    assign(m_majorTicks, std::clamp(count, 2, 50));
}

void AngularGauge::setValue(double value)
{
    assign(m_value, value);
}

void AngularGauge::setValueText(const QString& text)
{
    assign(m_valueText, text);
}

void AngularGauge::setUnitText(const QString& text)
{
    assign(m_unitText, text);
}

void AngularGauge::setIndicatorColor(uint32_t color)
{
    assign(m_indicatorColor, color);
}

void AngularGauge::setNeedleColor(uint32_t color)
{
    assign(m_needleColor, color);
}

void AngularGauge::setFaceColor(uint32_t color)
{
    assign(m_faceColor, color);
}

void AngularGauge::setDisabledFaceColor(uint32_t color)
{
    assign(m_disabledFaceColor, color);
}

void AngularGauge::setAlarmColor(uint32_t color)
{
    assign(m_alarmColor, color);
}

void AngularGauge::applyFactoryDefaults()
{
    setBackgroundColor(WinColor::ButtonFace);
    setFaceColor(0xF5F5F5);
    setFont(OleFont::toQFont(QStringLiteral("Lucida Sans Unicode"), 110000, true));
}

QRectF AngularGauge::dialRect() const
{
    const double side = std::max(0, std::min(width(), height()) - 4);
    QRectF dial(0, 0, side, side);
    dial.moveCenter(QRectF(rect()).center());
    return dial;
}

double AngularGauge::angleOf(double value) const
{
    return kMinAngle - kSweep * ScaleTicks::fractionOf(value, m_scaleMin, m_scaleMax);
}

double AngularGauge::needleAngle() const
{
    return angleOf(m_value);
}

QPointF AngularGauge::onDial(double angle, double radius) const
{
    const double radians = qDegreesToRadians(angle);
    return dialRect().center() + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

void AngularGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    const QRectF dial = dialRect();
    if (dial.width() < 8)
        return;
    const double rim = std::max(1.5, dial.width() / 40);
    painter.setPen(QPen(shown(m_alarmColor), rim));
    painter.setBrush(active() ? WinColor::toQColor(m_faceColor) : WinColor::toQColor(m_disabledFaceColor));
    painter.drawEllipse(dial.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));
    // The scale numbers are placed once a painting: the texts keep clear of them.
    const std::vector<ScaleLabel> labels = scaleLabels();
    paintScale(painter, labels);
    paintTexts(painter, boxesOf(labels));
    // A switched-off dial has no reading: no needle across its text.
    if (active())
        paintNeedle(painter);
}

QFont AngularGauge::labelFont() const
{
    QFont small = font();
    small.setPointSizeF(std::clamp(dialRect().width() / 2 / 7, 5.0, font().pointSizeF()));
    small.setBold(false);
    return small;
}

std::vector<AngularGauge::ScaleLabel> AngularGauge::scaleLabels() const
{
    const double radius = dialRect().width() / 2;
    const double outer = radius * 0.88;
    const QFontMetricsF metrics(labelFont());
    const std::vector<double> ticks = ScaleTicks::even(m_scaleMin, m_scaleMax, m_majorTicks);
    const auto labelled = [&](size_t every) {
        std::vector<double> kept;
        for (size_t i = 0; i < ticks.size(); i += every)
            kept.push_back(ticks[i]);
        // The labels shown set the precision: wider apart, fewer decimals.
        const std::vector<QString> texts = ScaleTicks::labels(kept);
        std::vector<ScaleLabel> labels;
        for (size_t i = 0; i < kept.size(); ++i) {
            QRectF box(0, 0, metrics.horizontalAdvance(texts[i]) + 2, metrics.height());
            box.moveCenter(onDial(angleOf(kept[i]), outer - radius * 0.12 - metrics.height() * 0.75));
            labels.push_back({ texts[i], box });
        }
        return labels;
    };
    const auto apart = [](const std::vector<ScaleLabel>& labels) {
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j)
                if (labels[i].box.intersects(labels[j].box))
                    return false;
        return true;
    };
    for (size_t every = 1; every < ticks.size(); ++every) {
        std::vector<ScaleLabel> labels = labelled(every);
        if (apart(labels))
            return labels;
    }
    // No two labels fit: the minimum alone.
    return labelled(std::max<size_t>(ticks.size(), 1));
}

std::vector<QRectF> AngularGauge::boxesOf(const std::vector<ScaleLabel>& labels)
{
    std::vector<QRectF> boxes;
    for (const ScaleLabel& label : labels)
        boxes.push_back(label.box);
    return boxes;
}

std::vector<QRectF> AngularGauge::scaleLabelRects() const
{
    return boxesOf(scaleLabels());
}

void AngularGauge::paintScale(QPainter& painter, const std::vector<ScaleLabel>& labels) const
{
    const double radius = dialRect().width() / 2;
    const double outer = radius * 0.88;
    const QColor ink = shown(m_alarmColor);

    painter.setPen(QPen(ink, std::max(1.0, radius / 50)));
    const int minorCount = (m_majorTicks - 1) * kMinorPerMajor;
    for (int i = 0; i <= minorCount; ++i) {
        const double angle = kMinAngle - kSweep * i / minorCount;
        const double inner = i % kMinorPerMajor == 0 ? outer - radius * 0.12 : outer - radius * 0.06;
        painter.drawLine(onDial(angle, inner), onDial(angle, outer));
    }

    painter.setFont(labelFont());
    for (const ScaleLabel& label : labels)
        painter.drawText(label.box, Qt::AlignCenter, label.text);
}

AngularGauge::ValueTextPlace AngularGauge::placeValueText(const std::vector<QRectF>& labels) const
{
    const QRectF dial = dialRect();
    const double radius = dial.width() / 2;
    const QPointF home(dial.center().x(), dial.center().y() + radius * 0.55);
    QFont text = font();
    const double largest = std::clamp(radius / 6, 5.0, font().pointSizeF());
    text.setPointSizeF(largest);
    const auto boxAt = [&home](const QFont& font, const QString& value) {
        const QFontMetricsF metrics(font);
        QRectF box(0, 0, metrics.horizontalAdvance(value), metrics.height());
        box.moveCenter(home);
        return box;
    };
    if (m_valueText.isEmpty())
        return { text, boxAt(text, m_valueText) };

    const auto clearOfLabels = [&labels](const QRectF& box) {
        return std::none_of(
            labels.begin(), labels.end(), [&box](const QRectF& label) { return label.intersects(box); });
    };
    // Inside the rim, so a moved text is not cut by the dial's edge.
    const double inside = radius - std::max(1.5, dial.width() / 40) - 1;
    const auto onFace = [&dial, inside](const QRectF& box) {
        for (const QPointF& corner : { box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight() })
            if (std::hypot(corner.x() - dial.center().x(), corner.y() - dial.center().y()) > inside)
                return false;
        return true;
    };

    // The reading keeps its place and size while the scale numbers leave it
    // room. Otherwise it goes below the numbers it meets, into the open
    // bottom of the dial, and only when even there it does not fit does its
    // font shrink, a step at a time.
    constexpr double kSmallest = 5.0;
    constexpr double kStep = 0.5;
    for (double points = largest; points >= kSmallest - 1e-9; points -= kStep) {
        text.setPointSizeF(points);
        QRectF box = boxAt(text, m_valueText);
        if (clearOfLabels(box))
            return { text, box };
        double below = box.top();
        for (const QRectF& label : labels)
            if (label.intersects(box))
                below = std::max(below, label.bottom());
        box.moveTop(below);
        if (clearOfLabels(box) && onFace(box))
            return { text, box };
    }
    // A dial too small for any of that: the smallest text, where it overlaps least.
    text.setPointSizeF(std::min(largest, kSmallest));
    return { text, boxAt(text, m_valueText) };
}

QRectF AngularGauge::valueTextRect() const
{
    return placeValueText(scaleLabelRects()).box;
}

QRectF AngularGauge::unitTextRect() const
{
    return unitTextRect(scaleLabelRects());
}

QRectF AngularGauge::unitTextRect(const std::vector<QRectF>& labels) const
{
    const QRectF dial = dialRect();
    const double radius = dial.width() / 2;
    QFont text = font();
    text.setPointSizeF(std::clamp(radius / 6, 5.0, font().pointSizeF()));
    const QFontMetricsF metrics(text);
    QRectF box(0, 0, metrics.horizontalAdvance(m_unitText), metrics.height());
    box.moveCenter(QPointF(dial.center().x(), dial.center().y() - radius * 0.35));
    // The unit keeps its place while it leaves the scale numbers a pixel;
    // otherwise it goes down towards the hub, as far as it must, so that it
    // never reads as one word with the number above it.
    const auto clear = [&labels](const QRectF& place) {
        return std::none_of(labels.begin(), labels.end(),
            [&place](const QRectF& label) { return label.adjusted(-1, -1, 1, 1).intersects(place); });
    };
    const double hubTop = dial.center().y() - std::max(3.0, radius / 10) - 1;
    for (QRectF moved = box; moved.bottom() <= hubTop; moved.translate(0, 1))
        if (clear(moved))
            return moved;
    return box;
}

void AngularGauge::paintTexts(QPainter& painter, const std::vector<QRectF>& labels) const
{
    const QRectF dial = dialRect();
    const double radius = dial.width() / 2;
    QFont text = font();
    text.setPointSizeF(std::clamp(radius / 6, 5.0, font().pointSizeF()));
    painter.setFont(text);
    painter.setPen(shown(m_alarmColor));
    painter.drawText(unitTextRect(labels).adjusted(-1, 0, 1, 0), Qt::AlignCenter | Qt::TextDontClip, m_unitText);

    const ValueTextPlace value = placeValueText(labels);
    painter.setFont(value.font);
    painter.setPen(shown(m_indicatorColor));
    painter.drawText(value.box, Qt::AlignCenter | Qt::TextDontClip, m_valueText);
}

void AngularGauge::paintNeedle(QPainter& painter) const
{
    const double radius = dialRect().width() / 2;
    const QColor color = shown(m_needleColor);
    painter.setPen(QPen(color, std::max(3.0, radius / 20), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(onDial(needleAngle(), 0), onDial(needleAngle(), radius * 0.8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const double hub = std::max(3.0, radius / 10);
    painter.drawEllipse(dialRect().center(), hub, hub);
}
