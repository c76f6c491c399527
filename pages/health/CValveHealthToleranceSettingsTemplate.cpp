#include "CValveHealthToleranceSettings.h"

#include "IndicatorColours.h"
#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
constexpr unsigned Right = C::AlignRight;

// A limit's spin: whole pounds, typed values held to the spin's range.
ControlSpec spinBox(int id, int x, int y, double maximum)
{
    const QVariantMap properties { { QStringLiteral("AllowKeyEdit"), true }, { QStringLiteral("CheckRange"), true },
        { QStringLiteral("Increment"), 1.0 }, { QStringLiteral("Max"), maximum },
        { QStringLiteral("PageSize"), 10.0 } };
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, 12, 13, properties);
}
}

// clang-format off
const PageTemplate CValveHealthToleranceSettings::Template { 544, 396, {
    C::group(GroupBox, QStringLiteral("Friction Tolerance Settings"), 3, 26, 367, 214),
    C::placeholder(FrictionGaugeHost, 10, 38, 353, 40),

    C::radio(TightButton, QStringLiteral("Tight tolerance"), 14, 86, 100, 10, C::GroupStart),
    C::radio(NormalButton, QStringLiteral("Normal tolerance"), 14, 100, 100, 10),
    C::radio(LooseButton, QStringLiteral("Loose tolerance"), 14, 114, 100, 10),
    C::radio(NoLimitsButton, QStringLiteral("No Limits"), 14, 128, 100, 10),

    C::placeholder(LowAlarmKeyHost, 10, 150, 9, 8),
    C::label(-1, QStringLiteral("Low Alarm"), 21, 150, 60, 8),
    C::edit(LowAlarmEdit, 10, 161, 50, 12, Right),
    spinBox(LowAlarmSpin, 60, 161, 9997),
    C::label(-1, QStringLiteral("lbs"), 75, 163, 14, 8),
    C::picture(LowAlarmMark, ValidityMark::ValidIcon, 90, 163, 8, 8),
    C::placeholder(LowWarningKeyHost, 100, 150, 9, 8),
    C::label(-1, QStringLiteral("Low Warning"), 111, 150, 60, 8),
    C::edit(LowWarningEdit, 100, 161, 50, 12, Right),
    spinBox(LowWarningSpin, 150, 161, 9998),
    C::label(-1, QStringLiteral("lbs"), 165, 163, 14, 8),
    C::picture(LowWarningMark, ValidityMark::ValidIcon, 180, 163, 8, 8),
    C::placeholder(HighWarningKeyHost, 190, 150, 9, 8),
    C::label(-1, QStringLiteral("High Warning"), 201, 150, 60, 8),
    C::edit(HighWarningEdit, 190, 161, 50, 12, Right),
    spinBox(HighWarningSpin, 240, 161, 9999),
    C::label(-1, QStringLiteral("lbs"), 255, 163, 14, 8),
    C::picture(HighWarningMark, ValidityMark::ValidIcon, 270, 163, 8, 8),
    C::placeholder(HighAlarmKeyHost, 280, 150, 9, 8),
    C::label(-1, QStringLiteral("High Alarm"), 291, 150, 60, 8),
    C::edit(HighAlarmEdit, 280, 161, 50, 12, Right),
    spinBox(HighAlarmSpin, 330, 161, 10000),
    C::label(-1, QStringLiteral("lbs"), 345, 163, 14, 8),
    C::picture(HighAlarmMark, ValidityMark::ValidIcon, 360, 163, 8, 8),

    C::label(-1, QStringLiteral("Nominal Value"), 10, 196, 60, 8),
    C::edit(NominalValueEdit, 10, 207, 50, 12, ReadOnly | Right),
    C::label(PressureUnitLabel, QStringLiteral("psi"), 63, 209, 30, 8),
    C::label(-1, QStringLiteral("Actuator Size"), 100, 196, 60, 8),
    C::edit(ActuatorSizeEdit, 100, 207, 50, 12, ReadOnly | Right),
    C::label(-1, QStringLiteral("in\u00B2"), 153, 209, 20, 8),
    C::label(-1, QStringLiteral("Current Value"), 190, 196, 60, 8),
    C::edit(CurrentValueEdit, 190, 207, 50, 12, ReadOnly | Right),
    C::label(-1, QStringLiteral("lbs"), 243, 209, 14, 8),

    C::group(-1, QStringLiteral("Implications"), 376, 26, 144, 214),
    C::edit(ImplicationsEdit, 379, 35, 138, 201, ReadOnly | C::MultiLine | C::VScroll),
    C::button(ApplyButton, QStringLiteral("Apply"), 411, 330, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 467, 330, 50, 14),
} };

const ToolTipTable CValveHealthToleranceSettings::ToolTips {
    { FrictionGaugeId, QString() },
    { TightButton, QStringLiteral("Select this button to display Information related to setting Tight tolerance friction limits (See box to your right for information).") },
    { NormalButton, QStringLiteral("Select this button to display Information related to setting Normal tolerance friction limits (See box to your right for information).") },
    { LooseButton, QStringLiteral("Select this button to display Information related to setting Loose tolerance friction limits (See box to your right for information).") },
    { NoLimitsButton, QStringLiteral("Select this button to display Information related to setting No tolerance friction limits (See box to your right for information).") },
    { LowAlarmEdit, QStringLiteral("Display the value of the LOW ALARM limit. You can change the value here or by changing it on the gauge above.") },
    { LowWarningEdit, QStringLiteral("Display the value of the LOW WARNING limit. You can change the value here or by changing it on the gauge above.") },
    { HighWarningEdit, QStringLiteral("Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the gauge above.") },
    { HighAlarmEdit, QStringLiteral("Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the gauge above.") },
    { LowAlarmSpin, QStringLiteral("Display the value of the LOW ALARM limit.  You can change the value here; or, change it on the gauge above.") },
    { LowWarningSpin, QStringLiteral("Display the value of the LOW WARNING limit. You can change the value here; or change it on the gauge above.") },
    { HighWarningSpin, QStringLiteral("Display the value of the start of the HIGH WARNING limit. You can change the value here; or, change it on the gauge above.") },
    { HighAlarmSpin, QStringLiteral("Display the value of the end of the HIGH ALARM limit. You can change the value here; or, change it on the gauge above.") },
    { NominalValueEdit, QStringLiteral("Actual Nominal Supply Pressure retrieved from device.") },
    { ActuatorSizeEdit, QStringLiteral("Approximate actuator area in in\u00B2") },
    { CurrentValueEdit, QStringLiteral("Actual Friction Value.") },
    { ImplicationsEdit, QStringLiteral("Implications") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
};
// clang-format on

// Spins with the maxima that let "No Limits" hold 9999 and 10000.
const CValveHealthToleranceSettings::Limit CValveHealthToleranceSettings::Limits[4] {
    { FrictionRules::LowAlarm, LowAlarmEdit, LowAlarmSpin, LowAlarmMark, LowAlarmKeyHost, 155, IndicatorColour::Red,
        5 },
    { FrictionRules::LowWarning, LowWarningEdit, LowWarningSpin, LowWarningMark, LowWarningKeyHost, 149,
        IndicatorColour::Yellow, 4 },
    { FrictionRules::HighWarning, HighWarningEdit, HighWarningSpin, HighWarningMark, HighWarningKeyHost, 151, 0x3399CC,
        2 },
    { FrictionRules::HighAlarm, HighAlarmEdit, HighAlarmSpin, HighAlarmMark, HighAlarmKeyHost, 154,
        IndicatorColour::Orange, 3 },
};

const CValveHealthToleranceSettings::PresetButton CValveHealthToleranceSettings::Presets[4] {
    { Preset::Tight, TightButton,
        "Setting tight friction limits will result in the indication or warning of a smaller increase or decrease in "
        "friction compared to the friction value found at calibration.  Use this setting when control response is "
        "critical or when process fluid leak detection is critical." },
    { Preset::Normal, NormalButton,
        "Use normal friction alarm tolerance limits to detect increasing or decreasing friction trends.  High "
        "friction can cause loop oscillations, poor position control or valve sticking and can be caused by stem or "
        "trim galling, excessively tightened packing, or other valve/actuator mechanical issues.  Friction lower "
        "than normal can be an indicator of packing leaks." },
    { Preset::Loose, LooseButton,
        "Setting loose friction limits will result in the indication or warning of a larger increase or decrease in "
        "friction compared to the friction value found at calibration.  Use this setting on applications where "
        "control response or process fluid leak detection is not as important." },
    { Preset::NoLimits, NoLimitsButton,
        "Eliminating the friction limits will disable friction warnings and alarms.  Current friction values will "
        "continue to be updated and displayed." },
};
