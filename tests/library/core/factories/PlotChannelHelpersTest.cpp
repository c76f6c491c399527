#include "SwTest.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"

#include <functional>
#include <vector>

namespace
{

struct Point {
    double x;
    double y;
    bool operator==(const Point&) const = default;
};

void PrintTo(const Point& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}

std::vector<Point> pointsOf(const PlotChannel& channel)
{
    std::vector<Point> points;
    for (int i = 0; i < channel.Count(); ++i)
        points.push_back({ channel.GetX(i), channel.GetY(i) });
    return points;
}

std::vector<int> markedOf(const PlotChannel& channel)
{
    std::vector<int> marked;
    for (int i = 0; i < channel.Count(); ++i)
        if (channel.GetPointMarked(i))
            marked.push_back(i);
    return marked;
}

// Expects ComError with the invalid-pointer code from `call`, and the
// caller's module state back afterwards.
void expectInvalidPointer(const std::function<void()>& call)
{
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidPointer);
    }
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

// A scratch plot and a compare plot of each kind, with channels named as the
// compare loaders name them.
class PlotChannelHelpersTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        for (Plot* plot : { static_cast<Plot*>(&m_scratch), static_cast<Plot*>(&m_compare),
                 static_cast<Plot*>(&m_xyScratch), static_cast<Plot*>(&m_xyCompare) }) {
            for (const char* name : { "Position", "Pressure", "Position2", "PositionDiff" }) {
                plot->AddChannel();
                plot->Channel(plot->ChannelCount() - 1)->SetName(QString::fromLatin1(name));
            }
        }
    }

    static void fill(Plot& plot, const char* name, const std::vector<Point>& points)
    {
        const IPlotChannelPtr channel = plot.ChannelByName(QString::fromLatin1(name));
        channel->Clear();
        for (const Point& point : points)
            channel->AddXY(point.x, point.y);
    }

    static std::vector<Point> ramp(int count, double offset = 0.0)
    {
        std::vector<Point> points;
        for (int i = 0; i < count; ++i)
            points.push_back({ i * 0.5, i * 2.0 + offset });
        return points;
    }

    static const PlotChannel& channel(const Plot& plot, const char* name)
    {
        return *plot.ChannelByName(QString::fromLatin1(name));
    }

    // The compare plots of both kinds.
    std::vector<Plot*> comparePlots() { return { &m_compare, &m_xyCompare }; }

    IPlotPtr scratch() { return IPlotPtr(&m_scratch); }
    IPlotPtr compare() { return IPlotPtr(&m_compare); }
    IXYPlotPtr xyScratch() { return IXYPlotPtr(&m_xyScratch); }
    IXYPlotPtr xyCompare() { return IXYPlotPtr(&m_xyCompare); }

    Plot m_scratch;
    Plot m_compare;
    XYPlot m_xyScratch;
    XYPlot m_xyCompare;
};

TEST_F(PlotChannelHelpersTest, LookupFindsTheChannelOrGivesNullForAnUnknownName)
{
    EXPECT_EQ(GetDispatchDriverIPlotXChannelByName(scratch(), "Pressure").get(), m_scratch.Channel(1).get());
    EXPECT_EQ(GetDispatchDriverIXYPlotXChannelByName(xyScratch(), "Pressure").get(), m_xyScratch.Channel(1).get());
    EXPECT_EQ(GetDispatchDriverIPlotXChannelByName(scratch(), "Port1"), nullptr);
    EXPECT_EQ(GetDispatchDriverIXYPlotXChannelByName(xyScratch(), AutoString()), nullptr);
    expectInvalidPointer([] { GetDispatchDriverIPlotXChannelByName(IPlotPtr(), "Position"); });
}

TEST_F(PlotChannelHelpersTest, ThePlotCopyReplacesAndTheXYCopyAppends)
{
    fill(m_scratch, "Position", ramp(4));
    fill(m_xyScratch, "Position", ramp(4));
    for (int copy = 0; copy < 2; ++copy) {
        LoadChannel("Position", "Position2", true, scratch(), compare());
        LoadChannel("Position", "Position2", true, xyScratch(), xyCompare());
    }
    EXPECT_EQ(pointsOf(channel(m_compare, "Position2")), ramp(4));
    std::vector<Point> twice = ramp(4);
    twice.insert(twice.end(), twice.begin(), twice.end());
    EXPECT_EQ(pointsOf(channel(m_xyCompare, "Position2")), twice);
    EXPECT_EQ(pointsOf(channel(m_scratch, "Position")), ramp(4));
    EXPECT_TRUE(markedOf(channel(m_compare, "Position2")).empty());
}

TEST_F(PlotChannelHelpersTest, TheVisibleFlagShowsOrHidesTraceAndLegendAlsoForAnEmptyCopy)
{
    for (bool visible : { false, true }) {
        SCOPED_TRACE(visible);
        fill(m_compare, "Position2", ramp(3));
        LoadChannel("Pressure", "Position2", visible, scratch(), compare());
        const PlotChannel& destination = channel(m_compare, "Position2");
        EXPECT_EQ(destination.Count(), 0);
        EXPECT_EQ(destination.GetVisible(), visible);
        EXPECT_EQ(destination.GetLegendVisible(), visible);
    }
}

TEST_F(PlotChannelHelpersTest, TheMarkedCopyMarksEveryNthPoint)
{
    struct Case {
        int spacing;
        std::vector<int> marked;
    } cases[] = {
        { 3, { 0, 3, 6, 9 } },
        { 1, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
        { 25, { 0 } },
        // A spacing below 1 marks every point.
        { 0, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
        { -4, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
    };
    fill(m_scratch, "Position", ramp(10));
    fill(m_xyScratch, "Position", ramp(10));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spacing);
        fill(m_xyCompare, "Position2", ramp(2, 99.0));
        LoadChannel("Position", "Position2", c.spacing, true, scratch(), compare());
        LoadChannel("Position", "Position2", c.spacing, false, xyScratch(), xyCompare());
        for (const PlotChannel* destination :
            { &channel(m_compare, "Position2"), &channel(m_xyCompare, "Position2") }) {
            // Both forms replace what the destination held.
            EXPECT_EQ(pointsOf(*destination), ramp(10));
            EXPECT_EQ(markedOf(*destination), c.marked);
            EXPECT_TRUE(destination->GetMarkersVisible());
        }
        EXPECT_FALSE(channel(m_xyCompare, "Position2").GetVisible());
    }
}

TEST_F(PlotChannelHelpersTest, AChannelCopiedOntoItselfKeepsItsPointsAndEnds)
{
    fill(m_scratch, "Position", ramp(5));
    fill(m_xyScratch, "Position", ramp(5));
    LoadChannel("Position", "Position", true, scratch(), scratch());
    LoadChannel("Position", "Position", 2, true, scratch(), scratch());
    LoadChannel("Position", "Position", true, xyScratch(), xyScratch());
    EXPECT_EQ(pointsOf(channel(m_scratch, "Position")), ramp(5));
    EXPECT_EQ(markedOf(channel(m_scratch, "Position")), (std::vector<int> { 0, 2, 4 }));
    EXPECT_EQ(channel(m_xyScratch, "Position").Count(), 10);
}

TEST_F(PlotChannelHelpersTest, AnUnknownNameRaisesBeforeAnyChannelChanges)
{
    fill(m_scratch, "Position", ramp(3));
    fill(m_compare, "Position2", ramp(4));
    fill(m_compare, "PositionDiff", ramp(2));
    expectInvalidPointer([this] { LoadChannel("Port1", "Position2", true, scratch(), compare()); });
    expectInvalidPointer([this] { LoadChannel("Position", "Port1", 3, true, xyScratch(), xyCompare()); });
    expectInvalidPointer([this] { LoadDiffChannel("Position", "Port1", "PositionDiff", 3, true, compare()); });
    expectInvalidPointer([this] { OnCheckBoxChanged(compare(), "Port1", false); });
    expectInvalidPointer([] { LoadChannel("Position", "Position2", true, IPlotPtr(), IPlotPtr()); });
    EXPECT_EQ(pointsOf(channel(m_compare, "Position2")), ramp(4));
    EXPECT_EQ(pointsOf(channel(m_compare, "PositionDiff")), ramp(2));
}

TEST_F(PlotChannelHelpersTest, TheDifferenceOfEqualChannelsIsZeroAtEveryXOfTheFirst)
{
    fill(m_compare, "Position", ramp(7));
    fill(m_compare, "Position2", ramp(7));
    fill(m_compare, "PositionDiff", ramp(3, 50.0));
    LoadDiffChannel("Position", "Position2", "PositionDiff", 3, true, compare());
    const PlotChannel& difference = channel(m_compare, "PositionDiff");
    std::vector<Point> zeros;
    for (const Point& point : ramp(7))
        zeros.push_back({ point.x, 0.0 });
    EXPECT_EQ(pointsOf(difference), zeros);
    EXPECT_EQ(markedOf(difference), (std::vector<int> { 0, 3, 6 }));
    EXPECT_TRUE(difference.GetMarkersVisible());
    EXPECT_TRUE(difference.GetVisible());
    EXPECT_TRUE(difference.GetLegendVisible());
}

// Two files of different lengths compare over the points both hold, whichever
// is shorter and in both plot kinds.
TEST_F(PlotChannelHelpersTest, TheDifferenceOfChannelsOfDifferentLengthsStopsAtTheShorter)
{
    // File 2 lies 1 above file 1: its difference, file 2 less file 1, is 1.
    const std::vector<Point> expected = { { 0.0, 1.0 }, { 0.5, 1.0 }, { 1.0, 1.0 } };
    for (bool secondShorter : { true, false }) {
        SCOPED_TRACE(secondShorter);
        for (Plot* plot : comparePlots()) {
            fill(*plot, "Position", ramp(secondShorter ? 5 : 3));
            fill(*plot, "Position2", ramp(secondShorter ? 3 : 5, 1.0));
        }
        LoadDiffChannel("Position", "Position2", "PositionDiff", 1, false, compare());
        LoadDiffChannel("Position", "Position2", "PositionDiff", 1, false, xyCompare());
        for (const Plot* plot : comparePlots()) {
            EXPECT_EQ(pointsOf(channel(*plot, "PositionDiff")), expected);
            EXPECT_FALSE(channel(*plot, "PositionDiff").GetVisible());
        }
    }
}

TEST_F(PlotChannelHelpersTest, TheCheckBoxShowsAndHidesTraceAndLegend)
{
    for (bool show : { false, true }) {
        OnCheckBoxChanged(compare(), "Pressure", show);
        OnCheckBoxChanged(xyCompare(), "Pressure", show);
        for (const Plot* plot : comparePlots()) {
            EXPECT_EQ(channel(*plot, "Pressure").GetVisible(), show);
            EXPECT_EQ(channel(*plot, "Pressure").GetLegendVisible(), show);
        }
    }
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

} // namespace
