// A loaded result is saved and printed with the settings of its file, not
// with those of the run the page showed before it; and a run after a Load is
// saved and printed with its own. Read back from the file written and from
// the PDF of the report.
#include "TestPageResultTest.h"

#include "ReportTestSupport.h"

#include "controls/Plot.h"

#include <QAbstractButton>
#include <QFile>
#include <QRegularExpression>

#include <vector>

namespace
{

using Texts = std::vector<std::pair<int, const char*>>;
// A point of the file's settings channel: its index and the value it holds.
using Points = std::vector<std::pair<int, double>>;

// One test page and three sets of its settings: A for the run shown before
// the Load, B for the file loaded, C for a run after the Load. For B and C,
// the settings points the file holds and the report's settings texts.
struct PageCase {
    const char* name;
    int pageCode;
    Texts a, b, c;
    Points savedB, savedC;
    std::vector<const char*> printedB, printedC;
    const char* saveTitle;
    const char* openTitle;
    const char* printTitle;
    const char* definition;
    const char* extension;
};

const PageCase Pages[] = {
    { "partial stroke", 46,
        { { CPartialStrokeTest::StartEdit, "80" }, { CPartialStrokeTest::StopEdit, "65" },
            { CPartialStrokeTest::TimeToTargetEdit, "5" }, { CPartialStrokeTest::DurationEdit, "12" } },
        { { CPartialStrokeTest::StartEdit, "75" }, { CPartialStrokeTest::StopEdit, "60" },
            { CPartialStrokeTest::TimeToTargetEdit, "4" }, { CPartialStrokeTest::DurationEdit, "10" } },
        { { CPartialStrokeTest::StartEdit, "85" }, { CPartialStrokeTest::StopEdit, "70" },
            { CPartialStrokeTest::TimeToTargetEdit, "6" }, { CPartialStrokeTest::DurationEdit, "14" } },
        { { 0, 75 }, { 1, 60 }, { 2, 4 }, { 3, 10 } }, { { 0, 85 }, { 1, 70 }, { 2, 6 }, { 3, 14 } },
        { "Start Position: 75 %", "Stop Position: 60 %", "Time to Target: 4 sec", "Test Duration: 10 sec" },
        { "Start Position: 85 %", "Stop Position: 70 %", "Time to Target: 6 sec", "Test Duration: 14 sec" },
        "Save Partial Stroke Test Results As", "Open Partial Stroke Test Results", "Save PST ReportAs",
        "PSTestRept.xml", "pst" },
    { "step", 42, { { CStepTest::StartEdit, "20" }, { CStepTest::StopEdit, "60" }, { CStepTest::HoldEdit, "5" } },
        { { CStepTest::StartEdit, "30" }, { CStepTest::StopEdit, "70" }, { CStepTest::HoldEdit, "6" } },
        { { CStepTest::StartEdit, "25" }, { CStepTest::StopEdit, "65" }, { CStepTest::HoldEdit, "4" } },
        { { 0, 30 }, { 1, 70 }, { 2, 6 } }, { { 0, 25 }, { 1, 65 }, { 2, 4 } },
        { "Start Position: 30", "Stop Position: 70", "Hold Time: 6" },
        { "Start Position: 25", "Stop Position: 65", "Hold Time: 4" }, "Save Step Test Results As",
        "Open Step Test Results", "Save Step Test Report As", "StepTestRept.xml", "stp" },
    { "ramp", 41,
        { { CRampTest::StartEdit, "20" }, { CRampTest::StopEdit, "80" }, { CRampTest::HoldEdit, "2" },
            { CRampTest::DurationEdit, "3" } },
        { { CRampTest::StartEdit, "30" }, { CRampTest::StopEdit, "70" }, { CRampTest::HoldEdit, "4" },
            { CRampTest::DurationEdit, "5" } },
        { { CRampTest::StartEdit, "25" }, { CRampTest::StopEdit, "75" }, { CRampTest::HoldEdit, "3" },
            { CRampTest::DurationEdit, "6" } },
        { { 0, 30 }, { 1, 70 }, { 2, 4 }, { 3, 5 } }, { { 0, 25 }, { 1, 75 }, { 2, 3 }, { 3, 6 } },
        { "Start Position: 30", "Stop Position: 70", "Hold Time: 4", "Test Duration: 5" },
        { "Start Position: 25", "Stop Position: 75", "Hold Time: 3", "Test Duration: 6" }, "Save Ramp Test Results As",
        "Open Ramp Test Results", "Save Ramp ReportAs", "RampTestRept.xml", "rmp" },
    { "HDRL", 43, { { CHDRLTest::SettlingEdit, "6" } }, { { CHDRLTest::SettlingEdit, "8" } },
        { { CHDRLTest::SettlingEdit, "7" } }, { { 3, 8 } }, { { 3, 7 } }, { "Position Settling Time: 8 sec" },
        { "Position Settling Time: 7 sec" }, "Save HDRL Test Results As", "Open HDRL Test Results",
        "Save HDRL Test Report As", "HDRLTestRept.xml", "hdrl" },
};

class LoadedResultSettingsTest : public TestPageResultTest
{
protected:
    FormPage& testPage(const PageCase& c) { return DiagnosticsHubPageTest::testPage(c.pageCode); }
    bool running(const PageCase& c) { return testRunning(c.pageCode); }
    void write(const PageCase& c, const Texts& texts)
    {
        for (const auto& [edit, text] : texts)
            testPage(c).setWindowText(edit, QString::fromLatin1(text));
    }
    void runToEnd(const PageCase& c) { runResultToEnd(c.pageCode); }
    // A run with these settings, its signature read back.
    void runWith(const PageCase& c, const Texts& settings) { runResultWith(c.pageCode, settings); }
    void save(const PageCase& c, const QString& file)
    {
        saveResult(c.pageCode, file, QString::fromLatin1(c.saveTitle));
    }
    void load(const PageCase& c, const QString& file)
    {
        loadResult(c.pageCode, file, QString::fromLatin1(c.openTitle));
    }
    // Print Report, the PDF kept and read back as text.
    QString print(const PageCase& c, const QString& pdf)
    {
        QFile::remove(pdf);
        prompts().answerFile(pdf, QString::fromLatin1(c.printTitle));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        printTestReport(c.pageCode);
        return ReportTestSupport::pdfText(pdf).simplified();
    }
    static Points savedPoints(const QString& file, const Points& wanted)
    {
        Plot saved;
        saved.LoadDataFile(file);
        const IPlotChannelPtr settings = saved.ChannelByName(QStringLiteral("TestSettings"));
        Points out;
        for (const auto& [index, value] : wanted)
            out.emplace_back(index, index < settings->Count() ? settings->GetY(index) : -1.0);
        return out;
    }
    void expectFileAndReport(
        const PageCase& c, const char* step, const Points& saved, const std::vector<const char*>& printed)
    {
        const QString file = tempPath(QStringLiteral("%1.%2").arg(QLatin1String(step), QLatin1String(c.extension)));
        save(c, file);
        EXPECT_EQ(savedPoints(file, saved), saved) << c.name << ", " << step;
        const QString text = print(c, tempPath(QStringLiteral("%1.pdf").arg(QLatin1String(step))));
        // Each text whole: "Hold Time: 4" is not the start of "Hold Time: 45".
        for (const char* expected : printed)
            EXPECT_TRUE(text.contains(QRegularExpression(
                QRegularExpression::escape(QString::fromLatin1(expected)) + QStringLiteral("(\\s|$)"))))
                << c.name << ", " << step << ": " << expected << "\n"
                << text.toStdString();
    }
};

TEST_F(LoadedResultSettingsTest, ALoadedFileIsSavedAndPrintedWithItsSettingsAndANewRunWithItsOwn)
{
    for (const PageCase& c : Pages) {
        SCOPED_TRACE(c.name);
        start({ QStringLiteral("/d") + QString::fromLatin1(K90Path) });
        clock().advance(2000);
        select(c.pageCode);
        clock().advance(1000);
        ownProgramFolder({ c.definition });
        // A run with B saved, then a run with A shown.
        const QString fileB = tempPath(QStringLiteral("b.") + QLatin1String(c.extension));
        runWith(c, c.b);
        save(c, fileB);
        runWith(c, c.a);
        load(c, fileB);
        expectFileAndReport(c, "loaded", c.savedB, c.printedB);
        // A run with C after the Load; D typed while it runs is for the next one.
        write(c, c.c);
        prompts().answerMessage(Prompts::IdYes, Movement);
        testPage(c).controlAs<QAbstractButton>(PageStartButton)->click();
        ASSERT_TRUE(running(c));
        clock().advance(1000);
        write(c, c.a);
        runToEnd(c);
        if (c.pageCode == PstCode) {
            pst().StartSignatureRetrieval();
            runToEnd(c);
        }
        ASSERT_FALSE(running(c));
        expectFileAndReport(c, "run after load", c.savedC, c.printedC);
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace
