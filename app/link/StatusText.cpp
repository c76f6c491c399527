#include "StatusText.h"

#include <array>

namespace
{
constexpr int StatusCount = DeviceStatusCount;

// Indexed by status number; nullptr marks an unused number.
const std::array<const char*, StatusCount>& statusTexts()
{
    static const std::array<const char*, StatusCount> texts = {
        "Initializing Mode", // 0
        "Factory Reset State - Calibrate.", // 1
        "Digital Command Mode", // 2
        "Squawk Mode On/Off", // 3
        "Jog Command State - Control locally", // 4
        "Signature In Progress Mode", // 5
        nullptr, // 6
        nullptr, // 7
        "Position Deviation Alarm", // 8
        "Soft Stop Upper Limit Alert", // 9
        "Soft Stop Lower Limit Alert", // 10
        "Position Upper Limit Alert", // 11
        "Position Lower Limit Alert", // 12
        "MPC Active Mode", // 13
        "Local Interface Disabled/Enabled", // 14
        "Error History Reset Alert", // 15
        "Actuation Ratio Warning", // 16
        "Pneumatic Inability to Fail Safe Warning", // 17
        "Friction High Warning", // 18
        "Friction Low Warning", // 19
        "Friction High Alarm", // 20
        "Friction Low Alarm", // 21
        "Valve Cycles Limit Alert", // 22
        "Valve Travel Limit Alert", // 23
        "Stroke Calibration Mode", // 24
        "Command Loop Calibration Mode", // 25
        "Pressure Calibration Mode", // 26
        "Analog Output Calibration Mode", // 27
        "Set Inner Loop Offset Mode", // 28
        nullptr, // 29
        nullptr, // 30
        nullptr, // 31
        "Circuit Board Temperature High Warning", // 32
        "Circuit Board Temperature Low Warning", // 33
        "Shunt Voltage Reference Alarm", // 34
        "Piezo Voltage Alarm", // 35
        "Watch Dog Time Out Alarm", // 36
        "Non-Volatile RAM Checksum Alarm", // 37
        nullptr, // 38
        "Electronic Inability to Fail Safe Warning", // 39
        "Supply Pressure Low Alarm", // 40
        "Supply Pressure High Warning", // 41
        "Supply Pressure Low Warning", // 42
        "Pressure Port 1 Out Of Range Warning", // 43
        "Pressure Port 2 Out Of Range Warning", // 44 (larger model)
        "Pressure Port 1 Range Small Warning", // 45
        "Pressure Port 2 Range Small Warning", // 46
        "Pneumatic Leak Warning", // 47
        "Pilot Relay Response Warning", // 48
        "Pilot Relay Response Alarm", // 49
        "Pilot Cycles Limit Alert", // 50
        "Pilot Travel Limit Alert", // 51
        "Hall Sensor Upper Position Alarm", // 52
        "Hall Sensor Lower Position Alarm", // 53
        nullptr, // 54
        nullptr, // 55
        "Feedback Range Too Small Alarm", // 56
        "0% Position Out Of Range Alarm", // 57
        "100% Position Out Of Range Alarm", // 58
        "Feedback No Motion Time Out Alarm", // 59
        "Feedback Non-Settle Time Out Alarm", // 60
        "Inner Loop Offset Time Out Alarm", // 61
        "Jog Calibration State", // 62
        nullptr, // 63
        "Command Loop Range Too Small Warning", // 64
        "Command Loop 100% Signal Out Of Range Warning", // 65
        "Command Loop 0% Signal Out Of Range Warning", // 66
        "Analog Output Range Too Small Warning", // 67
        nullptr, // 68
        nullptr, // 69
        nullptr, // 70
        nullptr, // 71
        "Pressure Sensor Board Present/Absent", // 72
        "Analog Output Board Present/Absent", // 73
        "Pressure Control Locked/Inactive", // 74
        "Feedback Pot Rotation Reversed/Normal", // 75
        nullptr, // 76
        nullptr, // 77
        nullptr, // 78
        nullptr, // 79
    };
    return texts;
}
}

QString GetStatusText(int statusNumber, int deviceType)
{
    if (statusNumber == 44 && deviceType == 6)
        return QStringLiteral("Supply Port Out Of Range Warning");
    if (statusNumber < 0 || statusNumber >= StatusCount)
        return {};
    const char* text = statusTexts()[statusNumber];
    return text ? QString::fromLatin1(text) : QString();
}
