#include "ScaleTicks.h"

#include "automation/NumberText.h"

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
    const double first = std::ceil(min / step - 1e-9);
    for (double n = first; n * step <= max + step * 1e-9; ++n)
        ticks.push_back(n * step);
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

QString label(double value)
{
    if (std::fabs(value) < 1e-12)
        value = 0;
    return NumberText::format("%g", value);
}

} // namespace ScaleTicks
