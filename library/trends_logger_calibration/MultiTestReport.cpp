#include "trends_logger_calibration/MultiTestReport.h"

#include "core/ModuleStateGuard.h"

ReportFrameDescriptor MultiTestReportDescriptor(const CReportHeader&, const CRampReport&, const CStepTestReport&,
    const CPSTReport&, const CHDRLReport&, const IPlotPtr&, const IPlotPtr&, const IPlotPtr&, const IXYPlotPtr&)
{
    return ReportFrameDescriptor(ReportFrameRows::MultiTest);
}

void GenerateMultiTestReport(CReportHeader header, CRampReport ramp, CStepTestReport step, CPSTReport pst,
    CHDRLReport hdrl, IPlotPtr stepPlot, IPlotPtr pstPlot, IPlotPtr hdrlPlot, IXYPlotPtr rampPlot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    ReportFrame::Generate(
        MultiTestReportDescriptor(header, ramp, step, pst, hdrl, stepPlot, pstPlot, hdrlPlot, rampPlot), header,
        std::move(report), std::move(printer), std::move(definitionPath), page);
}
