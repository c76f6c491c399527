// The HDRL test page runs its stepping test on the simulated positioner: the
// settling time check, the 25 steps and their bytes, the readings drawn as
// steps and the results, the simulated valve's hysteresis, Stop, leaving the
// page, a lost reply and the multi-test hand-back.
#include "HDRLTestPageTest.h"

#include "HubHandBack.h"
#include "TypedSettingCases.h"

#include "diagnostics/HDRLTestRules.h"

#include "ui/Pictures.h"

#include <QLabel>

#include <algorithm>

namespace
{

using H = CHDRLTest;

TEST_F(HDRLTestPageTest, SettlingTimeMarksItsValidityAndGatesStart)
{
    showPage();
    const QString tip = QStringLiteral("Please Enter the value between 6 and 2147483");
    const struct {
        const char* text;
        bool valid;
    } cases[] = { { "6", true }, { "5.99", false }, { "6.01", true }, { "5.999", false }, { "", false },
        { "inf", false }, { "6.5abc", false }, { "1e9", false } };
    const QImage validIcon = Pictures::load(139).toImage();
    const QImage invalidIcon = Pictures::load(138).toImage();
    for (const auto& c : cases) {
        hdrl().setWindowText(H::SettlingEdit, QString::fromLatin1(c.text));
        const QLabel* mark = hdrl().controlAs<QLabel>(H::SettlingMark);
        EXPECT_EQ(mark->pixmap().toImage(), c.valid ? validIcon : invalidIcon) << c.text;
        if (!c.valid) {
            EXPECT_EQ(mark->toolTip(), tip) << c.text;
        }
        EXPECT_EQ(enabled(H::StartButton), c.valid) << c.text;
    }

    // During a run a valid value leaves Start disabled.
    hdrl().setWindowText(H::SettlingEdit, QStringLiteral("6"));
    startTest();
    ASSERT_TRUE(hdrl().running());
    hdrl().setWindowText(H::SettlingEdit, QStringLiteral("7"));
    EXPECT_FALSE(enabled(H::StartButton));
    hdrl().OnStop();

    // Activation sets Start from the check.
    hdrl().setWindowText(H::SettlingEdit, QStringLiteral("4"));
    select(DashboardCode);
    select(HDRLCode);
    EXPECT_FALSE(enabled(H::StartButton));
    EXPECT_TRUE(enabled(H::LoadButton));
}

TEST_F(HDRLTestPageTest, OnlyASettlingTimeWhoseWholeTextIsANumberInItsRangeStartsTheRun)
{
    const QString tip = QStringLiteral("Please Enter the value between 6 and 2147483");
    struct Case {
        const char* text;
        qint64 periodMs; // 0: the mark shows and nothing is sent
    };
    std::vector<Case> cases;
    for (const char* text : NotANumberTexts)
        cases.push_back({ text, 0 });
    cases.insert(cases.end(),
        { { "6abc", 0 }, { "5.99", 0 }, { "-1", 0 }, { "2.5", 0 }, { "5.5", 0 }, { "6", 6000 }, { "6.5", 6500 },
            { "2147483", 2147483000 }, { "2147483.01", 0 }, { "99999999", 0 } });
    for (const char* path : { K90Path, K40Path }) {
        showPage(path);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(path) + " \"" + c.text + "\"");
            typeKeys(hdrl(), H::SettlingEdit, c.text);
            EXPECT_EQ(hdrl().windowText(H::SettlingEdit), QString::fromLatin1(c.text)) << "shown as typed";
            EXPECT_EQ(showsRefusedMark(hdrl(), H::SettlingMark), c.periodMs == 0);
            EXPECT_EQ(enabled(H::StartButton), c.periodMs != 0);
            device(path).clearRequests();
            prompts().clearRecords();
            if (c.periodMs == 0) {
                EXPECT_EQ(hdrl().control(H::SettlingMark)->toolTip(), tip);
                // No question is queued: Start must ask none and send nothing.
                hdrl().OnStart();
                EXPECT_TRUE(device(path).requests().empty());
                EXPECT_FALSE(hdrl().running());
                EXPECT_TRUE(logNamesRefusedText(logTexts(), c.text, "Please enter values between 6 and 2147483"));
                continue;
            }
            startTest();
            // Digital mode at the first command point, the next one a settling period later.
            EXPECT_EQ(framesOf(203, path), QStringList { QStringLiteral("CB 03 40 00 00") });
            EXPECT_EQ(clock().dueIn(&hdrl(), H::SettlingTimerId), c.periodMs);
            hdrl().OnStop();
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(HDRLTestPageTest, RulesTruncateAndSaturateTheSettlingTime)
{
    EXPECT_EQ(HDRLTestRules::settlingMs(6.1f), 6099u);
    EXPECT_EQ(HDRLTestRules::settlingMs(7.0f), 7000u);
    EXPECT_EQ(HDRLTestRules::settlingMs(1e12f), 4294967295u);
    EXPECT_EQ(HDRLTestRules::progressMaximum(6.0f), 144);
    EXPECT_EQ(HDRLTestRules::progressMaximum(1e9f), 65535);
    EXPECT_EQ(HDRLTestRules::progressAt(7.0f, 24), 168);
    EXPECT_EQ(HDRLTestRules::startTimeText(QTime(9, 4, 7)), QStringLiteral("09:04:07"));
    EXPECT_EQ(HDRLTestRules::commandWord(62.5), 6250);
    EXPECT_EQ(HDRLTestRules::percentOf(uint16_t(-150)), -1.5f);
}

TEST_F(HDRLTestPageTest, ARunStepsTheCommandEverySettlingPeriodAndRestoresModeAndCommand)
{
    clock().setLocalStart(QDateTime(QDate(2027, 3, 3), QTime(9, 4, 2)));
    showPage();
    driveDigitally(6250);
    clock().advance(2000);
    device().clearRequests();
    hdrl().setWindowText(H::SettlingEdit, QStringLiteral("7"));
    startTest();
    EXPECT_EQ(text(H::StartTimeEdit), QStringLiteral("09:04:07"));
    EXPECT_EQ(bar()->maximum(), 168);
    EXPECT_FALSE(enabled(H::StartButton));
    EXPECT_TRUE(enabled(H::StopButton));
    EXPECT_FALSE(enabled(H::SaveButton));
    EXPECT_EQ(hdrl().settlingMs(), 7000u);
    const IPlotAxisPtr time = hdrl().plot()->XAxisByName(QStringLiteral("Time"));
    EXPECT_EQ(time->GetMin(), 0.0);
    EXPECT_EQ(time->GetSpan(), 168.0);
    const qint64 started = clock().elapsedMs();
    runToCompletion();

    const QStringList writes = framesOf(203);
    ASSERT_EQ(writes.size(), 26);
    const int commands[]
        = { 0, 10, 30, 50, 70, 90, 100, 90, 70, 50, 30, 10, 0, 10, 30, 50, 70, 90, 100, 90, 70, 50, 30, 10, 0 };
    for (int k = 0; k < 25; ++k) {
        const int word = commands[k] * 100;
        EXPECT_EQ(writes[k],
            QStringLiteral("CB 03 40 %1 %2")
                .arg(word >> 8, 2, 16, QLatin1Char('0'))
                .arg(word & 0xFF, 2, 16, QLatin1Char('0'))
                .toUpper())
            << k;
    }
    EXPECT_EQ(writes[25], QStringLiteral("CB 03 40 18 6A"));
    // One status read before the first write, then one per settling period.
    const std::vector<qint64> reads = timesOf(202);
    const std::vector<qint64> steps = timesOf(203);
    ASSERT_GE(reads.size(), 26u);
    EXPECT_EQ(reads.front(), started);
    // The simulated link answers at once: each step, and the restore after
    // the 25th reading, comes exactly one settling period after the last,
    // each just after a status read.
    for (int k = 1; k <= 25; ++k) {
        EXPECT_EQ(steps[size_t(k)] - steps[size_t(k - 1)], 7000) << k;
        EXPECT_NE(std::find(reads.begin(), reads.end(), steps[size_t(k)]), reads.end()) << k;
    }
    EXPECT_EQ(bar()->value(), 168);

    // The readings as steps at k × 7 s, and five points in each cycle channel.
    const IPlotChannelPtr position = channel("Position");
    const IPlotChannelPtr command = channel("Command");
    ASSERT_EQ(position->Count(), 49);
    ASSERT_EQ(command->Count(), 49);
    for (int k = 0; k < 25; ++k) {
        EXPECT_EQ(command->GetX(2 * k), 7.0 * k);
        EXPECT_EQ(command->GetY(2 * k), commands[k]);
        EXPECT_NEAR(position->GetY(2 * k), commands[k], 3.0) << k;
        if (k > 0) {
            EXPECT_EQ(command->GetX(2 * k - 1), 7.0 * k);
            EXPECT_EQ(command->GetY(2 * k - 1), commands[k - 1]);
            EXPECT_EQ(position->GetY(2 * k - 1), position->GetY(2 * k - 2));
        }
    }
    for (const char* cycle : { "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr", "2ndCycle-Decr" })
        EXPECT_EQ(channel(cycle)->Count(), 5) << cycle;
    EXPECT_EQ(channel("2ndCycle-Decr")->GetX(0), 90.0);
    EXPECT_EQ(channel("2ndCycle-Decr")->GetX(4), 10.0);
    EXPECT_EQ(channel("AverageError")->Count(), 5);
    EXPECT_EQ(channel("LeastSquareLine")->Count(), 5);
    for (int edit : { H::HysDeadAverageEdit, H::HysDeadMaximumEdit, H::RepeatAverageEdit, H::RepeatMaximumEdit })
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$")).match(text(edit)).hasMatch()) << edit;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d{4}$")).match(text(H::LinearityEdit)).hasMatch());
    EXPECT_TRUE(enabled(H::StartButton));
    EXPECT_FALSE(enabled(H::StopButton));
    EXPECT_EQ(device().requestsFor(203).size(), 26u);
}

TEST_F(HDRLTestPageTest, TheSimulatedValvesFrictionShowsAsHysteresis)
{
    const auto hysteresis = [this](double friction) {
        showPage();
        setFriction(friction);
        startTest();
        runToCompletion();
        const double average = text(H::HysDeadAverageEdit).toDouble();
        m_app.reset();
        SimTestHooks::reset();
        return average;
    };
    const double defaultFriction = ValveModelParams {}.staticFrictionLbf;
    const double usual = hysteresis(defaultFriction);
    const double doubled = hysteresis(2 * defaultFriction);
    EXPECT_GT(usual, 0.1);
    EXPECT_GT(doubled, usual);
}

TEST_F(HDRLTestPageTest, StopAndLeavingThePageRestoreModeAndCommandAtOnce)
{
    showPage();
    startTest();
    clock().advance(9 * 6000 + 500); // point 9 is settling
    ASSERT_EQ(hdrl().pointIndex(), 9);
    device().clearRequests();
    hdrl().OnStop();
    EXPECT_EQ(framesOf(203), QStringList { QStringLiteral("CB 03 00 13 88") });
    EXPECT_EQ(channel("Position")->Count(), 0);
    clock().advance(20000);
    EXPECT_TRUE(framesOf(203).size() == 1u);
    EXPECT_TRUE(enabled(H::StartButton));

    // Start begins again at point 0 on a cleared plot.
    device().clearRequests();
    startTest();
    EXPECT_EQ(hdrl().pointIndex(), 0);
    ASSERT_EQ(framesOf(203).size(), 1);
    EXPECT_EQ(framesOf(203)[0], QStringLiteral("CB 03 40 00 00"));

    // Leaving mid-run restores before the next page shows.
    clock().advance(3 * 6000 + 500);
    device().clearRequests();
    select(DashboardCode);
    ASSERT_FALSE(framesOf(203).isEmpty());
    EXPECT_EQ(framesOf(203)[0], QStringLiteral("CB 03 00 13 88"));
    EXPECT_FALSE(hdrl().running());
}

TEST_F(HDRLTestPageTest, ALostStatusReplyRepeatsThePreviousPositionWithALogLine)
{
    showPage();
    startTest();
    clock().advance(21000); // readings 0, 1, 2 and the strip's own read taken
    ASSERT_EQ(hdrl().pointIndex(), 3);
    // The last position the device data holds (the strip's own read).
    const float lastKnown = float(int16_t(data().Position)) * 0.01f;
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 202);
    runToCompletion();
    EXPECT_EQ(hdrl().readings()[3], lastKnown);
    EXPECT_EQ(channel("Position")->Count(), 49);
    EXPECT_TRUE(logTexts().filter(QStringLiteral("previous position repeated")).size() == 1)
        << logTexts().join('\n').toStdString();
}

TEST_F(HDRLTestPageTest, MultiTestRunTakesTheHubsSettlingTimeStartsUnaskedAndHandsBack)
{
    for (bool stop : { false, true }) {
        start({ QStringLiteral("/dSim/K90/PV-101") });
        clock().advance(2000);
        MultiTestRun& run = app().multiTest();
        ASSERT_TRUE(run.SetHDRLSettlingTime);
        run.SetHDRLSettlingTime(QStringLiteral("9"));
        run.m_bMultiTestRunning = true;
        prompts().clearRecords();
        tickOnlyOnHub(page<CDiagnosticsMain>(), prompts(), CDiagnosticsMain::HDRLBox, !stop);
        select(HDRLCode);
        EXPECT_EQ(text(H::SettlingEdit), QStringLiteral("9"));
        EXPECT_TRUE(prompts().messages().empty());
        EXPECT_TRUE(hdrl().running());
        EXPECT_EQ(hdrl().settlingMs(), 9000u);
        const MultiTestPage* offered = run.page(MultiTest::HDRL);
        ASSERT_NE(offered, nullptr);
        EXPECT_EQ(offered->plot().get(), hdrl().plot().get());
        if (stop) {
            clock().advance(20000);
            hdrl().OnStop();
        } else {
            runToCompletion();
        }
        processEvents();
        EXPECT_EQ(run.m_TestStatusList.lines(),
            stop ? QStringList({ QStringLiteral("HDRL test stopped"), RunStoppedLine })
                 : QStringList({ QStringLiteral("HDRL test completed"), RunFinishedLine }));
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        EXPECT_FALSE(hdrl().running()) << "the test marked done is not started again";
        EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode);
        if (!stop) {
            EXPECT_EQ(offered->reportTexts().size(), 6);
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(HDRLTestPageTest, LeavingDuringAMultiTestRunRestoresTheValveAndEndsTheRunOnTheChosenPage)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    MultiTestRun& run = app().multiTest();
    run.m_bMultiTestRunning = true;
    tickOnlyOnHub(page<CDiagnosticsMain>(), prompts(), CDiagnosticsMain::HDRLBox, false);
    select(HDRLCode);
    clock().advance(8000);
    device().clearRequests();
    select(DashboardCode);
    EXPECT_EQ(device().requestsFor(203).size(), 1u);
    EXPECT_EQ(run.m_TestStatusList.lines(), QStringList({ QStringLiteral("HDRL test stopped"), RunStoppedLine }));
    EXPECT_FALSE(run.m_bHDRLDone) << "a stopped test is not done";
    EXPECT_FALSE(run.m_bMultiTestRunning);
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), DashboardCode);
}

TEST_F(HDRLTestPageTest, CompareGoesToTheHDRLComparePage)
{
    showPage();
    hdrl().OnCompare();
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), 431);
}

TEST_F(HDRLTestPageTest, AGrabbedPageAfterARunShowsThePositionTrace)
{
    showPage();
    startTest();
    runToCompletion();
    hdrl().resize(1200, 900);
    const QImage grabbed = hdrl().grab().toImage();
    bool found = false;
    for (int y = 0; y < grabbed.height() && !found; ++y) {
        for (int x = 0; x < grabbed.width() && !found; ++x)
            found = grabbed.pixelColor(x, y) == QColor(255, 10, 10);
    }
    EXPECT_TRUE(found);
}

} // namespace
