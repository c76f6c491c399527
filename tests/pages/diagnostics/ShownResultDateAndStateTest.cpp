// What a test page says of the result it shows, beyond its values: the date
// its reports print (when the result was recorded, on the page's report and
// in the hub's), the status line once the page is shown again, and the
// device's own record, which printing a file leaves as it is.
#include "TestPageResultTest.h"

#include "ReportPictures.h"

#include "controls/PlotDataFile.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QProgressBar>

#include <optional>
#include <vector>

namespace
{

// One test family: its page, its box on the hub and the field of the hub's
// report that dates its section.
struct Family {
    const char* name;
    int pageCode;
    int hubBox;
    const char* hubDateField;
    const char* reportTitle;
};

const Family Ramp { "ramp", 41, CDiagnosticsMain::RampBox, "lblTestDateResult", "Save Ramp ReportAs" };
const Family Step { "step", 42, CDiagnosticsMain::StepBox, "SteplblTestDateResult", "Save Step Test Report As" };
const Family Pst { "partial stroke", 46, CDiagnosticsMain::PSTBox, "PSTlblTestDateResult", "Save PST ReportAs" };
const Family Hdrl { "HDRL", 43, CDiagnosticsMain::HDRLBox, "HDRLlblTestDateResult", "Save HDRL Test Report As" };

const Family* const Families[] = { &Ramp, &Step, &Pst, &Hdrl };
const char* const HubDateFields[]
    = { "lblTestDateResult", "SteplblTestDateResult", "PSTlblTestDateResult", "HDRLlblTestDateResult" };

const char* const K90 = "Sim/K90/PV-101";
const char* const K40 = "Sim/K40/PV-102";

QDateTime at(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(9, 30));
}

class ShownResultDateAndStateTest : public TestPageResultTest
{
protected:
    void startOn(const char* path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        ownProgramFolder({ "RampTestRept.xml", "RampTestRept_K40.xml", "StepTestRept.xml", "StepTestRept_K40.xml",
            "PSTestRept.xml", "PSTestRept_K40.xml", "HDRLTestRept.xml", "HDRLTestRept_K40.xml", "AllTestReport.xml",
            "AllTestReport_K40.xml" });
    }
    void show(int pageCode)
    {
        select(pageCode);
        clock().advance(1000);
    }
    // The clock's day from now on, the time of day going on as it does.
    void setDay(const QDateTime& day) { clock().setLocalStart(day.addMSecs(-clock().elapsedMs())); }

    // A run of the family on its page, to its end.
    void run(const Family& f)
    {
        show(f.pageCode);
        runResult(f.pageCode);
    }
    void runToEnd(const Family& f) { runResultToEnd(f.pageCode); }
    void save(const Family& f, const QString& file) { saveResult(f.pageCode, file); }
    void load(const Family& f, const QString& file) { loadResult(f.pageCode, file); }
    // A result of the family recorded and saved on `path` on `day`: the file.
    QString fileRecordedOn(const Family& f, const char* path, const QDateTime& day, const QString& name)
    {
        startOn(path);
        setDay(day);
        run(f);
        const QString file = tempPath(name);
        save(f, file);
        m_app.reset();
        SimTestHooks::reset();
        return file;
    }

    // The page's Print Report: the date its report prints.
    QString printedDate(const Family& f)
    {
        prompts().answerFile(tempPath(QStringLiteral("page.pdf")), QString::fromLatin1(f.reportTitle));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        printTestReport(f.pageCode);
        const ReportDocument document = ReportPictures::reportOf(testPage(f.pageCode));
        const ReportPageItem* item = document.find(QStringLiteral("lblTestDateResult"));
        return item ? item->text : QStringLiteral("<no date field>");
    }
    // The hub's Print Report with `boxes` ticked (and only them): its fields.
    ReportDocument printHub(std::initializer_list<int> boxes)
    {
        show(DiagnosticCode);
        for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox }) {
            if (hubChecked(box) != (std::find(boxes.begin(), boxes.end(), box) != boxes.end()))
                click(box);
        }
        prompts().answerFile(tempPath(QStringLiteral("hub.pdf")), QStringLiteral("Save MultiTest Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        hub().PrintMultiTestReport();
        return hub().report()->layoutDocument();
    }
    static QString field(const ReportDocument& document, const char* key)
    {
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        return item ? item->text : QStringLiteral("<no such field>");
    }
    // The hub's four date fields, in the report's order.
    static QStringList hubDates(const ReportDocument& document)
    {
        QStringList dates;
        for (const char* key : HubDateFields)
            dates << field(document, key);
        return dates;
    }
    // The four dates with `date` in the family's section alone.
    static QStringList onlyDated(const Family& f, const QString& date)
    {
        QStringList dates;
        for (const char* key : HubDateFields)
            dates << (QLatin1String(key) == QLatin1String(f.hubDateField) ? date : QString());
        return dates;
    }

    // A run of the family started on its page, left running.
    void begin(const Family& f)
    {
        show(f.pageCode);
        FormPage& p = testPage(f.pageCode);
        for (const auto& [edit, text] : runSettings(f.pageCode))
            p.setWindowText(edit, QString::fromLatin1(text));
        prompts().answerMessage(Prompts::IdYes, Movement);
        p.controlAs<QAbstractButton>(PageStartButton)->click();
    }
    // The family's progress bar as "value/maximum", and its elapsed time.
    QString progressShown(const Family& f)
    {
        const int id = &f == &Ramp ? int(CRampTest::ProgressBar)
            : &f == &Step          ? int(CStepTest::ProgressBar)
                                   : int(CHDRLTest::ProgressBar);
        const auto* bar = testPage(f.pageCode).controlAs<QProgressBar>(id);
        return bar ? QString::number(bar->value()) + QLatin1Char('/') + QString::number(bar->maximum())
                   : QStringLiteral("<no bar>");
    }
    QString elapsedShown(const Family& f)
    {
        const int id = &f == &Ramp ? int(CRampTest::ElapsedEdit)
            : &f == &Step          ? int(CStepTest::ElapsedEdit)
                                   : int(CHDRLTest::ElapsedEdit);
        return testPage(f.pageCode).windowText(id);
    }
    // The month, day and year a saved file keeps, "m/d/yyyy": the three
    // settings points of the family's file from its month on.
    static QString fileDate(const Family& f, const QString& file)
    {
        const int month = &f == &Ramp ? 7 : &f == &Step ? 3 : &f == &Pst ? 4 : 0;
        for (const PlotChannelData& c : PlotDataFile::load(file)) {
            if (c.name != QStringLiteral("TestSettings"))
                continue;
            if (c.ys.size() < size_t(month + 3))
                return QStringLiteral("<too few settings>");
            return QStringLiteral("%1/%2/%3")
                .arg(c.ys[size_t(month)])
                .arg(c.ys[size_t(month + 1)])
                .arg(c.ys[size_t(month + 2)]);
        }
        return QStringLiteral("<no settings>");
    }

    QString status(int pageCode)
    {
        switch (pageCode) {
        case 41:
            return ramp().windowText(CRampTest::StatusEdit);
        case 42:
            return step().windowText(CStepTest::StatusEdit);
        default:
            return pst().windowText(CPartialStrokeTest::StatusEdit);
        }
    }
};

TEST_F(ShownResultDateAndStateTest, EveryReportOfAResultIsDatedByWhenItWasRecordedNotWhenItIsPrinted)
{
    for (const Family* family : Families) {
        for (const char* path : { K90, K40 }) {
            const Family& f = *family;
            SCOPED_TRACE(std::string(f.name) + " " + path);
            const QString file
                = fileRecordedOn(f, path, at(2024, 12, 3), QStringLiteral("old.") + QString::number(f.pageCode));

            startOn(path);
            setDay(at(2025, 6, 20));
            run(f);
            // Printed a year and a half later, the run is still the one of 6/20/2025.
            setDay(at(2026, 12, 11));
            EXPECT_EQ(printedDate(f), QStringLiteral("6/20/2025")) << "the run on its page";
            EXPECT_EQ(hubDates(printHub({ f.hubBox })), onlyDated(f, QStringLiteral("6/20/2025")))
                << "the run in the hub's report";

            // The file recorded on 12/3/2024 prints that date, on its page and in the hub's report.
            show(f.pageCode);
            load(f, file);
            EXPECT_EQ(printedDate(f), QStringLiteral("12/3/2024")) << "the file on its page";
            EXPECT_EQ(hubDates(printHub({ f.hubBox })), onlyDated(f, QStringLiteral("12/3/2024")))
                << "the file in the hub's report";
            // Shown again the next day, it is still the file of 12/3/2024.
            setDay(at(2026, 12, 12));
            show(DashboardCode);
            show(f.pageCode);
            EXPECT_EQ(printedDate(f), QStringLiteral("12/3/2024")) << "the file back on its page";
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(ShownResultDateAndStateTest, ASavedResultKeepsTheDayItWasRecordedHoweverLaterItIsSaved)
{
    for (const Family* family : Families) {
        for (const char* path : { K90, K40 }) {
            const Family& f = *family;
            SCOPED_TRACE(std::string(f.name) + " " + path);
            startOn(path);
            setDay(at(2024, 12, 3));
            run(f);
            // Saved weeks after the run, the file is the run's.
            setDay(at(2025, 1, 15));
            const QString late = tempPath(QStringLiteral("late.") + QString::number(f.pageCode));
            save(f, late);
            EXPECT_EQ(fileDate(f, late), QStringLiteral("12/3/2024")) << "the run saved later";
            load(f, late);
            EXPECT_EQ(printedDate(f), QStringLiteral("12/3/2024")) << "the run's file loaded";

            // The file loaded and saved again two years on is still the file of 12/3/2024.
            setDay(at(2026, 12, 11));
            const QString again = tempPath(QStringLiteral("again.") + QString::number(f.pageCode));
            save(f, again);
            EXPECT_EQ(fileDate(f, again), QStringLiteral("12/3/2024")) << "the file saved again";
            setDay(at(2026, 12, 12));
            load(f, again);
            EXPECT_EQ(printedDate(f), QStringLiteral("12/3/2024")) << "the file saved again, loaded";
            EXPECT_EQ(hubDates(printHub({ f.hubBox })), onlyDated(f, QStringLiteral("12/3/2024")))
                << "the file saved again, in the hub's report";
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(ShownResultDateAndStateTest, AMultiTestRunSavedPastMidnightKeepsTheDayEachOfItsTestsRan)
{
    // The run starts half a minute before midnight: the step test runs on
    // 3/4/2025, the partial stroke test after midnight; the hub's Save writes
    // both files on 3/5/2025, each dated by the day its own test ran.
    for (const char* path : { K90, K40 }) {
        SCOPED_TRACE(path);
        startOn(path);
        setDay(QDateTime(QDate(2025, 3, 4), QTime(23, 59, 30)));
        show(DiagnosticCode);
        for (int box : { D::StepBox, D::PSTBox })
            tick(box);
        fillParameters();
        const QString stepFile = tempPath(QStringLiteral("night.stp"));
        const QString pstFile = tempPath(QStringLiteral("night.pst"));
        startRun();
        prompts().answerMessage(Prompts::IdOk, SaveQuestion);
        prompts().answerFile(stepFile);
        prompts().answerFile(pstFile);
        runUntil([this] { return runEnded(); });
        ASSERT_EQ(listed().filter(QStringLiteral("completed")).size(), 2)
            << listed().join(QLatin1Char('|')).toStdString();
        ASSERT_EQ(clock().localNow().date(), QDate(2025, 3, 5));
        EXPECT_EQ(step().windowText(CStepTest::StatusEdit), QStringLiteral("Test completed"));
        EXPECT_EQ(fileDate(Step, stepFile), QStringLiteral("3/4/2025"));
        EXPECT_EQ(fileDate(Pst, pstFile), QStringLiteral("3/5/2025"));
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ShownResultDateAndStateTest, TheHubReportDatesOnlyTheSectionsItPrints)
{
    // A multi-test run of the step and partial stroke tests on 3/4/2025; the
    // ramp and HDRL pages show nothing. Printed on 3/9/2025 with all four
    // boxes ticked, only the two tests that ran are dated, by their run.
    startOn(K90);
    setDay(at(2025, 3, 4));
    show(DiagnosticCode);
    for (int box : { D::StepBox, D::PSTBox })
        tick(box);
    fillParameters();
    startRun();
    prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
    runUntil([this] { return runEnded(); });
    ASSERT_EQ(listed().filter(QStringLiteral("completed")).size(), 2) << listed().join(QLatin1Char('|')).toStdString();
    setDay(at(2025, 3, 9));
    const ReportDocument document = printHub({ D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox });
    EXPECT_EQ(hubDates(document), (QStringList { "", "3/4/2025", "3/4/2025", "" }));
    EXPECT_EQ(field(document, "StartPosn"), QStringLiteral("NA"));
}

TEST_F(ShownResultDateAndStateTest, TheHubReportLeavesOutAResultOfAnotherDeviceOrAnotherModelDateAndAll)
{
    // The step test runs on PV-101, a K90, on 5/6/2025; the partial stroke
    // page shows a file another device recorded on 1/2/2025: one of the same
    // model with another tag, or one of the other model under the same tag.
    // The report names PV-101 and prints the step test alone.
    struct Other {
        const char* what;
        const char* path;
    };
    const Other others[] = {
        { "another K90", "Sim/K90/PV-201" },
        { "a K40 of the same tag", "Sim/K40/PV-101" },
    };
    for (const Other& o : others) {
        SCOPED_TRACE(o.what);
        const QString file = fileRecordedOn(Pst, o.path, at(2025, 1, 2), QStringLiteral("other.pst"));
        startOn(K90);
        setDay(at(2025, 5, 6));
        run(Step);
        show(Pst.pageCode);
        load(Pst, file);
        ASSERT_TRUE(pst().offLineData());
        setDay(at(2025, 5, 7));
        const ReportDocument document = printHub({ D::StepBox, D::PSTBox });
        EXPECT_EQ(hubDates(document), (QStringList { "", "5/6/2025", "", "" }));
        EXPECT_EQ(field(document, "DeviceLine").section(QStringLiteral("DEVICE VERSION"), 0, 0).simplified(),
            QStringLiteral("DEVICE TAG ID: PV-101"));
        for (const char* key : { "StepStartPosn", "StepStopPosn", "StepHoldTime" })
            EXPECT_NE(field(document, key), QStringLiteral("NA")) << key;
        for (const char* key : { "PSTStartPosn", "PSTStopPosn", "PSTTimeTargetValue", "PSTTestDuration",
                 "PSTStartPosn1", "PSTPressureValue", "TimeTargetValueInfo", "PSTResultValue" })
            EXPECT_EQ(field(document, key), QStringLiteral("NA")) << key;
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ShownResultDateAndStateTest, PrintingALoadedFileLeavesTheDevicesTagAsTheDeviceHasIt)
{
    // Each file was recorded by PV-301 of the same model; printed on the
    // page of the connected device, it heads the report, and the connected
    // device is still PV-101 (or PV-102) to the program, with no tag sent to it.
    for (const Family* family : Families) {
        for (const char* path : { K90, K40 }) {
            const Family& f = *family;
            SCOPED_TRACE(std::string(f.name) + " " + path);
            const bool k40 = QLatin1String(path).contains(QLatin1String("K40"));
            const QString file = fileRecordedOn(f, k40 ? "Sim/K40/PV-301" : "Sim/K90/PV-301", at(2025, 2, 1),
                QStringLiteral("f.") + QString::number(f.pageCode));
            startOn(path);
            show(f.pageCode);
            load(f, file);
            device(path).clearRequests();
            printedDate(f);
            const ReportDocument document = ReportPictures::reportOf(testPage(f.pageCode));
            EXPECT_TRUE(field(document, "DeviceLine").startsWith(QStringLiteral("DEVICE TAG ID: PV-301")))
                << field(document, "DeviceLine").toStdString();
            const QString own = k40 ? QStringLiteral("PV-102") : QStringLiteral("PV-101");
            EXPECT_EQ(data().Tag.trimmed(), own);
            EXPECT_TRUE(device(path).requestsFor(18).empty());
            // What reads the device's tag next names the connected device: the hub's report of nothing.
            EXPECT_TRUE(field(printHub({}), "DeviceLine").startsWith(QStringLiteral("DEVICE TAG ID: ") + own))
                << "the hub's report";
            EXPECT_EQ(data().Tag.trimmed(), own);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(ShownResultDateAndStateTest, ShownAgainATestPageSaysWhatItShows)
{
    // The status line once the page's reads have ended: the state the run
    // ended in, "Off line data" for a file, nothing while nothing is shown.
    for (const char* path : { K90, K40 }) {
        SCOPED_TRACE(path);
        for (const Family* family : { &Ramp, &Step, &Pst }) {
            const Family& f = *family;
            SCOPED_TRACE(f.name);
            startOn(path);
            show(f.pageCode);
            show(DashboardCode);
            show(f.pageCode);
            EXPECT_EQ(status(f.pageCode), QString()) << "nothing shown";

            run(f);
            const QString ended = &f == &Pst ? QStringLiteral("Signature retrieved") : QStringLiteral("Test completed");
            ASSERT_EQ(status(f.pageCode), ended);
            for (int visit = 0; visit < 2; ++visit) {
                show(DashboardCode);
                show(f.pageCode);
                EXPECT_EQ(status(f.pageCode), ended) << "after the run, visit " << visit;
            }

            // A run stopped part way.
            FormPage& p = testPage(f.pageCode);
            prompts().answerMessage(Prompts::IdYes, Movement);
            p.controlAs<QAbstractButton>(PageStartButton)->click();
            clock().advance(2000);
            ASSERT_TRUE(testRunning(f.pageCode));
            p.controlAs<QAbstractButton>(PageStopButton)->click();
            runToEnd(f);
            show(DashboardCode);
            show(f.pageCode);
            EXPECT_EQ(status(f.pageCode), QStringLiteral("Stopped")) << "after Stop";

            const QString file = tempPath(QStringLiteral("state.") + QString::number(f.pageCode));
            save(f, file);
            load(f, file);
            show(DashboardCode);
            show(f.pageCode);
            EXPECT_EQ(status(f.pageCode), QStringLiteral("Off line data")) << "after a Load";
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(ShownResultDateAndStateTest, AfterAMultiTestRunEveryTestPageSaysItsRunEnded)
{
    for (const char* path : { K90, K40 }) {
        SCOPED_TRACE(path);
        startOn(path);
        show(DiagnosticCode);
        for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
            tick(box);
        fillParameters();
        startRun();
        prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
        runUntil([this] { return runEnded(); });
        ASSERT_EQ(listed().filter(QStringLiteral("completed")).size(), 4)
            << listed().join(QLatin1Char('|')).toStdString();
        for (int visit = 0; visit < 2; ++visit) {
            for (const auto& [pageCode, ended] :
                { std::pair { 41, "Test completed" }, { 42, "Test completed" }, { 46, "Signature retrieved" } }) {
                show(DashboardCode);
                show(pageCode);
                EXPECT_EQ(status(pageCode), QString::fromLatin1(ended)) << "page " << pageCode << " visit " << visit;
            }
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ShownResultDateAndStateTest, TheStepPageShownAgainKeepsItsRunsProgressBesideItsElapsedTime)
{
    startOn(K90);
    run(Step);
    const QString elapsed = step().windowText(CStepTest::ElapsedEdit);
    ASSERT_FALSE(elapsed.isEmpty());
    ASSERT_EQ(progress(), 207);
    show(DashboardCode);
    show(Step.pageCode);
    EXPECT_EQ(progress(), 207);
    EXPECT_EQ(step().windowText(CStepTest::ElapsedEdit), elapsed);
    // A file shows neither.
    const QString file = tempPath(QStringLiteral("progress.stp"));
    save(Step, file);
    load(Step, file);
    show(DashboardCode);
    show(Step.pageCode);
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(step().windowText(CStepTest::ElapsedEdit), QString());
}

TEST_F(ShownResultDateAndStateTest, ARunsProgressStaysBesideItsElapsedTimeAsItEndedAndWhenShownAgain)
{
    // How the run ends: by itself, by Stop part way, or by the user leaving
    // the page part way (which stops it too).
    enum class End { Completed, Stopped, LeftPage };
    const struct {
        const Family* family;
        const char* path;
        End end;
        const char* progress; // value/maximum
        const char* elapsed;
    } cases[] = {
        // Step: 70 -> 50 % with a 5 s hold; Stop and leaving 40 s in.
        { &Step, K90, End::Completed, "207/207", "323" },
        { &Step, K40, End::Completed, "207/207", "323" },
        { &Step, K90, End::Stopped, "21/207", "40" },
        { &Step, K40, End::Stopped, "21/207", "40" },
        { &Step, K90, End::LeftPage, "21/207", "40" },
        { &Step, K40, End::LeftPage, "21/207", "40" },
        // Ramp: 20 -> 80 % and back; a Stop lets the elapsed time count once more.
        { &Ramp, K90, End::Completed, "415/415", "221" },
        { &Ramp, K40, End::Completed, "415/415", "221" },
        { &Ramp, K90, End::Stopped, "67/415", "41" },
        { &Ramp, K40, End::Stopped, "67/415", "41" },
        { &Ramp, K90, End::LeftPage, "67/415", "40" },
        { &Ramp, K40, End::LeftPage, "67/415", "40" },
        // HDRL: 6 s settling, 24 readings.
        { &Hdrl, K90, End::Completed, "144/144", "149" },
        { &Hdrl, K40, End::Completed, "144/144", "149" },
        { &Hdrl, K90, End::Stopped, "30/144", "40" },
        { &Hdrl, K40, End::Stopped, "30/144", "40" },
        { &Hdrl, K90, End::LeftPage, "30/144", "40" },
        { &Hdrl, K40, End::LeftPage, "30/144", "40" },
    };
    for (const auto& c : cases) {
        const Family& f = *c.family;
        SCOPED_TRACE(std::string(f.name) + " " + c.path + " end " + std::to_string(int(c.end)));
        startOn(c.path);
        begin(f);
        if (c.end == End::Completed) {
            runToEnd(f);
        } else {
            clock().advance(40000);
            ASSERT_TRUE(testRunning(f.pageCode));
            if (c.end == End::Stopped)
                testPage(f.pageCode).controlAs<QAbstractButton>(PageStopButton)->click();
            else
                show(DashboardCode);
            ASSERT_FALSE(testRunning(f.pageCode));
        }
        // Whatever the elapsed time still counts after the end has counted.
        clock().advance(5000);
        if (c.end != End::LeftPage) {
            EXPECT_EQ(progressShown(f), QString::fromLatin1(c.progress)) << "as it ended";
            EXPECT_EQ(elapsedShown(f), QString::fromLatin1(c.elapsed)) << "as it ended";
        }
        for (int visit = 0; visit < 2; ++visit) {
            show(DashboardCode);
            show(f.pageCode);
            EXPECT_EQ(progressShown(f), QString::fromLatin1(c.progress)) << "shown again, visit " << visit;
            EXPECT_EQ(elapsedShown(f), QString::fromLatin1(c.elapsed)) << "shown again, visit " << visit;
        }
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace
