#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

// The template's rectangles were drawn for a narrower dialog font: a text
// wider than the room it is given is drawn in a smaller font, half a point at
// a time down to a readable floor, rather than losing its ends. A text that
// fits keeps the font it was given.
template <typename WidthOf>
QFont fontToFit(QFont font, double room, WidthOf widthOf)
{
    constexpr double SmallestPoints = 6.0;
    constexpr double Step = 0.5;
    while (font.pointSizeF() - Step >= SmallestPoints && widthOf(font) > room)
        font.setPointSizeF(font.pointSizeF() - Step);
    return font;
}

// The common case: one line of plain text.
inline QFont fontToFit(const QFont& font, double room, const QString& text)
{
    return fontToFit(font, room, [&](const QFont& f) { return QFontMetricsF(f).horizontalAdvance(text); });
}
