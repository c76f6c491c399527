#include "CActuatorHealth.h"

CActuatorHealth::CActuatorHealth(QWidget* parent)
    : StripPage(QStringLiteral("CActuatorHealth"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Actuator Health"));
}
