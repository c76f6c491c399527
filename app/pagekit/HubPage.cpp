#include "HubPage.h"

HubPage::HubPage(PageContext& context, const QString& className, int dialogId, const PageTemplate& pageTemplate,
    std::span<const NavigationButton> buttons, const ToolTipTable& toolTips, QWidget* parent)
    : StripPage(context, className, dialogId, StripTimer::OnActivation, parent)
    , m_buttons(buttons)
    , m_toolTips(toolTips)
{
    buildPage(pageTemplate);
}

void HubPage::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    createHubControls();
    connectNavigation(m_buttons);
    setToolTips(StripToolTips);
    setToolTips(m_toolTips);
}
