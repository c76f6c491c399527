#include "AlarmPageTest.h"

#include "MiscAccessors.h"
#include "PixelColours.h"

#include "SimTestHooks.h"
#include "health/AlarmAnnunciatorRules.h"

#include "alarms/AlarmAnnunciatorIndex.h"
#include "controls/WinColor.h"
#include "ui/ControlRegistry.h"
#include "ui/DialogUnits.h"

#include <QAbstractButton>
#include <QImage>

#include <cstring>
#include <map>

namespace
{
namespace Index = AlarmAnnunciatorIndex;
namespace Colour = AlarmAnnunciatorRules::Colour;
using P = CAlarmAnnunciator;

QByteArray maskWith(int status, bool enabled)
{
    QByteArray mask(10, char(0xFF));
    if (!enabled)
        mask[status / 8] = char(uint8_t(mask[status / 8]) & ~(1u << (status % 8)));
    return mask;
}
} // namespace

class AlarmAnnunciatorTest : public AlarmPageTest
{
protected:
    void show(const char* path = K90Path)
    {
        select(AnnunciatorCode);
        device(path).clearRequests();
    }
    NumEdit& box(int id) { return *annunciator().box(id); }
    uint8_t flag(int index) { return annunciatorRecord().m_bFlags[index]; }
    QString text(int index) { return annunciatorRecord().m_strTexts[index].toQString(); }
};

TEST_F(AlarmAnnunciatorTest, ActivationReadsConfigBoardsMaskAndEveryStatusByteThenRefreshesEveryTwentySeconds)
{
    startOn(K90Path);
    show();
    select(AnnunciatorCode);
    EXPECT_EQ(joined(sent()),
        "246, 200 byte 0x82, 166, 200 byte 0x79, 200 byte 0x7a, 200 byte 0x7b, 200 byte 0x7c, 200 byte 0x7d, "
        "200 byte 0x7e, 200 byte 0x7f, 200 byte 0x80, 200 byte 0x81, 202");
    device().clearRequests();
    clock().advance(19999);
    EXPECT_EQ(joined(sent()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sent()),
        "200 byte 0x79, 200 byte 0x7a, 200 byte 0x7b, 200 byte 0x7c, 200 byte 0x7d, 200 byte 0x7e, 200 byte 0x7f, "
        "200 byte 0x80, 200 byte 0x81, 202");
    EXPECT_FALSE(annunciator().timerArmed(StripPage::StripTimerId));

    select(HubCode);
    EXPECT_FALSE(annunciator().timerArmed(P::RefreshTimerId));
    device().clearRequests();
    clock().advance(60000);
    EXPECT_FALSE(sent().contains(QStringLiteral("200 byte 0x79"))) << joined(sent());
}

TEST_F(
    AlarmAnnunciatorTest, BoardTemperatureActiveAndDisabledThroughTheConfigurationPageShowsDarkYellowAndPrintsBothFlags)
{
    startOn(K90Path);
    device().setStatus(32, true); // board temperature high
    select(ConfigCode);
    GridControl& grid = *config().grid();
    int row = 0;
    for (int r = 1; r < grid.Rows(); ++r)
        if (grid.TextMatrix(r, 0) == QStringLiteral("32"))
            row = r;
    ASSERT_GT(row, 0);
    grid.clickCell(row, 1);
    config().controlAs<QAbstractButton>(CAlarmConfig::DisableButton)->click();
    config().controlAs<QAbstractButton>(CAlarmConfig::ApplyButton)->click();

    show();
    EXPECT_TRUE(box(P::BoardTempHighBox).errorActive());
    EXPECT_EQ(box(P::BoardTempHighBox).errorBackGroundColor(), Colour::DarkYellow);
    EXPECT_EQ(box(P::BoardTempHighBox).color(), Colour::DarkGreen);
    EXPECT_EQ(flag(Index::BoardTempHighAct), 1);
    EXPECT_EQ(flag(Index::BoardTempHighMsk), 1);
    EXPECT_EQ(flag(Index::BoardTempLowAct), 0);
    EXPECT_EQ(flag(Index::BoardTempLowMsk), 0);

    const QString pdf = tempPath(QStringLiteral("annunciator.pdf"));
    expectReport(pdf, QStringLiteral("Save Alarm Annunce Report As"));
    annunciator().controlAs<QAbstractButton>(P::PrintButton)->click();
    EXPECT_EQ(reportField(annunciator(), QStringLiteral("BoardTempHighAct")), QStringLiteral("X"));
    EXPECT_EQ(reportField(annunciator(), QStringLiteral("BoardTempHighMsk")), QStringLiteral("X"));
    EXPECT_EQ(reportField(annunciator(), QStringLiteral("BoardTempLowMsk")), QString());
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(AlarmAnnunciatorTest, BoxesWithoutTheirBoardOrFrictionModelShowTheGreyOfTheirMaskBit)
{
    struct Case {
        const char* path;
        uint8_t boards;
        uint8_t config28;
        int status; // the mask bit cleared, or -1
        int box;
        uint32_t colour;
    };
    const Case cases[] = {
        { K90Path, 0x00, 0x20, -1, P::Port1OutOfRangeBox, Colour::LightGrey },
        { K90Path, 0x00, 0x20, 43, P::Port1OutOfRangeBox, Colour::DarkGrey },
        { K90Path, 0x00, 0x20, 40, P::SupplyPressureLowBox, Colour::DarkGrey },
        { K90Path, 0x01, 0x20, 43, P::Port1OutOfRangeBox, Colour::DarkGreen },
        { K40Path, 0x01, 0x00, 20, P::FrictionHighBox, Colour::DimGrey },
        { K40Path, 0x01, 0x00, -1, P::FrictionHighBox, Colour::LightGrey },
        { K40Path, 0x01, 0x20, 20, P::FrictionHighBox, Colour::DarkGreen },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path << " box " << c.box << " status " << c.status);
        startOn(c.path);
        device(c.path).setMiscByte(0x82, c.boards);
        device(c.path).setMiscByte(0x28, c.config28);
        app().misc().ReadMiscByte28Bit5(); // as the tree reads it before the pages
        writeDeviceMask(maskWith(std::max(c.status, 0), c.status < 0), c.path);
        show(c.path);
        EXPECT_EQ(box(c.box).color(), c.colour);
        m_app.reset();
    }
}

TEST_F(AlarmAnnunciatorTest, SmallerModelClosesUpItsWarningsColumnAndLeavesItsMissingBoxesUnpainted)
{
    startOn(K40Path);
    show(K40Path);
    // Where the template places the boxes the K40 moves into.
    auto templatePlace = [this](int id) {
        for (const ControlSpec& spec : P::Template.controls)
            if (spec.id == id)
                return DialogUnits::toPx(spec.x, spec.y, spec.w, spec.h);
        return QRect();
    };
    EXPECT_EQ(box(P::ElectronicFailSafeBox).geometry(), templatePlace(P::PneumaticFailSafeBox));
    EXPECT_EQ(box(P::PilotRelayResponseWarningBox).geometry(), templatePlace(P::FrictionHighWarningBox));
    EXPECT_EQ(box(P::FrictionLowWarningBox).geometry(), templatePlace(P::ElectronicFailSafeBox));
    for (int id : { P::PneumaticLeakBox, P::ActuationRatioBox, P::PneumaticFailSafeBox }) {
        EXPECT_TRUE(box(id).isHidden()) << id;
        EXPECT_EQ(box(id).color(), WinColor::ActiveBorder) << id;
    }
    EXPECT_FALSE(box(P::Port2RangeSmallBox).isHidden());
    EXPECT_EQ(box(P::Port2RangeSmallBox).value(), QStringLiteral("Supply Range Small"));
    EXPECT_EQ(box(P::Port2OutOfRangeBox).value(), QStringLiteral("Supply OutOfRange"));
}

TEST_F(AlarmAnnunciatorTest, DeviceInformationTextsFollowTheBoardsByteAndTheLocalInterfaceSetting)
{
    startOn(K90Path);
    device().setMiscByte(0x82, 0x0A);
    QByteArray config = device().respond(246, {}).mid(4, 22);
    config[0] = 1;
    device().respond(247, config);
    show();
    const std::pair<int, const char*> shown[] = { { P::PressBoardBox, "Press Board Absent" },
        { P::AOBoardBox, "AO Board Present" }, { P::PressControlBox, "Press Control Inactive" },
        { P::PotRotationBox, "Pot Rotation Reversed" }, { P::LocalInterfaceBox, "Local Disabled" } };
    for (const auto& [id, expected] : shown)
        EXPECT_EQ(box(id).value(), QString::fromLatin1(expected)) << id;
    EXPECT_EQ(text(Index::PressBoardLbl), QStringLiteral("Press Board Absent"));
    EXPECT_EQ(text(Index::AOBoardLbl), QStringLiteral("AO Board Present"));
    EXPECT_EQ(text(Index::PressControlLbl), QStringLiteral("Press Control Inctive"));
    EXPECT_EQ(text(Index::PotRotationLbl), QStringLiteral("Pot Rotation Reversed"));
    EXPECT_EQ(text(Index::LocalInterfaceLbl), QStringLiteral("Local Disabled"));
    EXPECT_FALSE(annunciator().pressureBoardPresent());
    EXPECT_TRUE(annunciator().aoBoardPresent());
}

TEST_F(AlarmAnnunciatorTest, MiscReplyForAnotherAddressRepaintsNothingOfThatByte)
{
    startOn(K90Path);
    show();
    EXPECT_FALSE(box(P::NVRAMChecksumBox).errorActive());
    device().setStatus(37, true); // NV RAM checksum, byte 0x7D bit 0x20
    device().setStatus(32, true); // board temperature high, bit 0x01
    SimTestHooks::faults(device()).inject(SimFault::MiscOtherAddress, 1, 200);
    annunciator().PaintStateByte(0x7D);
    for (int id : { 726, 727, 728, 729, 730, 731, 733 })
        EXPECT_FALSE(box(id).errorActive()) << id;
    EXPECT_EQ(flag(Index::NVRAMChecksumAct), 0);
    EXPECT_EQ(flag(Index::BoardTempHighAct), 0);

    annunciator().PaintStateByte(0x7D);
    EXPECT_TRUE(box(P::NVRAMChecksumBox).errorActive());
    EXPECT_EQ(box(P::NVRAMChecksumBox).errorBackGroundColor(), Colour::Red);
    EXPECT_EQ(flag(Index::NVRAMChecksumAct), 1);
    EXPECT_EQ(flag(Index::BoardTempHighAct), 1);
}

TEST_F(AlarmAnnunciatorTest, PrintInKilopascalsFillsTheLeakInFlowUnitsAndTheDeviationBandOfTheFirstRead)
{
    startOn(K90Path);
    device().respond(221, QByteArray("\x39\x20\x0C", 3)); // kPa
    show();
    const QString pdf = tempPath(QStringLiteral("k90.pdf"));
    expectReport(pdf, QStringLiteral("Save Alarm Annunce Report As"));
    annunciator().controlAs<QAbstractButton>(P::PrintButton)->click();
    EXPECT_EQ(text(Index::PneumaticLeakValue), QStringLiteral("0.3396"));
    EXPECT_EQ(text(Index::PneumaticLeakSet), QStringLiteral("28.3"));
    EXPECT_EQ(text(Index::PneumaticLeakUnit), QStringLiteral("slm"));
    EXPECT_EQ(text(Index::SupplyPressureLowUnit), QStringLiteral("kPa"));
    EXPECT_EQ(text(Index::PositionDeviationSet), QStringLiteral("5"));
    EXPECT_EQ(text(Index::BoardTempHighSet), QStringLiteral("85"));
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("Pneumatic Leak"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("0.3396")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Press Board Present")));
}

TEST_F(AlarmAnnunciatorTest, PrintOnTheSmallerModelUsesItsDefinitionWithoutThePneumaticLeakRow)
{
    startOn(K40Path);
    show(K40Path);
    const QString pdf = tempPath(QStringLiteral("k40.pdf"));
    expectReport(pdf, QStringLiteral("Save Alarm Annunce Report As"));
    annunciator().controlAs<QAbstractButton>(P::PrintButton)->click();
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("Alarm / Alerts Report"))) << printed.toStdString();
    EXPECT_FALSE(printed.contains(QStringLiteral("Pneumatic Leak")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Supply Range Small")));
}

TEST_F(AlarmAnnunciatorTest, GrabbedPageShowsEachBoxInItsColour)
{
    startOn(K90Path);
    device().setStatus(32, true); // board temperature high: active, masked below
    device().setStatus(35, true); // piezo voltage alarm: active, enabled
    QByteArray mask(10, char(0xFF));
    mask[4] = char(0xFE);
    mask[7] = char(0xF7); // no motion time out disabled
    writeDeviceMask(mask);
    show();
    annunciator().resize(annunciator().sizeHint().expandedTo(QSize(1200, 600)));
    const QImage image = annunciator().grab().toImage();
    image.save(artifactPath(QStringLiteral("alarm_annunciator_k90.png")));
    auto colourOf = [&](int id) {
        const QRect r = box(id).geometry();
        return image.pixelColor(r.left() + 3, r.top() + 2);
    };
    auto rgb = [](uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); };
    EXPECT_EQ(colourOf(P::BoardTempHighBox), rgb(Colour::DarkYellow));
    EXPECT_EQ(colourOf(P::PiezoVoltageBox), rgb(Colour::Red));
    EXPECT_EQ(colourOf(P::NoMotionTimeOutBox), rgb(Colour::DarkGreen));
    EXPECT_EQ(colourOf(P::ILOTimeOutBox), rgb(Colour::Green));
    EXPECT_EQ(colourOf(P::PressBoardBox), rgb(Colour::White));
    EXPECT_EQ(colourOf(P::LegendDarkYellow), QColor(255, 215, 0));
}

TEST_F(AlarmAnnunciatorTest, DeviceStateByteSwitchesItsFiveBoxesTheirFlagsAndTheSquawkText)
{
    // Statuses 0..5 are bits 0x01..0x20 of byte 0x79. Three refreshes, the
    // k-th with the statuses active whose number + 1 has bit k: every bit
    // spells its own number in the boxes and flags it drives, so a bit read
    // onto another box or flag shows.
    struct Bit {
        int status;
        int box;
        int flag;
    };
    const Bit bits[] = { { 0, P::InitializingBox, Index::InitializingAct },
        { 1, P::FactoryResetStateBox, Index::FactoryResetStateAct },
        { 2, P::DigitalCommSourceBox, Index::DigitalCommSourceAct },
        { 4, P::JogCommandStateBox, Index::JogCommandStateAct },
        { 5, P::SignatureInProgressBox, Index::SignatureinProgressAct } };
    constexpr int SquawkStatus = 3;
    startOn(K90Path);
    std::map<int, int> boxSpelled;
    std::map<int, int> flagSpelled;
    int squawkSpelled = 0;
    for (int k = 0; k < 3; ++k) {
        for (int status = 0; status <= 5; ++status)
            device().setStatus(status, ((status + 1) >> k) & 1);
        show();
        for (const Bit& bit : bits) {
            boxSpelled[bit.status] |= box(bit.box).errorActive() << k;
            flagSpelled[bit.status] |= (flag(bit.flag) == 1) << k;
        }
        const bool squawkOn = box(P::SquawkModeBox).value() == QStringLiteral("Squawk Mode On");
        squawkSpelled |= squawkOn << k;
        EXPECT_FALSE(box(P::SquawkModeBox).errorActive());
        EXPECT_EQ(box(P::SquawkModeBox).value(),
            squawkOn ? QStringLiteral("Squawk Mode On") : QStringLiteral("Squawk Mode Off"));
        EXPECT_EQ(text(Index::SquawkModeLbl), box(P::SquawkModeBox).value());
        select(HubCode);
    }
    for (const Bit& bit : bits) {
        EXPECT_EQ(boxSpelled[bit.status], bit.status + 1) << "box " << bit.box;
        EXPECT_EQ(flagSpelled[bit.status], bit.status + 1) << "flag " << bit.flag;
    }
    EXPECT_EQ(squawkSpelled, SquawkStatus + 1);
}

TEST_F(AlarmAnnunciatorTest, PrintFillsEveryValueThresholdAndUnitFromItsOwnWordOfTheReply)
{
    startOn(K90Path);
    // Counts that differ word by word: travel 123.45 %, cycles 678, with
    // their limits and warnings 2, 3, 5 and 6.
    QByteArray counts;
    for (uint32_t value : { 12345u, 2u, 3u })
        counts += QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
    counts += QByteArray(4, '\0');
    for (uint32_t value : { 678u, 5u, 6u })
        counts += QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
    counts += QByteArray(2, '\0');
    device().respond(174, counts);
    // The soft stops and the tight shutoff points, all four apart.
    QByteArray limits = QByteArray::fromHex("f0000000");
    for (float value : { 98.5f, 1.5f, 97.25f, 2.75f }) {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        limits += QByteArray::fromHex(QByteArray::number(bits, 16).rightJustified(8, '0'));
    }
    limits[1] = char(limits.size() - 2);
    SimTestHooks::scriptReply(device(), 240, limits);
    show();
    const QString pdf = tempPath(QStringLiteral("texts.pdf"));
    expectReport(pdf, QStringLiteral("Save Alarm Annunce Report As"));
    annunciator().controlAs<QAbstractButton>(P::PrintButton)->click();

    // The simulated K90 in psi: supply 60 psi with limits 66 / 50 / 40, the
    // relay at 350 ms against 600 / 1000, friction 200 against 400 / 500 and
    // 100 / 50, position 50 % with alerts at 101 % and 0 % and a band of 5 %,
    // leak 12 against 1000, actuation ratio 55 % against 90 %.
    const std::pair<int, const char*> expected[] = {
        { Index::SupplyPressureLowUnit, "psi" },
        { Index::BoardTempLowUnit, "degC" },
        { Index::PneumaticLeakUnit, "scfm" },
        { Index::SupplyPressureLowSet, " 40.0" },
        { Index::SupplyPressureLowSetW, " 50.0" },
        { Index::SupplyPressureHighSet, " 66.0" },
        { Index::SupplyPressureLowValue, "60.00" },
        { Index::PilotRelayResponseSet, "1000" },
        { Index::PilotRelayResponseSetW, "600" },
        { Index::PilotRelayResponseValue, "350" },
        { Index::FrictionLowSet, "50" },
        { Index::FrictionHighSet, "500" },
        { Index::FrictionLowSetW, "100" },
        { Index::FrictionHighSetW, "400" },
        { Index::FrictionLowValue, "200" },
        { Index::PositionDeviationSet, "5" },
        { Index::PositionDeviationValue, "0" },
        { Index::ValveCyclesSet, "6" },
        { Index::ValveTravelSet, "3" },
        { Index::ValveCyclesValue, "678" },
        { Index::ValveTravelValue, "123.45" },
        { Index::PilotCyclesLimitSet, "2000000" },
        { Index::PilotTravelLimitSet, "100000000" },
        { Index::SoftStopUpperLimitSet, "98.5" },
        { Index::SoftStopLowerLimitSet, "1.5" },
        { Index::PositionUpperLimitSet, "101.00" },
        { Index::PositionLowerLimitSet, " 0.00" },
        { Index::PositionValue, "50" },
        { Index::BoardTempHighSet, "85" },
        { Index::BoardTempLowSet, "-40" },
        { Index::PneumaticLeakSet, "1" },
        { Index::PneumaticLeakValue, "0.012" },
        { Index::ActuationRatioSet, "90" },
        { Index::ActuationRatioValue, "55" },
        { Index::MPCLowSetPointSet, "2.75" },
        { Index::MPCHighSetpointSet, "97.25" },
    };
    for (const auto& [index, value] : expected)
        EXPECT_EQ(text(index), QString::fromLatin1(value)) << "text " << index;
    EXPECT_TRUE(text(Index::BoardTempLowValue).startsWith(QStringLiteral("24.0")))
        << text(Index::BoardTempLowValue).toStdString();
}

TEST_F(AlarmAnnunciatorTest, WithoutItsBoxesThePageGoesOnFillingAndPrintingTheRecord)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        device(path).setStatus(37, true); // NV RAM checksum
        ControlRegistry::instance().remove(QStringLiteral("TiEdit"));
        CAlarmAnnunciator built(app());
        ControlRegistry::instance().restore(QStringLiteral("TiEdit"));
        built.OnInitialUpdate();
        built.ActivatePage();
        EXPECT_EQ(built.box(P::NVRAMChecksumBox), nullptr);
        EXPECT_EQ(flag(Index::NVRAMChecksumAct), 1);
        EXPECT_EQ(flag(Index::NVRAMChecksumMsk), 0);
        EXPECT_EQ(text(Index::PressBoardLbl), QStringLiteral("Press Board Present"));
        EXPECT_EQ(text(Index::SquawkModeLbl), QStringLiteral("Squawk Mode Off"));

        const QString pdf = tempPath(QStringLiteral("without_boxes.pdf"));
        expectReport(pdf, QStringLiteral("Save Alarm Annunce Report As"));
        built.OnPrintReport();
        EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Alarm / Alerts Report")));
        EXPECT_EQ(reportField(built, QStringLiteral("NVRAMChecksumAct")), QStringLiteral("X"));
        built.StopTimers();
        m_app.reset();
    }
}
