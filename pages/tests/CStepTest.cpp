#include "CStepTest.h"

CStepTest::CStepTest(QWidget* parent)
    : StripPage(QStringLiteral("CStepTest"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Step Test"));
}
