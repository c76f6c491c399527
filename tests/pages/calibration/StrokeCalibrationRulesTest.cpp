// What the actuator and stroke calibration pages decide without their
// widgets: state texts, progress, entry checks, supply words, port gauges.
#include "calibration/StrokeCalibrationRules.h"

#include "calibration/CActuatorCalibReport.h"
#include "calibration/CStrokeCalibReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace StrokeCalibrationRules;

TEST(StrokeCalibrationRules, StateTextsDifferBetweenThePagesOnlyWhereTheirTablesDo)
{
    struct Row {
        std::vector<int> states;
        const char* text;
    };
    // Every code of a running calibration, 1 to 255, has its text on each page;
    // codes not listed read "Calibration In progress...".
    const Row actuator[] = {
        { { 20, 21, 26 }, "Calibrating pressure" },
        { { 22 }, "Waiting for valve to start closing..." },
        { { 23 }, "Valve is closing now" },
        { { 24 }, "Setting feedback offset" },
        { { 25, 27, 38 }, "Waiting for valve to begin opening" },
        { { 28 }, "Waiting for valve to stop opening..." },
        { { 29 }, "Detecting FB direction" },
        { { 30, 42 }, "Waiting for Upper JOG setpoint" },
        { { 31 }, "Waiting to release JOG buttons" },
        { { 32 }, "Pressure calibration in progress..." },
        { { 33 }, "Valve beginning to close" },
        { { 34 }, "Wait for valve to stop closing" },
        { { 35, 36, 37, 40, 41 }, "Pressure calibration in progress" },
        { { 39 }, "Waiting for valve to stop opening" },
        { { 43 }, "Stroke calibration in progress" },
        { { 45 }, "Detecting IL Offset" },
        { { 48 }, "Pressure calibration timed out" },
        { { 49 }, "Calibration zero/span error" },
        { { 60 }, "Friction calibration in progress..." },
        { { 97 }, "Pressure problem during stroke calibration" },
        { { 98 }, "Timeout error during pressure calibration" },
        { { 99 }, "Feedback out of range during pressure calibration" },
    };
    const Row stroke[] = {
        { { 20, 21, 26 }, "Calibrating pressure" },
        { { 22 }, "Waiting for valve to start closing" },
        { { 23 }, "Valve is closing now" },
        { { 24 }, "Setting feedback offset" },
        { { 25, 27, 38 }, "Waiting for valve to begin opening" },
        { { 28, 39 }, "Waiting for valve to stop opening" },
        { { 29 }, "Detecting FB direction" },
        { { 30, 42 }, "Waiting for Upper JOG setpoint" },
        { { 31 }, "Waiting to release JOG buttons" },
        { { 32, 35, 36, 37, 40, 41 }, "Pressure calibration in progress" },
        { { 33 }, "Valve beginning to close" },
        { { 34 }, "Wait for valve to stop closing" },
        { { 43 }, "Stroke calibration in progress" },
        { { 45 }, "Detecting IL Offset" },
        { { 48 }, "Pressure calibration timed out" },
        { { 49 }, "Calibration zero/span error" },
        { { 60 }, "Friction calibration in progress..." },
        { { 97 }, "Pressure problem during stroke calibration" },
        { { 98 }, "Timeout error during pressure calibration" },
        { { 99 }, "Feedback out of range during pressure calibration" },
    };
    const auto expected = [](const auto& table, int state) -> std::string {
        for (const Row& row : table)
            if (std::find(row.states.begin(), row.states.end(), state) != row.states.end())
                return row.text;
        return "Calibration In progress...";
    };
    for (int state = 1; state <= 255; ++state) {
        EXPECT_EQ(stateText(Page::Actuator, uint8_t(state)).toStdString(), expected(actuator, state)) << state;
        EXPECT_EQ(stateText(Page::Stroke, uint8_t(state)).toStdString(), expected(stroke, state)) << state;
    }
}

TEST(StrokeCalibrationRules, OnlyTheRunStatesAndTheEndMoveTheProgress)
{
    EXPECT_EQ(progressFor(0), 27);
    EXPECT_EQ(progressFor(20), 0);
    EXPECT_EQ(progressFor(44), 24);
    EXPECT_EQ(progressFor(46), 26);
    for (int state : { 1, 19, 47, 48, 60, 97 })
        EXPECT_FALSE(progressFor(uint8_t(state))) << state;
}

TEST(StrokeCalibrationRules, EntryChecksAndSupplyWords)
{
    for (const char* refused : { "", "AB", "ABCD", "   " })
        EXPECT_FALSE(initialsAcceptable(QString::fromLatin1(refused))) << refused;
    for (const char* accepted : { "XYZ", " AB", "A B", "  A" })
        EXPECT_TRUE(initialsAcceptable(QString::fromLatin1(accepted))) << accepted;
    EXPECT_TRUE(pressureAcceptable(0.0, 150));
    EXPECT_TRUE(pressureAcceptable(150.0, 150));
    EXPECT_FALSE(pressureAcceptable(150.01, 150));
    EXPECT_FALSE(pressureAcceptable(-0.01, 150));

    const struct {
        float shown;
        uint8_t unit;
        uint32_t displayUnit;
        uint32_t psi;
    } writes[] = {
        { 80.0f, 6, 8000, 8000 },
        { 40.01f, 6, 4001, 4001 },
        // In psi the nearest word to the value converted: 5.5 bar is 7977.2
        // psi hundredths, 4.5 bar 6526.8, 3.37 kg/cm2 4792.1.
        { 5.5f, 7, 550, 7977 },
        { 4.5f, 7, 450, 6527 },
        { 3.37f, 10, 337, 4792 },
        { 310.0f, 12, 31000, 4495 },
    };
    for (const auto& w : writes) {
        const SupplyWords words = supplyWords(w.shown, unitToPsi(w.unit, 0.0));
        EXPECT_EQ(words.displayUnit, w.displayUnit) << w.shown;
        EXPECT_EQ(words.psi, w.psi) << w.shown;
    }
    EXPECT_DOUBLE_EQ(unitToPsi(10, 0.0), 14.22);
    EXPECT_DOUBLE_EQ(unitToPsi(57, 60.0), 0.6) << "any other unit: the supply in psi x 0.01";
}

TEST(StrokeCalibrationRules, PortPressureTakesItsWordsSignedAndShowsNothingForNoRange)
{
    const struct {
        uint16_t count, zero, range;
        double supply;
        double value;
        const char* text;
    } cases[] = {
        { 16000, 3000, 26000, 60.0, 30.0, "30.00" },
        { 16000, 3000, 0, 60.0, 0.0, "0.00" },
        { 1000, 3000, 26000, 60.0, -60.0 * 2000 / 26000, "-4.62" },
        { 0x8000, 0, 0xFFFF, 1.0, 32768.0, "32768.00" }, // -32768 over -1
        { 5, 0, 10, 1.0, 0.5, " 0.50" },
    };
    for (const auto& c : cases) {
        const PortPressure p = portPressure(c.count, c.zero, c.range, c.supply);
        EXPECT_NEAR(p.value, c.value, 1e-4) << c.count;
        EXPECT_EQ(p.text.toStdString(), c.text) << c.count;
    }
}

TEST(StrokeCalibrationRules, CalibrationTextsAndStickyFlags)
{
    EXPECT_EQ(calibrationText(Page::Actuator, "02/03/2031", " AB"), QStringLiteral("02/03/2031  AB"));
    EXPECT_EQ(calibrationText(Page::Stroke, "02/03/2031", " AB"), QStringLiteral("02/03/2031 AB"));
    EXPECT_EQ(calibrationText(Page::Stroke, "02/03/2031", "XYZW"), QStringLiteral("02/03/2031 XYZ"));
    EXPECT_EQ(dateText(QDate(2031, 2, 3)), QStringLiteral("02/03/2031"));
    EXPECT_EQ(lastDate(QStringLiteral("02/03/2031 XYZ")), QStringLiteral("02/03/2031"));
    EXPECT_EQ(lastInitials(QStringLiteral("02/03/2031 XYZ")), QStringLiteral("XYZ"));
    // By place: a text without its initials gives none, never the end of its date.
    EXPECT_EQ(lastInitials(QStringLiteral("02/03/2031 AB ")), QStringLiteral("AB "));
    EXPECT_EQ(lastInitials(QStringLiteral("02/03/2031")), QString());
    EXPECT_EQ(lastInitials(QStringLiteral("02/03/2031 AB")), QStringLiteral("AB"));
    EXPECT_EQ(lastDate(QStringLiteral("              ")), QStringLiteral("          "));
    // Shown without the device's padding: blanks alone are no initials.
    const std::pair<const char*, const char*> shown[]
        = { { "02/03/2031 XYZ", "XYZ" }, { "02/03/2031    ", "" }, { "          ", "" }, { "02/03/2031 AB ", "AB" },
              { "02/03/2031  AB", "AB" }, { "02/03/2031 A B", "A B" }, { "02/03/2031 XYZW", "XYZ" } };
    for (const auto& [text, initials] : shown)
        EXPECT_EQ(shownInitials(QString::fromLatin1(text)), QString::fromLatin1(initials)) << '"' << text << '"';

    CStrokeCalibReport record;
    markStrokeFlags(record, 0x02 | 0x10);
    markStrokeFlags(record, 0x01);
    EXPECT_EQ(record.m_b0PosOut, 1) << "kept once seen";
    EXPECT_EQ(record.m_bNoSetTimeOut, 1);
    EXPECT_EQ(record.m_bFdbkSmall, 1);
    EXPECT_EQ(record.m_b100PosOut + record.m_bILOTO + record.m_bNoMoTO, 0);
    CActuatorCalibReport actuator;
    markStrokeFlags(actuator, 0x3F);
    EXPECT_EQ(actuator.m_b100PosOut + actuator.m_bILOTO + actuator.m_bNoMoTO + actuator.m_b0PosOut
            + actuator.m_bFdbkSmall + actuator.m_bNoSetTimeOut,
        6);
    clearStrokeFlags(actuator);
    EXPECT_EQ(actuator.m_b100PosOut + actuator.m_bILOTO + actuator.m_bNoMoTO + actuator.m_b0PosOut
            + actuator.m_bFdbkSmall + actuator.m_bNoSetTimeOut,
        0);
}
