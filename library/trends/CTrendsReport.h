#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

// The trends as saved and printed: the device tag and the units of the supply
// pressure and temperature trends.
class CTrendsReport
{
public:
    CTrendsReport();
    CTrendsReport(const CTrendsReport& other);
    CTrendsReport& operator=(const CTrendsReport& other);
    ~CTrendsReport();

    // The trend plots are always passed in the order 24 hours, 30 days, 12
    // months, 25 years. Setting up and saving leave the record as it is.
    void SetUpTrendsPlotChannels(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years) const;
    void SaveTrends(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years) const;
    // True when a file was loaded; then the unit codes and texts are the file's.
    bool LoadTrends(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years);

    AutoString Tag { "" }; // device tag
    AutoString PressureUnitText { "" };
    AutoString TemperatureUnitText { "" };
    uint8_t PressureUnitCode = 6; // HART unit code
    uint8_t TemperatureUnitCode = 32; // HART unit code
};
