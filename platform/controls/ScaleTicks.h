#pragma once

#include <QString>

#include <vector>

// Tick values for the instruments' scales, shared so every scale reads alike.
namespace ScaleTicks
{

// Round-numbered major ticks (steps of 1, 2 or 5 times a power of ten) from
// min to max, at most `maxCount` of them; empty for an empty or reversed range.
std::vector<double> nice(double min, double max, int maxCount);

// `count` evenly spaced ticks from min to max, both ends included.
std::vector<double> even(double min, double max, int count);

// Where a value lies along a scale from min to max, as a fraction from 0 to 1.
// Values beyond the scale stop at its ends; a value that is not a number, or
// a scale that spans nothing, gives 0.
double fractionOf(double value, double min, double max);

// The label of a tick: no trailing zeros, no "-0".
QString label(double value);

} // namespace ScaleTicks
