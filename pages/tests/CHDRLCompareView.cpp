#include "CHDRLCompareView.h"

CHDRLCompareView::CHDRLCompareView(QWidget* parent)
    : StripPage(QStringLiteral("CHDRLCompareView"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("HDRL Compare"));
}
