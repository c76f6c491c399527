#include "AlarmPageTest.h"

#include "alarms/AlarmAnnunciatorIndex.h"
#include "calibration/CCustCharacterization_Info.h"
#include "controls/SwitchToggle.h"

#include <QAbstractButton>

// Configuration byte 0 holds one fact, whether the positioner's local
// interface (its Tapset button) is enabled: the alarm annunciators, their
// printed report, the stroke characterization switch and the device itself
// must all tell the same.
class LocalInterfaceSettingTest : public AlarmPageTest
{
protected:
    using Info = CCustCharacterization_Info;
    static constexpr int CharacterizationCode = 61;
    static constexpr int LocalInterfaceStatus = 14;
    static constexpr int StrokeCalibrationStatus = 24;

    Info& selection() { return page<Info>(); }
    // The device's configuration block with byte 0 as given, as another tool would have written it.
    void deviceLocalByte(uint8_t value)
    {
        QByteArray config = device().respond(246, {}).mid(4, 22);
        config[0] = char(value);
        device().respond(247, config);
    }
    QString annunciatorBox() { return annunciator().box(CAlarmAnnunciator::LocalInterfaceBox)->value(); }
    QString recordText()
    {
        return annunciatorRecord().m_strTexts[AlarmAnnunciatorIndex::LocalInterfaceLbl].toQString();
    }
    QString printedText()
    {
        expectReport(tempPath(QStringLiteral("annunciator.pdf")), QStringLiteral("Save Alarm Annunce Report As"));
        annunciator().controlAs<QAbstractButton>(CAlarmAnnunciator::PrintButton)->click();
        return reportField(annunciator(), QStringLiteral("LocalInterfaceLbl"));
    }
    // Someone at the valve presses the Tapset button: what the device does with it.
    struct TapsetOutcome {
        bool refusalShown;
        bool strokeCalibrationStarted;
    };
    TapsetOutcome pressTapset()
    {
        device().pressTapsetButton();
        const TapsetOutcome outcome { device().statusActive(LocalInterfaceStatus),
            device().statusActive(StrokeCalibrationStatus) };
        // Whatever started is stopped again and the refusal has passed before the next case.
        device().respond(225, QByteArray(1, char(0x33)) + QByteArray(14, ' '));
        clock().pass(10000);
        return outcome;
    }
};

TEST_F(LocalInterfaceSettingTest, BothPagesTheReportAndTheDeviceTellTheSameFromConfigurationByteZero)
{
    startOn(K90Path);
    struct Case {
        uint8_t byte0;
        bool enabled; // the stroke characterization switch "On"
        const char* text; // the annunciator's box, its record and the printed report
    };
    const Case cases[] = {
        { 0x00, true, "Local Enabled" },
        { 0x01, false, "Local Disabled" },
        { 0x80, false, "Local Disabled" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.byte0));
        deviceLocalByte(c.byte0);
        select(CharacterizationCode);
        EXPECT_EQ(selection().localInterfaceToggle()->value(), c.enabled);
        select(AnnunciatorCode);
        EXPECT_EQ(annunciatorBox(), QString::fromLatin1(c.text));
        EXPECT_EQ(recordText(), QString::fromLatin1(c.text));
        EXPECT_EQ(printedText(), QString::fromLatin1(c.text));
        EXPECT_EQ(device().localInterfaceEnabled(), c.enabled);
        const TapsetOutcome tapset = pressTapset();
        EXPECT_EQ(tapset.refusalShown, !c.enabled) << "status 14 shows only when the press is refused";
        EXPECT_EQ(tapset.strokeCalibrationStarted, c.enabled);
    }
}

// The user turns the local interface off and back on from the stroke
// characterization page; the device and the annunciators follow.
TEST_F(LocalInterfaceSettingTest, TheStrokeCharacterizationSwitchDisablesAndEnablesTheDevicesLocalInterface)
{
    startOn(K90Path);
    ASSERT_TRUE(device().localInterfaceEnabled()) << "a device comes with its local interface enabled";
    struct Step {
        bool switchOn;
        uint8_t written; // byte 0 of the 247
        const char* text;
    };
    const Step steps[] = { { false, 0x01, "Local Disabled" }, { true, 0x00, "Local Enabled" } };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.switchOn);
        select(CharacterizationCode);
        selection().localInterfaceToggle()->setValue(s.switchOn);
        device().clearRequests();
        selection().controlAs<QAbstractButton>(Info::ApplyButton)->click();
        const auto written = device().requestsFor(247);
        ASSERT_EQ(written.size(), 1u);
        EXPECT_EQ(uint8_t(written.back().bytes.at(2)), s.written);
        EXPECT_EQ(device().localInterfaceEnabled(), s.switchOn);
        select(AnnunciatorCode);
        EXPECT_EQ(annunciatorBox(), QString::fromLatin1(s.text));
        EXPECT_EQ(pressTapset().refusalShown, !s.switchOn);
    }
}
