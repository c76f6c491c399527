#include "AlarmPageTest.h"

#include "CNavigationView.h"

#include <QAbstractButton>

namespace
{
using P = CAlarmsView;
}

class AlarmsHubTest : public AlarmPageTest
{
protected:
};

TEST_F(AlarmsHubTest, EachButtonSelectsItsTreeItemAndStopsTheHubsTimer)
{
    startOn(K90Path);
    const std::pair<int, int> buttons[] = { { P::DashboardButton, 1 }, { P::HealthButton, 3 },
        { P::DiagnosticButton, 4 }, { P::CalibrationButton, 5 }, { P::ConfigurationButton, 6 },
        { P::AlarmStatusButton, 21 }, { P::AnnunciatorButton, 22 }, { P::AlarmConfigurationButton, 23 } };
    for (const auto& [button, code] : buttons) {
        select(HubCode);
        EXPECT_TRUE(hub().timerArmed(StripPage::StripTimerId));
        hub().controlAs<QAbstractButton>(button)->click();
        processEvents();
        EXPECT_EQ(tree().selectedPageCode(), code) << button;
        EXPECT_FALSE(hub().timerArmed(StripPage::StripTimerId)) << button;
    }
    select(HubCode);
    auto* alarms = hub().controlAs<QAbstractButton>(P::AlarmsButton);
    EXPECT_FALSE(alarms->isEnabled());
    EXPECT_EQ(alarms->toolTip(), QStringLiteral("Go to the Alarms page."));
}

TEST_F(AlarmsHubTest, HealthOnASmallerModelWithoutTheHealthBranchDoesNothing)
{
    startOn(K40Path);
    device(K40Path).setMiscByte(0x28, 0x00);
    tree().OnInitialUpdate();
    select(HubCode);
    auto* health = hub().controlAs<QAbstractButton>(P::HealthButton);
    EXPECT_TRUE(health->isEnabled());
    health->click();
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), HubCode);
    EXPECT_TRUE(hub().timerArmed(StripPage::StripTimerId));
}
