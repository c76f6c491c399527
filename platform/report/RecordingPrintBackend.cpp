#include "RecordingPrintBackend.h"

void RecordingPrintBackend::print(const ReportDocument& document, bool choosePrinter, QWidget*)
{
    if (m_failure)
        throw *m_failure;
    m_printed.push_back(document);
    m_asked.push_back(choosePrinter);
}
