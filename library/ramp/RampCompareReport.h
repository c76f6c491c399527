#pragma once

#include "automation/AutoString.h"
#include "controls/XYPlot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "ramp/CRampCompareReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

namespace RampCompareReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "Ramp Test Comparison Report",
    "Save Ramp Compare Report As", "_RampCompareReport_", "" };
inline const QString RampPicture = QStringLiteral("RampTestCmp.bmp");
inline const QString PressurePicture = QStringLiteral("RampTestCmp2.bmp");
inline const QString SignalsPicture = QStringLiteral("RampTestCmp3.bmp");
inline const QString FrictionPicture = QStringLiteral("RampTestCmp4.bmp");
} // namespace RampCompareReportText

// Prints the comparison of two ramp test files: both files' identity,
// settings, flags, stroke length, actuator size and spring set, and pictures
// of the compare plot in its views: signals against time and against command
// always, pressure against position when either file shows its pressures,
// friction and thrust when either file is bi-directional as well. No header
// block and no date line; the PDF is named after the connected device's tag
// (the record's first string). A failure while the pictures or fields are
// made still offers what was filled for saving and printing. The plot is
// left in the last view taken; the calling page puts its own view back.
void GenerateRampCompareReport(CRampCompareReport record, IXYPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page, CReportHeader header);
