#include "CHDRLCompareView.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;
using P = CHDRLCompareView;

std::vector<ControlSpec> controls()
{
    using ComparePageKit::appendValueRows;
    using ComparePageKit::columnCaptions;
    std::vector<ControlSpec> specs = ComparePageKit::fileInformationControls(197, 134);
    const auto append
        = [&specs](const std::vector<ControlSpec>& more) { specs.insert(specs.end(), more.begin(), more.end()); };
    // clang-format off
    append({
        C::label(-1, QStringLiteral("Position Settling Time:"), 9, 138, 84, 8),
        C::edit(P::Settling1Edit, 96, 136, 36, 12, C::ReadOnly),
        C::edit(P::Settling2Edit, 136, 136, 36, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("sec"), 176, 138, 16, 8),

        C::group(P::HysDeadGroup, QStringLiteral("Hysteresis And Deadband"), 3, 164, 197, 50),
        C::group(P::RepeatGroup, QStringLiteral("Repeatability"), 3, 218, 197, 50),
        C::group(P::LinearityGroup, QStringLiteral("\u00B1 Linearity Error"), 3, 272, 197, 36),

        C::group(-1, QStringLiteral("Comparison Views"), 3, 312, 197, 32),
        C::button(P::ControlSignalButton, QStringLiteral("Control Signal"), 9, 324, 60, 14),
        C::button(P::HDRButton, QStringLiteral("HDR"), 72, 324, 60, 14),
        C::button(P::LinearityButton, QStringLiteral("Linearity"), 135, 324, 59, 14),
    });
    // clang-format on
    append(ComparePageKit::plotAndButtons(P::PlotFrame, P::ScratchHost, P::ReportHost, P::PrinterHost));
    // Each result group: the column heads "1", "2" and the delta sign, then
    // its rows of file 1, file 2 and the difference, in percent.
    const ComparePageKit::ValueColumns columns { 40, 52, 42, 186, 10 };
    append(columnCaptions(P::HysDeadCaption1, P::HysDeadCaption2, 52, 96, 175, 42, 157));
    appendValueRows(specs, columns, 185, 13,
        {
            { "Average:", P::HysDeadAverage1Edit, P::HysDeadAverage2Edit, P::HysDeadAverageDiffEdit, "%" },
            { "Maximum:", P::HysDeadMaximum1Edit, P::HysDeadMaximum2Edit, P::HysDeadMaximumDiffEdit, "%" },
        });
    append(columnCaptions(P::RepeatCaption1, P::RepeatCaption2, 52, 96, 229, 42, 157));
    appendValueRows(specs, columns, 239, 13,
        {
            { "Average:", P::RepeatAverage1Edit, P::RepeatAverage2Edit, P::RepeatAverageDiffEdit, "%" },
            { "Maximum:", P::RepeatMaximum1Edit, P::RepeatMaximum2Edit, P::RepeatMaximumDiffEdit, "%" },
        });
    append(columnCaptions(P::LinearityCaption1, P::LinearityCaption2, 52, 96, 282, 42, 157));
    appendValueRows(
        specs, columns, 292, 13, { { nullptr, P::Linearity1Edit, P::Linearity2Edit, P::LinearityDiffEdit, "%" } });
    return specs;
}

} // namespace

const PageTemplate CHDRLCompareView::Template { 544, 396, controls() };

const CHDRLCompareView::Kind CHDRLCompareView::Setup { "CHDRLCompareView", DialogId, HDRLCode, &Template, &ToolTips,
    { HysDeadCaption1, HysDeadCaption2, RepeatCaption1, RepeatCaption2, LinearityCaption1, LinearityCaption2 }, false,
    ComparePageKit::NoFileBoxes::Untick, "CHDRLCompareView enter", nullptr, "CHDRLCompareView exit" };

const ToolTipTable CHDRLCompareView::ToolTips {
    { OpenFile1Button, QStringLiteral("Click this button to open the first comparison file.") },
    { OpenFile2Button, QStringLiteral("Click this button to open the second comparison file.") },
    { BackButton, QStringLiteral("Return to the HDRL Test page.") },
    { PrintButton, QStringLiteral("Print a comparison report to the default printer.") },
    { Settling1Edit, QStringLiteral("Settling time for this test.") },
    { Settling2Edit, QStringLiteral("Settling time for this test.") },
    { HysDeadAverage1Edit, QStringLiteral("Average of the Hystersis plus the Deadband.") },
    { HysDeadAverage2Edit, QStringLiteral("Average of the Hystersis plus the Deadband.") },
    { HysDeadAverageDiffEdit, QStringLiteral("Differences of the Averages of the Hystersis plus the Deadband.") },
    { HysDeadMaximum1Edit, QStringLiteral("Maximum value of the Hystersis plus the Deadband.") },
    { HysDeadMaximum2Edit, QStringLiteral("Maximum value of the Hystersis plus the Deadband.") },
    { HysDeadMaximumDiffEdit, QStringLiteral("Differences of the Maximum values of the Hystersis plus the Deadband.") },
    { RepeatAverage1Edit, QStringLiteral("Repeatability average.") },
    { RepeatAverage2Edit, QStringLiteral("Repeatability average.") },
    { RepeatAverageDiffEdit, QStringLiteral("Difference of the Repeatability averages.") },
    { RepeatMaximum1Edit, QStringLiteral("Maximum value of the Repeatability.") },
    { RepeatMaximum2Edit, QStringLiteral("Maximum value of the Repeatability.") },
    { RepeatMaximumDiffEdit, QStringLiteral("Difference of the Maximum values of the Repeatability.") },
    { Linearity1Edit, QStringLiteral("Percent Linearity Error.") },
    { Linearity2Edit, QStringLiteral("Percent Linearity Error.") },
    { LinearityDiffEdit, QStringLiteral("Difference of the Percent Linearity Errors.") },
    { ControlSignalButton, QStringLiteral("Display on the graph the Command and Position.") },
    { HDRButton, QStringLiteral("Display on the graph the Position Error Vs Position.") },
    { LinearityButton, QStringLiteral("Display on the graph the linearity error.") },
};
