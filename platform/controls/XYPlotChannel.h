#pragma once

#include "PlotChannel.h"

// A channel of an XY plot: the same trace, told apart by its interface so
// that a channel is only ever used through the kind of plot that made it.
class XYPlotChannel : public PlotChannel
{
    Q_OBJECT

public:
    XYPlotChannel(const QString& name, uint32_t color, Plot* owner);
};

using IXYPlotChannelPtr = InterfacePtr<XYPlotChannel>;
