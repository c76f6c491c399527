#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"

#include <cstdint>

class QWidget;

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
    // channels (step/).
    void SetupSrcPlotChannels(IPlotPtr plot);
    void HideChannelsInPlot(IPlotPtr plot, bool show);

    // The visible compare plot (step/): its 24 channels, hiding them all,
    // and the two views a report draws. Only the header's model code is read.
    void SetupDestPlotChannels(IPlotPtr plot);
    void ResetGridView(IPlotPtr plot);
    void SetStepView(IPlotPtr plot, CReportHeader header);
    void OnPvPView(IPlotPtr plot, CReportHeader header);

    // Opens file 1 or file 2 of a comparison into the scratch plot and copies
    // its signals (and for file 2 the differences) into the visible plot;
    // true when the file was copied. A file 2 that is not copied (Cancel at
    // the settings question included) leaves the record's file 2 as it was.
    bool LoadFile_1(IPlotPtr scratch, IPlotPtr visible);
    bool LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent);

    AutoString m_strSpare { "" };
    AutoString m_strTag1 { "" };
    AutoString m_strTag2 { "" };
    AutoString m_strTestDate1 { "" };
    AutoString m_strTestDate2 { "" };
    AutoString m_strFile1 { "" }; // full path as chosen
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
