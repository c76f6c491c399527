#include "CPositionerHealth.h"

CPositionerHealth::CPositionerHealth(QWidget* parent)
    : StripPage(QStringLiteral("CPositionerHealth"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Positioner Health"));
}
