#include "trends/TrendsFile.h"

#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "trends/CTrendsReport.h"
#include "ui/TimerService.h"

#include <cmath>

namespace
{

using namespace TrendsChannels;

uint8_t unitCode(double stored)
{
    return static_cast<uint8_t>(HiddenChannelInteger(stored) & 0xFF);
}

IPlotChannelPtr channelOf(const IPlotPtr& plot, const QString& name)
{
    IPlotChannelPtr channel = GetDispatchDriverIPlotXChannelByName(plot, AutoString(name));
    if (!channel)
        throw ComError(ComError::InvalidPointer, QStringLiteral("No channel \"%1\"").arg(name));
    return channel;
}

void clearAll(const std::array<IPlotPtr, PeriodCount>& plots)
{
    for (const IPlotPtr& plot : plots) {
        try {
            plot->ClearAllData();
        } catch (...) {
            // A plot that is gone holds nothing to clear.
        }
    }
}

} // namespace

TrendsFileContent ReadTrendsFile(const ResultFileFrame::ChannelLookup& lookup)
{
    TrendsFileContent content;
    std::vector<const PlotChannelData*> recorded;
    for (const QString& signal : Signals)
        recorded.push_back(&ResultFileFrame::required(lookup, signal));
    for (int period = 0; period < 3; ++period) {
        for (int s = 0; s < SignalCount; ++s) {
            const PlotChannelData& copy = ResultFileFrame::required(lookup, copyName(period, s));
            recorded.push_back(&copy);
            content.longerPeriods[static_cast<size_t>(period)][static_cast<size_t>(s)] = copy.ys;
        }
    }
    ResultFileFrame::checkSignalsRecorded(recorded);
    const PlotChannelData& button = ResultFileFrame::required(lookup, ButtonSetting);
    ResultFileFrame::checkSettings(button);
    // A save stores the peak of the table's values, at least 100: a span
    // below one whole unit would leave every plot empty.
    ResultFileFrame::checkRange(button, 0, ResultRange { 1, 2147483647.0 });
    ResultFileFrame::checkRange(button, 1, ResultCodeRange);
    ResultFileFrame::checkRange(button, 2, ResultCodeRange);
    content.span = ResultFileFrame::valueAt(button, 0);
    content.pressureUnitCode = unitCode(ResultFileFrame::valueAt(button, 1));
    content.temperatureUnitCode = unitCode(ResultFileFrame::valueAt(button, 2));
    return content;
}

QString TrendsFilePressureUnitText(uint8_t code)
{
    return ResultPressureUnitText(code, PressureUnitSpelling::KgPerSqCm);
}

QString TrendsFileTemperatureUnitText(uint8_t code)
{
    return code == 32 ? QStringLiteral("\u00BAC") : QStringLiteral("\u00BAF");
}

double TrendsPeak(const IPlotPtr& hours)
{
    double peak = 0.0;
    for (const QString& signal : Signals) {
        const double largest = channelOf(hours, signal)->GetYMax();
        if (largest > peak)
            peak = largest;
    }
    return peak <= LeastSpan ? LeastSpan : peak;
}

void CTrendsReport::SaveTrends(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years) const
{
    ModuleStateGuard moduleState;
    const QDateTime now = TimerService::instance().localNow();
    const std::optional<QString> path
        = ResultFileFrame::askSavePath(TrendsFileDialogs.saveTitle, TrendsFileDialogs.saveFilter,
            TrendsFileDialogs.extension, ProposedResultFileName(Tag, now, TrendsFileDialogs.extension));
    if (!path)
        return;
    // A plot without one of its signals writes nothing.
    double peak = LeastSpan;
    try {
        peak = TrendsPeak(hours);
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
        return;
    }
    try {
        // The settings are replaced, so a plot saved twice still holds one set.
        const IPlotChannelPtr button = channelOf(hours, ButtonSetting);
        button->Clear();
        button->AddXY(0, peak);
        button->AddXY(1, PressureUnitCode);
        button->AddXY(2, TemperatureUnitCode);
        hours->SaveDataFile(*path);
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

bool CTrendsReport::LoadTrends(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years)
{
    ModuleStateGuard moduleState;
    const std::array<IPlotPtr, PeriodCount> plots { hours, days, months, years };
    const std::optional<QString> path = ResultFileFrame::askOpenPath(
        TrendsFileDialogs.openTitle, TrendsFileDialogs.openFilter, TrendsFileDialogs.extension);
    if (!path)
        return false;
    // The whole file is read and checked, and every channel it goes into is
    // found, before any plot changes: a refused file leaves an unsaved
    // acquisition on show.
    bool plotsChanged = false;
    try {
        Plot scratch;
        scratch.LoadDataFile(*path);
        const TrendsFileContent content = ReadTrendsFile(ResultFileFrame::lookupIn(scratch));
        std::array<std::array<IPlotChannelPtr, SignalCount>, 3> targets;
        for (int period = 0; period < 3; ++period)
            for (int s = 0; s < SignalCount; ++s)
                targets[static_cast<size_t>(period)][static_cast<size_t>(s)]
                    = channelOf(plots[static_cast<size_t>(period) + 1], Signals[static_cast<size_t>(s)]);

        plotsChanged = true;
        for (const IPlotPtr& plot : plots)
            plot->ClearAllData();
        hours->LoadDataFrom(scratch);
        // The copies and the settings only carry the file; they are never drawn.
        for (int period = 0; period < 3; ++period)
            for (int s = 0; s < SignalCount; ++s)
                channelOf(hours, copyName(period, s))->SetVisible(false);
        channelOf(hours, ButtonSetting)->SetVisible(false);
        for (int period = 0; period < 3; ++period) {
            for (int s = 0; s < SignalCount; ++s) {
                const IPlotChannelPtr& channel = targets[static_cast<size_t>(period)][static_cast<size_t>(s)];
                const std::vector<double>& ys
                    = content.longerPeriods[static_cast<size_t>(period)][static_cast<size_t>(s)];
                for (size_t i = 0; i < ys.size(); ++i)
                    channel->AddXY(static_cast<double>(i + 1), ys[i]);
            }
        }
        PressureUnitCode = content.pressureUnitCode;
        PressureUnitText = AutoString(TrendsFilePressureUnitText(content.pressureUnitCode));
        TemperatureUnitCode = content.temperatureUnitCode;
        TemperatureUnitText = AutoString(TrendsFileTemperatureUnitText(content.temperatureUnitCode));
        return true;
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen);
        // Plots a failing control left half filled show nothing rather than a mix.
        if (plotsChanged)
            clearAll(plots);
        return false;
    }
}
