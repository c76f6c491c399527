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
