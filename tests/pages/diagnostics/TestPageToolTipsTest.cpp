// Every tooltip of the ramp, partial stroke and HDRL test pages, letter for
// letter: a typo in any one, a tip on the wrong control or a tip too many fails.
#include "HDRLTestPageTest.h"
#include "PageTexts.h"
#include "PstPageTest.h"
#include "RampTestPageTest.h"

TEST_F(RampTestPageTest, EveryControlCarriesItsToolTip)
{
    showRampPage();
    using Ramp = CRampTest;
    expectToolTips(ramp(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Ramp::StartEdit, "Start Position" },
            { Ramp::StopEdit, "Stop Position" },
            { Ramp::HoldEdit, "Time for data collection after ramp is finished." },
            { Ramp::DurationEdit, "Time from start to stop position." },
            { Ramp::BidirectionalBox, "Check box to perform Ramp Test in both directions to calculate friction." },
            { Ramp::PositionBox, "Check box to display Position in graph." },
            { Ramp::CommandBox, "Check box to display Control Command in graph." },
            { Ramp::Port1Box, "Check box to display Port 1 in graph." },
            { Ramp::Port2Box, "Check box to display Port 2 in graph." },
            { Ramp::RelayCommandBox, "Check box to display Spool Command in graph." },
            { Ramp::RelayPositionBox, "Check box to display Spool Position in graph." },
            { Ramp::StatusEdit, "Displays the current status of the Ramp Test." },
            { Ramp::ElapsedEdit, "Time the test is taking in seconds." },
            { Ramp::ProgressBar, "Progress bar of the Ramp Test." },
            { Ramp::RampViewButton, "Click this button to display all the actual data taken during the Ramp Test." },
            { Ramp::PressureViewButton, "Click this button to display the Pressure vs Position data on the graph." },
            { Ramp::SignalsViewButton, "Click this button to display the Signal vs Command data on the graph." },
            { Ramp::FrictionViewButton, "Click this button to display the Friction/Thrust data on the graph." },
            { Ramp::PlotId, "Plot" },
            { Ramp::StartButton, "Clear existing data and start a new ramp test." },
            { Ramp::StopButton, "Stop in progress ramp test." },
            { Ramp::LoadButton, "load the already saved test results into the display." },
            { Ramp::SaveButton, "save the test results into the local disc." },
            { Ramp::StrokeLengthEdit, "Information about the valve Trim stroke length." },
            { Ramp::ActuatorSizeEdit, "Information about the Actuaotr size." },
            { Ramp::CompareButton, "JUMP to comapare page." },
            { Ramp::PrintButton, "print the Ramp Test result and Device Configuration to the default printer." },
            { Ramp::SpringRateEdit, "Estimated force per unit of stroke length required to compress the spring." },
            { Ramp::SpringInitialEdit, "Estimated pressure required to begin compressing the spring." },
            { Ramp::SpringFinalEdit, "Estimated pressure required to finish compressing the spring." },
        },
        { Ramp::StartMark, Ramp::StopMark, Ramp::HoldMark, Ramp::DurationMark });
}

TEST_F(PstPageTest, EveryControlCarriesItsToolTip)
{
    showPst();
    using Pst = CPartialStrokeTest;
    expectToolTips(pst(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Pst::StartEdit, "Start Position" },
            { Pst::StopEdit, "Stop Position" },
            { Pst::TimeToTargetEdit, "Desired time limit to reach target." },
            { Pst::DurationEdit, "Time from start to stop position." },
            { Pst::PositionBox, "Check box to display Position in graph." },
            { Pst::CommandBox, "Check box to display Control Command in graph." },
            { Pst::Port1Box, "Check box to display Port 1 in graph." },
            { Pst::Port2Box, "Check box to display Port 2 in graph." },
            { Pst::RelayCommandBox, "Check box to display Spool Command in graph." },
            { Pst::RelayPositionBox, "Check box to display Spool Position in graph." },
            { Pst::StatusEdit, "Displays the current status of the Partial Stroke Test." },
            { Pst::ProgressBar, "Progress bar of the Partial Stroke Test." },
            { Pst::BreakAwayTimeEdit, "Time from command change to actual movement." },
            { Pst::BreakAwayPressureEdit, "Pressure measured at movement." },
            { Pst::TimeToTargetResultEdit, "Elapsed time to target position." },
            { Pst::ResultEdit, "Pass/Fail indicator." },
            { Pst::PlotId, "Plot" },
            { Pst::StartButton, "Start a Partial Stroke Test." },
            { Pst::StopButton, "Stop a Partial Stroke Test." },
            { Pst::RetrieveButton, "Retrieving signature from device." },
            { Pst::LoadButton, "load the already saved test results into the display." },
            { Pst::SaveButton, "save the test results into the local disc." },
            { Pst::CompareButton, "Go the the PST Compare page." },
            { Pst::PrintButton, "print the PST Test result and Device Configuration to the default printer." },
            { Pst::EnableRadio,
                "Causes small, slow valve movement to enable dynamic diagnostics for fixed position valves." },
            { Pst::DisableRadio, "Disable continuous stroke test" },
        },
        { Pst::StartMark, Pst::StopMark, Pst::TimeToTargetMark, Pst::DurationMark });
}

TEST_F(HDRLTestPageTest, EveryControlCarriesItsToolTip)
{
    showPage();
    using Hdrl = CHDRLTest;
    expectToolTips(hdrl(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Hdrl::HysDeadAverageEdit, "Average of the Hysteresis and the Deadband." },
            { Hdrl::HysDeadMaximumEdit, "Maximum value of the Hysteresis and the Deadband." },
            { Hdrl::RepeatAverageEdit, "Repeatability average." },
            { Hdrl::RepeatMaximumEdit, "Maximum value of the repeatability." },
            { Hdrl::LinearityEdit, "Percent Linearity Error." },
            { Hdrl::SettlingEdit, "Settling Time" },
            { Hdrl::StartTimeEdit, "Local computer time when the HDRL test started." },
            { Hdrl::ElapsedEdit, "Time the test is taking in seconds." },
            { Hdrl::ProgressBar, "Progress bar of the HDRL test." },
            { Hdrl::ControlSignalButton, "Display on the graph the Command and Position." },
            { Hdrl::HDRButton, "Display on the graph the Position Error Vs Position." },
            { Hdrl::LinearityButton, "Display on the graph the linearity error." },
            { Hdrl::PlotId, "Plot" },
            { Hdrl::StartButton, "Clear existing data and start a new HDRL test." },
            { Hdrl::StopButton, "Stop in progress HDRL test." },
            { Hdrl::LoadButton, "load the already saved test results into the display." },
            { Hdrl::SaveButton, "save the test results into the local disc." },
            { Hdrl::CompareButton, "Jump to Compare page." },
            { Hdrl::PrintButton, "print the HDRL Test result and Device Configuration to the default printer." },
        });
}
