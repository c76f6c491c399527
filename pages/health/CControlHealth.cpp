#include "CControlHealth.h"

CControlHealth::CControlHealth(QWidget* parent)
    : StripPage(QStringLiteral("CControlHealth"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Control Health"));
}
