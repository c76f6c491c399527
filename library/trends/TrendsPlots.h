#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <QString>

#include <array>
#include <cstdint>

// The four trend plots: 24 hours, 30 days, 12 months and 25 years, always
// passed in that order. Each shows the six trended signals; the 24-hours plot
// also carries the three longer periods in hidden copies and the hidden
// "ButtonSetting", so that its data file alone holds the whole trend table.
namespace TrendsChannels
{
inline constexpr int SignalCount = 6;
inline constexpr int PeriodCount = 4;
// The signal channels, in the plots' channel order.
inline const std::array<QString, SignalCount> Signals { QStringLiteral("Position"), QStringLiteral("Command"),
    QStringLiteral("Deviation"), QStringLiteral("Friction"), QStringLiteral("Supply"), QStringLiteral("Temperature") };
// A hidden copy is named by its period's prefix and the signal's suffix ("30Posn").
inline const std::array<QString, 3> CopyPrefixes { QStringLiteral("30"), QStringLiteral("12"), QStringLiteral("25") };
inline const std::array<QString, SignalCount> CopySuffixes { QStringLiteral("Posn"), QStringLiteral("Cmd"),
    QStringLiteral("Dev"), QStringLiteral("Fric"), QStringLiteral("Supp"), QStringLiteral("Temp") };
inline const QString ButtonSetting = QStringLiteral("ButtonSetting");
// The signals' colours (Windows colour values, red in the low byte).
inline constexpr std::array<uint32_t, SignalCount> Colours { 0x0A0AFF, 0x00C000, 0xC00000, 0xCC0099, 0x00CCFF,
    0x808000 };
// The X ranges 1..24, 1..30, 1..12, 1..25 as minimum 1 and these spans.
inline constexpr std::array<double, PeriodCount> XSpans { 23, 29, 11, 24 };
// The label steps of the X axes, and the label past each period's last
// point that ends its X axis: a whole period shows from 0 to that end.
inline constexpr std::array<double, PeriodCount> XIncrements { 6, 5, 2, 5 };
inline constexpr std::array<double, PeriodCount> XEnds { 30, 35, 14, 30 };
// A value axis reaches at least this high, labelled every tenth of it; it
// reaches higher, and below 0, as far as the shown values need room.
inline constexpr double LeastSpan = 100.0;
inline constexpr double ValueIncrement = 10.0;

// "30Posn" for period 0 (days) and signal 0 (position).
inline QString copyName(int longerPeriod, int signal)
{
    return CopyPrefixes[static_cast<size_t>(longerPeriod)] + CopySuffixes[static_cast<size_t>(signal)];
}
} // namespace TrendsChannels

// Titles, axes and ranges of the four plots. Empty, X runs from 1 over 23,
// 29, 11 and 24 and Y from 0 over 100; with points, each axis fits the shown
// values (X from 0 to XEnds, Y from 0 to 100 where the values lie inside
// with room). Nothing is caught: a failing plot raises ComError.
void ConfigureTrendsPlotControl(IPlotPtr hours, IPlotPtr days, IPlotPtr months, IPlotPtr years);

// The channel creator, one routine under five names: finds the channel that
// bears `currentName` (ComError, invalid pointer, before anything changes
// when none does) and gives it its new name, legend title and colour (a
// Windows colour value), and shows it.
IPlotChannelPtr CreateTrendsChannelsForHrs(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color);
IPlotChannelPtr CreateTrendsChannelsForDays(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color);
IPlotChannelPtr CreateTrendsChannelsForMonths(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color);
IPlotChannelPtr CreateTrendsChannelsForYears(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color);
IPlotChannelPtr CreateCharacterizationChannels(
    IPlotPtr plot, AutoString currentName, AutoString newName, AutoString title, int32_t color);
