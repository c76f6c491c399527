#include "DiagnosticTestPage.h"

#include "DeviceData.h"
#include "MiscAccessors.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include <QAbstractButton>

DiagnosticTestPage::DiagnosticTestPage(
    PageContext& context, const QString& name, int dialogId, int compareCode, QWidget* parent)
    : StripPage(context, name, dialogId, StripTimer::OnActivation, parent)
    , m_compareCode(compareCode)
{
}

void DiagnosticTestPage::OnCompare()
{
    context().SelectPageCode(m_compareCode);
}

void DiagnosticTestPage::createReportControls(int reportHost, int reportId, int printerHost, int printerId)
{
    const TellboxImports& imports = context().imports();
    CreateTestPageControl(this, imports.CreateReportControl, reportHost, reportId, m_pReport, ControlWindow::Hidden);
    CreateTestPageControl(
        this, imports.CreatePrintControl, printerHost, printerId, m_pPrinter, ControlWindow::Hidden);
}

std::optional<uint8_t> DiagnosticTestPage::endedTestStatus(int statusEdit, const QString& runningText)
{
    constexpr uint8_t TestRunningBit = 0x01;
    bool ok = false;
    const uint8_t status = context().misc().ReadMiscByte92(&ok);
    // A lost or misaddressed reply says nothing about the test: ask again at
    // the next tick.
    if (!ok)
        return std::nullopt;
    data().TestStatus() = status;
    if (status & TestRunningBit) {
        setWindowText(statusEdit, runningText);
        return std::nullopt;
    }
    return status;
}

bool DiagnosticTestPage::checked(int boxId) const
{
    const auto* box = controlAs<QAbstractButton>(boxId);
    return box && box->isChecked();
}

void DiagnosticTestPage::setChecked(int boxId, bool on)
{
    if (auto* box = controlAs<QAbstractButton>(boxId))
        box->setChecked(on);
}
