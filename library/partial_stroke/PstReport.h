#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "partial_stroke/CPSTCompareReport.h"
#include "partial_stroke/CPSTReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

namespace PstReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "Partial Stroke Test Report", "Save PST ReportAs",
    "_PSTReport_", "" };
inline constexpr ReportFrameRow CompareRow { "PageLine1", "TitleLbl", "Partial Stroke Test Comparison Report",
    "Save PST Compare ReportAs", "_PSTCompareReport_", "" };
inline const QString Picture = QStringLiteral("PstComp.bmp");
inline const QString ComparePicture = QStringLiteral("PstCompPic.bmp");
} // namespace PstReportText

// Prints one partial stroke test: the device and valve header, the four
// settings, the date the record holds (when the test was recorded), the
// break-away results and a picture of the plot as the page shows it. The
// values print as the record holds them.
void GeneratePSTReport(CReportHeader header, CPSTReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page);

// Prints the comparison of two partial stroke files: both files' identity,
// settings and results with their differences, and a picture of the compare
// plot as the page shows it. No header block and no date line; the PDF is
// named after file 1's tag.
void GeneratePSTCompareReport(CPSTCompareReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page);
