#pragma once

#include <cstdint>

// What the dashboard decides from the device's words, without its widgets.
namespace DashboardRules
{
constexpr uint8_t DigitalMode = 64;
constexpr uint8_t AnalogMode = 0;

// The command the valve follows, in percent, from a status reply (202, 203):
// the loop's command in analog mode, the digital command otherwise. The
// digital command stays in the reply while the loop is in charge, but the
// valve does not follow it then.
double commandFollowed(uint8_t controlMode, uint16_t digitalCommand, uint16_t analogCommand);

// The worst-case word (command 194) that belongs to a health row (valve,
// positioner, actuator, control).
int worstCaseWordOfRow(int row);

// The three lamps of a health row for its worst-case word: the healthy lamp
// is always full, the alarm lamp full only at 100.00 %, and the warning lamp
// takes the word as it comes, unscaled.
struct HealthLamps {
    double healthy;
    double warning;
    double alarm;
};
HealthLamps healthLamps(uint16_t word);

// The command gauge's colour: green within the soft limits and 1 % beside
// them, yellow outside.
uint32_t commandColour(double command, double bandLow, double bandHigh);

// The supply dial's alarm colour from history byte 5 and the alarm mask's
// byte 5: red for a low supply alarm (0x01), yellow for a warning (0x04),
// black when neither is set and enabled.
uint32_t supplyAlarmColour(uint8_t historyByte5, uint8_t maskByte5);

// The temperature readout's unit and the thermometer's scale for the
// device's temperature unit: 33 is Fahrenheit, anything else Celsius.
struct TemperatureScale {
    const char* unit;
    double minimum;
    double maximum;
};
TemperatureScale temperatureScale(uint8_t temperatureUnit);

// A pressure (command 204) in the device's unit: hundredths of a percent of
// the full scale, Misc long 0x69.
double pressureInUnit(double raw, double fullScale);
} // namespace DashboardRules
