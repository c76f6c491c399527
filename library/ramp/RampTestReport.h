#pragma once

#include "automation/AutoString.h"
#include "controls/XYPlot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "ramp/CRampReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

namespace RampTestReportText
{
inline constexpr ReportFrameRow Row { "PageLine1", "TitleLbl", "Ramp Test Report", "Save Ramp ReportAs", "_RampReport_",
    "" };
inline const QString DateLabel = QStringLiteral("Test Date:");
inline const QString RampPicture = QStringLiteral("RampTest.bmp");
inline const QString PressurePicture = QStringLiteral("RampTest2.bmp");
inline const QString SignalsPicture = QStringLiteral("RampTest3.bmp");
inline const QString FrictionPicture = QStringLiteral("RampTest4.bmp");
} // namespace RampTestReportText

// The ramp settings, the spring set, stroke length and actuator size, as the
// ramp report and the multi-test report print them.
void FillRampSectionFields(const ReportFrameFields& fields, const CRampReport& record);

// Whether a ramp result is pictured in its friction and thrust view, on its
// page as in every report of it: a run both ways with its pressures
// recorded, but for the smaller model's double-acting valve, whose port 2
// is its supply and leaves the thrust unknown.
bool RampFrictionPictured(const CRampReport& record, uint8_t model);

// Prints one ramp test: the device and valve header, the ramp settings, the
// date the record holds (when the test was recorded), the spring set, stroke
// length and actuator size, and pictures of the ramp plot in its views:
// signals against time, pressure against position, signals against command,
// and friction and thrust when RampFrictionPictured says so. The plot is left in the last view
// taken; the calling page puts its own view back.
void GenerateRampReport(CReportHeader header, CRampReport record, IXYPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page);
