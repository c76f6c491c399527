#include "HealthPageTest.h"

#include <QAbstractButton>

class ActuatorHealthTest : public ActuatorHealthPageTest
{
protected:
    QString text(int id) { return page().windowText(id); }
    uint32_t indicator(CActuatorHealth::Group group) { return page().gauge(group)->pointerColor(0); }
};

TEST_F(ActuatorHealthTest, FirstActivationReadsUnitsGroupsAndTroubleLedsThenRefreshesEveryFifteenSeconds)
{
    startK90();
    clock().advance(2000);
    device().clearRequests();
    select(ActuatorHealthCode);
    EXPECT_EQ(joined(sent()), "220, 189, 200 long 0x69, 195, 177, 228");

    clock().advance(1000); // the strip's first read
    device().clearRequests();
    clock().advance(14000);
    EXPECT_EQ(joined(sent()), "189, 195, 177, 228");
    device().clearRequests();
    clock().advance(15000);
    EXPECT_EQ(joined(sent()), "202, 189, 195, 177, 228") << "the strip at 21 s, the live values at 30 s";

    // Shown again, only what the device may have changed under the page is read.
    select(DashboardCode);
    device().clearRequests();
    select(ActuatorHealthCode);
    EXPECT_EQ(joined(sent()), "220, 228");
    data().PressureUnitChanged = 1;
    select(DashboardCode);
    device().clearRequests();
    select(ActuatorHealthCode);
    EXPECT_EQ(joined(sent()), "220, 189, 200 long 0x69, 195, 228") << "a new pressure unit reloads leak and supply";
    EXPECT_EQ(data().PressureUnitChanged, 0);
}

TEST_F(ActuatorHealthTest, GroupsShowTheDeviceLimitsInEditsSpinsAndPointers)
{
    showPage();
    // The simulated K90: leak 0.012 scfm with limits 0.5 / 1.0; supply 60 psi of a
    // 60 psi full scale with limits 40 / 50 / 66; ratio limits 80 / 90.
    struct Case {
        int edit;
        int spin;
        CActuatorHealth::Group group;
        int pointer;
        const char* text;
        double value;
        double spinValue; // a supply spin counts the tenths its edit shows
    };
    const Case cases[] = {
        { CActuatorHealth::LeakWarningEdit, CActuatorHealth::LeakWarningSpin, CActuatorHealth::Leak, 1, "0.5", 0.5,
            0.5 },
        { CActuatorHealth::LeakAlarmEdit, CActuatorHealth::LeakAlarmSpin, CActuatorHealth::Leak, 2, "1", 1.0, 1.0 },
        { CActuatorHealth::LowAlarmEdit, CActuatorHealth::LowAlarmSpin, CActuatorHealth::Supply, 1, " 40.0", 40.002,
            400 },
        { CActuatorHealth::LowWarningEdit, CActuatorHealth::LowWarningSpin, CActuatorHealth::Supply, 2, " 50.0", 49.998,
            500 },
        { CActuatorHealth::HighWarningEdit, CActuatorHealth::HighWarningSpin, CActuatorHealth::Supply, 3, " 66.0", 66.0,
            660 },
        { CActuatorHealth::InitialWarningEdit, CActuatorHealth::InitialWarningSpin, CActuatorHealth::Ratio, 2, " 80.0",
            80.0, 800 },
        { CActuatorHealth::FullWarningEdit, CActuatorHealth::FullWarningSpin, CActuatorHealth::Ratio, 1, " 90.0", 90.0,
            900 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(c.edit), QLatin1String(c.text)) << c.edit;
        EXPECT_NEAR(page().spin(c.spin)->value(), c.spinValue, 1e-6) << c.spin;
        EXPECT_NEAR(page().gauge(c.group)->pointerPosition(c.pointer), c.value, 1e-6) << c.edit;
    }
    EXPECT_EQ(text(CActuatorHealth::LeakEdit), QStringLiteral("0.012"));
    EXPECT_EQ(text(CActuatorHealth::SupplyEdit), QStringLiteral("60.00"));
    EXPECT_EQ(text(CActuatorHealth::NominalSupplyEdit), QStringLiteral("60"));
    EXPECT_EQ(text(CActuatorHealth::NominalLeakEdit), QStringLiteral("0.1"));
    EXPECT_EQ(text(CActuatorHealth::LeakGroupId), QStringLiteral("Actuator Pneumatic Leak(scfm)"));
    EXPECT_EQ(page().spin(CActuatorHealth::LowAlarmSpin)->max(), 1480);
    for (int group = 0; group < CActuatorHealth::GroupCount; ++group) {
        EXPECT_EQ(indicator(CActuatorHealth::Group(group)), Green) << group;
        EXPECT_FALSE(page().changed(CActuatorHealth::Group(group)));
    }

    // A step from the device's 40.002 psi goes on the next tenth shown, which Apply takes and writes.
    page().spin(CActuatorHealth::LowAlarmSpin)->stepBy(1);
    EXPECT_EQ(text(CActuatorHealth::LowAlarmEdit), QStringLiteral("40.1"));
    device().clearRequests();
    page().OnApply();
    EXPECT_EQ(lastRequest(196).mid(6, 2).toHex().toStdString(), "1a1b") << "40.1 psi of 60";
}

TEST_F(ActuatorHealthTest, ApplyWritesOnlyTheChangedGroupFromTheEditTexts)
{
    showPage();
    struct Case {
        int edit;
        const char* typed;
        const char* sent;
        const char* request;
    };
    const Case cases[] = {
        { CActuatorHealth::InitialWarningEdit, "45.5", "178",
            "b204"
            "11c6"
            "2328" }, // 4550, full warning 9000 kept
        { CActuatorHealth::LeakWarningEdit, "0.5", "190",
            "be04"
            "01f4"
            "03e8" }, // 500 and the alarm's 1000
        { CActuatorHealth::LowAlarmEdit, "35", "196",
            "c406"
            "2af8"
            "208d"
            "16c9" }, // see below
        { CActuatorHealth::InitialWarningEdit, "150", "178",
            "b204"
            "3a98"
            "2328" }, // the top of the ratio gauge
    };
    // Supply words are value x 10000 / 60 psi of full scale, high warning first:
    // 66.0 -> 11000, 50.0 -> 8333, 35 -> 5833.
    for (const Case& c : cases) {
        type(c.edit, c.typed);
        device().clearRequests();
        page().OnApply();
        QStringList writes = sent();
        writes.removeAll(QStringLiteral("202")); // the strip
        writes.removeAll(QStringLiteral("220"));
        writes.removeAll(QStringLiteral("228"));
        writes.removeAll(QStringLiteral("200 long 0x69"));
        EXPECT_EQ(joined(writes), c.sent) << c.typed;
        EXPECT_EQ(lastRequest(uint8_t(QByteArray(c.sent).toInt())).toHex().toStdString(), c.request) << c.typed;
        EXPECT_FALSE(page().changed(CActuatorHealth::Leak));
        EXPECT_FALSE(page().changed(CActuatorHealth::Supply));
        EXPECT_FALSE(page().changed(CActuatorHealth::Ratio));
    }
}

TEST_F(ActuatorHealthTest, TypedInitialWarningGoesOutOnlyAsANumberInItsRange)
{
    showPage();
    struct Case {
        const char* typed;
        const char* word; // initial warning x 100; nullptr: nothing written
    };
    const Case cases[] = {
        { "-5", nullptr },
        { "abc", nullptr },
        { "", nullptr },
        { "12abc", nullptr },
        { "  0.29", "001d" }, // 29, not 28
        { "1e999", nullptr },
        { "inf", nullptr },
        { "-inf", nullptr },
        { "nan", nullptr },
    };
    for (const Case& c : cases) {
        type(CActuatorHealth::InitialWarningEdit, c.typed);
        EXPECT_EQ(text(CActuatorHealth::InitialWarningEdit), QLatin1String(c.typed)) << "the typed text stays";
        page().grab(); // the spin and the pointer still draw
        device().clearRequests();
        page().OnApply();
        if (c.word)
            EXPECT_EQ(lastRequest(178).mid(2, 2).toHex().toStdString(), c.word) << '"' << c.typed << '"';
        else
            EXPECT_TRUE(device().requestsFor(178).empty()) << '"' << c.typed << '"';
    }
}

TEST_F(ActuatorHealthTest, TypedSupplyLimitStopsSpinAndPointerAtTheMaximumButApplyWritesTheText)
{
    showPage();
    type(CActuatorHealth::LowAlarmEdit, "149");
    EXPECT_EQ(page().spin(CActuatorHealth::LowAlarmSpin)->value(), 1480);
    EXPECT_DOUBLE_EQ(page().gauge(CActuatorHealth::Supply)->pointerPosition(1), 148.0);
    EXPECT_EQ(text(CActuatorHealth::LowAlarmEdit), QStringLiteral("149"));
    EXPECT_TRUE(page().changed(CActuatorHealth::Supply));
    page().OnApply();
    // 149 psi of a 60 psi full scale is 24833 hundredths of a percent.
    EXPECT_EQ(lastRequest(196).mid(6, 2).toHex().toStdString(), "6101");
}

TEST_F(ActuatorHealthTest, SpinsFillTheirEditAndPointer)
{
    showPage();
    page().spin(CActuatorHealth::LowWarningSpin)->setValue(555);
    EXPECT_EQ(text(CActuatorHealth::LowWarningEdit), QStringLiteral("55.5"));
    EXPECT_DOUBLE_EQ(page().gauge(CActuatorHealth::Supply)->pointerPosition(2), 55.5);
    EXPECT_TRUE(page().changed(CActuatorHealth::Supply));
    EXPECT_FALSE(page().changed(CActuatorHealth::Ratio));

    // The initial warning spin checks the ratio against the current full warning too.
    const double ratio = page().gauge(CActuatorHealth::Ratio)->value();
    page().spin(CActuatorHealth::InitialWarningSpin)->setValue(ratio * 10 - 10);
    EXPECT_EQ(indicator(CActuatorHealth::Ratio), Yellow);
    page().spin(CActuatorHealth::FullWarningSpin)->setValue(ratio * 10 - 5);
    page().spin(CActuatorHealth::InitialWarningSpin)->setValue(ratio * 10 - 20);
    EXPECT_EQ(indicator(CActuatorHealth::Ratio), Red);
}

TEST_F(ActuatorHealthTest, DraggedLimitsPushTheirNeighboursToKeepTheOrder)
{
    showPage(); // supply limits 40 / 50 / 66 on a 150 scale; leak 0.5 / 1.0 on a 1.0 scale
    struct Case {
        CActuatorHealth::Group group;
        int pointer;
        double to;
        std::vector<double> positions; // pointers 1, 2, 3 afterwards
        std::vector<const char*> edits;
    };
    const Case cases[] = {
        { CActuatorHealth::Supply, 1, 66.0, { 66.0, 67.0, 68.0 }, { "66.0", "67.0", "68.0" } },
        { CActuatorHealth::Supply, 1, 149.5, { 149.5, 150.0, 150.0 }, { "149.5", "150.0", "150.0" } },
        { CActuatorHealth::Supply, 3, 0.5, { 0.0, 0.0, 0.5 }, { "0.0", "0.0", "0.5" } },
        { CActuatorHealth::Supply, 2, 170.0, { 40.002, 150.0, 150.0 }, { nullptr, "150.0", "150.0" } },
        { CActuatorHealth::Ratio, 2, 95.0, { 96.0, 95.0 }, { "96.0", "95.0" } },
        { CActuatorHealth::Leak, 1, 1.0, { 1.0, 1.01 }, { "1.00", "1.01" } },
    };
    const int supplyEdits[]
        = { CActuatorHealth::LowAlarmEdit, CActuatorHealth::LowWarningEdit, CActuatorHealth::HighWarningEdit };
    const int leakEdits[] = { CActuatorHealth::LeakWarningEdit, CActuatorHealth::LeakAlarmEdit };
    const int ratioEdits[] = { CActuatorHealth::FullWarningEdit, CActuatorHealth::InitialWarningEdit };
    for (const Case& c : cases) {
        page().OnRetrieve();
        page().gauge(c.group)->setPointerPosition(c.pointer, c.to); // as a drag does
        EXPECT_TRUE(page().changed(c.group));
        for (size_t k = 0; k < c.positions.size(); ++k) {
            const int pointer = int(k) + 1;
            EXPECT_NEAR(page().gauge(c.group)->pointerPosition(pointer), c.positions[k], 1e-9)
                << "group " << c.group << " to " << c.to << " pointer " << pointer;
            const int edit = c.group == CActuatorHealth::Supply ? supplyEdits[k]
                : c.group == CActuatorHealth::Leak              ? leakEdits[k]
                                                                : ratioEdits[k];
            if (c.edits[k]) {
                EXPECT_EQ(text(edit), QLatin1String(c.edits[k])) << "to " << c.to << " edit " << edit;
            }
        }
    }
    EXPECT_EQ(page().spin(CActuatorHealth::LeakAlarmSpin)->value(), 1.01) << "the last case: no clamp for the leak";
}

TEST_F(ActuatorHealthTest, DragsDoNothingBeforeThePageWasFirstShown)
{
    startK90();
    page().gauge(CActuatorHealth::Supply)->setPointerPosition(1, 100.0);
    EXPECT_FALSE(page().changed(CActuatorHealth::Supply));
    EXPECT_DOUBLE_EQ(page().gauge(CActuatorHealth::Supply)->pointerPosition(2), 0.0);
}

TEST_F(ActuatorHealthTest, LiveValueOutsideItsLimitsBlinksInTheLimitColourUntilBackInRange)
{
    showPage();
    device().setSupplyPsi(45.0); // between the low alarm 40 and the low warning 50
    clock().advance(clock().dueIn(&page(), CActuatorHealth::LiveTimerId));
    EXPECT_EQ(text(CActuatorHealth::SupplyEdit), QStringLiteral("45.00"));
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Yellow);
    for (uint32_t colour : { Black, Yellow, Black, Yellow }) {
        clock().advance(CActuatorHealth::BlinkMs);
        EXPECT_EQ(indicator(CActuatorHealth::Supply), colour);
    }

    device().setSupplyPsi(35.0);
    page().OnRetrieve();
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Red);
    clock().advance(CActuatorHealth::BlinkMs);
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Black);

    device().setSupplyPsi(60.0);
    page().OnRetrieve();
    clock().advance(CActuatorHealth::BlinkMs);
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Green);
    EXPECT_FALSE(page().timerArmed(CActuatorHealth::FirstBlinkTimerId + CActuatorHealth::Supply));
    EXPECT_FALSE(page().timerArmed(CActuatorHealth::FirstSettleTimerId + CActuatorHealth::Supply));
    clock().advance(CActuatorHealth::BlinkMs);
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Green);

    // A supply on the low alarm limit itself changes nothing.
    page().setWindowText(CActuatorHealth::LowAlarmEdit, QStringLiteral("60"));
    page().setWindowText(CActuatorHealth::LowWarningEdit, QStringLiteral("70"));
    page().CheckSupplyLimits(60.0, 70.0, 80.0);
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Green);

    // Leaving the page stops every timer of it; the indicator keeps its colour.
    device().setSupplyPsi(45.0);
    page().OnRetrieve();
    clock().advance(CActuatorHealth::BlinkMs);
    select(DashboardCode);
    for (int id : { 100, 3004, 3005, 3006, 3007 })
        EXPECT_FALSE(page().timerArmed(id)) << id;
    EXPECT_EQ(indicator(CActuatorHealth::Supply), Black);
}

TEST_F(ActuatorHealthTest, IndicatorThatLeavesItsRangeSoonAfterTurningGreenBlinksInItsWarningColour)
{
    showPage(); // ratio live value between 50 and 60; limits 80 / 90
    const double ratio = page().gauge(CActuatorHealth::Ratio)->value();
    // In range, then within the half second the initial warning spin passes the value.
    page().CheckRatioLimits(ratio + 1.0, 150.0);
    ASSERT_EQ(indicator(CActuatorHealth::Ratio), Green);
    clock().advance(100);
    page().spin(CActuatorHealth::InitialWarningSpin)->setValue(ratio * 10 - 10);
    ASSERT_EQ(indicator(CActuatorHealth::Ratio), Yellow);
    for (uint32_t colour : { Black, Yellow, Black, Yellow }) {
        clock().advance(CActuatorHealth::BlinkMs);
        EXPECT_EQ(indicator(CActuatorHealth::Ratio), colour) << "a value in the warning band never shows green";
    }
    EXPECT_FALSE(page().timerArmed(CActuatorHealth::FirstSettleTimerId + CActuatorHealth::Ratio));
}

TEST_F(ActuatorHealthTest, MoreFrictionOnTheSimulatedValveRaisesTheActuatorRatioIntoItsWarningBand)
{
    showPage(); // ratio limits 80 / 90
    const double before = page().gauge(CActuatorHealth::Ratio)->value();
    // Static friction that needs 85 % of the force the supply can give.
    ValveModelParams physics = device().physics();
    const double available = physics.supplyPsi * physics.areaIn2;
    physics.staticFrictionLbf
        = 0.85 * available - physics.springPreloadLbf() - physics.springRateLbfPerIn() * physics.strokeIn;
    ASSERT_GT(physics.staticFrictionLbf, 0.0);
    device().setPhysics(physics);
    clock().advance(clock().dueIn(&page(), CActuatorHealth::LiveTimerId));
    const double after = page().gauge(CActuatorHealth::Ratio)->value();
    EXPECT_LT(before, 80.0);
    EXPECT_NEAR(after, 85.0, 0.01);
    EXPECT_EQ(text(CActuatorHealth::RatioEdit), QStringLiteral("85"));
    EXPECT_EQ(indicator(CActuatorHealth::Ratio), Yellow);
    clock().advance(CActuatorHealth::BlinkMs);
    EXPECT_EQ(indicator(CActuatorHealth::Ratio), Black);
}

TEST_F(ActuatorHealthTest, TroubleLedsFollowTheErrorHistory)
{
    showPage();
    struct Case {
        int status; // error history byte k bit b is status 8k + b
        int led;
    };
    const Case cases[] = { { 17, 0 }, { 43, 1 }, { 44, 2 } };
    for (const Case& c : cases) {
        for (const Case& other : cases)
            device().setStatus(other.status, other.status == c.status);
        page().RepaintTroubleLeds();
        for (int led = 0; led < 3; ++led)
            EXPECT_EQ(page().troubleLed(led)->litColor(), led == c.led ? Yellow : Green) << c.status;
    }
}

TEST_F(ActuatorHealthTest, SmallerModelHasNoLeakGroupAndNeverWritesIt)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    SimulatedPositioner& k40 = device(K40Path);
    k40.clearRequests();
    page().ActivatePage();
    EXPECT_FALSE(sent(K40Path).contains(QStringLiteral("189")));
    EXPECT_FALSE(page().control(CActuatorHealth::LeakWarningEdit)->isEnabled());
    EXPECT_FALSE(page().control(CActuatorHealth::LeakWarningSpin)->isEnabled());
    EXPECT_FALSE(page().gauge(CActuatorHealth::Leak)->active());
    EXPECT_TRUE(page().control(CActuatorHealth::LeakButton)->isHidden());
    EXPECT_EQ(
        page().windowText(CActuatorHealth::LeakGroupId), QStringLiteral("Actuator Pneumatic Leak(Not Available)"));
    EXPECT_EQ(page().windowText(CActuatorHealth::Port2Caption), QStringLiteral("Supply Pressure Sensor Out of Range"));

    page().setWindowText(CActuatorHealth::LeakWarningEdit, QStringLiteral("0.3"));
    page().OnLimitEditKillFocus(CActuatorHealth::LeakWarningEdit);
    k40.clearRequests();
    page().OnApply();
    clock().advance(CActuatorHealth::LiveMs);
    EXPECT_FALSE(sent(K40Path).contains(QStringLiteral("190")));
    EXPECT_FALSE(sent(K40Path).contains(QStringLiteral("189")));
    EXPECT_TRUE(page().changed(CActuatorHealth::Leak)) << "the leak group stays unwritten";
    page().StopTimers();
}

TEST_F(ActuatorHealthTest, PressureUnitSetsLeakUnitAndSupplyScales)
{
    showPage();
    struct Case {
        uint8_t unit;
        double leakFactor;
        const char* nominalLeak;
        double supplyMaximum;
        double lowAlarmSpinMaximum;
        const char* caption;
    };
    const Case cases[] = {
        { 7, 28.3, "2.83", 12.0, 100, "Actuator Pneumatic Leak(slm)" },
        { 12, 28.3, "2.83", 1050.0, 10480, "Actuator Pneumatic Leak(slm)" },
        { 57, 1.0, "0.1", 100.0, 10480, "Actuator Pneumatic Leak (scfm)" }, // spin maxima left as they were
        { 6, 1.0, "0.1", 150.0, 1480, "Actuator Pneumatic Leak(scfm)" },
    };
    for (const Case& c : cases) {
        data().PressureUnit = c.unit;
        ASSERT_TRUE(app().dispatch().DispatchWrite(221));
        page().ReadPressureUnits();
        EXPECT_EQ(page().leakUnitFactor(), c.leakFactor) << int(c.unit);
        EXPECT_EQ(text(CActuatorHealth::NominalLeakEdit), QLatin1String(c.nominalLeak)) << int(c.unit);
        EXPECT_EQ(page().gauge(CActuatorHealth::Supply)->scaleMax(), c.supplyMaximum) << int(c.unit);
        EXPECT_EQ(page().spin(CActuatorHealth::LowAlarmSpin)->max(), c.lowAlarmSpinMaximum) << int(c.unit);
        EXPECT_EQ(text(CActuatorHealth::LeakGroupId), QLatin1String(c.caption)) << int(c.unit);
    }
}

TEST_F(ActuatorHealthTest, WithoutAPressureScaleSupplyLimitsAreNotWritten)
{
    showPage();
    device().setMiscLong(0x69, 0);
    page().OnRetrieve();
    type(CActuatorHealth::LowAlarmEdit, "30");
    device().clearRequests();
    page().OnApply();
    EXPECT_FALSE(sent().contains(QStringLiteral("196"))) << "every limit would go out as 65535";
    EXPECT_TRUE(logTexts().contains(QStringLiteral("CActuatorHealth supply limits not written: no pressure scale")));
}

TEST_F(ActuatorHealthTest, ImplicationsButtonsExplainTheirRow)
{
    showPage();
    struct Case {
        int button;
        const char* implicationsStart;
        const char* solutionsStart;
    };
    const Case cases[] = {
        { CActuatorHealth::LeakButton, "PNEUMATIC LEAK WARNING", "Repair pneumatic leaks" },
        { CActuatorHealth::SupplyButton, "SUPPLY PRESSURE LOW ALARM", "SUPPLY PRESSURE LOW - " },
        { CActuatorHealth::RatioButton, "ACTUATION RATIO WARNING", "Increase the supply pressure." },
        { CActuatorHealth::FailSafeButton, "PNEUMATIC INABILITY TO FAIL SAFE", "Check for high friction." },
        { CActuatorHealth::Port1Button, "PRESSURE PORT 1 OUT OF RANGE", "Check the supply pressure." },
        { CActuatorHealth::Port2Button, "PRESSURE PORT 2 OUT OF RANGE", "Check the supply pressure." },
    };
    for (const Case& c : cases) {
        page().controlAs<QAbstractButton>(c.button)->click();
        EXPECT_TRUE(text(CActuatorHealth::ImplicationsEdit).startsWith(QLatin1String(c.implicationsStart))) << c.button;
        EXPECT_TRUE(text(CActuatorHealth::SolutionsEdit).startsWith(QLatin1String(c.solutionsStart))) << c.button;
    }
}
