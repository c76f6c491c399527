#pragma once

#include "DiagnosticTestRules.h"

#include <QString>

#include <cstdint>

// What the partial stroke test page decides without its widgets: which
// settings it accepts, how its axes and samples lie, and how the device's
// results and the saved results read as text.
namespace PartialStrokeRules
{

using DiagnosticTestRules::PositionRange;
using DiagnosticTestRules::PositionTip;
using DiagnosticTestRules::positionValid;
// Both ends included. The device keeps the time to target in hundredths of
// a second and the test duration in whole seconds: a finer value is refused
// as typed rather than cut when it is written.
inline constexpr FieldRange TimeToTargetRange { 0.0, 655.0, FieldStep::Hundredths };
inline constexpr FieldRange DurationRange { 2.0, 655.0, FieldStep::Whole };
// "Please enter values between 0 and 655 in steps of 0.01", "Please enter
// whole numbers between 2 and 655".
inline const QString TimeToTargetTip = TimeToTargetRange.tip();
inline const QString DurationTip = DurationRange.tip();
bool timeToTargetValid(double seconds);
bool durationValid(double seconds);

inline constexpr int SamplesPerTest = 208;
inline constexpr int LastProgress = 207;

// The test is recorded over its duration and one second more, in 208 samples.
double testSpan(double durationSeconds);
double sampleIntervalMs(double spanSeconds);
// A step of 10 % below the lower of the two positions, truncated toward zero,
// so that the command ending there stands clear of the border; the axis ends
// at 110 %.
int positionAxisMinimum(float start, float stop);

// The device's "not measured" word.
inline constexpr uint16_t NotMeasured = 0xFFFF;
// A break-away time or time to target of the device (hundredths of a
// second): " - " when not measured, else seconds as the shortest text.
QString deviceTimeText(uint16_t hundredths);
// The break-away pressure (hundredths of a percent of the full scale) in the
// display unit, "%6.2f"; a "not measured" word is shown as its value.
QString devicePressureText(uint16_t word, float fullScale);
QString resultText(uint8_t resultByte);

// A saved time result as a load shows it: "-" for the device's 655.35
// (nothing measured), else "%.2f".
QString loadedTimeText(double seconds);
// A time result edit as a save stores it: "655.35" for a dash, else "%5.2f".
bool showsNoValue(const QString& editText);
QString savedTimeText(const QString& editText);

// The compare page's rule for a result text of a file: below 655 it shows
// "%.2f", else "-" (the device's mark for no value).
bool compareHasValue(const QString& text);
QString compareValueText(const QString& text);

} // namespace PartialStrokeRules
