#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"
#include "step/CStepTestCompareReport.h"

class QWidget;

namespace StepCompareReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "Step Test Comparison Report",
    "Save Step Test Compare Report As", "_StepTestCompareReport_", "" };
inline const QString StepPicture = QStringLiteral("StepTest.bmp");
inline const QString PressurePicture = QStringLiteral("StepTest2.bmp");
} // namespace StepCompareReportText

// Prints the comparison of two step test files: both files' identity, step
// settings and actuator flags, and two pictures of the compare plot, the
// signals against time and the port pressures against position. No header
// block and no date line; the PDF is named after file 1's tag. The header
// serves only the two views. The plot is left in the pressure view; the
// calling page puts its own view back.
void GenerateStepTestCompareReport(CStepTestCompareReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page, CReportHeader header);
