#pragma once

#include <QString>
#include <QStringList>

// The program's command line: "/dPATH" (or "-dPATH") gives the device item
// path, "/sMACHINE" (or "-sMACHINE") the OPC server machine; a later switch of
// the same letter replaces an earlier one, unknown switches are ignored and
// the letters are case-sensitive. Any parameter that is not a switch is an
// error: the program then ends.
class CMyCCommandLineInfo
{
public:
    // Takes one switch without its leading '/' or '-'.
    void ParseParam(const QString& param);

    // Parses every parameter (without the program name). False when one is
    // not a switch; `badParameter` then names it.
    bool ParseCommandLine(const QStringList& arguments, QString* badParameter = nullptr);

    static QString usage();

    QString m_strDevicePath;
    QString m_strServerMachine;
};
