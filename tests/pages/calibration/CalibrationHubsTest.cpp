#include "ActuatorCalibrationPageTest.h"

#include "calibration/CCalibrationMain.h"
#include "calibration/CConfigMain.h"

#include <QAbstractButton>

namespace
{
class CalibrationHubsTest : public ActuatorCalibrationPageTest
{
protected:
    CCalibrationMain& calibrationHub() { return page<CCalibrationMain>(); }
    CConfigMain& configHub() { return page<CConfigMain>(); }
    FormPage& hubOf(int code)
    {
        return code == CalibrationCode ? static_cast<FormPage&>(calibrationHub()) : configHub();
    }
    void showHub(int code)
    {
        startK90();
        clock().advance(2000);
        select(code);
        device().clearRequests();
    }
    QString toolTip(FormPage& page, int id) { return page.control(id)->toolTip(); }
};

struct ButtonCase {
    int hub;
    int button;
    const char* caption;
    int pageCode;
    const char* toolTip;
};
const ButtonCase Buttons[] = {
    { 5, 437, "Dashboard", 1, "Go to the Dashboard page." },
    { 5, 291, "Alarms", 2, "Go to the Alarms page." },
    { 5, 602, "Health", 3, "Go to the Health Status page." },
    { 5, 435, "Diagnostic", 4, "Go to the Diagnostic page." },
    { 5, 664, "Configuration", 6, "Go to the Configuration page." },
    { 5, 439, "Actuator / Stroke / Friction", 51, "Go to the Actuator Calibration page." },
    { 5, 440, "Stroke", 52, "Go to the Stroke Calibration page." },
    { 5, 442, "Analog Input", 53, "Go to the Analog Input Calibration page." },
    { 6, 437, "Dashboard", 1, "Go to the Dashboard page." },
    { 6, 291, "Alarms", 2, "Go to the Alarms page." },
    { 6, 602, "Health", 3, "Go to the Health Status page." },
    { 6, 435, "Diagnostic", 4, "Go to the Diagnostic page." },
    { 6, 438, "Calibration", 5, "Go to the Calibration page." },
    { 6, 313, "Stroke Characterization", 61, "Go To StrokeCharacterization page." },
};
}

TEST_F(CalibrationHubsTest, EachButtonShowsAndActivatesThePageItsTreeItemShowsAfterStoppingEveryPage)
{
    startK90();
    clock().advance(2000);
    for (const ButtonCase& c : Buttons) {
        // What the tree item does.
        select(c.pageCode);
        FormPage* byTree = app().shownPage();
        ASSERT_NE(byTree, &hubOf(c.hub)) << c.pageCode;

        select(c.hub);
        FormPage& hub = hubOf(c.hub);
        ASSERT_EQ(app().shownPage(), &hub);
        ASSERT_TRUE(hub.timerArmed(StripPage::StripTimerId));
        auto* button = hub.controlAs<QAbstractButton>(c.button);
        ASSERT_NE(button, nullptr) << c.button;
        EXPECT_EQ(button->text(), QString::fromLatin1(c.caption));
        EXPECT_TRUE(button->isEnabled()) << c.button;
        EXPECT_EQ(toolTip(hub, c.button), QString::fromLatin1(c.toolTip)) << c.button;

        button->click();
        EXPECT_EQ(app().shownPage(), byTree) << "hub " << c.hub << " button " << c.button;
        EXPECT_EQ(tree().currentItem(), tree().itemForCode(c.pageCode)) << c.button;
        EXPECT_FALSE(hub.timerArmed(StripPage::StripTimerId)) << "the hub was stopped";
        if (auto* strip = qobject_cast<StripPage*>(byTree); strip && c.pageCode != 1) {
            EXPECT_TRUE(strip->timerArmed(StripPage::StripTimerId)) << "activated: " << c.pageCode;
        }
    }
}

TEST_F(CalibrationHubsTest, AnalogInputButtonStopsEveryPageThenShowsAndActivatesTheAnalogInputPage)
{
    showHub(CalibrationCode);
    FormPage& analogInput = page("CCalibrationAnalogIn");
    click(calibrationHub(), CCalibrationMain::AnalogInputButton);
    EXPECT_EQ(app().shownPage(), &analogInput);
    EXPECT_FALSE(calibrationHub().timerArmed(StripPage::StripTimerId));
    EXPECT_TRUE(analogInput.timerArmed(StripPage::StripTimerId));
    EXPECT_FALSE(page("CPressureDisablePage").timerArmed(StripPage::StripTimerId)) << "stopped with every page";
}

TEST_F(CalibrationHubsTest, OwnButtonIsDisabledAndTheStripCarriesItsTooltips)
{
    startK90();
    struct Own {
        int hub;
        int button;
        const char* toolTip;
    };
    for (const Own& own : { Own { 5, CCalibrationMain::CalibrationButton, "Go to the Calibration page." },
             Own { 6, CConfigMain::ConfigurationButton, "" } }) {
        FormPage& hub = hubOf(own.hub);
        EXPECT_FALSE(hub.control(own.button)->isEnabled()) << own.hub;
        EXPECT_EQ(toolTip(hub, own.button), QString::fromLatin1(own.toolTip)) << own.hub;
        EXPECT_EQ(toolTip(hub, StripPage::LedId), QStringLiteral("LED status"));
        EXPECT_EQ(toolTip(hub, StripPage::ActiveId),
            QStringLiteral(
                "Active Indicator displays the highest priority active status indicator and its respective number."));
        EXPECT_EQ(toolTip(hub, StripPage::SourceId),
            QStringLiteral(
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal."));
    }
}

TEST_F(CalibrationHubsTest, StripIsReadOneSecondAfterActivationThenEveryTwentySecondsAndNeverAfterLeaving)
{
    for (int code : { CalibrationCode, ConfigurationCode }) {
        SCOPED_TRACE(code);
        showHub(code);
        EXPECT_EQ(joined(sent()), "") << "activation paints the strip from what is known";
        clock().advance(999);
        EXPECT_EQ(joined(sent()), "");
        clock().advance(1);
        EXPECT_EQ(joined(sent()), "202");
        device().clearRequests();
        clock().advance(19999);
        EXPECT_EQ(joined(sent()), "");
        clock().advance(1);
        EXPECT_EQ(joined(sent()), "202");

        // Shown again: the first read is one second away again.
        clock().advance(5000);
        select(code);
        device().clearRequests();
        clock().advance(1000);
        EXPECT_EQ(joined(sent()), "202");

        select(44); // the data logger reads nothing of its own before its strip
        device().clearRequests();
        EXPECT_FALSE(hubOf(code).timerArmed(StripPage::StripTimerId));
        clock().advance(60000);
        for (const SimRequest& request : device().requests())
            EXPECT_EQ(request.command, 202) << "only the data logger's strip";
        EXPECT_LE(device().requests().size(), 3u);
        m_app.reset();
    }
}

TEST_F(CalibrationHubsTest, HealthButtonOnASmallerModelWithoutHealthPagesDoesNothing)
{
    startK40();
    device(K40Path).setMiscByte(0x28, 0x00);
    tree().OnInitialUpdate();
    ASSERT_EQ(tree().itemForCode(3), nullptr);
    for (int code : { CalibrationCode, ConfigurationCode }) {
        select(code);
        FormPage& hub = hubOf(code);
        click(hub, 602);
        EXPECT_EQ(app().shownPage(), &hub) << code;
        EXPECT_TRUE(hub.timerArmed(StripPage::StripTimerId)) << "nothing was stopped";
        EXPECT_TRUE(hub.control(602)->isEnabled());
    }
}

TEST_F(CalibrationHubsTest, GroupBoxesCarryTheirTitles)
{
    startK90();
    const QStringList calibration = shownTexts(calibrationHub());
    EXPECT_TRUE(calibration.contains(QStringLiteral("Navigation Buttons")));
    EXPECT_TRUE(calibration.contains(QStringLiteral("Calibration Options")));
    const QStringList configuration = shownTexts(configHub());
    EXPECT_TRUE(configuration.contains(QStringLiteral("Navigation Buttons")));
    EXPECT_TRUE(configuration.contains(QStringLiteral("Configuration Option")));
}
