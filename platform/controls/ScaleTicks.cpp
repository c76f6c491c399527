#include "ScaleTicks.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ScaleTicks
{

std::vector<double> nice(double min, double max, int maxCount)
{
    std::vector<double> ticks;
    const double span = max - min;
    if (!(span > 0) || !std::isfinite(span) || maxCount < 2)
        return ticks;
    const double rough = span / (maxCount - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double factor : { 1.0, 2.0, 5.0 }) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    // Counted in whole steps: on a scale far from zero, adding one to the
    // step number would no longer change it.
    const double first = std::ceil(min / step - 1e-9);
    const double last = std::floor(max / step + 1e-9);
    const int count = static_cast<int>(std::clamp(last - first + 1, 0.0, maxCount + 1.0));
    for (int i = 0; i < count; ++i)
        ticks.push_back((first + i) * step);
    return ticks;
}

std::vector<double> even(double min, double max, int count)
{
    std::vector<double> ticks;
    if (count < 2 || !std::isfinite(min) || !std::isfinite(max))
        return ticks;
    for (int i = 0; i < count; ++i)
        ticks.push_back(min + (max - min) * i / (count - 1));
    return ticks;
}

double fractionOf(double value, double min, double max)
{
    const double span = max - min;
    const double fraction = (value - min) / span;
    if (span == 0 || std::isnan(fraction))
        return 0.0;
    return std::clamp(fraction, 0.0, 1.0);
}

namespace
{

// Past this many significant digits a double no longer holds the digits
// shown; such scales keep the short form of each value.
constexpr int MostSignificantDigits = 15;

// The short form of a value, for scales whose digits a double cannot hold.
QString shortForm(double value)
{
    if (std::fabs(value) < 1e-12)
        value = 0;
    return NumberText::format("%g", value);
}

QString fixed(double value, int decimals)
{
    QString text = NumberText::format("%.*f", decimals, value);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

} // namespace

std::vector<QString> labels(const std::vector<double>& ticks)
{
    double spacing = std::numeric_limits<double>::infinity();
    double largest = 0;
    for (size_t i = 0; i < ticks.size(); ++i) {
        largest = std::max(largest, std::fabs(ticks[i]));
        if (i > 0 && std::fabs(ticks[i] - ticks[i - 1]) > 0)
            spacing = std::min(spacing, std::fabs(ticks[i] - ticks[i - 1]));
    }
    std::vector<QString> texts;
    const int mostDecimals = std::isfinite(spacing) && std::isfinite(largest)
        ? std::max(0, static_cast<int>(std::ceil(1 - std::log10(spacing))))
        : -1;
    const int integerDigits = largest >= 1 ? static_cast<int>(std::floor(std::log10(largest))) + 1 : 1;
    if (mostDecimals < 0 || integerDigits + mostDecimals > MostSignificantDigits) {
        for (double tick : ticks)
            texts.push_back(shortForm(tick));
        return texts;
    }
    // A tick closer to zero than rounding noise is zero.
    const double noise = spacing * 1e-9;
    auto exactAt = [&](int decimals) {
        return std::all_of(ticks.begin(), ticks.end(),
            [&](double tick) { return std::fabs(NumberText::toDouble(fixed(tick, decimals)) - tick) <= noise; });
    };
    int decimals = 0;
    while (decimals < mostDecimals && !exactAt(decimals))
        ++decimals;
    for (double tick : ticks)
        texts.push_back(fixed(std::fabs(tick) <= noise ? 0.0 : tick, decimals));
    return texts;
}

bool apart(const std::vector<QRectF>& boxes, double gap)
{
    const double half = gap / 2;
    for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].adjusted(-half, -half, half, half).intersects(boxes[j].adjusted(-half, -half, half, half)))
                return false;
    return true;
}

} // namespace ScaleTicks
