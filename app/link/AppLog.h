#pragma once

#include <QString>

// The program's one log file, appended to by the application core and the
// pages: one time-stamped line per event. The file is opened and closed for
// every line, never truncated or rotated; a line that cannot be written is
// dropped and the caller goes on.
class AppLog
{
public:
    // ${XDG_STATE_HOME:-$HOME/.local/state}/Hollenby/Castovane
    static QString folder();
    // folder() + "/SerratXDClipwellLog.txt"
    static QString filePath();

    // Appends "<stamp>    <text>\n"; the stamp is the local time as
    // "yyyymmdd-hhmmss-mmm" from the installed clock.
    void WriteLog(const QString& text) const;

    // The line as written, without its line end.
    static QString formatLine(const QString& text);
};
