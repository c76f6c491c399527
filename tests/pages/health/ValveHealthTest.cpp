#include "HealthPageTest.h"

#include "health/CValveHealth.h"
#include "health/CValveHealthToleranceSettings.h"

#include "automation/NumberText.h"
#include "ui/ControlRegistry.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest-spi.h>

namespace
{
using Page = CValveHealth;
using namespace FrictionRules;

// The counter settings of 173/174 in the units of the wire.
struct Counts {
    uint32_t travel = 0; // hundredths of a percent
    uint32_t travelInitial = 0;
    uint32_t travelFull = 0;
    uint16_t travelDeadband = 0; // hundredths of a percent
    uint16_t stroke = 0; // hundredths of the travel unit
    uint32_t cycles = 0;
    uint32_t cyclesInitial = 0;
    uint32_t cyclesFull = 0;
    uint16_t cycleDeadband = 0;

    QByteArray bytes() const
    {
        QByteArray out;
        auto u32 = [&](uint32_t v) {
            for (int shift : { 24, 16, 8, 0 })
                out.append(char(v >> shift));
        };
        auto u16 = [&](uint16_t v) { out.append(char(v >> 8)).append(char(v)); };
        u32(travel), u32(travelInitial), u32(travelFull), u16(travelDeadband), u16(stroke);
        u32(cycles), u32(cyclesInitial), u32(cyclesFull), u16(cycleDeadband);
        return out;
    }
    static Counts of(const QByteArray& request) // [174][30][data]
    {
        const auto u32 = [&](int at) {
            uint32_t v = 0;
            for (int k = 0; k < 4; ++k)
                v = v << 8 | uint8_t(request[2 + at + k]);
            return v;
        };
        const auto u16 = [&](int at) { return uint16_t(uint8_t(request[2 + at]) << 8 | uint8_t(request[3 + at])); };
        return { u32(0), u32(4), u32(8), u16(12), u16(14), u32(16), u32(20), u32(24), u16(28) };
    }
};
}

class ValveHealthTest : public HealthPageTest
{
protected:
    static constexpr int ValveHealthCode = 31;
    static constexpr int ToleranceCode = 311;
    static constexpr uint32_t Green = IndicatorColour::Green;
    static constexpr uint32_t Yellow = IndicatorColour::Yellow;
    static constexpr uint32_t Red = IndicatorColour::Red;
    static constexpr uint32_t Black = IndicatorColour::Black;

    Page& page() { return HealthPageTest::page<Page>(); }
    CValveHealthToleranceSettings& tolerance() { return HealthPageTest::page<CValveHealthToleranceSettings>(); }

    // Start-up with the device's counters and the valve's friction, the page shown, an empty record.
    void showPage(const Counts& counts = defaultCounts(), double friction = 300.0)
    {
        startK90();
        setFriction(friction);
        device().respond(174, counts.bytes());
        clock().advance(2000);
        select(ValveHealthCode);
        device().clearRequests();
    }
    static Counts defaultCounts() { return { 56789, 450, 500, 250, 400, 98765, 900000, 1000000, 150 }; }
    void deviceFrictionLimits(const Limits& limits)
    {
        respondWithFrictionLimits(limits);
        page().OnRetrieve();
        device().clearRequests();
    }
    QString text(int id) { return page().windowText(id); }
    void type(int id, const char* typed)
    {
        page().setWindowText(id, QString::fromLatin1(typed));
        // The edit loses the focus as the user moves on.
        for (const Page::FrictionLimit& limit : Page::FrictionLimits) {
            if (limit.edit == id)
                return page().OnFrictionKillFocus(limit.pointer);
        }
        switch (id) {
        case Page::CyclesFullWarningEdit:
            return page().OnFullWarningKillFocus(Page::Cycles);
        case Page::TravelFullWarningEdit:
            return page().OnFullWarningKillFocus(Page::Travel);
        case Page::CycleDeadbandEdit:
            return page().OnDeadbandKillFocus(Page::Cycles);
        case Page::TravelDeadbandEdit:
            return page().OnDeadbandKillFocus(Page::Travel);
        case Page::StrokeLengthEdit:
            return page().OnStrokeLengthKillFocus();
        default:
            FAIL() << "no edit " << id;
        }
    }
    void click(int id) { page().controlAs<QAbstractButton>(id)->click(); }
    Limits pointers()
    {
        Limits out {};
        for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
            at(out, pointer) = page().frictionGauge()->pointerPosition(pointer);
        return out;
    }
    QStringList frictionEdits()
    {
        QStringList out;
        for (const Page::FrictionLimit& limit : Page::FrictionLimits)
            out << text(limit.edit);
        return out;
    }
    // The counter settings of the last 174 sent: none sent fails the test
    // (and gives zeros) rather than reading past an empty request.
    Counts lastCounts()
    {
        const QByteArray request = lastRequest(174);
        if (request.size() < 2 + 30) {
            ADD_FAILURE() << "no Write_Valve_Travel_Cycle_Counts request was sent";
            return {};
        }
        return Counts::of(request);
    }
    void nextReading() { clock().advance(clock().dueIn(&page(), Page::ValuesTimerId)); }
};

TEST_F(ValveHealthTest, FirstActivationReadsBothGroupsAndUnitsThenTheValuesEveryFifteenSeconds)
{
    startK90();
    device().respond(174, defaultCounts().bytes());
    clock().advance(2000);
    device().clearRequests();
    select(ValveHealthCode);
    EXPECT_EQ(joined(sent()), "197, 173, 220");
    EXPECT_EQ(frictionEdits(), (QStringList { "50", "100", "400", "500" }));
    EXPECT_EQ(pointers(), (Limits { 50, 100, 400, 500 }));
    EXPECT_EQ(page().frictionGauge()->scaleMax(), 600.0);
    EXPECT_EQ(text(Page::TravelEdit), QStringLiteral("567.89"));
    EXPECT_DOUBLE_EQ(page().counterGauge(Page::Travel)->value(), 567.89);
    EXPECT_EQ(text(Page::CycleCountEdit), QStringLiteral("98765"));
    EXPECT_EQ(text(Page::TravelFullWarningEdit), QStringLiteral("500"));
    EXPECT_EQ(text(Page::TravelInitialWarningEdit), QStringLiteral("450"));
    EXPECT_EQ(text(Page::TravelDeadbandEdit), QStringLiteral("2.5"));
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("4"));
    EXPECT_EQ(text(Page::CyclesFullWarningEdit), QStringLiteral("1000000"));
    EXPECT_EQ(text(Page::CyclesInitialWarningEdit), QStringLiteral("900000"));
    EXPECT_EQ(text(Page::CycleDeadbandEdit), QStringLiteral("1.5"));
    EXPECT_EQ(page().counterGauge(Page::Cycles)->scaleMax(), 2000000.0);
    EXPECT_EQ(page().counterGauge(Page::Travel)->scaleMax(), 1100000.0);
    EXPECT_EQ(text(Page::StrokeUnitLabel), data().TravelUnitLabel);
    EXPECT_FALSE(page().frictionChanged());
    EXPECT_FALSE(page().countersChanged());

    device().clearRequests();
    clock().advance(Page::FirstValuesMs);
    EXPECT_TRUE(sent().contains(QStringLiteral("197")) && sent().contains(QStringLiteral("173")));
    device().clearRequests();
    clock().advance(Page::ValuesMs - 1);
    EXPECT_FALSE(sent().contains(QStringLiteral("173")));
    clock().advance(1);
    EXPECT_TRUE(sent().contains(QStringLiteral("173")));
}

TEST_F(ValveHealthTest, StrokingTheSimulatedValveRaisesTravelAndCyclesAtTheNextReading)
{
    showPage({ 0, 450, 500, 250, 400, 0, 900000, 1000000, 10 });
    nextReading();
    const double travelBefore = page().counterGauge(Page::Travel)->value();
    const double cyclesBefore = page().counterGauge(Page::Cycles)->value();
    for (double command : { 20.0, 80.0, 20.0, 80.0 }) {
        device().setAnalogCommand(command);
        clock().advance(10000);
    }
    nextReading();
    EXPECT_GT(page().counterGauge(Page::Travel)->value(), travelBefore + 100.0);
    EXPECT_GT(page().counterGauge(Page::Cycles)->value(), cyclesBefore);
    EXPECT_EQ(text(Page::TravelEdit), NumberText::fromDouble(page().counterGauge(Page::Travel)->value()));
}

TEST_F(ValveHealthTest, CounterPointersTurnYellowPastTheirInitialWarning)
{
    struct Case {
        uint32_t cycles;
        uint32_t colour;
    };
    const Case cases[] = { { 89, Green }, { 90, Green }, { 95, Yellow }, { 101, Yellow } };
    showPage({ 0, 450, 500, 250, 400, 0, 90, 100, 150 });
    for (const Case& c : cases) {
        Counts counts { 0, 450, 500, 250, 400, c.cycles, 90, 100, 150 };
        device().respond(174, counts.bytes());
        nextReading();
        EXPECT_EQ(page().counterGauge(Page::Cycles)->pointerColor(0), c.colour) << c.cycles;
    }
}

TEST_F(ValveHealthTest, LimitsWrittenOnTheTolerancePageAreReadAtTheNextVisit)
{
    showPage({}, 300.0);
    select(ToleranceCode);
    tolerance().controlAs<QAbstractButton>(CValveHealthToleranceSettings::LooseButton)->click();
    tolerance().OnApply();
    device().clearRequests();
    select(ValveHealthCode);
    EXPECT_EQ(joined(sent()), "197, 220");
    EXPECT_EQ(frictionEdits(), (QStringList { "30", "135", "630", "840" }));
    EXPECT_EQ(pointers(), (Limits { 30, 135, 630, 840 }));
    EXPECT_EQ(page().frictionGauge()->scaleMax(), 900.0);
    // From then on every visit reads them.
    select(ToleranceCode);
    device().clearRequests();
    select(ValveHealthCode);
    EXPECT_EQ(joined(sent()), "197, 220");
}

TEST_F(ValveHealthTest, MovedFrictionLimitsKeepTheOrderAndApplySendsOnlyFriction)
{
    struct Case {
        const char* what;
        Limits before;
        bool drag;
        int pointer;
        double position;
        Limits after;
    };
    const Case cases[] = {
        { "high warning dragged below both low limits", { 30, 40, 300, 500 }, true, HighWarning, 20,
            { 18, 19, 20, 500 } },
        { "low warning typed past both high limits", { 100, 200, 600, 650 }, false, LowWarning, 700,
            { 100, 700, 701, 702 } },
        { "low alarm dragged past both warnings", { 10, 100, 150, 200 }, true, LowAlarm, 160, { 160, 161, 162, 200 } },
        { "high alarm dragged down onto the low warning", { 10, 50, 100, 150 }, true, HighAlarm, 50,
            { 10, 48, 49, 50 } },
        { "low alarm dragged to the bottom", { 10, 50, 100, 150 }, true, LowAlarm, -20, { 0, 50, 100, 150 } },
        { "high alarm dragged beyond the top", { 10, 50, 100, 150 }, true, HighAlarm, 12000, { 10, 50, 100, 10000 } },
        // A pointer left at a fraction stands on the whole pound Apply
        // writes, and the edit shows that.
        { "high warning dragged to a fraction", { 10, 50, 100, 150 }, true, HighWarning, 120.6, { 10, 50, 120, 150 } },
        { "low warning dragged to a fraction past the high warning", { 10, 50, 100, 150 }, true, LowWarning, 100.7,
            { 10, 100, 101, 150 } },
    };
    showPage();
    for (const Case& c : cases) {
        deviceFrictionLimits(c.before);
        if (c.drag)
            page().frictionGauge()->setPointerPosition(c.pointer, c.position);
        else
            type(Page::FrictionLimits[c.pointer - 1].edit, QByteArray::number(c.position).constData());
        EXPECT_EQ(pointers(), c.after) << c.what;
        QStringList shown;
        for (double v : c.after)
            shown << NumberText::fromDouble(v);
        EXPECT_EQ(frictionEdits(), shown) << c.what;
        device().clearRequests();
        page().OnApply();
        EXPECT_EQ(joined(sent()), "198") << c.what;
        EXPECT_EQ(lastRequest(198).mid(2),
            words({ uint16_t(c.after[2]), uint16_t(c.after[3]), uint16_t(c.after[1]), uint16_t(c.after[0]) }))
            << c.what;
    }
    device().clearRequests();
    page().OnApply();
    EXPECT_EQ(joined(sent()), "") << "nothing changed";
}

TEST_F(ValveHealthTest, FrictionPointerBlinksOutsideTheGreenZoneAndSettlesGreen)
{
    showPage({}, 300.0);
    deviceFrictionLimits({ 30, 135, 630, 840 });
    struct Case {
        double friction;
        uint32_t colour;
    };
    const Case cases[]
        = { { 135, Green }, { 630, Yellow }, { 841, Red }, { 29, Red }, { 30, Red }, { 300, Green }, { 30, Green } };
    for (const Case& c : cases) {
        setFriction(c.friction);
        nextReading();
        clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
        EXPECT_EQ(page().frictionBlinkColor(), c.colour) << c.friction;
        EXPECT_EQ(page().timerArmed(Page::BlinkTimerId), c.colour != Green) << c.friction;
    }
    setFriction(841);
    nextReading();
    clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
    uint32_t shown = page().frictionGauge()->pointerColor(0);
    ASSERT_TRUE(shown == Red || shown == Black);
    for (int k = 0; k < 6; ++k) {
        clock().advance(Page::ZoneMs);
        const uint32_t next = shown == Red ? Black : Red;
        EXPECT_EQ(page().frictionGauge()->pointerColor(0), next) << k;
        shown = next;
    }
    setFriction(300);
    nextReading();
    clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
    EXPECT_FALSE(page().timerArmed(Page::BlinkTimerId));
    clock().advance(Page::ZoneMs);
    EXPECT_EQ(page().frictionGauge()->pointerColor(0), Green);
}

TEST_F(ValveHealthTest, CounterFullScalesFollowTheFullWarning)
{
    struct Case {
        Page::Counter counter;
        const char* typed;
        double scale;
    };
    const Case cases[] = {
        { Page::Cycles, "35000000", 40000000 },
        { Page::Cycles, "100000000", 110000000 },
        { Page::Cycles, "10000000", 60000000 },
        { Page::Cycles, "5000000", 6000000 },
        { Page::Travel, "25000000", 30000000 },
        { Page::Travel, "895000000", 900000000 },
        { Page::Travel, "10000000", 21000000 },
    };
    showPage();
    for (const Case& c : cases) {
        type(Page::Counters[c.counter].fullWarningEdit, c.typed);
        EXPECT_EQ(page().counterGauge(c.counter)->scaleMax(), c.scale) << c.typed;
        const double full = NumberText::toInt(QString::fromLatin1(c.typed));
        EXPECT_EQ(page().counterGauge(c.counter)->pointerPosition(2), full) << c.typed;
        EXPECT_EQ(page().windowText(Page::Counters[c.counter].fullWarningEdit), QString::number(qint64(full)));
        EXPECT_EQ(
            page().windowText(Page::Counters[c.counter].initialWarningEdit), NumberText::format("%.0f", full * 0.9))
            << c.typed;
    }
}

TEST_F(ValveHealthTest, ApplyOfACounterSettingSendsTheOthersAsShownAndTheCountersAsReadJustBefore)
{
    showPage({ 56789, 450, 500, 250, 400, 98765, 90000000, 100000000, 150 });
    EXPECT_EQ(text(Page::CyclesFullWarningEdit), QStringLiteral("100000000"));
    EXPECT_EQ(page().counterGauge(Page::Cycles)->scaleMax(), 110000000.0);
    // The valve moves on after the display.
    device().setAnalogCommand(20);
    clock().advance(10000);
    type(Page::CycleDeadbandEdit, "3.5");
    device().clearRequests();
    click(Page::ApplyButton);
    EXPECT_EQ(joined(sent()), "173, 174");
    const Counts sentCounts = lastCounts();
    EXPECT_EQ(sentCounts.cycleDeadband, 350);
    EXPECT_EQ(sentCounts.cyclesFull, 100000000u);
    EXPECT_EQ(sentCounts.cyclesInitial, 90000000u);
    EXPECT_EQ(sentCounts.travelFull, 500u);
    EXPECT_EQ(sentCounts.travelInitial, 450u);
    EXPECT_EQ(sentCounts.travelDeadband, 250);
    EXPECT_EQ(sentCounts.stroke, 400);
    EXPECT_EQ(sentCounts.travel, data().TravelCycle[0]) << "in hundredths, as read";
    EXPECT_GT(sentCounts.travel, 56789u) << "the travel counted since the display is kept";
    EXPECT_EQ(sentCounts.cycles, data().TravelCycle[6]);
    EXPECT_EQ(text(Page::CycleDeadbandEdit), QStringLiteral("3.5"));
}

TEST_F(ValveHealthTest, StrokeLengthAndDeadbandsGoOutInHundredthsAndShowAsTyped)
{
    showPage();
    type(Page::StrokeLengthEdit, "3");
    click(Page::ApplyButton);
    EXPECT_EQ(lastCounts().stroke, 300);
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("3"));

    type(Page::TravelDeadbandEdit, "1.5");
    device().clearRequests();
    click(Page::ApplyButton);
    EXPECT_EQ(lastCounts().stroke, 300) << "a second Apply keeps the stroke length";
    EXPECT_EQ(lastCounts().travelDeadband, 150);
    EXPECT_EQ(text(Page::TravelDeadbandEdit), QStringLiteral("1.5"));

    struct Case {
        int edit;
        const char* typed;
        const char* shown;
        uint16_t Counts::*field;
        uint16_t sent;
    };
    const Case cases[] = {
        { Page::TravelDeadbandEdit, "0", "0", &Counts::travelDeadband, 0 },
        { Page::CycleDeadbandEdit, "0", "0", &Counts::cycleDeadband, 0 },
        { Page::StrokeLengthEdit, "100", "100", &Counts::stroke, 10000 },
        { Page::CycleDeadbandEdit, "99", "99", &Counts::cycleDeadband, 9900 },
        { Page::TravelDeadbandEdit, "12", "12", &Counts::travelDeadband, 1200 },
    };
    for (const Case& c : cases) {
        type(c.edit, c.typed);
        EXPECT_EQ(text(c.edit), QString::fromLatin1(c.shown)) << c.typed;
        click(Page::ApplyButton);
        EXPECT_EQ(lastCounts().*c.field, c.sent) << c.edit << " " << c.typed;
        EXPECT_EQ(text(c.edit), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(ValveHealthTest, ADeadbandShowsTheWholeTenthItIsWrittenAsWhateverPutItThere)
{
    // The write holds whole tenths of a percent. The device's 11.05 and
    // -0.01 (0xffff), a spin stepped from there, and a spin value off the
    // step, each shown as what Apply then sends (hundredths on the wire).
    Counts counts = defaultCounts();
    counts.travelDeadband = 1105;
    counts.cycleDeadband = 0xffff;
    showPage(counts);
    const auto travelSent = [this] { return lastRequest(174).mid(2 + 12, 2).toHex(' ').toStdString(); };
    const auto cycleSent = [this] { return lastRequest(174).mid(2 + 28, 2).toHex(' ').toStdString(); };
    EXPECT_EQ(text(Page::TravelDeadbandEdit), QStringLiteral("11"));
    EXPECT_EQ(text(Page::CycleDeadbandEdit), QStringLiteral("0"));
    type(Page::CyclesFullWarningEdit, "2000"); // another setting applied
    click(Page::ApplyButton);
    EXPECT_EQ(travelSent(), "04 4c"); // 11.00
    EXPECT_EQ(cycleSent(), "00 00");

    counts.travelDeadband = 1105;
    device().respond(174, counts.bytes());
    click(Page::RetrieveButton);
    page().spin(Page::TravelDeadbandSpin)->stepBy(1);
    EXPECT_EQ(text(Page::TravelDeadbandEdit), QStringLiteral("11.5"));
    click(Page::ApplyButton);
    EXPECT_EQ(travelSent(), "04 7e"); // 11.50
    EXPECT_EQ(text(Page::TravelDeadbandEdit), QStringLiteral("11.5"));

    page().spin(Page::CycleDeadbandSpin)->setValue(113.7);
    EXPECT_EQ(text(Page::CycleDeadbandEdit), QStringLiteral("11.3"));
    click(Page::ApplyButton);
    EXPECT_EQ(cycleSent(), "04 6a"); // 11.30
    EXPECT_EQ(text(Page::CycleDeadbandEdit), QStringLiteral("11.3"));
}

TEST_F(ValveHealthTest, ACounterCheckWithNoWriteSentFailsTheTestCleanly)
{
    showPage();
    click(Page::ApplyButton); // nothing changed: nothing written
    EXPECT_NONFATAL_FAILURE(lastCounts(), "no Write_Valve_Travel_Cycle_Counts request was sent");
}

TEST_F(ValveHealthTest, ResetsZeroOnlyTheirOwnCounterThenReadTheDevice)
{
    showPage({ 56789, 450, 500, 250, 400, 98765, 900000, 1000000, 150 });
    click(Page::ResetTravelCounterButton);
    EXPECT_EQ(joined(sent()), "173, 174, 173");
    EXPECT_EQ(lastCounts().travel, 0u);
    EXPECT_EQ(lastCounts().cycles, 98765u);
    EXPECT_EQ(lastCounts().cycleDeadband, 150);
    EXPECT_EQ(text(Page::TravelEdit), QStringLiteral("0"));

    device().clearRequests();
    click(Page::ResetCycleCounterButton);
    EXPECT_EQ(joined(sent()), "173, 174, 173");
    EXPECT_EQ(lastCounts().cycles, 0u);
    EXPECT_EQ(text(Page::CycleCountEdit), QStringLiteral("0"));
    EXPECT_FALSE(page().countersChanged());
}

TEST_F(ValveHealthTest, HelpButtonsFillBothBoxesAndTheToleranceButtonLeadsToItsPage)
{
    showPage();
    EXPECT_TRUE(text(Page::ImplicationsEdit).isEmpty());
    click(Page::FrictionHelpButton);
    EXPECT_TRUE(text(Page::ImplicationsEdit).startsWith(QStringLiteral("FRICTION HIGH ALARM (user set)")));
    EXPECT_TRUE(text(Page::SolutionsEdit).endsWith(QStringLiteral("Tighten or replace the valve packing.")));
    click(Page::CyclesHelpButton);
    const QString cyclesSolution = text(Page::SolutionsEdit);
    EXPECT_TRUE(text(Page::ImplicationsEdit).startsWith(QStringLiteral("VALVE CYCLES LIMIT ALERT")));
    click(Page::TravelHelpButton);
    EXPECT_TRUE(text(Page::ImplicationsEdit).startsWith(QStringLiteral("VALVE TRAVEL LIMIT ALERT")));
    EXPECT_EQ(text(Page::SolutionsEdit), cyclesSolution);

    click(Page::ToleranceSettingsButton);
    EXPECT_TRUE(tolerance().isVisible());
    EXPECT_FALSE(page().timerArmed(Page::ValuesTimerId));
}

TEST_F(ValveHealthTest, LeavingThePageStopsItsTimers)
{
    showPage({}, 900.0); // past the high alarm: the blink runs
    clock().advance(1000);
    for (int id : { StripPage::StripTimerId, Page::ValuesTimerId, Page::ZoneTimerId, Page::BlinkTimerId })
        EXPECT_TRUE(page().timerArmed(id)) << id;
    select(ActuatorHealthCode);
    for (int id : { StripPage::StripTimerId, Page::ValuesTimerId, Page::ZoneTimerId, Page::BlinkTimerId })
        EXPECT_FALSE(page().timerArmed(id)) << id;
}

TEST_F(ValveHealthTest, FullWarningTypedAtTheTopOfItsSpinIsWrittenWithItsInitialWarning)
{
    showPage();
    type(Page::CyclesFullWarningEdit, "400000000");
    EXPECT_EQ(text(Page::CyclesFullWarningEdit), QStringLiteral("400000000"));
    EXPECT_EQ(page().counterGauge(Page::Cycles)->pointerPosition(2), 400000000.0);
    EXPECT_EQ(text(Page::CyclesInitialWarningEdit), QStringLiteral("360000000"));
    click(Page::ApplyButton);
    EXPECT_EQ(lastCounts().cyclesFull, 400000000u);
    EXPECT_EQ(lastCounts().cyclesInitial, 360000000u);
}

TEST_F(ValveHealthTest, WithoutAFreshCounterReadTheCountersAreNotWritten)
{
    showPage();
    type(Page::StrokeLengthEdit, "3");
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 173);
    click(Page::ApplyButton);
    EXPECT_FALSE(sent().contains(QStringLiteral("174")));
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Write_Valve_Travel_Cycle_Counts not sent: no Read_Valve_Travel_Cycle_Count reply")));
    EXPECT_TRUE(page().countersChanged()) << "the change waits for the next Apply";
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("3"));
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 173);
    click(Page::ResetCycleCounterButton);
    EXPECT_FALSE(sent().contains(QStringLiteral("174")));

    click(Page::ApplyButton);
    EXPECT_EQ(lastCounts().stroke, 300);
}

TEST_F(ValveHealthTest, SettingTypedAndAppliedAtOnceIsWritten)
{
    showPage();
    QApplication::setActiveWindow(page().window());
    QWidget* edit = page().control(Page::StrokeLengthEdit);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    page().setWindowText(Page::StrokeLengthEdit, QStringLiteral("2.34"));
    // Pressing the button takes the focus before the click is handled.
    auto* apply = page().controlAs<QAbstractButton>(Page::ApplyButton);
    apply->setFocus();
    apply->click();
    EXPECT_EQ(lastCounts().stroke, 234);
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("2.34"));
}

TEST_F(ValveHealthTest, SmallerModelShowsItsOwnFrictionLimitsOnBothFrictionPages)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    clock().advance(2000);
    device(K40Path).clearRequests();
    select(ValveHealthCode);
    EXPECT_EQ(joined(sent(K40Path)), "197, 173, 220");
    EXPECT_EQ(frictionEdits(), (QStringList { "15", "30", "120", "150" }));
    EXPECT_EQ(page().frictionGauge()->scaleMax(), 200.0);
    select(ToleranceCode);
    EXPECT_EQ(tolerance().windowText(CValveHealthToleranceSettings::HighAlarmEdit), QStringLiteral("150"));
    EXPECT_EQ(tolerance().gauge()->scaleMax(), 200.0);
}

TEST_F(ValveHealthTest, WithoutItsGaugesThePageShowsReadsAndWritesTheDeviceValues)
{
    ControlRegistry::instance().remove(QString::fromLatin1(LinearGauge::ProgId));
    showPage(defaultCounts(), 900.0); // past the high alarm
    ControlRegistry::instance().restoreAll();
    ASSERT_FALSE(page().frictionGauge());
    ASSERT_FALSE(page().counterGauge(Page::Cycles));

    EXPECT_EQ(frictionEdits(), (QStringList { "50", "100", "400", "500" }));
    for (const Page::FrictionLimit& limit : Page::FrictionLimits)
        EXPECT_EQ(page().spin(limit.spin)->value(), text(limit.edit).toDouble()) << limit.spin;
    EXPECT_EQ(text(Page::FrictionEdit), NumberText::fromDouble(data().FrictionSettings[0]));
    EXPECT_EQ(text(Page::TravelEdit), QStringLiteral("567.89"));
    EXPECT_EQ(text(Page::CycleCountEdit), QStringLiteral("98765"));
    EXPECT_EQ(text(Page::TravelFullWarningEdit), QStringLiteral("500"));
    EXPECT_EQ(text(Page::CyclesFullWarningEdit), QStringLiteral("1000000"));
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("4"));
    EXPECT_EQ(page().spin(Page::StrokeLengthSpin)->value(), 4.0);
    EXPECT_EQ(page().spin(Page::TravelFullWarningSpin)->value(), 500.0);
    EXPECT_EQ(text(Page::CycleDeadbandEdit), QStringLiteral("1.5"));

    // The zone still follows the friction, from the limits the spins hold.
    clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
    EXPECT_EQ(page().frictionBlinkColor(), Red);

    nextReading();
    EXPECT_TRUE(sent().contains(QStringLiteral("197")));
    EXPECT_TRUE(sent().contains(QStringLiteral("173")));
    device().clearRequests();
    nextReading();
    EXPECT_TRUE(sent().contains(QStringLiteral("197")));
    EXPECT_TRUE(sent().contains(QStringLiteral("173")));

    type(Page::StrokeLengthEdit, "3");
    click(Page::ApplyButton);
    const Counts sentCounts = lastCounts();
    EXPECT_EQ(sentCounts.stroke, 300);
    EXPECT_EQ(sentCounts.travelFull, 500u);
    EXPECT_EQ(sentCounts.travelInitial, 450u);
    EXPECT_EQ(sentCounts.travelDeadband, 250);
    EXPECT_EQ(sentCounts.cyclesFull, 1000000u);
    EXPECT_EQ(sentCounts.cyclesInitial, 900000u);
    EXPECT_EQ(sentCounts.cycleDeadband, 150);

    type(Page::LowAlarmEdit, "20");
    click(Page::ApplyButton);
    // High warning, high alarm, low warning, low alarm.
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("01 90 01 f4 00 64 00 14"));
    EXPECT_EQ(frictionEdits(), (QStringList { "20", "100", "400", "500" }));

    EXPECT_TRUE(logTexts().filter(QStringLiteral("CValveHealth ")).isEmpty()) << logTexts().join('\n').toStdString();
}

TEST_F(ValveHealthTest, PointerLeftDarkByAStoppedBlinkShowsItsZoneWhenEitherFrictionPageIsShownAgain)
{
    startK90();
    setFriction(900.0); // past the high alarm
    clock().advance(2000);
    struct Case {
        int code;
        StripPage* page;
        const ILinearGaugePtr* gauge;
        int blinkTimer;
    };
    const Case cases[] = {
        { ValveHealthCode, &page(), &page().frictionGauge(), Page::BlinkTimerId },
        { ToleranceCode, &tolerance(), &tolerance().gauge(), CValveHealthToleranceSettings::BlinkTimerId },
    };
    for (const Case& c : cases) {
        select(c.code); // the first visit: the limits are read and the blink starts
        clock().advance(2000);
        auto pointer = [&] { return (*c.gauge)->pointerColor(0); };
        for (int k = 0; k < 2 && pointer() != Black; ++k)
            clock().advance(ZoneIndicator::BlinkMs);
        ASSERT_EQ(pointer(), Black) << c.code;
        select(ActuatorHealthCode);
        select(c.code);
        EXPECT_EQ(pointer(), Red) << c.code;
        EXPECT_TRUE(c.page->timerArmed(c.blinkTimer)) << c.code;
        clock().advance(ZoneIndicator::BlinkMs);
        EXPECT_EQ(pointer(), Black) << c.code;
        clock().advance(ZoneIndicator::BlinkMs);
        EXPECT_EQ(pointer(), Red) << c.code;
    }
}

// The K40's simulated valve strokes 0.75 in.: 75 hundredths in 173 and 174.
class ValveHealthStrokeTest : public ValveHealthTest
{
protected:
    void showK40Page()
    {
        start({ QStringLiteral("/dSim/K40/PV-102") });
        clock().advance(2000);
        select(ValveHealthCode);
        device(K40Path).clearRequests();
    }
    QByteArray sentStroke() { return lastRequest(174, K40Path).mid(2 + 14, 2).toHex(' '); }
    bool markShows(int icon)
    {
        return page().controlAs<QLabel>(Page::StrokeMark)->pixmap().toImage() == Pictures::load(icon).toImage();
    }
};

TEST_F(ValveHealthStrokeTest, StrokeLengthLeftAsShownGoesBackAsTheDeviceHasIt)
{
    struct Case {
        const char* what;
        int button;
        int touched; // another setting changed first, 0 for none
    };
    const Case cases[] = {
        { "Reset Cycle Counter", Page::ResetCycleCounterButton, 0 },
        { "Reset Travel Counter", Page::ResetTravelCounterButton, 0 },
        { "Apply of the cycle deadband", Page::ApplyButton, Page::CycleDeadbandEdit },
        { "Apply with the focus passing through the stroke edit", Page::ApplyButton, Page::StrokeLengthEdit },
    };
    showK40Page();
    ASSERT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("0.75"));
    for (const Case& c : cases) {
        if (c.touched == Page::CycleDeadbandEdit)
            type(Page::CycleDeadbandEdit, "2");
        if (c.touched == Page::StrokeLengthEdit)
            page().OnStrokeLengthKillFocus();
        device(K40Path).clearRequests();
        click(c.button);
        EXPECT_EQ(sentStroke(), QByteArray("00 4b")) << c.what;
        EXPECT_EQ(device(K40Path).miscWord(0x74), 75) << c.what;
        EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("0.75")) << c.what;
    }

    // Another page writes the stroke after this one showed it: the reset
    // sends the device's present stroke, not the one on screen.
    device(K40Path).setMiscWord(0x74, 120);
    click(Page::ResetCycleCounterButton);
    EXPECT_EQ(sentStroke(), QByteArray("00 78"));
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("1.2"));
}

TEST_F(ValveHealthStrokeTest, TypedStrokeLengthKeepsItsHundredths)
{
    struct Case {
        const char* typed;
        const char* shown;
        const char* sent;
    };
    const Case cases[] = {
        { "1.5", "1.5", "00 96" },
        // Exactly the hundredths typed, none lost to the binary fraction.
        { "99.99", "99.99", "27 0f" },
        { "0.29", "0.29", "00 1d" },
        { "2.34", "2.34", "00 ea" },
        { "100", "100", "27 10" },
        { "0.01", "0.01", "00 01" },
    };
    showK40Page();
    for (const Case& c : cases) {
        type(Page::StrokeLengthEdit, c.typed);
        EXPECT_EQ(text(Page::StrokeLengthEdit), QString::fromLatin1(c.shown)) << c.typed;
        click(Page::ApplyButton);
        EXPECT_EQ(sentStroke(), QByteArray(c.sent)) << c.typed;
        EXPECT_EQ(text(Page::StrokeLengthEdit), QString::fromLatin1(c.shown)) << c.typed;
        click(Page::RetrieveButton);
        EXPECT_EQ(text(Page::StrokeLengthEdit), QString::fromLatin1(c.shown)) << "as the device keeps it: " << c.typed;
    }
    // A step of the spin keeps the hundredths too.
    type(Page::StrokeLengthEdit, "0.75");
    page().spin(Page::StrokeLengthSpin)->stepBy(1);
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("1.75"));
    click(Page::ApplyButton);
    EXPECT_EQ(sentStroke(), QByteArray("00 af"));
}

TEST_F(ValveHealthStrokeTest, TheStrokeSpinStepsDownNoFurtherThanAHundredth)
{
    showK40Page();
    type(Page::StrokeLengthEdit, "0.75");
    page().spin(Page::StrokeLengthSpin)->stepBy(-1);
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("0.01"));
    EXPECT_TRUE(markShows(139));
    EXPECT_EQ(page().control(Page::StrokeLengthSpin)->toolTip(),
        QStringLiteral("Please enter values between 0.01 and 100 in steps of 0.01"));
    click(Page::ApplyButton);
    EXPECT_EQ(sentStroke(), QByteArray("00 01"));
}

TEST_F(ValveHealthStrokeTest, AStrokeLengthOutsideWhatItsSpinHoldsIsMarkedAndNothingIsWritten)
{
    showK40Page();
    for (const char* typed : { "abc", "-1", "0", "0.004", "700", "655.36", "655.35", "100.5" }) {
        SCOPED_TRACE(typed);
        type(Page::StrokeLengthEdit, typed);
        EXPECT_EQ(text(Page::StrokeLengthEdit), QLatin1String(typed)) << "shown as typed";
        EXPECT_TRUE(markShows(138));
        EXPECT_EQ(page().control(Page::StrokeMark)->toolTip(),
            QStringLiteral("Please enter values between 0.01 and 100 in steps of 0.01"));
        device(K40Path).clearRequests();
        click(Page::ApplyButton);
        EXPECT_EQ(joined(sent(K40Path)), "");
        // A reset is no write of the stroke: it sends the device's.
        for (int reset : { Page::ResetCycleCounterButton, Page::ResetTravelCounterButton }) {
            click(reset);
            EXPECT_EQ(sentStroke(), QByteArray("00 4b"));
            EXPECT_EQ(text(Page::StrokeLengthEdit), QLatin1String(typed));
        }
        EXPECT_EQ(joined(sent(K40Path)), "173, 174, 173, 173, 174, 173");
        // The next reading leaves the typed text alone.
        nextReading();
        EXPECT_EQ(text(Page::StrokeLengthEdit), QLatin1String(typed));
        EXPECT_EQ(device(K40Path).miscWord(0x74), 75);
    }
    EXPECT_TRUE(logTexts().contains(QStringLiteral(
        "Write_Valve_Travel_Cycle_Counts not sent: the stroke length is not one of the values between 0.01 and 100 in "
        "steps of 0.01")));

    // Put right, the mark clears and the stroke goes out as typed.
    type(Page::StrokeLengthEdit, "1.5");
    EXPECT_TRUE(markShows(139));
    device(K40Path).clearRequests();
    click(Page::ApplyButton);
    EXPECT_EQ(joined(sent(K40Path)), "173, 174");
    EXPECT_EQ(sentStroke(), QByteArray("00 96"));
    EXPECT_EQ(device(K40Path).miscWord(0x74), 150);
}

TEST_F(ValveHealthStrokeTest, AStrokeAnotherPageWroteIsShownAtTheNextReading)
{
    showK40Page();
    ASSERT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("0.75"));
    // The linkage linearization writes 20.00 from the characterization editor.
    device(K40Path).setMiscWord(0x74, 2000);
    nextReading();
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("20"));
    EXPECT_EQ(page().spin(Page::StrokeLengthSpin)->value(), 20.0);

    // A stroke the user is typing is not taken from under them.
    type(Page::StrokeLengthEdit, "3");
    device(K40Path).setMiscWord(0x74, 120);
    nextReading();
    EXPECT_EQ(text(Page::StrokeLengthEdit), QStringLiteral("3"));
}

TEST_F(ValveHealthTest, StrokeLengthShowsTheTravelUnitTheDeviceReports)
{
    // Both simulated valves are linear and stroke in inches; a device set to
    // another travel unit is shown in that unit.
    const struct {
        const char* path;
        int travelUnit; // 0: as the device starts
        const char* shown;
    } cases[] = {
        { K90Path, 0, "in." },
        { K40Path, 0, "in." },
        { K90Path, 57, "%" },
        { K40Path, 49, "mm" },
    };
    for (const auto& c : cases) {
        start({ QStringLiteral("/d") + QLatin1String(c.path) });
        if (c.travelUnit != 0)
            device(c.path).setTravelUnit(uint8_t(c.travelUnit));
        clock().advance(2000);
        select(ValveHealthCode);
        EXPECT_EQ(text(Page::StrokeUnitLabel), QLatin1String(c.shown)) << c.path << " " << c.travelUnit;
        m_app.reset();
    }
}
