#include "StrokeCalibrationRules.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <cmath>

namespace StrokeCalibrationRules
{

QString stateText(Page page, uint8_t state)
{
    const bool actuator = page == Page::Actuator;
    const char* text = "Calibration In progress...";
    switch (state) {
    case 20:
    case 21:
    case 26:
        text = "Calibrating pressure";
        break;
    case 22:
        text = actuator ? "Waiting for valve to start closing..." : "Waiting for valve to start closing";
        break;
    case 23:
        text = "Valve is closing now";
        break;
    case 24:
        text = "Setting feedback offset";
        break;
    case 25:
    case 27:
    case 38:
        text = "Waiting for valve to begin opening";
        break;
    case 28:
        text = actuator ? "Waiting for valve to stop opening..." : "Waiting for valve to stop opening";
        break;
    case 39:
        text = "Waiting for valve to stop opening";
        break;
    case 29:
        text = "Detecting FB direction";
        break;
    case 30:
    case 42:
        text = "Waiting for Upper JOG setpoint";
        break;
    case 31:
        text = "Waiting to release JOG buttons";
        break;
    case 32:
        text = actuator ? "Pressure calibration in progress..." : "Pressure calibration in progress";
        break;
    case 33:
        text = "Valve beginning to close";
        break;
    case 34:
        text = "Wait for valve to stop closing";
        break;
    case 35:
    case 36:
    case 37:
    case 40:
    case 41:
        text = "Pressure calibration in progress";
        break;
    case 43:
        text = "Stroke calibration in progress";
        break;
    case 45:
        text = "Detecting IL Offset";
        break;
    case 48:
        text = "Pressure calibration timed out";
        break;
    case 49:
        text = "Calibration zero/span error";
        break;
    case 60:
        text = "Friction calibration in progress...";
        break;
    case 97:
        text = "Pressure problem during stroke calibration";
        break;
    case 98:
        text = "Timeout error during pressure calibration";
        break;
    case 99:
        text = "Feedback out of range during pressure calibration";
        break;
    default:
        break;
    }
    return QString::fromLatin1(text);
}

std::optional<int> progressFor(uint8_t state)
{
    if (state == 0)
        return ProgressMaximum;
    if (state >= 20 && state <= 46)
        return state - 20;
    return std::nullopt;
}

bool initialsAcceptable(const QString& initials)
{
    // Three blanks are what a device never calibrated reports: no initials.
    return initials.size() == 3 && !initials.trimmed().isEmpty();
}

bool pressureAcceptable(double value, int fullScale)
{
    return value >= 0.0 && value <= double(fullScale);
}

double unitToPsi(uint8_t unit, double supplyPsi)
{
    switch (unit) {
    case 6:
        return 1.0;
    case 7:
        return 14.504;
    case 10:
        return 14.22;
    case 12:
        return 0.145;
    default:
        return supplyPsi * 0.01;
    }
}

SupplyWords supplyWords(float shown, double unitToPsi)
{
    // In the display unit rounded to the nearest hundredth, in single precision.
    const float v = shown + 0.005f;
    const auto word = [](double value) {
        const double truncated = std::trunc(value);
        return truncated <= 0.0 ? 0u : truncated >= 4294967295.0 ? 4294967295u : uint32_t(truncated);
    };
    // In psi the value is converted from the display unit: the nearest word
    // to it, not to the display value already rounded up (4.5 bar is 6527,
    // not 6534).
    return { word(double(v) * 100.0), DeviceWords::nearestU32(double(shown), unitToPsi * 100.0) };
}

PortPressure portPressure(uint16_t count, uint16_t zero, uint16_t range, double supplyPressure)
{
    const int16_t r = int16_t(range);
    // A range of 0 has no pressure to show.
    if (r == 0)
        return { 0.0, QStringLiteral("0.00") };
    const float share = float((double(int16_t(count)) - double(int16_t(zero))) / double(r));
    const double value = double(share) * supplyPressure;
    // The gauge's text reads the same under any locale the user runs.
    return { value, NumberText::format("%5.2f", value) };
}

QString dateText(const QDate& date)
{
    return NumberText::format("%.2d/%.2d/%d", date.month(), date.day(), date.year());
}

QString calibrationText(Page page, const QString& date, const QString& initials)
{
    if (page == Page::Stroke)
        return date.trimmed() + QLatin1Char(' ') + initials.left(3).trimmed();
    return date + QLatin1Char(' ') + initials.left(3);
}

QString lastDate(const QString& calText)
{
    return calText.left(10);
}

QString lastInitials(const QString& calText)
{
    // By place, not from the end: a text stored without its initials must
    // not give the end of its date.
    return calText.mid(11, 3);
}

QString shownInitials(const QString& calText)
{
    return lastInitials(calText).trimmed();
}

const StrokeFlag StrokeFlags[6] = {
    { 0x02, "0% Pos Out of Range",
        "0% POSITION OUT OF RANGE ALARM indicates that during calibration, the feedback sensor moved beyond it's "
        "range of operation at the 0% (closed) position." },
    { 0x04, "100% Pos Out of Range",
        "100% POSITION OUT OF RANGE ALARM  indicates that during calibration, the feedback sensor moved beyond it's "
        "range of operation at the 100% (open) position." },
    { 0x01, "Fdbk Range Small",
        "FEEDBACK RANGE TOO SMALL ALARM indicates that during calibration, the range of motion of the position "
        "feedback arm was too small for optimum performance." },
    { 0x20, "ILO Unstable",
        "INNER LOOP OFFSET TIME OUT ALARM During calibration, the Inner Loop Offset value did not settle.  This "
        "could result in less accurate positioning." },
    { 0x08, "No Motion Timeout",
        "NO MOTION TIME OUT ALARM indicates that during calibration, there was no motion of the actuator based on "
        "the current stroke time configuration." },
    { 0x10, "Non-settle Timeout",
        "NON-SETTLE TIME OUT ALARM indicates that during calibration, the position feedback sensor did not settle." },
};

} // namespace StrokeCalibrationRules
