#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// The actuator, stroke and friction calibration as printed: the calibration
// values, three supply-pressure rows (a label text and a flag each) and the six
// stroke calibration flags.
class CActuatorCalibReport
{
public:
    CActuatorCalibReport();
    CActuatorCalibReport(const CActuatorCalibReport& other);
    CActuatorCalibReport& operator=(const CActuatorCalibReport& other);
    ~CActuatorCalibReport();

    AutoString m_strLastCalDate { "" };
    AutoString m_strNewCalBy { "" };
    AutoString m_strPressure { "" }; // supply pressure
    AutoString m_strPressureUnit { "" };
    AutoString m_strCalActSize { "" };
    AutoString m_strState { "" };
    AutoString m_strFricValue { "" };
    AutoString m_strILO { "" };
    AutoString m_strLoADVal { "" };
    AutoString m_strHiADVal { "" };
    AutoString m_strADRange { "" };
    AutoString m_strPort1Lo { "" };
    AutoString m_strPort1Hi { "" };
    AutoString m_strPort1Range { "" };
    AutoString m_strPort2Lo { "" };
    AutoString m_strPort2Hi { "" };
    AutoString m_strPort2Range { "" };
    AutoString m_strSuppLoLbl { "" };
    uint8_t m_bSuppLo = 0;
    AutoString m_strSuppP1Lbl { "" };
    uint8_t m_bSuppP1 = 0;
    AutoString m_strSuppP2Lbl { "" };
    uint8_t m_bSuppP2 = 0;
    uint8_t m_b0PosOut = 0;
    uint8_t m_b100PosOut = 0;
    uint8_t m_bFdbkSmall = 0;
    uint8_t m_bILOTO = 0;
    uint8_t m_bNoMoTO = 0;
    uint8_t m_bNoSetTimeOut = 0;
};
