#pragma once

#include <QString>

#include <array>
#include <cstdint>

// How one row of the device's trend table becomes plot points, and the unit
// texts of the trends page. No widgets: tested with tables.
namespace TrendsRules
{

inline constexpr int RowCount = 91;

enum Period : int { Hours = 0, Days = 1, Months = 2, Years = 3, NoPeriod = -1 };

// Where a row lands: rows 0-23 the hours at x 1..24, 24-53 the days at
// 1..30, 54-65 the months at 1..12, 66-90 the years at 1..25; any other
// row nowhere.
struct RowPlace {
    Period period = NoPeriod;
    int x = 0;
};
RowPlace placeOfRow(int row);

// The six plotted values of a row, in the plots' channel order: position
// (w2), command (w1), deviation |w1 - w2|, all in hundredths of a percent;
// friction (w3) as it stands; supply w4 × 0.01 × factor × 0.01; temperature
// (w5) in hundredths. The words are signed.
// words: w1 command, w2 position, w3 friction, w4 supply, w5 temperature.
std::array<double, 6> rowValues(const std::array<int16_t, 5>& words, float supplyFactor);

// "Supply (<label>)".
QString supplyButtonText(const QString& unitLabel);
// "Temp(ºC)" for 32, "Temp(ºF)" for any other code.
QString temperatureButtonText(uint8_t temperatureUnit);
// The record's unit texts while the device's units are shown: "kg/sq.cm" for
// pressure code 10, else the device's label; "degC" for 32, else "degF".
QString devicePressureText(uint8_t pressureUnit, const QString& unitLabel);
QString deviceTemperatureText(uint8_t temperatureUnit);

} // namespace TrendsRules
