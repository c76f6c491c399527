#pragma once

#include "ReportDocument.h"
#include "automation/InterfacePtr.h"

#include <QVariant>
#include <QWidget>

#include <optional>

// The printer control ("ReportLib.Printer.1"): holds the document a report
// control rendered into it and prints it through the installed print
// backend (the default printer, or a recording stand-in in tests).
class PrinterControl : public QWidget
{
    Q_OBJECT

public:
    static const QString ProgId;

    explicit PrinterControl(QWidget* parent = nullptr);

    void setDocument(ReportDocument document);
    bool hasDocument() const { return m_document.has_value(); }

    // Prints the document with the defaults. The arguments are optional and
    // normally all left out (an invalid QVariant); a first argument that is
    // true lets the user choose the printer first. No document, no printer or
    // a failing printer raise ComError.
    void PrintDocument(
        const QVariant& choosePrinter = QVariant(), const QVariant& = QVariant(), const QVariant& = QVariant());

private:
    std::optional<ReportDocument> m_document;
};

using IPrinterPtr = InterfacePtr<PrinterControl>;
