#pragma once

#include "controls/Plot.h"
#include "core/CompareChannels.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"

#include <QString>

#include <array>
#include <cstdint>

// The partial stroke plot: six signals against time, then the three hidden
// channels of the partial stroke file. The names are the keys between the
// partial stroke page, its compare page, the files and the reports; lookups
// ignore case.
namespace PstChannels
{

using ChannelRow = PlotChannelRow;

inline constexpr int TraceStyle = 12;

// The test page's plot.
inline constexpr std::array<ChannelRow, 9> Rows { {
    { "Position", "Position", 0x0A0AFF, "Time", "Position", TraceStyle },
    { "Command", "Command", 0xC00000, "Time", "Position", TraceStyle },
    { "Port1", "Port1 Pressure", 0x00FF00, "Time", "Pressure", TraceStyle },
    { "Port2", "Port2 Pressure", 0xCC00CC, "Time", "Pressure", TraceStyle },
    { "ILCmd", "Pilot Relay Command", 0x004000, "Time", "Position", TraceStyle },
    { "ILPOS", "Pilot Relay Position", 0x000080, "Time", "Position", TraceStyle },
    { "TestSettings", "TestSettings", 0xCC00CC, "None", "None", TraceStyle },
    { "Results", "Results", 0x004000, "None", "None", TraceStyle },
    { "TagName", "TagName", 0x000080, "None", "None", TraceStyle },
} };

// The compare page's scratch plot, into which each compared file is loaded.
inline constexpr std::array<ChannelRow, 9> ScratchRows { {
    { "Position", "Position", 0x0A0AFF, "PST Time[s]", "Position", TraceStyle },
    { "Command", "Command", 0xC00000, "Time", "Position", TraceStyle },
    { "Port1", "Port1 Pressure", 0x00FF00, "Time", "Pressure", TraceStyle },
    { "Port2", "Port2 Pressure", 0xCC00CC, "Time", "Pressure", TraceStyle },
    { "ILCmd", "Pilot Relay Command", 0x004000, "Time", "Position", TraceStyle },
    { "ILPOS", "Pilot Relay Position", 0x000080, "Time", "Position", TraceStyle },
    { "TestSettings", "Test Settings", 0xCC00CC, "None", "None", TraceStyle },
    { "Results", "Results", 0x004000, "None", "None", TraceStyle },
    { "TagName", "Tag Name", 0x000080, "None", "None", TraceStyle },
} };

// The visible compare plot: the six signals of both files and their differences.
inline constexpr std::array<ChannelRow, 18> CompareRows = CompareChannelRows(CompareTimeSignals);

// The signals of file 2.
using CopyRow = CompareCopyRow;
inline constexpr std::array<CopyRow, 6> CopyRows = CompareCopyRows(CompareTimeSignals);

// The six signals a partial stroke file must carry.
inline constexpr std::array<const char*, 6> Signals { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" };

inline const QString TimeAxis = QStringLiteral("Time");
inline const QString PositionAxis = QStringLiteral("Position");
inline const QString PressureAxis = QStringLiteral("Pressure");

} // namespace PstChannels
