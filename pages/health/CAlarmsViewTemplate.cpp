#include "CAlarmsView.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CAlarmsView::Template { 524, 110, {
    C::group(NavigationGroupId, QStringLiteral("Navigation Buttons"), 3, 26, 444, 32),
    C::button(DashboardButton, QStringLiteral("Dashboard"), 23, 38, 58, 14),
    C::button(AlarmsButton, QStringLiteral("Alarms"), 93, 38, 58, 14, C::Disabled),
    C::button(HealthButton, QStringLiteral("Health"), 163, 38, 58, 14),
    C::button(DiagnosticButton, QStringLiteral("Diagnostic"), 233, 38, 58, 14),
    C::button(CalibrationButton, QStringLiteral("Calibration"), 303, 38, 58, 14),
    C::button(ConfigurationButton, QStringLiteral("Configuration"), 373, 38, 58, 14),
    C::group(AlarmMenusGroupId, QStringLiteral("Alarm Menus"), 3, 64, 444, 32),
    C::button(AlarmStatusButton, QStringLiteral("Alarm Status"), 23, 76, 60, 14),
    C::button(AnnunciatorButton, QStringLiteral("Annunciator"), 193, 76, 60, 14),
    C::button(AlarmConfigurationButton, QStringLiteral("Configuration"), 363, 76, 60, 14),
} };

const ToolTipTable CAlarmsView::ToolTips {
    { DashboardButton, QStringLiteral("Go to the Dashboard page.") },
    { AlarmsButton, QStringLiteral("Go to the Alarms page.") },
    { HealthButton, QStringLiteral("Go to the Health Status page.") },
    { DiagnosticButton, QStringLiteral("Go to the Diagnostic page.") },
    { CalibrationButton, QStringLiteral("Go to the Calibration page.") },
    { AlarmStatusButton, QStringLiteral("Go to the Alarm Status page to view alarm history and log.") },
    { AnnunciatorButton, QStringLiteral("Go to the Alarm Annunciator page to view all enabled alarms.") },
    { AlarmConfigurationButton, QStringLiteral("Go to the Alarm Configuration page to enable or disable a specific alarm.") },
    { ConfigurationButton, QStringLiteral("Go to the Configuration page.") },
};

// The "Alarms" button stands for this page and has no handler.
const NavigationButton CAlarmsView::NavigationButtons[8] = {
    { DashboardButton, "OnDashboard", 1 },
    { HealthButton, "OnHealth", 3 },
    { DiagnosticButton, "OnDiagnostic", 4 },
    { CalibrationButton, "OnCalibration", 5 },
    { ConfigurationButton, "OnConfiguration", 6 },
    { AlarmStatusButton, "OnAlarmStatus", 21 },
    { AnnunciatorButton, "OnAnnunciator", 22 },
    { AlarmConfigurationButton, "OnAlarmConfiguration", 23 },
};
// clang-format on
