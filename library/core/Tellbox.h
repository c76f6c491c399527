#pragma once

// Everything libTellbox.so exports, for the program to include. Exports are
// ordinary C++ symbols; overloads and the record classes' members are exports
// of their own. Records and interface pointers cross by value (the callee owns
// and destroys its copy on every way out), save and load members write into the
// caller's own record, and strings cross as AutoString.

// The library's application object and module state.
#include "core/CTellboxApp.h"
#include "core/ModuleStateGuard.h"

// The exports bound by number.
#include "core/TellboxOrdinals.h"

// Control factories, plot layouts, channel helpers and the settings comparison.
#include "core/ControlFactories.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "core/SettingsComparison.h"

// The printed report frame every report generator runs.
#include "core/ReportFrame.h"

// The calibration reports.
#include "calibration/AnalogCalibrationReports.h"
#include "calibration/StrokeCalibrationReports.h"

// The report records.
#include "alarms/AlarmAnnunciatorIndex.h"
#include "alarms/CAlarmAnnunciatorReport.h"
#include "alarms/CAlarmStatusReport.h"
#include "calibration/CAICalibReport.h"
#include "calibration/CAOCalibReport.h"
#include "calibration/CActuatorCalibReport.h"
#include "calibration/CStrokeCalibReport.h"
#include "characterization/CStrokeCharacterizationReport.h"
#include "core/CReportHeader.h"
#include "data_logger/CDataLoggerReport.h"
#include "hdrl/CHDRLCompareReport.h"
#include "hdrl/CHDRLReport.h"
#include "partial_stroke/CPSTCompareReport.h"
#include "partial_stroke/CPSTReport.h"
#include "ramp/CRampCompareReport.h"
#include "ramp/CRampReport.h"
#include "step/CStepTestCompareReport.h"
#include "step/CStepTestReport.h"
#include "trends/CTrendsReport.h"

// The step test family: its plot channels and views, files and report.
#include "step/StepTestChannels.h"
#include "step/StepTestFile.h"
#include "step/StepTestReport.h"

// The ramp test family: its plot channels and views, files, spring set and report.
#include "hdrl/HDRLAnalysis.h"
#include "hdrl/HDRLCompare.h"
#include "hdrl/HDRLCompareReport.h"
#include "hdrl/HDRLTestChannels.h"
#include "hdrl/HDRLTestFile.h"
#include "hdrl/HDRLTestReport.h"
#include "ramp/RampSpringSet.h"
#include "ramp/RampTestChannels.h"
#include "ramp/RampTestFile.h"
#include "ramp/RampTestReport.h"
