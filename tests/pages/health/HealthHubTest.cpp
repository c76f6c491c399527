#include "HealthPageTest.h"
#include "PageTexts.h"

#include "health/CHealthMain.h"
#include "health/HealthHubRules.h"

#include "ui/ControlRegistry.h"

#include <QAbstractButton>
#include <QGroupBox>

namespace
{
constexpr int Valve = HealthHubRules::Valve;
constexpr int Positioner = HealthHubRules::Positioner;
constexpr int Actuator = HealthHubRules::Actuator;
constexpr int Control = HealthHubRules::Control;
}

class HealthHubTest : public HealthPageTest
{
protected:
    static constexpr int HubCode = 3;

    CHealthMain& hub() { return page<CHealthMain>(); }
    double bar(int row, CHealthMain::Column column) { return hub().bar(row, column)->value(); }
    // Start-up, then the hub shown with an empty record.
    void showHub()
    {
        startK90();
        clock().advance(2000);
        select(HubCode);
        device().clearRequests();
    }
    void click(int button) { hub().controlAs<QAbstractButton>(button)->click(); }
};

TEST_F(HealthHubTest, FirstWorstCaseReadComesOneSecondAfterActivationThenEveryTwentySeconds)
{
    showHub();
    EXPECT_EQ(joined(sent()), "") << "activation paints the strip from what is known";
    clock().advance(999);
    EXPECT_EQ(joined(sent()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sent()), "202, 194");
    device().clearRequests();
    clock().advance(19999);
    EXPECT_EQ(joined(sent()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sent()), "202, 194");
}

TEST_F(HealthHubTest, LeavingTheHubStopsItsTimersAndWithinASecondMakesNoWorstCaseRead)
{
    showHub();
    clock().advance(900);
    select(ActuatorHealthCode); // a page that reads no worst case itself
    for (int id : { StripPage::StripTimerId, CHealthMain::WorstCaseTimerId })
        EXPECT_FALSE(hub().timerArmed(id)) << id;
    clock().advance(45000);
    EXPECT_FALSE(sent().contains(QStringLiteral("194"))) << joined(sent());

    // Shown again, the timers run anew from the activation.
    select(HubCode);
    device().clearRequests();
    for (int id : { StripPage::StripTimerId, CHealthMain::WorstCaseTimerId })
        EXPECT_TRUE(hub().timerArmed(id)) << id;
    clock().advance(1000);
    EXPECT_EQ(joined(sent()), "202, 194");
}

TEST_F(HealthHubTest, BarsFollowTheWorstCaseWordsOfTheirRows)
{
    showHub();
    struct Case {
        std::array<uint16_t, 4> words; // as the device sends them: valve, actuator, positioner, control
        std::array<double, 4> warning; // rows valve, positioner, actuator, control
        std::array<double, 4> alarm;
    };
    const Case cases[] = {
        { { 10400, 30, 10000, 64 }, { 10400, 10000, 30, 64 }, { 100, 100, 0, 0 } },
        { { 10000, 10000, 10000, 10000 }, { 10000, 10000, 10000, 10000 }, { 100, 100, 100, 100 } },
        { { 9999, 9999, 9999, 9999 }, { 9999, 9999, 9999, 9999 }, { 0, 0, 0, 0 } },
        { { 10001, 10001, 10001, 10001 }, { 10001, 10001, 10001, 10001 }, { 100, 0, 0, 0 } },
        { { 65535, 65535, 65535, 65535 }, { 65535, 65535, 65535, 65535 }, { 100, 0, 0, 0 } },
        { { 50, 1, 2, 3 }, { 50, 2, 1, 3 }, { 0, 0, 0, 0 } },
        { { 0, 0, 0, 0 }, { 0, 0, 0, 0 }, { 0, 0, 0, 0 } },
    };
    for (const Case& c : cases) {
        scriptData(194, words({ c.words[0], c.words[1], c.words[2], c.words[3] }));
        hub().RefreshWorstCaseGauges();
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(bar(row, CHealthMain::Warning), c.warning[size_t(row)]) << c.words[0] << " row " << row;
            EXPECT_EQ(bar(row, CHealthMain::Alarm), c.alarm[size_t(row)]) << c.words[0] << " row " << row;
            EXPECT_EQ(bar(row, CHealthMain::Healthy), 100.0) << "the healthy bars stay full";
        }
    }
}

TEST_F(HealthHubTest, WithoutAReplyTheBarsShowTheWordsOfTheLastOne)
{
    showHub();
    scriptData(194, words({ 10400, 30, 10000, 64 }));
    hub().RefreshWorstCaseGauges();
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 194);
    hub().RefreshWorstCaseGauges();
    EXPECT_EQ(bar(Valve, CHealthMain::Alarm), 100.0);
    EXPECT_EQ(bar(Actuator, CHealthMain::Warning), 30.0);
    EXPECT_EQ(bar(Control, CHealthMain::Warning), 64.0);
}

TEST_F(HealthHubTest, BarsStartFullForHealthAndEmptyForWarningsAndAlarms)
{
    startK90();
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(bar(row, CHealthMain::Healthy), 100.0) << row;
        EXPECT_EQ(bar(row, CHealthMain::Warning), 0.0) << row;
        EXPECT_EQ(bar(row, CHealthMain::Alarm), 0.0) << row;
    }
}

TEST_F(HealthHubTest, MoreFrictionOnTheSimulatedValveFillsTheValveAlarmBar)
{
    showHub();
    clock().advance(1000);
    EXPECT_EQ(bar(Valve, CHealthMain::Alarm), 0.0) << "200 lbf against a high alarm of 500";
    EXPECT_GT(bar(Valve, CHealthMain::Warning), 0.0);
    ValveModelParams physics = device().physics();
    physics.staticFrictionLbf = 700.0;
    physics.dynamicFrictionLbf = 600.0;
    device().setPhysics(physics);
    clock().advance(CHealthMain::WorstCaseMs);
    EXPECT_EQ(bar(Valve, CHealthMain::Alarm), 100.0);
    EXPECT_EQ(bar(Valve, CHealthMain::Warning), 10000.0);
    EXPECT_EQ(bar(Positioner, CHealthMain::Alarm), 0.0) << "only the valve row";
}

TEST_F(HealthHubTest, EachButtonLeadsToItsPageAndHealthStaysDisabled)
{
    showHub();
    struct Case {
        int button;
        int pageCode;
    };
    const Case cases[] = {
        { CHealthMain::DashboardButton, 1 },
        { CHealthMain::AlarmsButton, 2 },
        { CHealthMain::DiagnosticButton, 4 },
        { CHealthMain::CalibrationButton, 5 },
        { CHealthMain::ConfigurationButton, 6 },
        { CHealthMain::ValveButton, 31 },
        { CHealthMain::PositionerButton, 32 },
        { CHealthMain::ActuatorButton, 33 },
        { CHealthMain::ControlButton, 34 },
    };
    for (const Case& c : cases) {
        select(HubCode);
        click(c.button);
        EXPECT_EQ(tree().selectedPageCode(), c.pageCode) << c.button;
        EXPECT_FALSE(hub().timerArmed(CHealthMain::WorstCaseTimerId)) << "the switch stopped the hub's timers";
    }
    select(HubCode);
    EXPECT_FALSE(hub().control(CHealthMain::HealthButton)->isEnabled());
    click(CHealthMain::HealthButton);
    EXPECT_EQ(tree().selectedPageCode(), HubCode);
}

TEST_F(HealthHubTest, ColumnCaptionsAreCentredOverTheirBars)
{
    startK90();
    for (int id : { CHealthMain::HealthyGroupId, CHealthMain::WarningGroupId, CHealthMain::AlarmGroupId }) {
        const auto* box = hub().controlAs<QGroupBox>(id);
        ASSERT_NE(box, nullptr) << id;
        EXPECT_TRUE(box->alignment() & Qt::AlignHCenter) << id;
    }
}

TEST_F(HealthHubTest, ControlsCarryTheirTips)
{
    startK90();
    using H = CHealthMain;
    // The twelve bars, three per health, by their literal ids.
    expectToolTips(hub(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { H::DashboardButton, "Go to the Dashboard page." },
            { H::AlarmsButton, "Go to the Alarms page." },
            { H::HealthButton, "Go to the Health Status page." },
            { H::DiagnosticButton, "Go to the Diagnostic page." },
            { H::CalibrationButton, "Go to the Calibration page." },
            { H::ConfigurationButton, "Go to the Configuration page." },
            { H::ValveButton, "Go to the Valve Health page." },
            { H::PositionerButton, "Go to the Positioner Health page." },
            { H::ActuatorButton, "Go to the Actuator Health page." },
            { H::ControlButton, "Go to the Process Control Health page." },
            { 6000, "Valve health indicator." },
            { 6004, "Valve health indicator." },
            { 6008, "Valve health indicator." },
            { 6001, "Positioner health indicator." },
            { 6005, "Positioner health indicator." },
            { 6009, "Positioner health indicator." },
            { 6002, "Actuator health indicator." },
            { 6006, "Actuator health indicator." },
            { 6010, "Actuator health indicator." },
            { 6003, "Process Control health indicator." },
            { 6007, "Process Control health indicator." },
            { 6011, "Process Control health indicator." },
        });
}

TEST(HealthHubRulesTest, RowsTakeTheirWordAndFillTheirBars)
{
    struct Case {
        int row;
        uint16_t word;
        double warning;
        double alarm;
    };
    const Case cases[] = {
        { Valve, 10000, 10000, 100 },
        { Valve, 10001, 10001, 100 },
        { Valve, 9999, 9999, 0 },
        { Positioner, 10000, 10000, 100 },
        { Positioner, 10001, 10001, 0 },
        { Actuator, 10000, 10000, 100 },
        { Actuator, 65535, 65535, 0 },
        { Control, 9999, 9999, 0 },
        { Control, 64, 64, 0 },
        { Valve, 0, 0, 0 },
    };
    for (const Case& c : cases) {
        const HealthHubRules::RowBars bars = HealthHubRules::rowBars(c.row, c.word);
        EXPECT_EQ(bars.warning, c.warning) << c.row << " " << c.word;
        EXPECT_EQ(bars.alarm, c.alarm) << c.row << " " << c.word;
    }
    const int words[] = { 0, 2, 1, 3 };
    for (int row = 0; row < HealthHubRules::RowCount; ++row)
        EXPECT_EQ(HealthHubRules::worstCaseWordOfRow(row), words[row]) << row;
}

TEST_F(HealthHubTest, BarsAreDrawnFilledToTheirShareInTheirColours)
{
    showHub();
    scriptData(194, words({ 10400, 30, 10000, 64 }));
    clock().advance(1000);
    const QImage picture = hub().grab().toImage();
    picture.save(artifactPath(QStringLiteral("health-hub.png")));
    // The colour drawn at a share of a bar's length, halfway down.
    const auto colourAt = [&](int row, CHealthMain::Column column, double share) {
        const LinearGauge* gauge = hub().bar(row, column).get();
        const QRectF track = gauge->fillTrack();
        const QPointF at(track.left() + share * track.width(), track.center().y());
        return picture.pixelColor(gauge->mapTo(&hub(), at.toPoint()));
    };
    const auto isColour = [](const QColor& c, int r, int g, int b) {
        return std::abs(c.red() - r) < 40 && std::abs(c.green() - g) < 40 && std::abs(c.blue() - b) < 40;
    };
    struct Case {
        int row;
        CHealthMain::Column column;
        double share;
        int r, g, b; // expected colour there
    };
    const Case cases[] = {
        { Valve, CHealthMain::Alarm, 0.9, 255, 10, 10 }, // full
        { Valve, CHealthMain::Warning, 0.95, 255, 255, 0 },
        { Actuator, CHealthMain::Warning, 0.15, 255, 255, 0 }, // 30 % filled
        { Actuator, CHealthMain::Warning, 0.42, 192, 192, 192 },
        { Actuator, CHealthMain::Alarm, 0.1, 192, 192, 192 },
        { Positioner, CHealthMain::Alarm, 0.9, 255, 10, 10 },
        { Control, CHealthMain::Warning, 0.59, 255, 255, 0 }, // 64 %
        { Control, CHealthMain::Warning, 0.69, 192, 192, 192 },
        { Control, CHealthMain::Alarm, 0.5, 192, 192, 192 },
        { Valve, CHealthMain::Healthy, 0.9, 0, 255, 0 },
        { Control, CHealthMain::Healthy, 0.4, 0, 255, 0 },
    };
    for (const Case& c : cases) {
        const QColor drawn = colourAt(c.row, c.column, c.share);
        EXPECT_TRUE(isColour(drawn, c.r, c.g, c.b))
            << "row " << c.row << " column " << c.column << " at " << c.share << ": " << drawn.name().toStdString();
    }
}

TEST_F(HealthHubTest, BarsThatCannotBeCreatedAreLoggedAndTheWorstCaseReadsGoOn)
{
    ControlRegistry::instance().remove(QString::fromLatin1(LinearGauge::ProgId));
    startK90();
    ControlRegistry::instance().restoreAll();
    EXPECT_FALSE(hub().bar(Valve, CHealthMain::Alarm));
    EXPECT_TRUE(prompts().messageTexts().isEmpty()) << "the program's own factories show no message box";
    EXPECT_GE(logTexts().count(
                  QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator")),
        12);
    clock().advance(2000);
    select(HubCode);
    device().clearRequests();
    clock().advance(1000 + CHealthMain::WorstCaseMs);
    EXPECT_EQ(sent().count(QStringLiteral("194")), 2) << "the tick keeps its timer";
}
