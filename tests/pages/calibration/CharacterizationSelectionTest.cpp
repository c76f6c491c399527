#include "CharacterizationPageTest.h"

#include "SimFaults.h"

#include <QImage>

namespace
{
class CharacterizationSelectionTest : public CharacterizationPageTest
{
protected:
    void pick(int index)
    {
        info().combo()->setCurrentIndex(index);
        emit info().combo()->activated(index);
    }
    // The 247 the device received, as [count][command][byte count][data...].
    std::string expectedConfig(uint8_t localInterface, uint8_t curveType, uint8_t byte15)
    {
        QByteArray whole("\x18\xF7\x16", 3);
        for (int k = 0; k < 22; ++k)
            whole.append(char(0x40 + k));
        whole[3 + 0] = char(localInterface);
        whole[3 + 10] = char(curveType);
        whole[3 + 15] = char(byte15);
        return whole.toHex(' ').toUpper().toStdString();
    }
};
} // namespace

TEST_F(CharacterizationSelectionTest, ActivationReadsTheConfigurationAndShowsTheCurveOfItsCode)
{
    startK90();
    clock().advance(2000);
    std::array<uint16_t, 21> custom {};
    for (int k = 0; k < 21; ++k)
        custom[size_t(k)] = uint16_t(k * 400);
    custom[10] = 7000;
    deviceCurve(custom);
    struct Case {
        uint8_t code;
        int item;
        bool comboEnabled;
        bool override;
        const char* sent;
        double y50; // the plotted output at 50 %
        int progressMax;
    };
    const Case cases[] = {
        { 4, 0, false, false, "246", 50, 100 },
        { 8, 1, true, true, "246", 14.9241, 100 },
        { 0, 2, true, true, "246, 212, 244", 70, 19 },
        { 12, 0, false, false, "246", 50, 100 },
    };
    for (const Case& c : cases) {
        deviceConfig(0, c.code);
        select(ConfigurationCode);
        device().clearRequests();
        select(CharacterizationCode);
        EXPECT_EQ(joined(sent()), c.sent) << int(c.code);
        EXPECT_EQ(info().combo()->currentIndex(), c.item) << int(c.code);
        EXPECT_EQ(info().combo()->isEnabled(), c.comboEnabled) << int(c.code);
        EXPECT_EQ(info().overrideToggle()->value(), c.override) << int(c.code);
        EXPECT_NEAR(curveY(info().plot(), 10), c.y50, 0.0005) << int(c.code);
        EXPECT_EQ(curvePoints(info().plot()), 21);
        EXPECT_EQ(info().progress()->maximum(), c.progressMax) << int(c.code);
    }
    EXPECT_EQ(info().curvePoints()[10], 70.0);

    // A code the page does not know leaves combo, override and plot as they were;
    // the local interface switch still follows the device: a nonzero byte is "Off".
    deviceConfig(3, 9);
    click(info(), Info::RetrieveButton);
    EXPECT_EQ(info().combo()->currentIndex(), 0);
    EXPECT_FALSE(info().overrideToggle()->value());
    EXPECT_EQ(curveY(info().plot(), 10), 50.0);
    EXPECT_FALSE(info().localInterfaceToggle()->value());
    deviceConfig(0, 9);
    click(info(), Info::RetrieveButton);
    EXPECT_TRUE(info().localInterfaceToggle()->value());
    EXPECT_EQ(info().combo()->count(), 3);
    EXPECT_EQ(info().combo()->itemText(1), QStringLiteral("Equal %"));
}

TEST_F(CharacterizationSelectionTest, ApplyWritesTheBlockAsReadWithTheFlagAndTheCurveTypeReplaced)
{
    startK90();
    clock().advance(2000);
    struct Case {
        uint8_t deviceCode;
        int pick; // -1: the combo as the page set it
        uint8_t heldLocal; // the device's byte 0
        bool enabled; // the local interface switch as the user leaves it
        uint8_t writtenLocal;
        uint8_t written;
    };
    const Case cases[] = {
        { 4, -1, 0, true, 0, 12 }, // a device's 4 goes back as 12
        { 8, 2, 5, false, 5, 0 }, // disabled as the device holds it: its own byte goes back
        { 0, 1, 0, false, 1, 8 }, // turned off: disabled
        { 8, 0, 5, true, 0, 12 }, // turned on: enabled
    };
    for (const Case& c : cases) {
        deviceConfig(c.heldLocal, c.deviceCode, 2);
        device().clearRequests();
        select(ConfigurationCode);
        select(CharacterizationCode);
        if (c.pick >= 0)
            pick(c.pick);
        // The user's switch: it writes nothing by itself.
        info().localInterfaceToggle()->setValue(c.enabled);
        EXPECT_TRUE(device().requestsFor(247).empty());
        device().clearRequests();
        click(info(), Info::ApplyButton);
        EXPECT_EQ(hexOf(247), std::vector<std::string>({ expectedConfig(c.writtenLocal, c.written, 2) }))
            << int(c.deviceCode);
        EXPECT_EQ(joined(sent()), "247");
    }
}

TEST_F(CharacterizationSelectionTest, ApplyWithoutAConfigurationReplySinceActivationSendsNothing)
{
    startK90();
    clock().advance(2000);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 246);
    select(CharacterizationCode);
    device().clearRequests();
    click(info(), Info::ApplyButton);
    EXPECT_TRUE(device().requestsFor(247).empty());
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Config_cmd not sent: no Read_Config_cmd reply")));
    // Retrieve brings the reply, and Apply works again.
    click(info(), Info::RetrieveButton);
    click(info(), Info::ApplyButton);
    EXPECT_EQ(device().requestsFor(247).size(), 1u);
}

TEST_F(CharacterizationSelectionTest, ChoosingACurveOnlyDrawsItAndTheOverrideSwitchLocksTheCombo)
{
    showSelection();
    pick(2);
    EXPECT_EQ(joined(sent()), "212, 244") << "the custom curve is read, nothing written";
    EXPECT_EQ(curveY(info().plot(), 3), 15.0);
    EXPECT_EQ(info().progress()->maximum(), 19);
    pick(1);
    EXPECT_NEAR(curveY(info().plot(), 10), 14.9241, 0.0005) << "always rangeability 30";
    EXPECT_EQ(joined(sent()), "212, 244");

    // "Other" unlocks the combo and leaves its curve; "Linear" forces the linear curve.
    info().overrideToggle()->setValue(true);
    emit info().overrideToggle()->changed();
    EXPECT_TRUE(info().combo()->isEnabled());
    EXPECT_EQ(info().combo()->currentIndex(), 1);
    EXPECT_NEAR(curveY(info().plot(), 10), 14.9241, 0.0005);
    pick(2);
    info().overrideToggle()->setValue(false);
    emit info().overrideToggle()->changed();
    EXPECT_FALSE(info().combo()->isEnabled());
    EXPECT_EQ(info().combo()->currentIndex(), 0);
    EXPECT_EQ(curveY(info().plot(), 3), 15.0);
    EXPECT_EQ(info().progress()->value(), 100);
    EXPECT_TRUE(device().requestsFor(247).empty());
}

TEST_F(CharacterizationSelectionTest, CustomizeOpensTheEditorAndBackReturnsToTheSelection)
{
    showSelection();
    click(info(), Info::CustomizeButton);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_FALSE(info().isVisible());
    EXPECT_FALSE(info().timerArmed(Info::StripTimerId));
    EXPECT_TRUE(editor().timerArmed(Editor::StripTimerId));
    device().clearRequests();
    click(editor(), Editor::BackButton);
    EXPECT_TRUE(info().isVisible());
    EXPECT_FALSE(editor().timerArmed(Editor::StripTimerId));
    EXPECT_EQ(joined(sent()), "246") << "the selection page is activated again";
    EXPECT_TRUE(info().timerArmed(Info::StripTimerId));
}

namespace
{
// Which half of a switch holds its lever: counts the lever's pixels on each side.
bool leverOnLeft(SwitchToggle& toggle)
{
    const QImage image = toggle.grab().toImage();
    int left = 0;
    int right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(0xFA, 0xFA, 0xFA))
                ++(x < image.width() / 2 ? left : right);
        }
    }
    EXPECT_NE(left, right) << "no lever drawn";
    return left > right;
}
} // namespace

TEST_F(CharacterizationSelectionTest, EachSwitchPointsAtTheLabelOfItsState)
{
    showSelection();
    // Local interface: "On" left, "Off" right. Override: "Linear" left, "Other" right.
    SwitchToggle& local = *info().localInterfaceToggle();
    SwitchToggle& override = *info().overrideToggle();
    local.setValue(true);
    override.setValue(true);
    EXPECT_TRUE(leverOnLeft(local)) << "on: at \"On\"";
    EXPECT_FALSE(leverOnLeft(override)) << "other: at \"Other\"";
    local.setValue(false);
    override.setValue(false);
    EXPECT_FALSE(leverOnLeft(local)) << "off: at \"Off\"";
    EXPECT_TRUE(leverOnLeft(override)) << "linear: at \"Linear\"";
}
