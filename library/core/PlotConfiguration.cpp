#include "core/PlotConfiguration.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"

#include <limits>
#include <span>

namespace
{

constexpr double None = std::numeric_limits<double>::quiet_NaN();

// An axis of a test plot: the range an empty plot shows, and how the axis
// fits the result once it holds one. The kept ends and the increment are the
// family's own, never the device's or the run's, so that one result gives
// the same axes at every stage: after the run, after a Save and a Load, on
// paper.
struct AxisLayout {
    const char* name;
    const char* title;
    double minimum;
    double span;
    PlotAxis::Fit fit = PlotAxis::Fit::Value;
    double keptLower = None;
    double keptUpper = None;
    double increment = 0.0; // 0: round label steps
};

struct PlotLayout {
    const char* title;
    std::span<const AxisLayout> xAxes;
    std::span<const AxisLayout> yAxes;
};

constexpr uint32_t White = 16777215;

using Fit = PlotAxis::Fit;

// A position, or a command, shows the whole stroke while the result lies
// inside it; a pressure and a force show their zero while the result keeps
// clear of it. The pressure titles end in a blank: the loaders complete them
// with the unit ("Pressure [psi]").
constexpr AxisLayout StepX[] = {
    { "Time", "Step Time [s]", 0, 10, Fit::Time },
    { "Position", "Position [%]", 0, 100, Fit::Value, 0, 100, 10 },
};
constexpr AxisLayout StepY[] = {
    { "Position", "Position [%]", 0, 130, Fit::Value, 0, 100, 10 },
    { "Pressure", "Pressure", 0, 100, Fit::Value, 0 },
};
constexpr AxisLayout PstX[] = {
    { "Time", "Time [s]", 0, 10, Fit::Time },
};
constexpr AxisLayout PstY[] = {
    { "Position", "Position [%]", 0, 130, Fit::Value, 0, 100, 10 },
    { "Pressure", "Pressure ", 0, 100, Fit::Value, 0 },
};
constexpr AxisLayout RampX[] = {
    { "Time", "Ramp Time [s]", 0, 10, Fit::Time },
    { "Position", "Position [%]", 0, 100, Fit::Value, 0, 100, 10 },
    { "Command", "Command [%]", 0, 100, Fit::Value, 0, 100, 10 },
};
constexpr AxisLayout RampY[] = {
    { "Position", "Position [%]", 0, 130, Fit::Value, 0, 100, 10 },
    { "Pressure", "Pressure ", 0, 100, Fit::Value, 0 },
    { "FrictionY", "Friction [lbs]", 0, 1000, Fit::Value, 0 },
};
constexpr AxisLayout HdrlX[] = {
    { "Time", "Time (sec)", 0, 75, Fit::Time },
    { "Command", "Command, (%fs)", 0, 100, Fit::Value, 0, 100, 10 },
    { "Time2", "Time2 (sec)", 0, 75, Fit::Time },
};
constexpr AxisLayout HdrlY[] = {
    { "Position", "Position [%]", 0, 100, Fit::Value, 0, 100, 10 },
    { "PositionError", "Position Error %fs (Command - Position)", -2.5, 5 },
};

constexpr PlotLayout StepLayout { "Step Test", StepX, StepY };
constexpr PlotLayout PstLayout { "Partial Stroke Test", PstX, PstY };
constexpr PlotLayout RampLayout { "Ramp Test", RampX, RampY };
constexpr PlotLayout HdrlLayout { "Position Vs Time", HdrlX, HdrlY };

void setAxis(const IPlotAxisPtr& axis, const AxisLayout& layout)
{
    axis->SetMin(layout.minimum);
    axis->SetSpan(layout.span);
    axis->SetName(QString::fromLatin1(layout.name));
    axis->SetTitle(QString::fromLatin1(layout.title));
    axis->SetFit(layout.fit);
    axis->SetKeptRange(layout.keptLower, layout.keptUpper);
    axis->SetIncrement(layout.increment);
    axis->SetStartValue(0.0);
}

void layOut(Plot& plot, const PlotLayout& layout)
{
    // Every test plot behaves alike: white, with legend, grid and tool strip.
    plot.applyFactoryDefaults();
    plot.SetBackColor(White);
    plot.SetTitle(QString::fromLatin1(layout.title));
    plot.SetXAxisCount(static_cast<int>(layout.xAxes.size()));
    for (size_t i = 0; i < layout.xAxes.size(); ++i)
        setAxis(plot.XAxis(static_cast<int>(i)), layout.xAxes[i]);
    plot.SetYAxisCount(static_cast<int>(layout.yAxes.size()));
    for (size_t i = 0; i < layout.yAxes.size(); ++i)
        setAxis(plot.YAxis(static_cast<int>(i)), layout.yAxes[i]);
}

template <class PlotPtr> void configure(const PlotPtr& plot, const PlotLayout& layout)
{
    ModuleStateGuard moduleState;
    layOut(*plot, layout);
}

void setUp(PlotChannel& channel, const AutoString& newName, const AutoString& title, int32_t color,
    const AutoString& xAxisName, const AutoString& yAxisName, int32_t style)
{
    // From a plain trace: only the marker styles below mark single points.
    channel.SetIndividualMarking(false);
    channel.SetName(newName.toQString());
    channel.SetTitle(title.toQString());
    channel.SetColor(static_cast<uint32_t>(color));
    channel.SetVisible(true);
    channel.SetLegendVisible(true);
    channel.SetLineWidth(2);
    channel.SetXAxisName(xAxisName.toQString());
    channel.SetYAxisName(yAxisName.toQString());
    switch (style) {
    case ChannelStyle::Square:
    case ChannelStyle::Circle:
    case ChannelStyle::Triangle:
        channel.SetMarkersVisible(true);
        channel.SetMarkerSize(3);
        channel.SetMarkerStyle(style);
        channel.SetIndividualMarking(true);
        break;
    case ChannelStyle::PlainTrace:
        channel.SetMarkersVisible(false);
        break;
    default:
        break;
    }
}

} // namespace

// A test result is read in full: its axes hold every point of the traces
// shown, whatever range the page set before the points came (a step's
// position overshoots its lower end, the pilot relay runs below it).
void ConfigureStepTestPlotControl(IPlotPtr plot)
{
    configure(plot, StepLayout);
    plot->SetAxesFitShownTraces(true);
}

void ConfigurePSTPlotControl(IPlotPtr plot)
{
    configure(plot, PstLayout);
    plot->SetAxesFitShownTraces(true);
}

void ConfigureRampPlotControl(IXYPlotPtr plot)
{
    configure(plot, RampLayout);
    plot->SetAxesFitShownTraces(true);
}

void ConfigureHDRLPlotControl(IPlotPtr plot)
{
    configure(plot, HdrlLayout);
    plot->SetAxesFitShownTraces(true);
}

namespace
{

IPlotChannelPtr createChannel(const IPlotPtr& plot, AutoString currentName, const PlotChannelRow& row)
{
    return CreateChannels(plot, currentName, AutoString(row.name), AutoString(row.title), int32_t(row.colour),
        AutoString(row.xAxis), AutoString(row.yAxis), row.style);
}

IXYPlotChannelPtr createChannel(const IXYPlotPtr& plot, AutoString currentName, const PlotChannelRow& row)
{
    return CreateRampChannels(plot, currentName, AutoString(row.name), AutoString(row.title), int32_t(row.colour),
        AutoString(row.xAxis), AutoString(row.yAxis), row.style);
}

template <class PlotPtr> void layOutRows(const PlotPtr& plot, const PlotChannelRow* rows, size_t count)
{
    plot->RemoveAllChannels();
    for (size_t k = 0; k < count; ++k)
        plot->AddChannel();
    for (size_t k = 0; k < count; ++k)
        createChannel(plot, AutoString(QStringLiteral("Channel %1").arg(k + 1)), rows[k]);
}

} // namespace

void LayOutChannels(const IXYPlotPtr& plot, const PlotChannelRow* rows, size_t count)
{
    layOutRows(plot, rows, count);
}

void LayOutChannels(
    const IPlotPtr& plot, const PlotChannelRow* rows, size_t count, std::initializer_list<const char*> hidden)
{
    layOutRows(plot, rows, count);
    for (const char* name : hidden) {
        const IPlotChannelPtr channel = GetDispatchDriverIPlotXChannelByName(plot, AutoString(name));
        channel->SetVisible(false);
        channel->SetLegendVisible(false);
    }
}

IPlotChannelPtr CreateChannels(IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title,
    int32_t color, AutoString xAxisName, AutoString yAxisName, int32_t style)
{
    ModuleStateGuard moduleState;
    IPlotChannelPtr channel = GetDispatchDriverIPlotXChannelByName(plot, currentName);
    setUp(*channel, newName, title, color, xAxisName, yAxisName, style);
    return channel;
}

IXYPlotChannelPtr CreateRampChannels(IXYPlotPtr plot, AutoString currentName, AutoString newName, AutoString title,
    int32_t color, AutoString xAxisName, AutoString yAxisName, int32_t style)
{
    ModuleStateGuard moduleState;
    IXYPlotChannelPtr channel = GetDispatchDriverIXYPlotXChannelByName(plot, currentName);
    setUp(*channel, newName, title, color, xAxisName, yAxisName, style);
    return channel;
}
