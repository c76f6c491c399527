#pragma once

#include "StripPage.h"

#include <span>

// A hub page: the status strip, the row of buttons to the other top-level
// pages and the buttons into its own branch, each with its tooltip. A button
// only selects its tree item; the tree stops every page, swaps the target in
// and activates it. An item the tree never inserted (Health on a K40 without
// its configuration bit) selects nothing.
class HubPage : public StripPage
{
    Q_OBJECT

public:
    // Builds the page from `pageTemplate`; `buttons` and `toolTips` are the
    // hub's own tables and outlive it.
    HubPage(PageContext& context, const QString& className, int dialogId, const PageTemplate& pageTemplate,
        std::span<const NavigationButton> buttons, const ToolTipTable& toolTips, QWidget* parent = nullptr);

    // The strip, the hub's own controls, the buttons connected, the strip's
    // tooltips and the hub's.
    void OnInitialUpdate() override;

protected:
    // The controls a hub makes beyond its template, before its tooltips are
    // given (they may name them).
    virtual void createHubControls() {}

private:
    std::span<const NavigationButton> m_buttons;
    const ToolTipTable& m_toolTips;
};
