#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// One step test: the settings typed on the step test page, the device tag and
// the device flags that decide which pressure channels the views show. The
// pressure axis title starts missing (null) until a load makes it.
class CStepTestReport
{
public:
    CStepTestReport();
    CStepTestReport(const CStepTestReport& other);
    CStepTestReport& operator=(const CStepTestReport& other);
    ~CStepTestReport();

    AutoString m_strStartPosition { "" }; // percent
    AutoString m_strStopPosition { "" }; // percent
    AutoString m_strHoldTime { "" }; // seconds
    AutoString m_strPressureAxisTitle;
    AutoString m_strTag { "TAG" }; // device tag
    AutoString m_strSpare { " " };
    uint8_t m_nPressureUnit = 6; // HART pressure unit code
    uint8_t m_bSingleActing = 0; // 1 keeps every port 2 channel hidden
    uint8_t m_bPressureSensor = 0; // nonzero lets pressure channels show
    uint8_t m_bPressureData = 0;
};
