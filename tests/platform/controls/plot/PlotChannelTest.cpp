#include "SwTest.h"

#include "automation/ComError.h"
#include "controls/Plot.h"
#include "controls/XYPlot.h"
#include "ui/ControlRegistry.h"

#include <QMetaObject>

#include <cmath>
#include <memory>

namespace
{

// The dispatch road the library takes: invoke "GetChannelByName" by name.
QObject* dispatchChannelByName(Plot& plot, const QString& name)
{
    QObject* found = nullptr;
    const bool invoked = QMetaObject::invokeMethod(
        &plot, "GetChannelByName", Qt::DirectConnection, Q_RETURN_ARG(QObject*, found), Q_ARG(QString, name));
    EXPECT_TRUE(invoked);
    return found;
}

} // namespace

using PlotChannels = SwTest;

TEST_F(PlotChannels, BothPlotsAreCreatedByTheirProgIds)
{
    QWidget parent;
    auto* plot = qobject_cast<Plot*>(ControlRegistry::instance().create(QStringLiteral("PlotLib.Plot"), &parent));
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(qobject_cast<XYPlot*>(plot), nullptr);
    auto* xy = qobject_cast<XYPlot*>(ControlRegistry::instance().create(QStringLiteral("PlotLib.XYPlot"), &parent));
    ASSERT_NE(xy, nullptr);

    xy->AddChannel();
    EXPECT_TRUE(xy->ChannelByName(QStringLiteral("Channel 1")));
    plot->AddChannel();
    // A time plot channel is not an XY plot channel.
    EXPECT_THROW(IXYPlotChannelPtr::fromObject(plot->GetChannelByName(QStringLiteral("Channel 1"))), ComError);
}

TEST_F(PlotChannels, DefaultNamesCountFromOneAgainAfterRemoveAll)
{
    Plot plot;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(plot.AddChannel(), i);
    EXPECT_EQ(plot.Channel(2)->GetName(), QStringLiteral("Channel 3"));

    // Renaming does not disturb the count: the next one is still "Channel 4".
    plot.Channel(0)->SetName(QStringLiteral("Position"));
    plot.AddChannel();
    EXPECT_EQ(plot.Channel(3)->GetName(), QStringLiteral("Channel 4"));

    IPlotChannelPtr held = plot.Channel(0);
    plot.RemoveAllChannels();
    EXPECT_EQ(plot.ChannelCount(), 0);
    EXPECT_FALSE(held) << "a removed channel must not be reachable through an old pointer";
    EXPECT_THROW(held->Count(), ComError);

    for (int i = 0; i < 25; ++i)
        plot.AddChannel();
    EXPECT_EQ(plot.Channel(0)->GetName(), QStringLiteral("Channel 1"));
    EXPECT_EQ(plot.Channel(24)->GetName(), QStringLiteral("Channel 25"));
}

TEST_F(PlotChannels, LookupIgnoresCaseOnBothRoads)
{
    Plot plot;
    for (const char* name : { "ILPOS", "2ndCycle-Decr", "Position" }) {
        plot.Channel(plot.AddChannel())->SetName(QString::fromLatin1(name));
    }
    struct Case {
        const char* asked;
        const char* found; // nullptr: none
    } cases[] = {
        { "ILPos", "ILPOS" },
        { "ilpos", "ILPOS" },
        { "2ndCycle-decr", "2ndCycle-Decr" },
        { "POSITION", "Position" },
        { "Position ", nullptr },
        { "25Temp", nullptr },
        { "", nullptr },
    };
    for (const Case& c : cases) {
        const QString asked = QString::fromLatin1(c.asked);
        IPlotChannelPtr typed = plot.ChannelByName(asked);
        QObject* dispatched = dispatchChannelByName(plot, asked);
        if (c.found) {
            ASSERT_TRUE(typed) << c.asked;
            EXPECT_EQ(typed->GetName(), QString::fromLatin1(c.found));
            EXPECT_EQ(dispatched, typed.get()) << c.asked;
        } else {
            EXPECT_FALSE(typed) << c.asked;
            EXPECT_EQ(dispatched, nullptr) << c.asked;
        }
    }
}

TEST_F(PlotChannels, PointsStayInOrderAndReadingPastTheEndThrows)
{
    Plot plot;
    IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
    EXPECT_EQ(channel->AddXY(5.0, -1.0), 0);
    EXPECT_EQ(channel->AddXY(1.0, 7.5), 1);
    EXPECT_EQ(channel->AddXY(3.0, 2.0), 2);
    EXPECT_EQ(channel->Count(), 3);
    EXPECT_EQ(channel->GetX(0), 5.0);
    EXPECT_EQ(channel->GetY(1), 7.5);
    channel->SetY(1, 9.0);
    EXPECT_EQ(channel->GetY(1), 9.0);

    for (int index : { -1, 3, 1000 }) {
        EXPECT_THROW(channel->GetX(index), ComError) << index;
        EXPECT_THROW(channel->GetY(index), ComError) << index;
        EXPECT_THROW(channel->SetY(index, 0.0), ComError) << index;
        EXPECT_THROW(channel->MarkPoint(index, true), ComError) << index;
    }
    try {
        channel->GetY(3);
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidArgument);
    }
}

TEST_F(PlotChannels, ExtentsFollowThePointsAndAreZeroWhenEmpty)
{
    Plot plot;
    IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
    EXPECT_EQ(channel->GetYMax(), 0.0);
    EXPECT_EQ(channel->GetYMin(), 0.0);
    EXPECT_EQ(channel->GetXMax(), 0.0);
    EXPECT_EQ(channel->GetXMin(), 0.0);

    channel->AddXY(2.0, -5.0);
    channel->AddXY(-1.0, 40.0);
    channel->AddXY(7.0, 3.0);
    EXPECT_EQ(channel->GetXMin(), -1.0);
    EXPECT_EQ(channel->GetXMax(), 7.0);
    EXPECT_EQ(channel->GetYMin(), -5.0);
    EXPECT_EQ(channel->GetYMax(), 40.0);

    // Lowering the highest point must lower the maximum too.
    channel->SetY(1, 1.0);
    EXPECT_EQ(channel->GetYMax(), 3.0);

    channel->Clear();
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->GetYMax(), 0.0);

    // A sample that is not a number, first or later, is not part of the extent.
    const double nan = std::nan("");
    channel->AddXY(nan, nan);
    channel->AddXY(1.0, 2.0);
    channel->AddXY(nan, -4.0);
    channel->AddXY(3.0, nan);
    EXPECT_EQ(channel->GetXMin(), 1.0);
    EXPECT_EQ(channel->GetXMax(), 3.0);
    EXPECT_EQ(channel->GetYMin(), -4.0);
    EXPECT_EQ(channel->GetYMax(), 2.0);
    channel->SetY(1, 7.0);
    EXPECT_EQ(channel->GetYMax(), 7.0);
}

TEST_F(PlotChannels, ClearAllDataKeepsChannelsAndTheirSettings)
{
    Plot plot;
    IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
    channel->SetName(QStringLiteral("TestSettings"));
    channel->SetTitle(QStringLiteral("Settings"));
    channel->SetColor(0x00FF6633u);
    channel->SetXAxisName(QStringLiteral("None"));
    channel->SetYAxisName(QStringLiteral("None"));
    channel->SetVisible(false);
    channel->SetLegendVisible(false);
    channel->AddXY(0, 1);
    channel->MarkPoint(0, true);

    plot.ClearAllData();
    EXPECT_EQ(plot.ChannelCount(), 1);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->GetName(), QStringLiteral("TestSettings"));
    EXPECT_EQ(channel->GetTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(channel->GetColor(), 0x00FF6633u);
    EXPECT_EQ(channel->GetXAxisName(), QStringLiteral("None"));
    EXPECT_FALSE(channel->GetVisible());
    EXPECT_FALSE(channel->GetLegendVisible());

    // Points added after a clear start unmarked.
    channel->AddXY(0, 1);
    EXPECT_FALSE(channel->GetPointMarked(0));
}

using PlotAxes = SwTest;

TEST_F(PlotAxes, AxesAreFoundByIndexAndByNameIgnoringCase)
{
    XYPlot plot;
    const char* xNames[] = { "Time", "Position", "Command" };
    const char* yNames[] = { "Position", "Pressure", "FrictionY" };
    for (int i = 0; i < 3; ++i) {
        plot.XAxis(i)->SetName(QString::fromLatin1(xNames[i]));
        plot.YAxis(i)->SetName(QString::fromLatin1(yNames[i]));
    }
    plot.YAxis(2)->SetMin(0);
    plot.YAxis(2)->SetSpan(1000);

    EXPECT_EQ(plot.YAxisByName(QStringLiteral("frictiony"))->GetMax(), 1000.0);
    EXPECT_EQ(plot.XAxisIndex(QStringLiteral("Command")), 2);
    EXPECT_EQ(plot.YAxisIndex(QStringLiteral("Command")), -1);
    EXPECT_FALSE(plot.XAxisByName(QStringLiteral("None")));
    EXPECT_THROW(plot.XAxisByName(QStringLiteral("None"))->SetMin(0), ComError);
    EXPECT_THROW(plot.XAxis(3), ComError);
    EXPECT_THROW(plot.YAxis(-1), ComError);

    plot.SetYAxisCount(1);
    EXPECT_EQ(plot.YAxisCount(), 1);
    EXPECT_THROW(plot.YAxis(1), ComError);
    EXPECT_THROW(plot.SetYAxisCount(0), ComError);
}

TEST_F(PlotAxes, FitCoversTheDataOfItsChannelsWithinTheLimits)
{
    Plot plot;
    plot.XAxis(0)->SetName(QStringLiteral("Time"));
    plot.YAxis(0)->SetName(QStringLiteral("Position"));
    plot.YAxis(1)->SetName(QStringLiteral("Pressure"));
    IPlotChannelPtr pressure = plot.Channel(plot.AddChannel());
    pressure->SetXAxisName(QStringLiteral("Time"));
    pressure->SetYAxisName(QStringLiteral("Pressure"));
    pressure->AddXY(0.5, 20.0);
    pressure->AddXY(4.0, 80.0);
    // A hidden data channel on the axis "None" must not stretch any axis.
    IPlotChannelPtr settings = plot.Channel(plot.AddChannel());
    settings->SetXAxisName(QStringLiteral("None"));
    settings->SetYAxisName(QStringLiteral("None"));
    settings->AddXY(100.0, 655.35);

    plot.XAxisByName(QStringLiteral("Time"))->FitToData();
    plot.YAxisByName(QStringLiteral("Pressure"))->FitToData();
    EXPECT_EQ(plot.XAxis(0)->GetMin(), 0.5);
    EXPECT_EQ(plot.XAxis(0)->GetMax(), 4.0);
    EXPECT_EQ(plot.YAxis(1)->GetMin(), 20.0);
    EXPECT_EQ(plot.YAxis(1)->GetMax(), 80.0);

    // No data on the axis: the range stays.
    plot.YAxis(0)->SetMin(0);
    plot.YAxis(0)->SetSpan(130);
    plot.YAxis(0)->FitToData();
    EXPECT_EQ(plot.YAxis(0)->GetSpan(), 130.0);

    // Limits bound a fit but never a range set explicitly.
    IPlotAxisPtr axis = plot.YAxis(1);
    axis->SetLimits(-10.0, 50.0);
    axis->SetLimitsEnabled(true);
    axis->FitToData();
    EXPECT_EQ(axis->GetMin(), 20.0);
    EXPECT_EQ(axis->GetMax(), 50.0);
    axis->SetMin(-15.0);
    axis->SetSpan(130.0);
    EXPECT_EQ(axis->GetMin(), -15.0);
    EXPECT_EQ(axis->GetMax(), 115.0);
}

TEST_F(PlotAxes, TicksFollowTheIncrementOrRoundSteps)
{
    Plot plot;
    IPlotAxisPtr axis = plot.YAxis(0);
    axis->SetMin(-2.5);
    axis->SetSpan(5.0);
    EXPECT_EQ(axis->tickValues(), (std::vector<double> { -2.5, -2.0, -1.5, -1.0, -0.5, 0.0, 0.5, 1.0, 1.5, 2.0, 2.5 }));

    axis->SetMin(1.0);
    axis->SetSpan(23.0);
    axis->SetIncrement(6.0);
    axis->SetStartValue(0.0);
    EXPECT_EQ(axis->tickValues(), (std::vector<double> { 6.0, 12.0, 18.0, 24.0 }));

    // A span of 0 or one that is not a number still gives a drawable axis.
    axis->SetIncrement(0.0);
    axis->SetSpan(0.0);
    EXPECT_FALSE(axis->tickValues().empty());
    axis->SetSpan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(axis->tickValues().empty());
}

// One rule ranges every axis of a result plot: from the shown points alone,
// with room at both ends (a time axis from 0), out to the next label, keeping
// an end the family gives only where the points lie inside it with room.
TEST_F(PlotAxes, AnAxisThatFitsItsTracesHoldsThemWithRoomToRoundLabels)
{
    const double none = std::numeric_limits<double>::quiet_NaN();
    using Fit = PlotAxis::Fit;
    const struct {
        const char* what;
        double lo, hi;
        Fit fit;
        double keptLower, keptUpper, increment;
        double min, max;
    } cases[] = {
        { "a step from 20 to 40", 20, 40, Fit::Value, none, none, 0, 15, 45 },
        { "a least value on a label gets room below it", 30, 70, Fit::Value, none, none, 10, 20, 80 },
        { "a largest value on a label gets room above it", 31, 70, Fit::Value, none, none, 10, 20, 80 },
        { "points over the kept ends widen both", 0, 100, Fit::Value, 0, 100, 10, -10, 110 },
        { "points inside the kept ends with room keep them", 10, 90, Fit::Value, 0, 100, 10, 0, 100 },
        { "a kept floor stays when only the top is passed", 30, 100.5, Fit::Value, 0, none, 0, 0, 120 },
        { "a kept floor stays when only the top is passed, by its increment", 30, 100.5, Fit::Value, 0, 100, 10, 0,
            110 },
        { "a floor the points come too near goes below them", 2, 3000, Fit::Value, 0, none, 0, -500, 3500 },
        { "a pressure from 0", 0, 35, Fit::Value, 0, none, 0, -5, 40 },
        { "an error either side of 0", -2.3, 1.1, Fit::Value, none, none, 0, -2.5, 1.5 },
        { "a flat trace", 50, 50, Fit::Value, none, none, 0, 48, 52 },
        { "a time from 0", 0, 14, Fit::Time, none, none, 0, 0, 16 },
        { "a time ending on a label gets room after it", 0, 20, Fit::Time, none, none, 0, 0, 25 },
        { "a time before 0 gets room", -1, 9, Fit::Time, none, none, 0, -2, 10 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PlotAxis::Range range = PlotAxis::FitRange(c.lo, c.hi, c.fit, c.keptLower, c.keptUpper, c.increment, 0);
        EXPECT_NEAR(range.min, c.min, 1e-9);
        EXPECT_NEAR(range.min + range.span, c.max, 1e-9);
    }
}

// The range follows what is shown, not what was set or shown before: the
// same points give the same axes whatever the page did first, a hidden
// trace counts for nothing, and with no trace shown the range set is shown.
TEST_F(PlotAxes, AnAxisThatFitsItsTracesTakesItsRangeFromTheShownPointsAlone)
{
    Plot plot;
    plot.XAxis(0)->SetName(QStringLiteral("Time"));
    plot.YAxis(0)->SetName(QStringLiteral("Position"));
    plot.YAxis(0)->SetIncrement(10);
    plot.YAxis(0)->SetMin(20);
    plot.YAxis(0)->SetSpan(90);
    plot.SetAxesFitShownTraces(true);
    EXPECT_EQ(plot.YAxis(0)->GetMin(), 20.0);
    EXPECT_EQ(plot.YAxis(0)->GetMax(), 110.0);

    IPlotChannelPtr position = plot.Channel(plot.AddChannel());
    position->SetXAxisName(QStringLiteral("Time"));
    position->SetYAxisName(QStringLiteral("Position"));
    position->AddXY(0, 20);
    position->AddXY(5, 40);
    IPlotChannelPtr relay = plot.Channel(plot.AddChannel());
    relay->SetXAxisName(QStringLiteral("Time"));
    relay->SetYAxisName(QStringLiteral("Position"));
    relay->AddXY(0, -40);
    relay->SetVisible(false);
    for (double setMin : { 20.0, 0.0, 19.8 }) {
        SCOPED_TRACE(testing::Message() << "set from " << setMin);
        plot.YAxis(0)->SetMin(setMin);
        plot.YAxis(0)->FitToData();
        EXPECT_EQ(plot.YAxis(0)->GetMin(), 10.0);
        EXPECT_EQ(plot.YAxis(0)->GetMax(), 50.0);
        EXPECT_EQ(plot.XAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(plot.XAxis(0)->GetMax(), 6.0);
        EXPECT_EQ(plot.YAxis(0)->tickValues(), (std::vector<double> { 10, 20, 30, 40, 50 }));
    }
    relay->SetVisible(true);
    EXPECT_EQ(plot.YAxis(0)->GetMin(), -50.0);

    // An XY plot's x axes hold values: room at both ends.
    XYPlot xy;
    xy.SetAxesFitShownTraces(true);
    IXYPlotChannelPtr ramp = xy.Channel(xy.AddChannel());
    ramp->AddXY(0, 0);
    ramp->AddXY(100, 100);
    EXPECT_EQ(xy.XAxis(0)->GetMin(), -20.0);
    EXPECT_EQ(xy.XAxis(0)->GetMax(), 120.0);
}

// A fitted axis is labelled at the step its ends were put on: an increment
// that would crowd it gives way to round steps for the labels too.
TEST_F(PlotAxes, AFittedAxisIsLabelledAtTheStepItsEndsStandOn)
{
    Plot plot;
    plot.SetAxesFitShownTraces(true);
    plot.YAxis(0)->SetIncrement(10);
    IPlotChannelPtr relay = plot.Channel(plot.AddChannel());
    relay->AddXY(0, -30);
    relay->AddXY(1, 95);
    // -30..95 with room: -35..100 is too many tens, so steps of 20 from -40.
    EXPECT_EQ(plot.YAxis(0)->GetMin(), -40.0);
    EXPECT_EQ(plot.YAxis(0)->GetMax(), 100.0);
    EXPECT_EQ(plot.YAxis(0)->tickValues(), (std::vector<double> { -40, -20, 0, 20, 40, 60, 80, 100 }));
    // 0.3..0.7: labels from the lower end, which a tenth's rounding must not lose.
    relay->Clear();
    relay->AddXY(0, 0.3);
    relay->AddXY(1, 0.7);
    plot.YAxis(0)->SetIncrement(0);
    EXPECT_NEAR(plot.YAxis(0)->GetMin(), 0.25, 1e-12);
    EXPECT_EQ(plot.YAxis(0)->tickValues().size(), 11u);
}
