#include "CCustCharacterization.h"

CCustCharacterization::CCustCharacterization(QWidget* parent)
    : StripPage(QStringLiteral("CCustCharacterization"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Stroke Characterization Curve"));
}
