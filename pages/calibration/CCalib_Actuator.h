#pragma once

#include "CalibrationRunPage.h"
#include "FieldRange.h"
#include "StrokeCalibrationRules.h"

#include "controls/AngularGauge.h"

#include <array>
#include <cstdint>
#include <optional>

// The actuator calibration (dialog 258, no tree item; the second step of the
// actuator calibration wizard): the user checks the supply pressure and
// enters his initials, and Start has the positioner calibrate its pressure
// sensors, its stroke and its friction in one run. While it runs the page
// polls the state every 4 s and shows it with the progress, the calibration
// flags and the two port gauges; at the end the new date and initials, and
// the report can be printed. On the smaller model the second gauge shows the
// supply sensor and Zero Supply leads to its zero capture.
class CCalib_Actuator : public CalibrationRunPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 258;
    static constexpr int PollTimerId = 5000;
    static constexpr int PollMs = 4000;
    static constexpr uint8_t StartCode = 2;
    static constexpr uint8_t AbortCode = 0x33;
    static constexpr int FrictionTolerancesCode = 311;
    static constexpr uint32_t PortUnavailableColour = 0x006400;
    static constexpr uint32_t GaugeColour = 0x990033;
    static constexpr uint32_t DisabledGaugeColour = 0x696969;

    enum : int {
        ConsoleGroup = 909,
        LastDateEdit = 1185,
        LastByEdit = 1055,
        TodayEdit = 1056,
        InitialsEdit = 1188,
        InitialsMark = 1099,
        SupplyGroup = 911,
        PressureEdit = 852,
        PressureMark = 1100,
        UnitLabel = 1049,
        GaugesGroup = 913,
        Port1Label = 2580,
        Port2Label = 1019,
        Port1GaugeHost = 1178,
        Port2GaugeHost = 1179,
        Port1Gauge = 5089,
        Port2Gauge = 5090,
        Port1CountEdit = 854,
        Port2CountEdit = 855,
        FlagsGroup = 912,
        StatusGroup = 914,
        StateEdit = 856,
        ProgressBar = 468,
        ZeroSupplyButton = 1023,
        StartButton = 1189,
        AbortButton = 473,
        BackButton = 1020,
        FrictionButton = 1021,
        PrintButton = 1022,
        ReportHost = 1058,
        PrinterHost = 1059,
        ReportId = 7001,
        PrinterId = 7002,
        // The flag LEDs of the larger model.
        SupplyLed = 5086,
        Port1Led = 5087,
        Port2Led = 5088,
        // The six position flags: 5091..5096 on the larger model, 5099..5104 on the smaller.
        FirstPositionLedK90 = 5091,
        FirstPositionLedK40 = 5099,
        // The nine rows' labels, top to bottom.
        FirstFlagLabel = 2581,
    };
    // The nine rows' LED placeholders, top to bottom.
    static constexpr int FlagHosts[9] = { 1180, 1181, 1182, 1183, 1184, 1186, 1187, 1190, 1191 };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const ToolTipTable TrailingToolTips;
    static const QString MovementCaption;
    static const QString ZeroSupplyQuestion;
    static const QString ZeroSupplyCaption;
    static const QString InitialsTip;
    // The pressure mark's tip: the range a supply is taken in, 0 to the gauges' full scale.
    static QString pressureTip(const FieldRange& range);
    static const QString CompletedText;
    static const QString AbortedText;
    // The controls, timer and texts of the run.
    static const RunSetup Run;
    // Where Back and Zero Supply lead.
    static constexpr const char* ActuatorPage = "CCalibrationActuatorIntro";
    static constexpr const char* ZeroSupplyPage = "CCalibrationZeroSupply";

    explicit CCalib_Actuator(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnChangeNewCalibrationBy() override;
    void OnChangeSupplyPressure();
    void OnStartCalibration() override;
    void OnAbortCalibration() override;
    void OnBack();
    void OnZeroSupply();
    void OnFrictionTolerances();
    void OnPrintReport() override;

    // The poll tick: the state, then the monitor.
    void PollCalibrationState();
    void UpdateMonitor();

    bool port2Unavailable() const { return m_bPort2Unavailable; }
    bool initialsValid() const { return m_bInitialsValid; }
    bool pressureValid() const { return m_bPressureValid; }
    double unitToPsi() const { return m_dUnitToPsi; }
    const IAngularGaugePtr& gauge(int port) const { return port == 1 ? m_pPort1Gauge : m_pPort2Gauge; }
    // The LED of a flag row (0 supply, 1 port 1, 2 port 2, 3.. the position flags in their order).
    const ILedRoundPtr& flagLed(int row) const { return m_pFlagLeds[size_t(row)]; }

private:
    bool smallerModel() const;
    void setStartEnabled();
    // The supply as typed when it is a number from 0 to the full scale of
    // the device's unit; its mark shows whether it is.
    // The supplies the page takes: 0 to the gauge's full scale in the
    // display unit, in hundredths.
    FieldRange supplyRange();
    std::optional<double> checkSupply();
    void WriteSupplyPressure(double supply);
    void FillActuatorCalibResults();
    void showPort(int port, uint16_t count, uint16_t zero, uint16_t range);

    bool m_bPort2Unavailable = false;
    bool m_bInitialsValid = true;
    bool m_bPressureValid = true;
    double m_dSupplyPressure = 0.0;
    double m_dSupplyPsi = 0.0;
    double m_dUnitToPsi = 1.0;

    std::array<ILedRoundPtr, 9> m_pFlagLeds;
    IAngularGaugePtr m_pPort1Gauge;
    IAngularGaugePtr m_pPort2Gauge;
};
