#include "CPressureDisablePage.h"

#include "CSerratK90ClipwellApp.h"

CPressureDisablePage::CPressureDisablePage(QWidget* parent)
    : StripPage(QStringLiteral("CPressureDisablePage"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Pressure Settings"));
}

void CPressureDisablePage::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    theApp().LoadErrorDefinitions();
    armStripTimer(FirstReadMs);
}
