#include "CHDRLCompareView.h"

#include "ComparePageKit.h"

#include "CompareBoxGrid.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
using P = CHDRLCompareView;

// One result row: label, file 1, file 2 and difference boxes, then "%".
void row(std::vector<ControlSpec>& specs, const char* label, int y, int first, int second, int difference)
{
    if (label)
        specs.push_back(C::label(-1, QString::fromLatin1(label), 9, y + 2, 40, 8));
    specs.push_back(C::edit(first, 52, y, 42, 11, ReadOnly));
    specs.push_back(C::edit(second, 96, y, 42, 11, ReadOnly));
    specs.push_back(C::edit(difference, 140, y, 42, 11, ReadOnly));
    specs.push_back(C::label(-1, QStringLiteral("%"), 186, y + 2, 10, 8));
}

// The column heads of a result group: "1", "2" and the delta sign.
void heads(std::vector<ControlSpec>& specs, int y, int caption1, int caption2)
{
    specs.push_back(C::label(caption1, QStringLiteral("1"), 52, y, 42, 8, C::AlignCenter));
    specs.push_back(C::label(caption2, QStringLiteral("2"), 96, y, 42, 8, C::AlignCenter));
    specs.push_back(C::picture(-1, CompareBoxGrid::DeltaPicture, 157, y, 8, 8));
}

std::vector<ControlSpec> controls()
{
    // clang-format off
    std::vector<ControlSpec> specs {
        C::label(-1, QStringLiteral("Position Settling Time:"), 9, 138, 84, 8),
        C::edit(P::Settling1Edit, 96, 136, 36, 12, ReadOnly),
        C::edit(P::Settling2Edit, 136, 136, 36, 12, ReadOnly),
        C::label(-1, QStringLiteral("sec"), 176, 138, 16, 8),

        C::group(P::HysDeadGroup, QStringLiteral("Hysteresis And Deadband"), 3, 164, 197, 50),
        C::group(P::RepeatGroup, QStringLiteral("Repeatability"), 3, 218, 197, 50),
        C::group(P::LinearityGroup, QStringLiteral("\u00B1 Linearity Error"), 3, 272, 197, 36),

        C::group(-1, QStringLiteral("Comparison Views"), 3, 312, 197, 32),
        C::button(P::ControlSignalButton, QStringLiteral("Control Signal"), 9, 324, 60, 14),
        C::button(P::HDRButton, QStringLiteral("HDR"), 72, 324, 60, 14),
        C::button(P::LinearityButton, QStringLiteral("Linearity"), 135, 324, 59, 14),

        C::placeholder(P::PlotFrame, 206, 26, 331, 312),
        C::button(P::BackButton, QStringLiteral("Back"), 206, 346, 56, 14),
        C::button(P::PrintButton, QStringLiteral("Print Report"), 481, 346, 56, 14),
        C::placeholder(P::ScratchHost, 270, 346, 10, 10),
        C::placeholder(P::ReportHost, 284, 346, 10, 10),
        C::placeholder(P::PrinterHost, 298, 346, 10, 10),
    };
    // clang-format on
    const std::vector<ControlSpec> fileInformation = ComparePageKit::fileInformationControls(197, 134);
    specs.insert(specs.begin(), fileInformation.begin(), fileInformation.end());
    heads(specs, 175, P::HysDeadCaption1, P::HysDeadCaption2);
    row(specs, "Average:", 185, P::HysDeadAverage1Edit, P::HysDeadAverage2Edit, P::HysDeadAverageDiffEdit);
    row(specs, "Maximum:", 198, P::HysDeadMaximum1Edit, P::HysDeadMaximum2Edit, P::HysDeadMaximumDiffEdit);
    heads(specs, 229, P::RepeatCaption1, P::RepeatCaption2);
    row(specs, "Average:", 239, P::RepeatAverage1Edit, P::RepeatAverage2Edit, P::RepeatAverageDiffEdit);
    row(specs, "Maximum:", 252, P::RepeatMaximum1Edit, P::RepeatMaximum2Edit, P::RepeatMaximumDiffEdit);
    heads(specs, 282, P::LinearityCaption1, P::LinearityCaption2);
    row(specs, nullptr, 292, P::Linearity1Edit, P::Linearity2Edit, P::LinearityDiffEdit);
    return specs;
}

} // namespace

const PageTemplate CHDRLCompareView::Template { 544, 396, controls() };

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
    { HysDeadMaximumDiffEdit,
        QStringLiteral("Differences of the Maximum values of the Hystersis plus the Deadband.") },
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
