#pragma once

#include "PrintBackend.h"
#include "ReportDocument.h"
#include "automation/ComError.h"

#include <optional>
#include <vector>

// A print backend for tests: keeps every document it is asked to print, or
// raises the failure a test set, as a missing printer would.
class RecordingPrintBackend : public PrintBackend
{
public:
    void print(const ReportDocument& document, bool choosePrinter, QWidget* owner) override;

    void failWith(std::optional<ComError> error) { m_failure = std::move(error); }
    const std::vector<ReportDocument>& printed() const { return m_printed; }
    const std::vector<bool>& printerChoiceAsked() const { return m_asked; }

private:
    std::vector<ReportDocument> m_printed;
    std::vector<bool> m_asked;
    std::optional<ComError> m_failure;
};
