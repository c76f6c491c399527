// What the step test page decides from numbers alone.
#include "diagnostics/StepTestRules.h"

#include "RangeCases.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using namespace StepTestRules;

TEST(StepTestRules, PositionAxisStartsAtTheLowerPositionTruncatedTowardZeroAndEndsAt110)
{
    const struct {
        float start, stop;
        int minimum;
    } cases[] = { { 63.0f, 12.9f, 12 }, { -2.5f, 40.0f, -2 }, { 55.0f, 55.0f, 55 }, { 80.0f, 20.7f, 20 },
        { 20.7f, 80.0f, 20 }, { -4.5f, 50.0f, -4 }, { NAN, 10.0f, 0 } };
    for (const auto& c : cases) {
        EXPECT_EQ(positionAxisMinimum(c.start, c.stop), c.minimum) << c.start << " / " << c.stop;
        EXPECT_DOUBLE_EQ(positionAxisMinimum(c.start, c.stop) + positionAxisSpan(c.minimum), 110.0);
    }
}

TEST(StepTestRules, SettingsRangesIncludeTheirEnds)
{
    expectRangeCases(positionRangeCases(positionValid),
        {
            { holdTimeValid, 1.99, false },
            { holdTimeValid, 2.0, true },
            { holdTimeValid, 2.01, true },
            { holdTimeValid, 2.5, true },
            { holdTimeValid, 299.99, true },
            { holdTimeValid, 300.0, true },
            { holdTimeValid, 300.01, false },
            { holdTimeValid, 300.5, false },
        });
}

TEST(StepTestRules, SamplesSpreadOverTheHoldTimeAndOneSecondIn208Steps)
{
    EXPECT_DOUBLE_EQ(totalTime(6.0f), 7.0);
    EXPECT_NEAR(sampleInterval(6.0f), 0.0336538, 1e-7);
    EXPECT_NEAR(2 * sampleInterval(6.0f), 0.0673077, 1e-7);
    EXPECT_DOUBLE_EQ(208 * sampleInterval(9.0f), 10.0);
}

TEST(StepTestRules, WordsScaleToPercentAndToThePressureFullScale)
{
    EXPECT_DOUBLE_EQ(percentOf(int16_t(7000)), 70.0);
    EXPECT_DOUBLE_EQ(percentOf(int16_t(-250)), -2.5);
    EXPECT_DOUBLE_EQ(pressureOf(int16_t(2500), 120.0), 30.0);
    EXPECT_DOUBLE_EQ(pressureOf(uint16_t(60000), 100.0), 600.0); // an unsigned port word stays positive
}

} // namespace
