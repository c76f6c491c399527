#pragma once

#include "controls/Plot.h"
#include "core/PlotConfiguration.h"

#include <QString>

#include <array>
#include <cstdint>

// The step test plot: eight signal channels drawn against time or position,
// then the two hidden channels of the step test file. The names are the keys
// between the step test page, the step compare page, the step files and the
// step reports; lookups ignore case ("ILPos" finds "ILPOS").
namespace StepTestChannels
{

using ChannelRow = PlotChannelRow;

inline constexpr std::array<ChannelRow, 10> Rows { {
    { "Position", "Position", 0x0A0AFF, "Time", "Position" },
    { "Command", "Command", 0xC00000, "Time", "Position" },
    { "Port1", "Port1 Pressure", 0x00FF00, "Time", "Pressure" },
    { "Port2", "Port2 Pressure", 0xCC00CC, "Time", "Pressure" },
    { "ILCmd", "Pilot Relay Command", 0x004000, "Time", "Position" },
    { "ILPOS", "Pilot Relay Position", 0x000080, "Time", "Position" },
    { "PvPPort1", "Port 1 Pressure", 0x00FF00, "Position", "Pressure" },
    { "PvPPort2", "Port 2 Pressure", 0xCC00CC, "Position", "Pressure" },
    { "TestSettings", "TestSettings", 0xCC00CC, "None", "None" },
    { "TagName", "TagName", 0x000080, "None", "None" },
} };

// The eight signal channels in the order the views hide them.
inline constexpr std::array<const char*, 8> SignalsInHidingOrder { "PvPPort1", "PvPPort2", "Position", "Command",
    "Port1", "Port2", "ILCmd", "ILPOS" };

inline const QString TimeAxis = QStringLiteral("Time");
inline const QString PositionAxis = QStringLiteral("Position");
inline const QString PressureAxis = QStringLiteral("Pressure");

// Removes every channel of the plot and lays out the ten above; the two
// hidden channels are neither drawn nor listed in the legend.
void Setup(const IPlotPtr& plot);
// Shows or hides the eight signal channels (trace and legend entry).
void ShowSignals(const IPlotPtr& plot, bool show);
// Shows or hides an axis: both of its display switches alike.
void ShowXAxis(const IPlotPtr& plot, const QString& name, bool show);
void ShowYAxis(const IPlotPtr& plot, const QString& name, bool show);

} // namespace StepTestChannels
