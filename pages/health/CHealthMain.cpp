#include "CHealthMain.h"

#include "DeviceData.h"
#include "PageControls.h"

#include "controls/WinColor.h"

CHealthMain::CHealthMain(PageContext& context, QWidget* parent)
    : HubPage(context, QStringLiteral("CHealthMain"), DialogId, Template, NavigationButtons, ToolTips, parent)
{
}

void CHealthMain::createBars()
{
    for (int column = 0; column < ColumnCount; ++column) {
        const BarColumn& kind = BarColumns[column];
        for (int row = 0; row < HealthHubRules::RowCount; ++row) {
            const int id = FirstBarId + column * HealthHubRules::RowCount + row;
            ILinearGaugePtr gauge
                = CreateLinearGauge(this, controlScreenRect(kind.hosts[row]), id, 100.0, context().log());
            m_pBars[static_cast<size_t>(column * HealthHubRules::RowCount + row)] = gauge;
            if (!gauge)
                continue;
            gauge->setStyle(LinearGauge::Style::Fill);
            gauge->setIndicatorColor(kind.colour);
            gauge->setSegmentCount(kind.segments);
            gauge->setBackgroundColor(WinColor::ButtonFace);
            gauge->setValue(column == Healthy ? 100.0 : 0.0);
        }
    }
}

void CHealthMain::ActivatePage()
{
    StripPage::ActivatePage();
    every(
        WorstCaseTimerId, WorstCaseMs, "RefreshWorstCaseGauges", [this] { RefreshWorstCaseGauges(); }, FirstReadMs);
}

void CHealthMain::RefreshWorstCaseGauges()
{
    // Without a reply the bars show the words of the last one.
    read(HartCommand::ReadWorstCase);
    // The healthy bars stay full from their creation on.
    for (int row = 0; row < HealthHubRules::RowCount; ++row) {
        const uint16_t word = data().WorstCase[static_cast<size_t>(HealthHubRules::worstCaseWordOfRow(row))];
        const HealthHubRules::RowBars bars = HealthHubRules::rowBars(row, word);
        bar(row, Alarm)->setValue(bars.alarm);
        bar(row, Warning)->setValue(bars.warning);
    }
}
