#pragma once

#include "calibration/CActuatorCalibReport.h"
#include "calibration/CStrokeCalibReport.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"

#include "automation/AutoString.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <cstdint>

class QWidget;

// The printed actuator / stroke / friction calibration report: the header
// block, when and by whom, the supply pressure, the actuator size, the state,
// the supply and port flags, the six stroke flags marked "X", the position
// sensor's A/D values, both pressure ports' A/D values and the derived
// friction. The header's model picks the third flag row (the larger model
// only) and the second port's name ("Supply" on the smaller model). The
// generator owns its by-value arguments and lets them go on every way out.
void GenerateActCalibTestReport(CReportHeader header, CActuatorCalibReport calibration, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* parent);

// The printed stroke calibration report: the calibration block with the
// inner loop offset, the A/D values at 0 % and 100 % position and their
// range, and the six stroke flags marked "X".
void GenerateStrokeCalibTestReport(CReportHeader header, CStrokeCalibReport calibration, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* parent);

// What each report writes, for tests and for other callers of the frame.
ReportFrameDescriptor ActCalibReportDescriptor(const CActuatorCalibReport& calibration, uint8_t model);
ReportFrameDescriptor StrokeCalibReportDescriptor(const CStrokeCalibReport& calibration);
