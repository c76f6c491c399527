#pragma once

#include "ComparePageKit.h"
#include "TellboxImports.h"
#include "TestPageControls.h"
#include "core/PlotChannelHelpers.h"

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

// In which order a compare page makes its library controls.
enum class CompareControlOrder {
    ReportFirst, // the report, the printer, the plot, the scratch plot
    PlotsFirst, // the plot, the scratch plot, then, once both are set up, the report and the printer
};

// The controls a compare page makes first: the hidden report and printer, the
// page's plot, and the scratch plot that only receives each opened file and is
// never shown, both plots made by `plotFactory`. In one guarded
// "OnInitialUpdate" body, `configure` (one of the imported plot set-ups;
// skipped when not imported) and `setUpPlot` prepare the page's plot,
// `configure` and `setUpScratch` the scratch plot, each only when it was made,
// and `afterSetUp` runs last.
template <class PlotPtr, class PlotFactory, class Configure>
void CreateCompareControls(FormPage* page, const TellboxImports& imports, const CompareControlIds& ids,
    IReportPtr& report, IPrinterPtr& printer, PlotPtr& plot, PlotPtr& scratch, PlotFactory* plotFactory,
    Configure* configure, const std::function<void()>& setUpPlot, const std::function<void()>& setUpScratch,
    const std::function<void()>& afterSetUp, CompareControlOrder order)
{
    const auto createReportAndPrinter = [&] {
        CreateTestPageControl(
            page, imports.CreateReportControl, ids.reportHost, ids.reportId, report, ControlWindow::Hidden);
        CreateTestPageControl(
            page, imports.CreatePrintControl, ids.printerHost, ids.printerId, printer, ControlWindow::Hidden);
    };
    if (order == CompareControlOrder::ReportFirst)
        createReportAndPrinter();
    CreateTestPageControl(page, plotFactory, ids.plotHost, ids.plotId, plot, ControlWindow::Added);
    CreateTestPageControl(page, plotFactory, ids.scratchHost, ids.scratchPlotId, scratch, ControlWindow::Hidden);
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
    if (order == CompareControlOrder::PlotsFirst)
        createReportAndPrinter();
}

// What a compare page does on "1...", "2...", Print Report and Back.
struct CompareFileHandlers {
    std::function<void()> openFile1;
    std::function<void()> openFile2;
    std::function<void()> printReport;
    std::function<void()> back;
};

// Connects "1...", "2...", Print Report and Back, in that order.
inline void ConnectCompareHandlers(FormPage& page, const CompareFileHandlers& handlers)
{
    page.onClicked(ComparePageKit::OpenFile1Button, "OnOpenFile1", handlers.openFile1);
    page.onClicked(ComparePageKit::OpenFile2Button, "OnOpenFile2", handlers.openFile2);
    page.onClicked(ComparePageKit::PrintButton, "OnPrintReport", handlers.printReport);
    page.onClicked(ComparePageKit::BackButton, "OnBack", handlers.back);
}

// Connects the box of each row of a page's box table (rows with a `box`), in
// table order, to `onBox`, which is given the box clicked.
template <class Rows> void ConnectChannelBoxes(FormPage& page, const Rows& rows, const std::function<void(int)>& onBox)
{
    for (const auto& row : rows) {
        const int box = row.box;
        page.onClicked(box, "OnChannelBox", [onBox, box] { onBox(box); });
    }
}

// Shows channel `channel` of `plot` as its box `boxId` stands.
inline void SyncChannel(const FormPage& page, const IPlotPtr& plot, const char* channel, int boxId)
{
    OnCheckBoxChanged(plot, AutoString(channel), ComparePageKit::isChecked(page, boxId));
}

// Hides, row by row of a page's box table, the channels the row names in
// `fields`, in that order; a row without one of them (null) skips it.
template <class Rows, class... Fields> void HideRowChannels(const IPlotPtr& plot, const Rows& rows, Fields... fields)
{
    for (const auto& row : rows) {
        for (const char* name : { (row.*fields)... }) {
            if (name)
                OnCheckBoxChanged(plot, AutoString(name), false);
        }
    }
}
