#include "LedRound.h"

#include "ui/ControlRegistry.h"

#include <QPainter>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(LedRound::ProgId), [](QWidget* parent) { return new LedRound(parent); });
}

LedRound::LedRound(QWidget* parent)
    : InstrumentWidget(parent)
{
}

void LedRound::setLitColor(uint32_t color)
{
    assign(m_litColor, color);
}

void LedRound::setUnlitColor(uint32_t color)
{
    assign(m_unlitColor, color);
}

void LedRound::setLit(bool lit)
{
    assign(m_lit, lit);
}

void LedRound::setBorderStyle(int style)
{
    assign(m_borderStyle, style);
}

void LedRound::setReflection(bool reflection)
{
    assign(m_reflection, reflection);
}

void LedRound::applyFactoryDefaults()
{
    setReflection(true);
    setBorderStyle(0);
}

QColor LedRound::lampColor() const
{
    return shown(m_lit ? m_litColor : m_unlitColor);
}

void LedRound::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);

    const qreal side = qMin(width(), height()) - 2.0;
    if (side <= 2)
        return;
    const QRectF lamp(QPointF((width() - side) / 2.0, (height() - side) / 2.0), QSizeF(side, side));
    const QColor color = lampColor();
    const qreal rim = qMax(1.0, side / (m_borderStyle ? 8.0 : 14.0));

    painter.setPen(QPen(color.darker(m_borderStyle ? 220 : 170), rim));
    painter.setBrush(color);
    painter.drawEllipse(lamp.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));

    if (m_reflection) {
        // The highlight sits in the upper left quarter so the lamp's centre
        // keeps its true colour.
        const qreal spot = side / 4.0;
        const QPointF at = lamp.topLeft() + QPointF(side * 0.22, side * 0.18);
        QRadialGradient glow(at + QPointF(spot / 2, spot / 2), spot / 2);
        glow.setColorAt(0, QColor(255, 255, 255, 200));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(QRectF(at, QSizeF(spot, spot)));
    }
}
