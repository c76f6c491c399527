#pragma once

#include "TellboxImports.h"
#include "TestPageControls.h"

#include <functional>

// Where a compare page's library controls stand among its controls: each
// control's placeholder and the child id it takes.
struct CompareControlIds {
    int reportHost;
    int reportId;
    int printerHost;
    int printerId;
    int plotHost;
    int plotId;
    int scratchHost;
    int scratchPlotId;
};

// The controls a compare page makes first: the hidden report and printer, the
// page's plot, and the scratch plot that only receives each opened file and is
// never shown. Then, in one guarded "OnInitialUpdate" body, `configure` (one
// of the imported plot set-ups; skipped when not imported) and `setUpPlot`
// prepare the page's plot, `configure` and `setUpScratch` the scratch plot,
// each only when it was made, and `afterSetUp` runs last.
template <class Configure>
void CreateCompareControls(FormPage* page, const TellboxImports& imports, const CompareControlIds& ids,
    IReportPtr& report, IPrinterPtr& printer, IPlotPtr& plot, IPlotPtr& scratch, Configure* configure,
    const std::function<void()>& setUpPlot, const std::function<void()>& setUpScratch,
    const std::function<void()>& afterSetUp = {})
{
    CreateTestPageControl(
        page, imports.CreateReportControl, ids.reportHost, ids.reportId, report, ControlWindow::Hidden);
    CreateTestPageControl(
        page, imports.CreatePrintControl, ids.printerHost, ids.printerId, printer, ControlWindow::Hidden);
    CreateTestPageControl(page, imports.CreatePlotControl, ids.plotHost, ids.plotId, plot, ControlWindow::Added);
    CreateTestPageControl(
        page, imports.CreatePlotControl, ids.scratchHost, ids.scratchPlotId, scratch, ControlWindow::Hidden);
    page->guard("OnInitialUpdate", [&] {
        if (plot) {
            if (configure)
                configure(plot);
            setUpPlot();
        }
        if (scratch) {
            if (configure)
                configure(scratch);
            setUpScratch();
        }
        if (afterSetUp)
            afterSetUp();
    });
}
