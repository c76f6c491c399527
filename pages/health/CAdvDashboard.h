#pragma once

#include "StripPage.h"

#include "controls/AnalogDisplay.h"
#include "controls/AnalogOutput.h"
#include "controls/AngularGauge.h"
#include "controls/LinearGauge.h"
#include "controls/SwitchToggle.h"
#include "controls/Thermometer.h"

#include <array>
#include <cstdint>

// The page "Dashboard" (dialog 307), the first page shown: command and
// position, deviation, the command source switch, the health matrix, the
// three pressures, the temperature, the dip switches and the HART request and
// reply of the last read. It follows every status reply the program receives
// and refreshes itself on timer 1004 in a cycle of twelve ticks; it arms no
// timer 100.
class CAdvDashboard : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 307;
    static constexpr int RefreshTimerId = 1004;
    static constexpr int RefreshMs = 5000;
    static constexpr int TicksPerCycle = 12;

    // Control ids of the page.
    enum : int {
        // Created over their placeholders.
        CommandGaugeId = 5017,
        PositionGaugeId = 5018,
        ModeSwitchId = 5004,
        CommandReadoutId = 5022,
        PositionReadoutId = 5023,
        DeviationReadoutId = 5024,
        TemperatureReadoutId = 5025,
        ThermometerId = 5026,
        SupplyDialId = 5019,
        Port1DialId = 5020,
        Port2DialId = 5021,
        FirstHealthLampId = 5005, // 5005-5008 healthy, 5009-5012 warning, 5013-5016 alarm, rows valve to control
        // The template's controls.
        CommandGroupId = 1072,
        RequestEditId = 1103,
        ReplyEditId = 1104,
        HealthGroupId = 227,
        HealthyGroupId = 1037,
        WarningGroupId = 901,
        AlarmGroupId = 1038,
        ValveDetailsButton = 384,
        PositionerDetailsButton = 386,
        ActuatorDetailsButton = 387,
        ControlDetailsButton = 432,
        DipSwitchGroupId = 961,
        AirActionEditId = 1054,
        SignalAtClosedEditId = 1055,
        CharacterizationEditId = 1062,
        OptionalCharacterizationEditId = 1085,
        AutoTuneEditId = 1088,
        SpareEditId = 1089,
        ValveStabilityEditId = 1090,
        QuickCalibrationEditId = 1091,
        FirstDipSwitchMarkId = 1092, // 1092-1099, in the order of the edits
        DifferSummaryId = 1102,
        PressureGroupId = 216,
        SupplyCaptionId = 939,
        Port1CaptionId = 940,
        Port2CaptionId = 941,
        TemperatureGroupId = 219,
        CommandSourceGroupId = 218,
        CutOffEditId = 1100,
        HighFrictionEditId = 1101,
        // Placeholders.
        CommandGaugeHost = 1056,
        PositionGaugeHost = 1057,
        CommandReadoutHost = 1083,
        PositionReadoutHost = 1084,
        DeviationReadoutHost = 1087,
        TemperatureReadoutHost = 1086,
        ModeSwitchHost = 1082,
        ThermometerHost = 1061,
        SupplyDialHost = 1058,
        Port1DialHost = 1059,
        Port2DialHost = 1060,
        ValveHealthyHost = 1063,
        PositionerHealthyHost = 1064,
        ActuatorHealthyHost = 1065,
        ControlHealthyHost = 1066,
        ValveWarningHost = 1067,
        PositionerWarningHost = 1068,
        ActuatorWarningHost = 1069,
        ControlWarningHost = 1070,
        ValveAlarmHost = 1071,
        PositionerAlarmHost = 1079,
        ActuatorAlarmHost = 1080,
        ControlAlarmHost = 1081,
    };
    // The dip switch edits in bit order (0x01 first); each has its mark beside it.
    static constexpr std::array<int, 8> DipSwitchEditIds { AirActionEditId, SignalAtClosedEditId,
        CharacterizationEditId, OptionalCharacterizationEditId, AutoTuneEditId, SpareEditId, ValveStabilityEditId,
        QuickCalibrationEditId };
    static constexpr std::array<int, 8> DipSwitchMarkIds { FirstDipSwitchMarkId, FirstDipSwitchMarkId + 1,
        FirstDipSwitchMarkId + 2, FirstDipSwitchMarkId + 3, FirstDipSwitchMarkId + 4, FirstDipSwitchMarkId + 5,
        FirstDipSwitchMarkId + 6, FirstDipSwitchMarkId + 7 };

    // Health matrix: rows in the order of the lamps, columns Healthy, Warning, Alarm.
    enum HealthRow { Valve, Positioner, Actuator, Control, RowCount };
    enum HealthColumn { Healthy, Warning, Alarm, ColumnCount };
    // The lamps' placeholders by column, then row.
    static constexpr int LampHosts[ColumnCount][RowCount] = {
        { ValveHealthyHost, PositionerHealthyHost, ActuatorHealthyHost, ControlHealthyHost },
        { ValveWarningHost, PositionerWarningHost, ActuatorWarningHost, ControlWarningHost },
        { ValveAlarmHost, PositionerAlarmHost, ActuatorAlarmHost, ControlAlarmHost },
    };

    // The dialog template, the tooltips and the dip switches' texts (CAdvDashboardTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    struct DipSwitchText {
        const char* label;
        const char* set;
        const char* clear;
    };
    static const DipSwitchText DipSwitches[8];
    // The lamps' colours by column.
    static const uint32_t LampColours[ColumnCount];

    explicit CAdvDashboard(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    // Called after every decoded status reply (202, 203), whichever page
    // asked: the gauges, readouts and switch follow the device.
    void UpdateFromStatus();

    // The refresh groups: everything (activation), the slow settings (tick
    // 12) and the pressures with the control mode and health (tick 3).
    void RefreshAll();
    void RefreshSettings();
    void RefreshPressures();

    void ApplyUnits();
    void ShowPressures();
    void UpdateEnableStates();

    // The user's two ways of commanding the valve.
    void OnModeSwitchChanged();
    void OnCommandGaugeMouseUp();

    const ILinearGaugePtr& commandGauge() const { return m_pCommandGauge; }
    const ILinearGaugePtr& positionGauge() const { return m_pPositionGauge; }
    const ISwitchTogglePtr& modeSwitch() const { return m_pModeSwitch; }
    const IAnalogOutputPtr& commandReadout() const { return m_pCommandReadout; }
    const IAnalogDisplayPtr& positionReadout() const { return m_pPositionReadout; }
    const IAnalogDisplayPtr& deviationReadout() const { return m_pDeviationReadout; }
    const IAnalogDisplayPtr& temperatureReadout() const { return m_pTemperatureReadout; }
    const IThermometerPtr& thermometer() const { return m_pThermometer; }
    const IAngularGaugePtr& supplyDial() const { return m_pSupplyDial; }
    const IAngularGaugePtr& port1Dial() const { return m_pPort1Dial; }
    const IAngularGaugePtr& port2Dial() const { return m_pPort2Dial; }
    const ILinearGaugePtr& healthLamp(HealthRow row, HealthColumn column) const
    {
        return m_HealthBars[static_cast<size_t>(int(column) * int(RowCount) + int(row))];
    }
    int tickCount() const { return m_TickCount; }
    float pressureScale() const { return m_PressureScale; }

private:
    void createGauges();
    void createHealthLamps();
    void createValueDisplays();
    ILinearGaugePtr CreateHealthLamp(int placeholderId, int id, uint32_t colour);
    IAngularGaugePtr createPressureDial(int placeholderId, int id);
    IAnalogDisplayPtr createReadout(int placeholderId, int id, const QString& unit);

    // Readers, each framed by its request and reply texts.
    void ReadStatus();
    void ReadConfiguration();
    void ReadDipSwitches();
    void ReadSoftwareSwitches();
    void ReadPressureScale();
    void ReadSoftLimits();
    void ReadTravelAlerts();
    void ReadAlarmHistory();
    void ReadStatusMask();
    void ReadHealth();
    void ColourCommandGauge();

    void tick();
    void setRequest(const char* text);
    void setReply(const char* text);
    void showDialDisabled(const IAngularGaugePtr& dial, int captionId, const QString& caption);
    void showDialActive(const IAngularGaugePtr& dial, int captionId, const QString& caption);
    void showPressure(const IAngularGaugePtr& dial, double value);
    bool port2InUse() const;
    bool healthServed() const;

    ILinearGaugePtr m_pCommandGauge;
    ILinearGaugePtr m_pPositionGauge;
    ISwitchTogglePtr m_pModeSwitch;
    IAnalogOutputPtr m_pCommandReadout;
    IAnalogDisplayPtr m_pPositionReadout;
    IAnalogDisplayPtr m_pDeviationReadout;
    IAnalogDisplayPtr m_pTemperatureReadout;
    IThermometerPtr m_pThermometer;
    IAngularGaugePtr m_pSupplyDial;
    IAngularGaugePtr m_pPort1Dial;
    IAngularGaugePtr m_pPort2Dial;
    std::array<ILinearGaugePtr, 12> m_HealthBars;

    uint8_t m_PhysicalSwitches = 0;
    uint8_t m_SoftwareSwitches = 0;
    float m_PressureScale = 0.0f;
    uint8_t m_DeviationAlarmMask = 0;
    uint8_t m_SupplyAlarmMask = 0;
    uint8_t m_HistoryByte1 = 0;
    uint8_t m_HistoryByte5 = 0;
    int m_TickCount = 0;
    bool m_Activated = false;
};
