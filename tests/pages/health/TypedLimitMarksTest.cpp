// A limit typed on a health page counts only when its whole text is one
// number in the range the limit holds, on the step the device keeps it in
// (whole numbers, tenths, hundredths): anything else is marked beside the
// edit with a tip naming the range and the step, stays as typed, and Apply
// writes nothing of its group; a number in the range on the step goes out
// exactly as typed.
#include "HealthPageTest.h"

#include "health/CPositionerHealth.h"

#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace
{

// Text that is no number in any limit's range: no plain number at all, or
// one far past every range.
const char* const NoNumbers[] = { "abc", "12abc", "0x20", "1,5", "nan", "", "1e999", "1e300" };

// A text typed into a limit, key by key, and what Apply writes of it: the
// limit's bytes in the request, or nothing (the edit then marked).
struct Typed {
    const char* text;
    const char* bytes; // nullptr: marked, nothing written
};

struct Limit {
    int edit;
    int mark;
    const char* tip;
    uint8_t command; // what Apply writes
    int at; // where the limit stands in the request's data
    std::vector<Typed> typed;
};

class TypedLimitMarksTest : public HealthPageTest
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
    // The user puts the text in the edit and leaves it for the Apply button.
    void pasteAndLeave(FormPage& page, int edit, const char* text, int applyButton)
    {
        QApplication::setActiveWindow(page.window());
        page.control(edit)->setFocus();
        page.setWindowText(edit, QString::fromLatin1(text));
        page.control(applyButton)->setFocus();
    }
    // The user types the text over the edit's, key by key, and leaves it.
    void typeAndLeave(FormPage& page, int edit, const char* text, int applyButton)
    {
        QApplication::setActiveWindow(page.window());
        auto* field = page.controlAs<QLineEdit>(edit);
        field->setFocus();
        field->selectAll();
        for (const char* c = text; *c; ++c) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QLatin1Char(*c)));
            QCoreApplication::sendEvent(field, &key);
        }
        page.control(applyButton)->setFocus();
    }
    static bool marked(const FormPage& page, int mark)
    {
        return page.controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(138).toImage();
    }
    // Each text that is no number at all, then each typed case, applied one
    // by one: shown as typed, and either marked with nothing written or
    // written exactly as typed.
    void expectOnlyValuesOnTheStepWritten(FormPage& page, const Limit& limit, int applyButton)
    {
        for (const char* text : NoNumbers) {
            SCOPED_TRACE(std::string(m_path) + " " + std::to_string(limit.edit) + " \"" + text + "\"");
            device(m_path).clearRequests();
            pasteAndLeave(page, limit.edit, text, applyButton);
            EXPECT_TRUE(marked(page, limit.mark));
            EXPECT_EQ(page.control(limit.mark)->toolTip(), QString::fromLatin1(limit.tip));
            page.controlAs<QAbstractButton>(applyButton)->click();
            EXPECT_EQ(page.windowText(limit.edit), QString::fromLatin1(text)) << "shown as typed";
            EXPECT_TRUE(device(m_path).requestsFor(limit.command).empty()) << "nothing written";
        }
        for (const Typed& typed : limit.typed) {
            SCOPED_TRACE(std::string(m_path) + " " + std::to_string(limit.edit) + " typed \"" + typed.text + "\"");
            device(m_path).clearRequests();
            typeAndLeave(page, limit.edit, typed.text, applyButton);
            EXPECT_EQ(page.windowText(limit.edit), QString::fromLatin1(typed.text)) << "shown as typed";
            EXPECT_EQ(marked(page, limit.mark), typed.bytes == nullptr);
            if (!typed.bytes) {
                EXPECT_EQ(page.control(limit.mark)->toolTip(), QString::fromLatin1(limit.tip));
            }
            page.controlAs<QAbstractButton>(applyButton)->click();
            if (!typed.bytes) {
                EXPECT_EQ(page.windowText(limit.edit), QString::fromLatin1(typed.text)) << "kept as typed";
                EXPECT_TRUE(device(m_path).requestsFor(limit.command).empty()) << "nothing written";
                continue;
            }
            const QByteArray sent = lastRequest(limit.command, m_path);
            const int size = int(QByteArray::fromHex(typed.bytes).size());
            EXPECT_EQ(sent.mid(2 + limit.at, size).toHex(' ').toStdString(), typed.bytes);
        }
    }

    const char* m_path = K90Path;
};

// The four friction limits as both friction pages write them (198: high
// warning, high alarm, low warning, low alarm): whole pounds, each from its
// floor (a pound over the floors of the limits under it) to its top (a pound
// under the tops of those over it). Each row ends with the limits in order
// for the next.
template <class P> std::vector<Limit> frictionLimits()
{
    return {
        { P::LowAlarmEdit, P::LowAlarmMark, "Please enter whole numbers between 0 and 9997", 198, 6,
            { { "0.5", nullptr }, { "-0.4", nullptr }, { "9997.4", nullptr }, { "9998", nullptr }, { "-1", nullptr },
                { "2.5", nullptr }, { "5.5", nullptr }, { "9997", "27 0d" }, { "0", "00 00" } } },
        { P::LowWarningEdit, P::LowWarningMark, "Please enter whole numbers between 1 and 9998", 198, 4,
            { { "50.5", nullptr }, { "9998.3", nullptr }, { "9999", nullptr }, { "-1", nullptr }, { "2.5", nullptr },
                { "5.5", nullptr }, { "0", nullptr }, { "1", "00 01" }, { "9998", "27 0e" }, { "99", "00 63" } } },
        { P::HighWarningEdit, P::HighWarningMark, "Please enter whole numbers between 2 and 9999", 198, 0,
            { { "450.7", nullptr }, { "9999.5", nullptr }, { "10000", nullptr }, { "-1", nullptr }, { "2.5", nullptr },
                { "5.5", nullptr }, { "0", nullptr }, { "1", nullptr }, { "2", "00 02" }, { "9999", "27 0f" } } },
        { P::HighAlarmEdit, P::HighAlarmMark, "Please enter whole numbers between 3 and 10000", 198, 2,
            { { "450.7", nullptr }, { "10000.4", nullptr }, { "10001", nullptr }, { "-1", nullptr }, { "2.5", nullptr },
                { "5.5", nullptr }, { "0", nullptr }, { "2", nullptr }, { "3", "00 03" }, { "10000", "27 10" },
                { "450", "01 c2" } } },
    };
}

TEST_F(TypedLimitMarksTest, ValveHealthWritesOnlySettingsOnTheirStepsInTheirRanges)
{
    using P = CValveHealth;
    // 174: the travel full warning at 8, its deadband at 12 and the stroke at
    // 14 (in hundredths), the cycle full warning at 24 and its deadband at 28
    // (the deadbands in hundredths of a percent, whole tenths as written).
    std::vector<Limit> limits = frictionLimits<P>();
    const std::vector<Limit> counters = {
        { P::CycleDeadbandEdit, P::CycleDeadbandMark, "Please enter values between 0 and 99 in steps of 0.1", 174, 28,
            { { "10.55", nullptr }, { "-0.04", nullptr }, { "99.04", nullptr }, { "99.1", nullptr }, { "-1", nullptr },
                { "2.5", "00 fa" }, { "5.5", "02 26" }, { "99", "26 ac" }, { "0", "00 00" } } },
        { P::CyclesFullWarningEdit, P::CyclesFullWarningMark, "Please enter whole numbers between 0 and 400000000", 174,
            24,
            { { "1000.5", nullptr }, { "400000000.4", nullptr }, { "400000001", nullptr }, { "-1", nullptr },
                { "2.5", nullptr }, { "5.5", nullptr }, { "400000000", "17 d7 84 00" }, { "0", "00 00 00 00" },
                { "1000", "00 00 03 e8" } } },
        { P::StrokeLengthEdit, P::StrokeMark, "Please enter values between 0.01 and 100 in steps of 0.01", 174, 14,
            { { "12.345", nullptr }, { "0.004", nullptr }, { "100.004", nullptr }, { "100.01", nullptr },
                { "0", nullptr }, { "-1", nullptr }, { "2.5", "00 fa" }, { "5.5", "02 26" }, { "12.34", "04 d2" },
                { "0.01", "00 01" }, { "100", "27 10" } } },
        { P::TravelDeadbandEdit, P::TravelDeadbandMark, "Please enter values between 0 and 99 in steps of 0.1", 174, 12,
            { { "10.55", nullptr }, { "0.05", nullptr }, { "99.5", nullptr }, { "-1", nullptr }, { "2.5", "00 fa" },
                { "5.5", "02 26" }, { "10.5", "04 1a" }, { "0", "00 00" } } },
        { P::TravelFullWarningEdit, P::TravelFullWarningMark, "Please enter whole numbers between 0 and 900000000", 174,
            8,
            { { "1000.5", nullptr }, { "900000000.4", nullptr }, { "900000001", nullptr }, { "-1", nullptr },
                { "2.5", nullptr }, { "5.5", nullptr }, { "900000000", "35 a4 e9 00" }, { "0", "00 00 00 00" } } },
    };
    limits.insert(limits.end(), counters.begin(), counters.end());
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        show(31);
        for (const Limit& limit : limits)
            expectOnlyValuesOnTheStepWritten(page<P>(), limit, P::ApplyButton);
    }
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Friction_Settings not sent: the friction low alarm is not "
                                                   "one of the whole numbers between 0 and 9997")));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Valve_Travel_Cycle_Counts not sent: the cycle full warning "
                                                   "is not one of the whole numbers between 0 and 400000000")));
}

TEST_F(TypedLimitMarksTest, FrictionToleranceSettingsWritesOnlyWholeLimitsInTheirRanges)
{
    using P = CValveHealthToleranceSettings;
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        show(311);
        for (const Limit& limit : frictionLimits<P>())
            expectOnlyValuesOnTheStepWritten(page<P>(), limit, P::ApplyButton);
    }
}

TEST_F(TypedLimitMarksTest, PositionerHealthWritesOnlyWholeLimitsInTheirRanges)
{
    using P = CPositionerHealth;
    // 188: warning, alarm. 180: the cycle initial and full warnings, the
    // travel initial and full warnings, the reset selector.
    const Limit limits[] = {
        { P::ResponseWarningEdit, P::ResponseWarningMark, "Please enter whole numbers between 0 and 999", 188, 0,
            { { "1.5", nullptr }, { "999.4", nullptr }, { "1000", nullptr }, { "-1", nullptr }, { "2.5", nullptr },
                { "5.5", nullptr }, { "0", "00 00" }, { "999", "03 e7" }, { "15", "00 0f" } } },
        { P::ResponseAlarmEdit, P::ResponseAlarmMark, "Please enter whole numbers between 0 and 1000", 188, 2,
            { { "10.5", nullptr }, { "1000.4", nullptr }, { "1001", nullptr }, { "-1", nullptr }, { "2.5", nullptr },
                { "5.5", nullptr }, { "1000", "03 e8" }, { "999", "03 e7" } } },
        { P::CyclesFullWarningEdit, P::CyclesFullWarningMark, "Please enter whole numbers between 0 and 400000000", 180,
            0,
            { { "1000.5", nullptr }, { "400000000.4", nullptr }, { "400000001", nullptr }, { "-1", nullptr },
                { "2.5", nullptr }, { "5.5", nullptr }, { "400000000", "15 75 2a 00 17 d7 84 00" } } },
        { P::TravelFullWarningEdit, P::TravelFullWarningMark, "Please enter whole numbers between 0 and 400000000", 180,
            8,
            { { "1000.5", nullptr }, { "400000000.4", nullptr }, { "400000001", nullptr }, { "-1", nullptr },
                { "2.5", nullptr }, { "5.5", nullptr }, { "0", "00 00 00 00 00 00 00 00 00" } } },
    };
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        show(32);
        for (const Limit& limit : limits)
            expectOnlyValuesOnTheStepWritten(page<P>(), limit, P::ApplyButton);
    }
    EXPECT_TRUE(logTexts().contains(QStringLiteral(
        "Write_Stick_Values not sent: the response warning is not one of the whole numbers between 0 and 999")));

    // A counter reset sends the device's limits: a marked one neither goes
    // out nor holds it back, and stays marked as typed.
    CPositionerHealth& positioner = page<P>();
    for (int reset : { P::ResetCyclesButton, P::ResetTravelButton }) {
        typeAndLeave(positioner, P::TravelFullWarningEdit, "-1", reset);
        device(m_path).clearRequests();
        positioner.controlAs<QAbstractButton>(reset)->click();
        EXPECT_EQ(joined(sent(m_path)), "179, 180, 179") << reset;
        // The device's limits as the Applies above left them.
        EXPECT_EQ(lastRequest(180, m_path).mid(2).toHex(' ').toStdString(),
            std::string("15 75 2a 00 17 d7 84 00 00 00 00 00 00 00 00 00 ")
                + (reset == P::ResetCyclesButton ? "01" : "02"));
        EXPECT_EQ(positioner.windowText(P::TravelFullWarningEdit), QStringLiteral("-1")) << reset;
    }
}

TEST_F(TypedLimitMarksTest, ActuatorHealthWritesOnlyLimitsOnTheirStepsInTheirRanges)
{
    using P = CActuatorHealth;
    // In psi: the leak as far as its word of thousandths of an scfm reaches,
    // the supply limits and the ratio as far as their gauges. 190: warning,
    // alarm. 196: high warning, low warning, low alarm, in hundredths of a
    // percent of the supply scale (60 psi on the larger model, 30 on the
    // smaller). 178: initial and full warning, in hundredths of a percent.
    const Limit leak[] = {
        { P::LeakWarningEdit, P::LeakWarningMark, "Please enter values between 0 and 65.535 in steps of 0.001", 190, 0,
            { { "0.0005", nullptr }, { "-0.001", nullptr }, { "65.536", nullptr }, { "-1", nullptr },
                { "2.5", "09 c4" }, { "5.5", "15 7c" }, { "12.345", "30 39" }, { "0.001", "00 01" },
                { "0", "00 00" } } },
        { P::LeakAlarmEdit, P::LeakAlarmMark, "Please enter values between 0 and 65.535 in steps of 0.001", 190, 2,
            { { "1.2345", nullptr }, { "65.5355", nullptr }, { "-0.001", nullptr }, { "65.536", nullptr },
                { "-1", nullptr }, { "65.535", "ff ff" } } },
    };
    const char* const ratioTip = "Please enter values between 0 and 150 in steps of 0.01";
    const Limit ratio[] = {
        { P::InitialWarningEdit, P::InitialWarningMark, ratioTip, 178, 0,
            { { "0.295", nullptr }, { "150.004", nullptr }, { "150.1", nullptr }, { "-1", nullptr }, { "2.5", "00 fa" },
                { "5.5", "02 26" }, { "12.34", "04 d2" }, { "150", "3a 98" } } },
        { P::FullWarningEdit, P::FullWarningMark, ratioTip, 178, 2,
            { { "0.295", nullptr }, { "-0.004", nullptr }, { "-1", nullptr }, { "2.5", "00 fa" }, { "5.5", "02 26" },
                { "0.29", "00 1d" }, { "0", "00 00" } } },
    };
    const char* const supplyTip = "Please enter values between 0 and 150 in steps of 0.1";
    const struct {
        const char* path;
        const char* lowWarning; // 0.5 psi
        const char* highWarning; // 150 psi
        const char* tenths; // 60.1 psi
    } models[] = { { K90Path, "00 53", "61 a8", "27 21" }, { K40Path, "00 a7", "c3 50", "4e 41" } };
    for (const auto& model : models) {
        startOn(model.path);
        show(ActuatorHealthCode);
        if (model.path == K90Path) {
            for (const Limit& limit : leak)
                expectOnlyValuesOnTheStepWritten(page<P>(), limit, P::ApplyButton);
        }
        const Limit supply[] = {
            { P::LowAlarmEdit, P::LowAlarmMark, supplyTip, 196, 4,
                { { "-0.1", nullptr }, { "150.1", nullptr }, { "-1", nullptr }, { "0.05", nullptr },
                    { "0", "00 00" } } },
            { P::LowWarningEdit, P::LowWarningMark, supplyTip, 196, 2,
                { { "-0.1", nullptr }, { "150.1", nullptr }, { "-1", nullptr }, { "0.5", model.lowWarning } } },
            { P::HighWarningEdit, P::HighWarningMark, supplyTip, 196, 0,
                { { "-0.1", nullptr }, { "150.1", nullptr }, { "-1", nullptr }, { "60.123", nullptr },
                    { "60.12", nullptr }, { "60.1", model.tenths }, { "150", model.highWarning } } },
        };
        for (const Limit& limit : supply)
            expectOnlyValuesOnTheStepWritten(page<P>(), limit, P::ApplyButton);
        for (const Limit& limit : ratio)
            expectOnlyValuesOnTheStepWritten(page<P>(), limit, P::ApplyButton);
    }
}

TEST_F(TypedLimitMarksTest, ActuatorHealthHoldsTheSupplyLimitsToTheScaleOfThePressureUnit)
{
    using P = CActuatorHealth;
    // The device's pressure unit and supply scale (hundredths of the unit),
    // then a supply limit typed in that unit: refused past the unit's full
    // scale, written as a share of the supply scale (196: high warning, low
    // warning, low alarm).
    const struct {
        int unit;
        uint32_t scale;
        Limit limit;
    } cases[] = {
        { 6, 6000,
            { P::HighWarningEdit, P::HighWarningMark, "Please enter values between 0 and 150 in steps of 0.1", 196, 0,
                { { "150.1", nullptr }, { "150", "61 a8" } } } },
        { 7, 414,
            { P::HighWarningEdit, P::HighWarningMark, "Please enter values between 0 and 12 in steps of 0.1", 196, 0,
                { { "12.1", nullptr }, { "100", nullptr }, { "12", "71 3a" } } } },
        { 7, 414,
            { P::LowWarningEdit, P::LowWarningMark, "Please enter values between 0 and 12 in steps of 0.1", 196, 2,
                { { "-1", nullptr }, { "2.55", nullptr }, { "2.5", "17 97" }, { "5.5", "33 e5" } } } },
        { 10, 414,
            { P::LowAlarmEdit, P::LowAlarmMark, "Please enter values between 0 and 12 in steps of 0.1", 196, 4,
                { { "12.1", nullptr }, { "1", "09 6f" } } } },
        { 12, 30000,
            { P::HighWarningEdit, P::HighWarningMark, "Please enter values between 0 and 1050 in steps of 0.1", 196, 0,
                { { "1050.1", nullptr }, { "1050", "88 b8" } } } },
        { 12, 30000,
            { P::LowAlarmEdit, P::LowAlarmMark, "Please enter values between 0 and 1050 in steps of 0.1", 196, 4,
                { { "-1", nullptr }, { "500.05", nullptr }, { "500", "41 1b" } } } },
        // In slm one count of the leak's word is 0.0283: no decimal step.
        { 7, 414,
            { P::LeakWarningEdit, P::LeakWarningMark, "Please enter values between 0 and 1854.6405", 190, 0,
                { { "1854.7", nullptr }, { "-1", nullptr }, { "28.3", "03 e8" } } } },
    };
    startOn(K90Path);
    show(ActuatorHealthCode);
    for (const auto& c : cases) {
        SCOPED_TRACE("unit " + std::to_string(c.unit));
        data().PressureUnit = uint8_t(c.unit);
        ASSERT_TRUE(app().dispatch().DispatchWrite(221));
        device().setMiscLong(0x69, c.scale);
        page<P>().OnRetrieve(); // the limits again, in the device's unit
        expectOnlyValuesOnTheStepWritten(page<P>(), c.limit, P::ApplyButton);
    }
}

} // namespace
