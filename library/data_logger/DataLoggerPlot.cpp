#include "data_logger/DataLoggerPlot.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotConfiguration.h"

#include <QFont>

#include <limits>

namespace
{

struct ValueAxis {
    const char* name;
    const char* title;
    double span;
    double lowerLimit;
    double upperLimit;
};

constexpr ValueAxis ValueAxes[] = {
    { DataLoggerAxis::Percent, "Percent (%)", 100, -10, 110 },
    { DataLoggerAxis::Temperature, "Temperature", 100, -50, 150 },
    { DataLoggerAxis::Pressure, "Pressure", 5, 0, 1000 },
};

constexpr uint32_t White = 0xFFFFFF;

} // namespace

// clang-format off
const DataLoggerChannelLayout DataLoggerChannels[10] = {
    { DataLoggerChannel::Position,      "Position",             0x0A0AFF, DataLoggerAxis::Time, DataLoggerAxis::Percent,     true },
    { DataLoggerChannel::Command,       "Control Command",      0xC00000, DataLoggerAxis::Time, DataLoggerAxis::Percent,     true },
    { DataLoggerChannel::AnalogCommand, "4 - 20 Command",       0x5096FF, DataLoggerAxis::Time, DataLoggerAxis::Percent,     true },
    { DataLoggerChannel::Temperature,   "Ambient Temperature",  0xCC0099, DataLoggerAxis::Time, DataLoggerAxis::Temperature, true },
    { DataLoggerChannel::Port1,         "Port 1 Pressure",      0x00FF00, DataLoggerAxis::Time, DataLoggerAxis::Pressure,    true },
    { DataLoggerChannel::Port2,         "Port 2 Pressure",      0xCC00FF, DataLoggerAxis::Time, DataLoggerAxis::Pressure,    true },
    { DataLoggerChannel::SpoolCommand,  "Pilot Relay Command",  0x000000, DataLoggerAxis::Time, DataLoggerAxis::Percent,     true },
    { DataLoggerChannel::SpoolPosition, "Pilot Relay Position", 0x000080, DataLoggerAxis::Time, DataLoggerAxis::Percent,     true },
    { "TestSettings",                   "TestSettings",         0xCC00CC, "None",               "None",                      false },
    { "TagName",                        "TagName",              0x000080, "None",               "None",                      false },
};
// clang-format on

void ConfigureDataLoggerPlotControl(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    Plot& p = *plot;
    p.applyFactoryDefaults();
    p.SetBackColor(White);
    p.SetXAxisCount(1);
    p.SetYAxisCount(3);
    p.ScreenBar(0)->SetVisible(true);
    p.SetTitle(QStringLiteral("Data Logger"));
    QFont font = p.GetPlotFont();
    font.setPointSizeF(11);
    p.SetPlotFont(font);

    const IPlotAxisPtr time = p.XAxis(0);
    time->SetMin(-1);
    time->SetSpan(61);
    time->SetTitle(QStringLiteral("Time (s)"));
    time->SetName(QString::fromLatin1(DataLoggerAxis::Time));

    for (int k = 0; k < 3; ++k) {
        const ValueAxis& layout = ValueAxes[k];
        const IPlotAxisPtr axis = p.YAxis(k);
        axis->SetMin(0);
        axis->SetSpan(layout.span);
        axis->SetLimitsEnabled(true);
        axis->SetLimits(layout.lowerLimit, layout.upperLimit);
        axis->SetName(QString::fromLatin1(layout.name));
        axis->SetTitle(QString::fromLatin1(layout.title));
    }
    for (int k = 0; k < 3; ++k) {
        p.YAxis(k)->SetFontBold(true);
        p.YAxis(k)->SetFontSize(8);
    }
    time->SetFontSize(8);
    time->SetFontBold(true);
}

void SetupDataLoggerPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    plot->RemoveAllChannels();
    for (int k = 0; k < 10; ++k)
        plot->AddChannel();
    int number = 1;
    for (const DataLoggerChannelLayout& layout : DataLoggerChannels) {
        CreateChannels(plot, AutoString(QStringLiteral("Channel %1").arg(number++)), AutoString(layout.name),
            AutoString(layout.title), static_cast<int32_t>(layout.color), AutoString(layout.xAxis),
            AutoString(layout.yAxis), ChannelStyle::PlainTrace);
    }
    for (const DataLoggerChannelLayout& layout : DataLoggerChannels) {
        const IPlotChannelPtr channel = plot->ChannelByName(QString::fromLatin1(layout.name));
        channel->SetVisible(layout.shown);
        channel->SetLegendVisible(layout.shown);
    }
}

void ShowDataLoggerResult(IPlotPtr plot, bool result)
{
    ModuleStateGuard moduleState;
    plot->SetAxesFitShownTraces(result);
    // The percent axis labels every tenth of a result; a strip chart keeps
    // the round steps of its window. The pressure axis keeps its zero where
    // every pressure shown lies above it with room.
    plot->YAxisByName(QString::fromLatin1(DataLoggerAxis::Percent))->SetIncrement(result ? 10.0 : 0.0);
    plot->YAxisByName(QString::fromLatin1(DataLoggerAxis::Pressure))
        ->SetKeptRange(0.0, std::numeric_limits<double>::quiet_NaN());
}
