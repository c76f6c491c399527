// The step compare record: the 24 channels of the visible compare plot, the
// two compare views, the two loaders and what they refuse.
#include "StepPlotFixture.h"

#include "step/CStepTestCompareReport.h"
#include "step/StepCompare.h"

#include <QFile>
#include <QWidget>

namespace
{

class StepCompareTest : public StepPlotFixture
{
protected:
    void SetUp() override
    {
        StepPlotFixture::SetUp();
        clock().setLocalStart(QDateTime(QDate(2025, 3, 5), QTime(14, 7, 0)));
        ConfigureStepTestPlotControl(IPlotPtr(&m_visible));
        m_compare.SetupDestPlotChannels(IPlotPtr(&m_visible));
        ConfigureStepTestPlotControl(IPlotPtr(&m_scratch));
        m_compare.SetupSrcPlotChannels(IPlotPtr(&m_scratch));
    }

    IPlotPtr visible() { return IPlotPtr(&m_visible); }
    IPlotPtr scratch() { return IPlotPtr(&m_scratch); }

    // A step test file saved by the step record, its signals `points` long,
    // each one's y rising by `slope` a point.
    QString stepFile(const QString& name, const char* tag, const char* start, int unit, uint8_t sensors,
        uint8_t singleActing, int points = 30, double slope = 1.0)
    {
        Plot source;
        CStepTestReport record;
        ConfigureStepTestPlotControl(IPlotPtr(&source));
        record.SetupStepTestPlotChannels(IPlotPtr(&source));
        for (const char* channel :
            { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2" })
            for (int k = 0; k < points; ++k)
                source.ChannelByName(QString::fromLatin1(channel))->AddXY(k * 0.5, 30.0 + k * slope);
        record.m_strTag = AutoString(tag);
        record.m_strStartPosition = AutoString(start);
        record.m_strStopPosition = AutoString("60");
        record.m_strHoldTime = AutoString("5");
        record.m_nPressureUnit = uint8_t(unit);
        record.m_bPressureSensor = sensors;
        record.m_bSingleActing = singleActing;
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Step Test Results As"));
        record.SaveStepTest(IPlotPtr(&source));
        return path;
    }

    // Opens the file as file 1 or 2; `answer` answers the box the load shows.
    bool load1(const QString& path, std::optional<int> answer = std::nullopt, std::optional<QString> box = std::nullopt)
    {
        prompts().answerFile(path, QStringLiteral("Open Step Test Results"));
        if (answer)
            prompts().answerMessage(*answer, box);
        return m_compare.LoadFile_1(scratch(), visible());
    }
    bool load2(const QString& path, std::optional<int> answer = std::nullopt, std::optional<QString> box = std::nullopt)
    {
        prompts().answerFile(path, QStringLiteral("Open Step Test Results"));
        if (answer)
            prompts().answerMessage(*answer, box);
        return m_compare.LoadFile_2(scratch(), visible(), &m_page);
    }

    std::set<std::string> shownIn(const Plot& plot) const
    {
        std::set<std::string> shown;
        for (const PlotChannel* channel : plot.channels()) {
            if (channel->GetVisible())
                shown.insert(channel->GetName().toStdString());
        }
        return shown;
    }
    std::set<std::string> axesShownIn(const Plot& plot) const
    {
        std::set<std::string> shown;
        for (const PlotAxis* axis : plot.xAxes())
            if (axis->GetVisible() && axis->GetTitleVisible())
                shown.insert("x " + axis->GetName().toStdString());
        for (const PlotAxis* axis : plot.yAxes())
            if (axis->GetVisible() && axis->GetTitleVisible())
                shown.insert("y " + axis->GetName().toStdString());
        return shown;
    }
    IPlotChannelPtr channel(const char* name) { return m_visible.ChannelByName(QString::fromLatin1(name)); }

    Plot m_visible;
    Plot m_scratch;
    QWidget m_page;
    CStepTestCompareReport m_compare;
};

TEST_F(StepCompareTest, SetupMakesTheTwentyFourChannelsOfTheTableAlsoTheSecondTime)
{
    m_compare.SetupDestPlotChannels(visible());
    ASSERT_EQ(m_visible.ChannelCount(), 24);
    for (int k = 0; k < 24; ++k) {
        const StepCompare::ChannelRow& row = StepCompare::Rows[size_t(k)];
        const IPlotChannelPtr c = m_visible.Channel(k);
        EXPECT_EQ(c->GetName(), QString::fromLatin1(row.name)) << k;
        EXPECT_EQ(c->GetTitle(), QString::fromLatin1(row.title)) << k;
        EXPECT_EQ(c->GetColor(), row.colour) << k;
        EXPECT_EQ(c->GetXAxisName(), QString::fromLatin1(row.xAxis)) << k;
        EXPECT_EQ(c->GetYAxisName(), QString::fromLatin1(row.yAxis)) << k;
    }
    const IPlotChannelPtr last = channel("PvPPort2Diff");
    EXPECT_EQ(last->GetTitle(), QStringLiteral("Port2 Delta Pressure (2 - 1)"));
    EXPECT_EQ(last->GetColor(), 0xCC00CCu);
    EXPECT_EQ(last->GetXAxisName(), QStringLiteral("Position"));
    EXPECT_EQ(last->GetMarkerStyle(), ChannelStyle::Triangle);
    EXPECT_EQ(channel("Position2")->GetMarkerStyle(), ChannelStyle::Square);
    EXPECT_FALSE(channel("Position")->GetMarkersVisible());
    // The scratch plot carries the step channels, hidden ones included.
    EXPECT_EQ(m_scratch.ChannelCount(), 10);
    EXPECT_TRUE(m_scratch.ChannelByName(QStringLiteral("TagName")));
}

TEST_F(StepCompareTest, ViewsShowWhatTheFlagsAndTheModelAllow)
{
    using Set = std::set<std::string>;
    const Set signals2 { "Position", "Position2", "PositionDiff", "Command", "Command2", "CommandDiff", "ILCmd",
        "ILCmd2", "ILCmdDiff", "ILPOS", "ILPOS2", "ILPOSDiff" };
    const auto with = [&signals2](std::initializer_list<const char*> more) {
        Set s = signals2;
        for (const char* name : more)
            s.insert(name);
        return s;
    };
    const struct {
        const char* what;
        uint8_t model, sensors1, single1, sensors2, single2;
        Set step;
        Set pressure;
    } cases[] = {
        { "both with sensors, double acting", 5, 1, 0, 1, 0,
            with({ "Port1", "Port1_2", "Port1Diff", "Port2", "Port2_2", "Port2Diff" }),
            { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", "PvPPort2", "PvPPort2_2", "PvPPort2Diff" } },
        { "file 2 without sensors", 5, 1, 0, 0, 0, with({ "Port1", "Port2" }),
            { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", "PvPPort2" } },
        { "file 1 single acting", 5, 1, 1, 1, 0, with({ "Port1", "Port1_2", "Port1Diff", "Port2_2" }),
            { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", "PvPPort2_2" } },
        { "smaller model", 6, 1, 0, 1, 0, with({ "Port1", "Port1_2", "Port1Diff" }),
            { "PvPPort1", "PvPPort1_2", "PvPPort1Diff" } },
        { "file 1 without sensors", 5, 0, 0, 1, 0, with({ "Port1_2", "Port2_2" }),
            { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", "PvPPort2_2" } },
        { "neither with sensors", 5, 0, 0, 0, 0, with({}), { "PvPPort1", "PvPPort1_2", "PvPPort1Diff" } },
    };
    // Both files loaded: without file 2 only file 1's channels show.
    m_compare.m_strFile2 = AutoString("/data/two.stp");
    for (const auto& c : cases) {
        m_compare.m_bPressureSensor1 = c.sensors1;
        m_compare.m_bSingleActing1 = c.single1;
        m_compare.m_bPressureSensor2 = c.sensors2;
        m_compare.m_bSingleActing2 = c.single2;
        CReportHeader header;
        header.m_byModel = c.model;
        m_compare.SetStepView(visible(), header);
        EXPECT_EQ(shownIn(m_visible), c.step) << c.what;
        EXPECT_EQ(m_visible.GetTitle(), QStringLiteral("Step Test")) << c.what;
        // Either file's port traces read on the pressure axis.
        const Set stepAxes
            = c.sensors1 || c.sensors2 ? Set { "x Time", "y Position", "y Pressure" } : Set { "x Time", "y Position" };
        EXPECT_EQ(axesShownIn(m_visible), stepAxes) << c.what;
        EXPECT_EQ(m_visible.GetGridXAxis(), QStringLiteral("Time")) << c.what;
        EXPECT_EQ(m_visible.GetGridYAxis(), QStringLiteral("Pressure")) << c.what;

        m_compare.OnPvPView(visible(), header);
        EXPECT_EQ(shownIn(m_visible), c.pressure) << c.what;
        EXPECT_EQ(m_visible.GetTitle(), QStringLiteral("Pressure Vs Position")) << c.what;
        EXPECT_EQ(axesShownIn(m_visible), (Set { "x Position", "y Pressure" })) << c.what;
        EXPECT_EQ(m_visible.GetGridXAxis(), QStringLiteral("Position")) << c.what;
    }
    m_compare.ResetGridView(visible());
    EXPECT_TRUE(shownIn(m_visible).empty());
    EXPECT_TRUE(axesShownIn(m_visible).empty());
}

// Each axis of a view holds the points it shows with room at both ends and
// ends on a round label, from the points alone: a range set before counts
// for nothing. File 1's signals run from 30 to 59 over 0 to 14.5 s; file 2's
// rise twice as fast, to 88, and their differences, file 2 less file 1, rise
// from 0 to 29. Worked out: time from 0 to 14.5 + 4 % to the next 2 s; a
// percent axis keeps the stroke, 0 to 100, at each end the points lie inside
// with room (4 % of what it holds), and otherwise goes to the tenth beyond
// that room (two files: the differences from 0 need room below it, to -10);
// the pressure view's positions start at about 0, so that axis goes from -10
// to the kept 100; pressure from its kept zero while the pressures lie above
// it with room, else to the round step beyond.
TEST_F(StepCompareTest, EachAxisHoldsTheShownPointsWithRoomOnRoundLabels)
{
    struct Case {
        int files;
        bool pressureView;
        bool x;
        const char* axis;
        double min;
        double max;
    };
    const Case cases[] = {
        { 1, false, true, "Time", 0, 16 },
        { 1, false, false, "Position", 0, 100 },
        { 1, false, false, "Pressure", 0, 70 },
        { 1, true, true, "Position", -10, 100 },
        { 1, true, false, "Pressure", 0, 70 },
        { 2, false, true, "Time", 0, 16 },
        { 2, false, false, "Position", -10, 100 },
        { 2, false, false, "Pressure", -10, 100 },
        { 2, true, true, "Position", -10, 100 },
        { 2, true, false, "Pressure", -10, 100 },
    };
    CReportHeader header;
    header.m_byModel = 5;
    for (int files : { 1, 2 }) {
        ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0)));
        if (files == 2) {
            ASSERT_TRUE(load2(stepFile(QStringLiteral("two.stp"), "FV-8", "25", 7, 1, 0, 30, 2.0)));
        }
        for (bool pressureView : { false, true }) {
            for (PlotAxis* axis : m_visible.xAxes())
                axis->SetMin(-50);
            if (pressureView)
                m_compare.OnPvPView(visible(), header);
            else
                m_compare.SetStepView(visible(), header);
            for (const Case& c : cases) {
                if (c.files != files || c.pressureView != pressureView)
                    continue;
                const QString name = QString::fromLatin1(c.axis);
                const IPlotAxisPtr axis = c.x ? m_visible.XAxisByName(name) : m_visible.YAxisByName(name);
                EXPECT_DOUBLE_EQ(axis->GetMin(), c.min) << files << " files, " << c.axis;
                EXPECT_DOUBLE_EQ(axis->GetMax(), c.max) << files << " files, " << c.axis;
            }
        }
    }
}

TEST_F(StepCompareTest, FileOneFillsItsHalfOfTheRecordAndShowsItsSignals)
{
    m_compare.m_strTag2 = AutoString("OLD");
    m_compare.m_strStartPosition2 = AutoString("99");
    const QString path = stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0);
    ASSERT_TRUE(load1(path));
    const auto& dialog = prompts().records().back().dialog;
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.stp)|*.stp|"));
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("stp"));
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(m_compare.m_strTag1, AutoString("FV-7"));
    EXPECT_EQ(m_compare.m_strTestDate1, AutoString("3/5/2025"));
    EXPECT_EQ(m_compare.m_strFile1, AutoString(path));
    EXPECT_EQ(m_compare.m_strStartPosition1, AutoString("25"));
    EXPECT_EQ(m_compare.m_strStopPosition1, AutoString("60"));
    EXPECT_EQ(m_compare.m_strHoldTime1, AutoString("5"));
    EXPECT_EQ(m_compare.m_strPressureUnit1, AutoString("bar"));
    EXPECT_EQ(m_compare.m_bPressureSensor1, 1);
    EXPECT_EQ(m_compare.m_bSingleActing1, 0);
    // File 2's half starts again.
    EXPECT_EQ(m_compare.m_strTag2, AutoString(""));
    EXPECT_EQ(m_compare.m_strStartPosition2, AutoString("0.0"));
    EXPECT_EQ(m_compare.m_strHoldTime2, AutoString("0.0"));
    EXPECT_EQ(m_visible.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [bar]"));
    EXPECT_EQ(shownIn(m_visible),
        (std::set<std::string> { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2" }));
    EXPECT_EQ(axesShownIn(m_visible), (std::set<std::string> { "y Pressure" }));
    EXPECT_EQ(channel("Position")->Count(), 30);
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
}

TEST_F(StepCompareTest, FileOneShowsItsPortPressuresOnlyAsItsSensorsAndActingAllow)
{
    using Set = std::set<std::string>;
    const struct {
        const char* file;
        uint8_t sensors, singleActing;
        Set shown;
    } cases[] = {
        { "double.stp", 1, 0, { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2" } },
        { "single.stp", 1, 1, { "Position", "Command", "Port1", "ILCmd", "ILPOS", "PvPPort1" } },
        { "nosensor.stp", 0, 0, { "Position", "Command", "ILCmd", "ILPOS" } },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(load1(stepFile(QString::fromLatin1(c.file), "FV-7", "25", 7, c.sensors, c.singleActing))) << c.file;
        EXPECT_EQ(shownIn(m_visible), c.shown) << c.file;
        for (const char* name : { "Port1", "Port2", "PvPPort1", "PvPPort2" })
            EXPECT_EQ(channel(name)->Count(), 30) << c.file << " " << name;
    }
}

TEST_F(StepCompareTest, UnitCodesGiveTheCompareUnitTexts)
{
    const struct {
        int code;
        const char* text;
    } cases[] = { { 7, "bar" }, { 10, "Kg/cm²" }, { 12, "kPa" }, { 57, "%" }, { 6, "psi" }, { 0, "psi" } };
    for (const auto& c : cases) {
        ASSERT_TRUE(load1(stepFile(QStringLiteral("u.stp"), "FV-7", "25", c.code, 1, 0))) << c.code;
        EXPECT_EQ(m_compare.m_strPressureUnit1.toQString(), QString::fromUtf8(c.text)) << c.code;
        EXPECT_EQ(m_visible.YAxisByName(QStringLiteral("Pressure"))->GetTitle(),
            QStringLiteral("Pressure [") + QString::fromUtf8(c.text) + QLatin1Char(']'))
            << c.code;
    }
}

TEST_F(StepCompareTest, FileTwoCopiesWithMarkersAndTheDifferencesAtFileOnesTimes)
{
    ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0, 60, 1.0)));
    ASSERT_TRUE(load2(stepFile(QStringLiteral("two.stp"), "FV-8", "25", 7, 1, 0, 60, 0.5)));
    EXPECT_TRUE(prompts().messageTexts().isEmpty()) << "same settings: no question";
    EXPECT_EQ(m_compare.m_strTag2, AutoString("FV-8"));
    const struct {
        const char* second;
        const char* difference;
        int spacing;
    } rows[] = { { "Position2", "PositionDiff", 25 }, { "Command2", "CommandDiff", 20 }, { "Port1_2", "Port1Diff", 22 },
        { "Port2_2", "Port2Diff", 24 }, { "ILCmd2", "ILCmdDiff", 26 }, { "ILPOS2", "ILPOSDiff", 28 },
        { "PvPPort1_2", "PvPPort1Diff", 25 }, { "PvPPort2_2", "PvPPort2Diff", 22 } };
    for (const auto& row : rows) {
        for (const char* name : { row.second, row.difference }) {
            const IPlotChannelPtr c = channel(name);
            ASSERT_EQ(c->Count(), 60) << name;
            for (int k = 0; k < 60; ++k)
                EXPECT_EQ(c->GetPointMarked(k), k % row.spacing == 0) << name << " " << k;
            EXPECT_TRUE(c->GetVisible()) << name;
        }
        const IPlotChannelPtr diff = channel(row.difference);
        EXPECT_DOUBLE_EQ(diff->GetY(10), -5.0) << row.difference; // file 2's 35 less file 1's 40
        EXPECT_DOUBLE_EQ(diff->GetX(10), 5.0) << row.difference;
    }
}

TEST_F(StepCompareTest, OtherSettingsAskAndCancelLeavesThePlotAndFileTwoAsTheyWere)
{
    const QString first = stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0);
    const struct {
        const char* what;
        QString file;
    } cases[] = {
        { "other start", stepFile(QStringLiteral("start.stp"), "FV-8", "26", 7, 1, 0) },
        { "other unit", stepFile(QStringLiteral("unit.stp"), "FV-8", "25", 12, 1, 0) },
        { "single acting", stepFile(QStringLiteral("single.stp"), "FV-8", "25", 7, 1, 1) },
        { "no sensors", stepFile(QStringLiteral("sensors.stp"), "FV-8", "25", 7, 0, 0) },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(load1(first)) << c.what;
        const CStepTestCompareReport before = m_compare;
        prompts().clearRecords();
        EXPECT_FALSE(load2(c.file, Prompts::IdCancel,
            QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue")))
            << c.what;
        ASSERT_EQ(prompts().messages().size(), 1u) << c.what;
        EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Compare")) << c.what;
        EXPECT_EQ(prompts().messages()[0].buttons, Prompts::Buttons::OkCancel) << c.what;
        EXPECT_EQ(prompts().messages()[0].owner, &m_page) << c.what;
        EXPECT_EQ(channel("Position2")->Count(), 0) << c.what;
        // File 2's fields stay as they were: nothing of the refused file.
        EXPECT_EQ(m_compare.m_strTag2, AutoString("")) << c.what;
        EXPECT_EQ(m_compare.m_strFile2, AutoString("")) << c.what;
        EXPECT_EQ(m_compare.m_strStartPosition2, AutoString("0.0")) << c.what;
        EXPECT_EQ(m_compare.m_strPressureUnit2, before.m_strPressureUnit2) << c.what;
        EXPECT_EQ(m_compare.m_bPressureSensor2, before.m_bPressureSensor2) << c.what;
        EXPECT_EQ(m_compare.m_bSingleActing2, before.m_bSingleActing2) << c.what;

        EXPECT_TRUE(load2(c.file, Prompts::IdOk)) << c.what;
        EXPECT_EQ(channel("Position2")->Count(), 30) << c.what;
    }
}

TEST_F(StepCompareTest, SettingsReadAsTheShortestTextOfTheirSinglePrecisionValue)
{
    const QString file = stepFile(QStringLiteral("one.stp"), "FV-7", "12.3", 7, 1, 0);
    ASSERT_TRUE(load1(file));
    ASSERT_TRUE(load2(file));
    EXPECT_EQ(m_compare.m_strStartPosition1.toQString(), QStringLiteral("12.3"));
    EXPECT_EQ(m_compare.m_strStartPosition2.toQString(), QStringLiteral("12.3"));
    EXPECT_EQ(m_compare.m_strStopPosition1.toQString(), QStringLiteral("60"));
}

TEST_F(StepCompareTest, FileTwoWithoutSensorsCopiesEveryRowButShowsNoPressure)
{
    ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0)));
    const QString second = stepFile(QStringLiteral("two.stp"), "FV-8", "25", 7, 0, 0);
    ASSERT_TRUE(load2(second, Prompts::IdOk));
    for (const char* name : { "Port1_2", "Port1Diff", "Port2_2", "Port2Diff", "PvPPort1_2", "PvPPort2Diff" }) {
        EXPECT_EQ(channel(name)->Count(), 30) << name;
        EXPECT_FALSE(channel(name)->GetVisible()) << name;
    }
    EXPECT_TRUE(channel("Position2")->GetVisible());
    EXPECT_FALSE(m_visible.YAxisByName(QStringLiteral("Pressure"))->GetVisible());
}

TEST_F(StepCompareTest, FilesOfDifferentLengthCompareOverTheShorterOne)
{
    const struct {
        const char* what;
        int first, second;
    } cases[] = { { "file 2 shorter", 40, 25 }, { "file 2 longer", 25, 40 } };
    for (const auto& c : cases) {
        ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0, c.first))) << c.what;
        EXPECT_TRUE(load2(stepFile(QStringLiteral("two.stp"), "FV-8", "25", 7, 1, 0, c.second))) << c.what;
        EXPECT_EQ(channel("Position2")->Count(), c.second) << c.what;
        EXPECT_EQ(channel("PositionDiff")->Count(), 25) << c.what;
        EXPECT_TRUE(prompts().messageTexts().isEmpty()) << c.what;
    }
}

TEST_F(StepCompareTest, RefusedFilesChangeNeitherRecordNorPlot)
{
    ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0)));
    const QString good = stepFile(QStringLiteral("good.stp"), "FV-8", "25", 7, 1, 0);
    // A partial stroke file renamed: the plot's own format with a position
    // trace and the hidden settings, results and tag, but not the step signals.
    Plot pst;
    const char* pstChannels[] = { "Position", "TestSettings", "Results", "TagName" };
    for (const char* name : pstChannels) {
        pst.AddChannel();
        CreateChannels(IPlotPtr(&pst), AutoString(QStringLiteral("Channel %1").arg(pst.ChannelCount())),
            AutoString(name), AutoString(name), 0, AutoString("Time"), AutoString("Position"), 12);
    }
    for (int k = 0; k < 10; ++k) {
        pst.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, 25);
        pst.ChannelByName(QStringLiteral("Results"))->AddXY(k, 1);
        pst.ChannelByName(QStringLiteral("Position"))->AddXY(k, 50);
    }
    for (double y : TagNamePoints(AutoString("FV-9")))
        pst.ChannelByName(QStringLiteral("TagName"))->AddXY(0, y);
    const QString renamed = tempPath(QStringLiteral("pst.stp"));
    pst.SaveDataFile(renamed);
    QFile whole(good);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString truncated = tempPath(QStringLiteral("truncated.stp"));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    // Without "TagName": the step plot without that channel.
    Plot noTag;
    CStepTestReport stepRecord;
    noTag.LoadDataFile(good);
    noTag.RemoveAllChannels();
    for (const char* name :
        { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2", "TestSettings" }) {
        noTag.AddChannel();
        CreateChannels(IPlotPtr(&noTag), AutoString(QStringLiteral("Channel %1").arg(noTag.ChannelCount())),
            AutoString(name), AutoString(name), 0, AutoString("Time"), AutoString("Position"), 12);
    }
    for (int k = 0; k < 10; ++k)
        noTag.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, 25);
    const QString withoutTag = tempPath(QStringLiteral("notag.stp"));
    noTag.SaveDataFile(withoutTag);

    for (const QString& file : { renamed, truncated, withoutTag }) {
        for (int which : { 1, 2 }) {
            const CStepTestCompareReport before = m_compare;
            prompts().clearRecords();
            const QString box = QStringLiteral("File open error.");
            EXPECT_FALSE(which == 1 ? load1(file, Prompts::IdOk, box) : load2(file, Prompts::IdOk, box))
                << file.toStdString() << " " << which;
            ASSERT_EQ(prompts().messages().size(), 1u);
            EXPECT_EQ(prompts().messages()[0].caption, QString()) << file.toStdString();
            EXPECT_EQ(prompts().messages()[0].owner, nullptr);
            EXPECT_EQ(m_compare.m_strTag1, before.m_strTag1);
            EXPECT_EQ(m_compare.m_strFile1, before.m_strFile1);
            EXPECT_EQ(m_compare.m_strTag2, before.m_strTag2);
            EXPECT_EQ(m_compare.m_strStartPosition2, before.m_strStartPosition2);
            EXPECT_EQ(channel("Position")->Count(), 30) << file.toStdString() << " " << which;
            EXPECT_TRUE(channel("Position")->GetVisible());
        }
    }
    // A cancelled dialog changes nothing and shows nothing.
    prompts().clearRecords();
    prompts().answerFile(std::nullopt);
    EXPECT_FALSE(m_compare.LoadFile_1(scratch(), visible()));
    EXPECT_EQ(channel("Position")->Count(), 30);
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
}

TEST_F(StepCompareTest, AnEmptyTagNameReadsNoTag)
{
    ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "", "25", 7, 1, 0)));
    EXPECT_EQ(m_compare.m_strTag1, AutoString("NO TAG"));
}

TEST_F(StepCompareTest, AVisiblePlotWithoutAFileTwoChannelFailsWithTheLoadMessage)
{
    ASSERT_TRUE(load1(stepFile(QStringLiteral("one.stp"), "FV-7", "25", 7, 1, 0)));
    m_visible.ChannelByName(QStringLiteral("ILPOS2"))->SetName(QStringLiteral("Gone"));
    const QString second = stepFile(QStringLiteral("two.stp"), "FV-8", "25", 7, 1, 0);
    prompts().clearRecords();
    EXPECT_FALSE(load2(second, Prompts::IdOk, QStringLiteral("Failed to Load Channels due to mismatched settings.")));
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("LOAD"));
    EXPECT_EQ(prompts().messages()[0].owner, nullptr);
    // The hiding of the file-2 channels fails before anything is copied;
    // file 1 stays.
    EXPECT_EQ(channel("Position2")->Count(), 0);
    EXPECT_EQ(channel("Position")->Count(), 30);
}

} // namespace
