#include "CHealthMain.h"

CHealthMain::CHealthMain(QWidget* parent)
    : StripPage(QStringLiteral("CHealthMain"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Health"));
}
