#include "CPSTCompare.h"

CPSTCompare::CPSTCompare(QWidget* parent)
    : StripPage(QStringLiteral("CPSTCompare"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Partial Stroke Test Compare"));
}
