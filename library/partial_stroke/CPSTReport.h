#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

// One partial stroke test: its settings, its results and the device flags that
// decide which pressure channels can be shown.
class CPSTReport
{
public:
    CPSTReport();
    CPSTReport(const CPSTReport& other);
    CPSTReport& operator=(const CPSTReport& other);
    ~CPSTReport();

    // The partial stroke plot's channels and the partial stroke test files;
    // the bodies live with the partial stroke family (partial_stroke/). A load
    // checks the whole file before the plot or the record changes.
    void SetupPSTPlotChannels(IPlotPtr plot);
    void SavePST(IPlotPtr plot);
    bool LoadPST(IPlotPtr plot);

    AutoString m_strStartPosition { "" }; // percent
    AutoString m_strStopPosition { "" }; // percent
    AutoString m_strTimeToTarget { "" }; // the setting
    AutoString m_strTestDuration { "" };
    AutoString m_strBreakAwayTime { "" };
    AutoString m_strBreakAwayPressure { "" };
    AutoString m_strBreakAwayUnit { "" }; // pressure unit text
    AutoString m_strTimeToTargetResult { "" }; // the measured time to target
    AutoString m_strResult { "" }; // "Pass" or "Fail"
    AutoString m_strTag { "TAG" }; // device tag
    // When the result was recorded, month/day/year unpadded ("12/3/2024"): a
    // run's day, or the date its file keeps; empty while no result is held.
    // A save writes it into the file (the clock's day only when it is empty).
    AutoString m_strTestDate { "" };
    AutoString m_strSpare { " " }; // not printed
    uint8_t m_nPressureUnit = 6; // HART pressure unit code
    uint8_t m_nResult = 1; // 1 = pass
    uint8_t m_bSingleActing = 0; // port 2 is never shown while set
    uint8_t m_bPressureSensor = 1; // pressure channels may show
};
