#include "CAlarmsView.h"

CAlarmsView::CAlarmsView(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CAlarmsView"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

void CAlarmsView::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    // Every button stays enabled on both models; a tree item the device does
    // not offer is simply not selected.
    connectNavigation(NavigationButtons);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}
