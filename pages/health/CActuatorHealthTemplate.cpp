#include "CActuatorHealth.h"

#include "IndicatorColours.h"
#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;

// A spin beside a limit's edit: whole steps, or hundredths for a fine one;
// some take typed values and check them against their range.
ControlSpec spinBox(int id, int x, int y, double increment, double maximum, bool keyEdit)
{
    QVariantMap properties { { QStringLiteral("Increment"), increment }, { QStringLiteral("Max"), maximum },
        { QStringLiteral("PageSize"), 10.0 } };
    if (increment < 1.0) {
        properties.insert(QStringLiteral("Decimals"), 2);
        properties.insert(QStringLiteral("IntegersOnly"), false);
    }
    if (keyEdit) {
        properties.insert(QStringLiteral("AllowKeyEdit"), true);
        properties.insert(QStringLiteral("CheckRange"), true);
    }
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, 12, 13, properties);
}

const QString ImplicationsCaption = QStringLiteral("Implications and Possible Solutions");
const QString LowWarningTip = QStringLiteral(
    "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the gauge above.");
const QString HighWarningTip = QStringLiteral(
    "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the gauge above.");
}

// clang-format off
const PageTemplate CActuatorHealth::Template { 544, 396, {
    C::group(LeakGroupId, QStringLiteral("Actuator Pneumatic Leak (scfm)"), 3, 26, 367, 78),
    C::label(-1, QStringLiteral("Nominal Value:"), 10, 76, 60, 8),
    C::label(-1, QStringLiteral("Current Value:"), 84, 76, 60, 8),
    C::label(-1, QStringLiteral("Leak Warning:"), 168, 75, 55, 8),
    C::label(-1, QStringLiteral("Leak Alarm:"), 240, 76, 50, 8),
    C::edit(NominalLeakEdit, 10, 86, 53, 12, ReadOnly),
    C::edit(LeakEdit, 84, 86, 53, 12, ReadOnly),
    C::edit(LeakWarningEdit, 157, 86, 50, 12),
    spinBox(LeakWarningSpin, 207, 86, 0.01, 100, false),
    C::picture(LeakWarningMark, ValidityMark::ValidIcon, 220, 88, 8, 8),
    C::edit(LeakAlarmEdit, 229, 86, 50, 12),
    spinBox(LeakAlarmSpin, 279, 86, 0.01, 100, false),
    C::picture(LeakAlarmMark, ValidityMark::ValidIcon, 292, 88, 8, 8),

    C::group(SupplyGroupId, QStringLiteral("Supply Pressure Limits"), 3, 108, 367, 77),
    C::label(-1, QStringLiteral("Nominal Value:"), 10, 157, 60, 8),
    C::label(-1, QStringLiteral("Current Value:"), 84, 157, 60, 8),
    C::label(-1, QStringLiteral("Low Alarm:"), 169, 157, 50, 8),
    C::label(-1, QStringLiteral("Low Warning:"), 241, 156, 55, 8),
    C::label(-1, QStringLiteral("High Warning:"), 315, 157, 52, 8),
    C::edit(NominalSupplyEdit, 10, 167, 53, 12, ReadOnly),
    C::edit(SupplyEdit, 84, 167, 53, 12, ReadOnly),
    C::edit(LowAlarmEdit, 157, 167, 50, 12),
    spinBox(LowAlarmSpin, 207, 167, 1, 1500, false),
    C::picture(LowAlarmMark, ValidityMark::ValidIcon, 220, 169, 8, 8),
    C::edit(LowWarningEdit, 229, 167, 50, 12),
    spinBox(LowWarningSpin, 279, 167, 1, 1500, true),
    C::picture(LowWarningMark, ValidityMark::ValidIcon, 292, 169, 8, 8),
    // Narrower than the others, so that its mark stays inside the group.
    C::edit(HighWarningEdit, 304, 167, 44, 12),
    spinBox(HighWarningSpin, 348, 167, 1, 1500, true),
    C::picture(HighWarningMark, ValidityMark::ValidIcon, 361, 169, 8, 8),

    C::group(RatioGroupId, QStringLiteral("Actuator Ratio Limits (%)"), 3, 187, 367, 77),
    C::label(-1, QStringLiteral("Current Value:"), 10, 236, 60, 8),
    C::label(-1, QStringLiteral("Initial Warning:"), 99, 236, 60, 8),
    C::label(-1, QStringLiteral("Full Warning:"), 171, 235, 55, 8),
    C::edit(RatioEdit, 10, 246, 53, 12, ReadOnly),
    // The next edit leaves no room past the initial warning's spin: its mark stands before it.
    C::picture(InitialWarningMark, ValidityMark::ValidIcon, 75, 248, 8, 8),
    C::edit(InitialWarningEdit, 84, 246, 53, 12),
    spinBox(InitialWarningSpin, 137, 246, 1, 1500, true),
    C::edit(FullWarningEdit, 157, 246, 53, 12),
    spinBox(FullWarningSpin, 210, 246, 1, 1500, true),
    C::picture(FullWarningMark, ValidityMark::ValidIcon, 223, 248, 8, 8),

    C::group(TroubleShootingGroupId, QStringLiteral("Actuator Trouble Shooting"), 3, 266, 367, 61),
    C::label(FailSafeCaption, QStringLiteral("Pneumatic Inability to Failsafe"), 32, 279, 123, 9),
    C::label(Port1Caption, QStringLiteral("Port 1 Pressure Sensor Out of Range"), 32, 295, 123, 9),
    C::label(Port2Caption, QStringLiteral("Port 2 Pressure Sensor Out of Range"), 32, 312, 123, 9),

    C::radio(LeakButton, ImplicationsCaption, 239, 45, 125, 15, C::GroupStart),
    C::radio(SupplyButton, ImplicationsCaption, 239, 126, 125, 15),
    C::radio(RatioButton, ImplicationsCaption, 239, 204, 125, 15),
    C::radio(FailSafeButton, ImplicationsCaption, 239, 278, 125, 10),
    C::radio(Port1Button, ImplicationsCaption, 239, 295, 125, 10),
    C::radio(Port2Button, ImplicationsCaption, 239, 312, 125, 10),

    C::group(-1, QStringLiteral("Implications"), 377, 26, 144, 158),
    C::edit(ImplicationsEdit, 380, 35, 138, 145, ReadOnly | C::MultiLine | C::VScroll),
    C::group(-1, QStringLiteral("Possible Solution"), 376, 187, 144, 140),
    C::edit(SolutionsEdit, 379, 196, 138, 128, ReadOnly | C::MultiLine | C::VScroll),
    C::button(ApplyButton, QStringLiteral("Apply"), 411, 330, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 467, 330, 50, 14),

    C::placeholder(LeakWarningKeyHost, 157, 74, 9, 8),
    C::placeholder(LeakAlarmKeyHost, 229, 75, 9, 8),
    C::placeholder(LowAlarmKeyHost, 158, 156, 9, 8),
    C::placeholder(LowWarningKeyHost, 230, 155, 9, 8),
    C::placeholder(HighWarningKeyHost, 304, 156, 9, 8),
    C::placeholder(InitialWarningKeyHost, 88, 235, 9, 8),
    C::placeholder(FullWarningKeyHost, 160, 234, 9, 8),
    C::placeholder(LeakGaugeHost, 10, 38, 211, 30),
    C::placeholder(SupplyGaugeHost, 10, 119, 211, 30),
    C::placeholder(RatioGaugeHost, 10, 197, 211, 30),
    C::placeholder(FailSafeLedHost, 10, 277, 13, 12),
    C::placeholder(Port1LedHost, 10, 294, 13, 12),
    C::placeholder(Port2LedHost, 10, 311, 13, 12),
} };

const ActuatorHealthRules::Limit CActuatorHealth::Limits[7] {
    { LeakWarningEdit, LeakWarningSpin, Leak, 1, 1.0 },
    { LeakAlarmEdit, LeakAlarmSpin, Leak, 2, 1.0 },
    { LowAlarmEdit, LowAlarmSpin, Supply, 1, 0.1 },
    { LowWarningEdit, LowWarningSpin, Supply, 2, 0.1 },
    { HighWarningEdit, HighWarningSpin, Supply, 3, 0.1 },
    { InitialWarningEdit, InitialWarningSpin, Ratio, 2, 0.1 },
    { FullWarningEdit, FullWarningSpin, Ratio, 1, 0.1 },
};
// Thousandths of an scfm in a word; the supply limits and the ratio as far as
// their gauges reach (psi and percent), the ratio in the hundredths its word
// holds. The supply words count parts of their scale, no decimal step.
const LimitFieldMarks::Field CActuatorHealth::LimitFields[7] {
    { LeakWarningEdit, LeakWarningMark, { 0.0, 65.535, FieldStep::Thousandths }, QStringLiteral("the leak warning") },
    { LeakAlarmEdit, LeakAlarmMark, { 0.0, 65.535, FieldStep::Thousandths }, QStringLiteral("the leak alarm") },
    { LowAlarmEdit, LowAlarmMark, { 0.0, 150.0 }, QStringLiteral("the supply low alarm") },
    { LowWarningEdit, LowWarningMark, { 0.0, 150.0 }, QStringLiteral("the supply low warning") },
    { HighWarningEdit, HighWarningMark, { 0.0, 150.0 }, QStringLiteral("the supply high warning") },
    { InitialWarningEdit, InitialWarningMark, { 0.0, 150.0, FieldStep::Hundredths }, QStringLiteral("the ratio initial warning") },
    { FullWarningEdit, FullWarningMark, { 0.0, 150.0, FieldStep::Hundredths }, QStringLiteral("the ratio full warning") },
};

const CActuatorHealth::ColourKey CActuatorHealth::ColourKeys[7] {
    { LeakWarningKeyHost, 149 },
    { LeakAlarmKeyHost, 155 },
    { LowAlarmKeyHost, 155 },
    { LowWarningKeyHost, 149 },
    { HighWarningKeyHost, 154 },
    { InitialWarningKeyHost, 149 },
    { FullWarningKeyHost, 154 },
};

const CActuatorHealth::GaugeSetup CActuatorHealth::Gauges[GroupCount] {
    { Leak, LeakGaugeHost, LeakGaugeId, 1.0, 2, { IndicatorColour::Yellow, IndicatorColour::Red } },
    { Supply, SupplyGaugeHost, SupplyGaugeId, 150.0, 3,
        { IndicatorColour::Red, IndicatorColour::Yellow, IndicatorColour::Orange } },
    { Ratio, RatioGaugeHost, RatioGaugeId, 150.0, 2, { IndicatorColour::Orange, IndicatorColour::Yellow } },
};

const CActuatorHealth::TroubleLed CActuatorHealth::TroubleLeds[3] {
    { FailSafeLedHost, FailSafeLedId },
    { Port1LedHost, Port1LedId },
    { Port2LedHost, Port2LedId },
};
// clang-format on

const ToolTipTable CActuatorHealth::ToolTips {
    { LeakGaugeId, QStringLiteral("Actuator Pneumatic Leak") },
    { LeakButton,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Actuator "
                       "Pneumatic Leak.  (See boxes to your right).") },
    { NominalLeakEdit, QStringLiteral("Nominal Leak Value") },
    { LeakEdit, QStringLiteral("Leak Value") },
    { LeakWarningEdit,
        QStringLiteral("Display the value of the LEAK WARNING limit. You can change the value here or by "
                       "changing it on the gauge above.") },
    { LeakAlarmEdit,
        QStringLiteral("Display the value of the LEAK ALARM limit. You can change the value here or by changing "
                       "it on the gauge above.") },
    { SupplyGaugeId, QStringLiteral("Supply Pressure") },
    { SupplyButton,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to "
                       "Actuator Supply Limits.  (See boxes to your right).") },
    { NominalSupplyEdit, QStringLiteral("Actual Nominal Supply Pressure retrieved from device.") },
    { SupplyEdit, QStringLiteral("Supply Pressure") },
    { LowAlarmEdit,
        QStringLiteral("Display the value of the LOW ALARM limit. You can change the value here or by changing "
                       "it on the gauge above.") },
    { LowWarningEdit, LowWarningTip },
    { InitialWarningEdit, LowWarningTip },
    { HighWarningEdit, HighWarningTip },
    { FullWarningEdit, HighWarningTip },
    { RatioGaugeId, QStringLiteral("Actuator Ratio") },
    { RatioEdit, QStringLiteral("Actuator Ratio") },
    { RatioButton,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Actuator "
                       "Ratio Limits.  (See boxes to your right).") },
    { FailSafeButton,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to "
                       "Pneumatic Inability to Failsafe.  (See boxes to your right).") },
    { Port1Button,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Port 1 "
                       "Pressure Sensor.  (See boxes to your right).") },
    { Port2Button,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Port 2 "
                       "Pressure Sensor (See boxes to your right).") },
    { ImplicationsEdit, QStringLiteral("Implications") },
    { SolutionsEdit, QStringLiteral("Possible Solutions") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
};

const ToolTipTable CActuatorHealth::SupplySensorToolTips {
    { Port2Button,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Supply "
                       "Pressure Sensor (See boxes to your right).") },
};

const char* const CActuatorHealth::SensorSolution
    = "Check the supply pressure.  Calibrate pressure sensors.  Check the pressure sensor "
      "board connections and replace pressure sensor board if necessary.";
const CActuatorHealth::Implication CActuatorHealth::Implications[5] {
    { LeakButton,
        "PNEUMATIC LEAK WARNING (user set) indicates that the positioner has detected a leak in the actuation "
        "assembly.  Leakage from the actuator can cause decreased responsiveness and excessive air/gas consumption.  "
        "Low supply pressure can also trigger this warning.",
        "Repair pneumatic leaks at the tubing junctions and actuator seals.  Ensure proper supply pressure." },
    { SupplyButton,
        "SUPPLY PRESSURE LOW ALARM (user set) indicates that the supply pressure is below the user set alarm limit.  "
        "Low supply pressure can cause poor valve response or positioner failure.  The minimum recommended supply "
        "pressure is 30 PSI (2.1 bar) for proper operation.SUPPLY PRESSURE HIGH WARNING indicates the positioner has "
        "determined that the supply pressure is above the user set warning limit.  The maximum recommended supply "
        "pressure is 150 PSI (10.3 bar) for proper operation.",
        "SUPPLY PRESSURE LOW - Regulate the supply pressure at the positioner between 45 PSI (3 bar) and 90 PSI (6 "
        "bar).  Recalibrate pressure sensors.  Ensure system air/gas supply is adequate.  Repair kinked supply "
        "tubing.  Check the pressure sensor board connections and replace pressure sensor board if necessary.SUPPLY "
        "PRESSURE HIGH - Regulate the supply pressure at the positioner below the maximum limit recommended for your "
        "actuator.  Recalibrate pressure sensors.  Check the pressure sensor board connections.  Replace pressure "
        "sensor board if necessary." },
    { RatioButton,
        "ACTUATION RATIO WARNING (user set) indicates a decreased ability of the system to actuate the valve. It is "
        "based on the ratio of available force to required force to actuate. It is affected by the process load, "
        "friction, spring force, and available supply.",
        "Increase the supply pressure.  Reduce the friction.  Check the actuator spring.  Resize the actuator.  "
        "Adjust user set limits." },
    { FailSafeButton,
        "PNEUMATIC INABILITY TO FAIL SAFE WARNING indicates that upon loss of air supply, the valve may move to the "
        "fail-safe position.  The spring alone is not adequate to overcome the friction and process load in the "
        "system.  The system is relying on pneumatic force to actuate in the direction the spring is pushing.  The "
        "failsafe spring may have failed, or it was not sized properly for the application. Friction or process "
        "load may have increased.",
        "Check for high friction.  Repair or replace actuator spring.  Reduce process load." },
    { Port1Button,
        "PRESSURE PORT 1 OUT OF RANGE WARNING indicates the internal pressure sensor at port 1 is either saturated "
        "with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.",
        SensorSolution },
};
const char* const CActuatorHealth::Port2Implication
    = "PRESSURE PORT 2 OUT OF RANGE WARNING indicates the internal pressure sensor at port 2 is either saturated with "
      "a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.";
const char* const CActuatorHealth::SupplyPortImplication
    = "SUPPLY PORT OUT OF RANGE WARNING indicates the internal pressure sensor at the supply port is either saturated "
      "with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.";
