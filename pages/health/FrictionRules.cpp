#include "FrictionRules.h"

#include "IndicatorColours.h"

#include <algorithm>
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

double floorOf(int pointer, double scaleMin)
{
    return scaleMin + (pointer - LowAlarm);
}

double topOf(int pointer)
{
    return Ceiling - (HighAlarm - pointer);
}

Ordering orderAfterMove(const Limits& limits, int pointer, double position, double scaleMin)
{
    Ordering out { limits, false };
    if (pointer < LowAlarm || pointer > HighAlarm)
        return out;
    const double moved = std::clamp(position, floorOf(pointer, scaleMin), topOf(pointer));
    out.held = moved != position;
    at(out.limits, pointer) = moved;
    // Pushed limits never leave their own floor and top: the moved one lies
    // within its own, so one over (or under) it lies within the next one's.
    for (int above = pointer + 1; above <= HighAlarm; ++above) {
        double& limit = at(out.limits, above);
        limit = std::clamp(limit, at(out.limits, above - 1) + 1.0, topOf(above));
    }
    for (int below = pointer - 1; below >= LowAlarm; --below) {
        double& limit = at(out.limits, below);
        limit = std::clamp(limit, floorOf(below, scaleMin), at(out.limits, below + 1) - 1.0);
    }
    return out;
}

Limits holdInOrder(const Limits& limits, double scaleMin)
{
    return orderAfterMove(limits, LowAlarm, at(limits, LowAlarm), scaleMin).limits;
}

} // namespace FrictionRules
