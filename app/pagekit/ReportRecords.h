#pragma once

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
