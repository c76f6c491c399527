#include "CCalibrationStroke.h"

CCalibrationStroke::CCalibrationStroke(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationStroke"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Stroke Calibration"));
}
