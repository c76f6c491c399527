// The partial stroke test page runs a test on the simulated positioner: its
// settings, the start, the progress poll, the results, the signature
// retrieval, Stop, leaving the page and the multi-test hand-back.
#include "PstPageTest.h"

#include "HubHandBack.h"
#include "TypedSettingCases.h"

#include "ui/Pictures.h"

namespace
{

using P = CPartialStrokeTest;

TEST_F(PstPageTest, SettingsEditsMarkTheirValidityAndStartNeedsAllFour)
{
    showPst();
    const QString positionTip = QStringLiteral("Please enter values between -5 and 105");
    const QString targetTip = QStringLiteral("Please enter values between 0 and 655 in steps of 0.01");
    const QString durationTip = QStringLiteral("Please enter whole numbers between 2 and 655");
    const struct {
        int edit;
        int mark;
        const char* text;
        bool valid;
        const QString& tip;
    } cases[] = {
        { P::StartEdit, P::StartMark, "0", true, positionTip },
        { P::StopEdit, P::StopMark, "-5.2", false, positionTip },
        { P::StopEdit, P::StopMark, "105", true, positionTip },
        { P::TimeToTargetEdit, P::TimeToTargetMark, "", false, targetTip },
        { P::TimeToTargetEdit, P::TimeToTargetMark, "655", true, targetTip },
        { P::TimeToTargetEdit, P::TimeToTargetMark, "655.5", false, targetTip },
        { P::DurationEdit, P::DurationMark, "1.9", false, durationTip },
        { P::DurationEdit, P::DurationMark, "40.5", false, durationTip },
        { P::DurationEdit, P::DurationMark, "655.01", false, durationTip },
    };
    const QImage validIcon = Pictures::load(139).toImage();
    const QImage invalidIcon = Pictures::load(138).toImage();
    for (const auto& c : cases) {
        type("85", "70", "1", "7");
        ASSERT_TRUE(pstEnabled(P::StartButton)) << c.text;
        pst().setWindowText(c.edit, QString::fromLatin1(c.text));
        const QLabel* mark = pst().controlAs<QLabel>(c.mark);
        EXPECT_EQ(mark->pixmap().toImage(), c.valid ? validIcon : invalidIcon) << c.text;
        if (!c.valid) {
            EXPECT_EQ(mark->toolTip(), c.tip) << c.text;
        }
        EXPECT_EQ(pstEnabled(P::StartButton), c.valid) << c.text;
    }
}

TEST_F(PstPageTest, OnlyASettingWhoseWholeTextIsANumberInItsRangeStartsTheTest)
{
    const TypedSettingField start { P::StartEdit, P::StartMark, "Please enter values between -5 and 105" };
    const TypedSettingField stop { P::StopEdit, P::StopMark, "Please enter values between -5 and 105" };
    // The device keeps the time to target in hundredths and the duration in whole seconds.
    const TypedSettingField target { P::TimeToTargetEdit, P::TimeToTargetMark,
        "Please enter values between 0 and 655 in steps of 0.01" };
    const TypedSettingField duration { P::DurationEdit, P::DurationMark,
        "Please enter whole numbers between 2 and 655" };
    // Start 85 %, stop 70 %, time to target 0.29 s, duration 7 s unless the
    // row types another, key by key.
    const std::vector<TypedSettingCase> cases = typedSettingCases({ &start, &stop, &target, &duration },
        {
            { &stop, "90x", nullptr },
            { &start, "105.01", nullptr },
            { &start, "-5", "E9 14 01 0F C0 A0 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 00 1D" },
            { &start, "-1", "E9 14 01 0F BF 80 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 00 1D" },
            { &stop, "5.5", "E9 14 01 0F 42 AA 00 00 40 B0 00 00 00 00 00 00 40 E0 00 00 00 1D" },
            { &target, "-0.01", nullptr },
            { &target, "-0.001", nullptr }, // would be written as 0
            { &target, "-1", nullptr },
            { &target, "0.295", nullptr }, // finer than a hundredth
            { &target, "655.001", nullptr }, // would be written as 655
            { &target, "0", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 00 00" },
            { &target, "2.5", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 00 FA" },
            { &target, "5.5", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 02 26" },
            { &target, "5.55", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 02 2B" },
            { &target, "655", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 FF DC" },
            { &duration, "1.99", nullptr },
            { &duration, "-1", nullptr },
            { &duration, "2.5", nullptr }, // the device would run 2 s
            { &duration, "3.5", nullptr },
            { &duration, "5.5", nullptr },
            { &duration, "655.4", nullptr }, // would be written as 655
            { &duration, "2", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 00 00 00 00 1D" },
            { &duration, "655", "E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 44 23 C0 00 00 1D" },
        });
    for (const char* path : { K90Path, K40Path }) {
        showPst(path);
        for (const TypedSettingCase& c : cases) {
            SCOPED_TRACE(std::string(path) + " \"" + c.text + "\"");
            type("85", "70", "0.29", "7");
            typeKeys(pst(), c.field->edit, c.text);
            EXPECT_EQ(pstText(c.field->edit), QString::fromLatin1(c.text)) << "shown as typed";
            EXPECT_EQ(showsRefusedMark(pst(), c.field->mark), !c.sent);
            EXPECT_EQ(pstEnabled(P::StartButton), bool(c.sent));
            device(path).clearRequests();
            prompts().clearRecords();
            if (!c.sent) {
                EXPECT_EQ(pst().control(c.field->mark)->toolTip(), QString::fromLatin1(c.field->tip));
                // No question is queued: Start must ask none and send nothing.
                pst().StartPartialStrokeTest();
                EXPECT_TRUE(sent(path).isEmpty()) << joined(sent(path));
                EXPECT_FALSE(pst().testRunning());
                EXPECT_TRUE(logNamesRefusedText(logTexts(), c.text, c.field->tip));
                continue;
            }
            startPst();
            EXPECT_EQ(framesOf(233, path), QStringList { QString::fromLatin1(c.sent) });
            pst().StopPartialStrokeTest();
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(PstPageTest, StartAsksThenSendsTheSettingsAndLaysTheAxesOut)
{
    showPst();
    type("85", "70", "0.29", "7");
    prompts().answerMessage(Prompts::IdNo, Movement);
    pst().StartPartialStrokeTest();
    EXPECT_TRUE(sent().isEmpty()) << joined(sent());
    EXPECT_FALSE(pst().testRunning());
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("PV-101 CLIPWELL"));
    EXPECT_EQ(prompts().messages()[0].icon, Prompts::Icon::Question);

    startPst();
    // 0.29 s goes as 29 hundredths, not 28; the duration as whole seconds.
    EXPECT_EQ(framesOf(233),
        QStringList { QStringLiteral("E9 14 01 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 00 1D") });
    EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Test started"));
    const IPlotPtr plot = pst().plot();
    EXPECT_EQ(plot->XAxisByName(QStringLiteral("Time"))->GetTitle(), QStringLiteral("Time [ms]"));
    EXPECT_DOUBLE_EQ(plot->XAxisByName(QStringLiteral("Time"))->GetMin(), 0.0);
    EXPECT_DOUBLE_EQ(plot->XAxisByName(QStringLiteral("Time"))->GetSpan(), 8000.0);
    EXPECT_DOUBLE_EQ(plot->YAxisByName(QStringLiteral("Position"))->GetMin(), 60.0);
    EXPECT_DOUBLE_EQ(plot->YAxisByName(QStringLiteral("Position"))->GetSpan(), 50.0);
    EXPECT_TRUE(pstEnabled(P::StopButton));
    EXPECT_FALSE(pstEnabled(P::StartButton));
    EXPECT_FALSE(pstEnabled(P::RetrieveButton));
}

TEST_F(PstPageTest, ProgressIsPolledUntilTheTestEndsThenTheResultsAreReadOnce)
{
    showPst();
    device().setMiscLong(0x69, 8000);
    type("85", "70", "1", "7");
    select(DashboardCode);
    select(PstCode);
    type("85", "70", "1", "7");
    startPst();
    device().clearRequests();
    // The first poll is lost: no results are read, the poll comes again.
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 200);
    clock().advance(3000);
    EXPECT_TRUE(device().requestsFor(175).empty());
    EXPECT_TRUE(pst().testRunning());
    clock().advance(3000);
    EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Test in progress"));
    scriptData(175, words({ 200, 4000, 0xFFFF }) + QByteArray(1, '\0'));
    runUntil([this] { return !pst().testRunning(); });
    const std::vector<qint64> polls = timesOf(QStringLiteral("200 byte 0x92"));
    ASSERT_GE(polls.size(), 3u);
    for (size_t k = 1; k < polls.size(); ++k)
        EXPECT_EQ(polls[k] - polls[k - 1], 3000) << k;
    EXPECT_EQ(device().requestsFor(175).size(), 1u);
    EXPECT_EQ(pstText(P::BreakAwayTimeEdit), QStringLiteral("2"));
    EXPECT_EQ(pstText(P::BreakAwayPressureEdit), QStringLiteral(" 32.00"));
    EXPECT_EQ(pstText(P::TimeToTargetResultEdit), QStringLiteral(" - "));
    EXPECT_EQ(pstText(P::ResultEdit), QStringLiteral("Fail"));
    EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_TRUE(pstEnabled(P::RetrieveButton));
    EXPECT_FALSE(pstEnabled(P::StopButton));
}

TEST_F(PstPageTest, ALostResultsReplyLeavesTheResultsEmptyWithALogLine)
{
    showPst();
    type("85", "70", "1", "7");
    startPst();
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 175);
    runUntil([this] { return !pst().testRunning(); });
    for (int id : { P::BreakAwayTimeEdit, P::BreakAwayPressureEdit, P::TimeToTargetResultEdit, P::ResultEdit })
        EXPECT_EQ(pstText(id), QString()) << id;
    EXPECT_EQ(logTexts().filter(QStringLiteral("no 175 reply")).size(), 1);
    EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_TRUE(pstEnabled(P::RetrieveButton));
}

TEST_F(PstPageTest, RetrievalReadsABlockEvery3000msAndEndsAfterTheLastBlock)
{
    showPst();
    type("85", "70", "0.29", "7");
    startPst();
    runUntil([this] { return !pst().testRunning(); });
    device().clearRequests();
    const qint64 asked = clock().elapsedMs();
    pst().StartSignatureRetrieval();
    EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Retrieve started"));
    runUntil([this] { return !pst().retrieving(); });
    const std::vector<qint64> blocks = timesOf(QStringLiteral("252"));
    ASSERT_EQ(blocks.size(), 104u);
    EXPECT_EQ(blocks[0] - asked, 10000);
    for (size_t k = 1; k < blocks.size(); ++k)
        ASSERT_EQ(blocks[k] - blocks[k - 1], 3000) << k;
    EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Signature retrieved"));
    for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" }) {
        const IPlotChannelPtr c = pstChannel(name);
        ASSERT_EQ(c->Count(), 208) << name;
        for (int n : { 0, 1, 103, 207 })
            EXPECT_NEAR(c->GetX(n), n * 8000.0 / 208, 1e-9) << name << " " << n;
    }
    // Idle again.
    EXPECT_TRUE(pstEnabled(P::StartButton));
    EXPECT_FALSE(pstEnabled(P::StopButton));
    EXPECT_FALSE(pstEnabled(P::RetrieveButton));
}

TEST_F(PstPageTest, ALostBlockLeavesTwoEmptyPlacesAndALogLine)
{
    showPst();
    type("85", "70", "1", "7");
    startPst();
    runUntil([this] { return !pst().testRunning(); });
    pst().StartSignatureRetrieval();
    clock().advance(10000 + 3000);
    ASSERT_EQ(pstChannel("Position")->Count(), 4);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 252);
    clock().advance(3000);
    EXPECT_EQ(pstChannel("Position")->Count(), 4);
    EXPECT_EQ(logTexts().filter(QStringLiteral("samples 4 and 5 left empty")).size(), 1);
    clock().advance(3000);
    ASSERT_EQ(pstChannel("Position")->Count(), 6);
    EXPECT_NEAR(pstChannel("Position")->GetX(4), 6 * 8000.0 / 208, 1e-9);
}

TEST_F(PstPageTest, MoreFrictionBreaksAwayLaterAtAPressureFurtherFromRest)
{
    // Port 1 fills to open the valve and vents to close it: with twice the
    // friction the stem waits longer, and the pressure at movement lies
    // further from where it rested, above it opening and below it closing.
    const struct {
        const char* start;
        const char* stop;
        bool closing;
    } cases[] = { { "85", "70", true }, { "70", "85", false } };
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> results;
        for (double factor : { 1.0, 2.0 }) {
            showPst();
            setFriction(device().physics().staticFrictionLbf * factor);
            type(c.start, c.stop, "5", "7");
            startPst();
            runUntil([this] { return !pst().testRunning(); });
            results.emplace_back(data().PstInfo.Values[0], data().PstInfo.Values[1]);
            pst().StartSignatureRetrieval();
            runUntil([this] { return !pst().retrieving(); });
            const IPlotChannelPtr position = pstChannel("Position");
            ASSERT_EQ(position->Count(), 208);
            const double start = QByteArray(c.start).toDouble();
            const double stop = QByteArray(c.stop).toDouble();
            EXPECT_NEAR(position->GetY(0), start, 2.0) << c.start << " x" << factor;
            EXPECT_LT(std::abs(position->GetY(207) - stop), 5.0) << c.start << " x" << factor;
            m_app.reset();
        }
        EXPECT_GT(results[1].first, results[0].first) << c.start;
        if (c.closing) {
            EXPECT_LT(results[1].second, results[0].second) << c.start;
        } else {
            EXPECT_GT(results[1].second, results[0].second) << c.start;
        }
    }
}

TEST_F(PstPageTest, StopAndLeavingThePageEndTheTestOnTheDevice)
{
    for (bool leave : { false, true }) {
        showPst();
        type("85", "70", "1", "7");
        startPst();
        clock().advance(3000);
        device().clearRequests();
        if (leave)
            select(DashboardCode);
        else
            pst().StopPartialStrokeTest();
        ASSERT_EQ(framesOf(233).size(), 1u) << leave;
        EXPECT_TRUE(framesOf(233)[0].startsWith(QStringLiteral("E9 14 00 0F"))) << framesOf(233)[0].toStdString();
        EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Stopped"));
        EXPECT_FALSE(pst().testRunning());
        device().clearRequests();
        clock().advance(10000);
        EXPECT_TRUE(timesOf(QStringLiteral("200 byte 0x92")).empty()) << leave;
        m_app.reset();
    }
}

TEST_F(PstPageTest, MultiTestRunStartsUnaskedRetrievesAndHandsBack)
{
    const struct {
        const char* what;
        bool stop;
        const char* line;
    } cases[] = { { "completed", false, "PST completed" }, { "stopped", true, "PST stopped" } };
    for (const auto& c : cases) {
        start({ QStringLiteral("/dSim/K90/PV-101") });
        clock().advance(2000);
        MultiTestRun& run = app().multiTest();
        run.m_bMultiTestRunning = true;
        prompts().clearRecords();
        tickOnlyOnHub(page<CDiagnosticsMain>(), prompts(), CDiagnosticsMain::PSTBox, !c.stop);
        data().SigSettings.Floats = { 80.0f, 65.0f, 0.0f, 6.0f };
        data().SigSettings.Word = 250;
        device().clearRequests();
        select(PstCode);
        EXPECT_EQ(pstText(P::StartEdit), QStringLiteral("80")) << c.what;
        EXPECT_EQ(pstText(P::StopEdit), QStringLiteral("65")) << c.what;
        EXPECT_EQ(pstText(P::TimeToTargetEdit), QStringLiteral("2.5")) << c.what;
        EXPECT_EQ(pstText(P::DurationEdit), QStringLiteral("6")) << c.what;
        EXPECT_TRUE(prompts().messages().empty()) << c.what;
        EXPECT_TRUE(pst().testRunning()) << c.what;
        EXPECT_TRUE(device().requestsFor(253).empty()) << c.what;
        const MultiTestPage* offered = run.page(MultiTest::PartialStroke);
        ASSERT_NE(offered, nullptr);
        EXPECT_EQ(offered->plot().get(), pst().plot().get());
        if (c.stop) {
            clock().advance(3000);
            pst().StopPartialStrokeTest();
        } else {
            runUntil([this] { return !pst().testRunning(); });
            // The retrieval follows by itself.
            EXPECT_TRUE(pst().retrieving()) << c.what;
            runUntil([this] { return !pst().retrieving(); });
            EXPECT_EQ(pstChannel("Position")->Count(), 208);
        }
        processEvents();
        EXPECT_EQ(run.m_TestStatusList.lines(),
            QStringList({ QString::fromLatin1(c.line), c.stop ? RunStoppedLine : RunFinishedLine }))
            << c.what;
        EXPECT_EQ(prompts().pendingAnswers(), 0) << c.what;
        EXPECT_EQ(device().requestsFor(233).size(), c.stop ? 2u : 1u) << "the test marked done is not started again";
        EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode) << c.what;
        m_app.reset();
    }
}

TEST_F(PstPageTest, ARunLeftBeforeItsRetrievalIsRetrievedOnComingBack)
{
    // The device keeps a completed test's signature until it is read out or
    // another test starts: coming back to the page offers it again, unless
    // it has gone.
    enum class Meanwhile { Nothing, StepTest, RetrievalCutShort };
    const struct {
        const char* what;
        Meanwhile meanwhile;
        bool offered;
    } cases[] = {
        { "left before Retrieve", Meanwhile::Nothing, true },
        { "a step test ran meanwhile", Meanwhile::StepTest, false },
        { "its retrieval was cut short by leaving", Meanwhile::RetrievalCutShort, false },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(path) + ", " + c.what);
            showPst(path);
            type("85", "70", "0.29", "7");
            startPst();
            runUntil([this] { return !pst().testRunning(); });
            ASSERT_TRUE(pstEnabled(P::RetrieveButton));
            const QString result = pstText(P::ResultEdit);
            ASSERT_FALSE(result.isEmpty());
            if (c.meanwhile == Meanwhile::RetrievalCutShort) {
                pst().controlAs<QAbstractButton>(P::RetrieveButton)->click();
                clock().advance(10000 + 3000);
                ASSERT_EQ(pstChannel("Position")->Count(), 4);
            }
            if (c.meanwhile == Meanwhile::StepTest) {
                select(StepTestCode);
                typeSettings("30", "70", "6");
                startTest();
                runToCompletion();
            } else {
                select(DashboardCode);
            }
            clock().advance(5000);

            select(PstCode);
            EXPECT_EQ(pstEnabled(P::RetrieveButton), c.offered);
            if (!c.offered) {
                m_app.reset();
                continue;
            }
            EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Test completed"));
            EXPECT_EQ(pstText(P::ResultEdit), result) << "the run's results stay";
            EXPECT_EQ(pstChannel("Position")->Count(), 0);

            device(path).clearRequests();
            const qint64 asked = clock().elapsedMs();
            pst().controlAs<QAbstractButton>(P::RetrieveButton)->click();
            runUntil([this] { return !pst().retrieving(); });
            const std::vector<qint64> blocks = timesOf(QStringLiteral("252"), path);
            ASSERT_EQ(blocks.size(), 104u);
            EXPECT_EQ(blocks[0] - asked, 10000);
            EXPECT_EQ(pstText(P::StatusEdit), QStringLiteral("Signature retrieved"));
            for (const char* name : { "Position", "Command", "Port1", "ILCmd", "ILPOS" }) {
                const IPlotChannelPtr channel = pstChannel(name);
                ASSERT_EQ(channel->Count(), 208) << name;
                for (int n : { 0, 1, 103, 207 })
                    EXPECT_NEAR(channel->GetX(n), n * 8000.0 / 208, 1e-9) << name << " " << n;
            }
            const IPlotChannelPtr position = pstChannel("Position");
            EXPECT_NEAR(position->GetY(0), 85.0, 2.0);
            EXPECT_LT(std::abs(position->GetY(207) - 70.0), 5.0);
            EXPECT_FALSE(pstEnabled(P::RetrieveButton)) << "a signature is read back once";
            m_app.reset();
        }
    }
}

} // namespace
