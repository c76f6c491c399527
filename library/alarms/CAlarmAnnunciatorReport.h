#pragma once

#include "automation/AutoString.h"

#include "alarms/AlarmAnnunciatorIndex.h"

#include <cstdint>

// The alarm annunciators at the moment of printing: the active and masked flag
// of every alarm, alert, warning, mode and device state, then the values,
// thresholds, unit texts and device information texts. AlarmAnnunciatorIndex.h
// names every position; the page that fills the record and the report that
// prints it both go through those names.
class CAlarmAnnunciatorReport
{
public:
    CAlarmAnnunciatorReport();
    CAlarmAnnunciatorReport(const CAlarmAnnunciatorReport& other);
    CAlarmAnnunciatorReport& operator=(const CAlarmAnnunciatorReport& other);
    ~CAlarmAnnunciatorReport();

    uint8_t m_bFlags[AlarmAnnunciatorIndex::FlagCount] = {}; // 1 = active or masked
    AutoString m_strTexts[AlarmAnnunciatorIndex::TextCount];
};
