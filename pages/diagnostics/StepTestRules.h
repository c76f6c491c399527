#pragma once

#include "DiagnosticTestRules.h"

#include <QString>

#include <cstdint>

// What the step test page decides without its widgets: which settings it
// accepts, how it lays its axes out, where samples lie and how the device's
// words scale.
namespace StepTestRules
{

using DiagnosticTestRules::percentOf;
using DiagnosticTestRules::PositionRange;
using DiagnosticTestRules::PositionTip;
using DiagnosticTestRules::positionValid;
using DiagnosticTestRules::pressureOf;
// Hold time: 2 to 300 s, both included; the device keeps it as a float, so
// fractions are taken, and the tip says so.
inline constexpr FieldRange HoldTimeRange { 2.0, 300.0 };
inline const QString HoldTimeTip = HoldTimeRange.tip();
bool holdTimeValid(double seconds);

// The position axis starts at the lower of the two positions, as single
// precision truncated toward zero, and always ends at 110 %.
int positionAxisMinimum(float start, float stop);
inline double positionAxisSpan(int minimum)
{
    return 110.0 - minimum;
}

// The read-out spans the hold time and one second more, in 208 steps.
inline constexpr int SamplesPerTest = 208;
inline constexpr int LastProgress = 207;
double totalTime(float holdSeconds);
double sampleInterval(float holdSeconds);

} // namespace StepTestRules
