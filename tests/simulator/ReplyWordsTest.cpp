#include "ReplyWriter.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

TEST(ReplyWords, HundredthsRoundAndSaturateWhateverTheValue)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        uint16_t unsignedWord;
        int16_t signedWord;
    } cases[] = {
        { 12.34, 1234, 1234 },
        { -12.34, 0, -1234 },
        { 655.35, 65535, 32767 },
        { 1.0e6, 65535, 32767 },
        { 1.0e300, 65535, 32767 }, // far past what a long can hold
        { -1.0e300, 0, -32768 },
        { nan, 0, 0 },
        { inf, 0, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplyWriter::hundredths(c.value), c.unsignedWord) << c.value;
        EXPECT_EQ(ReplyWriter::signedHundredths(c.value), c.signedWord) << c.value;
    }
}

} // namespace
