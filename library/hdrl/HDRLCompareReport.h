#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/ReportFrame.h"
#include "hdrl/CHDRLCompareReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

namespace HDRLCompareReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "HDRL Test Comparison Report",
    "Save HDRL Compare ReportAs", "_HDRLCompareReport_", "" };
inline const QString ControlPicture = QStringLiteral("HDRCmpControl.bmp");
inline const QString HDRPicture = QStringLiteral("HDRCmpHDR.bmp");
inline const QString LinearityPicture = QStringLiteral("HDRCmpLin.bmp");
} // namespace HDRLCompareReportText

// Prints the comparison of two HDRL files: both files' identity and settling
// time, their results and the differences as the record holds them, and
// pictures of the compare plot in its three views. No device header: all of
// it comes from the two files. The PDF is named after file 1's tag; the plot
// is left in the linearity view.
void GenerateHDRLTestCompareReport(CHDRLCompareReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page);
