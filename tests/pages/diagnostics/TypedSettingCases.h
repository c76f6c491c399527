#pragma once

#include "ui/FormPage.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <initializer_list>
#include <vector>

// Texts that hold no number whatever a field's range: words, a number with
// more after it, hexadecimal, a decimal comma, not-a-number.
inline constexpr const char* NotANumberTexts[] = { "abc", "12abc", "0x20", "1,5", "nan" };

// A settings edit of a test page: its validity mark and the tip the mark
// gives while the edit is refused.
struct TypedSettingField {
    int edit;
    int mark;
    const char* tip;
};

// One text typed into one field, and what goes to the device when Start
// runs: its request as hex, or nothing when the field is to be marked.
struct TypedSettingCase {
    const TypedSettingField* field;
    const char* text;
    const char* sent; // nullptr: the mark shows and nothing is sent
};

// Every field with every text of NotANumberTexts, then the rows given.
inline std::vector<TypedSettingCase> typedSettingCases(
    std::initializer_list<const TypedSettingField*> fields, std::initializer_list<TypedSettingCase> more)
{
    std::vector<TypedSettingCase> cases;
    for (const TypedSettingField* field : fields) {
        for (const char* text : NotANumberTexts)
            cases.push_back({ field, text, nullptr });
    }
    cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

// Whether the mark shows the red "!" rather than the blank.
inline bool showsRefusedMark(FormPage& page, int mark)
{
    return page.controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(138).toImage();
}
inline bool showsBlankMark(FormPage& page, int mark)
{
    return page.controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(139).toImage();
}

// The user empties the edit and types `keys` one at a time: each key reaches
// the edit as it would from the keyboard, or is refused by it.
inline void typeKeys(FormPage& page, int edit, const char* keys)
{
    auto* line = page.controlAs<QLineEdit>(edit);
    line->clear();
    for (const char* key = keys; *key; ++key)
        line->insert(QString(QLatin1Char(*key)));
}

// Whether a log line names the refused text and what the field takes: the
// tip "Please enter whole numbers between 2 and 655" for the text "3.5" asks
// for "\"3.5\" is not one of the whole numbers between 2 and 655".
inline bool logNamesRefusedText(const QStringList& log, const char* text, const char* tip)
{
    const QString taken = QString::fromLatin1(tip).remove(QStringLiteral("Please enter "));
    const QString wanted = QStringLiteral("\"%1\" is not one of the %2").arg(QString::fromLatin1(text), taken);
    for (const QString& line : log) {
        if (line.contains(wanted))
            return true;
    }
    return false;
}
