#include "PageTexts.h"
#include "PositionerHealthPageTest.h"

#include "ui/ControlRegistry.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>

class PositionerHealthTest : public PositionerHealthPageTest
{
};

TEST_F(PositionerHealthTest, FirstActivationReadsEveryGroupThenTheTimersReadTheLiveValuesAndTheTemperature)
{
    startK90();
    clock().advance(2000);
    device().clearRequests();
    select(PositionerHealthCode);
    EXPECT_EQ(joined(sent()), "202, 220, 187, 179, 228");

    device().clearRequests();
    clock().advance(1000);
    EXPECT_EQ(joined(sent()), "202") << "the strip 1 s after activation";
    device().clearRequests();
    clock().advance(14000);
    EXPECT_EQ(joined(sent()), "187, 179, 228") << "the live values 15 s after activation";
    device().clearRequests();
    clock().advance(15000);
    EXPECT_EQ(joined(sent()), "202, 202, 220, 187, 179, 228") << "the strip at 21 s, temperature and values at 30 s";

    // Shown again, only the temperature and the indicators are read.
    select(DashboardCode);
    device().clearRequests();
    select(PositionerHealthCode);
    EXPECT_EQ(joined(sent()), "202, 220, 228");

    // A change left unapplied is dropped: coming back reads its group anew.
    type(P::ResponseWarningEdit, "450");
    select(DashboardCode);
    device().clearRequests();
    select(PositionerHealthCode);
    EXPECT_EQ(joined(sent()), "202, 220, 187, 228");
    EXPECT_EQ(text(P::ResponseWarningEdit), QStringLiteral("600"));

    device().clearRequests();
    page().OnRetrieve();
    EXPECT_EQ(joined(sent()), "202, 220, 187, 179, 228");
    for (int id : { P::LiveTimerId, P::TemperatureTimerId })
        EXPECT_EQ(clock().dueIn(&page(), id), id == P::LiveTimerId ? 15000 : 30000) << "Retrieve arms no timer";
}

TEST_F(PositionerHealthTest, GroupsShowTheDeviceLimitsWithInitialWarningsAtNinetyPercentOfTheFullWarnings)
{
    showPage();
    // The simulated K90: a 350 ms relay, warning 600 and alarm 1000; cycles
    // full warning 2 000 000; travel full warning 100 000 000.
    struct Case {
        int edit;
        const char* text;
        CPositionerHealth::Gauge gauge;
        int pointer;
        double position;
    };
    const Case cases[] = {
        { P::ResponseEdit, "350", P::Response, 0, 350 },
        { P::ResponseWarningEdit, "600", P::Response, 1, 600 },
        { P::ResponseAlarmEdit, "1000", P::Response, 2, 1000 },
        { P::CyclesEdit, "0", P::Cycles, 0, 0 },
        { P::CyclesInitialWarningEdit, "1800000", P::Cycles, 1, 1800000 },
        { P::CyclesFullWarningEdit, "2000000", P::Cycles, 2, 2000000 },
        { P::TravelInitialWarningEdit, "90000000", P::Travel, 1, 90000000 },
        { P::TravelFullWarningEdit, "100000000", P::Travel, 2, 100000000 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(c.edit), QLatin1String(c.text)) << c.edit;
        EXPECT_DOUBLE_EQ(page().gauge(c.gauge)->pointerPosition(c.pointer), c.position) << c.edit;
    }
    EXPECT_EQ(page().spin(P::ResponseWarningSpin)->value(), 600);
    EXPECT_EQ(page().spin(P::ResponseAlarmSpin)->value(), 1000);
    EXPECT_EQ(page().spin(P::CyclesFullWarningSpin)->value(), 2000000);
    EXPECT_EQ(page().spin(P::TravelFullWarningSpin)->value(), 100000000);
    for (P::Gauge gauge : { P::Response, P::Cycles, P::Travel })
        EXPECT_EQ(pointerColour(gauge), Green) << gauge;
    EXPECT_FALSE(page().responseChanged());
    EXPECT_FALSE(page().countersChanged());
}

TEST_F(PositionerHealthTest, DraggedResponseLimitsKeepTheWarningBelowTheAlarmOnTheScale)
{
    showPage();
    struct Case {
        const char* warningFirst; // typed before the drag
        int marker;
        double to;
        const char* warning;
        const char* alarm;
    };
    const Case cases[] = {
        { nullptr, 2, 350, "349", "350" },
        { "300", 2, 200, "199", "200" },
        { nullptr, 2, 0, "0", "1" },
        { nullptr, 1, 1000, "999", "1000" },
        { nullptr, 1, 400, "400", "1000" },
        { nullptr, 2, 800, "600", "800" },
        { nullptr, 2, 1500, "600", "1000" },
    };
    for (const Case& c : cases) {
        page().OnRetrieve();
        if (c.warningFirst)
            type(P::ResponseWarningEdit, c.warningFirst);
        drag(P::Response, c.marker, c.to);
        const std::string where = std::to_string(c.marker) + " to " + std::to_string(c.to);
        EXPECT_EQ(text(P::ResponseWarningEdit), QLatin1String(c.warning)) << where;
        EXPECT_EQ(text(P::ResponseAlarmEdit), QLatin1String(c.alarm)) << where;
        EXPECT_EQ(page().gauge(P::Response)->pointerPosition(1), QByteArray(c.warning).toDouble()) << where;
        EXPECT_EQ(page().gauge(P::Response)->pointerPosition(2), QByteArray(c.alarm).toDouble()) << where;
        EXPECT_EQ(page().spin(P::ResponseWarningSpin)->value(), QByteArray(c.warning).toDouble()) << where;
        EXPECT_EQ(page().spin(P::ResponseAlarmSpin)->value(), QByteArray(c.alarm).toDouble()) << where;
        EXPECT_TRUE(page().responseChanged()) << where;
    }

    // The first case applied: only the response limits go to the device.
    page().OnRetrieve();
    drag(P::Response, 2, 350);
    device().clearRequests();
    page().OnApply();
    EXPECT_EQ(joined(sent()), "188, 228");
    EXPECT_EQ(lastRequest(188).toHex().toStdString(), "bc04015d015e");
    EXPECT_EQ(text(P::ResponseAlarmEdit), QStringLiteral("350")) << "shown from the write's reply";
    EXPECT_FALSE(page().responseChanged());
}

TEST_F(PositionerHealthTest, ApplyWithNothingChangedWritesNothingEvenAfterThePeriodicReads)
{
    showPage();
    setRelayResponseMs(420); // the live values move under the page
    clock().advance(30000); // timers 3008 (twice) and 3012
    device().clearRequests();
    page().OnApply();
    EXPECT_EQ(joined(sent()), "228") << "no 188, no 180";
    EXPECT_EQ(text(P::ResponseEdit), QStringLiteral("420"));
}

TEST_F(PositionerHealthTest, TypedLimitsUpToTheirSpinsMaximumAreWrittenOnlyWithTheirGroup)
{
    showPage();
    struct Case {
        int edit;
        const char* typed;
        const char* shown;
        const char* write; // the command sent by Apply
        const char* request;
    };
    const Case cases[] = {
        // 999 / 1000
        { P::ResponseWarningEdit, "999", "999", "188", "bc0403e703e8" },
        // the alarm was 1000 already, so nothing changed
        { P::ResponseAlarmEdit, "1000", "1000", "", "" },
        { P::ResponseWarningEdit, "750", "750", "188", "bc0402ee03e8" },
        { P::ResponseWarningEdit, "0", "0", "188", "bc04000003e8" },
        // cycles: initial 2 250 000 and full 2 500 000, travel 90 000 000 / 100 000 000, selector 0
        { P::CyclesFullWarningEdit, "2500000", "2500000", "180",
            "b411"
            "00225510"
            "002625a0"
            "055d4a80"
            "05f5e100"
            "00" },
        // travel at its top, 400 000 000 (initial 360 000 000)
        { P::TravelFullWarningEdit, "400000000", "400000000", "180",
            "b411"
            "00225510"
            "002625a0"
            "15752a00"
            "17d78400"
            "00" },
    };
    for (const Case& c : cases) {
        type(c.edit, c.typed);
        EXPECT_EQ(text(c.edit), QLatin1String(c.shown)) << c.typed;
        device().clearRequests();
        page().OnApply();
        EXPECT_EQ(joined(writes()), c.write) << c.typed;
        if (*c.write) {
            EXPECT_EQ(lastRequest(uint8_t(QByteArray(c.write).toInt())).toHex().toStdString(), c.request) << c.typed;
        }
        EXPECT_FALSE(page().responseChanged());
        EXPECT_FALSE(page().countersChanged());
    }
    EXPECT_EQ(text(P::TravelInitialWarningEdit), QStringLiteral("360000000"));
}

TEST_F(PositionerHealthTest, CycleCountAboveTheInitialWarningBlinksYellowAndOnItGreen)
{
    showPage();
    type(P::CyclesFullWarningEdit, "2500000");
    EXPECT_EQ(text(P::CyclesInitialWarningEdit), QStringLiteral("2250000"));
    EXPECT_DOUBLE_EQ(page().gauge(P::Cycles)->pointerPosition(1), 2250000);
    page().OnApply();

    auto spoolWith = [](uint32_t count) {
        QByteArray reply;
        for (uint32_t v : { count, 2250000u, 2500000u })
            reply.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
        reply.append(2, '\0');
        for (uint32_t v : { 0u, 90000000u, 100000000u })
            reply.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
        reply.append(2, '\0');
        return reply;
    };
    scriptData(179, spoolWith(2250001));
    clock().advance(clock().dueIn(&page(), P::LiveTimerId));
    EXPECT_EQ(text(P::CyclesEdit), QStringLiteral("2250001"));
    EXPECT_EQ(pointerColour(P::Cycles), Yellow);
    for (uint32_t colour : { Black, Yellow, Black })
        EXPECT_EQ((clock().advance(P::BlinkMs), pointerColour(P::Cycles)), colour);

    scriptData(179, spoolWith(2250000));
    clock().advance(clock().dueIn(&page(), P::LiveTimerId));
    EXPECT_EQ(pointerColour(P::Cycles), Green);
    clock().advance(P::BlinkMs);
    EXPECT_EQ(pointerColour(P::Cycles), Green);
    EXPECT_FALSE(page().timerArmed(P::CycleBlinkTimerId));
    EXPECT_FALSE(page().countersChanged()) << "the live value's moves are no edits";
}

TEST_F(PositionerHealthTest, SlowerSimulatedRelayTurnsTheResponsePointerYellowThenRed)
{
    showPage();
    EXPECT_EQ(pointerColour(P::Response), Green);
    struct Case {
        double ms;
        uint32_t colour;
    };
    const Case cases[] = { { 700, Yellow }, { 1200, Red }, { 1000, Red }, { 600, Green } };
    for (const Case& c : cases) {
        setRelayResponseMs(c.ms);
        clock().advance(clock().dueIn(&page(), P::LiveTimerId));
        EXPECT_EQ(text(P::ResponseEdit), QString::number(c.ms)) << c.ms;
        EXPECT_EQ(pointerColour(P::Response), c.colour) << c.ms << " ms; on the alarm itself the colour stays";
        EXPECT_EQ(page().timerArmed(P::ResponseBlinkTimerId), c.colour != Green) << c.ms;
    }
    clock().advance(P::BlinkMs);
    EXPECT_EQ(pointerColour(P::Response), Green) << "the one-shot repaints it green";
    EXPECT_FALSE(page().responseChanged());
}

TEST_F(PositionerHealthTest, LeavingThePageStopsItsTimersButAPendingTurnToGreenStillComes)
{
    showPage();
    setRelayResponseMs(700);
    page().OnRetrieve();
    clock().advance(P::BlinkMs);
    EXPECT_EQ(pointerColour(P::Response), Black);
    setRelayResponseMs(350);
    page().OnRetrieve(); // green: the blink stops, the one-shot is pending
    select(DashboardCode);
    for (int id : { 100, 3008, 3009, 3010, 3011, 3012 })
        EXPECT_FALSE(page().timerArmed(id)) << id;
    EXPECT_TRUE(page().timerArmed(P::ResponseSettleTimerId));
    device().clearRequests();
    clock().advance(P::BlinkMs);
    EXPECT_EQ(pointerColour(P::Response), Green);
    EXPECT_FALSE(page().timerArmed(P::ResponseSettleTimerId));
    clock().advance(60000);
    for (const QString& command : sent())
        EXPECT_NE(command, QStringLiteral("187")) << "the hidden page reads nothing";

    // Left in the dark phase of a blink, the pointer shows its zone again as
    // soon as the page is shown.
    setRelayResponseMs(700);
    select(PositionerHealthCode);
    clock().advance(clock().dueIn(&page(), P::LiveTimerId));
    clock().advance(P::BlinkMs);
    ASSERT_EQ(pointerColour(P::Response), Black);
    select(DashboardCode);
    EXPECT_EQ(pointerColour(P::Response), Black);
    select(PositionerHealthCode);
    EXPECT_EQ(pointerColour(P::Response), Yellow);
}

TEST_F(PositionerHealthTest, CounterResetsSendTheDeviceLimitsWithTheirSelectorThenReadTheCounters)
{
    struct Case {
        void (CPositionerHealth::*reset)();
        uint8_t selector;
        int zeroed;
    };
    const Case cases[] = {
        { &CPositionerHealth::OnResetCycleCounter, 1, P::CyclesEdit },
        { &CPositionerHealth::OnResetTravelCounter, 2, P::TravelEdit },
    };
    showPage();
    for (const Case& c : cases) {
        // Stroke the valve so the pilot relay counts.
        for (double command : { 80.0, 20.0, 80.0, 20.0 }) {
            device().setAnalogCommand(command);
            clock().advance(3000);
        }
        page().OnRetrieve();
        const QString before = text(c.zeroed);
        EXPECT_NE(before, QStringLiteral("0")) << int(c.selector);
        type(P::CyclesFullWarningEdit, "3000000"); // unapplied: left for Apply
        device().clearRequests();
        (page().*c.reset)();
        EXPECT_EQ(joined(sent()), "179, 180, 179");
        const QByteArray request = lastRequest(180);
        EXPECT_EQ(request.toHex().toStdString().substr(0, 20), "b411000f4240001e8480") << int(c.selector);
        EXPECT_EQ(uint8_t(request.back()), c.selector);
        EXPECT_EQ(text(c.zeroed), QStringLiteral("0")) << int(c.selector);
        EXPECT_EQ(data().SpoolResetSelector, 0) << "a later Apply resets nothing";
    }
}

TEST_F(PositionerHealthTest, DeviceLimitsAboveThePagesScaleGoBackUnchangedWhenAnotherLimitIsApplied)
{
    startK90();
    clock().advance(2000);
    // The device's travel full warning is above the page's 400 million.
    QByteArray reply;
    for (uint32_t v : { 0u, 900000u, 1000000u })
        reply.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    reply.append(2, '\0');
    for (uint32_t v : { 0u, 810000000u, 900000000u })
        reply.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    reply.append(2, '\0');
    scriptData(179, reply);
    select(PositionerHealthCode);
    EXPECT_EQ(text(P::TravelFullWarningEdit), QStringLiteral("900000000"));
    EXPECT_EQ(text(P::CyclesFullWarningEdit), QStringLiteral("1000000"));
    EXPECT_GE(page().gauge(P::Travel)->scaleMax(), 900000000);

    type(P::CyclesFullWarningEdit, "1500000");
    device().clearRequests();
    page().OnApply();
    // cycles 1 350 000 / 1 500 000; travel 810 000 000 / 900 000 000 as the device had them
    EXPECT_EQ(lastRequest(180).toHex().toStdString(),
        "b411"
        "00149970"
        "0016e360"
        "30479e80"
        "35a4e900"
        "00");
}

TEST_F(PositionerHealthTest, BinaryIndicatorsLightRedForTheirActiveStatuses)
{
    showPage();
    struct Case {
        std::vector<int> statuses;
        std::array<bool, 7> lit; // 1132 ... 1138
    };
    const Case cases[] = {
        { { 36, 53 }, { false, false, true, false, false, false, true } },
        { { 34, 37 }, { true, false, false, true, false, false, false } }, // byte 4 = 0x24
        { { 35, 39, 52 }, { false, true, false, false, true, true, false } },
        { {}, { false, false, false, false, false, false, false } },
    };
    for (const Case& c : cases) {
        for (int status : { 34, 35, 36, 37, 39, 52, 53 })
            device().setStatus(status, std::find(c.statuses.begin(), c.statuses.end(), status) != c.statuses.end());
        page().OnApply(); // reads 228 even with nothing to write
        for (int k = 0; k < 7; ++k) {
            const ILedRoundPtr& led = page().indicatorLed(k);
            EXPECT_EQ(led->lit(), c.lit[size_t(k)]) << "LED " << 1132 + k;
            EXPECT_EQ(led->lit() ? led->litColor() : led->unlitColor(), c.lit[size_t(k)] ? Red : Green) << 1132 + k;
        }
    }
}

TEST_F(PositionerHealthTest, TemperatureShowsItsUnitAndTheElectronicsLimits)
{
    showPage();
    struct Case {
        uint8_t unit;
        const char* low;
        const char* high;
        double lowMarker;
        double highMarker;
        const char* suffix;
    };
    const Case cases[] = {
        { 32, "-40 \u00BAC", " 85 \u00BAC", -40, 85, " \u00BAC" },
        { 33, "-40 \u00BAF", " 185 \u00BAF", -40, 185, " \u00BAF" },
        { 40, "-40 \u00BAF", " 185 \u00BAF", -40, 185, " \u00BAF" }, // another code leaves them
    };
    for (const Case& c : cases) {
        scriptData(220, QByteArray().append(char(57)).append(char(c.unit)).append(char(6)));
        page().OnRetrieve();
        EXPECT_EQ(text(P::LowTemperatureEdit), QString::fromUtf8(c.low)) << int(c.unit);
        EXPECT_EQ(text(P::HighTemperatureEdit), QString::fromUtf8(c.high)) << int(c.unit);
        EXPECT_EQ(page().gauge(P::Temperature)->pointerPosition(1), c.lowMarker) << int(c.unit);
        EXPECT_EQ(page().gauge(P::Temperature)->pointerPosition(2), c.highMarker) << int(c.unit);
        EXPECT_TRUE(text(P::TemperatureEdit).endsWith(QString::fromUtf8(c.suffix))) << int(c.unit);
        EXPECT_DOUBLE_EQ(page().gauge(P::Temperature)->value(), data().Temperature);
    }
    EXPECT_EQ(text(P::LowTemperatureEdit).at(4).unicode(), 0x00BA);
}

TEST_F(PositionerHealthTest, DragsAndSpinsDoNothingToTheChangeFlagsBeforeThePageWasFirstShown)
{
    startK90();
    drag(P::Response, 2, 100);
    drag(P::Cycles, 2, 5000);
    EXPECT_FALSE(page().responseChanged());
    EXPECT_FALSE(page().countersChanged());
    EXPECT_EQ(text(P::ResponseAlarmEdit), QString());
}

TEST_F(PositionerHealthTest, AFullWarningLeftAtAFractionShowsTheWholeCountItIsSentAs)
{
    // Apply writes a full warning from its spin cut toward zero; a drag or a
    // spin the page sets puts it there cut, and its edits show that.
    struct Case {
        const char* what;
        bool drag; // else the spin set
        P::Gauge gauge;
        int spin;
        int fullEdit;
        int initialEdit;
        int at; // where the initial and full warnings stand in 180's data
    };
    const Case cases[] = {
        { "cycles dragged", true, P::Cycles, P::CyclesFullWarningSpin, P::CyclesFullWarningEdit,
            P::CyclesInitialWarningEdit, 0 },
        { "travel dragged", true, P::Travel, P::TravelFullWarningSpin, P::TravelFullWarningEdit,
            P::TravelInitialWarningEdit, 8 },
        { "cycles spin", false, P::Cycles, P::CyclesFullWarningSpin, P::CyclesFullWarningEdit,
            P::CyclesInitialWarningEdit, 0 },
    };
    for (const Case& c : cases) {
        showPage();
        if (c.drag)
            drag(c.gauge, 2, 1234567.9);
        else
            page().spin(c.spin)->setValue(1234567.9);
        EXPECT_TRUE(page().countersChanged()) << c.what;
        EXPECT_EQ(text(c.fullEdit), QStringLiteral("1234567")) << c.what;
        EXPECT_EQ(text(c.initialEdit), QStringLiteral("1111110")) << c.what;
        EXPECT_EQ(page().gauge(c.gauge)->pointerPosition(2), 1234567.0) << c.what;
        page().OnApply();
        // initial 1 111 110, full 1 234 567
        EXPECT_EQ(lastRequest(180).mid(2 + c.at, 8).toHex(' ').toStdString(), "00 10 f4 46 00 12 d6 87") << c.what;
        EXPECT_EQ(text(c.fullEdit), QStringLiteral("1234567")) << c.what;
    }
}

TEST_F(PositionerHealthTest, ImplicationsButtonsExplainTheirAlarm)
{
    showPage();
    struct Case {
        int button;
        const char* implicationsStart;
        const char* solutionsStart;
    };
    const Case cases[] = {
        { P::TemperatureButton, "CIRCUIT BOARD TEMPERATURE WARNING", "Regulate the temperature" },
        { P::ResponseButton, "PILOT RELAY RESPONSE WARNING (user set)", "Check response of the valve." },
        { P::CyclesButton, "PILOT CYCLES LIMIT ALERT", "Inspect for high air consumption and signs of wear." },
        { P::TravelButton, "PILOT TRAVEL LIMIT ALERT", "Inspect for high air consumption and signs of wear." },
        { P::ShuntVoltageButton, "SHUNT VOLTAGE REFERENCE ALARM", "Check internal wiring" },
        { P::PiezoVoltageButton, "PIEZO VOLTAGE ALARM",
            "If the unit is functioning and controlling, replace the peizo" },
        { P::WatchDogButton, "WATCH DOG TIME OUT ALARM", "Remove power and then reconnect" },
        { P::NvRamButton, "NON-VOLATILE RAM CHECKSUM ALARM", "Error may clear with time." },
        { P::HallUpperButton, "HALL SENSOR UPPER POSITION ALARM", "Check for adequate supply pressure." },
        { P::FailSafeButton, "ELECTRONIC INABILITY TO FAIL SAFE WARNING",
            "If alarm persists for more than 30 minutes" },
        { P::HallLowerButton, "HALL SENSOR LOWER POSITION ALARM", "Check for adequate supply pressure." },
    };
    EXPECT_EQ(text(P::ImplicationsEdit), QString()) << "no button is checked at start";
    for (const Case& c : cases) {
        page().controlAs<QAbstractButton>(c.button)->click();
        EXPECT_TRUE(text(P::ImplicationsEdit).startsWith(QLatin1String(c.implicationsStart))) << c.button;
        EXPECT_TRUE(text(P::SolutionsEdit).startsWith(QLatin1String(c.solutionsStart))) << c.button;
    }
    page().controlAs<QAbstractButton>(P::WatchDogButton)->click();
    EXPECT_EQ(text(P::ImplicationsEdit),
        QStringLiteral("WATCH DOG TIME OUT ALARM indicates that functions in the firmware took longer than expected to "
                       "execute.  This can be caused when intermittent operation occurs when connecting power."));
    page().controlAs<QAbstractButton>(P::CyclesButton)->click();
    EXPECT_TRUE(text(P::ImplicationsEdit).contains(QStringLiteral("a valve\u2019s position.  Excessive cycles")));
    page().controlAs<QAbstractButton>(P::TemperatureButton)->click();
    EXPECT_TRUE(text(P::ImplicationsEdit).contains(QStringLiteral("185\u00B0F (85\u00B0C)")));
}

TEST_F(PositionerHealthTest, FailedWriteShowsTheLaidLimitsUntilTheDeviceIsReadAgain)
{
    showPage();
    drag(P::Response, 2, 350);
    SimTestHooks::faults(device()).inject(SimFault::WriteItemError, 1, 188);
    page().OnApply();
    EXPECT_EQ(text(P::ResponseWarningEdit), QStringLiteral("349"));
    EXPECT_EQ(text(P::ResponseAlarmEdit), QStringLiteral("350"));
    EXPECT_FALSE(page().responseChanged());
    page().OnRetrieve();
    EXPECT_EQ(text(P::ResponseWarningEdit), QStringLiteral("600")) << "the device kept its own";
    EXPECT_EQ(text(P::ResponseAlarmEdit), QStringLiteral("1000"));
}

TEST_F(PositionerHealthTest, ControlsCarryTheirTipsAndTheHiddenSpinsOfTheResponseNone)
{
    startK90();
    // The spin edits beside the limit edits, the edits of the temperature extremes and the LEDs carry none.
    expectToolTips(page(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { P::TemperatureGaugeId, "Positioner Temperature" },
            { P::TemperatureButton,
                "Select this button to display the Implications and Possible Solutions related to High and Low "
                "temperature (See boxes to your right)." },
            { P::TemperatureEdit, "Current positioner temperature in user selected units." },
            { P::LowTemperatureEdit, "Lowest operating temperature." },
            { P::HighTemperatureEdit, "Highest operating temperature." },
            { P::ResponseGaugeId, "Pilot Relay Response Time(ms)" },
            { P::ResponseButton,
                "Select this button to display the Implications and Possible Solutions related to Pilot Relay Response "
                "(See boxes to your right)." },
            { P::ResponseEdit, "Pilot Relay response reading from positioner." },
            { P::ResponseWarningEdit, "Pilot relay response warning threshold value." },
            { P::ResponseAlarmEdit, "Pilot relay response alarm threshold value." },
            { P::CyclesGaugeId, "Pilot Relay Count" },
            { P::CyclesButton,
                "Select this button to display the Implications and Possible Solutions related to High and Low Pilot "
                "Relay Cycle limits (See boxes to your right)." },
            { P::CyclesEdit, "Current pilot relay cycle count reading from positioner." },
            { P::CyclesInitialWarningEdit,
                "Pilot relay cycle count value at which warning begins.  90% of Pilot Relay High Cycle Count limit." },
            { P::CyclesFullWarningSpin, "High Pilot Relay Cycle Alarm Threshold." },
            { P::ResetCyclesButton, "Reset Pilot Relay Cycle Counter to Zero (0)." },
            { P::TravelGaugeId, "Pilot Relay Travel" },
            { P::TravelButton,
                "Select this button to display the Implications and Possible Solutions related to High and Low Pilot "
                "Relay Travel limits (See boxes to your right)." },
            { P::TravelEdit, "Current pilot relay travel reading from positioner." },
            { P::TravelInitialWarningEdit,
                "Pilot relay travel value at which warning begins.  90% of Pilot Relay High Travel limit." },
            { P::TravelFullWarningSpin, "High Pilot Relay Travel Alarm Threshold." },
            { P::ResetTravelButton, "Reset the Pilot Relay accumulated travel to Zero (0)." },
            { P::ImplicationsEdit, "Implications" },
            { P::SolutionsEdit, "Possible Solutions" },
            { P::ShuntVoltageButton,
                "Select this button to display the Implications and Possible Solutions related to Shunt Voltage "
                "Reference error (See boxes to your right)." },
            { P::PiezoVoltageButton,
                "Select this button to display the Implications and Possible Solutions related to Piezo Voltage error "
                "(See boxes to your right)." },
            { P::WatchDogButton,
                "Select this button to display the Implications and Possible Solutions related to Watch Dog Timeout "
                "error (See boxes to your right)." },
            { P::NvRamButton,
                "Select this button to display the Implications and Possible Solutions related to NVRam Checksum error "
                "(See boxes to your right)." },
            { P::HallUpperButton,
                "Select this button to display the Implications and Possible Solutions related to Hall Sensor Upper "
                "Position error (See boxes to your right)." },
            { P::FailSafeButton,
                "Select this button to display the Implications and Possible Solutions related to Electronic Inability "
                "to Fail Safe error (See boxes to your right)." },
            { P::HallLowerButton,
                "Select this button to display the Implications and Possible Solutions related to Hall Sensor Lower "
                "Position error (See boxes to your right)." },
            { P::ApplyButton, "Saves your changes to device." },
            { P::RetrieveButton, "Retrieve information from the device." },
        });
    EXPECT_EQ(P::ToolTips.size() + StripPage::StripToolTips.size(), 36u);
}

TEST_F(PositionerHealthTest, HighAndFullWarningMarkersTakeTheAmberOfTheirKeysAndEveryGaugeShowsItsScale)
{
    showPage();
    // The marker beside the amber key of "High Warning:" and "Full Warning:".
    for (const CPositionerHealth::Gauge gauge :
        { CPositionerHealth::Temperature, CPositionerHealth::Cycles, CPositionerHealth::Travel })
        EXPECT_EQ(page().gauge(gauge)->pointerColor(2), 0x3399CCu) << gauge;
    // Every gauge is tall enough for the numbers under its scale: the
    // temperature gauge once lost them to one pixel of rounding.
    const int height = page().gauge(CPositionerHealth::Response)->height();
    for (int gauge = 0; gauge < CPositionerHealth::GaugeCount; ++gauge)
        EXPECT_GE(page().gauge(CPositionerHealth::Gauge(gauge))->height(), height) << gauge;
}

// A kind of control the program cannot create: the page goes on without
// every control of that kind.
struct MissingControl {
    const char* name;
    const char* progId;
};
void PrintTo(const MissingControl& missing, std::ostream* out)
{
    *out << missing.name;
}

class PositionerHealthWithoutControlTest : public PositionerHealthPageTest,
                                           public ::testing::WithParamInterface<MissingControl>
{
protected:
    // What the user does: types into an edit and moves the focus away, so
    // that the page's handler runs through its guard as it does on screen.
    void typeAndLeave(int editId, const char* typed)
    {
        page().setWindowText(editId, QString::fromLatin1(typed));
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(page().control(editId), &focusOut);
    }
    QStringList failures() const
    {
        QStringList out;
        for (const QString& line : logTexts())
            if (line.startsWith(QLatin1String("CPositionerHealth ")) && line.contains(QLatin1String("error")))
                out << line;
        return out;
    }
};

TEST_P(PositionerHealthWithoutControlTest, PageGoesOnWithoutTheControlsThatCannotBeCreated)
{
    ControlRegistry::instance().remove(QString::fromLatin1(GetParam().progId));
    startK90();
    ControlRegistry::instance().restoreAll();
    device().setStatus(36, true); // watch dog timeout: the third LED lit
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator")));
    clock().advance(2000);
    select(PositionerHealthCode);
    clock().advance(1000);

    // The edits fill from the device.
    const DeviceData& dd = app().deviceData();
    EXPECT_EQ(text(P::ResponseEdit), QString::number(dd.StickValues[0]));
    EXPECT_EQ(text(P::ResponseWarningEdit), QStringLiteral("600"));
    EXPECT_EQ(text(P::ResponseAlarmEdit), QString::number(dd.StickValues[2]));
    EXPECT_EQ(text(P::CyclesEdit), QString::number(dd.SpoolInfo[0]));
    EXPECT_EQ(text(P::TravelFullWarningEdit), QString::number(dd.SpoolInfo[6]));
    EXPECT_TRUE(text(P::TemperatureEdit).endsWith(QStringLiteral("\u00BAC"))) << text(P::TemperatureEdit).toStdString();

    // The controls that exist still show.
    for (int k = 0; k < 7; ++k) {
        if (const ILedRoundPtr& led = page().indicatorLed(k)) {
            EXPECT_EQ(led->lit(), k == 2) << "LED " << 1132 + k;
        }
    }
    for (auto which : { P::Response, P::Cycles, P::Travel }) {
        if (page().gauge(which)) {
            EXPECT_EQ(pointerColour(which), Green) << which;
        }
    }
    if (page().gauge(P::Response)) {
        EXPECT_EQ(page().gauge(P::Response)->value(), dd.StickValues[0]);
    }

    // The live values keep their timer.
    device().clearRequests();
    clock().advance(14000);
    EXPECT_EQ(joined(sent()), "187, 179, 228") << "the live values 15 s after activation";

    // Typed limits are taken when the edit is left, and Apply writes them.
    typeAndLeave(P::ResponseWarningEdit, "450");
    typeAndLeave(P::CyclesFullWarningEdit, "2500000");
    EXPECT_EQ(text(P::CyclesInitialWarningEdit), QStringLiteral("2250000")) << "the spin passed the full warning on";
    device().clearRequests();
    page().controlAs<QAbstractButton>(P::ApplyButton)->click();
    EXPECT_EQ(joined(writes()), "188, 180");
    EXPECT_EQ(lastRequest(188).toHex().toStdString(), "bc0401c203e8");
    EXPECT_TRUE(sent().contains(QStringLiteral("228")));
    EXPECT_TRUE(failures().isEmpty()) << failures().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(MissingControls, PositionerHealthWithoutControlTest,
    ::testing::Values(
        MissingControl { "LinearGauge", LinearGauge::ProgId }, MissingControl { "LedRound", LedRound::ProgId }),
    [](const ::testing::TestParamInfo<MissingControl>& info) { return std::string(info.param.name); });
