#pragma once

#include "AppLog.h"

#include "controls/LedRound.h"
#include "controls/LinearGauge.h"
#include "ui/FormPage.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <span>

// What pages share when they lay out their captions, and the program's own
// control factories that several pages use.
namespace PageControls
{

// A template text written as Latin-1.
inline QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

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

// One "Implications and Possible Solutions" button of a health page and the
// two texts it shows.
struct HelpRow {
    int button;
    const char* implications;
    const char* solutions;
};

// The help button `buttonId` was clicked: when it is checked and has a row,
// its two texts fill the implications and solutions boxes. False otherwise.
bool showHelpRow(FormPage* page, int buttonId, std::span<const HelpRow> rows, int implicationsEdit, int solutionsEdit);

} // namespace PageControls

// A round LED over the placeholder's screen rectangle: lit in red, unlit in
// green, without border, lit. Empty, with a log line, when it cannot be created.
ILedRoundPtr CreateRoundLed(FormPage* page, const QRect& screenRect, int id, const AppLog& log);

// A linear gauge over the placeholder's screen rectangle, from 0 to `maximum`,
// with the factory's defaults, a green bar and no soft-limit band; pointer 0
// shows the live value in green and cannot be dragged. Empty, with a log
// line, when it cannot be created.
ILinearGaugePtr CreateLinearGauge(FormPage* page, const QRect& screenRect, int id, double maximum, const AppLog& log);
