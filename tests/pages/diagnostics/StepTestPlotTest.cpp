// What the step test page draws: the points of a test, the axes, the
// simulated valve's step, the two views with their boxes on each model, and
// the drawn page.
#include "StepTestPageTest.h"

#include <QImage>

#include <cmath>

namespace
{

using Step = CStepTest;

TEST_F(StepTestPageTest, SamplesLieOverTheHoldTimeAndOneSecondAndPressuresScaleToTheFullScale)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    device().setMiscLong(0x69, 12000);
    clock().advance(2000);
    select(StepTestCode);
    typeSettings("30", "70", "6");
    startTest();
    // The first block read carries a port 1 word of 2500 (a block of its
    // own, before the device's 104), and every word of it its own value.
    scriptData(252,
        words({ 7000, 3100, 4100, 4200, 2500, 1250, 6900, 3200, 4300, 4400, 2600, -1300 }) + QByteArray(1, '\0'));
    runToCompletion();
    ASSERT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed"));

    const IPlotAxisPtr time = step().plot()->XAxisByName(QStringLiteral("Time"));
    EXPECT_DOUBLE_EQ(time->GetMin(), 0.0);
    // The samples end at 7 s: the axis runs on to the next second.
    EXPECT_DOUBLE_EQ(time->GetMax(), 8.0);
    EXPECT_DOUBLE_EQ(step().pressureScale(), 120.0);
    // The pressure axis fits the port 1 trace shown (port 2 is hidden), at
    // most 51.36 of the 120 full scale: from its zero to the label of 10
    // past it.
    const IPlotAxisPtr pressure = step().plot()->YAxisByName(QStringLiteral("Pressure"));
    EXPECT_DOUBLE_EQ(pressure->GetMin(), 0.0);
    EXPECT_DOUBLE_EQ(pressure->GetMax(), 60.0);
    for (const char* name : { "Command", "Position" }) {
        EXPECT_DOUBLE_EQ(channel(name)->GetX(0), 0.0) << name;
        EXPECT_NEAR(channel(name)->GetY(0), 30.0, 1e-6) << name;
    }
    EXPECT_NEAR(channel("Position")->GetX(1), 0.0336538, 1e-7);
    EXPECT_NEAR(channel("Position")->GetX(2), 0.0673077, 1e-7);
    EXPECT_DOUBLE_EQ(channel("Port1")->GetY(1), 30.0);
    EXPECT_DOUBLE_EQ(channel("PvPPort1")->GetX(1), 31.0);
    EXPECT_DOUBLE_EQ(channel("PvPPort1")->GetY(1), 30.0);
    // The block's two samples, six words each: command, position, pilot
    // relay command and position, port 1 and port 2 (signed).
    const struct {
        const char* channel;
        double first, second;
    } samples[] = { { "Command", 70.0, 69.0 }, { "Position", 31.0, 32.0 }, { "ILCmd", 41.0, 43.0 },
        { "ILPOS", 42.0, 44.0 }, { "Port1", 30.0, 31.2 }, { "Port2", 15.0, -15.6 } };
    for (const auto& s : samples) {
        EXPECT_NEAR(channel(s.channel)->GetY(1), s.first, 1e-9) << s.channel;
        EXPECT_NEAR(channel(s.channel)->GetY(2), s.second, 1e-9) << s.channel;
    }
    const struct {
        const char* channel;
        double x1, y1, x2, y2;
    } againstPosition[] = { { "PvPPort1", 31.0, 30.0, 32.0, 31.2 }, { "PvPPort2", 31.0, 15.0, 32.0, -15.6 } };
    for (const auto& p : againstPosition) {
        EXPECT_NEAR(channel(p.channel)->GetX(1), p.x1, 1e-9) << p.channel;
        EXPECT_NEAR(channel(p.channel)->GetY(1), p.y1, 1e-9) << p.channel;
        EXPECT_NEAR(channel(p.channel)->GetX(2), p.x2, 1e-9) << p.channel;
        EXPECT_NEAR(channel(p.channel)->GetY(2), p.y2, 1e-9) << p.channel;
    }
}

TEST_F(StepTestPageTest, TheFirstPointHoldsTheStartThePortPressuresAndThePilotRelayAtTheStart)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    device().setMiscLong(0x69, 12000);
    clock().advance(2000);
    select(StepTestCode);
    typeSettings("30", "70", "6");
    // Read_Pressure: port 1, port 2 (hundredths of a percent of the full scale), supply.
    scriptData(204, words({ 2500, 1000, 0, 0 }));
    // The pilot relay command word (0x12) is read first: 43.21 %; the
    // position word (0x34) is the simulated valve's.
    scriptData(200, QByteArray::fromHex("EE00") + QByteArray::fromHex("12") + words({ 4321 })
            + QByteArray::fromHex("FE00000000"));
    startTest();
    const double relayCommand = 43.21;
    const double relayPosition = device().miscWord(0x34) * 0.01;
    ASSERT_NE(relayCommand, relayPosition);
    const struct {
        const char* channel;
        double x, y;
    } seeds[] = { { "Command", 0.0, 30.0 }, { "Position", 0.0, 30.0 }, { "Port1", 0.0, 30.0 }, { "Port2", 0.0, 12.0 },
        { "ILCmd", 0.0, relayCommand }, { "ILPOS", 0.0, relayPosition }, { "PvPPort1", 30.0, 30.0 },
        { "PvPPort2", 30.0, 12.0 } };
    for (const auto& seed : seeds) {
        ASSERT_EQ(channel(seed.channel)->Count(), 1) << seed.channel;
        EXPECT_NEAR(channel(seed.channel)->GetX(0), seed.x, 1e-9) << seed.channel;
        EXPECT_NEAR(channel(seed.channel)->GetY(0), seed.y, 1e-4) << seed.channel;
    }
    EXPECT_EQ(step().sampleCount(), 1);
    EXPECT_EQ(progress(), 1);
}

TEST_F(StepTestPageTest, PositionAxisRunsFromTheLowerPositionTo110)
{
    showPage();
    const struct {
        const char* start;
        const char* stop;
        double minimum;
    } cases[] = { { "63", "12.9", 12 }, { "-2.5", "40", -2 }, { "55", "55", 55 } };
    for (const auto& c : cases) {
        typeSettings(c.start, c.stop, "6");
        step().SetPlotScales();
        const IPlotAxisPtr position = step().plot()->YAxisByName(QStringLiteral("Position"));
        EXPECT_DOUBLE_EQ(position->GetMin(), c.minimum) << c.start << " / " << c.stop;
        EXPECT_DOUBLE_EQ(position->GetMax(), 110.0) << c.start << " / " << c.stop;
    }
}

TEST_F(StepTestPageTest, EveryTimeChannelEndsWith209PointsAndTheValveFollowsTheStepLaterThanTheCommand)
{
    auto halfway = [this](const char* name) {
        const IPlotChannelPtr c = channel(name);
        for (int k = 0; k < c->Count(); ++k) {
            if (c->GetY(k) >= 50.0)
                return c->GetX(k);
        }
        return 1e9;
    };
    double positionHalfway[2] = {};
    for (int run = 0; run < 2; ++run) {
        start({ QStringLiteral("/dSim/K90/PV-101") });
        if (run == 1)
            setFriction(device().physics().staticFrictionLbf * 2);
        clock().advance(2000);
        select(StepTestCode);
        typeSettings("30", "70", "6");
        startTest();
        runToCompletion();
        for (const char* name : { "Command", "Position", "Port1", "Port2", "ILCmd", "ILPOS" }) {
            ASSERT_EQ(channel(name)->Count(), 209) << name;
            EXPECT_NEAR(channel(name)->GetX(208), 7.0, 1e-9) << name;
        }
        const IPlotChannelPtr position = channel("Position");
        EXPECT_NEAR(position->GetY(position->Count() - 1), 70.0, 1.5) << run;
        EXPECT_NEAR(position->GetY(1), 30.0, 1.5) << "the valve starts from the start position";
        EXPECT_NEAR(channel("Command")->GetY(1), 70.0, 0.1) << "the command steps at the first sample";
        positionHalfway[run] = halfway("Position");
        EXPECT_GT(positionHalfway[run], halfway("Command")) << run;
        m_app.reset();
    }
    EXPECT_GT(positionHalfway[1], positionHalfway[0]);
}

std::set<std::string> shownChannels(const Plot& plot)
{
    std::set<std::string> shown;
    for (const PlotChannel* channel : plot.channels()) {
        if (channel->GetVisible())
            shown.insert(channel->GetName().toStdString());
    }
    return shown;
}

std::set<std::string> shownAxes(const Plot& plot)
{
    std::set<std::string> shown;
    for (const PlotAxis* axis : plot.xAxes()) {
        if (axis->GetVisible())
            shown.insert("x " + axis->GetName().toStdString());
    }
    for (const PlotAxis* axis : plot.yAxes()) {
        if (axis->GetVisible())
            shown.insert("y " + axis->GetName().toStdString());
    }
    return shown;
}

TEST_F(StepTestPageTest, ViewsShowTheCheckedChannelsAndTheirAxesOnEachModel)
{
    using Names = std::set<std::string>;
    const struct {
        const char* name;
        const char* path;
        bool singleActing;
        bool pressureView;
        int uncheck; // a box the user unticked first, or 0
        Names channels;
        Names axes;
        bool port2Enabled;
    } cases[] = {
        { "K90 step", K90Path, false, false, 0, { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" },
            { "x Time", "y Position", "y Pressure" }, true },
        { "K90 step, command unticked", K90Path, false, false, Step::CommandBox,
            { "Position", "Port1", "Port2", "ILCmd", "ILPOS" }, { "x Time", "y Position", "y Pressure" }, true },
        { "K90 pressure", K90Path, false, true, 0, { "PvPPort1", "PvPPort2" }, { "x Position", "y Pressure" }, true },
        { "K90 pressure, port 2 unticked", K90Path, false, true, Step::Port2Box, { "PvPPort1" },
            { "x Position", "y Pressure" }, true },
        { "single acting step", K90Path, true, false, 0, { "Position", "Command", "Port1", "ILCmd", "ILPOS" },
            { "x Time", "y Position", "y Pressure" }, false },
        { "single acting pressure", K90Path, true, true, 0, { "PvPPort1" }, { "x Position", "y Pressure" }, false },
        { "K40 step", K40Path, false, false, 0, { "Position", "Command", "Port1", "ILCmd", "ILPOS" },
            { "x Time", "y Position", "y Pressure" }, false },
        { "K40 pressure", K40Path, false, true, 0, { "PvPPort1" }, { "x Position", "y Pressure" }, false },
    };
    for (const auto& c : cases) {
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        clock().advance(2000);
        data().Config28Bit5 = c.singleActing ? 1 : 0;
        select(StepTestCode);
        if (c.uncheck) {
            step().controlAs<QAbstractButton>(c.uncheck)->click();
        }
        if (c.pressureView)
            step().controlAs<QAbstractButton>(Step::PressureViewButton)->click();
        const Plot& plot = *step().plot().get();
        EXPECT_EQ(shownChannels(plot), c.channels) << c.name;
        EXPECT_EQ(shownAxes(plot), c.axes) << c.name;
        EXPECT_EQ(enabled(Step::Port2Box), c.port2Enabled) << c.name;
        if (!c.port2Enabled) {
            EXPECT_FALSE(checked(Step::Port2Box)) << c.name;
        }
        for (int box : { Step::PositionBox, Step::CommandBox, Step::RelayCommandBox, Step::RelayPositionBox })
            EXPECT_EQ(enabled(box), !c.pressureView) << c.name << " box " << box;
        EXPECT_EQ(enabled(Step::StepViewButton), c.pressureView) << c.name;
        EXPECT_EQ(enabled(Step::PressureViewButton), !c.pressureView) << c.name;
        // In the pressure view the boxes of the time channels do nothing.
        if (c.pressureView) {
            step().OnCheckBox(Step::PositionBox);
            EXPECT_EQ(shownChannels(plot), c.channels) << c.name;
        }
        m_app.reset();
    }
}

TEST_F(StepTestPageTest, OnTheSmallerModelThePilotRelayBoxesCloseUpOverThePort2Box)
{
    showPage(K90Path);
    const QRect port2 = step().control(Step::Port2Box)->geometry();
    const QRect relayCommand = step().control(Step::RelayCommandBox)->geometry();
    const QRect relayPosition = step().control(Step::RelayPositionBox)->geometry();
    EXPECT_TRUE(step().control(Step::Port2Box)->isVisibleTo(&step()));
    m_app.reset();

    showPage(K40Path);
    EXPECT_FALSE(step().control(Step::Port2Box)->isVisibleTo(&step()));
    EXPECT_EQ(step().control(Step::RelayCommandBox)->geometry(), port2);
    EXPECT_EQ(step().control(Step::RelayPositionBox)->geometry(), relayCommand);
    EXPECT_NE(step().control(Step::RelayPositionBox)->geometry(), relayPosition);
}

TEST_F(StepTestPageTest, TheDrawnPageShowsThePositionTraceAtTheStopHeightAtTheRightEnd)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    frame().resize(1600, 1000);
    frame().show();
    clock().advance(2000);
    select(StepTestCode);
    typeSettings("30", "70", "6");
    startTest();
    runToCompletion();
    ASSERT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed"));
    Plot& plot = *step().plot().get();
    processEvents();
    const QImage picture = plot.grab().toImage();
    const QRectF area = plot.plotArea();
    const IPlotAxisPtr position = plot.YAxisByName(QStringLiteral("Position"));
    const double expectedY = area.bottom() - (70.0 - position->GetMin()) / position->GetSpan() * area.height();
    // The last tenth of the run, 6.3 to 7 s, where only the held stop
    // position is drawn.
    const IPlotAxisPtr time = plot.XAxisByName(QStringLiteral("Time"));
    const auto xOf = [&](double t) { return area.left() + (t - time->GetMin()) / time->GetSpan() * area.width(); };
    int found = 0;
    for (int x = int(xOf(6.3)); x < int(xOf(7.0)); ++x) {
        for (int y = int(area.top()); y < int(area.bottom()); ++y) {
            const QColor colour = picture.pixelColor(x, y);
            if (colour.red() == 255 && colour.green() == 10 && colour.blue() == 10) {
                EXPECT_NEAR(y, expectedY, 6.0) << "at x " << x;
                ++found;
            }
        }
    }
    EXPECT_GT(found, 10);
    picture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/step_test_page.png"));
}

} // namespace
