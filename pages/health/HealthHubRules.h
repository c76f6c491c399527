#pragma once

#include <cstdint>

// What the health hub decides from the device's worst-case words (command
// 194), without its widgets.
namespace HealthHubRules
{

// The rows of the hub, top to bottom.
enum Row { Valve, Positioner, Actuator, Control, RowCount };

// The worst-case word that belongs to a row: the device sends valve,
// actuator, positioner, control, while the hub shows the positioner second.
int worstCaseWordOfRow(int row);

// The warning and alarm bars of a row for its word, each on a 0 to 100
// scale. The warning bar takes the word as it comes, unscaled, so 50 is half
// full and 100 or more full. The alarm bar is full at 100.00 %: for the valve
// at that value or above, for the other rows only at exactly that value.
struct RowBars {
    double warning;
    double alarm;
};
RowBars rowBars(int row, uint16_t word);

} // namespace HealthHubRules
