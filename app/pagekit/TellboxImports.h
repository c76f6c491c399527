#pragma once

#include "core/ControlFactories.h"
#include "core/PlotConfiguration.h"

// The library functions the program imports by number (ordinals 3-7 and
// 10-12), bound once at start-up through the library's ordinal table. Pages
// call the library's plot, report and printer factories through these.
using CreatePlotControlFunction = decltype(CreatePlotControl);
using CreateRampPlotControlFunction = decltype(CreateRampPlotControl);
using ConfigureStepTestPlotControlFunction = decltype(ConfigureStepTestPlotControl);
using ConfigurePSTPlotControlFunction = decltype(ConfigurePSTPlotControl);
using ConfigureRampPlotControlFunction = decltype(ConfigureRampPlotControl);
using CreateReportControlFunction = decltype(CreateReportControl);
using CreatePrintControlFunction = decltype(CreatePrintControl);
using ConfigureHDRLPlotControlFunction = decltype(ConfigureHDRLPlotControl);

struct TellboxImports {
    CreatePlotControlFunction* CreatePlotControl = nullptr; // 3
    CreateRampPlotControlFunction* CreateRampPlotControl = nullptr; // 4
    ConfigureStepTestPlotControlFunction* ConfigureStepTestPlotControl = nullptr; // 5
    ConfigurePSTPlotControlFunction* ConfigurePSTPlotControl = nullptr; // 6
    ConfigureRampPlotControlFunction* ConfigureRampPlotControl = nullptr; // 7
    CreateReportControlFunction* CreateReportControl = nullptr; // 10
    CreatePrintControlFunction* CreatePrintControl = nullptr; // 11
    ConfigureHDRLPlotControlFunction* ConfigureHDRLPlotControl = nullptr; // 12

    // Binds every import; an ordinal the library does not offer stays null.
    static TellboxImports bind();
    // True when every import was bound.
    bool complete() const;
};
