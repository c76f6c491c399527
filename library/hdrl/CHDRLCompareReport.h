#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

class QWidget;

// Two HDRL test files side by side: each value of file 1, its twin of file 2
// and, for the results, their difference.
class CHDRLCompareReport
{
public:
    CHDRLCompareReport();
    CHDRLCompareReport(const CHDRLCompareReport& other);
    CHDRLCompareReport& operator=(const CHDRLCompareReport& other);
    ~CHDRLCompareReport();

    // The scratch plot a compared file is loaded into (the HDRL test plot's
    // channels), the compare plot's 16 channels, its three views and the two
    // loaders. The bodies live with the HDRL family (hdrl/).
    void SetupHDRLSrcPlotChannels(IPlotPtr plot);
    void SetupHDRLDestPlotChannels(IPlotPtr plot);
    void ResetHDRLGridView(IPlotPtr plot);
    void OnCompareControl(IPlotPtr plot);
    void OnCompareHDR(IPlotPtr plot);
    void OnCompareLinearity(IPlotPtr plot);
    bool LoadFile_1(IPlotPtr scratch, IPlotPtr visible);
    bool LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent);

    AutoString m_strSpare { "" }; // kept empty by the comparison
    AutoString m_strTag1 { "" };
    AutoString m_strTag2 { "" };
    AutoString m_strTestDate1 { "" };
    AutoString m_strTestDate2 { "" };
    AutoString m_strFileName1 { "" };
    AutoString m_strFileName2 { "" };
    AutoString m_strPosSettlingTime1 { "" };
    AutoString m_strPosSettlingTime2 { "" };
    AutoString m_strRepeatAverage1 { "" };
    AutoString m_strRepeatAverage2 { "" };
    AutoString m_strRepeatAverageDiff { "" };
    AutoString m_strRepeatMaximum1 { "" };
    AutoString m_strRepeatMaximum2 { "" };
    AutoString m_strRepeatMaximumDiff { "" };
    AutoString m_strHysDeadAverage1 { "" };
    AutoString m_strHysDeadAverage2 { "" };
    AutoString m_strHysDeadAverageDiff { "" };
    AutoString m_strHysDeadMaximum1 { "" };
    AutoString m_strHysDeadMaximum2 { "" };
    AutoString m_strHysDeadMaximumDiff { "" };
    AutoString m_strLinearError1 { "" };
    AutoString m_strLinearError2 { "" };
    AutoString m_strLinearErrorDiff { "" };
};
