#include "HDRLTestChannels.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "hdrl/CHDRLCompareReport.h"
#include "hdrl/CHDRLReport.h"

#include <algorithm>
#include <iterator>

namespace HDRLTestChannels
{

const char* CycleChannelOf(int step)
{
    if (step >= 1 && step <= 5)
        return "1stCycle-Incr";
    if (step >= 7 && step <= 11)
        return "1stCycle-Decr";
    if (step >= 13 && step <= 17)
        return "2ndCycle-Incr";
    if (step >= 19 && step <= 23)
        return "2ndCycle-Decr";
    return nullptr;
}

namespace
{

struct ViewRow {
    std::array<const char*, 4> shown;
    const QString* xAxis;
    const QString* yAxis;
};

ViewRow rowOf(View view)
{
    switch (view) {
    case View::ControlSignal:
        return { { "Position", "Command", nullptr, nullptr }, &TimeAxis, &PositionAxis };
    case View::HDR:
        return { { "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr", "2ndCycle-Decr" }, &CommandAxis,
            &PositionErrorAxis };
    case View::Linearity:
        break;
    }
    return { { "AverageError", "LeastSquareLine", nullptr, nullptr }, &CommandAxis, &PositionErrorAxis };
}

void showAxis(const IPlotAxisPtr& axis, bool shown)
{
    axis->SetVisible(shown);
    axis->SetTitleVisible(shown);
}

} // namespace

void ShowView(const IPlotPtr& plot, View view, const QString& title)
{
    const ViewRow row = rowOf(view);
    plot->SetTitle(title);
    for (const char* name : DataChannels) {
        const bool shown = std::any_of(std::begin(row.shown), std::end(row.shown),
            [name](const char* s) { return s && QString::fromLatin1(s) == QString::fromLatin1(name); });
        OnCheckBoxChanged(plot, AutoString(name), shown);
    }
    showAxis(plot->YAxisByName(PositionAxis), *row.yAxis == PositionAxis);
    showAxis(plot->YAxisByName(PositionErrorAxis), *row.yAxis == PositionErrorAxis);
    showAxis(plot->XAxisByName(TimeAxis), *row.xAxis == TimeAxis);
    showAxis(plot->XAxisByName(CommandAxis), *row.xAxis == CommandAxis);
    showAxis(plot->XAxisByName(Time2Axis), false);
}

void Setup(const IPlotPtr& plot)
{
    LayOutChannels(plot, Rows.data(), Rows.size(), { "TestSettings", "TagName" });
}

void ResetAxes(const IPlotPtr& plot, double settlingSeconds)
{
    const IPlotAxisPtr time = plot->XAxisByName(TimeAxis);
    time->SetMin(0.0);
    time->SetStartValue(0.0);
    time->SetSpan(24.0 * settlingSeconds);
    const IPlotAxisPtr command = plot->XAxisByName(CommandAxis);
    command->SetMin(0.0);
    command->SetStartValue(0.0);
    command->SetSpan(100.0);
    const IPlotAxisPtr position = plot->YAxisByName(PositionAxis);
    position->SetMin(0.0);
    position->SetSpan(100.0);
    const IPlotAxisPtr error = plot->YAxisByName(PositionErrorAxis);
    error->SetMin(-1.5);
    error->SetSpan(3.0);
}

} // namespace HDRLTestChannels

using namespace HDRLTestChannels;

void CHDRLReport::SetupHDRLPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Setup(plot);
}

void CHDRLCompareReport::SetupHDRLSrcPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Setup(plot);
}

void CHDRLReport::ControlClick(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    ShowView(plot, View::ControlSignal, QStringLiteral("Position vs. Time"));
}

void CHDRLReport::HDRClicked(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    ShowView(plot, View::HDR, QStringLiteral("Position Error vs. Position"));
}

void CHDRLReport::LinearityClicked(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    ShowView(plot, View::Linearity, QStringLiteral("Position Error vs. Command"));
}
