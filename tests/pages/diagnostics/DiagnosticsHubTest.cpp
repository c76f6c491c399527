// The diagnostics hub as the user meets it: its twelve parameters and their
// marks, the test boxes and Start, what activation shows of the device's
// signature settings, the navigation buttons on both models, and the tooltips.
#include "DiagnosticsHubPageTest.h"
#include "PageTexts.h"

namespace
{

TEST_F(DiagnosticsHubPageTest, ParametersMarkTheirValidityAndStartNeedsATickedBoxAndItsParameters)
{
    showHub();
    const QString position = QStringLiteral("Please enter values between -5 and 105");
    const QString integer = QStringLiteral("Please enter integer values");
    const QString settling = QStringLiteral("Please Enter the value greater or equal to 6");
    const struct {
        int edit;
        int mark;
        const char* keys;
        const char* shown; // what the edit holds once the keys are typed
        bool valid;
        const QString* hint;
    } cases[] = {
        { D::RampStartEdit, D::RampStartMark, "-5.5", "-5.5", false, &position },
        { D::RampStartEdit, D::RampStartMark, "-5", "-5", true, &position },
        { D::RampHoldEdit, D::RampHoldMark, "2.5", "25", true, &integer },
        { D::RampHoldEdit, D::RampHoldMark, "1", "1", false, &integer },
        { D::RampDurationEdit, D::RampDurationMark, "301", "301", false, &integer },
        { D::StepHoldEdit, D::StepHoldMark, "1.5", "1.5", false, nullptr },
        { D::PSTTimeToTargetEdit, D::PSTTimeToTargetMark, "", "", true, &integer },
        { D::PSTTimeToTargetEdit, D::PSTTimeToTargetMark, "a12", "12", true, &integer },
        { D::PSTDurationEdit, D::PSTDurationMark, "1", "1", false, &integer },
        { D::SettlingEdit, D::SettlingMark, "5.9", "5.9", false, &settling },
        { D::SettlingEdit, D::SettlingMark, "inf", "inf", false, &settling },
        { D::SettlingEdit, D::SettlingMark, "6", "6", true, &settling },
        { D::StepStartEdit, D::StepStartMark, "", "", true, &position },
    };
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    for (const auto& c : cases) {
        fillParameters();
        ASSERT_TRUE(hubEnabled(D::StartButton)) << c.keys;
        type(c.edit, c.keys);
        EXPECT_EQ(hubText(c.edit), QString::fromLatin1(c.shown)) << c.keys;
        EXPECT_EQ(markShowsInvalid(c.mark), !c.valid) << c.keys;
        EXPECT_EQ(markShowsValid(c.mark), c.valid) << c.keys;
        if (!c.valid && c.hint) {
            EXPECT_EQ(hub().control(c.mark)->toolTip(), *c.hint) << c.keys;
        }
        EXPECT_EQ(hubEnabled(D::StartButton), c.valid) << c.keys;
    }

    // An invalid value holds Start while its group's box is ticked.
    fillParameters();
    setText(D::SettlingEdit, "3");
    EXPECT_FALSE(hubEnabled(D::StartButton));
    click(D::HDRLBox);
    EXPECT_TRUE(hubEnabled(D::StartButton)) << "the unticked HDRL group's settling time is invalid";
    // No box ticked, no Start, whatever a parameter does.
    for (int box : { D::RampBox, D::StepBox, D::PSTBox })
        click(box);
    EXPECT_FALSE(hubEnabled(D::StartButton));
    setText(D::RampHoldEdit, "3");
    EXPECT_FALSE(hubEnabled(D::StartButton));
    click(D::StepBox);
    EXPECT_TRUE(hubEnabled(D::StartButton));
}

TEST_F(DiagnosticsHubPageTest, StartNeedsOnlyTheTickedTestsParametersValid)
{
    for (const char* path : { K40Path, K90Path }) {
        SCOPED_TRACE(path);
        // The simulator's stored settings are all 0: the ramp hold shows as 1,
        // the step hold and the partial stroke duration as 0, all invalid, in
        // edits the user cannot reach with their boxes unticked.
        showHub(path);
        for (int mark : { D::RampHoldMark, D::StepHoldMark, D::PSTDurationMark })
            EXPECT_TRUE(markShowsInvalid(mark)) << mark;
        for (int edit : { D::RampHoldEdit, D::StepHoldEdit, D::PSTDurationEdit })
            EXPECT_FALSE(hubEnabled(edit)) << edit;
        EXPECT_FALSE(hubEnabled(D::StartButton));
        click(D::HDRLBox);
        EXPECT_TRUE(hubEnabled(D::StartButton));
        // A ticked group's invalid value holds Start until it is fixed or unticked.
        click(D::StepBox);
        EXPECT_FALSE(hubEnabled(D::StartButton));
        click(D::StepBox);
        EXPECT_TRUE(hubEnabled(D::StartButton));
        click(D::RampBox);
        EXPECT_FALSE(hubEnabled(D::StartButton));
        type(D::RampHoldEdit, "5");
        EXPECT_TRUE(hubEnabled(D::StartButton));
        click(D::RampBox);
        // The run starts with the HDRL test alone.
        startRun();
        EXPECT_EQ(tree().selectedPageCode(), HDRLCode);
        EXPECT_TRUE(hdrl().running());
        hdrl().OnStop();
        processEvents();
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(DiagnosticsHubPageTest, HoldsDurationsAndTimeToTargetTakeDigitsOnly)
{
    showHub();
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    const std::pair<int, bool> edits[] = { { D::RampStartEdit, false }, { D::RampStopEdit, false },
        { D::RampHoldEdit, true }, { D::RampDurationEdit, true }, { D::StepStartEdit, false },
        { D::StepStopEdit, false }, { D::StepHoldEdit, false }, { D::PSTStartEdit, false }, { D::PSTStopEdit, false },
        { D::PSTTimeToTargetEdit, true }, { D::PSTDurationEdit, true }, { D::SettlingEdit, false } };
    for (const auto& [edit, digitsOnly] : edits) {
        type(edit, "-7.5");
        EXPECT_EQ(hubText(edit), digitsOnly ? QStringLiteral("75") : QStringLiteral("-7.5")) << edit;
    }
}

TEST_F(DiagnosticsHubPageTest, ABoxEnablesTheEditsOfItsOwnGroup)
{
    showHub();
    const struct {
        int box;
        std::vector<int> group;
    } groups[] = {
        { D::RampBox,
            { D::RampStartEdit, D::RampStopEdit, D::RampHoldEdit, D::RampDurationEdit, D::BidirectionalBox } },
        { D::StepBox, { D::StepStartEdit, D::StepStopEdit, D::StepHoldEdit } },
        { D::PSTBox, { D::PSTStartEdit, D::PSTStopEdit, D::PSTTimeToTargetEdit, D::PSTDurationEdit } },
        { D::HDRLBox, { D::SettlingEdit } },
    };
    for (const auto& g : groups) {
        for (int id : g.group)
            EXPECT_FALSE(hubEnabled(id)) << id << " before the box";
    }
    EXPECT_FALSE(hubEnabled(D::StartButton));
    EXPECT_FALSE(hubEnabled(D::StopButton));
    EXPECT_EQ(hubText(D::SettlingEdit), QStringLiteral("6"));
    for (const auto& g : groups) {
        click(g.box);
        for (const auto& other : groups) {
            for (int id : other.group)
                EXPECT_EQ(hubEnabled(id), hubChecked(other.box)) << id << " after " << g.box;
        }
    }
    for (const auto& g : groups) {
        click(g.box);
        for (int id : g.group)
            EXPECT_FALSE(hubEnabled(id)) << id << " unticked";
    }
}

TEST_F(DiagnosticsHubPageTest, ActivationShowsTheDeviceSettingsAndEmptiesTheList)
{
    showHub();
    tick(D::RampBox);
    fillParameters();
    setText(D::SettlingEdit, "7.5");
    run().m_TestStatusList.AddString(QStringLiteral("Step test completed"));
    select(DashboardCode);
    // The device's settings: floats 12.5, 87.5, 1.5, 0.5 and 599 hundredths.
    scriptData(253,
        QByteArray::fromHex("0100"
                            "41480000"
                            "42AF0000"
                            "3FC00000"
                            "3F000000"
                            "0257"));
    device().clearRequests();
    select(DiagnosticCode);
    EXPECT_EQ(framesOf(253).size(), 1u);
    const struct {
        int edit;
        const char* text;
    } shown[] = {
        { D::RampStartEdit, "12.5" },
        { D::StepStartEdit, "12.5" },
        { D::PSTStartEdit, "12.5" },
        { D::RampStopEdit, "87.5" },
        { D::StepStopEdit, "87.5" },
        { D::PSTStopEdit, "87.5" },
        { D::RampHoldEdit, "1" },
        { D::RampDurationEdit, "2" },
        { D::StepHoldEdit, "0.5" },
        { D::PSTDurationEdit, "0.5" },
        { D::PSTTimeToTargetEdit, "5.99" },
        { D::SettlingEdit, "7.5" },
    };
    for (const auto& s : shown)
        EXPECT_EQ(hubText(s.edit), QString::fromLatin1(s.text)) << s.edit;
    EXPECT_TRUE(markShowsInvalid(D::RampHoldMark));
    EXPECT_FALSE(hub().parameterValid(D::Parameter::RampHold));
    EXPECT_TRUE(markShowsInvalid(D::StepHoldMark));
    EXPECT_TRUE(markShowsInvalid(D::PSTDurationMark));
    EXPECT_TRUE(markShowsValid(D::PSTTimeToTargetMark));
    EXPECT_FALSE(hubEnabled(D::StartButton));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(run().m_TestStatusList.lines().isEmpty());

    // The settling time keeps its text and its validity, though its mark is reset.
    setText(D::SettlingEdit, "3");
    select(DashboardCode);
    select(DiagnosticCode);
    EXPECT_EQ(hubText(D::SettlingEdit), QStringLiteral("3"));
    EXPECT_TRUE(markShowsValid(D::SettlingMark));
    EXPECT_FALSE(hub().parameterValid(D::Parameter::Settling));
}

TEST_F(DiagnosticsHubPageTest, AStoredTimeToTargetComesBackAsItWasStored)
{
    showHub();
    for (const uint16_t word : { 599, 499, 29, 1200 }) {
        // Stored: floats 20, 60, 0, 6 and the time to target.
        select(DashboardCode);
        scriptData(253,
            QByteArray::fromHex("0100"
                                "41A00000"
                                "42700000"
                                "00000000"
                                "40C00000")
                + words({ word }));
        select(DiagnosticCode);
        tick(D::PSTBox);
        const QString shown = hubText(D::PSTTimeToTargetEdit);
        ASSERT_TRUE(hubEnabled(D::StartButton)) << shown.toStdString();
        // Start stores the shown text back into the settings the partial stroke page sends.
        prompts().answerMessage(Prompts::IdYes, Movement);
        click(D::StartButton);
        processEvents();
        EXPECT_EQ(data().SigSettings.Word, word) << shown.toStdString();
        EXPECT_TRUE(pst().testRunning());
        click(D::StopButton);
        pst().StopPartialStrokeTest();
        processEvents();
        run().m_bStepDone = run().m_bRampDone = false;
    }
}

TEST_F(DiagnosticsHubPageTest, NavigationButtonsSelectTheirPages)
{
    showHub();
    const struct {
        int button;
        int code;
    } buttons[] = {
        { D::DashboardButton, 1 },
        { D::AlarmsButton, 2 },
        { D::HealthButton, 3 },
        { D::CalibrationButton, 5 },
        { D::ConfigurationButton, 6 },
        { D::DataLoggerButton, 44 },
        { D::TrendsButton, 45 },
        { D::RampTestButton, 41 },
        { D::StepTestButton, 42 },
        { D::HDRLButton, 43 },
        { D::PSTButton, 46 },
    };
    for (const auto& b : buttons) {
        select(DiagnosticCode);
        ASSERT_TRUE(hubEnabled(b.button)) << b.button;
        click(b.button);
        processEvents();
        EXPECT_EQ(tree().selectedPageCode(), b.code) << b.button;
    }
    select(DiagnosticCode);
    EXPECT_EQ(hub().windowText(D::PSTButton), QStringLiteral("PST"));
    EXPECT_EQ(tree().currentItem()->text(0), QStringLiteral("Diagnostic"));
    click(D::PSTButton);
    EXPECT_EQ(tree().currentItem()->text(0), QStringLiteral("Partial Stroke Test"));
    select(DiagnosticCode);
    EXPECT_FALSE(hubEnabled(D::DiagnosticButton));
    click(D::DiagnosticButton);
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
}

TEST_F(DiagnosticsHubPageTest, SmallerModelWithoutTheOptionHasNoTrendsNoPstAndHealthDoesNothing)
{
    for (const uint8_t config28 : { uint8_t(0x00), uint8_t(0x20) }) {
        SCOPED_TRACE(testing::Message() << "0x28 = " << int(config28));
        start({ QStringLiteral("/dSim/K40/PV-102") });
        clock().advance(2000);
        device(K40Path).setMiscByte(0x28, config28);
        tree().OnInitialUpdate();
        ASSERT_EQ(data().Config28Bit5 != 0, config28 != 0);
        select(DiagnosticCode);
        const bool gated = config28 == 0;
        for (int id : { D::TrendsButton, D::PSTButton, D::PSTBox })
            EXPECT_EQ(hubEnabled(id), !gated) << id;
        for (int id : { D::HealthButton, D::DashboardButton, D::RampTestButton, D::DataLoggerButton, D::RampBox })
            EXPECT_TRUE(hubEnabled(id)) << id;
        click(D::HealthButton);
        processEvents();
        EXPECT_EQ(tree().selectedPageCode(), gated ? DiagnosticCode : 3);
        m_app.reset();
    }
}

TEST_F(DiagnosticsHubPageTest, APartialStrokeBoxTickedBeforeTheOptionWentIsUntickedWithItsGroup)
{
    // A run would otherwise wait for a partial stroke page that cannot be shown.
    start({ QStringLiteral("/dSim/K40/PV-102") });
    clock().advance(2000);
    device(K40Path).setMiscByte(0x28, 0x20);
    tree().OnInitialUpdate();
    select(DiagnosticCode);
    tick(D::PSTBox);
    tick(D::StepBox);
    ASSERT_TRUE(hubEnabled(D::PSTStartEdit));
    device(K40Path).setMiscByte(0x28, 0x00);
    tree().OnInitialUpdate();
    select(DiagnosticCode);
    EXPECT_FALSE(hubChecked(D::PSTBox));
    EXPECT_FALSE(hubEnabled(D::PSTBox));
    for (int id : { D::PSTStartEdit, D::PSTStopEdit, D::PSTTimeToTargetEdit, D::PSTDurationEdit })
        EXPECT_FALSE(hubEnabled(id)) << id;
    EXPECT_TRUE(hubChecked(D::StepBox));
}

TEST_F(DiagnosticsHubPageTest, EveryControlCarriesItsToolTip)
{
    showHub();
    expectToolTips(hub(),
        {
            { D::LedId, "LED status" },
            { D::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { D::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { D::DashboardButton, "Go to the Dashboard page." },
            { D::AlarmsButton, "Go to the Alarms page." },
            { D::HealthButton, "Go to the Health Status page." },
            { D::DiagnosticButton, "Go to the Diagnostic page." },
            { D::CalibrationButton, "Go to the Calibration page." },
            { D::ConfigurationButton, "Go to the Configuration page." },
            { D::DataLoggerButton, "Go to the Online Data Logger." },
            { D::TrendsButton, "Go to the Online Trends." },
            { D::RampTestButton, "Go to the Offline Ramp Test." },
            { D::StepTestButton, "Go to the Offline Step Test." },
            { D::HDRLButton, "Go to the Offline Hysterisis Deadband Repeatability and Linearity Test." },
            { D::PSTButton, "Go to the Online Partial Stroke Test." },
            { D::RampStartEdit, "Start position of the test." },
            { D::RampStopEdit, " Stop position of the test." },
            { D::RampHoldEdit, "Time for data collection after Ramp test is finished." },
            { D::RampDurationEdit, "Time from Start to Stop Position." },
            { D::StepStartEdit, "Start position of the test." },
            { D::StepStopEdit, "Stop position of the test." },
            { D::StepHoldEdit, "Time from Start to Stop Position." },
            { D::PSTStartEdit, "Start position of the test." },
            { D::PSTStopEdit, "Stop position of the test." },
            { D::PSTTimeToTargetEdit, "Desired time limit to reach Target." },
            { D::PSTDurationEdit, "Time for data collection after Step is finished." },
            { D::SettlingEdit, "Position Settling Time." },
            { D::RampBox, "Check box to perform the Ramp Test." },
            { D::BidirectionalBox, "Check box to perform Ramp Test in both directions to calculate friction." },
            { D::StepBox, "Check box to perform the Step Test." },
            { D::PSTBox, "Check box to perform the Partial Stroke Test." },
            { D::HDRLBox, "Check box to perform the HDRL Test." },
            { D::StartButton, "Start the Multi test." },
            { D::StopButton, "Stop the Multi test." },
            { D::PrintButton, "print the All Test results and Device Configurations to the default printer." },
            { D::StatusList, "Selected Test status." },
        },
        { 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1110, 1111, 1112 });
    // The report and printer controls work behind the page.
    ASSERT_TRUE(hub().report());
    ASSERT_TRUE(hub().printer());
    EXPECT_FALSE(hub().report()->isVisible());
    EXPECT_FALSE(hub().printer()->isVisible());
}

TEST_F(DiagnosticsHubPageTest, StatusStripIsReadEvery20000msWhileTheHubIsShown)
{
    showHub();
    clock().advance(20000);
    EXPECT_EQ(timesOf(QStringLiteral("202")).size(), 1u);
    select(DashboardCode);
    device().clearRequests();
    select(DiagnosticCode);
    clock().advance(999);
    EXPECT_TRUE(timesOf(QStringLiteral("202")).empty());
    clock().advance(1);
    clock().advance(20000);
    EXPECT_EQ(timesOf(QStringLiteral("202")).size(), 2u);
}

} // namespace
