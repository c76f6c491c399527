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

TEST(DeviceWords, AValueFromAnotherUnitGoesToTheNearestWord)
{
    // Supply limits of a 60 psi scale (x 10000 / 60), a full scale of 4.137
    // bar, and the half and the fields' ends.
    struct Case {
        double value;
        double scale;
        uint16_t u16;
        uint32_t u32;
    } cases[] = {
        { 40.0, 10000.0 / 60.0, 6667, 6667 },
        { 70.0, 10000.0 / 60.0, 11667, 11667 },
        { 10.0, 10000.0 / 60.0, 1667, 1667 },
        { 4.137, 100, 414, 414 },
        { 4.1349, 100, 413, 413 },
        { 0.125, 100, 13, 13 }, // a half goes up, not to the even word
        { 0.0049, 100, 0, 0 },
        { -3.0, 100, 0, 0 },
        { 655.354, 100, 65535, 65535 },
        { 700.0, 100, 65535, 70000 },
        { 5e10, 1, 65535, 4294967295u },
        { std::numeric_limits<double>::quiet_NaN(), 1, 0, 0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceWords::nearestU16(c.value, c.scale), c.u16) << c.value << " x " << c.scale;
        EXPECT_EQ(DeviceWords::nearestU32(c.value, c.scale), c.u32) << c.value << " x " << c.scale;
    }
    EXPECT_EQ(DeviceWords::nearestScaled(-2.5, 1), -3) << "halves away from zero below it too";
}
