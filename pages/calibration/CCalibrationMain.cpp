#include "CCalibrationMain.h"

CCalibrationMain::CCalibrationMain(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationMain"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Calibration"));
}
