#include "CValveHealth.h"

#include "IndicatorColours.h"
#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
constexpr unsigned Right = C::AlignRight;

// A spin beside a setting's edit: its values held to its range.
ControlSpec spinBox(int id, int x, int y, double increment, double maximum, int decimals = 0, double minimum = 0.0)
{
    QVariantMap properties { { QStringLiteral("AllowKeyEdit"), true }, { QStringLiteral("CheckRange"), true },
        { QStringLiteral("Increment"), increment }, { QStringLiteral("Max"), maximum },
        { QStringLiteral("PageSize"), 10.0 } };
    if (decimals)
        properties.insert(QStringLiteral("Decimals"), decimals);
    if (minimum != 0.0)
        properties.insert(QStringLiteral("Min"), minimum);
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, 12, 13, properties);
}

ControlSpec mark(int id, int x, int y)
{
    return C::picture(id, ValidityMark::ValidIcon, x, y, 8, 8);
}

const QString ImplicationsCaption = QStringLiteral("Implications and Possible Solutions");
const QString HighWarningTip = QStringLiteral(
    "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the gauge above.");
}

// clang-format off
const PageTemplate CValveHealth::Template { 544, 396, {
    C::group(FrictionGroup, QStringLiteral("Friction"), 3, 26, 367, 108),
    C::placeholder(FrictionGaugeHost, 10, 36, 353, 40),
    C::placeholder(FirstKeyHost, 10, 81, 9, 8),
    C::label(-1, QStringLiteral("Low Alarm"), 21, 81, 60, 8),
    C::edit(LowAlarmEdit, 10, 91, 50, 12, Right),
    spinBox(LowAlarmSpin, 60, 91, 1, 9997),
    C::label(-1, QStringLiteral("lbs"), 75, 93, 14, 8),
    mark(LowAlarmMark, 90, 93),
    C::placeholder(FirstKeyHost + 1, 100, 81, 9, 8),
    C::label(-1, QStringLiteral("Low Warning"), 111, 81, 60, 8),
    C::edit(LowWarningEdit, 100, 91, 50, 12, Right),
    spinBox(LowWarningSpin, 150, 91, 1, 9998),
    C::label(-1, QStringLiteral("lbs"), 165, 93, 14, 8),
    mark(LowWarningMark, 180, 93),
    C::placeholder(FirstKeyHost + 2, 190, 81, 9, 8),
    C::label(-1, QStringLiteral("High Warning"), 201, 81, 60, 8),
    C::edit(HighWarningEdit, 190, 91, 50, 12, Right),
    spinBox(HighWarningSpin, 240, 91, 1, 9999),
    C::label(-1, QStringLiteral("lbs"), 255, 93, 14, 8),
    mark(HighWarningMark, 270, 93),
    C::placeholder(FirstKeyHost + 3, 280, 81, 9, 8),
    C::label(-1, QStringLiteral("High Alarm"), 291, 81, 60, 8),
    C::edit(HighAlarmEdit, 280, 91, 50, 12, Right),
    spinBox(HighAlarmSpin, 330, 91, 1, 10000),
    C::label(-1, QStringLiteral("lbs"), 345, 93, 14, 8),
    mark(HighAlarmMark, 360, 93),
    C::label(-1, QStringLiteral("Current Value:"), 10, 113, 55, 8),
    C::edit(FrictionEdit, 68, 111, 40, 12, ReadOnly | Right),
    C::label(-1, QStringLiteral("lbs"), 111, 113, 14, 8),
    C::button(ToleranceSettingsButton, QStringLiteral("Friction - Tolerance Settings"), 130, 110, 105, 14),
    C::radio(FrictionHelpButton, ImplicationsCaption, 240, 112, 125, 10, C::GroupStart),

    C::group(CyclesGroup, QStringLiteral("Valve Cycles"), 3, 136, 367, 98),
    C::placeholder(CyclesGaugeHost, 10, 146, 353, 40),
    C::label(-1, QStringLiteral("Cycle Deadband:"), 10, 191, 60, 8),
    C::edit(CycleDeadbandEdit, 10, 201, 45, 12, Right),
    spinBox(CycleDeadbandSpin, 55, 201, 5, 990),
    C::label(-1, QStringLiteral("%"), 70, 203, 10, 8),
    mark(CycleDeadbandMark, 81, 203),
    C::placeholder(FirstKeyHost + 4, 95, 191, 9, 8),
    C::label(-1, QStringLiteral("Initial Warning:"), 106, 191, 60, 8),
    C::edit(CyclesInitialWarningEdit, 95, 201, 60, 12, ReadOnly | Right),
    C::placeholder(FirstKeyHost + 5, 180, 191, 9, 8),
    C::label(-1, QStringLiteral("Full Warning:"), 191, 191, 60, 8),
    C::edit(CyclesFullWarningEdit, 180, 201, 60, 12, Right),
    spinBox(CyclesFullWarningSpin, 240, 201, 1000, ValveHealthRules::CyclesSpinMaximum),
    mark(CyclesFullWarningMark, 254, 203),
    C::label(-1, QStringLiteral("Current Value:"), 270, 191, 60, 8),
    C::edit(CycleCountEdit, 270, 201, 60, 12, ReadOnly | Right),
    C::button(ResetCycleCounterButton, QStringLiteral("Reset Cycle Counter"), 10, 217, 80, 13),
    C::radio(CyclesHelpButton, ImplicationsCaption, 240, 219, 125, 10),

    C::group(TravelGroup, QStringLiteral("Valve Travel"), 3, 236, 367, 116),
    C::placeholder(TravelGaugeHost, 10, 246, 353, 40),
    C::label(-1, QStringLiteral("Stroke Length:"), 10, 291, 60, 8),
    C::edit(StrokeLengthEdit, 10, 301, 45, 12, Right),
    // The stroke is kept in hundredths: a step from 0.75 goes to 1.75.
    spinBox(StrokeLengthSpin, 55, 301, 1, 100, 2, 0.01),
    C::label(StrokeUnitLabel, QStringLiteral("%"), 70, 303, 13, 8),
    mark(StrokeMark, 84, 303),
    C::label(-1, QStringLiteral("Deadband:"), 95, 291, 60, 8),
    C::edit(TravelDeadbandEdit, 95, 301, 45, 12, Right),
    spinBox(TravelDeadbandSpin, 140, 301, 5, 990),
    C::label(-1, QStringLiteral("%"), 155, 303, 10, 8),
    mark(TravelDeadbandMark, 166, 303),
    C::placeholder(FirstKeyHost + 6, 180, 291, 9, 8),
    C::label(-1, QStringLiteral("Initial Warning:"), 191, 291, 60, 8),
    C::edit(TravelInitialWarningEdit, 180, 301, 60, 12, ReadOnly | Right),
    C::label(-1, QStringLiteral("%"), 242, 303, 10, 8),
    C::placeholder(FirstKeyHost + 7, 270, 291, 9, 8),
    C::label(-1, QStringLiteral("Full Warning:"), 281, 291, 60, 8),
    C::edit(TravelFullWarningEdit, 270, 301, 60, 12, Right),
    spinBox(TravelFullWarningSpin, 330, 301, 1000, ValveHealthRules::TravelSpinMaximum),
    C::label(-1, QStringLiteral("%"), 345, 303, 10, 8),
    mark(TravelFullWarningMark, 356, 303),
    C::label(-1, QStringLiteral("Current Value:"), 10, 320, 55, 8),
    C::edit(TravelEdit, 68, 318, 60, 12, ReadOnly | Right),
    C::label(-1, QStringLiteral("%"), 131, 320, 10, 8),
    C::button(ResetTravelCounterButton, QStringLiteral("Reset Travel Counter"), 10, 335, 80, 13),
    C::radio(TravelHelpButton, ImplicationsCaption, 240, 337, 125, 10),

    C::group(-1, QStringLiteral("Implications"), 376, 26, 144, 158),
    C::edit(ImplicationsEdit, 379, 35, 138, 145, ReadOnly | C::MultiLine | C::VScroll),
    C::group(-1, QStringLiteral("Possible Solution"), 376, 187, 144, 140),
    C::edit(SolutionsEdit, 379, 196, 138, 128, ReadOnly | C::MultiLine | C::VScroll),
    C::button(ApplyButton, QStringLiteral("Apply"), 411, 335, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 467, 335, 50, 14),
} };

const ToolTipTable CValveHealth::ToolTips {
    { FrictionGaugeId, QStringLiteral("Friction") },
    { FrictionHelpButton, QStringLiteral("Select this button to display the Implications and Possible Solutions related to High and Low Friction (See boxes to your right).") },
    { LowAlarmEdit, QStringLiteral("Display the value of the LOW ALARM limit. You can change the value here or by changing it on the gauge above.") },
    { LowAlarmSpin, QStringLiteral("Display the value of the LOW ALARM limit. You can change the value here or by changing it on the gauge above.") },
    { LowWarningEdit, QStringLiteral("Display the value of the LOW WARNING limit. You can change the value here or by changing it on the gauge above.") },
    { LowWarningSpin, QStringLiteral("Display the value of the LOW WARNING limit. You can change the value here or by changing it on the gauge above.") },
    { HighWarningEdit, HighWarningTip },
    { HighWarningSpin, HighWarningTip },
    { CyclesFullWarningEdit, HighWarningTip },
    { TravelFullWarningEdit, HighWarningTip },
    { HighAlarmEdit, QStringLiteral("Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the gauge above.") },
    { HighAlarmSpin, QStringLiteral("Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the gauge above.") },
    { FrictionEdit, QStringLiteral("Actual Friction Value.") },
    { ToleranceSettingsButton, QStringLiteral("Click here to go to Friction Tolerance Settings.") },
    { CyclesGaugeId, QStringLiteral("Valve Cycle") },
    { CyclesHelpButton, QStringLiteral("Select this button to display the Implications and Possible Solutions related to Valve Cycles (See boxes to your right).") },
    { CycleDeadbandEdit, QStringLiteral("Display the value in % of the cycle deadband.") },
    { CyclesInitialWarningEdit, QStringLiteral("Cycle count at which warning begins.  90% of High Cycle Count limit.") },
    { CycleCountEdit, QStringLiteral("Cycle count retrieved from device.") },
    { ResetCycleCounterButton, QStringLiteral("Reset Cycle Counter to Zero (0).") },
    { TravelGaugeId, QStringLiteral("Cumulative Valve Travel(%)") },
    { TravelHelpButton, QStringLiteral("Select this button to display the Implications and Possible Solutions related to Valve Travel (See boxes to your right).") },
    { StrokeLengthEdit, QStringLiteral("Display the value in % of the stroke length.") },
    { TravelDeadbandEdit, QStringLiteral("Display the value in % of the travel deadband.") },
    { TravelInitialWarningEdit, QStringLiteral("Travel value at which warning begins.  90% of the High Travel limit.") },
    { TravelEdit, QStringLiteral("Accumulated Travel Value retrieved from device.") },
    { ResetTravelCounterButton, QStringLiteral("Reset the Accumulated Travel Value to Zero (0).") },
    { ImplicationsEdit, QStringLiteral("Implications") },
    { SolutionsEdit, QStringLiteral("Possible Solutions") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
};
// clang-format on

const CValveHealth::FrictionLimit CValveHealth::FrictionLimits[4] {
    { FrictionRules::LowAlarm, LowAlarmEdit, LowAlarmSpin, LowAlarmMark, IndicatorColour::Red, 5 },
    { FrictionRules::LowWarning, LowWarningEdit, LowWarningSpin, LowWarningMark, IndicatorColour::Yellow, 4 },
    { FrictionRules::HighWarning, HighWarningEdit, HighWarningSpin, HighWarningMark, 0x3399CC, 2 },
    { FrictionRules::HighAlarm, HighAlarmEdit, HighAlarmSpin, HighAlarmMark, IndicatorColour::Orange, 3 },
};

const CValveHealth::CounterControls CValveHealth::Counters[CounterCount] {
    { CyclesGaugeId, CyclesGaugeHost, CyclesFullWarningEdit, CyclesFullWarningSpin, CyclesFullWarningMark,
        CyclesInitialWarningEdit, CycleDeadbandEdit, CycleDeadbandSpin, CycleDeadbandMark, CycleCountEdit },
    { TravelGaugeId, TravelGaugeHost, TravelFullWarningEdit, TravelFullWarningSpin, TravelFullWarningMark,
        TravelInitialWarningEdit, TravelDeadbandEdit, TravelDeadbandSpin, TravelDeadbandMark, TravelEdit },
};

// The deadbands in percent, written in tenths (their spins count tenths up to
// 990), the full warnings in whole cycles and percent, the stroke in
// hundredths of its unit: a typed value finer than that is refused, not cut.
// The initial warnings are the page's own, unsigned words.
const LimitFieldMarks::Field CValveHealth::CounterFields[7] {
    { CycleDeadbandEdit, CycleDeadbandMark, { 0.0, 99.0, FieldStep::Tenths }, QStringLiteral("the cycle deadband") },
    { CyclesFullWarningEdit, CyclesFullWarningMark, { 0.0, ValveHealthRules::CyclesSpinMaximum, FieldStep::Whole },
        QStringLiteral("the cycle full warning") },
    { StrokeLengthEdit, StrokeMark, { 0.01, 100.0, FieldStep::Hundredths }, QStringLiteral("the stroke length") },
    { TravelDeadbandEdit, TravelDeadbandMark, { 0.0, 99.0, FieldStep::Tenths }, QStringLiteral("the travel deadband") },
    { TravelFullWarningEdit, TravelFullWarningMark, { 0.0, ValveHealthRules::TravelSpinMaximum, FieldStep::Whole },
        QStringLiteral("the travel full warning") },
    { CyclesInitialWarningEdit, 0, { 0.0, 4294967295.0 }, QStringLiteral("the cycle initial warning") },
    { TravelInitialWarningEdit, 0, { 0.0, 4294967295.0 }, QStringLiteral("the travel initial warning") },
};

// Low alarm, low warning, high warning, high alarm; then the cycles' and the
// travel's initial and full warnings.
const int CValveHealth::ColourKeyPictures[8] { 155, 149, 151, 154, 151, 154, 151, 154 };

namespace
{
const char* const CounterSolution
    = "Follow any applicable internal procedures for maintenance when the limit is reached such as checking the "
      "packing tightness, and checking linkages for wear, misalignment, and tightness.  After maintenance, reset the "
      "cycle accumulator.";
}

const CValveHealth::Help CValveHealth::Helps[3] {
    { FrictionHelpButton,
        "FRICTION HIGH ALARM (user set) indicates the valve/actuator friction has passed the user set limit.  The "
        "alarm indicates a more severe condition than the warning. High friction can cause loop oscillations, poor "
        "position control, jerky motion, or valve sticking. It can be caused by build-up from the process on the "
        "stem, trim or seat, by a failing bearing or guides in the valve and actuator, galling of the trim or stem, "
        "excessively tightened packing, linkages, or other valve/actuator mechanical issues.FRICTION LOW ALARM (user "
        "set) indicates the friction has passed below the user set limit.  The alarm indicates a more severe "
        "condition than the warning.",
        "FRICTION HIGH - Determine if the friction is significantly interfering with the valve control.  If not, "
        "consider increasing the friction warning limit.  Consider the following to reduce friction:  Stroke the "
        "valve to clear off build-up.  Clear any external mechanical obstruction, loosen the packing, clean the "
        "stem, repair or replace the actuator.  Highly localized friction or very jerky travel can indicate internal "
        "galling.  Repair or replace internal valve components.FRICTION LOW - Check for process leak.  Tighten or "
        "replace the valve packing." },
    { CyclesHelpButton,
        "VALVE CYCLES LIMIT ALERT (user set) indicates that the cycle limit has been exceeded.  The cycle counting "
        "criterion and count limit are set by the user to track the usage of the valve.",
        CounterSolution },
    { TravelHelpButton,
        "VALVE TRAVEL LIMIT ALERT (user set) indicates that the total accumulated travel limit has been exceeded.  "
        "The cycle counting criterion and count limit are set by the user to track the usage of the valve.",
        CounterSolution },
};
