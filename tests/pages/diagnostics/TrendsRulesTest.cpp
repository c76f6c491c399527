// How a trend row becomes plot points and which unit texts the page shows.
#include "diagnostics/TrendsRules.h"

#include <gtest/gtest.h>

using namespace TrendsRules;

TEST(TrendsRules, EachRowIndexSelectsItsPeriodAndPlace)
{
    struct Case {
        int row;
        Period period;
        int x;
    };
    const Case cases[] = {
        { 0, Hours, 1 },
        { 7, Hours, 8 },
        { 23, Hours, 24 },
        { 24, Days, 1 },
        { 30, Days, 7 },
        { 53, Days, 30 },
        { 54, Months, 1 },
        { 60, Months, 7 },
        { 65, Months, 12 },
        { 66, Years, 1 },
        { 70, Years, 5 },
        { 90, Years, 25 },
        { 91, NoPeriod, 0 },
        { 96, NoPeriod, 0 },
        { 255, NoPeriod, 0 },
        { -1, NoPeriod, 0 },
    };
    for (const Case& c : cases) {
        const RowPlace place = placeOfRow(c.row);
        EXPECT_EQ(place.period, c.period) << c.row;
        EXPECT_EQ(place.x, c.x) << c.row;
    }
}

TEST(TrendsRules, RowWordsAreSignedAndScaledPerSignal)
{
    struct Case {
        std::array<int16_t, 5> words; // command, position, friction, supply, temperature
        float factor;
        std::array<double, 6> values; // position, command, deviation, friction, supply, temperature
    };
    const Case cases[] = {
        { { 6250, 6000, 40, 8000, 2400 }, 150.0f, { 60, 62.5, 2.5, 40, 120, 24 } },
        { { 5000, 4900, 0, 0, 0 }, 60.0f, { 49, 50, 1, 0, 0, 0 } },
        { { 100, -250, -3, -100, -1050 }, 60.0f, { -2.5, 1, 3.5, -3, -0.6, -10.5 } },
        { { 5000, 6000, 350, 10000, 7520 }, 0.0f, { 60, 50, 10, 350, 0, 75.2 } },
        { { -32768, 32767, 32767, -32768, 0 }, 1.0f, { 327.67, -327.68, 655.35, 32767, -3.2768, 0 } },
    };
    for (const Case& c : cases) {
        const std::array<double, 6> values = rowValues(c.words, c.factor);
        for (size_t k = 0; k < values.size(); ++k)
            EXPECT_NEAR(values[k], c.values[k], 1e-9) << "value " << k << " of words " << c.words[0];
    }
}

TEST(TrendsRules, UnitTextsOfTheButtonsAndTheRecord)
{
    EXPECT_EQ(supplyButtonText(QStringLiteral("kPa")), QStringLiteral("Supply (kPa)"));
    EXPECT_EQ(temperatureButtonText(32).toUtf8(),
        QByteArray("Temp(\xC2\xBA"
                   "C)"));
    for (uint8_t code : { 33, 0, 40 })
        EXPECT_EQ(temperatureButtonText(code).toUtf8(),
            QByteArray("Temp(\xC2\xBA"
                       "F)"))
            << int(code);
    EXPECT_EQ(devicePressureText(10, QStringLiteral("kg/cm2")), QStringLiteral("kg/sq.cm"));
    EXPECT_EQ(devicePressureText(12, QStringLiteral("kPa")), QStringLiteral("kPa"));
    EXPECT_EQ(deviceTemperatureText(32), QStringLiteral("degC"));
    EXPECT_EQ(deviceTemperatureText(33), QStringLiteral("degF"));
    EXPECT_EQ(deviceTemperatureText(7), QStringLiteral("degF"));
}
