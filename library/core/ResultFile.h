#pragma once

#include "automation/AutoString.h"
#include "automation/ComError.h"
#include "automation/NumberText.h"
#include "controls/Plot.h"
#include "controls/PlotChannelData.h"
#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "ui/TimerService.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

class QWidget;

// A saved test is the plot's own data file. The test's settings, its results
// and the device tag travel inside it as three hidden channels of the plot:
// "TestSettings" and "Results" hold point k = (k, value k) in the family's
// order, "TagName" one point per character of the tag. Each test family only
// describes its file (ResultFileFamily); saving, loading, the dialogs and the
// failure boxes are the same for all of them.

namespace ResultChannelName
{
inline const QString TestSettings = QStringLiteral("TestSettings");
inline const QString Results = QStringLiteral("Results");
inline const QString TagName = QStringLiteral("TagName");
}

namespace ResultFileText
{
inline const QString SettingsDoNotMatch
    = QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue");
inline const QString CompareCaption = QStringLiteral("Compare");
inline const QString NoTag = QStringLiteral("NO TAG");
}

// A value read from a hidden channel as an integer, truncated toward zero. A
// file can hold any double there; a value that is not finite or lies beyond
// the range of a 32-bit integer gives 0 rather than an undefined conversion.
int HiddenChannelInteger(double value);

// A device tag as it may stand in a proposed file name: '/', '\\' and
// control characters become '_' so the name cannot lead into another folder,
// and the blanks a device pads its tag with are dropped. The stored tag is not
// changed.
QString ProposedNameTag(const QString& tag);

// The proposed file name: tag, year, month, day, hour "h", minute "m", joined
// by "_", numbers without padding, then "." and the extension. Characters of
// the tag that would name another folder or cannot be in a name ('/', '\',
// NUL, control characters) become '_' here only; the stored tag is kept.
QString ProposedResultFileName(const AutoString& tag, const QDateTime& now, const QString& extension);

// The tag as "TagName" points: each character's low byte as a signed 8-bit
// value, one point per character; an empty tag gives none.
std::vector<double> TagNamePoints(const AutoString& tag);
// The tag those points spell, each point's low byte as a character; "NO TAG"
// when there is no point.
AutoString TagFromPoints(const std::vector<double>& ys);

// The text of a pressure unit code stored in a file: 7 "bar", 10 the
// family's own spelling of kilograms per square centimetre, 12 "kPa", 57 "%",
// any other code "psi".
namespace PressureUnitSpelling
{
inline const QString KgPerSqCm = QStringLiteral("kg/sq.cm");
inline const QString KgPerCm2 = QStringLiteral("Kg/cm²");
}
QString ResultPressureUnitText(int unitCode, const QString& kgPerSquareCentimetre);
// The pressure unit as a device of that code names it on its pages: 7 "bar",
// 10 "Kg/cm²", 12 "kPa", 57 "Percent", any other code "psi".
QString DevicePressureUnitLabel(int unitCode);
// The pressure axis title a load gives, as the run that recorded the file
// gave it: "Pressure [kPa]".
QString ResultPressureAxisTitle(int unitCode);

// Asks, in a box owned by the page, whether to compare two files recorded
// with other settings. True when the user chose OK.
bool ContinueDespiteOtherSettings(QWidget* page);

// What one point of "TestSettings" or "Results" holds.
enum class ResultValueKind {
    Number, // a text of the record, stored as its leading number in single precision
    Month, // the date of the result saved (see ResultDate); read back as a plain integer text
    Day,
    Year,
    UnitCode, // a byte of the record, stored as an integer
    Flag, // 1 when the record's byte is 1, else 0; read back as 1 from any point whose whole part is 1
    ExactFlag, // stored as a Flag; read back as 1 only from a point of exactly 1
    Spare, // always stored as 0; not read back, so a file may end before it
    // Stored as a Number (a slot with a text) or a Flag (a slot with a byte);
    // not read back here: the family's completeRecord works it out, so a file
    // may end before it.
    Derived,
};

// The values a page can hold for a setting, both ends included, and whole
// numbers only where the field holds nothing else. A stored value is checked
// as stored, with its fraction: 60.9 is no value of a 1-60 field of whole
// numbers, though it would show as one.
struct ResultRange {
    double least;
    double most;
    bool whole = false;
};
// A code is kept in a byte: a code beyond it would show as another one, and
// a fraction (-0.5, 7.5) is no code at all.
inline constexpr ResultRange ResultCodeRange { 0, 255, true };

template <class Record> struct ResultSlot {
    ResultValueKind kind = ResultValueKind::Number;
    // Number: the record's text. A date part: where a load puts it (none: not kept).
    AutoString Record::*text = nullptr;
    // UnitCode and Flag: the record's byte.
    uint8_t Record::*byte = nullptr;
    // Where the page's field holds fewer values than the 32-bit integers: a
    // file with a value outside it is refused. A UnitCode is always held to
    // the byte.
    std::optional<ResultRange> range = std::nullopt;
};

// Channel names as the family's channel table spells them.
template <class Names> std::vector<QString> ResultChannelNames(const Names& names)
{
    std::vector<QString> list;
    for (const char* name : names)
        list.push_back(QString::fromLatin1(name));
    return list;
}

// The save and open dialogs of a kind of file.
struct ResultFileDialogs {
    QString saveTitle;
    QString openTitle;
    QString saveFilter; // as the pages write it: "(*.pst)|*.pst|"
    QString openFilter;
    QString extension; // without the dot

    // The dialogs' titles, and the filters every kind of file derives from
    // its extension: "(*.<ext>)|*.<ext>|" to save, "*.<ext>|*.<ext>|" to open.
    void nameDialogs(const QString& saveDialogTitle, const QString& openDialogTitle, const QString& fileExtension)
    {
        saveTitle = saveDialogTitle;
        openTitle = openDialogTitle;
        saveFilter = QStringLiteral("(*.%1)|*.%1|").arg(fileExtension);
        openFilter = QStringLiteral("*.%1|*.%1|").arg(fileExtension);
        extension = fileExtension;
    }
    static ResultFileDialogs named(
        const QString& saveDialogTitle, const QString& openDialogTitle, const QString& fileExtension)
    {
        ResultFileDialogs dialogs;
        dialogs.nameDialogs(saveDialogTitle, openDialogTitle, fileExtension);
        return dialogs;
    }
};

// One test family's result file.
template <class Record> struct ResultFileFamily : ResultFileDialogs {
    // The caption of "File open error."; none: an empty caption.
    std::optional<QString> openFailureCaption;
    // The signal channels a file of the family must hold, checked before
    // anything else: a file of another test (renamed) lacks some of them.
    std::vector<QString> signalChannels;
    std::vector<ResultSlot<Record>> settings;
    // Settings points the test worked out and only shows as a number: they
    // need only be finite.
    std::vector<int> measuredPoints;
    std::vector<ResultSlot<Record>> results; // none: the family keeps no "Results" channel
    AutoString Record::*tag = nullptr; // written to "TagName"
    // Where a load puts the file's tag; none: the tag channel is only required.
    AutoString Record::*fileTag = nullptr;
    // Where a load puts the date the file keeps, its month, day and year as
    // "m/d/yyyy" unpadded (as a compare shows it), and where a save takes the
    // date it writes; none: not kept, and a save dates the file by the clock.
    AutoString Record::*testDate = nullptr;
    // Fills what the record derives from the values read (unit labels, result
    // texts, Derived slots from the file's settings) before the load is
    // committed; may throw to refuse the file.
    std::function<void(Record&, const PlotChannelData& settings)> completeRecord;
    // Adds to the settings a save writes what the layout's numbers cannot
    // hold (which result fields show no value); none: the layout's values only.
    std::function<void(const Record&, std::vector<double>& settings)> completeSettings;
};

// The steps the families share, each raising ComError on failure.
namespace ResultFileFrame
{

// The save and open dialogs, without owner, with the overwrite question.
std::optional<QString> askSavePath(
    const QString& title, const QString& filter, const QString& extension, const QString& initialName);
std::optional<QString> askOpenPath(const QString& title, const QString& filter, const QString& extension);

// Replaces the hidden channels' points: the settings, the results (when the
// family has them) and the tag. A missing channel raises ComError.
void writeHiddenChannels(const IPlotPtr& plot, const std::vector<double>& settings,
    const std::optional<std::vector<double>>& results, const AutoString& tag);

// A channel's points by name, case ignored; nullptr when there is none.
using ChannelLookup = std::function<const PlotChannelData*(const QString& name)>;
ChannelLookup lookupIn(const Plot& plot);
ChannelLookup lookupIn(const std::vector<PlotChannelData>& channels);

// The channel's data, or ComError when the file lacks it.
const PlotChannelData& required(const ChannelLookup& lookup, const QString& name);
// The y of point `index`, or ComError when the channel holds fewer points.
double valueAt(const PlotChannelData& channel, int index);

void showFailure(const QString& text, const std::optional<QString>& caption = std::nullopt);

// Refuses, with ComError, settings that no page can hold: a point that is not
// finite or whose whole part lies beyond the 32-bit integers (-2^31 ... 2^31 - 1),
// or a date part (at `datePoints`) beyond an unsigned 16-bit word. Values
// inside those sizes pass, even where a page's edit calls them out of range.
// A point at `measuredPoints` (a value the test worked out and only shows as
// a number, never an integer) need only be finite.
void checkSettings(const PlotChannelData& settings, const std::vector<int>& datePoints = {},
    const std::vector<int>& measuredPoints = {});
// Refuses, with ComError, a point outside `range` as stored, fraction
// included (a point that is not a number included). A point the channel
// lacks passes: whether it must be there is checked apart.
void checkRange(const PlotChannelData& channel, int point, const ResultRange& range);

// Refuses, with ComError, recorded signals of which not one point is a
// number: such a file would load as an empty plot with nothing said. Signals
// without any point pass (a test saved before it ran).
void checkSignalsRecorded(const std::vector<const PlotChannelData*>& signalChannels);

} // namespace ResultFileFrame

// The settings check for a family's layout: its month, day and year are the date parts.
template <class Record>
void CheckResultSettings(const std::vector<ResultSlot<Record>>& layout, const PlotChannelData& settings,
    const std::vector<int>& measuredPoints = {})
{
    std::vector<int> datePoints;
    for (int k = 0; k < static_cast<int>(layout.size()); ++k) {
        const ResultValueKind kind = layout[static_cast<size_t>(k)].kind;
        if (kind == ResultValueKind::Month || kind == ResultValueKind::Day || kind == ResultValueKind::Year)
            datePoints.push_back(k);
    }
    ResultFileFrame::checkSettings(settings, datePoints, measuredPoints);
}

// Refuses, with ComError, a point of the layout outside its slot's range:
// every UnitCode outside the byte, and any setting outside its field.
template <class Record>
void CheckResultRanges(const std::vector<ResultSlot<Record>>& layout, const PlotChannelData& channel)
{
    for (int k = 0; k < static_cast<int>(layout.size()); ++k) {
        const ResultSlot<Record>& slot = layout[static_cast<size_t>(k)];
        if (slot.range)
            ResultFileFrame::checkRange(channel, k, *slot.range);
        else if (slot.kind == ResultValueKind::UnitCode)
            ResultFileFrame::checkRange(channel, k, ResultCodeRange);
    }
}

// The month, day and year a file keeps: those of the result it holds.
struct ResultDate {
    int month = 0;
    int day = 0;
    int year = 0;
};

// The date a save writes for a result dated `date`, month/day/year as a run
// or a load keeps it ("12/3/2024"): its own parts, so that a result saved
// days after its run, or a file saved again years later, keeps the day it
// was recorded. Parts a file may keep that are no calendar day (0/0/0) are
// kept as they are. Only a result that carries no such date (empty, or not
// three whole numbers of 0 to 65535 joined by '/') is dated by `now`.
ResultDate ResultDateToSave(const AutoString& date, const QDateTime& now);

// The values a save writes for this layout, its date parts from `date`.
template <class Record>
std::vector<double> ResultValuesOf(
    const std::vector<ResultSlot<Record>>& layout, const Record& record, const ResultDate& date)
{
    std::vector<double> values;
    values.reserve(layout.size());
    for (const ResultSlot<Record>& slot : layout) {
        switch (slot.kind) {
        case ResultValueKind::Number:
            values.push_back(NumberText::toSingle((record.*slot.text).toQString()));
            break;
        case ResultValueKind::Month:
            values.push_back(date.month);
            break;
        case ResultValueKind::Day:
            values.push_back(date.day);
            break;
        case ResultValueKind::Year:
            values.push_back(date.year);
            break;
        case ResultValueKind::UnitCode:
            values.push_back(record.*slot.byte);
            break;
        case ResultValueKind::Flag:
        case ResultValueKind::ExactFlag:
            values.push_back(record.*slot.byte == 1 ? 1.0 : 0.0);
            break;
        case ResultValueKind::Spare:
            values.push_back(0.0);
            break;
        case ResultValueKind::Derived:
            if (slot.text)
                values.push_back(NumberText::toSingle((record.*slot.text).toQString()));
            else
                values.push_back(record.*slot.byte == 1 ? 1.0 : 0.0);
            break;
        }
    }
    return values;
}

// Whether a load reads the slot's point itself.
template <class Record> bool IsReadBack(const ResultSlot<Record>& slot)
{
    return slot.kind != ResultValueKind::Spare && slot.kind != ResultValueKind::Derived;
}

// ComError unless the channel holds every point the layout reads back.
template <class Record>
void RequireResultPoints(const std::vector<ResultSlot<Record>>& layout, const PlotChannelData& channel)
{
    for (int k = 0; k < static_cast<int>(layout.size()); ++k)
        if (IsReadBack(layout[static_cast<size_t>(k)]))
            ResultFileFrame::valueAt(channel, k);
}

// Reads the layout's values from the channel's points 0, 1, ... into the record.
template <class Record>
void ReadResultValues(const std::vector<ResultSlot<Record>>& layout, const PlotChannelData& channel, Record& record)
{
    for (int k = 0; k < static_cast<int>(layout.size()); ++k) {
        const ResultSlot<Record>& slot = layout[static_cast<size_t>(k)];
        if (!IsReadBack(slot))
            continue;
        const double value = ResultFileFrame::valueAt(channel, k);
        switch (slot.kind) {
        case ResultValueKind::Number:
            record.*slot.text = AutoString(NumberText::fromSingle(value));
            break;
        case ResultValueKind::Month:
        case ResultValueKind::Day:
        case ResultValueKind::Year:
            if (slot.text)
                record.*slot.text = AutoString(QString::number(HiddenChannelInteger(value)));
            break;
        case ResultValueKind::UnitCode:
            record.*slot.byte = static_cast<uint8_t>(HiddenChannelInteger(value) & 0xFF);
            break;
        case ResultValueKind::Flag:
            record.*slot.byte = HiddenChannelInteger(value) == 1 ? 1 : 0;
            break;
        case ResultValueKind::ExactFlag:
            record.*slot.byte = value == 1.0 ? 1 : 0;
            break;
        case ResultValueKind::Spare:
        case ResultValueKind::Derived:
            break;
        }
    }
}

// ComError when the file lacks one of the family's signal channels, or when
// they hold points and none of them is a number.
template <class Record>
void RequireSignalChannels(const ResultFileFamily<Record>& family, const ResultFileFrame::ChannelLookup& lookup)
{
    std::vector<const PlotChannelData*> signalChannels;
    for (const QString& name : family.signalChannels)
        signalChannels.push_back(&ResultFileFrame::required(lookup, name));
    ResultFileFrame::checkSignalsRecorded(signalChannels);
}

// The check every family's file passes before anything is read from it or
// anything changes: the family's signal channels (a file of another test,
// renamed, lacks some of them) with at least one point that is a number
// when they hold any, "TagName", "TestSettings" holding settings a
// page can hold (codes within the byte, settings within their fields) and
// every point the family reads back, and, for a family
// that keeps results, "Results" with every point it reads back. ComError
// when the file fails it; gives the settings channel.
template <class Record>
const PlotChannelData& CheckResultFile(
    const ResultFileFamily<Record>& family, const ResultFileFrame::ChannelLookup& lookup)
{
    RequireSignalChannels(family, lookup);
    ResultFileFrame::required(lookup, ResultChannelName::TagName);
    const PlotChannelData& settings = ResultFileFrame::required(lookup, ResultChannelName::TestSettings);
    CheckResultSettings(family.settings, settings, family.measuredPoints);
    CheckResultRanges(family.settings, settings);
    RequireResultPoints(family.settings, settings);
    if (!family.results.empty()) {
        const PlotChannelData& results = ResultFileFrame::required(lookup, ResultChannelName::Results);
        CheckResultRanges(family.results, results);
        RequireResultPoints(family.results, results);
    }
    return settings;
}

// The date a compare shows for a file: the month, day and year of saving at
// settings points `month`, `month` + 1 and `month` + 2, as "m/d/yyyy" unpadded.
inline QString CompareFileDate(const PlotChannelData& settings, int month)
{
    const auto part = [&settings](int index) {
        return QString::number(static_cast<uint16_t>(HiddenChannelInteger(ResultFileFrame::valueAt(settings, index))));
    };
    return part(month) + QLatin1Char('/') + part(month + 1) + QLatin1Char('/') + part(month + 2);
}

// The date a file keeps at the layout's month, day and year points (one
// after another), as a compare shows it; empty for a layout without them.
template <class Record>
QString ResultFileDate(const std::vector<ResultSlot<Record>>& layout, const PlotChannelData& settings)
{
    for (int k = 0; k < static_cast<int>(layout.size()); ++k) {
        if (layout[static_cast<size_t>(k)].kind == ResultValueKind::Month)
            return CompareFileDate(settings, k);
    }
    return QString();
}

// Reads a file's hidden channels into the record, after the file check;
// ComError when the file fails it or the family's completeRecord refuses it.
// The record may be partly filled then, so callers read into a copy.
template <class Record>
void ReadResultRecord(
    const ResultFileFamily<Record>& family, const ResultFileFrame::ChannelLookup& lookup, Record& record)
{
    const PlotChannelData& settings = CheckResultFile(family, lookup);
    ReadResultValues(family.settings, settings, record);
    if (!family.results.empty())
        ReadResultValues(family.results, ResultFileFrame::required(lookup, ResultChannelName::Results), record);
    const AutoString tag = TagFromPoints(ResultFileFrame::required(lookup, ResultChannelName::TagName).ys);
    if (family.fileTag)
        record.*family.fileTag = tag;
    if (family.testDate)
        record.*family.testDate = AutoString(ResultFileDate(family.settings, settings));
    if (family.completeRecord)
        family.completeRecord(record, settings);
}

// The saver: proposes a name from the local time, asks where, replaces the
// hidden channels (dated by the record's test date, see ResultDateToSave)
// and writes the plot's data file there (through a temporary
// file, so a failure leaves what was there). Cancel writes nothing; a failure
// shows "File save error.".
template <class Record> void SaveResultFile(const ResultFileFamily<Record>& family, const Record& record, IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    const QDateTime now = TimerService::instance().localNow();
    const std::optional<QString> path = ResultFileFrame::askSavePath(family.saveTitle, family.saveFilter,
        family.extension, ProposedResultFileName(record.*family.tag, now, family.extension));
    if (!path)
        return;
    try {
        const ResultDate date = ResultDateToSave(
            family.testDate ? record.*family.testDate : AutoString(), TimerService::instance().localNow());
        std::optional<std::vector<double>> results;
        if (!family.results.empty())
            results = ResultValuesOf(family.results, record, date);
        std::vector<double> settings = ResultValuesOf(family.settings, record, date);
        if (family.completeSettings)
            family.completeSettings(record, settings);
        ResultFileFrame::writeHiddenChannels(plot, settings, results, record.*family.tag);
        plot->SaveDataFile(*path);
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

// The single-file loader: the file goes into a hidden scratch plot (of the
// page plot's kind) and a copy of the record, which `read` fills from the
// scratch plot (throwing ComError for a file it refuses); only when both are
// read does the page's plot take the file's channels and the record the
// values, and then `shown` lays the page's plot out for them. Cancel or a
// refused file ("File open error.") returns false with plot and record as
// they were.
template <class Scratch, class Record, class PlotPtr, class Read, class Shown>
bool LoadResultFileWith(
    const ResultFileFamily<Record>& family, Record& record, const PlotPtr& plot, Read read, Shown shown)
{
    ModuleStateGuard moduleState;
    const std::optional<QString> path
        = ResultFileFrame::askOpenPath(family.openTitle, family.openFilter, family.extension);
    if (!path)
        return false;
    try {
        Scratch scratch;
        scratch.LoadDataFile(*path);
        Record loaded = record;
        read(scratch, loaded);
        plot->LoadDataFrom(scratch);
        record = loaded;
        shown(plot, record);
        return true;
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen, family.openFailureCaption);
        return false;
    }
}

// The single-file loader of a family whose hidden channels say all it needs.
template <class Record> bool LoadResultFile(const ResultFileFamily<Record>& family, Record& record, IPlotPtr plot)
{
    return LoadResultFileWith<Plot>(
        family, record, plot,
        [&family](
            Plot& scratch, Record& loaded) { ReadResultRecord(family, ResultFileFrame::lookupIn(scratch), loaded); },
        [](const IPlotPtr&, const Record&) {});
}

// What the compare loaders show besides "File open error.".
namespace CompareLoadText
{
inline const QString LoadCaption = QStringLiteral("LOAD");
inline const QString MismatchedChannels = QStringLiteral("Failed to Load Channels due to mismatched settings.");
}

// A compare family's open dialog.
struct CompareFileDialog {
    QString title;
    QString filter; // as the pages write it: "(*.stp)|*.stp|"
    QString extension; // without the dot
};

// A file a compare loader opened and read: the chosen path, what the family
// read from it and, where the family reads it aside, the plot holding it.
template <class Values, class Aside = void> struct CompareFile {
    QString path;
    Values values;
    std::shared_ptr<Aside> aside;
};

// A compare loader's file: asks for it and reads it with `read`; nothing when
// the user cancelled or the file was refused with "File open error." (under
// `caption`). With no `Aside` the file goes into the page's scratch plot,
// emptied first. With a plot class as `Aside` it goes into a plot of that
// kind of its own, so a refused file leaves the scratch plot as it was; the
// loader gives it to the scratch plot when it takes the file.
template <class Aside = void, class Scratch, class Read>
auto OpenCompareFile(const CompareFileDialog& dialog, const Scratch& scratch, Read read,
    const std::optional<QString>& caption = std::nullopt)
    -> std::optional<CompareFile<decltype(read(std::declval<ResultFileFrame::ChannelLookup>())), Aside>>
{
    using File = CompareFile<decltype(read(std::declval<ResultFileFrame::ChannelLookup>())), Aside>;
    const std::optional<QString> path = ResultFileFrame::askOpenPath(dialog.title, dialog.filter, dialog.extension);
    if (!path)
        return std::nullopt;
    try {
        if constexpr (std::is_void_v<Aside>) {
            scratch->ClearAllData();
            scratch->LoadDataFile(*path);
            return File { *path, read(ResultFileFrame::lookupIn(*scratch)), nullptr };
        } else {
            const std::shared_ptr<Aside> plot = std::make_shared<Aside>();
            plot->LoadDataFile(*path);
            return File { *path, read(ResultFileFrame::lookupIn(*plot)), plot };
        }
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen, caption);
        return std::nullopt;
    }
}

// A compare loader's file of a family whose hidden channels say all it
// needs: asks for it, loads it into the compare page's scratch plot and reads
// its hidden channels into the record, whose fields change only when the
// whole file was read. The chosen path is given back for the page to show.
// Cancel or a refused file ("File open error.") returns false with the
// record as it was.
template <class Record>
bool LoadCompareResultFile(
    const ResultFileFamily<Record>& family, Record& record, IPlotPtr scratch, QString* chosenPath = nullptr)
{
    ModuleStateGuard moduleState;
    const auto file = OpenCompareFile(
        CompareFileDialog { family.openTitle, family.openFilter, family.extension }, scratch,
        [&](const ResultFileFrame::ChannelLookup& lookup) {
            Record loaded = record;
            ReadResultRecord(family, lookup, loaded);
            return loaded;
        },
        family.openFailureCaption);
    if (!file)
        return false;
    record = file->values;
    if (chosenPath)
        *chosenPath = file->path;
    return true;
}

// One value a compare record keeps of each file: file 1's member and file
// 2's, the file's value they take (a text, or none for the file's path; or a
// byte), and what a new comparison leaves in both before file 1 is taken
// (none: they keep what they hold until a file overwrites them).
template <class Record, class Values> struct CompareField {
    AutoString Record::*text[2] {};
    QString Values::*value = nullptr;
    const char* cleared = nullptr;
    uint8_t Record::*byte[2] {};
    uint8_t Values::*flag = nullptr;
    std::optional<uint8_t> clearedByte;
};

template <class Record, class Values>
CompareField<Record, Values> CompareTextField(
    AutoString Record::*first, AutoString Record::*second, QString Values::*value, const char* cleared = nullptr)
{
    return { { first, second }, value, cleared, {}, nullptr, std::nullopt };
}

template <class Record, class Values>
CompareField<Record, Values> ComparePathField(AutoString Record::*first, AutoString Record::*second)
{
    return CompareTextField<Record, Values>(first, second, nullptr, "");
}

template <class Record, class Values>
CompareField<Record, Values> CompareByteField(uint8_t Record::*first, uint8_t Record::*second, uint8_t Values::*flag,
    std::optional<uint8_t> cleared = std::nullopt)
{
    return { {}, nullptr, nullptr, { first, second }, flag, cleared };
}

template <class Record, class Values> using CompareRecordLayout = std::vector<CompareField<Record, Values>>;

// The fields of a step, partial stroke or ramp compare record that every
// file fills: its path, tag and date, emptied by a new comparison, and its
// start and stop positions, "0.0" then; followed by the family's `own`.
template <class Record, class Values>
CompareRecordLayout<Record, Values> CompareRecordWithPositions(
    AutoString Record::*path1, AutoString Record::*path2, std::initializer_list<CompareField<Record, Values>> own)
{
    using R = Record;
    using V = Values;
    CompareRecordLayout<R, V> fields {
        ComparePathField<R, V>(path1, path2),
        CompareTextField(&R::m_strTag1, &R::m_strTag2, &V::tag, ""),
        CompareTextField(&R::m_strTestDate1, &R::m_strTestDate2, &V::testDate, ""),
        CompareTextField(&R::m_strStartPosition1, &R::m_strStartPosition2, &V::start, "0.0"),
        CompareTextField(&R::m_strStopPosition1, &R::m_strStopPosition2, &V::stop, "0.0"),
    };
    fields.insert(fields.end(), own.begin(), own.end());
    return fields;
}

// A new comparison: both files' members that the layout clears.
template <class Record, class Values>
void ClearCompareRecord(Record& record, const CompareRecordLayout<Record, Values>& layout)
{
    for (const CompareField<Record, Values>& field : layout) {
        for (int k = 0; k < 2; ++k) {
            if (field.text[k] && field.cleared)
                record.*field.text[k] = AutoString(field.cleared);
            if (field.byte[k] && field.clearedByte)
                record.*field.byte[k] = *field.clearedByte;
        }
    }
}

// Puts file `which` (1 or 2): its path and values go into that file's members.
template <class Record, class Values, class Aside>
void PutCompareFile(Record& record, int which, const CompareFile<Values, Aside>& file,
    const CompareRecordLayout<Record, Values>& layout)
{
    const int k = which == 2 ? 1 : 0;
    for (const CompareField<Record, Values>& field : layout) {
        if (field.text[k])
            record.*field.text[k] = AutoString(field.value ? file.values.*field.value : file.path);
        if (field.byte[k])
            record.*field.byte[k] = file.values.*field.flag;
    }
}

// The pressure axis title of a compare plot: "Pressure [bar]".
inline QString ComparePressureAxisTitle(const QString& unitText)
{
    return QStringLiteral("Pressure [") + unitText + QLatin1Char(']');
}

// File 1 of a comparison, the file OpenCompareFile gave (nothing: the user
// cancelled or it was refused): clears the page's plot and what the layout
// clears of both files, then `fill` puts the file into the record and `draw`
// copies its channels; a failure on the way shows "File open error.".
template <class Record, class Values, class Aside, class PlotPtr, class Fill, class Draw>
bool TakeCompareFile1(const std::optional<CompareFile<Values, Aside>>& file, const PlotPtr& visible, Record& record,
    const CompareRecordLayout<Record, Values>& layout, Fill fill, Draw draw)
{
    if (!file)
        return false;
    try {
        visible->ClearAllData();
        ClearCompareRecord(record, layout);
        fill(*file);
        draw(*file);
        return true;
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen);
        return false;
    }
}

// What file 2's shared order shows when a step fails, and what it keeps.
struct CompareFile2Failures {
    // The caption of "File open error." when taking the file or finishing
    // the comparison fails.
    std::optional<QString> caption;
    // The box when file 2's channels cannot all be drawn.
    QString drawText = ExportFailureText::FileOpen;
    std::optional<QString> drawCaption;
    // The channels drawn so far stay and the comparison goes on to `finish`
    // with file 2; otherwise the record is put back as it was.
    bool drawFailureKeepsFile = false;
};

// File 2 of a comparison, the file OpenCompareFile gave (nothing: the user
// cancelled or it was refused), in the order the compare loaders keep: `take`
// puts the file into the record; when `sameSettings` says the settings differ
// the user is asked, and a refusal puts the record back as it was; then
// `draw` copies file 2's channels and `finish` lays the plot out. A failure
// puts the record back and shows its box, except where `failures` keeps a
// file whose channels could not all be drawn.
template <class Report, class Values, class Aside, class Take, class Same, class Draw>
bool TakeCompareFile2(const std::optional<CompareFile<Values, Aside>>& file, Report& report, QWidget* parent, Take take,
    Same sameSettings, Draw draw, const CompareFile2Failures& failures = {}, const std::function<void()>& finish = {})
{
    if (!file)
        return false;
    const Report before = report;
    try {
        take(*file);
    } catch (...) {
        report = before;
        ResultFileFrame::showFailure(ExportFailureText::FileOpen, failures.caption);
        return false;
    }
    if (!sameSettings() && !ContinueDespiteOtherSettings(parent)) {
        report = before;
        return false;
    }
    try {
        draw();
    } catch (...) {
        if (!failures.drawFailureKeepsFile)
            report = before;
        ResultFileFrame::showFailure(failures.drawText, failures.drawCaption);
        if (!failures.drawFailureKeepsFile)
            return false;
    }
    try {
        if (finish)
            finish();
        return true;
    } catch (...) {
        report = before;
        ResultFileFrame::showFailure(ExportFailureText::FileOpen, failures.caption);
        return false;
    }
}
