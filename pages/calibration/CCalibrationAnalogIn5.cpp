#include "CCalibrationAnalogIn5.h"

CCalibrationAnalogIn5::CCalibrationAnalogIn5(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationAnalogIn5"), DialogId, StripTimer::Slow, parent)
{
    buildShellTemplate(QStringLiteral("Analog Input Calibration - Step 5"));
}
