#include "CValveHealth.h"

CValveHealth::CValveHealth(QWidget* parent)
    : StripPage(QStringLiteral("CValveHealth"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Valve Health"));
}
