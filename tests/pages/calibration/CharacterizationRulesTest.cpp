#include "calibration/CharacterizationRules.h"

#include <gtest/gtest.h>

using namespace CharacterizationRules;

TEST(CharacterizationRules, CurveTypeCodesAndTheirItems)
{
    const struct {
        uint8_t code;
        std::optional<int> item;
        std::optional<QString> setting;
    } cases[] = {
        { 0, 2, QStringLiteral("Custom") },
        { 4, 0, QStringLiteral("Linear") },
        { 8, 1, QStringLiteral("Equal %") },
        { 12, 0, QStringLiteral("Linear") },
        { 9, std::nullopt, std::nullopt },
        { 255, std::nullopt, std::nullopt },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(itemOfCode(c.code), c.item) << int(c.code);
        EXPECT_EQ(settingText(c.code), c.setting) << int(c.code);
    }
    EXPECT_EQ(codeOfItem(0), uint8_t(12)) << "linear is written as 12, never 4";
    EXPECT_EQ(codeOfItem(1), uint8_t(8));
    EXPECT_EQ(codeOfItem(2), uint8_t(0));
    EXPECT_EQ(codeOfItem(-1), std::nullopt);
}

TEST(CharacterizationRules, TypedValuesBecomeDeviceWordsHeldToTheirRange)
{
    const struct {
        double value;
        uint16_t stroke;
        int whole;
        uint16_t point;
    } cases[] = {
        { 1.99, 199, 1, 199 },
        { 1.50, 150, 1, 150 },
        { 0.29, 29, 0, 29 },
        { 8.29, 829, 8, 829 },
        { 16.24, 1624, 16, 1624 },
        { 120, 12000, 120, 10000 },
        { -5, 0, 0, 0 },
        { 700, 65535, 700, 10000 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(strokeWord(c.value), c.stroke) << c.value;
        EXPECT_EQ(wholeStroke(c.value), c.whole) << c.value;
        EXPECT_EQ(pointWord(c.value), c.point) << c.value;
    }
    EXPECT_EQ(FullScalePoint, 10000);
}

TEST(CharacterizationRules, ATypedTextCountsOnlyAsOneWholeNumberInItsFieldsRange)
{
    const std::optional<double> none;
    const struct {
        const char* text;
        std::optional<double> stroke; // and the arm: the same range
        std::optional<double> percent; // as the plot and the spin show the point
    } cases[] = {
        { "1.99", 1.99, double(1.99f) },
        { "0", 0.0, 0.0 },
        { "-0.01", none, 0.0 },
        { "655.35", 655.35, 100.0 },
        { "655.36", none, 100.0 },
        { "120", 120.0, 100.0 },
        { " 8.29 ", 8.29, double(8.29f) },
        { "abc", none, none },
        { "12abc", none, none },
        { "0x20", none, none },
        { "1,5", none, none },
        { "nan", none, none },
        { "", none, none },
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(strokeValue(text), c.stroke) << c.text;
        EXPECT_EQ(armValue(text), c.stroke) << c.text;
        EXPECT_EQ(pointPercent(text), c.percent) << c.text;
    }
}

TEST(CharacterizationRules, RangeabilityIsHeldToThirtyToThreeHundredWithoutItsFraction)
{
    const std::pair<const char*, std::optional<int>> cases[] = { { "7", 30 }, { "301", 300 }, { "88.9", 88 },
        { "45.7", 45 }, { "500", 300 }, { "-50", 30 }, { "30", 30 }, { "300", 300 }, { "", std::nullopt },
        { "12abc", std::nullopt }, { "0x20", std::nullopt }, { "1,5", std::nullopt } };
    for (const auto& [text, kept] : cases)
        EXPECT_EQ(rangeability(QString::fromLatin1(text)), kept) << text;
}
