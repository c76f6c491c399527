#include "DialogUnits.h"

namespace DialogUnits
{

// Half up on positive and negative coordinates alike: floor(v + 0.5) in
// integer arithmetic (x * 3 / 2 and y * 13 / 8 are exact halves/eighths).
namespace
{
int floorDiv(int num, int den)
{
    int q = num / den;
    if ((num % den != 0) && ((num < 0) != (den < 0)))
        --q;
    return q;
}
}

int xToPx(int du)
{
    return floorDiv(du * 3 + 1, 2);
}

int yToPx(int du)
{
    return floorDiv(du * 13 + 4, 8);
}

QRect toPx(int x, int y, int w, int h)
{
    const int left = xToPx(x);
    const int top = yToPx(y);
    const int right = xToPx(x + w);
    const int bottom = yToPx(y + h);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace DialogUnits
