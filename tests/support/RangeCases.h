#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

// One value a settings range is asked about, and whether the range takes it.
struct RangeCase {
    bool (*check)(double);
    double value;
    bool valid;
};

// Each value is taken or refused as its row says.
inline void expectRangeCases(std::initializer_list<RangeCase> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(c.check(c.value), c.valid) << c.value;
}
