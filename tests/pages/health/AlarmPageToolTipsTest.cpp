// Every tooltip of the alarms hub and the three alarm pages, letter for
// letter: a typo in any one, or a tip on a control that has none, fails.
#include "AlarmPageTest.h"
#include "PageTexts.h"

using AlarmPageToolTipsTest = AlarmPageTest;

TEST_F(AlarmPageToolTipsTest, EachControlOfTheAlarmPagesCarriesItsTip)
{
    startOn(K90Path);
    using Hub = CAlarmsView;
    using Annunciator = CAlarmAnnunciator;
    using Config = CAlarmConfig;
    using Status = CAlarmStatus;
    expectToolTips(hub(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Hub::DashboardButton, "Go to the Dashboard page." },
            { Hub::AlarmsButton, "Go to the Alarms page." },
            { Hub::HealthButton, "Go to the Health Status page." },
            { Hub::DiagnosticButton, "Go to the Diagnostic page." },
            { Hub::CalibrationButton, "Go to the Calibration page." },
            { Hub::AlarmStatusButton, "Go to the Alarm Status page to view alarm history and log." },
            { Hub::AnnunciatorButton, "Go to the Alarm Annunciator page to view all enabled alarms." },
            { Hub::AlarmConfigurationButton,
                "Go to the Alarm Configuration page to enable or disable a specific alarm." },
            { Hub::ConfigurationButton, "Go to the Configuration page." },
        });
    expectToolTips(annunciator(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Annunciator::AlarmsGroup, "Alarms" },
            { Annunciator::WarningsGroup, "Warnings" },
            { Annunciator::AlertsGroup, "Alerts" },
            { Annunciator::ModesGroup, "Modes" },
            { Annunciator::DeviceInfoGroup, "Device Information" },
            { Annunciator::DeviceStatesGroup, "Device States" },
            { Annunciator::LegendGroup, "Legend" },
            { Annunciator::PrintButton, "Print all alarms, warnings, alerts ans settings to the default printer." },
        });
    expectToolTips(config(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Config::GridId, "Device detectable Alerts and Alarms" },
            { Config::EnableButton, "Enable this error in Device Status Report" },
            { Config::DisableButton, "Disable this error in Device Status Report." },
            { Config::ApplyButton, "Saves your changes to device." },
        });
    expectToolTips(status(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Status::HistoryGridId, "Alarm History" },
            { Status::ResetHistoryButton, "Reset the Error History Log." },
            { Status::ClearLogButton, "Clears the Active Error Log History." },
            { Status::SaveToDiskButton, "Saves the Active Error Log History to a text file." },
            { Status::DescriptionEdit, "Description of the selected alarm" },
            { Status::EventLogGridId, "Event log" },
            { Status::PrintButton, "Print a alarms to the default printer." },
        });
}
