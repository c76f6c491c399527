#pragma once

#include "CSerratK90ClipwellApp.h"
#include "ProgramControlFactory.h"

#include "automation/InterfacePtr.h"
#include "ui/ControlSpec.h"
#include "ui/FormPage.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What the dashboard and the health pages share when they lay out and
// create their controls.
namespace PageControls
{

// Creates the registered control `progId` over the hidden placeholder
// `placeholderId` of `page`, visible, with the child id `id`, sized to the
// placeholder. Empty (with the log line, no message box) when the control
// cannot be created.
template <class T> InterfacePtr<T> create(FormPage* page, const QString& progId, int placeholderId, int id)
{
    return ProgramControlFactory::create<T>(page, progId, page->controlScreenRect(placeholderId), id, theApp().log());
}

// The indicator colours every page uses (Windows colour values, 0x00BBGGRR):
// in range or healthy, warning, alarm, high or full warning.
constexpr uint32_t Green = 0x00FF00;
constexpr uint32_t Yellow = 0x00FFFF;
constexpr uint32_t Red = 0x0A0AFF;
constexpr uint32_t Orange = 0x3366FF;
constexpr uint32_t Grey = 0x808080;
constexpr uint32_t Black = 0x000000;

// The device data block the pages read and fill.
inline DeviceData& deviceData()
{
    return theApp().deviceData();
}

// A template text written as Latin-1.
inline QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

// The status strip of the health pages: the three hidden placeholders along
// the top edge and the labels "Active Indicator:" and "Command Source:".
std::vector<ControlSpec> stripTemplate();

// The template's rectangles were drawn for a narrower dialog font: a
// one-line label or a radio button whose caption is wider than its rectangle
// gets a smaller font instead of losing the caption's end.
void fitLabels(FormPage* page);

// A one-line caption that the page changes while it runs: shown in the
// page's font when it fits, else in a smaller one, never cut off.
void setCaption(FormPage* page, int id, const QString& caption);

// A narrow read-only edit whose texts are known beforehand: its font is made
// small enough for the widest of them, so no text loses its start.
void fitEdit(FormPage* page, int id, const QStringList& texts);

} // namespace PageControls
