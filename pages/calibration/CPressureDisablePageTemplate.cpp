#include "CPressureDisablePage.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CPressureDisablePage::Template { 524, 110, {
    C::label(HeadingId, QStringLiteral("Page Disabled"), 10, 28, 200, 14),
    C::group(RequirementsGroupId, QStringLiteral("Requirements"), 10, 46, 300, 40),
    C::label(SensorLabelId, QStringLiteral("Pressure Sensor"), 20, 62, 80, 8),
    C::label(SensorStateLabelId, QStringLiteral("Pressure Sensor Disabled or Unplugged"), 110, 62, 190, 8),
} };
// clang-format on
