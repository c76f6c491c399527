#include "HealthPageTest.h"

#include "health/CValveHealthToleranceSettings.h"

#include "automation/NumberText.h"
#include "ui/ControlRegistry.h"

#include <QAbstractButton>
#include <QApplication>

namespace
{
using Page = CValveHealthToleranceSettings;
using namespace FrictionRules;
}

// The friction tolerance settings page shown against the simulated valve.
class FrictionToleranceTest : public HealthPageTest
{
protected:
    static constexpr int ToleranceCode = 311;
    static constexpr uint32_t Green = IndicatorColour::Green;
    static constexpr uint32_t Yellow = IndicatorColour::Yellow;
    static constexpr uint32_t Red = IndicatorColour::Red;
    static constexpr uint32_t Black = IndicatorColour::Black;

    Page& page() { return HealthPageTest::page<Page>(); }

    // Start-up with the valve's friction at `lbf`, the page shown, an empty record.
    void showPage(double lbf = 300.0)
    {
        startK90();
        setFriction(lbf);
        clock().advance(2000);
        select(ToleranceCode);
        device().clearRequests();
    }
    // The device's own limits, as another tool would have written them, then Retrieve.
    void deviceLimits(const Limits& limits)
    {
        respondWithFrictionLimits(limits);
        page().OnRetrieve();
        device().clearRequests();
    }
    void click(int id) { page().controlAs<QAbstractButton>(id)->click(); }
    void type(int pointer, const char* text)
    {
        page().setWindowText(Page::Limits[pointer - 1].edit, QString::fromLatin1(text));
        page().OnLimitKillFocus(pointer);
    }
    QString text(int id) { return page().windowText(id); }
    QStringList edits()
    {
        QStringList out;
        for (const Page::Limit& limit : Page::Limits)
            out << text(limit.edit);
        return out;
    }
    Limits spins()
    {
        Limits out {};
        for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
            at(out, pointer) = page().spin(pointer)->value();
        return out;
    }
    Limits pointers()
    {
        Limits out {};
        for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
            at(out, pointer) = page().gauge()->pointerPosition(pointer);
        return out;
    }
    uint32_t valuePointer() { return page().gauge()->pointerColor(0); }
    void nextFrictionReading() { clock().advance(clock().dueIn(&page(), Page::FrictionValueTimerId)); }
};

TEST_F(FrictionToleranceTest, FirstActivationReadsTheLimitsSupplyActuatorAndUnits)
{
    startK90();
    setFriction(250.0);
    clock().advance(2000);
    device().clearRequests();
    select(ToleranceCode);
    EXPECT_EQ(joined(sent()), "197, 195, 230, 220");
    EXPECT_EQ(edits(), (QStringList { "50", "100", "400", "500" }));
    EXPECT_EQ(spins(), (Limits { 50, 100, 400, 500 }));
    EXPECT_EQ(pointers(), (Limits { 50, 100, 400, 500 }));
    EXPECT_EQ(text(Page::CurrentValueEdit), QStringLiteral("250"));
    EXPECT_EQ(page().gauge()->value(), 250.0);
    EXPECT_EQ(page().gauge()->scaleMax(), 600.0);
    EXPECT_EQ(text(Page::PressureUnitLabel), data().PressureUnitLabel);
    EXPECT_EQ(text(Page::NominalValueEdit), NumberText::fromDouble(data().SupplySettings[1] * 0.01));
    EXPECT_EQ(text(Page::ActuatorSizeEdit), NumberText::fromDouble(data().ActuatorArea * 0.1));
    EXPECT_FALSE(page().frictionChanged());

    // The friction is read again every 15 s; the limits and the presets' base stay.
    device().clearRequests();
    setFriction(280.0);
    nextFrictionReading();
    EXPECT_EQ(sent().count(QStringLiteral("197")), 1);
    EXPECT_FALSE(sent().contains(QStringLiteral("198")));
    EXPECT_EQ(text(Page::CurrentValueEdit), QStringLiteral("280"));
    EXPECT_EQ(page().frictionValue(), 250.0);
}

TEST_F(FrictionToleranceTest, PresetsDeriveTheLimitsFromTheFrictionFoundAndApplyWritesThem)
{
    showPage(300.0);
    click(Page::LooseButton);
    EXPECT_EQ(edits(), (QStringList { "30", "135", "630", "840" }));
    EXPECT_EQ(page().gauge()->scaleMax(), 900.0);
    EXPECT_TRUE(page().controlAs<QAbstractButton>(Page::LooseButton)->isChecked());
    EXPECT_TRUE(text(Page::ImplicationsEdit).startsWith(QStringLiteral("Setting loose friction limits")));
    EXPECT_EQ(data().FrictionLimitsApplied, 0);

    click(Page::ApplyButton);
    EXPECT_EQ(lastRequest(198).toHex(' '), QByteArray("c6 08 02 76 03 48 00 87 00 1e"));
    EXPECT_EQ(data().FrictionLimitsApplied, 1);
    EXPECT_EQ(edits(), (QStringList { "30", "135", "630", "840" })) << "shown from what was written, without a read";
    EXPECT_EQ(joined(sent()), "198");

    click(Page::NoLimitsButton);
    EXPECT_EQ(edits(), (QStringList { "0", "1", "9999", "10000" }));
    click(Page::ApplyButton);
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("27 0f 27 10 00 01 00 00"));
    EXPECT_EQ(data().FrictionLimitsApplied, 1) << "never cleared";
}

TEST_F(FrictionToleranceTest, FractionalPresetLimitsShowWhatIsWrittenCutToWholePounds)
{
    showPage(157.0);
    click(Page::TightButton); // 70.65, 125.6, 219.8, 329.7
    EXPECT_EQ(edits(), (QStringList { "70", "125", "219", "329" }));
    EXPECT_EQ(spins(), (Limits { 70, 125, 219, 329 }));
    EXPECT_EQ(pointers(), (Limits { 70, 125, 219, 329 }));
    click(Page::ApplyButton);
    // High warning 219, high alarm 329, low warning 125, low alarm 70.
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("00 db 01 49 00 7d 00 46"));
    EXPECT_EQ(edits(), (QStringList { "70", "125", "219", "329" }));
}

TEST_F(FrictionToleranceTest, MovedLimitsKeepTheOrderInEditsSpinsAndPointers)
{
    struct Case {
        const char* what;
        Limits before;
        bool drag; // a drag of the pointer, else the value typed into the edit
        int pointer;
        double position;
        Limits after;
    };
    const Case cases[] = {
        { "high warning dragged below both low limits", { 30, 40, 300, 500 }, true, HighWarning, 20,
            { 18, 19, 20, 500 } },
        { "low warning typed past both high limits", { 100, 200, 600, 650 }, false, LowWarning, 700,
            { 100, 700, 701, 702 } },
        { "low alarm dragged past the low warning", { 10, 100, 300, 400 }, true, LowAlarm, 120,
            { 120, 121, 300, 400 } },
        { "high alarm typed below both warnings", { 10, 55, 60, 400 }, false, HighAlarm, 50, { 10, 48, 49, 50 } },
        { "low warning dragged to the bottom stops at its floor over the low alarm", { 5, 100, 300, 400 }, true,
            LowWarning, 0, { 0, 1, 300, 400 } },
        { "high alarm typed at the spin's maximum", { 10, 100, 300, 400 }, false, HighAlarm, 10000,
            { 10, 100, 300, 10000 } },
        { "low alarm dragged to a fraction past the low warning", { 10, 100, 300, 400 }, true, LowAlarm, 120.6,
            { 120, 121, 300, 400 } },
    };
    showPage();
    for (const Case& c : cases) {
        deviceLimits(c.before);
        ASSERT_EQ(pointers(), c.before) << c.what;
        if (c.drag)
            page().gauge()->setPointerPosition(c.pointer, c.position);
        else
            type(c.pointer, QByteArray::number(c.position).constData());
        EXPECT_EQ(pointers(), c.after) << c.what;
        EXPECT_EQ(spins(), c.after) << c.what;
        QStringList shown;
        for (double v : c.after)
            shown << NumberText::fromDouble(v);
        EXPECT_EQ(edits(), shown) << c.what;
        EXPECT_TRUE(page().frictionChanged()) << c.what;
    }
}

TEST_F(FrictionToleranceTest, APresetOfLimitsThatMeetIsShownAndWrittenInOrder)
{
    const struct {
        double friction;
        int button;
        QStringList edits;
        const char* written; // high warning, high alarm, low warning, low alarm
    } cases[] = {
        { 0, Page::TightButton, { "0", "1", "2", "3" }, "00 02 00 03 00 01 00 00" },
        { 0, Page::LooseButton, { "0", "1", "2", "3" }, "00 02 00 03 00 01 00 00" },
        // 0.45, 0.8, 1.4 and 2.1, cut to 0, 0, 1 and 2.
        { 1, Page::TightButton, { "0", "1", "2", "3" }, "00 02 00 03 00 01 00 00" },
        // 0.3, 0.65, 1.7 and 2.4 of 5: 1.5, 3.25, 8.5 and 12.
        { 5, Page::NormalButton, { "1", "3", "8", "12" }, "00 08 00 0c 00 03 00 01" },
    };
    for (const auto& c : cases) {
        showPage(c.friction);
        ASSERT_EQ(page().frictionValue(), c.friction);
        click(c.button);
        EXPECT_EQ(edits(), c.edits) << c.friction;
        QStringList shown;
        for (double v : pointers())
            shown << NumberText::fromDouble(v);
        EXPECT_EQ(shown, c.edits) << c.friction;
        click(Page::ApplyButton);
        EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray(c.written)) << c.friction;
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(FrictionToleranceTest, TypedLimitIsWrittenByTheNextApplyAndClearsThePresets)
{
    showPage();
    click(Page::NormalButton);
    deviceLimits({ 50, 100, 400, 500 });
    click(Page::NormalButton);
    type(LowAlarm, "150");
    EXPECT_FALSE(page().controlAs<QAbstractButton>(Page::NormalButton)->isChecked());
    EXPECT_EQ(pointers(), (Limits { 150, 195, 510, 720 })) << "the normal preset of 300 lbf, then the typed low alarm";
    type(LowAlarm, "200");
    EXPECT_EQ(pointers(), (Limits { 200, 201, 510, 720 }));
    click(Page::ApplyButton);
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("01 fe 02 d0 00 c9 00 c8"));
}

TEST_F(FrictionToleranceTest, ApplyWithNothingChangedSendsNothingAndRetrieveDropsEdits)
{
    showPage();
    click(Page::ApplyButton);
    EXPECT_EQ(joined(sent()), "");
    EXPECT_EQ(data().FrictionLimitsApplied, 0);

    type(HighAlarm, "700");
    click(Page::LooseButton);
    click(Page::RetrieveButton);
    EXPECT_EQ(joined(sent()), "197");
    EXPECT_EQ(edits(), (QStringList { "50", "100", "400", "500" }));
    EXPECT_FALSE(page().controlAs<QAbstractButton>(Page::LooseButton)->isChecked());
    EXPECT_FALSE(page().frictionChanged());

    // Unapplied changes are read over on the next visit; a visit without changes reads no limits.
    type(HighAlarm, "700");
    select(ActuatorHealthCode);
    device().clearRequests();
    select(ToleranceCode);
    EXPECT_EQ(joined(sent()), "197, 195, 230, 220");
    EXPECT_EQ(text(Page::HighAlarmEdit), QStringLiteral("500"));
    select(ActuatorHealthCode);
    device().clearRequests();
    select(ToleranceCode);
    EXPECT_EQ(joined(sent()), "195, 230, 220");
}

TEST_F(FrictionToleranceTest, FrictionPointerTakesItsZoneColourAndBlinksOutsideTheGreenZone)
{
    showPage(300.0);
    deviceLimits({ 30, 135, 630, 840 });
    struct Case {
        double friction;
        uint32_t colour;
    };
    // On the low alarm the colour stays as it was.
    const Case cases[]
        = { { 135, Green }, { 630, Yellow }, { 841, Red }, { 29, Red }, { 30, Red }, { 200, Green }, { 30, Green } };
    for (const Case& c : cases) {
        setFriction(c.friction);
        nextFrictionReading();
        clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
        EXPECT_EQ(page().frictionBlinkColor(), c.colour) << c.friction;
        EXPECT_TRUE(valuePointer() == c.colour || (c.colour != Green && valuePointer() == Black)) << c.friction;
        EXPECT_EQ(page().timerArmed(Page::BlinkTimerId), c.colour != Green) << c.friction;
    }

    setFriction(841.0);
    nextFrictionReading();
    clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
    // Red and black in turn every 500 ms, while the zone is evaluated as often.
    uint32_t shown = valuePointer();
    ASSERT_TRUE(shown == Red || shown == Black);
    for (int k = 0; k < 6; ++k) {
        clock().advance(Page::ZoneMs);
        const uint32_t next = shown == Red ? Black : Red;
        EXPECT_EQ(valuePointer(), next) << k;
        shown = next;
    }

    setFriction(300.0);
    nextFrictionReading();
    clock().advance(clock().dueIn(&page(), Page::ZoneTimerId));
    EXPECT_FALSE(page().timerArmed(Page::BlinkTimerId));
    clock().advance(Page::ZoneMs);
    EXPECT_EQ(valuePointer(), Green);
    clock().advance(Page::ZoneMs);
    EXPECT_EQ(valuePointer(), Green);
}

TEST_F(FrictionToleranceTest, LeavingThePageStopsItsTimers)
{
    showPage(900.0); // past the high alarm: the blink runs
    clock().advance(1000);
    for (int id : { StripPage::StripTimerId, Page::ZoneTimerId, Page::BlinkTimerId, Page::FrictionValueTimerId })
        EXPECT_TRUE(page().timerArmed(id)) << id;
    select(ActuatorHealthCode);
    for (int id : { StripPage::StripTimerId, Page::ZoneTimerId, Page::BlinkTimerId, Page::FrictionValueTimerId })
        EXPECT_FALSE(page().timerArmed(id)) << id;
}

TEST_F(FrictionToleranceTest, PresetsAndDragsDoNothingToOtherLimitsBeforeTheFirstVisit)
{
    startK90();
    page().gauge()->setPointerPosition(LowAlarm, 300);
    EXPECT_EQ(page().gauge()->pointerPosition(LowWarning), 0.0);
    EXPECT_EQ(page().spin(LowAlarm)->value(), 0.0);
}

TEST_F(FrictionToleranceTest, LimitTypedAndAppliedAtOnceIsWritten)
{
    showPage();
    QApplication::setActiveWindow(page().window());
    QWidget* edit = page().control(Page::LowAlarmEdit);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    page().setWindowText(Page::LowAlarmEdit, QStringLiteral("75"));
    // Pressing the button takes the focus before the click is handled.
    auto* apply = page().controlAs<QAbstractButton>(Page::ApplyButton);
    apply->setFocus();
    apply->click();
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("01 90 01 f4 00 64 00 4b"));
}

TEST_F(FrictionToleranceTest, WithoutItsGaugeThePageShowsReadsAndWritesTheDeviceLimits)
{
    ControlRegistry::instance().remove(QString::fromLatin1(LinearGauge::ProgId));
    showPage(300.0);
    ControlRegistry::instance().restoreAll();
    ASSERT_FALSE(page().gauge());

    EXPECT_EQ(edits(), (QStringList { "50", "100", "400", "500" }));
    EXPECT_EQ(spins(), (Limits { 50, 100, 400, 500 }));
    EXPECT_EQ(text(Page::CurrentValueEdit), QStringLiteral("300"));
    EXPECT_EQ(page().frictionValue(), 300.0);

    setFriction(280.0);
    nextFrictionReading();
    EXPECT_EQ(sent().count(QStringLiteral("197")), 1);
    EXPECT_EQ(text(Page::CurrentValueEdit), QStringLiteral("280"));

    // The presets still derive the limits from the friction found.
    click(Page::LooseButton);
    EXPECT_EQ(edits(), (QStringList { "30", "135", "630", "840" }));
    EXPECT_EQ(spins(), (Limits { 30, 135, 630, 840 }));
    click(Page::ApplyButton);
    EXPECT_EQ(lastRequest(198).toHex(' '), QByteArray("c6 08 02 76 03 48 00 87 00 1e"));

    // A typed limit goes out with the others as shown, and keeps them in order.
    type(LowAlarm, "20");
    click(Page::ApplyButton);
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("02 76 03 48 00 87 00 14"));
    type(LowWarning, "700");
    EXPECT_EQ(edits(), (QStringList { "20", "700", "701", "840" }));

    EXPECT_TRUE(logTexts().filter(QStringLiteral("CValveHealthToleranceSettings ")).isEmpty())
        << logTexts().join('\n').toStdString();
}

TEST_F(FrictionToleranceTest, APresetDrawsTheGaugeToTheFullScaleOfItsHighAlarmAtOnce)
{
    const struct {
        const char* path;
        int button;
        double scaleMax;
        Limits pointers;
    } cases[] = {
        { K90Path, Page::NoLimitsButton, 10000, { 0, 1, 9999, 10000 } },
        { K40Path, Page::NoLimitsButton, 10000, { 0, 1, 9999, 10000 } },
        { K90Path, Page::TightButton, 700, { 135, 240, 420, 630 } },
    };
    for (const auto& c : cases) {
        start({ QStringLiteral("/d") + QLatin1String(c.path) });
        setFriction(300.0, c.path);
        clock().advance(2000);
        select(ToleranceCode);
        click(c.button);
        EXPECT_EQ(page().gauge()->scaleMax(), c.scaleMax) << c.path << " " << c.button;
        EXPECT_EQ(pointers(), c.pointers) << c.path << " " << c.button;
        m_app.reset();
    }
}

TEST_F(FrictionToleranceTest, TheAppliedPresetShowsChosenWhenTheUserComesBackWhileTheDeviceHoldsItsLimits)
{
    const auto checkedPresets = [this] {
        QStringList out;
        for (const Page::PresetButton& row : Page::Presets) {
            const auto* button = page().controlAs<QAbstractButton>(row.button);
            if (button->isChecked())
                out << button->text();
        }
        return out;
    };
    const auto comeBack = [this] {
        select(DashboardCode);
        clock().advance(3000);
        device().clearRequests();
        select(ToleranceCode);
        clock().advance(3000);
    };
    showPage();
    click(Page::TightButton);
    click(Page::ApplyButton);
    EXPECT_EQ(lastRequest(198).mid(2).toHex(' '), QByteArray("01 a4 02 76 00 f0 00 87"));
    comeBack();
    EXPECT_EQ(checkedPresets(), QStringList { QStringLiteral("Tight tolerance") });
    EXPECT_EQ(edits(), (QStringList { "135", "240", "420", "630" }));
    EXPECT_TRUE(device().requestsFor(198).empty()) << "showing the choice writes nothing";
    EXPECT_FALSE(page().frictionChanged());

    // Limits set by hand are no preset's.
    type(LowAlarm, "100");
    click(Page::ApplyButton);
    comeBack();
    EXPECT_EQ(checkedPresets(), QStringList());
    EXPECT_EQ(edits(), (QStringList { "100", "240", "420", "630" }));
}
