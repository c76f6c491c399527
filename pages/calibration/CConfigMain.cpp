#include "CConfigMain.h"

CConfigMain::CConfigMain(QWidget* parent)
    : StripPage(QStringLiteral("CConfigMain"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Configuration"));
}
