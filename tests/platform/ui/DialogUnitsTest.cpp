#include "ui/DialogUnits.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(DialogUnits, RectanglesMapCornerByCornerRoundingHalfUp)
{
    struct Case {
        int x, y, w, h;
        QRect expected;
    } cases[] = {
        { 0, 0, 544, 396, QRect(0, 0, 816, 644) }, // 396 x 1.625 = 643.5 -> 644
        { 3, 26, 367, 78, QRect(5, 42, 550, 127) }, // 4.5 -> 5; 42.25 -> 42; right 555, bottom 169
        { 10, 86, 53, 12, QRect(15, 140, 80, 19) }, // bottom 159.25 -> 159
        { 1, 1, 1, 1, QRect(2, 2, 1, 1) }, // 1.5 -> 2, 1.625 -> 2; right 3, bottom 3.25 -> 3
        { 12, 4, 5, 5, QRect(18, 7, 8, 8) }, // top 6.5 -> 7; right 25.5 -> 26; bottom 14.625 -> 15
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogUnits::toPx(c.x, c.y, c.w, c.h), c.expected) << c.x << "," << c.y << "," << c.w << "," << c.h;
}

TEST(DialogUnits, WidthIsRightMinusLeftNotTheScaledWidth)
{
    // 1 unit wide at x = 1 spans 1.5..3.0 -> 2..3: one pixel, not round(1.5) = 2.
    EXPECT_EQ(DialogUnits::toPx(1, 0, 1, 0).width(), 1);
    // 1 unit wide at x = 0 spans 0..1.5 -> 0..2: two pixels.
    EXPECT_EQ(DialogUnits::toPx(0, 0, 1, 0).width(), 2);
}
