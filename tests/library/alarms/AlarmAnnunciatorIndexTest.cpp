#include "alarms/AlarmAnnunciatorIndex.h"

#include <gtest/gtest.h>

namespace
{

using namespace AlarmAnnunciatorIndex;

// The page counts the record's flags from 0, the printed report from 1; one
// named index must land on the same cell for both.
struct FlagPair {
    const char* item;
    int active;
    int masked;
    int pageActive; // as the annunciator page numbers it
    int pageMasked;
    int reportActive; // as the annunciator report numbers it
    int reportMasked;
};

const FlagPair flagPairs[] = {
    { "No Motion Time Out", NoMotionTimeOutAct, NoMotionTimeOutMsk, 0, 18, 1, 19 },
    { "NV RAM Checksum", NVRAMChecksumAct, NVRAMChecksumMsk, 7, 25, 8, 26 },
    { "Friction Low alarm", FrictionLowAct, FrictionLowMsk, 14, 32, 15, 33 },
    { "Loss of Inter PCB Com", LossInterAct, LossInterMask, 17, 35, 18, 36 },
    { "Valve Cycles", ValveCyclesAct, ValveCyclesMsk, 36, 45, 37, 46 },
    { "Error History Reset", ErrorHistoryResetAct, ErrorHistoryResetMsk, 44, 53, 45, 54 },
    { "Port 1 Range Small", Port1RangeSmallAct, Port1RangeSmallMsk, 54, 69, 55, 70 },
    { "Supply Pressure Low warning", SupplyPressureLowActW, SupplyPressureLowMskW, 57, 72, 58, 73 },
    { "Friction Low warning", FrictionLowActW, FrictionLowMskW, 64, 79, 65, 80 },
    { "Friction High warning", FrictionHighActW, FrictionHighMskW, 65, 80, 66, 81 },
    { "Actuation Ratio", ActuationRatioAct, ActuationRatioMsk, 68, 83, 69, 84 },
    { "Initializing", InitializingAct, InitializingMsk, 84, 90, 85, 91 },
    { "Signature in Progress", SignatureinProgressAct, SignatureinProgressMsk, 88, 94, 89, 95 },
    { "Factory Reset State", FactoryResetStateAct, FactoryResetStateMsk, 96, 99, 97, 100 },
    { "Jog Cal - Set 100%", JogCalSet100Act, JogCalSet100Msk, 98, 101, 99, 102 },
    { "AO Range Too Small", AORangeTooSmallAct, AORangeTooSmallMsk, 102, 106, 103, 107 },
    { "100% Signal OORange", HundredSignalOORangeAct, HundredSignalOORangeMsk, 104, 108, 105, 109 },
    { "Command Calibration", CommandCalibrationAct, CommandCalibrationMsk, 110, 113, 111, 114 },
    { "Digital Comm Source", DigitalCommSourceAct, DigitalCommSourceMsk, 112, 115, 113, 116 },
};

TEST(AlarmAnnunciatorIndex, EachFlagNameIsTheCellBothThePageAndTheReportMean)
{
    for (const FlagPair& pair : flagPairs) {
        EXPECT_EQ(pair.active, pair.pageActive) << pair.item;
        EXPECT_EQ(pair.masked, pair.pageMasked) << pair.item;
        EXPECT_EQ(pair.active + 1, pair.reportActive) << pair.item;
        EXPECT_EQ(pair.masked + 1, pair.reportMasked) << pair.item;
    }
}

TEST(AlarmAnnunciatorIndex, EachTextNameIsTheStringBothThePageAndTheReportMean)
{
    struct TextPosition {
        int index;
        int reportString; // counted from 1
    } positions[] = {
        { SupplyPressureLowUnit, 1 },
        { SupplyPressureLowValue, 7 },
        { FrictionLowValue, 15 },
        { PositionValue, 30 },
        { BoardTempLowValue, 33 },
        { MPCHighSetpointSet, 39 },
        { OOSAct, 40 },
        { PressControlLbl, 41 },
        { LocalInterfaceLbl, 42 },
        { SquawkModeLbl, 47 },
        { AOBoardLbl, 48 },
    };
    for (const TextPosition& position : positions)
        EXPECT_EQ(position.index + 1, position.reportString);
}

} // namespace
