#include "controls/WinColor.h"
#include "QtPrinters.h"
#include "controls/OleFont.h"

#include <gtest/gtest.h>

TEST(WinColor, WindowsValuesAreBlueGreenRed)
{
    struct Case {
        uint32_t value;
        QColor color;
    } cases[] = {
        { 0x0000FF00u, QColor(0, 255, 0) },
        { 0x000A0AFFu, QColor(255, 10, 10) },
        { 0x0000FFFFu, QColor(255, 255, 0) },
        { 0x00FF6633u, QColor(0x33, 0x66, 0xFF) },
        { 12632256u, QColor(192, 192, 192) },
        { 0x8000000Fu, QColor(0xF0, 0xF0, 0xF0) },
        { 0x8000000Au, QColor(0xB4, 0xB4, 0xB4) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinColor::toQColor(c.value), c.color) << std::hex << c.value;
    EXPECT_EQ(WinColor::fromQColor(QColor(255, 10, 10)), 0x000A0AFFu);
    EXPECT_EQ(WinColor::rgb(226, 165, 0), 0x0000A5E2u);
}

TEST(OleFont, CurrencySizeAndBoldBecomeAQFont)
{
    const QFont font = OleFont::toQFont(QStringLiteral("Microsoft Sans Serif"), 110000, true);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.0);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.families().contains(QStringLiteral("DejaVu Sans")));
}
