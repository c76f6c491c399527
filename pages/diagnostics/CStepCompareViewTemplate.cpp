#include "CStepCompareView.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;

std::vector<ControlSpec> controls()
{
    using P = CStepCompareView;
    std::vector<ControlSpec> specs = ComparePageKit::fileInformationControls(197, 106);
    specs.push_back(C::group(P::SettingsGroup, QStringLiteral("Step Test Settings"), 3, 136, 197, 86));
    const auto captions = ComparePageKit::columnCaptions(P::SettingsCaption1, P::SettingsCaption2, 92, 134, 146, 10);
    specs.insert(specs.end(), captions.begin(), captions.end());
    ComparePageKit::appendValueRows(specs, { 66, 76, 42, 166, 20 }, 156, 13,
        {
            { "Start Position:", P::Start1Edit, P::Start2Edit, -1, "%" },
            { "Stop Position:", P::Stop1Edit, P::Stop2Edit, -1, "%" },
            { "Hold Time:", P::Hold1Edit, P::Hold2Edit, -1, "sec" },
            { "Single Acting:", P::SingleActing1Edit, P::SingleActing2Edit },
            { "Sensors Available:", P::Sensors1Edit, P::Sensors2Edit },
        });
    const std::vector<ControlSpec> rest {
        C::group(P::GraphGroup, QStringLiteral("Graph Settings"), 3, 226, 197, 100),

        C::group(P::ViewsGroup, QStringLiteral("Comparison Views"), 3, 330, 197, 32),
        C::button(P::StepViewButton, QStringLiteral("View Step Test"), 9, 342, 82, 14),
        C::button(P::PressureViewButton, QStringLiteral("View Pressure vs Position"), 95, 342, 99, 14),
    };
    specs.insert(specs.end(), rest.begin(), rest.end());
    const std::vector<ControlSpec> plot
        = ComparePageKit::plotAndButtons(P::PlotFrame, P::ScratchHost, P::ReportHost, P::PrinterHost);
    specs.insert(specs.end(), plot.begin(), plot.end());
    const std::vector<ControlSpec> grid = CompareBoxGrid::controls(12, 238, 12, 150);
    specs.insert(specs.end(), grid.begin(), grid.end());
    return specs;
}

} // namespace

const PageTemplate CStepCompareView::Template { 544, 396, controls() };

const CStepCompareView::Kind CStepCompareView::Setup { "CStepCompareView", DialogId, StepTestCode, &Template, &ToolTips,
    { SettingsCaption1, SettingsCaption2, CompareBoxGrid::Caption1, CompareBoxGrid::Caption2 }, true,
    ComparePageKit::NoFileBoxes::UntickAndEnable, "CStepCompareView::OnInitialUpdate",
    "CStepCompareView::OnInitialUpdate" };

const ToolTipTable CStepCompareView::ToolTips = [] {
    ToolTipTable tips {
        { OpenFile1Button, QStringLiteral("Click this button to open the first comparison file.") },
        { OpenFile2Button, QStringLiteral("Click this button to open the second comparison file.") },
        { BackButton, QStringLiteral("Return to the Step Test page.") },
        { PrintButton, QStringLiteral("Print a comparison report to the default printer.") },
        { StepViewButton, QStringLiteral("View a Step Test comparison.") },
        { PressureViewButton, QStringLiteral("View a Pressure vs. Position comparison.") },
    };
    tips.insert(tips.end(), CompareBoxGrid::toolTips().begin(), CompareBoxGrid::toolTips().end());
    return tips;
}();
