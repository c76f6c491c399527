#include "Grab.h"
#include "SwTest.h"

#include "controls/AnalogDisplay.h"
#include "controls/AnalogOutput.h"
#include "controls/CaptionLabel.h"
#include "controls/Thermometer.h"

#include <cmath>

using ReadoutTest = SwTest;

TEST_F(ReadoutTest, ValueDisplayShowsTwoDecimalsAndItsUnit)
{
    struct Case {
        double value;
        QString unit;
        QString text;
    } cases[] = {
        { 37.459, QStringLiteral("%"), QStringLiteral("37.46 %") },
        { -0.5, QStringLiteral("%"), QStringLiteral("-0.50 %") },
        { 23, QStringLiteral("degC"), QStringLiteral("23.00 degC") },
        { 23, QString(), QStringLiteral("23.00") },
    };
    for (const Case& c : cases) {
        AnalogDisplay display;
        display.setUnitText(c.unit);
        display.setValue(c.value);
        EXPECT_EQ(display.text(), c.text);
    }
}

TEST_F(ReadoutTest, OutputHoldsItsValueWithinItsRange)
{
    struct Case {
        double set;
        double readBack;
    } cases[] = {
        { 37.459, 37.459 },
        { -0.5, -0.5 },
        { 150, 110 },
        { -20, -10 },
        { std::nan(""), 12 },
    };
    for (const Case& c : cases) {
        AnalogOutput output;
        output.setValue(12);
        output.setValue(c.set);
        EXPECT_EQ(output.value(), c.readBack) << c.set;
    }
    AnalogOutput narrowed;
    narrowed.setValue(100);
    narrowed.setRange(0, 50);
    EXPECT_EQ(narrowed.value(), 50.0);
}

TEST_F(ReadoutTest, ThermometerColumnRisesToTheValue)
{
    Thermometer thermometer;
    thermometer.resize(60, 140);
    thermometer.setLiquidColor(0xFF6633);
    const QColor liquid(0x33, 0x66, 0xFF);
    struct Case {
        double value;
        const char* artifact;
    } cases[] = { { 20, "thermometer_20" }, { 85, "thermometer_full" }, { -45, "thermometer_empty" } };
    for (const Case& c : cases) {
        thermometer.setValue(c.value);
        const QRectF column = Grab(thermometer, QString::fromLatin1(c.artifact)).boundsOf(liquid);
        EXPECT_NEAR(column.top(), thermometer.levelOf(c.value), 1.5) << c.artifact;
    }
    EXPECT_LT(thermometer.levelOf(85), thermometer.levelOf(20));
    EXPECT_EQ(thermometer.levelOf(500), thermometer.levelOf(85)) << "stops at the top of the scale";
}

TEST_F(ReadoutTest, BannersShowTheirCaptionOnTheirColour)
{
    struct Case {
        void (CaptionLabel::*look)();
        QString caption;
        QColor background;
    } cases[] = {
        { &CaptionLabel::applyWarningLook, QStringLiteral("WARNING"), QColor(255, 0, 0) },
        { &CaptionLabel::applyNoteLook, QStringLiteral("NOTE"), QColor(0, 0, 255) },
    };
    for (const Case& c : cases) {
        CaptionLabel label;
        label.resize(120, 24);
        (label.*c.look)();
        EXPECT_EQ(label.text(), c.caption);
        EXPECT_TRUE(label.font().bold());
        EXPECT_EQ(Grab(label, QStringLiteral("banner_") + c.caption).at(2, 2), c.background);
    }
}
