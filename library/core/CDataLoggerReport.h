#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// A data logger run as saved and printed: the device tag, the three settings
// as text, the device's option flags and its unit codes.
class CDataLoggerReport
{
public:
    CDataLoggerReport();
    CDataLoggerReport(const CDataLoggerReport& other);
    CDataLoggerReport& operator=(const CDataLoggerReport& other);
    ~CDataLoggerReport();

    AutoString m_strTag { "" }; // device tag
    AutoString m_strInterval { "" }; // sampling interval
    AutoString m_strDuration { "" }; // logging duration
    AutoString m_strDurationUnit { "" };
    uint8_t m_bSingleActing = 0;
    uint8_t m_bPressureSensor = 0;
    uint8_t m_nPressureUnit = 6; // HART pressure unit code
    uint8_t m_nTemperatureUnit = 32; // HART temperature unit code
    uint8_t m_nDeviceCode = 0; // stored and restored as is
};
