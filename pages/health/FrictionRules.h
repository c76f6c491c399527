#pragma once

#include <array>
#include <cstdint>
#include <optional>

// What both friction pages decide about the four friction limits, without
// their widgets: the zone colour of the friction value, the full scale of the
// friction gauge, the preset limit sets and the order the limits are kept in
// when one of them moves. The limits are numbered as the gauge's pointers:
// 1 low alarm, 2 low warning, 3 high warning, 4 high alarm.
namespace FrictionRules
{
enum Pointer { ValuePointer = 0, LowAlarm = 1, LowWarning = 2, HighWarning = 3, HighAlarm = 4 };

// The four limits, indexed by Pointer - 1: low alarm, low warning, high warning, high alarm.
using Limits = std::array<double, 4>;
inline double& at(Limits& limits, int pointer)
{
    return limits[static_cast<size_t>(pointer - 1)];
}
inline double at(const Limits& limits, int pointer)
{
    return limits[static_cast<size_t>(pointer - 1)];
}

// The zone colour of friction `value`: yellow between an alarm and its
// warning, green from the low warning up to the high warning, red beyond an
// alarm. Nothing when the value stands exactly on an alarm limit or the
// limits are out of order: the pointer keeps the colour it had.
std::optional<uint32_t> zoneColour(double value, const Limits& limits);

// The highest limit the device takes: the high alarm's top.
constexpr double Ceiling = 10000.0;

// The least limit `pointer` can be on a gauge whose scale starts at
// `scaleMin` with the limits below it still under it, one pound apart: the
// scale minimum plus the limit's index less one.
double floorOf(int pointer, double scaleMin);
// The most limit `pointer` can be with the limits above it still over it,
// one pound apart, up to the ceiling: 9997, 9998, 9999 and 10000.
double topOf(int pointer);

// The friction gauge's maximum for `x`: 100 below 100, the next multiple of
// 100 above x below 1000, of 1000 above x below 10000, then 10000.
double fullScale(double x);
// What the full-scale rule is given when a limit's spin changes: the high
// alarm plus the distance of the changed limit from above the high alarm
// (low alarm + 4, low warning + 3, high warning + 2, high alarm + 1).
double spinFullScaleBase(int pointer, double highAlarm);

enum class Preset { Tight, Normal, Loose, NoLimits };
// The limits of a preset for the friction `base` found when the settings were
// last loaded; "No Limits" is the same whatever the base.
Limits presetLimits(Preset preset, double base);

// Limit `pointer` moved to `position` on a gauge whose scale starts at
// `scaleMin`. The moved limit is held between its floor and its top; then
// every other limit is kept in the order low alarm < low warning < high
// warning < high alarm, a pound apart, by pushing: each one above the moved
// limit to no less than one over the limit below it, each one below to no
// more than one under the limit above it. A limit the move does not reach
// stays where it is, and none leaves its own floor and top, so the four come
// out in order whatever they were before.
struct Ordering {
    Limits limits;
    bool held = false; // the moved limit was held at its floor or its top
};
Ordering orderAfterMove(const Limits& limits, int pointer, double position, double scaleMin);

// A whole set of limits made by the page (a preset) put in order the same
// way, from the low alarm up: each held to its floor and top and to one over
// the limit below it.
Limits holdInOrder(const Limits& limits, double scaleMin);
} // namespace FrictionRules
