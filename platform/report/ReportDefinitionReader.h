#pragma once

#include "ReportDefinition.h"

#include <QXmlStreamReader>

// Reads one report out of a definition file (the format is described in
// README.md beside this file). Strict: anything it does not know, a number
// out of range or a duplicate name makes the whole file unusable, so a
// mistake in a definition shows at load time rather than as a missing line
// on paper.
class ReportDefinitionReader
{
public:
    ReportDefinitionReader(const QByteArray& bytes, QString source);

    // Raises ComError (Failure) with a text naming the source and the line.
    ReportDefinition read(const QString& reportName);

private:
    bool readReport(ReportDefinition& out, bool wanted);
    void readPage(ReportPageSetup& page);
    ReportFont readFont(const ReportFont& inherited);
    void readSection(ReportDefinition& report);
    ReportItem readItem(const ReportDefinition& report);
    QRect readRect();
    QRect readLine();
    int twips(const char* name, int fallback = -1, int minimum = 0);
    bool flag(const char* name, bool fallback);
    ReportAlign align();
    void skipElement();
    [[noreturn]] void fail(const QString& what) const;

    QXmlStreamReader m_xml;
    QString m_source;
};
