#include "StepTestChannels.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "step/CStepTestCompareReport.h"
#include "step/CStepTestReport.h"

namespace StepTestChannels
{

void Setup(const IPlotPtr& plot)
{
    LayOutChannels(plot, Rows.data(), Rows.size(), { "TestSettings", "TagName" });
}

void ShowSignals(const IPlotPtr& plot, bool show)
{
    for (const char* name : SignalsInHidingOrder)
        OnCheckBoxChanged(plot, AutoString(name), show);
}

void ShowXAxis(const IPlotPtr& plot, const QString& name, bool show)
{
    const IPlotAxisPtr axis = plot->XAxisByName(name);
    axis->SetVisible(show);
    axis->SetTitleVisible(show);
}

void ShowYAxis(const IPlotPtr& plot, const QString& name, bool show)
{
    const IPlotAxisPtr axis = plot->YAxisByName(name);
    axis->SetVisible(show);
    axis->SetTitleVisible(show);
}

} // namespace StepTestChannels

using namespace StepTestChannels;

namespace
{

void show(const IPlotPtr& plot, const char* name, bool shown)
{
    OnCheckBoxChanged(plot, AutoString(name), shown);
}

bool pressureShown(const CStepTestReport& record)
{
    return record.m_bPressureSensor != 0;
}

bool port2Shown(const CStepTestReport& record)
{
    return pressureShown(record) && record.m_bSingleActing == 0;
}

} // namespace

void CStepTestReport::SetupStepTestPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Setup(plot);
}

void CStepTestReport::HideChannelsInPlot(IPlotPtr plot, bool show)
{
    ModuleStateGuard moduleState;
    ShowSignals(plot, show);
}

void CStepTestReport::OnStepClick(IPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    plot->SetTitle(QStringLiteral("Step Test"));
    ShowSignals(plot, false);
    show(plot, "Position", true);
    show(plot, "Command", true);
    show(plot, "Port1", pressureShown(*this));
    // The smaller model has no port 2: its channel keeps the hidden state.
    if (header.m_byModel == 5)
        show(plot, "Port2", port2Shown(*this));
    show(plot, "ILCmd", true);
    show(plot, "ILPOS", true);
    show(plot, "PvPPort1", false);
    show(plot, "PvPPort2", false);
    ShowXAxis(plot, TimeAxis, true);
    ShowXAxis(plot, PositionAxis, false);
    ShowYAxis(plot, PositionAxis, true);
    ShowYAxis(plot, PressureAxis, pressureShown(*this));
}

void CStepTestReport::OnPvPClick(IPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    plot->SetTitle(QStringLiteral("Pressure Vs Position"));
    ShowSignals(plot, false);
    // Port 1 against position is drawn whatever the pressure sensor flag says.
    show(plot, "PvPPort1", true);
    if (header.m_byModel == 5)
        show(plot, "PvPPort2", port2Shown(*this));
    ShowXAxis(plot, PositionAxis, true);
    ShowYAxis(plot, PressureAxis, true);
    ShowXAxis(plot, TimeAxis, false);
    ShowYAxis(plot, PositionAxis, false);
}

void CStepTestCompareReport::SetupSrcPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Setup(plot);
}

void CStepTestCompareReport::HideChannelsInPlot(IPlotPtr plot, bool show)
{
    ModuleStateGuard moduleState;
    ShowSignals(plot, show);
}
