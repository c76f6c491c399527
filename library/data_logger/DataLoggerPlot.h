#pragma once

#include "controls/Plot.h"

#include <cstdint>

// The data logger plot: one time axis and three value axes, eight sample
// channels that the page appends to by name, and the two hidden channels
// that carry a run's settings and the device tag into its file.

namespace DataLoggerChannel
{
// The sample channels, in the order every sample appends to them.
inline constexpr const char* Position = "Position";
inline constexpr const char* Command = "Command";
inline constexpr const char* AnalogCommand = "AnalogCommand";
inline constexpr const char* Temperature = "Temperature";
inline constexpr const char* Port1 = "Port1";
inline constexpr const char* Port2 = "Port2";
inline constexpr const char* SpoolCommand = "Spool_CMD";
inline constexpr const char* SpoolPosition = "Spool_Pos";
inline constexpr const char* Samples[8]
    = { Position, Command, AnalogCommand, Temperature, Port1, Port2, SpoolCommand, SpoolPosition };
}

namespace DataLoggerAxis
{
inline constexpr const char* Time = "TAxis";
inline constexpr const char* Percent = "Percent";
inline constexpr const char* Temperature = "Temperature";
inline constexpr const char* Pressure = "Pressure";
}

// One channel as the set-up leaves it.
struct DataLoggerChannelLayout {
    const char* name;
    const char* title;
    uint32_t color; // a Windows colour value (0x00BBGGRR)
    const char* xAxis;
    const char* yAxis;
    bool shown;
};
extern const DataLoggerChannelLayout DataLoggerChannels[10];

// Title, fonts, tool strip, the time axis and the three value axes with their
// limit pairs. A null plot, or a failing call on it, raises ComError.
void ConfigureDataLoggerPlotControl(IPlotPtr plot);

// Removes every channel and makes the ten of the table, without points; the
// hidden two are neither drawn nor in the legend.
void SetupDataLoggerPlotChannels(IPlotPtr plot);

// Whether the plot shows a result, a finished or loaded run (each axis holds
// the samples shown with room at both ends and round labels, whatever the
// window), or a run as its samples come in (a strip chart over the window
// set). ComError as above.
void ShowDataLoggerResult(IPlotPtr plot, bool result);
