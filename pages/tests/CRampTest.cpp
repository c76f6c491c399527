#include "CRampTest.h"

CRampTest::CRampTest(QWidget* parent)
    : StripPage(QStringLiteral("CRampTest"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Ramp Test"));
}
