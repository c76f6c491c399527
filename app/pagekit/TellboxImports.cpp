#include "TellboxImports.h"

#include "core/TellboxOrdinals.h"

namespace
{
template <typename Function> void bindOne(Function*& slot, int ordinal)
{
    slot = BindTellboxOrdinal<Function>(ordinal);
}
}

TellboxImports TellboxImports::bind()
{
    TellboxImports imports;
    bindOne(imports.CreatePlotControl, 3);
    bindOne(imports.CreateRampPlotControl, 4);
    bindOne(imports.ConfigureStepTestPlotControl, 5);
    bindOne(imports.ConfigurePSTPlotControl, 6);
    bindOne(imports.ConfigureRampPlotControl, 7);
    bindOne(imports.CreateReportControl, 10);
    bindOne(imports.CreatePrintControl, 11);
    bindOne(imports.ConfigureHDRLPlotControl, 12);
    return imports;
}

bool TellboxImports::complete() const
{
    return CreatePlotControl && CreateRampPlotControl && ConfigureStepTestPlotControl && ConfigurePSTPlotControl
        && ConfigureRampPlotControl && CreateReportControl && CreatePrintControl && ConfigureHDRLPlotControl;
}
