// The ramp test page runs a ramp on the simulated positioner: its settings,
// the start, the status poll, the block by block retrieval, the reverse ramp
// of a bi-directional test, Stop, leaving the page, the multi-test hand-back
// and the device's faults.
#include "RampTestPageTest.h"

#include "HubHandBack.h"
#include "TypedSettingCases.h"

#include "ui/Pictures.h"

#include <string>

namespace
{

using Ramp = CRampTest;

TEST_F(RampTestPageTest, SettingsEditsMarkTheirValidityAndStartNeedsAllFour)
{
    showRampPage();
    const QString positionTip = QStringLiteral("Please enter values between -5 and 105");
    const QString holdTip = QStringLiteral("Please enter values between 2 and 30");
    const QString durationTip = QStringLiteral("Please enter values between 1 and 300");
    const struct {
        int edit;
        int mark;
        const char* text;
        bool valid;
        const QString& tip;
    } cases[] = {
        { Ramp::StartEdit, Ramp::StartMark, "-5.01", false, positionTip },
        { Ramp::StartEdit, Ramp::StartMark, "40x", false, positionTip },
        { Ramp::StartEdit, Ramp::StartMark, "-5", true, positionTip },
        { Ramp::StopEdit, Ramp::StopMark, "105.5", false, positionTip },
        { Ramp::StopEdit, Ramp::StopMark, "", false, positionTip },
        { Ramp::HoldEdit, Ramp::HoldMark, "1.99", false, holdTip },
        { Ramp::HoldEdit, Ramp::HoldMark, "30.01", false, holdTip },
        { Ramp::HoldEdit, Ramp::HoldMark, "29.5", true, holdTip },
        { Ramp::HoldEdit, Ramp::HoldMark, "", false, holdTip },
        { Ramp::DurationEdit, Ramp::DurationMark, "0.99", false, durationTip },
        { Ramp::DurationEdit, Ramp::DurationMark, "", false, durationTip },
        { Ramp::DurationEdit, Ramp::DurationMark, "1", true, durationTip },
        { Ramp::DurationEdit, Ramp::DurationMark, "300", true, durationTip },
    };
    const QImage validIcon = Pictures::load(139).toImage();
    const QImage invalidIcon = Pictures::load(138).toImage();
    for (const auto& c : cases) {
        typeRamp("30", "70", "6", "20", true);
        ASSERT_TRUE(rampEnabled(Ramp::StartButton)) << c.text;
        ramp().setWindowText(c.edit, QString::fromLatin1(c.text));
        const QLabel* mark = ramp().controlAs<QLabel>(c.mark);
        EXPECT_EQ(mark->pixmap().toImage(), c.valid ? validIcon : invalidIcon) << c.text;
        if (!c.valid) {
            EXPECT_EQ(mark->toolTip(), c.tip) << c.text;
        }
        EXPECT_EQ(rampEnabled(Ramp::StartButton), c.valid) << c.text;
    }
}

TEST_F(RampTestPageTest, OnlyASettingWhoseWholeTextIsANumberInItsRangeStartsTheRamp)
{
    const TypedSettingField start { Ramp::StartEdit, Ramp::StartMark, "Please enter values between -5 and 105" };
    const TypedSettingField stop { Ramp::StopEdit, Ramp::StopMark, "Please enter values between -5 and 105" };
    // The device keeps the hold and the duration as floats: fractions are taken.
    const TypedSettingField hold { Ramp::HoldEdit, Ramp::HoldMark, "Please enter values between 2 and 30" };
    const TypedSettingField duration { Ramp::DurationEdit, Ramp::DurationMark,
        "Please enter values between 1 and 300" };
    // Start 15 %, stop 85 %, hold 3 s, duration 40 s unless the row types another, key by key.
    const std::vector<TypedSettingCase> cases = typedSettingCases({ &start, &stop, &hold, &duration },
        {
            { &start, "-5.01", nullptr },
            { &start, "-1", "E9 14 09 0F BF 80 00 00 42 AA 00 00 42 20 00 00 40 40 00 00 00 00" },
            { &start, "5.5", "E9 14 09 0F 40 B0 00 00 42 AA 00 00 42 20 00 00 40 40 00 00 00 00" },
            { &stop, "105", "E9 14 09 0F 41 70 00 00 42 D2 00 00 42 20 00 00 40 40 00 00 00 00" },
            { &stop, "105.00000001", nullptr }, // 105 in single precision
            { &hold, "30.01", nullptr },
            { &hold, "1.99999999", nullptr }, // 2 in single precision
            { &hold, "-1", nullptr },
            { &hold, "-5", nullptr },
            { &hold, "2", "E9 14 09 0F 41 70 00 00 42 AA 00 00 42 20 00 00 40 00 00 00 00 00" },
            { &hold, "2.5", "E9 14 09 0F 41 70 00 00 42 AA 00 00 42 20 00 00 40 20 00 00 00 00" },
            { &hold, "5.5", "E9 14 09 0F 41 70 00 00 42 AA 00 00 42 20 00 00 40 B0 00 00 00 00" },
            { &hold, "30", "E9 14 09 0F 41 70 00 00 42 AA 00 00 42 20 00 00 41 F0 00 00 00 00" },
            { &duration, "0.99", nullptr },
            { &duration, "-1", nullptr },
            { &duration, "1", "E9 14 09 0F 41 70 00 00 42 AA 00 00 3F 80 00 00 40 40 00 00 00 00" },
            { &duration, "2.5", "E9 14 09 0F 41 70 00 00 42 AA 00 00 40 20 00 00 40 40 00 00 00 00" },
            { &duration, "300", "E9 14 09 0F 41 70 00 00 42 AA 00 00 43 96 00 00 40 40 00 00 00 00" },
        });
    for (const char* path : { K90Path, K40Path }) {
        showRampPage(path);
        for (const TypedSettingCase& c : cases) {
            SCOPED_TRACE(std::string(path) + " \"" + c.text + "\"");
            typeRamp("15", "85", "3", "40", false);
            typeKeys(ramp(), c.field->edit, c.text);
            EXPECT_EQ(rampText(c.field->edit), QString::fromLatin1(c.text)) << "shown as typed";
            EXPECT_EQ(showsRefusedMark(ramp(), c.field->mark), !c.sent);
            EXPECT_EQ(rampEnabled(Ramp::StartButton), bool(c.sent));
            device(path).clearRequests();
            prompts().clearRecords();
            if (!c.sent) {
                EXPECT_EQ(ramp().control(c.field->mark)->toolTip(), QString::fromLatin1(c.field->tip));
                // No question is queued: Start must ask none and send nothing.
                ramp().StartRampTest();
                EXPECT_TRUE(sent(path).isEmpty()) << joined(sent(path));
                EXPECT_FALSE(ramp().testRunning());
                EXPECT_TRUE(logNamesRefusedText(logTexts(), c.text, c.field->tip));
                continue;
            }
            startRamp();
            EXPECT_EQ(framesOf(233, path), QStringList { QString::fromLatin1(c.sent) });
            ramp().StopRampTest();
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(RampTestPageTest, StoredDurationAndHoldAreRaisedToTwoAndShownUnmarked)
{
    // 253: type, mode, start 20, stop 60, float 3 = 1.5, float 4 (the hold), u16.
    const struct {
        const char* path;
        const char* storedHold;
    } cases[] = { { K90Path, "3F800000" }, { K40Path, "3F800000" }, { K90Path, "3F000000" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " hold " + c.storedHold);
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        clock().advance(2000);
        scriptData(253,
            QByteArray::fromHex(QByteArray("090F41A00000427000003FC00000") + c.storedHold + QByteArray("0000")),
            c.path);
        select(RampTestCode);
        EXPECT_EQ(rampText(Ramp::StartEdit), QStringLiteral("20"));
        EXPECT_EQ(rampText(Ramp::StopEdit), QStringLiteral("60"));
        EXPECT_EQ(rampText(Ramp::DurationEdit), QStringLiteral("2"));
        EXPECT_EQ(rampText(Ramp::HoldEdit), QStringLiteral("2"));
        for (int mark : { Ramp::StartMark, Ramp::StopMark, Ramp::HoldMark, Ramp::DurationMark })
            EXPECT_EQ(ramp().controlAs<QLabel>(mark)->pixmap().toImage(), Pictures::load(139).toImage()) << mark;
        EXPECT_TRUE(rampEnabled(Ramp::StartButton));
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(RampTestPageTest, StartAsksFirstThenSendsTheRampAndSeedsThePlot)
{
    showRampPage();
    typeRamp("15", "85", "3", "40", false);
    prompts().answerMessage(Prompts::IdNo);
    ramp().StartRampTest();
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, MovementText);
    EXPECT_EQ(prompts().messages()[0].icon, Prompts::Icon::Question);
    EXPECT_TRUE(sent().isEmpty()) << joined(sent());
    EXPECT_FALSE(ramp().testRunning());

    startRamp();
    EXPECT_EQ(joined(sent()), "233, 204, 200 word 0x12, 200 word 0x34, 202");
    EXPECT_EQ(
        framesOf(233).value(0), QStringLiteral("E9 14 09 0F 41 70 00 00 42 AA 00 00 42 20 00 00 40 40 00 00 00 00"));
    EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test started"));
    // The axes fit the seed alone: one instant, 0 s, with room after it to
    // the next label of 0.005 s; the position 15 % inside the stroke.
    const IPlotAxisPtr time = ramp().plot()->XAxisByName(QStringLiteral("Time"));
    EXPECT_DOUBLE_EQ(time->GetMin(), 0.0);
    EXPECT_DOUBLE_EQ(time->GetMax(), 0.04);
    const IPlotAxisPtr position = ramp().plot()->YAxisByName(QStringLiteral("Position"));
    EXPECT_DOUBLE_EQ(position->GetMin(), 0.0);
    EXPECT_DOUBLE_EQ(position->GetMax(), 100.0);
    EXPECT_EQ(rampProgressMaximum(), 207);
    EXPECT_EQ(ramp().directionCode(), RampTestRules::Opening);
    // The seed: sample 0 of the time channels and of the opening channels only.
    EXPECT_EQ(xy("Position")->Count(), 1);
    EXPECT_DOUBLE_EQ(xy("Position")->GetY(0), 15.0);
    EXPECT_EQ(xy("PvPPort1")->Count(), 1);
    EXPECT_DOUBLE_EQ(xy("PvPPort1")->GetX(0), 15.0);
    EXPECT_EQ(xy("PvPPort1_2")->Count(), 0);
    for (int id : { Ramp::LoadButton, Ramp::SaveButton, Ramp::StartButton, Ramp::CompareButton, Ramp::PrintButton })
        EXPECT_FALSE(rampEnabled(id)) << id;
    EXPECT_TRUE(rampEnabled(Ramp::StopButton));
    EXPECT_TRUE(device().signatureRunning());
}

TEST_F(RampTestPageTest, AOneWayRampIsPolledThenReadInExactly104BlocksASecondApart)
{
    showRampPage();
    typeRamp("15", "85", "3", "40", false);
    startRamp();
    const qint64 t0 = device().requests().back().timeMs;
    // A lost poll reply starts nothing; the next poll asks again.
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 200);
    clock().advance(1000);
    EXPECT_TRUE(timesOf(QStringLiteral("252")).empty());
    clock().advance(2000);
    EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Signature in progress"));
    EXPECT_TRUE(framesOf(200).contains(QStringLiteral("C8 03 92 F6 FE")));
    runRampToCompletion();
    const std::vector<qint64> polls = timesOf(QStringLiteral("200 byte 0x92"));
    ASSERT_GE(polls.size(), 3u);
    EXPECT_EQ(polls[1] - polls[0], 1000);
    // The device records 44 s: the poll that finds it done comes after that.
    EXPECT_GE(polls.back() - t0, 44000);
    const std::vector<qint64> reads = timesOf(QStringLiteral("252"));
    ASSERT_EQ(reads.size(), 104u);
    EXPECT_EQ(reads[0] - polls.back(), 1000);
    for (size_t k = 1; k < reads.size(); ++k)
        ASSERT_EQ(reads[k] - reads[k - 1], 1000) << k;
    for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" }) {
        ASSERT_EQ(xy(name)->Count(), 209) << name;
        EXPECT_DOUBLE_EQ(xy(name)->GetX(2), 2 * 44.0 / 208) << name;
        EXPECT_DOUBLE_EQ(xy(name)->GetX(208), 44.0) << name;
    }
    for (const char* name : { "PvPPort1", "PosnvCmdOpen", "ILPosnvCmdOpen" })
        EXPECT_EQ(xy(name)->Count(), 209) << name;
    for (const char* name : { "PvPPort1_2", "PosnvCmdClose", "ThrustOpen", "Friction" })
        EXPECT_EQ(xy(name)->Count(), 0) << name;
    // The valve followed the ramp to its stop.
    EXPECT_NEAR(xy("Position")->GetY(208), 85.0, 1.5);
    EXPECT_NEAR(xy("Position")->GetY(0), 15.0, 1.5);
    EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed"));
    // One way finds no spring: shown as its saved file shows it.
    for (int id : { Ramp::SpringRateEdit, Ramp::SpringInitialEdit, Ramp::SpringFinalEdit })
        EXPECT_EQ(rampText(id), QStringLiteral(" - ")) << id;
    EXPECT_EQ(rampProgress(), 207);
    for (int id : { Ramp::LoadButton, Ramp::SaveButton, Ramp::StartButton, Ramp::CompareButton, Ramp::PrintButton })
        EXPECT_TRUE(rampEnabled(id)) << id;
    EXPECT_FALSE(rampEnabled(Ramp::StopButton));
    // A one-way ramp restores nothing.
    EXPECT_EQ(framesOf(233).size(), 1);
}

TEST_F(RampTestPageTest, ALost252LeavesTwoEmptyPositionsAndALogLine)
{
    showRampPage();
    typeRamp("15", "85", "3", "40", false);
    startRamp();
    for (int k = 0; k < 60 && timesOf(QStringLiteral("252")).size() < 10; ++k)
        clock().advance(1000);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 252);
    runRampToCompletion();
    EXPECT_EQ(timesOf(QStringLiteral("252")).size(), 104u);
    EXPECT_EQ(xy("Position")->Count(), 207);
    // The gap sits at samples 21 and 22: the last sample keeps its time.
    EXPECT_DOUBLE_EQ(xy("Position")->GetX(206), 44.0);
    EXPECT_DOUBLE_EQ(xy("Position")->GetX(21) - xy("Position")->GetX(20), 3 * 44.0 / 208);
    EXPECT_TRUE(
        logTexts().join(QLatin1Char('\n')).contains(QStringLiteral("block not read, samples 21 and 22 left empty")));
}

TEST_F(RampTestPageTest, ABidirectionalRampRunsTheReverseRestoresTheSettingsAndAnalyses)
{
    showRampPage();
    typeRamp("25", "75", "4", "30", true);
    startRamp();
    EXPECT_EQ(rampProgressMaximum(), 415);
    EXPECT_DOUBLE_EQ(ramp().totalTime(), 70.0);
    runRampToCompletion();
    const QStringList starts = framesOf(233);
    ASSERT_EQ(starts.size(), 3);
    EXPECT_EQ(starts[0], QStringLiteral("E9 14 09 0F 41 C8 00 00 42 96 00 00 41 F0 00 00 40 80 00 00 00 00"));
    EXPECT_EQ(starts[1], QStringLiteral("E9 14 09 0F 42 96 00 00 41 C8 00 00 41 F0 00 00 40 80 00 00 00 00"));
    EXPECT_EQ(starts[2], QStringLiteral("E9 14 00 0F 41 C8 00 00 42 96 00 00 00 00 00 00 40 80 00 00 00 00"));
    EXPECT_EQ(timesOf(QStringLiteral("252")).size(), 208u);
    EXPECT_EQ(framesOf(200).filter(QStringLiteral("C8 03 38 F6 FE")).size(), 1);
    ASSERT_EQ(xy("Position")->Count(), 417);
    for (int i : { 209, 300, 416 })
        EXPECT_DOUBLE_EQ(xy("Position")->GetX(i), i * 70.0 / 416) << i;
    EXPECT_EQ(xy("PvPPort1")->Count(), 209);
    EXPECT_EQ(xy("PvPPort1_2")->Count(), 208);
    ASSERT_GT(xy("ThrustOpen")->Count(), 0);
    ASSERT_GT(xy("ThrustClose")->Count(), 0);
    for (const char* name : { "ThrustOpen", "ThrustClose" }) {
        EXPECT_GT(xy(name)->GetXMin(), 30.0) << name;
        EXPECT_LT(xy(name)->GetXMax(), 70.5) << name;
    }
    EXPECT_GT(xy("Friction")->Count(), 0);
    EXPECT_TRUE(logTexts().join(QLatin1Char('\n')).contains(QStringLiteral("Reverse ramp started")));
    EXPECT_TRUE(logTexts().join(QLatin1Char('\n')).contains(QStringLiteral("Bi-directional signature is completed.")));
    EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_FALSE(rampText(Ramp::SpringRateEdit).isEmpty());
    EXPECT_EQ(rampProgress(), 415);

    // Coming back reads the forward ends the device kept.
    select(DashboardCode);
    clock().advance(1000);
    select(RampTestCode);
    EXPECT_EQ(rampText(Ramp::StartEdit), QStringLiteral("25"));
    EXPECT_EQ(rampText(Ramp::StopEdit), QStringLiteral("75"));
}

TEST_F(RampTestPageTest, EachHalfOfABothWaysRampReadsTheStatusRightAfterItStartsAndEnds)
{
    // The strip follows the device into and out of the signature mode of each
    // half at once, not at the strip's next period.
    const QString forward = QStringLiteral("E9 14 09 0F 41 C8 00 00 42 96 00 00 41 F0 00 00 40 80 00 00 00 00");
    const QString reverse = QStringLiteral("E9 14 09 0F 42 96 00 00 41 C8 00 00 41 F0 00 00 40 80 00 00 00 00");
    const QString poll = QStringLiteral("C8 03 92 F6 FE");
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showRampPage(path);
        typeRamp("25", "75", "4", "30", true);
        startRamp();
        // The strip as each half's start and end leave it, before the clock
        // moves on: the reverse half has just been sent, or a half's first
        // signature block has just been read (104 blocks to a half).
        QStringList strip;
        qsizetype startsSeen = 1;
        qsizetype blocksSeen = 0;
        for (qint64 passed = 0; passed < 1200000 && ramp().testRunning(); passed += 1000) {
            clock().advance(1000);
            const qsizetype starts = device(path).requestsFor(233).size();
            const qsizetype blocks = device(path).requestsFor(252).size();
            if (starts == 2 && startsSeen == 1)
                strip << QStringLiteral("reverse started: ") + ramp().activeIndicator()->value();
            if ((blocksSeen == 0 && blocks > 0) || (blocksSeen <= 104 && blocks > 104))
                strip << QStringLiteral("half ended: ") + ramp().activeIndicator()->value();
            startsSeen = starts;
            blocksSeen = blocks;
        }
        ASSERT_FALSE(ramp().testRunning());
        EXPECT_EQ(strip,
            QStringList({ QStringLiteral("half ended: System Nominal"),
                QStringLiteral("reverse started: 5 - Signature In Progress Mode"),
                QStringLiteral("half ended: System Nominal") }));

        QStringList sent;
        for (const SimRequest& request : device(path).requests())
            sent << QString::fromLatin1(request.bytes.toHex(' ')).toUpper();
        const qsizetype reverseAt = sent.indexOf(reverse);
        ASSERT_GE(reverseAt, 0);
        EXPECT_EQ(sent.mid(reverseAt, 2), QStringList({ reverse, QStringLiteral("CA") }));
        EXPECT_EQ(sent.mid(sent.indexOf(forward), 5),
            QStringList({ forward, QStringLiteral("CC"), QStringLiteral("C8 03 EE 12 FE"),
                QStringLiteral("C8 03 EE 34 FE"), QStringLiteral("CA") }));
        // Each half's end: the poll that finds it, the status read, then the
        // first block of its signature.
        QStringList ends;
        for (qsizetype k = 2; k < sent.size(); ++k) {
            if (sent[k] == QStringLiteral("FC") && sent[k - 1] != QStringLiteral("FC")
                && sent[k - 2] != QStringLiteral("FC"))
                ends << sent.mid(k - 2, 3).join(QStringLiteral(" | "));
        }
        const QString end
            = QStringList({ poll, QStringLiteral("CA"), QStringLiteral("FC") }).join(QStringLiteral(" | "));
        EXPECT_EQ(ends, QStringList({ end, end }));
        m_app.reset();
    }
}

TEST_F(RampTestPageTest, StopAndLeavingEndTheRampOnTheDeviceOnceAndTheValveFollowsTheLoopAgain)
{
    for (const char* path : { K90Path, K40Path }) {
        for (bool leave : { false, true }) {
            SCOPED_TRACE(std::string(path) + (leave ? ", leaving" : ", Stop"));
            showRampPage(path);
            device(path).setAnalogCommand(20.0);
            typeRamp("15", "85", "3", "40", false);
            startRamp();
            // 10 s into a 40 s ramp from 15 % to 85 %: the device ramps on.
            clock().advance(10000);
            ASSERT_TRUE(device(path).statusActive(5)) << "Signature In Progress Mode";
            device(path).clearRequests();
            const QString elapsed = rampText(Ramp::ElapsedEdit);
            if (leave)
                select(DashboardCode);
            else
                ramp().controlAs<QAbstractButton>(Ramp::StopButton)->click();
            // A start of type 0 with the run's start and stop.
            const QStringList stop
                = { QStringLiteral("E9 14 00 0F 41 70 00 00 42 AA 00 00 00 00 00 00 40 40 00 00 00 00") };
            EXPECT_EQ(framesOf(233, path), stop);
            EXPECT_FALSE(ramp().testRunning());
            EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Stopped"));
            // Another 15 s: a ramp left running would have the valve near 59 %.
            clock().advance(15000);
            EXPECT_FALSE(device(path).statusActive(5));
            EXPECT_NEAR(device(path).valve().positionPercent(), 20.0, 1.5);
            EXPECT_TRUE(timesOf(QStringLiteral("252"), path).empty());
            EXPECT_TRUE(timesOf(QStringLiteral("200 byte 0x92"), path).empty());
            if (!leave) {
                // The elapsed time counts once more and then ends.
                EXPECT_EQ(rampText(Ramp::ElapsedEdit).toInt(), elapsed.toInt() + 1);
                for (int id :
                    { Ramp::LoadButton, Ramp::SaveButton, Ramp::StartButton, Ramp::PrintButton, Ramp::CompareButton })
                    EXPECT_TRUE(rampEnabled(id)) << id;
                EXPECT_FALSE(rampEnabled(Ramp::StopButton));
                EXPECT_FALSE(ramp().activeIndicator()->value().startsWith(QStringLiteral("5 - ")))
                    << ramp().activeIndicator()->value().toStdString();
                // Leaving the stopped page sends no second stop.
                select(DashboardCode);
            }
            EXPECT_EQ(framesOf(233, path), stop) << "once";
            m_app.reset();
        }
    }
}

TEST_F(RampTestPageTest, StopInEitherHalfOfABothWaysRampEndsItOnTheDeviceOnce)
{
    // The first ramp, and the reverse one after the first was read out; the
    // stop always carries the run's own ends.
    const struct {
        const char* half;
        bool reverse;
        qint64 intoHalfMs;
    } halves[] = { { "first ramp", false, 10000 }, { "reverse ramp", true, 10000 } };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& h : halves) {
            SCOPED_TRACE(std::string(path) + ", " + h.half);
            showRampPage(path);
            device(path).setAnalogCommand(20.0);
            typeRamp("15", "85", "3", "40", true);
            startRamp();
            if (h.reverse) {
                for (qint64 passed = 0;
                     passed < 600000 && rampText(Ramp::StatusEdit) != QStringLiteral("Reverse ramp started");
                     passed += 500)
                    clock().advance(500);
                ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Reverse ramp started"));
            }
            clock().advance(h.intoHalfMs);
            ASSERT_TRUE(ramp().testRunning());
            ASSERT_TRUE(device(path).statusActive(5)) << "Signature In Progress Mode";
            device(path).clearRequests();
            ramp().controlAs<QAbstractButton>(Ramp::StopButton)->click();
            const QStringList stop
                = { QStringLiteral("E9 14 00 0F 41 70 00 00 42 AA 00 00 00 00 00 00 40 40 00 00 00 00") };
            EXPECT_EQ(framesOf(233, path), stop);
            // Another 20 s: a ramp left running would have the valve far from 20 %.
            clock().advance(20000);
            EXPECT_FALSE(device(path).statusActive(5));
            EXPECT_NEAR(device(path).valve().positionPercent(), 20.0, 1.5);
            select(DashboardCode);
            EXPECT_EQ(framesOf(233, path), stop) << "once, leaving included";
            m_app.reset();
        }
    }
}

TEST_F(RampTestPageTest, InAMultiTestRunItStartsUnaskedAndHandsBackToTheHub)
{
    for (bool stop : { false, true }) {
        showRampPage();
        select(DashboardCode);
        MultiTestRun& multi = app().multiTest();
        multi.m_bMultiTestRunning = true;
        DeviceData& dd = data();
        dd.SigSettings.Floats = { 20.0f, 40.0f, 10.0f, 2.0f };
        dd.RampBidirectional = 0;
        prompts().clearRecords();
        tickOnlyOnHub(page<CDiagnosticsMain>(), prompts(), CDiagnosticsMain::RampBox, !stop);
        select(RampTestCode);
        EXPECT_TRUE(prompts().messages().empty()) << stop;
        EXPECT_TRUE(ramp().testRunning()) << stop;
        EXPECT_EQ(rampText(Ramp::StartEdit), QStringLiteral("20")) << stop;
        EXPECT_EQ(rampText(Ramp::DurationEdit), QStringLiteral("10")) << stop;
        EXPECT_FALSE(rampChecked(Ramp::BidirectionalBox)) << stop;
        // What the hub takes from the page for its save and its report.
        const MultiTestPage* offered = multi.page(MultiTest::Ramp);
        ASSERT_NE(offered, nullptr);
        EXPECT_EQ(offered->plot().get(), static_cast<Plot*>(ramp().plot().get()));
        EXPECT_EQ(offered->reportTexts().mid(0, 5),
            QStringList({ QStringLiteral("20"), QStringLiteral("40"), QStringLiteral("2"), QStringLiteral("10"),
                QStringLiteral("No") }));
        if (stop)
            ramp().StopRampTest();
        else
            runRampToCompletion();
        EXPECT_EQ(multi.m_TestStatusList.lines().value(0),
            stop ? QStringLiteral("Ramp test stopped") : QStringLiteral("Ramp test completed"));
        // The hand-back runs once the page's own switch is over.
        processEvents();
        EXPECT_EQ(tree().selectedPageCode(), DiagnosticCode) << stop;
        EXPECT_EQ(multi.m_TestStatusList.lines().value(1), stop ? RunStoppedLine : RunFinishedLine) << stop;
        EXPECT_EQ(prompts().pendingAnswers(), 0) << stop;
        EXPECT_FALSE(ramp().testRunning()) << "the test marked done is not started again";
        multi.m_bMultiTestRunning = false;
        m_app.reset();
    }
}

} // namespace
