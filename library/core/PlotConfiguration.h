#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "controls/XYPlot.h"

#include <cstdint>
#include <initializer_list>

// Lays out a test's plot: the common plot behaviour, the title, and every X
// and Y axis (name, title, range). The plot keeps exactly the axes its test
// uses. A null plot, or a failing call on it, raises ComError to the caller.
void ConfigureStepTestPlotControl(IPlotPtr plot);
void ConfigurePSTPlotControl(IPlotPtr plot);
void ConfigureRampPlotControl(IXYPlotPtr plot);
void ConfigureHDRLPlotControl(IPlotPtr plot);

// Trace style codes of CreateChannels and CreateRampChannels.
namespace ChannelStyle
{
inline constexpr int32_t Square = 0; // markers at the marked points
inline constexpr int32_t Circle = 1;
inline constexpr int32_t Triangle = 5;
inline constexpr int32_t PlainTrace = 12;
}

// One channel of a plot's layout: its name, legend title, colour (0xBBGGRR),
// the axes it is drawn against and its trace style.
struct PlotChannelRow {
    const char* name;
    const char* title;
    uint32_t colour;
    const char* xAxis;
    const char* yAxis;
    int32_t style = ChannelStyle::PlainTrace;
};

// Lays the plot out from its rows: the plot's channels are replaced by one a
// row, "Channel 1", "Channel 2", ... taking the rows' names in order; then the
// `hidden` channels lose their trace and legend entry.
void LayOutChannels(
    const IPlotPtr& plot, const PlotChannelRow* rows, size_t count, std::initializer_list<const char*> hidden = {});
void LayOutChannels(const IXYPlotPtr& plot, const PlotChannelRow* rows, size_t count);

// Gives the channel that bears `currentName` (the name the plot gave it when
// it was added, "Channel 1", ...) its new name, legend title, colour (a
// Windows colour value), axes by name, and trace style: PlainTrace draws no
// markers; Square, Circle and Triangle show markers of that shape at the
// points the channel helpers mark; any other code leaves the markers alone.
// A name no channel bears raises ComError (invalid pointer); the channel is
// returned.
IPlotChannelPtr CreateChannels(IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title,
    int32_t color, AutoString xAxisName, AutoString yAxisName, int32_t style);
IXYPlotChannelPtr CreateRampChannels(IXYPlotPtr plot, AutoString currentName, AutoString newName, AutoString title,
    int32_t color, AutoString xAxisName, AutoString yAxisName, int32_t style);
