#include "CAlarmConfig.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CAlarmConfig::Template { 524, 330, {
    C::group(AlarmsGroupId, QStringLiteral("All Device Detectable Alerts and Alarms"), 3, 26, 444, 278),
    C::placeholder(GridHost, 10, 38, 430, 260),
    C::button(EnableButton, QStringLiteral("Enable"), 283, 310, 50, 14),
    C::button(DisableButton, QStringLiteral("Disable"), 340, 310, 50, 14),
    C::button(ApplyButton, QStringLiteral("Apply"), 397, 310, 50, 14),
} };

const ToolTipTable CAlarmConfig::ToolTips {
    { GridId, QStringLiteral("Device detectable Alerts and Alarms") },
    { EnableButton, QStringLiteral("Enable this error in Device Status Report") },
    { DisableButton, QStringLiteral("Disable this error in Device Status Report.") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
};
// clang-format on
