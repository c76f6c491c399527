// What the partial stroke pages decide from numbers and texts alone: how the
// device's results, the saved results and the compared results read.
#include "diagnostics/PartialStrokeRules.h"

#include "RangeCases.h"

#include <gtest/gtest.h>

namespace
{
using namespace PartialStrokeRules;

TEST(PartialStrokeRules, DeviceResultsReadAsTheDeviceMeantThem)
{
    const struct {
        uint16_t word;
        const char* time;
    } times[] = { { 200, "2" }, { 1234, "12.34" }, { 5, "0.05" }, { 0xFFFE, "655.34" }, { 0xFFFF, " - " } };
    for (const auto& c : times)
        EXPECT_EQ(deviceTimeText(c.word), QString::fromLatin1(c.time)) << c.word;
    // The pressure has no "not measured" rule: 0xFFFF is formatted as it is.
    EXPECT_EQ(devicePressureText(4000, 80.0f), QStringLiteral(" 32.00"));
    EXPECT_EQ(devicePressureText(0xFFFF, 100.0f), QStringLiteral("655.35"));
    EXPECT_EQ(resultText(1), QStringLiteral("Pass"));
    EXPECT_EQ(resultText(0), QStringLiteral("Fail"));
    EXPECT_EQ(resultText(2), QStringLiteral("Fail"));
}

TEST(PartialStrokeRules, SavedAndLoadedTimesKeepTheNoValueMark)
{
    const std::pair<const char*, const char*> saved[]
        = { { " - ", "655.35" }, { "-", "655.35" }, { "2", " 2.00" }, { "12.345", "12.35" }, { "", " 0.00" } };
    for (const auto& [shown, stored] : saved)
        EXPECT_EQ(savedTimeText(QString::fromLatin1(shown)), QString::fromLatin1(stored)) << shown;
    EXPECT_EQ(loadedTimeText(655.35), QStringLiteral("-"));
    EXPECT_EQ(loadedTimeText(655.34), QStringLiteral("655.34"));
    EXPECT_EQ(loadedTimeText(2.0), QStringLiteral("2.00"));
}

TEST(PartialStrokeRules, ComparedResultsAtOrAbove655AreNoValue)
{
    const std::pair<const char*, const char*> cases[]
        = { { "655.35", "-" }, { "655.00", "-" }, { "654.99", "654.99" }, { " 1.25", "1.25" }, { "", "0.00" } };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(compareValueText(QString::fromLatin1(text)), QString::fromLatin1(shown)) << text;
}

TEST(PartialStrokeRules, SettingsRangesIncludeBothEnds)
{
    expectRangeCases(positionRangeCases(positionValid),
        {
            { positionValid, -5.2, false },
            { timeToTargetValid, -0.01, false },
            { timeToTargetValid, 0.0, true },
            { timeToTargetValid, 0.01, true },
            { timeToTargetValid, 654.99, true },
            { timeToTargetValid, 655.0, true },
            { timeToTargetValid, 655.01, false },
            { timeToTargetValid, 655.5, false },
            // The device keeps the time to target in hundredths, the duration in whole seconds.
            { timeToTargetValid, 5.55, true },
            { timeToTargetValid, 5.555, false },
            { durationValid, 1.9, false },
            { durationValid, 1.99, false },
            { durationValid, 2.0, true },
            { durationValid, 2.01, false },
            { durationValid, 3.5, false },
            { durationValid, 654.99, false },
            { durationValid, 654.0, true },
            { durationValid, 655.0, true },
            { durationValid, 655.01, false },
        });
    EXPECT_DOUBLE_EQ(sampleIntervalMs(testSpan(2.0)), 3000.0 / 208);
    EXPECT_EQ(positionAxisMinimum(100.0f, 90.0f), 80);
    EXPECT_EQ(positionAxisMinimum(-5.0f, 105.0f), -15);
}

} // namespace
