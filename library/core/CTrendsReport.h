#pragma once

#include "automation/AutoString.h"

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

    AutoString Tag { "" }; // device tag
    AutoString PressureUnitText { "" };
    AutoString TemperatureUnitText { "" };
    uint8_t PressureUnitCode = 6; // HART unit code
    uint8_t TemperatureUnitCode = 32; // HART unit code
};
