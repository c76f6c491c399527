#include "CCalibrationZeroSupply.h"

namespace
{
using C = ControlSpec;
}

const char* const CCalibrationZeroSupply::CalibrationPage = "CCalib_Actuator";

const QString CCalibrationZeroSupply::RefusedCaption = QStringLiteral("ZERO SUPPLY");
const QString CCalibrationZeroSupply::NoCountYetText = QStringLiteral(
    "No A/D Count has been read from the supply sensor yet, so there is no zero to capture. Wait until the A/D Count "
    "is shown, then click Capture Zero again, or click Back to return to the calibration.");
const QString CCalibrationZeroSupply::SpanTooSmallText = QStringLiteral(
    "The A/D Count shown (%1) is not more than 100 counts below the highest count read while the air supply was on "
    "(%2), so the zero cannot be captured from it. Remove the air supply, wait until the A/D Count has settled and "
    "click Capture Zero again, or click Back to return to the calibration.");

// clang-format off
const PageTemplate CCalibrationZeroSupply::Template { 524, 190, {
    C::group(GroupId, QString(), 10, 26, 440, 150),
    C::label(-1, QStringLiteral("If it is possible to SAFELY remove the air supply from the positioner, do so at this "
        "time so that the system can capture the zero value for the supply sensor.  Otherwise click the Back button "
        "to proceed with this calibration."), 20, 38, 420, 28),
    C::label(-1, QStringLiteral("After removing the air supply and the  the A/D Count has settled, click Capture Zero."),
        20, 72, 420, 10),
    C::label(-1, QStringLiteral("A/D Count:"), 20, 92, 50, 8, C::AlignRight),
    C::edit(CountEdit, 74, 90, 60, 12, C::ReadOnly | C::AlignCenter),
    C::button(CaptureButton, QStringLiteral("Capture Zero"), 150, 89, 60, 14),
    C::label(-1, QStringLiteral("Restore the air supply; then, click Finish."), 20, 118, 420, 10),
    C::button(BackButton, QStringLiteral("Back"), 310, 150, 50, 14),
    C::button(FinishButton, QStringLiteral("Finish"), 370, 150, 50, 14, C::Disabled),
} };
// clang-format on
