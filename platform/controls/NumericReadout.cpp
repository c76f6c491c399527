#include "NumericReadout.h"

#include "WinColor.h"

#include "automation/NumberText.h"

#include <QPainter>

NumericReadout::NumericReadout(QWidget* parent)
    : InstrumentWidget(parent)
{
    setBackgroundColor(WinColor::ActiveBorder);
}

void NumericReadout::setValue(double value)
{
    storeValue(value);
}

void NumericReadout::setUnitText(const QString& text)
{
    assign(m_unitText, text);
}

void NumericReadout::setValueColor(uint32_t color)
{
    assign(m_valueColor, color);
}

void NumericReadout::applyFactoryDefaults()
{
    setBackgroundColor(WinColor::ActiveBorder);
}

QString NumericReadout::text() const
{
    const QString number = NumberText::format("%.2f", m_value);
    return m_unitText.isEmpty() ? number : number + QLatin1Char(' ') + m_unitText;
}

void NumericReadout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBackground(painter);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(shown(m_valueColor));
    painter.setFont(font());
    painter.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, text());
}
