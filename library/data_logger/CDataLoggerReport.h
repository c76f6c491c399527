#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

// A data logger run as saved and printed: the device tag, the date it was
// recorded, the three settings as text, the device's option flags and its
// unit codes.
class CDataLoggerReport
{
public:
    CDataLoggerReport();
    CDataLoggerReport(const CDataLoggerReport& other);
    CDataLoggerReport& operator=(const CDataLoggerReport& other);
    ~CDataLoggerReport();

    // Asks where, then writes the plot's data file with the record's
    // settings and tag in its hidden channels. Cancel writes nothing; a
    // failure shows "File save error.".
    void SaveDataLogger(IPlotPtr plot) const;
    // Asks for a ".lgr" file and, when it holds a whole run, puts its
    // channels into the plot, its settings into the record (the tag and the
    // record's unit codes stay) and the file's units into the axis titles.
    // Cancel returns false; a refused file shows "File open error." and
    // returns false with plot and record as they were.
    bool LoadDataLogger(IPlotPtr plot);

    AutoString m_strTag { "" }; // device tag
    // When the run was recorded, month/day/year unpadded ("12/3/2024"): the
    // day it started, or the date its file keeps. A save writes it into the
    // file (the clock's day only when it is empty).
    AutoString m_strTestDate { "" };
    AutoString m_strInterval { "" }; // sampling interval
    AutoString m_strDuration { "" }; // logging duration
    AutoString m_strDurationUnit { "" };
    uint8_t m_bSingleActing = 0;
    uint8_t m_bPressureSensor = 0;
    uint8_t m_nPressureUnit = 6; // HART pressure unit code
    uint8_t m_nTemperatureUnit = 32; // HART temperature unit code
    uint8_t m_nDeviceCode = 0; // stored and restored as is
};
