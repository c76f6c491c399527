#pragma once

#include "core/ResultFile.h"
#include "step/CStepTestReport.h"

#include <QString>

// The step test file (".stp"): the step plot's data file, whose hidden
// "TestSettings" channel holds start, stop and hold time, the month, day and
// year of saving, the single-acting and pressure sensor flags, the pressure
// unit code and a spare 0, and whose "TagName" holds the device tag.
namespace StepTestFile
{

const ResultFileFamily<CStepTestReport>& family();

// The unit text of a pressure unit code in the step family's own words, and
// the pressure axis title a load gives, as the run gave it: "Pressure [kPa]".
QString pressureUnitText(int unitCode);
QString pressureAxisTitle(int unitCode);

// Reads a step test file held in the plot (or in loaded channels) into the
// record: ComError, with the record maybe half filled, unless the file has
// the eight signal channels, "TagName" and at least the nine settings points
// the loaders read. Loaders read into a copy.
void readRecord(const ResultFileFrame::ChannelLookup& lookup, CStepTestReport& record);

} // namespace StepTestFile
