#include "health/FrictionRules.h"
#include "IndicatorColours.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{
using namespace IndicatorColour;
using namespace FrictionRules;

std::string show(const Limits& limits)
{
    return std::to_string(limits[0]) + ", " + std::to_string(limits[1]) + ", " + std::to_string(limits[2]) + ", "
        + std::to_string(limits[3]);
}

TEST(FrictionRules, ZoneColourOfTheFrictionValue)
{
    struct Case {
        double value;
        Limits limits;
        std::optional<uint32_t> colour;
    };
    const Limits loose { 30, 135, 630, 840 };
    const Limits noLimits { 0, 1, 9999, 10000 };
    const Case cases[] = {
        { 135, loose, Green }, // on the low warning
        { 629, loose, Green }, { 630, loose, Yellow }, // on the high warning
        { 839, loose, Yellow }, { 31, loose, Yellow }, // between the low alarm and the low warning
        { 134, loose, Yellow }, { 841, loose, Red }, { 29, loose, Red },
        { 30, loose, std::nullopt }, // on an alarm limit: the colour stays
        { 840, loose, std::nullopt }, { 1, noLimits, Green }, { 9998, noLimits, Green }, { 9999, noLimits, Yellow },
        { 10001, noLimits, Red }, { 0, noLimits, std::nullopt }, { 10000, noLimits, std::nullopt },
        { 50, { 50, 100, 300, 50 }, std::nullopt }, // out of order: no zone holds
    };
    for (const Case& c : cases)
        EXPECT_EQ(zoneColour(c.value, c.limits), c.colour) << c.value << " in " << show(c.limits);
}

TEST(FrictionRules, FullScaleIsTheNextStepAboveTheValue)
{
    struct Case {
        double x;
        double maximum;
    };
    const Case cases[] = {
        { -5, 100 },
        { 0, 100 },
        { 99.9, 100 },
        { 100, 200 },
        { 150, 200 },
        { 250, 300 },
        { 840, 900 },
        { 999, 1000 },
        { 1000, 2000 },
        { 9500, 10000 },
        { 9999, 10000 },
        { 10000, 10000 },
        { 10003, 10000 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(fullScale(c.x), c.maximum) << c.x;
}

TEST(FrictionRules, SpinChangesTakeTheHighAlarmPlusTheirDistance)
{
    struct Case {
        int pointer;
        double highAlarm;
        double maximum;
    };
    const Case cases[] = {
        { LowAlarm, 96, 200 }, // 100
        { LowAlarm, 95, 100 }, // 99
        { LowWarning, 97, 200 },
        { HighWarning, 97, 100 },
        { HighWarning, 98, 200 },
        { HighAlarm, 96, 100 }, // 97
        { HighAlarm, 99, 200 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(fullScale(spinFullScaleBase(c.pointer, c.highAlarm)), c.maximum) << c.pointer << " " << c.highAlarm;
}

TEST(FrictionRules, PresetsScaleTheFrictionFoundAtTheLastLoad)
{
    struct Case {
        Preset preset;
        double base;
        Limits limits;
        double maximum;
    };
    const Case cases[] = {
        { Preset::Tight, 200, { 90, 160, 280, 420 }, 500 },
        { Preset::Normal, 200, { 60, 130, 340, 480 }, 500 },
        { Preset::Loose, 300, { 30, 135, 630, 840 }, 900 },
        { Preset::Tight, 157, { 70.65, 125.6, 219.8, 329.7 }, 400 },
        { Preset::NoLimits, 300, { 0, 1, 9999, 10000 }, 10000 },
        { Preset::Tight, 0, { 0, 0, 0, 0 }, 100 },
        { Preset::Normal, 0, { 0, 0, 0, 0 }, 100 },
        { Preset::Loose, 0, { 0, 0, 0, 0 }, 100 },
        { Preset::NoLimits, 0, { 0, 1, 9999, 10000 }, 10000 },
    };
    for (const Case& c : cases) {
        const Limits limits = presetLimits(c.preset, c.base);
        for (size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(limits[k], c.limits[k], 1e-9) << int(c.preset) << " " << c.base << " limit " << k + 1;
        EXPECT_EQ(fullScale(at(limits, HighAlarm)), c.maximum) << int(c.preset) << " " << c.base;
    }
}

TEST(FrictionRules, AMovedLimitPushesTheLimitsItReaches)
{
    struct Case {
        const char* what;
        Limits before;
        int pointer;
        double position;
        Limits after;
        bool held;
    };
    const Limits device { 50, 100, 400, 500 };
    const Case cases[] = {
        // low alarm
        { "low alarm in its place", { 10, 100, 300, 400 }, LowAlarm, 50, { 50, 100, 300, 400 }, false },
        { "low alarm onto the low warning", { 10, 100, 300, 400 }, LowAlarm, 100, { 100, 101, 300, 400 }, false },
        { "low alarm past the low warning", { 10, 100, 300, 400 }, LowAlarm, 120, { 120, 121, 300, 400 }, false },
        { "low alarm past both warnings", { 10, 100, 150, 200 }, LowAlarm, 160, { 160, 161, 162, 200 }, false },
        { "low alarm past all three", { 10, 100, 150, 200 }, LowAlarm, 250, { 250, 251, 252, 253 }, false },
        { "low alarm just under the high warning lifts it off the pushed low warning", { 10, 100, 161, 200 }, LowAlarm,
            160, { 160, 161, 162, 200 }, false },
        { "low alarm onto its top", { 10, 100, 150, 200 }, LowAlarm, 9997, { 9997, 9998, 9999, 10000 }, false },
        { "low alarm past its top is held there, the others over it", { 10, 100, 150, 200 }, LowAlarm, 9999,
            { 9997, 9998, 9999, 10000 }, true },
        { "low alarm to the scale minimum", { 10, 100, 300, 400 }, LowAlarm, 0, { 0, 100, 300, 400 }, false },
        { "low alarm below the scale minimum", { 10, 100, 300, 400 }, LowAlarm, -3, { 0, 100, 300, 400 }, true },
        // low warning
        { "low warning in its place", { 10, 100, 300, 400 }, LowWarning, 200, { 10, 200, 300, 400 }, false },
        { "low warning onto the high warning", { 10, 100, 300, 400 }, LowWarning, 300, { 10, 300, 301, 400 }, false },
        { "low warning typed past both high limits", { 100, 200, 600, 650 }, LowWarning, 700, { 100, 700, 701, 702 },
            false },
        { "low warning just under the high alarm lifts both high limits", device, LowWarning, 499,
            { 50, 499, 500, 501 }, false },
        { "low warning to a fraction just under the high alarm lifts both high limits", { 10, 100, 300, 400 },
            LowWarning, 399.5, { 10, 399.5, 400.5, 401.5 }, false },
        { "low warning onto the low alarm", { 10, 100, 300, 400 }, LowWarning, 10, { 9, 10, 300, 400 }, false },
        { "low warning to zero is held at its floor over the low alarm", device, LowWarning, 0, { 0, 1, 400, 500 },
            true },
        { "low warning to a fraction under its floor", { 5, 100, 300, 400 }, LowWarning, 0.5, { 0, 1, 300, 400 },
            true },
        { "low warning onto its floor", { 5, 100, 300, 400 }, LowWarning, 1, { 0, 1, 300, 400 }, false },
        { "low warning onto its top", device, LowWarning, 9998, { 50, 9998, 9999, 10000 }, false },
        // high warning
        { "high warning in its place", { 10, 100, 300, 400 }, HighWarning, 200, { 10, 100, 200, 400 }, false },
        { "high warning below both low limits", { 30, 40, 300, 500 }, HighWarning, 20, { 18, 19, 20, 500 }, false },
        { "high warning onto the low warning", { 10, 100, 300, 400 }, HighWarning, 100, { 10, 99, 100, 400 }, false },
        { "high warning just over the low alarm drops the low warning under it too", device, HighWarning, 51,
            { 49, 50, 51, 500 }, false },
        { "high warning onto the high alarm", { 10, 100, 300, 400 }, HighWarning, 400, { 10, 100, 400, 401 }, false },
        { "high warning onto its floor", { 10, 100, 300, 400 }, HighWarning, 2, { 0, 1, 2, 400 }, false },
        { "high warning to zero is held at its floor", device, HighWarning, 0, { 0, 1, 2, 500 }, true },
        { "high warning past its top", device, HighWarning, 10000, { 50, 100, 9999, 10000 }, true },
        // high alarm
        { "high alarm in its place", { 10, 100, 300, 400 }, HighAlarm, 500, { 10, 100, 300, 500 }, false },
        { "high alarm below both warnings", { 10, 55, 60, 400 }, HighAlarm, 50, { 10, 48, 49, 50 }, false },
        { "high alarm onto the high warning", { 10, 50, 100, 150 }, HighAlarm, 50, { 10, 48, 49, 50 }, false },
        { "high alarm between the low limits", device, HighAlarm, 75, { 50, 73, 74, 75 }, false },
        { "high alarm below all three", { 10, 55, 60, 400 }, HighAlarm, 8, { 5, 6, 7, 8 }, false },
        { "high alarm beyond the ceiling", { 10, 100, 300, 400 }, HighAlarm, 12000, { 10, 100, 300, 10000 }, true },
        { "high alarm onto the ceiling", { 10, 100, 300, 400 }, HighAlarm, 10000, { 10, 100, 300, 10000 }, false },
        { "high alarm onto its floor", { 0, 1, 2, 400 }, HighAlarm, 3, { 0, 1, 2, 3 }, false },
        { "high alarm onto its floor carries the others down", device, HighAlarm, 3, { 0, 1, 2, 3 }, false },
        { "high alarm to zero is held at its floor with the others under it", device, HighAlarm, 0, { 0, 1, 2, 3 },
            true },
        // limits the device held out of order come out in order
        { "all four on zero, the low alarm moved", { 0, 0, 0, 0 }, LowAlarm, 5, { 5, 6, 7, 8 }, false },
        { "all four on zero, the high alarm moved", { 0, 0, 0, 0 }, HighAlarm, 500, { 0, 1, 2, 500 }, false },
        { "warnings crossed, the low alarm moved", { 50, 500, 400, 600 }, LowAlarm, 60, { 60, 500, 501, 600 }, false },
        // other pointers are no limit
        { "the value pointer", { 10, 100, 300, 400 }, ValuePointer, 50, { 10, 100, 300, 400 }, false },
        { "a pointer past the high alarm", { 10, 100, 300, 400 }, 5, 50, { 10, 100, 300, 400 }, false },
    };
    for (const Case& c : cases) {
        const Ordering ordering = orderAfterMove(c.before, c.pointer, c.position, 0.0);
        EXPECT_EQ(ordering.limits, c.after) << c.what << ": " << show(ordering.limits);
        EXPECT_EQ(ordering.held, c.held) << c.what;
    }
}

TEST(FrictionRules, EveryMoveLeavesTheFourInOrderWithinTheirFloorsAndTops)
{
    const Limits befores[] = { { 50, 100, 400, 500 }, { 15, 30, 120, 150 }, { 0, 0, 0, 0 }, { 50, 500, 400, 600 },
        { 9997, 9998, 9999, 10000 }, { 0, 1, 2, 3 } };
    const double floors[] = { 0, 1, 2, 3 };
    const double tops[] = { 9997, 9998, 9999, 10000 };
    for (const Limits& before : befores) {
        for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer) {
            for (double position = -5; position <= 10005; position += 1) {
                const Limits after = orderAfterMove(before, pointer, position, 0.0).limits;
                const double floor = floors[pointer - 1];
                const double top = tops[pointer - 1];
                ASSERT_EQ(at(after, pointer),
                    position < floor     ? floor
                        : position > top ? top
                                         : position)
                    << show(before) << " limit " << pointer << " to " << position;
                for (size_t k = 0; k < 4; ++k) {
                    ASSERT_GE(after[k], floors[k]) << show(before) << " limit " << pointer << " to " << position;
                    ASSERT_LE(after[k], tops[k]) << show(before) << " limit " << pointer << " to " << position;
                    if (k > 0)
                        ASSERT_LT(after[k - 1], after[k])
                            << show(before) << " limit " << pointer << " to " << position << ": " << show(after);
                }
            }
        }
    }
}

TEST(FrictionRules, FloorsFollowTheScaleMinimum)
{
    const Limits before { 60, 100, 300, 400 };
    EXPECT_EQ(orderAfterMove(before, LowAlarm, 50, 50).limits, (Limits { 50, 100, 300, 400 }));
    EXPECT_EQ(orderAfterMove(before, LowAlarm, 40, 50).limits, (Limits { 50, 100, 300, 400 }));
    EXPECT_EQ(orderAfterMove(before, HighWarning, 51, 50).limits, (Limits { 50, 51, 52, 400 }));
    EXPECT_EQ(orderAfterMove(before, HighAlarm, 52, 50).limits, (Limits { 50, 51, 52, 53 }));
    EXPECT_EQ(floorOf(HighAlarm, 50), 53);
    EXPECT_EQ(topOf(HighAlarm), 10000);
}

TEST(FrictionRules, APresetSetIsHeldInOrderFromTheLowAlarmUp)
{
    struct Case {
        const char* what;
        Limits preset;
        Limits held;
    };
    const Case cases[] = {
        { "in order already", { 60, 130, 340, 480 }, { 60, 130, 340, 480 } },
        { "no limits", { 0, 1, 9999, 10000 }, { 0, 1, 9999, 10000 } },
        { "a friction of nothing", { 0, 0, 0, 0 }, { 0, 1, 2, 3 } },
        { "a friction of one pound, tight", { 0, 0, 1, 2 }, { 0, 1, 2, 3 } },
        { "a friction past what the high limits can be", { 500, 2250, 10500, 14000 }, { 500, 2250, 9999, 10000 } },
        { "a friction past every top", { 15000, 67500, 315000, 420000 }, { 9997, 9998, 9999, 10000 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(holdInOrder(c.preset, 0.0), c.held) << c.what;
}
}
