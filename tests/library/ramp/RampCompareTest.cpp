// The ramp compare record: the 69 channels of the compare plot and the 26 of
// the scratch plot, the four compare views and their port 2 rule, the two
// loaders with their settings question, units and refusals.
#include "SwTest.h"

#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "ramp/CRampCompareReport.h"
#include "ramp/CRampReport.h"
#include "ramp/RampCompare.h"
#include "ramp/RampTestChannels.h"
#include "step/CStepTestReport.h"

#include <QFile>
#include <QWidget>

#include <set>
#include <string>

namespace
{

// How a ramp test file to compare was recorded.
struct FileSpec {
    const char* tag = "FV-9";
    const char* start = "10";
    const char* stop = "90";
    const char* hold = "3";
    const char* duration = "45";
    uint8_t biDirectional = 1;
    uint8_t singleActing = 0;
    uint8_t sensors = 1;
    uint8_t pressureUnit = 7;
    uint8_t lengthUnit = 47;
    const char* actuatorSize = "50";
    const char* strokeLength = "1.5";
    const char* springInitial = "3.25";
    const char* springFinal = "12.5";
    const char* springRate = "40";
    int points = 100; // of every signal
    double offset = 0.0; // added to every y
};

class RampCompareTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        clock().setLocalStart(QDateTime(QDate(2025, 6, 7), QTime(14, 7, 0)));
        ConfigureRampPlotControl(compare());
        m_record.SetupDestPlotChannels(compare());
        ConfigureRampPlotControl(scratch());
        m_record.SetupSrcPlotChannels(scratch());
    }

    IXYPlotPtr compare() { return IXYPlotPtr(&m_compare); }
    IXYPlotPtr scratch() { return IXYPlotPtr(&m_scratch); }

    // A ramp test file saved by the ramp record.
    QString rampFile(const QString& name, const FileSpec& spec)
    {
        XYPlot source;
        CRampReport record;
        ConfigureRampPlotControl(IXYPlotPtr(&source));
        record.SetupRampPlotChannels(IXYPlotPtr(&source));
        for (const char* channel : RampTestChannels::SignalsInHidingOrder)
            for (int k = 0; k < spec.points; ++k)
                source.ChannelByName(QString::fromLatin1(channel))->AddXY(k * 0.5, k * 1.0 + spec.offset);
        record.m_strTag = AutoString(spec.tag);
        record.m_strStartPosition = AutoString(spec.start);
        record.m_strStopPosition = AutoString(spec.stop);
        record.m_strHoldTime = AutoString(spec.hold);
        record.m_strTestDuration = AutoString(spec.duration);
        record.m_bBiDirectional = spec.biDirectional;
        record.m_bSingleActing = spec.singleActing;
        record.m_bPressureSensor = spec.sensors;
        record.m_nPressureUnit = spec.pressureUnit;
        record.m_nLengthUnit = spec.lengthUnit;
        record.m_strActuatorSize = AutoString(spec.actuatorSize);
        record.m_strStrokeLength = AutoString(spec.strokeLength);
        record.m_strSpringInitial = AutoString(spec.springInitial);
        record.m_strSpringFinal = AutoString(spec.springFinal);
        record.m_strSpringRate = AutoString(spec.springRate);
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Ramp Test Results As"));
        record.SaveRamp(IXYPlotPtr(&source));
        return path;
    }

    bool load1(const QString& path, std::optional<QString> box = std::nullopt)
    {
        prompts().answerFile(path, QStringLiteral("Open Ramp Test Results"));
        if (box)
            prompts().answerMessage(Prompts::IdOk, box);
        return m_record.LoadFile_1(scratch(), compare(), m_header);
    }
    bool load2(const QString& path, std::optional<int> answer = std::nullopt, std::optional<QString> box = std::nullopt)
    {
        prompts().answerFile(path, QStringLiteral("Open Ramp Test Results"));
        if (answer)
            prompts().answerMessage(*answer, box);
        return m_record.LoadFile_2(scratch(), compare(), &m_page, m_header);
    }

    std::set<std::string> shown() const
    {
        std::set<std::string> names;
        for (const PlotChannel* channel : m_compare.channels())
            if (channel->GetVisible())
                names.insert(channel->GetName().toStdString());
        return names;
    }
    std::set<std::string> shownAxes() const
    {
        std::set<std::string> names;
        for (const PlotAxis* axis : m_compare.xAxes())
            if (axis->GetVisible() && axis->GetTitleVisible())
                names.insert("x " + axis->GetName().toStdString());
        for (const PlotAxis* axis : m_compare.yAxes())
            if (axis->GetVisible() && axis->GetTitleVisible())
                names.insert("y " + axis->GetName().toStdString());
        return names;
    }
    IXYPlotChannelPtr channel(const char* name) { return m_compare.ChannelByName(QString::fromLatin1(name)); }

    // Every point of every channel of the compare plot.
    std::vector<std::pair<std::string, std::vector<double>>> content() const
    {
        std::vector<std::pair<std::string, std::vector<double>>> all;
        for (const PlotChannel* c : m_compare.channels())
            all.emplace_back(c->GetName().toStdString(), c->data().ys);
        return all;
    }

    XYPlot m_compare;
    XYPlot m_scratch;
    QWidget m_page;
    CRampCompareReport m_record;
    CReportHeader m_header; // model code 5
};

TEST_F(RampCompareTest, SetupMakesTheSixtyNineChannelsEmptyAndHiddenAlsoTheSecondTime)
{
    m_compare.ChannelByName(QStringLiteral("Position"))->AddXY(1, 2);
    m_record.SetupDestPlotChannels(compare());
    ASSERT_EQ(m_compare.ChannelCount(), 69);
    std::set<std::string> names;
    for (int k = 0; k < 69; ++k) {
        const RampCompare::ChannelRow& row = RampCompare::Rows[size_t(k)];
        const IXYPlotChannelPtr c = m_compare.Channel(k);
        EXPECT_EQ(c->GetName(), QString::fromLatin1(row.name)) << k;
        EXPECT_FALSE(c->GetName().startsWith(QStringLiteral("Channel"))) << k;
        EXPECT_EQ(c->Count(), 0) << k;
        EXPECT_FALSE(c->GetVisible()) << k;
        EXPECT_FALSE(c->GetLegendVisible()) << k;
        names.insert(row.name);
    }
    EXPECT_EQ(names.size(), 69u);
    std::set<std::string> hidingOrder(RampCompare::HidingOrder.begin(), RampCompare::HidingOrder.end());
    EXPECT_EQ(hidingOrder, names);
    const IXYPlotChannelPtr close2 = channel("Port2vCmdClose2");
    EXPECT_EQ(close2->GetTitle(), QStringLiteral("Port 2 Pressure(closing) 2"));
    EXPECT_EQ(close2->GetColor(), 0x000080u);
    EXPECT_EQ(close2->GetXAxisName(), QStringLiteral("Command"));
    EXPECT_EQ(close2->GetYAxisName(), QStringLiteral("Pressure"));
    EXPECT_EQ(close2->GetMarkerStyle(), ChannelStyle::Square);
    const IXYPlotChannelPtr relay = channel("ILPOSDiff");
    EXPECT_EQ(relay->GetTitle(), QStringLiteral("Pilot Relay Position Delta (2 - 1)"));
    EXPECT_EQ(relay->GetMarkerStyle(), ChannelStyle::Triangle);
    EXPECT_EQ(channel("PvPPort1_2_2")->GetTitle(), QStringLiteral("Port 1 Pressure(closing) 2"));
    EXPECT_EQ(channel("PvPPort12")->GetTitle(), QStringLiteral("Port 1 Pressure(opening) 2"));
    EXPECT_EQ(channel("ThrustOpenDiff")->GetTitle(), QStringLiteral("Thrust (opening) Delta (2 - 1)"));
    EXPECT_FALSE(channel("Position")->GetMarkersVisible());
    EXPECT_TRUE(shownAxes().empty());
    // The scratch plot has the ramp file's channels, also when set up twice.
    m_record.SetupSrcPlotChannels(scratch());
    EXPECT_EQ(m_scratch.ChannelCount(), 26);
    EXPECT_TRUE(m_scratch.ChannelByName(QStringLiteral("TagName")));
}

TEST_F(RampCompareTest, ViewsShowBothFilesAndThePortTwoChannelsTheModelAndFlagsAllow)
{
    const auto port2Names = [](const std::set<std::string>& names) {
        std::set<std::string> port2;
        for (const std::string& name : names)
            if (name.find("Port2") != std::string::npos)
                port2.insert(name);
        return port2;
    };
    struct Case {
        const char* what;
        int model;
        uint8_t single1, single2;
        std::set<std::string> rampPort2;
    };
    const Case cases[] = {
        { "both double acting, larger model", 5, 0, 0, { "Port2", "Port2_2", "Port2Diff" } },
        { "file 1 single acting", 5, 1, 0, { "Port2_2" } },
        { "file 2 single acting", 5, 0, 1, { "Port2" } },
        { "both single acting", 5, 1, 1, {} },
        { "smaller model", 6, 0, 0, {} },
    };
    // Both files loaded: without file 2 only file 1's channels show.
    m_record.m_strFileName2 = AutoString("/data/two.rmp");
    for (const Case& c : cases) {
        m_header.m_byModel = uint8_t(c.model);
        m_record.m_bSingleActing1 = c.single1;
        m_record.m_bSingleActing2 = c.single2;
        // The direction flags play no part in the compare views.
        m_record.m_bBiDirectional1 = 0;
        m_record.m_bBiDirectional2 = 0;
        m_record.SetRampView(compare(), m_header);
        const std::set<std::string> ramp = shown();
        EXPECT_EQ(port2Names(ramp), c.rampPort2) << c.what;
        EXPECT_EQ(ramp.size(), 15 + c.rampPort2.size()) << c.what;
        EXPECT_TRUE(ramp.count("Port1_2") && ramp.count("Port1Diff") && ramp.count("ILPOSDiff")) << c.what;
        EXPECT_EQ(shownAxes(), (std::set<std::string> { "x Time", "y Position", "y Pressure" })) << c.what;
        EXPECT_EQ(m_compare.GetTitle(), QStringLiteral("Ramp Test"));

        m_record.SetPressureVPosView(compare(), m_header);
        const std::set<std::string> pressure = shown();
        EXPECT_EQ(pressure.size(), 6 + port2Names(pressure).size()) << c.what;
        EXPECT_EQ(port2Names(pressure).count("PvPPort2"), c.single1 == 0 && c.model == 5 ? 1u : 0u) << c.what;
        EXPECT_EQ(port2Names(pressure).count("PvPPort2_2_2"), c.single2 == 0 && c.model == 5 ? 1u : 0u) << c.what;
        EXPECT_EQ(shownAxes(), (std::set<std::string> { "x Position", "y Pressure" })) << c.what;

        m_record.SetSigVCommandView(compare(), m_header);
        const std::set<std::string> command = shown();
        EXPECT_TRUE(command.count("PosnvCmdClose2") && command.count("Port1vCmdCloseDiff")) << c.what;
        EXPECT_EQ(port2Names(command).count("Port2vCmdOpen"), c.single1 == 0 && c.model == 5 ? 1u : 0u) << c.what;
        EXPECT_EQ(port2Names(command).count("Port2vCmdOpen2"), c.single2 == 0 && c.model == 5 ? 1u : 0u) << c.what;
        EXPECT_EQ(port2Names(command).count("Port2vCmdOpenDiff"), c.single2 == 0 && c.model == 5 ? 1u : 0u) << c.what;
        EXPECT_EQ(shownAxes(), (std::set<std::string> { "x Command", "y Position", "y Pressure" })) << c.what;

        m_record.SetFrictionView(compare());
        EXPECT_EQ(shown(),
            (std::set<std::string> { "Friction", "ThrustOpen", "ThrustClose", "Friction2", "ThrustOpen2",
                "ThrustClose2", "FrictionDiff", "ThrustOpenDiff", "ThrustCloseDiff" }))
            << c.what;
        EXPECT_EQ(shownAxes(), (std::set<std::string> { "x Position", "y FrictionY" })) << c.what;
        EXPECT_EQ(m_compare.GetTitle(), QStringLiteral("Friction & Thrust Vs Position"));
    }
    m_record.ResetRampComparePlot(compare());
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(shownAxes().empty());
}

TEST_F(RampCompareTest, FileOneStartsANewComparisonWithItsSettingsSpringsAndSignals)
{
    m_record.m_strTag2 = AutoString("OLD");
    m_record.m_strSpringRate2 = AutoString("9.00");
    m_record.m_strFileName2 = AutoString("/old.rmp");
    const QString path = rampFile(QStringLiteral("one.rmp"), FileSpec {});
    ASSERT_TRUE(load1(path));
    const auto& dialog = prompts().records().back().dialog;
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.rmp)|*.rmp|"));
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(m_record.m_strTag1.toQString(), QStringLiteral("FV-9"));
    EXPECT_EQ(m_record.m_strTestDate1.toQString(), QStringLiteral("6/7/2025"));
    EXPECT_EQ(m_record.m_strFileName1.toQString(), path);
    EXPECT_EQ(m_record.m_strStartPosition1.toQString(), QStringLiteral("10"));
    EXPECT_EQ(m_record.m_strStopPosition1.toQString(), QStringLiteral("90"));
    EXPECT_EQ(m_record.m_strHoldTime1.toQString(), QStringLiteral("3"));
    EXPECT_EQ(m_record.m_strTestDuration1.toQString(), QStringLiteral("45"));
    EXPECT_EQ(m_record.m_strActuatorSize1.toQString(), QStringLiteral("50.00"));
    EXPECT_EQ(m_record.m_strStrokeLength1.toQString(), QStringLiteral("1.50"));
    EXPECT_EQ(m_record.m_strSpringInitial1.toQString(), QStringLiteral("3.25"));
    EXPECT_EQ(m_record.m_strSpringFinal1.toQString(), QStringLiteral("12.50"));
    EXPECT_EQ(m_record.m_strSpringRate1.toQString(), QStringLiteral("40.00"));
    EXPECT_EQ(m_record.m_strSpringPressureUnit.toQString(), QStringLiteral("bar"));
    EXPECT_EQ(m_record.m_strSpringRateUnit.toQString(), QStringLiteral("kg/in."));
    EXPECT_EQ(m_record.m_strActuatorSizeUnit.toQString(), QStringLiteral("sq.in"));
    EXPECT_EQ(m_record.m_bShowPressure1, 1);
    // File 2's values of an earlier comparison are gone.
    EXPECT_EQ(m_record.m_strTag2.toQString(), QString());
    EXPECT_EQ(m_record.m_strFileName2.toQString(), QString());
    EXPECT_EQ(m_record.m_strSpringRate2.toQString(), QString());
    EXPECT_EQ(m_record.m_strStartPosition2.toQString(), QStringLiteral("0.0"));
    EXPECT_EQ(channel("Position")->Count(), 100);
    EXPECT_EQ(channel("Friction")->Count(), 100);
    EXPECT_EQ(channel("Position2")->Count(), 0);
    EXPECT_EQ(m_compare.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [bar ]"));
    EXPECT_EQ(m_compare.GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_TRUE(shown().count("Position") && shown().count("Port2"));

    // A one-way file: no spring values, no friction or thrust copied.
    FileSpec oneWay;
    oneWay.biDirectional = 0;
    ASSERT_TRUE(load1(rampFile(QStringLiteral("oneway.rmp"), oneWay)));
    for (const AutoString* spring :
        { &m_record.m_strSpringInitial1, &m_record.m_strSpringFinal1, &m_record.m_strSpringRate1 })
        EXPECT_EQ(spring->toQString(), QStringLiteral(" - "));
    EXPECT_EQ(channel("Friction")->Count(), 0);
    EXPECT_EQ(channel("ThrustOpen")->Count(), 0);
    EXPECT_EQ(channel("Position")->Count(), 100);
}

TEST_F(RampCompareTest, ASpringSavedWithoutAValueComparesWithoutOneAndAnOlderFilesZeroAsZero)
{
    // Saved both ways with no spring found: each field as it was shown.
    FileSpec none;
    none.springInitial = " - ";
    none.springFinal = "";
    none.springRate = "-";
    ASSERT_TRUE(load1(rampFile(QStringLiteral("nospring.rmp"), none)));
    for (const AutoString* spring :
        { &m_record.m_strSpringInitial1, &m_record.m_strSpringFinal1, &m_record.m_strSpringRate1 })
        EXPECT_EQ(spring->toQString(), QStringLiteral(" - "));

    // A file of the eighteen settings kept before: its 0 is a measured 0.
    FileSpec zero;
    zero.springInitial = "0";
    const QString older = rampFile(QStringLiteral("older.rmp"), zero);
    {
        XYPlot file;
        file.LoadDataFile(older);
        const IXYPlotChannelPtr settings = file.ChannelByName(QStringLiteral("TestSettings"));
        ASSERT_EQ(settings->Count(), 19);
        EXPECT_EQ(settings->GetY(18), 0.0);
        std::vector<double> ys;
        for (int k = 0; k < 18; ++k)
            ys.push_back(settings->GetY(k));
        settings->Clear();
        for (size_t k = 0; k < ys.size(); ++k)
            settings->AddXY(double(k), ys[k]);
        file.SaveDataFile(older);
    }
    ASSERT_TRUE(load1(older));
    EXPECT_EQ(m_record.m_strSpringInitial1.toQString(), QStringLiteral("0.00"));
    EXPECT_EQ(m_record.m_strSpringRate1.toQString(), QStringLiteral("40.00"));
}

// Each axis of a view holds the points it shows with room at both ends and
// ends on a round label, whatever range it had. File 1's signals run from 10
// to 109 over 0 to 49.5 (time, position or command); file 2's lie 5 higher,
// their differences, file 2 less file 1, at 5. Worked out: time from 0 to 49.5 + 4 % to the next
// 10 s; percent axes keep the stroke, 0 to 100, at each end the points lie
// inside with room (4 % of what they hold), else go beyond that room to the
// next tenth (two files: 128.5 over 10 is more than twelve labels, so steps
// of 20); a command or position from 0 to 49.5 goes from -10 to the kept 100;
// pressure and force from their kept zero while they lie above it with room,
// else, like their tops, to the round step beyond (force 10 to 109: steps of
// 20 to 120; the differences at 5 still lie above zero with room).
TEST_F(RampCompareTest, EachAxisHoldsTheShownPointsWithRoomOnRoundLabels)
{
    enum View { Ramp, Command, Friction };
    struct Case {
        int files;
        View view;
        bool x;
        const char* axis;
        double min;
        double max;
    };
    const Case cases[] = {
        { 1, Ramp, true, "Time", 0, 60 },
        { 1, Ramp, false, "Position", 0, 120 },
        { 1, Ramp, false, "Pressure", 0, 120 },
        { 1, Command, true, "Command", -10, 100 },
        { 1, Command, false, "Position", 0, 120 },
        { 1, Command, false, "Pressure", 0, 120 },
        { 1, Friction, true, "Position", -10, 100 },
        { 1, Friction, false, "FrictionY", 0, 120 },
        { 2, Ramp, true, "Time", 0, 60 },
        { 2, Ramp, false, "Position", 0, 120 },
        { 2, Ramp, false, "Pressure", 0, 120 },
        { 2, Command, true, "Command", -10, 100 },
        { 2, Friction, false, "FrictionY", 0, 120 },
    };
    FileSpec first;
    first.offset = 10.0;
    FileSpec second = first;
    second.offset = 15.0;
    for (int files : { 1, 2 }) {
        ASSERT_TRUE(load1(rampFile(QStringLiteral("one.rmp"), first)));
        if (files == 2) {
            ASSERT_TRUE(load2(rampFile(QStringLiteral("two.rmp"), second)));
        }
        for (View view : { Ramp, Command, Friction }) {
            for (PlotAxis* axis : m_compare.xAxes())
                axis->SetMin(-50);
            if (view == Ramp)
                m_record.SetRampView(compare(), m_header);
            else if (view == Command)
                m_record.SetSigVCommandView(compare(), m_header);
            else
                m_record.SetFrictionView(compare());
            for (const Case& c : cases) {
                if (c.files != files || c.view != view)
                    continue;
                const QString name = QString::fromLatin1(c.axis);
                const IPlotAxisPtr axis = c.x ? m_compare.XAxisByName(name) : m_compare.YAxisByName(name);
                EXPECT_DOUBLE_EQ(axis->GetMin(), c.min) << files << " files, view " << view << ", " << c.axis;
                EXPECT_DOUBLE_EQ(axis->GetMax(), c.max) << files << " files, view " << view << ", " << c.axis;
            }
        }
    }
}

TEST_F(RampCompareTest, FileTwoCopiesWithMarkersAndTheDifferencesAtFileOnesPositions)
{
    ASSERT_TRUE(load1(rampFile(QStringLiteral("one.rmp"), FileSpec {})));
    FileSpec second;
    second.offset = 2.5;
    second.tag = "FV-10";
    ASSERT_TRUE(load2(rampFile(QStringLiteral("two.rmp"), second)));
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_EQ(m_record.m_strTag2.toQString(), QStringLiteral("FV-10"));
    struct Marked {
        const char* name;
        int spacing;
    };
    for (const Marked& m : { Marked { "Position2", 25 }, Marked { "PvPPort22", 20 }, Marked { "ILPosnvCmdClose2", 32 },
             Marked { "ThrustOpen2", 18 }, Marked { "PositionDiff", 25 }, Marked { "Port2vCmdCloseDiff", 28 } }) {
        const IXYPlotChannelPtr c = channel(m.name);
        ASSERT_EQ(c->Count(), 100) << m.name;
        for (int k = 0; k < 100; ++k)
            EXPECT_EQ(c->GetPointMarked(k), k % m.spacing == 0) << m.name << " " << k;
        EXPECT_TRUE(c->GetMarkersVisible()) << m.name;
    }
    const IXYPlotChannelPtr difference = channel("PositionDiff");
    for (int k : { 0, 1, 50, 99 }) {
        EXPECT_DOUBLE_EQ(difference->GetX(k), k * 0.5) << k;
        EXPECT_DOUBLE_EQ(difference->GetY(k), 2.5) << k;
    }
    EXPECT_DOUBLE_EQ(channel("FrictionDiff")->GetY(10), 2.5);
    // File 1's channels were not touched, and the plot is back in the ramp view.
    EXPECT_EQ(channel("Position")->Count(), 100);
    EXPECT_EQ(channel("Position")->GetY(3), 3.0);
    EXPECT_EQ(m_compare.GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_TRUE(shown().count("Position2") && shown().count("PositionDiff"));

    // A shorter file 2: the differences are as long as it.
    FileSpec shorter;
    shorter.points = 40;
    ASSERT_TRUE(load2(rampFile(QStringLiteral("short.rmp"), shorter)));
    EXPECT_EQ(channel("Position2")->Count(), 40);
    EXPECT_EQ(channel("PositionDiff")->Count(), 40);
    EXPECT_EQ(channel("ILPosnvCmdCloseDiff")->Count(), 40);
}

TEST_F(RampCompareTest, AFileTwoNotAllCopiedSaysSoAndAViewThatThenFailsPutsFileTwoBack)
{
    ASSERT_TRUE(load1(rampFile(QStringLiteral("one.rmp"), FileSpec {})));
    const QString two = rampFile(QStringLiteral("two.rmp"), FileSpec {});
    ASSERT_TRUE(load2(two));
    // The compare plot has lost file 2's opening port 1 pressure channel: the
    // copies stop there, and the view cannot hide it afterwards.
    channel("PvPPort12")->SetName(QStringLiteral("Elsewhere"));
    FileSpec third;
    third.offset = 1.0;
    third.tag = "FV-11";
    const QString path = rampFile(QStringLiteral("three.rmp"), third);
    prompts().clearRecords();
    prompts().answerFile(path, QStringLiteral("Open Ramp Test Results"));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Failed to Load Channels due to mismatched settings."));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    EXPECT_FALSE(m_record.LoadFile_2(scratch(), compare(), &m_page, m_header));
    ASSERT_EQ(prompts().messages().size(), 2u);
    for (const auto& message : prompts().messages()) {
        EXPECT_EQ(message.caption, QStringLiteral("LOAD")) << message.text.toStdString();
        EXPECT_EQ(message.owner, nullptr) << message.text.toStdString();
    }
    // What was copied before the missing channel holds the new file 2, the
    // port differences of the time signals included; what follows it still
    // holds the file 2 shown before.
    struct Point {
        const char* name;
        double y3;
    };
    for (const Point& p : { Point { "Position2", 4.0 }, Point { "Port2_2", 4.0 }, Point { "Port2Diff", 1.0 },
             Point { "ILPOSDiff", 1.0 }, Point { "PvPPort22", 3.0 }, Point { "PvPPort2Diff", 0.0 },
             Point { "PosnvCmdOpen2", 3.0 }, Point { "ThrustClose2", 3.0 } })
        EXPECT_DOUBLE_EQ(channel(p.name)->GetY(3), p.y3) << p.name;
    EXPECT_EQ(m_record.m_strFileName2.toQString(), two);
    EXPECT_EQ(m_record.m_strTag2.toQString(), QStringLiteral("FV-9"));
}

TEST_F(RampCompareTest, OnlyOtherRecordedSettingsAskAndCancelKeepsTheComparisonOfFileOne)
{
    struct Case {
        const char* what;
        FileSpec spec;
        bool asks;
        int daysLater = 0; // file 2 saved that many days after file 1
    };
    std::vector<Case> cases;
    cases.push_back({ "same settings", FileSpec {}, false });
    {
        FileSpec s;
        s.tag = "XV-1";
        s.pressureUnit = 12;
        s.lengthUnit = 49;
        s.springRate = "77";
        s.springInitial = "1";
        s.springFinal = "2";
        cases.push_back({ "other tag, units and springs", s, false });
    }
    cases.push_back({ "saved two days later", FileSpec {}, false, 2 });
    {
        FileSpec s;
        s.actuatorSize = "51";
        cases.push_back({ "other actuator size", s, true });
    }
    {
        FileSpec s;
        s.duration = "46";
        cases.push_back({ "other duration", s, true });
    }
    {
        FileSpec s;
        s.sensors = 0;
        cases.push_back({ "no sensors", s, true });
    }
    for (const Case& c : cases) {
        ASSERT_TRUE(load1(rampFile(QStringLiteral("one.rmp"), FileSpec {}))) << c.what;
        clock().pass(qint64(c.daysLater) * 24 * 3600 * 1000);
        const QString second = rampFile(QStringLiteral("two.rmp"), c.spec);
        prompts().clearRecords();
        if (c.asks) {
            EXPECT_FALSE(load2(second, Prompts::IdCancel,
                QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue")))
                << c.what;
            ASSERT_EQ(prompts().messages().size(), 1u) << c.what;
            EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Compare")) << c.what;
            EXPECT_EQ(prompts().messages()[0].buttons, Prompts::Buttons::OkCancel) << c.what;
            EXPECT_EQ(prompts().messages()[0].owner, &m_page) << c.what;
            // The plot holds file 1 alone, still in its ramp view.
            for (const char* name : { "Position2", "PositionDiff", "PvPPort12", "ILPosnvCmdClose2", "Friction2" })
                EXPECT_EQ(channel(name)->Count(), 0) << c.what << " " << name;
            EXPECT_EQ(channel("Position")->Count(), 100) << c.what;
            EXPECT_EQ(m_compare.GetTitle(), QStringLiteral("Ramp Test")) << c.what;
            // OK goes on.
            EXPECT_TRUE(load2(second, Prompts::IdOk)) << c.what;
        } else {
            EXPECT_TRUE(load2(second)) << c.what;
            EXPECT_TRUE(prompts().messages().empty()) << c.what;
        }
        EXPECT_EQ(channel("Position2")->Count(), 100) << c.what;
        if (c.daysLater) {
            EXPECT_NE(m_record.m_strTestDate2, m_record.m_strTestDate1) << c.what;
        }
    }
}

TEST_F(RampCompareTest, SettingsReadAsTheShortestTextOfTheirSinglePrecisionValue)
{
    FileSpec spec;
    spec.start = "10.1";
    spec.hold = "0.29";
    spec.duration = "12.345";
    const QString file = rampFile(QStringLiteral("one.rmp"), spec);
    ASSERT_TRUE(load1(file));
    ASSERT_TRUE(load2(file));
    EXPECT_EQ(m_record.m_strStartPosition1.toQString(), QStringLiteral("10.1"));
    EXPECT_EQ(m_record.m_strHoldTime1.toQString(), QStringLiteral("0.29"));
    EXPECT_EQ(m_record.m_strTestDuration1.toQString(), QStringLiteral("12.345"));
    EXPECT_EQ(m_record.m_strStopPosition1.toQString(), QStringLiteral("90"));
    EXPECT_EQ(m_record.m_strHoldTime2.toQString(), QStringLiteral("0.29"));
    EXPECT_EQ(m_record.m_strTestDuration2.toQString(), QStringLiteral("12.345"));
    // The ramp page's own loader reads them alike.
    CRampReport single;
    XYPlot page;
    ConfigureRampPlotControl(IXYPlotPtr(&page));
    single.SetupRampPlotChannels(IXYPlotPtr(&page));
    prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
    ASSERT_TRUE(single.LoadRamp(IXYPlotPtr(&page)));
    EXPECT_EQ(single.m_strHoldTime.toQString(), QStringLiteral("0.29"));
    EXPECT_EQ(single.m_strTestDuration.toQString(), QStringLiteral("12.345"));
}

TEST_F(RampCompareTest, ASpringBeyondTheIntegersIsShownAsSavedAndOneThatIsNoNumberIsRefused)
{
    // A steep thrust over a short travel gives a spring rate far beyond the
    // 32-bit integers; the file the ramp page saved must open again. These
    // values are exact in single precision.
    FileSpec spec;
    spec.springInitial = "4294967296";
    spec.springFinal = "8589934592";
    spec.springRate = "17179869184";
    const QString file = rampFile(QStringLiteral("steep.rmp"), spec);
    ASSERT_TRUE(load1(file));
    ASSERT_TRUE(load2(file));
    for (const auto& [shown, expected] : { std::pair { &m_record.m_strSpringInitial1, "4294967296.00" },
             std::pair { &m_record.m_strSpringFinal1, "8589934592.00" },
             std::pair { &m_record.m_strSpringRate1, "17179869184.00" },
             std::pair { &m_record.m_strSpringRate2, "17179869184.00" } })
        EXPECT_EQ(shown->toQString(), QString::fromLatin1(expected));
    CRampReport single;
    XYPlot page;
    ConfigureRampPlotControl(IXYPlotPtr(&page));
    single.SetupRampPlotChannels(IXYPlotPtr(&page));
    prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
    ASSERT_TRUE(single.LoadRamp(IXYPlotPtr(&page)));
    EXPECT_EQ(single.m_strSpringInitial.toQString(), QStringLiteral("4294967296.00"));
    EXPECT_EQ(single.m_strSpringFinal.toQString(), QStringLiteral("8589934592.00"));
    EXPECT_EQ(single.m_strSpringRate.toQString(), QStringLiteral("17179869184.00"));

    // Not a number, or beyond what single precision holds: a damaged file.
    for (const char* rate : { "nan", "inf", "1e39" }) {
        SCOPED_TRACE(rate);
        spec.springRate = rate;
        const QString damaged = rampFile(QStringLiteral("damaged.rmp"), spec);
        EXPECT_FALSE(load1(damaged, QStringLiteral("File open error.")));
        prompts().answerFile(damaged, QStringLiteral("Open Ramp Test Results"));
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        EXPECT_FALSE(single.LoadRamp(IXYPlotPtr(&page)));
        EXPECT_EQ(single.m_strSpringRate.toQString(), QStringLiteral("17179869184.00"));
    }
}

TEST_F(RampCompareTest, UnitCodesGiveTheCompareUnitTextsOfTheFileLoadedLast)
{
    struct Case {
        uint8_t pressure, length;
        const char* pressureText;
        const char* rateText;
        const char* lengthText;
        const char* areaText;
    };
    const Case cases[] = {
        { 10, 47, "Kg/cm²", "kg/in.", "in.", "sq.in" },
        { 8, 47, "psi", "kg/in.", "in.", "sq.in" },
        { 6, 49, "psi", "lbs/mm", "mm", "sq.cm" },
        { 12, 57, "kPa", "kg/%", "%", "sq.in" },
        { 57, 143, "%", "kg/deg", "deg", "sq.in" },
    };
    ASSERT_TRUE(load1(rampFile(QStringLiteral("one.rmp"), FileSpec {})));
    for (const Case& c : cases) {
        FileSpec spec;
        spec.pressureUnit = c.pressure;
        spec.lengthUnit = c.length;
        ASSERT_TRUE(load2(rampFile(QStringLiteral("two.rmp"), spec))) << int(c.pressure);
        EXPECT_EQ(m_record.m_nPressureUnit, c.pressure);
        EXPECT_EQ(m_record.m_nLengthUnit, c.length);
        EXPECT_EQ(m_record.m_strSpringPressureUnit.toQString(), QString::fromUtf8(c.pressureText));
        EXPECT_EQ(m_record.m_strSpringRateUnit.toQString(), QString::fromUtf8(c.rateText));
        EXPECT_EQ(m_record.m_strStrokeLengthUnit.toQString(), QString::fromUtf8(c.lengthText));
        EXPECT_EQ(m_record.m_strActuatorSizeUnit.toQString(), QString::fromUtf8(c.areaText));
        EXPECT_EQ(m_compare.YAxisByName(QStringLiteral("Pressure"))->GetTitle(),
            QStringLiteral("Pressure [") + QString::fromUtf8(c.pressureText) + QStringLiteral(" ]"));
        EXPECT_EQ(m_scratch.YAxisByName(QStringLiteral("Pressure"))->GetTitle(),
            QStringLiteral("Pressure [") + QString::fromUtf8(c.pressureText) + QStringLiteral(" ]"));
    }
}

TEST_F(RampCompareTest, RefusedFilesLeaveRecordAndBothPlotsAsTheyWere)
{
    ASSERT_TRUE(load1(rampFile(QStringLiteral("one.rmp"), FileSpec {})));
    ASSERT_TRUE(load2(rampFile(QStringLiteral("two.rmp"), FileSpec {})));
    const QString good = rampFile(QStringLiteral("good.rmp"), FileSpec {});

    // Files the compare loaders must refuse.
    const QString foreign = tempPath(QStringLiteral("foreign.rmp"));
    {
        XYPlot other;
        other.AddChannel();
        other.Channel(0)->SetName(QStringLiteral("HDRLPosition"));
        other.Channel(0)->AddXY(1, 2);
        other.SaveDataFile(foreign);
    }
    const QString truncated = tempPath(QStringLiteral("truncated.rmp"));
    {
        QFile in(good);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QFile out(truncated);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(bytes.size() / 2));
    }
    // A step test file renamed: its hidden settings and tag are there, and
    // so are the time signals the ramp shares, but nothing else of a ramp.
    const QString stepFile = tempPath(QStringLiteral("step.rmp"));
    {
        Plot source;
        CStepTestReport record;
        ConfigureStepTestPlotControl(IPlotPtr(&source));
        record.SetupStepTestPlotChannels(IPlotPtr(&source));
        for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2" })
            for (int k = 0; k < 30; ++k)
                source.ChannelByName(QString::fromLatin1(name))->AddXY(k * 0.5, k * 1.0);
        record.m_strTag = AutoString("FV-9");
        prompts().answerFile(stepFile, QStringLiteral("Save Step Test Results As"));
        record.SaveStepTest(IPlotPtr(&source));
        ASSERT_TRUE(QFile::exists(stepFile));
    }
    const auto withoutChannelPoints = [this, &good](const char* name, const char* channelName, int keep) {
        XYPlot file;
        file.LoadDataFile(good);
        const IXYPlotChannelPtr c = file.ChannelByName(QString::fromLatin1(channelName));
        std::vector<double> ys;
        for (int k = 0; k < std::min(keep, c->Count()); ++k)
            ys.push_back(c->GetY(k));
        c->Clear();
        for (size_t k = 0; k < ys.size(); ++k)
            c->AddXY(double(k), ys[k]);
        const QString path = tempPath(QString::fromLatin1(name));
        file.SaveDataFile(path);
        return path;
    };
    const auto withoutChannel = [this, &good](const char* name, const char* channelName) {
        XYPlot file;
        file.LoadDataFile(good);
        file.ChannelByName(QString::fromLatin1(channelName))->SetName(QStringLiteral("Something"));
        const QString path = tempPath(QString::fromLatin1(name));
        file.SaveDataFile(path);
        return path;
    };
    struct Case {
        const char* what;
        QString path;
    };
    const Case cases[] = {
        { "another test's file", foreign },
        { "a step test file", stepFile },
        { "truncated", truncated },
        { "no TagName", withoutChannel("notag.rmp", "TagName") },
        { "no ILPosnvCmdClose", withoutChannel("nosignal.rmp", "ILPosnvCmdClose") },
        { "seventeen settings", withoutChannelPoints("short.rmp", "TestSettings", 17) },
    };
    const CRampCompareReport before = m_record;
    const auto plotBefore = content();
    const QString titleBefore = m_compare.YAxisByName(QStringLiteral("Pressure"))->GetTitle();
    const int scratchPoints = m_scratch.ChannelByName(QStringLiteral("Position"))->Count();
    for (const Case& c : cases) {
        for (int file : { 1, 2 }) {
            prompts().clearRecords();
            const bool loaded = file == 1 ? load1(c.path, QStringLiteral("File open error."))
                                          : load2(c.path, Prompts::IdOk, QStringLiteral("File open error."));
            EXPECT_FALSE(loaded) << c.what << " " << file;
            ASSERT_EQ(prompts().messages().size(), 1u) << c.what << " " << file;
            EXPECT_EQ(prompts().messages()[0].caption, file == 1 ? QString() : QStringLiteral("LOAD")) << c.what;
            EXPECT_EQ(prompts().messages()[0].owner, nullptr) << c.what;
            EXPECT_EQ(m_record.m_strFileName1, before.m_strFileName1) << c.what;
            EXPECT_EQ(m_record.m_strFileName2, before.m_strFileName2) << c.what;
            EXPECT_EQ(m_record.m_strTag2, before.m_strTag2) << c.what;
            EXPECT_EQ(m_record.m_strSpringRateUnit, before.m_strSpringRateUnit) << c.what;
            EXPECT_EQ(content(), plotBefore) << c.what << " " << file;
            EXPECT_EQ(m_compare.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), titleBefore) << c.what;
            EXPECT_EQ(m_scratch.ChannelByName(QStringLiteral("Position"))->Count(), scratchPoints) << c.what;
        }
    }
    // Cancel in the dialog: false, no box.
    prompts().clearRecords();
    prompts().answerFile(std::nullopt);
    EXPECT_FALSE(m_record.LoadFile_1(scratch(), compare(), m_header));
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_EQ(content(), plotBefore);
}

TEST_F(RampCompareTest, AnEmptyTagNameReadsNoTag)
{
    ASSERT_TRUE(load1(rampFile(QStringLiteral("notag.rmp"), FileSpec { "" })));
    EXPECT_EQ(m_record.m_strTag1.toQString(), QStringLiteral("NO TAG"));
}

} // namespace
