#include "CRampTestCompare.h"

#include "ComparePageKit.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;

// One row of the settings or spring table: its label, the two files' edits
// and the unit beside them.
void row(std::vector<ControlSpec>& specs, const char* label, int first, int second, int unitId, const char* unit, int y)
{
    specs.push_back(C::label(-1, QString::fromUtf8(label), 9, y + 2, 66, 8));
    specs.push_back(C::edit(first, 76, y, 42, 11, ReadOnly));
    specs.push_back(C::edit(second, 120, y, 42, 11, ReadOnly));
    if (unit)
        specs.push_back(C::label(unitId, QString::fromUtf8(unit), 166, y + 2, 32, 8));
}

std::vector<ControlSpec> controls()
{
    using P = CRampTestCompare;
    // clang-format off
    std::vector<ControlSpec> specs {
        C::group(P::SettingsGroup, QStringLiteral("Ramp Test Settings"), 3, 136, 200, 140),
        C::label(P::SettingsCaption1, QStringLiteral("1"), 92, 146, 10, 8, C::AlignCenter),
        C::label(P::SettingsCaption2, QStringLiteral("2"), 136, 146, 10, 8, C::AlignCenter),

        C::group(P::SpringGroup, QStringLiteral("Spring Set"), 3, 280, 200, 62),
        C::label(P::SpringCaption1, QStringLiteral("1"), 92, 290, 10, 8, C::AlignCenter),
        C::label(P::SpringCaption2, QStringLiteral("2"), 136, 290, 10, 8, C::AlignCenter),

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
    };
    // clang-format on
    const std::vector<ControlSpec> fileInformation = ComparePageKit::fileInformationControls(200, 106);
    specs.insert(specs.begin(), fileInformation.begin(), fileInformation.end());
    int y = 158;
    const int step = 13;
    row(specs, "Start Position:", P::Start1Edit, P::Start2Edit, P::StartUnit, "%", y);
    row(specs, "Stop Position:", P::Stop1Edit, P::Stop2Edit, P::StopUnit, "%", y += step);
    row(specs, "Hold Time:", P::Hold1Edit, P::Hold2Edit, P::HoldUnit, "sec", y += step);
    row(specs, "Test Duration:", P::Duration1Edit, P::Duration2Edit, P::DurationUnit, "sec", y += step);
    row(specs, "Stroke Length:", P::StrokeLength1Edit, P::StrokeLength2Edit, P::StrokeLengthUnit, "in", y += step);
    row(specs, "Actuator Size:", P::ActuatorSize1Edit, P::ActuatorSize2Edit, P::ActuatorSizeUnit, "sq.in", y += step);
    row(specs, "Single acting:", P::SingleActing1Edit, P::SingleActing2Edit, -1, nullptr, y += step);
    row(specs, "Sensors available:", P::Sensors1Edit, P::Sensors2Edit, -1, nullptr, y += step);
    row(specs, "Bi-directional:", P::BiDirectional1Edit, P::BiDirectional2Edit, -1, nullptr, y += step);
    y = 302;
    row(specs, "Spring Rate:", P::SpringRate1Edit, P::SpringRate2Edit, P::SpringRateUnit, "in.", y);
    row(specs, "Spring Initial:", P::SpringInitial1Edit, P::SpringInitial2Edit, P::SpringInitialUnit, "in.", y += step);
    row(specs, "Spring Final:", P::SpringFinal1Edit, P::SpringFinal2Edit, P::SpringFinalUnit, "in.", y += step);
    const std::vector<ControlSpec> grid = CompareBoxGrid::controls(216, 292, 13, 150);
    specs.insert(specs.end(), grid.begin(), grid.end());
    return specs;
}

} // namespace

const PageTemplate CRampTestCompare::Template { 556, 396, controls() };

const ToolTipTable CRampTestCompare::ToolTips {
    { OpenFile1Button, QStringLiteral("Click this button to open the first comparison file.") },
    { OpenFile2Button, QStringLiteral("Click this button to open the second comparison file.") },
    { BackButton, QStringLiteral("Return to the Ramp Test page.") },
    { PrintButton, QStringLiteral("Print a comparison report to the default printer.") },
    { PressureVsPositionButton, QStringLiteral("View a Pressure vs. Position comparison.") },
    { SignalsVsCommandButton, QStringLiteral("View a Signal vs. Command comparison.") },
    { FrictionButton, QStringLiteral("View a Friction comparison.") },
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
};
