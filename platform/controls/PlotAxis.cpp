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

void PlotAxis::SetFit(Fit fit)
{
    m_fit = fit;
    m_fitSet = true;
    changed();
}

PlotAxis::Fit PlotAxis::GetFit() const
{
    if (m_fitSet)
        return m_fit;
    // A time plot runs its x axes over time; every other axis holds values.
    return m_orientation == Orientation::X && m_owner && m_owner->timeOnX() ? Fit::Time : Fit::Value;
}

void PlotAxis::SetKeptRange(double lower, double upper)
{
    m_keptLower = lower;
    m_keptUpper = upper;
    changed();
}

namespace
{

// Room at each end, as a share of what the axis is to hold: a 2-pixel line
// on a picture a hundred pixels high stays off the border.
constexpr double RoomShare = 0.04;

// A label step of 1, 2 or 5 times a power of ten giving about ten steps.
double labelStep(double span)
{
    if (!std::isfinite(span) || span <= 0.0)
        return 1.0;
    const double raw = span / 10.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double multiple : { 1.0, 2.0, 5.0 })
        if (multiple * power >= raw * (1.0 - 1e-9))
            return multiple * power;
    return 10.0 * power;
}

} // namespace

PlotAxis::Range PlotAxis::FitRange(
    double lo, double hi, Fit fit, double keptLower, double keptUpper, double increment, double startValue)
{
    // What the axis is to hold: the points, and the kept ends they lie within.
    const bool lowerKeepable = std::isfinite(keptLower) && keptLower < hi;
    const bool upperKeepable = std::isfinite(keptUpper) && keptUpper > lo;
    const double holdLo = lowerKeepable ? std::min(lo, keptLower) : lo;
    const double holdHi = upperKeepable ? std::max(hi, keptUpper) : hi;
    // A flat trace gets room by its size, or by one unit at zero.
    const double size = holdHi > holdLo ? holdHi - holdLo : std::max(std::abs(hi), 1.0);
    const double room = RoomShare * size;

    const bool timeFromZero = fit == Fit::Time && lo >= 0.0;
    const bool keepLower = lowerKeepable && lo - room >= keptLower;
    const bool keepUpper = upperKeepable && hi + room <= keptUpper;
    const double wantLo = keepLower ? keptLower : timeFromZero ? std::min(0.0, hi) : lo - room;
    const double wantHi = keepUpper ? keptUpper : hi + room;

    double step = increment;
    const double offset = std::isfinite(startValue) ? startValue : 0.0;
    if (!(step > 0.0) || !std::isfinite(step) || (wantHi - wantLo) / step > 12.0)
        step = labelStep(wantHi - wantLo);
    // Ends that follow the points go out to the next label beyond them.
    const double fitLo = keepLower || timeFromZero ? wantLo : offset + std::floor((wantLo - offset) / step) * step;
    const double fitHi = keepUpper ? wantHi : offset + std::ceil((wantHi - offset) / step) * step;
    if (!(fitHi > fitLo) || !std::isfinite(fitLo) || !std::isfinite(fitHi))
        return { lo - 0.5, 1.0, 0.0 };
    return { fitLo, fitHi - fitLo, step };
}

PlotAxis::Range PlotAxis::shownRange() const
{
    if (m_owner && m_owner->GetAxesFitShownTraces()) {
        double lo = 0.0;
        double hi = 0.0;
        if (m_owner->dataRangeOn(this, lo, hi, true))
            return FitRange(lo, hi, GetFit(), m_keptLower, m_keptUpper, m_increment, m_startValue);
    }
    return { m_min, m_span, 0.0 };
}

double PlotAxis::drawSpan() const
{
    const Range range = shownRange();
    if (!std::isfinite(range.span) || !std::isfinite(range.min) || range.span <= 0.0)
        return 1.0;
    return range.span;
}

std::vector<double> PlotAxis::tickValues() const
{
    std::vector<double> ticks;
    const Range shown = shownRange();
    const double lo = shown.min;
    if (!std::isfinite(lo))
        return ticks;
    const double span = drawSpan();
    const double hi = lo + span;
    double step = m_increment;
    double first;
    if (shown.step > 0.0) {
        // A fitted range is labelled at the step its ends were put on, so
        // both ends carry a label.
        step = shown.step;
        const double offset = std::isfinite(m_startValue) ? m_startValue : 0.0;
        first = offset + std::ceil((lo - offset) / step - 1e-9) * step;
    } else if (step > 0.0 && std::isfinite(step) && span / step <= MaxTicks) {
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
