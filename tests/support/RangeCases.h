#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

// One value a settings range is asked about, and whether the range takes it.
struct RangeCase {
    bool (*check)(double);
    double value;
    bool valid;
};

// A position setting from -5 to 105 %: both ends taken, a hundredth past them refused.
inline std::vector<RangeCase> positionRangeCases(bool (*check)(double))
{
    return { { check, -5.01, false }, { check, -5.0, true }, { check, -4.99, true }, { check, 104.99, true },
        { check, 105.0, true }, { check, 105.01, false } };
}

// Each value is taken or refused as its row says: the rows given, then those added.
inline void expectRangeCases(std::vector<RangeCase> cases, std::initializer_list<RangeCase> more = {})
{
    cases.insert(cases.end(), more.begin(), more.end());
    for (const auto& c : cases)
        EXPECT_EQ(c.check(c.value), c.valid) << c.value;
}
