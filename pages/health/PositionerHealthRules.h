#pragma once

#include <cstdint>
#include <optional>

// What the positioner health page decides, without its widgets: the colour
// of a live value against its limits, how a dragged response limit keeps the
// warning below the alarm, the initial warning that follows a full warning,
// and how a shown number becomes a device word.
namespace PositionerHealthRules
{
// The pilot relay response time against its warning and alarm: green at or
// below the warning, yellow between, red above the alarm. Nothing when the
// value stands exactly on the alarm above the warning: the colour stays.
std::optional<uint32_t> responseColour(double value, double warning, double alarm);
// A counter against its initial warning: yellow above it, green otherwise.
uint32_t counterColour(double value, double initialWarning);

// The initial warning shown for a full warning: 90 % of it.
double initialWarning(double fullWarning);

// Where the two response limits go when the user drags one of them to
// `position` on a scale from `minimum` to `maximum`. When the dragged limit
// reaches the other, both move and stay one apart inside the scale;
// otherwise only the dragged one takes the position.
struct ResponseLimits {
    double warning;
    double alarm;
    bool pushed; // the other limit moved too
};
ResponseLimits draggedAlarm(double position, double warning, double minimum, double maximum);
ResponseLimits draggedWarning(double position, double alarm, double minimum, double maximum);

// The top of a counter gauge and its full-warning spin: the page's own 400
// million, or the device's limit when that is higher, so that a limit the
// user did not touch goes back to the device as it came.
double counterFullScale(double fullWarning);

// A spin's value as a 32-bit device word: cut toward zero, 0 for NaN and
// negatives, the largest word beyond it.
uint32_t wholeWord(double value);
// A whole number typed into a threshold edit as a 16-bit word: at most the
// largest word, never negative.
uint16_t thresholdWord(long long value);

// The seven binary indicators: the error-history byte and bit of each.
struct BinaryIndicator {
    int byte;
    uint8_t mask;
    int status;
};
constexpr BinaryIndicator BinaryIndicators[7] {
    { 4, 0x04, 34 }, // shunt voltage reference
    { 4, 0x08, 35 }, // piezo voltage
    { 4, 0x10, 36 }, // watch dog timeout
    { 4, 0x20, 37 }, // NVRam checksum
    { 4, 0x80, 39 }, // electronic inability to fail safe
    { 6, 0x10, 52 }, // Hall sensor upper position
    { 6, 0x20, 53 }, // Hall sensor lower position
};
} // namespace PositionerHealthRules
