#pragma once

#include "core/CompareChannels.h"
#include "core/ResultFile.h"

#include <QString>

#include <array>
#include <cstdint>

// The step compare plot: file 1 under the step plot's own channel names, file
// 2 under the names with "2" or "_2", and the point-wise differences under
// the names with "Diff".
namespace StepCompare
{

using ChannelRow = PlotChannelRow;

// The six signals over time and the port pressures against position.
// clang-format off
inline constexpr std::array<CompareSignal, 8> Signals = JoinedRows(CompareTimeSignals, std::array<CompareSignal, 2> { {
    { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", "Port1 1 Pressure", "Port1 2 Pressure", "Port1 Delta Pressure (2 - 1)",
        0x00FF00, "Position", "Pressure", 25 },
    { "PvPPort2", "PvPPort2_2", "PvPPort2Diff", "Port2 1 Pressure", "Port2 2 Pressure", "Port2 Delta Pressure (2 - 1)",
        0xCC00CC, "Position", "Pressure", 22 },
} });
// clang-format on

inline constexpr std::array<ChannelRow, 24> Rows = CompareChannelRows(Signals);

// The signals of file 2.
using CopyRow = CompareCopyRow;
inline constexpr std::array<CopyRow, 8> CopyRows = CompareCopyRows(Signals);

inline const CompareFileDialog OpenDialog { QStringLiteral("Open Step Test Results"), QStringLiteral("(*.stp)|*.stp|"),
    QStringLiteral("stp") };

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

} // namespace StepCompare
