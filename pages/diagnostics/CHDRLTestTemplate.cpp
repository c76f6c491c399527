#include "CHDRLTest.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
}

// clang-format off
const PageTemplate CHDRLTest::Template { 544, 396, {
    C::group(-1, QStringLiteral("Hysteresis And Deadband"), 3, 26, 154, 46),
    C::label(-1, QStringLiteral("Average:"), 9, 40, 50, 8),
    C::edit(HysDeadAverageEdit, 68, 38, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("%"), 120, 40, 14, 8),
    C::label(-1, QStringLiteral("Maximum:"), 9, 56, 50, 8),
    C::edit(HysDeadMaximumEdit, 68, 54, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("%"), 120, 56, 14, 8),

    C::group(-1, QStringLiteral("Repeatability Error"), 3, 76, 154, 46),
    C::label(-1, QStringLiteral("Average:"), 9, 90, 50, 8),
    C::edit(RepeatAverageEdit, 68, 88, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("%"), 120, 90, 14, 8),
    C::label(-1, QStringLiteral("Maximum:"), 9, 106, 50, 8),
    C::edit(RepeatMaximumEdit, 68, 104, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("%"), 120, 106, 14, 8),

    C::group(-1, QStringLiteral("\u00B1 Linearity Error"), 3, 126, 154, 30),
    C::edit(LinearityEdit, 68, 138, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("%"), 120, 140, 14, 8),

    C::group(-1, QStringLiteral("Position Settling Time"), 3, 160, 154, 30),
    C::edit(SettlingEdit, 68, 172, 48, 12),
    C::label(-1, QStringLiteral("sec"), 120, 174, 16, 8),
    C::picture(SettlingMark, 139, 140, 174, 8, 8),

    C::group(-1, QStringLiteral("Monitors"), 3, 194, 154, 82),
    C::label(-1, QStringLiteral("Start Time:"), 9, 208, 52, 8),
    C::edit(StartTimeEdit, 68, 206, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("HH:MM:SS"), 120, 208, 34, 8),
    C::label(-1, QStringLiteral("Elapsed Time:"), 9, 224, 52, 8),
    C::edit(ElapsedEdit, 68, 222, 48, 12, ReadOnly),
    C::label(-1, QStringLiteral("sec"), 120, 224, 16, 8),
    C::label(-1, QStringLiteral("HDRL Test Progress:"), 9, 242, 120, 8),
    C::progress(ProgressBar, 9, 254, 141, 11),

    C::button(ControlSignalButton, QStringLiteral("Control Signal"), 10, 292, 140, 14),
    C::button(HDRButton, QStringLiteral("HDR"), 10, 310, 140, 14),
    C::button(LinearityButton, QStringLiteral("Linearity"), 10, 328, 140, 14),

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

const ToolTipTable CHDRLTest::ToolTips {
    { HysDeadAverageEdit, QStringLiteral("Average of the Hysteresis and the Deadband.") },
    { HysDeadMaximumEdit, QStringLiteral("Maximum value of the Hysteresis and the Deadband.") },
    { RepeatAverageEdit, QStringLiteral("Repeatability average.") },
    { RepeatMaximumEdit, QStringLiteral("Maximum value of the repeatability.") },
    { LinearityEdit, QStringLiteral("Percent Linearity Error.") },
    { SettlingEdit, QStringLiteral("Settling Time") },
    { StartTimeEdit, QStringLiteral("Local computer time when the HDRL test started.") },
    { ElapsedEdit, QStringLiteral("Time the test is taking in seconds.") },
    { ProgressBar, QStringLiteral("Progress bar of the HDRL test.") },
    { ControlSignalButton, QStringLiteral("Display on the graph the Command and Position.") },
    { HDRButton, QStringLiteral("Display on the graph the Position Error Vs Position.") },
    { LinearityButton, QStringLiteral("Display on the graph the linearity error.") },
    { PlotId, QStringLiteral("Plot") },
    { StartButton, QStringLiteral("Clear existing data and start a new HDRL test.") },
    { StopButton, QStringLiteral("Stop in progress HDRL test.") },
    { LoadButton, QStringLiteral("load the already saved test results into the display.") },
    { SaveButton, QStringLiteral("save the test results into the local disc.") },
    { CompareButton, QStringLiteral("Jump to Compare page.") },
    { PrintButton, QStringLiteral("print the HDRL Test result and Device Configuration to the default printer.") },
};
