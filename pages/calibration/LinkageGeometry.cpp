#include "LinkageGeometry.h"

#include <cmath>

namespace LinkageGeometry
{

namespace
{
// Angles are in degrees, converted with pi taken as 3.1415926.
constexpr double DegreesToRadians = 0.017453292222222222;
constexpr double RadiansToDegrees = 57.295780490442965;
constexpr double SixtyDegrees = 1.0471975333333332;
constexpr double LongestRatio = 1.73;
constexpr double ShortestRatio = 0.35;
constexpr double SearchStep = 0.01;
// The upper angle is found well before a whole turn; a search that has not
// found it by then has no answer.
constexpr double SearchLimit = 360.0;

double sinDegrees(double degrees)
{
    return std::sin(degrees * DegreesToRadians);
}
} // namespace

QString text(Message message)
{
    switch (message) {
    case Message::Ok:
        return QStringLiteral("OK");
    case Message::UseLongerArm:
        return QStringLiteral("Use Longer Feedback arm");
    case Message::CollarTowardsClosed:
        return QStringLiteral("Adjust feedback collar towards closed position");
    case Message::CollarTowardsOpen:
        return QStringLiteral("Adjust feedback collar towards open position");
    case Message::ShorterArm:
        return QStringLiteral("We suggest using a shorter Feedback arm");
    case Message::InvalidGeometry:
        return QStringLiteral("Invalid geometry");
    }
    return {};
}

std::optional<Result> Linearize(double armLength, int stroke, int position)
{
    const double a = armLength;
    const double s = stroke;
    if (!(a > 0.0) || !std::isfinite(a) || stroke <= 0 || position <= 0 || position >= 100)
        return std::nullopt;
    const double ratio = s / a;
    if (!std::isfinite(ratio))
        return std::nullopt;
    if (!(ratio < LongestRatio))
        return Result { Message::UseLongerArm, std::nullopt };

    const double p = position * 0.01;
    const double q = 1.0 - p;
    double theta = 0.0;
    Message collar = Message::CollarTowardsClosed;
    if (position >= 50) {
        theta = 60.0 * q / p;
    } else {
        theta = 60.0 * p / q;
        collar = Message::CollarTowardsOpen;
    }
    const double reach = a * (std::sin(SixtyDegrees) + sinDegrees(theta));
    if (reach <= s)
        return Result { collar, std::nullopt };

    // The arm turns x above the parallel position at 100 % travel and x r below it at 0 %.
    const double r = p / q;
    double x = 0.0;
    while (a * (sinDegrees(x) + sinDegrees(x * r)) - s < 0.0) {
        x += SearchStep;
        if (x > SearchLimit)
            return std::nullopt;
    }
    const double low = -x * r;
    const double base = a * sinDegrees(low);
    const double span = x - low;
    if (!(span > 0.0))
        return std::nullopt;

    std::array<double, 21> curve {};
    curve[0] = 0.0;
    for (int k = 1; k <= 19; ++k) {
        const double input = 5.0 * k;
        const double angle = std::asin((input * 0.01 * s + base) / a) * RadiansToDegrees;
        const double point = (angle - low) / span * 100.0;
        if (!std::isfinite(point))
            return std::nullopt;
        curve[static_cast<size_t>(k)] = point;
    }
    curve[20] = 100.0;
    return Result { ratio <= ShortestRatio ? Message::ShorterArm : Message::Ok, curve };
}

} // namespace LinkageGeometry
