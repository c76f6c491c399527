#include "CHDRLTest.h"

CHDRLTest::CHDRLTest(QWidget* parent)
    : StripPage(QStringLiteral("CHDRLTest"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("HDRL"));
}
