#include "DiagnosticTestPage.h"

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
