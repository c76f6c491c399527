#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// The alarm status table: error code k with its description k, one printed row
// each.
class CAlarmStatusReport
{
public:
    CAlarmStatusReport();
    CAlarmStatusReport(const CAlarmStatusReport& other);
    CAlarmStatusReport& operator=(const CAlarmStatusReport& other);
    ~CAlarmStatusReport();

    AutoString m_strErrorCode[16]; // rows 1 to 16
    AutoString m_strDescription[16]; // the same rows
};
