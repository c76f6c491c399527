#pragma once

#include "core/ResultFile.h"
#include "hdrl/CHDRLReport.h"

#include <QString>

// The HDRL test file (".hdrl"): the HDRL plot's data file, whose hidden
// "TestSettings" channel holds the month, day and year of saving and the
// position settling time, and "TagName" the device tag. The results are not
// stored: a load computes them again from the readings.
namespace HDRLTestFile
{

const ResultFileFamily<CHDRLReport>& family();

// Checks a file held in a plot (or in loaded channels) the way every HDRL
// loader does, and gives its settling time: ComError unless it has the eight
// data channels, "TagName" and the four settings points.
double checkFile(const ResultFileFrame::ChannelLookup& lookup);

// A run stored with one point per step (25 points in each time channel)
// becomes two points per step: each step's value held from its start, k ×
// settling, to the start of the next, 49 points, as the analysis needs them.
void toStaircase(const IPlotPtr& plot, const QString& position, const QString& command, double settling);

// Reads the file's settling time and tag into the record and its readings'
// results into the five result texts. The plot is the loader's scratch plot:
// a run stored with one point per step becomes the staircase of two points per
// step first, and the least-squares line gets its five recomputed points. A
// "Command" of neither 25 nor 49 points leaves the repeatability and
// hysteresis texts empty. ComError when the file is refused; the record may be
// half filled then, so loaders read into a copy.
void evaluate(const IPlotPtr& scratch, CHDRLReport& record);

} // namespace HDRLTestFile
