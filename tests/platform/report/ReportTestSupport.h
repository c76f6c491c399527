#pragma once

#include "SwTest.h"
#include "report/ReportControl.h"

#include <QImage>
#include <QString>
#include <QStringList>

// Shared by the report tests: the shipped definitions, filling fields by
// section and key, sample pictures, and reading a PDF back with poppler.
namespace ReportTestSupport
{

// The folder of shipped definitions beside the test program.
QString dependenciesDir();
QString shippedDefinition(const QString& fileName);
// Test-only definitions kept beside this file.
QString fixtureDefinition(const QString& fileName);

void setText(const IReportPtr& report, const QString& section, const QString& key, const QString& text);
void setPicture(const IReportPtr& report, const QString& key, const QString& path);

// A plot-like picture (dark axes and curves on white) written to `path`.
void writeSamplePicture(const QString& path, QSize size = QSize(2000, 1060));

// pdftotext of one page (from 1), or of all pages when page is 0.
QString pdfText(const QString& pdf, int page = 0);
int pdfPages(const QString& pdf);
// The "Page size:" line of pdfinfo, e.g. "595 x 842 pts (A4)".
QString pdfPageSize(const QString& pdf);
// The first page rendered by pdftoppm at `dpi`, kept as `pngPath`.
QImage pdfFirstPageImage(const QString& pdf, const QString& pngPath, int dpi);
// Where rendered pictures are kept for people to look at.
QString artifactPath(const QString& fileName);

} // namespace ReportTestSupport
