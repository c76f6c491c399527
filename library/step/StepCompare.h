#pragma once

#include "core/ResultFile.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"

#include <QString>

#include <array>
#include <cstdint>

// The step compare plot: file 1 under the step plot's own channel names, file
// 2 under the names with "2" or "_2", and the point-wise differences under
// the names with "Diff". The three traces of one signal share colour and
// axes; the trace style tells them apart (plain, squares, triangles).
namespace StepCompare
{

using ChannelRow = PlotChannelRow;

inline constexpr std::array<ChannelRow, 24> Rows { {
    { "Position", "Position 1", 0x0A0AFF, "Time", "Position", 12 },
    { "Command", "Command 1", 0xC00000, "Time", "Position", 12 },
    { "Port1", "Port1 1 Pressure", 0x00FF00, "Time", "Pressure", 12 },
    { "Port2", "Port2 1 Pressure", 0xCC00CC, "Time", "Pressure", 12 },
    { "ILCmd", "Pilot Relay Command 1", 0x004000, "Time", "Position", 12 },
    { "ILPOS", "Pilot Relay Position 1", 0x000080, "Time", "Position", 12 },
    { "PvPPort1", "Port1 1 Pressure", 0x00FF00, "Position", "Pressure", 12 },
    { "PvPPort2", "Port2 1 Pressure", 0xCC00CC, "Position", "Pressure", 12 },
    { "Position2", "Position 2", 0x0A0AFF, "Time", "Position", 0 },
    { "Command2", "Command 2", 0xC00000, "Time", "Position", 0 },
    { "Port1_2", "Port1 2 Pressure", 0x00FF00, "Time", "Pressure", 0 },
    { "Port2_2", "Port2 2 Pressure", 0xCC00CC, "Time", "Pressure", 0 },
    { "ILCmd2", "Pilot Relay Command 2", 0x004000, "Time", "Position", 0 },
    { "ILPOS2", "Pilot Relay Position 2", 0x000080, "Time", "Position", 0 },
    { "PvPPort1_2", "Port1 2 Pressure", 0x00FF00, "Position", "Pressure", 0 },
    { "PvPPort2_2", "Port2 2 Pressure", 0xCC00CC, "Position", "Pressure", 0 },
    { "PositionDiff", "Position Delta", 0x0A0AFF, "Time", "Position", 5 },
    { "CommandDiff", "Command Delta", 0xC00000, "Time", "Position", 5 },
    { "Port1Diff", "Port1 Delta Pressure", 0x00FF00, "Time", "Pressure", 5 },
    { "Port2Diff", "Port2 Delta Pressure", 0xCC00CC, "Time", "Pressure", 5 },
    { "ILCmdDiff", "Pilot Relay Command Delta", 0x004000, "Time", "Position", 5 },
    { "ILPOSDiff", "Pilot Relay Position Delta", 0x000080, "Time", "Position", 5 },
    { "PvPPort1Diff", "Port1 Delta Pressure", 0x00FF00, "Position", "Pressure", 5 },
    { "PvPPort2Diff", "Port2 Delta Pressure", 0xCC00CC, "Position", "Pressure", 5 },
} };

// The signals of file 2.
using CopyRow = CompareCopyRow;

inline constexpr std::array<CopyRow, 8> CopyRows { {
    { "Position", "Position2", "PositionDiff", 25 },
    { "Command", "Command2", "CommandDiff", 20 },
    { "Port1", "Port1_2", "Port1Diff", 22 },
    { "Port2", "Port2_2", "Port2Diff", 24 },
    { "ILCmd", "ILCmd2", "ILCmdDiff", 26 },
    { "ILPOS", "ILPOS2", "ILPOSDiff", 28 },
    { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", 25 },
    { "PvPPort2", "PvPPort2_2", "PvPPort2Diff", 22 },
} };

inline const QString OpenTitle = QStringLiteral("Open Step Test Results");
inline const QString OpenFilter = QStringLiteral("(*.stp)|*.stp|");
inline const QString MismatchedChannels = QStringLiteral("Failed to Load Channels due to mismatched settings.");
inline const QString LoadCaption = QStringLiteral("LOAD");

// What a compare loader takes from one step test file.
struct FileValues {
    QString tag; // "NO TAG" when "TagName" holds no point
    QString testDate; // month/day/year, unpadded
    QString start;
    QString stop;
    QString hold;
    uint8_t singleActing = 0;
    uint8_t pressureSensor = 0;
    QString unitText; // "bar", "Kg/cm²", "kPa", "%", else "psi"
};

// Reads a step test file held in the scratch plot (or in loaded channels):
// ComError unless it has the eight signal channels, "TagName" and at least
// the nine settings points read here.
FileValues read(const ResultFileFrame::ChannelLookup& lookup);

// The pressure axis title of a compare: "Pressure [bar]".
QString pressureAxisTitle(const QString& unitText);

} // namespace StepCompare
