#include "CPressureDisablePage.h"

#include "DeviceData.h"
#include "IndicatorColours.h"
#include "StatusStrip.h"

#include <QFont>
#include <QLabel>

CPressureDisablePage::CPressureDisablePage(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CPressureDisablePage"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    if (auto* heading = controlAs<QLabel>(HeadingId)) {
        QFont font = heading->font();
        font.setPointSize(12);
        font.setBold(true);
        heading->setFont(font);
    }
}

void CPressureDisablePage::OnInitialUpdate()
{
    // The priorities are loaded before the strip ever paints a status.
    context().LoadErrorDefinitions();
    StripPage::OnInitialUpdate();
    every(
        StatusTimerId, StatusMs, "OnTimer", [this] { OnStatusTimer(); }, FirstStatusMs);
}

void CPressureDisablePage::OnStatusTimer()
{
    RefreshStrip();
    // The evaluated status once more on the three controls: a lost link shows
    // red with "Loss of Communication", else the status and command source;
    // the active indicator's text takes the colour too.
    EvaluateStrip();
    if (const INumEditPtr& indicator = activeIndicator()) {
        indicator->setTextColor(data().Connected == 0 ? IndicatorColour::Red : context().strip().StatusLedColour);
    }
}
