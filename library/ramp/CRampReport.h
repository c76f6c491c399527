#pragma once

#include "automation/AutoString.h"
#include "controls/XYPlot.h"
#include "core/CReportHeader.h"

#include <cstdint>

// One ramp test: its settings, the spring results and the flags that decide what
// the views can show. The pressure-data flag follows the pressure-sensor flag:
// whoever writes one writes the other with the same value.
class CRampReport
{
public:
    CRampReport();
    CRampReport(const CRampReport& other);
    CRampReport& operator=(const CRampReport& other);
    ~CRampReport();

    // The ramp plot's channels, its four views and the ramp test files; the
    // bodies live with the ramp family (ramp/).
    void SetupRampPlotChannels(IXYPlotPtr plot);
    void ResetRampPlot(IXYPlotPtr plot);
    void SetRampView(IXYPlotPtr plot, CReportHeader header);
    void SetPressureVPosView(IXYPlotPtr plot, CReportHeader header);
    void SetSigVCommandView(IXYPlotPtr plot, CReportHeader header);
    void SetFrictionView(IXYPlotPtr plot);
    void SaveRamp(IXYPlotPtr plot);
    bool LoadRamp(IXYPlotPtr plot);

    AutoString m_strTag { "" }; // device tag
    // When the result was recorded, month/day/year unpadded ("12/3/2024"): a
    // run's day, or the date its file keeps; empty while no result is held.
    // A save writes it into the file (the clock's day only when it is empty).
    AutoString m_strTestDate { "" };
    AutoString m_strStartPosition { "" }; // percent
    AutoString m_strStopPosition { "" }; // percent
    AutoString m_strHoldTime { "" }; // seconds
    AutoString m_strTestDuration { "" }; // seconds
    AutoString m_strSpare { "" };
    AutoString m_strSpringRate { "" };
    AutoString m_strSpringInitial { "" };
    AutoString m_strSpringFinal { "" };
    AutoString m_strStrokeLength { "" };
    AutoString m_strActuatorSize { "" };
    AutoString m_strActuatorSizeUnit { "" }; // "sq.in" or "sq.cm"
    AutoString m_strStrokeLengthUnit { "" }; // "in.", "mm", "%" or "deg"
    uint8_t m_nPressureUnit = 6; // HART pressure unit code
    uint8_t m_nLengthUnit = 47; // HART length unit code
    AutoString m_strSpringRateUnit { "" };
    AutoString m_strSpringPressureUnit { "" };
    uint8_t m_bBiDirectional = 1;
    uint8_t m_bSingleActing = 0; // port 2 is never shown while set
    uint8_t m_bPressureSensor = 1;
    uint8_t m_bPressureData = 0; // port pressure data present
};
