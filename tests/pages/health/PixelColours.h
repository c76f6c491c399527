#pragma once

#include <QColor>

#include <string>

// What a rendering test reads a drawn pixel as.
inline bool isGreen(const QColor& c)
{
    return c.green() > 180 && c.red() < 100 && c.blue() < 100;
}
inline bool isYellow(const QColor& c)
{
    return c.red() > 180 && c.green() > 180 && c.blue() < 100;
}
inline bool isBrightRed(const QColor& c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
inline bool isWhite(const QColor& c)
{
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}
inline std::string rgb(const QColor& c)
{
    return c.name().toStdString();
}
