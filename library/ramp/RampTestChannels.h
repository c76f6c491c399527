#pragma once

#include "controls/XYPlot.h"

#include <QString>

#include <array>
#include <cstdint>

// The ramp test's XY plot: 23 signal channels (six against time, four port
// pressures against position, five signals against command for each stroke
// direction, friction and the two thrust curves) and the three hidden
// channels of the ramp file. The names are the keys between the ramp test
// page, the ramp files, the ramp report and the ramp compare page's scratch
// plot; lookups ignore case ("ilcmd" finds "ILCmd").
namespace RampTestChannels
{

struct ChannelRow {
    const char* name;
    const char* title;
    uint32_t colour; // 0xBBGGRR
    const char* xAxis;
    const char* yAxis;
};

inline constexpr int ChannelCount = 26;

inline constexpr std::array<ChannelRow, ChannelCount> Rows { {
    { "Position", "Position", 0x0A0AFF, "Time", "Position" },
    { "Command", "Command", 0xC00000, "Time", "Position" },
    { "Port1", "Port1 Pressure", 0x00FF00, "Time", "Pressure" },
    { "Port2", "Port2 Pressure", 0xCC00CC, "Time", "Pressure" },
    { "ILCmd", "Pilot Relay Command", 0x004000, "Time", "Position" },
    { "ILPOS", "Pilot Relay Position", 0x000080, "Time", "Position" },
    { "PvPPort1", "Port 1 Pressure (opening)", 0x00FF00, "Position", "Pressure" },
    { "PvPPort2", "Port 2 Pressure (opening)", 0x000000, "Position", "Pressure" },
    { "PvPPort1_2", "Port 1 Pressure (closing)", 0xCC00CC, "Position", "Pressure" },
    { "PvPPort2_2", "Port 2 Pressure (closing)", 0x0A0AFF, "Position", "Pressure" },
    { "PosnvCmdOpen", "Position (opening)", 0x0A0AFF, "Command", "Position" },
    { "Port1vCmdOpen", "Port 1 Pressure (opening)", 0x00FF00, "Command", "Pressure" },
    { "Port2vCmdOpen", "Port 2 Pressure (opening)", 0x000000, "Command", "Pressure" },
    { "ILCmdvCmdOpen", "Pilot Relay Command (opening)", 0x990033, "Command", "Position" },
    { "ILPosnvCmdOpen", "Pilot Relay Position (opening)", 0xCC00FF, "Command", "Position" },
    { "PosnvCmdClose", "Position (closing)", 0xCC0099, "Command", "Position" },
    { "Port1vCmdClose", "Port 1 Pressure (closing)", 0x008B00, "Command", "Pressure" },
    { "Port2vCmdClose", "Port 2 Pressure (closing)", 0x000080, "Command", "Pressure" },
    { "ILCmdvCmdClose", "Pilot Relay Command (closing)", 0x0066FF, "Command", "Position" },
    { "ILPosnvCmdClose", "Pilot Relay Position (closing)", 0x808000, "Command", "Position" },
    { "Friction", "Friction", 0x0A0AFF, "Position", "FrictionY" },
    { "ThrustOpen", "Thrust (opening)", 0xC00000, "Position", "FrictionY" },
    { "ThrustClose", "Thrust (closing)", 0x00FF00, "Position", "FrictionY" },
    { "TestSettings", "TestSettings", 0xCC00CC, "None", "None" },
    { "Results", "Results", 0x004000, "None", "None" },
    { "TagName", "TagName", 0x000080, "None", "None" },
} };

// The 23 signal channels in the order a reset hides them.
inline constexpr std::array<const char*, 23> SignalsInHidingOrder { "Position", "Command", "Port1", "Port2", "ILCmd",
    "ILPOS", "PvPPort1", "PvPPort2", "PvPPort1_2", "PvPPort2_2", "PosnvCmdOpen", "PosnvCmdClose", "Port1vCmdOpen",
    "Port1vCmdClose", "Port2vCmdOpen", "Port2vCmdClose", "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen",
    "ILPosnvCmdClose", "Friction", "ThrustOpen", "ThrustClose" };

inline const QString TimeAxis = QStringLiteral("Time");
inline const QString PositionAxis = QStringLiteral("Position");
inline const QString CommandAxis = QStringLiteral("Command");
inline const QString PressureAxis = QStringLiteral("Pressure");
inline const QString ForceAxis = QStringLiteral("FrictionY");

// Removes every channel of the plot and lays out the 26 above, all empty;
// the three hidden channels are neither drawn nor listed in the legend.
void Setup(const IXYPlotPtr& plot);
// Hides the 23 signal channels and all six axes.
void Reset(const IXYPlotPtr& plot);
// Shows or hides an axis: both of its display switches alike.
void ShowXAxis(const IXYPlotPtr& plot, const QString& name, bool show);
void ShowYAxis(const IXYPlotPtr& plot, const QString& name, bool show);

// A one-way test opens when its stop lies above its start; equal, empty or
// non-numeric positions count as a closing test.
bool IsOpeningTest(const QString& start, const QString& stop);

} // namespace RampTestChannels
