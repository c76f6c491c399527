#include "SwTest.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"

#include <functional>
#include <vector>

namespace
{

struct Axis {
    QString name;
    QString title;
    double min;
    double max;
    bool operator==(const Axis&) const = default;
};

void PrintTo(const Axis& axis, std::ostream* os)
{
    *os << axis.name.toStdString() << " \"" << axis.title.toStdString() << "\" " << axis.min << ".." << axis.max;
}

std::vector<Axis> axesOf(const std::vector<PlotAxis*>& axes)
{
    std::vector<Axis> result;
    for (const PlotAxis* axis : axes)
        result.push_back({ axis->GetName(), axis->GetTitle(), axis->GetMin(), axis->GetMax() });
    return result;
}

struct LayoutCase {
    const char* name;
    std::function<void(Plot&)> configure;
    bool xyPlot;
    QString title;
    std::vector<Axis> xAxes;
    std::vector<Axis> yAxes;
};

const std::vector<LayoutCase>& layouts()
{
    static const std::vector<LayoutCase> cases = {
        { "step", [](Plot& plot) { ConfigureStepTestPlotControl(IPlotPtr(&plot)); }, false, "Step Test",
            { { "Time", "Step Time [s]", 0, 10 }, { "Position", "Position [%]", 0, 100 } },
            { { "Position", "Position [%]", 0, 130 }, { "Pressure", "Pressure", 0, 100 } } },
        { "partial stroke", [](Plot& plot) { ConfigurePSTPlotControl(IPlotPtr(&plot)); }, false, "Partial Stroke Test",
            { { "Time", "Time [s]", 0, 10 } },
            { { "Position", "Position [%]", 0, 130 }, { "Pressure", "Pressure ", 0, 100 } } },
        { "ramp", [](Plot& plot) { ConfigureRampPlotControl(IXYPlotPtr(static_cast<XYPlot*>(&plot))); }, true,
            "Ramp Test",
            { { "Time", "Ramp Time [s]", 0, 10 }, { "Position", "Position [%]", 0, 100 },
                { "Command", "Command [%]", 0, 100 } },
            { { "Position", "Position [%]", 0, 130 }, { "Pressure", "Pressure ", 0, 100 },
                { "FrictionY", "Friction [lbs]", 0, 1000 } } },
        { "HDRL", [](Plot& plot) { ConfigureHDRLPlotControl(IPlotPtr(&plot)); }, false, "Position Vs Time",
            { { "Time", "Time (sec)", 0, 75 }, { "Command", "Command, (%fs)", 0, 100 },
                { "Time2", "Time2 (sec)", 0, 75 } },
            { { "Position", "Position [%]", 0, 100 },
                { "PositionError", "Position Error %fs (Command - Position)", -2.5, 2.5 } } },
    };
    return cases;
}

using PlotConfigurationTest = SwTest;

TEST_F(PlotConfigurationTest, EachTestPlotGetsExactlyItsTitleAndAxes)
{
    for (const LayoutCase& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        std::unique_ptr<Plot> plot(layout.xyPlot ? new XYPlot : new Plot);
        plot->SetBackColor(0x000000);
        plot->SetTitle(QStringLiteral("before"));
        layout.configure(*plot);
        EXPECT_EQ(plot->GetTitle(), layout.title);
        EXPECT_EQ(axesOf(plot->xAxes()), layout.xAxes);
        EXPECT_EQ(axesOf(plot->yAxes()), layout.yAxes);
        EXPECT_EQ(plot->GetBackColor(), 0xFFFFFFu);
        EXPECT_TRUE(plot->GetLegendVisible());
        EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
    }
}

TEST_F(PlotConfigurationTest, ANullPlotRaisesTheInvalidPointerError)
{
    try {
        ConfigureStepTestPlotControl(IPlotPtr());
        ADD_FAILURE() << "no error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidPointer);
    }
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

// A plot with three channels as the families add them.
class ChannelCreationTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        for (int i = 0; i < 3; ++i)
            m_plot.AddChannel();
    }

    IPlotPtr plot() { return IPlotPtr(&m_plot); }
    Plot m_plot;
};

TEST_F(ChannelCreationTest, ARenamedChannelIsFoundByItsNewNameOnly)
{
    const IPlotChannelPtr channel = CreateChannels(
        plot(), "Channel 2", "Port1", "Port1 Pressure", 0x0000FF, "Time", "Pressure", ChannelStyle::PlainTrace);
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel.get(), m_plot.Channel(1).get());
    EXPECT_EQ(GetDispatchDriverIPlotXChannelByName(plot(), "Port1"), channel);
    EXPECT_EQ(GetDispatchDriverIPlotXChannelByName(plot(), "Channel 2"), nullptr);

    try {
        CreateChannels(plot(), "Channel 2", "Port2", "Port2 Pressure", 0, "Time", "Pressure", 12);
        ADD_FAILURE() << "no error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidPointer);
    }
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
    EXPECT_EQ(channel->GetName(), QStringLiteral("Port1"));
}

TEST_F(ChannelCreationTest, APlainTraceIsTwoWideWithoutMarkersOnItsAxes)
{
    m_plot.Channel(0)->SetMarkersVisible(true);
    m_plot.Channel(0)->SetVisible(false);
    m_plot.Channel(0)->SetLegendVisible(false);
    const IPlotChannelPtr channel = CreateChannels(
        plot(), "Channel 1", "Position", "Position", 0x00FF00, "Time", "Position", ChannelStyle::PlainTrace);
    EXPECT_EQ(channel->GetName(), QStringLiteral("Position"));
    EXPECT_EQ(channel->GetTitle(), QStringLiteral("Position"));
    EXPECT_EQ(channel->GetColor(), 0x00FF00u);
    EXPECT_EQ(channel->GetXAxisName(), QStringLiteral("Time"));
    EXPECT_EQ(channel->GetYAxisName(), QStringLiteral("Position"));
    EXPECT_EQ(channel->GetLineWidth(), 2);
    EXPECT_TRUE(channel->GetVisible());
    EXPECT_TRUE(channel->GetLegendVisible());
    EXPECT_FALSE(channel->GetMarkersVisible());
    EXPECT_FALSE(channel->GetIndividualMarking());
}

TEST_F(ChannelCreationTest, TheStyleCodeDecidesTheMarkers)
{
    struct Case {
        int style;
        bool markers;
        int markerStyle;
        int markerSize;
        bool individual;
    } cases[] = {
        { 0, true, 0, 3, true },
        { 1, true, 1, 3, true },
        { 5, true, 5, 3, true },
        { 12, false, 4, 7, false },
        // Any other code leaves the markers as they were.
        { 7, true, 4, 7, false },
        { -1, true, 4, 7, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        m_plot.RemoveAllChannels();
        m_plot.AddChannel();
        const IPlotChannelPtr before = m_plot.Channel(0);
        before->SetMarkersVisible(true);
        before->SetMarkerStyle(4);
        before->SetMarkerSize(7);
        const IPlotChannelPtr channel
            = CreateChannels(plot(), "Channel 1", "Delta", "Position Delta", 0, "Time", "PositionError", c.style);
        EXPECT_EQ(channel->GetMarkersVisible(), c.markers);
        EXPECT_EQ(channel->GetMarkerStyle(), c.markerStyle);
        EXPECT_EQ(channel->GetMarkerSize(), c.markerSize);
        EXPECT_EQ(channel->GetIndividualMarking(), c.individual);
        EXPECT_EQ(channel->GetLineWidth(), 2);
    }
}

TEST_F(ChannelCreationTest, ATriangleChannelShowsMarkersOnlyAtTheMarkedPoints)
{
    Plot scratch;
    scratch.AddChannel();
    for (int i = 0; i < 8; ++i)
        scratch.Channel(0)->AddXY(i, i * 10.0);
    const IPlotChannelPtr delta = CreateChannels(
        plot(), "Channel 3", "PositionDiff", "Position Delta", 0xFF0000, "Time", "Position", ChannelStyle::Triangle);
    LoadChannel("Channel 1", "PositionDiff", 3, true, IPlotPtr(&scratch), plot());
    ASSERT_EQ(delta->Count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(delta->GetPointMarked(i), i % 3 == 0) << i;
    EXPECT_TRUE(delta->GetMarkersVisible());
    EXPECT_EQ(delta->GetMarkerStyle(), 5);
}

TEST_F(ChannelCreationTest, RampChannelsAreSetUpOnTheXYPlot)
{
    XYPlot ramp;
    ramp.AddChannel();
    ramp.AddChannel();
    const IXYPlotChannelPtr hidden = CreateRampChannels(
        IXYPlotPtr(&ramp), "Channel 2", "TestSettings", "", 0, "None", "None", ChannelStyle::PlainTrace);
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden.get(), ramp.Channel(1).get());
    EXPECT_EQ(hidden->GetXAxisName(), QStringLiteral("None"));
    EXPECT_EQ(GetDispatchDriverIXYPlotXChannelByName(IXYPlotPtr(&ramp), "TestSettings"), hidden);
}

} // namespace
