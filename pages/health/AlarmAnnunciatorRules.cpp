#include "AlarmAnnunciatorRules.h"

#include "alarms/AlarmAnnunciatorIndex.h"

#include <algorithm>
#include <initializer_list>

namespace AlarmAnnunciatorRules
{
namespace
{
using namespace AlarmAnnunciatorIndex;
using A = Availability;
constexpr Kind R = Kind::Red;
constexpr Kind Y = Kind::Yellow;
constexpr Kind W = Kind::White;
constexpr int NV = NoVariable;
constexpr int NF = NoFlag;

// clang-format off
const Indicator Table[] = {
    // id  mask   active       kind availability      active flag              masked flag
    { 705, 7, 3, 0x80, 3, R, A::Always,        NoMotionTimeOutAct,        NoMotionTimeOutMsk },
    { 706, 7, 4, 0x80, 4, R, A::Always,        NonSettleTimeOutAct,       NonSettleTimeOutMsk },
    { 707, 7, 5, 0x80, 5, R, A::Always,        ILOTimeOutAct,             ILOTimeOutMsk },
    { 702, 7, 0, 0x80, 0, R, A::Always,        FdbkRangeSmallAct,         FdbkRangeSmallMsk },
    { 703, 7, 1, 0x80, 1, R, A::Always,        ZeroPosOutOfRangeAct,      ZeroPosOutOfRangeMsk },
    { 704, 7, 2, 0x80, 2, R, A::Always,        HundredPosOORangeAct,      HundredPosOORangeMsk },
    { 742, 5, 0, 0x7E, 0, R, A::PressureBoard, SupplyPressureLowAct,      SupplyPressureLowMsk },
    { 731, 4, 5, 0x7D, 5, R, A::Always,        NVRAMChecksumAct,          NVRAMChecksumMsk },
    { 730, 4, 4, 0x7D, 4, R, A::Always,        WatchDogTimeOutAct,        WatchDogTimeOutMsk },
    { 728, 4, 2, 0x7D, 2, R, A::Always,        ShuntVoltageRefAct,        ShuntVoltageRefMsk },
    { 698, 6, 4, 0x7F, 4, R, A::Always,        HallSensorUpperPosAct,     HallSensorUpperPosMsk },
    { 699, 6, 5, 0x7F, 5, R, A::Always,        HallSensorLowerPosAct,     HallSensorLowerPosMsk },
    { 729, 4, 3, 0x7D, 3, R, A::Always,        PiezoVoltageAct,           PiezoVoltageMsk },
    { 695, 6, 1, 0x7F, 1, R, A::Always,        PilotRelayResponseAct,     PilotRelayResponseMsk },
    { 723, 2, 5, 0x7B, 5, R, A::Friction,      FrictionLowAct,            FrictionLowMsk },
    { 749, 2, 4, 0x7B, 4, R, A::Friction,      FrictionHighAct,           FrictionHighMsk },
    { 678, 1, 0, 0x7A, 0, R, A::Always,        PositionDeviationAct,      PositionDeviationMsk },
    { 724, 2, 6, 0x7B, 6, Y, A::Always,        ValveCyclesAct,            ValveCyclesMsk },
    { 725, 2, 7, 0x7B, 7, Y, A::Always,        ValveTravelAct,            ValveTravelMsk },
    { 696, 6, 2, 0x7F, 2, Y, A::Always,        PilotCyclesLimitAct,       PilotCyclesLimitMsk },
    { 697, 6, 3, 0x7F, 3, Y, A::Always,        PilotTravelLimitAct,       PilotTravelLimitMsk },
    { 679, 1, 1, 0x7A, 1, Y, A::Always,        SoftStopUpperLimitAct,     SoftStopUpperLimitMsk },
    { 680, 1, 2, 0x7A, 2, Y, A::Always,        SoftStopLowerLimitAct,     SoftStopLowerLimitMsk },
    { 681, 1, 3, 0x7A, 3, Y, A::Always,        PositionUpperLimitAct,     PositionUpperLimitMsk },
    { 682, 1, 4, 0x7A, 4, Y, A::Always,        PositionLowerLimitAct,     PositionLowerLimitMsk },
    { 685, 1, 7, 0x7A, 7, Y, A::Always,        ErrorHistoryResetAct,      ErrorHistoryResetMsk },
    { 747, 5, 5, 0x7E, 5, Y, A::PressureBoard, Port1RangeSmallAct,        Port1RangeSmallMsk },
    { 748, 5, 6, 0x7E, 6, Y, A::Port2,         Port2RangeSmallAct,        Port2RangeSmallMsk },
    { 743, 5, 1, 0x7E, 1, Y, A::PressureBoard, SupplyPressureHighAct,     SupplyPressureHighMsk },
    { 744, 5, 2, 0x7E, 2, Y, A::PressureBoard, SupplyPressureLowActW,     SupplyPressureLowMskW },
    { 745, 5, 3, 0x7E, 3, Y, A::PressureBoard, Port1OutOfRangeAct,        Port1OutOfRangeMsk },
    { 746, 5, 4, 0x7E, 4, Y, A::Port2,         Port2OutOfRangeAct,        Port2OutOfRangeMsk },
    { 727, 4, 1, 0x7D, 1, Y, A::Always,        BoardTempLowAct,           BoardTempLowMsk },
    { 726, 4, 0, 0x7D, 0, Y, A::Always,        BoardTempHighAct,          BoardTempHighMsk },
    { 720, 2, 1, 0x7B, 1, Y, A::PressureBoard, PneumaticFailSafeAct,      PneumaticFailSafeMsk },
    { 733, 4, 7, 0x7D, 7, Y, A::Always,        ElectronicFailSafeAct,     ElectronicFailSafeMsk },
    { 722, 2, 3, 0x7B, 3, Y, A::Friction,      FrictionLowActW,           FrictionLowMskW },
    { 721, 2, 2, 0x7B, 2, Y, A::Friction,      FrictionHighActW,          FrictionHighMskW },
    { 694, 6, 0, 0x7F, 0, Y, A::Always,        PilotRelayResponseActW,    PilotRelayResponseMskW },
    { 718, 5, 7, 0x7E, 7, Y, A::PressureBoard, PneumaticLeakAct,          PneumaticLeakMsk },
    { 719, 2, 0, 0x7B, 0, Y, A::PressureBoard, ActuationRatioAct,         ActuationRatioMsk },
    { 662, 0, 0, 0x79, 0, Y, A::Always,        InitializingAct,           InitializingMsk },
    { 713, 3, 4, 0x7C, 4, Y, A::Always,        SettingILOAct,             SettingILOMsk },
    { 710, 3, 0, 0x7C, 0, Y, A::Always,        StrokeCalibrationAct,      StrokeCalibrationMsk },
    { 712, 3, 2, 0x7C, 2, Y, A::PressureBoard, PressureCalibrationAct,    PressureCalibrationMsk },
    { 667, 0, 5, 0x79, 5, Y, A::Always,        SignatureinProgressAct,    SignatureinProgressMsk },
    { 683, 1, 5, 0x7A, 5, Y, A::Always,        MPCActiveAct,              MPCActiveMsk },
    { 663, 0, 1, 0x79, 1, R, A::Always,        FactoryResetStateAct,      FactoryResetStateMsk },
    { 666, 0, 4, 0x79, 4, R, A::Always,        JogCommandStateAct,        JogCommandStateMsk },
    { 708, 7, 6, 0x80, 6, R, A::Always,        JogCalSet100Act,           JogCalSet100Msk },
    { 737, 8, 3, 0x81, 3, Y, A::AoBoard,       AORangeTooSmallAct,        AORangeTooSmallMsk },
    { 736, 8, 2, 0x81, 2, Y, A::Always,        ZeroSignalOORangeAct,      ZeroSignalOORangeMsk },
    { 735, 8, 1, 0x81, 1, Y, A::Always,        HundredSignalOORangeAct,   HundredSignalOORangeMsk },
    { 734, 8, 0, 0x81, 0, Y, A::Always,        CommRangeSmallAct,         CommRangeSmallMsk },
    { 711, 3, 1, 0x7C, 1, Y, A::Always,        CommandCalibrationAct,     CommandCalibrationMsk },
    { 716, 3, 3, 0x7C, 3, Y, A::AoBoard,       AnalogOutputCalAct,        AnalogOutputCalMsk },
    { 664, 0, 2, 0x79, 2, Y, A::Always,        DigitalCommSourceAct,      DigitalCommSourceMsk },
    { 665, 0, 3, 0x79, 3, W, A::Always,        NF, NF },
    { 684, 1, 6, NV,   0, W, A::Always,        NF, NF },
    { 686, 9, 0, NV,   0, W, A::Always,        NF, NF },
    { 687, 9, 1, NV,   0, W, A::Always,        NF, NF },
    { 688, 9, 2, NV,   0, W, A::Always,        NF, NF },
    { 689, 9, 3, NV,   0, W, A::Always,        NF, NF },
};
// clang-format on
static_assert(std::size(Table) == 63);

bool among(int id, std::initializer_list<int> ids)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

std::span<const Indicator> indicators()
{
    return Table;
}

const Indicator* indicator(int id)
{
    const auto found
        = std::find_if(std::begin(Table), std::end(Table), [id](const Indicator& i) { return i.id == id; });
    return found == std::end(Table) ? nullptr : &*found;
}

bool available(const Indicator& indicator, const Conditions& c)
{
    const bool k90 = c.deviceType == 5;
    const bool k40 = c.deviceType == 6;
    switch (indicator.availability) {
    case Availability::Always:
        return true;
    case Availability::PressureBoard:
        return c.pressureBoard;
    case Availability::AoBoard:
        return c.aoBoard;
    case Availability::Friction:
        return c.pressureBoard && (k90 || c.k40FrictionModel);
    case Availability::Port2:
        return c.pressureBoard && (k40 || !c.config28Bit5);
    }
    return true;
}

bool k90Only(int id)
{
    return among(id, { 718, 719, 720 });
}

MaskPaint maskPaint(const Indicator& indicator, bool enabled, const Conditions& c)
{
    using namespace Colour;
    MaskPaint paint;
    const int id = indicator.id;
    if (c.deviceType == 6 && k90Only(id)) {
        paint.skip = true;
        return paint;
    }
    if (indicator.kind == Kind::White) {
        paint.color = paint.errorColor = enabled ? White : LightGrey;
        return paint;
    }
    paint.maskedFlag = enabled ? 0 : 1;
    if (available(indicator, c)) {
        paint.color = enabled ? Green : DarkGreen;
        if (indicator.kind == Kind::Red)
            paint.errorColor = enabled ? Red : DarkRed;
        else
            paint.errorColor = enabled ? Yellow : DarkYellow;
        return paint;
    }
    if (id == 720) {
        paint.color = enabled ? LightGrey : DarkGrey;
    } else if (among(id, { 721, 722, 723 })) {
        paint.color = LightGrey;
    } else if (id == 749) {
        paint.color = enabled ? LightGrey : DimGrey;
    } else {
        paint.color = paint.errorColor = enabled ? LightGrey : DarkGrey;
    }
    if (among(id, { 720, 721, 722 }))
        paint.maskedFlag = 1;
    return paint;
}

bool activeTurnsGreen(int id)
{
    return among(id, { 712, 716, 718, 719, 720, 721, 722, 723, 737 }) || (id >= 742 && id <= 749);
}

} // namespace AlarmAnnunciatorRules
