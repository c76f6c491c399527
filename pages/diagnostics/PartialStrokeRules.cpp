#include "PartialStrokeRules.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

namespace PartialStrokeRules
{

bool timeToTargetValid(double seconds)
{
    return TimeToTargetRange.contains(seconds);
}

bool durationValid(double seconds)
{
    return DurationRange.contains(seconds);
}

double testSpan(double durationSeconds)
{
    return durationSeconds + 1.0;
}

double sampleIntervalMs(double spanSeconds)
{
    return spanSeconds / SamplesPerTest * 1000.0;
}

// The room below the lower position, in %.
constexpr int PositionAxisRoom = 10;

int positionAxisMinimum(float start, float stop)
{
    const float lower = std::min(start, stop);
    if (!std::isfinite(lower))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(lower, -1.0e6f, 1.0e6f))) - PositionAxisRoom;
}

QString deviceTimeText(uint16_t hundredths)
{
    if (hundredths == NotMeasured)
        return QStringLiteral(" - ");
    return NumberText::fromFloat(static_cast<float>(hundredths * 0.01));
}

QString devicePressureText(uint16_t word, float fullScale)
{
    return NumberText::format("%6.2f", static_cast<double>(fullScale) * word * 0.01 * 0.01);
}

QString resultText(uint8_t resultByte)
{
    return resultByte == 1 ? QStringLiteral("Pass") : QStringLiteral("Fail");
}

QString loadedTimeText(double seconds)
{
    if (seconds == 655.35)
        return QStringLiteral("-");
    return NumberText::format("%.2f", seconds);
}

bool showsNoValue(const QString& editText)
{
    return editText.trimmed() == QStringLiteral("-");
}

QString savedTimeText(const QString& editText)
{
    if (showsNoValue(editText))
        return QStringLiteral("655.35");
    return NumberText::format("%5.2f", NumberText::toDouble(editText));
}

bool compareHasValue(const QString& text)
{
    return NumberText::toDouble(text) < 655.0;
}

QString compareValueText(const QString& text)
{
    if (!compareHasValue(text))
        return QStringLiteral("-");
    return NumberText::format("%.2f", NumberText::toDouble(text));
}

} // namespace PartialStrokeRules
