#include "CPSTCompare.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;

std::vector<ControlSpec> controls()
{
    using P = CPSTCompare;
    // clang-format off
    std::vector<ControlSpec> specs {
        C::group(P::SettingsGroup, QStringLiteral("Partial Stroke Test Settings"), 3, 136, 197, 72),
        C::label(P::SettingsCaption1, QStringLiteral("1"), 86, 146, 10, 8, C::AlignCenter),
        C::label(P::SettingsCaption2, QStringLiteral("2"), 130, 146, 10, 8, C::AlignCenter),
        C::label(-1, QStringLiteral("Start Position:"), 9, 158, 62, 8),
        C::edit(P::Start1Edit, 70, 156, 42, 11, ReadOnly),
        C::edit(P::Start2Edit, 114, 156, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("%"), 160, 158, 20, 8),
        C::label(-1, QStringLiteral("Stop Position:"), 9, 171, 62, 8),
        C::edit(P::Stop1Edit, 70, 169, 42, 11, ReadOnly),
        C::edit(P::Stop2Edit, 114, 169, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("%"), 160, 171, 20, 8),
        C::label(-1, QStringLiteral("Time To Target:"), 9, 184, 62, 8),
        C::edit(P::TimeToTarget1Edit, 70, 182, 42, 11, ReadOnly),
        C::edit(P::TimeToTarget2Edit, 114, 182, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("sec"), 160, 184, 20, 8),
        C::label(-1, QStringLiteral("Test Duration:"), 9, 197, 62, 8),
        C::edit(P::Duration1Edit, 70, 195, 42, 11, ReadOnly),
        C::edit(P::Duration2Edit, 114, 195, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("sec"), 160, 197, 20, 8),

        C::group(P::BreakAwayGroup, QStringLiteral("Break Away Information"), 3, 212, 197, 72),
        C::label(P::BreakAwayCaption1, QStringLiteral("1"), 73, 222, 10, 8, C::AlignCenter),
        C::label(P::BreakAwayCaption2, QStringLiteral("2"), 107, 222, 10, 8, C::AlignCenter),
        C::picture(-1, 148, 142, 222, 8, 8),
        C::label(-1, QStringLiteral("Time:"), 9, 234, 53, 8),
        C::edit(P::Time1Edit, 62, 232, 32, 11, ReadOnly),
        C::edit(P::Time2Edit, 96, 232, 32, 11, ReadOnly),
        C::edit(P::TimeDiffEdit, 130, 232, 32, 11, ReadOnly),
        C::label(-1, QStringLiteral("sec."), 165, 234, 32, 8),
        C::label(-1, QStringLiteral("Pressure:"), 9, 247, 53, 8),
        C::edit(P::Pressure1Edit, 62, 245, 32, 11, ReadOnly),
        C::edit(P::Pressure2Edit, 96, 245, 32, 11, ReadOnly),
        C::edit(P::PressureDiffEdit, 130, 245, 32, 11, ReadOnly),
        C::label(P::UnitLabel, QString(), 165, 247, 32, 8),
        C::label(-1, QStringLiteral("Time to Target:"), 9, 260, 53, 8),
        C::edit(P::Target1Edit, 62, 258, 32, 11, ReadOnly),
        C::edit(P::Target2Edit, 96, 258, 32, 11, ReadOnly),
        C::edit(P::TargetDiffEdit, 130, 258, 32, 11, ReadOnly),
        C::label(-1, QStringLiteral("sec."), 165, 260, 32, 8),
        C::label(-1, QStringLiteral("Result:"), 9, 273, 53, 8),
        C::edit(P::Result1Edit, 62, 271, 32, 11, ReadOnly),
        C::edit(P::Result2Edit, 96, 271, 32, 11, ReadOnly),

        C::group(P::GraphGroup, QStringLiteral("Graph Settings"), 3, 288, 197, 100),

        C::placeholder(P::PlotFrame, 206, 26, 331, 312),
        C::button(P::BackButton, QStringLiteral("Back"), 206, 346, 56, 14),
        C::button(P::PrintButton, QStringLiteral("Print Report"), 481, 346, 56, 14, C::Disabled),
        C::placeholder(P::ScratchHost, 270, 346, 8, 11),
        C::placeholder(P::ReportHost, 284, 346, 10, 10),
        C::placeholder(P::PrinterHost, 298, 346, 10, 10),
    };
    // clang-format on
    const std::vector<ControlSpec> fileInformation
        = ComparePageKit::fileInformationControls(197, 106, ControlSpec::Disabled);
    specs.insert(specs.begin(), fileInformation.begin(), fileInformation.end());
    const std::vector<ControlSpec> grid = CompareBoxGrid::controls(12, 300, 12, 150);
    specs.insert(specs.end(), grid.begin(), grid.end());
    return specs;
}

} // namespace

const PageTemplate CPSTCompare::Template { 544, 396, controls() };

const ToolTipTable CPSTCompare::ToolTips {
    { OpenFile1Button, QStringLiteral("Click this button to open the first comparison file.") },
    { OpenFile2Button, QStringLiteral("Click this button to open the second comparison file.") },
    { BackButton, QStringLiteral("Return to the PST Test page.") },
    { PrintButton, QStringLiteral("Print a comparison report to the default printer.") },
    { Time1Edit, QStringLiteral("Time from command change to actual movement") },
    { Time2Edit, QStringLiteral("Time from command change to actual movement") },
    { Pressure1Edit, QStringLiteral("Pressure measured at movement") },
    { Pressure2Edit, QStringLiteral("Pressure measured at movement") },
    { Target1Edit, QStringLiteral("Elapsed time to target position") },
    { Target2Edit, QStringLiteral("Elapsed time to target position") },
    { Result1Edit, QStringLiteral("Pass/Fail indicator") },
    { Result2Edit, QStringLiteral("Pass/Fail indicator") },
    { TimeDiffEdit, QStringLiteral("Difference of time from command change to actual movement.") },
    { PressureDiffEdit, QStringLiteral("Difference of pressure measured at movement.") },
    { TargetDiffEdit, QStringLiteral("Difference of elapsed time to target position") },
    { CompareBoxGrid::Position1, QStringLiteral("Check box to display Position from file 1 in graph") },
    { CompareBoxGrid::Position2, QStringLiteral("Check box to display Position from file 2 in graph") },
    { CompareBoxGrid::PositionDiff, QStringLiteral("Check box to display Position difference in graph") },
    { CompareBoxGrid::Command1, QStringLiteral("Check box to display Control Command from file 1 in graph") },
    { CompareBoxGrid::Command2, QStringLiteral("Check box to display Control Command from file 2 in graph") },
    { CompareBoxGrid::CommandDiff, QStringLiteral("Check box to display Control Command difference in graph") },
    { CompareBoxGrid::Port1First, QStringLiteral("Check box to display Port1 from file 1 in graph.n") },
    { CompareBoxGrid::Port1Second, QStringLiteral("Check box to display Port1 from file 2 in graph.") },
    { CompareBoxGrid::Port1Diff, QStringLiteral("Check box to display Port1 difference in graph") },
    { CompareBoxGrid::Port2First, QStringLiteral("Check box to display Port2 from file 1 in graph") },
    { CompareBoxGrid::Port2Second, QStringLiteral("Check box to display Port2 from file 2 in graph") },
    { CompareBoxGrid::Port2Diff, QStringLiteral("Check box to display Port2 difference  in graph") },
    { CompareBoxGrid::RelayCommand1, QStringLiteral("Check box to display Pilot Relay Command from file 1 in graph") },
    { CompareBoxGrid::RelayCommand2, QStringLiteral("Check box to display Pilot Relay Command from file 2 in graph") },
    { CompareBoxGrid::RelayCommandDiff,
        QStringLiteral("Check box to display Pilot Relay Command difference in graph") },
    { CompareBoxGrid::RelayPosition1,
        QStringLiteral("Check box to display Pilot Relay Position from file 1 in graph") },
    { CompareBoxGrid::RelayPosition2,
        QStringLiteral("Check box to display Pilot Relay Position from file 2 in graph") },
    { CompareBoxGrid::RelayPositionDiff,
        QStringLiteral("Check box to display Pilot Relay Position difference in graph") },
};
