#pragma once

#include "core/ResultFile.h"
#include "ramp/CRampReport.h"

#include <QString>

// The ramp test file (".rmp"): the ramp plot's data file, whose hidden
// "TestSettings" channel holds 18 points: start, stop, hold time and
// duration; the bi-directional, single-acting and pressure sensor flags; the
// month, day and year of saving; the pressure and length unit codes; the
// actuator size and stroke length; the pressure data flag; spring initial,
// final and rate; and, since a spring may show no value, point 18: bit 0, 1
// and 2 set for a spring initial, final and rate that show none (a file
// without point 18 holds every spring as a number). "TagName" holds the
// device tag; "Results" is kept as the plot has it.
namespace RampTestFile
{

inline constexpr int SettingsPoints = 18;
inline constexpr int SpringNoValuePoint = 18;

// Whether the file holds a value for the spring field at `point` (15, 16
// or 17), rather than " - ".
bool springHolds(const PlotChannelData& settings, int point);

// Whether a spring field's text shows no value: empty or "-", blanks aside.
bool showsNoValue(const QString& text);

const ResultFileFamily<CRampReport>& family();

// The unit texts a load gives for the file's unit codes.
QString pressureUnitText(int unitCode);
QString lengthUnitText(int unitCode);
// The unit texts a ramp result shows for its pressure and length unit codes,
// kilograms per square centimetre spelt as given: the spring pressure and
// stroke length units, the actuator size's "sq.cm" (length code 49) or
// "sq.in", and the spring rate's "lbs" (pressure code 6) or "kg" over the
// length unit.
struct UnitTexts {
    QString springPressure;
    QString strokeLength;
    QString actuatorSize;
    QString springRate;
};
UnitTexts unitTexts(int pressureUnit, int lengthUnit, const QString& kgPerSquareCentimetre);
// The pressure axis title a load gives, as the run gave it: "Pressure [kPa]".
QString pressureAxisTitle(int unitCode);

// Reads a ramp test file held in the plot (or in loaded channels) into the
// record: ComError, with the record maybe half filled, unless the file has
// the 23 signal channels, "TagName" and the settings points the loader reads
// (all 18 for a bi-directional test, 14 for a one-way one). Loaders read into
// a copy.
void readRecord(const ResultFileFrame::ChannelLookup& lookup, CRampReport& record);

} // namespace RampTestFile
