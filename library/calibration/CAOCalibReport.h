#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// The analog output calibration as printed.
class CAOCalibReport
{
public:
    CAOCalibReport();
    CAOCalibReport(const CAOCalibReport& other);
    CAOCalibReport& operator=(const CAOCalibReport& other);
    ~CAOCalibReport();

    AutoString m_strLastCalDate { "" };
    AutoString m_strNewCalBy { "" };
    AutoString m_strState { "" };
    AutoString m_strDA4mA { "" };
    AutoString m_strDA20mA { "" };
    AutoString m_strDARange { "" };
};
