#pragma once

#include "Plot.h"
#include "XYPlotChannel.h"

// The XY plot ("PlotLib.XYPlot"): the same control as the time plot, whose
// channels are XY plot channels.
class XYPlot : public Plot
{
    Q_OBJECT

public:
    explicit XYPlot(QWidget* parent = nullptr);

    IXYPlotChannelPtr Channel(int index) const;
    IXYPlotChannelPtr ChannelByName(const QString& name) const;

protected:
    PlotChannel* newChannel(const QString& name, uint32_t color) override;
    PlotDataFile::Kind dataFileKind() const override { return PlotDataFile::Kind::XYPlot; }
};

using IXYPlotPtr = InterfacePtr<XYPlot>;
