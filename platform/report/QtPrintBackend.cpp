#include "QtPrintBackend.h"

#include "ReportDocument.h"
#include "ReportPainter.h"
#include "automation/ComError.h"
#include "ui/Prompts.h"

#include <QPrinter>
#include <QPrinterInfo>

void QtPrintBackend::print(const ReportDocument& document, bool choosePrinter, QWidget* owner)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!choosePrinter && defaultPrinter.isNull())
        throw ComError(ComError::Failure, QStringLiteral("No printer is available"));
    QPrinter printer(QPrinter::HighResolution);
    if (!defaultPrinter.isNull())
        printer.setPrinterName(defaultPrinter.printerName());
    if (choosePrinter && !Prompts::instance().choosePrinter(printer, owner))
        return;
    if (!printer.isValid())
        throw ComError(ComError::Failure, QStringLiteral("No printer is available"));
    // The definition's margins place everything; the paper's corner is the origin.
    printer.setFullPage(true);
    const QPageLayout paper = document.pageLayout();
    printer.setPageOrientation(paper.orientation());
    printer.setPageSize(paper.pageSize());
    printer.setDocName(document.title);
    ReportPainter::paint(document, printer);
}
