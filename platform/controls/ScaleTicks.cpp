#include "ScaleTicks.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

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

QString label(double value)
{
    if (std::fabs(value) < 1e-12)
        value = 0;
    return NumberText::format("%g", value);
}

} // namespace ScaleTicks
