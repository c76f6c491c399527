#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

// Two step test files side by side, as the compare loaders fill it. The hold
// times start missing (null) until a file is loaded.
class CStepTestCompareReport
{
public:
    CStepTestCompareReport();
    CStepTestCompareReport(const CStepTestCompareReport& other);
    CStepTestCompareReport& operator=(const CStepTestCompareReport& other);
    ~CStepTestCompareReport();

    // The scratch plot a compared file is loaded into has the step plot's
    // channels (pst_step/).
    void SetupSrcPlotChannels(IPlotPtr plot);
    void HideChannelsInPlot(IPlotPtr plot, bool show);

    AutoString m_strSpare { "" };
    AutoString m_strTag1 { "" };
    AutoString m_strTag2 { "" };
    AutoString m_strTestDate1 { "" };
    AutoString m_strTestDate2 { "" };
    AutoString m_strFile1 { "" }; // file name as chosen
    AutoString m_strFile2 { "" };
    AutoString m_strStartPosition1 { "" };
    AutoString m_strStartPosition2 { "" };
    AutoString m_strStopPosition1 { "" };
    AutoString m_strStopPosition2 { "" };
    AutoString m_strHoldTime1;
    AutoString m_strHoldTime2;
    AutoString m_strPressureUnit1 { "" }; // pressure unit text
    AutoString m_strPressureUnit2 { "" };
    uint8_t m_bSingleActing1 = 0;
    uint8_t m_bPressureSensor1 = 0;
    uint8_t m_bSingleActing2 = 0;
    uint8_t m_bPressureSensor2 = 0;
    uint8_t m_bSpareFlag5 = 0;
    uint8_t m_bSpareFlag6 = 0;
};
