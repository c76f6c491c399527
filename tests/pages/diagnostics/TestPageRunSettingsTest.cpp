// The step, ramp and partial stroke pages during and after a run: Start stays
// off until the run, its signature retrieval included, has ended, whatever an
// edit does; and the run's result is saved and printed with the settings it
// ran with, not with a value typed while it went on.
#include "DiagnosticsHubPageTest.h"

#include "ReportRecords.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <functional>
#include <vector>

namespace
{

using Texts = std::vector<std::pair<int, const char*>>;

// One test page: its tree item, the settings a run starts with and the
// values typed while it runs.
struct TestPageCase {
    const char* name;
    int pageCode;
    Texts ranWith;
    Texts typedDuring;
    const char* saveTitle;
    const char* printTitle;
    const char* definition;
};

const TestPageCase Pages[] = {
    { "ramp", 41,
        { { CRampTest::StartEdit, "20" }, { CRampTest::StopEdit, "80" }, { CRampTest::HoldEdit, "2" },
            { CRampTest::DurationEdit, "3" } },
        { { CRampTest::StartEdit, "30" }, { CRampTest::StopEdit, "70" }, { CRampTest::HoldEdit, "4" },
            { CRampTest::DurationEdit, "5" } },
        "Save Ramp Test Results As", "Save Ramp ReportAs", "RampTestRept.xml" },
    { "step", 42, { { CStepTest::StartEdit, "20" }, { CStepTest::StopEdit, "60" }, { CStepTest::HoldEdit, "5" } },
        { { CStepTest::StartEdit, "30" }, { CStepTest::StopEdit, "70" }, { CStepTest::HoldEdit, "6" } },
        "Save Step Test Results As", "Save Step Test Report As", "StepTestRept.xml" },
    { "partial stroke", 46,
        { { CPartialStrokeTest::StartEdit, "80" }, { CPartialStrokeTest::StopEdit, "65" },
            { CPartialStrokeTest::TimeToTargetEdit, "5" }, { CPartialStrokeTest::DurationEdit, "12" } },
        { { CPartialStrokeTest::StartEdit, "70" }, { CPartialStrokeTest::StopEdit, "50" },
            { CPartialStrokeTest::TimeToTargetEdit, "3" }, { CPartialStrokeTest::DurationEdit, "10" } },
        "Save Partial Stroke Test Results As", "Save PST ReportAs", "PSTestRept.xml" },
};

class TestPageRunSettingsTest : public DiagnosticsHubPageTest
{
protected:
    static constexpr int PageStartButton = 474; // the same id on the three pages

    FormPage& testPage(const TestPageCase& c) { return DiagnosticsHubPageTest::testPage(c.pageCode); }
    bool running(const TestPageCase& c) { return testRunning(c.pageCode); }
    // The status edit's text, on each page's own edit.
    QString status(const TestPageCase& c)
    {
        switch (c.pageCode) {
        case 41:
            return ramp().windowText(CRampTest::StatusEdit);
        case 42:
            return step().windowText(CStepTest::StatusEdit);
        default:
            return pst().windowText(CPartialStrokeTest::StatusEdit);
        }
    }
    // Print Report with no PDF kept and no printing, from a program folder of
    // the test's own, so that the pictures the report writes there are not
    // shared with other test processes.
    void print(const TestPageCase& c)
    {
        const QString home = tempPath(QStringLiteral("home"));
        QDir().mkpath(home + QStringLiteral("/Dependencies"));
        const QString definition = QStringLiteral("/Dependencies/") + QString::fromLatin1(c.definition);
        QFile::copy(QCoreApplication::applicationDirPath() + definition, home + definition);
        prompts().answerFile(std::nullopt, QString::fromLatin1(c.printTitle));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        qputenv("STROKEWISE_HOME", home.toUtf8());
        printTestReport(c.pageCode);
        qunsetenv("STROKEWISE_HOME");
    }
    void save(const TestPageCase& c)
    {
        switch (c.pageCode) {
        case 41:
            ramp().SaveRampResults();
            break;
        case 42:
            step().OnSaveResults();
            break;
        default:
            pst().SavePstFile();
            break;
        }
    }
    // The settings the page's record took, in the order of the case's edits.
    QStringList recorded(const TestPageCase& c)
    {
        const ReportRecords& records = app().records();
        switch (c.pageCode) {
        case 41: {
            const CRampReport& r = records.m_RampReport;
            return { r.m_strStartPosition.toQString(), r.m_strStopPosition.toQString(), r.m_strHoldTime.toQString(),
                r.m_strTestDuration.toQString() };
        }
        case 42: {
            const CStepTestReport& r = records.m_StepTestReport;
            return { r.m_strStartPosition.toQString(), r.m_strStopPosition.toQString(), r.m_strHoldTime.toQString() };
        }
        default: {
            const CPSTReport& r = records.m_PSTReport;
            return { r.m_strStartPosition.toQString(), r.m_strStopPosition.toQString(), r.m_strTimeToTarget.toQString(),
                r.m_strTestDuration.toQString() };
        }
        }
    }

    void showTestPage(const char* path, const TestPageCase& c)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(c.pageCode);
        clock().advance(1000);
        write(c, c.ranWith);
    }
    void write(const TestPageCase& c, const Texts& texts)
    {
        for (const auto& [edit, text] : texts)
            testPage(c).setWindowText(edit, QString::fromLatin1(text));
    }
    // Each value typed into its edit, one at a time, as the user does.
    void typeEach(const TestPageCase& c, const Texts& texts, const std::function<void()>& check)
    {
        for (const auto& [edit, text] : texts) {
            testPage(c).setWindowText(edit, QString::fromLatin1(text));
            check();
        }
    }
    bool startEnabled(const TestPageCase& c) { return testPage(c).control(PageStartButton)->isEnabled(); }
    void clickStart(const TestPageCase& c) { testPage(c).controlAs<QAbstractButton>(PageStartButton)->click(); }
    void runWhile(const std::function<bool()>& condition, qint64 limitMs = 900000)
    {
        for (qint64 passed = 0; passed < limitMs && condition(); passed += 500)
            clock().advance(500);
    }
};

TEST_F(TestPageRunSettingsTest, StartStaysOffFromStartUntilTheRunHasEndedWhateverAnEditDoes)
{
    for (const char* path : { K40Path, K90Path }) {
        for (const TestPageCase& c : Pages) {
            SCOPED_TRACE(testing::Message() << path << ", " << c.name);
            showTestPage(path, c);
            ASSERT_TRUE(startEnabled(c));
            prompts().answerMessage(Prompts::IdYes, Movement);
            clickStart(c);
            ASSERT_TRUE(running(c));
            device(path).clearRequests();
            const auto startStaysOff = [&] {
                EXPECT_FALSE(startEnabled(c)) << status(c).toStdString();
                // A click on it starts nothing.
                clickStart(c);
                EXPECT_TRUE(device(path).requestsFor(233).empty());
            };
            // While the device runs the test.
            clock().advance(1000);
            typeEach(c, c.typedDuring, startStaysOff);
            typeEach(c, c.ranWith, startStaysOff);
            // While the signature is read back; the partial stroke page
            // retrieves it when asked, once the device's test is over.
            runWhile([&] { return running(c) && status(c) != QStringLiteral("Retrieving signature"); });
            if (c.pageCode == 46) {
                ASSERT_EQ(status(c), QStringLiteral("Test completed"));
                pst().controlAs<QAbstractButton>(CPartialStrokeTest::RetrieveButton)->click();
                runWhile([&] { return status(c) != QStringLiteral("Retrieving signature"); });
            }
            ASSERT_EQ(status(c), QStringLiteral("Retrieving signature"));
            typeEach(c, c.typedDuring, startStaysOff);
            // The run over, Start is offered again.
            runWhile([&] { return running(c); });
            EXPECT_TRUE(startEnabled(c));
            // And after a Stop; an invalid value holds it as ever.
            prompts().answerMessage(Prompts::IdYes, Movement);
            clickStart(c);
            clock().advance(2000);
            ASSERT_TRUE(running(c));
            EXPECT_FALSE(startEnabled(c));
            testPage(c).controlAs<QAbstractButton>(501)->click();
            EXPECT_FALSE(running(c));
            EXPECT_TRUE(startEnabled(c));
            testPage(c).setWindowText(c.ranWith[0].first, QStringLiteral("106"));
            EXPECT_FALSE(startEnabled(c));
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            SimTestHooks::reset();
        }
    }
}

TEST_F(TestPageRunSettingsTest, AValueMadeInvalidDuringARunHoldsStartWhenTheRunEnds)
{
    // The run ends by itself, or by the page's Stop.
    for (const bool stopped : { false, true }) {
        for (const char* path : { K40Path, K90Path }) {
            for (const TestPageCase& c : Pages) {
                SCOPED_TRACE(testing::Message() << path << ", " << c.name << (stopped ? ", stopped" : ", completed"));
                showTestPage(path, c);
                prompts().answerMessage(Prompts::IdYes, Movement);
                clickStart(c);
                ASSERT_TRUE(running(c));
                clock().advance(1000);
                // Above the positions' upper bound of 105.
                const int edit = c.ranWith[0].first;
                testPage(c).setWindowText(edit, QStringLiteral("105.5"));
                if (stopped) {
                    testPage(c).controlAs<QAbstractButton>(501)->click();
                } else {
                    runWhile([&] { return running(c) && status(c) != QStringLiteral("Test completed"); });
                    if (c.pageCode == 46)
                        pst().controlAs<QAbstractButton>(CPartialStrokeTest::RetrieveButton)->click();
                    runWhile([&] { return running(c); });
                }
                ASSERT_FALSE(running(c));
                EXPECT_FALSE(startEnabled(c));
                // Mended, the value offers Start again.
                testPage(c).setWindowText(edit, QStringLiteral("105"));
                EXPECT_TRUE(startEnabled(c));
                EXPECT_EQ(prompts().pendingAnswers(), 0);
                m_app.reset();
                SimTestHooks::reset();
            }
        }
    }
}

TEST_F(TestPageRunSettingsTest, SaveAndPrintTakeTheSettingsTheRunRanWith)
{
    // The ramp's Save writes each setting as a number with two decimals.
    const QStringList saved[] = {
        { QStringLiteral("20.00"), QStringLiteral("80.00"), QStringLiteral(" 2.00"), QStringLiteral(" 3.00") },
        { QStringLiteral("20"), QStringLiteral("60"), QStringLiteral("5") },
        { QStringLiteral("80"), QStringLiteral("65"), QStringLiteral("5"), QStringLiteral("12") },
    };
    const QStringList printed[] = {
        { QStringLiteral("20"), QStringLiteral("80"), QStringLiteral("2"), QStringLiteral("3") },
        { QStringLiteral("20"), QStringLiteral("60"), QStringLiteral("5") },
        { QStringLiteral("80"), QStringLiteral("65"), QStringLiteral("5"), QStringLiteral("12") },
    };
    for (size_t k = 0; k < std::size(Pages); ++k) {
        const TestPageCase& c = Pages[k];
        SCOPED_TRACE(c.name);
        showTestPage(K90Path, c);
        prompts().answerMessage(Prompts::IdYes, Movement);
        clickStart(c);
        clock().advance(1000);
        write(c, c.typedDuring);
        runWhile([&] { return running(c); });
        if (c.pageCode == 46) {
            pst().StartSignatureRetrieval();
            runWhile([&] { return running(c); });
        }
        ASSERT_FALSE(running(c));

        prompts().answerFile(tempPath(QStringLiteral("run%1").arg(k)), QString::fromLatin1(c.saveTitle));
        save(c);
        EXPECT_EQ(recorded(c), saved[k]);
        // The multi-test report takes the same settings from the page.
        const MultiTestPage* offered = run().page(MultiTest(int(k)));
        ASSERT_NE(offered, nullptr);
        EXPECT_EQ(offered->reportTexts().mid(0, int(printed[k].size())), printed[k]);
        // The edits keep what was typed, for the next run.
        for (const auto& [edit, text] : c.typedDuring)
            EXPECT_EQ(testPage(c).windowText(edit), QString::fromLatin1(text));
        print(c);
        EXPECT_EQ(recorded(c), printed[k]);
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(TestPageRunSettingsTest, SaveLeavesThePlotScaledForTheRunItShows)
{
    for (const char* path : { K40Path, K90Path }) {
        SCOPED_TRACE(path);
        // The step page: a run with start 20 and hold 5 s (a span of 6 s),
        // then a start of 30 and a hold of 9 s typed for the next run.
        const TestPageCase& stepCase = Pages[1];
        showTestPage(path, stepCase);
        prompts().answerMessage(Prompts::IdYes, Movement);
        clickStart(stepCase);
        runWhile([&] { return running(stepCase); });
        ASSERT_FALSE(running(stepCase));
        step().setWindowText(CStepTest::StartEdit, QStringLiteral("30"));
        step().setWindowText(CStepTest::HoldEdit, QStringLiteral("9"));
        prompts().answerFile(tempPath(QStringLiteral("step.stp")), QString::fromLatin1(stepCase.saveTitle));
        save(stepCase);
        // The axes fit the run's points, whatever is typed: its 6 s on to
        // the next second, its positions inside the stroke with room.
        EXPECT_EQ(step().plot()->XAxisByName(QStringLiteral("Time"))->GetSpan(), 7.0);
        EXPECT_EQ(step().plot()->YAxisByName(QStringLiteral("Position"))->GetMin(), 0.0);
        EXPECT_EQ(step().plot()->YAxisByName(QStringLiteral("Position"))->GetMax(), 100.0);
        m_app.reset();
        SimTestHooks::reset();

        // The partial stroke page: a run with start 80, stop 65 and a
        // duration of 12 s (a span of 13 s), saved before its signature is
        // read back with a start of 30 and a duration of 20 s typed.
        const TestPageCase& pstCase = Pages[2];
        showTestPage(path, pstCase);
        prompts().answerMessage(Prompts::IdYes, Movement);
        clickStart(pstCase);
        runWhile([&] { return running(pstCase); });
        ASSERT_EQ(status(pstCase), QStringLiteral("Test completed"));
        pst().setWindowText(CPartialStrokeTest::StartEdit, QStringLiteral("30"));
        pst().setWindowText(CPartialStrokeTest::DurationEdit, QStringLiteral("20"));
        prompts().answerFile(tempPath(QStringLiteral("pst.pst")), QString::fromLatin1(pstCase.saveTitle));
        save(pstCase);
        // No point is shown before the signature is read back: the plot
        // shows the range set for the run.
        EXPECT_EQ(pst().plot()->XAxisByName(QStringLiteral("Time"))->GetSpan(), 13000.0);
        EXPECT_EQ(pst().plot()->YAxisByName(QStringLiteral("Position"))->GetMin(), 55.0);
        // The signature read back then keeps the run's 13 s over 208 samples.
        pst().controlAs<QAbstractButton>(CPartialStrokeTest::RetrieveButton)->click();
        runWhile([&] { return running(pstCase); });
        const IPlotChannelPtr position = pst().plot()->ChannelByName(QStringLiteral("Position"));
        ASSERT_GE(position->Count(), 2);
        EXPECT_EQ(position->GetX(1), 62.5);
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(TestPageRunSettingsTest, AFileLoadedBeforeTheSignatureIsReadBackIsNotMixedWithIt)
{
    for (const char* path : { K40Path, K90Path }) {
        SCOPED_TRACE(path);
        const TestPageCase& c = Pages[2];
        showTestPage(path, c);
        // A first run, read back and saved.
        prompts().answerMessage(Prompts::IdYes, Movement);
        clickStart(c);
        runWhile([&] { return running(c); });
        pst().controlAs<QAbstractButton>(CPartialStrokeTest::RetrieveButton)->click();
        runWhile([&] { return running(c); });
        const QString file = tempPath(QStringLiteral("first.pst"));
        prompts().answerFile(file, QString::fromLatin1(c.saveTitle));
        save(c);
        // A second run, its signature not read back yet, and the first loaded.
        prompts().answerMessage(Prompts::IdYes, Movement);
        clickStart(c);
        runWhile([&] { return running(c); });
        ASSERT_EQ(status(c), QStringLiteral("Test completed"));
        prompts().answerFile(file, QStringLiteral("Open Partial Stroke Test Results"));
        pst().OnLoad();
        ASSERT_TRUE(pst().offLineData());
        const IPlotChannelPtr position = pst().plot()->ChannelByName(QStringLiteral("Position"));
        const int loaded = position->Count();
        // The device's signature can no longer be read into the loaded file.
        EXPECT_FALSE(pst().control(CPartialStrokeTest::RetrieveButton)->isEnabled());
        device(path).clearRequests();
        pst().controlAs<QAbstractButton>(CPartialStrokeTest::RetrieveButton)->click();
        clock().advance(30000);
        EXPECT_TRUE(device(path).requestsFor(252).empty());
        EXPECT_EQ(position->Count(), loaded);
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace
