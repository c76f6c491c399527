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

TEST(CharacterizationRules, TypedTextsBecomeDeviceWordsHeldToTheirRange)
{
    const struct {
        const char* text;
        uint16_t stroke;
        int whole;
        uint16_t point;
        double percent;
    } cases[] = {
        { "1.99", 199, 1, 199, 1.99f },
        { "1.50", 150, 1, 150, 1.5 },
        { "0.29", 29, 0, 29, 0.29f },
        { "8.29", 829, 8, 829, 8.29f },
        { "16.24", 1624, 16, 1624, 16.24f },
        { "120", 12000, 120, 10000, 100 },
        { "-5", 0, 0, 0, 0 },
        { "700", 65535, 700, 10000, 100 },
        { "abc", 0, 0, 0, 0 },
        { "12abc", 1200, 12, 1200, 12 },
        { "nan", 0, 0, 0, 0 },
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(strokeWord(text), c.stroke) << c.text;
        EXPECT_EQ(wholeStroke(text), c.whole) << c.text;
        EXPECT_EQ(pointWord(text), c.point) << c.text;
        EXPECT_DOUBLE_EQ(pointPercent(text), c.percent) << c.text;
    }
    EXPECT_EQ(FullScalePoint, 10000);
}

TEST(CharacterizationRules, RangeabilityIsHeldToThirtyToThreeHundredWithoutItsFraction)
{
    const std::pair<const char*, int> cases[] = { { "7", 30 }, { "301", 300 }, { "88.9", 88 }, { "45.7", 45 },
        { "500", 300 }, { "", 30 }, { "-50", 30 }, { "30", 30 }, { "300", 300 } };
    for (const auto& [text, kept] : cases)
        EXPECT_EQ(rangeability(QString::fromLatin1(text)), kept) << text;
}
