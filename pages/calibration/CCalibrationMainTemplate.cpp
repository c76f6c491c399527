#include "CCalibrationMain.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CCalibrationMain::Template { 524, 110, {
    C::group(NavigationGroupId, QStringLiteral("Navigation Buttons"), 3, 26, 444, 32),
    C::button(DashboardButton, QStringLiteral("Dashboard"), 23, 38, 50, 14),
    C::button(AlarmsButton, QStringLiteral("Alarms"), 93, 38, 50, 14),
    C::button(HealthButton, QStringLiteral("Health"), 163, 38, 50, 14),
    C::button(DiagnosticButton, QStringLiteral("Diagnostic"), 233, 38, 50, 14),
    C::button(CalibrationButton, QStringLiteral("Calibration"), 303, 38, 50, 14, C::Disabled),
    C::button(ConfigurationButton, QStringLiteral("Configuration"), 373, 38, 50, 14),

    C::group(OptionsGroupId, QStringLiteral("Calibration Options"), 3, 62, 444, 34),
    C::button(ActuatorButton, QStringLiteral("Actuator / Stroke / Friction"), 23, 74, 120, 14),
    C::button(StrokeButton, QStringLiteral("Stroke"), 163, 74, 50, 14),
    C::button(AnalogInputButton, QStringLiteral("Analog Input"), 233, 74, 60, 14),
} };

const ToolTipTable CCalibrationMain::ToolTips {
    { DashboardButton, QStringLiteral("Go to the Dashboard page.") },
    { AlarmsButton, QStringLiteral("Go to the Alarms page.") },
    { HealthButton, QStringLiteral("Go to the Health Status page.") },
    { DiagnosticButton, QStringLiteral("Go to the Diagnostic page.") },
    { CalibrationButton, QStringLiteral("Go to the Calibration page.") },
    { ActuatorButton, QStringLiteral("Go to the Actuator Calibration page.") },
    { StrokeButton, QStringLiteral("Go to the Stroke Calibration page.") },
    { AnalogInputButton, QStringLiteral("Go to the Analog Input Calibration page.") },
    { ConfigurationButton, QStringLiteral("Go to the Configuration page.") },
};

const NavigationButton CCalibrationMain::NavigationButtons[8] = {
    { DashboardButton, "OnDashboard", 1 },
    { AlarmsButton, "OnAlarms", 2 },
    { HealthButton, "OnHealth", 3 },
    { DiagnosticButton, "OnDiagnostic", 4 },
    { ConfigurationButton, "OnConfiguration", 6 },
    { ActuatorButton, "OnActuatorStrokeFriction", 51 },
    { StrokeButton, "OnStroke", 52 },
    { AnalogInputButton, "OnAnalogInput", 53 },
};
// clang-format on
