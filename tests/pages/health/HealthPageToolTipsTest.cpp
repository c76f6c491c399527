// Every tooltip of the dashboard and the actuator health, friction tolerance
// and valve health pages, letter for letter: a typo in any one, a tip on the
// wrong control or on a control that has none fails.
#include "HealthPageTest.h"
#include "PageTexts.h"

using HealthPageToolTipsTest = HealthPageTest;

TEST_F(HealthPageToolTipsTest, EachControlOfTheHealthPagesCarriesItsTip)
{
    startK90();
    using D = CAdvDashboard;
    using A = CActuatorHealth;
    // The twelve health lamps, three per health, by their literal ids.
    expectToolTips(dashboard(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { D::SupplyDialId, "Supply Pressure - Value of the current supply pressure." },
            { D::Port1DialId, "Pressure at Port 1." },
            { D::Port2DialId, "Pressure at Port 2." },
            { D::ThermometerId, "Temperature" },
            { D::TemperatureReadoutId, "Temperature value." },
            { D::ModeSwitchId, "Device Control Mode." },
            { D::PositionReadoutId, "Valve position." },
            { D::PositionGaugeId, "Valve position." },
            { D::CommandReadoutId, "Valve position command." },
            { D::DeviationReadoutId, "Position Deviation." },
            { D::CommandGaugeId, "Display of Command, Travel Alert, and Soft Limits." },
            { 5007, "Actuator health indicator." },
            { 5011, "Actuator health indicator." },
            { 5015, "Actuator health indicator." },
            { 5006, "Positioner health indicator." },
            { 5010, "Positioner health indicator." },
            { 5014, "Positioner health indicator." },
            { D::FirstHealthLampId, "Valve health indicator." },
            { 5009, "Valve health indicator." },
            { 5013, "Valve health indicator." },
            { 5008, "Process Control health indicator." },
            { 5012, "Process Control health indicator." },
            { 5016, "Process Control health indicator." },
            { D::RequestEditId, "HART request packet." },
            { D::ReplyEditId, "HART reply packet." },
            { D::AirActionEditId, "Air Action Dip Switch selection." },
            { D::SignalAtClosedEditId, "Signal at closed Dip Switch selection." },
            { D::CharacterizationEditId, "Position Characterization Dip Switch selection." },
            { D::OptionalCharacterizationEditId, "Optional Position Characterization Dip Switch selection." },
            { D::AutoTuneEditId, "Auto Tune Dip Switch selection." },
            { D::SpareEditId, "Spare Dip Switch selection." },
            { D::ValveStabilityEditId, "Valve Stability Dip Switch selection." },
            { D::QuickCalibrationEditId, "Quick Calibration Dip Switch selection." },
            { D::DifferSummaryId, "X indicates Dip Switch differs from software." },
            { D::CutOffEditId, "Position Cut Off control mode." },
            { D::HighFrictionEditId, "High Friction control mode." },
        });
    expectToolTips(actuatorHealth(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { A::LeakGaugeId, "Actuator Pneumatic Leak" },
            { A::LeakButton,
                "Select this button to display the Implications and Possible Solutions related to Actuator Pneumatic "
                "Leak.  (See boxes to your right)." },
            { A::NominalLeakEdit, "Nominal Leak Value" },
            { A::LeakEdit, "Leak Value" },
            { A::LeakWarningEdit,
                "Display the value of the LEAK WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::LeakAlarmEdit,
                "Display the value of the LEAK ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::SupplyGaugeId, "Supply Pressure" },
            { A::SupplyButton,
                "Select this button to display the Implications and Possible Solutions related to Actuator Supply "
                "Limits.  (See boxes to your right)." },
            { A::NominalSupplyEdit, "Actual Nominal Supply Pressure retrieved from device." },
            { A::SupplyEdit, "Supply Pressure" },
            { A::LowAlarmEdit,
                "Display the value of the LOW ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::LowWarningEdit,
                "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::InitialWarningEdit,
                "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::HighWarningEdit,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::FullWarningEdit,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { A::RatioGaugeId, "Actuator Ratio" },
            { A::RatioEdit, "Actuator Ratio" },
            { A::RatioButton,
                "Select this button to display the Implications and Possible Solutions related to Actuator Ratio "
                "Limits.  (See boxes to your right)." },
            { A::FailSafeButton,
                "Select this button to display the Implications and Possible Solutions related to Pneumatic Inability "
                "to Failsafe.  (See boxes to your right)." },
            { A::Port1Button,
                "Select this button to display the Implications and Possible Solutions related to Port 1 Pressure "
                "Sensor.  (See boxes to your right)." },
            { A::Port2Button,
                "Select this button to display the Implications and Possible Solutions related to Port 2 Pressure "
                "Sensor "
                "(See boxes to your right)." },
            { A::ImplicationsEdit, "Implications" },
            { A::SolutionsEdit, "Possible Solutions" },
            { A::ApplyButton, "Saves your changes to device." },
            { A::RetrieveButton, "Retrieve information from the device." },

        });
}

TEST_F(HealthPageToolTipsTest, EachControlOfTheFrictionTolerancePageCarriesItsTip)
{
    startK90();
    using Page = CValveHealthToleranceSettings;
    // The friction gauge carries none.
    expectToolTips(page<Page>(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Page::TightButton,
                "Select this button to display Information related to setting Tight tolerance friction limits (See box "
                "to your right for information)." },
            { Page::NormalButton,
                "Select this button to display Information related to setting Normal tolerance friction limits (See "
                "box to your right for information)." },
            { Page::LooseButton,
                "Select this button to display Information related to setting Loose tolerance friction limits (See box "
                "to your right for information)." },
            { Page::NoLimitsButton,
                "Select this button to display Information related to setting No tolerance friction limits (See box to "
                "your right for information)." },
            { Page::LowAlarmEdit,
                "Display the value of the LOW ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { Page::LowWarningEdit,
                "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { Page::HighWarningEdit,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { Page::HighAlarmEdit,
                "Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { Page::LowAlarmSpin,
                "Display the value of the LOW ALARM limit.  You can change the value here; or, change it on the gauge "
                "above." },
            { Page::LowWarningSpin,
                "Display the value of the LOW WARNING limit. You can change the value here; or change it on the gauge "
                "above." },
            { Page::HighWarningSpin,
                "Display the value of the start of the HIGH WARNING limit. You can change the value here; or, change "
                "it on the gauge above." },
            { Page::HighAlarmSpin,
                "Display the value of the end of the HIGH ALARM limit. You can change the value here; or, change it on "
                "the gauge above." },
            { Page::NominalValueEdit, "Actual Nominal Supply Pressure retrieved from device." },
            { Page::ActuatorSizeEdit, "Approximate actuator area in in\u00B2" },
            { Page::CurrentValueEdit, "Actual Friction Value." },
            { Page::ImplicationsEdit, "Implications" },
            { Page::ApplyButton, "Saves your changes to device." },
            { Page::RetrieveButton, "Retrieve information from the device." },
        });
}

TEST_F(HealthPageToolTipsTest, EachControlOfTheValveHealthPageCarriesItsTip)
{
    startK90();
    using V = CValveHealth;
    // The spins of the counter settings name the bounds they hold.
    expectToolTips(page<CValveHealth>(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { V::FrictionGaugeId, "Friction" },
            { V::FrictionHelpButton,
                "Select this button to display the Implications and Possible Solutions related to High and Low "
                "Friction (See boxes to your right)." },
            { V::LowAlarmEdit,
                "Display the value of the LOW ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::LowAlarmSpin,
                "Display the value of the LOW ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::LowWarningEdit,
                "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::LowWarningSpin,
                "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::HighWarningEdit,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::HighWarningSpin,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::CyclesFullWarningEdit,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::TravelFullWarningEdit,
                "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::HighAlarmEdit,
                "Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::HighAlarmSpin,
                "Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the "
                "gauge above." },
            { V::FrictionEdit, "Actual Friction Value." },
            { V::ToleranceSettingsButton, "Click here to go to Friction Tolerance Settings." },
            { V::CyclesGaugeId, "Valve Cycle" },
            { V::CyclesHelpButton,
                "Select this button to display the Implications and Possible Solutions related to Valve Cycles (See "
                "boxes to your right)." },
            { V::CycleDeadbandEdit, "Display the value in % of the cycle deadband." },
            { V::CyclesInitialWarningEdit, "Cycle count at which warning begins.  90% of High Cycle Count limit." },
            { V::CycleCountEdit, "Cycle count retrieved from device." },
            { V::ResetCycleCounterButton, "Reset Cycle Counter to Zero (0)." },
            { V::TravelGaugeId, "Cumulative Valve Travel(%)" },
            { V::TravelHelpButton,
                "Select this button to display the Implications and Possible Solutions related to Valve Travel (See "
                "boxes to your right)." },
            { V::StrokeLengthEdit, "Display the value in % of the stroke length." },
            { V::TravelDeadbandEdit, "Display the value in % of the travel deadband." },
            { V::TravelInitialWarningEdit, "Travel value at which warning begins.  90% of the High Travel limit." },
            { V::TravelEdit, "Accumulated Travel Value retrieved from device." },
            { V::ResetTravelCounterButton, "Reset the Accumulated Travel Value to Zero (0)." },
            { V::ImplicationsEdit, "Implications" },
            { V::SolutionsEdit, "Possible Solutions" },
            { V::ApplyButton, "Saves your changes to device." },
            { V::RetrieveButton, "Retrieve information from the device." },
            { V::CycleDeadbandSpin, "Please enter values between 0 and 99 in steps of 0.1" },
            { V::CyclesFullWarningSpin, "Please enter whole numbers between 0 and 400000000" },
            { V::StrokeLengthSpin, "Please enter values between 0.01 and 100 in steps of 0.01" },
            { V::TravelDeadbandSpin, "Please enter values between 0 and 99 in steps of 0.1" },
            { V::TravelFullWarningSpin, "Please enter whole numbers between 0 and 900000000" },
        });
}

TEST_F(HealthPageToolTipsTest, SmallerModelNamesTheSupplySensorOnThePort2Button)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    EXPECT_EQ(actuatorHealth().control(CActuatorHealth::Port2Button)->toolTip(),
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Supply "
                       "Pressure Sensor (See boxes to your right)."));
}
