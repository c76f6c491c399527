#include "InstrumentWidget.h"

#include "WinColor.h"

#include <QPainter>

InstrumentWidget::InstrumentWidget(QWidget* parent)
    : QWidget(parent)
    , m_backgroundColor(WinColor::ButtonFace)
{
}

void InstrumentWidget::setWidth(int width)
{
    resize(width, height());
}

void InstrumentWidget::setHeight(int height)
{
    resize(width(), height);
}

void InstrumentWidget::setBackgroundColor(uint32_t color)
{
    assign(m_backgroundColor, color);
}

void InstrumentWidget::setActive(bool active)
{
    assign(m_active, active);
}

QColor InstrumentWidget::shown(uint32_t color) const
{
    return shown(WinColor::toQColor(color));
}

QColor InstrumentWidget::shown(const QColor& color) const
{
    if (m_active)
        return color;
    // Keep the lightness so an inactive instrument still shows its parts.
    const int grey = qGray(color.rgb());
    return QColor(grey, grey, grey).lighter(115);
}

void InstrumentWidget::paintBackground(QPainter& painter) const
{
    painter.fillRect(rect(), WinColor::toQColor(m_backgroundColor));
}
