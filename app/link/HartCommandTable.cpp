#include "HartCommandTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace
{

constexpr std::pair<int, const char*> CommandNames[] = {
    { 13, "read_tag_descriptor_date" },
    { 18, "write_tag_descriptor_date" },
    { 48, "read_additional_device_status" },
    { 166, "Read_Status_Mask_LDXD_Mode " },
    { 167, "Write_Status_Mask_LDXD_Mode" },
    { 173, "Read_Valve_Travel_Cycle_Count" },
    { 174, "Write_Valve_Travel_Cycle_Counts" },
    { 175, "Read_PST_Info" },
    { 177, "Read_ActRatio_Info" },
    { 178, "Write_ActRatio_Info" },
    { 179, "Read_Spool_Info" },
    { 180, "Write_Spool_Info" },
    { 181, "Read_Trend_Table" },
    { 184, "Read_Trend_State" },
    { 187, "Read_Stick_Values" },
    { 188, "Write_Stick_Values" },
    { 189, "Read_Leak_Values" },
    { 190, "Write_Leak_Values" },
    { 194, "Read_Worst_Case" },
    { 195, "Read_Supply_Pressure" },
    { 196, "Write_Supply_Pressure" },
    { 197, "Read_Friction_Settings" },
    { 198, "Write_Friction_Settings" },
    { 200, "Read_Misc_cmd" },
    { 201, "Write_Misc_cmd" },
    { 202, "Read_Status_cmd" },
    { 203, "Write_Status_cmd" },
    { 204, "Read_Pressure" },
    { 212, "Read_Charact_cmd" },
    { 213, "Write_Charact_cmd" },
    { 218, "Read_Position_Alrt_cmd" },
    { 219, "Write_Position_Alrt_cmd" },
    { 220, "Read_Units" },
    { 221, "Write_Units" },
    { 224, "Read_Calibration_cmd" },
    { 225, "Write_Calibration_cmd" },
    { 226, "Read_Cal_Loop_cmd" },
    { 227, "Write_Cal_Loop_cmd" },
    { 228, "Read_Error_Hist_cmd" },
    { 229, "Write_Error_Hist_cmd" },
    { 230, "Read_Actuator_cmd" },
    { 231, "Write_Actuator_cmd" },
    { 233, "SendSigStart" },
    { 234, "Read_Valve_cmd" },
    { 235, "Write_Valve_cmd" },
    { 236, "Read_Valve_Trim_cmd" },
    { 237, "Write_Valve_Trim_cmd" },
    { 240, "ReadLimitsChar" },
    { 244, "Read_Charact_cmd2" },
    { 245, "Write_Charact_cmd2" },
    { 246, "Read_Config_cmd" },
    { 247, "Write_Config_cmd" },
    { 252, "ReadSigData" },
    { 253, "Read_SigSettings" },
    { 1821, "Write_Trend_State1" },
    { 1822, "Write_Trend_State2" },
};

constexpr std::array<int, 31> ReadCommands = { 13, 48, 166, 173, 175, 177, 179, 181, 184, 187, 189, 194, 195, 197, 200,
    202, 204, 212, 218, 220, 224, 226, 228, 230, 234, 236, 240, 244, 246, 252, 253 };

} // namespace

namespace HartCommandTable
{

QString GetCommandName(int command)
{
    for (const auto& [number, name] : CommandNames)
        if (number == command)
            return QString::fromLatin1(name);
    return QStringLiteral("Unknown");
}

bool IsReadCommand(int command)
{
    return std::find(ReadCommands.begin(), ReadCommands.end(), command) != ReadCommands.end();
}

int HartNumber(int command)
{
    return (command == 1821 || command == 1822) ? 182 : command;
}

} // namespace HartCommandTable
