#pragma once

#include "PrinterControl.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"
#include "ReportSections.h"

#include <QWidget>

#include <memory>

// The report control ("ReportLib.Report.1"): loads one report of a
// definition file, lets its fields be filled by section and key, and renders
// it to a PDF file or into a printer control's document. Every failure
// raises ComError.
class ReportControl : public QWidget
{
    Q_OBJECT

public:
    static const QString ProgId;
    // The only render format: PDF.
    static constexpr int FormatPdf = 4;

    explicit ReportControl(QWidget* parent = nullptr);
    ~ReportControl() override;

    // Loads the report `reportName` ("New Report") of the definition file at
    // `path`. The previous report, and every section and field reached
    // through it, is gone even when the load fails.
    void LoadReport(const QString& path, const QString& reportName);
    IReportSectionsPtr Sections() const;

    // Writes the whole report to `path` (relative paths from the current
    // folder). The file is replaced only once it is complete: a failure
    // leaves what was there before.
    void RenderToFile(const QString& path, int format);
    // Lays the report into the printer control's document.
    void Render(const IPrinterPtr& printer) const;

    // The report as it would print now.
    ReportDocument layoutDocument() const;
    const ReportDefinition& definition() const;

private:
    std::unique_ptr<ReportDefinition> m_definition;
    ReportSections* m_sections = nullptr;
};

using IReportPtr = InterfacePtr<ReportControl>;
