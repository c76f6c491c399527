#include "trends/TrendsPlots.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "trends/CTrendsReport.h"

namespace
{

using namespace TrendsChannels;

constexpr uint32_t White = 0xFFFFFF;

const std::array<QString, PeriodCount> PlotTitles { QStringLiteral("24 Hours"), QStringLiteral("30 Days"),
    QStringLiteral("12 Months"), QStringLiteral("25 Years") };
const std::array<QString, PeriodCount> XTitles { QStringLiteral("Time [hours]"), QStringLiteral("Time [days]"),
    QStringLiteral("Time [months]"), QStringLiteral("Time [years]") };

// The legend titles of the hidden copies differ in places from their names.
const std::array<std::array<const char*, SignalCount>, 3> CopyTitles { {
    { "30Pos", "30Cmd", "Deviation", "Friction", "30Supply", "30Temp" },
    { "12Pos", "12Cmd", "12Dev", "12Frc", "12Supply", "12Temp" },
    { "25Pos", "25Cmd", "25Dev", "25Frc", "25Supply", "25Temp" },
} };

constexpr int HoursChannelCount = SignalCount + 3 * SignalCount + 1;

IPlotChannelPtr createTrendChannel(const IPlotPtr& plot, const AutoString& currentName, const AutoString& newName,
    const AutoString& title, int32_t color)
{
    ModuleStateGuard moduleState;
    IPlotChannelPtr channel = GetDispatchDriverIPlotXChannelByName(plot, currentName);
    // A plain line: the trend values are averages, not samples to be marked.
    channel->SetMarkersVisible(false);
    channel->SetName(newName.toQString());
    channel->SetTitle(title.toQString());
    channel->SetColor(static_cast<uint32_t>(color));
    channel->SetVisible(true);
    channel->SetLegendVisible(true);
    channel->SetIndividualMarking(false);
    channel->SetLineWidth(2);
    return channel;
}

AutoString defaultName(int n)
{
    return AutoString(QStringLiteral("Channel %1").arg(n));
}

void createSignals(const IPlotPtr& plot)
{
    for (int s = 0; s < SignalCount; ++s) {
        const auto k = static_cast<size_t>(s);
        createTrendChannel(
            plot, defaultName(s + 1), AutoString(Signals[k]), AutoString(Signals[k]), static_cast<int32_t>(Colours[k]));
    }
}

} // namespace

void ConfigureTrendsPlotControl(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years)
{
    ModuleStateGuard moduleState;
    const std::array<IPlotPtr, PeriodCount> plots { hours, days, months, years };
    for (const IPlotPtr& plot : plots) {
        plot->applyFactoryDefaults();
        plot->SetBackColor(White);
        // The page shows its own key of the six signals above the plots.
        plot->SetLegendVisible(false);
    }
    for (size_t p = 0; p < plots.size(); ++p)
        plots[p]->SetTitle(PlotTitles[p]);
    for (size_t p = 0; p < plots.size(); ++p) {
        plots[p]->XAxis(0)->SetMin(1);
        plots[p]->XAxis(0)->SetSpan(XSpans[p]);
    }
    for (size_t p = 0; p < plots.size(); ++p)
        plots[p]->XAxis(0)->SetTitle(XTitles[p]);
    // Round steps that leave room for their labels on the narrow plots.
    for (size_t p = 0; p < plots.size(); ++p) {
        plots[p]->XAxis(0)->SetStartValue(0);
        plots[p]->XAxis(0)->SetIncrement(XIncrements[p]);
    }
    for (const IPlotPtr& plot : plots) {
        plot->YAxis(0)->SetMin(0);
        plot->YAxis(0)->SetSpan(LeastSpan);
        plot->YAxis(0)->SetTitle(QString());
    }
    for (const IPlotPtr& plot : plots) {
        plot->XAxis(0)->SetFontBold(false);
        plot->YAxis(0)->SetFontBold(false);
    }
    // The axis option the trends page pairs with these: the value axes keep
    // any fit to the data inside their limits.
    for (const IPlotPtr& plot : plots)
        plot->YAxis(0)->SetLimitsEnabled(true);
    // A retrieval, a Load and a picture of the same trends show the same
    // axes: each follows the values shown, a deviation of 0 and the largest
    // value alike clear of the borders.
    for (size_t p = 0; p < plots.size(); ++p) {
        plots[p]->SetAxesFitShownTraces(true);
        plots[p]->XAxis(0)->SetKeptRange(0, XEnds[p]);
        plots[p]->YAxis(0)->SetIncrement(ValueIncrement);
        plots[p]->YAxis(0)->SetKeptRange(0, LeastSpan);
    }
}

IPlotChannelPtr CreateTrendsChannelsForHrs(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color)
{
    return createTrendChannel(plot, currentName, newName, title, color);
}

IPlotChannelPtr CreateTrendsChannelsForDays(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color)
{
    return createTrendChannel(plot, currentName, newName, title, color);
}

IPlotChannelPtr CreateTrendsChannelsForMonths(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color)
{
    return createTrendChannel(plot, currentName, newName, title, color);
}

IPlotChannelPtr CreateTrendsChannelsForYears(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color)
{
    return createTrendChannel(plot, currentName, newName, title, color);
}

IPlotChannelPtr CreateCharacterizationChannels(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color)
{
    return createTrendChannel(plot, currentName, newName, title, color);
}

void CTrendsReport::SetUpTrendsPlotChannels(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years) const
{
    ModuleStateGuard moduleState;
    const std::array<IPlotPtr, PeriodCount> plots { hours, days, months, years };
    for (const IPlotPtr& plot : plots)
        plot->RemoveAllChannels();
    for (int n = 0; n < HoursChannelCount; ++n)
        hours->AddChannel();
    for (size_t p = 1; p < plots.size(); ++p)
        for (int n = 0; n < SignalCount; ++n)
            plots[p]->AddChannel();

    createSignals(hours);
    int n = SignalCount + 1;
    for (int period = 0; period < 3; ++period) {
        for (int s = 0; s < SignalCount; ++s, ++n) {
            createTrendChannel(hours, defaultName(n), AutoString(copyName(period, s)),
                AutoString(QString::fromLatin1(CopyTitles[static_cast<size_t>(period)][static_cast<size_t>(s)])),
                static_cast<int32_t>(Colours[static_cast<size_t>(s)]));
        }
    }
    createTrendChannel(hours, defaultName(n), AutoString(ButtonSetting), AutoString(ButtonSetting), 0x808000);
    for (int k = SignalCount; k < HoursChannelCount; ++k)
        hours->Channel(k)->SetVisible(false);

    for (size_t p = 1; p < plots.size(); ++p)
        createSignals(plots[p]);
}
