#pragma once

#include "controls/Plot.h"

// The HDRL test's results from the points of an HDRL plot. `which` 1 reads
// "Command", "Position", "AverageError" and "LeastSquareLine"; 2 reads the
// same names with the suffix 2 (the second file of a comparison). The two
// whole numbers after the plot are not read. A missing channel raises
// ComError to the caller.

// Repeatability: each of the 13 readings of the first stroke pair against the
// reading 12 steps later. Leaves both outputs as they are unless "Command"
// holds the 49 points of a whole run (and `which` is 1 or 2).
void CalculateRepeatError(IPlotPtr plot, int, int, double* average, double* maximum, int which);
// Hysteresis plus deadband: the rising against the falling readings of the
// first cycle at 10, 30, 50, 70 and 90 %; the same gate as above.
void CalculateHD_Error(IPlotPtr plot, int, int, double* average, double* maximum, int which);
// Adds to "AverageError" the mean of the four cycle channels' errors at 10,
// 30, 50, 70 and 90 % (five points; the channel is not cleared first).
void CalculateAverageError(IPlotPtr plot);
// Puts the least-squares line of the average error at the five commands into
// the least-squares channel in place of what it held (nothing when all x
// values are equal or there are fewer than two points) and gives the linearity error: the largest distance
// between the average error and the line, index by index over the points
// both channels hold (0 when none).
void CalculateSum(IPlotPtr plot, int, int, double* linearityError, int which);
// The linearity error alone, from the line the plot already holds.
void CalculateLinError(IPlotPtr plot, int, int, double* linearityError, int which);
