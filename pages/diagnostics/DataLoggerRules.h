#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// What the data logger page decides without its controls: the interval and
// duration tables, the sample limit and the x of a sample, the scales of the
// sampled values and the temperature axis by unit.
namespace DataLoggerRules
{

// Interval combo index to milliseconds between samples ("3" ... "60" s);
// none for an index outside the table.
std::optional<int> PeriodForIndex(int index);

// Duration units combo index: seconds per unit and the unit's text; none for
// an index outside the table.
struct DurationUnit {
    int seconds;
    const char* text;
};
std::optional<DurationUnit> UnitForIndex(int index);

// The duration in seconds: the duration field's whole number held to what a
// run takes (1 ... 60, as Start writes it back) times the unit's seconds, so
// neither a loaded -7 nor a huge value gives a negative or wrapped duration.
int DurationSeconds(int fieldValue, const DurationUnit& unit);

// The duration in whole periods, rounded half up: the index of a run's last
// sample. 0 when the period is below one second.
int SampleLimit(int durationSeconds, int periodMs);

// The x of sample `count`: whole seconds, rounded toward zero. Wide enough
// for weeks of samples.
int64_t SampleX(int64_t count, int periodMs);

// The duration as Start writes it back: the whole part, held to 1 ... 60.
double ClampedDuration(double typed);

// A status word (hundredths of a percent, signed).
double StatusPercent(uint16_t word);
// A port word: hundredths of a percent of the pressure full scale, in the
// device's pressure unit.
double PortPressure(uint16_t word, double fullScale);

// The temperature axis by the device's temperature unit code: "ºC" from -40
// to 105 for 32, "ºF" from -40 to 205 for any other.
struct TemperatureScale {
    QString unit;
    double span;
};
TemperatureScale TemperatureScaleFor(uint8_t unitCode);

// The combos' selections as a loaded file gives them: the interval index
// when it is in the table, else 0; units 1 and 2 as they are, else 0.
int LoadedIntervalIndex(const QString& text);
int LoadedUnitIndex(const QString& text);

} // namespace DataLoggerRules
