#pragma once

#include <cstdint>

// Turning displayed decimal values into device words.
namespace DeviceWords
{

// value x scale truncated toward zero, with a tolerance of 0.001 of the target
// unit so binary representation error does not drop a unit (0.29 x 100 -> 29,
// 12.345 x 100 -> 1234). Returns a whole number (or inf/NaN unchanged).
double truncScaled(double value, double scale);

// value x scale to the nearest whole number, halves away from zero: for a
// value the user gave in another unit than the device's, whose word is no
// whole step of it (40 psi of a 60 psi scale is 6666.67 -> 6667), so that
// cutting would drop a unit the device held. Returns a whole number (or
// inf/NaN unchanged).
double nearestScaled(double value, double scale);

// Saturating conversions to device fields: out-of-range values clamp to the
// field's limits instead of wrapping; +inf -> max, -inf -> min, NaN -> 0.
uint16_t saturateU16(double value);
int16_t saturateS16(double value);
uint32_t saturateU32(double value);
int32_t saturateS32(double value);

// The usual pair: truncate the scaled value, then saturate to the field.
inline uint16_t toU16(double value, double scale)
{
    return saturateU16(truncScaled(value, scale));
}
inline int16_t toS16(double value, double scale)
{
    return saturateS16(truncScaled(value, scale));
}
inline uint32_t toU32(double value, double scale)
{
    return saturateU32(truncScaled(value, scale));
}

// A value converted from another unit: the nearest word, saturated to the field.
inline uint16_t nearestU16(double value, double scale)
{
    return saturateU16(nearestScaled(value, scale));
}
inline uint32_t nearestU32(double value, double scale)
{
    return saturateU32(nearestScaled(value, scale));
}

} // namespace DeviceWords
