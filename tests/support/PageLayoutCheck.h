#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

// What a user sees wrong in a page's layout, found from the texts its
// controls actually draw (each control is painted into a recorder that keeps
// every text with its font's box, where it lands on the page):
// - a text cut: a label's, button's, check box's or group title's text, or a
//   text an instrument paints (a scale label, a status text), that runs past
//   the control's own rectangle;
// - texts run together: a text of one control over another control that
//   carries text (a label's or instrument's texts, a button, an edit), or two
//   texts of one instrument over each other (scale labels).
// A group box only carries its title: the controls it frames are not over it.
// - a control covered: an enabled control that takes clicks with another
//   widget stacked above it (a control created over a hidden placeholder
//   draws nothing, yet takes every click on the part it covers).
namespace PageLayoutCheck
{

enum Kind : unsigned {
    Cut = 1u << 0, // a text that runs past its control's rectangle
    Overlap = 1u << 1, // a text of one control over another control
    RunTogether = 1u << 2, // two texts of one instrument over or against each other
    AllKinds = Cut | Overlap | RunTogether,
    // Asked for on its own: an enabled control under another one, which
    // takes the clicks meant for it.
    Covered = 1u << 3,
};

// One line per fault of the kinds asked for, naming the controls by id and
// text; empty when none.
QStringList faults(const QWidget& page, unsigned kinds = AllKinds);

// The texts a widget paints (not its children's), each with its box in the
// widget's own pixels.
struct DrawnText {
    QString text;
    QRectF box;
    QRectF ink; // where its glyphs stand, from the highest to the lowest
};
std::vector<DrawnText> drawnTexts(QWidget& widget);

} // namespace PageLayoutCheck
