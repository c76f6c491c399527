#include "XYPlotChannel.h"

XYPlotChannel::XYPlotChannel(const QString& name, uint32_t color, Plot* owner)
    : PlotChannel(name, color, owner)
{
}
