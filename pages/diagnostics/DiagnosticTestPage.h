#pragma once

#include "StripPage.h"

#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <cstdint>
#include <optional>

// What the step, ramp and partial stroke test pages share: their hidden
// report and printer controls, the channel boxes' checked state and Compare,
// which leads to the page's compare page.
class DiagnosticTestPage : public StripPage
{
    Q_OBJECT

public:
    void OnCompare();

protected:
    DiagnosticTestPage(
        PageContext& context, const QString& name, int dialogId, int compareCode, QWidget* parent = nullptr);

    // The report and printer controls, hidden behind the page.
    void createReportControls(int reportHost, int reportId, int printerHost, int printerId);

    // Reads the test status byte and keeps it as the device's; while the test
    // runs `statusEdit` shows `runningText`. The byte once the test has ended;
    // nothing while it runs or when the reply was lost (the next tick asks again).
    std::optional<uint8_t> endedTestStatus(int statusEdit, const QString& runningText);

    bool checked(int boxId) const;
    void setChecked(int boxId, bool on);

    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;

private:
    const int m_compareCode;
};
