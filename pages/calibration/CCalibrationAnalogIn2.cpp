#include "CCalibrationAnalogIn2.h"

CCalibrationAnalogIn2::CCalibrationAnalogIn2(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationAnalogIn2"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Analog Input Calibration - Step 2"));
}
