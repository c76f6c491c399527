// The HDRL compare page: two HDRL files opened side by side, their results
// and differences, the settings question, the three views over both files,
// reloading and refused files, and the printed comparison.
#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "CompareFileAttempts.h"
#include "DrawnPlotTexts.h"
#include "PageTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "automation/NumberText.h"
#include "controls/PlotDataFile.h"
#include "core/PlotConfiguration.h"
#include "diagnostics/CHDRLCompareView.h"
#include "hdrl/HDRLTestChannels.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace
{

using V = CHDRLCompareView;

class HDRLCompareViewTest : public AppFrameTest
{
protected:
    void SetUp() override
    {
        AppFrameTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        qunsetenv("STROKEWISE_HOME");
        AppFrameTest::TearDown();
    }

    CHDRLCompareView& compare() { return page<CHDRLCompareView>(); }
    CHDRLCompareReport& record() { return app().records().m_HDRLCompareReport; }

    void showCompare(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        tree().SelectItem(tree().itemForCode(431));
        clock().advance(1000);
    }

    // A saved HDRL run: settling `settling`, the second cycle `offset` above
    // the first, under `tag` (none: an empty tag).
    QString savedRun(const char* name, const char* settling, double offset, const char* tag = "PV-7")
    {
        CHDRLReport run;
        run.m_strPosSettlingTime = AutoString(settling);
        run.m_strTag = AutoString(tag);
        Plot source;
        ConfigureHDRLPlotControl(IPlotPtr(&source));
        run.SetupHDRLPlotChannels(IPlotPtr(&source));
        const double t = NumberText::toDouble(QString::fromLatin1(settling));
        for (int i = 0; i < 49; ++i) {
            const int k = (i + 1) / 2;
            const int step = i / 2;
            const double c = HDRLTestChannels::CommandPoints[size_t(step)];
            source.ChannelByName(QStringLiteral("Command"))->AddXY(t * k, c);
            source.ChannelByName(QStringLiteral("Position"))->AddXY(t * k, c + (step >= 13 ? offset : 0.0));
        }
        for (int c : { 10, 30, 50, 70, 90 }) {
            source.ChannelByName(QStringLiteral("AverageError"))->AddXY(c, 0.1);
            source.ChannelByName(QStringLiteral("LeastSquareLine"))->AddXY(c, 0.1 + offset);
        }
        const QString file = tempPath(QString::fromLatin1(name));
        prompts().answerFile(file);
        run.SaveHDRL(IPlotPtr(&source));
        return file;
    }

    bool open1(const QString& file)
    {
        prompts().answerFile(file, QStringLiteral("Open HDRL Test Results"));
        compare().OnOpenFile1();
        return compare().file1Loaded();
    }
    bool open2(const QString& file)
    {
        prompts().answerFile(file, QStringLiteral("Open HDRL Test Results"));
        compare().OnOpenFile2();
        return compare().file2Loaded();
    }

    QString text(int id) { return compare().windowText(id); }
    bool enabled(int id) { return compare().control(id)->isEnabled(); }
    QStringList shown()
    {
        QStringList names;
        for (const PlotChannel* c : compare().plot()->channels()) {
            if (c->GetVisible())
                names << c->GetName();
        }
        return names;
    }

    QString ownProgramFolder(const char* withoutKey = nullptr)
    {
        const QString dependencies = SwTest::ownProgramFolder({ "HDRLTestCmpRept.xml", "HDRLTestCmpRept_K40.xml" });
        if (withoutKey) {
            for (const char* name : { "HDRLTestCmpRept.xml", "HDRLTestCmpRept_K40.xml" }) {
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

    RecordingPrintBackend m_printed;
};

TEST_F(HDRLCompareViewTest, SetUpShowsAnEmptyPlotWithOnlyFileOneOpenable)
{
    showCompare();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(compare().plot()->channels().size(), 16u);
    EXPECT_FALSE(enabled(V::ControlSignalButton));
    EXPECT_TRUE(enabled(V::HDRButton));
    EXPECT_FALSE(enabled(V::OpenFile2Button));
    EXPECT_FALSE(enabled(V::PrintButton));
    EXPECT_TRUE(compare().controlAs<QLabel>(V::HysDeadCaption1)->font().bold());
    EXPECT_EQ(compare().plot()->ChannelByName(QStringLiteral("Position2"))->GetXAxisName(), QStringLiteral("Time2"));
    // A view before any file switches the layout and shows nothing.
    compare().OnLinearityView();
    EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Position Error Vs Command"));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(HDRLCompareViewTest, TwoFilesWithTheSameSettlingTimeShowResultsAndDifferences)
{
    showCompare();
    const QString first = savedRun("one.hdrl", "6.5", 0.3);
    const QString second = savedRun("two.hdrl", "6.5", 0.5, "");
    device().clearRequests();
    ASSERT_TRUE(open1(first));
    EXPECT_EQ(text(V::File1Edit), first);
    EXPECT_EQ(text(V::Tag1Edit), QStringLiteral("PV-7"));
    EXPECT_EQ(text(V::Settling1Edit), QStringLiteral("6.5"));
    EXPECT_EQ(text(V::RepeatAverage1Edit), QStringLiteral("0.28"));
    EXPECT_EQ(text(V::RepeatMaximum1Edit), QStringLiteral("0.30"));
    EXPECT_EQ(text(V::Linearity1Edit), QStringLiteral("0.3000"));
    EXPECT_EQ(record().m_strSpare.toQString(), QString());
    EXPECT_EQ(shown(), QStringList({ "Position", "Command" }));
    prompts().clearRecords();
    ASSERT_TRUE(open2(second));
    EXPECT_EQ(prompts().records().size(), 1u); // the file dialog only: no settings question
    EXPECT_EQ(text(V::Tag2Edit), QStringLiteral("NO TAG"));
    EXPECT_EQ(text(V::RepeatMaximum2Edit), QStringLiteral("0.50"));
    // File 2's figure is larger: its difference from file 1 reads positive.
    EXPECT_EQ(text(V::RepeatMaximumDiffEdit), QStringLiteral("0.20"));
    EXPECT_EQ(text(V::LinearityDiffEdit), QStringLiteral("0.2000"));
    EXPECT_EQ(shown(), QStringList({ "Position", "Command", "Position2", "Command2" }));
    compare().OnHDRView();
    EXPECT_EQ(shown().size(), 8);
    EXPECT_TRUE(device().requests().empty()) << "the compare page sends nothing";

    // Reloading file 1 empties every box and file 2's traces.
    ASSERT_TRUE(open1(first));
    for (int id : V::Boxes()) {
        if (id != V::Tag1Edit && id != V::Date1Edit && id != V::File1Edit && id != V::Settling1Edit
            && id != V::HysDeadAverage1Edit && id != V::HysDeadMaximum1Edit && id != V::RepeatAverage1Edit
            && id != V::RepeatMaximum1Edit && id != V::Linearity1Edit) {
            EXPECT_EQ(text(id), QString()) << id;
        }
    }
    EXPECT_EQ(compare().plot()->ChannelByName(QStringLiteral("Position2"))->Count(), 0);
    compare().OnHDRView();
    EXPECT_EQ(shown().size(), 4);
}

TEST_F(HDRLCompareViewTest, OtherSettlingTimesAskAndEachFileKeepsItsOwnTimeAxis)
{
    for (int answer : { Prompts::IdOk, Prompts::IdCancel }) {
        showCompare();
        const QString first = savedRun("one.hdrl", "6.5", 0.3);
        const QString second = savedRun("two.hdrl", "8", 0.3);
        ASSERT_TRUE(open1(first));
        prompts().answerFile(second);
        prompts().answerMessage(
            answer, QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue"));
        compare().OnOpenFile2();
        ASSERT_EQ(prompts().records().back().message.caption, std::optional<QString>(QStringLiteral("Compare")));
        const IPlotPtr plot = compare().plot();
        if (answer == Prompts::IdOk) {
            ASSERT_TRUE(compare().file2Loaded());
            // Each time axis from 0 past its own run's end (24 settling
            // times: 156 and 192 s) by 4 %, to the next 20 s.
            EXPECT_EQ(plot->XAxisByName(QStringLiteral("Time"))->GetMin(), 0.0);
            EXPECT_EQ(plot->XAxisByName(QStringLiteral("Time"))->GetMax(), 180.0);
            EXPECT_EQ(plot->XAxisByName(QStringLiteral("Time2"))->GetMin(), 0.0);
            EXPECT_EQ(plot->XAxisByName(QStringLiteral("Time2"))->GetMax(), 200.0);
            EXPECT_EQ(text(V::Settling2Edit), QStringLiteral("8"));
        } else {
            EXPECT_FALSE(compare().file2Loaded());
            compare().OnLinearityView();
            EXPECT_EQ(shown(), QStringList({ "AverageError", "LeastSquareLine" }));
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

// Each axis of a view holds the points it shows with room at both ends and
// ends on a round label. Both runs step the command from 0 to 100 and back
// twice, the position 0.3 above it in the second cycle, over 24 settling
// times of 6.5 s; their average errors stand at 0.1 and their lines at 0.4
// from 10 to 90 % command. Worked out: time from 0 to 156 + 4 % to the next
// 20 s; position from -0.3 * 4 % below 0 to the tenth past 100.3 + 4 %; the
// command of the errors from 10 - 3.2 to 90 + 3.2, to the tenths beyond;
// the errors from 0.1 - 0.012 to 0.4 + 0.012, to the twentieths beyond.
TEST_F(HDRLCompareViewTest, EachAxisHoldsTheShownPointsWithRoomOnRoundLabels)
{
    struct Case {
        bool linearity;
        bool x;
        const char* axis;
        double min;
        double max;
    };
    const Case cases[] = {
        { false, true, "Time", 0, 180 },
        { false, true, "Time2", 0, 180 },
        { false, false, "Position", -10, 110 },
        { true, true, "Command", 0, 100 },
        { true, false, "PositionError", 0.05, 0.45 },
    };
    for (const char* path : { K90Path, K40Path }) {
        showCompare(path);
        ASSERT_TRUE(open1(savedRun("one.hdrl", "6.5", 0.3)));
        ASSERT_TRUE(open2(savedRun("two.hdrl", "6.5", 0.3)));
        const IPlotPtr plot = compare().plot();
        for (bool linearity : { false, true }) {
            if (linearity)
                compare().OnLinearityView();
            else
                compare().OnControlSignalView();
            for (const Case& c : cases) {
                if (c.linearity != linearity)
                    continue;
                const QString name = QString::fromLatin1(c.axis);
                const IPlotAxisPtr axis = c.x ? plot->XAxisByName(name) : plot->YAxisByName(name);
                EXPECT_DOUBLE_EQ(axis->GetMin(), c.min) << path << ", " << c.axis;
                EXPECT_DOUBLE_EQ(axis->GetMax(), c.max) << path << ", " << c.axis;
            }
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(HDRLCompareViewTest, ARefusedOrCancelledFileOneLeavesThePageAsBeforeAnyFileAndKeepsTheRecord)
{
    showCompare();
    const QString first = savedRun("one.hdrl", "6.5", 0.3);
    const QString second = savedRun("two.hdrl", "6.5", 0.5, "PV-8");
    const QString junk = tempPath(QStringLiteral("junk.hdrl"));
    ASSERT_TRUE(CompareFileAttempts::writeJunk(junk, "not an HDRL file"));
    for (const auto attempt : { CompareFileAttempts::Attempt::Refused, CompareFileAttempts::Attempt::Cancel }) {
        const char* what = CompareFileAttempts::name(attempt);
        ASSERT_TRUE(open1(first)) << what;
        ASSERT_TRUE(open2(second)) << what;
        compare().OnHDRView();
        CompareFileAttempts::scriptNotAccepted(prompts(), attempt, junk);
        compare().OnOpenFile1();
        EXPECT_FALSE(compare().file1Loaded()) << what;
        EXPECT_FALSE(compare().file2Loaded()) << what;
        // The record keeps what it held; nothing of it can be shown or printed.
        EXPECT_EQ(record().m_strFileName1.toQString(), first) << what;
        EXPECT_EQ(record().m_strTag1.toQString(), QStringLiteral("PV-7")) << what;
        for (int id : V::Boxes())
            EXPECT_EQ(text(id), QString()) << what << " " << id;
        EXPECT_FALSE(enabled(V::OpenFile2Button)) << what;
        EXPECT_FALSE(enabled(V::PrintButton)) << what;
        EXPECT_FALSE(enabled(V::ControlSignalButton)) << what;
        EXPECT_TRUE(enabled(V::HDRButton)) << what;
        EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Position Vs Time")) << what;
        for (const char* name : { "Position", "Position2", "AverageError2" })
            EXPECT_EQ(compare().plot()->ChannelByName(QString::fromLatin1(name))->Count(), 0) << what << name;
        compare().OnHDRView();
        EXPECT_TRUE(shown().isEmpty()) << what;
        compare().OnControlSignalView();
    }
}

TEST_F(HDRLCompareViewTest, AFileTwoNotAcceptedLeavesTheFileTwoShownAndPrintedBefore)
{
    showCompare();
    const QString first = savedRun("one.hdrl", "6.5", 0.3);
    const QString other = savedRun("other.hdrl", "8", 0.9, "PV-9");
    const QString second = savedRun("two.hdrl", "6.5", 0.5, "PV-8");
    const QString junk = tempPath(QStringLiteral("junk.hdrl"));
    ASSERT_TRUE(CompareFileAttempts::writeJunk(junk, "not an HDRL file"));
    ownProgramFolder();
    for (const auto& [withFile2, attempt, what] : CompareFileAttempts::fileTwoAttempts()) {
        ASSERT_TRUE(open1(first)) << what;
        if (withFile2) {
            ASSERT_TRUE(open2(second)) << what;
        }
        std::map<int, QString> before;
        for (int id : V::Boxes())
            before[id] = text(id);
        const QStringList drawn = shown();
        prompts().clearRecords();
        if (attempt != CompareFileAttempts::Attempt::NoAtTheQuestion) {
            CompareFileAttempts::scriptNotAccepted(prompts(), attempt, junk);
        } else {
            prompts().answerFile(other);
            prompts().answerMessage(Prompts::IdCancel,
                QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue"));
        }
        compare().OnOpenFile2();
        EXPECT_EQ(compare().file2Loaded(), withFile2) << what;
        for (const auto& [id, shownText] : before)
            EXPECT_EQ(text(id), shownText) << what << " " << id;
        EXPECT_EQ(record().m_strTag2.toQString(), withFile2 ? QStringLiteral("PV-8") : QString()) << what;
        EXPECT_EQ(record().m_strFileName2.toQString(), withFile2 ? second : QString()) << what;
        EXPECT_EQ(shown(), drawn) << what;
        // The next view shows file 2 as before.
        compare().OnHDRView();
        compare().OnControlSignalView();
        EXPECT_EQ(shown(), drawn) << what;

        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf);
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        const QString printed = ReportTestSupport::pdfText(pdf).simplified();
        EXPECT_TRUE(printed.contains(QFileInfo(first).fileName())) << what << "\n" << printed.toStdString();
        EXPECT_FALSE(printed.contains(QStringLiteral("PV-9"))) << what << "\n" << printed.toStdString();
        EXPECT_FALSE(printed.contains(QFileInfo(other).fileName())) << what;
        EXPECT_EQ(printed.contains(QStringLiteral("PV-8")), withFile2) << what << "\n" << printed.toStdString();
        EXPECT_EQ(printed.contains(QFileInfo(second).fileName()), withFile2) << what;
    }
}

TEST_F(HDRLCompareViewTest, AFileTwoRefusedWhileItsResultsAreWorkedOutLeavesTheCurvesOfTheFileTwoShownBefore)
{
    showCompare();
    const QString first = savedRun("one.hdrl", "6.5", 0.3);
    const QString second = savedRun("two.hdrl", "6.5", 0.5, "PV-8");
    // A damaged run: every channel there, the position cut short.
    const QString damaged = tempPath(QStringLiteral("damaged.hdrl"));
    {
        std::vector<PlotChannelData> channels = PlotDataFile::load(savedRun("cut.hdrl", "6.5", 0.9, "PV-9"));
        for (PlotChannelData& c : channels) {
            if (c.name == QStringLiteral("Position")) {
                c.xs.resize(10);
                c.ys.resize(10);
                c.marked.clear();
            }
        }
        std::vector<const PlotChannelData*> written;
        for (const PlotChannelData& c : channels)
            written.push_back(&c);
        PlotDataFile::save(damaged, PlotDataFile::Kind::TimePlot, written);
    }
    for (const bool withFile2 : { false, true }) {
        const std::string what = withFile2 ? "file 2 shown" : "no file 2";
        ASSERT_TRUE(open1(first)) << what;
        if (withFile2) {
            ASSERT_TRUE(open2(second)) << what;
        }
        std::map<QString, std::vector<double>> curves;
        for (const PlotChannel* c : compare().plot()->channels())
            curves[c->GetName()] = c->data().ys;
        const QStringList drawn = shown();
        prompts().clearRecords();
        prompts().answerFile(damaged);
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        compare().OnOpenFile2();
        ASSERT_EQ(prompts().messages().size(), 1u) << what;
        EXPECT_EQ(compare().file2Loaded(), withFile2) << what;
        EXPECT_EQ(record().m_strTag2.toQString(), withFile2 ? QStringLiteral("PV-8") : QString()) << what;
        for (const PlotChannel* c : compare().plot()->channels())
            EXPECT_EQ(c->data().ys, curves[c->GetName()]) << what << " " << c->GetName().toStdString();
        EXPECT_EQ(shown(), drawn) << what;
    }
}

TEST_F(HDRLCompareViewTest, ASettlingTimeShowsAndPrintsAsTheShortestTextOfItsSinglePrecisionValue)
{
    showCompare();
    ASSERT_TRUE(open1(savedRun("one.hdrl", "6.29", 0.3)));
    ASSERT_TRUE(open2(savedRun("two.hdrl", "6.29", 0.5, "PV-8")));
    EXPECT_EQ(text(V::Settling1Edit), QStringLiteral("6.29"));
    EXPECT_EQ(text(V::Settling2Edit), QStringLiteral("6.29"));
    ownProgramFolder();
    const QString pdf = tempPath(QStringLiteral("settling.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    compare().OnPrintReport();
    const QString printed = ReportTestSupport::pdfText(pdf).simplified();
    EXPECT_TRUE(printed.contains(QStringLiteral("6.29 6.29"))) << printed.toStdString();
    EXPECT_FALSE(printed.contains(QStringLiteral("6.2899"))) << printed.toStdString();
}

TEST_F(HDRLCompareViewTest, PrintTakesTheThreeViewsAndBothFilesOfTheModelsDefinition)
{
    const struct {
        const char* path;
        const char* model;
    } cases[] = { { K90Path, "K90 positioner" }, { K40Path, "K40 positioner" } };
    for (const auto& c : cases) {
        showCompare(c.path);
        const QString first = savedRun("one.hdrl", "6.5", 0.3);
        const QString second = savedRun("two.hdrl", "6.5", 0.5);
        ASSERT_TRUE(open1(first));
        ownProgramFolder();
        const QString onlyOne = tempPath(QStringLiteral("one.pdf"));
        prompts().clearRecords();
        prompts().answerFile(onlyOne, QStringLiteral("Save HDRL Compare ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(QStringLiteral("PV-7_HDRLCompareReport_")));
        const QString single = ReportTestSupport::pdfText(onlyOne).simplified();
        EXPECT_TRUE(single.contains(QStringLiteral("File #1"))) << single.toStdString();

        ASSERT_TRUE(open2(second));
        const QString pdf = tempPath(QStringLiteral("both.pdf"));
        prompts().answerFile(pdf);
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        for (const QString& expected : { QStringLiteral("HDRL Test Comparison Report"), QStringLiteral("File #1"),
                 QStringLiteral("File #2"), QFileInfo(first).fileName(), QFileInfo(second).fileName(),
                 QStringLiteral("0.28 0.46 0.18"), QString::fromLatin1(c.model) })
            EXPECT_TRUE(text.contains(expected)) << c.model << ": " << expected.toStdString() << "\n"
                                                 << text.toStdString();
        EXPECT_EQ(
            ReportPictures::picturedFields(ReportPictures::reportOf(compare()), { "CntrolGrph", "HDRGrph", "LinGrph" }),
            QStringList({ "CntrolGrph", "HDRGrph", "LinGrph" }))
            << c.model;
        EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Position Vs Time"));
        EXPECT_TRUE(compare().plot()->ScreenBar(0)->GetVisible());
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(HDRLCompareViewTest, EachViewsPictureGoesIntoItsOwnFieldOfTheReport)
{
    showCompare();
    ASSERT_TRUE(open1(savedRun("one.hdrl", "6.5", 0.3)));
    ASSERT_TRUE(open2(savedRun("two.hdrl", "6.5", 0.5)));
    ownProgramFolder();
    prompts().answerFile(tempPath(QStringLiteral("pictures.pdf")));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    compare().OnPrintReport();
    const ReportControl* report = compare().findChild<ReportControl*>();
    ASSERT_TRUE(report);
    const ReportDocument document = report->layoutDocument();
    EXPECT_EQ(ReportPictures::viewsInFields(document, *compare().plot().get(),
                  { { "CntrolGrph", [this] { compare().OnControlSignalView(); } },
                      { "HDRGrph", [this] { compare().OnHDRView(); } },
                      { "LinGrph", [this] { compare().OnLinearityView(); } } }),
        ReportPictures::inOrder(3));
}

TEST_F(HDRLCompareViewTest, ADefinitionWithoutTheLinearityPictureGivesOnlyItsMessage)
{
    showCompare();
    ASSERT_TRUE(open1(savedRun("one.hdrl", "6.5", 0.3)));
    ownProgramFolder("\"LinGrph\"");
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    compare().OnPrintReport();
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
}

TEST_F(HDRLCompareViewTest, BackShowsTheHDRLPage)
{
    showCompare();
    compare().OnBack();
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), 43);
}

TEST_F(HDRLCompareViewTest, EveryViewOnThePageAndInTheReportKeepsItsLabelsApartAndItsLegendEntriesWhole)
{
    for (const char* path : { K90Path, K40Path }) {
        showCompare(path);
        // A long settling time: the time axis runs over three hours.
        ASSERT_TRUE(open1(savedRun("one.hdrl", "450", 0.3)));
        ASSERT_TRUE(open2(savedRun("two.hdrl", "450", 2.5)));
        DrawnPlotTexts drawn;
        for (int view :
            { CHDRLCompareView::HDRButton, CHDRLCompareView::LinearityButton, CHDRLCompareView::ControlSignalButton }) {
            compare().controlAs<QAbstractButton>(view)->click();
            compare().grab();
        }
        ownProgramFolder();
        const QString pdf = tempPath(QStringLiteral("readable.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save HDRL Compare ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        ASSERT_TRUE(QFileInfo::exists(pdf)) << path;
        EXPECT_GE(drawn.paintings().size(), 6u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
        SimTestHooks::reset();
    }
}

// A comparison of one file shows and prints that file: no file 2 results or
// differences, no file 2 traces in the legends, and each trace on the page
// and in the pictures read on an axis shown.
TEST_F(HDRLCompareViewTest, OneFileShowsAndPrintsOnlyThatFileEachTraceOnAnAxisShown)
{
    for (const char* path : { K90Path, K40Path }) {
        showCompare(path);
        ASSERT_TRUE(open1(savedRun("one.hdrl", "450", 0.3)));
        DrawnPlotTexts drawn;
        for (int view :
            { CHDRLCompareView::HDRButton, CHDRLCompareView::LinearityButton, CHDRLCompareView::ControlSignalButton }) {
            compare().controlAs<QAbstractButton>(view)->click();
            compare().grab();
        }
        ownProgramFolder();
        const QString pdf = tempPath(QStringLiteral("one.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QStringLiteral("Save HDRL Compare ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        for (const char* row : { "Position Settling Time: 450 HDRL Test Results", "Maximum: 0.30 Linearity Error" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(row))) << path << ": " << row << "\n" << text.toStdString();
        QStringList entries;
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
                entries << entry.text;
        EXPECT_GE(entries.size(), 6) << path;
        for (const QString& entry : entries)
            EXPECT_FALSE(entry.endsWith(QStringLiteral(" 2"))) << path << ": " << entry.toStdString();
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        qunsetenv("STROKEWISE_HOME");
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(HDRLCompareViewTest, EveryControlCarriesItsToolTip)
{
    showCompare();
    expectToolTips(compare(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { V::OpenFile1Button, "Click this button to open the first comparison file." },
            { V::OpenFile2Button, "Click this button to open the second comparison file." },
            { V::BackButton, "Return to the HDRL Test page." },
            { V::PrintButton, "Print a comparison report to the default printer." },
            { V::Settling1Edit, "Settling time for this test." },
            { V::Settling2Edit, "Settling time for this test." },
            { V::HysDeadAverage1Edit, "Average of the Hystersis plus the Deadband." },
            { V::HysDeadAverage2Edit, "Average of the Hystersis plus the Deadband." },
            { V::HysDeadAverageDiffEdit, "Differences of the Averages of the Hystersis plus the Deadband." },
            { V::HysDeadMaximum1Edit, "Maximum value of the Hystersis plus the Deadband." },
            { V::HysDeadMaximum2Edit, "Maximum value of the Hystersis plus the Deadband." },
            { V::HysDeadMaximumDiffEdit, "Differences of the Maximum values of the Hystersis plus the Deadband." },
            { V::RepeatAverage1Edit, "Repeatability average." },
            { V::RepeatAverage2Edit, "Repeatability average." },
            { V::RepeatAverageDiffEdit, "Difference of the Repeatability averages." },
            { V::RepeatMaximum1Edit, "Maximum value of the Repeatability." },
            { V::RepeatMaximum2Edit, "Maximum value of the Repeatability." },
            { V::RepeatMaximumDiffEdit, "Difference of the Maximum values of the Repeatability." },
            { V::Linearity1Edit, "Percent Linearity Error." },
            { V::Linearity2Edit, "Percent Linearity Error." },
            { V::LinearityDiffEdit, "Difference of the Percent Linearity Errors." },
            { V::ControlSignalButton, "Display on the graph the Command and Position." },
            { V::HDRButton, "Display on the graph the Position Error Vs Position." },
            { V::LinearityButton, "Display on the graph the linearity error." },
        });
}

} // namespace
