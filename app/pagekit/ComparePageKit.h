#pragma once

#include "automation/AutoString.h"
#include "ui/ControlSpec.h"
#include "ui/FormPage.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

struct PageTemplate;

// What the compare pages (step, partial stroke, ramp and HDRL) share: the
// control ids of the "File Information" block and the block itself, which a
// compare page puts at the top of its template with fileInformationControls().
namespace ComparePageKit
{

// The ids of the block, the same on every compare page; a page names them in
// its own id enum with COMPARE_PAGE_SHARED_IDS.
enum : int {
    FileGroup = 1023,
    OpenFile1Button = 1108,
    OpenFile2Button = 1110,
    Tag1Edit = 899,
    Date1Edit = 909,
    File1Edit = 1109,
    Tag2Edit = 910,
    Date2Edit = 914,
    File2Edit = 1111,
    // Print Report, below the plot, named here for the no-file reset.
    PrintButton = 771,
    BackButton = 431,
    // The picture of the black delta sign over a difference column.
    DeltaPicture = 148,
};

} // namespace ComparePageKit

// The ids above, as a compare page names them in its own id enum, so that
// every id of the page is of one type (a page's ids go together in lists).
#define COMPARE_PAGE_SHARED_IDS                                                                                        \
    FileGroup = ComparePageKit::FileGroup, OpenFile1Button = ComparePageKit::OpenFile1Button,                          \
    OpenFile2Button = ComparePageKit::OpenFile2Button, Tag1Edit = ComparePageKit::Tag1Edit,                            \
    Date1Edit = ComparePageKit::Date1Edit, File1Edit = ComparePageKit::File1Edit, Tag2Edit = ComparePageKit::Tag2Edit, \
    Date2Edit = ComparePageKit::Date2Edit, File2Edit = ComparePageKit::File2Edit,                                      \
    PrintButton = ComparePageKit::PrintButton, BackButton = ComparePageKit::BackButton

namespace ComparePageKit
{

// The "File Information" group at the page's top left, `groupWidth` by
// `groupHeight` dialog units: per file its open button ("1...", "2...") and
// the read-only tag name, file date and filename edits, which run to 3 units
// short of the group's right edge. `openFile2Style` is the style of the
// "2..." button (a page that starts with it disabled says so).
std::vector<ControlSpec> fileInformationControls(int groupWidth, int groupHeight, unsigned openFile2Style = 0);

// The plot of a 544 units wide compare page, 331 by 312 units at the right,
// with Back and Print Report (of style `printStyle`) below it and, between
// them, the hidden placeholders of the scratch plot (`scratchWidth` by
// `scratchHeight`), the report and the printer.
std::vector<ControlSpec> plotAndButtons(int plotFrame, int scratchHost, int reportHost, int printerHost,
    unsigned printStyle = 0, int scratchWidth = 10, int scratchHeight = 10);

// Where the columns of a side-by-side table stand, in dialog units: the
// labels from x 9, `labelWidth` wide; the read-only edits of file 1 from
// `firstX`, of file 2 and of the difference each 2 units after the one
// before, `editWidth` wide; the unit from `unitX`, `unitWidth` wide.
struct ValueColumns {
    int labelWidth;
    int firstX;
    int editWidth;
    int unitX;
    int unitWidth;
};

// One row of such a table: its label (null: none), the edits of file 1, file
// 2 and the difference (-1: none), and the unit after them (null text and id
// -1: none; a unit with an id and no text is filled later).
struct ValueRow {
    const char* label;
    int first;
    int second;
    int difference = -1;
    const char* unit = nullptr;
    int unitId = -1;
};

// Appends the rows, the first with its edits' top at `y`, each `rowStep`
// below the one before: per row the label, the edits and the unit.
void appendValueRows(std::vector<ControlSpec>& specs, const ValueColumns& columns, int y, int rowStep,
    std::initializer_list<ValueRow> rows);

// The captions "1" and "2" over the two file columns of a table, centred in
// `width` units from `x1` and `x2`, and, with `deltaX`, the delta sign over
// the difference column.
std::vector<ControlSpec> columnCaptions(
    int caption1, int caption2, int x1, int x2, int y, int width, std::optional<int> deltaX = std::nullopt);

// The column captions "1" and "2" of a compare page stand out in bold.
void boldCaptions(FormPage& page, std::span<const int> captionIds);

// Whether a channel box is ticked (a missing box is not), and ticking it.
bool isChecked(const FormPage& page, int boxId);
void setChecked(FormPage& page, int boxId, bool on);

// The ids of the edits of a page template, in template order.
std::vector<int> editIds(const PageTemplate& page);

// Whether the reset to the no-file state leaves the channel boxes enabled or
// only unticks them.
enum class NoFileBoxes { UntickAndEnable, Untick };

// The page as before any file, after its plot is emptied: `edits` empty, the
// `boxes` unticked (and enabled where `how` says), then `showEmptyView` puts
// the page's own view back, and neither "2..." nor Print Report is to be had.
void showNoFile(FormPage& page, std::span<const int> edits, std::span<const int> boxes, NoFileBoxes how,
    const std::function<void()>& showEmptyView);

// A value of the record shown side by side: file 1's and file 2's edits
// and, where the page shows one, the edit of their difference, each with the
// record text it shows (an id of -1 and a null text where there is none).
// `shown` turns the record text into what the edit shows (null: as it is).
template <class Record> struct FileField {
    int edits[3];
    AutoString Record::*texts[3];
    QString (*shown)(const QString&) = nullptr;
};

// The tag name and file date rows every compare record has, and the filename
// row of a record that names its files m_strFileName1 and m_strFileName2.
template <class Record>
constexpr FileField<Record> TagField { { Tag1Edit, Tag2Edit, -1 },
    { &Record::m_strTag1, &Record::m_strTag2, nullptr } };
template <class Record>
constexpr FileField<Record> DateField { { Date1Edit, Date2Edit, -1 },
    { &Record::m_strTestDate1, &Record::m_strTestDate2, nullptr } };
template <class Record>
constexpr FileField<Record> FileNameField { { File1Edit, File2Edit, -1 },
    { &Record::m_strFileName1, &Record::m_strFileName2, nullptr } };

// Fills the edits of file `file` (1 or 2) from the record; with `file` 0,
// the differences.
template <class Record, class Fields>
void showFileFields(FormPage& page, const Record& record, const Fields& fields, int file)
{
    const int slot = file == 0 ? 2 : file - 1;
    for (const FileField<Record>& field : fields) {
        if (field.edits[slot] < 0)
            continue;
        const QString text = (record.*field.texts[slot]).toQString();
        page.setWindowText(field.edits[slot], field.shown ? field.shown(text) : text);
    }
}

// Empties the edits of file `file` (1 or 2).
template <class Record, class Fields> void clearFileFields(FormPage& page, const Fields& fields, int file)
{
    for (const FileField<Record>& field : fields) {
        if (field.edits[file - 1] >= 0)
            page.setWindowText(field.edits[file - 1], QString());
    }
}

// The record takes what every edit of the fields shows.
template <class Record, class Fields> void readFileFields(const FormPage& page, Record& record, const Fields& fields)
{
    for (const FileField<Record>& field : fields) {
        for (int slot = 0; slot < 3; ++slot) {
            if (field.edits[slot] >= 0)
                record.*field.texts[slot] = AutoString(page.windowText(field.edits[slot]));
        }
    }
}

// A flag of the record shown as a yes or a no in each file's edit.
template <class Record> struct FileFlag {
    int edits[2];
    uint8_t Record::*flags[2];
};

// The words a page shows for a set and a clear flag.
struct YesNo {
    const char* yes;
    const char* no;
};

template <class Record, class Flags>
void showFileFlags(FormPage& page, const Record& record, const Flags& flags, int file, YesNo words)
{
    for (const FileFlag<Record>& flag : flags)
        page.setWindowText(
            flag.edits[file - 1], QString::fromLatin1(record.*flag.flags[file - 1] ? words.yes : words.no));
}

template <class Record, class Flags> void clearFileFlags(FormPage& page, const Flags& flags, int file)
{
    for (const FileFlag<Record>& flag : flags)
        page.setWindowText(flag.edits[file - 1], QString());
}

// The record's flags are set where their edits show the yes word.
template <class Record, class Flags>
void readFileFlags(const FormPage& page, Record& record, const Flags& flags, YesNo words)
{
    for (const FileFlag<Record>& flag : flags) {
        for (int slot = 0; slot < 2; ++slot)
            record.*flag.flags[slot] = page.windowText(flag.edits[slot]) == QString::fromLatin1(words.yes) ? 1 : 0;
    }
}

} // namespace ComparePageKit
