#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

// One HDRL test: the device tag, the position settling time and the five
// results (repeatability, hysteresis and deadband, linearity).
class CHDRLReport
{
public:
    CHDRLReport();
    CHDRLReport(const CHDRLReport& other);
    CHDRLReport& operator=(const CHDRLReport& other);
    ~CHDRLReport();

    // The HDRL plot's channels, its three views and the HDRL test files; the
    // bodies live with the HDRL family (hdrl/).
    void SetupHDRLPlotChannels(IPlotPtr plot);
    void ControlClick(IPlotPtr plot);
    void HDRClicked(IPlotPtr plot);
    void LinearityClicked(IPlotPtr plot);
    void SaveHDRL(IPlotPtr plot);
    bool LoadHDRL(IPlotPtr plot);

    AutoString m_strTag { "" }; // device tag
    // When the result was recorded, month/day/year unpadded ("12/3/2024"): a
    // run's day, or the date its file keeps; empty while no result is held.
    // A save writes it into the file (the clock's day only when it is empty).
    AutoString m_strTestDate { "" };
    AutoString m_strSpare { "" };
    AutoString m_strPosSettlingTime { "3" }; // seconds
    AutoString m_strRepeatAverage { "" };
    AutoString m_strRepeatMaximum { "" };
    AutoString m_strHysDeadAverage { "" };
    AutoString m_strHysDeadMaximum { "" };
    AutoString m_strLinearError { "" };
};
