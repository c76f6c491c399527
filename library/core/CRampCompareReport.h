#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// Two ramp test files side by side. The unit members exist once: the file
// loaded last decides them. The show-pressure flags say whether each file's
// port pressure channels are shown.
class CRampCompareReport
{
public:
    CRampCompareReport();
    CRampCompareReport(const CRampCompareReport& other);
    CRampCompareReport& operator=(const CRampCompareReport& other);
    ~CRampCompareReport();

    // Whether both files were recorded with the same settings: start and stop
    // position, hold time, test duration, actuator size, stroke length, and
    // the single-acting, bi-directional and pressure-sensor flags. The
    // actuator size unit takes no part.
    bool SameSettings() const;

    AutoString m_strSpare { "" };
    AutoString m_strTag1 { "" };
    AutoString m_strTag2 { "" };
    AutoString m_strTestDate1 { "" };
    AutoString m_strTestDate2 { "" };
    AutoString m_strFileName1 { "" }; // full path
    AutoString m_strFileName2 { "" };
    AutoString m_strStartPosition1 { "" };
    AutoString m_strStartPosition2 { "" };
    AutoString m_strStopPosition1 { "" };
    AutoString m_strStopPosition2 { "" };
    AutoString m_strHoldTime1 { "" };
    AutoString m_strHoldTime2 { "" };
    AutoString m_strTestDuration1 { "" };
    AutoString m_strTestDuration2 { "" };
    AutoString m_strActuatorSize1 { "" };
    AutoString m_strActuatorSize2 { "" };
    AutoString m_strActuatorSizeUnit { "" };
    AutoString m_strStrokeLength1 { "" };
    AutoString m_strStrokeLength2 { "" };
    AutoString m_strStrokeLengthUnit { "" };
    AutoString m_strSpringRate1 { "" };
    AutoString m_strSpringRate2 { "" };
    AutoString m_strSpringRateUnit { "" };
    AutoString m_strSpringInitial1 { "" };
    AutoString m_strSpringInitial2 { "" };
    AutoString m_strSpringPressureUnit { "" };
    AutoString m_strSpringFinal1 { "" };
    AutoString m_strSpringFinal2 { "" };
    uint8_t m_bSingleActing1 = 0;
    uint8_t m_bSingleActing2 = 0;
    uint8_t m_bBiDirectional1 = 1;
    uint8_t m_bBiDirectional2 = 1;
    uint8_t m_bPressureSensor1 = 1;
    uint8_t m_bPressureSensor2 = 1;
    uint8_t m_bShowPressure1 = 1;
    uint8_t m_bShowPressure2 = 1;
    uint8_t m_nPressureUnit = 0; // HART pressure unit code
    uint8_t m_nLengthUnit = 0; // HART length unit code
};
