#pragma once

#include <QRect>

// Dialog templates give positions in dialog units of an 8-point dialog font.
// We use that font's fixed base units: x * 1.5 and y * 1.625, each corner
// rounded half up, so width and height are right - left and bottom - top.
namespace DialogUnits
{

int xToPx(int du);
int yToPx(int du);

// A template rectangle (left, top, width, height in dialog units) in pixels.
QRect toPx(int x, int y, int w, int h);

} // namespace DialogUnits
