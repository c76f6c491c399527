#include "CPressureDisablePage.h"

#include "CSerratK90ClipwellApp.h"

CPressureDisablePage::CPressureDisablePage(QWidget* parent)
    : StripPage(QStringLiteral("CPressureDisablePage"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Pressure Settings"));
}

void CPressureDisablePage::OnInitialUpdate()
{
    // The priorities are loaded here, once, at start-up: every page gets its
    // first update before any page is activated, and the model is known by then.
    theApp().LoadErrorDefinitions();
    StripPage::OnInitialUpdate();
    armStripTimer(FirstReadMs);
}
