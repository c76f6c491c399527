// The HDRL family of the library: the plot's ten channels and three views,
// the five calculations on synthetic runs, and the HDRL file's checks and
// evaluation as a loader does them.
#include "SwTest.h"

#include "core/PlotConfiguration.h"
#include "core/ResultFile.h"
#include "hdrl/CHDRLReport.h"
#include "hdrl/HDRLAnalysis.h"
#include "hdrl/HDRLTestChannels.h"
#include "hdrl/HDRLTestFile.h"

#include <QStringList>

#include <cmath>
#include <functional>

namespace
{

using HDRLTestChannels::CommandPoints;

class HDRLAnalysisTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ConfigureHDRLPlotControl(plot());
        m_record.SetupHDRLPlotChannels(plot());
    }

    IPlotPtr plot() { return IPlotPtr(&m_plot); }
    IPlotChannelPtr channel(const char* name) { return m_plot.ChannelByName(QString::fromLatin1(name)); }

    // A run as the test page draws it: the readings of the 25 steps given by
    // `position(step)`, as steps 6 s long, and the cycle channels' errors.
    void fillRun(const std::function<double(int)>& position, int commandPoints = 49)
    {
        for (int k = 0; k < 25; ++k) {
            const double t = 6.0 * k;
            if (k > 0) {
                channel("Position")->AddXY(t, position(k - 1));
                channel("Command")->AddXY(t, CommandPoints[size_t(k - 1)]);
            }
            channel("Position")->AddXY(t, position(k));
            channel("Command")->AddXY(t, CommandPoints[size_t(k)]);
            if (const char* cycle = HDRLTestChannels::CycleChannelOf(k))
                channel(cycle)->AddXY(CommandPoints[size_t(k)], CommandPoints[size_t(k)] - position(k));
        }
        while (channel("Command")->Count() > commandPoints) {
            // A shorter command channel: the last points dropped.
            std::vector<double> xs, ys;
            const IPlotChannelPtr c = channel("Command");
            for (int i = 0; i < c->Count() - 1; ++i) {
                xs.push_back(c->GetX(i));
                ys.push_back(c->GetY(i));
            }
            c->Clear();
            for (size_t i = 0; i < xs.size(); ++i)
                c->AddXY(xs[i], ys[i]);
        }
    }

    QStringList names(bool visible) const
    {
        QStringList out;
        for (const PlotChannel* c : m_plot.channels()) {
            if (c->GetVisible() == visible && c->GetLegendVisible() == visible)
                out << c->GetName();
        }
        return out;
    }

    Plot m_plot;
    CHDRLReport m_record;
};

TEST_F(HDRLAnalysisTest, SetUpGivesTenChannelsWithTheirAxesAndHidesTheFileChannels)
{
    const QStringList expected { "Position", "Command", "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr",
        "2ndCycle-Decr", "AverageError", "LeastSquareLine", "TestSettings", "TagName" };
    QStringList got;
    for (const PlotChannel* c : m_plot.channels())
        got << c->GetName();
    EXPECT_EQ(got, expected);
    EXPECT_EQ(channel("Position")->GetColor(), 0x0A0AFFu);
    EXPECT_EQ(channel("2ndCycle-Decr")->GetTitle(), QStringLiteral("2nd Cycle-Decr"));
    EXPECT_EQ(channel("2ndCycle-decr")->GetName(), QStringLiteral("2ndCycle-Decr")); // case-free lookup
    EXPECT_EQ(channel("LeastSquareLine")->GetTitle(), QStringLiteral("Least SquareLine"));
    EXPECT_EQ(channel("AverageError")->GetXAxisName(), QStringLiteral("Command"));
    EXPECT_EQ(channel("AverageError")->GetYAxisName(), QStringLiteral("PositionError"));
    EXPECT_EQ(channel("TagName")->GetXAxisName(), QStringLiteral("None"));
    EXPECT_EQ(names(false), QStringList({ "TestSettings", "TagName" }));
}

TEST_F(HDRLAnalysisTest, EachViewShowsItsChannelsAndAxesOnly)
{
    const struct {
        std::function<void()> view;
        const char* title;
        QStringList channels;
        const char* xAxis;
        const char* yAxis;
    } views[] = {
        { [&] { m_record.ControlClick(plot()); }, "Position vs. Time", { "Position", "Command" }, "Time", "Position" },
        { [&] { m_record.HDRClicked(plot()); }, "Position Error vs. Position",
            { "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr", "2ndCycle-Decr" }, "Command", "PositionError" },
        { [&] { m_record.LinearityClicked(plot()); }, "Position Error vs. Command",
            { "AverageError", "LeastSquareLine" }, "Command", "PositionError" },
    };
    for (const auto& v : views) {
        v.view();
        EXPECT_EQ(m_plot.GetTitle(), QString::fromLatin1(v.title));
        EXPECT_EQ(names(true), v.channels) << v.title;
        for (const PlotAxis* axis : m_plot.xAxes())
            EXPECT_EQ(axis->GetVisible(), axis->GetName() == QLatin1String(v.xAxis)) << v.title;
        for (const PlotAxis* axis : m_plot.yAxes())
            EXPECT_EQ(axis->GetVisible(), axis->GetName() == QLatin1String(v.yAxis)) << v.title;
    }
}

TEST_F(HDRLAnalysisTest, RepeatabilityAndHysteresisFromSyntheticRuns)
{
    // The readings follow the command; the second cycle (steps 13 to 24)
    // lies 0.3 above the first, or the first cycle's falling readings
    // (steps 7 to 11) 0.4 below.
    const struct {
        const char* what;
        std::function<double(int)> position;
        double repeatAverage, repeatMaximum, hysAverage, hysMaximum;
    } cases[] = {
        { "second cycle 0.3 above",
            [](int k) { return CommandPoints[size_t(k)] + (k >= 13 ? 0.3 : 0.0); }, 0.3 * 12 / 13, 0.3, 0.0, 0.0 },
        { "first cycle falling 0.4 below",
            [](int k) { return CommandPoints[size_t(k)] - (k >= 7 && k <= 11 ? 0.4 : 0.0); }, 0.4 * 5 / 13, 0.4, 0.4,
            0.4 },
    };
    for (const auto& c : cases) {
        SetUp();
        fillRun(c.position);
        double average = -1, maximum = -1;
        CalculateRepeatError(plot(), 0, 0, &average, &maximum, 1);
        EXPECT_NEAR(average, c.repeatAverage, 1e-9) << c.what;
        EXPECT_NEAR(maximum, c.repeatMaximum, 1e-9) << c.what;
        CalculateHD_Error(plot(), 0, 0, &average, &maximum, 1);
        EXPECT_NEAR(average, c.hysAverage, 1e-9) << c.what;
        EXPECT_NEAR(maximum, c.hysMaximum, 1e-9) << c.what;
    }
    // As the page shows them.
    EXPECT_EQ(NumberText::format("%1.2f", 0.3 * 12 / 13), QStringLiteral("0.28"));
}

TEST_F(HDRLAnalysisTest, AShortCommandChannelOrAnotherSetLeavesTheOutputsUntouched)
{
    for (int points : { 48, 30 }) {
        SetUp();
        fillRun([](int k) { return CommandPoints[size_t(k)] + (k >= 13 ? 0.3 : 0.0); }, points);
        double average = 7, maximum = 8;
        CalculateRepeatError(plot(), 0, 0, &average, &maximum, 1);
        CalculateHD_Error(plot(), 0, 0, &average, &maximum, 1);
        EXPECT_EQ(average, 7) << points;
        EXPECT_EQ(maximum, 8) << points;
    }
    SetUp();
    fillRun([](int k) { return double(CommandPoints[size_t(k)]); });
    double average = 7, maximum = 8, linearity = 9;
    CalculateRepeatError(plot(), 0, 0, &average, &maximum, 3);
    CalculateHD_Error(plot(), 0, 0, &average, &maximum, 3);
    EXPECT_EQ(average, 7);
    EXPECT_EQ(maximum, 8);
    CalculateSum(plot(), 0, 0, &linearity, 3);
    EXPECT_EQ(linearity, 0.0);
    linearity = 9;
    CalculateLinError(plot(), 0, 0, &linearity, 3);
    EXPECT_EQ(linearity, 0.0);
    // The second file's channels are not on a test plot.
    EXPECT_THROW(CalculateRepeatError(plot(), 0, 0, &average, &maximum, 2), ComError);
}

TEST_F(HDRLAnalysisTest, AverageErrorLineAndLinearity)
{
    // Errors at 10 ... 90 chosen so that every cycle channel holds them.
    const double errors[] = { 0.1, -0.1, 0.3, 0.1, 0.1 };
    const auto errorAt = [&](int command) { return errors[(command - 10) / 20]; };
    fillRun([&](int k) {
        const int c = CommandPoints[size_t(k)];
        return c == 0 || c == 100 ? double(c) : c - errorAt(c);
    });
    CalculateAverageError(plot());
    const IPlotChannelPtr average = channel("AverageError");
    ASSERT_EQ(average->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(average->GetX(i), 10 + 20 * i);
        EXPECT_NEAR(average->GetY(i), errors[i], 1e-12) << i;
    }
    double linearity = -1;
    CalculateSum(plot(), 0, 0, &linearity, 1);
    const IPlotChannelPtr line = channel("LeastSquareLine");
    ASSERT_EQ(line->Count(), 5);
    const double expectedLine[] = { 0.06, 0.08, 0.10, 0.12, 0.14 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(line->GetX(i), 10 + 20 * i);
        EXPECT_NEAR(line->GetY(i), expectedLine[i], 1e-12) << i;
    }
    EXPECT_NEAR(linearity, 0.2, 1e-12);
    EXPECT_EQ(NumberText::format("%1.4f", linearity), QStringLiteral("0.2000"));
    double alone = -1;
    CalculateLinError(plot(), 0, 0, &alone, 1);
    EXPECT_NEAR(alone, 0.2, 1e-12);

    // Run twice: five more average points, and the line fitted over all ten
    // takes the place of the first line, compared index by index.
    CalculateAverageError(plot());
    EXPECT_EQ(average->Count(), 10);
    CalculateSum(plot(), 0, 0, &linearity, 1);
    EXPECT_EQ(line->Count(), 5);
    EXPECT_NEAR(linearity, 0.2, 1e-12);
}

TEST_F(HDRLAnalysisTest, DegenerateAverageErrorsGiveNoLineAndNoNumberThatIsNotOne)
{
    const struct {
        const char* what;
        std::vector<std::pair<double, double>> points;
        double linearity;
    } cases[] = {
        { "empty", {}, 0.0 },
        { "one point", { { 50, 0.4 } }, 0.0 },
        { "all at one command", { { 30, 0.4 }, { 30, -0.2 } }, 0.0 },
    };
    for (const auto& c : cases) {
        SetUp();
        for (const auto& [x, y] : c.points)
            channel("AverageError")->AddXY(x, y);
        double linearity = -1;
        CalculateSum(plot(), 0, 0, &linearity, 1);
        EXPECT_EQ(channel("LeastSquareLine")->Count(), 0) << c.what;
        EXPECT_EQ(linearity, c.linearity) << c.what;
    }
    // A cycle point whose command is not exactly one of the five adds nothing.
    SetUp();
    for (const char* name : { "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr", "2ndCycle-Decr" }) {
        for (int c : { 10, 30, 50, 70, 90 })
            channel(name)->AddXY(c == 10 ? 10.0001 : c, 1.0);
    }
    CalculateAverageError(plot());
    EXPECT_EQ(channel("AverageError")->GetY(0), 0.0);
    EXPECT_EQ(channel("AverageError")->GetY(1), 1.0);
}

TEST_F(HDRLAnalysisTest, FileCheckRefusesWhatIsNoHDRLFileAndEvaluationRebuildsAStoredStaircase)
{
    const auto lookup = [&] { return ResultFileFrame::lookupIn(m_plot); };
    // Without settings points.
    EXPECT_THROW(HDRLTestFile::checkFile(lookup()), ComError);
    for (double v : { 3.0, 3.0, 2027.0 })
        channel("TestSettings")->AddXY(channel("TestSettings")->Count(), v);
    EXPECT_THROW(HDRLTestFile::checkFile(lookup()), ComError); // three points
    channel("TestSettings")->AddXY(3, 7.0);
    EXPECT_EQ(HDRLTestFile::checkFile(lookup()), 7.0);

    // A run stored with one point per step: 25 points become the staircase.
    for (int k = 0; k < 25; ++k) {
        channel("Command")->AddXY(7.0 * k, CommandPoints[size_t(k)]);
        channel("Position")->AddXY(7.0 * k, CommandPoints[size_t(k)] + (k >= 13 ? 0.3 : 0.0));
    }
    for (const char* tagChar : { "P", "V" })
        channel("TagName")->AddXY(channel("TagName")->Count(), tagChar[0]);
    CHDRLReport record;
    HDRLTestFile::evaluate(plot(), record);
    EXPECT_EQ(channel("Command")->Count(), 49);
    EXPECT_EQ(channel("Command")->GetX(1), 7.0);
    EXPECT_EQ(channel("Command")->GetY(1), 0.0);
    EXPECT_EQ(channel("Command")->GetX(2), 7.0);
    EXPECT_EQ(channel("Command")->GetY(2), 10.0);
    EXPECT_EQ(channel("Position")->GetX(48), 168.0);
    EXPECT_EQ(record.m_strPosSettlingTime.toQString(), QStringLiteral("7"));
    EXPECT_EQ(record.m_strTag.toQString(), QStringLiteral("PV"));
    EXPECT_EQ(NumberText::format("%1.2f", NumberText::toDouble(record.m_strRepeatAverage.toQString())),
        QStringLiteral("0.28"));

    // A file of neither 25 nor 49 command points has no repeatability or
    // hysteresis texts, not those of the file before.
    SetUp();
    for (double v : { 3.0, 3.0, 2027.0, 7.0 })
        channel("TestSettings")->AddXY(channel("TestSettings")->Count(), v);
    for (int k = 0; k < 30; ++k)
        channel("Command")->AddXY(k, k);
    record.m_strRepeatAverage = AutoString("0.5");
    record.m_strHysDeadMaximum = AutoString("0.5");
    HDRLTestFile::evaluate(plot(), record);
    EXPECT_EQ(record.m_strRepeatAverage.toQString(), QString());
    EXPECT_EQ(record.m_strHysDeadMaximum.toQString(), QString());
    EXPECT_EQ(record.m_strLinearError.toQString(), QStringLiteral("0"));
}

} // namespace
