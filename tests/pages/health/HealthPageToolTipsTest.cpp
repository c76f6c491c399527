#include "HealthPageTest.h"

#include <QWidget>

namespace
{
// Every tooltip of a page, by control id.
std::map<int, QString> toolTips(const FormPage& page)
{
    std::map<int, QString> tips;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const int id = FormPage::idOf(widget);
        if (id > 0 && !widget->toolTip().isEmpty())
            tips[id] = widget->toolTip();
    }
    return tips;
}
}

using HealthPageToolTipsTest = HealthPageTest;

TEST_F(HealthPageToolTipsTest, EachControlOfTheHealthPagesCarriesItsTip)
{
    startK90();
    struct Case {
        const FormPage* page;
        int id;
        const char* tip;
    };
    const Case cases[] = {
        { &dashboard(), StripPage::LedId, "LED status" },
        { &dashboard(), StripPage::SourceId,
            "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
        { &dashboard(), CAdvDashboard::SpareEditId, "Spare Dip Switch selection." },
        { &dashboard(), CAdvDashboard::FirstHealthLampId + 3, "Process Control health indicator." },
        { &dashboard(), CAdvDashboard::FirstHealthLampId + 4 + 1, "Positioner health indicator." },
        { &dashboard(), CAdvDashboard::FirstHealthLampId + 8 + 2, "Actuator health indicator." },
        { &actuatorHealth(), StripPage::ActiveId,
            "Active Indicator displays the highest priority active status indicator and its respective number." },
        { &actuatorHealth(), CActuatorHealth::InitialWarningEdit,
            "Display the value of the LOW WARNING limit. You can change the value here or by changing it on the gauge "
            "above." },
        { &actuatorHealth(), CActuatorHealth::Port2Button,
            "Select this button to display the Implications and Possible Solutions related to Port 2 Pressure Sensor "
            "(See boxes to your right)." },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.page->control(c.id)->toolTip(), QLatin1String(c.tip)) << c.id;
    EXPECT_EQ(toolTips(dashboard()).size(), 39u) << "the strip's three, 24 controls and the 12 lamps";
    EXPECT_EQ(toolTips(actuatorHealth()).size(), 28u) << "the strip's three and 25 controls";
}

TEST_F(HealthPageToolTipsTest, EachControlOfTheFrictionTolerancePageCarriesItsTip)
{
    startK90();
    using Page = CValveHealthToleranceSettings;
    const Page& tolerance = page<Page>();
    struct Case {
        int id;
        const char* tip;
    };
    const Case cases[] = {
        { StripPage::LedId, "LED status" },
        { Page::LowAlarmSpin,
            "Display the value of the LOW ALARM limit.  You can change the value here; or, change it on the gauge "
            "above." },
        { Page::HighAlarmEdit,
            "Display the value of the HIGH ALARM limit. You can change the value here or by changing it on the gauge "
            "above." },
        { Page::NoLimitsButton,
            "Select this button to display Information related to setting No tolerance friction limits (See box to "
            "your right for information)." },
        { Page::ActuatorSizeEdit, "Approximate actuator area in in\u00B2" },
        { Page::ApplyButton, "Saves your changes to device." },
    };
    for (const Case& c : cases)
        EXPECT_EQ(tolerance.control(c.id)->toolTip(), QString::fromUtf8(c.tip)) << c.id;
    EXPECT_TRUE(tolerance.control(Page::FrictionGaugeId)->toolTip().isEmpty());
    EXPECT_EQ(toolTips(tolerance).size(), 21u) << "the strip's three and 18 controls";
}

TEST_F(HealthPageToolTipsTest, EachControlOfTheValveHealthPageCarriesItsTip)
{
    startK90();
    const CValveHealth& valve = page<CValveHealth>();
    struct Case {
        int id;
        const char* tip;
    };
    const Case cases[] = {
        { CValveHealth::FrictionGaugeId, "Friction" },
        { CValveHealth::TravelGaugeId, "Cumulative Valve Travel(%)" },
        { CValveHealth::LowAlarmSpin,
            "Display the value of the LOW ALARM limit. You can change the value here or by changing it on the gauge "
            "above." },
        { CValveHealth::TravelFullWarningEdit,
            "Display the value of the HIGH WARNING limit. You can change the value here or by changing it on the gauge "
            "above." },
        { CValveHealth::CyclesInitialWarningEdit,
            "Cycle count at which warning begins.  90% of High Cycle Count limit." },
        { CValveHealth::ToleranceSettingsButton, "Click here to go to Friction Tolerance Settings." },
        { CValveHealth::SolutionsEdit, "Possible Solutions" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(valve.control(c.id)->toolTip(), QString::fromUtf8(c.tip)) << c.id;
    for (int spin : { CValveHealth::CycleDeadbandSpin, CValveHealth::CyclesFullWarningSpin,
             CValveHealth::StrokeLengthSpin, CValveHealth::TravelDeadbandSpin, CValveHealth::TravelFullWarningSpin })
        EXPECT_TRUE(valve.control(spin)->toolTip().isEmpty()) << spin;
    EXPECT_EQ(toolTips(valve).size(), 34u) << "the strip's three and 31 controls";
}

TEST_F(HealthPageToolTipsTest, SmallerModelNamesTheSupplySensorOnThePort2Button)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    EXPECT_EQ(actuatorHealth().control(CActuatorHealth::Port2Button)->toolTip(),
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Supply "
                       "Pressure Sensor (See boxes to your right)."));
}
