#include "DashboardRules.h"

#include "IndicatorColours.h"

namespace DashboardRules
{

double commandFollowed(uint8_t controlMode, uint16_t digitalCommand, uint16_t analogCommand)
{
    const uint16_t word = controlMode == AnalogMode ? analogCommand : digitalCommand;
    return static_cast<int16_t>(word) * 0.01;
}

int worstCaseWordOfRow(int row)
{
    constexpr int Words[4] = { 0, 2, 1, 3 };
    return row >= 0 && row < 4 ? Words[row] : 0;
}

HealthLamps healthLamps(uint16_t word)
{
    return { 100.0, static_cast<double>(word), word * 0.01 == 100.0 ? 100.0 : 0.0 };
}

uint32_t commandColour(double command, double bandLow, double bandHigh)
{
    const bool within = bandLow - 1.0 <= command && command <= bandHigh + 1.0;
    return within ? IndicatorColour::Green : IndicatorColour::Yellow;
}

uint32_t supplyAlarmColour(uint8_t historyByte5, uint8_t maskByte5)
{
    const uint8_t supply = historyByte5 & maskByte5;
    if (supply & 0x01)
        return IndicatorColour::Red;
    if (supply & 0x04)
        return IndicatorColour::Yellow;
    return IndicatorColour::Black;
}

TemperatureScale temperatureScale(uint8_t temperatureUnit)
{
    constexpr uint8_t Fahrenheit = 33;
    if (temperatureUnit == Fahrenheit)
        return { "degF", -55.0, 185.0 };
    return { "degC", -45.0, 85.0 };
}

double pressureInUnit(double raw, double fullScale)
{
    return raw * (0.01 * fullScale * 0.01);
}

} // namespace DashboardRules
