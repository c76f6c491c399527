#include "CStepCompareView.h"

CStepCompareView::CStepCompareView(QWidget* parent)
    : StripPage(QStringLiteral("CStepCompareView"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Step Test Compare"));
}
