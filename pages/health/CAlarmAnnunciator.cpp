#include "CAlarmAnnunciator.h"

#include "AlarmAnnunciatorRules.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "LocalInterface.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"

#include "alarms/AlarmAnnunciatorIndex.h"
#include "alarms/AlarmReports.h"
#include "automation/NumberText.h"

namespace
{
using namespace AlarmAnnunciatorRules;
namespace Index = AlarmAnnunciatorIndex;

// The bits of byte variable 0x79 that switch a box's error display, with
// the record flag each one writes.
struct StateBit {
    uint8_t bit;
    int box;
    int flag;
};
constexpr StateBit DeviceStateBits[] = {
    { 0x01, CAlarmAnnunciator::InitializingBox, Index::InitializingAct },
    { 0x02, CAlarmAnnunciator::FactoryResetStateBox, Index::FactoryResetStateAct },
    { 0x04, CAlarmAnnunciator::DigitalCommSourceBox, Index::DigitalCommSourceAct },
    { 0x10, CAlarmAnnunciator::JogCommandStateBox, Index::JogCommandStateAct },
    { 0x20, CAlarmAnnunciator::SignatureInProgressBox, Index::SignatureinProgressAct },
};
constexpr uint8_t SquawkBit = 0x08;

// The order the mask bytes are painted in.
constexpr int MaskPaintOrder[] = { 0, 1, 2, 3, 5, 4, 6, 7, 8, 9 };

QString u16Text(uint32_t value)
{
    return QString::number(uint16_t(value));
}
QString u32Text(uint32_t value)
{
    return QString::number(value);
}
} // namespace

CAlarmAnnunciator::CAlarmAnnunciator(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CAlarmAnnunciator"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
}

void CAlarmAnnunciator::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    if (imports.CreateReportControl)
        m_pReport = imports.CreateReportControl(this, m_reportHostWindow, controlScreenRect(ReportHost), ReportId);
    if (imports.CreatePrintControl)
        m_pPrinter = imports.CreatePrintControl(this, m_printerHostWindow, controlScreenRect(PrinterHost), PrinterId);
    if (data().DeviceType == 6)
        closeUpWarningsOnK40();
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

// The smaller model has no pneumatic fail safe, leak or actuation ratio
// warning: the boxes below them move up, and its second port is the supply.
void CAlarmAnnunciator::closeUpWarningsOnK40()
{
    auto place = [this](int id) {
        const QWidget* widget = control(id);
        return widget ? widget->geometry() : QRect();
    };
    auto moveTo = [this](int id, const QRect& place) {
        if (QWidget* widget = control(id); widget && place.isValid())
            widget->setGeometry(place);
    };
    auto hide = [this](int id) {
        if (QWidget* widget = control(id))
            widget->hide();
    };
    const QRect of720 = place(PneumaticFailSafeBox);
    const QRect of733 = place(ElectronicFailSafeBox);
    const QRect of722 = place(FrictionLowWarningBox);
    const QRect of721 = place(FrictionHighWarningBox);
    const QRect of694 = place(PilotRelayResponseWarningBox);
    const QRect of718 = place(PneumaticLeakBox);
    hide(PneumaticFailSafeBox);
    moveTo(ElectronicFailSafeBox, of720);
    moveTo(FrictionLowWarningBox, of733);
    moveTo(FrictionHighWarningBox, of722);
    moveTo(PilotRelayResponseWarningBox, of721);
    hide(PneumaticLeakBox);
    moveTo(PneumaticLeakBox, of694);
    moveTo(ActuationRatioBox, of718);
    hide(ActuationRatioBox);
    if (NumEdit* edit = box(Port2RangeSmallBox))
        edit->setValue(QStringLiteral("Supply Range Small"));
    if (NumEdit* edit = box(Port2OutOfRangeBox))
        edit->setValue(QStringLiteral("Supply OutOfRange"));
}

uint8_t& CAlarmAnnunciator::flag(int index)
{
    return context().records().m_AlarmAnnunciatorReport.m_bFlags[index];
}

void CAlarmAnnunciator::setText(int index, const QString& text)
{
    context().records().m_AlarmAnnunciatorReport.m_strTexts[index] = AutoString(text);
}

void CAlarmAnnunciator::ActivatePage()
{
    StripPage::ActivatePage();
    read(HartCommand::ReadConfig);
    const uint8_t boards = context().misc().ReadMiscByte82();
    m_PressureBoardPresent = (boards & 0x01) ? 1 : 0;
    m_AoBoardPresent = (boards & 0x02) ? 1 : 0;
    m_K90FrictionModel = (data().DeviceType == 5 && data().Config28Bit5 == 0) ? 1 : 0;
    m_K40FrictionModel = (data().DeviceType == 6 && data().Config28Bit5 == 1) ? 1 : 0;
    showDeviceInformation(boards);
    read(HartCommand::ReadStatusMask);
    RefreshAnnunciator();
    RefreshStrip();
    every(RefreshTimerId, RefreshMs, "OnTimer", [this] {
        RefreshAnnunciator();
        RefreshStrip();
    });
}

void CAlarmAnnunciator::showDeviceInformation(uint8_t boards)
{
    using namespace AlarmAnnunciatorIndex;
    auto show = [this](int id, int text, const QString& shown, const QString& recorded) {
        if (NumEdit* edit = box(id))
            edit->setValue(shown);
        setText(text, recorded);
    };
    auto either = [&](int id, int text, bool on, const char* whenSet, const char* whenClear) {
        const QString shown = QString::fromLatin1(on ? whenSet : whenClear);
        show(id, text, shown, shown);
    };
    either(PressBoardBox, PressBoardLbl, boards & 0x01, "Press Board Present", "Press Board Absent");
    either(AOBoardBox, AOBoardLbl, boards & 0x02, "AO Board Present", "AO Board Absent");
    if (boards & 0x04)
        show(PressControlBox, PressControlLbl, QStringLiteral("Press Control Active"),
            QStringLiteral("Press Control Active"));
    else // the record keeps its own spelling
        show(PressControlBox, PressControlLbl, QStringLiteral("Press Control Inactive"),
            QStringLiteral("Press Control Inctive"));
    either(PotRotationBox, PotRotationLbl, boards & 0x08, "Pot Rotation Reversed", "Pot Rotation Normal");
    either(LocalInterfaceBox, LocalInterfaceLbl, !LocalInterface::enabled(data()), "Local Disabled", "Local Enabled");
}

void CAlarmAnnunciator::RefreshAnnunciator()
{
    for (int maskByte : MaskPaintOrder)
        PaintMaskByte(maskByte);
    context().misc().PresetMiscSelector();
    RefreshDeviceStates();
    for (uint8_t variable = 0x7A; variable <= 0x81; ++variable)
        PaintStateByte(variable);
}

void CAlarmAnnunciator::PaintMaskByte(int maskByte)
{
    const Conditions conditions { data().DeviceType, m_PressureBoardPresent != 0, m_AoBoardPresent != 0,
        m_K90FrictionModel != 0, m_K40FrictionModel != 0, data().Config28Bit5 != 0 };
    const uint8_t mask = data().StatusMask[size_t(maskByte)];
    for (int bit = 0; bit < 8; ++bit) {
        for (const Indicator& indicator : indicators()) {
            if (indicator.maskByte != maskByte || indicator.maskBit != bit)
                continue;
            const MaskPaint paint = maskPaint(indicator, (mask >> bit) & 1u, conditions);
            if (paint.skip)
                continue;
            if (NumEdit* edit = box(indicator.id)) {
                if (paint.color)
                    edit->setColor(*paint.color);
                if (paint.errorColor)
                    edit->setErrorBackGroundColor(*paint.errorColor);
            }
            if (paint.maskedFlag && indicator.maskedFlag != NoFlag)
                flag(indicator.maskedFlag) = *paint.maskedFlag;
        }
    }
}

void CAlarmAnnunciator::RefreshDeviceStates()
{
    bool ok = false;
    const uint8_t states = context().misc().ReadMiscByte(0x79, &ok);
    if (!ok)
        return;
    for (const StateBit& state : DeviceStateBits) {
        const bool on = states & state.bit;
        if (NumEdit* edit = box(state.box))
            edit->setErrorActive(on);
        flag(state.flag) = on ? 1 : 0;
    }
    const QString squawk = (states & SquawkBit) ? QStringLiteral("Squawk Mode On") : QStringLiteral("Squawk Mode Off");
    if (NumEdit* edit = box(SquawkModeBox))
        edit->setValue(squawk);
    setText(AlarmAnnunciatorIndex::SquawkModeLbl, squawk);
}

void CAlarmAnnunciator::PaintStateByte(uint8_t variable)
{
    bool ok = false;
    const uint8_t active = context().misc().ReadMiscByte(variable, &ok);
    // A byte read for another address, or not at all, would paint another
    // variable's bits onto these boxes.
    if (!ok)
        return;
    for (int bit = 0; bit < 8; ++bit) {
        for (const Indicator& indicator : indicators()) {
            if (indicator.activeVariable != variable || indicator.activeBit != bit)
                continue;
            if (data().DeviceType == 6 && indicator.id == PneumaticFailSafeBox)
                continue;
            const bool on = (active >> bit) & 1u;
            if (indicator.activeFlag != NoFlag)
                flag(indicator.activeFlag) = on ? 1 : 0;
            NumEdit* edit = box(indicator.id);
            if (!edit)
                continue;
            edit->setErrorActive(on);
            if (on && activeTurnsGreen(indicator.id))
                edit->setColor(Colour::Green);
        }
    }
}

void CAlarmAnnunciator::FillAnnunciatorReport()
{
    using namespace AlarmAnnunciatorIndex;
    using NumberText::format;
    using NumberText::fromDouble;
    using NumberText::fromFloat;
    DeviceData& d = data();

    read(HartCommand::ReadFrictionSettings);
    setText(FrictionLowSet, u16Text(d.FrictionSettings[5]));
    setText(FrictionHighSet, u16Text(d.FrictionSettings[3]));
    setText(FrictionHighSetW, u16Text(d.FrictionSettings[2]));
    setText(FrictionLowSetW, u16Text(d.FrictionSettings[4]));
    setText(FrictionLowValue, u16Text(d.FrictionSettings[0]));

    read(HartCommand::ReadUnits);
    setText(SupplyPressureLowUnit, d.PressureUnitText);
    setText(BoardTempLowUnit, d.TemperatureUnitLabel);
    setText(PneumaticLeakUnit, d.FlowUnitLabel);
    setText(BoardTempLowSet, QStringLiteral("-40"));
    setText(BoardTempHighSet, d.TemperatureUnit == 32 ? QStringLiteral("85") : QStringLiteral("185"));
    setText(BoardTempLowValue, fromFloat(d.Temperature));

    read(HartCommand::ReadLeakValues);
    const bool metric = d.PressureUnit == 7 || d.PressureUnit == 10 || d.PressureUnit == 12;
    const double leakFactor = metric ? 28.3 : 1.0;
    setText(PneumaticLeakValue, fromDouble(d.LeakValues[0] * 0.001 * leakFactor));
    setText(PneumaticLeakSet, fromDouble(d.LeakValues[2] * 0.001 * leakFactor));

    read(HartCommand::ReadStickValues);
    setText(PilotRelayResponseValue, u16Text(d.StickValues[0]));
    setText(PilotRelayResponseSet, u16Text(d.StickValues[2]));
    setText(PilotRelayResponseSetW, u16Text(d.StickValues[1]));

    read(HartCommand::ReadSpoolInfo);
    setText(PilotCyclesLimitValue, u32Text(d.SpoolInfo[0]));
    setText(PilotCyclesLimitSet, u32Text(d.SpoolInfo[2]));
    setText(PilotTravelLimitValue, u32Text(d.SpoolInfo[4]));
    setText(PilotTravelLimitSet, u32Text(d.SpoolInfo[6]));

    const double supplyScale = context().misc().ReadMiscLong69();
    read(HartCommand::ReadSupplyPressure);
    auto supply = [&](uint32_t raw) { return raw * 0.01 * supplyScale * 0.01; };
    setText(SupplyPressureLowValue, format("%5.2f", supply(d.SupplySettings[0])));
    setText(SupplyPressureLowSet, format("%5.1f", supply(d.SupplySettings[4])));
    setText(SupplyPressureLowSetW, format("%5.1f", supply(d.SupplySettings[3])));
    setText(SupplyPressureHighSet, format("%5.1f", supply(d.SupplySettings[2])));

    read(HartCommand::ReadActRatioInfo);
    setText(ActuationRatioValue, fromDouble(d.ActRatio[0] * 0.01));
    setText(ActuationRatioSet, fromDouble(d.ActRatio[2] * 0.01));

    read(HartCommand::ReadValveTravelCycleCount);
    setText(ValveCyclesValue, u32Text(d.TravelCycle[6]));
    setText(ValveCyclesSet, u32Text(d.TravelCycle[8]));
    setText(ValveTravelValue, fromDouble(d.TravelCycle[0] * 0.01));
    setText(ValveTravelSet, u32Text(d.TravelCycle[2]));

    read(HartCommand::ReadStatus);
    setText(PositionDeviationValue, fromDouble(int16_t(d.Deviation) * 0.01));

    read(HartCommand::ReadPositionAlert);
    // The band is taken from the read just made, so the first print of a run
    // shows the device's band too.
    setText(PositionDeviationSet, fromDouble(int16_t(d.PositionAlerts[2]) * 0.01));
    setText(PositionLowerLimitSet, format("%5.2f", int16_t(d.PositionAlerts[1]) * 0.01));
    setText(PositionUpperLimitSet, format("%5.2f", int16_t(d.PositionAlerts[0]) * 0.01));
    setText(PositionValue, fromDouble(int16_t(d.Position) * 0.01));

    read(HartCommand::ReadLimitsChar);
    setText(SoftStopLowerLimitSet, fromFloat(d.Limits[1]));
    setText(SoftStopUpperLimitSet, fromFloat(d.Limits[0]));
    setText(MPCLowSetPointSet, fromFloat(d.Limits[3]));
    setText(MPCHighSetpointSet, fromFloat(d.Limits[2]));
}

void CAlarmAnnunciator::OnPrintReport()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    FillAnnunciatorReport();
    const QString folder = context().helpers().GetAppFolder();
    const bool k90 = data().DeviceType == 5;
    const QString path = folder
        + (k90 ? QStringLiteral("Dependencies/AlarmReport-K90.xml")
               : QStringLiteral("Dependencies/AlarmReport_K40.xml"));
    const QString model = k90 ? QStringLiteral("SerratK90") : QStringLiteral("SerratK40");
    GenerateAlarmAnnuncReport(CReportHeader(records.m_ReportHeader),
        CAlarmAnnunciatorReport(records.m_AlarmAnnunciatorReport), m_pReport, m_pPrinter, AutoString(path),
        AutoString(model), this);
}
