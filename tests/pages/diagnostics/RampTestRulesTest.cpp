// What the ramp test page decides without its widgets: the settings ranges,
// the run's time base, the thrust window and curves, the friction matching,
// the spring set and the force axis.
#include "diagnostics/RampTestRules.h"

#include "RangeCases.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using namespace RampTestRules;

TEST(RampTestRules, SettingsRangesIncludeTheirEnds)
{
    expectRangeCases(positionRangeCases(positionValid),
        {
            { positionValid, 105.5, false },
            { holdTimeValid, 1.99, false },
            { holdTimeValid, 2.0, true },
            { holdTimeValid, 2.01, true },
            { holdTimeValid, 2.5, true },
            { holdTimeValid, 29.99, true },
            { holdTimeValid, 30.0, true },
            { holdTimeValid, 30.01, false },
            { durationValid, 0.0, false },
            { durationValid, 0.99, false },
            { durationValid, 1.0, true },
            { durationValid, 1.01, true },
            { durationValid, 299.99, true },
            { durationValid, 300.0, true },
            { durationValid, 300.01, false },
            { durationValid, 300.5, false },
        });
}

TEST(RampTestRules, TimeBaseDirectionAndPositionAxis)
{
    const TimeBase oneWay = timeBase(40, 3, false);
    EXPECT_DOUBLE_EQ(oneWay.totalTime, 44.0);
    EXPECT_DOUBLE_EQ(oneWay.sampleInterval, 44.0 / 208);
    EXPECT_EQ(oneWay.lastProgress, 207);
    const TimeBase both = timeBase(60, 2, true);
    EXPECT_DOUBLE_EQ(both.totalTime, 126.0);
    EXPECT_DOUBLE_EQ(both.sampleInterval, 126.0 / 416);
    EXPECT_EQ(both.lastProgress, 415);
    EXPECT_EQ(directionCode(20, 80), Opening);
    EXPECT_EQ(directionCode(80, 20), Closing);
    EXPECT_EQ(directionCode(50, 50), Closing);
    EXPECT_EQ(positionAxisMinimum(80.0f, 20.0f), 10);
    EXPECT_EQ(positionAxisMinimum(-5.0f, 50.0f), -15);
    EXPECT_EQ(positionAxisMinimum(15.7f, 85.0f), 5);
}

TEST(RampTestRules, ThrustComesFromThePortDifferenceInsideTheWindow)
{
    const ThrustWindow window = thrustWindow(0.0f, 100.0f);
    EXPECT_DOUBLE_EQ(window.lower, 10.0);
    EXPECT_DOUBLE_EQ(window.upper, 91.0);
    EXPECT_FALSE(window.contains(10.0));
    EXPECT_TRUE(window.contains(10.01));
    EXPECT_FALSE(window.contains(91.0));

    // 2 bar on port 1 against nothing on port 2, area word 300 (30 sq.in).
    const Curve port1 { { 5, 2.0 }, { 50, 2.0 }, { 95, 2.0 } };
    const Curve port2 { { 5, 0.0 }, { 50, 0.0 }, { 95, 0.0 } };
    const Curve thrust = thrustCurve(port1, &port2, 7, 300, window);
    ASSERT_EQ(thrust.size(), 1u);
    EXPECT_DOUBLE_EQ(thrust[0].x, 50.0);
    EXPECT_NEAR(thrust[0].y, 870.228, 1e-9);
    // Units: kg/cm², kPa, psi and percent.
    const struct {
        uint8_t unit;
        double psi;
    } units[] = { { 10, 14.22 }, { 12, 0.145038 }, { 6, 1.0 }, { 57, 1.0 } };
    for (const auto& u : units)
        EXPECT_DOUBLE_EQ(toPsi(1.0, u.unit), u.psi) << int(u.unit);
    // The difference keeps its sign; with no port 2 curve port 1 drives alone.
    const Curve higherPort2 { { 5, 3.0 }, { 50, 3.0 }, { 95, 3.0 } };
    EXPECT_LT(thrustCurve(port1, &higherPort2, 6, 300, window)[0].y, 0.0);
    EXPECT_DOUBLE_EQ(thrustCurve(port1, nullptr, 6, 300, window)[0].y, 60.0);
    // Equal ends: no sample lies inside.
    EXPECT_TRUE(thrustCurve(port1, &port2, 6, 300, thrustWindow(50.0f, 50.0f)).empty());
}

TEST(RampTestRules, FrictionWalksTheShortCurveInRisingPosition)
{
    // Closing curve falling and shorter: walked from its last point.
    const Curve open { { 10, 500 }, { 20, 600 }, { 30, 700 }, { 40, 800 } };
    const Curve close { { 35, 400 }, { 25, 300 }, { 15, 200 } };
    const Curve friction = frictionCurve(open, close);
    // 35 finds no partner: the last point of the rising long curve (40) is
    // never a candidate.
    ASSERT_EQ(friction.size(), 2u);
    EXPECT_DOUBLE_EQ(friction[0].x, (15 + 20) * 0.5);
    EXPECT_DOUBLE_EQ(friction[0].y, (600 - 200) * 0.5);
    EXPECT_DOUBLE_EQ(friction[1].x, (25 + 30) * 0.5);
    // The last point of a rising long curve is never a candidate.
    const Curve risingLongOnlyLast = frictionCurve({ { 10, 1 }, { 20, 2 } }, { { 15, 0 } });
    EXPECT_TRUE(risingLongOnlyLast.empty());
    // Equal counts: the closing curve is the short one.
    const Curve equal
        = frictionCurve({ { 10, 100 }, { 20, 100 }, { 30, 100 } }, { { 12, 50 }, { 22, 50 }, { 32, 50 } });
    ASSERT_EQ(equal.size(), 1u);
    EXPECT_DOUBLE_EQ(equal[0].x, (12 + 20) * 0.5);
    // A long point at the short point's position is its partner ("at or above").
    const Curve atSamePosition = frictionCurve(open, { { 20, 100 } });
    ASSERT_EQ(atSamePosition.size(), 1u);
    EXPECT_DOUBLE_EQ(atSamePosition[0].x, 20.0);
    EXPECT_DOUBLE_EQ(atSamePosition[0].y, (600 - 100) * 0.5);
    // A long curve of two points still offers its first.
    const Curve twoPointLong = frictionCurve({ { 10, 100 }, { 20, 200 } }, { { 5, 40 } });
    ASSERT_EQ(twoPointLong.size(), 1u);
    EXPECT_DOUBLE_EQ(twoPointLong[0].x, (5 + 10) * 0.5);
    // A curve rises only when its last position is above its first.
    EXPECT_TRUE(rising({ { 10, 1 }, { 10.01, 1 } }));
    EXPECT_FALSE(rising({ { 10, 1 }, { 10, 2 } }));
    EXPECT_FALSE(rising({ { 10, 1 }, { 9.99, 2 } }));
    EXPECT_TRUE(frictionCurve({}, close).empty());
    EXPECT_TRUE(frictionCurve({ { 1, 1 } }, {}).empty());
}

TEST(RampTestRules, SpringSetFollowsTheCurveWithTheLargerMaximum)
{
    // Opening thrust from 1000 at 10 % to 1800 at 90 %: 10 lbf per percent.
    const Curve open { { 10, 1000 }, { 90, 1800 } };
    const Curve close { { 90, 1400 }, { 10, 600 } };
    const auto psi = springSet(6, 100, 1.5, open, close);
    ASSERT_TRUE(psi);
    EXPECT_DOUBLE_EQ(psi->initial, 900.0 / 100);
    EXPECT_DOUBLE_EQ(psi->final, 1900.0 / 100);
    EXPECT_DOUBLE_EQ(psi->rate, 1000.0 / 1.5);
    const auto bar = springSet(7, 100, 1.5, open, close);
    EXPECT_DOUBLE_EQ(bar->initial, 9.0 * 0.069);
    EXPECT_DOUBLE_EQ(bar->rate, 1000.0 * 0.454 / 1.5);
    const auto percent = springSet(57, 100, 1.5, open, close);
    EXPECT_DOUBLE_EQ(percent->initial, 9.0);
    EXPECT_DOUBLE_EQ(percent->rate, 1000.0 * 0.454 / 1.5);
    // Equal maxima: the closing curve, read as a falling line.
    const Curve tieClose { { 10, 1800 }, { 90, 1000 } };
    const auto tie = springSet(6, 100, 1.5, open, tieClose);
    EXPECT_DOUBLE_EQ(tie->initial, 1900.0 / 100);
    EXPECT_DOUBLE_EQ(tie->final, 900.0 / 100);
    // A zero area, stroke or x span gives no spring set.
    EXPECT_FALSE(springSet(6, 0, 1.5, open, close));
    EXPECT_FALSE(springSet(6, 100, 0, open, close));
    EXPECT_FALSE(springSet(6, 100, 1.5, { { 50, 2000 } }, close));
    EXPECT_FALSE(springSet(6, 100, 1.5, {}, {}));
    EXPECT_EQ(springText(12.345), QStringLiteral("12.35"));
}

TEST(RampTestRules, UnitTexts)
{
    EXPECT_EQ(areaUnitText(49), QStringLiteral("cm²"));
    EXPECT_EQ(areaUnitText(47), QStringLiteral("in²"));
    EXPECT_DOUBLE_EQ(shownArea(10, 49), 64.516);
    EXPECT_DOUBLE_EQ(shownArea(10, 47), 10.0);
    EXPECT_EQ(springRateUnitText(6, QStringLiteral("in.")), QStringLiteral("lbs/in."));
    EXPECT_EQ(springRateUnitText(12, QStringLiteral("mm")), QStringLiteral("kg/mm"));
}

} // namespace
