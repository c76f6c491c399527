#pragma once

// Positions in CAlarmAnnunciatorReport, counted from 0. The annunciator page
// writes through these names and the annunciator report reads through them,
// so both always mean the same cell.
//
// Each group of items holds the active flags of all its items in a run, then
// the masked flags of the same items in the same order. The names follow the
// report's field keys (stem + Act / Msk); the warning twin of an item that is
// also an alarm ends in W. Stems that start with a digit spell it out (Zero,
// Hundred).
namespace AlarmAnnunciatorIndex
{

inline constexpr int FlagCount = 116;
inline constexpr int TextCount = 48;

enum Flag : int {
    // Alarms
    NoMotionTimeOutAct = 0,
    NonSettleTimeOutAct,
    ILOTimeOutAct,
    FdbkRangeSmallAct,
    ZeroPosOutOfRangeAct,
    HundredPosOORangeAct,
    SupplyPressureLowAct,
    NVRAMChecksumAct,
    WatchDogTimeOutAct,
    ShuntVoltageRefAct,
    HallSensorUpperPosAct,
    HallSensorLowerPosAct,
    PiezoVoltageAct,
    PilotRelayResponseAct,
    FrictionLowAct,
    FrictionHighAct,
    PositionDeviationAct,
    LossInterAct, // loss of inter-board communication
    NoMotionTimeOutMsk,
    NonSettleTimeOutMsk,
    ILOTimeOutMsk,
    FdbkRangeSmallMsk,
    ZeroPosOutOfRangeMsk,
    HundredPosOORangeMsk,
    SupplyPressureLowMsk,
    NVRAMChecksumMsk,
    WatchDogTimeOutMsk,
    ShuntVoltageRefMsk,
    HallSensorUpperPosMsk,
    HallSensorLowerPosMsk,
    PiezoVoltageMsk,
    PilotRelayResponseMsk,
    FrictionLowMsk,
    FrictionHighMsk,
    PositionDeviationMsk,
    LossInterMask,

    // Alerts
    ValveCyclesAct,
    ValveTravelAct,
    PilotCyclesLimitAct,
    PilotTravelLimitAct,
    SoftStopUpperLimitAct,
    SoftStopLowerLimitAct,
    PositionUpperLimitAct,
    PositionLowerLimitAct,
    ErrorHistoryResetAct,
    ValveCyclesMsk,
    ValveTravelMsk,
    PilotCyclesLimitMsk,
    PilotTravelLimitMsk,
    SoftStopUpperLimitMsk,
    SoftStopLowerLimitMsk,
    PositionUpperLimitMsk,
    PositionLowerLimitMsk,
    ErrorHistoryResetMsk,

    // Warnings
    Port1RangeSmallAct,
    Port2RangeSmallAct,
    SupplyPressureHighAct,
    SupplyPressureLowActW,
    Port1OutOfRangeAct,
    Port2OutOfRangeAct,
    BoardTempLowAct,
    BoardTempHighAct,
    PneumaticFailSafeAct,
    ElectronicFailSafeAct,
    FrictionLowActW,
    FrictionHighActW,
    PilotRelayResponseActW,
    PneumaticLeakAct,
    ActuationRatioAct,
    Port1RangeSmallMsk,
    Port2RangeSmallMsk,
    SupplyPressureHighMsk,
    SupplyPressureLowMskW,
    Port1OutOfRangeMsk,
    Port2OutOfRangeMsk,
    BoardTempLowMsk,
    BoardTempHighMsk,
    PneumaticFailSafeMsk,
    ElectronicFailSafeMsk,
    FrictionLowMskW,
    FrictionHighMskW,
    PilotRelayResponseMskW,
    PneumaticLeakMsk,
    ActuationRatioMsk,

    // Modes
    InitializingAct,
    SettingILOAct,
    StrokeCalibrationAct,
    PressureCalibrationAct,
    SignatureinProgressAct,
    MPCActiveAct,
    InitializingMsk,
    SettingILOMsk,
    StrokeCalibrationMsk,
    PressureCalibrationMsk,
    SignatureinProgressMsk,
    MPCActiveMsk,

    // Device states
    FactoryResetStateAct,
    JogCommandStateAct,
    JogCalSet100Act,
    FactoryResetStateMsk,
    JogCommandStateMsk,
    JogCalSet100Msk,

    // Analog signal
    AORangeTooSmallAct,
    ZeroSignalOORangeAct,
    HundredSignalOORangeAct,
    CommRangeSmallAct,
    AORangeTooSmallMsk,
    ZeroSignalOORangeMsk,
    HundredSignalOORangeMsk,
    CommRangeSmallMsk,

    // Command calibration, analog output calibration, digital command source
    CommandCalibrationAct,
    AnalogOutputCalAct,
    DigitalCommSourceAct,
    CommandCalibrationMsk,
    AnalogOutputCalMsk,
    DigitalCommSourceMsk,
};

static_assert(ValveCyclesAct == 36 && Port1RangeSmallAct == 54 && InitializingAct == 84);
static_assert(FactoryResetStateAct == 96 && AORangeTooSmallAct == 102 && CommandCalibrationAct == 110);
static_assert(DigitalCommSourceMsk == FlagCount - 1);

// Values, thresholds (Set, SetW for the warning twin), unit texts and the
// device information texts, named after the report fields that print them.
enum Text : int {
    SupplyPressureLowUnit = 0, // also the unit of supply pressure high and of the warning
    BoardTempLowUnit, // also the unit of board temperature high
    PneumaticLeakUnit,
    SupplyPressureLowSet,
    SupplyPressureLowSetW,
    SupplyPressureHighSet,
    SupplyPressureLowValue, // the supply pressure, shown on all three supply rows
    PilotRelayResponseSet,
    PilotRelayResponseSetW,
    PilotRelayResponseValue,
    FrictionLowSet,
    FrictionHighSet,
    FrictionLowSetW,
    FrictionHighSetW,
    FrictionLowValue, // the friction, shown on all four friction rows
    PositionDeviationSet,
    PositionDeviationValue,
    ValveCyclesSet,
    ValveTravelSet,
    ValveCyclesValue,
    ValveTravelValue,
    PilotCyclesLimitSet,
    PilotTravelLimitSet,
    PilotCyclesLimitValue,
    PilotTravelLimitValue,
    SoftStopUpperLimitSet,
    SoftStopLowerLimitSet,
    PositionUpperLimitSet,
    PositionLowerLimitSet,
    PositionValue, // the position, shown on both position limit rows and as the MPC value
    BoardTempHighSet,
    BoardTempLowSet,
    BoardTempLowValue, // the board temperature, shown on both temperature rows
    PneumaticLeakSet,
    PneumaticLeakValue,
    ActuationRatioSet,
    ActuationRatioValue,
    MPCLowSetPointSet,
    MPCHighSetpointSet,
    OOSAct, // transducer block state text
    PressControlLbl,
    LocalInterfaceLbl,
    PotRotationLbl,
    PressBoardLbl,
    CalibrationInfo,
    PressureInfo,
    SquawkModeLbl,
    AOBoardLbl,
};

static_assert(AOBoardLbl == TextCount - 1);

} // namespace AlarmAnnunciatorIndex
