#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <deque>
#include <vector>

// What one report of a definition file holds, in the file's layout units
// (twips, 1440 to the inch). Positions are relative to the top left corner
// of the item's section, which itself starts at the page margins.
struct ReportFont {
    QString family = QStringLiteral("DejaVu Sans");
    double pointSize = 9.0;
    bool bold = false;
};

enum class ReportItemKind { Text, Field, Picture, Line, Box };
enum class ReportAlign { Left, Center, Right };

struct ReportItem {
    ReportItemKind kind = ReportItemKind::Text;
    QString key; // fields and pictures; empty for static items and unnamed added fields
    QRect rect; // twips, relative to the section; a line runs from topLeft to bottomRight
    ReportFont font;
    ReportAlign align = ReportAlign::Left;
    QString text; // the definition's text, replaced by SetText
    bool expression = false; // only these fields evaluate the page expression
    bool singleLine = false; // one line, clipped to the field
    int lineWidth = 15; // lines and boxes, twips
    QImage picture; // set at run time

    bool isField() const { return kind == ReportItemKind::Field || kind == ReportItemKind::Picture; }
    // The bottom edge in the section, lines included.
    int bottom() const;
};

struct ReportSectionDefinition {
    QString name;
    int height = 0; // twips; a flowing section grows past it with its content
    // A deque keeps every item at its address while fields are added at run time.
    std::deque<ReportItem> items;

    // Repeated on every page rather than flowing with the content.
    bool isPageHeader() const { return name == QLatin1String("Page Header"); }
    bool isPageFooter() const { return name == QLatin1String("Page Footer"); }
    int contentBottom() const;
};

struct ReportPageSetup {
    QString paper = QStringLiteral("A4");
    QSize size { 11906, 16838 }; // twips, portrait A4
    int marginLeft = 300;
    int marginTop = 400;
    int marginRight = 300;
    int marginBottom = 400;

    QRect printable() const;
};

struct ReportDefinition {
    QString name;
    ReportPageSetup page;
    ReportFont font; // the report's default, used by fields added at run time
    std::vector<ReportSectionDefinition> sections;

    ReportSectionDefinition* section(const QString& name);
    const ReportSectionDefinition* section(const QString& name) const;

    // The report `reportName` of a definition file; raises ComError when the
    // file is missing, unreadable, malformed, not a report definition or
    // lacks that report.
    static ReportDefinition load(const QString& path, const QString& reportName);
    // The same from bytes already read; `source` names them in error texts.
    static ReportDefinition parse(
        const QByteArray& bytes, const QString& reportName, const QString& source = QString());
};
