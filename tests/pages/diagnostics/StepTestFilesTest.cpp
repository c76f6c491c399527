// The step test page's Save, Load and Print Report: the files it writes and
// reads and the report it prints, read back from the PDF.
#include "StepTestPageTest.h"

#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

using Step = CStepTest;

class StepTestFilesTest : public StepTestPageTest
{
protected:
    void SetUp() override
    {
        StepTestPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        qunsetenv("STROKEWISE_HOME");
        StepTestPageTest::TearDown();
    }

    // A program folder of this test's own, holding the shipped report
    // definitions (one with `withoutKey`'s line left out, when given).
    // Returns its Dependencies folder.
    QString ownProgramFolder(const char* withoutKey = nullptr)
    {
        const QString home = tempPath(QStringLiteral("home"));
        const QString dependencies = home + QStringLiteral("/Dependencies/");
        QDir().mkpath(dependencies);
        for (const char* name : { "StepTestRept.xml", "StepTestRept_K40.xml" }) {
            QFile shipped(
                QCoreApplication::applicationDirPath() + QStringLiteral("/Dependencies/") + QString::fromLatin1(name));
            EXPECT_TRUE(shipped.open(QIODevice::ReadOnly)) << name;
            QByteArrayList kept;
            for (const QByteArray& line : shipped.readAll().split('\n')) {
                if (!withoutKey || !line.contains(withoutKey))
                    kept << line;
            }
            QFile copy(dependencies + QString::fromLatin1(name));
            EXPECT_TRUE(copy.open(QIODevice::WriteOnly)) << name;
            copy.write(kept.join('\n'));
        }
        qputenv("STROKEWISE_HOME", home.toUtf8());
        return dependencies;
    }

    // The local clock reads `when` now.
    void setLocalNow(const QDateTime& when)
    {
        const qint64 elapsed = m_clockStart.msecsTo(clock().localNow());
        m_clockStart = when.addMSecs(-elapsed);
        clock().setLocalStart(m_clockStart);
    }

    void runTest(const char* path = K90Path)
    {
        showPage(path);
        typeSettings("30", "70", "6");
        startTest();
        runToCompletion();
        ASSERT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed"));
    }

    // A step test file of another device, in kPa, with a start of 12.7.
    QString otherDevicesFile()
    {
        CStepTestReport other;
        other.m_strStartPosition = AutoString("12.7");
        other.m_strStopPosition = AutoString("80");
        other.m_strHoldTime = AutoString("9");
        other.m_strTag = AutoString("TV-9");
        other.m_nPressureUnit = 12;
        other.m_bPressureSensor = 1;
        Plot source;
        ConfigureStepTestPlotControl(IPlotPtr(&source));
        other.SetupStepTestPlotChannels(IPlotPtr(&source));
        source.ChannelByName(QStringLiteral("Position"))->AddXY(0, 12.7);
        source.ChannelByName(QStringLiteral("Position"))->AddXY(10, 80);
        const QString file = tempPath(QStringLiteral("other.stp"));
        prompts().answerFile(file);
        other.SaveStepTest(IPlotPtr(&source));
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

    QDateTime m_clockStart { QDate(2024, 2, 3), QTime(9, 5, 0) };
    RecordingPrintBackend m_printed;
};

TEST_F(StepTestFilesTest, SaveProposesTagAndTimeAndWritesTheSettingsEachTime)
{
    // Run on 11/4/2025, saved a week later: the name is the time of saving,
    // the file's date the day of the run.
    setLocalNow(QDateTime(QDate(2025, 11, 4), QTime(9, 0, 0)));
    runTest();
    setLocalNow(QDateTime(QDate(2025, 11, 11), QTime(14, 7, 0)));
    const DeviceData& dd = data();
    const std::vector<double> expected { 30, 70, 6, 11, 4, 2025, double(dd.Config28Bit5 == 1),
        double(dd.PressureSensorFlag == 1), double(dd.PressureUnit), 0 };
    for (const char* name : { "first.stp", "second.stp" }) {
        const QString path = tempPath(QString::fromLatin1(name));
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Save Step Test Results As"));
        step().OnSaveResults();
        ASSERT_EQ(prompts().records().size(), 1u);
        EXPECT_EQ(prompts().records()[0].dialog.initialName, QStringLiteral("PV-101_2025_11_11_14h_7m.stp")) << name;
        EXPECT_EQ(settingsOf(path), expected) << name;
        EXPECT_EQ(tagOf(path), QStringLiteral("PV-101")) << name;
    }
    // The saved file is a seed of the plot data file fuzzer's corpus.
    keepAsFuzzSeed(tempPath(QStringLiteral("first.stp")), QStringLiteral("step_test.stp"));
}

TEST_F(StepTestFilesTest, LoadShowsTheFileOffLineAndSaveKeepsItsTagAndUnit)
{
    runTest();
    const QString file = otherDevicesFile();
    prompts().answerFile(file, QStringLiteral("Open Step Test Results"));
    step().OnLoadResults();
    EXPECT_TRUE(step().offlineData());
    EXPECT_EQ(text(Step::StartEdit), QStringLiteral("12.7"));
    EXPECT_EQ(text(Step::StopEdit), QStringLiteral("80"));
    EXPECT_EQ(text(Step::HoldEdit), QStringLiteral("9"));
    EXPECT_EQ(step().plot()->YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [kPa]"));
    EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Off line data"));
    EXPECT_EQ(text(Step::ElapsedEdit), QString());
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(channel("Position")->Count(), 2);

    const QString again = tempPath(QStringLiteral("again.stp"));
    prompts().answerFile(again);
    step().OnSaveResults();
    EXPECT_EQ(tagOf(again), QStringLiteral("TV-9"));
    EXPECT_EQ(settingsOf(again).at(8), 12.0);
    EXPECT_NEAR(settingsOf(again).at(0), 12.7, 1e-6);
}

TEST_F(StepTestFilesTest, ALoadedFilePrintsUnderItsOwnTag)
{
    runTest();
    prompts().answerFile(otherDevicesFile());
    step().OnLoadResults();
    ASSERT_TRUE(step().offlineData());
    ownProgramFolder();
    const QString pdf = tempPath(QStringLiteral("offline.pdf"));
    prompts().clearRecords();
    prompts().answerFile(pdf, QStringLiteral("Save Step Test Report As"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    step().OnPrintReport();
    // The connected device keeps its own tag: printing a file names it in the report alone.
    EXPECT_EQ(data().Tag, QStringLiteral("PV-101  "));
    EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(QStringLiteral("TV-9_StepTestReport_")));
    const QString text = ReportTestSupport::pdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("DEVICE TAG ID: TV-9"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Start Position: 12.7 "))) << text.toStdString();
}

TEST_F(StepTestFilesTest, ARefusedFileLeavesPlotEditsAndRecordAsTheyWere)
{
    runTest();
    const QString file = tempPath(QStringLiteral("junk.stp"));
    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("PST, not a step test");
    junk.close();
    const CStepTestReport before = app().records().m_StepTestReport;
    prompts().answerFile(file);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    step().OnLoadResults();
    EXPECT_FALSE(step().offlineData());
    EXPECT_EQ(channel("Position")->Count(), 209);
    EXPECT_EQ(text(Step::StartEdit), QStringLiteral("30"));
    EXPECT_EQ(text(Step::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_EQ(app().records().m_StepTestReport.m_strTag, before.m_strTag);
    EXPECT_EQ(app().records().m_StepTestReport.m_strStartPosition, before.m_strStartPosition);
}

TEST_F(StepTestFilesTest, PrintReportWritesBothPicturesAndThePdfOfTheModelsDefinition)
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
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        step().OnPrintReport();
        const QString tag = c.path == K90Path ? QStringLiteral("PV-101") : QStringLiteral("PV-102");
        EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(tag + QStringLiteral("_StepTestReport_")))
            << c.model;
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        const QDate today = clock().localNow().date();
        for (const QString& expected : { QStringLiteral("Step Test Report"), QStringLiteral("DEVICE TAG ID: ") + tag,
                 QStringLiteral("Start Position: 30"), QStringLiteral("Stop Position: 70"),
                 QStringLiteral("Hold Time: 6"),
                 QStringLiteral("TestDate: %1/%2/%3").arg(today.month()).arg(today.day()).arg(today.year()),
                 QString::fromLatin1(c.model) })
            EXPECT_TRUE(text.contains(expected)) << c.model << ": " << expected.toStdString();
        EXPECT_EQ(ReportPictures::picturedFields(ReportPictures::reportOf(step()), { "RampGrph", "RampGrph2" }),
            QStringList({ "RampGrph", "RampGrph2" }))
            << c.model;
        // The page's own view is back.
        EXPECT_EQ(step().plot()->GetTitle(), QStringLiteral("Step Test")) << c.model;
        EXPECT_FALSE(step().pressureView()) << c.model;
        // The next start reads its tables from the program's own folder.
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
    }
}

TEST_F(StepTestFilesTest, EachViewsPictureGoesIntoItsOwnFieldOfTheReport)
{
    runTest();
    ownProgramFolder();
    prompts().answerFile(tempPath(QStringLiteral("pictures.pdf")));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    step().OnPrintReport();
    const ReportControl* report = step().findChild<ReportControl*>();
    ASSERT_TRUE(report);
    const ReportDocument document = report->layoutDocument();
    const auto view
        = [this](int button) { return [this, button] { step().controlAs<QAbstractButton>(button)->click(); }; };
    EXPECT_EQ(ReportPictures::viewsInFields(document, *step().plot().get(),
                  { { "RampGrph", view(Step::StepViewButton) }, { "RampGrph2", view(Step::PressureViewButton) } }),
        ReportPictures::inOrder(2));
}

TEST_F(StepTestFilesTest, ADefinitionWithoutAKeyGivesOnlyItsMessageAndTheViewComesBack)
{
    runTest();
    ownProgramFolder("\"StopPosLbl\"");
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    step().OnPrintReport();
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(step().plot()->GetTitle(), QStringLiteral("Step Test"));
    EXPECT_TRUE(step().plot()->ScreenBar(0)->GetVisible());
}

// The pressure view draws against position with the time axis hidden: its
// grid stands on the position and pressure labels, on the page and in the
// report's picture, on both models.
TEST_F(StepTestFilesTest, BothViewsOnThePageAndInTheReportKeepTheirGridOnTheirLabels)
{
    for (const char* path : { K90Path, K40Path }) {
        runTest(path);
        DrawnPlotTexts drawn;
        for (int view : { Step::PressureViewButton, Step::StepViewButton }) {
            step().controlAs<QAbstractButton>(view)->click();
            step().grab();
        }
        ownProgramFolder();
        const QString pdf = tempPath(QStringLiteral("grid.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        step().OnPrintReport();
        ASSERT_TRUE(QFileInfo::exists(pdf)) << path;
        EXPECT_GE(drawn.titled(QStringLiteral("Pressure Vs Position")).size(), 2u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
    }
}

} // namespace
