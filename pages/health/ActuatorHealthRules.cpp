#include "ActuatorHealthRules.h"

#include "IndicatorColours.h"

#include "automation/DeviceWords.h"

namespace ActuatorHealthRules
{
namespace
{
constexpr Push Pushes[] = {
    { Leak, 1, 2, 0.01 },
    { Leak, 2, 1, -0.01 },
    { Supply, 1, 2, 1.0 },
    { Supply, 1, 3, 2.0 },
    { Supply, 2, 1, -1.0 },
    { Supply, 2, 3, 1.0 },
    { Supply, 3, 2, -1.0 },
    { Supply, 3, 1, -2.0 },
    { Ratio, 1, 2, -1.0 },
    { Ratio, 2, 1, 1.0 },
};

constexpr UnitScales PsiScales { 1.0, "0.1", 1.0, { 1.0, 1.0 }, 150.0, { 1480, 1490, 1500 },
    "Actuator Pneumatic Leak(scfm)" };
constexpr UnitScales BarScales { 28.3, "2.83", 28.3, { 28.2, 28.3 }, 12.0, { 100, 110, 120 },
    "Actuator Pneumatic Leak(slm)" };
constexpr UnitScales KPaScales { 28.3, "2.83", 28.3, { 28.2, 28.3 }, 1050.0, { 10480, 10490, 10500 },
    "Actuator Pneumatic Leak(slm)" };
}

const Limit* limitOf(std::span<const Limit> limits, int editOrSpinId)
{
    for (const Limit& limit : limits)
        if (limit.edit == editOrSpinId || limit.spin == editOrSpinId)
            return &limit;
    return nullptr;
}

const Limit* limitAt(std::span<const Limit> limits, Group group, int pointer)
{
    for (const Limit& limit : limits)
        if (limit.group == group && limit.pointer == pointer)
            return &limit;
    return nullptr;
}

std::span<const Push> pushes()
{
    return Pushes;
}

std::optional<double> pushedTo(const Push& push, double position, double neighbour)
{
    const bool reached = push.offset > 0 ? position >= neighbour : position <= neighbour;
    if (!reached)
        return std::nullopt;
    return position + push.offset;
}

const UnitScales* unitScales(int pressureUnit)
{
    switch (pressureUnit) {
    case 6:
        return &PsiScales;
    case 7:
    case 10:
        return &BarScales;
    case 12:
        return &KPaScales;
    default:
        return nullptr;
    }
}

uint32_t leakColour(double value, double warning, double alarm)
{
    return value < warning ? IndicatorColour::Green : value < alarm ? IndicatorColour::Yellow : IndicatorColour::Red;
}

uint32_t ratioColour(double value, double initialWarning, double fullWarning)
{
    return value < initialWarning ? IndicatorColour::Green
        : value < fullWarning     ? IndicatorColour::Yellow
                                  : IndicatorColour::Red;
}

std::optional<uint32_t> supplyColour(double value, double lowAlarm, double lowWarning, double highWarning)
{
    if (lowWarning <= value && value < highWarning)
        return IndicatorColour::Green;
    if (value >= highWarning || (lowAlarm < value && value < lowWarning))
        return IndicatorColour::Yellow;
    if (value < lowAlarm)
        return IndicatorColour::Red;
    return std::nullopt;
}

uint16_t leakWord(double value, double leakFactor)
{
    return DeviceWords::toU16(value, 1000.0 / leakFactor);
}

uint16_t supplyWord(double value, double pressureScale)
{
    // A share of the scale is no whole step of the unit typed: 40 psi of 60 is
    // 6666.67, and the device holds 6667.
    return DeviceWords::nearestU16(value, 10000.0 / pressureScale);
}

uint16_t ratioWord(double value)
{
    return DeviceWords::toU16(value, 100.0);
}

} // namespace ActuatorHealthRules
