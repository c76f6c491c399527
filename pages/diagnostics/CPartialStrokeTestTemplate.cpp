#include "CPartialStrokeTest.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
}

// clang-format off
const PageTemplate CPartialStrokeTest::Template { 544, 396, {
    C::group(SettingsGroup, QStringLiteral("Partial Stroke Test Settings"), 3, 26, 154, 78),
    C::label(-1, QStringLiteral("Start Position:"), 9, 40, 58, 8),
    C::edit(StartEdit, 68, 38, 44, 12),
    C::label(-1, QStringLiteral("%"), 116, 40, 14, 8),
    C::picture(StartMark, 139, 136, 40, 8, 8),
    C::label(-1, QStringLiteral("Stop Position:"), 9, 56, 58, 8),
    C::edit(StopEdit, 68, 54, 44, 12),
    C::label(-1, QStringLiteral("%"), 116, 56, 14, 8),
    C::picture(StopMark, 139, 136, 56, 8, 8),
    C::label(-1, QStringLiteral("Time to Target:"), 9, 72, 58, 8),
    C::edit(TimeToTargetEdit, 68, 70, 44, 12),
    C::label(-1, QStringLiteral("sec"), 116, 72, 16, 8),
    C::picture(TimeToTargetMark, 139, 136, 72, 8, 8),
    C::label(-1, QStringLiteral("Test Duration:"), 9, 88, 58, 8),
    C::edit(DurationEdit, 68, 86, 44, 12),
    C::label(-1, QStringLiteral("sec"), 116, 88, 16, 8),
    C::picture(DurationMark, 139, 136, 88, 8, 8),

    C::group(GraphGroup, QStringLiteral("Graph Settings"), 3, 108, 154, 92),
    C::check(PositionBox, QStringLiteral("Position"), 10, 120, 120, 10),
    C::check(CommandBox, QStringLiteral("Command"), 10, 133, 120, 10),
    C::check(Port1Box, QStringLiteral("Port 1 Pressure"), 10, 146, 120, 10),
    C::check(Port2Box, QStringLiteral("Port 2 Pressure"), 10, 159, 120, 10),
    C::check(RelayCommandBox, QStringLiteral("Pilot Relay Command"), 10, 172, 120, 10),
    C::check(RelayPositionBox, QStringLiteral("Pilot Relay Position"), 10, 185, 120, 10),

    C::group(MonitorsGroup, QStringLiteral("Monitors"), 3, 204, 154, 60),
    C::label(-1, QStringLiteral("Test Status:"), 9, 216, 60, 8),
    C::edit(StatusEdit, 9, 226, 141, 12, ReadOnly),
    C::label(-1, QStringLiteral("Signature  Progress:"), 9, 242, 120, 8),
    C::progress(ProgressBar, 9, 252, 141, 8),

    C::group(BreakAwayGroup, QStringLiteral("Break Away Information"), 3, 268, 154, 70),
    C::label(-1, QStringLiteral("Time:"), 9, 282, 58, 8),
    C::edit(BreakAwayTimeEdit, 68, 280, 44, 12, ReadOnly),
    C::label(-1, QStringLiteral("sec"), 116, 282, 30, 8),
    C::label(-1, QStringLiteral("Pressure:"), 9, 296, 58, 8),
    C::edit(BreakAwayPressureEdit, 68, 294, 44, 12, ReadOnly),
    C::label(PressureUnitLabel, QString(), 116, 296, 38, 8),
    C::label(-1, QStringLiteral("Time to Target:"), 9, 310, 58, 8),
    C::edit(TimeToTargetResultEdit, 68, 308, 44, 12, ReadOnly),
    C::label(-1, QStringLiteral("sec"), 116, 310, 30, 8),
    C::label(-1, QStringLiteral("Result:"), 9, 324, 58, 8),
    C::edit(ResultEdit, 68, 322, 44, 12, ReadOnly),

    C::group(ContinuousGroup, QStringLiteral("Continuous Stroke Test"), 3, 342, 154, 50),
    C::radio(DisableRadio, QStringLiteral("Disable"), 10, 354, 60, 10, C::GroupStart),
    C::radio(EnableRadio, QStringLiteral("Enable"), 80, 354, 60, 10),
    // Two lines: the question does not fit one line beside its buttons.
    C::label(QuestionText, QString(), 10, 370, 82, 17, C::Hidden),
    C::button(YesButton, QStringLiteral("YES"), 94, 368, 26, 13, C::Hidden),
    C::button(NoButton, QStringLiteral("NO"), 124, 368, 26, 13, C::Hidden),

    C::placeholder(PlotFrame, 165, 26, 372, 298),
    C::button(LoadButton, QStringLiteral("Load"), 165, 332, 40, 14),
    C::button(SaveButton, QStringLiteral("Save"), 211, 332, 40, 14),
    C::button(StartButton, QStringLiteral("Start"), 257, 332, 40, 14),
    C::button(StopButton, QStringLiteral("Stop"), 303, 332, 40, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve Signature"), 349, 332, 70, 14),
    C::button(CompareButton, QStringLiteral("Compare"), 425, 332, 50, 14),
    C::button(PrintButton, QStringLiteral("Print Report"), 481, 332, 56, 14),
    C::placeholder(ReportHost, 165, 352, 10, 10),
    C::placeholder(PrinterHost, 180, 352, 10, 10),
} };
// clang-format on

const ToolTipTable CPartialStrokeTest::ToolTips {
    { StartEdit, QStringLiteral("Start Position") },
    { StopEdit, QStringLiteral("Stop Position") },
    { TimeToTargetEdit, QStringLiteral("Desired time limit to reach target.") },
    { DurationEdit, QStringLiteral("Time from start to stop position.") },
    { PositionBox, QStringLiteral("Check box to display Position in graph.") },
    { CommandBox, QStringLiteral("Check box to display Control Command in graph.") },
    { Port1Box, QStringLiteral("Check box to display Port 1 in graph.") },
    { Port2Box, QStringLiteral("Check box to display Port 2 in graph.") },
    { RelayCommandBox, QStringLiteral("Check box to display Spool Command in graph.") },
    { RelayPositionBox, QStringLiteral("Check box to display Spool Position in graph.") },
    { StatusEdit, QStringLiteral("Displays the current status of the Partial Stroke Test.") },
    { ProgressBar, QStringLiteral("Progress bar of the Partial Stroke Test.") },
    { BreakAwayTimeEdit, QStringLiteral("Time from command change to actual movement.") },
    { BreakAwayPressureEdit, QStringLiteral("Pressure measured at movement.") },
    { TimeToTargetResultEdit, QStringLiteral("Elapsed time to target position.") },
    { ResultEdit, QStringLiteral("Pass/Fail indicator.") },
    { PlotId, QStringLiteral("Plot") },
    { StartButton, QStringLiteral("Start a Partial Stroke Test.") },
    { StopButton, QStringLiteral("Stop a Partial Stroke Test.") },
    { RetrieveButton, QStringLiteral("Retrieving signature from device.") },
    { LoadButton, QStringLiteral("load the already saved test results into the display.") },
    { SaveButton, QStringLiteral("save the test results into the local disc.") },
    { CompareButton, QStringLiteral("Go the the PST Compare page.") },
    { PrintButton, QStringLiteral("print the PST Test result and Device Configuration to the default printer.") },
    { EnableRadio,
        QStringLiteral("Causes small, slow valve movement to enable dynamic diagnostics for fixed position valves.") },
    { DisableRadio, QStringLiteral("Disable continuous stroke test") },
};
