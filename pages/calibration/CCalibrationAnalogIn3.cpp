#include "CCalibrationAnalogIn3.h"

CCalibrationAnalogIn3::CCalibrationAnalogIn3(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationAnalogIn3"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Analog Input Calibration - Step 3"));
}
