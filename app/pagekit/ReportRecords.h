#pragma once

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

// One instance of every report record, kept for the whole run: a page fills
// its record while it tests or calibrates, and prints, saves and compares from
// it later.
struct ReportRecords {
    CReportHeader m_ReportHeader;
    CPSTReport m_PSTReport;
    CStepTestReport m_StepTestReport;
    CPSTCompareReport m_PSTCompareReport;
    CStepTestCompareReport m_StepTestCompareReport;
    CRampReport m_RampReport;
    CRampCompareReport m_RampCompareReport;
    CHDRLReport m_HDRLReport;
    CHDRLCompareReport m_HDRLCompareReport;
    CActuatorCalibReport m_ActuatorCalibReport;
    CStrokeCalibReport m_StrokeCalibReport;
    CAICalibReport m_AICalibReport;
    CAOCalibReport m_AOCalibReport;
    CTrendsReport m_TrendsReport;
    CAlarmStatusReport m_AlarmStatusReport;
    CAlarmAnnunciatorReport m_AlarmAnnunciatorReport;
    CStrokeCharacterizationReport m_StrokeCharacterizationReport;
    CDataLoggerReport m_DataLoggerReport;
};
