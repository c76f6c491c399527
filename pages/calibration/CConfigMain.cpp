#include "CConfigMain.h"

CConfigMain::CConfigMain(PageContext& context, QWidget* parent)
    : HubPage(context, QStringLiteral("CConfigMain"), DialogId, Template, NavigationButtons, ToolTips, parent)
{
}
