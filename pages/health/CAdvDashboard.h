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

// The page "Dashboard" (dialog 307, page table slot 3), the first page shown:
// command and position, deviation, the command source switch, the health
// matrix, the three pressures, the temperature, the dip switches and the
// HART request and reply of the last read. It follows every status reply the
// program receives and refreshes itself on timer 1004 in a cycle of twelve
// ticks; it arms no timer 100.
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
        FirstHealthLampId = 5005, // 5005-5008 healthy, 5009-5012 warning, 5013-5016 alarm
        HealthGroupId = 227,
        SupplyCaptionId = 939,
        Port1CaptionId = 940,
        Port2CaptionId = 941,
        CutOffEditId = 1100,
        HighFrictionEditId = 1101,
        DifferSummaryId = 1102,
        RequestEditId = 1103,
        ReplyEditId = 1104,
    };
    // The dip switch edits in bit order (0x01 first), and their marks.
    static constexpr std::array<int, 8> DipSwitchEditIds { 1054, 1055, 1062, 1085, 1088, 1089, 1090, 1091 };
    static constexpr std::array<int, 8> DipSwitchMarkIds { 1092, 1093, 1094, 1095, 1096, 1097, 1098, 1099 };

    // Health matrix: rows in the order of the lamps, columns Healthy, Warning, Alarm.
    enum HealthRow { Valve, Positioner, Actuator, Control, RowCount };
    enum HealthColumn { Healthy, Warning, Alarm, ColumnCount };

    explicit CAdvDashboard(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;
    void onTimer(int id) override;

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
    void buildDashboardTemplate();
    void createGauges();
    void createHealthLamps();
    void createValueDisplays();
    void addToolTips();
    ILinearGaugePtr CreateHealthLamp(int placeholderId, int id, uint32_t colour);
    void ConfigurePressureGauge(const IAngularGaugePtr& gauge);

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
