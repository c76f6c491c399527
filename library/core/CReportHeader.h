#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// The device identity printed at the head of every report. Only the model code
// steers anything else: 5 is the larger model K90 and lets the step and ramp
// views show their port-2 pressure channels; 6 is the smaller model K40.
class CReportHeader
{
public:
    CReportHeader();
    CReportHeader(const CReportHeader& other);
    CReportHeader& operator=(const CReportHeader& other);
    ~CReportHeader();

    uint8_t m_byModel = 5; // device model code
    AutoString m_strTag { "" }; // device tag
    AutoString m_strDeviceVersion { "" };
    AutoString m_strActSize { "" }; // actuator size
    AutoString m_strActManufacturer { "" };
    AutoString m_strActType { "" };
    AutoString m_strSpringType { "" };
    AutoString m_strBodyModel { "" }; // valve body model
    AutoString m_strBodySize { "" }; // valve body size
    AutoString m_strFlowDirection { "" };
    AutoString m_strFailPosition { "" };
};
