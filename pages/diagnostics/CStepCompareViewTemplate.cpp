#include "CStepCompareView.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;

std::vector<ControlSpec> controls()
{
    using P = CStepCompareView;
    // clang-format off
    std::vector<ControlSpec> specs {
        C::group(P::SettingsGroup, QStringLiteral("Step Test Settings"), 3, 136, 197, 86),
        C::label(P::SettingsCaption1, QStringLiteral("1"), 92, 146, 10, 8, C::AlignCenter),
        C::label(P::SettingsCaption2, QStringLiteral("2"), 134, 146, 10, 8, C::AlignCenter),
        C::label(-1, QStringLiteral("Start Position:"), 9, 158, 66, 8),
        C::edit(P::Start1Edit, 76, 156, 42, 11, ReadOnly),
        C::edit(P::Start2Edit, 120, 156, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("%"), 166, 158, 20, 8),
        C::label(-1, QStringLiteral("Stop Position:"), 9, 171, 66, 8),
        C::edit(P::Stop1Edit, 76, 169, 42, 11, ReadOnly),
        C::edit(P::Stop2Edit, 120, 169, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("%"), 166, 171, 20, 8),
        C::label(-1, QStringLiteral("Hold Time:"), 9, 184, 66, 8),
        C::edit(P::Hold1Edit, 76, 182, 42, 11, ReadOnly),
        C::edit(P::Hold2Edit, 120, 182, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("sec"), 166, 184, 20, 8),
        C::label(-1, QStringLiteral("Single Acting:"), 9, 197, 66, 8),
        C::edit(P::SingleActing1Edit, 76, 195, 42, 11, ReadOnly),
        C::edit(P::SingleActing2Edit, 120, 195, 42, 11, ReadOnly),
        C::label(-1, QStringLiteral("Sensors Available:"), 9, 210, 66, 8),
        C::edit(P::Sensors1Edit, 76, 208, 42, 11, ReadOnly),
        C::edit(P::Sensors2Edit, 120, 208, 42, 11, ReadOnly),

        C::group(P::GraphGroup, QStringLiteral("Graph Settings"), 3, 226, 197, 100),

        C::group(P::ViewsGroup, QStringLiteral("Comparison Views"), 3, 330, 197, 32),
        C::button(P::StepViewButton, QStringLiteral("View Step Test"), 9, 342, 82, 14),
        C::button(P::PressureViewButton, QStringLiteral("View Pressure vs Position"), 95, 342, 99, 14),

        C::placeholder(P::PlotFrame, 206, 26, 331, 312),
        C::button(P::BackButton, QStringLiteral("Back"), 206, 346, 56, 14),
        C::button(P::PrintButton, QStringLiteral("Print Report"), 481, 346, 56, 14),
        C::placeholder(P::ScratchHost, 270, 346, 10, 10),
        C::placeholder(P::ReportHost, 284, 346, 10, 10),
        C::placeholder(P::PrinterHost, 298, 346, 10, 10),
    };
    // clang-format on
    const std::vector<ControlSpec> fileInformation = ComparePageKit::fileInformationControls(197, 106);
    specs.insert(specs.begin(), fileInformation.begin(), fileInformation.end());
    const std::vector<ControlSpec> grid = CompareBoxGrid::controls(12, 238, 12, 150);
    specs.insert(specs.end(), grid.begin(), grid.end());
    return specs;
}

} // namespace

const PageTemplate CStepCompareView::Template { 544, 396, controls() };

const ToolTipTable CStepCompareView::ToolTips {
    { OpenFile1Button, QStringLiteral("Click this button to open the first comparison file.") },
    { OpenFile2Button, QStringLiteral("Click this button to open the second comparison file.") },
    { BackButton, QStringLiteral("Return to the Step Test page.") },
    { PrintButton, QStringLiteral("Print a comparison report to the default printer.") },
    { StepViewButton, QStringLiteral("View a Step Test comparison.") },
    { PressureViewButton, QStringLiteral("View a Pressure vs. Position comparison.") },
    { CompareBoxGrid::Position1, QStringLiteral("Check box to display Position from file 1 in graph.") },
    { CompareBoxGrid::Position2, QStringLiteral("Check box to display Position from file 2 in graph.") },
    { CompareBoxGrid::PositionDiff, QStringLiteral("Check box to display Position difference in graph.") },
    { CompareBoxGrid::Command1, QStringLiteral("Check box to display Control Command from file 1 in graph.") },
    { CompareBoxGrid::Command2, QStringLiteral("Check box to display Control Command from file 2 in graph.") },
    { CompareBoxGrid::CommandDiff, QStringLiteral("Check box to display Control Command difference in graph.") },
    { CompareBoxGrid::Port1First, QStringLiteral("Check box to display Port1 from file 1 in graph.") },
    { CompareBoxGrid::Port1Second, QStringLiteral("Check box to display Port1 from file 2 in graph.") },
    { CompareBoxGrid::Port1Diff, QStringLiteral("Check box to display Port1 difference in graph.") },
    { CompareBoxGrid::Port2First, QStringLiteral("Check box to display Port2 from file 1 in graph.") },
    { CompareBoxGrid::Port2Second, QStringLiteral("Check box to display Port2 from file 2 in graph.") },
    { CompareBoxGrid::Port2Diff, QStringLiteral("Check box to display Port2 difference  in graph.") },
    { CompareBoxGrid::RelayCommand1, QStringLiteral("Check box to display Pilot Relay Command from file 1 in graph.") },
    { CompareBoxGrid::RelayCommand2, QStringLiteral("Check box to display Pilot Relay Command from file 2 in graph.") },
    { CompareBoxGrid::RelayCommandDiff,
        QStringLiteral("Check box to display Pilot Relay Command difference in graph.") },
    { CompareBoxGrid::RelayPosition1,
        QStringLiteral("Check box to display Pilot Relay Position from file 1 in graph.") },
    { CompareBoxGrid::RelayPosition2,
        QStringLiteral("Check box to display Pilot Relay Position from file 2 in graph.") },
    { CompareBoxGrid::RelayPositionDiff,
        QStringLiteral("Check box to display Pilot Relay Position difference in graph.") },
};
