// The partial stroke record's plot channels and its .pst files: what a save
// writes, what a load gives back, and the files a load refuses.
#include "PstPlotFixture.h"

#include "partial_stroke/PstChannels.h"
#include "partial_stroke/PstFile.h"

#include <QFileInfo>

namespace
{

class PstFileTest : public PstPlotFixture
{
};

TEST_F(PstFileTest, SetupLaysOutTheNineChannelsWithTheHiddenThreeLast)
{
    ASSERT_EQ(m_plot.ChannelCount(), 9);
    for (int k = 0; k < 9; ++k) {
        const PstChannels::ChannelRow& row = PstChannels::Rows[size_t(k)];
        const IPlotChannelPtr c = m_plot.Channel(k);
        EXPECT_EQ(c->GetName(), QString::fromLatin1(row.name)) << k;
        EXPECT_EQ(c->GetTitle(), QString::fromLatin1(row.title)) << k;
        EXPECT_EQ(c->GetColor(), row.colour) << k;
        EXPECT_EQ(c->GetXAxisName(), QString::fromLatin1(row.xAxis)) << k;
        EXPECT_EQ(c->GetYAxisName(), QString::fromLatin1(row.yAxis)) << k;
        EXPECT_EQ(c->GetVisible(), k < 6) << k;
        EXPECT_EQ(c->GetLegendVisible(), k < 6) << k;
    }
    // "Position" in red 255, 10, 10.
    EXPECT_EQ(m_plot.Channel(0)->GetColor(), 0x0A0AFFu);
}

TEST_F(PstFileTest, SaveProposesTheTagAndTimeAndReplacesTheHiddenPointsTheSecondTime)
{
    fillSignals(m_plot, 10);
    m_record.m_strTag = AutoString("PV-101  ");
    m_record.m_strStartPosition = AutoString("85");
    m_record.m_strStopPosition = AutoString("70");
    m_record.m_strTimeToTarget = AutoString("0.29");
    m_record.m_strTestDuration = AutoString("7");
    m_record.m_strBreakAwayTime = AutoString(" 2.00");
    m_record.m_strBreakAwayPressure = AutoString("32.00");
    m_record.m_strTimeToTargetResult = AutoString("655.35");
    m_record.m_nResult = 0;
    const QString path = tempPath(QStringLiteral("saved.pst"));
    for (int save = 0; save < 2; ++save) {
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Save Partial Stroke Test Results As"));
        m_record.SavePST(plot());
        const auto& dialog = prompts().records().front().dialog;
        EXPECT_EQ(dialog.initialName, QStringLiteral("PV-101_2026_1_2_8h_3m.pst"));
        EXPECT_EQ(dialog.filter, QStringLiteral("(*.pst)|*.pst|"));
        EXPECT_TRUE(dialog.save);
    }
    Plot saved;
    saved.LoadDataFile(path);
    const std::vector<double> settings = pointsOf(saved, "TestSettings");
    ASSERT_EQ(settings.size(), 10u);
    const std::vector<double> expected { 85, 70, double(0.29f), 7, 1, 2, 2026, 6, 0, 1 };
    for (size_t k = 0; k < settings.size(); ++k)
        EXPECT_DOUBLE_EQ(settings[k], expected[k]) << k;
    const std::vector<double> results = pointsOf(saved, "Results");
    ASSERT_EQ(results.size(), 4u);
    EXPECT_DOUBLE_EQ(results[0], 2.0);
    EXPECT_DOUBLE_EQ(results[1], 32.0);
    EXPECT_DOUBLE_EQ(results[2], double(655.35f));
    EXPECT_DOUBLE_EQ(results[3], 0.0);
    // The stored tag keeps the device's padding.
    EXPECT_EQ(TagFromPoints(pointsOf(saved, "TagName")).toQString(), QStringLiteral("PV-101  "));
    // The saved file is a seed of the plot data file fuzzer's corpus.
    keepAsFuzzSeed(path, QStringLiteral("partial_stroke.pst"));
}

TEST_F(PstFileTest, LoadRestoresTextsTagCodesAndFlagsInTheSingleLoadersWords)
{
    FileSpec spec;
    spec.tag = "TV-7";
    spec.unit = 10;
    spec.singleActing = 1;
    spec.sensors = 0;
    spec.breakAway = "2.5";
    spec.pressure = "2.5";
    const QString path = pstFile(QStringLiteral("load.pst"), spec);
    prompts().answerFile(path, QStringLiteral("Open Partial Stroke Test Results"));
    ASSERT_TRUE(m_record.LoadPST(plot()));
    EXPECT_EQ(prompts().records().back().dialog.filter, QStringLiteral("*.pst|*.pst|"));
    EXPECT_EQ(m_record.m_strStartPosition.toQString(), QStringLiteral("85"));
    EXPECT_EQ(m_record.m_strTimeToTarget.toQString(), QStringLiteral("0.29"));
    EXPECT_EQ(m_record.m_strBreakAwayTime.toQString(), QStringLiteral("2.50"));
    EXPECT_EQ(m_record.m_strBreakAwayPressure.toQString(), QStringLiteral("  2.50"));
    EXPECT_EQ(m_record.m_strTimeToTargetResult.toQString(), QStringLiteral("655.35"));
    EXPECT_EQ(m_record.m_strResult.toQString(), QStringLiteral("Fail"));
    EXPECT_EQ(m_record.m_strBreakAwayUnit.toQString(), QStringLiteral("kg/sq.cm"));
    EXPECT_EQ(m_record.m_strTag.toQString(), QStringLiteral("TV-7"));
    EXPECT_EQ(m_record.m_nPressureUnit, 10);
    EXPECT_EQ(m_record.m_nResult, 0);
    EXPECT_EQ(m_record.m_bSingleActing, 1);
    EXPECT_EQ(m_record.m_bPressureSensor, 0);
    // The axis as the run that recorded the file titled it.
    EXPECT_EQ(m_plot.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [Kg/cm²]"));
    EXPECT_EQ(m_plot.ChannelByName(QStringLiteral("Position"))->Count(), 30);
}

TEST_F(PstFileTest, UnitCodesGiveTheSingleLoadersLabels)
{
    // The record's unit in the loader's words; the axis as the run that
    // recorded the file titled it.
    const struct {
        int code;
        const char* label;
        const char* title;
    } cases[] = { { 6, "psi", "Pressure [psi]" }, { 7, "bar", "Pressure [bar]" }, { 8, "psi", "Pressure [psi]" },
        { 10, "kg/sq.cm", "Pressure [Kg/cm²]" }, { 12, "kPa", "Pressure [kPa]" }, { 57, "%", "Pressure [Percent]" },
        { 237, "psi", "Pressure [psi]" } };
    for (const auto& c : cases) {
        EXPECT_EQ(PstFile::pressureUnitText(c.code), QString::fromUtf8(c.label)) << c.code;
        EXPECT_EQ(PstFile::pressureAxisTitle(c.code), QString::fromUtf8(c.title)) << c.code;
    }
}

TEST_F(PstFileTest, RefusedFileChangesNeitherPlotNorRecord)
{
    const QString good = pstFile(QStringLiteral("good.pst"), FileSpec());
    // A step test file renamed: its hidden channels lack "Results".
    Plot step;
    for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "TestSettings", "TagName" }) {
        step.AddChannel();
        step.Channel(step.ChannelCount() - 1)->SetName(QString::fromLatin1(name));
    }
    for (int k = 0; k < 10; ++k)
        step.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, k);
    const QString renamed = tempPath(QStringLiteral("renamed.pst"));
    step.SaveDataFile(renamed);
    // The good file cut short.
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    const QString truncated = tempPath(QStringLiteral("truncated.pst"));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    // Three results only.
    Plot short3;
    short3.LoadDataFile(good);
    short3.ChannelByName(QStringLiteral("Results"))->Clear();
    for (int k = 0; k < 3; ++k)
        short3.ChannelByName(QStringLiteral("Results"))->AddXY(k, 1);
    const QString fewResults = tempPath(QStringLiteral("few.pst"));
    short3.SaveDataFile(fewResults);

    fillSignals(m_plot, 5);
    m_record.m_strStartPosition = AutoString("12");
    for (const QString& path : { renamed, truncated, fewResults }) {
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Open Partial Stroke Test Results"));
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        EXPECT_FALSE(m_record.LoadPST(plot())) << path.toStdString();
        EXPECT_EQ(prompts().records().back().message.caption, QString());
        EXPECT_EQ(m_record.m_strStartPosition.toQString(), QStringLiteral("12"));
        EXPECT_EQ(m_plot.ChannelByName(QStringLiteral("Position"))->Count(), 5);
    }
}

} // namespace
