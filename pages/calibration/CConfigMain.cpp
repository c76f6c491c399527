#include "CConfigMain.h"

CConfigMain::CConfigMain(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CConfigMain"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

void CConfigMain::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    // A button only selects its tree item; the tree stops every page, swaps
    // the target in and activates it. An item the tree never inserted (Health
    // on a K40 without its configuration bit) selects nothing.
    connectNavigation(NavigationButtons);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}
