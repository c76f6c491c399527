// A limit on the actuator health page that the user did not change goes back
// to the device as the device gave it, in every pressure unit, beside the one
// the user typed, spun or dragged: its edit shows it rounded to the unit's
// tenths, and that rounded number must not be written in its place.
#include "HealthPageTest.h"

#include <QAbstractButton>

#include <array>
#include <functional>
#include <vector>

namespace
{

using P = CActuatorHealth;

class ActuatorHealthUntouchedLimitsTest : public ActuatorHealthPageTest
{
protected:
    // The device's limits as another tool wrote them, words none of the
    // units shows exactly: supply high warning, low warning and low alarm in
    // hundredths of a percent of the scale; the ratio's initial and full
    // warning in hundredths of a percent; the leak's warning and alarm in
    // thousandths of an scfm.
    void writeDeviceLimits(const char* path)
    {
        device(path).respond(196, words({ 11010, 8330, 6660 }));
        device(path).respond(178, words({ 8004, 9004 }));
        if (path == K90Path)
            device(path).respond(190, words({ 501, 1001 }));
    }
    // The device's pressure unit and the supply scale in hundredths of it.
    void setUnit(uint8_t unit, uint32_t scale, const char* path)
    {
        data().PressureUnit = unit;
        ASSERT_TRUE(app().dispatch().DispatchWrite(221));
        device(path).setMiscLong(0x69, scale);
    }
};

} // namespace

TEST_F(ActuatorHealthUntouchedLimitsTest, ALimitLeftAloneGoesBackAsTheDeviceGaveItInEveryPressureUnit)
{
    // 60 psi is 4.14 bar, 4.22 kg/cm2 and 413.69 kPa. The device's words
    // show as 66.1 / 50.0 / 40.0 psi, 4.6 / 3.4 / 2.8 bar, 4.6 / 3.5 / 2.8
    // kg/cm2 and 455.5 / 344.6 / 275.5 kPa, a ratio of 80.0 / 90.0 and a leak
    // alarm of 1.001 scfm or 28.3283 slm. The limit the user changes goes
    // out from its shown value (the word nearest value x 10000 / scale for a
    // supply limit).
    struct Case {
        const char* what;
        uint8_t unit;
        uint32_t scale;
        std::function<void(CActuatorHealth&)> change;
        uint8_t command;
        const char* request; // command, byte count, words
        bool k40; // the smaller model has no leak group
    };
    auto typed = [](int edit, const char* text) {
        return [edit, text](CActuatorHealth& page) {
            page.setWindowText(edit, QString::fromLatin1(text));
            page.OnLimitEditKillFocus(edit);
        };
    };
    const Case cases[] = {
        { "psi, high warning typed", 6, 6000, typed(P::HighWarningEdit, "12"), 196, "c4 06 07 d0 20 8a 1a 04", true },
        { "bar, high warning typed", 7, 414, typed(P::HighWarningEdit, "12"), 196, "c4 06 71 3a 20 8a 1a 04", true },
        { "kPa, low warning typed", 12, 41369, typed(P::LowWarningEdit, "300"), 196, "c4 06 2b 02 1c 54 1a 04", true },
        { "kg/cm2, low alarm typed", 10, 422, typed(P::LowAlarmEdit, "1"), 196, "c4 06 2b 02 20 8a 09 42", true },
        // 2.76 bar stands on 28 tenths; one step up is 2.9 bar.
        { "bar, low alarm spun", 7, 414, [](CActuatorHealth& page) { page.spin(P::LowAlarmSpin)->stepBy(1); }, 196,
            "c4 06 2b 02 20 8a 1b 5d", true },
        { "kPa, high warning dragged", 12, 41369,
            [](CActuatorHealth& page) { page.gauge(P::Supply)->setPointerPosition(3, 700.0); }, 196,
            "c4 06 42 19 20 8a 1a 04", true },
        { "psi, initial warning typed", 6, 6000, typed(P::InitialWarningEdit, "45.5"), 178, "b2 04 11 c6 23 2c", true },
        { "bar, full warning typed", 7, 414, typed(P::FullWarningEdit, "95"), 178, "b2 04 1f 44 25 1c", true },
        { "psi, leak warning typed", 6, 6000, typed(P::LeakWarningEdit, "0.5"), 190, "be 04 01 f4 03 e9", false },
        { "bar, leak warning typed", 7, 414, typed(P::LeakWarningEdit, "14.15"), 190, "be 04 01 f4 03 e9", false },
    };
    for (const char* path : { K90Path, K40Path }) {
        if (path == K40Path)
            start({ QStringLiteral("/dSim/K40/PV-102") });
        else
            startK90();
        clock().advance(2000);
        select(ActuatorHealthCode);
        clock().advance(1000);
        for (const Case& c : cases) {
            if (path == K40Path && !c.k40)
                continue;
            SCOPED_TRACE(std::string(path) + " " + c.what);
            setUnit(c.unit, c.scale, path);
            writeDeviceLimits(path);
            page().OnRetrieve();
            c.change(page());
            device(path).clearRequests();
            page().controlAs<QAbstractButton>(P::ApplyButton)->click();
            ASSERT_EQ(device(path).requestsFor(c.command).size(), 1u);
            EXPECT_EQ(lastRequest(c.command, path).toHex(' ').toStdString(), c.request);
        }
    }
}

TEST_F(
    ActuatorHealthUntouchedLimitsTest, ASupplyLimitTypedGoesToTheNearestWordAndTheTextShownTypedAgainToTheDevicesWord)
{
    // Supply words are hundredths of a percent of the full scale (60 psi,
    // 4.13 bar, 4.21 kg/cm2): 40.0 psi is 6666.67, 70.0 psi 11666.67 and 4.5
    // bar 10895.88, each the word above. A limit the device holds shows with
    // one decimal and a leading blank (" 40.0" for 6667, "  3.4" for 8333 of
    // 4.13 bar, "  2.8" for 6667 of 4.21 kg/cm2); typed again, with or without
    // its blanks, it is the device's word, not the 6666, 8232 or 6650 its
    // rounded number would give.
    struct Case {
        const char* what;
        uint8_t unit;
        uint32_t scale;
        std::array<uint16_t, 3> device; // high warning, low warning, low alarm
        std::vector<std::pair<int, const char*>> typed;
        const char* request; // command, byte count, high warning, low warning, low alarm
    };
    const Case cases[] = {
        { "psi, 70.0 and 40.0 typed", 6, 6000, { 11010, 8330, 6660 },
            { { P::HighWarningEdit, "70.0" }, { P::LowWarningEdit, "40.0" } }, "c4 06 2d 93 1a 0b 1a 04" },
        { "bar, 4.5 typed beside the 5.0 shown", 7, 413, { 12000, 8330, 6660 }, { { P::HighWarningEdit, "4.5" } },
            "c4 06 2a 90 20 8a 1a 04" },
        { "psi, 40.0 as shown without its blank", 6, 6000, { 11010, 8330, 6667 }, { { P::LowAlarmEdit, "40.0" } },
            "c4 06 2b 02 20 8a 1a 0b" },
        { "psi, 40.0 as shown with its blank", 6, 6000, { 11010, 8330, 6667 }, { { P::LowAlarmEdit, " 40.0" } },
            "c4 06 2b 02 20 8a 1a 0b" },
        { "bar, 3.4 as shown without its blanks", 7, 413, { 11010, 8333, 6660 }, { { P::LowWarningEdit, "3.4" } },
            "c4 06 2b 02 20 8d 1a 04" },
        { "bar, 3.4 as shown with a blank after it", 7, 413, { 11010, 8333, 6660 }, { { P::LowWarningEdit, "3.4 " } },
            "c4 06 2b 02 20 8d 1a 04" },
        { "kg/cm2, 2.8 as shown without its blanks", 10, 421, { 11010, 8330, 6667 }, { { P::LowAlarmEdit, "2.8" } },
            "c4 06 2b 02 20 8a 1a 0b" },
        // Another text is the user's value: 3.5 bar is 8474.58.
        { "bar, 3.5 beside the 3.4 shown", 7, 413, { 11010, 8333, 6660 }, { { P::LowWarningEdit, "3.5" } },
            "c4 06 2b 02 21 1b 1a 04" },
    };
    for (const char* path : { K90Path, K40Path }) {
        if (path == K40Path)
            start({ QStringLiteral("/dSim/K40/PV-102") });
        else
            startK90();
        clock().advance(2000);
        select(ActuatorHealthCode);
        clock().advance(1000);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(path) + " " + c.what);
            setUnit(c.unit, c.scale, path);
            device(path).respond(196, words({ c.device[0], c.device[1], c.device[2] }));
            page().OnRetrieve();
            for (const auto& [edit, text] : c.typed) {
                page().setWindowText(edit, QString::fromLatin1(text));
                page().OnLimitEditKillFocus(edit);
            }
            device(path).clearRequests();
            page().controlAs<QAbstractButton>(P::ApplyButton)->click();
            ASSERT_EQ(device(path).requestsFor(196).size(), 1u);
            EXPECT_EQ(lastRequest(196, path).toHex(' ').toStdString(), c.request);
        }
    }
}
