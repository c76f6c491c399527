#include "ramp/CRampCompareReport.h"

#include "core/ModuleStateGuard.h"

CRampCompareReport::CRampCompareReport()
{
    ModuleStateGuard moduleState;
}

CRampCompareReport::CRampCompareReport(const CRampCompareReport& other) = default;
CRampCompareReport& CRampCompareReport::operator=(const CRampCompareReport& other) = default;
CRampCompareReport::~CRampCompareReport() = default;

bool CRampCompareReport::SameSettings() const
{
    ModuleStateGuard moduleState;
    return m_strStartPosition1 == m_strStartPosition2 && m_strStopPosition1 == m_strStopPosition2
        && m_strHoldTime1 == m_strHoldTime2 && m_strTestDuration1 == m_strTestDuration2
        && m_strActuatorSize1 == m_strActuatorSize2 && m_strStrokeLength1 == m_strStrokeLength2
        && m_bSingleActing1 == m_bSingleActing2 && m_bBiDirectional1 == m_bBiDirectional2
        && m_bPressureSensor1 == m_bPressureSensor2;
}
