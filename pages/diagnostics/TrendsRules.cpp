#include "TrendsRules.h"

#include <algorithm>
#include <cstdlib>

namespace TrendsRules
{

RowPlace placeOfRow(int row)
{
    if (row >= 0 && row <= 23)
        return { Hours, row + 1 };
    if (row >= 24 && row <= 53)
        return { Days, row - 23 };
    if (row >= 54 && row <= 65)
        return { Months, row - 53 };
    if (row >= 66 && row <= 90)
        return { Years, row - 65 };
    return {};
}

std::array<double, 6> rowValues(const std::array<int16_t, 5>& words, float supplyFactor)
{
    const double command = words[0];
    const double position = words[1];
    return {
        position * 0.01,
        command * 0.01,
        std::abs(command - position) * 0.01,
        static_cast<double>(words[2]),
        words[3] * 0.01 * static_cast<double>(supplyFactor) * 0.01,
        words[4] * 0.01,
    };
}

QString supplyButtonText(const QString& unitLabel)
{
    return QStringLiteral("Supply (") + unitLabel + QStringLiteral(")");
}

QString temperatureButtonText(uint8_t temperatureUnit)
{
    return temperatureUnit == 32 ? QStringLiteral("Temp(\u00BAC)") : QStringLiteral("Temp(\u00BAF)");
}

QString devicePressureText(uint8_t pressureUnit, const QString& unitLabel)
{
    return pressureUnit == 10 ? QStringLiteral("kg/sq.cm") : unitLabel;
}

QString deviceTemperatureText(uint8_t temperatureUnit)
{
    return temperatureUnit == 32 ? QStringLiteral("degC") : QStringLiteral("degF");
}

} // namespace TrendsRules
