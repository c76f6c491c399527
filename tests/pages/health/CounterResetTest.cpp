// A counter reset clears its own counter in the device and nothing else: the
// other counter and every setting go back as the device holds them, whatever
// the user typed and did not apply, and a setting marked elsewhere on the
// page does not hold the reset back. What was typed stays on the page as
// typed for a later Apply.
#include "HealthPageTest.h"

#include "health/CPositionerHealth.h"
#include "health/CValveHealth.h"

#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QLabel>

namespace
{

// What the user left on the page before pressing the reset.
enum class Before {
    NothingTyped, // and the device's settings changed since the page showed them
    TypedUnapplied,
    MarkedElsewhere,
};

const char* beforeText(Before before)
{
    switch (before) {
    case Before::NothingTyped:
        return "nothing typed, the device's settings changed elsewhere";
    case Before::TypedUnapplied:
        return "settings typed and not applied";
    case Before::MarkedElsewhere:
        return "a setting marked elsewhere on the page";
    }
    return "";
}

QByteArray u32(uint32_t v)
{
    QByteArray out;
    for (int shift : { 24, 16, 8, 0 })
        out.append(char(v >> shift));
    return out;
}

QByteArray u16(uint16_t v)
{
    return QByteArray().append(char(v >> 8)).append(char(v));
}

std::string hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toStdString();
}

uint32_t u32At(const QByteArray& bytes, int at)
{
    uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        v = v << 8 | uint8_t(bytes[at + k]);
    return v;
}

} // namespace

class CounterResetTest : public HealthPageTest
{
protected:
    void startOn(const char* path)
    {
        m_path = path;
        if (path == K40Path)
            start({ QStringLiteral("/dSim/K40/PV-102") });
        else
            startK90();
        clock().advance(2000);
    }
    void show(int pageCode)
    {
        select(pageCode);
        clock().advance(1000);
    }
    // The valve stroked twice, so that both counters of either page count.
    void strokeValve()
    {
        for (double command : { 80.0, 20.0, 80.0, 20.0 }) {
            device(m_path).setAnalogCommand(command);
            clock().advance(3000);
        }
    }
    // What the device holds now, straight from it: the data of its reply to
    // `command`, past the response code and the status.
    QByteArray deviceHolds(uint8_t command, const QByteArray& request = {})
    {
        const QByteArray reply = device(m_path).respond(command, request);
        device(m_path).clearRequests();
        return reply.mid(4);
    }
    QStringList sentNow() { return sent(m_path); }
    QByteArray sentData(uint8_t command) { return lastRequest(command, m_path).mid(2); }
    bool marked(FormPage& page, int mark)
    {
        return page.controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(138).toImage();
    }
    void click(FormPage& page, int button) { page.controlAs<QAbstractButton>(button)->click(); }

    const char* m_path = K90Path;
};

// ---------------------------------------------------------------------------
// Valve Health: 174 carries travel, travel initial and full warning, travel
// deadband, stroke length, cycles, cycle initial and full warning, cycle
// deadband; 173 gives the same with a spare word after the travel full
// warning and after the cycle full warning.

namespace
{
using V = CValveHealth;

// The 174 that leaves the device's counter settings as its 173 reply gives them.
QByteArray counterWriteOf(const QByteArray& reply)
{
    return reply.mid(0, 12) + reply.mid(14, 4) + reply.mid(18, 12) + reply.mid(32, 2);
}

// The settings of a 174 or of counterWriteOf: everything but the two counters.
std::string settingsOf(const QByteArray& write)
{
    return hex(write.mid(4, 12)) + " | " + hex(write.mid(20, 10));
}

// The simulated device's own counter settings, either model: travel initial
// 50 000 000, full 100 000 000, deadband 1 %; cycles initial 500 000, full
// 1 000 000, deadband 10 %. The stroke length is the model's own.
std::string deviceSettings(uint16_t stroke)
{
    return "02 fa f0 80 05 f5 e1 00 00 64 " + hex(u16(stroke)) + " | 00 07 a1 20 00 0f 42 40 03 e8";
}
// ... and as another tool writes them while the page shows the first ones:
// travel 40 500 000 and 45 000 000, 2.5 %; cycles 1 080 000 and 1 200 000, 1.5 %.
std::string otherToolsSettings(uint16_t stroke)
{
    return "02 69 fb 20 02 ae a5 40 00 fa " + hex(u16(stroke)) + " | 00 10 7a c0 00 12 4f 80 00 96";
}
} // namespace

TEST_F(CounterResetTest, ValveHealthResetClearsItsCounterAndSendsEverythingElseAsTheDeviceHoldsIt)
{
    const struct {
        const char* path;
        uint16_t stroke; // the model's stroke length, hundredths
    } models[] = { { K90Path, 0 }, { K40Path, 75 } };
    const struct {
        const char* what;
        int button;
        int cleared; // where the counter stands in 174
        int kept; // where the other one stands
        int countEdit;
    } resets[] = {
        { "Reset Cycle Counter", V::ResetCycleCounterButton, 16, 0, V::CycleCountEdit },
        { "Reset Travel Counter", V::ResetTravelCounterButton, 0, 16, V::TravelEdit },
    };
    for (const auto& model : models) {
        for (const auto& reset : resets) {
            for (Before before : { Before::NothingTyped, Before::TypedUnapplied, Before::MarkedElsewhere }) {
                SCOPED_TRACE(std::string(model.path) + ", " + reset.what + ", " + beforeText(before));
                startOn(model.path);
                show(31);
                V& page = HealthPageTest::page<V>();
                const QByteArray shown = counterWriteOf(deviceHolds(173));
                const uint16_t stroke = uint16_t(uint8_t(shown[14]) << 8 | uint8_t(shown[15]));
                if (model.stroke) {
                    ASSERT_EQ(stroke, model.stroke);
                }
                ASSERT_EQ(settingsOf(shown), deviceSettings(stroke));

                std::string settings = deviceSettings(stroke);
                auto type = [&page](int edit, const char* text) {
                    page.setWindowText(edit, QString::fromLatin1(text));
                    if (edit == V::CyclesFullWarningEdit || edit == V::TravelFullWarningEdit)
                        page.OnFullWarningKillFocus(edit == V::CyclesFullWarningEdit ? V::Cycles : V::Travel);
                    else
                        page.OnDeadbandKillFocus(edit == V::CycleDeadbandEdit ? V::Cycles : V::Travel);
                };
                switch (before) {
                case Before::NothingTyped: {
                    QByteArray other = shown;
                    other.replace(4, 10, u32(40500000) + u32(45000000) + u16(250));
                    other.replace(20, 10, u32(1080000) + u32(1200000) + u16(150));
                    deviceHolds(174, other);
                    settings = otherToolsSettings(stroke);
                    break;
                }
                case Before::TypedUnapplied:
                    type(V::CyclesFullWarningEdit, "1500000");
                    type(V::CycleDeadbandEdit, "20");
                    type(V::TravelFullWarningEdit, "150000000");
                    ASSERT_EQ(page.windowText(V::CyclesInitialWarningEdit), QStringLiteral("1350000"));
                    ASSERT_EQ(page.windowText(V::TravelInitialWarningEdit), QStringLiteral("135000000"));
                    break;
                case Before::MarkedElsewhere:
                    type(V::CycleDeadbandEdit, "0.55");
                    ASSERT_TRUE(marked(page, V::CycleDeadbandMark));
                    break;
                }
                strokeValve();
                const QByteArray holds = deviceHolds(173);
                ASSERT_NE(u32At(holds, 0), 0u) << "the travel counted";
                ASSERT_NE(u32At(holds, 18), 0u) << "the cycles counted";
                QByteArray expected = counterWriteOf(holds);
                expected.replace(reset.cleared, 4, u32(0));

                click(page, reset.button);
                EXPECT_EQ(joined(sentNow()), "173, 174, 173");
                const QByteArray sent = sentData(174);
                ASSERT_EQ(sent.size(), 30) << "no Write_Valve_Travel_Cycle_Counts sent";
                EXPECT_EQ(hex(sent), hex(expected));
                EXPECT_EQ(settingsOf(sent), settings);
                EXPECT_EQ(hex(sent.mid(reset.cleared, 4)), "00 00 00 00");
                EXPECT_NE(u32At(sent, reset.kept), 0u) << "the other counter as the device counted it";

                // The device cleared the counter and kept the rest.
                const QByteArray after = counterWriteOf(deviceHolds(173));
                EXPECT_EQ(hex(after.mid(reset.cleared, 4)), "00 00 00 00");
                EXPECT_EQ(hex(after.mid(reset.kept, 4)), hex(expected.mid(reset.kept, 4)));
                EXPECT_EQ(settingsOf(after), settings);
                EXPECT_EQ(page.windowText(reset.countEdit), QStringLiteral("0"));

                switch (before) {
                case Before::NothingTyped:
                    // Nothing was being edited: the page shows the device's settings.
                    EXPECT_EQ(page.windowText(V::CyclesFullWarningEdit), QStringLiteral("1200000"));
                    EXPECT_EQ(page.windowText(V::CyclesInitialWarningEdit), QStringLiteral("1080000"));
                    EXPECT_EQ(page.windowText(V::CycleDeadbandEdit), QStringLiteral("1.5"));
                    EXPECT_EQ(page.windowText(V::TravelFullWarningEdit), QStringLiteral("45000000"));
                    EXPECT_EQ(page.windowText(V::TravelDeadbandEdit), QStringLiteral("2.5"));
                    break;
                case Before::TypedUnapplied: {
                    EXPECT_EQ(page.windowText(V::CyclesFullWarningEdit), QStringLiteral("1500000"));
                    EXPECT_EQ(page.windowText(V::CyclesInitialWarningEdit), QStringLiteral("1350000"));
                    EXPECT_EQ(page.windowText(V::CycleDeadbandEdit), QStringLiteral("20"));
                    EXPECT_EQ(page.windowText(V::TravelFullWarningEdit), QStringLiteral("150000000"));
                    EXPECT_EQ(page.windowText(V::TravelInitialWarningEdit), QStringLiteral("135000000"));
                    EXPECT_TRUE(page.countersChanged());
                    // A later Apply writes them, and the device takes them.
                    device(m_path).clearRequests();
                    click(page, V::ApplyButton);
                    const std::string typed
                        = "08 0b ef c0 08 f0 d1 80 00 64 " + hex(u16(stroke)) + " | 00 14 99 70 00 16 e3 60 07 d0";
                    EXPECT_EQ(settingsOf(sentData(174)), typed);
                    EXPECT_EQ(settingsOf(counterWriteOf(deviceHolds(173))), typed);
                    EXPECT_EQ(page.windowText(V::CyclesFullWarningEdit), QStringLiteral("1500000"));
                    EXPECT_EQ(page.windowText(V::CycleDeadbandEdit), QStringLiteral("20"));
                    break;
                }
                case Before::MarkedElsewhere:
                    EXPECT_EQ(page.windowText(V::CycleDeadbandEdit), QStringLiteral("0.55"));
                    EXPECT_TRUE(marked(page, V::CycleDeadbandMark));
                    EXPECT_TRUE(page.countersChanged());
                    break;
                }
            }
        }
    }
}

TEST_F(CounterResetTest, ValveHealthResetSendsEveryOtherWordBackExactlyAsTheDeviceGaveIt)
{
    // Another tool left words the page itself would never write: deadbands
    // finer than its tenths or past its range, odd counts and warnings, an
    // odd stroke length.
    const struct {
        const char* what;
        uint16_t travelDeadband;
        uint16_t cycleDeadband;
        const char* travelDeadbandBytes;
        const char* cycleDeadbandBytes;
    } words[] = {
        { "deadbands of 11.05 % and 25.07 %", 1105, 2507, "04 51", "09 cb" },
        { "deadbands with the top bit set", 0x8001, 0xffff, "80 01", "ff ff" },
    };
    const struct {
        const char* what;
        int button;
        const char* travel; // the accumulated travel the reset sends
        const char* cycles;
    } resets[] = {
        { "Reset Cycle Counter", V::ResetCycleCounterButton, "00 bc 61 4f", "00 00 00 00" },
        { "Reset Travel Counter", V::ResetTravelCounterButton, "00 00 00 00", "00 76 ad f1" },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& held : words) {
            for (const auto& reset : resets) {
                for (Before before : { Before::NothingTyped, Before::TypedUnapplied }) {
                    SCOPED_TRACE(std::string(path) + ", " + held.what + ", " + reset.what + ", " + beforeText(before));
                    startOn(path);
                    show(31);
                    V& page = HealthPageTest::page<V>();
                    if (before == Before::TypedUnapplied) {
                        page.setWindowText(V::CycleDeadbandEdit, QStringLiteral("20"));
                        page.OnDeadbandKillFocus(V::Cycles);
                    }
                    deviceHolds(174,
                        u32(12345679) + u32(40500001) + u32(45000003) + u16(held.travelDeadband) + u16(151)
                            + u32(7777777) + u32(1080001) + u32(1200003) + u16(held.cycleDeadband));
                    const std::string settings = std::string("02 69 fb 21 02 ae a5 43 ") + held.travelDeadbandBytes
                        + " 00 97 | 00 10 7a c1 00 12 4f 83 " + held.cycleDeadbandBytes;

                    click(page, reset.button);
                    EXPECT_EQ(joined(sentNow()), "173, 174, 173");
                    const QByteArray sent = sentData(174);
                    EXPECT_EQ(hex(sent.mid(0, 4)), reset.travel);
                    EXPECT_EQ(hex(sent.mid(16, 4)), reset.cycles);
                    EXPECT_EQ(settingsOf(sent), settings);
                    // The device keeps its own words.
                    EXPECT_EQ(settingsOf(counterWriteOf(deviceHolds(173))), settings);
                    if (before == Before::TypedUnapplied) {
                        EXPECT_EQ(page.windowText(V::CycleDeadbandEdit), QStringLiteral("20"));
                        EXPECT_TRUE(page.countersChanged());
                    }
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Positioner Health: 180 carries the cycle initial and full warning, the
// travel initial and full warning and the reset selector; 179 gives the
// cycles, the two cycle warnings, a word, the travel, its two warnings, a word.

namespace
{
using P = CPositionerHealth;

// The four limits of a 179 reply, as a 180 lays them.
QByteArray spoolLimitsOf(const QByteArray& reply)
{
    return reply.mid(4, 8) + reply.mid(18, 8);
}

// The device's own: cycles 1 000 000 and 2 000 000, travel 50 000 000 and 100 000 000.
constexpr const char* DeviceLimits = "00 0f 42 40 00 1e 84 80 02 fa f0 80 05 f5 e1 00";
// As another tool writes them: cycles 1 080 000 and 1 200 000, travel 40 500 000 and 45 000 000.
constexpr const char* OtherToolsLimits = "00 10 7a c0 00 12 4f 80 02 69 fb 20 02 ae a5 40";
} // namespace

TEST_F(CounterResetTest, PositionerHealthResetClearsItsCounterAndSendsTheLimitsAsTheDeviceHoldsThem)
{
    const struct {
        const char* what;
        int button;
        uint8_t selector;
        int cleared; // where the counter stands in 179
        int kept;
        int countEdit;
    } resets[] = {
        { "Reset Cycle Counter", P::ResetCyclesButton, 1, 0, 14, P::CyclesEdit },
        { "Reset Travel Counter", P::ResetTravelButton, 2, 14, 0, P::TravelEdit },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& reset : resets) {
            for (Before before : { Before::NothingTyped, Before::TypedUnapplied, Before::MarkedElsewhere }) {
                SCOPED_TRACE(std::string(path) + ", " + reset.what + ", " + beforeText(before));
                startOn(path);
                show(32);
                P& page = HealthPageTest::page<P>();
                ASSERT_EQ(hex(spoolLimitsOf(deviceHolds(179))), DeviceLimits);

                std::string limits = DeviceLimits;
                auto type = [&page](int edit, const char* text) {
                    page.setWindowText(edit, QString::fromLatin1(text));
                    page.OnKillFocusFullWarning(edit);
                };
                switch (before) {
                case Before::NothingTyped:
                    deviceHolds(180, u32(1080000) + u32(1200000) + u32(40500000) + u32(45000000) + QByteArray(1, '\0'));
                    limits = OtherToolsLimits;
                    break;
                case Before::TypedUnapplied:
                    type(P::CyclesFullWarningEdit, "3000000");
                    type(P::TravelFullWarningEdit, "150000000");
                    ASSERT_EQ(page.windowText(P::CyclesInitialWarningEdit), QStringLiteral("2700000"));
                    ASSERT_EQ(page.windowText(P::TravelInitialWarningEdit), QStringLiteral("135000000"));
                    break;
                case Before::MarkedElsewhere:
                    type(P::TravelFullWarningEdit, "-1");
                    ASSERT_TRUE(marked(page, P::TravelFullWarningMark));
                    break;
                }
                strokeValve();
                // The live values read since: the device's present limits with them.
                clock().advance(clock().dueIn(&page, P::LiveTimerId));
                const QByteArray holds = deviceHolds(179);
                ASSERT_NE(u32At(holds, 0), 0u) << "the pilot relay cycles counted";
                ASSERT_NE(u32At(holds, 14), 0u) << "the pilot relay travel counted";
                if (before == Before::NothingTyped) {
                    ASSERT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("2000000"));
                }

                click(page, reset.button);
                EXPECT_EQ(joined(sentNow()), "179, 180, 179");
                const QByteArray sent = sentData(180);
                EXPECT_EQ(hex(sent), std::string(limits) + " " + hex(QByteArray(1, char(reset.selector))));

                // The device cleared the counter and kept the rest.
                const QByteArray after = deviceHolds(179);
                EXPECT_EQ(hex(after.mid(reset.cleared, 4)), "00 00 00 00");
                EXPECT_EQ(hex(after.mid(reset.kept, 4)), hex(holds.mid(reset.kept, 4)));
                EXPECT_EQ(hex(spoolLimitsOf(after)), limits);
                EXPECT_EQ(page.windowText(reset.countEdit), QStringLiteral("0"));
                EXPECT_EQ(data().SpoolResetSelector, 0) << "a later Apply resets nothing";

                switch (before) {
                case Before::NothingTyped:
                    // Nothing was being edited: the page shows the device's limits.
                    EXPECT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("1200000"));
                    EXPECT_EQ(page.windowText(P::TravelFullWarningEdit), QStringLiteral("45000000"));
                    break;
                case Before::TypedUnapplied: {
                    EXPECT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("3000000"));
                    EXPECT_EQ(page.windowText(P::CyclesInitialWarningEdit), QStringLiteral("2700000"));
                    EXPECT_EQ(page.windowText(P::TravelFullWarningEdit), QStringLiteral("150000000"));
                    EXPECT_EQ(page.windowText(P::TravelInitialWarningEdit), QStringLiteral("135000000"));
                    EXPECT_TRUE(page.countersChanged());
                    // A later Apply writes them, and the device takes them.
                    device(m_path).clearRequests();
                    click(page, P::ApplyButton);
                    const std::string typed = "00 29 32 e0 00 2d c6 c0 08 0b ef c0 08 f0 d1 80";
                    EXPECT_EQ(hex(sentData(180)), typed + " 00");
                    EXPECT_EQ(hex(spoolLimitsOf(deviceHolds(179))), typed);
                    EXPECT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("3000000"));
                    break;
                }
                case Before::MarkedElsewhere:
                    EXPECT_EQ(page.windowText(P::TravelFullWarningEdit), QStringLiteral("-1"));
                    EXPECT_TRUE(marked(page, P::TravelFullWarningMark));
                    break;
                }
            }
        }
    }
}

TEST_F(CounterResetTest, PositionerHealthResetSendsTheLimitsTheDeviceHoldsWhenItIsPressed)
{
    // Cycles 1 080 001 and 1 200 003, travel 40 500 007 and 45 000 009.
    const std::string changed = "00 10 7a c1 00 12 4f 83 02 69 fb 27 02 ae a5 49";
    const struct {
        const char* what;
        int button;
        const char* selector;
    } resets[] = {
        { "Reset Cycle Counter", P::ResetCyclesButton, "01" },
        { "Reset Travel Counter", P::ResetTravelButton, "02" },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& reset : resets) {
            for (Before before : { Before::NothingTyped, Before::TypedUnapplied, Before::MarkedElsewhere }) {
                SCOPED_TRACE(std::string(path) + ", " + reset.what + ", " + beforeText(before));
                startOn(path);
                show(32);
                P& page = HealthPageTest::page<P>();
                auto type = [&page](int edit, const char* text) {
                    page.setWindowText(edit, QString::fromLatin1(text));
                    page.OnKillFocusFullWarning(edit);
                };
                if (before == Before::TypedUnapplied)
                    type(P::CyclesFullWarningEdit, "3000000");
                if (before == Before::MarkedElsewhere)
                    type(P::TravelFullWarningEdit, "-1");
                // The page reads the live values, and only then another tool
                // changes the limits.
                clock().advance(clock().dueIn(&page, P::LiveTimerId));
                deviceHolds(180, u32(1080001) + u32(1200003) + u32(40500007) + u32(45000009) + QByteArray(1, '\0'));

                click(page, reset.button);
                EXPECT_EQ(joined(sentNow()), "179, 180, 179");
                EXPECT_EQ(hex(sentData(180)), changed + " " + reset.selector);
                EXPECT_EQ(hex(spoolLimitsOf(deviceHolds(179))), changed) << "the device keeps its own limits";
                switch (before) {
                case Before::NothingTyped:
                    EXPECT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("1200003"));
                    EXPECT_EQ(page.windowText(P::TravelFullWarningEdit), QStringLiteral("45000009"));
                    break;
                case Before::TypedUnapplied:
                    EXPECT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("3000000"));
                    EXPECT_EQ(page.windowText(P::CyclesInitialWarningEdit), QStringLiteral("2700000"));
                    EXPECT_TRUE(page.countersChanged());
                    break;
                case Before::MarkedElsewhere:
                    EXPECT_EQ(page.windowText(P::TravelFullWarningEdit), QStringLiteral("-1"));
                    EXPECT_TRUE(marked(page, P::TravelFullWarningMark));
                    break;
                }
            }
        }
    }
}

TEST_F(CounterResetTest, PositionerHealthResetBeforeTheDeviceGaveItsLimitsReadsThemFirst)
{
    startOn(K90Path);
    // The page's first read of the spool info gets no reply.
    SimTestHooks::faults(device(m_path)).inject(SimFault::NoResponse, 1, 179);
    show(32);
    P& page = HealthPageTest::page<P>();
    page.setWindowText(P::CyclesFullWarningEdit, QStringLiteral("3000000"));
    page.OnKillFocusFullWarning(P::CyclesFullWarningEdit);

    // Without a reply now either, nothing is sent.
    device(m_path).clearRequests();
    SimTestHooks::faults(device(m_path)).inject(SimFault::NoResponse, 1, 179);
    click(page, P::ResetCyclesButton);
    EXPECT_EQ(joined(sentNow()), "179");
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Spool_Info not sent: no Read_Spool_Info reply")));

    device(m_path).clearRequests();
    click(page, P::ResetCyclesButton);
    EXPECT_EQ(joined(sentNow()), "179, 180, 179");
    EXPECT_EQ(hex(sentData(180)), std::string(DeviceLimits) + " 01");
    EXPECT_EQ(page.windowText(P::CyclesFullWarningEdit), QStringLiteral("3000000"));
}

TEST_F(CounterResetTest, AValveResetTheDeviceDoesNotAnswerLeavesTheCountsItStillHoldsOnShow)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        strokeValve();
        show(31);
        V& page = HealthPageTest::page<V>();
        const QString cycles = page.windowText(V::CycleCountEdit);
        const QString travel = page.windowText(V::TravelEdit);
        ASSERT_NE(cycles, QStringLiteral("0")) << "the stroked valve counted its cycles";
        ASSERT_NE(travel, QStringLiteral("0"));

        // The read before the reset is answered; then the device goes
        // silent: neither the reset nor the read after it gets a reply.
        device(m_path).clearRequests();
        SimTestHooks::faults(device(m_path)).goSilent(2);
        click(page, V::ResetCycleCounterButton);
        SimTestHooks::faults(device(m_path)).comeBack();
        EXPECT_EQ(joined(sentNow()).substr(0, 8), "173, 174");
        EXPECT_EQ(page.windowText(V::CycleCountEdit), cycles);
        EXPECT_EQ(page.windowText(V::TravelEdit), travel);
        m_app.reset();
        SimTestHooks::reset();
    }
}
