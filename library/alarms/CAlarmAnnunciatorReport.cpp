#include "alarms/CAlarmAnnunciatorReport.h"

#include "core/ModuleStateGuard.h"

CAlarmAnnunciatorReport::CAlarmAnnunciatorReport()
{
    ModuleStateGuard moduleState;
    for (AutoString& text : m_strTexts)
        text = AutoString("");
}

CAlarmAnnunciatorReport::CAlarmAnnunciatorReport(const CAlarmAnnunciatorReport& other) = default;
CAlarmAnnunciatorReport& CAlarmAnnunciatorReport::operator=(const CAlarmAnnunciatorReport& other) = default;
CAlarmAnnunciatorReport::~CAlarmAnnunciatorReport() = default;
