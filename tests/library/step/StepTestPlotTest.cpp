// The step plot's channel set-up and the two views the step report and the
// multi-test report draw before each picture.
#include "StepPlotFixture.h"

#include "step/CStepTestCompareReport.h"
#include "step/StepTestChannels.h"

namespace
{

using Names = std::set<std::string>;

TEST_F(StepPlotFixture, ChannelSetUpGivesTheTenChannelsWithTheirAxesAndHidesTheFileChannels)
{
    m_record.SetupStepTestPlotChannels(plot()); // a second set-up starts again
    ASSERT_EQ(m_plot.ChannelCount(), 10);
    const struct {
        const char* name;
        const char* title;
        uint32_t colour;
        const char* x;
        const char* y;
    } expected[] = {
        { "Position", "Position", 0x0A0AFF, "Time", "Position" },
        { "Command", "Command", 0xC00000, "Time", "Position" },
        { "Port1", "Port1 Pressure", 0x00FF00, "Time", "Pressure" },
        { "Port2", "Port2 Pressure", 0xCC00CC, "Time", "Pressure" },
        { "ILCmd", "Pilot Relay Command", 0x004000, "Time", "Position" },
        { "ILPOS", "Pilot Relay Position", 0x000080, "Time", "Position" },
        { "PvPPort1", "Port 1 Pressure", 0x00FF00, "Position", "Pressure" },
        { "PvPPort2", "Port 2 Pressure", 0xCC00CC, "Position", "Pressure" },
        { "TestSettings", "TestSettings", 0xCC00CC, "None", "None" },
        { "TagName", "TagName", 0x000080, "None", "None" },
    };
    for (int k = 0; k < 10; ++k) {
        const IPlotChannelPtr channel = m_plot.Channel(k);
        EXPECT_EQ(channel->GetName(), QString::fromLatin1(expected[k].name)) << k;
        EXPECT_EQ(channel->GetTitle(), QString::fromLatin1(expected[k].title)) << k;
        EXPECT_EQ(channel->GetColor(), expected[k].colour) << k;
        EXPECT_EQ(channel->GetXAxisName(), QString::fromLatin1(expected[k].x)) << k;
        EXPECT_EQ(channel->GetYAxisName(), QString::fromLatin1(expected[k].y)) << k;
        const bool hidden = k >= 8;
        EXPECT_EQ(channel->GetVisible(), !hidden) << k;
        EXPECT_EQ(channel->GetLegendVisible(), !hidden) << k;
    }
    // The compare page's scratch plot gets the very same set.
    Plot scratch;
    CStepTestCompareReport compare;
    compare.SetupSrcPlotChannels(IPlotPtr(&scratch));
    ASSERT_EQ(scratch.ChannelCount(), 10);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(scratch.Channel(k)->GetName(), m_plot.Channel(k)->GetName());
}

TEST_F(StepPlotFixture, EachViewShowsExactlyItsChannelsAndAxes)
{
    const struct {
        const char* name;
        bool pressureView;
        uint8_t model, sensor, singleActing;
        Names channels;
        Names axes;
        const char* title;
    } cases[] = {
        { "step, K90", false, 5, 1, 0, { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" },
            { "x Time", "y Position", "y Pressure" }, "Step Test" },
        { "step, no pressure sensor", false, 5, 0, 0, { "Position", "Command", "ILCmd", "ILPOS" },
            { "x Time", "y Position" }, "Step Test" },
        { "step, single acting", false, 5, 1, 1, { "Position", "Command", "Port1", "ILCmd", "ILPOS" },
            { "x Time", "y Position", "y Pressure" }, "Step Test" },
        { "step, K40", false, 6, 1, 0, { "Position", "Command", "Port1", "ILCmd", "ILPOS" },
            { "x Time", "y Position", "y Pressure" }, "Step Test" },
        { "pressure, K90", true, 5, 1, 0, { "PvPPort1", "PvPPort2" }, { "x Position", "y Pressure" },
            "Pressure Vs Position" },
        { "pressure, no pressure sensor", true, 5, 0, 0, { "PvPPort1" }, { "x Position", "y Pressure" },
            "Pressure Vs Position" },
        { "pressure, single acting", true, 5, 1, 1, { "PvPPort1" }, { "x Position", "y Pressure" },
            "Pressure Vs Position" },
        { "pressure, K40", true, 6, 1, 0, { "PvPPort1" }, { "x Position", "y Pressure" }, "Pressure Vs Position" },
    };
    for (const auto& c : cases) {
        // Every channel shown first, so a view that leaves one alone shows it.
        m_record.HideChannelsInPlot(plot(), true);
        m_record.m_bPressureSensor = c.sensor;
        m_record.m_bSingleActing = c.singleActing;
        CReportHeader header;
        header.m_byModel = c.model;
        if (c.pressureView) {
            m_record.OnStepClick(plot(), header);
            m_record.OnPvPClick(plot(), header);
        } else {
            m_record.OnPvPClick(plot(), header);
            m_record.OnStepClick(plot(), header);
        }
        EXPECT_EQ(shownChannels(), c.channels) << c.name;
        EXPECT_EQ(shownAxes(), c.axes) << c.name;
        EXPECT_EQ(m_plot.GetTitle(), QString::fromLatin1(c.title)) << c.name;
    }
}

} // namespace
