#include "RampTestRules.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

namespace RampTestRules
{

bool holdTimeValid(double seconds)
{
    return HoldTimeRange.contains(seconds);
}

bool durationValid(double seconds)
{
    return DurationRange.contains(seconds);
}

uint8_t directionCode(double start, double stop)
{
    return stop > start ? Opening : Closing;
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

TimeBase timeBase(double duration, double hold, bool bidirectional)
{
    TimeBase base;
    base.totalTime = duration + hold + 1.0;
    int samples = SamplesPerDirection;
    if (bidirectional) {
        base.totalTime *= 2.0;
        samples *= 2;
    }
    base.sampleInterval = base.totalTime / samples;
    base.lastProgress = samples - 1;
    return base;
}

ThrustWindow thrustWindow(float start, float stop)
{
    const float lo = std::min(start, stop);
    const float hi = std::max(start, stop);
    ThrustWindow window;
    window.lower = double(lo) + 0.1 * (double(hi) - double(lo));
    window.upper = double(hi) - 0.1 * (double(hi) - window.lower);
    return window;
}

double toPsi(double pressure, uint8_t pressureUnit)
{
    switch (pressureUnit) {
    case 7:
        return pressure * 14.5038;
    case 10:
        return pressure * 14.22;
    case 12:
        return pressure * 0.145038;
    default:
        return pressure;
    }
}

Curve thrustCurve(
    const Curve& port1, const Curve* port2, uint8_t pressureUnit, uint16_t areaWord, const ThrustWindow& window)
{
    Curve thrust;
    const size_t n = port2 ? std::min(port1.size(), port2->size()) : port1.size();
    for (size_t i = 0; i < n; ++i) {
        const double x = port1[i].x;
        const double d = toPsi(port1[i].y - (port2 ? (*port2)[i].y : 0.0), pressureUnit);
        const double force = areaWord * d * 0.1;
        if (window.contains(x))
            thrust.push_back({ x, force });
    }
    return thrust;
}

bool rising(const Curve& curve)
{
    return !curve.empty() && curve.back().x > curve.front().x;
}

Curve frictionCurve(const Curve& open, const Curve& close)
{
    Curve friction;
    const Curve& shortCurve = open.size() < close.size() ? open : close;
    const Curve& longCurve = open.size() < close.size() ? close : open;
    if (shortCurve.empty() || longCurve.size() < 2)
        return friction;
    const bool shortRising = rising(shortCurve);
    const bool longRising = rising(longCurve);
    const int ns = int(shortCurve.size());
    const int m = int(longCurve.size()) - 1;
    for (int k = 0; k < ns; ++k) {
        const Point& s = shortCurve[size_t(shortRising ? k : ns - 1 - k)];
        // The last point of a rising long curve, and the first of a falling
        // one, is never a candidate.
        for (int j = 0; j < m; ++j) {
            const Point& l = longCurve[size_t(longRising ? j : m - j)];
            if (l.x >= s.x) {
                friction.push_back({ (s.x + l.x) * 0.5, std::abs(s.y - l.y) * 0.5 });
                break;
            }
        }
    }
    return friction;
}

Extent extentOf(const Curve& curve)
{
    Extent e;
    if (curve.empty())
        return e;
    e.xmin = e.xmax = curve.front().x;
    e.ymin = e.ymax = curve.front().y;
    for (const Point& p : curve) {
        e.xmin = std::min(e.xmin, p.x);
        e.xmax = std::max(e.xmax, p.x);
        e.ymin = std::min(e.ymin, p.y);
        e.ymax = std::max(e.ymax, p.y);
    }
    return e;
}

std::optional<SpringSet> springSet(
    uint8_t pressureUnit, double area, double strokeLength, const Curve& open, const Curve& close)
{
    if (open.empty() || close.empty())
        return std::nullopt;
    double fu = 1.0;
    switch (pressureUnit) {
    case 7:
        fu = 0.069;
        break;
    case 10:
        fu = 0.07;
        break;
    case 12:
        fu = 6.895;
        break;
    default:
        break;
    }
    const double mass = pressureUnit == 6 ? 1.0 : 0.454;
    const Extent first = extentOf(open);
    const Extent second = extentOf(close);
    const bool openChosen = first.ymax > second.ymax;
    const Extent& chosen = openChosen ? first : second;
    const double xspan = chosen.xmax - chosen.xmin;
    if (area == 0.0 || strokeLength == 0.0 || xspan == 0.0)
        return std::nullopt;
    const double ystart = openChosen ? chosen.ymin : chosen.ymax;
    const double yend = openChosen ? chosen.ymax : chosen.ymin;
    const double slope = (yend - ystart) / xspan;
    const double t0 = ystart - chosen.xmin * slope;
    const double t100 = yend + (100.0 - chosen.xmax) * slope;
    SpringSet set;
    set.initial = std::abs(t0) / area * fu;
    set.final = std::abs(t100) / area * fu;
    set.rate = std::abs(slope * mass * 100.0) / strokeLength;
    return set;
}

QString springText(double value)
{
    return NumberText::format("%3.2f", value);
}

QString areaUnitText(uint8_t travelUnit)
{
    return travelUnit == 49 ? QStringLiteral("cm²") : QStringLiteral("in²");
}

double shownArea(double areaSquareInches, uint8_t travelUnit)
{
    return travelUnit == 49 ? areaSquareInches * 6.4516 : areaSquareInches;
}

QString printedAreaUnit(const QString& shown)
{
    if (shown == QStringLiteral("cm²"))
        return QStringLiteral("sq.cm");
    if (shown == QStringLiteral("in²"))
        return QStringLiteral("sq.in");
    return shown;
}

QString printedPressureUnit(const QString& shown)
{
    return shown == QStringLiteral("Kg/cm²") ? QStringLiteral("Kg/sq.cm") : shown;
}

QString springRateUnitText(uint8_t pressureUnit, const QString& travelUnitText)
{
    return (pressureUnit == 6 ? QStringLiteral("lbs") : QStringLiteral("kg")) + QStringLiteral("/") + travelUnitText;
}

} // namespace RampTestRules
