#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// The analog input calibration as printed.
class CAICalibReport
{
public:
    CAICalibReport();
    CAICalibReport(const CAICalibReport& other);
    CAICalibReport& operator=(const CAICalibReport& other);
    ~CAICalibReport();

    AutoString m_strLastCalDate { "" };
    AutoString m_strNewCalBy { "" };
    AutoString m_strState { "" };
    AutoString m_strAD4mA { "" };
    AutoString m_strAD0 { "" };
    AutoString m_strAD100 { "" };
    AutoString m_strADRange { "" };
    uint8_t m_b0SignalOut = 0;
    uint8_t m_b100SignalOut = 0;
    uint8_t m_bCommSmall = 0;
};
