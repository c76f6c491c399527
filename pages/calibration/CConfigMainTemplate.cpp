#include "CConfigMain.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CConfigMain::Template { 524, 110, {
    C::group(NavigationGroupId, QStringLiteral("Navigation Buttons"), 3, 26, 444, 32),
    C::button(DashboardButton, QStringLiteral("Dashboard"), 23, 38, 50, 14),
    C::button(AlarmsButton, QStringLiteral("Alarms"), 93, 38, 50, 14),
    C::button(HealthButton, QStringLiteral("Health"), 163, 38, 50, 14),
    C::button(DiagnosticButton, QStringLiteral("Diagnostic"), 233, 38, 50, 14),
    C::button(CalibrationButton, QStringLiteral("Calibration"), 303, 38, 50, 14),
    C::button(ConfigurationButton, QStringLiteral("Configuration"), 373, 38, 50, 14, C::Disabled),

    C::group(-1, QStringLiteral("Configuration Option"), 3, 62, 444, 34),
    C::button(CharacterizationButton, QStringLiteral("Stroke Characterization"), 23, 74, 100, 14),
} };

// The page's own button has no tooltip.
const ToolTipTable CConfigMain::ToolTips {
    { DashboardButton, QStringLiteral("Go to the Dashboard page.") },
    { AlarmsButton, QStringLiteral("Go to the Alarms page.") },
    { HealthButton, QStringLiteral("Go to the Health Status page.") },
    { DiagnosticButton, QStringLiteral("Go to the Diagnostic page.") },
    { CalibrationButton, QStringLiteral("Go to the Calibration page.") },
    { CharacterizationButton, QStringLiteral("Go To StrokeCharacterization page.") },
};

const NavigationButton CConfigMain::NavigationButtons[6] = {
    { DashboardButton, "OnDashboard", 1 },
    { AlarmsButton, "OnAlarms", 2 },
    { HealthButton, "OnHealth", 3 },
    { DiagnosticButton, "OnDiagnostic", 4 },
    { CalibrationButton, "OnCalibration", 5 },
    { CharacterizationButton, "OnStrokeCharacterization", 61 },
};
// clang-format on
