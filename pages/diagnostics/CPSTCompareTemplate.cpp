#include "CPSTCompare.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;

std::vector<ControlSpec> controls()
{
    using P = CPSTCompare;
    using ComparePageKit::appendValueRows;
    using ComparePageKit::columnCaptions;
    std::vector<ControlSpec> specs = ComparePageKit::fileInformationControls(197, 106, ControlSpec::Disabled);
    const auto append
        = [&specs](const std::vector<ControlSpec>& more) { specs.insert(specs.end(), more.begin(), more.end()); };
    specs.push_back(C::group(P::SettingsGroup, QStringLiteral("Partial Stroke Test Settings"), 3, 136, 197, 72));
    append(columnCaptions(P::SettingsCaption1, P::SettingsCaption2, 86, 130, 146, 10));
    appendValueRows(specs, { 62, 70, 42, 160, 20 }, 156, 13,
        {
            { "Start Position:", P::Start1Edit, P::Start2Edit, -1, "%" },
            { "Stop Position:", P::Stop1Edit, P::Stop2Edit, -1, "%" },
            { "Time To Target:", P::TimeToTarget1Edit, P::TimeToTarget2Edit, -1, "sec" },
            { "Test Duration:", P::Duration1Edit, P::Duration2Edit, -1, "sec" },
        });

    specs.push_back(C::group(P::BreakAwayGroup, QStringLiteral("Break Away Information"), 3, 212, 197, 72));
    append(columnCaptions(P::BreakAwayCaption1, P::BreakAwayCaption2, 73, 107, 222, 10, 142));
    appendValueRows(specs, { 53, 62, 32, 165, 32 }, 232, 13,
        {
            { "Time:", P::Time1Edit, P::Time2Edit, P::TimeDiffEdit, "sec." },
            { "Pressure:", P::Pressure1Edit, P::Pressure2Edit, P::PressureDiffEdit, nullptr, P::UnitLabel },
            { "Time to Target:", P::Target1Edit, P::Target2Edit, P::TargetDiffEdit, "sec." },
            { "Result:", P::Result1Edit, P::Result2Edit },
        });

    specs.push_back(C::group(P::GraphGroup, QStringLiteral("Graph Settings"), 3, 288, 197, 100));
    append(ComparePageKit::plotAndButtons(
        P::PlotFrame, P::ScratchHost, P::ReportHost, P::PrinterHost, ControlSpec::Disabled, 8, 11));
    append(CompareBoxGrid::controls(12, 300, 12, 150));
    return specs;
}

} // namespace

const PageTemplate CPSTCompare::Template { 544, 396, controls() };

const CPSTCompare::Kind CPSTCompare::Setup { "CPSTCompare", DialogId, PartialStrokeCode, &Template, &ToolTips,
    { SettingsCaption1, SettingsCaption2, BreakAwayCaption1, BreakAwayCaption2, CompareBoxGrid::Caption1,
        CompareBoxGrid::Caption2 },
    true, ComparePageKit::NoFileBoxes::UntickAndEnable };

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
