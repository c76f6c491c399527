// The step test page runs a step test on the simulated positioner: its
// settings, the start, the watch of the test status, the read-out, Stop,
// leaving the page, the multi-test hand-back and the device's faults.
#include "StepTestPageTest.h"

#include "HubHandBack.h"
#include "PageTexts.h"
#include "TypedSettingCases.h"

#include "ui/Pictures.h"

namespace
{

using Step = CStepTest;

TEST_F(StepTestPageTest, SettingsEditsMarkTheirValidityAndStartNeedsAllThree)
{
    showPage();
    const QString positionTip = QStringLiteral("Please enter values between -5 and 105");
    const QString holdTip = QStringLiteral("Please enter values between 2 and 300");
    const struct {
        int edit;
        int mark;
        const char* text;
        bool valid;
        const QString& tip;
    } cases[] = {
        { Step::StartEdit, Step::StartMark, "-4.99", true, positionTip },
        { Step::StartEdit, Step::StartMark, "105.2", false, positionTip },
        { Step::StartEdit, Step::StartMark, "", false, positionTip },
        { Step::StartEdit, Step::StartMark, "-5.01", false, positionTip },
        { Step::StopEdit, Step::StopMark, "7abc", false, positionTip },
        { Step::StopEdit, Step::StopMark, "105", true, positionTip },
        { Step::HoldEdit, Step::HoldMark, "1.5", false, holdTip },
        { Step::HoldEdit, Step::HoldMark, "300.01", false, holdTip },
        { Step::HoldEdit, Step::HoldMark, "299.9", true, holdTip },
        { Step::HoldEdit, Step::HoldMark, "2", true, holdTip },
        { Step::HoldEdit, Step::HoldMark, "", false, holdTip },
    };
    const QImage validIcon = Pictures::load(139).toImage();
    const QImage invalidIcon = Pictures::load(138).toImage();
    for (const auto& c : cases) {
        typeSettings("30", "70", "6");
        ASSERT_TRUE(enabled(Step::StartButton)) << c.text;
        step().setWindowText(c.edit, QString::fromLatin1(c.text));
        const QLabel* mark = step().controlAs<QLabel>(c.mark);
        EXPECT_EQ(mark->pixmap().toImage(), c.valid ? validIcon : invalidIcon) << c.text;
        if (!c.valid) {
            EXPECT_EQ(mark->toolTip(), c.tip) << c.text;
        }
        EXPECT_EQ(enabled(Step::StartButton), c.valid) << c.text;
    }
}

TEST_F(StepTestPageTest, OnlyASettingWhoseWholeTextIsANumberInItsRangeStartsTheStep)
{
    const TypedSettingField start { Step::StartEdit, Step::StartMark, "Please enter values between -5 and 105" };
    const TypedSettingField stop { Step::StopEdit, Step::StopMark, "Please enter values between -5 and 105" };
    // The device keeps the hold as a float: fractions are taken.
    const TypedSettingField hold { Step::HoldEdit, Step::HoldMark, "Please enter values between 2 and 300" };
    // Start 30 %, stop 70 %, hold 6 s unless the row types another, key by key.
    const std::vector<TypedSettingCase> cases = typedSettingCases({ &start, &stop, &hold },
        {
            { &start, "-5.01", nullptr },
            { &start, "-5.0000001", nullptr }, // -5 in single precision
            { &start, "-5", "E9 14 01 0F C0 A0 00 00 42 8C 00 00 00 00 00 00 40 C0 00 00 00 00" },
            { &start, "-1", "E9 14 01 0F BF 80 00 00 42 8C 00 00 00 00 00 00 40 C0 00 00 00 00" },
            { &start, "2.5", "E9 14 01 0F 40 20 00 00 42 8C 00 00 00 00 00 00 40 C0 00 00 00 00" },
            { &stop, "105.01", nullptr },
            { &stop, " 105 ", "E9 14 01 0F 41 F0 00 00 42 D2 00 00 00 00 00 00 40 C0 00 00 00 00" },
            { &stop, "5.5", "E9 14 01 0F 41 F0 00 00 40 B0 00 00 00 00 00 00 40 C0 00 00 00 00" },
            { &hold, "1.99", nullptr },
            { &hold, "1.99999999", nullptr }, // 2 in single precision
            { &hold, "-1", nullptr },
            { &hold, "5keyTab", nullptr },
            { &hold, "300.01", nullptr },
            { &hold, "2", "E9 14 01 0F 41 F0 00 00 42 8C 00 00 00 00 00 00 40 00 00 00 00 00" },
            { &hold, "2.5", "E9 14 01 0F 41 F0 00 00 42 8C 00 00 00 00 00 00 40 20 00 00 00 00" },
            { &hold, "5.5", "E9 14 01 0F 41 F0 00 00 42 8C 00 00 00 00 00 00 40 B0 00 00 00 00" },
            { &hold, "300", "E9 14 01 0F 41 F0 00 00 42 8C 00 00 00 00 00 00 43 96 00 00 00 00" },
        });
    for (const char* path : { K90Path, K40Path }) {
        showPage(path);
        for (const TypedSettingCase& c : cases) {
            SCOPED_TRACE(std::string(path) + " \"" + c.text + "\"");
            typeSettings("30", "70", "6");
            typeKeys(step(), c.field->edit, c.text);
            EXPECT_EQ(step().windowText(c.field->edit), QString::fromLatin1(c.text)) << "shown as typed";
            EXPECT_EQ(showsRefusedMark(step(), c.field->mark), !c.sent);
            EXPECT_EQ(enabled(Step::StartButton), bool(c.sent));
            device(path).clearRequests();
            prompts().clearRecords();
            if (!c.sent) {
                EXPECT_EQ(step().control(c.field->mark)->toolTip(), QString::fromLatin1(c.field->tip));
                // No question is queued: Start must ask none and send nothing.
                step().OnStartTest();
                EXPECT_TRUE(sent(path).isEmpty()) << joined(sent(path));
                EXPECT_FALSE(step().testRunning());
                EXPECT_TRUE(logNamesRefusedText(logTexts(), c.text, c.field->tip));
                continue;
            }
            startTest();
            EXPECT_EQ(framesOf(233, path), QStringList { QString::fromLatin1(c.sent) });
            step().OnStopTest();
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(StepTestPageTest, EveryControlCarriesItsToolTip)
{
    showPage();
    expectToolTips(step(),
        {
            { Step::LedId, "LED status" },
            { Step::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { Step::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Step::StartEdit, "Start Position" },
            { Step::StopEdit, "Stop Position" },
            { Step::HoldEdit, "Time for data collection after step is finished." },
            { Step::PositionBox, "Check box to display Position in graph." },
            { Step::CommandBox, "Check box to display Control Command in graph." },
            { Step::Port1Box, "Check box to display Port 1 in graph." },
            { Step::Port2Box, "Check box to display Port 2 in graph." },
            { Step::RelayCommandBox, "Check box to display Spool Command in graph." },
            { Step::RelayPositionBox, "Check box to display Spool Position in graph." },
            { Step::StatusEdit, "Displays the current status of the Step Test." },
            { Step::ElapsedEdit, "Displays the elapsed time since the start of the Step Test." },
            { Step::ProgressBar, "Progress bar of the Step Test." },
            { Step::StepViewButton, "Click this button to display all the actual data taken during the Step Test." },
            { Step::PressureViewButton, "Click this button to display the Pressure vs Position data on the graph." },
            { Step::PlotId, "Plot" },
            { Step::StartButton, "Clear existing data and start a new Step test." },
            { Step::StopButton, "Stop in progress Step test." },
            { Step::LoadButton, "load the already saved test results into the display." },
            { Step::SaveButton, "save the test results into the local disc." },
            { Step::CompareButton, "Go the the Step Compare page." },
            { Step::PrintButton, "print the STEP Test result and Device Configuration to the default printer" },
        },
        { Step::StartMark, Step::StopMark, Step::HoldMark });
}

TEST_F(StepTestPageTest, StartWaitsForValidSettingsWhenTheDeviceGivesNone)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 253);
    select(StepTestCode);
    EXPECT_EQ(text(Step::HoldEdit), QString());
    EXPECT_FALSE(enabled(Step::StartButton));
}

TEST_F(StepTestPageTest, StartAsksFirstAndSendsTheStepTestToTheDevice)
{
    showPage();
    typeSettings("30", "70", "6");
    prompts().answerMessage(Prompts::IdNo);
    step().OnStartTest();
    ASSERT_EQ(prompts().messages().size(), 1u);
    const Prompts::Message question = prompts().messages()[0];
    EXPECT_EQ(question.text,
        QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?"));
    EXPECT_EQ(question.caption, QStringLiteral("PV-101 CLIPWELL"));
    EXPECT_EQ(question.buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(question.icon, Prompts::Icon::Question);
    EXPECT_TRUE(sent().isEmpty()) << joined(sent());
    EXPECT_FALSE(step().testRunning());

    startTest();
    EXPECT_EQ(joined(sent()), "220, 233, 204, 200 word 0x12, 200 word 0x34, 202");
    EXPECT_EQ(
        framesOf(233).value(0), QStringLiteral("E9 14 01 0F 41 F0 00 00 42 8C 00 00 00 00 00 00 40 C0 00 00 00 00"));
    EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Test started"));
    for (int id : { Step::LoadButton, Step::SaveButton, Step::StartButton, Step::CompareButton, Step::PrintButton })
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_TRUE(enabled(Step::StopButton));
    EXPECT_TRUE(device().signatureRunning());
}

TEST_F(StepTestPageTest, StatusIsPolledEvery3000msAndTheReadOutEndsOnTheReadOutBit)
{
    showPage();
    typeSettings("30", "70", "6");
    startTest();
    const qint64 t0 = device().requests().back().timeMs;
    clock().advance(4014);
    EXPECT_TRUE(timesOf(QStringLiteral("200 byte 0x92")).empty());
    clock().advance(1);
    EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Test in progress"));
    clock().advance(9000);
    const std::vector<qint64> polls = timesOf(QStringLiteral("200 byte 0x92"));
    ASSERT_GE(polls.size(), 3u);
    EXPECT_EQ(polls[0] - t0, 4015);
    EXPECT_EQ(polls[1] - polls[0], 3000);
    EXPECT_EQ(polls[2] - polls[1], 3000);
    // The 7 s test ends before the second poll, which finds both bits clear.
    const std::vector<qint64> reads = timesOf(QStringLiteral("252"));
    ASSERT_FALSE(reads.empty());
    EXPECT_EQ(reads[0] - polls[1], 3000);

    runToCompletion();
    EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_EQ(progress(), 207);
    EXPECT_EQ(timesOf(QStringLiteral("252")).size(), 104u);
    for (int id : { Step::LoadButton, Step::SaveButton, Step::StartButton, Step::CompareButton, Step::PrintButton })
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_FALSE(enabled(Step::StopButton));
    EXPECT_EQ(device().miscByte(TestStatusByte), 0x20);
}

TEST_F(StepTestPageTest, StopAndLeavingThePageEndTheTestOnTheDevice)
{
    for (bool leave : { false, true }) {
        showPage();
        typeSettings("-2.5", "16.24", "6");
        startTest();
        clock().advance(2000);
        device().clearRequests();
        if (leave)
            select(DashboardCode);
        else
            step().OnStopTest();
        EXPECT_EQ(framesOf(201),
            QStringList({ QStringLiteral("C9 0A EE 00 8E FF 06 FE 00 00 00 00"),
                QStringLiteral("C9 0A EE 00 8F 06 58 FE 00 00 00 00"),
                QStringLiteral("C9 0A 92 00 F6 00 00 FE 00 00 00 00") }))
            << "leaving: " << leave;
        EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Stopped"));
        EXPECT_FALSE(device().signatureRunning());
        EXPECT_FALSE(step().testRunning());
        EXPECT_FALSE(enabled(Step::StopButton));
        EXPECT_TRUE(enabled(Step::StartButton));
        clock().advance(20000);
        EXPECT_TRUE(timesOf(QStringLiteral("200 byte 0x92")).empty()) << "no timer of the test runs on";
        m_app.reset();
    }
}

TEST_F(StepTestPageTest, MultiTestRunStartsUnaskedAndHandsBackWhenComplete)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    MultiTestRun& run = app().multiTest();
    run.m_bMultiTestRunning = true;
    tickOnlyOnHub(page<CDiagnosticsMain>(), prompts(), CDiagnosticsMain::StepBox);
    data().SigSettings.Floats = { 20.0f, 45.0f, 0.0f, 4.0f };
    device().clearRequests();
    select(StepTestCode);
    EXPECT_EQ(text(Step::StartEdit), QStringLiteral("20"));
    EXPECT_EQ(text(Step::StopEdit), QStringLiteral("45"));
    EXPECT_EQ(text(Step::HoldEdit), QStringLiteral("4"));
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_TRUE(step().testRunning());
    ASSERT_EQ(framesOf(233).size(), 1u);
    const QString stepStart = framesOf(233)[0];
    EXPECT_TRUE(framesOf(233)[0].startsWith(QStringLiteral("E9 14 01 0F 41 A0 00 00 42 34 00 00 00 00 00 00 40 80")))
        << framesOf(233)[0].toStdString();

    // What the hub takes from the page for its save and its report.
    const MultiTestPage* offered = run.page(MultiTest::Step);
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(offered->plot().get(), step().plot().get());
    EXPECT_EQ(offered->reportTexts(), QStringList({ QStringLiteral("20"), QStringLiteral("45"), QStringLiteral("4") }));

    runToCompletion();
    processEvents();
    EXPECT_EQ(run.m_TestStatusList.lines(), QStringList({ QStringLiteral("Step test completed"), RunFinishedLine }));
    EXPECT_EQ(prompts().pendingAnswers(), 0);
    EXPECT_EQ(framesOf(233), QStringList { stepStart }) << "the test marked done is not started again";
    EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
}

TEST_F(StepTestPageTest, LeavingDuringAMultiTestRunEndsTheRunOnTheChosenPage)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    MultiTestRun& run = app().multiTest();
    run.m_bMultiTestRunning = true;
    tickOnlyOnHub(page<CDiagnosticsMain>(), prompts(), CDiagnosticsMain::StepBox, false);
    data().SigSettings.Floats = { 30.0f, 60.0f, 0.0f, 6.0f };
    select(StepTestCode);
    clock().advance(2000);
    device().clearRequests();
    select(DashboardCode);
    EXPECT_EQ(framesOf(201), QStringList { QStringLiteral("C9 0A 92 00 F6 00 00 FE 00 00 00 00") });
    EXPECT_EQ(run.m_TestStatusList.lines(), QStringList({ QStringLiteral("Step test stopped"), RunStoppedLine }));
    EXPECT_FALSE(run.m_bStepDone) << "a stopped test is not done";
    EXPECT_FALSE(run.m_bMultiTestRunning);
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), DashboardCode);
}

TEST_F(StepTestPageTest, FailedReadsAreNotActedOn)
{
    // The first status poll gets no reply, or one for another variable: no
    // read-out starts, and the poll comes again 3000 ms later.
    for (SimFault fault : { SimFault::NoResponse, SimFault::MiscOtherAddress }) {
        showPage();
        typeSettings("30", "70", "6");
        startTest();
        clock().advance(7000); // the test is over on the device, not yet polled
        device().clearRequests();
        SimTestHooks::faults(device()).inject(fault, 1, 200);
        clock().advance(3000); // the poll at 7015 ms fails
        EXPECT_EQ(sent().filter(QStringLiteral("0x92")).size(), 1) << int(fault);
        EXPECT_TRUE(timesOf(QStringLiteral("252")).empty()) << int(fault);
        clock().advance(3000);
        EXPECT_EQ(sent().filter(QStringLiteral("0x92")).size(), 2) << int(fault);
        EXPECT_TRUE(timesOf(QStringLiteral("252")).empty()) << int(fault);
        clock().advance(3000);
        EXPECT_EQ(timesOf(QStringLiteral("252")).size(), 1u) << int(fault);
        m_app.reset();
    }
}

TEST_F(StepTestPageTest, ABlockThatIsLostOrShortLeavesAGapAndALogLine)
{
    // A reply that never came leaves the device's block for the next read,
    // so every block still arrives; a short reply uses one up.
    const struct {
        bool shortReply;
        int points;
    } cases[] = { { false, 209 }, { true, 207 } };
    for (const auto& c : cases) {
        showPage();
        typeSettings("30", "70", "6");
        startTest();
        clock().advance(10020); // the first block has been read
        ASSERT_EQ(step().sampleCount(), 3) << c.shortReply;
        const QString gapLine = QStringLiteral("samples 3 and 4 left empty");
        const qsizetype before = logTexts().filter(gapLine).size();
        if (c.shortReply)
            SimTestHooks::faults(device()).inject(SimFault::ShortReply, 1, 252, 12);
        else
            SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 252);
        runToCompletion();
        EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed")) << c.shortReply;
        const IPlotChannelPtr position = channel("Position");
        EXPECT_EQ(position->Count(), c.points) << c.shortReply;
        // Samples 3 and 4 are missing; no x is used twice.
        EXPECT_NEAR(position->GetX(3) / position->GetX(1), 5.0, 1e-9) << c.shortReply;
        for (int k = 1; k < position->Count(); ++k)
            ASSERT_GT(position->GetX(k), position->GetX(k - 1)) << c.shortReply << " at " << k;
        EXPECT_EQ(logTexts().filter(gapLine).size(), before + 1) << c.shortReply;
        m_app.reset();
    }
}

TEST_F(StepTestPageTest, ASignatureAlreadyReadOutAtTheFirstPollCompletesTheTest)
{
    showPage();
    typeSettings("30", "70", "6");
    startTest();
    clock().advance(4000);
    scriptTestStatus(0x20);
    clock().advance(15);
    EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_FALSE(step().testRunning());
    EXPECT_TRUE(enabled(Step::StartButton));
    EXPECT_FALSE(enabled(Step::StopButton));
    EXPECT_EQ(logTexts().filter(QStringLiteral("already read out")).size(), 1);
    clock().advance(10000);
    EXPECT_TRUE(timesOf(QStringLiteral("252")).empty());
}

} // namespace

namespace
{

TEST_F(StepTestPageTest, CompareGoesToTheStepComparePage)
{
    showPage();
    step().controlAs<QAbstractButton>(CStepTest::CompareButton)->click();
    EXPECT_EQ(tree().selectedPageCode(), 421);
}

} // namespace
