#include "CCalibrationZeroSupply.h"

CCalibrationZeroSupply::CCalibrationZeroSupply(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationZeroSupply"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Zero Supply Calibration"));
}
