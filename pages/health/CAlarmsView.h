#pragma once

#include "HubPage.h"

// The page "Alarms" (dialog 285), the hub of the alarm pages: buttons to the
// other main pages and to the three alarm pages, and the status strip.
class CAlarmsView : public HubPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 285;

    // Control ids of the page.
    enum : int {
        NavigationGroupId = 897,
        DashboardButton = 437,
        AlarmsButton = 291,
        HealthButton = 602,
        DiagnosticButton = 435,
        CalibrationButton = 438,
        ConfigurationButton = 434,
        AlarmMenusGroupId = 1088,
        AlarmStatusButton = 662,
        AnnunciatorButton = 663,
        AlarmConfigurationButton = 664,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // Where each button leads: the tree item of a page code.
    static const NavigationButton NavigationButtons[8];

    // Every button stays enabled on both models; a tree item the device does
    // not offer is simply not selected.
    explicit CAlarmsView(PageContext& context, QWidget* parent = nullptr);
};
