// The partial stroke compare record: the scratch and compare plots' channels,
// the two loaders, the differences, the settings question and the files the
// loaders refuse.
#include "PstPlotFixture.h"

#include "partial_stroke/PstChannels.h"
#include "partial_stroke/PstCompare.h"

#include <QWidget>

namespace
{

const QString Mismatch = QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue");

class PstCompareTest : public PstPlotFixture
{
protected:
    void SetUp() override
    {
        PstPlotFixture::SetUp();
        ConfigurePSTPlotControl(IPlotPtr(&m_visible));
        m_compare.SetupDestPlotChannels(IPlotPtr(&m_visible));
        ConfigurePSTPlotControl(IPlotPtr(&m_scratch));
        m_compare.SetupSrcPlotChannels(IPlotPtr(&m_scratch));
        // The compare page hides every channel before the first file.
        for (const PstChannels::ChannelRow& row : PstChannels::CompareRows)
            OnCheckBoxChanged(IPlotPtr(&m_visible), AutoString(row.name), false);
    }

    bool load1(const QString& path)
    {
        prompts().answerFile(path, QStringLiteral("Open PST Results"));
        return m_compare.LoadFile_1(IPlotPtr(&m_scratch), IPlotPtr(&m_visible));
    }
    bool load2(const QString& path, std::optional<int> answer = std::nullopt)
    {
        prompts().answerFile(path, QStringLiteral("Open PST Results"));
        if (answer)
            prompts().answerMessage(*answer);
        return m_compare.LoadFile_2(IPlotPtr(&m_scratch), IPlotPtr(&m_visible), &m_page);
    }
    std::set<std::string> shown() const
    {
        std::set<std::string> names;
        for (const PlotChannel* channel : m_visible.channels())
            if (channel->GetVisible())
                names.insert(channel->GetName().toStdString());
        return names;
    }
    int messageCount()
    {
        int count = 0;
        for (const auto& record : prompts().records())
            count += record.kind == ScriptedPrompts::Kind::Message;
        return count;
    }

    Plot m_visible;
    Plot m_scratch;
    QWidget m_page;
    CPSTCompareReport m_compare;
};

TEST_F(PstCompareTest, SetupsLayOutTheScratchAndCompareChannels)
{
    ASSERT_EQ(m_scratch.ChannelCount(), 9);
    EXPECT_EQ(m_scratch.Channel(0)->GetXAxisName(), QStringLiteral("PST Time[s]"));
    EXPECT_EQ(m_scratch.Channel(8)->GetTitle(), QStringLiteral("Tag Name"));
    ASSERT_EQ(m_visible.ChannelCount(), 18);
    for (int k = 0; k < 18; ++k) {
        const PstChannels::ChannelRow& row = PstChannels::CompareRows[size_t(k)];
        EXPECT_EQ(m_visible.Channel(k)->GetName(), QString::fromLatin1(row.name)) << k;
        EXPECT_EQ(m_visible.Channel(k)->GetTitle(), QString::fromLatin1(row.title)) << k;
        EXPECT_EQ(m_visible.Channel(k)->GetYAxisName(), QString::fromLatin1(row.yAxis)) << k;
    }
}

TEST_F(PstCompareTest, FirstFileFillsItsTextsAndChannelsAndResetsTheSecond)
{
    FileSpec spec;
    spec.breakAway = "1.25";
    spec.tag = "";
    spec.unit = 10;
    const QString one = pstFile(QStringLiteral("one.pst"), spec);
    m_compare.m_strTag2 = AutoString("OLD");
    ASSERT_TRUE(load1(one));
    EXPECT_EQ(prompts().records().back().dialog.filter, QStringLiteral("(*.pst)|*.pst|"));
    EXPECT_EQ(m_compare.m_strTag1.toQString(), QStringLiteral("NO TAG"));
    EXPECT_EQ(m_compare.m_strTag2.toQString(), QString());
    EXPECT_EQ(m_compare.m_strStartPosition2.toQString(), QStringLiteral("0.0"));
    EXPECT_EQ(m_compare.m_strTestDate1.toQString(), QStringLiteral("1/2/2026"));
    EXPECT_EQ(m_compare.m_strFileName1.toQString(), one);
    EXPECT_EQ(m_compare.m_strStartPosition1.toQString(), QStringLiteral("85"));
    EXPECT_EQ(m_compare.m_strTestDuration1.toQString(), QStringLiteral("7"));
    EXPECT_EQ(m_compare.m_strBreakAwayTime1.toQString(), QStringLiteral(" 1.25"));
    EXPECT_EQ(m_compare.m_strBreakAwayPressure1.toQString(), QStringLiteral("32.00"));
    EXPECT_EQ(m_compare.m_strTimeToTargetResult1.toQString(), QStringLiteral("655.35"));
    EXPECT_EQ(m_compare.m_strBreakAwayUnit1.toQString(), QStringLiteral("Kg/cm²"));
    EXPECT_EQ(m_compare.m_strResult1.toQString(), QStringLiteral("Fail"));
    EXPECT_EQ(m_visible.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [Kg/cm²]"));
    EXPECT_EQ(m_visible.ChannelByName(QStringLiteral("Position"))->Count(), 30);
    EXPECT_EQ(shown(), (std::set<std::string> { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" }));
}

TEST_F(PstCompareTest, SecondFileGivesDifferencesOfFileTwoLessFileOneAndMarkedChannels)
{
    FileSpec first;
    first.breakAway = "1.25";
    first.pressure = "30";
    first.target = "3";
    FileSpec second = first;
    second.breakAway = "3.5";
    second.pressure = "32.5";
    second.target = "655.35";
    second.timeToTarget = "9";
    second.slope = 2.0;
    second.points = 20;
    second.result = 1;
    ASSERT_TRUE(load1(pstFile(QStringLiteral("one.pst"), first)));
    prompts().clearRecords();
    // Only the time to target setting differs: no question.
    ASSERT_TRUE(load2(pstFile(QStringLiteral("two.pst"), second)));
    EXPECT_EQ(messageCount(), 0);
    EXPECT_EQ(m_compare.m_strBreakAwayTimeDiff.toQString(), QStringLiteral(" 2.25"));
    EXPECT_EQ(m_compare.m_strBreakAwayPressureDiff.toQString(), QStringLiteral(" 2.50"));
    EXPECT_EQ(m_compare.m_strTimeToTargetResult2.toQString(), QStringLiteral("655.35"));
    EXPECT_EQ(m_compare.m_strResult2.toQString(), QStringLiteral("Pass"));
    // The shorter file sets the length of every difference.
    const IPlotChannelPtr diff = m_visible.ChannelByName(QStringLiteral("PositionDiff"));
    ASSERT_EQ(diff->Count(), 20);
    EXPECT_DOUBLE_EQ(diff->GetY(5), (30.0 + 10) - (30.0 + 5));
    const IPlotChannelPtr second2 = m_visible.ChannelByName(QStringLiteral("Position2"));
    for (int k = 0; k < second2->Count(); ++k)
        EXPECT_EQ(second2->GetPointMarked(k), k % 25 == 0) << k;
}

// Each axis holds the points shown with room at both ends and ends on a
// round label, whatever range it had. File 1's signals run from 30 to 59 over
// 0 to 1160 ms; file 2's rise twice as fast over 20 points, to 68, and the
// differences, file 2 less file 1, rise from 0 to 19. Worked out: time from 0 to 1160 + 4 % to the next
// 200 ms; position keeps the stroke, 0 to 100, at each end the points lie
// inside with room (4 % of what it holds), else goes beyond that room to the
// next tenth (two files: the differences from 0 need room below it, to -10);
// pressure from its kept zero while the pressures lie above it with
// room, else to the round step beyond.
TEST_F(PstCompareTest, EachAxisHoldsTheShownPointsWithRoomOnRoundLabels)
{
    struct Case {
        int files;
        bool x;
        const char* axis;
        double min;
        double max;
    };
    const Case cases[] = {
        { 1, true, "Time", 0, 1400 },
        { 1, false, "Position", 0, 100 },
        { 1, false, "Pressure", 0, 70 },
        { 2, true, "Time", 0, 1400 },
        { 2, false, "Position", -10, 100 },
        { 2, false, "Pressure", -10, 80 },
    };
    FileSpec second;
    second.slope = 2.0;
    second.points = 20;
    for (int files : { 1, 2 }) {
        ASSERT_TRUE(load1(pstFile(QStringLiteral("one.pst"), FileSpec())));
        if (files == 2) {
            ASSERT_TRUE(load2(pstFile(QStringLiteral("two.pst"), second)));
        }
        for (PlotAxis* axis : m_visible.yAxes())
            axis->SetMin(-50);
        for (const Case& c : cases) {
            if (c.files != files)
                continue;
            const QString name = QString::fromLatin1(c.axis);
            const IPlotAxisPtr axis = c.x ? m_visible.XAxisByName(name) : m_visible.YAxisByName(name);
            EXPECT_DOUBLE_EQ(axis->GetMin(), c.min) << files << " files, " << c.axis;
            EXPECT_DOUBLE_EQ(axis->GetMax(), c.max) << files << " files, " << c.axis;
        }
    }
}

TEST_F(PstCompareTest, OtherSettingsAskAndCancelLeavesThePlot)
{
    ASSERT_TRUE(load1(pstFile(QStringLiteral("one.pst"), FileSpec())));
    const struct {
        const char* what;
        FileSpec spec;
    } cases[] = {
        { "duration",
            [] {
                FileSpec s;
                s.duration = "8";
                return s;
            }() },
        { "start",
            [] {
                FileSpec s;
                s.start = "80";
                return s;
            }() },
        { "stop",
            [] {
                FileSpec s;
                s.stop = "60";
                return s;
            }() },
        { "unit",
            [] {
                FileSpec s;
                s.unit = 7;
                return s;
            }() },
    };
    for (const auto& c : cases) {
        const QString path = pstFile(QStringLiteral("other.pst"), c.spec);
        prompts().clearRecords();
        EXPECT_FALSE(load2(path, Prompts::IdCancel)) << c.what;
        ASSERT_EQ(messageCount(), 1) << c.what;
        const auto& box = prompts().records().back().message;
        EXPECT_EQ(box.text, Mismatch) << c.what;
        EXPECT_EQ(box.caption, QStringLiteral("Compare")) << c.what;
        EXPECT_EQ(box.buttons, Prompts::Buttons::OkCancel) << c.what;
        EXPECT_EQ(m_visible.ChannelByName(QStringLiteral("Position2"))->Count(), 0) << c.what;
    }
    prompts().clearRecords();
    EXPECT_TRUE(load2(pstFile(QStringLiteral("other.pst"), cases[0].spec), Prompts::IdOk));
    EXPECT_EQ(m_visible.ChannelByName(QStringLiteral("Position2"))->Count(), 30);
}

TEST_F(PstCompareTest, FlagsDecideWhichPortChannelsShow)
{
    FileSpec noSensors;
    noSensors.sensors = 0;
    FileSpec single;
    single.singleActing = 1;
    ASSERT_TRUE(load1(pstFile(QStringLiteral("one.pst"), noSensors)));
    EXPECT_EQ(shown(), (std::set<std::string> { "Position", "Command", "ILCmd", "ILPOS" }));
    ASSERT_TRUE(load2(pstFile(QStringLiteral("two.pst"), single)));
    EXPECT_EQ(shown().count("Port1_2"), 1u);
    EXPECT_EQ(shown().count("Port1Diff"), 1u);
    EXPECT_EQ(shown().count("Port2_2"), 0u);
    EXPECT_EQ(shown().count("Port2Diff"), 0u);
}

TEST_F(PstCompareTest, RefusedFilesChangeNothing)
{
    const QString one = pstFile(QStringLiteral("one.pst"), FileSpec());
    ASSERT_TRUE(load1(one));
    // A step test file renamed: no "Results".
    Plot step;
    for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2",
             "TestSettings", "TagName" }) {
        step.AddChannel();
        step.Channel(step.ChannelCount() - 1)->SetName(QString::fromLatin1(name));
    }
    for (int k = 0; k < 10; ++k)
        step.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, k);
    const QString stp = tempPath(QStringLiteral("step.pst"));
    step.SaveDataFile(stp);
    // Nine settings points only.
    Plot nine;
    nine.LoadDataFile(one);
    nine.ChannelByName(QStringLiteral("TestSettings"))->Clear();
    for (int k = 0; k < 9; ++k)
        nine.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, 1);
    const QString ninePath = tempPath(QStringLiteral("nine.pst"));
    nine.SaveDataFile(ninePath);
    for (const QString& path : { stp, ninePath }) {
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Open PST Results"));
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        EXPECT_FALSE(m_compare.LoadFile_1(IPlotPtr(&m_scratch), IPlotPtr(&m_visible))) << path.toStdString();
        EXPECT_EQ(m_compare.m_strFileName1.toQString(), one);
        EXPECT_EQ(m_visible.ChannelByName(QStringLiteral("Position"))->Count(), 30);
        prompts().answerFile(path, QStringLiteral("Open PST Results"));
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        EXPECT_FALSE(m_compare.LoadFile_2(IPlotPtr(&m_scratch), IPlotPtr(&m_visible), &m_page));
        EXPECT_EQ(m_compare.m_strFileName2.toQString(), QString());
    }
}

} // namespace
