#include "PlotAxis.h"

#include "Plot.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int MaxTicks = 200;

// A round step (1, 2 or 5 times a power of ten) giving about five to ten ticks.
double niceStep(double span)
{
    const double raw = span / 8.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction < 1.5 ? 1.0 : fraction < 3.5 ? 2.0 : fraction < 7.5 ? 5.0 : 10.0;
    return nice * magnitude;
}

} // namespace

PlotAxis::PlotAxis(Orientation orientation, const QString& name, Plot* owner)
    : QObject(owner)
    , m_owner(owner)
    , m_orientation(orientation)
    , m_name(name)
{
}

void PlotAxis::changed()
{
    if (m_owner)
        m_owner->scheduleRepaint();
}

void PlotAxis::SetName(const QString& name)
{
    m_name = name;
    changed();
}

void PlotAxis::SetTitle(const QString& title)
{
    m_title = title;
    changed();
}

void PlotAxis::SetMin(double min)
{
    m_min = min;
    changed();
}

void PlotAxis::SetSpan(double span)
{
    m_span = span;
    changed();
}

void PlotAxis::SetVisible(bool visible)
{
    m_visible = visible;
    changed();
}

void PlotAxis::SetTitleVisible(bool visible)
{
    m_titleVisible = visible;
    changed();
}

void PlotAxis::SetLabelsVisible(bool visible)
{
    m_labelsVisible = visible;
    changed();
}

void PlotAxis::FitToData()
{
    if (!m_owner)
        return;
    double lo = 0.0;
    double hi = 0.0;
    if (!m_owner->dataRangeOn(this, lo, hi))
        return;
    if (m_limitsEnabled && m_lowerLimit < m_upperLimit) {
        lo = std::clamp(lo, m_lowerLimit, m_upperLimit);
        hi = std::clamp(hi, m_lowerLimit, m_upperLimit);
    }
    if (hi <= lo) {
        // One value only: centre it in a unit range so it stays visible.
        lo -= 0.5;
        hi = lo + 1.0;
    }
    m_min = lo;
    m_span = hi - lo;
    changed();
}

void PlotAxis::SetIncrement(double increment)
{
    m_increment = increment;
    changed();
}

void PlotAxis::SetStartValue(double value)
{
    m_startValue = value;
    changed();
}

void PlotAxis::SetLimits(double lower, double upper)
{
    m_lowerLimit = lower;
    m_upperLimit = upper;
}

void PlotAxis::SetFontBold(bool bold)
{
    m_fontBold = bold;
    changed();
}

void PlotAxis::SetFontSize(double points)
{
    m_fontSize = points;
    changed();
}

void PlotAxis::applyFactoryDefaults()
{
    m_visible = true;
    m_titleVisible = true;
    m_labelsVisible = true;
    m_increment = 0.0;
    m_startValue = 0.0;
    m_fontBold = false;
    m_fontSize = 8.0;
    changed();
}

double PlotAxis::drawSpan() const
{
    if (!std::isfinite(m_span) || !std::isfinite(m_min) || m_span <= 0.0)
        return 1.0;
    return m_span;
}

std::vector<double> PlotAxis::tickValues() const
{
    std::vector<double> ticks;
    if (!std::isfinite(m_min))
        return ticks;
    const double span = drawSpan();
    const double lo = m_min;
    const double hi = m_min + span;
    double step = m_increment;
    double first;
    if (step > 0.0 && std::isfinite(step) && span / step <= MaxTicks) {
        // Ticks at start + k * increment, from the first one inside the range.
        first = m_startValue + std::ceil((lo - m_startValue) / step) * step;
    } else {
        step = niceStep(span);
        first = std::ceil(lo / step) * step;
    }
    if (!std::isfinite(step) || step <= 0.0 || !std::isfinite(first))
        return ticks;
    const double tolerance = step * 1e-9;
    for (int k = 0; k <= MaxTicks; ++k) {
        double value = first + k * step;
        if (value > hi + tolerance)
            break;
        if (std::abs(value) < tolerance)
            value = 0.0; // never label a tick "-0" or "1e-17"
        ticks.push_back(value);
    }
    return ticks;
}
