#include "characterization/CharacterizationCurves.h"

#include "automation/ComError.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "trends/TrendsPlots.h"

#include <QFont>
#include <QProgressBar>

#include <cmath>

namespace
{

using namespace CharacterizationCurve;

const QString InputAxis = QStringLiteral("Input Signal (%)");
const QString OutputAxis = QStringLiteral("Output Signal (%)");

constexpr double QuickOpening[PointCount] = { 0, 18.8, 37.6, 56.4, 74.0, 84.3, 90.0, 92.0, 93.4, 94.2, 94.8, 95.5, 96.0,
    96.5, 97.0, 97.5, 98.0, 98.5, 99.0, 99.5, 100.0 };

// The channel is looked up anew for every operation, so a plot whose channel
// went away fails at the first operation after.
IPlotChannelPtr curve(const IPlotPtr& plot)
{
    return GetDispatchDriverIPlotXChannelByName(plot, AutoString(ChannelName));
}

void clearCurve(const IPlotPtr& plot)
{
    curve(plot)->Clear();
}

void add(const IPlotPtr& plot, double x, double y)
{
    curve(plot)->AddXY(x, y);
}

void prepare(QProgressBar& progress, int maximum)
{
    progress.setValue(0);
    progress.setRange(0, maximum);
}

} // namespace

namespace CharacterizationCurve
{

const PlotChannelData& checkFile(const ResultFileFrame::ChannelLookup& lookup)
{
    const PlotChannelData& points = ResultFileFrame::required(lookup, ChannelName);
    if (points.xs.size() != PointCount || points.ys.size() != PointCount)
        throw ComError(ComError::InvalidPointer, QStringLiteral("CharCurve does not hold 21 points"));
    for (int k = 0; k < PointCount; ++k) {
        if (!std::isfinite(points.xs[static_cast<size_t>(k)]) || !std::isfinite(points.ys[static_cast<size_t>(k)]))
            throw ComError(ComError::InvalidPointer, QStringLiteral("CharCurve holds a point that is no number"));
        // An output beyond 0..100 % is no point the device takes.
        const double output = points.ys[static_cast<size_t>(k)];
        if (!(output >= 0.0 && output <= 100.0))
            throw ComError(ComError::InvalidPointer, QStringLiteral("CharCurve holds a point outside 0 to 100"));
    }
    return points;
}

} // namespace CharacterizationCurve

void ConfigureCharInfoPlotControl(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Plot& p = *plot;
    p.applyFactoryDefaults();
    p.SetTitle(QStringLiteral("Characterization Curve"));
    p.SetBackColor(0xFFFFFF);
    p.SetXAxisCount(1);
    p.SetYAxisCount(1);
    p.ScreenBar(0)->SetVisible(false);
    const IPlotAxisPtr input = p.XAxis(0);
    input->SetMin(0);
    input->SetSpan(100);
    input->SetTitle(InputAxis);
    input->SetName(InputAxis);
    const IPlotAxisPtr output = p.YAxis(0);
    output->SetMin(0);
    output->SetSpan(100);
    output->SetName(OutputAxis);
    output->SetTitle(OutputAxis);
    for (const IPlotAxisPtr& axis : { input, output }) {
        axis->SetFontBold(true);
        axis->SetFontSize(8);
    }
    SetUpCharacterizationPlotChannels(plot);
}

void SetUpCharacterizationPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    plot->RemoveAllChannels();
    plot->AddChannel();
    CreateCharacterizationChannels(plot, AutoString(QStringLiteral("Channel 1")), AutoString(ChannelName),
        AutoString(QStringLiteral("Characterization")), static_cast<int32_t>(Colour));
}

void OnLoadLinearGraph(IPlotPtr plot, QProgressBar& progress)
{
    ModuleStateGuard moduleState;
    clearCurve(plot);
    prepare(progress, 100);
    for (int x = 0; x <= 100; x += 5) {
        add(plot, x, x);
        progress.setValue(x);
    }
}

void OnLoadEqualGraph(IPlotPtr plot, int rangeability, QProgressBar& progress)
{
    ModuleStateGuard moduleState;
    // The formula has no curve for such a ratio: the plot keeps the one it shows.
    if (rangeability <= 0)
        return;
    const float b = static_cast<float>(rangeability);
    const float q = static_cast<float>(std::pow(static_cast<double>(b), -1.0));
    clearCurve(plot);
    add(plot, 0, 0);
    prepare(progress, 100);
    // Not divided by (1 - 1/R): the last point is fixed at (100, 100).
    for (double x = 5.0; x < 100.0; x += 5.0) {
        const float e = static_cast<float>((x - 100.0) * 0.01);
        const float p = static_cast<float>(std::pow(static_cast<double>(b), static_cast<double>(e)));
        add(plot, x, (static_cast<double>(p) - static_cast<double>(q)) * 100.0);
        progress.setValue(static_cast<int>(x));
    }
    add(plot, 100, 100);
}

void OnLoadQuickOpenGraph(IPlotPtr plot, QProgressBar& progress)
{
    ModuleStateGuard moduleState;
    clearCurve(plot);
    prepare(progress, PointCount);
    for (int k = 0; k < PointCount; ++k)
        add(plot, 5.0 * k, QuickOpening[k]);
    progress.setValue(PointCount);
}

void OnLoadCustomGraph(IPlotPtr plot, const double* values, QProgressBar& progress)
{
    ModuleStateGuard moduleState;
    clearCurve(plot);
    add(plot, 0, 0);
    prepare(progress, 19);
    for (int i = 1; i <= 19; ++i) {
        add(plot, 5.0 * i, values[i]);
        progress.setValue(i);
    }
    add(plot, 100, 100);
}
