#include "CCalibrationAnalogIn.h"

CCalibrationAnalogIn::CCalibrationAnalogIn(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationAnalogIn"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Analog Input Calibration"));
}
