#include "WinColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace WinColor
{

QColor toQColor(uint32_t value)
{
    if (value & 0x80000000u) {
        switch (value) {
        case ButtonFace:
            return QColor(0xF0, 0xF0, 0xF0);
        case ActiveBorder:
            return QColor(0xB4, 0xB4, 0xB4);
        default:
            return QGuiApplication::palette().color(QPalette::Window);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

uint32_t fromQColor(const QColor& color)
{
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace WinColor
