#include "HealthPageTest.h"

#include <utility>
#include <vector>

using ActuatorHealthLimitsTest = ActuatorHealthPageTest;

TEST_F(ActuatorHealthLimitsTest, LiveValueBelowOnAndAboveEachLimitTakesThatLimitsColour)
{
    showPage(); // live leak 0.012 scfm, supply 60 psi, ratio between 50 and 60
    using Group = CActuatorHealth::Group;
    // The limits as offsets from the group's live value, in the order of the
    // group's check: leak warning, alarm; supply low alarm, low warning, high
    // warning; ratio initial warning, full warning.
    struct Case {
        Group group;
        std::vector<double> limits;
        uint32_t colour;
        const char* where;
    };
    const Case cases[] = {
        { CActuatorHealth::Leak, { 0.1, 0.2 }, Green, "below the warning" },
        { CActuatorHealth::Leak, { 0.0, 0.1 }, Yellow, "on the warning" },
        { CActuatorHealth::Leak, { -0.005, 0.1 }, Yellow, "between warning and alarm" },
        { CActuatorHealth::Leak, { -0.005, 0.0 }, Red, "on the alarm" },
        { CActuatorHealth::Leak, { -0.01, -0.005 }, Red, "above the alarm" },
        { CActuatorHealth::Leak, { 0.0, 0.0 }, Red, "on a warning that is also the alarm" },
        { CActuatorHealth::Ratio, { 10.0, 20.0 }, Green, "below the initial warning" },
        { CActuatorHealth::Ratio, { 0.0, 10.0 }, Yellow, "on the initial warning" },
        { CActuatorHealth::Ratio, { -5.0, 10.0 }, Yellow, "between initial and full warning" },
        { CActuatorHealth::Ratio, { -5.0, 0.0 }, Red, "on the full warning" },
        { CActuatorHealth::Ratio, { -10.0, -5.0 }, Red, "above the full warning" },
        { CActuatorHealth::Supply, { -20.0, -10.0, 6.0 }, Green, "between low and high warning" },
        { CActuatorHealth::Supply, { -20.0, 0.0, 6.0 }, Green, "on the low warning" },
        { CActuatorHealth::Supply, { -20.0, -10.0, 0.0 }, Yellow, "on the high warning" },
        { CActuatorHealth::Supply, { -20.0, -10.0, -5.0 }, Yellow, "above the high warning" },
        { CActuatorHealth::Supply, { -5.0, 5.0, 10.0 }, Yellow, "between low alarm and low warning" },
        { CActuatorHealth::Supply, { 5.0, 10.0, 15.0 }, Red, "below the low alarm" },
    };
    for (const Case& c : cases) {
        const ILinearGaugePtr& gauge = page().gauge(c.group);
        const double live = gauge->value();
        ASSERT_GT(live, 0.01) << c.where;
        // Neither colour the check may give, so a check that paints nothing shows.
        gauge->setIndicatorColor(Black);
        gauge->setPointerColor(0, Black);
        const auto at = [&](size_t k) { return live + c.limits[k]; };
        switch (c.group) {
        case CActuatorHealth::Leak:
            page().CheckLeakLimits(at(0), at(1));
            break;
        case CActuatorHealth::Supply:
            page().CheckSupplyLimits(at(0), at(1), at(2));
            break;
        default:
            page().CheckRatioLimits(at(0), at(1));
            break;
        }
        EXPECT_EQ(gauge->indicatorColor(), c.colour) << "group " << c.group << ", " << c.where;
        EXPECT_EQ(gauge->pointerColor(0), c.colour) << "group " << c.group << ", " << c.where;
    }
}

TEST_F(ActuatorHealthLimitsTest, ApplyWritesLimitsTypedInTheDisplayUnitAsDeviceWords)
{
    showPage();
    // Leak words are thousandths of an scfm: in bar, kg/cm2 and kPa the leak is
    // shown in slm, 28.3 to the scfm, so a word is value x 1000 / 28.3,
    // truncated. Supply words are hundredths of a percent of the pressure
    // scale (misc long 0x69, hundredths of the unit): the word nearest value x
    // 10000 / scale.
    struct Case {
        const char* name;
        uint8_t unit;
        uint32_t pressureScale;
        std::vector<std::pair<int, const char*>> typed;
        uint8_t command;
        const char* words;
    };
    const Case cases[] = {
        { "psi", 6, 6000, { { CActuatorHealth::LeakWarningEdit, "0.5" }, { CActuatorHealth::LeakAlarmEdit, "0.8" } },
            190,
            "01f4"
            "0320" }, // scfm as they are: 500, 800
        { "bar", 7, 6000, { { CActuatorHealth::LeakWarningEdit, "14.15" }, { CActuatorHealth::LeakAlarmEdit, "20" } },
            190,
            "01f4"
            "02c2" }, // 500, 706 (706.7)
        { "kg/cm2", 10, 6000,
            { { CActuatorHealth::LeakWarningEdit, "5.66" }, { CActuatorHealth::LeakAlarmEdit, "28.3" } }, 190,
            "00c8"
            "03e8" }, // 200, 1000
        { "kPa", 12, 6000,
            { { CActuatorHealth::LeakWarningEdit, "2.83" }, { CActuatorHealth::LeakAlarmEdit, "28.29" } }, 190,
            "0064"
            "03e7" }, // 100, 999 (999.6)
        { "bar, supply", 7, 414,
            { { CActuatorHealth::LowAlarmEdit, "2.5" }, { CActuatorHealth::LowWarningEdit, "3.3" },
                { CActuatorHealth::HighWarningEdit, "4.5" } },
            196,
            "2a76"
            "1f23"
            "1797" }, // a 4.14 bar scale, high warning first, nearest: 10870 (10869.6), 7971, 6039 (6038.6)
    };
    for (const Case& c : cases) {
        data().PressureUnit = c.unit;
        ASSERT_TRUE(app().dispatch().DispatchWrite(221));
        device().setMiscLong(0x69, c.pressureScale);
        page().OnRetrieve(); // the groups again, in the new unit
        for (const auto& [edit, text] : c.typed)
            type(edit, text);
        device().clearRequests();
        page().OnApply();
        ASSERT_EQ(device().requestsFor(c.command).size(), 1u) << c.name;
        EXPECT_EQ(lastRequest(c.command).mid(2).toHex().toStdString(), c.words) << c.name;
    }
}
