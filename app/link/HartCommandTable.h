#pragma once

#include <QString>

// The HART commands the program sends, once: the name the program's code uses,
// the dispatcher number, the name in the log, and whether DispatchRead or
// DispatchWrite sends it. WriteTrendState1 and 2 are dispatcher numbers only:
// both send HART command 182.
#define SW_HART_COMMANDS(X)                                                                                            \
    X(ReadTagDescriptorDate, 13, "read_tag_descriptor_date", Read)                                                     \
    X(WriteTagDescriptorDate, 18, "write_tag_descriptor_date", Write)                                                  \
    X(ReadAdditionalDeviceStatus, 48, "read_additional_device_status", Read)                                           \
    X(ReadStatusMask, 166, "Read_Status_Mask_LDXD_Mode ", Read)                                                        \
    X(WriteStatusMask, 167, "Write_Status_Mask_LDXD_Mode", Write)                                                      \
    X(ReadValveTravelCycleCount, 173, "Read_Valve_Travel_Cycle_Count", Read)                                           \
    X(WriteValveTravelCycleCounts, 174, "Write_Valve_Travel_Cycle_Counts", Write)                                      \
    X(ReadPstInfo, 175, "Read_PST_Info", Read)                                                                         \
    X(ReadActRatioInfo, 177, "Read_ActRatio_Info", Read)                                                               \
    X(WriteActRatioInfo, 178, "Write_ActRatio_Info", Write)                                                            \
    X(ReadSpoolInfo, 179, "Read_Spool_Info", Read)                                                                     \
    X(WriteSpoolInfo, 180, "Write_Spool_Info", Write)                                                                  \
    X(ReadTrendTable, 181, "Read_Trend_Table", Read)                                                                   \
    X(ReadTrendState, 184, "Read_Trend_State", Read)                                                                   \
    X(ReadStickValues, 187, "Read_Stick_Values", Read)                                                                 \
    X(WriteStickValues, 188, "Write_Stick_Values", Write)                                                              \
    X(ReadLeakValues, 189, "Read_Leak_Values", Read)                                                                   \
    X(WriteLeakValues, 190, "Write_Leak_Values", Write)                                                                \
    X(ReadWorstCase, 194, "Read_Worst_Case", Read)                                                                     \
    X(ReadSupplyPressure, 195, "Read_Supply_Pressure", Read)                                                           \
    X(WriteSupplyPressure, 196, "Write_Supply_Pressure", Write)                                                        \
    X(ReadFrictionSettings, 197, "Read_Friction_Settings", Read)                                                       \
    X(WriteFrictionSettings, 198, "Write_Friction_Settings", Write)                                                    \
    X(ReadMisc, 200, "Read_Misc_cmd", Read)                                                                            \
    X(WriteMisc, 201, "Write_Misc_cmd", Write)                                                                         \
    X(ReadStatus, 202, "Read_Status_cmd", Read)                                                                        \
    X(WriteStatus, 203, "Write_Status_cmd", Write)                                                                     \
    X(ReadPressure, 204, "Read_Pressure", Read)                                                                        \
    X(ReadCharact, 212, "Read_Charact_cmd", Read)                                                                      \
    X(WriteCharact, 213, "Write_Charact_cmd", Write)                                                                   \
    X(ReadPositionAlert, 218, "Read_Position_Alrt_cmd", Read)                                                          \
    X(WritePositionAlert, 219, "Write_Position_Alrt_cmd", Write)                                                       \
    X(ReadUnits, 220, "Read_Units", Read)                                                                              \
    X(WriteUnits, 221, "Write_Units", Write)                                                                           \
    X(ReadCalibration, 224, "Read_Calibration_cmd", Read)                                                              \
    X(WriteCalibration, 225, "Write_Calibration_cmd", Write)                                                           \
    X(ReadCalLoop, 226, "Read_Cal_Loop_cmd", Read)                                                                     \
    X(WriteCalLoop, 227, "Write_Cal_Loop_cmd", Write)                                                                  \
    X(ReadErrorHist, 228, "Read_Error_Hist_cmd", Read)                                                                 \
    X(WriteErrorHist, 229, "Write_Error_Hist_cmd", Write)                                                              \
    X(ReadActuator, 230, "Read_Actuator_cmd", Read)                                                                    \
    X(WriteActuator, 231, "Write_Actuator_cmd", Write)                                                                 \
    X(SendSigStart, 233, "SendSigStart", Write)                                                                        \
    X(ReadValve, 234, "Read_Valve_cmd", Read)                                                                          \
    X(WriteValve, 235, "Write_Valve_cmd", Write)                                                                       \
    X(ReadValveTrim, 236, "Read_Valve_Trim_cmd", Read)                                                                 \
    X(WriteValveTrim, 237, "Write_Valve_Trim_cmd", Write)                                                              \
    X(ReadLimitsChar, 240, "ReadLimitsChar", Read)                                                                     \
    X(ReadCharact2, 244, "Read_Charact_cmd2", Read)                                                                    \
    X(WriteCharact2, 245, "Write_Charact_cmd2", Write)                                                                 \
    X(ReadConfig, 246, "Read_Config_cmd", Read)                                                                        \
    X(WriteConfig, 247, "Write_Config_cmd", Write)                                                                     \
    X(ReadSigData, 252, "ReadSigData", Read)                                                                           \
    X(ReadSigSettings, 253, "Read_SigSettings", Read)                                                                  \
    X(WriteTrendState1, 1821, "Write_Trend_State1", Write)                                                             \
    X(WriteTrendState2, 1822, "Write_Trend_State2", Write)

enum class HartCommand : int {
#define SW_HART_COMMAND_ENUM(name, number, logName, kind) name = number,
    SW_HART_COMMANDS(SW_HART_COMMAND_ENUM)
#undef SW_HART_COMMAND_ENUM
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
