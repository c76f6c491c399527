// The partial stroke compare page: two saved partial stroke files side by
// side, their differences, the 18 channel boxes on both models, printing
// and the way back.
#include "PageTexts.h"
#include "PstPageTest.h"

#include "CompareFileAttempts.h"
#include "CompareSeen.h"
#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "core/PlotConfiguration.h"
#include "partial_stroke/PstChannels.h"
#include "report/PrintBackend.h"
#include "report/ReportControl.h"
#include "report/RecordingPrintBackend.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{

using namespace CompareBoxGrid;
using V = CPSTCompare;

class PstComparePageTest : public PstPageTest
{
protected:
    void SetUp() override
    {
        PstPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        PstPageTest::TearDown();
    }

    struct Spec {
        const char* tag = "PV-101";
        const char* duration = "7";
        const char* target = "5";
        const char* breakAway = "1.25";
        const char* targetResult = "3";
        uint8_t sensors = 1;
        uint8_t singleActing = 0;
        double sampleSpacing = 40.0; // along the time axis
        double offset = 0.0; // added to every signal
    };
    QString file(const QString& name, const Spec& spec)
    {
        CPSTReport record;
        Plot source;
        ConfigurePSTPlotControl(IPlotPtr(&source));
        record.SetupPSTPlotChannels(IPlotPtr(&source));
        for (const char* channel : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" })
            for (int k = 0; k < 60; ++k)
                source.ChannelByName(QString::fromLatin1(channel))
                    ->AddXY(k * spec.sampleSpacing, 85.0 - k * 0.2 + spec.offset);
        record.m_strTag = AutoString(spec.tag);
        record.m_strStartPosition = AutoString("85");
        record.m_strStopPosition = AutoString("70");
        record.m_strTimeToTarget = AutoString(spec.target);
        record.m_strTestDuration = AutoString(spec.duration);
        record.m_strBreakAwayTime = AutoString(spec.breakAway);
        record.m_strBreakAwayPressure = AutoString("30");
        record.m_strTimeToTargetResult = AutoString(spec.targetResult);
        record.m_bPressureSensor = spec.sensors;
        record.m_bSingleActing = spec.singleActing;
        const QString path = tempPath(name);
        prompts().answerFile(path);
        record.SavePST(IPlotPtr(&source));
        return path;
    }

    void showCompare(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(PstCompareCode);
        prompts().clearRecords();
    }
    void open1(const QString& path)
    {
        prompts().answerFile(path, QStringLiteral("Open PST Results"));
        compare().controlAs<QAbstractButton>(V::OpenFile1Button)->click();
    }
    void open2(const QString& path, std::optional<int> answer = std::nullopt)
    {
        prompts().answerFile(path, QStringLiteral("Open PST Results"));
        if (answer)
            prompts().answerMessage(*answer);
        compare().controlAs<QAbstractButton>(V::OpenFile2Button)->click();
    }
    QString shown(int id) { return compare().windowText(id); }
    bool ticked(int id) { return compare().controlAs<QAbstractButton>(id)->isChecked(); }
    bool usable(int id) { return compare().control(id)->isEnabled(); }
    bool drawn(const char* name) { return compare().plot()->ChannelByName(QString::fromLatin1(name))->GetVisible(); }

    // What the user sees of the page and what Print takes: every field,
    // every box (ticked, usable), "2..." and Print, and the drawn channels.
    using Seen = CompareSeen;
    Seen seen()
    {
        Seen s;
        for (const ControlSpec& spec : V::Template.controls)
            if (spec.kind == ControlSpec::Kind::Edit || spec.id == V::UnitLabel)
                s.fields[spec.id] = shown(spec.id);
        for (int box : allBoxes())
            s.boxes[box] = { ticked(box), usable(box) };
        s.file2 = usable(V::OpenFile2Button);
        s.print = usable(V::PrintButton);
        for (const PstChannels::ChannelRow& row : PstChannels::CompareRows)
            if (drawn(row.name))
                s.drawn.insert(row.name);
        return s;
    }
    void expectSeen(const Seen& expected, const std::string& what) { expectSameSeen(expected, seen(), what); }
    QString printed()
    {
        ownProgramFolder({ "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QStringLiteral("Save PST Compare ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        return QFileInfo::exists(pdf) ? ReportTestSupport::pdfText(pdf).simplified() : QString();
    }
    QString junkFile()
    {
        const QString junk = tempPath(QStringLiteral("junk.pst"));
        EXPECT_TRUE(CompareFileAttempts::writeJunk(junk, "not a plot file at all"));
        return junk;
    }

    RecordingPrintBackend m_printed;
};

TEST_F(PstComparePageTest, BeforeAnyFileNothingIsShownAndTheColumnCaptionsAreBold)
{
    for (const char* path : { K90Path, K40Path }) {
        showCompare(path);
        EXPECT_FALSE(usable(V::OpenFile2Button)) << path;
        EXPECT_FALSE(usable(V::PrintButton)) << path;
        EXPECT_TRUE(usable(V::OpenFile1Button)) << path;
        for (int box : allBoxes())
            EXPECT_FALSE(ticked(box)) << path << " " << box;
        for (const PstChannels::ChannelRow& row : PstChannels::CompareRows)
            EXPECT_FALSE(drawn(row.name)) << path << " " << row.name;
        // The column captions, bold, above the settings, the results and the boxes.
        for (const auto& [id, caption] : { std::pair { int(V::SettingsCaption1), "1" }, { V::SettingsCaption2, "2" },
                 { V::BreakAwayCaption1, "1" }, { V::BreakAwayCaption2, "2" }, { Caption1, "1" }, { Caption2, "2" } }) {
            EXPECT_EQ(compare().windowText(id), QString::fromLatin1(caption)) << path << " " << id;
            EXPECT_TRUE(compare().control(id)->font().bold()) << path << " " << id;
        }
        // Tooltips in their own words, odd ones included; the boxes by their ids, file 1, file 2, difference.
        SCOPED_TRACE(path);
        expectToolTips(compare(),
            {
                { StripPage::LedId, "LED status" },
                { StripPage::ActiveId,
                    "Active Indicator displays the highest priority active status indicator and its respective "
                    "number." },
                { StripPage::SourceId,
                    "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
                { V::OpenFile1Button, "Click this button to open the first comparison file." },
                { V::OpenFile2Button, "Click this button to open the second comparison file." },
                { V::BackButton, "Return to the PST Test page." },
                { V::PrintButton, "Print a comparison report to the default printer." },
                { V::Time1Edit, "Time from command change to actual movement" },
                { V::Time2Edit, "Time from command change to actual movement" },
                { V::Pressure1Edit, "Pressure measured at movement" },
                { V::Pressure2Edit, "Pressure measured at movement" },
                { V::Target1Edit, "Elapsed time to target position" },
                { V::Target2Edit, "Elapsed time to target position" },
                { V::Result1Edit, "Pass/Fail indicator" },
                { V::Result2Edit, "Pass/Fail indicator" },
                { V::TimeDiffEdit, "Difference of time from command change to actual movement." },
                { V::PressureDiffEdit, "Difference of pressure measured at movement." },
                { V::TargetDiffEdit, "Difference of elapsed time to target position" },
                { 1119, "Check box to display Position from file 1 in graph" },
                { 1118, "Check box to display Position from file 2 in graph" },
                { 1112, "Check box to display Position difference in graph" },
                { 1120, "Check box to display Control Command from file 1 in graph" },
                { 1121, "Check box to display Control Command from file 2 in graph" },
                { 1113, "Check box to display Control Command difference in graph" },
                { 1122, "Check box to display Port1 from file 1 in graph.n" },
                { 1123, "Check box to display Port1 from file 2 in graph." },
                { 1114, "Check box to display Port1 difference in graph" },
                { 1124, "Check box to display Port2 from file 1 in graph" },
                { 1125, "Check box to display Port2 from file 2 in graph" },
                { 1115, "Check box to display Port2 difference  in graph" },
                { 1126, "Check box to display Pilot Relay Command from file 1 in graph" },
                { 1127, "Check box to display Pilot Relay Command from file 2 in graph" },
                { 1116, "Check box to display Pilot Relay Command difference in graph" },
                { 1128, "Check box to display Pilot Relay Position from file 1 in graph" },
                { 1129, "Check box to display Pilot Relay Position from file 2 in graph" },
                { 1117, "Check box to display Pilot Relay Position difference in graph" },
            });
        m_app.reset();
    }
}

TEST_F(PstComparePageTest, ResultsAndDifferencesShowDashesWhereNothingWasMeasured)
{
    showCompare();
    Spec second;
    second.breakAway = "3.5";
    second.targetResult = "655.35";
    second.target = "9";
    second.tag = "";
    open1(file(QStringLiteral("one.pst"), Spec()));
    EXPECT_EQ(shown(V::Tag1Edit), QStringLiteral("PV-101"));
    EXPECT_EQ(shown(V::Time1Edit), QStringLiteral("1.25"));
    EXPECT_EQ(shown(V::Target1Edit), QStringLiteral("3.00"));
    EXPECT_EQ(shown(V::Pressure1Edit), QStringLiteral("30.00"));
    EXPECT_TRUE(usable(V::OpenFile2Button));
    EXPECT_TRUE(usable(V::PrintButton));
    // Only the time to target setting differs: no question.
    open2(file(QStringLiteral("two.pst"), second));
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_EQ(shown(V::Tag2Edit), QStringLiteral("NO TAG"));
    EXPECT_EQ(shown(V::Time2Edit), QStringLiteral("3.50"));
    EXPECT_EQ(shown(V::TimeDiffEdit), QStringLiteral(" 2.25"));
    EXPECT_EQ(shown(V::Target2Edit), QStringLiteral("-"));
    EXPECT_EQ(shown(V::TargetDiffEdit), QStringLiteral("-"));
    EXPECT_EQ(shown(V::PressureDiffEdit), QStringLiteral(" 0.00"));
    EXPECT_EQ(shown(V::File2Edit), tempPath(QStringLiteral("two.pst")));
    for (int box : allBoxes())
        EXPECT_TRUE(ticked(box)) << box;
    // File 2's position is marked every 25th point.
    const IPlotChannelPtr position2 = compare().plot()->ChannelByName(QStringLiteral("Position2"));
    ASSERT_EQ(position2->Count(), 60);
    for (int k = 0; k < 60; ++k)
        EXPECT_EQ(position2->GetPointMarked(k), k % 25 == 0) << k;
}

TEST_F(PstComparePageTest, DifferencesAreFileTwoLessFileOneOnThePlotBesideItAndInTheReportAndSaySo)
{
    const struct {
        const char* what;
        const char* path;
        const char* breakAway2;
        double offset2;
        const char* shownDifference;
        double plottedDifference;
    } cases[] = {
        { "K90, file 2 later and above", K90Path, "3.5", 3.0, " 2.25", 3.0 },
        { "K90, file 2 earlier and below", K90Path, "0.75", -2.0, "-0.50", -2.0 },
        { "K40, file 2 later and above", K40Path, "3.5", 3.0, " 2.25", 3.0 },
        { "K40, file 2 earlier and below", K40Path, "0.75", -2.0, "-0.50", -2.0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        showCompare(c.path);
        Spec second;
        second.breakAway = c.breakAway2;
        second.offset = c.offset2;
        open1(file(QStringLiteral("one.pst"), Spec()));
        open2(file(QStringLiteral("two.pst"), second));
        EXPECT_EQ(shown(V::TimeDiffEdit), QString::fromLatin1(c.shownDifference));
        for (const char* name : { "PositionDiff", "CommandDiff", "ILCmdDiff", "ILPOSDiff" }) {
            const PlotChannel& difference = *compare().plot()->ChannelByName(QString::fromLatin1(name));
            ASSERT_EQ(difference.data().ys.size(), 60u) << name;
            for (double y : difference.data().ys)
                EXPECT_NEAR(y, c.plottedDifference, 1e-9) << name;
        }
        EXPECT_EQ(compare().plot()->ChannelByName(QStringLiteral("PositionDiff"))->GetTitle(),
            QStringLiteral("Position Delta (2 - 1)"));

        DrawnPlotTexts drawn;
        const QString text = printed();
        EXPECT_TRUE(text.contains(QStringLiteral("Difference (2 - 1)"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Time: 1.25 %1 %2")
                                      .arg(QString::fromLatin1(c.breakAway2) + (c.offset2 > 0 ? "0" : ""),
                                          QString::fromLatin1(c.shownDifference).trimmed())))
            << text.toStdString();
        bool legendSaysSo = false;
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
                legendSaysSo = legendSaysSo
                    || (painting.texts.picture && entry.text == QStringLiteral("Position Delta (2 - 1)"));
        EXPECT_TRUE(legendSaysSo);
        m_app.reset();
    }
}

TEST_F(PstComparePageTest, OtherSettingsAskAndCancelChangesNothingShown)
{
    showCompare();
    open1(file(QStringLiteral("one.pst"), Spec()));
    Spec other;
    other.duration = "9";
    other.tag = "FV-8";
    open2(file(QStringLiteral("two.pst"), other), Prompts::IdCancel);
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text,
        QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue"));
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Compare"));
    EXPECT_EQ(shown(V::Tag2Edit), QString());
    EXPECT_EQ(shown(V::Duration2Edit), QString());
    EXPECT_FALSE(ticked(Position2));
    EXPECT_FALSE(drawn("Position2"));
}

TEST_F(PstComparePageTest, AFileWithoutSensorsKeepsItsPortBoxesOff)
{
    const struct {
        const char* path;
        bool large;
    } cases[] = { { K90Path, true }, { K40Path, false } };
    for (const auto& c : cases) {
        showCompare(c.path);
        Spec none;
        none.sensors = 0;
        open1(file(QStringLiteral("one.pst"), none));
        for (int box : { Port1First, Port2First }) {
            // The smaller model's port 2 boxes are gone altogether.
            EXPECT_TRUE(!usable(box) || compare().control(box)->isHidden()) << c.path << box;
            EXPECT_FALSE(ticked(box)) << c.path << box;
        }
        EXPECT_FALSE(drawn("Port1")) << c.path;
        EXPECT_TRUE(drawn("Position"));
        open2(file(QStringLiteral("two.pst"), Spec()));
        EXPECT_TRUE(ticked(Port1Second)) << c.path;
        EXPECT_EQ(ticked(Port2Second), c.large) << c.path;
        for (int box : { Port1Diff, Port2Diff }) {
            EXPECT_TRUE(!usable(box) || compare().control(box)->isHidden()) << c.path << box;
            EXPECT_FALSE(ticked(box)) << c.path << box;
        }
        EXPECT_FALSE(drawn("Port1Diff"));
        EXPECT_FALSE(drawn("Port2Diff")) << c.path;
        EXPECT_EQ(drawn("Port2_2"), c.large) << c.path;
        // The smaller model has no port 2 row.
        EXPECT_EQ(compare().control(Port2First)->isHidden(), !c.large) << c.path;
        m_app.reset();
    }
}

TEST_F(PstComparePageTest, RefusedAndCancelledFiles)
{
    showCompare();
    const QString one = file(QStringLiteral("one.pst"), Spec());
    open1(one);
    // A step test file: "File open error.", nothing changes.
    CStepTestReport step;
    Plot stepPlot;
    ConfigureStepTestPlotControl(IPlotPtr(&stepPlot));
    step.SetupStepTestPlotChannels(IPlotPtr(&stepPlot));
    const QString stp = tempPath(QStringLiteral("test.stp"));
    prompts().answerFile(stp);
    step.SaveStepTest(IPlotPtr(&stepPlot));
    prompts().clearRecords();
    prompts().answerFile(stp, QStringLiteral("Open PST Results"));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    compare().controlAs<QAbstractButton>(V::OpenFile2Button)->click();
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QString());
    EXPECT_EQ(shown(V::Tag2Edit), QString());
    // A cancelled file 1 empties the plot and the texts.
    prompts().answerFile(std::nullopt);
    compare().controlAs<QAbstractButton>(V::OpenFile1Button)->click();
    EXPECT_EQ(shown(V::Tag1Edit), QString());
    EXPECT_EQ(compare().plot()->ChannelByName(QStringLiteral("Position"))->Count(), 0);
}

TEST_F(PstComparePageTest, ACancelledOrRefusedFileOneLeavesThePageAsBeforeAnyFile)
{
    for (const char* path : { K90Path, K40Path }) {
        showCompare(path);
        const Seen fresh = seen();
        Spec none;
        none.sensors = 0;
        Spec other;
        other.tag = "FV-8";
        other.breakAway = "2.5";
        for (const auto attempt : { CompareFileAttempts::Attempt::Cancel, CompareFileAttempts::Attempt::Refused }) {
            const std::string what = std::string(path) + " " + CompareFileAttempts::name(attempt);
            // A file without sensors, so that its port boxes were disabled.
            open1(file(QStringLiteral("one.pst"), none));
            open2(file(QStringLiteral("two.pst"), other));
            ASSERT_EQ(shown(V::Tag2Edit), QStringLiteral("FV-8")) << what;
            prompts().clearRecords();
            CompareFileAttempts::scriptNotAccepted(prompts(), attempt,
                attempt == CompareFileAttempts::Attempt::Refused ? junkFile() : QString(),
                QStringLiteral("Open PST Results"));
            compare().controlAs<QAbstractButton>(V::OpenFile1Button)->click();
            expectSeen(fresh, what);
            for (const char* name : { "Position", "Position2", "PositionDiff" })
                EXPECT_EQ(compare().plot()->ChannelByName(QString::fromLatin1(name))->Count(), 0) << what << name;
        }
        m_app.reset();
    }
}

TEST_F(PstComparePageTest, AFileTwoNotAcceptedLeavesTheFileTwoShownAndPrintedBefore)
{
    showCompare();
    const QString first = file(QStringLiteral("one.pst"), Spec());
    Spec accepted;
    accepted.tag = "FV-8";
    accepted.breakAway = "2.5";
    const QString second = file(QStringLiteral("two.pst"), accepted);
    Spec refusedSpec;
    refusedSpec.tag = "FV-9";
    refusedSpec.duration = "9";
    refusedSpec.breakAway = "4.75";
    const QString other = file(QStringLiteral("other.pst"), refusedSpec);
    const QString junk = junkFile();
    for (const auto& [withFile2, attempt, what] : CompareFileAttempts::fileTwoAttempts()) {
        open1(first);
        if (withFile2)
            open2(second);
        const Seen before = seen();
        const CPSTCompareReport kept = app().records().m_PSTCompareReport;
        prompts().clearRecords();
        if (attempt == CompareFileAttempts::Attempt::NoAtTheQuestion) {
            open2(other, Prompts::IdCancel);
        } else {
            CompareFileAttempts::scriptNotAccepted(prompts(), attempt, junk, QStringLiteral("Open PST Results"));
            compare().controlAs<QAbstractButton>(V::OpenFile2Button)->click();
        }
        expectSeen(before, what);
        // File 2 and the differences the record holds are those shown.
        const CPSTCompareReport& record = app().records().m_PSTCompareReport;
        EXPECT_EQ(record.m_strTag2, kept.m_strTag2) << what;
        EXPECT_EQ(record.m_strFileName2, kept.m_strFileName2) << what;
        EXPECT_EQ(record.m_strTestDuration2, kept.m_strTestDuration2) << what;
        EXPECT_EQ(record.m_strBreakAwayTime2, kept.m_strBreakAwayTime2) << what;
        EXPECT_EQ(record.m_strBreakAwayTimeDiff, kept.m_strBreakAwayTimeDiff) << what;

        const QString text = printed();
        EXPECT_TRUE(text.contains(first)) << what << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("FV-9"))) << what << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(other)) << what;
        EXPECT_FALSE(text.contains(QStringLiteral("4.75"))) << what;
        EXPECT_EQ(text.contains(QStringLiteral("FV-8")), withFile2) << what << "\n" << text.toStdString();
        EXPECT_EQ(text.contains(second), withFile2) << what;
    }
}

TEST_F(PstComparePageTest, SettingsShowAndPrintAsTheShortestTextOfTheirSinglePrecisionValue)
{
    showCompare();
    Spec first;
    first.target = "0.29";
    first.duration = "12.345";
    Spec second = first;
    second.target = "655.35";
    second.tag = "FV-8";
    open1(file(QStringLiteral("one.pst"), first));
    open2(file(QStringLiteral("two.pst"), second));
    const std::pair<int, const char*> fields[] = { { V::TimeToTarget1Edit, "0.29" }, { V::Duration1Edit, "12.345" },
        { V::TimeToTarget2Edit, "655.35" }, { V::Duration2Edit, "12.345" }, { V::Start1Edit, "85" } };
    for (const auto& [id, text] : fields)
        EXPECT_EQ(shown(id), QString::fromLatin1(text)) << id;
    const QString text = printed();
    for (const char* expected : { "Time to Target: 0.29 655.35", "Test Duration: 12.345 12.345" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("0.2899"))) << text.toStdString();
}

TEST_F(PstComparePageTest, PrintTakesWhatThePageShowsIntoTheReport)
{
    const struct {
        const char* path;
        const char* definition;
        const char* otherDefinition;
    } cases[] = { { K90Path, "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml" },
        { K40Path, "PSTTestCmpRept_K40.xml", "PSTTestCmpRept.xml" } };
    for (const auto& c : cases) {
        showCompare(c.path);
        Spec second;
        second.targetResult = "655.35";
        second.tag = "FV-8";
        const QString one = file(QStringLiteral("one.pst"), Spec());
        open1(one);
        open2(file(QStringLiteral("two.pst"), second));
        // Only the model's own definition is there: a print from the other
        // one would fail.
        const QString dependencies = ownProgramFolder({ c.definition });
        QFile::remove(dependencies + QString::fromLatin1(c.otherDefinition));
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        device(c.path).clearRequests();
        prompts().answerFile(pdf, QStringLiteral("Save PST Compare ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(QStringLiteral("PV-101_PSTCompareReport_")))
            << c.path;
        EXPECT_EQ(app().records().m_PSTCompareReport.m_strTimeToTargetResult2.toQString(), QStringLiteral("-"));
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        for (const char* expected :
            { "Partial Stroke Test Comparison Report", "PV-101", "FV-8", "1.25", "3.00", "Time to Target: 3.00 - -" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << c.path << ": " << expected << "\n"
                                                                      << text.toStdString();
        EXPECT_TRUE(text.contains(one)) << text.toStdString();
        EXPECT_EQ(ReportPictures::picturedFields(ReportPictures::reportOf(compare()), { "CntrolGrph" }),
            QStringList({ "CntrolGrph" }))
            << c.path;
        EXPECT_TRUE(device(c.path).requests().empty()) << c.path;
        m_app.reset();
    }
}

// The break-away pressure's unit stands once, in the unit column, with one
// file or two; one file prints no file 2 values or differences.
// With one file or two the report prints its unit once and one file only
// that file; on the page and in the picture each trace reads on an axis
// shown, clear of its value axis's borders (the pilot relay command, the
// lowest trace, does not run along the bottom one), and the legends print
// at a size read on paper.
TEST_F(PstComparePageTest, TheReportPrintsItsUnitOnceAndOneFileOnlyThatFileEachTraceOnAnAxisShownClearOfItsBorders)
{
    for (const char* path : { K90Path, K40Path }) {
        for (bool second : { false, true }) {
            SCOPED_TRACE(testing::Message() << path << (second ? " two files" : " one file"));
            showCompare(path);
            open1(file(QStringLiteral("one.pst"), Spec()));
            Spec other;
            other.tag = "FV-8";
            if (second)
                open2(file(QStringLiteral("two.pst"), other));
            DrawnPlotTexts drawn;
            compare().grab();
            ownProgramFolder({ "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml" });
            const QString pdf = tempPath(QStringLiteral("unit.pdf"));
            QFile::remove(pdf);
            prompts().answerFile(pdf, QStringLiteral("Save PST Compare ReportAs"));
            prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
            compare().OnPrintReport();
            EXPECT_GE(drawn.paintings().size(), 2u);
            EXPECT_EQ(drawn.faults(), QStringList());
            const ReportControl* report = compare().findChild<ReportControl*>();
            ASSERT_TRUE(report);
            EXPECT_EQ(
                ReportPictures::legendsPrintedTooSmall(report->layoutDocument(), drawn.paintings()), QStringList());
            const Plot& plot = *compare().plot().get();
            for (const PlotChannel* channel : plot.channels()) {
                const PlotChannelData& data = channel->data();
                const PlotAxis* axis = plot.resolveAxis(PlotAxis::Orientation::Y, data.yAxisName);
                if (!data.visible || data.ys.empty() || !axis)
                    continue;
                const auto [lowest, highest] = std::minmax_element(data.ys.begin(), data.ys.end());
                EXPECT_GT(*lowest, axis->GetMin()) << data.title.toStdString();
                EXPECT_LT(*highest, axis->GetMax()) << data.title.toStdString();
            }
            const QString text = ReportTestSupport::pdfText(pdf).simplified();
            EXPECT_EQ(text.count(QStringLiteral("psi")), 1) << text.toStdString();
            EXPECT_EQ(text.count(QStringLiteral("FV-8")), second ? 1 : 0) << text.toStdString();
            // One value a row, or one for each file.
            const QString values = second ? QStringLiteral("\\S+ \\S+") : QStringLiteral("\\S+");
            for (const char* row : { "Start Position: %1 Stop Position:", "Test Duration: %1 Break Away" })
                EXPECT_TRUE(text.contains(QRegularExpression(QString::fromLatin1(row).arg(values))))
                    << row << "\n"
                    << text.toStdString();
            m_app.reset();
        }
    }
}

TEST_F(PstComparePageTest, BackShowsThePartialStrokePage)
{
    showCompare();
    compare().controlAs<QAbstractButton>(V::BackButton)->click();
    processEvents();
    EXPECT_EQ(tree().selectedPageCode(), PstCode);
}

TEST_F(PstComparePageTest, TheNarrowPlotAndTheReportPictureKeepTheirLabelsApartAndAllEighteenEntriesWhole)
{
    for (const char* path : { K90Path, K40Path }) {
        showCompare(path);
        Spec longRun;
        longRun.duration = "20";
        longRun.sampleSpacing = 340.0;
        open1(file(QStringLiteral("one.pst"), longRun));
        longRun.tag = "FV-8";
        open2(file(QStringLiteral("two.pst"), longRun));
        DrawnPlotTexts drawn;
        compare().grab();
        ownProgramFolder({ "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("readable.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save PST Compare ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        ASSERT_TRUE(QFileInfo::exists(pdf)) << path;
        size_t mostEntries = 0;
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            mostEntries = std::max(mostEntries, painting.texts.legendEntries.size());
        EXPECT_EQ(mostEntries, std::string(path) == K90Path ? 18u : 15u) << path;
        EXPECT_GE(drawn.paintings().size(), 2u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

} // namespace
