#include "HealthPageTest.h"

#include "ui/ControlRegistry.h"

#include <map>

class DashboardTest : public HealthPageTest
{
protected:
    // Start-up, past the connection panes' first poll, with an empty record.
    void startQuietK90()
    {
        startK90();
        clock().advance(2000);
        device().clearRequests();
    }
    void nextTick() { clock().advance(clock().dueIn(&dashboard(), CAdvDashboard::RefreshTimerId)); }
    QString text(int id) { return dashboard().windowText(id); }
    // What a user's toggle of the command source switch does.
    void toggleSwitch(bool digital)
    {
        dashboard().modeSwitch()->setValue(digital);
        emit dashboard().modeSwitch()->changed();
    }
    void dragCommandTo(double percent)
    {
        dashboard().commandGauge()->setValue(percent);
        emit dashboard().commandGauge()->mouseReleased(1, 0, 10, 10);
    }
};

TEST_F(DashboardTest, TwelveTickCycleReadsEachGroupOnceAndTheStatusOnTheOtherNine)
{
    startQuietK90();
    const std::map<int, QStringList> groups = {
        { 3, { "204", "228", "194" } },
        { 6, { "240", "218" } },
        { 12, { "200 byte 0x82", "200 byte 0x28", "200 byte 0x37", "200 byte 0x38", "166", "220", "200 long 0x69" } },
    };
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int tick = 1; tick <= CAdvDashboard::TicksPerCycle; ++tick) {
            device().clearRequests();
            nextTick();
            const auto group = groups.find(tick);
            const QStringList expected = group == groups.end() ? QStringList { "202" } : group->second;
            EXPECT_EQ(joined(sent()), joined(expected)) << "cycle " << cycle << " tick " << tick;
        }
        EXPECT_EQ(dashboard().tickCount(), 0);
    }
    EXPECT_EQ(clock().period(&dashboard(), CAdvDashboard::RefreshTimerId), CAdvDashboard::RefreshMs);
}

TEST_F(DashboardTest, ActivationReadsEverythingInOrderAndLeavingStopsTheRefresh)
{
    startQuietK90();
    select(ActuatorHealthCode);
    EXPECT_FALSE(dashboard().timerArmed(CAdvDashboard::RefreshTimerId));
    device().clearRequests();
    select(DashboardCode);
    EXPECT_EQ(joined(sent()),
        "202, 240, 218, 200 byte 0x82, 200 byte 0x28, 220, 200 long 0x69, 204, 166, 228, 200 byte 0x37, "
        "200 byte 0x38, 194");
    EXPECT_TRUE(dashboard().timerArmed(CAdvDashboard::RefreshTimerId));
    EXPECT_FALSE(dashboard().timerArmed(StripPage::StripTimerId)) << "the dashboard refreshes its strip itself";
}

TEST_F(DashboardTest, StatusReplyAskedByAnotherPageMovesTheDashboardGauges)
{
    startQuietK90();
    select(ActuatorHealthCode);
    data().ControlMode = 64;
    data().DigitalCommand = 3000;
    ASSERT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteStatus));

    CAdvDashboard& page = dashboard();
    EXPECT_DOUBLE_EQ(page.commandGauge()->value(), 30.0);
    EXPECT_DOUBLE_EQ(page.commandReadout()->value(), 30.0);
    EXPECT_TRUE(page.modeSwitch()->value());
    EXPECT_TRUE(page.commandGauge()->pointerVisible(0));
    EXPECT_DOUBLE_EQ(page.positionGauge()->value(), int16_t(data().Position) * 0.01);
    EXPECT_DOUBLE_EQ(page.positionReadout()->value(), int16_t(data().Position) * 0.01);
    EXPECT_DOUBLE_EQ(page.commandGauge()->pointerPosition(1), int16_t(data().AnalogCommand) * 0.01);
    EXPECT_DOUBLE_EQ(page.deviationReadout()->value(), data().Deviation * 0.01);
    EXPECT_DOUBLE_EQ(page.thermometer()->value(), data().Temperature);

    // Back in analog mode the digital command pointer hides; another mode value leaves both.
    data().ControlMode = 0;
    app().dispatch().DispatchWrite(HartCommand::WriteStatus);
    EXPECT_FALSE(page.modeSwitch()->value());
    EXPECT_FALSE(page.commandGauge()->pointerVisible(0));
    data().ControlMode = 7;
    page.UpdateFromStatus();
    EXPECT_FALSE(page.modeSwitch()->value());
    EXPECT_FALSE(page.commandGauge()->pointerVisible(0));
}

TEST_F(DashboardTest, MovingTheSimulatedValveShowsOnTheGauges)
{
    startQuietK90();
    device().setAnalogCommand(20.0);
    device().setSupplyPsi(45.0);
    for (int tick = 0; tick < 12; ++tick)
        nextTick();
    EXPECT_NEAR(dashboard().positionGauge()->value(), 20.0, 1.5);
    EXPECT_NEAR(dashboard().commandGauge()->pointerPosition(1), 20.0, 0.01);
    EXPECT_NEAR(dashboard().supplyDial()->value(), 45.0, 0.01);
    EXPECT_EQ(dashboard().supplyDial()->valueText(), QStringLiteral("45.00"));
    dashboard().RefreshPressures();
    EXPECT_NEAR(dashboard().port1Dial()->value(), device().valve().port1Psi(), 0.01);
    EXPECT_GT(dashboard().port1Dial()->value(), 5.0) << "a spring-return actuator holds pressure at 20 %";
}

TEST_F(DashboardTest, WorstCaseWordsLightTheHealthMatrix)
{
    startQuietK90();
    // Valve word 0, actuator word 1, positioner word 2, control word 3.
    scriptData(194, words({ 10000, 9999, 1234, 0 }));
    dashboard().RefreshPressures();
    struct Case {
        CAdvDashboard::HealthRow row;
        double warning;
        double alarm;
    };
    const Case cases[] = {
        { CAdvDashboard::Valve, 10000, 100 },
        { CAdvDashboard::Actuator, 9999, 0 },
        { CAdvDashboard::Positioner, 1234, 0 },
        { CAdvDashboard::Control, 0, 0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dashboard().healthLamp(c.row, CAdvDashboard::Healthy)->value(), 100.0) << c.row;
        EXPECT_EQ(dashboard().healthLamp(c.row, CAdvDashboard::Warning)->value(), c.warning) << c.row;
        EXPECT_EQ(dashboard().healthLamp(c.row, CAdvDashboard::Alarm)->value(), c.alarm) << c.row;
    }
    EXPECT_EQ(text(CAdvDashboard::HealthGroupId), QStringLiteral("Health Status"));
    EXPECT_EQ(text(CAdvDashboard::RequestEditId), QString()) << "the pressure group clears the HART texts";
}

TEST_F(DashboardTest, SmallerModelServesTheHealthMatrixOnlyWithTheConfigurationBit)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    SimulatedPositioner& k40 = device(K40Path);
    k40.setMiscByte(0x28, 0x00);
    k40.clearRequests();
    dashboard().RefreshAll();
    EXPECT_FALSE(sent(K40Path).contains(QStringLiteral("194")));
    EXPECT_EQ(text(CAdvDashboard::HealthGroupId), QStringLiteral("Health Status(Disabled)"));
    for (int row = 0; row < CAdvDashboard::RowCount; ++row) {
        for (int column = 0; column < CAdvDashboard::ColumnCount; ++column) {
            const ILinearGaugePtr& lamp
                = dashboard().healthLamp(CAdvDashboard::HealthRow(row), CAdvDashboard::HealthColumn(column));
            EXPECT_EQ(lamp->value(), 0.0);
            EXPECT_FALSE(lamp->active());
        }
    }
    EXPECT_FALSE(dashboard().port2Dial()->isVisible());
    EXPECT_FALSE(dashboard().control(CAdvDashboard::Port2CaptionId)->isVisible());

    k40.setMiscByte(0x28, 0x20);
    k40.clearRequests();
    dashboard().RefreshAll();
    EXPECT_TRUE(sent(K40Path).contains(QStringLiteral("194")));
    EXPECT_EQ(text(CAdvDashboard::HealthGroupId), QStringLiteral("Health Status"));
    EXPECT_TRUE(dashboard().healthLamp(CAdvDashboard::Valve, CAdvDashboard::Healthy)->active());
    EXPECT_FALSE(dashboard().control(CAdvDashboard::Port2CaptionId)->isVisible());
    EXPECT_EQ(text(CAdvDashboard::Port2CaptionId), QStringLiteral("Port 2")) << "the smaller model leaves port 2 alone";
}

TEST_F(DashboardTest, SwitchingToAnalogWritesTheDigitalCommandShownThenReadsTheStatus)
{
    startQuietK90();
    toggleSwitch(true);
    dragCommandTo(42.347);
    device().clearRequests();
    toggleSwitch(false);
    EXPECT_EQ(joined(sent()), "203, 202");
    EXPECT_EQ(lastRequest(203),
        QByteArray::fromHex("cb03"
                            "00"
                            "108a"))
        << "4234: the digital command shown, x 100, truncated";
    EXPECT_FALSE(dashboard().commandGauge()->pointerVisible(0));
}

// The loop holds the valve; the user takes it over, strokes it, hands it back
// to the loop, the loop moves on while no refresh has read it, and the user
// takes it over again: each take-over writes the loop's command of that
// moment, and the valve stays where the loop left it.
TEST_F(DashboardTest, ATakeOverWhoseStatusReadGetsNoReplyWritesNothingAndLeavesTheLoopInCharge)
{
    for (const auto& [argument, path] :
        { std::pair { "/dSim/K90/PV-101", K90Path }, { "/dSim/K40/PV-102", K40Path } }) {
        SCOPED_TRACE(argument);
        start({ QString::fromLatin1(argument) });
        SimulatedPositioner& positioner = device(path);
        positioner.setAnalogCommand(40.0);
        clock().advance(30000);
        const double heldByLoop = positioner.valve().positionPercent();
        ASSERT_NEAR(heldByLoop, 40.0, 2.0);
        // The loop moves on while the page has not read it since.
        positioner.setAnalogCommand(70.0);
        clock().pass(30000);
        const double heldByLaterLoop = positioner.valve().positionPercent();
        positioner.clearRequests();
        SimTestHooks::faults(positioner).inject(SimFault::NoResponse, 1, 202);
        toggleSwitch(true);
        for (const QString& command : sent(path))
            EXPECT_NE(command, QStringLiteral("203")) << "no command goes out without the loop's of the moment";
        clock().advance(30000);
        EXPECT_NEAR(positioner.valve().positionPercent(), heldByLaterLoop, 0.2);
        EXPECT_FALSE(dashboard().modeSwitch()->value());
        EXPECT_FALSE(dashboard().commandGauge()->pointerVisible(0));
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(DashboardTest, SwitchingToDigitalTakesOverTheLoopCommandAndTheValveStaysWhereItIs)
{
    struct Case {
        const char* argument;
        const char* path;
        double loop; // where the loop holds the valve at first
        const char* loopWord;
        double dragged; // where the user strokes it in digital mode
        const char* draggedWord;
        double laterLoop; // where the loop has gone by the second take-over
        const char* laterLoopWord;
    };
    const Case cases[] = {
        { "/dSim/K90/PV-101", K90Path, 40.0, "0fa0", 102.74, "2822", 30.0, "0bb8" },
        { "/dSim/K40/PV-102", K40Path, 60.0, "1770", -10.0, "fc18", 70.0, "1b58" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        start({ QString::fromLatin1(c.argument) });
        SimulatedPositioner& positioner = device(c.path);
        positioner.setAnalogCommand(c.loop);
        clock().advance(30000);
        ASSERT_EQ(data().ControlMode, 0) << "the device starts under the loop";
        const double heldByLoop = positioner.valve().positionPercent();
        ASSERT_NEAR(heldByLoop, c.loop, 2.0);
        EXPECT_DOUBLE_EQ(dashboard().commandReadout()->value(), c.loop) << "the readout shows the loop's command";

        positioner.clearRequests();
        toggleSwitch(true);
        EXPECT_EQ(joined(sent(c.path)), "202, 203, 202");
        EXPECT_EQ(lastRequest(203, c.path), QByteArray::fromHex(QByteArray("cb0340") + c.loopWord));
        clock().advance(30000);
        EXPECT_NEAR(positioner.valve().positionPercent(), heldByLoop, 0.2) << "the take-over moves nothing";

        dragCommandTo(c.dragged);
        EXPECT_EQ(lastRequest(203, c.path), QByteArray::fromHex(QByteArray("cb0340") + c.draggedWord));
        clock().advance(30000);
        EXPECT_NEAR(positioner.valve().positionPercent(), c.dragged > 50.0 ? 100.0 : 0.0, 2.0);

        toggleSwitch(false);
        EXPECT_EQ(lastRequest(203, c.path), QByteArray::fromHex(QByteArray("cb0300") + c.draggedWord));
        clock().advance(30000);
        EXPECT_NEAR(positioner.valve().positionPercent(), c.loop, 2.0) << "the loop has the valve back";
        EXPECT_DOUBLE_EQ(dashboard().commandReadout()->value(), c.loop)
            << "under the loop the readout shows the loop's command, not the last digital one";
        EXPECT_FALSE(dashboard().commandGauge()->pointerVisible(0));

        // The loop moves while no refresh reads the device.
        positioner.setAnalogCommand(c.laterLoop);
        clock().pass(30000);
        const double heldByLaterLoop = positioner.valve().positionPercent();
        ASSERT_NEAR(heldByLaterLoop, c.laterLoop, 2.0);
        positioner.clearRequests();
        toggleSwitch(true);
        EXPECT_EQ(joined(sent(c.path)), "202, 203, 202");
        EXPECT_EQ(lastRequest(203, c.path), QByteArray::fromHex(QByteArray("cb0340") + c.laterLoopWord))
            << "the loop's command of the moment";
        clock().advance(30000);
        EXPECT_NEAR(positioner.valve().positionPercent(), heldByLaterLoop, 0.2) << "the valve stays where it is";
        EXPECT_TRUE(dashboard().modeSwitch()->value());
        EXPECT_TRUE(dashboard().commandGauge()->pointerVisible(0));
        EXPECT_DOUBLE_EQ(dashboard().commandGauge()->value(), c.laterLoop) << "the pointer starts at the valve";
        EXPECT_DOUBLE_EQ(dashboard().commandReadout()->value(), c.laterLoop);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(DashboardTest, DraggingTheCommandWritesItOnlyInDigitalMode)
{
    startQuietK90();
    struct Case {
        bool digital;
        double percent;
        const char* sent;
        const char* request;
        double readout;
    };
    const Case cases[] = {
        { true, 37.459, "203, 202, 202",
            "cb0340"
            "0ea1",
            37.45 }, // 3745, truncated not rounded
        { true, -0.5, "203, 202, 202",
            "cb0340"
            "ffce",
            -0.5 }, // -50
        { false, 37.459, "", nullptr, 37.459 },
    };
    for (const Case& c : cases) {
        dashboard().modeSwitch()->setValue(c.digital);
        device().clearRequests();
        dragCommandTo(c.percent);
        EXPECT_EQ(joined(sent()), c.sent) << c.percent;
        EXPECT_DOUBLE_EQ(dashboard().commandReadout()->value(), c.readout) << c.percent;
        if (c.request)
            EXPECT_EQ(lastRequest(203), QByteArray::fromHex(c.request)) << c.percent;
        else
            EXPECT_EQ(data().ControlMode, 0) << "analog: the mode is noted, nothing is sent";
    }
}

TEST_F(DashboardTest, UnitsSetTheDialScalesAndTheThermometer)
{
    startQuietK90();
    struct Case {
        uint8_t temperatureUnit;
        uint8_t pressureUnit;
        const char* temperatureText;
        double low;
        double high;
        double fullScale;
        QString pressureText;
    };
    const Case cases[] = {
        { 33, 6, "degF", -55, 185, 150, QStringLiteral("psi") },
        { 32, 12, "degC", -45, 85, 1050, QStringLiteral("kPa") },
        { 32, 7, "degC", -45, 85, 12, QStringLiteral("bar") },
        { 35, 10, "degC", -45, 85, 12, QStringLiteral("Kg/cm\u00B2") },
        { 32, 99, "degC", -45, 85, 100, QStringLiteral("%") },
    };
    for (const Case& c : cases) {
        data().TravelUnit = 57;
        data().TemperatureUnit = c.temperatureUnit;
        data().PressureUnit = c.pressureUnit;
        ASSERT_TRUE(app().dispatch().DispatchWrite(221));
        dashboard().ApplyUnits();
        EXPECT_EQ(dashboard().temperatureReadout()->unitText(), QLatin1String(c.temperatureText));
        EXPECT_EQ(dashboard().thermometer()->scaleMin(), c.low);
        EXPECT_EQ(dashboard().thermometer()->scaleMax(), c.high);
        for (const IAngularGaugePtr& dial :
            { dashboard().supplyDial(), dashboard().port1Dial(), dashboard().port2Dial() }) {
            EXPECT_EQ(dial->scaleMax(), c.fullScale) << int(c.pressureUnit);
            EXPECT_EQ(dial->unitText(), c.pressureText) << int(c.pressureUnit);
            EXPECT_EQ(dial->majorTicks(), 7);
        }
    }
}

TEST_F(DashboardTest, WithoutPressureSensorsNoPressureIsReadAndTheDialsSayDisabled)
{
    startQuietK90();
    device().setMiscByte(0x82, 0x00);
    dashboard().RefreshAll();
    EXPECT_FALSE(sent().contains(QStringLiteral("204")));
    struct Case {
        IAngularGaugePtr dial;
        int caption;
        const char* text;
    };
    const Case cases[] = {
        { dashboard().supplyDial(), CAdvDashboard::SupplyCaptionId, "Supply Pressure(Disabled)" },
        { dashboard().port1Dial(), CAdvDashboard::Port1CaptionId, "Port1(Disabled)" },
        { dashboard().port2Dial(), CAdvDashboard::Port2CaptionId, "Port2(Disabled)" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(c.caption), QLatin1String(c.text));
        EXPECT_FALSE(dashboard().control(c.caption)->isEnabled()) << c.text;
        EXPECT_EQ(c.dial->valueText(), QStringLiteral("Disabled"));
        EXPECT_FALSE(c.dial->active());
        EXPECT_EQ(c.dial->value(), 0.0);
    }

    // Sensors back, single-acting K90 (configuration bit set): port 2 stays out of use.
    device().setMiscByte(0x82, 0x01);
    device().setMiscByte(0x28, 0x20);
    dashboard().RefreshAll();
    EXPECT_EQ(text(CAdvDashboard::SupplyCaptionId), QStringLiteral("Supply Pressure"));
    EXPECT_EQ(text(CAdvDashboard::Port1CaptionId), QStringLiteral("Port1"));
    EXPECT_TRUE(dashboard().supplyDial()->active());
    EXPECT_EQ(text(CAdvDashboard::Port2CaptionId), QStringLiteral("Port2(Disabled)"));
    EXPECT_FALSE(dashboard().port2Dial()->active());

    device().setMiscByte(0x28, 0x00);
    dashboard().RefreshAll();
    EXPECT_EQ(text(CAdvDashboard::Port2CaptionId), QStringLiteral("Port2"));
    EXPECT_TRUE(dashboard().port2Dial()->active());
    EXPECT_NEAR(dashboard().port2Dial()->value(), device().valve().port2Psi(), 0.2);
}

TEST_F(DashboardTest, SupplyAndPortDialsShowWhatTheActuatorHealthPageShows)
{
    startQuietK90();
    device().setSupplyPsi(52.5);
    dashboard().RefreshPressures();
    select(ActuatorHealthCode);
    EXPECT_NEAR(dashboard().supplyDial()->value(), 52.5, 0.01);
    EXPECT_NEAR(actuatorHealth().gauge(CActuatorHealth::Supply)->value(), dashboard().supplyDial()->value(), 0.01);
    EXPECT_EQ(actuatorHealth().windowText(CActuatorHealth::SupplyEdit), dashboard().supplyDial()->valueText());
    EXPECT_NEAR(dashboard().port1Dial()->value(), device().valve().port1Psi(), 0.2);
}

TEST_F(DashboardTest, DipSwitchesShowThePhysicalSettingsAndMarkWhereTheSoftwareDiffers)
{
    startQuietK90();
    device().setMiscByte(0x37, 0x5A);
    device().setMiscByte(0x38, 0x5B);
    dashboard().RefreshSettings();
    const char* texts[8] = { "ATC", "4mA", "OPTIONAL", "=%", "ON", "B", "Low Fric", "Jog" };
    for (int bit = 0; bit < 8; ++bit) {
        EXPECT_EQ(text(CAdvDashboard::DipSwitchEditIds[bit]), QLatin1String(texts[bit])) << bit;
        EXPECT_EQ(text(CAdvDashboard::DipSwitchMarkIds[bit]), bit == 0 ? QStringLiteral("X") : QString()) << bit;
    }
    EXPECT_EQ(text(CAdvDashboard::DifferSummaryId), QStringLiteral("X"));
    EXPECT_EQ(text(CAdvDashboard::HighFrictionEditId), QStringLiteral("Inactive"));

    device().setMiscByte(0x38, 0x5A);
    dashboard().RefreshSettings();
    EXPECT_EQ(text(CAdvDashboard::DifferSummaryId), QString());
}

TEST_F(DashboardTest, CommandColourFollowsTheSoftLimitBandWithOnePercentGrace)
{
    startQuietK90(); // the device's soft limits are 0 and 100
    struct Case {
        int16_t command;
        uint32_t colour;
    };
    const Case cases[] = { { -100, 0x00FF00 }, { -101, 0x00FFFF }, { 10100, 0x00FF00 }, { 10101, 0x00FFFF } };
    data().ControlMode = 64; // the pointer the user drags
    for (const Case& c : cases) {
        data().DigitalCommand = uint16_t(c.command);
        dashboard().UpdateFromStatus();
        EXPECT_EQ(dashboard().commandGauge()->indicatorColor(), c.colour) << c.command;
    }
}

TEST_F(DashboardTest, AlarmHistoryColoursDeviationSupplyAndCutOff)
{
    startQuietK90();
    struct Case {
        int status;
        uint32_t deviation;
        uint32_t position;
        uint32_t supply;
        const char* cutOff;
    };
    const Case cases[] = {
        { -1, 0x808080, 0x00FF00, 0x000000, "Dormant" },
        { 8, 0x0A0AFF, 0x0A0AFF, 0x000000, "Dormant" }, // position deviation alarm
        { 13, 0x808080, 0x00FF00, 0x000000, "Active" }, // cut-off mode
        { 40, 0x808080, 0x00FF00, 0x0A0AFF, "Dormant" }, // supply low alarm
        { 42, 0x808080, 0x00FF00, 0x00FFFF, "Dormant" }, // supply low warning
    };
    for (const Case& c : cases) {
        for (int status : { 8, 13, 40, 42 })
            device().setStatus(status, status == c.status);
        dashboard().RefreshPressures();
        EXPECT_EQ(dashboard().deviationReadout()->valueColor(), c.deviation) << c.status;
        EXPECT_EQ(dashboard().positionGauge()->indicatorColor(), c.position) << c.status;
        EXPECT_EQ(dashboard().supplyDial()->alarmColor(), c.supply) << c.status;
        EXPECT_EQ(text(CAdvDashboard::CutOffEditId), QLatin1String(c.cutOff)) << c.status;
    }
}

TEST_F(DashboardTest, DialsThatCannotBeCreatedAreLoggedAndTheDashboardGoesOn)
{
    ControlRegistry::instance().remove(QStringLiteral("AnalogLib.AngularGauge"));
    startK90();
    ControlRegistry::instance().restoreAll();
    EXPECT_FALSE(dashboard().supplyDial());
    EXPECT_TRUE(prompts().messageTexts().isEmpty()) << "the program's own factories show no message box";
    EXPECT_GE(logTexts().count(
                  QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator")),
        3);
    clock().advance(2000);
    device().clearRequests();
    for (int tick = 0; tick < CAdvDashboard::TicksPerCycle; ++tick)
        nextTick();
    EXPECT_EQ(sent().count(QStringLiteral("202")), 9) << "the refresh cycle keeps running";
    EXPECT_DOUBLE_EQ(dashboard().positionGauge()->value(), int16_t(data().Position) * 0.01);
}

TEST_F(DashboardTest, StatusRepliesReachEveryLiveFollowerAndNoneThatIsGone)
{
    startQuietK90();
    int told = 0;
    {
        QObject follower;
        app().followStatusReplies(&follower, [&] { ++told; });
        // A second dashboard follows as well, and goes again.
        CAdvDashboard second(app());
        second.OnInitialUpdate();
        data().ControlMode = 64;
        data().DigitalCommand = 3000;
        ASSERT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteStatus));
        EXPECT_EQ(told, 1);
        EXPECT_DOUBLE_EQ(second.commandGauge()->value(), 30.0);
        EXPECT_DOUBLE_EQ(dashboard().commandGauge()->value(), 30.0) << "the program's dashboard still follows";
    }
    data().DigitalCommand = 4000;
    ASSERT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteStatus));
    EXPECT_EQ(told, 1) << "a follower that is gone is not told";
    EXPECT_DOUBLE_EQ(dashboard().commandGauge()->value(), 40.0);
}
