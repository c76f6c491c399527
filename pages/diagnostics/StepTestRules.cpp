#include "StepTestRules.h"

#include <algorithm>
#include <cmath>

namespace StepTestRules
{

bool holdTimeValid(double seconds)
{
    return HoldTimeRange.contains(seconds);
}

int positionAxisMinimum(float start, float stop)
{
    const float lower = std::min(start, stop);
    if (!std::isfinite(lower))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(lower, -1.0e6f, 1.0e6f)));
}

double totalTime(float holdSeconds)
{
    return static_cast<double>(holdSeconds) + 1.0;
}

double sampleInterval(float holdSeconds)
{
    return totalTime(holdSeconds) / SamplesPerTest;
}

} // namespace StepTestRules
