#include "AlarmReports.h"

#include "alarms/AlarmAnnunciatorIndex.h"
#include "core/ReportFrame.h"

namespace
{
using namespace AlarmAnnunciatorIndex;

// Which model strings write a row.
enum class Models {
    All,
    K90K95, // "SerratK90" or "SerratK95"
    K95, // "SerratK95"
    K90K40, // "SerratK90" or "SerratK40"
};

constexpr int None = -1;

// One printed row: its stem, label, flags, and the texts of its value and
// threshold cells that are written with the row (the units and some values
// are written ahead of every row, below). A warning twin puts W after the
// column word of every key.
struct Row {
    const char* stem;
    const char* label;
    int active;
    int masked;
    int value = None;
    int threshold = None;
    bool warning = false;
    Models models = Models::All;
};

// clang-format off
const Row AlarmRows[] = {
    { "NoMotionTimeOut", "No Motion Time Out", NoMotionTimeOutAct, NoMotionTimeOutMsk },
    { "NonSettleTimeOut", "Non Settle Time Out", NonSettleTimeOutAct, NonSettleTimeOutMsk },
    { "ILOTimeOut", "ILO Time Out", ILOTimeOutAct, ILOTimeOutMsk },
    { "FdbkRangeSmall", "Fdbk Range Small", FdbkRangeSmallAct, FdbkRangeSmallMsk },
    { "0PosOutOfRange", "0% Post Out of Range", ZeroPosOutOfRangeAct, ZeroPosOutOfRangeMsk },
    { "100PosOORange", "100% post out of Range", HundredPosOORangeAct, HundredPosOORangeMsk },
    { "SupplyPressureLow", "Supply Pressure Low", SupplyPressureLowAct, SupplyPressureLowMsk, None, SupplyPressureLowSet },
    { "NVRAMChecksum", "NV RAM Checksum", NVRAMChecksumAct, NVRAMChecksumMsk },
    { "WatchDogTimeOut", "Watch Dog TimeOut", WatchDogTimeOutAct, WatchDogTimeOutMsk },
    { "ShuntVoltageRef", "Shunt Voltage Ref", ShuntVoltageRefAct, ShuntVoltageRefMsk },
    { "HallSensorUpperPos", "Hall Sensor Upper Pos", HallSensorUpperPosAct, HallSensorUpperPosMsk },
    { "HallSensorLowerPos", "Hall Sensor Lower Pos", HallSensorLowerPosAct, HallSensorLowerPosMsk },
    { "PiezoVoltage", "Piezo Voltage", PiezoVoltageAct, PiezoVoltageMsk },
    { "PilotRelayResponse", "Pilot Relay Response", PilotRelayResponseAct, PilotRelayResponseMsk, None, PilotRelayResponseSet },
    { "FrictionLow", "Friction Low", FrictionLowAct, FrictionLowMsk, None, FrictionLowSet },
    { "FrictionHigh", "Friction High", FrictionHighAct, FrictionHighMsk, None, FrictionHighSet },
    { "PositionDeviation", "Position Deviation", PositionDeviationAct, PositionDeviationMsk, PositionDeviationValue, PositionDeviationSet },
};

const Row AlertRows[] = {
    { "ValveCycles", "Valve Cycles", ValveCyclesAct, ValveCyclesMsk, ValveCyclesValue, ValveCyclesSet },
    { "ValveTravel", "Valve Travel", ValveTravelAct, ValveTravelMsk, ValveTravelValue, ValveTravelSet },
    { "PilotCyclesLimit", "Pilot Cycles Limit", PilotCyclesLimitAct, PilotCyclesLimitMsk, PilotCyclesLimitValue, PilotCyclesLimitSet },
    { "PilotTravelLimit", "Pilot Travel Limit", PilotTravelLimitAct, PilotTravelLimitMsk, PilotTravelLimitValue, PilotTravelLimitSet },
    { "SoftStopUpperLimit", "Soft Stop Upper Limit", SoftStopUpperLimitAct, SoftStopUpperLimitMsk, None, SoftStopUpperLimitSet },
    { "SoftStopLowerLimit", "Soft Stop Lower Limit", SoftStopLowerLimitAct, SoftStopLowerLimitMsk, None, SoftStopLowerLimitSet },
    { "PositionUpperLimit", "Position Upper Limit", PositionUpperLimitAct, PositionUpperLimitMsk, PositionValue, PositionUpperLimitSet },
    { "PositionLowerLimit", "Position Lower Limit", PositionLowerLimitAct, PositionLowerLimitMsk, PositionValue, PositionLowerLimitSet },
    { "ErrorHistoryReset", "Error History Reset", ErrorHistoryResetAct, ErrorHistoryResetMsk },
};

const Row WarningRows[] = {
    { "Port1RangeSmall", "Port 1 Range Small", Port1RangeSmallAct, Port1RangeSmallMsk },
    { "Port2RangeSmall", "Port 2 Range Small", Port2RangeSmallAct, Port2RangeSmallMsk },
    { "SupplyPressureHigh", "Supply Pressure High", SupplyPressureHighAct, SupplyPressureHighMsk, None, SupplyPressureHighSet },
    { "SupplyPressureLow", "Supply Pressure Low", SupplyPressureLowActW, SupplyPressureLowMskW, None, SupplyPressureLowSetW, true },
    { "Port1OutOfRange", "Port 1 Out Of Range", Port1OutOfRangeAct, Port1OutOfRangeMsk },
    { "Port2OutOfRange", "Port 2 Out Of Range", Port2OutOfRangeAct, Port2OutOfRangeMsk },
    { "BoardTempLow", "Board Temp Low", BoardTempLowAct, BoardTempLowMsk },
    { "BoardTempHigh", "Board Temp High", BoardTempHighAct, BoardTempHighMsk },
    { "PneumaticFailSafe", "Pneumatic Fail Safe", PneumaticFailSafeAct, PneumaticFailSafeMsk, None, None, false, Models::K90K95 },
    { "ElectronicFailSafe", "Electronic Fail Safe", ElectronicFailSafeAct, ElectronicFailSafeMsk },
    { "FrictionLow", "Friction Low", FrictionLowActW, FrictionLowMskW, None, FrictionLowSetW, true },
    { "FrictionHigh", "Friction High", FrictionHighActW, FrictionHighMskW, None, FrictionHighSetW, true },
    { "PilotRelayResponse", "Pilot Relay Response", PilotRelayResponseActW, PilotRelayResponseMskW, None, PilotRelayResponseSetW, true },
    { "PneumaticLeak", "Pneumatic Leak", PneumaticLeakAct, PneumaticLeakMsk, PneumaticLeakValue, PneumaticLeakSet, false, Models::K90K95 },
    { "ActuationRatio", "Actuation Ratio", ActuationRatioAct, ActuationRatioMsk, ActuationRatioValue, ActuationRatioSet },
};

const Row ModeRows[] = {
    { "Initializing", "Initializing", InitializingAct, InitializingMsk },
    { "SettingILO", "Setting ILO", SettingILOAct, SettingILOMsk },
    { "StrokeCalibration", "Stroke Calibration", StrokeCalibrationAct, StrokeCalibrationMsk },
    { "PressureCalibration", "Pressure Calibration", PressureCalibrationAct, PressureCalibrationMsk },
    { "SignatureinProgress", "Signature in Progress", SignatureinProgressAct, SignatureinProgressMsk },
    { "MPCActive", "MPC Active", MPCActiveAct, MPCActiveMsk },
};

const Row StateRows[] = {
    { "FactoryResetState", "Factory Reset State", FactoryResetStateAct, FactoryResetStateMsk },
    { "JogCommandState", "Jog Command State", JogCommandStateAct, JogCommandStateMsk },
    { "JogCalSet100", "Jog Cal-Set 100%", JogCalSet100Act, JogCalSet100Msk },
};

const Row AnalogTailRows[] = {
    { "AnalogOutputCal", "Analog output Cal", AnalogOutputCalAct, AnalogOutputCalMsk },
    { "DigitalCommSource", "Digital Comm Source", DigitalCommSourceAct, DigitalCommSourceMsk },
    { "CommandCalibration", "Command Calibration", CommandCalibrationAct, CommandCalibrationMsk },
    { "AORangeTooSmall", "AO Range Too Small", AORangeTooSmallAct, AORangeTooSmallMsk },
    { "0SignalOORange", "0% Signal OORange", ZeroSignalOORangeAct, ZeroSignalOORangeMsk },
    { "100SignalOORange", "100% Signal OORange", HundredSignalOORangeAct, HundredSignalOORangeMsk },
    { "CommRangeSmall", "Comm Range Small", CommRangeSmallAct, CommRangeSmallMsk },
};
// clang-format on

class AnnunciatorFields
{
public:
    AnnunciatorFields(const ReportFrameFields& fields, const CAlarmAnnunciatorReport& record, const QString& model)
        : m_fields(fields)
        , m_record(record)
        , m_k90(model == QLatin1String("SerratK90"))
        , m_k95(model == QLatin1String("SerratK95"))
        , m_k40(model == QLatin1String("SerratK40"))
    {
    }

    void fill() const
    {
        units();
        sharedValues();
        headings(); // "AlarmsLbl" heads the alarms
        rows(AlarmRows);
        set("DevAlertLbl", "Alerts");
        rows(AlertRows);
        set("DevWarnLbl", "Warnings");
        rows(WarningRows);
        set("DevModeLbl", "Modes");
        rows(ModeRows);
        set("MPCLowSetLbl", "Low Setpoint");
        text("MPCLowSetPointSet", MPCLowSetPointSet);
        set("MPCHighSetpointLbl", "High Setpoint");
        text("MPCHighSetpointSet", MPCHighSetpointSet);
        set("DevStateLbl", "Device States");
        rows(StateRows);
        set("DevInfoLbl", "Device Information");
        text("LocalInterfaceLbl", LocalInterfaceLbl);
        text("PressControlLbl", PressControlLbl);
        text("PotRotationLbl", PotRotationLbl);
        text("PressBoardLbl", PressBoardLbl);
        tail();
    }

private:
    bool writes(Models models) const
    {
        switch (models) {
        case Models::All:
            return true;
        case Models::K90K95:
            return m_k90 || m_k95;
        case Models::K95:
            return m_k95;
        case Models::K90K40:
            return !m_k95 && (m_k90 || m_k40);
        }
        return false;
    }

    void set(const char* key, const char* value) const
    {
        m_fields.setText(QString::fromLatin1(key), QString::fromUtf8(value));
    }
    void set(const QString& key, const QString& value) const { m_fields.setText(key, value); }
    void text(const char* key, int index) const
    {
        m_fields.setText(QString::fromLatin1(key), m_record.m_strTexts[index].toQString());
    }
    void flag(const QString& key, int index) const
    {
        m_fields.setText(key, m_record.m_bFlags[index] ? QStringLiteral("X") : QString());
    }

    void units() const
    {
        text("SupplyPressureLowUnit", SupplyPressureLowUnit);
        text("SupplyPressureHighUnit", SupplyPressureLowUnit);
        text("SupplyPressureLowUnitW", SupplyPressureLowUnit);
        if (writes(Models::K90K95))
            text("PneumaticLeakUnit", PneumaticLeakUnit);
        text("BoardTempLowUnit", BoardTempLowUnit);
        text("BoardTempHighUnit", BoardTempLowUnit);
    }

    void sharedValues() const
    {
        text("BoardTempLowSet", BoardTempLowSet);
        text("BoardTempHighSet", BoardTempHighSet);
        text("BoardTempLowValue", BoardTempLowValue);
        text("BoardTempHighValue", BoardTempLowValue);
        text("SupplyPressureLowValue", SupplyPressureLowValue);
        text("SupplyPressureHighValue", SupplyPressureLowValue);
        text("SupplyPressureLowValueW", SupplyPressureLowValue);
        text("FrictionLowValue", FrictionLowValue);
        text("FrictionHighValue", FrictionLowValue);
        text("FrictionLowValueW", FrictionLowValue);
        text("FrictionHighValueW", FrictionLowValue);
        text("PilotRelayResponseValue", PilotRelayResponseValue);
        text("PilotRelayResponseValueW", PilotRelayResponseValue);
    }

    void headings() const
    {
        set("AlarmsLbl", "Alarms");
        set("ActiveLbl", "Active");
        set("ActiveLbl1", "Active");
        set("MaskLbl", "Masked");
        set("MaskLbl1", "Masked");
        set("ValueLbl", "Value");
        set("ValueLbl1", "Value");
        set("SettingsLbl", "Threshold");
        set("SettingsLbl1", "Threshold");
    }

    template <size_t N> void rows(const Row (&table)[N]) const
    {
        for (const Row& row : table)
            this->row(row);
    }

    void row(const Row& row) const
    {
        if (!writes(row.models))
            return;
        const QString stem = QString::fromLatin1(row.stem);
        const QString w = row.warning ? QStringLiteral("W") : QString();
        set(stem + QStringLiteral("Lbl") + w, QString::fromUtf8(row.label));
        // The smaller model's definition names its second port the supply port.
        if (m_k40 && stem == QLatin1String("Port2RangeSmall"))
            set(stem + QStringLiteral("Lbl"), QStringLiteral("Supply Range Small"));
        if (m_k40 && stem == QLatin1String("Port2OutOfRange"))
            set(stem + QStringLiteral("Lbl"), QStringLiteral("Supply Out Of Range"));
        flag(stem + QStringLiteral("Act") + w, row.active);
        flag(stem + QStringLiteral("Msk") + w, row.masked);
        if (row.value != None)
            set(stem + QStringLiteral("Value") + w, m_record.m_strTexts[row.value].toQString());
        if (row.threshold != None)
            set(stem + QStringLiteral("Set") + w, m_record.m_strTexts[row.threshold].toQString());
    }

    void tail() const
    {
        if (m_k95) {
            set("LossInterCom", "Loss of Inter PCB Com");
            flag(QStringLiteral("LossInterAct"), LossInterAct);
            flag(QStringLiteral("LossInterMask"), LossInterMask);
            set("OOSlbl", "Transducer Block");
            text("OOSAct", OOSAct);
            text("CalibrationInfo", CalibrationInfo);
            text("PressureInfo", PressureInfo);
            text("MPCValue", PositionValue);
        } else if (writes(Models::K90K40)) {
            text("AOBoardLbl", AOBoardLbl);
            text("SquawkModeLbl", SquawkModeLbl);
            rows(AnalogTailRows);
        }
    }

    const ReportFrameFields& m_fields;
    const CAlarmAnnunciatorReport& m_record;
    bool m_k90;
    bool m_k95;
    bool m_k40;
};

} // namespace

void GenerateAlarmAnnuncReport(CReportHeader header, CAlarmAnnunciatorReport record, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, AutoString model, QWidget* parent)
{
    const QString modelText = model.toQString();
    ReportFrameDescriptor descriptor { ReportFrameRows::AlarmAnnunciator };
    descriptor.fields = [&](const ReportFrameFields& fields) { AnnunciatorFields(fields, record, modelText).fill(); };
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}
