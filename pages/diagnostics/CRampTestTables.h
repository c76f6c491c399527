#pragma once

// The constants and box table the ramp test page's files share.

#include "CRampTest.h"

#include <QString>

#include <cstdint>

namespace RampTestPage
{
constexpr uint8_t SoftwareSwitchesByte = 0x38;
constexpr uint8_t AirToOpenBit = 0x01;
constexpr uint16_t RampSignatureType = 9;
constexpr uint8_t SmallerModel = 6;
constexpr uint8_t LargerModel = 5;
constexpr uint8_t Millimetres = 49;

inline QString s(const char* text)
{
    return QString::fromLatin1(text);
}

// The channels of one box in each view; nullptr: the box does nothing there.
struct BoxChannels {
    int box;
    const char* ramp;
    const char* pressure[2]; // opening, closing
    const char* versusCommand[2];
};
inline constexpr BoxChannels BoxTable[] = {
    { CRampTest::PositionBox, "Position", { nullptr, nullptr }, { "PosnvCmdOpen", "PosnvCmdClose" } },
    { CRampTest::CommandBox, "Command", { nullptr, nullptr }, { nullptr, nullptr } },
    { CRampTest::Port1Box, "Port1", { "PvPPort1", "PvPPort1_2" }, { "Port1vCmdOpen", "Port1vCmdClose" } },
    { CRampTest::Port2Box, "Port2", { "PvPPort2", "PvPPort2_2" }, { "Port2vCmdOpen", "Port2vCmdClose" } },
    { CRampTest::RelayCommandBox, "ILCmd", { nullptr, nullptr }, { "ILCmdvCmdOpen", "ILCmdvCmdClose" } },
    { CRampTest::RelayPositionBox, "ILPOS", { nullptr, nullptr }, { "ILPosnvCmdOpen", "ILPosnvCmdClose" } },
};
} // namespace RampTestPage
