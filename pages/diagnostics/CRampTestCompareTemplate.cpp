#include "CRampTestCompare.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;

std::vector<ControlSpec> controls()
{
    using P = CRampTestCompare;
    using ComparePageKit::columnCaptions;
    std::vector<ControlSpec> specs = ComparePageKit::fileInformationControls(200, 106);
    const auto append
        = [&specs](const std::vector<ControlSpec>& more) { specs.insert(specs.end(), more.begin(), more.end()); };
    specs.push_back(C::group(P::SettingsGroup, QStringLiteral("Ramp Test Settings"), 3, 136, 200, 140));
    append(columnCaptions(P::SettingsCaption1, P::SettingsCaption2, 92, 136, 146, 10));
    specs.push_back(C::group(P::SpringGroup, QStringLiteral("Spring Set"), 3, 280, 200, 62));
    append(columnCaptions(P::SpringCaption1, P::SpringCaption2, 92, 136, 290, 10));
    // clang-format off
    append({
        C::group(P::ViewsGroup, QStringLiteral("Comarison Views"), 3, 346, 200, 46),
        C::button(P::RampTestButton, QStringLiteral("Ramp Test"), 9, 357, 92, 14),
        C::button(P::PressureVsPositionButton, QStringLiteral("Pressure vs Position"), 105, 357, 92, 14),
        C::button(P::SignalsVsCommandButton, QStringLiteral("Signal vs Command"), 9, 374, 92, 14),
        C::button(P::FrictionButton, QStringLiteral("Friction/Thrust"), 105, 374, 92, 14),

        C::placeholder(P::PlotHost, 208, 26, 345, 250),
        C::group(P::GraphGroup, QStringLiteral("Graph Settings"), 208, 280, 200, 112),
        C::button(P::BackButton, QStringLiteral("Back"), 420, 378, 56, 14),
        C::button(P::PrintButton, QStringLiteral("Print Report"), 497, 378, 56, 14),
        C::placeholder(P::ScratchHost, 420, 360, 10, 10),
        C::placeholder(P::ReportHost, 434, 360, 10, 10),
        C::placeholder(P::PrinterHost, 448, 360, 10, 10),
    });
    // clang-format on
    const ComparePageKit::ValueColumns columns { 66, 76, 42, 166, 32 };
    ComparePageKit::appendValueRows(specs, columns, 158, 13,
        {
            { "Start Position:", P::Start1Edit, P::Start2Edit, -1, "%", P::StartUnit },
            { "Stop Position:", P::Stop1Edit, P::Stop2Edit, -1, "%", P::StopUnit },
            { "Hold Time:", P::Hold1Edit, P::Hold2Edit, -1, "sec", P::HoldUnit },
            { "Test Duration:", P::Duration1Edit, P::Duration2Edit, -1, "sec", P::DurationUnit },
            { "Stroke Length:", P::StrokeLength1Edit, P::StrokeLength2Edit, -1, "in", P::StrokeLengthUnit },
            { "Actuator Size:", P::ActuatorSize1Edit, P::ActuatorSize2Edit, -1, "sq.in", P::ActuatorSizeUnit },
            { "Single acting:", P::SingleActing1Edit, P::SingleActing2Edit },
            { "Sensors available:", P::Sensors1Edit, P::Sensors2Edit },
            { "Bi-directional:", P::BiDirectional1Edit, P::BiDirectional2Edit },
        });
    ComparePageKit::appendValueRows(specs, columns, 302, 13,
        {
            { "Spring Rate:", P::SpringRate1Edit, P::SpringRate2Edit, -1, "in.", P::SpringRateUnit },
            { "Spring Initial:", P::SpringInitial1Edit, P::SpringInitial2Edit, -1, "in.", P::SpringInitialUnit },
            { "Spring Final:", P::SpringFinal1Edit, P::SpringFinal2Edit, -1, "in.", P::SpringFinalUnit },
        });
    append(CompareBoxGrid::controls(216, 292, 13, 150));
    return specs;
}

} // namespace

const PageTemplate CRampTestCompare::Template { 556, 396, controls() };

const CRampTestCompare::Kind CRampTestCompare::Setup { "CRampTestCompare", DialogId, RampTestCode, &Template, &ToolTips,
    { SettingsCaption1, SettingsCaption2, SpringCaption1, SpringCaption2, CompareBoxGrid::Caption1,
        CompareBoxGrid::Caption2 },
    true, ComparePageKit::NoFileBoxes::Untick, "CRampTestCompare::OnInitialUpdate", nullptr,
    "CRampTestCompare::OnInitialUpdate" };

const ToolTipTable CRampTestCompare::ToolTips = [] {
    ToolTipTable tips {
        { OpenFile1Button, QStringLiteral("Click this button to open the first comparison file.") },
        { OpenFile2Button, QStringLiteral("Click this button to open the second comparison file.") },
        { BackButton, QStringLiteral("Return to the Ramp Test page.") },
        { PrintButton, QStringLiteral("Print a comparison report to the default printer.") },
        { PressureVsPositionButton, QStringLiteral("View a Pressure vs. Position comparison.") },
        { SignalsVsCommandButton, QStringLiteral("View a Signal vs. Command comparison.") },
        { FrictionButton, QStringLiteral("View a Friction comparison.") },
    };
    tips.insert(tips.end(), CompareBoxGrid::toolTips().begin(), CompareBoxGrid::toolTips().end());
    tips.insert(tips.end(),
        {
            { Start1Edit, QStringLiteral("Start Position from file1.") },
            { Stop1Edit, QStringLiteral("Stop Position from file1.") },
            { Hold1Edit, QStringLiteral("Hold Time from file1.") },
            { Duration1Edit, QStringLiteral("Test Duration from file1.") },
            { StrokeLength1Edit, QStringLiteral("Stroke Lenth from file1.") },
            { ActuatorSize1Edit, QStringLiteral("Actuator size from file1.") },
            { SingleActing1Edit, QStringLiteral("Actuation Type from file1.") },
            { Sensors1Edit, QStringLiteral("Sensors from file1.") },
            { BiDirectional1Edit, QStringLiteral("Bi-directional from file1.") },
            { Start2Edit, QStringLiteral("Start Position from file2.") },
            { Stop2Edit, QStringLiteral("Stop Position from file2.") },
            { Hold2Edit, QStringLiteral("Hold Time from file2.") },
            { Duration2Edit, QStringLiteral("Test Duration from file2.") },
            { StrokeLength2Edit, QStringLiteral("Stroke Lenth from file2.") },
            { ActuatorSize2Edit, QStringLiteral("Actuator size from file2.") },
            { SingleActing2Edit, QStringLiteral("Actuation Type from file2.") },
            { Sensors2Edit, QStringLiteral("Sensors from file2.") },
            { BiDirectional2Edit, QStringLiteral("Bi-directional from file2.") },
        });
    return tips;
}();
