#include "CCustCharacterization_Info.h"

CCustCharacterization_Info::CCustCharacterization_Info(QWidget* parent)
    : StripPage(QStringLiteral("CCustCharacterization_Info"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Stroke Characterization"));
}
