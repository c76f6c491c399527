#include "CharacterizationRules.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

namespace CharacterizationRules
{

std::optional<int> itemOfCode(uint8_t code)
{
    switch (code) {
    case 0:
        return 2;
    case 4:
    case 12:
        return 0;
    case 8:
        return 1;
    default:
        return std::nullopt;
    }
}

std::optional<uint8_t> codeOfItem(int item)
{
    switch (item) {
    case 0:
        return uint8_t(12);
    case 1:
        return uint8_t(8);
    case 2:
        return uint8_t(0);
    default:
        return std::nullopt;
    }
}

std::optional<QString> settingText(uint8_t code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Custom");
    case 4:
    case 12:
        return QStringLiteral("Linear");
    case 8:
        return QStringLiteral("Equal %");
    default:
        return std::nullopt;
    }
}

std::optional<double> strokeValue(const QString& text)
{
    return StrokeRange.take(NumberText::toNumber(text));
}

uint16_t strokeWord(double stroke)
{
    return DeviceWords::toU16(stroke, 100.0);
}

int wholeStroke(double stroke)
{
    const double whole = std::trunc(stroke);
    if (!std::isfinite(whole))
        return 0;
    return static_cast<int>(std::clamp(whole, 0.0, 65535.0));
}

std::optional<double> armValue(const QString& text)
{
    return ArmRange.take(NumberText::toNumber(text));
}

std::optional<double> pointValue(const QString& text)
{
    return PointRange.take(NumberText::toNumber(text));
}

std::optional<double> pointPercent(const QString& text)
{
    const std::optional<double> value = NumberText::toNumber(text);
    if (!value)
        return std::nullopt;
    return std::clamp(NumberText::roundToSingle(std::clamp(*value, -1.0, 101.0)), 0.0, 100.0);
}

uint16_t pointWord(double point)
{
    return DeviceWords::toU16(std::clamp(point, 0.0, 100.0), 100.0);
}

std::optional<int> rangeability(const QString& text)
{
    const std::optional<double> value = NumberText::toNumber(text);
    if (!value)
        return std::nullopt;
    return static_cast<int>(std::trunc(std::clamp(*value, 30.0, 300.0)));
}

} // namespace CharacterizationRules
