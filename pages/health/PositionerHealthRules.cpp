#include "PositionerHealthRules.h"

#include "IndicatorColours.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PositionerHealthRules
{

std::optional<uint32_t> responseColour(double value, double warning, double alarm)
{
    if (value <= warning)
        return IndicatorColour::Green;
    if (value < alarm)
        return IndicatorColour::Yellow;
    if (value > alarm)
        return IndicatorColour::Red;
    return std::nullopt;
}

uint32_t counterColour(double value, double initialWarning)
{
    return value > initialWarning ? IndicatorColour::Yellow : IndicatorColour::Green;
}

double initialWarning(double fullWarning)
{
    return 0.9 * fullWarning;
}

ResponseLimits draggedAlarm(double position, double warning, double minimum, double maximum)
{
    if (warning >= position) {
        const double alarm = std::max(position, minimum + 1.0);
        return { alarm - 1.0, alarm, true };
    }
    return { warning, std::min(position, maximum), false };
}

ResponseLimits draggedWarning(double position, double alarm, double minimum, double maximum)
{
    if (alarm <= position) {
        const double warning = std::min(position, maximum - 1.0);
        return { warning, warning + 1.0, true };
    }
    return { std::max(position, minimum), alarm, false };
}

double counterFullScale(double fullWarning)
{
    return std::max(400000000.0, fullWarning);
}

uint32_t wholeWord(double value)
{
    if (std::isnan(value) || value <= 0.0)
        return 0;
    if (value >= double(std::numeric_limits<uint32_t>::max()))
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(std::trunc(value));
}

uint16_t thresholdWord(long long value)
{
    return static_cast<uint16_t>(std::clamp<long long>(value, 0, std::numeric_limits<uint16_t>::max()));
}

} // namespace PositionerHealthRules
