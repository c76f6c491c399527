#include "PrinterControl.h"

#include "PrintBackend.h"
#include "automation/ComError.h"
#include "ui/ControlRegistry.h"

const QString PrinterControl::ProgId = QStringLiteral("ReportLib.Printer.1");

namespace
{
const ControlRegistration registration(
    PrinterControl::ProgId, [](QWidget* parent) { return new PrinterControl(parent); });
}

PrinterControl::PrinterControl(QWidget* parent)
    : QWidget(parent)
{
}

void PrinterControl::setDocument(ReportDocument document)
{
    m_document = std::move(document);
}

void PrinterControl::PrintDocument(const QVariant& choosePrinter, const QVariant&, const QVariant&)
{
    if (!m_document)
        throw ComError(ComError::Failure, QStringLiteral("No document to print"));
    const bool ask = choosePrinter.isValid() && choosePrinter.toBool();
    PrintBackend::instance().print(*m_document, ask, this);
}
