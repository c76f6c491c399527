#include "health/PositionerHealthRules.h"
#include "IndicatorColours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace
{
using namespace IndicatorColour;
using namespace PositionerHealthRules;

TEST(PositionerHealthRules, ResponseTimeColourAgainstWarningAndAlarm)
{
    struct Case {
        double value;
        std::optional<uint32_t> colour;
    };
    // warning 200, alarm 300
    const Case cases[] = {
        { 0, Green },
        { 200, Green },
        { 200.5, Yellow },
        { 250, Yellow },
        { 299, Yellow },
        { 300, std::nullopt }, // on the alarm itself the colour stays
        { 301, Red },
        { 350, Red },
        { 65535, Red },
    };
    for (const Case& c : cases)
        EXPECT_EQ(responseColour(c.value, 200, 300), c.colour) << c.value;
    EXPECT_EQ(responseColour(500, 500, 500), Green) << "a warning on the alarm: at it is green";
}

TEST(PositionerHealthRules, CounterColourIsYellowOnlyAboveTheInitialWarning)
{
    struct Case {
        double value;
        double initial;
        uint32_t colour;
    };
    const Case cases[] = {
        { 0, 0, Green },
        { 900000, 900000, Green },
        { 900001, 900000, Yellow },
        { 2250001, 2250000, Yellow },
        { 4294967295.0, 360000000, Yellow },
    };
    for (const Case& c : cases)
        EXPECT_EQ(counterColour(c.value, c.initial), c.colour) << c.value;
    EXPECT_DOUBLE_EQ(initialWarning(2500000), 2250000);
    EXPECT_DOUBLE_EQ(initialWarning(1000000), 900000);
}

TEST(PositionerHealthRules, DraggedResponseLimitsStayOneApartOnTheScale)
{
    struct Case {
        bool alarmMoved;
        double position;
        double other;
        ResponseLimits expected;
    };
    const Case cases[] = {
        { true, 350, 600, { 349, 350, true } },
        { true, 200, 300, { 199, 200, true } },
        { true, 0, 600, { 0, 1, true } },
        { true, 600, 600, { 599, 600, true } }, // reaching the warning pushes it
        { true, 800, 600, { 600, 800, false } },
        { true, 1500, 600, { 600, 1000, false } },
        { false, 1000, 1000, { 999, 1000, true } },
        { false, 1200, 1000, { 999, 1000, true } },
        { false, 400, 1000, { 400, 1000, false } },
        { false, -5, 1000, { 0, 1000, false } },
    };
    for (const Case& c : cases) {
        const ResponseLimits got
            = c.alarmMoved ? draggedAlarm(c.position, c.other, 0, 1000) : draggedWarning(c.position, c.other, 0, 1000);
        EXPECT_EQ(got.warning, c.expected.warning) << c.alarmMoved << ' ' << c.position;
        EXPECT_EQ(got.alarm, c.expected.alarm) << c.alarmMoved << ' ' << c.position;
        EXPECT_EQ(got.pushed, c.expected.pushed) << c.alarmMoved << ' ' << c.position;
    }
}

TEST(PositionerHealthRules, ShownNumbersBecomeDeviceWordsWithoutWrapping)
{
    struct Case {
        double value;
        uint32_t word;
    };
    const Case cases[] = {
        { 0, 0 },
        { 1234567.9, 1234567 },
        { 400000000, 400000000 },
        { -3, 0 },
        { std::numeric_limits<double>::quiet_NaN(), 0 },
        { 5e9, 4294967295u },
        { std::numeric_limits<double>::infinity(), 4294967295u },
    };
    for (const Case& c : cases)
        EXPECT_EQ(wholeWord(c.value), c.word) << c.value;
    EXPECT_EQ(thresholdWord(999), 999);
    EXPECT_EQ(thresholdWord(70000), 65535) << "never the low 16 bits (4464)";
    EXPECT_EQ(thresholdWord(-5), 0);
}

TEST(PositionerHealthRules, CounterFullScaleIsNeverBelowTheDevicesLimit)
{
    struct Case {
        double full;
        double scale;
    };
    const Case cases[] = { { 0, 400000000 }, { 100000000, 400000000 }, { 400000000, 400000000 },
        { 900000000, 900000000 }, { 4294967295.0, 4294967295.0 } };
    for (const Case& c : cases)
        EXPECT_EQ(counterFullScale(c.full), c.scale) << c.full;
}

} // namespace
