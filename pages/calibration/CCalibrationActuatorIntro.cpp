#include "CCalibrationActuatorIntro.h"

CCalibrationActuatorIntro::CCalibrationActuatorIntro(QWidget* parent)
    : StripPage(QStringLiteral("CCalibrationActuatorIntro"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Actuator /Stroke /Friction"));
}
