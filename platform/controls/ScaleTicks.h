#pragma once

#include <QRectF>
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

// The labels of a scale's ticks, all with the decimals their spacing needs: as
// few as show every tick exactly, and never more than bring each label within
// a twentieth of the spacing of its tick. Six steps from 0 to 100 read "0",
// "17", "33", "50", "67", "83", "100"; quarters read "0.25". No trailing
// zeros, no "-0".
std::vector<QString> labels(const std::vector<double>& ticks);

// Whether no two label boxes come closer than `gap` (a character's width, so
// that neighbouring numbers never read as one).
bool apart(const std::vector<QRectF>& boxes, double gap);

} // namespace ScaleTicks
