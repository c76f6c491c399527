#include "CCalib_Actuator.h"

CCalib_Actuator::CCalib_Actuator(QWidget* parent)
    : StripPage(QStringLiteral("CCalib_Actuator"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Actuator Calibration"));
}
