#include "core/PlotChannelHelpers.h"

#include "automation/ComError.h"
#include "core/ModuleStateGuard.h"

#include <QMetaObject>

#include <algorithm>
#include <cmath>

namespace
{

enum class Copy { Replace, Append };

template <class Channel, class PlotPtr> InterfacePtr<Channel> channelByName(const PlotPtr& plot, const AutoString& name)
{
    ModuleStateGuard moduleState;
    QObject* found = nullptr;
    if (!QMetaObject::invokeMethod(plot.checked(), "GetChannelByName", Qt::DirectConnection,
            Q_RETURN_ARG(QObject*, found), Q_ARG(QString, name.toQString())))
        throw ComError(ComError::Failure, QStringLiteral("The plot cannot look up channels by name"));
    return InterfacePtr<Channel>(qobject_cast<Channel*>(found));
}

IPlotChannelPtr lookUp(const IPlotPtr& plot, const AutoString& name)
{
    return GetDispatchDriverIPlotXChannelByName(plot, name);
}

IXYPlotChannelPtr lookUp(const IXYPlotPtr& plot, const AutoString& name)
{
    return GetDispatchDriverIXYPlotXChannelByName(plot, name);
}

// A spacing below 1 would divide by zero; it marks every point instead.
int spacingOf(int markerSpacing)
{
    return std::max(markerSpacing, 1);
}

// Trace and legend entry go together.
void show(PlotChannel& channel, bool visible)
{
    channel.SetVisible(visible);
    channel.SetLegendVisible(visible);
}

// Adds the source's points to the destination; with a spacing, marks every
// point whose index is a multiple of it.
void appendPoints(const PlotChannel& source, PlotChannel& destination, int markerSpacing)
{
    for (int i = 0; i < source.Count(); ++i) {
        const int added = destination.AddXY(source.GetX(i), source.GetY(i));
        if (markerSpacing > 0 && i % markerSpacing == 0)
            destination.MarkPoint(added, true);
    }
}

void copyPoints(const PlotChannel& source, PlotChannel& destination, Copy copy, int markerSpacing)
{
    if (&source == &destination) {
        // A channel copied onto itself: its points are taken first, because
        // clearing would lose them and appending while reading never ends.
        PlotChannel snapshot(QString(), 0, nullptr);
        snapshot.replaceData(PlotChannelData(source.data()));
        copyPoints(snapshot, destination, copy, markerSpacing);
        return;
    }
    if (copy == Copy::Replace)
        destination.Clear();
    appendPoints(source, destination, markerSpacing);
}

// Both channels are looked up before either is touched, so a name that finds
// nothing fails without emptying the other channel.
template <class PlotPtr>
void loadChannel(const AutoString& sourceName, const AutoString& destinationName, Copy copy, int markerSpacing,
    bool visible, const PlotPtr& sourcePlot, const PlotPtr& destinationPlot)
{
    ModuleStateGuard moduleState;
    const auto source = lookUp(sourcePlot, sourceName);
    const auto destination = lookUp(destinationPlot, destinationName);
    PlotChannel& from = *source;
    PlotChannel& to = *destination;
    if (markerSpacing > 0) {
        to.SetMarkersVisible(false);
        copyPoints(from, to, copy, markerSpacing);
        to.SetMarkersVisible(true);
    } else {
        copyPoints(from, to, copy, 0);
    }
    show(to, visible);
}

template <class PlotPtr>
void loadDiffChannel(const AutoString& firstName, const AutoString& secondName, const AutoString& differenceName,
    int markerSpacing, bool visible, const PlotPtr& plot)
{
    ModuleStateGuard moduleState;
    const auto firstChannel = lookUp(plot, firstName);
    const auto secondChannel = lookUp(plot, secondName);
    const auto differenceChannel = lookUp(plot, differenceName);
    const PlotChannel& first = *firstChannel;
    const PlotChannel& second = *secondChannel;
    PlotChannel& difference = *differenceChannel;
    const int spacing = spacingOf(markerSpacing);

    difference.Clear();
    difference.SetMarkersVisible(false);
    // Files of different lengths compare over the points both hold; a
    // signal that rose from file 1 to file 2 shows a positive difference.
    const int count = std::min(first.Count(), second.Count());
    for (int i = 0; i < count; ++i) {
        difference.AddXY(first.GetX(i), second.GetY(i) - first.GetY(i));
        if (i % spacing == 0)
            difference.MarkPoint(i, true);
    }
    difference.SetMarkersVisible(true);
    show(difference, visible);
}

template <class PlotPtr> void showChannel(const PlotPtr& plot, const AutoString& name, bool visible)
{
    ModuleStateGuard moduleState;
    show(*lookUp(plot, name), visible);
}

bool shownRow(const CompareCopyRow& row, bool pressure, bool port2)
{
    const QString source = QString::fromLatin1(row.source);
    if (source.endsWith(QLatin1String("Port1")))
        return pressure;
    if (source.endsWith(QLatin1String("Port2")))
        return port2;
    return true;
}

template <class PlotPtr>
void loadCompareRows(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, const PlotPtr& scratch, const PlotPtr& visible)
{
    const auto shown = [pressure, port2](const CompareCopyRow& row) { return shownRow(row, pressure, port2); };
    const auto difference = [&](const CompareCopyRow& row) {
        loadDiffChannel(AutoString(row.source), AutoString(row.second), AutoString(row.difference), row.markerSpacing,
            shown(row), visible);
    };
    for (size_t k = 0; k < count; ++k) {
        LoadChannel(AutoString(rows[k].source), AutoString(rows[k].second), rows[k].markerSpacing, shown(rows[k]),
            scratch, visible);
        if (!rows[k].lateDifference)
            difference(rows[k]);
    }
    for (size_t k = 0; k < count; ++k) {
        if (rows[k].lateDifference)
            difference(rows[k]);
    }
}

} // namespace

IPlotChannelPtr GetDispatchDriverIPlotXChannelByName(const IPlotPtr& plot, AutoString name)
{
    return channelByName<PlotChannel>(plot, name);
}

IXYPlotChannelPtr GetDispatchDriverIXYPlotXChannelByName(const IXYPlotPtr& plot, AutoString name)
{
    return channelByName<XYPlotChannel>(plot, name);
}

void LoadChannel(
    AutoString sourceName, AutoString destinationName, bool visible, IPlotPtr sourcePlot, IPlotPtr destinationPlot)
{
    loadChannel(sourceName, destinationName, Copy::Replace, 0, visible, sourcePlot, destinationPlot);
}

void LoadChannel(
    AutoString sourceName, AutoString destinationName, bool visible, IXYPlotPtr sourcePlot, IXYPlotPtr destinationPlot)
{
    loadChannel(sourceName, destinationName, Copy::Append, 0, visible, sourcePlot, destinationPlot);
}

void LoadChannel(AutoString sourceName, AutoString destinationName, int markerSpacing, bool visible,
    IPlotPtr sourcePlot, IPlotPtr destinationPlot)
{
    loadChannel(
        sourceName, destinationName, Copy::Replace, spacingOf(markerSpacing), visible, sourcePlot, destinationPlot);
}

void LoadChannel(AutoString sourceName, AutoString destinationName, int markerSpacing, bool visible,
    IXYPlotPtr sourcePlot, IXYPlotPtr destinationPlot)
{
    loadChannel(
        sourceName, destinationName, Copy::Replace, spacingOf(markerSpacing), visible, sourcePlot, destinationPlot);
}

void LoadDiffChannel(AutoString firstName, AutoString secondName, AutoString differenceName, int markerSpacing,
    bool visible, IPlotPtr plot)
{
    loadDiffChannel(firstName, secondName, differenceName, markerSpacing, visible, plot);
}

void LoadDiffChannel(AutoString firstName, AutoString secondName, AutoString differenceName, int markerSpacing,
    bool visible, IXYPlotPtr plot)
{
    loadDiffChannel(firstName, secondName, differenceName, markerSpacing, visible, plot);
}

void LoadCompareRows(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, IPlotPtr scratch, IPlotPtr visible)
{
    loadCompareRows(rows, count, pressure, port2, scratch, visible);
}

void LoadCompareRows(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, IXYPlotPtr scratch, IXYPlotPtr visible)
{
    loadCompareRows(rows, count, pressure, port2, scratch, visible);
}

void LoadCompareSources(
    const CompareCopyRow* rows, size_t count, bool pressure, bool port2, IPlotPtr scratch, IPlotPtr visible)
{
    for (size_t k = 0; k < count; ++k)
        LoadChannel(AutoString(rows[k].source), AutoString(rows[k].source), shownRow(rows[k], pressure, port2), scratch,
            visible);
}

void OnCheckBoxChanged(IPlotPtr plot, AutoString name, bool show)
{
    showChannel(plot, name, show);
}

void OnCheckBoxChanged(IXYPlotPtr plot, AutoString name, bool show)
{
    showChannel(plot, name, show);
}
