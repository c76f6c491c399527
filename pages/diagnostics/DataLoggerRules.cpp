#include "DataLoggerRules.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace DataLoggerRules
{

namespace
{
constexpr std::array<int, 7> PeriodsMs { 3000, 5000, 10000, 15000, 20000, 30000, 60000 };
constexpr std::array<DurationUnit, 3> Units { DurationUnit { 60, "Minute(s)" }, DurationUnit { 3600, "Hour(s)" },
    DurationUnit { 86400, "Day(s)" } };
}

std::optional<int> PeriodForIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(PeriodsMs.size()))
        return std::nullopt;
    return PeriodsMs[static_cast<size_t>(index)];
}

std::optional<DurationUnit> UnitForIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(Units.size()))
        return std::nullopt;
    return Units[static_cast<size_t>(index)];
}

int DurationSeconds(int fieldValue, const DurationUnit& unit)
{
    return static_cast<int>(ClampedDuration(fieldValue)) * unit.seconds;
}

int SampleLimit(int durationSeconds, int periodMs)
{
    const int periodSeconds = periodMs / 1000;
    if (periodSeconds <= 0)
        return 0;
    return static_cast<int>(static_cast<double>(durationSeconds) / periodSeconds + 0.5);
}

int64_t SampleX(int64_t count, int periodMs)
{
    return count * periodMs / 1000;
}

double ClampedDuration(double typed)
{
    if (!std::isfinite(typed))
        return 1.0;
    return std::clamp(std::trunc(typed), 1.0, 60.0);
}

double StatusPercent(uint16_t word)
{
    return static_cast<int16_t>(word) * 0.01;
}

double PortPressure(uint16_t word, double fullScale)
{
    return word * 0.01 * fullScale * 0.01;
}

TemperatureScale TemperatureScaleFor(uint8_t unitCode)
{
    // The unit texts begin with the masculine ordinal sign (U+00BA), not the
    // degree sign, as the result files' axis titles do.
    if (unitCode == 32)
        return { QStringLiteral("\u00BAC"), 145.0 };
    return { QStringLiteral("\u00BAF"), 245.0 };
}

int LoadedIntervalIndex(const QString& text)
{
    const int index = NumberText::toInt(text);
    return PeriodForIndex(index) ? index : 0;
}

int LoadedUnitIndex(const QString& text)
{
    const int index = NumberText::toInt(text);
    return index == 1 || index == 2 ? index : 0;
}

} // namespace DataLoggerRules
