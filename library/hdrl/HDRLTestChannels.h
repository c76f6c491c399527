#pragma once

#include "controls/Plot.h"
#include "core/PlotConfiguration.h"

#include <QString>

#include <array>
#include <cstdint>

// The HDRL test plot: position and command against time, the four cycle
// channels of position error against command, the average error and its
// least-squares line, then the two hidden channels of the HDRL test file. The
// names are the keys between the HDRL test page, the HDRL compare page, the
// HDRL files, the error analysis and the HDRL reports.
namespace HDRLTestChannels
{

using ChannelRow = PlotChannelRow;

inline constexpr std::array<ChannelRow, 10> Rows { {
    { "Position", "Position", 0x0A0AFF, "Time", "Position" },
    { "Command", "Command", 0xC00000, "Time", "Position" },
    { "1stCycle-Incr", "1st Cycle-Incr", 0x0A0AFF, "Command", "PositionError" },
    { "1stCycle-Decr", "1st Cycle-Decr", 0x00C000, "Command", "PositionError" },
    { "2ndCycle-Incr", "2nd Cycle-Incr", 0xCC00CC, "Command", "PositionError" },
    { "2ndCycle-Decr", "2nd Cycle-Decr", 0x000000, "Command", "PositionError" },
    { "AverageError", "Average Error", 0x0A0AFF, "Command", "PositionError" },
    { "LeastSquareLine", "Least SquareLine", 0x000000, "Command", "PositionError" },
    { "TestSettings", "TestSettings", 0xCC00CC, "None", "None" },
    { "TagName", "TagName", 0x000080, "None", "None" },
} };

// The eight data channels in the order the views set them.
inline constexpr std::array<const char*, 8> DataChannels { "Position", "Command", "1stCycle-Incr", "1stCycle-Decr",
    "2ndCycle-Incr", "2ndCycle-Decr", "AverageError", "LeastSquareLine" };

inline const QString TimeAxis = QStringLiteral("Time");
inline const QString CommandAxis = QStringLiteral("Command");
inline const QString Time2Axis = QStringLiteral("Time2");
inline const QString PositionAxis = QStringLiteral("Position");
inline const QString PositionErrorAxis = QStringLiteral("PositionError");

// The 25 command points of a run, percent: two full strokes.
inline constexpr std::array<int16_t, 25> CommandPoints { 0, 10, 30, 50, 70, 90, 100, 90, 70, 50, 30, 10, 0, 10, 30, 50,
    70, 90, 100, 90, 70, 50, 30, 10, 0 };
inline constexpr int StepCount = 25;
// "Position" and "Command" of a whole run: two points per step, one for the last.
inline constexpr int RunPoints = 2 * StepCount - 1;
// The settings points a file must hold: month, day, year, settling time.
inline constexpr int SettingsPoints = 4;

// The cycle channel a step's reading goes to; nullptr for the end points (0
// and 100 %), which belong to no cycle.
const char* CycleChannelOf(int step);

// One of the views: which data channels it shows and which axes.
enum class View { ControlSignal, HDR, Linearity };
// Sets the title, shows the view's data channels (trace and legend entry)
// and hides the others, then shows the view's axes and hides the others;
// "Time2" is hidden in every view. The hidden channels are not touched.
void ShowView(const IPlotPtr& plot, View view, const QString& title);

// Removes every channel of the plot and lays out the ten above; the two
// hidden channels are neither drawn nor listed in the legend.
void Setup(const IPlotPtr& plot);

// The axes as a save or load leaves them: time 0 .. 24 × settling time,
// command 0 .. 100, position 0 .. 100, position error −1.5 .. 1.5.
void ResetAxes(const IPlotPtr& plot, double settlingSeconds);

} // namespace HDRLTestChannels
