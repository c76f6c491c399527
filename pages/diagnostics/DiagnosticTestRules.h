#pragma once

#include "FieldRange.h"

#include <QString>

#include <cstdint>

// What the step, ramp and partial stroke test pages decide alike without
// their widgets: the positions they accept and how the device's signature
// words scale. Each page's own rules name these as theirs.
namespace DiagnosticTestRules
{

inline const QString PositionTip = QStringLiteral("Please enter values between -5 and 105");

// Start and stop positions: -5 to 105 %, both included; fractions are accepted.
inline constexpr FieldRange PositionRange { -5.0, 105.0 };
bool positionValid(double percent);

// A signal word (hundredths of a percent) as percent; a port pressure word
// (hundredths of a percent of the full scale) in the pressure unit.
double percentOf(int16_t word);
double pressureOf(int16_t word, double fullScale);
// An unsigned pressure word of Read_Pressure.
double pressureOf(uint16_t word, double fullScale);

} // namespace DiagnosticTestRules
