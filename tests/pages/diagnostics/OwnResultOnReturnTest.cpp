// Coming back to a test page after another test ran, on its page or in a
// multi-test run: the page shows result fields only of the result it shows,
// and offers the settings of its own test, never those another test left on
// the device.
#include "DiagnosticsHubPageTest.h"

#include "ReplyWriter.h"

#include <QAbstractButton>

#include <functional>
#include <string>
#include <vector>

namespace
{

using P = CPartialStrokeTest;

class OwnResultOnReturnTest : public DiagnosticsHubPageTest
{
protected:
    // Start-up on a model, past the first reads.
    void startOn(const char* path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
    }
    void show(int pageCode)
    {
        select(pageCode);
        clock().advance(1000);
        processEvents();
    }
    void yesToMovement() { prompts().answerMessage(Prompts::IdYes, Movement); }
    void setTexts(FormPage& page, const std::vector<std::pair<int, const char*>>& texts)
    {
        for (const auto& [edit, text] : texts)
            page.setWindowText(edit, QString::fromLatin1(text));
    }
    QStringList textsOf(FormPage& page, const std::vector<int>& ids)
    {
        QStringList texts;
        for (int id : ids)
            texts << page.windowText(id);
        return texts;
    }
    template <class Plot> static int positions(const Plot& plot)
    {
        return plot->ChannelByName(QStringLiteral("Position"))->Count();
    }

    // A partial stroke test from 85 to 70 run to its end on its page; its
    // signature read back when `retrieve`.
    void runPst(bool retrieve)
    {
        show(PstCode);
        setTexts(pst(),
            { { P::StartEdit, "85" }, { P::StopEdit, "70" }, { P::TimeToTargetEdit, "0.29" },
                { P::DurationEdit, "7" } });
        yesToMovement();
        pst().StartPartialStrokeTest();
        runUntil([this] { return !pst().testRunning(); });
        ASSERT_TRUE(pst().control(P::RetrieveButton)->isEnabled());
        if (retrieve) {
            pst().StartSignatureRetrieval();
            runUntil([this] { return !pst().retrieving(); });
        }
    }
    // A step test from 30 to 70 on its page, run to its end or stopped by
    // its Stop three seconds in.
    void runStep(bool stopped)
    {
        show(StepTestCode);
        typeSettings("30", "70", "6");
        startTest();
        if (stopped) {
            clock().advance(3000);
            ASSERT_TRUE(step().testRunning());
            step().controlAs<QAbstractButton>(CStepTest::StopButton)->click();
        }
        runToCompletion();
    }
    // A ramp one way from 20 to 40 on its page, to its end.
    void runRamp()
    {
        show(RampTestCode);
        setTexts(ramp(),
            { { CRampTest::StartEdit, "20" }, { CRampTest::StopEdit, "40" }, { CRampTest::HoldEdit, "2" },
                { CRampTest::DurationEdit, "10" } });
        ramp().controlAs<QAbstractButton>(CRampTest::BidirectionalBox)->setChecked(false);
        yesToMovement();
        ramp().StartRampTest();
        runUntil([this] { return !ramp().testRunning(); });
    }
    // An HDRL test at a settling time of 6 s on its page, to its end or left
    // for the dashboard (which stops it) ten seconds in.
    void runHdrl(bool left)
    {
        show(HDRLCode);
        hdrl().setWindowText(CHDRLTest::SettlingEdit, QStringLiteral("6"));
        yesToMovement();
        hdrl().OnStart();
        if (left) {
            clock().advance(10000);
            ASSERT_TRUE(hdrl().running());
            show(DashboardCode);
        }
        runUntil([this] { return !hdrl().running(); });
    }
};

const std::vector<int> PstFields { P::BreakAwayTimeEdit, P::BreakAwayPressureEdit, P::TimeToTargetResultEdit,
    P::ResultEdit };
const std::vector<int> PstSettings { P::StartEdit, P::StopEdit, P::TimeToTargetEdit, P::DurationEdit };
const std::vector<int> RampFields { CRampTest::SpringRateEdit, CRampTest::SpringInitialEdit,
    CRampTest::SpringFinalEdit };
const std::vector<int> HdrlFields { CHDRLTest::HysDeadAverageEdit, CHDRLTest::HysDeadMaximumEdit,
    CHDRLTest::RepeatAverageEdit, CHDRLTest::RepeatMaximumEdit, CHDRLTest::LinearityEdit };
const QStringList NoPstFields { QString(), QString(), QString(), QString() };

TEST_F(OwnResultOnReturnTest, APartialStrokeRunWhoseSignatureAnotherTestTookShowsNoResultFields)
{
    // The run completed and the page was left before Retrieve. Another test
    // on the device since takes the run's signature: back on the page the
    // plot stays empty, so the run's figures go too and Retrieve is not
    // offered; its settings stay the page's. A step test started and
    // stopped leaves the device's recorder neither running nor read out, yet
    // what it holds is the step's.
    enum class Meanwhile { Nothing, StepCompleted, StepStopped, Ramp };
    const struct {
        const char* what;
        Meanwhile meanwhile;
        bool kept;
    } cases[] = {
        { "nothing else ran", Meanwhile::Nothing, true },
        { "a step test ran to its end", Meanwhile::StepCompleted, false },
        { "a step test was started and stopped", Meanwhile::StepStopped, false },
        { "a ramp test ran", Meanwhile::Ramp, false },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(path) + ", " + c.what);
            startOn(path);
            runPst(false);
            const QStringList figures = textsOf(pst(), PstFields);
            ASSERT_FALSE(figures.contains(QString())) << figures.join(QLatin1Char('|')).toStdString();
            switch (c.meanwhile) {
            case Meanwhile::Nothing:
                show(DashboardCode);
                break;
            case Meanwhile::StepCompleted:
                runStep(false);
                break;
            case Meanwhile::StepStopped:
                runStep(true);
                break;
            case Meanwhile::Ramp:
                runRamp();
                break;
            }
            clock().advance(5000);
            device(path).clearRequests();

            show(PstCode);
            EXPECT_EQ(positions(pst().plot()), 0);
            EXPECT_EQ(pst().control(P::RetrieveButton)->isEnabled(), c.kept);
            EXPECT_EQ(textsOf(pst(), PstFields), c.kept ? figures : NoPstFields);
            // The status line says no more than the page shows: a completed
            // run only while its signature can still be retrieved.
            EXPECT_EQ(pst().windowText(P::StatusEdit), c.kept ? QStringLiteral("Test completed") : QString());
            EXPECT_EQ(textsOf(pst(), PstSettings),
                (QStringList {
                    QStringLiteral("85"), QStringLiteral("70"), QStringLiteral("0.29"), QStringLiteral("7") }));
            EXPECT_TRUE(device(path).requestsFor(252).empty());
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(OwnResultOnReturnTest, EachFamilysResultFieldsAgreeWithItsPlotAfterAnotherTest)
{
    // A run on each test page, another test on another page, and the page
    // shown again: fields of a result show beside a plot that holds it, and
    // fields of no result beside one that holds none.
    enum class Family { PartialStroke, PartialStrokeUnread, Step, Ramp, Hdrl, HdrlLeft };
    const struct {
        const char* what;
        Family family;
        bool shown; // the run's result is on show when the page is back
    } cases[] = {
        { "partial stroke retrieved, then a step test", Family::PartialStroke, true },
        { "partial stroke left unread, then a step test", Family::PartialStrokeUnread, false },
        { "step, then a partial stroke test", Family::Step, true },
        { "ramp, then a step test", Family::Ramp, true },
        { "HDRL, then a step test", Family::Hdrl, true },
        { "HDRL left under way, then a step test", Family::HdrlLeft, false },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(path) + ", " + c.what);
            startOn(path);
            int pageCode = 0;
            std::vector<int> fields;
            std::function<int()> plotted;
            switch (c.family) {
            case Family::PartialStroke:
            case Family::PartialStrokeUnread:
                runPst(c.family == Family::PartialStroke);
                pageCode = PstCode;
                fields = PstFields;
                plotted = [this] { return positions(pst().plot()); };
                break;
            case Family::Step:
                runStep(false);
                pageCode = StepTestCode;
                plotted = [this] { return positions(step().plot()); };
                break;
            case Family::Ramp:
                runRamp();
                pageCode = RampTestCode;
                fields = RampFields;
                plotted = [this] { return positions(ramp().plot()); };
                break;
            case Family::Hdrl:
            case Family::HdrlLeft:
                runHdrl(c.family == Family::HdrlLeft);
                pageCode = HDRLCode;
                fields = HdrlFields;
                plotted = [this] { return positions(hdrl().plot()); };
                break;
            }
            const QStringList afterRun = textsOf(testPage(pageCode), fields);
            const int points = plotted();
            if (c.family == Family::Step)
                runPst(true);
            else
                runStep(false);
            show(pageCode);

            const QStringList none(int(fields.size()), QString());
            if (c.shown) {
                EXPECT_GT(points, 1);
                EXPECT_EQ(plotted(), points);
                EXPECT_FALSE(afterRun.contains(QString())) << afterRun.join(QLatin1Char('|')).toStdString();
                EXPECT_EQ(textsOf(testPage(pageCode), fields), afterRun);
            } else {
                EXPECT_EQ(plotted(), 0);
                EXPECT_EQ(textsOf(testPage(pageCode), fields), none);
            }
            if (pageCode == PstCode)
                EXPECT_FALSE(pst().control(P::RetrieveButton)->isEnabled());
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(OwnResultOnReturnTest, AMultiTestStoppedDuringOneTestLeavesEveryOtherPageWithItsOwnSettings)
{
    // The hub runs all four tests with settings of their own and the user
    // stops one of them on its page. The device then keeps the settings of
    // the last test it ran: a test that ran shows its run's, one that had not
    // started offers what the hub held for it.
    const std::vector<std::pair<int, const char*>> hubTexts { { D::RampStartEdit, "20" }, { D::RampStopEdit, "40" },
        { D::RampHoldEdit, "2" }, { D::RampDurationEdit, "10" }, { D::StepStartEdit, "25" }, { D::StepStopEdit, "45" },
        { D::StepHoldEdit, "5" }, { D::PSTStartEdit, "80" }, { D::PSTStopEdit, "60" }, { D::PSTTimeToTargetEdit, "1" },
        { D::PSTDurationEdit, "5" }, { D::SettlingEdit, "7" } };
    const struct {
        int pageCode;
        std::vector<int> edits;
        QStringList own;
    } pages[] = {
        { RampTestCode, { CRampTest::StartEdit, CRampTest::StopEdit, CRampTest::HoldEdit, CRampTest::DurationEdit },
            { QStringLiteral("20"), QStringLiteral("40"), QStringLiteral("2"), QStringLiteral("10") } },
        { StepTestCode, { CStepTest::StartEdit, CStepTest::StopEdit, CStepTest::HoldEdit },
            { QStringLiteral("25"), QStringLiteral("45"), QStringLiteral("5") } },
        { PstCode, PstSettings,
            { QStringLiteral("80"), QStringLiteral("60"), QStringLiteral("1"), QStringLiteral("5") } },
        { HDRLCode, { CHDRLTest::SettlingEdit }, { QStringLiteral("7") } },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& stopped : pages) {
            SCOPED_TRACE(testing::Message() << path << ", stopped during page " << stopped.pageCode);
            showHub(path);
            for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
                tick(box);
            for (const auto& [edit, text] : hubTexts)
                setText(edit, text);
            startRun();
            runUntil([&] { return tree().selectedPageCode() == stopped.pageCode && testRunning(stopped.pageCode); });
            ASSERT_EQ(tree().selectedPageCode(), stopped.pageCode);
            clock().advance(3000);
            processEvents();
            testPage(stopped.pageCode).controlAs<QAbstractButton>(501)->click();
            runUntil([&] { return !testRunning(stopped.pageCode); }, 60000);
            ASSERT_TRUE(runEnded());

            for (const auto& p : pages) {
                show(p.pageCode);
                EXPECT_EQ(textsOf(testPage(p.pageCode), p.edits), p.own) << "page " << p.pageCode;
            }
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(OwnResultOnReturnTest, APageWithNoRunOfItsOwnKeepsItsSettingsWhenAnotherKindOfTestWroteTheDevices)
{
    // The device keeps one block of settings for the step, ramp and partial
    // stroke tests. A page shown before another kind of test ran keeps what
    // it offered then, rather than offering that test's start and stop as
    // its own; a page that never was shown offers none of them.
    enum class Target { Step, PartialStroke, Ramp };
    enum class Other { Step, PartialStroke, Ramp };
    const struct {
        const char* what;
        Target target;
        Other other;
        QStringList others; // what the other test's run leaves on the device
    } cases[] = {
        { "a step test, then the partial stroke page", Target::PartialStroke, Other::Step,
            { QStringLiteral("30"), QStringLiteral("70") } },
        { "a partial stroke test, then the step page", Target::Step, Other::PartialStroke,
            { QStringLiteral("85"), QStringLiteral("70") } },
        { "a ramp test, then the step page", Target::Step, Other::Ramp,
            { QStringLiteral("20"), QStringLiteral("40") } },
        { "a step test, then the ramp page", Target::Ramp, Other::Step,
            { QStringLiteral("30"), QStringLiteral("70") } },
    };
    const auto targetCode = [](Target t) {
        return t == Target::Step ? StepTestCode : t == Target::PartialStroke ? PstCode : RampTestCode;
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& c : cases) {
            for (bool shownBefore : { true, false }) {
                SCOPED_TRACE(std::string(path) + ", " + c.what + (shownBefore ? ", shown before" : ", first shown"));
                startOn(path);
                FormPage& target = c.target == Target::Step ? static_cast<FormPage&>(step())
                    : c.target == Target::PartialStroke     ? static_cast<FormPage&>(pst())
                                                            : static_cast<FormPage&>(ramp());
                const std::vector<int> edits = c.target == Target::Step
                    ? std::vector<int> { CStepTest::StartEdit, CStepTest::StopEdit }
                    : c.target == Target::PartialStroke ? std::vector<int> { P::StartEdit, P::StopEdit }
                                                        : std::vector<int> { CRampTest::StartEdit, CRampTest::StopEdit };
                QStringList before;
                if (shownBefore) {
                    show(targetCode(c.target));
                    before = textsOf(target, edits);
                    ASSERT_NE(before, c.others);
                }
                switch (c.other) {
                case Other::Step:
                    runStep(false);
                    break;
                case Other::PartialStroke:
                    runPst(true);
                    break;
                case Other::Ramp:
                    runRamp();
                    break;
                }
                show(DashboardCode);
                show(targetCode(c.target));
                const QStringList offered = textsOf(target, edits);
                if (shownBefore)
                    EXPECT_EQ(offered, before);
                EXPECT_NE(offered, c.others);
                m_app.reset();
                SimTestHooks::reset();
            }
        }
    }
}

TEST_F(OwnResultOnReturnTest, BeforeAnyStartThePagesTellTheDevicesSettingsByTheTypeItKeepsWithThem)
{
    // Nothing started from the program since it came up (a ramp ran before,
    // from here or another tool): the type the device reads back with its
    // block says whose settings they are.
    const QStringList rampsEnds { QStringLiteral("20"), QStringLiteral("40") };
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        const QByteArray block
            = ReplyWriter().u8(9).u8(15).f32(20.0f).f32(40.0f).f32(10.0f).f32(2.0f).u16(0).data();
        QByteArray reply;
        reply.append(char(253)).append(char(block.size() + 2)).append('\0').append('\0').append(block);
        SimTestHooks::scriptReply(device(path), 253, reply, -1);
        show(StepTestCode);
        EXPECT_NE(textsOf(step(), { CStepTest::StartEdit, CStepTest::StopEdit }), rampsEnds);
        show(PstCode);
        EXPECT_NE(textsOf(pst(), { P::StartEdit, P::StopEdit }), rampsEnds);
        // The ramp page offers the block as its own.
        show(RampTestCode);
        EXPECT_EQ(textsOf(ramp(), { CRampTest::StartEdit, CRampTest::StopEdit }), rampsEnds);
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace
