#pragma once

#include "ScriptedPrompts.h"

#include <QFile>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// The ways a compare page's open file may end without taking the file: the file dialog is
// cancelled, the file is one the page cannot read, or the user says no when the page asks
// about the file. Every compare page must keep what it showed before in each of them.
namespace CompareFileAttempts
{

enum class Attempt { Cancel, Refused, NoAtTheQuestion };

inline const char* name(Attempt attempt)
{
    switch (attempt) {
    case Attempt::Cancel:
        return "cancelled";
    case Attempt::Refused:
        return "refused";
    case Attempt::NoAtTheQuestion:
        return "no at the question";
    }
    return "";
}

// Writes a file no compare page can read; false where it could not be written.
inline bool writeJunk(const QString& path, const char* content)
{
    QFile bad(path);
    if (!bad.open(QIODevice::WriteOnly))
        return false;
    bad.write(content);
    return true;
}

// Scripts the answers of a cancelled or a refused open; the caller then opens the file.
inline void scriptNotAccepted(
    ScriptedPrompts& prompts, Attempt attempt, const QString& junk, const std::optional<QString>& title = std::nullopt)
{
    if (attempt == Attempt::Cancel) {
        prompts.answerFile(std::nullopt, title);
    } else {
        prompts.answerFile(junk, title);
        prompts.answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    }
}

struct FileTwoAttempt {
    bool withFile2;
    Attempt attempt;
    std::string what;
};

// Every attempt at file 2, first with no file 2 shown, then with one, each named
// ("no file 2, cancelled", "file 2 shown, refused", ...).
inline std::vector<FileTwoAttempt> fileTwoAttempts()
{
    std::vector<FileTwoAttempt> all;
    for (const bool withFile2 : { false, true }) {
        for (const Attempt attempt : { Attempt::Cancel, Attempt::Refused, Attempt::NoAtTheQuestion })
            all.push_back(
                { withFile2, attempt, std::string(withFile2 ? "file 2 shown, " : "no file 2, ") + name(attempt) });
    }
    return all;
}

}
