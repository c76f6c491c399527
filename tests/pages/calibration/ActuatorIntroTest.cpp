#include "ActuatorCalibrationPageTest.h"
#include "PageTexts.h"

#include "ReportHeaderFill.h"
#include "SimTestHooks.h"
#include "calibration/CCalib_Actuator.h"
#include "calibration/CCalibrationActuatorIntro.h"
#include "calibration/CPressureDisablePage.h"
#include "health/CActuatorHealth.h"
#include "health/CAdvDashboard.h"
#include "ui/Pictures.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <array>

namespace
{
using Intro = CCalibrationActuatorIntro;

class ActuatorIntroTest : public ActuatorCalibrationPageTest
{
public: // for the case tables' steps
    using AppFrameTest::device;
    Intro& intro() { return page<Intro>(); }
    QComboBox* combo(int id) { return intro().combo(id); }
    QString area() { return intro().windowText(Intro::AreaEdit); }
    bool areaTypable()
    {
        auto* edit = intro().controlAs<QLineEdit>(Intro::AreaEdit);
        return edit->isEnabled() && !edit->isReadOnly();
    }
    bool nextEnabled() { return intro().control(Intro::NextButton)->isEnabled(); }
    QStringList items(int id)
    {
        QStringList out;
        for (int k = 0; k < combo(id)->count(); ++k)
            out << combo(id)->itemText(k);
        return out;
    }
    // The device's actuator, as another tool would have written it.
    void deviceActuator(uint8_t maker, uint8_t kind, uint8_t model, uint8_t spring, uint16_t area)
    {
        const char bytes[6]
            = { char(maker), char(kind), char(model), char(spring), char(area >> 8), char(area & 0xFF) };
        device().respond(231, QByteArray(bytes, 6));
    }
    void deviceUnits(uint8_t pressureUnit)
    {
        const char bytes[3] = { 0x39, 0x20, char(pressureUnit) };
        device().respond(221, QByteArray(bytes, 3));
    }
    // Start-up, past the start-up reads, with the page shown and an empty record.
    void showPage()
    {
        startK90();
        clock().advance(2000);
        select(ActuatorIntroCode);
        clock().advance(1000);
        device().clearRequests();
    }
    // What the user does: picks an item of a combo.
    void pick(int comboId, int index)
    {
        combo(comboId)->setCurrentIndex(index);
        emit combo(comboId)->activated(index);
    }
    void typeArea(const char* text) { intro().setWindowText(Intro::AreaEdit, QString::fromLatin1(text)); }
    int makerItem(const QString& maker) { return combo(Intro::ManufacturerCombo)->findText(maker); }
    void pickOther() { pick(Intro::ManufacturerCombo, combo(Intro::ManufacturerCombo)->count() - 1); }
    bool areaMarked()
    {
        const QImage shown = intro().controlAs<QLabel>(Intro::AreaMark)->pixmap().toImage();
        EXPECT_TRUE(shown == Pictures::load(138).toImage() || shown == Pictures::load(139).toImage());
        return shown == Pictures::load(138).toImage();
    }
};
}

TEST_F(ActuatorIntroTest, ActivationReadsTheActuatorTheUnitsAndTheSensorFlagThenNothingUntilTheStripRead)
{
    startK90();
    clock().advance(2000);
    device().clearRequests();
    select(ActuatorIntroCode);
    EXPECT_EQ(joined(sent()), "230, 220, 200 byte 0x82");
    EXPECT_EQ(hexOf(200), std::vector<std::string>({ "05 C8 03 82 F6 FE" }));
    EXPECT_TRUE(nextEnabled());
    clock().advance(999);
    EXPECT_EQ(joined(sent()), "230, 220, 200 byte 0x82");
    clock().advance(1);
    EXPECT_EQ(joined(sent()), "230, 220, 200 byte 0x82, 202");
    device().clearRequests();
    clock().advance(20000);
    EXPECT_EQ(joined(sent()), "202");
}

TEST_F(ActuatorIntroTest, PageShowsTheDevicesActuatorFromTheTable)
{
    startK90();
    struct Case {
        uint8_t maker;
        uint8_t model;
        uint16_t area;
        const char* makerText;
        QString modelText;
        const char* areaText;
        bool other;
    };
    const Case cases[] = {
        { 4, 66, 456, "Tevo", ReportCatalogue::ActuatorModelSize(66), "45.6", false },
        { 0, 12, 13854, "Drelvik (Piston)", ReportCatalogue::ActuatorModelSize(12), "1385.4", false },
        // A code the table does not hold selects the maker's last model; the device's area stays.
        { 1, 200, 238, "Ostelm", ReportCatalogue::ActuatorModelSize(53), "23.8", false },
        { 9, 10, 100, "Other", QStringLiteral("Other"), "10", true },
        { 99, 255, 65535, "Other", QStringLiteral("Other"), "6553.5", true },
    };
    for (const Case& c : cases) {
        deviceActuator(c.maker, 0, c.model, 1, c.area);
        select(CalibrationCode);
        select(ActuatorIntroCode);
        EXPECT_EQ(combo(Intro::ManufacturerCombo)->currentText(), QString::fromLatin1(c.makerText)) << int(c.maker);
        if (!c.other) {
            EXPECT_EQ(combo(Intro::ManufacturerCombo)->currentIndex(), c.maker);
        }
        EXPECT_EQ(combo(Intro::ModelCombo)->currentText(), c.modelText) << int(c.maker);
        EXPECT_EQ(area(), QString::fromLatin1(c.areaText)) << int(c.maker);
        EXPECT_EQ(areaTypable(), c.other) << int(c.maker);
        EXPECT_EQ(combo(Intro::ModelCombo)->isEnabled(), !c.other) << int(c.maker);
    }
    EXPECT_EQ(combo(Intro::ManufacturerCombo)->count(), 8) << "seven makers and \"Other\"";
    EXPECT_EQ(items(Intro::PressureUnitCombo),
        QStringList({ "lbs/in\u00b2 (psi)", "100 kPa (bar)", "kg/cm\u00b2", "kiloPascals (kPa)" }));
}

TEST_F(ActuatorIntroTest, PressureUnitOfTheDeviceSelectsItsItemAndPercentNone)
{
    startK90();
    const std::pair<uint8_t, int> cases[] = { { 6, 0 }, { 7, 1 }, { 10, 2 }, { 12, 3 }, { 57, -1 }, { 33, 0 } };
    for (const auto& [unit, item] : cases) {
        deviceUnits(unit);
        select(CalibrationCode);
        select(ActuatorIntroCode);
        EXPECT_EQ(combo(Intro::PressureUnitCombo)->currentIndex(), item) << int(unit);
        EXPECT_EQ(intro().currentUnit(), unit);
    }
}

TEST_F(ActuatorIntroTest, ChoosingAManufacturerOrAModelShowsTheTableArea)
{
    showPage();
    pick(Intro::ManufacturerCombo, makerItem(QStringLiteral("Quirrel")));
    EXPECT_EQ(items(Intro::ModelCombo).first(), QStringLiteral("16"));
    EXPECT_EQ(items(Intro::ModelCombo).size(), 11);
    EXPECT_EQ(combo(Intro::ModelCombo)->currentIndex(), 0);
    EXPECT_EQ(area(), QStringLiteral("16"));
    EXPECT_FALSE(areaTypable());
    EXPECT_TRUE(combo(Intro::ModelCombo)->isEnabled());
    pick(Intro::ModelCombo, 2);
    EXPECT_EQ(area(), QStringLiteral("23"));
    EXPECT_TRUE(nextEnabled()) << "a manufacturer or model leaves Next as it is";

    pick(Intro::ManufacturerCombo, combo(Intro::ManufacturerCombo)->count() - 1);
    EXPECT_EQ(items(Intro::ModelCombo), QStringList({ "Other" }));
    EXPECT_EQ(area(), QStringLiteral("23.8"));
    EXPECT_TRUE(areaTypable());
    EXPECT_FALSE(combo(Intro::ModelCombo)->isEnabled());

    pick(Intro::PressureUnitCombo, 2);
    EXPECT_FALSE(nextEnabled()) << "a unit choice waits for Apply";
    EXPECT_EQ(joined(sent()), "") << "choices send nothing";
}

TEST_F(ActuatorIntroTest, ApplyWritesTheActuatorOnlyWhenItChanged)
{
    struct Case {
        const char* what;
        std::function<void(ActuatorIntroTest&)> choose;
        std::vector<std::string> writes; // 231 requests
    };
    const Case cases[] = {
        { "Other with 6553.5 in\u00b2, the word's end",
            [](ActuatorIntroTest& t) {
                t.pick(Intro::ManufacturerCombo, t.combo(Intro::ManufacturerCombo)->count() - 1);
                t.typeArea("6553.5");
            },
            { "08 E7 06 63 00 FF 01 FF FF" } },
        { "Other with 12.3 in\u00b2",
            [](ActuatorIntroTest& t) {
                t.pick(Intro::ManufacturerCombo, t.combo(Intro::ManufacturerCombo)->count() - 1);
                t.typeArea("12.3");
            },
            { "08 E7 06 63 00 FF 01 00 7B" } },
        { "a listed model", [](ActuatorIntroTest& t) { t.pick(Intro::ManufacturerCombo, 5); },
            { "08 E7 06 05 00 0D 01 00 FA" } },
        { "as the device holds it", [](ActuatorIntroTest&) {}, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showPage();
        c.choose(*this);
        click(intro(), Intro::ApplyButton);
        EXPECT_EQ(hexOf(231), c.writes);
        EXPECT_TRUE(nextEnabled());
        EXPECT_EQ(data().PressureUnitChanged, 1);
        m_app.reset();
    }
}

TEST_F(ActuatorIntroTest, ActuatorAppliedIsTheDevicesActuatorFromThenOn)
{
    showPage();
    ASSERT_EQ(combo(Intro::ManufacturerCombo)->currentText(), QStringLiteral("Tevo"));
    const QString deviceModel = combo(Intro::ModelCombo)->currentText();
    const int deviceMaker = combo(Intro::ManufacturerCombo)->currentIndex();
    const int deviceModelItem = combo(Intro::ModelCombo)->currentIndex();
    const QString deviceArea = area();
    struct Step {
        const char* what;
        std::function<void(ActuatorIntroTest&)> choose;
        std::vector<std::string> writes;
    };
    const Step steps[] = {
        { "Other with 12.3 in\u00b2",
            [](ActuatorIntroTest& t) {
                t.pickOther();
                t.typeArea("12.3");
            },
            { "08 E7 06 63 00 FF 01 00 7B" } },
        { "the same again", [](ActuatorIntroTest&) {}, {} },
        { "Other with 20 in\u00b2", [](ActuatorIntroTest& t) { t.typeArea("20"); }, { "08 E7 06 63 00 FF 01 00 C8" } },
        { "back to the actuator the device had at first",
            [&](ActuatorIntroTest& t) {
                t.pick(Intro::ManufacturerCombo, deviceMaker);
                t.pick(Intro::ModelCombo, deviceModelItem);
                t.typeArea(deviceArea.toLatin1().constData());
            },
            { "08 E7 06 04 00 41 01 03 E8" } },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        device().clearRequests();
        step.choose(*this);
        click(intro(), Intro::ApplyButton);
        EXPECT_EQ(hexOf(231), step.writes);
    }
    click(intro(), Intro::RetrieveButton);
    EXPECT_EQ(combo(Intro::ModelCombo)->currentText(), deviceModel);
    EXPECT_EQ(area(), deviceArea);

    // A write the device did not answer leaves the last known actuator as it was.
    pickOther();
    typeArea("30");
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 231);
    click(intro(), Intro::ApplyButton);
    device().clearRequests();
    click(intro(), Intro::ApplyButton);
    EXPECT_EQ(hexOf(231), std::vector<std::string>({ "08 E7 06 63 00 FF 01 01 2C" }));
}

TEST_F(ActuatorIntroTest, AreaThatIsNoNumberNotAboveZeroOrBeyondTheDeviceWordIsMarkedAndNotWritten)
{
    struct Case {
        const char* typed;
        bool valid;
        const char* written; // the 231 request when valid
    };
    const Case cases[] = {
        { "abc", false, nullptr },
        { "12abc", false, nullptr },
        { "0x20", false, nullptr },
        { "1,5", false, nullptr },
        { "nan", false, nullptr },
        { "1e300", false, nullptr },
        { "-5", false, nullptr },
        { "0", false, nullptr },
        { "", false, nullptr },
        { "0.04", false, nullptr }, // a tenth rounded down to nothing
        { "99999", false, nullptr },
        { "6553.6", false, nullptr },
        { "-1", false, nullptr },
        // The device keeps tenths of a square inch: what would be rounded into
        // the range, or to another tenth, is refused as typed.
        { "0.05", false, nullptr },
        { "6553.54", false, nullptr },
        { "12.34", false, nullptr },
        { "0.1", true, "08 E7 06 63 00 FF 01 00 01" },
        { "2.5", true, "08 E7 06 63 00 FF 01 00 19" },
        { "5.5", true, "08 E7 06 63 00 FF 01 00 37" },
        { "12.3", true, "08 E7 06 63 00 FF 01 00 7B" },
        { "6553.5", true, "08 E7 06 63 00 FF 01 FF FF" },
    };
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(ActuatorIntroCode);
        clock().advance(1000);
        EXPECT_FALSE(areaMarked()) << "the device's area";
        pickOther();
        pick(Intro::PressureUnitCombo, 3);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            // Key by key, as the user types.
            auto* edit = intro().controlAs<QLineEdit>(Intro::AreaEdit);
            edit->clear();
            for (const char* key = c.typed; *key; ++key)
                edit->insert(QString(QLatin1Char(*key)));
            EXPECT_EQ(edit->text(), QString::fromLatin1(c.typed)) << "shown as typed";
            EXPECT_EQ(areaMarked(), !c.valid);
            EXPECT_EQ(intro().areaValid(), c.valid);
            device(path).clearRequests();
            const bool nextBefore = nextEnabled();
            click(intro(), Intro::ApplyButton);
            if (c.valid) {
                EXPECT_EQ(hexOf(231, path), std::vector<std::string>({ c.written }));
                EXPECT_TRUE(sent(path).contains(QStringLiteral("200 long 0x69")));
                EXPECT_TRUE(nextEnabled());
            } else {
                EXPECT_EQ(joined(sent(path)), "") << "nothing is written, the unit neither";
                EXPECT_EQ(nextEnabled(), nextBefore);
                EXPECT_EQ(intro().control(Intro::AreaMark)->toolTip(),
                    QStringLiteral("Please enter values between 0.1 and 6553.5 in steps of 0.1"));
                EXPECT_TRUE(logTexts().contains(
                    QStringLiteral("Write_Actuator_cmd not sent: the area \"%1\" is not one of the values between "
                                   "0.1 and 6553.5 in steps of 0.1")
                        .arg(QString::fromLatin1(c.typed))));
            }
        }
        m_app.reset();
    }
}

TEST_F(ActuatorIntroTest, AnAreaShownFromTheDeviceIsCheckedBeforeAnythingIsTyped)
{
    // A device whose actuator was never set holds an area of 0; the page
    // shows it at every visit, the same text at the second.
    startK90();
    deviceActuator(99, 0, 255, 1, 0);
    for (int visit = 1; visit <= 2; ++visit) {
        SCOPED_TRACE(visit);
        select(CalibrationCode);
        select(ActuatorIntroCode);
        ASSERT_EQ(area(), QStringLiteral("0"));
        EXPECT_TRUE(areaMarked());
        device().clearRequests();
        click(intro(), Intro::ApplyButton);
        EXPECT_EQ(joined(sent()), "") << "nothing is written, the unit neither";
    }
    typeArea("12.3");
    EXPECT_FALSE(areaMarked());
    click(intro(), Intro::ApplyButton);
    EXPECT_EQ(hexOf(231), std::vector<std::string>({ "08 E7 06 63 00 FF 01 00 7B" }));
}

TEST_F(ActuatorIntroTest, ApplyConvertsTheFullScaleAndWritesTheNewUnit)
{
    startK90();
    device().setMiscLong(0x69, 8000);
    clock().advance(2000);
    select(ActuatorIntroCode);
    device().clearRequests();
    pick(Intro::PressureUnitCombo, 3);
    click(intro(), Intro::ApplyButton);
    // The full scale of 80 psi is not the supply of 60 psi: it is converted itself.
    EXPECT_EQ(joined(sent()), "200 long 0x69, 200 long 0x63, 201 long 0x69, 221");
    EXPECT_EQ(hexOf(200), std::vector<std::string>({ "05 C8 03 EE F6 69", "05 C8 03 EE F6 63" }));
    EXPECT_EQ(hexOf(201), std::vector<std::string>({ "0C C9 0A EE 00 F6 00 00 69 00 00 D7 78" }));
    EXPECT_EQ(hexOf(221), std::vector<std::string>({ "05 DD 03 2F 20 0C" })); // travel in inches, °C kept
    EXPECT_EQ(device().miscLong(0x69), 55160u);
    EXPECT_EQ(intro().currentUnit(), 12);
    EXPECT_EQ(data().PressureUnitChanged, 1);

    // The same unit again: the full scale is read, nothing is written, the flag is set.
    data().PressureUnitChanged = 0;
    device().clearRequests();
    click(intro(), Intro::ApplyButton);
    EXPECT_EQ(joined(sent()), "200 long 0x69");
    EXPECT_EQ(data().PressureUnitChanged, 1);
}

TEST_F(ActuatorIntroTest, ApplyWithoutAUsableUnitOrWithoutTheReadsItNeedsWritesNoUnit)
{
    struct Case {
        const char* what;
        std::function<void(ActuatorIntroTest&)> before; // before the page is shown
        std::function<void(ActuatorIntroTest&)> choose; // then, on the page
        const char* sent;
        const char* logLine;
    };
    const Case cases[] = {
        { "device unit percent", [](ActuatorIntroTest& t) { t.deviceUnits(57); },
            [](ActuatorIntroTest& t) { t.pick(Intro::PressureUnitCombo, 3); }, "200 long 0x69", nullptr },
        { "device unit percent, nothing selected", [](ActuatorIntroTest& t) { t.deviceUnits(57); },
            [](ActuatorIntroTest&) {}, "200 long 0x69", nullptr },
        { "the full scale's reply lost", [](ActuatorIntroTest&) {},
            [](ActuatorIntroTest& t) {
                t.pick(Intro::PressureUnitCombo, 1);
                SimTestHooks::faults(t.device()).inject(SimFault::NoResponse, 1, 200);
            },
            "200 long 0x69", "Write_Misc_cmd not sent: no Read_Misc_cmd reply" },
        { "the full scale's reply for another variable", [](ActuatorIntroTest&) {},
            [](ActuatorIntroTest& t) {
                t.pick(Intro::PressureUnitCombo, 1);
                SimTestHooks::faults(t.device()).inject(SimFault::MiscOtherAddress, 1, 200);
            },
            "200 long 0x69", "Write_Misc_cmd not sent: no Read_Misc_cmd reply" },
        { "the units' reply lost at activation",
            [](ActuatorIntroTest& t) { SimTestHooks::faults(t.device()).inject(SimFault::NoResponse, 1, 220); },
            [](ActuatorIntroTest& t) { t.pick(Intro::PressureUnitCombo, 1); }, "200 long 0x69",
            "Write_Units not sent: no Read_Units reply" },
        { "the actuator's reply lost at activation",
            [](ActuatorIntroTest& t) { SimTestHooks::faults(t.device()).inject(SimFault::NoResponse, 1, 230); },
            [](ActuatorIntroTest& t) { t.pick(Intro::ManufacturerCombo, 5); }, "200 long 0x69",
            "Write_Actuator_cmd not sent: no Read_Actuator_cmd reply" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startK90();
        clock().advance(2000);
        c.before(*this);
        select(ActuatorIntroCode);
        c.choose(*this);
        device().clearRequests();
        click(intro(), Intro::ApplyButton);
        EXPECT_EQ(joined(sent()), c.sent);
        EXPECT_EQ(data().PressureUnitChanged, 1);
        if (c.logLine) {
            EXPECT_TRUE(logTexts().contains(QString::fromLatin1(c.logLine))) << logTexts().join('\n').toStdString();
        }
        m_app.reset();
    }
}

TEST_F(ActuatorIntroTest, FourUnitChangesInARowComeBackToTheFullScaleTheyLeftAndASecondTripEndsWhereTheFirstDid)
{
    // The trip psi -> bar -> kPa -> kg/cm2 -> psi, twice, with the device's
    // full scale (long 0x69, hundredths of its unit) after each Apply. Factors
    // from psi: 0.06895 to bar, 6.895 to kPa, 0.07031 to kg/cm2.
    struct Case {
        const char* what;
        bool k40;
        uint32_t supplyPsi; // long 0x63; 0: as the device comes
        uint32_t fullScale; // long 0x69 in psi; 0: as the device comes
        bool supplyUnanswered; // the device gives no reply to the read of long 0x63
        std::array<uint32_t, 4> trip;
    };
    const Case cases[] = {
        { "K90 as it comes, 60 psi", false, 0, 0, false, { 414, 41370, 422, 6000 } },
        { "K40 as it comes, 30 psi", true, 0, 0, false, { 207, 20685, 211, 3000 } },
        { "K90, 80 psi", false, 8000, 8000, false, { 552, 55160, 562, 8000 } },
        { "K40, 150 psi", true, 15000, 15000, false, { 1034, 103425, 1055, 15000 } },
        // A full scale that is not the device's supply goes through the units
        // as the psi it was: 20 psi is 1.38 bar, 137.90 kPa, 1.41 kg/cm2; from
        // the hundredths written it would come back as 20.05 psi.
        { "K90, a full scale of 60 psi beside a supply of 80", false, 8000, 6000, false, { 414, 41370, 422, 6000 } },
        { "K40, a full scale of 60 psi beside a supply of 80", true, 8000, 6000, false, { 414, 41370, 422, 6000 } },
        { "K90, a full scale of 20 psi beside a supply of 60", false, 6000, 2000, false, { 138, 13790, 141, 2000 } },
        { "K40, a full scale of 20 psi beside a supply of 60", true, 6000, 2000, false, { 138, 13790, 141, 2000 } },
        { "K90, a full scale of 45.5 psi", false, 0, 4550, false, { 314, 31372, 320, 4550 } },
        { "K40, a full scale of 45.5 psi", true, 0, 4550, false, { 314, 31372, 320, 4550 } },
        { "K90 as it comes, the supply unanswered", false, 0, 0, true, { 414, 41370, 422, 6000 } },
        { "K40 as it comes, the supply unanswered", true, 0, 0, true, { 207, 20685, 211, 3000 } },
        { "K90, 20 psi, the supply unanswered", false, 6000, 2000, true, { 138, 13790, 141, 2000 } },
        { "K40, 45.5 psi, the supply unanswered", true, 0, 4550, true, { 314, 31372, 320, 4550 } },
    };
    // The items picked, and the factor and target unit each change leaves in
    // the application object: the factor from the unit it left.
    const int items[4] = { 1, 3, 2, 0 };
    const double factors[4] = { 0.06895, 100.0, 0.0101972, 14.22 };
    const int targets[4] = { 7, 12, 10, 6 };
    const auto fullScaleWrite = [](uint32_t word) {
        return QString::asprintf("0C C9 0A EE 00 F6 00 00 69 %02X %02X %02X %02X", (word >> 24) & 0xFF,
            (word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF)
            .toStdString();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const char* path = c.k40 ? K40Path : K90Path;
        if (c.k40)
            startK40();
        else
            startK90();
        if (c.supplyPsi)
            device(path).setMiscLong(0x63, c.supplyPsi);
        if (c.fullScale)
            device(path).setMiscLong(0x69, c.fullScale);
        if (c.supplyUnanswered)
            SimTestHooks::faults(device(path)).injectOnMiscLong(SimFault::NoResponse, SimFaults::UntilCleared, 0x63);
        const uint32_t start = device(path).miscLong(0x69);
        clock().advance(2000);
        select(ActuatorIntroCode);
        for (int round = 1; round <= 2; ++round) {
            SCOPED_TRACE(round);
            std::array<uint32_t, 4> written {};
            for (size_t k = 0; k < 4; ++k) {
                SCOPED_TRACE(k);
                pick(Intro::PressureUnitCombo, items[k]);
                device(path).clearRequests();
                click(intro(), Intro::ApplyButton);
                EXPECT_EQ(joined(sent(path)), "200 long 0x69, 200 long 0x63, 201 long 0x69, 221");
                EXPECT_EQ(hexOf(201, path), std::vector<std::string>({ fullScaleWrite(c.trip[k]) }));
                EXPECT_EQ(app().helpers().m_PressureConversionFactor, factors[k]);
                EXPECT_EQ(app().helpers().m_TargetPressureUnit, targets[k]);
                written[k] = device(path).miscLong(0x69);
            }
            EXPECT_EQ(written, c.trip);
            EXPECT_NEAR(double(written[3]), double(start), start * 0.0005) << "within 0.05 % of where it started";
            EXPECT_EQ(data().PressureUnit, 6);
        }
        m_app.reset();
    }
}

TEST_F(ActuatorIntroTest, AUnitChangeTheDeviceDoesNotTakeLeavesItsFullScaleAndItsUnitTogether)
{
    // psi -> bar with the full scale's write or the unit's write unanswered:
    // the device never reads its full scale in the other unit, and the next
    // Apply converts from what it holds.
    struct Case {
        const char* what;
        bool k40;
        int lost; // the command the device does not answer once: 201 the full scale, 221 the unit
        const char* sentFirst;
        uint32_t bar; // the full scale in hundredths of a bar once a change goes through
    };
    const Case cases[] = {
        { "K90, the full scale unanswered", false, 201, "200 long 0x69, 200 long 0x63, 201 long 0x69, 200 long 0x69",
            414 },
        { "K40, the full scale unanswered", true, 201, "200 long 0x69, 200 long 0x63, 201 long 0x69, 200 long 0x69",
            207 },
        { "K90, the unit unanswered", false, 221, "200 long 0x69, 200 long 0x63, 201 long 0x69, 221, 201 long 0x69",
            414 },
        { "K40, the unit unanswered", true, 221, "200 long 0x69, 200 long 0x63, 201 long 0x69, 221, 201 long 0x69",
            207 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const char* path = c.k40 ? K40Path : K90Path;
        if (c.k40)
            startK40();
        else
            startK90();
        const uint32_t psiWord = c.k40 ? 3000u : 6000u;
        ASSERT_EQ(device(path).miscLong(0x69), psiWord);
        clock().advance(2000);
        select(ActuatorIntroCode);
        pick(Intro::PressureUnitCombo, 1);
        device(path).clearRequests();
        SimTestHooks::faults(device(path)).inject(SimFault::NoResponse, 1, c.lost);
        click(intro(), Intro::ApplyButton);
        EXPECT_EQ(joined(sent(path)), c.sentFirst);
        EXPECT_EQ(device(path).miscLong(0x69), psiWord);
        EXPECT_EQ(intro().currentUnit(), 6);
        EXPECT_EQ(data().PressureUnit, 6);

        device(path).clearRequests();
        click(intro(), Intro::ApplyButton);
        EXPECT_EQ(joined(sent(path)), "200 long 0x69, 200 long 0x63, 201 long 0x69, 221");
        EXPECT_EQ(device(path).miscLong(0x69), c.bar);
        EXPECT_EQ(intro().currentUnit(), 7);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ActuatorIntroTest, AfterAChangeToBarTheHealthPageShowsTheSupplyAtItsNominalOnBothModels)
{
    // The simulated supply stands at the device's nominal, 60 psi on the K90
    // and 30 psi on the K40: 4.14 and 2.07 bar, its share of the full scale
    // 100 %. A full scale cut to 4.13 or 2.06 bar would show it below.
    struct Case {
        bool k40;
        const char* nominal;
        const char* current;
    };
    const Case cases[] = { { false, "4.14", " 4.14" }, { true, "2.07", " 2.07" } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k40 ? "K40" : "K90");
        if (c.k40)
            startK40();
        else
            startK90();
        clock().advance(2000);
        select(ActuatorIntroCode);
        pick(Intro::PressureUnitCombo, 1);
        click(intro(), Intro::ApplyButton);
        select(33); // Actuator Health
        auto& health = page<CActuatorHealth>();
        EXPECT_EQ(health.windowText(CActuatorHealth::NominalSupplyEdit).toStdString(), c.nominal);
        EXPECT_EQ(health.windowText(CActuatorHealth::SupplyEdit).toStdString(), c.current);
        m_app.reset();
    }
}

TEST_F(ActuatorIntroTest, RetrieveReadsBackWhatApplyWrote)
{
    showPage();
    pick(Intro::ManufacturerCombo, makerItem(QStringLiteral("Plenmark")));
    pick(Intro::ModelCombo, 4);
    pick(Intro::PressureUnitCombo, 1);
    click(intro(), Intro::ApplyButton);
    const QString model = combo(Intro::ModelCombo)->currentText();
    const QString shownArea = area();

    pick(Intro::ManufacturerCombo, 0);
    pick(Intro::PressureUnitCombo, 0);
    device().clearRequests();
    click(intro(), Intro::RetrieveButton);
    EXPECT_EQ(joined(sent()), "230, 220, 200 byte 0x82");
    EXPECT_EQ(combo(Intro::ManufacturerCombo)->currentText(), QStringLiteral("Plenmark"));
    EXPECT_EQ(combo(Intro::ModelCombo)->currentText(), model);
    EXPECT_EQ(area(), shownArea);
    EXPECT_EQ(combo(Intro::PressureUnitCombo)->currentIndex(), 1);
    EXPECT_TRUE(nextEnabled());
}

TEST_F(ActuatorIntroTest, AfterAUnitChangeTheHealthPageAndTheDashboardShowTheSupplyInTheNewUnit)
{
    startK90();
    const double supplyPsi = device().physics().supplyPsi;
    clock().advance(2000);
    select(ActuatorIntroCode);
    pick(Intro::PressureUnitCombo, 3);
    click(intro(), Intro::ApplyButton);
    ASSERT_EQ(data().PressureUnitChanged, 1);

    select(33); // Actuator Health
    EXPECT_EQ(data().PressureUnitChanged, 0) << "the health page took the change";
    auto& health = page<CActuatorHealth>();
    EXPECT_NEAR(health.windowText(CActuatorHealth::SupplyEdit).toDouble(), supplyPsi * 6.895, 0.1);

    select(1);
    clock().advance(5000);
    EXPECT_NEAR(page<CAdvDashboard>().supplyDial()->value(), supplyPsi * 6.895, 0.1);
}

TEST_F(ActuatorIntroTest, NextLeadsToTheCalibrationOrWithoutASensorToThePageThatSaysSo)
{
    for (uint8_t boards : { 0x00, 0x01, 0x03 }) {
        SCOPED_TRACE(int(boards));
        startK90();
        device().setMiscByte(0x82, boards);
        clock().advance(2000);
        select(ActuatorIntroCode);
        device().clearRequests();
        click(intro(), Intro::NextButton);
        EXPECT_FALSE(intro().timerArmed(StripPage::StripTimerId));
        FormPage& calibration = page("CCalib_Actuator");
        if (boards & 0x01) {
            EXPECT_EQ(app().shownPage(), &calibration);
            EXPECT_TRUE(calibration.timerArmed(StripPage::StripTimerId)) << "activated";
        } else {
            auto& disabled = page<CPressureDisablePage>();
            EXPECT_EQ(app().shownPage(), &disabled);
            EXPECT_FALSE(disabled.timerArmed(StripPage::StripTimerId)) << "shown, not activated";
            clock().advance(30000);
            EXPECT_EQ(joined(sent()), "") << "nothing sent by either page";
        }
        m_app.reset();
    }
}

TEST_F(ActuatorIntroTest, MissingTableIsReportedOnceAtStartUpAndLeavesOnlyOther)
{
    QTemporaryDir emptyHome;
    qputenv("STROKEWISE_HOME", emptyHome.path().toLocal8Bit());
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Error reading Actuator list file."));
    startK90();
    qunsetenv("STROKEWISE_HOME");
    ASSERT_EQ(prompts().messages().size(), 1u);
    const Prompts::Message box = prompts().messages().front();
    EXPECT_EQ(Prompts::captionOf(box), Prompts::defaultCaption()) << "the platform's default caption";
    EXPECT_EQ(box.buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(box.owner, &intro());

    for (int round = 0; round < 2; ++round) {
        select(ActuatorIntroCode);
        EXPECT_EQ(items(Intro::ManufacturerCombo), QStringList({ "Other" }));
        EXPECT_EQ(items(Intro::ModelCombo), QStringList({ "Other" }));
        click(intro(), Intro::NextButton); // the page without a sensor, or the calibration
        select(CalibrationCode);
    }
    EXPECT_EQ(prompts().messages().size(), 1u) << "read once, at start-up";
    // The error definitions are missing there too: read once per run, whatever is shown.
    EXPECT_EQ(logTexts().count(QStringLiteral("error definitions not found: ") + emptyHome.path()
                  + QStringLiteral("/SerratK90Errors.dlm")),
        1);

    // Apply with "Other": maker 99, model 255 and the typed area.
    select(ActuatorIntroCode);
    typeArea("12.3");
    device().clearRequests();
    click(intro(), Intro::ApplyButton);
    EXPECT_EQ(hexOf(231), std::vector<std::string>({ "08 E7 06 63 00 FF 01 00 7B" }));
}

TEST_F(ActuatorIntroTest, ControlsCarryTheirTooltips)
{
    startK90();
    // The area marker carries a tip only while the area is refused.
    expectToolTips(intro(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Intro::ManufacturerCombo, "Information about the actuator manufacturer." },
            { Intro::ModelCombo, "Information about the actuator size." },
            { Intro::AreaEdit, "Enter approximate actuator area in in\u00b2." },
            { Intro::PressureUnitCombo, "Select actuator pressure units." },
            { Intro::ApplyButton, "Saves your changes to device." },
            { Intro::RetrieveButton, "Retrieve information from the device." },
            { Intro::NextButton, "Continue to next part of calibration." },
        },
        { Intro::AreaMark });
}

TEST_F(ActuatorIntroTest, PageShowsItsLabelsInstructionAndButtons)
{
    startK90();
    const QStringList texts = shownTexts(intro());
    for (const char* text : { "Select actuator manufacturer and model.  Select the pressure units to be used for the "
                              "supply pressure.  Click Next to continue this calibration.",
             "Actuator", "Manufacturer:", "Model:", "Size:", "in\u00b2", "Pressure UOM:", "Apply", "Retrieve", "Next" })
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    const std::pair<int, const char*> buttons[]
        = { { Intro::ApplyButton, "Apply" }, { Intro::RetrieveButton, "Retrieve" }, { Intro::NextButton, "Next" } };
    for (const auto& [id, caption] : buttons)
        EXPECT_EQ(intro().windowText(id), QString::fromLatin1(caption)) << id;
    // Before the page is first shown the area is fixed: disabled, read-only and right-aligned.
    auto* edit = intro().controlAs<QLineEdit>(Intro::AreaEdit);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(ActuatorIntroTest, TheCalibrationStateStandsWithoutABorderBesideFramedEdits)
{
    startK90();
    auto& calibration = page<CCalib_Actuator>();
    ASSERT_NE(calibration.controlAs<QLineEdit>(CCalib_Actuator::StateEdit), nullptr);
    EXPECT_FALSE(calibration.controlAs<QLineEdit>(CCalib_Actuator::StateEdit)->hasFrame());
    EXPECT_TRUE(calibration.controlAs<QLineEdit>(CCalib_Actuator::Port1CountEdit)->hasFrame());
}
