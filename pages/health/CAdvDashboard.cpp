#include "CAdvDashboard.h"

CAdvDashboard::CAdvDashboard(QWidget* parent)
    : StripPage(QStringLiteral("CAdvDashboard"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Dashboard"));
}
