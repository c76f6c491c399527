#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "controls/XYPlot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "hdrl/CHDRLReport.h"
#include "partial_stroke/CPSTReport.h"
#include "ramp/CRampReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"
#include "step/CStepTestReport.h"

class QWidget;

namespace MultiTestReportText
{
inline const QString RampPicture = QStringLiteral("RampTest.bmp");
inline const QString RampPressurePicture = QStringLiteral("RampTest2.bmp");
inline const QString RampSignalsPicture = QStringLiteral("RampTest3.bmp");
inline const QString RampFrictionPicture = QStringLiteral("RampTest4.bmp");
inline const QString StepPicture = QStringLiteral("StepTest.bmp");
inline const QString StepPressurePicture = QStringLiteral("StepTest2.bmp");
inline const QString PstPicture = QStringLiteral("PstComp.bmp");
inline const QString HDRLControlPicture = QStringLiteral("HDRControl.bmp");
inline const QString HDRLHysteresisPicture = QStringLiteral("HDRHDR.bmp");
inline const QString HDRLLinearityPicture = QStringLiteral("HDRLin.bmp");
} // namespace MultiTestReportText

// The multi-test report's departures from the common frame: every picture
// is taken right after the definition is loaded, no title is set (the
// definition keeps its own), each of the four sections is dated by its
// record's date (none when the record holds none), the one reading of the
// clock names the PDF, and a failure is captioned "MULTI-TEST REPORT".
// The ramp, step and HDRL plots are switched through their views for the
// pictures and left in their first views; the partial stroke plot is pictured
// as it is shown.
ReportFrameDescriptor MultiTestReportDescriptor(const CReportHeader& header, const CRampReport& ramp,
    const CStepTestReport& step, const CPSTReport& pst, const CHDRLReport& hdrl, const IPlotPtr& stepPlot,
    const IPlotPtr& pstPlot, const IPlotPtr& hdrlPlot, const IXYPlotPtr& rampPlot);

// "MULTI-TEST REPORT": the header block, the ramp settings and spring set, the
// step, partial stroke and HDRL values as the records hold them, and ten
// pictures of the four plots; saved as a PDF the user names and offered for
// printing. Every failure shows "Report Definition file could not be
// found/matched." captioned "MULTI-TEST REPORT".
void GenerateMultiTestReport(CReportHeader header, CRampReport ramp, CStepTestReport step, CPSTReport pst,
    CHDRLReport hdrl, IPlotPtr stepPlot, IPlotPtr pstPlot, IPlotPtr hdrlPlot, IXYPlotPtr rampPlot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page);
