#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "hdrl/CHDRLCompareReport.h"
#include "hdrl/CHDRLReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

namespace HDRLTestReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "HDRL Test Report", "Save HDRL Test Report As",
    "_HDRLTestReport_", "" };
inline const QString ControlPicture = QStringLiteral("HDRControl.bmp");
inline const QString HDRPicture = QStringLiteral("HDRHDR.bmp");
inline const QString LinearityPicture = QStringLiteral("HDRLin.bmp");
} // namespace HDRLTestReportText

// Prints one HDRL test: the device and valve header, the five results and
// the settling time as the record holds them, the date it holds (when the test
// was recorded), and pictures of the HDRL plot in its three views. The plot is left in the
// linearity view; the calling page puts its own view back.
void GenerateHDRLTestReport(CReportHeader header, CHDRLReport record, IPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page);
