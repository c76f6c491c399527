#pragma once

#include "DiagnosticTestRules.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What the ramp test page decides without its widgets: which settings it
// accepts, the run's time base and axes, how the device's words scale, and
// the thrust, friction and spring set analysis of a bi-directional run.
namespace RampTestRules
{

using DiagnosticTestRules::percentOf;
using DiagnosticTestRules::PositionRange;
using DiagnosticTestRules::PositionTip;
using DiagnosticTestRules::positionValid;
using DiagnosticTestRules::pressureOf;
// Ranges, ends included; the device keeps both as floats, so fractions are
// taken, and the tips say so: "Please enter values between 2 and 30".
inline constexpr FieldRange HoldTimeRange { 2.0, 30.0 };
inline constexpr FieldRange DurationRange { 1.0, 300.0 };
inline const QString HoldTimeTip = HoldTimeRange.tip();
inline const QString DurationTip = DurationRange.tip();
bool holdTimeValid(double seconds);
bool durationValid(double seconds);

// Opening (4) when the stop lies above the start, else closing (5).
inline constexpr uint8_t Opening = 4;
inline constexpr uint8_t Closing = 5;
uint8_t directionCode(double start, double stop);

// The position axis starts a step of 10 % below the lower of the two
// positions, truncated toward zero, so that the command holding there stands
// clear of the border; it always ends at 110 %.
int positionAxisMinimum(float start, float stop);

// 208 samples per direction: the time axis covers duration + hold + 1 s, twice
// for a bi-directional run, and the progress bar one step per sample.
inline constexpr int SamplesPerDirection = 208;
struct TimeBase {
    double totalTime = 0.0;
    double sampleInterval = 0.0;
    int lastProgress = SamplesPerDirection - 1;
};
TimeBase timeBase(double duration, double hold, bool bidirectional);

struct Point {
    double x = 0.0;
    double y = 0.0;
};
using Curve = std::vector<Point>;

// Only samples strictly inside the window give thrust points: from 10 % of
// the span above the lower position to 9 % of the span below the upper one.
struct ThrustWindow {
    double lower = 0.0;
    double upper = 0.0;
    bool contains(double x) const { return lower < x && x < upper; }
};
ThrustWindow thrustWindow(float start, float stop);

// A pressure in the device's unit as psi.
double toPsi(double pressure, uint8_t pressureUnit);

// The thrust of one stroke (lbf against position): the port pressure
// difference in psi times the area word (tenths of square inches) / 10. With
// no port 2 curve (the smaller model, whose port 2 is its supply) port 1
// alone drives.
Curve thrustCurve(
    const Curve& port1, const Curve* port2, uint8_t pressureUnit, uint16_t areaWord, const ThrustWindow& window);

// True when the curve's last x lies above its first.
bool rising(const Curve& curve);

// Friction against position: half the thrust difference between the two
// strokes, each point of the shorter curve matched, in rising position, with
// the first point of the longer curve at or above it.
Curve frictionCurve(const Curve& open, const Curve& close);

struct Extent {
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
};
Extent extentOf(const Curve& curve);

// The spring set from the two thrust curves: none when the area, the stroke
// length or the chosen curve's x span is 0 (or a curve is empty).
struct SpringSet {
    double rate = 0.0;
    double initial = 0.0;
    double final = 0.0;
};
std::optional<SpringSet> springSet(
    uint8_t pressureUnit, double area, double strokeLength, const Curve& open, const Curve& close);
// A spring value as the page shows it ("%3.2f"), " - " for none.
inline const QString NoSpringValue = QStringLiteral(" - ");
QString springText(double value);

// Unit texts beside the stroke, size and spring edits.
QString areaUnitText(uint8_t travelUnit); // "cm²" for mm, else "in²"
double shownArea(double areaSquareInches, uint8_t travelUnit);
QString springRateUnitText(uint8_t pressureUnit, const QString& travelUnitText);
// The units as the ramp reports print them: an area unit shown as "cm²" or
// "in²" prints "sq.cm" or "sq.in", a pressure unit shown as "Kg/cm²" prints
// "Kg/sq.cm"; any other text prints as it is shown.
QString printedAreaUnit(const QString& shown);
QString printedPressureUnit(const QString& shown);

} // namespace RampTestRules
