#pragma once

#include <cstdint>

// The indicator colours every page and the status strip use (Windows colour
// values, 0x00BBGGRR): in range or healthy, warning, alarm, high or full
// warning, an inactive pointer, an unlit or blinking-off part.
namespace IndicatorColour
{
constexpr uint32_t Green = 0x00FF00;
constexpr uint32_t Yellow = 0x00FFFF;
constexpr uint32_t Red = 0x0A0AFF;
constexpr uint32_t Orange = 0x3366FF;
constexpr uint32_t Amber = 0x3399CC; // a high warning whose key is the amber mark
constexpr uint32_t Grey = 0x808080;
constexpr uint32_t Black = 0x000000;
} // namespace IndicatorColour
