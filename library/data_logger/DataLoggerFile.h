#pragma once

#include "core/ResultFile.h"
#include "data_logger/CDataLoggerReport.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// A data logger run's ".lgr" file is the logger plot's data file. Its hidden
// "TestSettings" channel holds eleven points: the interval index, the
// duration and the unit index (as the record's texts), the month, day and
// year the run was recorded, the single-acting and pressure-sensor flags, the pressure
// and temperature unit codes and a further device code. "TagName" holds the
// tag, one point per character.
namespace DataLoggerFile
{

inline constexpr int SettingsPoints = 11;

// The eleven "TestSettings" values a save writes for the record, dated by
// its test date; by `now` only when the record carries none.
std::vector<double> SettingsValues(const CDataLoggerReport& record, const QDateTime& now);

// The tag as it goes to "TagName": each character narrowed to its low byte,
// up to the first that narrows to zero.
AutoString NarrowedTag(const AutoString& tag);

// What a file's unit codes choose: the axis titles after a load.
struct UnitCodes {
    uint8_t pressure = 6;
    uint8_t temperature = 32;
};

// Checks a file's channels as a load does and reads its settings into the
// record (interval, duration, unit, the two flags, the device code, the date
// it keeps; the tag and the record's own unit codes are kept). ComError when
// the file lacks a sample channel, "TagName" or "TestSettings", or holds fewer than eleven
// settings; the record may then be partly filled, so callers pass a copy.
UnitCodes ReadSettings(const ResultFileFrame::ChannelLookup& lookup, CDataLoggerReport& record);

// A loaded file's channels as the plot takes them: the plot's own channels in
// their own look (title, colour, axes, line, markers), each with the file's
// points; a sample channel is shown, legend and all, as the file has it, the
// hidden channels stay hidden, and a channel the plot does not have is left
// out. So what is drawn is always a sample the page has a box for.
std::vector<PlotChannelData> InPlotsOwnLook(const IPlotPtr& plot, std::vector<PlotChannelData>&& loaded);

// "Pressure [kPa]": the unit of the HART code as the device names it, as the
// run that recorded the file showed it.
QString PressureAxisTitle(uint8_t code);
// "Temperature [ºC]" for code 32, "Temperature [ºF]" for any other.
QString TemperatureAxisTitle(uint8_t code);

} // namespace DataLoggerFile
