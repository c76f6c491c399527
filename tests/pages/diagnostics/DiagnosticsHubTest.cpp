// The diagnostics hub as the user meets it: its twelve parameters and their
// marks, the test boxes and Start, what activation shows of the device's
// signature settings, the navigation buttons on both models, and the tooltips.
#include "DiagnosticsHubPageTest.h"
#include "PageTexts.h"
#include "TypedSettingCases.h"

namespace
{

TEST_F(DiagnosticsHubPageTest, ParametersMarkTheirValidityAndStartNeedsATickedBoxAndItsParameters)
{
    showHub();
    const QString position = QStringLiteral("Please enter values between -5 and 105");
    const QString rampHold = QStringLiteral("Please enter values between 2 and 30");
    const QString rampDuration = QStringLiteral("Please enter values between 1 and 300");
    const QString timeToTarget = QStringLiteral("Please enter values between 0 and 655 in steps of 0.01");
    const QString pstDuration = QStringLiteral("Please enter whole numbers between 2 and 655");
    const QString settling = QStringLiteral("Please Enter the value between 6 and 2147483");
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
        { D::RampHoldEdit, D::RampHoldMark, "2.5", "2.5", true, &rampHold },
        { D::RampHoldEdit, D::RampHoldMark, "1", "1", false, &rampHold },
        { D::RampDurationEdit, D::RampDurationMark, "301", "301", false, &rampDuration },
        { D::StepHoldEdit, D::StepHoldMark, "1.5", "1.5", false, nullptr },
        { D::PSTTimeToTargetEdit, D::PSTTimeToTargetMark, "", "", false, &timeToTarget },
        { D::PSTTimeToTargetEdit, D::PSTTimeToTargetMark, "a12", "a12", false, &timeToTarget },
        { D::PSTDurationEdit, D::PSTDurationMark, "1", "1", false, &pstDuration },
        { D::SettlingEdit, D::SettlingMark, "5.9", "5.9", false, &settling },
        { D::SettlingEdit, D::SettlingMark, "inf", "inf", false, &settling },
        { D::SettlingEdit, D::SettlingMark, "6", "6", true, &settling },
        { D::StepStartEdit, D::StepStartMark, "", "", false, &position },
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

TEST_F(DiagnosticsHubPageTest, OnlyTickedParametersWhoseWholeTextIsANumberInTheirRangeStartARun)
{
    const char* position = "Please enter values between -5 and 105";
    struct Field {
        TypedSettingField setting;
        int box; // the test the parameter belongs to
    };
    const Field rampStart { { D::RampStartEdit, D::RampStartMark, position }, D::RampBox };
    const Field rampStop { { D::RampStopEdit, D::RampStopMark, position }, D::RampBox };
    const Field rampHold { { D::RampHoldEdit, D::RampHoldMark, "Please enter values between 2 and 30" }, D::RampBox };
    const Field rampDuration { { D::RampDurationEdit, D::RampDurationMark, "Please enter values between 1 and 300" },
        D::RampBox };
    const Field stepStart { { D::StepStartEdit, D::StepStartMark, position }, D::StepBox };
    const Field stepStop { { D::StepStopEdit, D::StepStopMark, position }, D::StepBox };
    const Field stepHold { { D::StepHoldEdit, D::StepHoldMark, "Please enter values between 2 and 300" }, D::StepBox };
    const Field pstStart { { D::PSTStartEdit, D::PSTStartMark, position }, D::PSTBox };
    const Field pstStop { { D::PSTStopEdit, D::PSTStopMark, position }, D::PSTBox };
    // The partial stroke page writes the time to target in hundredths and
    // the duration in whole seconds; the ramp and step holds go as floats.
    const Field pstTarget { { D::PSTTimeToTargetEdit, D::PSTTimeToTargetMark,
                                "Please enter values between 0 and 655 in steps of 0.01" },
        D::PSTBox };
    const Field pstDuration {
        { D::PSTDurationEdit, D::PSTDurationMark, "Please enter whole numbers between 2 and 655" }, D::PSTBox
    };
    const Field settling { { D::SettlingEdit, D::SettlingMark, "Please Enter the value between 6 and 2147483" },
        D::HDRLBox };
    struct Case {
        const Field* field;
        const char* text;
        int at; // where the value lies in the test's start request (bytes); -1: the HDRL run
        const char* sent; // nullptr: the mark shows and the run does not start
    };
    std::vector<Case> cases;
    for (const Field* field : { &rampStart, &rampStop, &rampHold, &rampDuration, &stepStart, &stepStop, &stepHold,
             &pstStart, &pstStop, &pstTarget, &pstDuration, &settling }) {
        for (const char* text : NotANumberTexts)
            cases.push_back({ field, text, 0, nullptr });
    }
    cases.insert(cases.end(),
        {
            { &rampHold, "31", 0, nullptr },
            { &rampHold, "-1", 0, nullptr },
            { &rampHold, "-5", 0, nullptr },
            { &rampHold, "1.99999999", 0, nullptr }, // 2 in single precision
            { &rampHold, "2", 16, "40 00 00 00" },
            { &rampHold, "2.5", 16, "40 20 00 00" },
            { &rampHold, "5.5", 16, "40 B0 00 00" },
            { &rampHold, "30", 16, "41 F0 00 00" },
            { &rampDuration, "0", 0, nullptr },
            { &rampDuration, "1", 12, "3F 80 00 00" },
            { &rampDuration, "2.5", 12, "40 20 00 00" },
            { &rampDuration, "300", 12, "43 96 00 00" },
            { &stepStart, "-5.01", 0, nullptr },
            { &stepStart, "-5", 4, "C0 A0 00 00" },
            { &stepStart, "-1", 4, "BF 80 00 00" },
            { &stepStart, "5.5", 4, "40 B0 00 00" },
            { &stepHold, "-1", 0, nullptr },
            { &stepHold, "2.5", 16, "40 20 00 00" },
            { &pstTarget, "-1", 0, nullptr },
            { &pstTarget, "-0.001", 0, nullptr }, // would be written as 0
            { &pstTarget, "5.555", 0, nullptr }, // finer than a hundredth
            { &pstTarget, "655.001", 0, nullptr }, // would be written as 655
            { &pstTarget, "656", 0, nullptr },
            { &pstTarget, "0", 20, "00 00" },
            { &pstTarget, "2.5", 20, "00 FA" },
            { &pstTarget, "5.5", 20, "02 26" },
            { &pstTarget, "5.55", 20, "02 2B" },
            { &pstTarget, "655", 20, "FF DC" },
            { &pstDuration, "-1", 0, nullptr },
            { &pstDuration, "1.99", 0, nullptr },
            { &pstDuration, "2.5", 0, nullptr }, // the test would run 2 s
            { &pstDuration, "5.5", 0, nullptr },
            { &pstDuration, "655.4", 0, nullptr }, // would run 655 s
            { &pstDuration, "656", 0, nullptr },
            { &pstDuration, "2", 16, "40 00 00 00" },
            { &pstDuration, "655", 16, "44 23 C0 00" },
            { &settling, "-1", 0, nullptr },
            { &settling, "99999999", 0, nullptr },
            { &settling, "2147483.01", 0, nullptr },
            { &settling, "6.5", -1, "6500" },
            { &settling, "2147483", -1, "2147483000" },
        });
    for (const char* path : { K90Path, K40Path }) {
        showHub(path);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(path) + " \"" + c.text + "\" in " + std::to_string(c.field->setting.edit));
            // Only the parameter's own test ticked.
            for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox }) {
                if (hubChecked(box) != (box == c.field->box))
                    click(box);
            }
            fillParameters();
            type(c.field->setting.edit, c.text);
            EXPECT_EQ(hubText(c.field->setting.edit), QString::fromLatin1(c.text)) << "shown as typed";
            EXPECT_EQ(showsRefusedMark(hub(), c.field->setting.mark), !c.sent);
            EXPECT_EQ(hubEnabled(D::StartButton), bool(c.sent));
            device(path).clearRequests();
            prompts().clearRecords();
            if (!c.sent) {
                EXPECT_EQ(hub().control(c.field->setting.mark)->toolTip(), QString::fromLatin1(c.field->setting.tip));
                // No question is queued: Start must ask none and send nothing.
                hub().RunSequence();
                processEvents();
                EXPECT_TRUE(sent(path).isEmpty()) << joined(sent(path));
                EXPECT_FALSE(run().m_bMultiTestRunning);
                if (QString::fromLatin1(c.field->setting.tip).startsWith(QStringLiteral("Please enter "))) {
                    EXPECT_TRUE(logNamesRefusedText(logTexts(), c.text, c.field->setting.tip));
                }
                continue;
            }
            startRun();
            if (c.at < 0) {
                EXPECT_EQ(framesOf(203, path), QStringList { QStringLiteral("CB 03 40 00 00") });
                EXPECT_EQ(clock().dueIn(&hdrl(), CHDRLTest::SettlingTimerId), QString::fromLatin1(c.sent).toLongLong());
            } else {
                const QStringList starts = framesOf(233, path);
                ASSERT_EQ(starts.size(), 1);
                EXPECT_EQ(starts[0].mid(3 * c.at, int(qstrlen(c.sent))), QString::fromLatin1(c.sent))
                    << starts[0].toStdString();
            }
            // Back to the hub: the test stops and the run ends.
            select(DiagnosticCode);
            processEvents();
            ASSERT_FALSE(run().m_bMultiTestRunning);
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(DiagnosticsHubPageTest, StartNeedsOnlyTheTickedTestsParametersValid)
{
    for (const char* path : { K40Path, K90Path }) {
        SCOPED_TRACE(path);
        // The simulator's stored settings are all 0: the step hold and the
        // partial stroke duration show as 0, invalid, in edits the user
        // cannot reach with their boxes unticked; the ramp hold is raised to 2.
        showHub(path);
        for (int mark : { D::StepHoldMark, D::PSTDurationMark })
            EXPECT_TRUE(markShowsInvalid(mark)) << mark;
        EXPECT_TRUE(markShowsValid(D::RampHoldMark));
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
        EXPECT_TRUE(hubEnabled(D::StartButton));
        type(D::RampHoldEdit, "1");
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

TEST_F(DiagnosticsHubPageTest, EveryParameterShowsItsKeysAsTyped)
{
    showHub();
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    for (int edit : { D::RampStartEdit, D::RampStopEdit, D::RampHoldEdit, D::RampDurationEdit, D::StepStartEdit,
             D::StepStopEdit, D::StepHoldEdit, D::PSTStartEdit, D::PSTStopEdit, D::PSTTimeToTargetEdit,
             D::PSTDurationEdit, D::SettlingEdit }) {
        type(edit, "-7.5");
        EXPECT_EQ(hubText(edit), QStringLiteral("-7.5")) << edit;
    }

    // The device's 5.55 s in the time to target: its "." deleted and typed
    // again gives the same time back, taken.
    select(DashboardCode);
    scriptData(253,
        QByteArray::fromHex("0100"
                            "41A00000"
                            "42200000"
                            "41200000"
                            "40400000"
                            "022B"));
    select(DiagnosticCode);
    auto* target = hub().controlAs<QLineEdit>(D::PSTTimeToTargetEdit);
    EXPECT_EQ(target->text(), QStringLiteral("5.55"));
    target->setCursorPosition(2);
    target->backspace();
    EXPECT_EQ(target->text(), QStringLiteral("555"));
    EXPECT_TRUE(markShowsValid(D::PSTTimeToTargetMark));
    target->insert(QStringLiteral("."));
    EXPECT_EQ(target->text(), QStringLiteral("5.55"));
    EXPECT_TRUE(markShowsValid(D::PSTTimeToTargetMark));
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
        { D::RampHoldEdit, "2" },
        { D::RampDurationEdit, "2" },
        { D::StepHoldEdit, "0.5" },
        { D::PSTDurationEdit, "0.5" },
        { D::PSTTimeToTargetEdit, "5.99" },
        { D::SettlingEdit, "7.5" },
    };
    for (const auto& s : shown)
        EXPECT_EQ(hubText(s.edit), QString::fromLatin1(s.text)) << s.edit;
    // The stored hold of 0.5 s is raised to the least the ramp takes, which
    // the hub does not mark: with the ramp ticked, Start is on.
    EXPECT_TRUE(markShowsValid(D::RampHoldMark));
    EXPECT_TRUE(hub().parameterValid(D::Parameter::RampHold));
    EXPECT_TRUE(markShowsInvalid(D::StepHoldMark));
    EXPECT_TRUE(markShowsInvalid(D::PSTDurationMark));
    EXPECT_TRUE(markShowsValid(D::PSTTimeToTargetMark));
    EXPECT_TRUE(hubEnabled(D::StartButton));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(run().m_TestStatusList.lines().isEmpty());

    // The settling time keeps its text and its validity, and its mark shows
    // it again: a value that holds Start back is never shown unmarked.
    setText(D::SettlingEdit, "3");
    select(DashboardCode);
    select(DiagnosticCode);
    EXPECT_EQ(hubText(D::SettlingEdit), QStringLiteral("3"));
    EXPECT_TRUE(markShowsInvalid(D::SettlingMark));
    EXPECT_EQ(
        hub().control(D::SettlingMark)->toolTip(), QStringLiteral("Please Enter the value between 6 and 2147483"));
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
