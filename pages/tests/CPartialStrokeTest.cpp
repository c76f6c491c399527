#include "CPartialStrokeTest.h"

CPartialStrokeTest::CPartialStrokeTest(QWidget* parent)
    : StripPage(QStringLiteral("CPartialStrokeTest"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Partial Stroke Test"));
}
