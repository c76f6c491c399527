#pragma once

#include "automation/AutoString.h"
#include "controls/XYPlot.h"

#include <cstdint>

// The spring set of a ramp test from two thrust curves of the ramp plot: a
// straight line through the extremes of the curve with the larger maximum
// (the second one on a tie), extended to 0 % and 100 % of travel. Spring
// initial and final come out in the pressure unit of the code, the rate in
// pounds (kilograms for any unit but psi) per unit of stroke length. Nothing
// is guarded: a zero area, stroke length or x span gives infinities or
// not-a-number, and a channel name the plot lacks raises ComError with the
// out values left unwritten.
void DoSpringSet(uint8_t pressureUnit, double area, double strokeLength, AutoString firstChannel,
    AutoString secondChannel, IXYPlotPtr plot, double* springRate, double* springInitial, double* springFinal);
