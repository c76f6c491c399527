#include "health/ValveHealthRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace
{
using namespace ValveHealthRules;

TEST(ValveHealthRules, CounterFullScalesAreNeverBelowTheFullWarning)
{
    struct Case {
        double v;
        double cycles;
        double travel;
    };
    const Case cases[] = {
        { 0, 1100000, 1100000 },
        { 999999, 1100000, 1100000 },
        { 1000000, 2000000, 2000000 },
        { 2500000, 3000000, 3000000 },
        { 5000000, 6000000, 6000000 },
        { 9999999, 10000000, 10000000 },
        { 10000000, 60000000, 21000000 },
        { 25000000, 30000000, 30000000 },
        { 35000000, 40000000, 40000000 },
        { 100000000, 110000000, 110000000 },
        { 395000000, 400000000, 400000000 },
        { 400000000, 400000000, 410000000 }, // capped at the spin's maximum
        { 895000000, 895000000, 900000000 }, // never below the value, even past the spin's maximum
        { 900000000, 900000000, 900000000 },
        { 4000000000.0, 4000000000.0, 4000000000.0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cyclesFullScale(c.v), c.cycles) << c.v;
        EXPECT_EQ(travelFullScale(c.v), c.travel) << c.v;
    }
}

TEST(ValveHealthRules, TypedStrokeLengthsAreHeldToTheirSpinInHundredths)
{
    struct Stroke {
        double typed;
        uint16_t word; // hundredths
    };
    const Stroke strokes[] = { { 250, 10000 }, { 100, 10000 }, { 99.999, 9999 }, { 3, 300 }, { 1.5, 150 }, { 0.29, 29 },
        { 0.75, 75 }, { 2.345, 234 }, { 0, 0 }, { -7, 0 }, { std::nan(""), 0 } };
    for (const Stroke& c : strokes)
        EXPECT_EQ(strokeHundredths(c.typed, 0, 100), c.word) << c.typed;
}
}
