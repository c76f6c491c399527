#pragma once

#include <cstdint>

// What the valve health page decides about its cycle and travel counter
// settings, without its widgets.
namespace ValveHealthRules
{
constexpr double CyclesSpinMaximum = 400000000.0;
constexpr double TravelSpinMaximum = 900000000.0;

// The counter gauges' maximum for a full warning `v`: 1100000 below one
// million, the next million above v below ten million, and above that a fixed
// top (60000000 cycles, 21000000 travel) as long as it is not below v; beyond
// ten million the next ten million above v, capped at the spin's maximum but
// never below v.
double cyclesFullScale(double v);
double travelFullScale(double v);

// The initial warning that goes with a full warning.
constexpr double InitialWarningShare = 0.9;

// A typed stroke length as the device's word: held to the spin's range (which
// counts in whole units of travel), then in hundredths, truncated.
uint16_t strokeHundredths(double typed, double spinMin, double spinMax);

// A deadband in percent as the write lays it: tenths of a percent, cut toward
// zero and held to the word (so a negative one as 0).
uint16_t deadbandTenths(double percent);
} // namespace ValveHealthRules
