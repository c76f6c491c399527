#include "StepTestRules.h"

#include <algorithm>
#include <cmath>

namespace StepTestRules
{

bool positionValid(double percent)
{
    return percent >= -5.0 && percent <= 105.0;
}

bool holdTimeValid(double seconds)
{
    return seconds >= 2.0 && seconds <= 300.0;
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

double percentOf(int16_t word)
{
    return word * 0.01;
}

double pressureOf(int16_t word, double fullScale)
{
    return word * 0.01 * fullScale * 0.01;
}

double pressureOf(uint16_t word, double fullScale)
{
    return word * 0.01 * fullScale * 0.01;
}

} // namespace StepTestRules
