#include "ValveHealthRules.h"

#include "automation/DeviceWords.h"

#include <algorithm>
#include <cmath>

namespace ValveHealthRules
{
namespace
{
double counterFullScale(double v, double top, double spinMaximum)
{
    if (v < 1000000.0)
        return 1100000.0;
    if (v < 10000000.0)
        return std::trunc((v + 1000000.0) / 1000000.0) * 1000000.0;
    // A device limit above the fixed top must not be shown, and then
    // written back, as the top.
    if (v == 10000000.0)
        return top;
    const double next = std::trunc((v + 10000000.0) / 10000000.0) * 10000000.0;
    return std::max(std::min(next, spinMaximum), v);
}
}

double cyclesFullScale(double v)
{
    return counterFullScale(v, 60000000.0, CyclesSpinMaximum);
}

double travelFullScale(double v)
{
    return counterFullScale(v, 21000000.0, TravelSpinMaximum);
}

uint16_t strokeHundredths(double typed, double spinMin, double spinMax)
{
    double held = typed;
    if (held >= spinMax)
        held = std::trunc(spinMax);
    else if (!(held >= spinMin))
        held = std::ceil(spinMin);
    return DeviceWords::toU16(held, 100.0);
}

uint16_t deadbandTenths(double percent)
{
    return DeviceWords::toU16(percent, 10.0);
}
} // namespace ValveHealthRules
