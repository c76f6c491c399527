#pragma once

#include "core/ResultFile.h"
#include "partial_stroke/CPSTReport.h"

#include <QString>

// The partial stroke test file (".pst"): the partial stroke plot's data file,
// whose hidden "TestSettings" channel holds start, stop, time to target and
// duration, the month, day and year of saving, the pressure unit code and
// the single-acting and pressure sensor flags; "Results" holds break-away
// time, break-away pressure, time to target and the result code; "TagName"
// holds the device tag.
namespace PstFile
{

const ResultFileFamily<CPSTReport>& family();

// The number a result of 655.35 s stands for: the device measured nothing.
inline constexpr double NoValue = 655.35;

// The unit text of a pressure unit code as the single-file load shows it,
// and the pressure axis title it gives, as the run gave it: "Pressure [psi]".
QString pressureUnitText(int unitCode);
QString pressureAxisTitle(int unitCode);

// Reads a partial stroke file held in a plot (or in loaded channels) into the
// record: ComError, with the record maybe half filled, unless the file has
// the six signals, "TagName", ten settings points and four results. Loaders
// read into a copy.
void readRecord(const ResultFileFrame::ChannelLookup& lookup, CPSTReport& record);

} // namespace PstFile
