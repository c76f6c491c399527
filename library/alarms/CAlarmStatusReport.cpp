#include "alarms/CAlarmStatusReport.h"

#include "core/ModuleStateGuard.h"

CAlarmStatusReport::CAlarmStatusReport()
{
    ModuleStateGuard moduleState;
    for (AutoString& text : m_strErrorCode)
        text = AutoString("");
    for (AutoString& text : m_strDescription)
        text = AutoString("");
}

CAlarmStatusReport::CAlarmStatusReport(const CAlarmStatusReport& other) = default;
CAlarmStatusReport& CAlarmStatusReport::operator=(const CAlarmStatusReport& other) = default;
CAlarmStatusReport::~CAlarmStatusReport() = default;
