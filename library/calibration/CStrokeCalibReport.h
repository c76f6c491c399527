#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// The stroke calibration as printed.
class CStrokeCalibReport
{
public:
    CStrokeCalibReport();
    CStrokeCalibReport(const CStrokeCalibReport& other);
    CStrokeCalibReport& operator=(const CStrokeCalibReport& other);
    ~CStrokeCalibReport();

    AutoString m_strLastCalDate { "" };
    AutoString m_strNewCalBy { "" };
    AutoString m_strState { "" };
    AutoString m_strILO { "" }; // inner loop offset
    AutoString m_strLoADVal { "" }; // A/D value at 0 % position
    AutoString m_strHiADVal { "" }; // A/D value at 100 % position
    AutoString m_strADRange { "" };
    uint8_t m_b0PosOut = 0;
    uint8_t m_b100PosOut = 0;
    uint8_t m_bFdbkSmall = 0;
    uint8_t m_bILOTO = 0;
    uint8_t m_bNoMoTO = 0;
    uint8_t m_bNoSetTimeOut = 0;
};
