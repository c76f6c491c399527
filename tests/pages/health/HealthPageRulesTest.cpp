#include "IndicatorColours.h"
#include "health/ActuatorHealthRules.h"
#include "health/CActuatorHealth.h"
#include "health/DashboardRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

namespace
{
using namespace IndicatorColour;

TEST(DashboardRules, HealthLampsFollowTheWorstCaseWord)
{
    struct Case {
        uint16_t word;
        double warning;
        double alarm;
    };
    const Case cases[] = {
        { 0, 0.0, 0.0 }, { 1234, 1234.0, 0.0 }, // the warning lamp takes the word unscaled
        { 9999, 9999.0, 0.0 }, // 99.99 %: no alarm yet
        { 10000, 10000.0, 100.0 }, // exactly 100.00 %: the alarm lamp is full
        { 10001, 10001.0, 0.0 }, // only 100.00 % itself lights the alarm
    };
    for (const Case& c : cases) {
        const DashboardRules::HealthLamps lamps = DashboardRules::healthLamps(c.word);
        EXPECT_EQ(lamps.healthy, 100.0) << c.word;
        EXPECT_EQ(lamps.warning, c.warning) << c.word;
        EXPECT_EQ(lamps.alarm, c.alarm) << c.word;
    }
    // Valve, positioner, actuator, control take words 0, 2, 1, 3.
    EXPECT_EQ(DashboardRules::worstCaseWordOfRow(0), 0);
    EXPECT_EQ(DashboardRules::worstCaseWordOfRow(1), 2);
    EXPECT_EQ(DashboardRules::worstCaseWordOfRow(2), 1);
    EXPECT_EQ(DashboardRules::worstCaseWordOfRow(3), 3);
    for (int outside : { -1, 4 })
        EXPECT_EQ(DashboardRules::worstCaseWordOfRow(outside), 0) << outside;
}

TEST(DashboardRules, TheCommandFollowedIsTheLoopsUnderTheLoopAndTheDigitalOneOtherwise)
{
    struct Case {
        uint8_t mode;
        uint16_t digital;
        uint16_t analog;
        double followed;
    };
    const Case cases[] = {
        { 0, 10274, 5000, 50.0 }, // the old digital command stays in the reply
        { 0, 10274, 0, 0.0 }, // the loop at 0 %
        { 64, 10274, 5000, 102.74 }, // the user's command beyond the scale's 100
        { 64, 0xFC18, 5000, -10.0 }, // signed
        { 7, 3000, 5000, 30.0 }, // a mode the page does not switch on keeps the digital command
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DashboardRules::commandFollowed(c.mode, c.digital, c.analog), c.followed)
            << int(c.mode) << " " << c.digital;
}

TEST(DashboardRules, CommandIsGreenWithinTheSoftLimitsAndOnePercentBeside)
{
    struct Case {
        double command;
        uint32_t colour;
    };
    // Soft limits 5 % to 95 %.
    const Case cases[] = { { 3.9, Yellow }, { 4.0, Green }, { 50.0, Green }, { 96.0, Green }, { 96.1, Yellow } };
    for (const Case& c : cases)
        EXPECT_EQ(DashboardRules::commandColour(c.command, 5.0, 95.0), c.colour) << c.command;
}

TEST(DashboardRules, SupplyAlarmColourNeedsTheHistoryBitAndItsMask)
{
    struct Case {
        uint8_t history;
        uint8_t mask;
        uint32_t colour;
    };
    const Case cases[] = {
        { 0x01, 0x01, Red },
        { 0x01, 0x00, Black }, // masked off
        { 0x04, 0x04, Yellow },
        { 0x05, 0x05, Red }, // the alarm wins over the warning
        { 0x05, 0x04, Yellow },
        { 0x02, 0xFF, Black },
    };
    for (const Case& c : cases)
        EXPECT_EQ(DashboardRules::supplyAlarmColour(c.history, c.mask), c.colour)
            << int(c.history) << "/" << int(c.mask);
}

TEST(DashboardRules, PressureIsHundredthsOfAPercentOfTheFullScale)
{
    EXPECT_DOUBLE_EQ(DashboardRules::pressureInUnit(10000, 150.0), 150.0);
    EXPECT_DOUBLE_EQ(DashboardRules::pressureInUnit(6000, 150.0), 90.0);
    EXPECT_DOUBLE_EQ(DashboardRules::pressureInUnit(5000, 12.0), 6.0);
    EXPECT_DOUBLE_EQ(DashboardRules::pressureInUnit(0, 150.0), 0.0);
}

TEST(DashboardRules, TemperatureUnitSetsTheReadoutsUnitAndTheThermometersScale)
{
    struct Case {
        uint8_t unit;
        const char* text;
        double minimum;
        double maximum;
    };
    const Case cases[] = { { 33, "degF", -55.0, 185.0 }, { 32, "degC", -45.0, 85.0 }, { 0, "degC", -45.0, 85.0 },
        { 34, "degC", -45.0, 85.0 } };
    for (const Case& c : cases) {
        const DashboardRules::TemperatureScale scale = DashboardRules::temperatureScale(c.unit);
        EXPECT_STREQ(scale.unit, c.text) << int(c.unit);
        EXPECT_EQ(scale.minimum, c.minimum) << int(c.unit);
        EXPECT_EQ(scale.maximum, c.maximum) << int(c.unit);
    }
}

TEST(ActuatorHealthRules, LiveValueColoursAgainstEachLimit)
{
    using namespace ActuatorHealthRules;
    struct Case {
        double value;
        uint32_t leak; // warning 0.5, alarm 0.8
        uint32_t ratio; // initial 50, full 80
    };
    const Case cases[] = {
        { 0.49, Green, Green },
        { 0.5, Yellow, Green },
        { 0.79, Yellow, Green },
        { 0.8, Red, Green },
        { 49.9, Red, Green },
        { 50.0, Red, Yellow },
        { 80.0, Red, Red },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leakColour(c.value, 0.5, 0.8), c.leak) << c.value;
        EXPECT_EQ(ratioColour(c.value, 50.0, 80.0), c.ratio) << c.value;
    }

    struct SupplyCase {
        double value;
        std::optional<uint32_t> colour; // low alarm 40, low warning 50, high warning 100
    };
    const SupplyCase supply[] = {
        { 39.9, Red },
        { 40.0, std::nullopt }, // on the low alarm limit itself: left as it is
        { 40.1, Yellow },
        { 49.9, Yellow },
        { 50.0, Green },
        { 99.9, Green },
        { 100.0, Yellow },
        { 140.0, Yellow },
    };
    for (const SupplyCase& c : supply)
        EXPECT_EQ(supplyColour(c.value, 40.0, 50.0, 100.0), c.colour) << c.value;
}

TEST(ActuatorHealthRules, UnitsSetTheLeakFactorAndTheScales)
{
    using namespace ActuatorHealthRules;
    struct Case {
        int unit;
        double factor;
        double supplyMaximum;
        const char* caption;
    };
    const Case cases[] = {
        { 6, 1.0, 150.0, "Actuator Pneumatic Leak(scfm)" },
        { 7, 28.3, 12.0, "Actuator Pneumatic Leak(slm)" },
        { 10, 28.3, 12.0, "Actuator Pneumatic Leak(slm)" },
        { 12, 28.3, 1050.0, "Actuator Pneumatic Leak(slm)" },
    };
    for (const Case& c : cases) {
        const UnitScales* scales = unitScales(c.unit);
        ASSERT_NE(scales, nullptr) << c.unit;
        EXPECT_EQ(scales->leakFactor, c.factor) << c.unit;
        EXPECT_EQ(scales->supplyMaximum, c.supplyMaximum) << c.unit;
        EXPECT_STREQ(scales->leakCaption, c.caption) << c.unit;
    }
    for (int other : { 0, 5, 8, 11, 13, 255 })
        EXPECT_EQ(unitScales(other), nullptr) << other;
}

TEST(ActuatorHealthRules, TypedLimitsBecomeDeviceWords)
{
    using namespace ActuatorHealthRules;
    struct Case {
        const char* what;
        uint16_t word;
        uint16_t expected;
    };
    const Case cases[] = {
        { "0.5 scfm", leakWord(0.5, 1.0), 500 },
        { "14.15 slm", leakWord(14.15, 28.3), 500 },
        { "28.3 slm", leakWord(28.3, 28.3), 1000 },
        { "90 psi of 150", supplyWord(90.0, 150.0), 6000 },
        { "6 bar of 12", supplyWord(6.0, 12.0), 5000 },
        // A supply limit is no whole step of its word: the nearest one.
        { "40 psi of 60", supplyWord(40.0, 60.0), 6667 },
        { "70 psi of 60", supplyWord(70.0, 60.0), 11667 },
        { "4.5 bar of 4.13", supplyWord(4.5, double(4.13f)), 10896 },
        { "3.4 bar of 4.13", supplyWord(3.4, double(4.13f)), 8232 },
        { "past the supply word", supplyWord(700.0, 60.0), 65535 },
        { "0.29 %", ratioWord(0.29), 29 }, // truncated with a tolerance, not to 28
        { "75.5 %", ratioWord(75.5), 7550 },
        { "past the word", ratioWord(700.0), 65535 },
        { "below zero", leakWord(-1.0, 1.0), 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.word, c.expected) << c.what;
}

TEST(ActuatorHealthRules, DraggedLimitsPushTheirNeighboursInOrder)
{
    using namespace ActuatorHealthRules;
    struct Case {
        Group group;
        int moved;
        int neighbour;
        double position;
        double neighbourAt;
        std::optional<double> pushedTo;
    };
    const Case cases[] = {
        { Leak, 1, 2, 0.5, 0.8, std::nullopt }, // warning below the alarm: nothing moves
        { Leak, 1, 2, 0.8, 0.8, 0.81 }, // reaching the alarm pushes it a hundredth up
        { Leak, 2, 1, 0.4, 0.5, 0.39 },
        { Leak, 2, 1, 0.5, 0.5, 0.49 }, // reaching the warning from above pushes it a hundredth down
        { Leak, 2, 1, 0.51, 0.5, std::nullopt }, // a hundredth short of it: nothing moves
        { Supply, 1, 2, 55.0, 50.0, 56.0 }, // the low alarm pushes the low warning one up
        { Supply, 1, 3, 101.0, 100.0, 103.0 }, // and the high warning two up
        { Supply, 2, 1, 39.0, 40.0, 38.0 }, // the low warning pushes the low alarm one down
        { Supply, 2, 3, 100.0, 100.0, 101.0 }, // and the high warning one up
        { Supply, 3, 2, 49.5, 50.0, 48.5 },
        { Supply, 3, 1, 39.0, 40.0, 37.0 },
        { Ratio, 1, 2, 49.0, 50.0, 48.0 }, // full warning dragged below the initial one
        { Ratio, 2, 1, 81.0, 80.0, 82.0 },
    };
    std::set<std::tuple<int, int, int>> covered;
    for (const Case& c : cases)
        covered.insert({ c.group, c.moved, c.neighbour });
    EXPECT_EQ(pushes().size(), covered.size()) << "every push has its case";
    for (const Case& c : cases) {
        const Push* push = nullptr;
        for (const Push& candidate : pushes())
            if (candidate.group == c.group && candidate.moved == c.moved && candidate.neighbour == c.neighbour)
                push = &candidate;
        ASSERT_NE(push, nullptr) << c.group << " " << c.moved << "->" << c.neighbour;
        const std::optional<double> pushed = pushedTo(*push, c.position, c.neighbourAt);
        ASSERT_EQ(pushed.has_value(), c.pushedTo.has_value()) << c.group << " " << c.moved << "->" << c.neighbour;
        if (pushed) {
            EXPECT_NEAR(*pushed, *c.pushedTo, 1e-9) << c.group << " " << c.moved << "->" << c.neighbour;
        }
    }
}

TEST(ActuatorHealthRules, EveryLimitIsFoundByItsEditSpinAndPointer)
{
    using namespace ActuatorHealthRules;
    for (const Limit& limit : CActuatorHealth::Limits) {
        EXPECT_EQ(limitOf(CActuatorHealth::Limits, limit.edit), &limit);
        EXPECT_EQ(limitOf(CActuatorHealth::Limits, limit.spin), &limit);
        EXPECT_EQ(limitAt(CActuatorHealth::Limits, limit.group, limit.pointer), &limit);
    }
    EXPECT_EQ(limitOf(CActuatorHealth::Limits, CActuatorHealth::ApplyButton), nullptr);
    EXPECT_EQ(limitAt(CActuatorHealth::Limits, Leak, 0), nullptr) << "pointer 0 is the live value";
}
} // namespace
