#pragma once

#include "ui/ControlSpec.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class FormPage;
struct PageTemplate;

// What the compare pages (step, partial stroke, ramp and HDRL) share: the
// control ids of the "File Information" block and the block itself, which a
// compare page puts at the top of its template with fileInformationControls().
namespace ComparePageKit
{

// The ids of the block, the same on every compare page; a page names them in
// its own id list (FileGroup = ComparePageKit::FileGroup).
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
};

// The "File Information" group at the page's top left, `groupWidth` by
// `groupHeight` dialog units: per file its open button ("1...", "2...") and
// the read-only tag name, file date and filename edits, which run to 3 units
// short of the group's right edge. `openFile2Style` is the style of the
// "2..." button (a page that starts with it disabled says so).
std::vector<ControlSpec> fileInformationControls(int groupWidth, int groupHeight, unsigned openFile2Style = 0);

// Fills file `file`'s (1 or 2) tag name, file date and filename edits.
void showFileIdentity(FormPage& page, int file, const QString& tag, const QString& date, const QString& fileName);

// The column captions "1" and "2" of a compare page stand out in bold.
void boldCaptions(FormPage& page, std::initializer_list<int> captionIds);

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

} // namespace ComparePageKit
