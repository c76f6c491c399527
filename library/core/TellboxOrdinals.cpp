#include "core/TellboxOrdinals.h"

#include "core/ControlFactories.h"
#include "core/PlotConfiguration.h"

#include <algorithm>
#include <iterator>

namespace
{
const TellboxOrdinal ordinals[] = {
    { 1, "CreateLedRoundControl", TellboxProcOf(&CreateLedRoundControl) },
    { 2, "CreateEditXControl", TellboxProcOf(&CreateEditXControl) },
    { 3, "CreatePlotControl", TellboxProcOf(&CreatePlotControl) },
    { 4, "CreateRampPlotControl", TellboxProcOf(&CreateRampPlotControl) },
    { 5, "ConfigureStepTestPlotControl", TellboxProcOf(&ConfigureStepTestPlotControl) },
    { 6, "ConfigurePSTPlotControl", TellboxProcOf(&ConfigurePSTPlotControl) },
    { 7, "ConfigureRampPlotControl", TellboxProcOf(&ConfigureRampPlotControl) },
    { 8, "CreateChannels", TellboxProcOf(&CreateChannels) },
    { 9, "CreateRampChannels", TellboxProcOf(&CreateRampChannels) },
    { 10, "CreateReportControl", TellboxProcOf(&CreateReportControl) },
    { 11, "CreatePrintControl", TellboxProcOf(&CreatePrintControl) },
    { 12, "ConfigureHDRLPlotControl", TellboxProcOf(&ConfigureHDRLPlotControl) },
};
}

std::span<const TellboxOrdinal> TellboxOrdinalTable()
{
    return ordinals;
}

const TellboxOrdinal* FindTellboxOrdinal(int ordinal)
{
    const auto found = std::find_if(std::begin(ordinals), std::end(ordinals),
        [ordinal](const TellboxOrdinal& entry) { return entry.ordinal == ordinal; });
    return found == std::end(ordinals) ? nullptr : &*found;
}
