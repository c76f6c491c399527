#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

class QWidget;

// Two partial stroke test files side by side, as the compare loaders fill it:
// each value of file 1 is followed by its twin of file 2, and some by their
// difference. The four bytes are the two files' single-acting and pressure
// sensor flags.
class CPSTCompareReport
{
public:
    CPSTCompareReport();
    CPSTCompareReport(const CPSTCompareReport& other);
    CPSTCompareReport& operator=(const CPSTCompareReport& other);
    ~CPSTCompareReport();

    // The scratch plot each compared file is loaded into, the visible
    // compare plot with the 18 channels of both files and their differences,
    // and the two loaders (partial_stroke/). Each loader checks the whole file in
    // the scratch plot before the record or the visible plot changes.
    void SetupSrcPlotChannels(IPlotPtr plot);
    void SetupDestPlotChannels(IPlotPtr plot);
    bool LoadFile_1(IPlotPtr scratch, IPlotPtr visible);
    bool LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent);

    AutoString m_strSpare { "" }; // not printed
    AutoString m_strTag1 { "" };
    AutoString m_strTag2 { "" };
    AutoString m_strTestDate1 { "" }; // month/day/year
    AutoString m_strTestDate2 { "" };
    AutoString m_strFileName1 { "" }; // full path as chosen
    AutoString m_strFileName2 { "" };
    AutoString m_strStartPosition1 { "" };
    AutoString m_strStartPosition2 { "" };
    AutoString m_strStopPosition1 { "" };
    AutoString m_strStopPosition2 { "" };
    AutoString m_strTimeToTarget1 { "" }; // the setting
    AutoString m_strTimeToTarget2 { "" };
    AutoString m_strTestDuration1 { "" };
    AutoString m_strTestDuration2 { "" };
    AutoString m_strBreakAwayTime1 { "" };
    AutoString m_strBreakAwayTime2 { "" };
    AutoString m_strBreakAwayTimeDiff { "" };
    AutoString m_strTimeToTargetResult1 { "" };
    AutoString m_strTimeToTargetResult2 { "" };
    AutoString m_strTimeToTargetResultDiff { "" };
    AutoString m_strBreakAwayPressure1 { "" };
    AutoString m_strBreakAwayPressure2 { "" };
    AutoString m_strBreakAwayPressureDiff { "" };
    AutoString m_strBreakAwayUnit1 { "" }; // pressure unit text
    AutoString m_strBreakAwayUnit2 { "" };
    AutoString m_strResult1 { "" };
    AutoString m_strResult2 { "" };
    uint8_t m_bSingleActing1 = 0;
    uint8_t m_bPressureSensor1 = 1;
    uint8_t m_bSingleActing2 = 0;
    uint8_t m_bPressureSensor2 = 1;
};
