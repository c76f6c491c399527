#pragma once

#include "FieldRange.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

class KitPage;

// The typed limits of a health page, each an edit with a validity mark beside
// it. An edit's text counts only when the whole of it is one number in the
// limit's range, on the step the device keeps it in: anything else is marked
// (the red "!" with a tip naming the range and the step) when the user leaves
// the edit or a command needs it, and that command then writes nothing, so no
// value reaches the device but the one the user sees. A mark clears as soon as
// its edit holds a number in the range again, typed by the user or shown by
// the page.
class LimitFieldMarks
{
public:
    struct Field {
        int edit;
        int mark; // 0 for an edit the page alone fills: checked, never marked
        FieldRange range;
        QString name; // the limit as the log names it: "the cycle full warning"
    };

    explicit LimitFieldMarks(KitPage& page);

    // Takes the fields and follows their edits' text (from OnInitialUpdate).
    void add(std::span<const Field> fields);
    // A range that follows the device's units.
    void setRange(int edit, const FieldRange& range);
    // The page showed the device's own value in the edit: the range takes it
    // in, so that a value the user leaves as it came goes back as it came,
    // even one the page would not take from the user.
    void shown(int edit, double value);
    // The page put a value of its own in the edit (a spin's, a pointer's, the
    // device's): while the edit holds that text it is taken as it stands,
    // whatever its step. Only what the user types must be on the step.
    void pageText(int edit);
    const FieldRange& range(int edit) const;

    // The edit's number when it is one in the range; otherwise nothing, and
    // its mark shows.
    std::optional<double> check(int edit);
    // Checks every edit (each wrong one marked). When one is wrong, writes
    // "<command> not sent: <name> is not one of the whole numbers between
    // <least> and <most>" (the range as the tip names it) to the log for the
    // first of them and gives false.
    bool checkAll(const std::vector<int>& edits, const char* command);
    // The mark cleared: the page put a value of its own in the edit.
    void clear(int edit);

private:
    struct Kept {
        Field field; // its range as it stands
        FieldRange own; // the range the page takes from the user
        QString pageText; // the text the page last put in the edit
    };
    std::optional<double> taken(const Kept& each) const;
    const Field* field(int edit) const;
    const Kept* kept(int edit) const;
    Kept* kept(int edit);
    void show(const Field& field, bool valid);

    KitPage& m_page;
    std::vector<Kept> m_fields;
};
