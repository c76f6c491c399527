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
    paintScale(painter);
    paintTexts(painter);
    // A switched-off dial has no reading: no needle across its text.
    if (active())
        paintNeedle(painter);
}

void AngularGauge::paintScale(QPainter& painter) const
{
    const double radius = dialRect().width() / 2;
    const double outer = radius * 0.88;
    const std::vector<double> majors = ScaleTicks::even(m_scaleMin, m_scaleMax, m_majorTicks);
    const QColor ink = shown(m_alarmColor);

    painter.setPen(QPen(ink, std::max(1.0, radius / 50)));
    const int minorCount = (m_majorTicks - 1) * kMinorPerMajor;
    for (int i = 0; i <= minorCount; ++i) {
        const double angle = kMinAngle - kSweep * i / minorCount;
        const double inner = i % kMinorPerMajor == 0 ? outer - radius * 0.12 : outer - radius * 0.06;
        painter.drawLine(onDial(angle, inner), onDial(angle, outer));
    }

    QFont small = font();
    small.setPointSizeF(std::clamp(radius / 7, 5.0, font().pointSizeF()));
    small.setBold(false);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    for (double tick : majors) {
        const QString text = ScaleTicks::label(tick);
        const QPointF at = onDial(angleOf(tick), outer - radius * 0.12 - metrics.height() * 0.75);
        QRectF box(0, 0, metrics.horizontalAdvance(text) + 2, metrics.height());
        box.moveCenter(at);
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void AngularGauge::paintTexts(QPainter& painter) const
{
    const QRectF dial = dialRect();
    const double radius = dial.width() / 2;
    QFont text = font();
    text.setPointSizeF(std::clamp(radius / 6, 5.0, font().pointSizeF()));
    painter.setFont(text);
    const QFontMetricsF metrics(text);
    QRectF line(dial.left(), 0, dial.width(), metrics.height());

    line.moveCenter(QPointF(dial.center().x(), dial.center().y() - radius * 0.35));
    painter.setPen(shown(m_alarmColor));
    painter.drawText(line, Qt::AlignCenter, m_unitText);

    line.moveCenter(QPointF(dial.center().x(), dial.center().y() + radius * 0.55));
    painter.setPen(shown(m_indicatorColor));
    painter.drawText(line, Qt::AlignCenter, m_valueText);
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
