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
#include "trends_logger_calibration/AnalogCalibrationReports.h"
#include "trends_logger_calibration/StrokeCalibrationReports.h"

// The report records.
#include "core/AlarmAnnunciatorIndex.h"
#include "core/CAICalibReport.h"
#include "core/CAOCalibReport.h"
#include "core/CActuatorCalibReport.h"
#include "core/CAlarmAnnunciatorReport.h"
#include "core/CAlarmStatusReport.h"
#include "core/CDataLoggerReport.h"
#include "core/CHDRLCompareReport.h"
#include "core/CHDRLReport.h"
#include "core/CPSTCompareReport.h"
#include "core/CPSTReport.h"
#include "core/CRampCompareReport.h"
#include "core/CRampReport.h"
#include "core/CReportHeader.h"
#include "core/CStepTestCompareReport.h"
#include "core/CStepTestReport.h"
#include "core/CStrokeCalibReport.h"
#include "core/CStrokeCharacterizationReport.h"
#include "core/CTrendsReport.h"

// The step test family: its plot channels and views, files and report.
#include "pst_step/StepTestChannels.h"
#include "pst_step/StepTestFile.h"
#include "pst_step/StepTestReport.h"

// The ramp test family: its plot channels and views, files, spring set and report.
#include "ramp_hdrl/HDRLAnalysis.h"
#include "ramp_hdrl/HDRLCompare.h"
#include "ramp_hdrl/HDRLCompareReport.h"
#include "ramp_hdrl/HDRLTestChannels.h"
#include "ramp_hdrl/HDRLTestFile.h"
#include "ramp_hdrl/HDRLTestReport.h"
#include "ramp_hdrl/RampSpringSet.h"
#include "ramp_hdrl/RampTestChannels.h"
#include "ramp_hdrl/RampTestFile.h"
#include "ramp_hdrl/RampTestReport.h"
