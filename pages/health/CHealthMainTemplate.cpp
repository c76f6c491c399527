#include "CHealthMain.h"

#include "IndicatorColours.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CHealthMain::Template { 524, 172, {
    C::group(NavigationGroupId, QStringLiteral("Navigation Buttons"), 3, 26, 444, 32),
    C::button(DashboardButton, QStringLiteral("Dashboard"), 23, 38, 50, 14),
    C::button(AlarmsButton, QStringLiteral("Alarms"), 93, 38, 50, 14),
    C::button(HealthButton, QStringLiteral("Health"), 163, 38, 50, 14, C::Disabled),
    C::button(DiagnosticButton, QStringLiteral("Diagnostic"), 233, 38, 50, 14),
    C::button(CalibrationButton, QStringLiteral("Calibration"), 303, 38, 50, 14),
    C::button(ConfigurationButton, QStringLiteral("Configuration"), 373, 38, 50, 14),

    C::group(HealthStatusGroupId, QStringLiteral("Health Status"), 3, 62, 444, 106),
    C::group(HealthyGroupId, QStringLiteral("Healthy"), 69, 72, 80, 91, C::AlignCenter),
    C::group(WarningGroupId, QStringLiteral("Warning"), 148, 72, 154, 91, C::AlignCenter),
    C::group(AlarmGroupId, QStringLiteral("Alarm"), 301, 72, 80, 91, C::AlignCenter),
    C::label(-1, QStringLiteral("Valve:"), 14, 90, 50, 8, C::AlignRight),
    C::label(-1, QStringLiteral("Positioner:"), 14, 109, 50, 8, C::AlignRight),
    C::label(-1, QStringLiteral("Actuator:"), 14, 128, 50, 8, C::AlignRight),
    C::label(-1, QStringLiteral("Control:"), 14, 147, 50, 8, C::AlignRight),
    C::placeholder(ValveHealthyHost, 69, 86, 80, 15),
    C::placeholder(ValveWarningHost, 148, 86, 154, 15),
    C::placeholder(ValveAlarmHost, 301, 86, 80, 15),
    C::placeholder(PositionerHealthyHost, 69, 105, 80, 15),
    C::placeholder(PositionerWarningHost, 148, 105, 154, 15),
    C::placeholder(PositionerAlarmHost, 301, 105, 80, 15),
    C::placeholder(ActuatorHealthyHost, 69, 124, 80, 15),
    C::placeholder(ActuatorWarningHost, 148, 124, 154, 15),
    C::placeholder(ActuatorAlarmHost, 301, 124, 80, 15),
    C::placeholder(ControlHealthyHost, 69, 143, 80, 15),
    C::placeholder(ControlWarningHost, 148, 143, 154, 15),
    C::placeholder(ControlAlarmHost, 301, 143, 80, 15),
    C::button(ValveButton, QStringLiteral("..."), 385, 87, 16, 12),
    C::button(PositionerButton, QStringLiteral("..."), 385, 106, 16, 12),
    C::button(ActuatorButton, QStringLiteral("..."), 385, 125, 16, 12),
    C::button(ControlButton, QStringLiteral("..."), 385, 144, 16, 12),
} };

const ToolTipTable CHealthMain::ToolTips {
    { DashboardButton, QStringLiteral("Go to the Dashboard page.") },
    { AlarmsButton, QStringLiteral("Go to the Alarms page.") },
    { HealthButton, QStringLiteral("Go to the Health Status page.") },
    { DiagnosticButton, QStringLiteral("Go to the Diagnostic page.") },
    { CalibrationButton, QStringLiteral("Go to the Calibration page.") },
    { ConfigurationButton, QStringLiteral("Go to the Configuration page.") },
    { ValveButton, QStringLiteral("Go to the Valve Health page.") },
    { PositionerButton, QStringLiteral("Go to the Positioner Health page.") },
    { ActuatorButton, QStringLiteral("Go to the Actuator Health page.") },
    { ControlButton, QStringLiteral("Go to the Process Control Health page.") },
    { FirstBarId + 0, QStringLiteral("Valve health indicator.") },
    { FirstBarId + 4, QStringLiteral("Valve health indicator.") },
    { FirstBarId + 8, QStringLiteral("Valve health indicator.") },
    { FirstBarId + 1, QStringLiteral("Positioner health indicator.") },
    { FirstBarId + 5, QStringLiteral("Positioner health indicator.") },
    { FirstBarId + 9, QStringLiteral("Positioner health indicator.") },
    { FirstBarId + 2, QStringLiteral("Actuator health indicator.") },
    { FirstBarId + 6, QStringLiteral("Actuator health indicator.") },
    { FirstBarId + 10, QStringLiteral("Actuator health indicator.") },
    { FirstBarId + 3, QStringLiteral("Process Control health indicator.") },
    { FirstBarId + 7, QStringLiteral("Process Control health indicator.") },
    { FirstBarId + 11, QStringLiteral("Process Control health indicator.") },
};

const NavigationButton CHealthMain::NavigationButtons[9] = {
    { DashboardButton, "OnDashboard", 1 },
    { AlarmsButton, "OnAlarms", 2 },
    { DiagnosticButton, "OnDiagnostic", 4 },
    { CalibrationButton, "OnCalibration", 5 },
    { ConfigurationButton, "OnConfiguration", 6 },
    { ValveButton, "OnValveHealth", 31 },
    { PositionerButton, "OnPositionerHealth", 32 },
    { ActuatorButton, "OnActuatorHealth", 33 },
    { ControlButton, "OnControlHealth", 34 },
};

const CHealthMain::BarColumn CHealthMain::BarColumns[ColumnCount] = {
    { { ValveHealthyHost, PositionerHealthyHost, ActuatorHealthyHost, ControlHealthyHost }, IndicatorColour::Green, 6 },
    { { ValveWarningHost, PositionerWarningHost, ActuatorWarningHost, ControlWarningHost }, IndicatorColour::Yellow, 11 },
    { { ValveAlarmHost, PositionerAlarmHost, ActuatorAlarmHost, ControlAlarmHost }, IndicatorColour::Red, 5 },
};
// clang-format on
