#include "CRampTestCompare.h"

CRampTestCompare::CRampTestCompare(QWidget* parent)
    : StripPage(QStringLiteral("CRampTestCompare"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Ramp Test Compare"));
}
