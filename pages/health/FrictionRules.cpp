#include "FrictionRules.h"

#include "IndicatorColours.h"

#include <cmath>

namespace FrictionRules
{

std::optional<uint32_t> zoneColour(double value, const Limits& limits)
{
    using namespace IndicatorColour;
    const double la = at(limits, LowAlarm);
    const double lw = at(limits, LowWarning);
    const double hw = at(limits, HighWarning);
    const double ha = at(limits, HighAlarm);
    if (la < value && value < lw)
        return Yellow;
    if (lw <= value && value < hw)
        return Green;
    if (hw <= value && value < ha)
        return Yellow;
    if (value > ha)
        return Red;
    if (value < la)
        return Red;
    return std::nullopt;
}

double fullScale(double x)
{
    if (x < 100.0)
        return 100.0;
    if (x < 1000.0)
        return std::trunc((x + 100.0) / 100.0) * 100.0;
    if (x < 10000.0)
        return std::trunc((x + 1000.0) / 1000.0) * 1000.0;
    return 10000.0;
}

double spinFullScaleBase(int pointer, double highAlarm)
{
    return highAlarm + (HighAlarm + 1 - pointer);
}

Limits presetLimits(Preset preset, double base)
{
    switch (preset) {
    case Preset::Tight:
        return { 0.45 * base, 0.8 * base, 1.4 * base, 2.1 * base };
    case Preset::Normal:
        return { 0.3 * base, 0.65 * base, 1.7 * base, 2.4 * base };
    case Preset::Loose:
        return { 0.1 * base, 0.45 * base, 2.1 * base, 2.8 * base };
    case Preset::NoLimits:
        break;
    }
    return { 0.0, 1.0, 9999.0, 10000.0 };
}

namespace
{
// The pushes of a moved limit, in the order they are tested: the
// neighbour, and whether it is reached from below (pushed up) or above.
struct Push {
    int neighbour;
    bool up;
};
constexpr Push Pushes[4][3] = {
    { { LowWarning, true }, { HighWarning, true }, { HighAlarm, true } },
    { { HighWarning, true }, { LowAlarm, false }, { HighAlarm, true } },
    { { LowAlarm, false }, { HighAlarm, true }, { LowWarning, false } },
    { { HighWarning, false }, { LowWarning, false }, { LowAlarm, false } },
};
}

Ordering orderAfterMove(const Limits& limits, int pointer, double position, double scaleMin)
{
    Ordering out { limits, false };
    if (pointer < LowAlarm || pointer > HighAlarm)
        return out;
    double& moved = at(out.limits, pointer);
    if (pointer == HighAlarm && position >= Ceiling) {
        moved = Ceiling;
        out.stopped = true;
        return out;
    }
    const double floor = scaleMin + (pointer - 1);
    if (position <= floor) {
        moved = floor;
        out.stopped = true;
        return out;
    }
    moved = position;
    for (const Push& push : Pushes[pointer - 1]) {
        double& neighbour = at(out.limits, push.neighbour);
        const double distance = push.neighbour - pointer;
        if (push.up ? position >= neighbour : position <= neighbour)
            neighbour = position + distance;
    }
    return out;
}

} // namespace FrictionRules
