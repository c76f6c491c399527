#include "StepCompare.h"
#include "StepTestChannels.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "step/CStepTestCompareReport.h"

using StepTestChannels::PositionAxis;
using StepTestChannels::PressureAxis;
using StepTestChannels::ShowXAxis;
using StepTestChannels::ShowYAxis;
using StepTestChannels::TimeAxis;

namespace
{

// Every compare channel in the order a reset hides them.
constexpr const char* HidingOrder[] = { "PvPPort1", "PvPPort2", "PvPPort1_2", "PvPPort2_2", "PvPPort1Diff",
    "PvPPort2Diff", "Position", "Position2", "PositionDiff", "Command", "Command2", "CommandDiff", "Port1", "Port1_2",
    "Port1Diff", "Port2", "Port2_2", "Port2Diff", "ILCmd", "ILCmd2", "ILCmdDiff", "ILPOS", "ILPOS2", "ILPOSDiff" };

void show(const IPlotPtr& plot, const char* name, bool shown)
{
    OnCheckBoxChanged(plot, AutoString(name), shown);
}

void hideAll(const IPlotPtr& plot)
{
    for (const char* name : HidingOrder)
        show(plot, name, false);
    ShowXAxis(plot, TimeAxis, false);
    ShowXAxis(plot, PositionAxis, false);
    ShowYAxis(plot, PositionAxis, false);
    ShowYAxis(plot, PressureAxis, false);
}

} // namespace

void CStepTestCompareReport::SetupDestPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    LayOutChannels(plot, StepCompare::Rows.data(), StepCompare::Rows.size());
}

void CStepTestCompareReport::ResetGridView(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
}

void CStepTestCompareReport::SetStepView(IPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
    plot->SetTitle(QStringLiteral("Step Test"));
    const bool pressure1 = m_bPressureSensor1 != 0;
    const bool pressure2 = m_bPressureSensor2 != 0;
    for (const char* name : { "Position", "Position2", "PositionDiff", "Command", "Command2", "CommandDiff" })
        show(plot, name, true);
    show(plot, "Port1", pressure1);
    show(plot, "Port1_2", pressure2);
    show(plot, "Port1Diff", pressure1 && pressure2);
    // The smaller model has no port 2: its channels keep the hidden state.
    if (header.m_byModel == 5) {
        const bool port2First = pressure1 && m_bSingleActing1 == 0;
        const bool port2Second = pressure2 && m_bSingleActing2 == 0;
        show(plot, "Port2", port2First);
        show(plot, "Port2_2", port2Second);
        show(plot, "Port2Diff", port2First && port2Second);
    }
    for (const char* name : { "ILCmd", "ILCmd2", "ILCmdDiff", "ILPOS", "ILPOS2", "ILPOSDiff" })
        show(plot, name, true);
    ShowXAxis(plot, TimeAxis, true);
    ShowYAxis(plot, PositionAxis, true);
    // Either file's pressure needs its own scale: drawn without it, a port
    // trace would read on the position axis.
    if (pressure1 || pressure2)
        ShowYAxis(plot, PressureAxis, true);
    if (m_strFile2.toQString().isEmpty())
        HideSecondFile(plot, StepCompare::Signals);
    plot->SetGridAxes(TimeAxis, PressureAxis);
}

void CStepTestCompareReport::OnPvPView(IPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    hideAll(plot);
    plot->SetTitle(QStringLiteral("Pressure Vs Position"));
    // Port 1 against position is drawn whatever the pressure sensor flags say.
    for (const char* name : { "PvPPort1", "PvPPort1_2", "PvPPort1Diff" })
        show(plot, name, true);
    if (header.m_byModel == 5) {
        const bool port2First = m_bPressureSensor1 != 0 && m_bSingleActing1 == 0;
        const bool port2Second = m_bPressureSensor2 != 0 && m_bSingleActing2 == 0;
        show(plot, "PvPPort2", port2First);
        show(plot, "PvPPort2_2", port2Second);
        show(plot, "PvPPort2Diff", port2First && port2Second);
    }
    if (m_strFile2.toQString().isEmpty())
        HideSecondFile(plot, StepCompare::Signals);
    ShowXAxis(plot, PositionAxis, true);
    ShowYAxis(plot, PressureAxis, true);
    plot->SetGridAxes(PositionAxis, PressureAxis);
}
