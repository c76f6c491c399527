#include "Grab.h"
#include "SwTest.h"

#include "controls/AngularGauge.h"
#include "controls/LinearGauge.h"
#include "controls/ScaleTicks.h"
#include "controls/Thermometer.h"

#include <cmath>
#include <vector>

using ScaleTicksTest = SwTest;

TEST_F(ScaleTicksTest, TicksAreRoundNumbersWithinTheScale)
{
    struct Case {
        double min;
        double max;
        int maxCount;
        std::vector<double> ticks;
    } cases[] = {
        { 0, 100, 6, { 0, 20, 40, 60, 80, 100 } },
        { -10, 110, 7, { 0, 20, 40, 60, 80, 100 } },
        { -45, 85, 8, { -40, -20, 0, 20, 40, 60, 80 } },
        { 0, 1, 3, { 0, 0.5, 1 } },
        { 100, 0, 6, {} },
        { 5, 5, 6, {} },
        { 0, NAN, 6, {} },
        { 0, INFINITY, 6, {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleTicks::nice(c.min, c.max, c.maxCount), c.ticks) << c.min << ".." << c.max;
}

TEST_F(ScaleTicksTest, LabelsShowThePrecisionTheirSpacingNeeds)
{
    using Texts = std::vector<QString>;
    struct Case {
        const char* scale;
        std::vector<double> ticks;
        Texts labels;
    } cases[] = {
        { "0 to 100 in six steps", ScaleTicks::even(0, 100, 7), { "0", "17", "33", "50", "67", "83", "100" } },
        { "0 to 10 in six steps", ScaleTicks::even(0, 10, 7), { "0", "1.7", "3.3", "5", "6.7", "8.3", "10" } },
        { "-1 to 1 in three steps", ScaleTicks::even(-1, 1, 4), { "-1", "-0.33", "0.33", "1" } },
        { "quarters", ScaleTicks::even(0, 1, 5), { "0", "0.25", "0.5", "0.75", "1" } },
        { "tenths that add up inexactly", ScaleTicks::even(0, 0.3, 4), { "0", "0.1", "0.2", "0.3" } },
        { "a middle tick a rounding away from zero", ScaleTicks::even(-0.3, 0.3, 3), { "-0.3", "0", "0.3" } },
        { "round steps", ScaleTicks::nice(-45, 85, 8), { "-40", "-20", "0", "20", "40", "60", "80" } },
        { "half steps beyond a million", ScaleTicks::nice(1e6, 1e6 + 2, 5),
            { "1000000", "1000000.5", "1000001", "1000001.5", "1000002" } },
        { "millionths", ScaleTicks::even(0, 1e-6, 3), { "0", "0.0000005", "0.000001" } },
        { "more digits than a double holds", { 1e18, 2e18 }, { "1e+18", "2e+18" } },
        { "one tick", { 12.5 }, { "12.5" } },
        { "no ticks", {}, {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleTicks::labels(c.ticks), c.labels) << c.scale;
}

TEST_F(ScaleTicksTest, ScaleFarFromZeroGivesAFewTicksAndNoHang)
{
    // Step numbers beyond 2^53 no longer change by adding one.
    const std::vector<double> ticks = ScaleTicks::nice(1e18, 1e18 + 256, 5);
    EXPECT_LE(ticks.size(), 6u);

    LinearGauge gauge;
    gauge.resize(300, 60);
    gauge.setScaleMin(1e18);
    gauge.setScaleMax(1e18 + 256);
    Thermometer thermometer;
    thermometer.resize(60, 140);
    thermometer.setScaleMin(1e18);
    thermometer.setScaleMax(1e18 + 256);
    Grab(gauge, QStringLiteral("linear_gauge_far_scale"));
    Grab(thermometer, QStringLiteral("thermometer_far_scale"));
}

TEST_F(ScaleTicksTest, ValuesOutsideTheScaleStopAtItsEnds)
{
    struct Case {
        double value;
        double min;
        double max;
        double fraction;
    } cases[] = {
        { 25, 0, 100, 0.25 },
        { 150, 0, 100, 1 },
        { -5, 0, 100, 0 },
        { INFINITY, 0, 100, 1 },
        { -INFINITY, 0, 100, 0 },
        { NAN, 0, 100, 0 },
        { 80, 100, 0, 0.2 }, // a scale that runs downwards
        { 70, 50, 50, 0 }, // a scale that spans nothing
        { 10, 0, NAN, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleTicks::fractionOf(c.value, c.min, c.max), c.fraction)
            << c.value << " on " << c.min << ".." << c.max;

    AngularGauge dial;
    dial.setScaleMax(150);
    dial.setValue(NAN);
    EXPECT_EQ(dial.needleAngle(), 225.0) << "a value that is not a number rests at the minimum";
}
