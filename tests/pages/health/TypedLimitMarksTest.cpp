// A limit typed on a health page counts only when its whole text is one
// number in the range the limit holds: anything else is marked beside the
// edit with a tip naming the range, stays as typed, and Apply writes nothing
// of its group; a number in the range goes out as typed.
#include "HealthPageTest.h"

#include "health/CPositionerHealth.h"

#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace
{

// Text that is no number in any limit's range: no plain number at all, or
// one far past every range.
const char* const NoNumbers[] = { "abc", "12abc", "0x20", "1,5", "nan", "", "1e999", "1e300" };

struct Limit {
    int edit;
    int mark;
    const char* tip;
    const char* below; // just outside the range, at each end
    const char* above;
    const char* inside; // just inside it
    uint8_t command; // what Apply writes
    int at; // where the limit stands in the request's data
    const char* bytes; // the limit there, as the inside value gives it
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
    // The user types into the edit and leaves it for the Apply button.
    void typeAndLeave(FormPage& page, int edit, const char* text, int applyButton)
    {
        QApplication::setActiveWindow(page.window());
        page.control(edit)->setFocus();
        page.setWindowText(edit, QString::fromLatin1(text));
        page.control(applyButton)->setFocus();
    }
    static bool marked(const FormPage& page, int mark)
    {
        return page.controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(138).toImage();
    }
    // Types each text that is no number in the limit's range and applies,
    // then the number just inside the range and applies.
    void expectOnlyNumbersInRangeWritten(FormPage& page, const Limit& limit, int applyButton)
    {
        std::vector<const char*> refused(std::begin(NoNumbers), std::end(NoNumbers));
        refused.push_back(limit.below);
        refused.push_back(limit.above);
        for (const char* text : refused) {
            SCOPED_TRACE(std::string(m_path) + " " + std::to_string(limit.edit) + " \"" + text + "\"");
            device(m_path).clearRequests();
            typeAndLeave(page, limit.edit, text, applyButton);
            EXPECT_TRUE(marked(page, limit.mark));
            EXPECT_EQ(page.control(limit.mark)->toolTip(), QString::fromLatin1(limit.tip));
            page.controlAs<QAbstractButton>(applyButton)->click();
            EXPECT_EQ(page.windowText(limit.edit), QString::fromLatin1(text)) << "shown as typed";
            EXPECT_TRUE(device(m_path).requestsFor(limit.command).empty()) << "nothing written";
        }
        SCOPED_TRACE(std::string(m_path) + " " + std::to_string(limit.edit) + " " + limit.inside);
        device(m_path).clearRequests();
        typeAndLeave(page, limit.edit, limit.inside, applyButton);
        EXPECT_FALSE(marked(page, limit.mark));
        page.controlAs<QAbstractButton>(applyButton)->click();
        const QByteArray sent = lastRequest(limit.command, m_path);
        const int size = int(QByteArray::fromHex(limit.bytes).size());
        EXPECT_EQ(sent.mid(2 + limit.at, size).toHex(' ').toStdString(), limit.bytes);
    }

    const char* m_path = K90Path;
};

TEST_F(TypedLimitMarksTest, ValveHealthWritesOnlySettingsThatAreNumbersInTheirRanges)
{
    using P = CValveHealth;
    // 198: high warning, high alarm, low warning, low alarm. 174: the
    // travel full warning at 8, its deadband at 12 and the stroke at 14 (in
    // hundredths), the cycle full warning at 24 and its deadband at 28.
    const Limit limits[] = {
        { P::LowAlarmEdit, P::LowAlarmMark, "Please enter values between 0 and 9997", "-1", "9998", "0", 198, 6,
            "00 00" },
        { P::LowWarningEdit, P::LowWarningMark, "Please enter values between 0 and 9998", "-0.5", "9999", "99", 198, 4,
            "00 63" },
        { P::HighWarningEdit, P::HighWarningMark, "Please enter values between 0 and 9999", "-1", "10000", "9999", 198,
            0, "27 0f" },
        { P::HighAlarmEdit, P::HighAlarmMark, "Please enter values between 0 and 10000", "-1", "10001", "10000", 198, 2,
            "27 10" },
        { P::CycleDeadbandEdit, P::CycleDeadbandMark, "Please enter values between 0 and 99", "-0.1", "99.1", "99", 174,
            28, "26 ac" },
        { P::CyclesFullWarningEdit, P::CyclesFullWarningMark, "Please enter values between 0 and 400000000", "-1",
            "400000001", "400000000", 174, 24, "17 d7 84 00" },
        { P::StrokeLengthEdit, P::StrokeMark, "Please enter values between 0.01 and 100", "0.009", "100.01", "100", 174,
            14, "27 10" },
        { P::TravelDeadbandEdit, P::TravelDeadbandMark, "Please enter values between 0 and 99", "-0.1", "99.5", "0",
            174, 12, "00 00" },
        { P::TravelFullWarningEdit, P::TravelFullWarningMark, "Please enter values between 0 and 900000000", "-1",
            "900000001", "900000000", 174, 8, "35 a4 e9 00" },
    };
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        show(31);
        for (const Limit& limit : limits)
            expectOnlyNumbersInRangeWritten(page<P>(), limit, P::ApplyButton);
    }
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Write_Friction_Settings not sent: the friction low alarm is not a number between 0 and 9997")));
    EXPECT_TRUE(logTexts().contains(QStringLiteral(
        "Write_Valve_Travel_Cycle_Counts not sent: the cycle full warning is not a number between 0 and 400000000")));
}

TEST_F(TypedLimitMarksTest, FrictionToleranceSettingsWritesOnlyLimitsThatAreNumbersInTheirRanges)
{
    using P = CValveHealthToleranceSettings;
    const Limit limits[] = {
        { P::LowAlarmEdit, P::LowAlarmMark, "Please enter values between 0 and 9997", "-1", "9998", "0", 198, 6,
            "00 00" },
        { P::LowWarningEdit, P::LowWarningMark, "Please enter values between 0 and 9998", "-0.5", "9999", "99", 198, 4,
            "00 63" },
        { P::HighWarningEdit, P::HighWarningMark, "Please enter values between 0 and 9999", "-1", "10000", "9999", 198,
            0, "27 0f" },
        { P::HighAlarmEdit, P::HighAlarmMark, "Please enter values between 0 and 10000", "-1", "10001", "10000", 198, 2,
            "27 10" },
    };
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        show(311);
        for (const Limit& limit : limits)
            expectOnlyNumbersInRangeWritten(page<P>(), limit, P::ApplyButton);
    }
}

TEST_F(TypedLimitMarksTest, PositionerHealthWritesOnlyLimitsThatAreNumbersInTheirRanges)
{
    using P = CPositionerHealth;
    // 188: warning, alarm. 180: the cycle initial and full warnings, the
    // travel initial and full warnings, the reset selector.
    const Limit limits[] = {
        { P::ResponseWarningEdit, P::ResponseWarningMark, "Please enter values between 0 and 999", "-1", "1000", "999",
            188, 0, "03 e7" },
        { P::ResponseAlarmEdit, P::ResponseAlarmMark, "Please enter values between 0 and 1000", "-1", "1001", "999",
            188, 2, "03 e7" },
        { P::CyclesFullWarningEdit, P::CyclesFullWarningMark, "Please enter values between 0 and 400000000", "-1",
            "400000001", "400000000", 180, 0, "15 75 2a 00 17 d7 84 00" },
        { P::TravelFullWarningEdit, P::TravelFullWarningMark, "Please enter values between 0 and 400000000", "-1",
            "400000001", "0", 180, 8, "00 00 00 00 00 00 00 00 00" },
    };
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        show(32);
        for (const Limit& limit : limits)
            expectOnlyNumbersInRangeWritten(page<P>(), limit, P::ApplyButton);
    }
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Write_Stick_Values not sent: the response warning is not a number between 0 and 999")));

    // A counter reset sends the limits as they stand: not while one is marked.
    CPositionerHealth& positioner = page<P>();
    for (int reset : { P::ResetCyclesButton, P::ResetTravelButton }) {
        typeAndLeave(positioner, P::TravelFullWarningEdit, "-1", reset);
        device(m_path).clearRequests();
        positioner.controlAs<QAbstractButton>(reset)->click();
        EXPECT_EQ(joined(sent(m_path)), "") << reset;
    }
    typeAndLeave(positioner, P::TravelFullWarningEdit, "100", P::ResetCyclesButton);
    positioner.controlAs<QAbstractButton>(P::ResetCyclesButton)->click();
    EXPECT_EQ(lastRequest(180, m_path).mid(2 + 12).toHex(' ').toStdString(), "00 00 00 64 01");
}

TEST_F(TypedLimitMarksTest, ActuatorHealthWritesOnlyLimitsThatAreNumbersInTheirRanges)
{
    using P = CActuatorHealth;
    // In psi: the leak as far as its word of thousandths of an scfm reaches,
    // the supply limits and the ratio as far as their gauges. 190: warning,
    // alarm. 196: high warning, low warning, low alarm, in hundredths of a
    // percent of the supply scale (60 psi on the larger model, 30 on the
    // smaller). 178: initial and full warning.
    const Limit leak[] = {
        { P::LeakWarningEdit, P::LeakWarningMark, "Please enter values between 0 and 65.535", "-0.001", "65.536", "0",
            190, 0, "00 00" },
        { P::LeakAlarmEdit, P::LeakAlarmMark, "Please enter values between 0 and 65.535", "-0.001", "65.536", "65.535",
            190, 2, "ff ff" },
    };
    const Limit others[] = {
        { P::LowAlarmEdit, P::LowAlarmMark, "Please enter values between 0 and 150", "-0.1", "150.1", "0", 196, 4,
            "00 00" },
        { P::LowWarningEdit, P::LowWarningMark, "Please enter values between 0 and 150", "-0.1", "150.1", "0.5", 196, 2,
            nullptr },
        { P::HighWarningEdit, P::HighWarningMark, "Please enter values between 0 and 150", "-0.1", "150.1", "150", 196,
            0, nullptr },
        { P::InitialWarningEdit, P::InitialWarningMark, "Please enter values between 0 and 150", "-0.1", "150.1", "150",
            178, 0, "3a 98" },
        { P::FullWarningEdit, P::FullWarningMark, "Please enter values between 0 and 150", "-0.1", "150.1", "0.29", 178,
            2, "00 1d" },
    };
    const struct {
        const char* path;
        const char* lowWarning; // 0.5 psi
        const char* highWarning; // 150 psi
    } models[] = { { K90Path, "00 53", "61 a8" }, { K40Path, "00 a6", "c3 50" } };
    for (const auto& model : models) {
        startOn(model.path);
        show(ActuatorHealthCode);
        if (model.path == K90Path) {
            for (const Limit& limit : leak)
                expectOnlyNumbersInRangeWritten(page<P>(), limit, P::ApplyButton);
        }
        for (Limit limit : others) {
            if (limit.edit == P::LowWarningEdit)
                limit.bytes = model.lowWarning;
            if (limit.edit == P::HighWarningEdit)
                limit.bytes = model.highWarning;
            expectOnlyNumbersInRangeWritten(page<P>(), limit, P::ApplyButton);
        }
    }
}

} // namespace
