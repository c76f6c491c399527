#pragma once

#include "automation/AutoString.h"
#include "controls/XYPlot.h"
#include "core/CReportHeader.h"

#include <cstdint>

class QWidget;

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

    // The plots of a comparison (ramp/): the hidden scratch plot gets
    // the ramp file's 26 channels, the visible compare plot 69 (file 1, file
    // 2, difference), all empty and hidden. The views show both directions
    // whatever the flags; a port 2 channel of a file shows only when it is not
    // single acting and the header's model code is 5.
    void SetupSrcPlotChannels(IXYPlotPtr plot);
    void SetupDestPlotChannels(IXYPlotPtr plot);
    void ResetRampComparePlot(IXYPlotPtr plot);
    void SetRampView(IXYPlotPtr plot, CReportHeader header);
    void SetPressureVPosView(IXYPlotPtr plot, CReportHeader header);
    void SetSigVCommandView(IXYPlotPtr plot, CReportHeader header);
    void SetFrictionView(IXYPlotPtr plot);

    // Opens file 1 (a new comparison) or file 2 (settings check and
    // differences) of a comparison through the scratch plot into the compare
    // plot, and ends in the ramp view; true when the file was shown. A file
    // that is refused leaves the record and both plots as they were; Cancel
    // at the settings question leaves the record's file 2 and units too.
    bool LoadFile_1(IXYPlotPtr scratch, IXYPlotPtr compare, CReportHeader header);
    bool LoadFile_2(IXYPlotPtr scratch, IXYPlotPtr compare, QWidget* parent, CReportHeader header);

    AutoString m_strSpare { "" }; // the connected device's tag, set for printing
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
