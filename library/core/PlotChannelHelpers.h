#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "controls/XYPlot.h"

// Finding, copying, subtracting and showing plot channels by name. None of
// these catches anything: a failing call on a plot or channel raises ComError
// to the caller, and so does the first use of a channel that no name found
// (invalid pointer).

// The channel of that name, through the plot's "GetChannelByName" method: null
// when no channel bears the name (or it is not a channel of the plot's kind);
// ComError when the plot is null or offers no such method.
IPlotChannelPtr GetDispatchDriverIPlotXChannelByName(const IPlotPtr& plot, AutoString name);
IXYPlotChannelPtr GetDispatchDriverIXYPlotXChannelByName(const IXYPlotPtr& plot, AutoString name);

// Copies every point of the source channel into the destination channel and
// then shows or hides the destination (trace and legend entry). The plot form
// replaces the destination's points; the XY form appends to them.
void LoadChannel(
    AutoString sourceName, AutoString destinationName, bool visible, IPlotPtr sourcePlot, IPlotPtr destinationPlot);
void LoadChannel(
    AutoString sourceName, AutoString destinationName, bool visible, IXYPlotPtr sourcePlot, IXYPlotPtr destinationPlot);

// As above, replacing the destination's points in both forms, and marking
// every markerSpacing-th point (0, N, 2N, ...) so that a channel set up with
// a marker style shows a marker there. A spacing below 1 counts as 1.
void LoadChannel(AutoString sourceName, AutoString destinationName, int markerSpacing, bool visible,
    IPlotPtr sourcePlot, IPlotPtr destinationPlot);
void LoadChannel(AutoString sourceName, AutoString destinationName, int markerSpacing, bool visible,
    IXYPlotPtr sourcePlot, IXYPlotPtr destinationPlot);

// Fills the difference channel with (X of the first, Y of the second minus Y
// of the first) at every index both channels hold, marks every
// markerSpacing-th point, and shows or hides it. All three channels belong to
// the one plot.
void LoadDiffChannel(AutoString firstName, AutoString secondName, AutoString differenceName, int markerSpacing,
    bool visible, IPlotPtr plot);
void LoadDiffChannel(AutoString firstName, AutoString secondName, AutoString differenceName, int markerSpacing,
    bool visible, IXYPlotPtr plot);

// One signal of a compared file 2: where it comes from in the scratch plot,
// where it and its difference from file 1 go, and every how many copied
// points a marker stands. A late difference is drawn once every row of its
// table is copied. Every difference is file 2 less file 1, the one sign every
// compare page and report states its results in.
struct CompareCopyRow {
    const char* source;
    const char* second;
    const char* difference;
    int markerSpacing;
    bool lateDifference = false;
};

// Copies file 2's signals and draws their differences, row by row, the late
// differences after the copies in the rows' order. A signal whose name ends
// in "Port1" is shown only with a pressure sensor, one ending in "Port2" only
// when `port2` says so; the rest are shown.
void LoadCompareRows(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, IPlotPtr scratch, IPlotPtr visible);
void LoadCompareRows(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, IXYPlotPtr scratch, IXYPlotPtr visible);

// Copies file 1's signals, the rows' sources, under their own names, without
// markers; the Port1 and Port2 signals are shown as LoadCompareRows shows them.
void LoadCompareSources(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, IPlotPtr scratch, IPlotPtr visible);

// Shows or hides a channel's trace and legend entry, as a check box asks.
void OnCheckBoxChanged(IPlotPtr plot, AutoString name, bool show);
void OnCheckBoxChanged(IXYPlotPtr plot, AutoString name, bool show);
