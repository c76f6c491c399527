#include "KitPage.h"
#include "BuiltInServer.h"
#include "CCalibrationStorage.h"
#include "CSigDataStorage.h"
#include "DeviceData.h"
#include "DeviceLink.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "ReportRecords.h"
#include "SimTestHooks.h"
#include "SimulatedPositioner.h"
#include "StatusStrip.h"
#include "SwTest.h"
#include "TellboxImports.h"
#include "ValidityMark.h"
#include "ZoneIndicator.h"

#include "automation/ComError.h"
#include "controls/LinearGauge.h"
#include "ui/ControlRegistry.h"
#include "ui/HandlerGuard.h"
#include "ui/Pictures.h"

#include <QFile>
#include <QLabel>

#include <stdexcept>

namespace
{
// The program as a page sees it, against a simulated K90, without the frame.
class KitContext : public PageContext
{
public:
    KitContext()
    {
        registerBuiltInOpcServer();
        m_link.Open(QStringLiteral("Sim/K90/PV-101"), QString());
    }
    DeviceData& deviceData() override { return m_data; }
    CommandDispatch& dispatch() override { return m_link.dispatch(); }
    MiscAccessors& misc() override { return m_link.misc(); }
    const AppLog& log() const override { return m_log; }
    StatusStrip& strip() override { return m_strip; }
    PageHelpers& helpers() override { return m_helpers; }
    const TellboxImports& imports() const override { return m_imports; }
    ReportRecords& records() override { return m_records; }
    CSigDataStorage& sigData() override { return m_sig; }
    CCalibrationStorage& calibrationStorage() override { return m_calibration; }
    MultiTestRun& multiTest() override { return m_multiTest; }
    void SelectPageCode(int pageCode) override { selected << pageCode; }
    FormPage* ReplaceView(const char*) override { return nullptr; }
    void RefreshAllStatusStrips() override { }
    void LoadErrorDefinitions() override { }
    void followStatusReplies(QObject*, std::function<void()>) override { }

    QList<int> selected;

private:
    DeviceData m_data;
    AppLog m_log;
    DeviceLink m_link { m_data, m_log };
    StatusStrip m_strip { m_data, m_link.dispatch(), m_log };
    PageHelpers m_helpers;
    TellboxImports m_imports;
    ReportRecords m_records;
    CSigDataStorage m_sig;
    CCalibrationStorage m_calibration;
    MultiTestRun m_multiTest;
};

constexpr int HostId = 1100;
constexpr int GaugeId = 5100;
constexpr int MarkId = 1101;

// A page written on the kit, with its mechanics open to the test.
class KitTestPage : public KitPage
{
public:
    explicit KitTestPage(PageContext& context)
        : KitPage(context, QStringLiteral("CKitTestPage"), 900)
    {
        buildPage({ 200, 100,
            { ControlSpec::placeholder(HostId, 10, 10, 100, 20), ControlSpec::picture(MarkId, 139, 120, 10, 8, 8) } });
    }
    using KitPage::create;
    using KitPage::data;
    using KitPage::every;
    using KitPage::killTimer;
    using KitPage::on;
    using KitPage::once;
    using KitPage::OnStop;
    using KitPage::read;
    using KitPage::repeat;
    using KitPage::write;
};

class KitPageTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        SimTestHooks::reset();
        HandlerGuard::setLogHook([this](const QString& line) { guarded << line; });
        context = std::make_unique<KitContext>();
        page = std::make_unique<KitTestPage>(*context);
    }
    void TearDown() override
    {
        page.reset();
        context.reset();
        HandlerGuard::setLogHook(nullptr);
        ControlRegistry::instance().restoreAll();
        SimTestHooks::reset();
        SwTest::TearDown();
    }
    SimulatedPositioner& device() { return *SimTestHooks::device(QStringLiteral("Sim/K90/PV-101")); }

    QStringList guarded;
    std::unique_ptr<KitContext> context;
    std::unique_ptr<KitTestPage> page;
};

TEST_F(KitPageTest, EveryTickRunsGuardedAndComesBackUntilThePageStops)
{
    QList<qint64> ticks;
    int throwsLeft = 1;
    page->every(
        7, 1000, "OnRefresh",
        [&] {
            ticks << clock().elapsedMs();
            if (throwsLeft-- > 0)
                throw ComError(ComError::Failure, QStringLiteral("gone"));
        },
        300);
    clock().advance(300);
    EXPECT_EQ(ticks, QList<qint64>({ 300 })) << "the first tick after its own delay";
    ASSERT_EQ(guarded.size(), 1);
    EXPECT_TRUE(guarded[0].startsWith(QStringLiteral("CKitTestPage OnRefresh"))) << guarded[0].toStdString();
    EXPECT_EQ(clock().dueIn(page.get(), 7), 1000) << "a failing tick still comes back";
    clock().advance(2000);
    EXPECT_EQ(ticks, QList<qint64>({ 300, 1300, 2300 }));

    page->StopTimers();
    EXPECT_FALSE(page->timerArmed(7));
    clock().advance(5000);
    EXPECT_EQ(ticks.size(), 3);
}

TEST_F(KitPageTest, TimerIsStoppedWhileItsBodyRunsAndWhatTheBodyDoesToItStands)
{
    // A body that hands over to another page stops this page's timers: the
    // timer must not come back after the body returns.
    int handedOver = 0;
    page->every(7, 1000, "OnRefresh", [&] {
        EXPECT_FALSE(page->timerArmed(7)) << "the timer runs while its body does";
        ++handedOver;
        page->StopTimers();
    });
    clock().advance(5000);
    EXPECT_EQ(handedOver, 1);
    EXPECT_FALSE(page->timerArmed(7));

    // A body that arms its own timer anew keeps the new delay.
    QList<qint64> fired;
    page->every(8, 1000, "OnPoll", [&] {
        fired << clock().elapsedMs();
        if (fired.size() == 1)
            page->once(8, 5000, "OnPoll", [&] { fired << clock().elapsedMs(); });
    });
    const qint64 start = clock().elapsedMs();
    clock().advance(10000);
    EXPECT_EQ(fired, QList<qint64>({ start + 1000, start + 6000 }));

    // One stopped by name inside its body stays stopped too.
    int ticks = 0;
    page->every(9, 500, "OnBlink", [&] {
        if (++ticks == 2)
            page->killTimer(9);
    });
    clock().advance(5000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(KitPageTest, RepeatingTimerKeepsItsBeatAndStopsWithThePage)
{
    QList<qint64> beats;
    const qint64 start = clock().elapsedMs();
    page->repeat(10, 500, "OnTimer", [&] {
        beats << clock().elapsedMs() - start;
        EXPECT_TRUE(page->timerArmed(10)) << "a blink is not stopped around its body";
    });
    clock().advance(1600);
    EXPECT_EQ(beats, QList<qint64>({ 500, 1000, 1500 }));
    page->StopTimers();
    clock().advance(2000);
    EXPECT_EQ(beats.size(), 3);
}

TEST_F(KitPageTest, OnceFiresOnceAndMayOutliveAStop)
{
    int killed = 0;
    int kept = 0;
    page->once(8, 500, "OnSettle", [&] { ++killed; });
    page->once(
        9, 500, "OnSettle", [&] { ++kept; }, KitTestPage::OnStop::KeepRunning);
    page->StopTimers();
    clock().advance(2000);
    EXPECT_EQ(killed, 0) << "stopped with the page";
    EXPECT_EQ(kept, 1) << "armed to outlive a stop, and only once";
    EXPECT_FALSE(page->timerArmed(9));
}

TEST_F(KitPageTest, AZonePointerBlinksEvery500msAndSettlesGreen500msAfterItsValueReturns)
{
    const ILinearGaugePtr gauge = page->create<LinearGauge>(HostId, GaugeId);
    ASSERT_TRUE(gauge);
    ZoneIndicator zone(*page, gauge, 11, 12);
    const uint32_t red = 0x0000FF;
    const uint32_t green = 0x00FF00;
    QList<std::pair<qint64, uint32_t>> colours;
    const qint64 start = clock().elapsedMs();
    zone.show(red);
    for (int k = 0; k < 3; ++k) {
        clock().advance(250);
        colours << std::pair { clock().elapsedMs() - start, gauge->pointerColor(0) };
        clock().advance(250);
    }
    // Changes fall due at 500 and 1000 ms: red at 250, black at 750, red again at 1250.
    EXPECT_EQ(colours, (QList<std::pair<qint64, uint32_t>> { { 250, red }, { 750, 0 }, { 1250, red } }));
    EXPECT_EQ(clock().period(page.get(), 11), 500);
    zone.show(green);
    EXPECT_FALSE(page->timerArmed(11));
    EXPECT_EQ(clock().dueIn(page.get(), 12), 500);
    clock().advance(500);
    EXPECT_EQ(gauge->pointerColor(0), green);
    EXPECT_FALSE(page->timerArmed(12));
}

TEST_F(KitPageTest, ControlIsCreatedOverItsPlaceholderAndEventsRunGuardedWithTheirArguments)
{
    ILinearGaugePtr gauge = page->create<LinearGauge>(HostId, GaugeId);
    ASSERT_TRUE(gauge);
    EXPECT_EQ(page->control(GaugeId), gauge.get());
    EXPECT_EQ(gauge.get()->geometry(), page->controlRect(HostId));

    QList<int> moved;
    page->on(gauge, &LinearGauge::pointerMoved, "OnPointerMoved", [&](int index) {
        moved << index;
        if (index == 2)
            throw std::runtime_error("bad pointer");
    });
    int released = 0;
    page->on(gauge, &LinearGauge::mouseReleased, "OnMouseUp", [&] { ++released; });
    emit gauge->pointerMoved(1);
    emit gauge->pointerMoved(2);
    emit gauge->mouseReleased(1, 0, 5, 5);
    EXPECT_EQ(moved, QList<int>({ 1, 2 }));
    EXPECT_EQ(released, 1);
    ASSERT_EQ(guarded.size(), 1);
    EXPECT_TRUE(guarded[0].startsWith(QStringLiteral("CKitTestPage OnPointerMoved"))) << guarded[0].toStdString();
}

TEST_F(KitPageTest, ControlThatCannotBeCreatedIsLoggedOnceAndLeftEmpty)
{
    ControlRegistry::instance().remove(QString::fromLatin1(LinearGauge::ProgId));
    const ILinearGaugePtr gauge = page->create<LinearGauge>(HostId, GaugeId);
    EXPECT_FALSE(gauge);
    EXPECT_EQ(page->control(GaugeId), nullptr);
    page->on(gauge, &LinearGauge::pointerMoved, "OnPointerMoved", [](int) {}); // nothing to connect

    QFile file(AppLog::filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("Failed to instantiate the ActiveX control. Contact your system administrator"), 1);
}

TEST_F(KitPageTest, ReadAndWriteSendTheCommandsByName)
{
    device().clearRequests();
    EXPECT_TRUE(page->read(HartCommand::ReadUnits));
    EXPECT_TRUE(page->read(HartCommand::ReadWorstCase));
    page->data().ControlMode = 64;
    EXPECT_TRUE(page->write(HartCommand::WriteStatus));
    QList<int> sent;
    for (const SimRequest& request : device().requests())
        sent << request.command;
    EXPECT_EQ(sent, QList<int>({ 220, 194, 203 }));
}

TEST_F(KitPageTest, ValidityMarkShowsTheInvalidIconWithItsTipAndKeepsTheTip)
{
    auto* mark = page->controlAs<QLabel>(MarkId);
    ASSERT_NE(mark, nullptr);
    const QString tip = QStringLiteral("Please enter values between -5 and 105");
    EXPECT_FALSE(ValidityMark::show(page.get(), MarkId, false, tip));
    EXPECT_EQ(mark->pixmap().toImage(), Pictures::load(ValidityMark::InvalidIcon).toImage());
    EXPECT_EQ(mark->toolTip(), tip);
    EXPECT_TRUE(ValidityMark::show(page.get(), MarkId, true, tip));
    EXPECT_EQ(mark->pixmap().toImage(), Pictures::load(ValidityMark::ValidIcon).toImage());
    EXPECT_EQ(mark->toolTip(), tip) << "the tip stays once given";
    EXPECT_TRUE(ValidityMark::show(page.get(), 4242, true, tip)) << "a missing mark only passes the flag through";
}

TEST(MultiTestRun, PagesRegisterWhatTheHubCallsAndEachTestHasItsDoneFlag)
{
    MultiTestRun run;
    EXPECT_EQ(run.page(MultiTest::Step), nullptr);
    int saved = 0;
    run.registerPage(MultiTest::Step, { [&] { ++saved; }, {}, {}, [] { return QStringList { "Step" }; }, {} });
    ASSERT_NE(run.page(MultiTest::Step), nullptr);
    run.page(MultiTest::Step)->Save();
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(run.page(MultiTest::Step)->reportTexts(), QStringList { "Step" });
    EXPECT_EQ(run.page(MultiTest::Ramp), nullptr);

    run.done(MultiTest::Ramp) = true;
    run.done(MultiTest::PartialStroke) = true;
    EXPECT_TRUE(run.m_bRampDone);
    EXPECT_FALSE(run.m_bStepDone);
    EXPECT_TRUE(run.m_bPSTDone);
    EXPECT_FALSE(run.m_bHDRLDone);

    int changes = 0;
    run.m_TestStatusList.setChanged([&] { ++changes; });
    run.m_TestStatusList.AddString(QStringLiteral("Ramp test completed"));
    run.m_TestStatusList.AddString(QStringLiteral("Step test stopped"));
    EXPECT_EQ(run.m_TestStatusList.lines(), QStringList({ "Ramp test completed", "Step test stopped" }));
    run.m_TestStatusList.ResetContent();
    EXPECT_TRUE(run.m_TestStatusList.lines().isEmpty());
    EXPECT_EQ(changes, 3);
}
} // namespace
