#include "CCalibrationAnalogIn1.h"

CCalibrationAnalogIn1::CCalibrationAnalogIn1(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationAnalogIn1"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Analog Input Calibration - Step 1"));
}
