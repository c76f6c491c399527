#include "NumEdit.h"

#include "WinColor.h"

#include "ui/ControlRegistry.h"
#include "ui/FontToFit.h"

#include <QPainter>

namespace
{
NumEdit* makeNumEdit(QWidget* parent)
{
    return new NumEdit(parent);
}
// Created by the factories, and placed directly by dialog templates.
const ControlRegistration byProgId(QString::fromLatin1(NumEdit::ProgId), makeNumEdit);
const ControlRegistration byTemplate(QStringLiteral("TiEdit"), makeNumEdit);
} // namespace

NumEdit::NumEdit(QWidget* parent)
    : InstrumentWidget(parent)
{
    setBackgroundColor(WinColor::ActiveBorder);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void NumEdit::setValue(const QString& value)
{
    assign(m_value, value);
}

void NumEdit::setErrorActive(bool active)
{
    assign(m_errorActive, active);
}

void NumEdit::setErrorText(const QString& text)
{
    assign(m_errorText, text);
}

void NumEdit::setErrorBackGroundColor(uint32_t color)
{
    assign(m_errorBackGroundColor, color);
}

void NumEdit::setTextColor(uint32_t color)
{
    assign(m_textColor, color);
}

void NumEdit::setAlignment(int alignment)
{
    assign(m_alignment, alignment);
}

void NumEdit::setFrameStyle(int style)
{
    assign(m_frameStyle, style);
}

void NumEdit::applyFactoryDefaults()
{
    setFrameStyle(1);
}

QString NumEdit::shownText() const
{
    return m_errorActive ? m_errorText : m_value;
}

QColor NumEdit::shownBackground() const
{
    return WinColor::toQColor(m_errorActive ? m_errorBackGroundColor : backgroundColor());
}

void NumEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), shownBackground());
    if (m_frameStyle != 0) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(1, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
    }
    Qt::Alignment horizontal = Qt::AlignHCenter;
    if (m_alignment == Left)
        horizontal = Qt::AlignLeft;
    else if (m_alignment == Right)
        horizontal = Qt::AlignRight;
    painter.setPen(WinColor::toQColor(m_textColor));
    const QRect room = rect().adjusted(3, 1, -3, -1);
    painter.setFont(fittedFont(shownText(), room.width()));
    painter.drawText(room, horizontal | Qt::AlignVCenter, shownText());
}

QFont NumEdit::fittedFont(const QString& text, int room) const
{
    // The longest status names in the status strip are wider than the box.
    return fontToFit(font(), room, text);
}
