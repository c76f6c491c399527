#include "RampTestChannels.h"

#include "automation/NumberText.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "ramp/CRampReport.h"

namespace RampTestChannels
{

void Setup(const IXYPlotPtr& plot)
{
    plot->RemoveAllChannels();
    for (size_t k = 0; k < Rows.size(); ++k)
        plot->AddChannel();
    int index = 0;
    for (const ChannelRow& row : Rows) {
        CreateRampChannels(plot, AutoString(QStringLiteral("Channel %1").arg(++index)), AutoString(row.name),
            AutoString(row.title), int32_t(row.colour), AutoString(row.xAxis), AutoString(row.yAxis),
            ChannelStyle::PlainTrace);
    }
    for (const char* hidden : { "TestSettings", "Results", "TagName" }) {
        const IXYPlotChannelPtr channel = GetDispatchDriverIXYPlotXChannelByName(plot, AutoString(hidden));
        channel->SetVisible(false);
        channel->SetLegendVisible(false);
    }
}

namespace
{
const QString XAxes[] = { TimeAxis, PositionAxis, CommandAxis };
const QString YAxes[] = { PositionAxis, PressureAxis, ForceAxis };
} // namespace

void Reset(const IXYPlotPtr& plot)
{
    for (const char* name : SignalsInHidingOrder)
        OnCheckBoxChanged(plot, AutoString(name), false);
    for (const QString& name : XAxes)
        plot->XAxisByName(name)->SetVisible(false);
    for (const QString& name : YAxes)
        plot->YAxisByName(name)->SetVisible(false);
    for (const QString& name : XAxes)
        plot->XAxisByName(name)->SetTitleVisible(false);
    for (const QString& name : YAxes)
        plot->YAxisByName(name)->SetTitleVisible(false);
}

void ShowXAxis(const IXYPlotPtr& plot, const QString& name, bool show)
{
    const IPlotAxisPtr axis = plot->XAxisByName(name);
    axis->SetVisible(show);
    axis->SetTitleVisible(show);
}

void ShowYAxis(const IXYPlotPtr& plot, const QString& name, bool show)
{
    const IPlotAxisPtr axis = plot->YAxisByName(name);
    axis->SetVisible(show);
    axis->SetTitleVisible(show);
}

bool IsOpeningTest(const QString& start, const QString& stop)
{
    return NumberText::toDouble(stop) > NumberText::toDouble(start);
}

} // namespace RampTestChannels

using namespace RampTestChannels;

namespace
{

void show(const IXYPlotPtr& plot, const char* name, bool shown)
{
    OnCheckBoxChanged(plot, AutoString(name), shown);
}

// A port 2 channel shows only on the larger model with port 2 in use.
bool port2Shown(const CRampReport& record, const CReportHeader& header)
{
    return record.m_bSingleActing == 0 && header.m_byModel == 5;
}

} // namespace

void CRampReport::SetupRampPlotChannels(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Setup(plot);
    ResetRampPlot(plot);
}

void CRampReport::ResetRampPlot(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Reset(plot);
}

void CRampReport::SetRampView(IXYPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    Reset(plot);
    plot->SetTitle(QStringLiteral("Ramp Test"));
    show(plot, "Position", true);
    show(plot, "Command", true);
    show(plot, "Port1", true);
    if (port2Shown(*this, header))
        show(plot, "Port2", true);
    ShowYAxis(plot, PressureAxis, true);
    show(plot, "ILCmd", true);
    show(plot, "ILPOS", true);
    const IPlotAxisPtr time = plot->XAxisByName(TimeAxis);
    const IPlotAxisPtr position = plot->YAxisByName(PositionAxis);
    time->SetVisible(true);
    position->SetVisible(true);
    time->SetTitleVisible(true);
    position->SetTitleVisible(true);
}

void CRampReport::SetPressureVPosView(IXYPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    Reset(plot);
    plot->SetTitle(QStringLiteral("Pressure Vs Position"));
    const bool opening = IsOpeningTest(m_strStartPosition.toQString(), m_strStopPosition.toQString());
    const bool port2 = port2Shown(*this, header);
    if (m_bBiDirectional != 0) {
        show(plot, "PvPPort1", true);
        show(plot, "PvPPort1_2", true);
        show(plot, "PvPPort2", port2);
        show(plot, "PvPPort2_2", port2);
    } else {
        show(plot, opening ? "PvPPort1" : "PvPPort1_2", true);
        show(plot, opening ? "PvPPort2" : "PvPPort2_2", port2);
    }
    ShowXAxis(plot, PositionAxis, true);
    ShowYAxis(plot, PressureAxis, true);
}

void CRampReport::SetSigVCommandView(IXYPlotPtr plot, CReportHeader header)
{
    ModuleStateGuard moduleState;
    Reset(plot);
    plot->SetTitle(QStringLiteral("Signals Vs Command"));
    const bool opening = IsOpeningTest(m_strStartPosition.toQString(), m_strStopPosition.toQString());
    std::vector<QString> sets;
    if (m_bBiDirectional != 0 || opening)
        sets.push_back(QStringLiteral("Open"));
    if (m_bBiDirectional != 0 || !opening)
        sets.push_back(QStringLiteral("Close"));
    const bool port2 = port2Shown(*this, header);
    const auto showSet = [&](const char* stem, bool shown) {
        for (const QString& set : sets)
            OnCheckBoxChanged(plot, AutoString(QString::fromLatin1(stem) + set), shown);
    };
    showSet("PosnvCmd", true);
    showSet("Port1vCmd", true);
    showSet("Port2vCmd", port2);
    ShowYAxis(plot, PressureAxis, true);
    showSet("ILCmdvCmd", true);
    showSet("ILPosnvCmd", true);
    ShowXAxis(plot, CommandAxis, true);
    ShowYAxis(plot, PositionAxis, true);
}

void CRampReport::SetFrictionView(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Reset(plot);
    plot->SetTitle(QStringLiteral("Friction & Thrust Vs Position"));
    for (const char* name : { "Friction", "ThrustOpen", "ThrustClose" })
        show(plot, name, true);
    ShowXAxis(plot, PositionAxis, true);
    ShowYAxis(plot, ForceAxis, true);
}
