#pragma once

#include <QString>

// The HART commands the program sends, by dispatcher number (the name of each
// is the command table's, for the log). WriteTrendState1 and 2 are dispatcher
// numbers only: both send HART command 182.
enum class HartCommand : int {
    ReadTagDescriptorDate = 13,
    WriteTagDescriptorDate = 18,
    ReadAdditionalDeviceStatus = 48,
    ReadStatusMask = 166,
    WriteStatusMask = 167,
    ReadValveTravelCycleCount = 173,
    WriteValveTravelCycleCounts = 174,
    ReadPstInfo = 175,
    ReadActRatioInfo = 177,
    WriteActRatioInfo = 178,
    ReadSpoolInfo = 179,
    WriteSpoolInfo = 180,
    ReadTrendTable = 181,
    ReadTrendState = 184,
    ReadStickValues = 187,
    WriteStickValues = 188,
    ReadLeakValues = 189,
    WriteLeakValues = 190,
    ReadWorstCase = 194,
    ReadSupplyPressure = 195,
    WriteSupplyPressure = 196,
    ReadFrictionSettings = 197,
    WriteFrictionSettings = 198,
    ReadMisc = 200,
    WriteMisc = 201,
    ReadStatus = 202,
    WriteStatus = 203,
    ReadPressure = 204,
    ReadCharact = 212,
    WriteCharact = 213,
    ReadPositionAlert = 218,
    WritePositionAlert = 219,
    ReadUnits = 220,
    WriteUnits = 221,
    ReadCalibration = 224,
    WriteCalibration = 225,
    ReadCalLoop = 226,
    WriteCalLoop = 227,
    ReadErrorHist = 228,
    WriteErrorHist = 229,
    ReadActuator = 230,
    WriteActuator = 231,
    SendSigStart = 233,
    ReadValve = 234,
    WriteValve = 235,
    ReadValveTrim = 236,
    WriteValveTrim = 237,
    ReadLimitsChar = 240,
    ReadCharact2 = 244,
    WriteCharact2 = 245,
    ReadConfig = 246,
    WriteConfig = 247,
    ReadSigData = 252,
    ReadSigSettings = 253,
    WriteTrendState1 = 1821,
    WriteTrendState2 = 1822,
};

// The HART commands the program uses, by dispatcher number. 1821 and 1822 are
// dispatcher numbers only: both send HART command 182.
namespace HartCommandTable
{

// The command's name for the log; "Unknown" for any other number.
QString GetCommandName(int command);

// True for the read commands DispatchRead knows.
bool IsReadCommand(int command);

// The HART command a dispatcher number sends (182 for 1821 and 1822).
int HartNumber(int command);

} // namespace HartCommandTable
