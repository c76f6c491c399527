#pragma once

#include "HubPage.h"

// The page "Calibration" (dialog 251), the hub of the calibration branch: the
// status strip, the buttons to the other top-level pages and those into the
// calibration pages. Each button does what a click on its tree item does.
class CCalibrationMain : public HubPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 251;

    // Control ids of the page.
    enum : int {
        NavigationGroupId = 253,
        DashboardButton = 437,
        AlarmsButton = 291,
        HealthButton = 602,
        DiagnosticButton = 435,
        CalibrationButton = 438, // this page: disabled
        ConfigurationButton = 664,
        OptionsGroupId = 937,
        ActuatorButton = 439,
        StrokeButton = 440,
        AnalogInputButton = 442,
    };

    // The dialog template, its tooltips and where each button leads
    // (CCalibrationMainTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const NavigationButton NavigationButtons[8];

    explicit CCalibrationMain(PageContext& context, QWidget* parent = nullptr);
};
