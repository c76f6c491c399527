#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Everything the program knows about the connected positioner: the link state
// of the last exchange and the decoded fields of every reply. The application
// object holds the one instance; only the reply parser fills the decoded
// fields, pages read them after asking for a read and store into them before
// asking for a write. A failed transaction changes no decoded field.
struct DeviceData {
    // ---- link state ----
    // [count][command][byte count][data...]; count = bytes sent after it.
    std::array<uint8_t, 33> Request {};
    // The last reply [command][byte count][response code][device status][data...],
    // none when the last transaction got none.
    std::optional<QByteArray> Reply;
    int32_t ParseIndex = 0;
    int32_t FailureCount = 0;
    uint8_t Connected = 0;
    // Expanded device type from command 0 (reply byte 6): 6 = K40, else K90.
    uint8_t DeviceType = 0;
    uint16_t SignatureType = 0;
    // The kind of test (a `SignatureType` other than 0) whose start, answered
    // by the device, last wrote the device's one block of test settings from
    // this program; a stop leaves the block to the test it stopped. 0 until
    // such a start.
    uint16_t SettingsTestType = 0;

    // ---- 13 read_tag_descriptor_date ----
    QString Tag; // 8 characters
    QString Descriptor; // 16 characters

    // ---- 48 read_additional_device_status ----
    std::array<uint8_t, 9> AdditionalStatus {};

    // ---- 166 Read_Status_Mask_LDXD_Mode / 167 ----
    std::array<uint8_t, 10> StatusMask {};

    // ---- 173 Read_Valve_Travel_Cycle_Count / 174 ----
    // [0..2] u32, [3..5] u16, [6..8] u32, [9..10] u16, all kept 32 bits wide.
    std::array<uint32_t, 11> TravelCycle {};

    // ---- 175 Read_PST_Info ----
    struct PstInfoBlock {
        std::array<uint16_t, 3> Values {};
        uint8_t Result = 0;
    } PstInfo;

    // ---- 177 Read_ActRatio_Info / 178 ----
    std::array<uint16_t, 4> ActRatio {};

    // ---- 179 Read_Spool_Info / 180 ----
    // [3] and [7] are u16 on the wire, kept 32 bits wide.
    std::array<uint32_t, 8> SpoolInfo {};
    uint8_t SpoolResetSelector = 0; // set by pages only: 1 cycle counter, 2 travel counter

    // ---- 181 Read_Trend_Table ----
    struct TrendRowBlock {
        uint8_t Index = 0;
        std::array<uint16_t, 5> Values {};
    } TrendRow;

    // ---- 184 Read_Trend_State (also the 182 handshake replies) ----
    uint8_t TrendState = 0;

    // ---- 187 Read_Stick_Values / 188, 189 Read_Leak_Values / 190, 194 Read_Worst_Case ----
    std::array<uint16_t, 4> StickValues {};
    std::array<uint16_t, 4> LeakValues {};
    std::array<uint16_t, 4> WorstCase {};

    // ---- 195 Read_Supply_Pressure / 196: [0..1] u32, [2..6] u16 ----
    std::array<uint32_t, 7> SupplySettings {};

    // ---- 197 Read_Friction_Settings / 198 ----
    std::array<uint16_t, 8> FrictionSettings {};

    // ---- 200 Read_Misc_cmd ----
    uint8_t MiscReplyByteAddr = 0;
    uint8_t MiscReplyByte = 0;
    uint8_t MiscReplyWordAddr = 0;
    uint16_t MiscReplyWord = 0;
    uint8_t MiscReplyLongAddr = 0;
    uint32_t MiscReplyLong = 0;

    // ---- 202 Read_Status_cmd / 203 Write_Status_cmd ----
    uint8_t ControlMode = 0; // 64 = digital command source
    uint16_t DigitalCommand = 0;
    uint16_t Command = 0;
    uint16_t AnalogCommand = 0;
    uint16_t Position = 0;
    int16_t Deviation = 0; // hundredths of a percent
    float Temperature = 0.0f;
    uint8_t ActiveStatus = 0; // highest-priority active status, 255 = none

    // ---- 204 Read_Pressure ----
    uint16_t Port1Pressure = 0;
    uint16_t Port2Pressure = 0;
    uint32_t SupplyPressure = 0;

    // ---- 212 Read_Charact_cmd [0..9], 244 Read_Charact_cmd2 [10..20] ----
    std::array<uint16_t, 21> CharactPoints {};

    // ---- 218 Read_Position_Alrt_cmd / 219 ----
    std::array<uint16_t, 4> PositionAlerts {};
    // 219 sends word 3 in tenths of a second: a page that laid it in whole
    // seconds leaves this 0 and the write multiplies by 10; a page that sends
    // back the tenths the device gave sets it to 1.
    uint8_t PositionAlertFrameInTenths = 0;

    // ---- 220 Read_Units / 221 ----
    uint8_t TravelUnit = 0;
    uint8_t TemperatureUnit = 0;
    uint8_t PressureUnit = 0;
    QString TravelUnitLabel;
    QString TemperatureUnitLabel;
    QString PressureUnitLabel;
    QString PressureUnitText;
    QString FlowUnitLabel;

    // ---- 224 Read_Calibration_cmd / 225, 226 Read_Cal_Loop_cmd / 227 ----
    uint8_t CalState = 0; // written by both 224 and 226: the last decoded wins
    QString CalText; // 14 characters
    QString LoopCalText; // 14 characters

    // ---- 228 Read_Error_Hist_cmd / 229 ----
    std::array<uint8_t, 20> ErrorHistory {};

    // ---- 230 Read_Actuator_cmd / 231 ----
    std::array<uint8_t, 4> ActuatorCodes {};
    uint16_t ActuatorArea = 0;

    // ---- 234 Read_Valve_cmd / 235 ----
    std::array<uint8_t, 13> ValveCodes {};
    QString ValveText; // 10 characters

    // ---- 236 Read_Valve_Trim_cmd / 237 ----
    std::array<float, 5> ValveTrim {};

    // ---- 240 ReadLimitsChar ----
    std::array<float, 4> Limits {};

    // ---- 246 Read_Config_cmd / 247 ----
    std::array<uint8_t, 22> Config {};

    // ---- 252 ReadSigData ----
    std::array<uint16_t, 12> SigData {};

    // ---- 253 Read_SigSettings (233 lays its request from it) ----
    struct SigSettingsBlock {
        // The one store of the test / signature status: written by the 252
        // (byte 28), 253 (byte 4) and 233 (byte 4) replies.
        uint8_t Type = 0;
        uint8_t Byte = 0;
        std::array<float, 4> Floats {};
        uint16_t Word = 0;
    } SigSettings;

    // ---- Misc selector results ----
    uint8_t PressureSensorFlag = 1; // bit 0x01 of byte 0x82; pressures fitted until read otherwise
    uint8_t Config28Bit5 = 0; // bit 0x20 of byte 0x28
    float MiscLong69Value = 0.0f; // long 0x69 x 0.01: pressure full scale

    // ---- error-definition file: priority per status number ----
    std::array<int32_t, 100> StatusPriority {};

    // ---- flags kept for pages ----
    uint8_t FrictionLimitsApplied = 0; // set after every friction tolerance write, never cleared
    uint8_t RampBidirectional = 0;
    uint8_t ConfigByte28 = 0; // configuration byte 0x28 as last read by the partial stroke page
    uint8_t PressureUnitChanged = 0; // set on every pressure-unit Apply, read and cleared on activation

    // Other names under which pages know some of the fields above.
    int16_t& PositionDeviation() { return Deviation; }
    uint8_t& SignatureStatus() { return SigSettings.Type; }
    uint8_t& TestStatus() { return SigSettings.Type; }

    bool IsK40() const { return DeviceType == 6; }
};

// The type code the device keeps with its settings block for a test the
// program names by `signatureType`: the step test (99) goes out as 1, the
// code of the partial stroke too; every other type as its low byte.
inline uint8_t DeviceSignatureType(uint16_t signatureType)
{
    return signatureType == 99 ? 1 : static_cast<uint8_t>(signatureType & 0xFF);
}
