#include "CAlarmAnnunciator.h"

#include "controls/WinColor.h"

#include <initializer_list>
#include <utility>

namespace
{
using C = ControlSpec;

constexpr uint32_t ActiveBorder = WinColor::ActiveBorder;
constexpr uint32_t InfoGrey = 0xD3D3D3;
constexpr uint32_t RedActive = 0x0000FF;
constexpr uint32_t YellowActive = 0x00FFFF;

constexpr int BoxWidth = 104;
constexpr int BoxHeight = 12;
constexpr int Step = 14;
constexpr int Top = 38;

// One indicator box as the dialog places it: its name, its error text when
// that differs, its colours.
ControlSpec box(int id, const char* text, int x, int y, uint32_t color, uint32_t errorColor,
    const char* errorText = nullptr, unsigned style = 0)
{
    const QString value = QString::fromUtf8(text);
    const QVariantMap properties { { QStringLiteral("Value"), value },
        { QStringLiteral("ErrorText"), errorText ? QString::fromUtf8(errorText) : value },
        { QStringLiteral("Color"), uint(color) }, { QStringLiteral("ErrorBackGroundColor"), uint(errorColor) } };
    return C::vendor(id, QStringLiteral("TiEdit"), x, y, BoxWidth, BoxHeight, properties, style);
}

struct Item {
    int id;
    const char* text;
    const char* errorText = nullptr;
    unsigned style = 0;
};

// A column of boxes in a group box, top to bottom.
void column(std::vector<ControlSpec>& out, int groupId, const char* caption, int x, int y,
    std::initializer_list<Item> items, uint32_t color, uint32_t errorColor)
{
    out.push_back(C::group(groupId, QString::fromUtf8(caption), x, y, BoxWidth + 12, 16 + Step * int(items.size())));
    int row = 0;
    for (const Item& item : items)
        out.push_back(
            box(item.id, item.text, x + 6, y + 12 + Step * row++, color, errorColor, item.errorText, item.style));
}

std::vector<ControlSpec> controls()
{
    using P = CAlarmAnnunciator;
    std::vector<ControlSpec> out;
    column(out, P::AlarmsGroup, "Alarms", 3, 26,
        { { P::NoMotionTimeOutBox, "No Motion Time Out" }, { P::NonSettleTimeOutBox, "Non-SettleTime Out" },
            { P::ILOTimeOutBox, "ILO Time Out" }, { P::FdbkRangeSmallBox, "Fdbk Range Small" },
            { P::ZeroPosOutOfRangeBox, "0% Pos Out Of Range" }, { P::HundredPosOORangeBox, "100% Pos O O Range" },
            { P::SupplyPressureLowBox, "Supply Pressure Low" }, { P::NVRAMChecksumBox, "NV RAM Checksum" },
            { P::WatchDogTimeOutBox, "Watch Dog TimeOut" }, { P::ShuntVoltageRefBox, "Shunt Voltage Ref" },
            { P::HallSensorUpperPosBox, "Hall Sensor Upper Pos" },
            { P::HallSensorLowerPosBox, "Hall Sensor Lower Pos" }, { P::PiezoVoltageBox, "Piezo Voltage" },
            { P::PilotRelayResponseBox, "Pilot Relay Response" }, { P::FrictionLowBox, "Friction Low" },
            { P::FrictionHighBox, "Friction High" }, { P::PositionDeviationBox, "Position Deviation" } },
        ActiveBorder, RedActive);
    // "Port 1 Range Small" stays hidden: its place at the top stays empty.
    column(out, P::WarningsGroup, "Warnings", 123, 26,
        { { P::Port1RangeSmallBox, "Port 1 Range Small", nullptr, C::Hidden },
            { P::Port2RangeSmallBox, "Port 2 Range Small" }, { P::AORangeTooSmallBox, "AO Range Too Small" },
            { P::ZeroSignalOORangeBox, "0% Signal OORange" }, { P::HundredSignalOORangeBox, "100% Signal OORange" },
            { P::CommRangeSmallBox, "Comm Range Small" }, { P::SupplyPressureHighBox, "Supply Pressure High" },
            { P::SupplyPressureLowWarningBox, "Supply Pressure Low" }, { P::Port1OutOfRangeBox, "Port 1 OutOfRange" },
            { P::Port2OutOfRangeBox, "Port 2 OutOfRange" }, { P::BoardTempLowBox, "Board Temp Low" },
            { P::BoardTempHighBox, "Board Temp High" }, { P::PneumaticFailSafeBox, "Pneumatic Fail Safe" },
            { P::ElectronicFailSafeBox, "Electronic Fail Safe" }, { P::FrictionLowWarningBox, "Friction Low" },
            { P::FrictionHighWarningBox, "Friction High" }, { P::PilotRelayResponseWarningBox, "Pilot Relay Response" },
            { P::PneumaticLeakBox, "Pneumatic Leak" }, { P::ActuationRatioBox, "Actuation Ratio" } },
        ActiveBorder, YellowActive);
    column(out, P::AlertsGroup, "Alerts", 243, 26,
        { { P::ValveCyclesBox, "Valve Cycles" }, { P::ValveTravelBox, "Valve Travel" },
            { P::PilotCyclesLimitBox, "Pilot Cycles Limit", "Spool Cycles Limit" },
            { P::PilotTravelLimitBox, "Pilot Travel Limit", "Spool Travel Limit" },
            { P::SoftStopUpperLimitBox, "Soft Stop Upper Limit" },
            { P::SoftStopLowerLimitBox, "Soft Stop Lower Limit" }, { P::PositionUpperLimitBox, "Position Upper Limit" },
            { P::PositionLowerLimitBox, "Position Lower Limit" }, { P::ErrorHistoryResetBox, "Error History Reset" } },
        ActiveBorder, YellowActive);
    column(out, P::ModesGroup, "Modes", 243, 172,
        { { P::InitializingBox, "Initializing" }, { P::SettingILOBox, "Setting ILO" },
            { P::CommandCalibrationBox, "Command Calibration" }, { P::StrokeCalibrationBox, "Stroke Calibration" },
            { P::PressureCalibrationBox, "Pressure Calibration" }, { P::AnalogOutputCalBox, "Analog Output Cal" },
            { P::SignatureInProgressBox, "Signature in Progress" }, { P::DigitalCommSourceBox, "Digital Comm Source" },
            { P::MPCActiveBox, "MPC Active" } },
        ActiveBorder, YellowActive);
    column(out, P::DeviceInfoGroup, "Device Information", 363, 26,
        { { P::LocalInterfaceBox, "Local Interface Disabled" }, { P::SquawkModeBox, "Squawk Mode" },
            { P::PressControlBox, "Press Control Inactive", "Pressure Control Lock" },
            { P::AOBoardBox, "AO Board Present", "Analog Output Board" },
            { P::PotRotationBox, "Pot Rotation Normal", "Reserved" },
            { P::PressBoardBox, "Press Board Present", "Pressure Sensors" } },
        InfoGrey, RedActive);
    column(out, P::DeviceStatesGroup, "Device States", 363, 132,
        { { P::FactoryResetStateBox, "Factory Reset State" }, { P::JogCommandStateBox, "Jog Command State" },
            { P::JogCalSet100Box, "Jog Cal - Set 100%" } },
        ActiveBorder, RedActive);

    // The legend: three columns, the colour code the painters use.
    out.push_back(C::group(P::LegendGroup, QStringLiteral("Legend"), 363, 196, 250, 16 + Step * 6));
    auto legend = [&out](int id, const char* text, int column, int row, uint32_t colour) {
        const int xs[] = { 369, 481, 545 };
        const int ws[] = { 110, 62, 62 };
        const QVariantMap properties { { QStringLiteral("Value"), QString::fromUtf8(text) },
            { QStringLiteral("ErrorText"), QString::fromUtf8(text) }, { QStringLiteral("Color"), uint(colour) } };
        out.push_back(C::vendor(id, QStringLiteral("TiEdit"), xs[column], 208 + Step * row, ws[column], BoxHeight,
            properties, C::Disabled));
    };
    legend(P::LegendIndicators, "Indicators", 0, 0, ActiveBorder);
    legend(P::LegendEnabled, "Enabled", 1, 0, ActiveBorder);
    legend(P::LegendDisabled, "Disabled", 2, 0, ActiveBorder);
    legend(P::LegendNotAvailable, "Not Available", 0, 1, ActiveBorder);
    legend(P::LegendLightGrey, "Light Grey", 1, 1, WinColor::rgb(192, 192, 192));
    legend(P::LegendDarkGrey, "Dark Grey", 2, 1, WinColor::rgb(128, 128, 128));
    legend(P::LegendInactive, "Available, Inactive", 0, 2, ActiveBorder);
    legend(P::LegendGreen, "Green", 1, 2, WinColor::rgb(0, 255, 0));
    legend(P::LegendDarkGreen, "Dark Green", 2, 2, WinColor::rgb(0, 128, 0));
    legend(P::LegendAlert, "Alert, Mode, or Warning ", 0, 3, ActiveBorder);
    legend(P::LegendYellow, "Yellow", 1, 3, WinColor::rgb(255, 255, 0));
    legend(P::LegendDarkYellow, "Dark Yellow", 2, 3, WinColor::rgb(255, 215, 0));
    legend(P::LegendAlarm, "State or Alarm Active", 0, 4, ActiveBorder);
    legend(P::LegendRed, "Red", 1, 4, WinColor::rgb(255, 0, 0));
    legend(P::LegendDarkRed, "Dark Red", 2, 4, WinColor::rgb(139, 0, 0));
    legend(P::LegendDeviceInfo, "Device Information", 0, 5, ActiveBorder);
    legend(P::LegendWhite, "White", 1, 5, WinColor::rgb(255, 255, 255));

    out.push_back(C::button(P::PrintButton, QStringLiteral("Print Report"), 363, 300, 60, 14));
    out.push_back(C::placeholder(P::ReportHost, 430, 300, 10, 10));
    out.push_back(C::placeholder(P::PrinterHost, 444, 300, 10, 10));
    return out;
}
} // namespace

const PageTemplate CAlarmAnnunciator::Template { 620, 330, controls() };

const ToolTipTable CAlarmAnnunciator::ToolTips {
    { AlarmsGroup, QStringLiteral("Alarms") },
    { WarningsGroup, QStringLiteral("Warnings") },
    { AlertsGroup, QStringLiteral("Alerts") },
    { ModesGroup, QStringLiteral("Modes") },
    { DeviceInfoGroup, QStringLiteral("Device Information") },
    { DeviceStatesGroup, QStringLiteral("Device States") },
    { LegendGroup, QStringLiteral("Legend") },
    { PrintButton, QStringLiteral("Print all alarms, warnings, alerts ans settings to the default printer.") },
};
