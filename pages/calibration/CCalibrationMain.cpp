#include "CCalibrationMain.h"

CCalibrationMain::CCalibrationMain(PageContext& context, QWidget* parent)
    : HubPage(context, QStringLiteral("CCalibrationMain"), DialogId, Template, NavigationButtons, ToolTips, parent)
{
}
