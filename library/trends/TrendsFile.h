#pragma once

#include "core/ResultFile.h"
#include "trends/TrendsPlots.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// What a trends file (".trd", the 24-hours plot's data file) gives back
// beyond the 24-hours plot itself: the longer periods' series from the hidden
// copies, the value-axis span and the two unit codes from "ButtonSetting".
struct TrendsFileContent {
    // [period: 30 days, 12 months, 25 years][signal] -> the y values in step order.
    std::array<std::array<std::vector<double>, TrendsChannels::SignalCount>, 3> longerPeriods;
    double span = TrendsChannels::LeastSpan;
    uint8_t pressureUnitCode = 6;
    uint8_t temperatureUnitCode = 32;
};

inline const ResultFileDialogs TrendsFileDialogs = ResultFileDialogs::named(
    QStringLiteral("Save Trends Results As"), QStringLiteral("Open Trends Results"), QStringLiteral("trd"));

// Reads a trends file's channels: every signal channel, every hidden copy
// and the three points of "ButtonSetting" must be there, and the settings
// must be numbers inside the 32-bit integers, the span at least one whole
// unit and the unit codes within the byte, else ComError.
TrendsFileContent ReadTrendsFile(const ResultFileFrame::ChannelLookup& lookup);

// The unit texts a loaded file gives the record: 7 "bar", 10 "kg/sq.cm",
// 12 "kPa", 57 "%", any other "psi"; 32 "ºC", any other "ºF".
QString TrendsFilePressureUnitText(uint8_t code);
QString TrendsFileTemperatureUnitText(uint8_t code);

// The span a save stores: the largest value of the six signal channels of
// the 24-hours plot, at least 100. A missing signal channel raises ComError.
double TrendsPeak(const IPlotPtr& hours);
