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

// The compared signals. Each difference is file 2 less file 1, as the
// break-away differences beside the plot and in the report are, and its
// legend says so.
// clang-format off
inline constexpr std::array<CompareSignal, 6> CompareSignals { {
    { "Position", "Position2", "PositionDiff", "Position 1", "Position 2", "Position Delta (2 - 1)",
        0x0A0AFF, "Time", "Position", 25 },
    { "Command", "Command2", "CommandDiff", "Command 1", "Command 2", "Command Delta (2 - 1)",
        0xC00000, "Time", "Position", 20 },
    { "Port1", "Port1_2", "Port1Diff", "Port1 1 Pressure", "Port1 2 Pressure", "Port1 Delta Pressure (2 - 1)",
        0x00FF00, "Time", "Pressure", 22 },
    { "Port2", "Port2_2", "Port2Diff", "Port2 1 Pressure", "Port2 2 Pressure", "Port2 Delta Pressure (2 - 1)",
        0xCC00CC, "Time", "Pressure", 24 },
    { "ILCmd", "ILCmd2", "ILCmdDiff", "Pilot Relay Command 1", "Pilot Relay Command 2",
        "Pilot Relay Command Delta (2 - 1)", 0x004000, "Time", "Position", 26 },
    { "ILPOS", "ILPOS2", "ILPOSDiff", "Pilot Relay Position 1", "Pilot Relay Position 2",
        "Pilot Relay Position Delta (2 - 1)", 0x000080, "Time", "Position", 28 },
} };
// clang-format on

// The visible compare plot: the six signals of both files and their differences.
inline constexpr std::array<ChannelRow, 18> CompareRows = CompareChannelRows(CompareSignals);

// The signals of file 2, each difference file 2 less file 1.
using CopyRow = CompareCopyRow;
inline constexpr std::array<CopyRow, 6> CopyRows = [] {
    std::array<CopyRow, 6> rows = CompareCopyRows(CompareSignals);
    for (CopyRow& row : rows)
        row.secondLessFirst = true;
    return rows;
}();

// The six signals a partial stroke file must carry.
inline constexpr std::array<const char*, 6> Signals { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" };

inline const QString TimeAxis = QStringLiteral("Time");
inline const QString PositionAxis = QStringLiteral("Position");
inline const QString PressureAxis = QStringLiteral("Pressure");

} // namespace PstChannels
