#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"
#include "step/CStepTestReport.h"

class QWidget;

namespace StepTestReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "Step Test Report", "Save Step Test Report As",
    "_StepTestReport_", "" };
inline const QString StepPicture = QStringLiteral("StepTest.bmp");
inline const QString PressurePicture = QStringLiteral("StepTest2.bmp");
} // namespace StepTestReportText

// Prints one step test: the device and valve header, the three step
// settings, the date the record holds (when the test was recorded) and two
// pictures of the step plot, the signals against time and the port
// pressures against position. The plot is left in the pressure view; the
// calling page puts its own view back.
void GenerateStepTestReport(CReportHeader header, CStepTestReport record, IPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page);
