#include "RampCompare.h"
#include "RampTestChannels.h"

#include "automation/ComError.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "ramp/CRampCompareReport.h"

namespace RampCompare
{

namespace
{
// clang-format off
constexpr std::array<CompareSignal, 4> PressureSignals { {
    { "PvPPort1", "PvPPort12", "PvPPort1Diff", "Port 1 Pressure(opening) 1", "Port 1 Pressure(opening) 2",
        "Port 1 Delta Pressure(opening) (2 - 1)", 0x00FF00, "Position", "Pressure", 25 },
    { "PvPPort2", "PvPPort22", "PvPPort2Diff", "Port 2 Pressure(opening) 1", "Port 2 Pressure(opening) 2",
        "Port 2 Delta Pressure(opening) (2 - 1)", 0x000000, "Position", "Pressure", 20 },
    { "PvPPort1_2", "PvPPort1_2_2", "PvPPort1_2Diff", "Port 1 Pressure(closing) 1", "Port 1 Pressure(closing) 2",
        "Port 1 Delta Pressure(closing) (2 - 1)", 0xCC00CC, "Position", "Pressure", 22 },
    { "PvPPort2_2", "PvPPort2_2_2", "PvPPort2_2Diff", "Port 2 Pressure(closing) 1", "Port 2 Pressure(closing) 2",
        "Port 2 Delta Pressure(closing) (2 - 1)", 0x0A0AFF, "Position", "Pressure", 24 },
} };

constexpr std::array<CompareSignal, 10> CommandSignals { {
    { "PosnvCmdOpen", "PosnvCmdOpen2", "PosnvCmdOpenDiff", "Position(opening) 1", "Position(opening) 2",
        "Position(opening) Delta (2 - 1)", 0x0A0AFF, "Command", "Position", 20 },
    { "Port1vCmdOpen", "Port1vCmdOpen2", "Port1vCmdOpenDiff", "Port 1 Pressure(opening) 1",
        "Port 1 Pressure(opening) 2", "Port 1 Delta Pressure(opening) (2 - 1)", 0x00FF00, "Command", "Pressure", 24 },
    { "Port2vCmdOpen", "Port2vCmdOpen2", "Port2vCmdOpenDiff", "Port 2 Pressure(opening) 1",
        "Port 2 Pressure(opening) 2", "Port 2 Delta Pressure(opening) (2 - 1)", 0x000000, "Command", "Pressure", 26 },
    { "ILCmdvCmdOpen", "ILCmdvCmdOpen2", "ILCmdvCmdOpenDiff", "Pilot Relay Command(opening) 1",
        "Pilot Relay Command(opening) 2", "Pilot Relay Command(opening) Delta (2 - 1)",
        0x990033, "Command", "Position", 30 },
    { "ILPosnvCmdOpen", "ILPosnvCmdOpen2", "ILPosnvCmdOpenDiff", "Pilot Relay Position(opening) 1",
        "Pilot Relay Position(opening) 2", "Pilot Relay Position(opening) Delta (2 - 1)",
        0xCC00FF, "Command", "Position", 18 },
    { "PosnvCmdClose", "PosnvCmdClose2", "PosnvCmdCloseDiff", "Position(closing) 1", "Position(closing) 2",
        "Position(closing) Delta (2 - 1)", 0xCC0099, "Command", "Position", 22 },
    { "Port1vCmdClose", "Port1vCmdClose2", "Port1vCmdCloseDiff", "Port 1 Pressure(closing) 1",
        "Port 1 Pressure(closing) 2", "Port 1 Delta Pressure(closing) (2 - 1)", 0x008B00, "Command", "Pressure", 25 },
    { "Port2vCmdClose", "Port2vCmdClose2", "Port2vCmdCloseDiff", "Port 2 Pressure(closing) 1",
        "Port 2 Pressure(closing) 2", "Port 2 Delta Pressure(closing) (2 - 1)", 0x000080, "Command", "Pressure", 28 },
    { "ILCmdvCmdClose", "ILCmdvCmdClose2", "ILCmdvCmdCloseDiff", "Pilot Relay Command(closing) 1",
        "Pilot Relay Command(closing) 2", "Pilot Relay Command(closing) Delta (2 - 1)",
        0x0066FF, "Command", "Position", 30 },
    { "ILPosnvCmdClose", "ILPosnvCmdClose2", "ILPosnvCmdCloseDiff", "Pilot Relay Position(closing) 1",
        "Pilot Relay Position(closing) 2", "Pilot Relay Position(closing) Delta (2 - 1)",
        0x808000, "Command", "Position", 32 },
} };

constexpr std::array<CompareSignal, 3> FrictionSignals { {
    { "Friction", "Friction2", "FrictionDiff", "Friction 1", "Friction 2", "Friction Delta (2 - 1)",
        0x0A0AFF, "Position", "FrictionY", 30 },
    { "ThrustOpen", "ThrustOpen2", "ThrustOpenDiff", "Thrust (opening) 1", "Thrust (opening) 2",
        "Thrust (opening) Delta (2 - 1)", 0xC00000, "Position", "FrictionY", 18 },
    { "ThrustClose", "ThrustClose2", "ThrustCloseDiff", "Thrust (closing) 1", "Thrust (closing) 2",
        "Thrust (closing) Delta (2 - 1)", 0x00FF00, "Position", "FrictionY", 32 },
} };
} // namespace

const std::array<ChannelRow, ChannelCount> Rows = JoinedRows(
    JoinedRows(CompareChannelRows(CompareTimeSignals), CompareChannelRows(PressureSignals)),
    JoinedRows(CompareChannelRows(CommandSignals), CompareChannelRows(FrictionSignals)));

// clang-format off
const std::array<const char*, ChannelCount> HidingOrder {
    "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS",
    "Position2", "Command2", "Port1_2", "Port2_2", "ILCmd2", "ILPOS2",
    "PositionDiff", "CommandDiff", "Port1Diff", "Port2Diff", "ILCmdDiff", "ILPOSDiff",
    "PvPPort1", "PvPPort2", "PvPPort1_2", "PvPPort2_2",
    "PvPPort12", "PvPPort22", "PvPPort1_2_2", "PvPPort2_2_2",
    "PvPPort1Diff", "PvPPort2Diff", "PvPPort1_2Diff", "PvPPort2_2Diff",
    "PosnvCmdOpen", "PosnvCmdClose", "Port1vCmdOpen", "Port1vCmdClose", "Port2vCmdOpen", "Port2vCmdClose",
    "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen", "ILPosnvCmdClose",
    "PosnvCmdOpen2", "PosnvCmdClose2", "Port1vCmdOpen2", "Port1vCmdClose2", "Port2vCmdOpen2", "Port2vCmdClose2",
    "ILCmdvCmdOpen2", "ILCmdvCmdClose2", "ILPosnvCmdOpen2", "ILPosnvCmdClose2",
    "PosnvCmdOpenDiff", "PosnvCmdCloseDiff", "Port1vCmdOpenDiff", "Port1vCmdCloseDiff", "Port2vCmdOpenDiff",
    "Port2vCmdCloseDiff", "ILCmdvCmdOpenDiff", "ILCmdvCmdCloseDiff", "ILPosnvCmdOpenDiff", "ILPosnvCmdCloseDiff",
    "Friction", "ThrustOpen", "ThrustClose",
    "Friction2", "ThrustOpen2", "ThrustClose2",
    "FrictionDiff", "ThrustOpenDiff", "ThrustCloseDiff",
};
// clang-format on

} // namespace RampCompare

using namespace RampTestChannels;

namespace
{

void show(const IXYPlotPtr& plot, const char* name, bool shown)
{
    OnCheckBoxChanged(plot, AutoString(name), shown);
}

void showAll(const IXYPlotPtr& plot, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        show(plot, name, true);
}

// Both switches of the axes one step shows: the visibility switches first,
// then the title switches, in the same order.
void showAxes(const IXYPlotPtr& plot, const QString& x, const QString& y)
{
    const IPlotAxisPtr xAxis = plot->XAxisByName(x);
    const IPlotAxisPtr yAxis = plot->YAxisByName(y);
    xAxis->SetVisible(true);
    yAxis->SetVisible(true);
    xAxis->SetTitleVisible(true);
    yAxis->SetTitleVisible(true);
}

// A file's port 2 traces show only on the larger model with port 2 in use.
bool port2Shown(uint8_t singleActing, const CReportHeader& header)
{
    return singleActing == 0 && header.m_byModel == 5;
}

// Without file 2 a view shows file 1 alone.
void hideMissingSecondFile(const CRampCompareReport& record, const IXYPlotPtr& plot)
{
    if (!record.m_strFileName2.toQString().isEmpty())
        return;
    HideSecondFile(plot, CompareTimeSignals);
    HideSecondFile(plot, RampCompare::PressureSignals);
    HideSecondFile(plot, RampCompare::CommandSignals);
    HideSecondFile(plot, RampCompare::FrictionSignals);
}

void hideAll(const IXYPlotPtr& plot)
{
    for (const char* name : RampCompare::HidingOrder)
        show(plot, name, false);
    const QString xAxes[] = { TimeAxis, PositionAxis, CommandAxis };
    const QString yAxes[] = { PositionAxis, PressureAxis, ForceAxis };
    for (const QString& name : xAxes)
        plot->XAxisByName(name)->SetVisible(false);
    for (const QString& name : yAxes)
        plot->YAxisByName(name)->SetVisible(false);
    for (const QString& name : xAxes)
        plot->XAxisByName(name)->SetTitleVisible(false);
    for (const QString& name : yAxes)
        plot->YAxisByName(name)->SetTitleVisible(false);
}

} // namespace

void CRampCompareReport::SetupSrcPlotChannels(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Setup(plot);
}

void CRampCompareReport::SetupDestPlotChannels(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    if (!plot)
        throw ComError(ComError::InvalidPointer, QStringLiteral("No compare plot"));
    LayOutChannels(plot, RampCompare::Rows.data(), RampCompare::Rows.size());
    hideAll(plot);
}

void CRampCompareReport::ResetRampComparePlot(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
}

void CRampCompareReport::SetRampView(IXYPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
    plot->SetTitle(QStringLiteral("Ramp Test"));
    showAll(plot,
        { "Position", "Command", "ILCmd", "ILPOS", "Position2", "Command2", "ILCmd2", "ILPOS2", "PositionDiff",
            "CommandDiff", "ILCmdDiff", "ILPOSDiff" });
    showAxes(plot, TimeAxis, PositionAxis);
    show(plot, "Port1", true);
    const bool port2First = port2Shown(m_bSingleActing1, header);
    show(plot, "Port2", port2First);
    show(plot, "Port2Diff", port2First);
    show(plot, "Port1_2", true);
    if (port2Shown(m_bSingleActing2, header)) {
        show(plot, "Port2_2", true);
    } else {
        show(plot, "Port2_2", false);
        show(plot, "Port2Diff", false);
    }
    show(plot, "Port1Diff", true);
    hideMissingSecondFile(*this, plot);
    ShowYAxis(plot, PressureAxis, true);
}

void CRampCompareReport::SetPressureVPosView(IXYPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
    plot->SetTitle(QStringLiteral("Pressure Vs Position"));
    showAll(plot, { "PvPPort1", "PvPPort1_2" });
    const bool port2First = port2Shown(m_bSingleActing1, header);
    for (const char* name : { "PvPPort2", "PvPPort2_2", "PvPPort2Diff" })
        show(plot, name, port2First);
    showAll(plot, { "PvPPort12", "PvPPort1_2_2" });
    const bool port2Second = port2Shown(m_bSingleActing2, header);
    for (const char* name : { "PvPPort22", "PvPPort2_2_2", "PvPPort2_2Diff" })
        show(plot, name, port2Second);
    showAll(plot, { "PvPPort1Diff", "PvPPort1_2Diff" });
    hideMissingSecondFile(*this, plot);
    showAxes(plot, PositionAxis, PressureAxis);
}

void CRampCompareReport::SetSigVCommandView(IXYPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
    plot->SetTitle(QStringLiteral("Signals Vs Command"));
    showAll(plot,
        { "PosnvCmdOpen", "PosnvCmdClose", "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen", "ILPosnvCmdClose",
            "PosnvCmdOpen2", "PosnvCmdClose2", "ILCmdvCmdOpen2", "ILCmdvCmdClose2", "ILPosnvCmdOpen2",
            "ILPosnvCmdClose2", "PosnvCmdOpenDiff", "PosnvCmdCloseDiff", "ILCmdvCmdOpenDiff", "ILCmdvCmdCloseDiff",
            "ILPosnvCmdOpenDiff", "ILPosnvCmdCloseDiff" });
    showAxes(plot, CommandAxis, PositionAxis);
    showAll(plot, { "Port1vCmdOpen", "Port1vCmdClose" });
    const bool port2First = port2Shown(m_bSingleActing1, header);
    for (const char* name : { "Port2vCmdOpen", "Port2vCmdClose", "Port2vCmdOpenDiff", "Port2vCmdCloseDiff" })
        show(plot, name, port2First);
    showAll(plot, { "Port1vCmdOpen2", "Port1vCmdClose2" });
    const bool port2Second = port2Shown(m_bSingleActing2, header);
    for (const char* name : { "Port2vCmdOpen2", "Port2vCmdClose2", "Port2vCmdOpenDiff", "Port2vCmdCloseDiff" })
        show(plot, name, port2Second);
    showAll(plot, { "Port1vCmdOpenDiff", "Port1vCmdCloseDiff" });
    hideMissingSecondFile(*this, plot);
    ShowYAxis(plot, PressureAxis, true);
}

void CRampCompareReport::SetFrictionView(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
    plot->SetTitle(QStringLiteral("Friction & Thrust Vs Position"));
    showAll(plot,
        { "Friction", "ThrustOpen", "ThrustClose", "Friction2", "ThrustOpen2", "ThrustClose2", "FrictionDiff",
            "ThrustOpenDiff", "ThrustCloseDiff" });
    hideMissingSecondFile(*this, plot);
    showAxes(plot, PositionAxis, ForceAxis);
}
