#pragma once

#include <QString>

#include <cstdint>

// What the step test page decides without its widgets: which settings it
// accepts, how it lays its axes out, where samples lie and how the device's
// words scale.
namespace StepTestRules
{

inline const QString PositionTip = QStringLiteral("Please enter values between -5 and 105");
inline const QString HoldTimeTip = QStringLiteral("Please enter integer values between 2 and 300");

// Start and stop positions: -5 to 105 %, both included.
bool positionValid(double percent);
// Hold time: 2 to 300 s, both included; fractions are accepted.
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

// A signal word (hundredths of a percent) as percent; a port pressure word
// (hundredths of a percent of the full scale) in the pressure unit.
double percentOf(int16_t word);
double pressureOf(int16_t word, double fullScale);
// An unsigned pressure word of Read_Pressure.
double pressureOf(uint16_t word, double fullScale);

} // namespace StepTestRules
