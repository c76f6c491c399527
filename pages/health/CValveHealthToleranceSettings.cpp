#include "CValveHealthToleranceSettings.h"

CValveHealthToleranceSettings::CValveHealthToleranceSettings(QWidget* parent)
    : StripPage(QStringLiteral("CValveHealthToleranceSettings"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Friction Tolerance Settings"));
}
