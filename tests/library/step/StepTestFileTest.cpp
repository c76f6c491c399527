// Step test files: the settings points a save writes, what a load restores,
// and the files a load refuses without changing anything.
#include "StepPlotFixture.h"

#include "step/StepTestFile.h"

#include <QFile>

namespace
{

class StepTestFileTest : public StepPlotFixture
{
protected:
    void SetUp() override
    {
        StepPlotFixture::SetUp();
        clock().setLocalStart(QDateTime(QDate(2025, 11, 11), QTime(14, 7, 0)));
        m_record.m_strStartPosition = AutoString("30");
        m_record.m_strStopPosition = AutoString("70");
        m_record.m_strHoldTime = AutoString("6");
        m_record.m_strTag = AutoString("PV-101");
        m_record.m_nPressureUnit = 7;
        m_record.m_bSingleActing = 1;
        m_record.m_bPressureSensor = 1;
        fillSignals(5);
    }

    QString save(const QString& name)
    {
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Step Test Results As"));
        m_record.SaveStepTest(plot());
        return path;
    }

    bool load(CStepTestReport& record, Plot& into, const QString& path)
    {
        prompts().answerFile(path, QStringLiteral("Open Step Test Results"));
        return record.LoadStepTest(IPlotPtr(&into));
    }

    static std::vector<double> settingsOf(const QString& path)
    {
        Plot file;
        file.LoadDataFile(path);
        std::vector<double> ys;
        const IPlotChannelPtr settings = file.ChannelByName(QStringLiteral("TestSettings"));
        for (int k = 0; k < settings->Count(); ++k)
            ys.push_back(settings->GetY(k));
        return ys;
    }
};

TEST_F(StepTestFileTest, SaveWritesTheTenSettingsPointsUnderTheProposedNameAlsoTheSecondTime)
{
    const QString first = save(QStringLiteral("first.stp"));
    ASSERT_FALSE(prompts().records().empty());
    const Prompts::FileDialog& dialog = prompts().records().back().dialog;
    EXPECT_EQ(dialog.initialName, QStringLiteral("PV-101_2025_11_11_14h_7m.stp"));
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.stp)|*.stp|"));
    EXPECT_TRUE(dialog.save);
    const std::vector<double> expected { 30, 70, 6, 11, 11, 2025, 1, 1, 7, 0 };
    EXPECT_EQ(settingsOf(first), expected);

    // The same plot saved again after a change holds the new settings only.
    m_record.m_strStartPosition = AutoString("12.5");
    m_record.m_bSingleActing = 0;
    const QString second = save(QStringLiteral("second.stp"));
    const std::vector<double> again { 12.5, 70, 6, 11, 11, 2025, 0, 1, 7, 0 };
    EXPECT_EQ(settingsOf(second), again);
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
}

TEST_F(StepTestFileTest, LoadRestoresTheSettingsTextsTheTagTheUnitAndTheFlags)
{
    m_record.m_strStartPosition = AutoString("12.7");
    m_record.m_strHoldTime = AutoString("abc");
    m_record.m_nPressureUnit = 12;
    m_record.m_bSingleActing = 0;
    m_record.m_strTag = AutoString("TV-9");
    const QString path = save(QStringLiteral("loaded.stp"));

    Plot page;
    ConfigureStepTestPlotControl(IPlotPtr(&page));
    CStepTestReport record;
    record.SetupStepTestPlotChannels(IPlotPtr(&page));
    ASSERT_TRUE(load(record, page, path));
    EXPECT_EQ(record.m_strStartPosition.toQString(), QStringLiteral("12.7"));
    EXPECT_EQ(record.m_strStopPosition.toQString(), QStringLiteral("70"));
    EXPECT_EQ(record.m_strHoldTime.toQString(), QStringLiteral("0")); // not a number
    EXPECT_EQ(record.m_strTag.toQString(), QStringLiteral("TV-9"));
    EXPECT_EQ(record.m_nPressureUnit, 12);
    EXPECT_EQ(record.m_bSingleActing, 0);
    EXPECT_EQ(record.m_bPressureSensor, 1);
    EXPECT_EQ(record.m_strPressureAxisTitle.toQString(), QStringLiteral("Pressure [kPa]"));
    EXPECT_EQ(page.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [kPa]"));
    EXPECT_EQ(page.ChannelByName(QStringLiteral("Position"))->Count(), 5);
    // The time axis fits the points, 0 to 2 s: from 0, with room after the
    // last point, to the next label of a half-second step.
    EXPECT_DOUBLE_EQ(page.XAxisByName(QStringLiteral("Time"))->GetMin(), 0.0);
    EXPECT_DOUBLE_EQ(page.XAxisByName(QStringLiteral("Time"))->GetMax(), 2.5);
}

TEST_F(StepTestFileTest, PressureAxisTitleNamesTheUnitAsTheRunShowedIt)
{
    const struct {
        int code;
        const char* title;
    } cases[] = { { 6, "Pressure [psi]" }, { 7, "Pressure [bar]" }, { 10, "Pressure [Kg/cm²]" },
        { 12, "Pressure [kPa]" }, { 57, "Pressure [Percent]" }, { 33, "Pressure [psi]" } };
    for (const auto& c : cases)
        EXPECT_EQ(StepTestFile::pressureAxisTitle(c.code), QString::fromUtf8(c.title)) << c.code;
}

TEST_F(StepTestFileTest, RefusedFileChangesNeitherPlotNorRecord)
{
    const QString good = save(QStringLiteral("good.stp"));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = goodFile.readAll();

    // A partial stroke file: its own channels, without the step test's pilot
    // relay and pressure-against-position channels.
    Plot pst;
    for (const char* name : { "Position", "Command", "Port1", "Port2", "TestSettings", "Results", "TagName" }) {
        const int index = pst.AddChannel();
        pst.Channel(index)->SetName(QString::fromLatin1(name));
    }
    for (int k = 0; k < 12; ++k)
        pst.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, 1);
    const QString pstPath = tempPath(QStringLiteral("renamed.stp"));
    pst.SaveDataFile(pstPath);

    const QString truncated = tempPath(QStringLiteral("truncated.stp"));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() * 2 / 3));
    cut.close();

    Plot eight;
    StepPlotFixture::m_record.SetupStepTestPlotChannels(IPlotPtr(&eight));
    for (int k = 0; k < 8; ++k)
        eight.ChannelByName(QStringLiteral("TestSettings"))->AddXY(k, 20);
    const QString eightPath = tempPath(QStringLiteral("eight.stp"));
    eight.SaveDataFile(eightPath);

    const QString garbage = tempPath(QStringLiteral("garbage.stp"));
    QFile junk(garbage);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a plot at all");
    junk.close();

    for (const QString& path : { pstPath, truncated, eightPath, garbage }) {
        Plot page;
        CStepTestReport record;
        record.SetupStepTestPlotChannels(IPlotPtr(&page));
        page.ChannelByName(QStringLiteral("Position"))->AddXY(0, 42);
        record.m_strStartPosition = AutoString("55");
        record.m_strTag = AutoString("KEEP");
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Open Step Test Results"));
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        EXPECT_FALSE(record.LoadStepTest(IPlotPtr(&page))) << path.toStdString();
        const auto messages = prompts().messages();
        ASSERT_EQ(messages.size(), 1u) << path.toStdString();
        EXPECT_EQ(messages[0].text, QStringLiteral("File open error.")) << path.toStdString();
        EXPECT_EQ(messages[0].caption, QString()) << path.toStdString();
        EXPECT_EQ(page.ChannelByName(QStringLiteral("Position"))->Count(), 1) << path.toStdString();
        EXPECT_EQ(record.m_strStartPosition.toQString(), QStringLiteral("55")) << path.toStdString();
        EXPECT_EQ(record.m_strTag.toQString(), QStringLiteral("KEEP")) << path.toStdString();
    }
}

TEST_F(StepTestFileTest, CancelledDialogsWriteAndChangeNothing)
{
    prompts().answerFile(std::nullopt);
    m_record.SaveStepTest(plot());
    EXPECT_EQ(m_plot.ChannelByName(QStringLiteral("TestSettings"))->Count(), 0);
    prompts().answerFile(std::nullopt);
    EXPECT_FALSE(m_record.LoadStepTest(plot()));
    EXPECT_EQ(m_plot.ChannelByName(QStringLiteral("Position"))->Count(), 5);
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
}

TEST_F(StepTestFileTest, ChannelFlagsSavedWithTheFileShowTheirChannelsOnLoad)
{
    const QString path = tempPath(QStringLiteral("flags.stp"));
    prompts().answerFile(path);
    m_record.SaveStepTest(plot(), true, false, true, false, false, true);
    EXPECT_EQ(settingsOf(path).size(), 16u);
    Plot page;
    CStepTestReport record;
    ConfigureStepTestPlotControl(IPlotPtr(&page));
    record.SetupStepTestPlotChannels(IPlotPtr(&page));
    prompts().answerFile(path);
    ASSERT_TRUE(record.LoadStepTest(IPlotPtr(&page), true));
    std::set<std::string> shown;
    for (const PlotChannel* channel : page.channels()) {
        if (channel->GetVisible())
            shown.insert(channel->GetName().toStdString());
    }
    EXPECT_EQ(shown, (std::set<std::string> { "Position", "Port1", "ILPOS" }));
}

} // namespace
