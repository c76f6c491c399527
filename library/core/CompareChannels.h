#pragma once

#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"

#include <array>
#include <cstddef>
#include <cstdint>

// A compare plot draws each signal three times: file 1 under the test plot's
// own channel name as a plain line, file 2 with squares and their point-wise
// difference with triangles, all three in the signal's colour on its axes.
// Every difference is file 2 less file 1, on the screen and on paper, and
// every difference legend ends in "(2 - 1)" to say so.

// One signal of a compare plot: its three channels, their legend titles, and
// every how many copied points of file 2 a marker stands.
struct CompareSignal {
    const char* first;
    const char* second;
    const char* difference;
    const char* firstTitle;
    const char* secondTitle;
    const char* differenceTitle;
    uint32_t colour; // 0xBBGGRR
    const char* xAxis;
    const char* yAxis;
    int markerSpacing;
};

// The plot's rows for the signals: every file-1 channel, then every file-2
// channel, then every difference, each block in the signals' order.
template <size_t N>
constexpr std::array<PlotChannelRow, 3 * N> CompareChannelRows(const std::array<CompareSignal, N>& signal)
{
    std::array<PlotChannelRow, 3 * N> rows {};
    for (size_t k = 0; k < N; ++k) {
        const CompareSignal& s = signal[k];
        rows[k] = { s.first, s.firstTitle, s.colour, s.xAxis, s.yAxis, ChannelStyle::PlainTrace };
        rows[N + k] = { s.second, s.secondTitle, s.colour, s.xAxis, s.yAxis, ChannelStyle::Square };
        rows[2 * N + k] = { s.difference, s.differenceTitle, s.colour, s.xAxis, s.yAxis, ChannelStyle::Triangle };
    }
    return rows;
}

// Hides file 2's channel and the difference of each signal: a comparison
// of one file shows and prints that file alone.
template <class PlotPtr, size_t N>
void HideSecondFile(const PlotPtr& plot, const std::array<CompareSignal, N>& compared)
{
    for (const CompareSignal& s : compared) {
        OnCheckBoxChanged(plot, AutoString(s.second), false);
        OnCheckBoxChanged(plot, AutoString(s.difference), false);
    }
}

// File 2's copies of the signals, each difference drawn right after its copy.
template <size_t N> constexpr std::array<CompareCopyRow, N> CompareCopyRows(const std::array<CompareSignal, N>& signal)
{
    std::array<CompareCopyRow, N> rows {};
    for (size_t k = 0; k < N; ++k)
        rows[k] = { signal[k].first, signal[k].second, signal[k].difference, signal[k].markerSpacing };
    return rows;
}

template <class T, size_t N, size_t M>
constexpr std::array<T, N + M> JoinedRows(const std::array<T, N>& first, const std::array<T, M>& second)
{
    std::array<T, N + M> rows {};
    for (size_t k = 0; k < N; ++k)
        rows[k] = first[k];
    for (size_t k = 0; k < M; ++k)
        rows[N + k] = second[k];
    return rows;
}

// The six signals over time that the step, partial stroke and ramp compares
// share. Each difference is file 2 less file 1, and its legend says so.
// clang-format off
inline constexpr std::array<CompareSignal, 6> CompareTimeSignals { {
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
