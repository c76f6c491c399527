#include "CStepTest.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
}

// clang-format off
const PageTemplate CStepTest::Template { 544, 396, {
    C::group(SettingsGroup, QStringLiteral("Step Test Settings"), 3, 26, 154, 62),
    C::label(-1, QStringLiteral("Start Position:"), 9, 40, 56, 8),
    C::edit(StartEdit, 68, 38, 44, 12),
    C::label(-1, QStringLiteral("%"), 116, 40, 14, 8),
    C::picture(StartMark, 139, 136, 40, 8, 8),
    C::label(-1, QStringLiteral("Stop Position:"), 9, 56, 56, 8),
    C::edit(StopEdit, 68, 54, 44, 12),
    C::label(-1, QStringLiteral("%"), 116, 56, 14, 8),
    C::picture(StopMark, 139, 136, 56, 8, 8),
    C::label(-1, QStringLiteral("Hold Time:"), 9, 72, 56, 8),
    C::edit(HoldEdit, 68, 70, 44, 12),
    C::label(-1, QStringLiteral("sec"), 116, 72, 16, 8),
    C::picture(HoldMark, 139, 136, 72, 8, 8),

    C::group(GraphGroup, QStringLiteral("Graph Settings"), 3, 92, 154, 134),
    C::check(PositionBox, QStringLiteral("Position"), 10, 104, 120, 10),
    C::check(CommandBox, QStringLiteral("Command"), 10, 117, 120, 10),
    C::check(Port1Box, QStringLiteral("Port 1 Pressure"), 10, 130, 120, 10),
    C::check(Port2Box, QStringLiteral("Port 2 Pressure"), 10, 143, 120, 10),
    C::check(RelayCommandBox, QStringLiteral("Pilot Relay Command"), 10, 156, 120, 10),
    C::check(RelayPositionBox, QStringLiteral("Pilot Relay Position"), 10, 169, 120, 10),
    C::button(StepViewButton, QStringLiteral("View Step Test"), 10, 186, 140, 14),
    C::button(PressureViewButton, QStringLiteral("View Pressure vs Position"), 10, 204, 140, 14),

    C::group(MonitorsGroup, QStringLiteral("Monitors"), 3, 230, 154, 94),
    C::label(-1, QStringLiteral("Test Status:"), 9, 242, 60, 8),
    C::edit(StatusEdit, 9, 252, 141, 12, ReadOnly),
    C::label(-1, QStringLiteral("Elapsed Time:"), 9, 272, 52, 8),
    C::edit(ElapsedEdit, 64, 270, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("sec"), 116, 272, 16, 8),
    C::label(-1, QStringLiteral("Data Acquisition Progress:"), 9, 290, 120, 8),
    C::progress(ProgressBar, 9, 301, 141, 11),

    C::placeholder(PlotHost, 165, 26, 372, 298),
    C::button(LoadButton, QStringLiteral("Load"), 165, 332, 56, 14),
    C::button(SaveButton, QStringLiteral("Save"), 228, 332, 56, 14),
    C::button(StartButton, QStringLiteral("Start"), 291, 332, 56, 14),
    C::button(StopButton, QStringLiteral("Stop"), 354, 332, 56, 14),
    C::button(CompareButton, QStringLiteral("Compare"), 417, 332, 56, 14),
    C::button(PrintButton, QStringLiteral("Print Report"), 480, 332, 57, 14),
    C::placeholder(ReportHost, 165, 352, 10, 10),
    C::placeholder(PrinterHost, 180, 352, 10, 10),
} };
// clang-format on

const ToolTipTable CStepTest::ToolTips {
    { StartEdit, QStringLiteral("Start Position") },
    { StopEdit, QStringLiteral("Stop Position") },
    { HoldEdit, QStringLiteral("Time for data collection after step is finished.") },
    { PositionBox, QStringLiteral("Check box to display Position in graph.") },
    { CommandBox, QStringLiteral("Check box to display Control Command in graph.") },
    { Port1Box, QStringLiteral("Check box to display Port 1 in graph.") },
    { Port2Box, QStringLiteral("Check box to display Port 2 in graph.") },
    { RelayCommandBox, QStringLiteral("Check box to display Spool Command in graph.") },
    { RelayPositionBox, QStringLiteral("Check box to display Spool Position in graph.") },
    { StatusEdit, QStringLiteral("Displays the current status of the Step Test.") },
    { ElapsedEdit, QStringLiteral("Displays the elapsed time since the start of the Step Test.") },
    { ProgressBar, QStringLiteral("Progress bar of the Step Test.") },
    { StepViewButton, QStringLiteral("Click this button to display all the actual data taken during the Step Test.") },
    { PressureViewButton, QStringLiteral("Click this button to display the Pressure vs Position data on the graph.") },
    { PlotId, QStringLiteral("Plot") },
    { StartButton, QStringLiteral("Clear existing data and start a new Step test.") },
    { StopButton, QStringLiteral("Stop in progress Step test.") },
    { LoadButton, QStringLiteral("load the already saved test results into the display.") },
    { SaveButton, QStringLiteral("save the test results into the local disc.") },
    { CompareButton, QStringLiteral("Go the the Step Compare page.") },
    { PrintButton, QStringLiteral("print the STEP Test result and Device Configuration to the default printer") },
};
