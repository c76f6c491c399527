#pragma once

#include "calibration/CAICalibReport.h"
#include "calibration/CAOCalibReport.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"

#include "automation/AutoString.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

// The printed analog input calibration report: the header block, when and by
// whom the command loop was calibrated, its state, the A/D values at 4 mA,
// 0 % and 100 % with their range, and the three loop flags marked "X". Then
// the PDF is offered and the print question asked. The generator owns its
// by-value arguments and lets them go on every way out.
void GenerateAICalibTestReport(CReportHeader header, CAICalibReport calibration, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* parent);

// The printed analog output calibration report: the same block with the D/A
// values at 4 mA and 20 mA and their range, and no flags. No page calls it;
// the caller names the definition file.
void GenerateAOCalibTestReport(CReportHeader header, CAOCalibReport calibration, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* parent);

// What each report writes, for tests and for other callers of the frame.
ReportFrameDescriptor AICalibReportDescriptor(const CAICalibReport& calibration);
ReportFrameDescriptor AOCalibReportDescriptor(const CAOCalibReport& calibration);
