#include "CDiagnosticsMain.h"

CDiagnosticsMain::CDiagnosticsMain(QWidget* parent)
    : StripPage(QStringLiteral("CDiagnosticsMain"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Diagnostic"));
}
