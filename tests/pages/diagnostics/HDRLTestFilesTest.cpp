// The HDRL test page's Save, Load and Print Report: the files it writes and
// reads, the files it refuses, and the report it prints, read back from the PDF.
#include "HDRLTestPageTest.h"

#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "core/PlotConfiguration.h"
#include "hdrl/HDRLTestChannels.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

using H = CHDRLTest;

class HDRLTestFilesTest : public HDRLTestPageTest
{
protected:
    void SetUp() override
    {
        HDRLTestPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        qunsetenv("STROKEWISE_HOME");
        HDRLTestPageTest::TearDown();
    }

    // A program folder of this test's own with the shipped HDRL report
    // definitions (one with `withoutKey`'s line left out, when given), so the
    // pictures a print writes are this test's alone. Returns its Dependencies folder.
    QString ownProgramFolder(const char* withoutKey = nullptr)
    {
        const QString dependencies = SwTest::ownProgramFolder({ "HDRLTestRept.xml", "HDRLTestRept_K40.xml" });
        if (withoutKey) {
            for (const char* name : { "HDRLTestRept.xml", "HDRLTestRept_K40.xml" }) {
                QFile copy(dependencies + QString::fromLatin1(name));
                EXPECT_TRUE(copy.open(QIODevice::ReadOnly)) << name;
                QByteArrayList kept;
                for (const QByteArray& line : copy.readAll().split('\n')) {
                    if (!line.contains(withoutKey))
                        kept << line;
                }
                copy.close();
                EXPECT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name;
                copy.write(kept.join('\n'));
            }
        }
        return dependencies;
    }

    void runTest(const char* path = K90Path, const char* settling = "7")
    {
        showPage(path);
        hdrl().setWindowText(H::SettlingEdit, QString::fromLatin1(settling));
        startTest();
        runToCompletion();
        ASSERT_FALSE(hdrl().running());
    }

    // An HDRL file of another device: "Command" and "Position" with
    // `points` points (25: one per step), the second cycle `offset` above the first.
    QString otherDevicesFile(int points, const char* name, double offset = 0.3)
    {
        CHDRLReport other;
        other.m_strPosSettlingTime = AutoString("8");
        other.m_strTag = AutoString("TV-9");
        Plot source;
        ConfigureHDRLPlotControl(IPlotPtr(&source));
        other.SetupHDRLPlotChannels(IPlotPtr(&source));
        // 49 points: the staircase a run draws; otherwise one point per step.
        for (int i = 0; i < points; ++i) {
            const int k = points == 49 ? (i + 1) / 2 : i;
            const int step = points == 49 ? i / 2 : std::min(i, 24);
            const double c = HDRLTestChannels::CommandPoints[size_t(step)];
            source.ChannelByName(QStringLiteral("Command"))->AddXY(8.0 * k, c);
            source.ChannelByName(QStringLiteral("Position"))->AddXY(8.0 * k, c + (step >= 13 ? offset : 0.0));
        }
        const QString file = tempPath(QString::fromLatin1(name));
        prompts().answerFile(file);
        other.SaveHDRL(IPlotPtr(&source));
        return file;
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
    static QString tagOf(const QString& path)
    {
        Plot file;
        file.LoadDataFile(path);
        QString tag;
        const IPlotChannelPtr points = file.ChannelByName(QStringLiteral("TagName"));
        for (int k = 0; k < points->Count(); ++k)
            tag += QChar(int(points->GetY(k)));
        return tag;
    }

    void expectControlSignalView()
    {
        EXPECT_EQ(hdrl().plot()->GetTitle(), QStringLiteral("Position Vs Time"));
        EXPECT_FALSE(enabled(H::ControlSignalButton));
        EXPECT_TRUE(enabled(H::HDRButton));
        EXPECT_TRUE(enabled(H::LinearityButton));
    }

    QStringList results()
    {
        return { text(H::HysDeadAverageEdit), text(H::HysDeadMaximumEdit), text(H::RepeatAverageEdit),
            text(H::RepeatMaximumEdit), text(H::LinearityEdit) };
    }

    RecordingPrintBackend m_printed;
};

TEST_F(HDRLTestFilesTest, SaveProposesTagAndTimeAndWritesTheSettingsEachTime)
{
    // Run on 2/24/2027, saved a week later: the name is the time of saving,
    // the file's date the day of the run.
    clock().setLocalStart(QDateTime(QDate(2027, 2, 24), QTime(9, 0, 0)));
    runTest();
    clock().setLocalStart(QDateTime(QDate(2027, 3, 3), QTime(10, 41, 0)).addMSecs(-clock().elapsedMs()));
    for (const char* name : { "first.hdrl", "second.hdrl" }) {
        const QString path = tempPath(QString::fromLatin1(name));
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Save HDRL Test Results As"));
        hdrl().OnSave();
        ASSERT_EQ(prompts().records().size(), 1u);
        EXPECT_EQ(prompts().records()[0].dialog.initialName, QStringLiteral("PV-101_2027_3_3_10h_41m.hdrl")) << name;
        EXPECT_EQ(settingsOf(path), (std::vector<double> { 2, 24, 2027, 7 })) << name;
        EXPECT_TRUE(tagOf(path).startsWith(QStringLiteral("PV-101"))) << name;
    }
    // The readings of a 7 s settling time end at 168 s: the time axis runs on
    // to the next label of 20 s past them.
    EXPECT_EQ(hdrl().plot()->XAxisByName(QStringLiteral("Time"))->GetSpan(), 180.0);
    // The saved file is a seed of the plot data file fuzzer's corpus.
    keepAsFuzzSeed(tempPath(QStringLiteral("first.hdrl")), QStringLiteral("hdrl_test.hdrl"));
}

TEST_F(HDRLTestFilesTest, ARunIsDrawnSavedAndPrintedWithTheSettlingTimeItRanWith)
{
    for (const char* path : { K40Path, K90Path }) {
        SCOPED_TRACE(path);
        showPage(path);
        hdrl().setWindowText(H::SettlingEdit, QStringLiteral("6"));
        startTest();
        // After the first reading the user types a settling time for the next run.
        clock().advance(6500);
        ASSERT_TRUE(hdrl().running());
        hdrl().setWindowText(H::SettlingEdit, QStringLiteral("9"));
        runToCompletion();
        ASSERT_FALSE(hdrl().running());
        EXPECT_EQ(hdrl().settlingMs(), 6000u);
        // The readings stand 6 s apart: the last at 24 x 6 s.
        const IPlotChannelPtr position = channel("Position");
        ASSERT_EQ(position->Count(), 49);
        EXPECT_EQ(position->GetX(48), 144.0);
        EXPECT_EQ(bar()->value(), 144);

        const QString file = tempPath(QStringLiteral("ran.hdrl"));
        prompts().answerFile(file, QStringLiteral("Save HDRL Test Results As"));
        hdrl().OnSave();
        EXPECT_EQ(settingsOf(file).back(), 6.0);
        EXPECT_EQ(app().records().m_HDRLReport.m_strPosSettlingTime.toQString(), QStringLiteral("6"));
        // To the next label of 20 s past the last reading.
        EXPECT_EQ(hdrl().plot()->XAxisByName(QStringLiteral("Time"))->GetSpan(), 160.0);
        // The multi-test report's HDRL section takes the same.
        const MultiTestPage* offered = app().multiTest().page(MultiTest::HDRL);
        ASSERT_NE(offered, nullptr);
        EXPECT_EQ(offered->reportTexts().value(0), QStringLiteral("6"));

        ownProgramFolder();
        const QString pdf = tempPath(QStringLiteral("ran.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save HDRL Test Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        hdrl().OnPrintReport();
        const QString printed = ReportTestSupport::pdfText(pdf).simplified();
        EXPECT_TRUE(printed.contains(QStringLiteral("Position Settling Time: 6 sec"))) << printed.toStdString();
        // The edit keeps what was typed, for the next run.
        EXPECT_EQ(text(H::SettlingEdit), QStringLiteral("9"));
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
    }
}

TEST_F(HDRLTestFilesTest, LoadShowsTheRecomputedResultsAndSaveKeepsTheFilesTag)
{
    runTest();
    const QStringList shown = results();
    const QString path = tempPath(QStringLiteral("run.hdrl"));
    prompts().answerFile(path);
    hdrl().OnSave();
    hdrl().OnHDRView();
    hdrl().setWindowText(H::SettlingEdit, QStringLiteral("12"));
    for (int edit : { H::HysDeadAverageEdit, H::RepeatAverageEdit, H::LinearityEdit })
        hdrl().setWindowText(edit, QString());
    prompts().answerFile(path, QStringLiteral("Open HDRL Test Results"));
    hdrl().OnLoad();
    EXPECT_EQ(results(), shown);
    EXPECT_EQ(text(H::SettlingEdit), QStringLiteral("7"));
    expectControlSignalView();
    // The line fitted again in place of the saved one, not drawn after it.
    EXPECT_EQ(channel("LeastSquareLine")->Count(), 5);

    // A file of another device: Save keeps its tag although the device's differs.
    prompts().answerFile(otherDevicesFile(49, "other.hdrl"));
    hdrl().OnLoad();
    EXPECT_TRUE(hdrl().offlineData());
    EXPECT_EQ(text(H::RepeatAverageEdit), QStringLiteral("0.28"));
    EXPECT_EQ(text(H::RepeatMaximumEdit), QStringLiteral("0.30"));
    EXPECT_EQ(text(H::SettlingEdit), QStringLiteral("8"));
    const QString again = tempPath(QStringLiteral("again.hdrl"));
    prompts().answerFile(again);
    hdrl().OnSave();
    EXPECT_EQ(tagOf(again), QStringLiteral("TV-9"));
}

TEST_F(HDRLTestFilesTest, AStoredRunOfOnePointPerStepIsDrawnAsStepsAndEvaluated)
{
    showPage();
    prompts().answerFile(otherDevicesFile(25, "steps.hdrl"));
    hdrl().OnLoad();
    EXPECT_EQ(channel("Command")->Count(), 49);
    EXPECT_EQ(channel("Position")->Count(), 49);
    EXPECT_EQ(channel("Command")->GetX(48), 192.0);
    EXPECT_EQ(text(H::RepeatAverageEdit), QStringLiteral("0.28"));
    EXPECT_EQ(text(H::HysDeadAverageEdit), QStringLiteral("0.00"));

    // Neither 25 nor 49 points: zero results, not those of the file before.
    prompts().answerFile(otherDevicesFile(30, "thirty.hdrl"));
    hdrl().OnLoad();
    EXPECT_EQ(results(), QStringList({ "0.00", "0.00", "0.00", "0.00", "0.0000" }));
}

TEST_F(HDRLTestFilesTest, ARefusedFileLeavesPlotEditsAndRecordAsTheyWere)
{
    runTest();
    const QStringList shown = results();
    const CHDRLReport before = app().records().m_HDRLReport;

    // A file of another test renamed, a cut-off file, one of three settings points.
    const QString renamed = tempPath(QStringLiteral("step.hdrl"));
    {
        Plot other;
        ConfigureStepTestPlotControl(IPlotPtr(&other));
        CStepTestReport step;
        step.SetupStepTestPlotChannels(IPlotPtr(&other));
        other.ChannelByName(QStringLiteral("TestSettings"))->AddXY(0, 1);
        other.SaveDataFile(renamed);
    }
    const QString truncated = tempPath(QStringLiteral("cut.hdrl"));
    const QString threePoints = tempPath(QStringLiteral("three.hdrl"));
    {
        const QString whole = otherDevicesFile(49, "whole.hdrl");
        QFile in(whole);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QFile out(truncated);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(bytes.size() / 2));
        Plot three;
        three.LoadDataFile(whole);
        const IPlotChannelPtr settings = three.ChannelByName(QStringLiteral("TestSettings"));
        const double kept[] = { settings->GetY(0), settings->GetY(1), settings->GetY(2) };
        settings->Clear();
        for (int k = 0; k < 3; ++k)
            settings->AddXY(k, kept[k]);
        three.SaveDataFile(threePoints);
    }
    // A saved partial stroke file renamed.
    const QString pst = tempPath(QStringLiteral("pst.hdrl"));
    ASSERT_TRUE(QFile::copy(
        QStringLiteral(SW_TEST_SOURCE_DIR "/../../../fuzz/corpus/fuzz_plot_data_file/partial_stroke.pst"), pst));
    for (const QString& file : { renamed, pst, truncated, threePoints }) {
        prompts().clearRecords();
        prompts().answerFile(file);
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        hdrl().OnLoad();
        ASSERT_EQ(prompts().records().size(), 2u) << file.toStdString();
        EXPECT_EQ(prompts().records()[1].message.caption, std::optional<QString>(QString())) << file.toStdString();
        EXPECT_EQ(channel("Position")->Count(), 49) << file.toStdString();
        EXPECT_EQ(channel("AverageError")->Count(), 5) << file.toStdString();
        EXPECT_EQ(results(), shown) << file.toStdString();
        EXPECT_EQ(text(H::SettlingEdit), QStringLiteral("7")) << file.toStdString();
        EXPECT_FALSE(hdrl().offlineData());
        EXPECT_EQ(app().records().m_HDRLReport.m_strTag, before.m_strTag);
        EXPECT_EQ(app().records().m_HDRLReport.m_strPosSettlingTime, before.m_strPosSettlingTime);
    }
}

TEST_F(HDRLTestFilesTest, PrintReportWritesThreePicturesAndThePdfOfTheModelsDefinition)
{
    const struct {
        const char* path;
        const char* model;
    } cases[] = { { K90Path, "K90 positioner" }, { K40Path, "K40 positioner" } };
    for (const auto& c : cases) {
        runTest(c.path);
        ownProgramFolder();
        const QString pdf = tempPath(QStringLiteral("report.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save HDRL Test Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        DrawnPlotTexts drawn;
        hdrl().OnPrintReport();
        // Each picture draws its traces on axes shown and tells its entries apart.
        EXPECT_GE(drawn.paintings().size(), 3u) << c.model;
        EXPECT_EQ(drawn.faults(), QStringList()) << c.model;
        const QString tag = c.path == K90Path ? QStringLiteral("PV-101") : QStringLiteral("PV-102");
        EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(tag + QStringLiteral("_HDRLTestReport_")))
            << c.model;
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        const QDate today = clock().localNow().date();
        for (const QString& expected : { QStringLiteral("HDRL Test Report"), QStringLiteral("DEVICE TAG ID: ") + tag,
                 QStringLiteral("Position Settling Time:"), QStringLiteral("Test Date"),
                 QStringLiteral("%1/%2/%3").arg(today.month()).arg(today.day()).arg(today.year()),
                 QString::fromLatin1(c.model) })
            EXPECT_TRUE(text.contains(expected)) << c.model << ": " << expected.toStdString();
        for (const QString& result : results())
            EXPECT_TRUE(text.contains(result)) << c.model << ": " << result.toStdString();
        EXPECT_EQ(
            ReportPictures::picturedFields(ReportPictures::reportOf(hdrl()), { "RampGrph", "RampGrph2", "RampGrph3" }),
            QStringList({ "RampGrph", "RampGrph2", "RampGrph3" }))
            << c.model;
        expectControlSignalView();
        EXPECT_TRUE(hdrl().plot()->ScreenBar(0)->GetVisible());
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
    }
}

// A run whose second cycle lies 2.5 % above the first reaches past the fixed
// 0-100 % position axis and the +-1.5 % error axis that a load puts back: each
// view and each picture still holds every point.
TEST_F(HDRLTestFilesTest, ALoadedRunBeyondTheFixedAxesIsDrawnAndPrintedInsideThem)
{
    for (const char* path : { K90Path, K40Path }) {
        showPage(path);
        prompts().answerFile(otherDevicesFile(49, "wide.hdrl", 2.5));
        hdrl().OnLoad();
        ASSERT_TRUE(hdrl().offlineData()) << path;
        DrawnPlotTexts drawn;
        for (int view : { H::HDRButton, H::LinearityButton, H::ControlSignalButton }) {
            hdrl().controlAs<QAbstractButton>(view)->click();
            hdrl().grab();
        }
        ownProgramFolder();
        const QString pdf = tempPath(QStringLiteral("wide.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save HDRL Test Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        hdrl().OnPrintReport();
        ASSERT_TRUE(QFileInfo::exists(pdf)) << path;
        EXPECT_GE(drawn.paintings().size(), 6u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
    }
}

TEST_F(HDRLTestFilesTest, EachViewsPictureGoesIntoItsOwnFieldOfTheReport)
{
    runTest();
    ownProgramFolder();
    prompts().answerFile(tempPath(QStringLiteral("pictures.pdf")));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    hdrl().OnPrintReport();
    const ReportControl* report = hdrl().findChild<ReportControl*>();
    ASSERT_TRUE(report);
    const ReportDocument document = report->layoutDocument();
    EXPECT_EQ(
        ReportPictures::viewsInFields(document, *hdrl().plot().get(),
            { { "RampGrph", [this] { hdrl().OnControlSignalView(); } }, { "RampGrph2", [this] { hdrl().OnHDRView(); } },
                { "RampGrph3", [this] { hdrl().OnLinearityView(); } } }),
        ReportPictures::inOrder(3));
}

TEST_F(HDRLTestFilesTest, PrintBeforeAnyRunPrintsTheFirstTexts)
{
    showPage();
    ownProgramFolder();
    const QString pdf = tempPath(QStringLiteral("first.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    hdrl().OnPrintReport();
    const QString text = ReportTestSupport::pdfText(pdf).simplified();
    for (const char* expected : { "Hysteresis And Deadband Average: 0.0 % Maximum: 0 %",
             "Repeatability Average: 0.0 % Maximum: 0 %", "Linearity Error 0.0 %" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Position Settling Time: 6 sec"))) << text.toStdString();
}

TEST_F(HDRLTestFilesTest, ALoadedRunDrawsEachTraceOnceAsItsRunDid)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        runTest(path);
        const QString file = tempPath(QStringLiteral("once.hdrl"));
        prompts().answerFile(file);
        hdrl().OnSave();
        const std::vector<double> line = channel("LeastSquareLine")->data().ys;
        // Loaded twice over, as a user opens the same file again.
        for (int load = 0; load < 2; ++load) {
            prompts().answerFile(file, QStringLiteral("Open HDRL Test Results"));
            hdrl().OnLoad();
            ASSERT_TRUE(hdrl().offlineData());
            const struct {
                const char* channel;
                int points;
            } traces[] = {
                { "Command", 49 },
                { "Position", 49 },
                { "1stCycle-Incr", 5 },
                { "1stCycle-Decr", 5 },
                { "2ndCycle-Incr", 5 },
                { "2ndCycle-Decr", 5 },
                { "AverageError", 5 },
                { "LeastSquareLine", 5 },
            };
            for (const auto& trace : traces)
                EXPECT_EQ(channel(trace.channel)->Count(), trace.points) << trace.channel << ", load " << load;
            EXPECT_EQ(channel("LeastSquareLine")->data().xs, (std::vector<double> { 10, 30, 50, 70, 90 }));
            EXPECT_EQ(channel("LeastSquareLine")->data().ys, line);
        }
        m_app.reset();
    }
}

TEST_F(HDRLTestFilesTest, ADefinitionWithoutAKeyGivesOnlyItsMessageAndTheViewComesBack)
{
    runTest();
    ownProgramFolder("\"lblPosSettlingTimeValue\"");
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    hdrl().OnPrintReport();
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
    expectControlSignalView();
    EXPECT_TRUE(hdrl().plot()->ScreenBar(0)->GetVisible());
}

} // namespace
