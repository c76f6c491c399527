#pragma once

#include "StripPage.h"

#include "controls/NumEdit.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QPointer>

#include <cstdint>

// The page "Alarm Annunciators" (dialog 286): every alarm, warning, alert,
// mode, device state and device information item of the positioner as one
// coloured box, enabled or masked from the status mask, active or not from
// the Misc status bytes; refreshed on activation and every 20 s while shown,
// and printed as the alarm / alerts report.
class CAlarmAnnunciator : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 286;
    static constexpr int RefreshTimerId = 2000;
    static constexpr int RefreshMs = 20000;

    // Control ids of the page.
    enum : int {
        AlarmsGroup = 900,
        WarningsGroup = 901,
        AlertsGroup = 902,
        ModesGroup = 903,
        DeviceInfoGroup = 904,
        DeviceStatesGroup = 905,
        LegendGroup = 906,
        PrintButton = 1007,
        ReportHost = 1005,
        PrinterHost = 1006,
        ReportId = 5524,
        PrinterId = 5525,

        // Alarms
        NoMotionTimeOutBox = 705,
        NonSettleTimeOutBox = 706,
        ILOTimeOutBox = 707,
        FdbkRangeSmallBox = 702,
        ZeroPosOutOfRangeBox = 703,
        HundredPosOORangeBox = 704,
        SupplyPressureLowBox = 742,
        NVRAMChecksumBox = 731,
        WatchDogTimeOutBox = 730,
        ShuntVoltageRefBox = 728,
        HallSensorUpperPosBox = 698,
        HallSensorLowerPosBox = 699,
        PiezoVoltageBox = 729,
        PilotRelayResponseBox = 695,
        FrictionLowBox = 723,
        FrictionHighBox = 749,
        PositionDeviationBox = 678,
        // Warnings
        Port1RangeSmallBox = 747,
        Port2RangeSmallBox = 748,
        AORangeTooSmallBox = 737,
        ZeroSignalOORangeBox = 736,
        HundredSignalOORangeBox = 735,
        CommRangeSmallBox = 734,
        SupplyPressureHighBox = 743,
        SupplyPressureLowWarningBox = 744,
        Port1OutOfRangeBox = 745,
        Port2OutOfRangeBox = 746,
        BoardTempLowBox = 727,
        BoardTempHighBox = 726,
        PneumaticFailSafeBox = 720,
        ElectronicFailSafeBox = 733,
        FrictionLowWarningBox = 722,
        FrictionHighWarningBox = 721,
        PilotRelayResponseWarningBox = 694,
        PneumaticLeakBox = 718,
        ActuationRatioBox = 719,
        // Alerts
        ValveCyclesBox = 724,
        ValveTravelBox = 725,
        PilotCyclesLimitBox = 696,
        PilotTravelLimitBox = 697,
        SoftStopUpperLimitBox = 679,
        SoftStopLowerLimitBox = 680,
        PositionUpperLimitBox = 681,
        PositionLowerLimitBox = 682,
        ErrorHistoryResetBox = 685,
        // Modes
        InitializingBox = 662,
        SettingILOBox = 713,
        CommandCalibrationBox = 711,
        StrokeCalibrationBox = 710,
        PressureCalibrationBox = 712,
        AnalogOutputCalBox = 716,
        SignatureInProgressBox = 667,
        DigitalCommSourceBox = 664,
        MPCActiveBox = 683,
        // Device information
        LocalInterfaceBox = 684,
        SquawkModeBox = 665,
        PressControlBox = 688,
        AOBoardBox = 687,
        PotRotationBox = 689,
        PressBoardBox = 686,
        // Device states
        FactoryResetStateBox = 663,
        JogCommandStateBox = 666,
        JogCalSet100Box = 708,
        // Legend
        LegendIndicators = 668,
        LegendEnabled = 701,
        LegendDisabled = 690,
        LegendNotAvailable = 669,
        LegendLightGrey = 709,
        LegendDarkGrey = 691,
        LegendInactive = 717,
        LegendGreen = 738,
        LegendDarkGreen = 692,
        LegendAlert = 715,
        LegendYellow = 739,
        LegendDarkYellow = 693,
        LegendAlarm = 714,
        LegendRed = 740,
        LegendDarkRed = 750,
        LegendDeviceInfo = 700,
        LegendWhite = 741,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CAlarmAnnunciator(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    // The full refresh: the mask painters, then the Misc status bytes.
    void RefreshAnnunciator();
    // Byte variable 0x79: the modes, states and squawk text it carries.
    void RefreshDeviceStates();
    // One mask byte (0..9) painted onto its boxes, no device traffic.
    void PaintMaskByte(int maskByte);
    // One Misc status byte (0x7A..0x81) read and painted onto its boxes;
    // a read without a good reply for that address repaints nothing.
    void PaintStateByte(uint8_t variable);
    // The record's values, thresholds and units, read from the device.
    void FillAnnunciatorReport();
    void OnPrintReport();

    // A box the page could not create is nullptr: the page goes on without it.
    NumEdit* box(int id) const { return controlAs<NumEdit>(id); }
    bool pressureBoardPresent() const { return m_PressureBoardPresent; }
    bool aoBoardPresent() const { return m_AoBoardPresent; }
    bool k90FrictionModel() const { return m_K90FrictionModel; }
    bool k40FrictionModel() const { return m_K40FrictionModel; }

private:
    void closeUpWarningsOnK40();
    void showDeviceInformation(uint8_t boards);
    uint8_t& flag(int index);
    void setText(int index, const QString& text);

    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    QPointer<QWidget> m_reportHostWindow;
    QPointer<QWidget> m_printerHostWindow;
    uint8_t m_PressureBoardPresent = 0;
    uint8_t m_AoBoardPresent = 0;
    uint8_t m_K90FrictionModel = 0;
    uint8_t m_K40FrictionModel = 0;
};
