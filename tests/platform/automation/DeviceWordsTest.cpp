#include "automation/DeviceWords.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(DeviceWords, TruncationKeepsUnitsThatBinaryErrorWouldDrop)
{
    struct Case {
        double value;
        double scale;
        double expected;
    } cases[] = {
        { 0.29, 100, 29 },
        { 12.345, 100, 1234 },
        { 70.65, 1, 70 },
        { 5.99, 100, 599 },
        { static_cast<double>(5.99f), 100, 599 },
        { 2.9, 1, 2 },
        { 1.4, 45, 63 },
        { 16.24, 100, 1624 },
        { -0.29, 100, -29 },
        { -12.345, 100, -1234 },
        { 0, 100, 0 },
        { 0.0099, 100, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeviceWords::truncScaled(c.value, c.scale), c.expected) << c.value << " x " << c.scale;
}

TEST(DeviceWords, SaturationClampsInsteadOfWrapping)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        uint16_t u16;
        int16_t s16;
        uint32_t u32;
    } cases[] = {
        { 200, 200, 200, 200 },
        { 70000, 65535, 32767, 70000 },
        { -5, 0, -5, 0 },
        { -40000, 0, -32768, 0 },
        { 5e10, 65535, 32767, 4294967295u },
        { inf, 65535, 32767, 4294967295u },
        { -inf, 0, -32768, 0 },
        { nan, 0, 0, 0 },
        { 65535.7, 65535, 32767, 65535 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceWords::saturateU16(c.value), c.u16) << c.value;
        EXPECT_EQ(DeviceWords::saturateS16(c.value), c.s16) << c.value;
        EXPECT_EQ(DeviceWords::saturateU32(c.value), c.u32) << c.value;
    }
    EXPECT_EQ(DeviceWords::saturateS32(-inf), std::numeric_limits<int32_t>::min());
}

TEST(DeviceWords, PercentBeyondTheWordDoesNotWrap)
{
    // 700 % in hundredths would wrap to 44.64 % in 16 bits.
    EXPECT_EQ(DeviceWords::toU16(700, 100), 65535);
    EXPECT_EQ(DeviceWords::toU16(-5, 100), 0);
    EXPECT_EQ(DeviceWords::toU16(0.29, 100), 29);
}
