#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class QIODevice;

// One model's error-definition file: one data line per device status, in file
// order (the n-th data line describes status n), TAB-separated fields of which
// the first is the status number, the fifth the mask class and the sixth the
// priority. Lines that begin with '/' are comments. The file comes from
// outside the program, so the parser takes whatever it is given: lines of any
// length, missing fields (0), and text where numbers belong (0).
struct ErrorDefinitionLine {
    int statusNumber = -1; // field 1; -1 when it does not begin with a number
    QString statusField; // field 1 as the file writes it
    int maskClass = 0; // field 5, clamped to 0..255
    int priority = 0; // field 6
};

class ErrorDefinitions
{
public:
    // No more data lines are kept than there are priorities.
    static constexpr int MaxLines = 100;

    // "SerratK40Errors.dlm" for the smaller model (device type 6), else the larger model's file.
    static QString fileName(int deviceType);

    static ErrorDefinitions parse(QIODevice& in);
    static ErrorDefinitions parse(const QByteArray& text);
    // An unreadable or missing file gives no lines; `opened` tells which it was.
    static ErrorDefinitions load(const QString& path, bool* opened = nullptr);

    const std::vector<ErrorDefinitionLine>& lines() const { return m_lines; }
    // The priority of a status number; 0 beyond the lines read.
    int priority(int status) const;

    // What a user who sees wrong alarm colours needs to find the cause: one
    // sentence naming `path` and the first data line that did not parse (an
    // empty line, bytes that are not text, fewer than six fields, text where
    // a number belongs, a mask class outside 0..255, a status number other
    // than its place, a line beyond the model's statuses), with the count of
    // data lines when it differs from the model's `statusCount`. Empty for a
    // sound file. The lines are read as above all the same.
    QString damage(const QString& path, int statusCount) const;

private:
    void addLine(const QByteArray& line, int fileLine);

    std::vector<ErrorDefinitionLine> m_lines;
    // The file line (from 1, comments counted) of each data line kept.
    std::vector<int> m_fileLines;
    // The first data line that did not parse, and why.
    int m_firstBadLine = -1;
    QString m_firstBadReason;
    // More data lines followed the last one kept.
    bool m_moreLines = false;
};
