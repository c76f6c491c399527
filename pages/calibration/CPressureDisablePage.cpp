#include "CPressureDisablePage.h"

CPressureDisablePage::CPressureDisablePage(PageContext& context, QWidget* parent)
    : ShellPage(context, QStringLiteral("CPressureDisablePage"), { DialogId, "Pressure Settings" }, parent)
{
}

void CPressureDisablePage::OnInitialUpdate()
{
    // The priorities are loaded here, once, at start-up: every page gets its
    // first update before any page is activated, and the model is known by then.
    context().LoadErrorDefinitions();
    StripPage::OnInitialUpdate();
    armStripTimer(FirstReadMs);
}
