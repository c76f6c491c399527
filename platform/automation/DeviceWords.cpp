#include "DeviceWords.h"

#include <cmath>
#include <limits>

namespace
{
constexpr double kTolerance = 0.001;

template <class Int> Int saturate(double value)
{
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    if (truncated <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    return static_cast<Int>(truncated);
}
}

namespace DeviceWords
{

double truncScaled(double value, double scale)
{
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return scaled;
    if (scaled >= 0)
        return std::trunc(scaled + kTolerance);
    return -std::trunc(-scaled + kTolerance);
}

double nearestScaled(double value, double scale)
{
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return scaled;
    return std::round(scaled);
}

uint16_t saturateU16(double value)
{
    return saturate<uint16_t>(value);
}
int16_t saturateS16(double value)
{
    return saturate<int16_t>(value);
}
uint32_t saturateU32(double value)
{
    return saturate<uint32_t>(value);
}
int32_t saturateS32(double value)
{
    return saturate<int32_t>(value);
}

} // namespace DeviceWords
