#include "XYPlot.h"

#include "ui/ControlRegistry.h"

namespace
{

const ControlRegistration registerXYPlot(
    QStringLiteral("PlotLib.XYPlot"), [](QWidget* parent) { return new XYPlot(parent); });

} // namespace

XYPlot::XYPlot(QWidget* parent)
    : Plot(parent)
{
}

IXYPlotChannelPtr XYPlot::Channel(int index) const
{
    return IXYPlotChannelPtr::fromObject(Plot::Channel(index).get());
}

IXYPlotChannelPtr XYPlot::ChannelByName(const QString& name) const
{
    return IXYPlotChannelPtr::fromObject(GetChannelByName(name));
}

PlotChannel* XYPlot::newChannel(const QString& name, uint32_t color)
{
    return new XYPlotChannel(name, color, this);
}
