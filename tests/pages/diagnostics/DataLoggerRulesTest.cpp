// The data logger page's decisions without its controls.
#include "diagnostics/DataLoggerRules.h"

#include <gtest/gtest.h>

#include <limits>

using namespace DataLoggerRules;

TEST(DataLoggerRules, IntervalsAndDurationUnits)
{
    const int periods[] = { 3000, 5000, 10000, 15000, 20000, 30000, 60000 };
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(PeriodForIndex(k), periods[k]) << k;
    EXPECT_FALSE(PeriodForIndex(-1));
    EXPECT_FALSE(PeriodForIndex(7));
    EXPECT_FALSE(PeriodForIndex(255));
    const std::pair<int, const char*> units[] = { { 60, "Minute(s)" }, { 3600, "Hour(s)" }, { 86400, "Day(s)" } };
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(UnitForIndex(k));
        EXPECT_EQ(UnitForIndex(k)->seconds, units[k].first);
        EXPECT_STREQ(UnitForIndex(k)->text, units[k].second);
    }
    EXPECT_FALSE(UnitForIndex(-1));
    EXPECT_FALSE(UnitForIndex(3));
}

TEST(DataLoggerRules, TheSampleLimitIsTheDurationInWholePeriodsRoundedHalfUp)
{
    struct Case {
        int seconds;
        int periodMs;
        int limit;
    };
    const Case cases[] = {
        { 60, 3000, 20 },
        { 60, 5000, 12 },
        { 60, 60000, 1 },
        { 60, 20000, 3 },
        { 60, 30000, 2 },
        { 120, 15000, 8 },
        { 3600, 10000, 360 },
        { 86400, 60000, 1440 },
        { 60 * 86400, 3000, 1728000 },
        { 60, 2000, 30 },
        { 0, 3000, 0 },
        { 60, 999, 0 },
        // 7 periods of 15 s do not fill 100 s; 7.5 are rounded up.
        { 100, 15000, 7 },
        { 105, 15000, 7 },
        { 112, 15000, 7 },
        { 113, 15000, 8 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(SampleLimit(c.seconds, c.periodMs), c.limit) << c.seconds << " s at " << c.periodMs << " ms";
}

TEST(DataLoggerRules, SamplesStandAtWholeSecondsFarIntoALongRun)
{
    EXPECT_EQ(SampleX(0, 10000), 0);
    EXPECT_EQ(SampleX(1, 10000), 10);
    EXPECT_EQ(SampleX(7, 3000), 21);
    EXPECT_EQ(SampleX(3, 2000), 6);
    EXPECT_EQ(SampleX(1728000, 3000), 5184000);
    EXPECT_EQ(SampleX(1728000, 60000), 103680000);
}

TEST(DataLoggerRules, SampledValuesAndTheirScales)
{
    EXPECT_DOUBLE_EQ(StatusPercent(5000), 50.0);
    EXPECT_DOUBLE_EQ(StatusPercent(0xFE0C), -5.0);
    EXPECT_DOUBLE_EQ(StatusPercent(0x7FFF), 327.67);
    EXPECT_DOUBLE_EQ(PortPressure(2500, 150.0), 37.5);
    // The largest word is a value like any other.
    EXPECT_DOUBLE_EQ(PortPressure(0xFFFF, 150.0), 983.025);
    EXPECT_DOUBLE_EQ(PortPressure(10000, 60.0), 60.0);
    EXPECT_DOUBLE_EQ(PortPressure(1234, 0.0), 0.0);

    const TemperatureScale celsius = TemperatureScaleFor(32);
    EXPECT_EQ(celsius.unit.toUtf8(),
        QByteArray("\xC2\xBA"
                   "C"));
    EXPECT_EQ(celsius.span, 145.0);
    for (uint8_t code : { 33, 0, 57 }) {
        const TemperatureScale other = TemperatureScaleFor(code);
        EXPECT_EQ(other.unit.toUtf8(),
            QByteArray("\xC2\xBA"
                       "F"));
        EXPECT_EQ(other.span, 245.0);
    }
}

TEST(DataLoggerRules, StartHoldsTheDurationToWholeNumbersFromOneToSixty)
{
    const std::pair<double, double> cases[] = { { 0, 1 }, { -3, 1 }, { 0.9, 1 }, { 1, 1 }, { 12.7, 12 }, { 60, 60 },
        { 60.5, 60 }, { 61, 60 }, { 1e9, 60 }, { std::numeric_limits<double>::quiet_NaN(), 1 } };
    for (const auto& [typed, written] : cases)
        EXPECT_EQ(ClampedDuration(typed), written) << typed;
}

TEST(DataLoggerRules, TheDurationInSecondsIsThatOfARunFromOneToSixtyUnits)
{
    const DurationUnit minutes { 60, "Minute(s)" };
    const DurationUnit days { 86400, "Day(s)" };
    const struct {
        int field;
        DurationUnit unit;
        int seconds;
    } cases[] = {
        { 1, minutes, 60 },
        { 12, minutes, 720 },
        { 60, days, 5184000 },
        { 0, minutes, 60 },
        { -7, minutes, 60 },
        { 61, days, 5184000 },
        { 2147483647, days, 5184000 },
        { -2147483647 - 1, days, 86400 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationSeconds(c.field, c.unit), c.seconds) << c.field;
}

TEST(DataLoggerRules, ALoadedFileChoosesTheCombos)
{
    const std::pair<const char*, int> intervals[]
        = { { "0", 0 }, { "4", 4 }, { "6", 6 }, { "7", 0 }, { "-1", 0 }, { "abc", 0 }, { "", 0 }, { "4.9", 4 } };
    for (const auto& [text, index] : intervals)
        EXPECT_EQ(LoadedIntervalIndex(QString::fromLatin1(text)), index) << text;
    const std::pair<const char*, int> units[]
        = { { "0", 0 }, { "1", 1 }, { "2", 2 }, { "3", 0 }, { "7", 0 }, { "9", 0 }, { "x", 0 } };
    for (const auto& [text, index] : units)
        EXPECT_EQ(LoadedUnitIndex(QString::fromLatin1(text)), index) << text;
}
