// A multi-test run of the diagnostics hub against the simulated positioner:
// the one movement question, the ticked tests run by their own pages in
// order, their hand-backs, the list of events, the save at the end, and Stop.
#include "DiagnosticsHubPageTest.h"

#include <QFileInfo>

namespace
{

class MultiTestRunTest : public DiagnosticsHubPageTest
{
protected:
    // The step and partial stroke tests ticked with the settings of the run.
    void tickStepAndPst()
    {
        tick(D::StepBox);
        tick(D::PSTBox);
        fillParameters();
        setText(D::StepStartEdit, "20");
        setText(D::StepStopEdit, "60");
        setText(D::StepHoldEdit, "5");
        setText(D::PSTStartEdit, "80");
        setText(D::PSTStopEdit, "65");
        setText(D::PSTTimeToTargetEdit, "4.99");
        setText(D::PSTDurationEdit, "12");
    }
    bool pstRunning() { return pst().testRunning() || pst().retrieving(); }
};

TEST_F(MultiTestRunTest, StepAndPartialStrokeRunInTurnAfterOneQuestionAndTheEndSavesBoth)
{
    showHub();
    tickStepAndPst();
    prompts().clearRecords();
    startRun();
    ASSERT_EQ(prompts().messages().size(), 1u);
    const Prompts::Message question = prompts().messages()[0];
    EXPECT_EQ(question.text, Movement);
    EXPECT_EQ(question.caption, QStringLiteral("PV-101 CLIPWELL"));
    EXPECT_EQ(question.buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(question.icon, Prompts::Icon::Question);

    // The step test runs first, on its own page, with the hub's settings.
    EXPECT_EQ(tree().selectedPageCode(), StepTestCode);
    EXPECT_TRUE(step().testRunning());
    EXPECT_TRUE(run().m_bRampDone) << "set when the step test starts";
    EXPECT_FALSE(hubEnabled(D::StartButton));
    EXPECT_TRUE(hubEnabled(D::StopButton));
    EXPECT_FALSE(hubEnabled(D::PrintButton));
    // A parameter that changes while the run is on does not offer a second Start.
    setText(D::RampStartEdit, "25");
    EXPECT_FALSE(hubEnabled(D::StartButton));
    ASSERT_EQ(framesOf(233).size(), 1u);
    EXPECT_TRUE(
        framesOf(233)[0].startsWith(QStringLiteral("E9 14 01 0F 41 A0 00 00 42 70 00 00 00 00 00 00 40 A0 00 00")))
        << framesOf(233)[0].toStdString();
    EXPECT_EQ(step().windowText(CStepTest::HoldEdit), QStringLiteral("5"));

    // Then the partial stroke test, its time to target 4.99 s as 499 hundredths.
    const QString stepFile = tempPath(QStringLiteral("unused.stp"));
    const QString pstFile = tempPath(QStringLiteral("run.pst"));
    prompts().answerMessage(Prompts::IdOk, SaveQuestion);
    prompts().answerFile(std::nullopt, QStringLiteral("Save Step Test Results As"));
    prompts().answerFile(pstFile, QStringLiteral("Save Partial Stroke Test Results As"));
    runUntil([this] { return tree().selectedPageCode() == PstCode || runEnded(); });
    EXPECT_TRUE(run().m_bStepDone);
    ASSERT_EQ(framesOf(233).size(), 2u);
    EXPECT_EQ(framesOf(233)[1], QStringLiteral("E9 14 01 0F 42 A0 00 00 42 82 00 00 00 00 00 00 41 40 00 00 01 F3"));
    runUntil([this] { return runEnded(); });

    EXPECT_EQ(listed(),
        QStringList(
            { QStringLiteral("Step test started"), QStringLiteral("Step test completed"), QStringLiteral("PST started"),
                QStringLiteral("PST completed"), QStringLiteral("Finished the selected tests") }));
    EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
    const std::vector<Prompts::Message> messages = prompts().messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, SaveQuestion);
    EXPECT_EQ(messages[1].caption, QStringLiteral("PV-101 CLIPWELL-DAIGMAIN MULTI TESTS"));
    EXPECT_EQ(messages[1].buttons, Prompts::Buttons::OkCancel);
    EXPECT_EQ(messages[1].icon, Prompts::Icon::None);
    EXPECT_EQ(prompts().pendingAnswers(), 0);
    EXPECT_FALSE(QFileInfo::exists(stepFile));
    EXPECT_TRUE(QFileInfo::exists(pstFile));
    EXPECT_FALSE(run().m_bRampDone || run().m_bStepDone || run().m_bPSTDone || run().m_bHDRLDone);
    EXPECT_TRUE(hubEnabled(D::StartButton));
    EXPECT_FALSE(hubEnabled(D::StopButton));
    EXPECT_TRUE(hubEnabled(D::PrintButton));
    EXPECT_TRUE(hub().timerArmed(StripPage::StripTimerId));
    EXPECT_EQ(framesOf(233).size(), 2u) << "no test runs twice";
}

TEST_F(MultiTestRunTest, AfterARunTheHubShowsEachTestsOwnSettingsUntilAnotherTestRuns)
{
    showHub();
    for (int box : { D::RampBox, D::StepBox, D::PSTBox })
        tick(box);
    fillParameters();
    const std::pair<int, const char*> ran[] = { { D::RampStartEdit, "20" }, { D::RampStopEdit, "40" },
        { D::RampHoldEdit, "3" }, { D::RampDurationEdit, "10" }, { D::StepStartEdit, "20" }, { D::StepStopEdit, "60" },
        { D::StepHoldEdit, "5" }, { D::PSTStartEdit, "70" }, { D::PSTStopEdit, "50" }, { D::PSTTimeToTargetEdit, "4" },
        { D::PSTDurationEdit, "8" } };
    for (const auto& [edit, text] : ran)
        setText(edit, text);
    startRun();
    prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
    runUntil([this] { return runEnded(); });
    ASSERT_EQ(listed().last(), QStringLiteral("Finished the selected tests"));

    // Away and back: the device holds the partial stroke test's settings, the
    // groups show what each test ran with.
    select(DashboardCode);
    select(DiagnosticCode);
    EXPECT_EQ(device().requestsFor(253).size(), 1u);
    for (const auto& [edit, text] : ran)
        EXPECT_EQ(hubText(edit), QString::fromLatin1(text)) << edit;

    // A test run on its own page stores its settings: the hub shows the
    // device's settings again, in every group.
    select(StepTestCode);
    clock().advance(1000);
    typeSettings("30", "45", "4");
    startTest();
    runToCompletion();
    select(DiagnosticCode);
    for (int edit : { D::RampStartEdit, D::StepStartEdit, D::PSTStartEdit })
        EXPECT_EQ(hubText(edit), QStringLiteral("30")) << edit;
    for (int edit : { D::RampStopEdit, D::StepStopEdit, D::PSTStopEdit })
        EXPECT_EQ(hubText(edit), QStringLiteral("45")) << edit;
    m_app.reset();
    SimTestHooks::reset();

    // A run the user stops during its partial stroke test: the ramp and the
    // partial stroke test ran and show their own settings; the step test did
    // not run and shows what the device holds, the partial stroke test's.
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showHub(path);
        for (int box : { D::RampBox, D::PSTBox })
            tick(box);
        fillParameters();
        for (const auto& [edit, text] : ran)
            setText(edit, text);
        startRun();
        runUntil([this] { return pst().testRunning() || runEnded(); });
        ASSERT_TRUE(pst().testRunning());
        clock().advance(3000);
        pst().controlAs<QAbstractButton>(501)->click(); // the page's Stop
        processEvents();
        ASSERT_EQ(listed().last(), QStringLiteral("Multi tests stopped"));

        select(DashboardCode);
        select(DiagnosticCode);
        const std::pair<int, const char*> shownAfterStop[] = { { D::RampStartEdit, "20" }, { D::RampStopEdit, "40" },
            { D::RampHoldEdit, "3" }, { D::RampDurationEdit, "10" }, { D::StepStartEdit, "70" },
            { D::StepStopEdit, "50" }, { D::StepHoldEdit, "8" }, { D::PSTStartEdit, "70" }, { D::PSTStopEdit, "50" },
            { D::PSTTimeToTargetEdit, "4" }, { D::PSTDurationEdit, "8" } };
        for (const auto& [edit, text] : shownAfterStop)
            EXPECT_EQ(hubText(edit), QString::fromLatin1(text)) << edit;
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(MultiTestRunTest, NoToTheQuestionRunsNothing)
{
    showHub();
    tickStepAndPst();
    run().m_TestStatusList.AddString(QStringLiteral("Finished the selected tests"));
    prompts().answerMessage(Prompts::IdNo, Movement);
    click(D::StartButton);
    processEvents();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(run().m_bMultiTestRunning);
    EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
    EXPECT_FALSE(hub().timerArmed(StripPage::StripTimerId));
    clock().advance(30000);
    EXPECT_TRUE(device().requestsFor(233).empty());
}

TEST_F(MultiTestRunTest, SaveAfterARunOfRampAndHDRLOpensTheirDialogsOnly)
{
    showHub();
    tick(D::RampBox);
    tick(D::HDRLBox);
    fillParameters();
    setText(D::SettlingEdit, "6.5");
    setText(D::RampHoldEdit, "3");
    data().SigSettings.Word = 499; // left by an earlier partial stroke test
    startRun();
    EXPECT_EQ(tree().selectedPageCode(), RampTestCode);
    EXPECT_TRUE(ramp().testRunning());
    EXPECT_FALSE(data().RampBidirectional);
    // Start, stop, the duration as float 3 and the hold as float 4; no time to target.
    EXPECT_EQ(data().SigSettings.Floats, (std::array<float, 4> { 20.0f, 40.0f, 10.0f, 3.0f }));
    EXPECT_EQ(data().SigSettings.Word, 0);
    EXPECT_EQ(ramp().windowText(CRampTest::HoldEdit), QStringLiteral("3"));
    EXPECT_EQ(ramp().windowText(CRampTest::DurationEdit), QStringLiteral("10"));
    prompts().answerMessage(Prompts::IdOk, SaveQuestion);
    prompts().answerFile(std::nullopt, QStringLiteral("Save Ramp Test Results As"));
    prompts().answerFile(std::nullopt, QStringLiteral("Save HDRL Test Results As"));
    runUntil([this] { return tree().selectedPageCode() == HDRLCode || runEnded(); });
    EXPECT_EQ(hdrl().windowText(CHDRLTest::SettlingEdit), QStringLiteral("6.5"));
    EXPECT_EQ(hdrl().settlingMs(), 6500u);
    runUntil([this] { return runEnded(); });
    EXPECT_EQ(listed(),
        QStringList({ QStringLiteral("Ramp test started"), QStringLiteral("Ramp test completed"),
            QStringLiteral("HDRL started."), QStringLiteral("HDRL test completed"),
            QStringLiteral("Finished the selected tests") }));
    EXPECT_EQ(prompts().pendingAnswers(), 0);
}

TEST_F(MultiTestRunTest, LeavingAPageStopsItsTestBeforeTheChosenPageAndStartsNoOther)
{
    showHub();
    tickStepAndPst();
    startRun();
    ASSERT_TRUE(step().testRunning());
    clock().advance(5000);
    device().clearRequests();
    const int logged = int(logTexts().size());
    select(DashboardCode);
    processEvents();
    clock().advance(30000);
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), DashboardCode);
    EXPECT_TRUE(device().requestsFor(233).empty());
    EXPECT_FALSE(pst().testRunning());
    // In the log: the step page's stop, then the dashboard's first reads;
    // no partial stroke test starts.
    const QStringList log = logTexts().mid(logged);
    const auto first = [&log](const char* start) {
        for (int k = 0; k < log.size(); ++k) {
            if (log[k].startsWith(QString::fromLatin1(start)))
                return k;
        }
        return -1;
    };
    const int stepStop = first("-> 12  201");
    const int dashboard = first("<- 1   240");
    EXPECT_GE(stepStop, 0) << log.join('\n').toStdString();
    EXPECT_LT(stepStop, dashboard) << log.join('\n').toStdString();
    EXPECT_EQ(first("-> 22  233"), -1) << log.join('\n').toStdString();
    EXPECT_EQ(run().m_TestStatusList.lines(),
        QStringList({ QStringLiteral("Step test started"), QStringLiteral("Step test stopped"),
            QStringLiteral("Multi tests stopped") }));
    EXPECT_FALSE(run().m_bStepDone) << "a stopped test is not done";
    EXPECT_FALSE(run().m_bPSTDone);
}

TEST_F(MultiTestRunTest, LeavingARunningHDRLRestoresTheDeviceAndTheRunEndsUnasked)
{
    showHub();
    tick(D::HDRLBox);
    fillParameters();
    startRun();
    ASSERT_EQ(tree().selectedPageCode(), HDRLCode);
    ASSERT_TRUE(hdrl().running());
    clock().advance(13000);
    device().clearRequests();
    select(DashboardCode);
    ASSERT_EQ(device().requestsFor(203).size(), 1u);
    EXPECT_FALSE(hdrl().running());
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), DashboardCode);
    EXPECT_EQ(listed(),
        QStringList({ QStringLiteral("HDRL started."), QStringLiteral("HDRL test stopped"),
            QStringLiteral("Multi tests stopped") }));
    EXPECT_FALSE(run().m_bMultiTestRunning);
    EXPECT_FALSE(run().m_bHDRLDone) << "a stopped test is not done";
}

TEST_F(MultiTestRunTest, StartRunsEveryTickedTestWhateverAnEarlierRunLeftDone)
{
    showHub();
    tickStepAndPst();
    run().m_bRampDone = run().m_bStepDone = run().m_bPSTDone = run().m_bHDRLDone = true;
    startRun();
    EXPECT_EQ(tree().selectedPageCode(), StepTestCode);
    EXPECT_TRUE(step().testRunning());
    EXPECT_EQ(listed(), QStringList { QStringLiteral("Step test started") });
    ASSERT_EQ(framesOf(233).size(), 1u);
    EXPECT_TRUE(framesOf(233)[0].startsWith(QStringLiteral("E9 14 01 0F 41 A0 00 00 42 70 00 00")))
        << framesOf(233)[0].toStdString();
    EXPECT_FALSE(run().m_bStepDone || run().m_bPSTDone || run().m_bHDRLDone);
    click(D::StopButton);
    step().OnStopTest();
}

TEST_F(MultiTestRunTest, StopEndsTheSequenceAndLeavesTheRunningTestAlone)
{
    showHub();
    tick(D::RampBox);
    click(D::BidirectionalBox);
    tick(D::HDRLBox);
    tickStepAndPst();
    startRun();
    runUntil([this] { return tree().selectedPageCode() == PstCode; });
    ASSERT_TRUE(pst().testRunning());
    device().clearRequests();
    click(D::StopButton);
    EXPECT_EQ(listed().last(), QStringLiteral("Multi tests stopped"));
    for (int box : { D::RampBox, D::BidirectionalBox, D::StepBox, D::PSTBox, D::HDRLBox })
        EXPECT_FALSE(hubChecked(box)) << box;
    // Each unticked box's settings go grey with it, as a box unticked by hand leaves them.
    for (int edit : { D::RampStartEdit, D::RampStopEdit, D::RampHoldEdit, D::RampDurationEdit, D::StepStartEdit,
             D::StepStopEdit, D::StepHoldEdit, D::PSTStartEdit, D::PSTStopEdit, D::PSTTimeToTargetEdit,
             D::PSTDurationEdit, D::SettlingEdit })
        EXPECT_FALSE(hubEnabled(edit)) << edit;
    // With no box ticked there is nothing to start.
    EXPECT_FALSE(hubEnabled(D::StartButton));
    EXPECT_FALSE(hubEnabled(D::StopButton));
    EXPECT_TRUE(hubEnabled(D::PrintButton));
    EXPECT_TRUE(device().requests().empty()) << "nothing is sent";
    EXPECT_TRUE(pst().testRunning()) << "the partial stroke test runs on";
    runUntil([this] { return !pstRunning(); });
    EXPECT_EQ(tree().selectedPageCode(), PstCode) << "no hand-back outside a run";
    EXPECT_FALSE(run().m_bPSTDone) << "a test that ends outside a run is not done";

    // A new run with the same boxes runs them all again, from the first.
    select(DiagnosticCode);
    EXPECT_FALSE(hubEnabled(D::StartButton));
    tick(D::StepBox);
    EXPECT_TRUE(hubEnabled(D::StartButton));
    for (int edit : { D::StepStartEdit, D::StepStopEdit, D::StepHoldEdit })
        EXPECT_TRUE(hubEnabled(edit)) << edit;
    EXPECT_FALSE(hubEnabled(D::RampStartEdit));
    tickStepAndPst();
    device().clearRequests();
    startRun();
    EXPECT_EQ(tree().selectedPageCode(), StepTestCode);
    EXPECT_EQ(listed(), QStringList { QStringLiteral("Step test started") });
    ASSERT_EQ(framesOf(233).size(), 1u);
    EXPECT_TRUE(framesOf(233)[0].startsWith(QStringLiteral("E9 14 01 0F 41 A0 00 00 42 70 00 00")))
        << framesOf(233)[0].toStdString();
    click(D::StopButton);
    step().OnStopTest();
}

} // namespace

namespace
{

TEST_F(MultiTestRunTest, DiagnosticSelectedDuringATestEndsTheRunWithoutTheNextTest)
{
    showHub();
    tickStepAndPst();
    startRun();
    ASSERT_TRUE(step().testRunning());
    clock().advance(5000);
    device().clearRequests();
    select(DiagnosticCode);
    processEvents();
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
    EXPECT_FALSE(pst().testRunning());
    EXPECT_TRUE(device().requestsFor(233).empty());
    EXPECT_TRUE(device().requestsFor(253).empty());
    EXPECT_EQ(listed(),
        QStringList({ QStringLiteral("Step test started"), QStringLiteral("Step test stopped"),
            QStringLiteral("Multi tests stopped") }));
}

} // namespace
