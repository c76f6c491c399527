#include "core/TellboxOrdinals.h"

#include <algorithm>
#include <iterator>

namespace
{
// The factories and plot layouts arrive with their own files; each fills its
// row with TellboxProcOf(&Function) once it exists.
const TellboxOrdinal ordinals[] = {
    { 1, "CreateLedRoundControl", nullptr },
    { 2, "CreateEditXControl", nullptr },
    { 3, "CreatePlotControl", nullptr },
    { 4, "CreateRampPlotControl", nullptr },
    { 5, "ConfigureStepTestPlotControl", nullptr },
    { 6, "ConfigurePSTPlotControl", nullptr },
    { 7, "ConfigureRampPlotControl", nullptr },
    { 8, "CreateChannels", nullptr },
    { 9, "CreateRampChannels", nullptr },
    { 10, "CreateReportControl", nullptr },
    { 11, "CreatePrintControl", nullptr },
    { 12, "ConfigureHDRLPlotControl", nullptr },
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
