// A test the user stops during a multi-test run, by its page's Stop or by
// leaving its page, ends the whole run: no further test starts, the valve is
// not moved again unasked, and the user sees what ran.
#include "DiagnosticsHubPageTest.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QListWidget>

#include <vector>

namespace
{

// The run's test that the user stops, the page that runs it and what its
// own stop sends to the device.
struct StoppedTest {
    const char* name;
    int box; // the test's box on the hub; HDRL, ticked with it, would run next
    int pageCode;
    const char* startedLine;
    const char* stoppedLine;
    size_t own233; // the page's own stop: the ramp and partial stroke pages end the device's test with a 233
    size_t own203; // the page's own stop: the HDRL page gives the valve back its mode and command
};
const StoppedTest StoppedTests[] = {
    { "ramp", CDiagnosticsMain::RampBox, 41, "Ramp test started", "Ramp test stopped", 1, 0 },
    { "step", CDiagnosticsMain::StepBox, 42, "Step test started", "Step test stopped", 0, 0 },
    { "partial stroke", CDiagnosticsMain::PSTBox, 46, "PST started", "PST stopped", 1, 0 },
    { "HDRL", CDiagnosticsMain::HDRLBox, 43, "HDRL started.", "HDRL test stopped", 0, 1 },
};

class MultiTestUserStopTest : public DiagnosticsHubPageTest
{
protected:
    static constexpr int PageStopButton = 501; // the same id on the four test pages

    bool testRunning(const StoppedTest& t)
    {
        switch (t.pageCode) {
        case 41:
            return ramp().testRunning();
        case 42:
            return step().testRunning();
        case 46:
            return pst().testRunning() || pst().retrieving();
        default:
            return hdrl().running();
        }
    }
    FormPage& testPage(const StoppedTest& t)
    {
        switch (t.pageCode) {
        case 41:
            return ramp();
        case 42:
            return step();
        case 46:
            return pst();
        default:
            return hdrl();
        }
    }

    // The hub shown on a model, the test and HDRL after it ticked, the run
    // started and its test three seconds under way on its page.
    void runUntilTestUnderWay(const char* path, const StoppedTest& t)
    {
        showHub(path);
        tick(t.box);
        tick(D::HDRLBox);
        fillParameters();
        startRun();
        ASSERT_EQ(tree().selectedPageCode(), t.pageCode);
        ASSERT_TRUE(testRunning(t));
        clock().advance(3000);
        processEvents();
        ASSERT_TRUE(testRunning(t));
        device(path).clearRequests();
    }

    // A minute on, with every queued selection run.
    void aMinuteLater()
    {
        for (int k = 0; k < 120; ++k) {
            clock().advance(500);
            processEvents();
        }
    }

    // After the stop: the test's own stop went out and nothing of another
    // test (no start, no HDRL step) nor of a new run (no settings read).
    void expectNothingOfAnotherTest(const char* path, const StoppedTest& t)
    {
        EXPECT_EQ(device(path).requestsFor(233).size(), t.own233);
        EXPECT_EQ(device(path).requestsFor(203).size(), t.own203);
        // The ramp and partial stroke pages' own 233 ends the device's test (type 0);
        // the HDRL page's own 203 gives back the mode and command it found
        // (analog, 50 %), not the first test point (digital, 0 %).
        for (const QString& frame : framesOf(233, path))
            EXPECT_TRUE(frame.startsWith(QStringLiteral("E9 14 00"))) << frame.toStdString();
        for (const QString& frame : framesOf(203, path))
            EXPECT_EQ(frame, QStringLiteral("CB 03 00 13 88"));
        EXPECT_TRUE(device(path).requestsFor(253).empty());
        EXPECT_FALSE(hdrl().running() && t.pageCode != 43) << "HDRL did not start";
    }

    // The hub as its own Stop leaves it: boxes unticked, so no Start until
    // the user ticks one; Print Report offered, Stop not; the run off, and
    // the stopped test not done.
    void expectRunEndedAsTheHubsStopEndsIt(const StoppedTest& t)
    {
        EXPECT_FALSE(run().m_bMultiTestRunning);
        for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox, D::BidirectionalBox })
            EXPECT_FALSE(hubChecked(box)) << box;
        EXPECT_FALSE(hubEnabled(D::StartButton));
        EXPECT_FALSE(hubEnabled(D::StopButton));
        EXPECT_TRUE(hubEnabled(D::PrintButton));
        EXPECT_FALSE(run().done(MultiTest(int(&t - StoppedTests))));
        EXPECT_FALSE(testRunning(t));
    }

    QStringList linesOfTheRun(const StoppedTest& t)
    {
        return { QString::fromLatin1(t.startedLine), QString::fromLatin1(t.stoppedLine),
            QStringLiteral("Multi tests stopped") };
    }
};

TEST_F(MultiTestUserStopTest, StopOnATestPageEndsTheRunAndShowsTheHubWithWhatRan)
{
    for (const char* path : { K40Path, K90Path }) {
        for (const StoppedTest& t : StoppedTests) {
            SCOPED_TRACE(testing::Message() << path << ", " << t.name);
            runUntilTestUnderWay(path, t);
            testPage(t).controlAs<QAbstractButton>(PageStopButton)->click();
            aMinuteLater();
            EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
            EXPECT_EQ(listed(), linesOfTheRun(t));
            expectNothingOfAnotherTest(path, t);
            expectRunEndedAsTheHubsStopEndsIt(t);
            // The hub keeps the settings the run had.
            EXPECT_EQ(hubText(D::RampDurationEdit), QStringLiteral("10"));
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(MultiTestUserStopTest, LeavingARunningTestsPageEndsTheRunAndShowsTheChosenPage)
{
    for (const char* path : { K40Path, K90Path }) {
        for (const StoppedTest& t : StoppedTests) {
            SCOPED_TRACE(testing::Message() << path << ", " << t.name);
            runUntilTestUnderWay(path, t);
            select(DashboardCode);
            aMinuteLater();
            EXPECT_EQ(tree().selectedPageCode(), DashboardCode);
            EXPECT_EQ(run().m_TestStatusList.lines(), linesOfTheRun(t));
            expectNothingOfAnotherTest(path, t);
            expectRunEndedAsTheHubsStopEndsIt(t);
            // The hub, when the user goes there, shows the stopped run.
            select(DiagnosticCode);
            EXPECT_EQ(listed(), linesOfTheRun(t));
            EXPECT_TRUE(device(path).requestsFor(253).empty());
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(MultiTestUserStopTest, ChoosingTheHubDuringATestEndsTheRunAndShowsWhatRan)
{
    for (const char* path : { K40Path, K90Path }) {
        const StoppedTest& t = StoppedTests[0];
        SCOPED_TRACE(path);
        runUntilTestUnderWay(path, t);
        select(DiagnosticCode);
        aMinuteLater();
        EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
        EXPECT_EQ(listed(), linesOfTheRun(t));
        expectNothingOfAnotherTest(path, t);
        expectRunEndedAsTheHubsStopEndsIt(t);
        // A later visit is a fresh one: the list emptied, the settings read.
        select(DashboardCode);
        select(DiagnosticCode);
        EXPECT_TRUE(listed().isEmpty());
        EXPECT_EQ(device(path).requestsFor(253).size(), 1u);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(MultiTestUserStopTest, ACompletedTestStillHandsBackAndTheRunGoesOn)
{
    showHub(K40Path);
    tick(D::StepBox);
    tick(D::HDRLBox);
    fillParameters();
    startRun();
    runUntil([this] { return tree().selectedPageCode() == HDRLCode || runEnded(); });
    EXPECT_TRUE(hdrl().running());
    EXPECT_EQ(run().m_TestStatusList.lines(),
        QStringList({ QStringLiteral("Step test started"), QStringLiteral("Step test completed"),
            QStringLiteral("HDRL started.") }));
    // Stopped in turn, the HDRL test ends the run.
    hdrl().controlAs<QAbstractButton>(PageStopButton)->click();
    processEvents();
    EXPECT_EQ(listed().last(), QStringLiteral("Multi tests stopped"));
    EXPECT_FALSE(run().m_bMultiTestRunning);
}

// Closing the program during a run ends the run as the user's stop does: the
// test under way stops on the device, and no further test starts, not even
// one the hub was handing on to as the window closed.
TEST_F(MultiTestUserStopTest, ClosingTheProgramDuringARunEndsItAndStartsNoFurtherTest)
{
    enum class When { StepUnderWay, HubHandingOnToTheHDRL };
    for (const char* path : { K40Path, K90Path }) {
        for (When when : { When::StepUnderWay, When::HubHandingOnToTheHDRL }) {
            SCOPED_TRACE(testing::Message() << path << ", " << int(when));
            showHub(path);
            tick(D::StepBox);
            tick(D::HDRLBox);
            fillParameters();
            device(path).setAnalogCommand(30.0);
            startRun();
            ASSERT_EQ(tree().selectedPageCode(), StepTestCode);
            if (when == When::StepUnderWay) {
                clock().advance(3000);
                processEvents();
                ASSERT_TRUE(step().testRunning());
                frame().close();
            } else {
                // The window closes as the hub lists the HDRL's start, before
                // the HDRL page is shown.
                auto* list = hub().controlAs<QListWidget>(D::StatusList);
                QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, &frame(), [this, list] {
                    for (int row = 0; row < list->count(); ++row) {
                        if (list->item(row)->text() == QStringLiteral("HDRL started.") && frame().isVisible())
                            frame().close();
                    }
                });
                runUntil([this] { return !frame().isVisible() || runEnded(); });
            }
            ASSERT_FALSE(frame().isVisible());
            aMinuteLater();
            EXPECT_TRUE(runEnded());
            EXPECT_FALSE(hdrl().running());
            // No HDRL point (the first: digital, 0 %) went to the device.
            for (const QString& sent : framesOf(203, path))
                EXPECT_NE(sent, QStringLiteral("CB 03 40 00 00"));
            EXPECT_FALSE(device(path).statusActive(2)) << "digital command mode";
            EXPECT_FALSE(device(path).statusActive(5)) << "signature in progress";
            EXPECT_NEAR(device(path).valve().positionPercent(), 30.0, 1.5);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

// How the user stopped the first run, and the run it stopped.
enum class StopBy { PageStop, LeavingForTheDashboard, ChoosingTheHub };
struct EarlierRun {
    const char* what;
    std::vector<int> boxes;
    int stoppedPage; // the test under way when the user stops
    StopBy how;
};

TEST_F(MultiTestUserStopTest, ANewRunAfterAStopRunsEveryTickedTestAndSavesOnlyWhatItRan)
{
    const EarlierRun earlier[] = {
        // A stopped test must not count as done, or the next run skips it.
        { "ramp stopped by its Stop", { D::RampBox, D::HDRLBox }, RampTestCode, StopBy::PageStop },
        // The step completed and starting the HDRL marked the tests before
        // it: flags of the stopped run that the next Start must clear.
        { "HDRL left after the step", { D::StepBox, D::HDRLBox }, HDRLCode, StopBy::LeavingForTheDashboard },
        { "step stopped by choosing the hub", { D::StepBox, D::HDRLBox }, StepTestCode, StopBy::ChoosingTheHub },
    };
    const QString rampStart = QStringLiteral("E9 14 09 0F 41 A0 00 00 42 20 00 00 41 20 00 00 40 00 00 00 00 00");
    for (const char* path : { K40Path, K90Path }) {
        for (const EarlierRun& e : earlier) {
            SCOPED_TRACE(testing::Message() << path << ", " << e.what);
            showHub(path);
            for (int box : e.boxes)
                tick(box);
            fillParameters();
            startRun();
            runUntil([&] { return tree().selectedPageCode() == e.stoppedPage || runEnded(); });
            clock().advance(3000);
            processEvents();
            switch (e.how) {
            case StopBy::PageStop:
                ramp().controlAs<QAbstractButton>(PageStopButton)->click();
                break;
            case StopBy::LeavingForTheDashboard:
                select(DashboardCode);
                processEvents();
                select(DiagnosticCode);
                break;
            case StopBy::ChoosingTheHub:
                select(DiagnosticCode);
                break;
            }
            processEvents();
            ASSERT_TRUE(runEnded());
            ASSERT_EQ(tree().selectedPageCode(), DiagnosticCode);
            EXPECT_EQ(listed().last(), QStringLiteral("Multi tests stopped"));

            // Every box unticked: Start waits for one.
            EXPECT_FALSE(hubEnabled(D::StartButton));
            tick(D::RampBox);
            EXPECT_TRUE(hubEnabled(D::StartButton));
            tick(D::StepBox);
            tick(D::HDRLBox);
            fillParameters();
            device(path).clearRequests();
            prompts().clearRecords();
            startRun();
            prompts().answerMessage(Prompts::IdOk, SaveQuestion);
            for (int k = 0; k < 3; ++k)
                prompts().answerFile(std::nullopt);
            runUntil([this] { return runEnded(); });

            EXPECT_EQ(listed(),
                QStringList({ QStringLiteral("Ramp test started"), QStringLiteral("Ramp test completed"),
                    QStringLiteral("Step test started"), QStringLiteral("Step test completed"),
                    QStringLiteral("HDRL started."), QStringLiteral("HDRL test completed"),
                    QStringLiteral("Finished the selected tests") }));
            // Each ticked test started on the device in this run: the ramp
            // (type 9: 20 to 40 % in 10 s, hold 2 s), the step (type 1: 20 to
            // 60 %, hold 5 s) and the HDRL's first point (digital, 0 %).
            const QStringList starts = framesOf(233, path);
            ASSERT_EQ(starts.size(), 2);
            EXPECT_EQ(starts[0], rampStart);
            EXPECT_TRUE(starts[1].startsWith(QStringLiteral("E9 14 01 0F 41 A0 00 00 42 70 00 00")))
                << starts[1].toStdString();
            EXPECT_EQ(starts[1].mid(48, 11), QStringLiteral("40 A0 00 00"));
            ASSERT_FALSE(framesOf(203, path).isEmpty());
            EXPECT_EQ(framesOf(203, path)[0], QStringLiteral("CB 03 40 00 00"));
            // The save offered the three results of this run, no other.
            QStringList saves;
            for (const ScriptedPrompts::Record& record : prompts().records()) {
                if (record.kind == ScriptedPrompts::Kind::File)
                    saves << record.dialog.title;
            }
            EXPECT_EQ(saves,
                QStringList({ QStringLiteral("Save Ramp Test Results As"), QStringLiteral("Save Step Test Results As"),
                    QStringLiteral("Save HDRL Test Results As") }));
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            EXPECT_FALSE(run().m_bRampDone || run().m_bStepDone || run().m_bPSTDone || run().m_bHDRLDone);
            // The valve is back under its analog command.
            device(path).setAnalogCommand(70.0);
            clock().advance(5000);
            EXPECT_NEAR(device(path).valve().positionPercent(), 70.0, 2.0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

} // namespace
