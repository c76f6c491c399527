#pragma once

#include "HubPage.h"

// The page "Configuration" (dialog 1082), the hub of the configuration
// branch: the status strip, the buttons to the other top-level pages and the
// one into the stroke characterization. Each button does what a click on its
// tree item does.
class CConfigMain : public HubPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1082;

    // Control ids of the page.
    enum : int {
        NavigationGroupId = 897,
        DashboardButton = 437,
        AlarmsButton = 291,
        HealthButton = 602,
        DiagnosticButton = 435,
        CalibrationButton = 438,
        ConfigurationButton = 434, // this page: disabled
        CharacterizationButton = 313,
    };

    // The dialog template, its tooltips and where each button leads
    // (CConfigMainTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const NavigationButton NavigationButtons[6];

    explicit CConfigMain(PageContext& context, QWidget* parent = nullptr);
};
