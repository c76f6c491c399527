#pragma once

#include <QString>

#include <cstdint>
#include <optional>

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

// A typed deadband in percent held to the spin's range (which counts in
// tenths); nothing when it is within it.
std::optional<double> clampedDeadband(double percent, double spinMin, double spinMax);
// A typed stroke length as the device's word: held to the spin's range (which
// counts in whole units of travel), then in hundredths, truncated.
uint16_t strokeHundredths(double typed, double spinMin, double spinMax);
// A typed stroke length the device's word can take: a number of at least one
// hundredth and at most 655.35 units; none for any other text ("abc", "-1",
// "0.004", "700"), which the stroke's mark calls out.
std::optional<double> strokeValue(const QString& text);
inline const QString StrokeTip = QStringLiteral("Please enter values between 0.01 and 655.35");
} // namespace ValveHealthRules
