#include "CCalibrationAnalogIn4.h"

CCalibrationAnalogIn4::CCalibrationAnalogIn4(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationAnalogIn4"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Analog Input Calibration - Step 4"));
}
