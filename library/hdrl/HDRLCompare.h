#pragma once

#include "controls/Plot.h"
#include "core/PlotConfiguration.h"

#include <array>
#include <cstdint>

// The HDRL compare plot: file 1 under the HDRL plot's own data channel names,
// file 2 under the same names with "2". File 2's time traces run against
// their own time axis "Time2", so both runs span the plot whatever their
// settling times. File 1 is drawn as plain lines, file 2 with point markers.
namespace HDRLCompare
{

using ChannelRow = PlotChannelRow;

inline constexpr std::array<ChannelRow, 16> Rows { {
    { "Position", "Position", 0x0A0AFF, "Time", "Position", 12 },
    { "Command", "Command", 0xC00000, "Time", "Position", 12 },
    { "1stCycle-Incr", "1st Cycle-Incr", 0x0A0AFF, "Command", "PositionError", 12 },
    { "1stCycle-Decr", "1st Cycle-Decr", 0x00C000, "Command", "PositionError", 12 },
    { "2ndCycle-Incr", "2nd Cycle-Incr", 0xCC00CC, "Command", "PositionError", 12 },
    { "2ndCycle-Decr", "2nd Cycle-Decr", 0x000000, "Command", "PositionError", 12 },
    { "AverageError", "Average Error", 0x0A0AFF, "Command", "PositionError", 12 },
    { "LeastSquareLine", "Least SquareLine", 0x000000, "Command", "PositionError", 12 },
    { "Position2", "Position 2", 0x0A0AFF, "Time2", "Position", 0 },
    { "Command2", "Command 2", 0xC00000, "Time2", "Position", 0 },
    { "1stCycle-Incr2", "1st Cycle-Incr 2", 0x0A0AFF, "Command", "PositionError", 0 },
    { "1stCycle-Decr2", "1st Cycle-Decr 2", 0x00C000, "Command", "PositionError", 0 },
    { "2ndCycle-Incr2", "2nd Cycle-Incr 2", 0xCC00CC, "Command", "PositionError", 0 },
    { "2ndCycle-Decr2", "2nd Cycle-Decr 2", 0x000000, "Command", "PositionError", 0 },
    { "AverageError2", "Average Error 2", 0x0A0AFF, "Command", "PositionError", 0 },
    { "LeastSquareLine2", "Least SquareLine 2", 0x000000, "Command", "PositionError", 0 },
} };

// The order in which a file's channels are copied into the compare plot.
inline constexpr std::array<const char*, 8> CopyOrder { "Position", "Command", "AverageError", "LeastSquareLine",
    "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr", "2ndCycle-Decr" };

} // namespace HDRLCompare
