#include "Thermometer.h"

#include "ScaleTicks.h"
#include "WinColor.h"

#include "ui/ControlRegistry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(Thermometer::ProgId), [](QWidget* parent) { return new Thermometer(parent); });
}

Thermometer::Thermometer(QWidget* parent)
    : InstrumentWidget(parent)
{
}

void Thermometer::setScaleMin(double value)
{
    assign(m_scaleMin, value);
}

void Thermometer::setScaleMax(double value)
{
    assign(m_scaleMax, value);
}

void Thermometer::setValue(double value)
{
    assign(m_value, value);
}

void Thermometer::setLiquidColor(uint32_t color)
{
    assign(m_liquidColor, color);
}

void Thermometer::applyFactoryDefaults()
{
    setBackgroundColor(WinColor::ButtonFace);
}

Thermometer::Layout Thermometer::layout() const
{
    const double tubeWidth = std::clamp(width() * 0.18, 4.0, 12.0);
    const double bulbSide = tubeWidth * 1.9;
    const double left = 2 + (bulbSide - tubeWidth) / 2;
    const QFontMetricsF metrics(font());
    Layout l;
    l.bulb = QRectF(2, height() - 2 - bulbSide, bulbSide, bulbSide);
    l.top = 2 + metrics.height() / 2;
    l.bottom = std::max(l.top + 1, l.bulb.top() - 2);
    l.tube = QRectF(left, 2, tubeWidth, l.bulb.center().y() - 2);
    return l;
}

double Thermometer::levelOf(double value) const
{
    const Layout l = layout();
    return l.bottom - ScaleTicks::fractionOf(value, m_scaleMin, m_scaleMax) * (l.bottom - l.top);
}

void Thermometer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    const Layout l = layout();
    const QColor liquid = shown(m_liquidColor);
    const QColor glass = shown(QColor(0x50, 0x50, 0x50));

    painter.setPen(QPen(glass, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(l.tube, l.tube.width() / 2, l.tube.width() / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(liquid);
    const double level = levelOf(m_value);
    painter.drawRect(QRectF(l.tube.left() + 1.5, level, l.tube.width() - 3, l.bulb.center().y() - level));
    painter.setPen(QPen(glass, 1));
    painter.drawEllipse(l.bulb);

    const double tickLeft = l.bulb.right() + 2;
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const int count = std::max(2, static_cast<int>((l.bottom - l.top) / (metrics.height() * 1.5)));
    const std::vector<double> ticks = ScaleTicks::nice(m_scaleMin, m_scaleMax, count);
    const std::vector<QString> labels = ScaleTicks::labels(ticks);
    for (size_t i = 0; i < ticks.size(); ++i) {
        const double y = levelOf(ticks[i]);
        painter.drawLine(QPointF(tickLeft, y), QPointF(tickLeft + 4, y));
        const QRectF box(tickLeft + 6, y - metrics.height() / 2, width() - tickLeft - 6, metrics.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
    }
}
