// Start on a test page showing a loaded file, the movement question answered
// No: nothing runs, so the file stays the page's result. Its settings, its
// status and its tag stay through printing and through leaving the page and
// coming back, as they do without the refused Start.
#include "DiagnosticsHubPageTest.h"

#include "ReportTestSupport.h"

#include <QAbstractButton>
#include <QFile>

#include <vector>

namespace
{

// A test page: its settings as typed for the run whose file is loaded, and
// the fields that show the loaded result.
struct PageCase {
    const char* name;
    int pageCode;
    std::vector<std::pair<int, const char*>> settings;
    std::vector<int> fields;
    const char* reportTitle;
};

const PageCase Pages[] = {
    { "ramp", 41,
        { { CRampTest::StartEdit, "20" }, { CRampTest::StopEdit, "80" }, { CRampTest::HoldEdit, "2" },
            { CRampTest::DurationEdit, "3" } },
        { CRampTest::StartEdit, CRampTest::StopEdit, CRampTest::HoldEdit, CRampTest::DurationEdit,
            CRampTest::StatusEdit },
        "Save Ramp ReportAs" },
    { "step", 42, { { CStepTest::StartEdit, "20" }, { CStepTest::StopEdit, "60" }, { CStepTest::HoldEdit, "5" } },
        { CStepTest::StartEdit, CStepTest::StopEdit, CStepTest::HoldEdit, CStepTest::StatusEdit },
        "Save Step Test Report As" },
    { "partial stroke", 46,
        { { CPartialStrokeTest::StartEdit, "80" }, { CPartialStrokeTest::StopEdit, "65" },
            { CPartialStrokeTest::TimeToTargetEdit, "5" }, { CPartialStrokeTest::DurationEdit, "12" } },
        { CPartialStrokeTest::StartEdit, CPartialStrokeTest::StopEdit, CPartialStrokeTest::TimeToTargetEdit,
            CPartialStrokeTest::DurationEdit, CPartialStrokeTest::ResultEdit, CPartialStrokeTest::StatusEdit },
        "Save PST ReportAs" },
    { "HDRL", 43, { { CHDRLTest::SettlingEdit, "7" } },
        { CHDRLTest::SettlingEdit, CHDRLTest::LinearityEdit, CHDRLTest::HysDeadAverageEdit },
        "Save HDRL Test Report As" },
};

class StartAnsweredNoTest : public DiagnosticsHubPrintTest
{
protected:
    static constexpr int PageStartButton = 474; // the same id on the four test pages

    void runToEnd(const PageCase& c)
    {
        for (qint64 passed = 0; passed < 1800000 && testRunning(c.pageCode); passed += 500)
            clock().advance(500);
    }
    void runWithItsSettings(const PageCase& c)
    {
        for (const auto& [edit, text] : c.settings)
            testPage(c.pageCode).setWindowText(edit, QString::fromLatin1(text));
        prompts().answerMessage(Prompts::IdYes, Movement);
        testPage(c.pageCode).controlAs<QAbstractButton>(PageStartButton)->click();
        runToEnd(c);
        if (c.pageCode == PstCode) {
            pst().StartSignatureRetrieval();
            runToEnd(c);
        }
    }
    void save(const PageCase& c, const QString& file)
    {
        prompts().answerFile(file);
        switch (c.pageCode) {
        case RampTestCode:
            return ramp().SaveRampResults();
        case StepTestCode:
            return step().OnSaveResults();
        case HDRLCode:
            return hdrl().OnSave();
        default:
            return pst().SavePstFile();
        }
    }
    void load(const PageCase& c, const QString& file)
    {
        prompts().answerFile(file);
        switch (c.pageCode) {
        case RampTestCode:
            return ramp().LoadRampResults();
        case StepTestCode:
            return step().OnLoadResults();
        case HDRLCode:
            return hdrl().OnLoad();
        default:
            return pst().OnLoad();
        }
    }
    QStringList shown(const PageCase& c)
    {
        QStringList out;
        for (int id : c.fields)
            out << testPage(c.pageCode).windowText(id);
        return out;
    }
    // The report's head line with the tag and whether it prints the connected
    // device's actuator line, read back from the PDF.
    QStringList printedHead(const PageCase& c)
    {
        const QString pdf = tempPath(QStringLiteral("report.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QString::fromLatin1(c.reportTitle));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        printTestReport(c.pageCode);
        QStringList head;
        for (const QString& line : ReportTestSupport::pdfText(pdf).split(QLatin1Char('\n'))) {
            const QString text = line.simplified();
            if (text.startsWith(QStringLiteral("DEVICE TAG ID")) || text.startsWith(QStringLiteral("ACTUATOR INFO")))
                head << text;
        }
        return head;
    }
};

TEST_F(StartAnsweredNoTest, StartAnsweredNoKeepsTheLoadedFile)
{
    // Each page's result recorded on the smaller model, PV-102.
    start({ QStringLiteral("/d") + QString::fromLatin1(K40Path) });
    clock().advance(2000);
    for (const PageCase& c : Pages) {
        SCOPED_TRACE(c.name);
        select(c.pageCode);
        clock().advance(1000);
        runWithItsSettings(c);
        ASSERT_FALSE(testRunning(c.pageCode));
        save(c, tempPath(QStringLiteral("recorded.") + QString::number(c.pageCode)));
    }
    m_app.reset();
    SimTestHooks::reset();

    // Loaded on the larger model, PV-101, whose stored settings differ.
    start({ QStringLiteral("/d") + QString::fromLatin1(K90Path) });
    clock().advance(2000);
    // The smaller model's definitions: a file prints under the model that recorded it.
    ownProgramFolder({ "RampTestRept_K40.xml", "StepTestRept_K40.xml", "PSTestRept_K40.xml", "HDRLTestRept_K40.xml" });
    const QStringList fileHead { QStringLiteral("DEVICE TAG ID: PV-102 DEVICE VERSION:") };
    for (const PageCase& c : Pages) {
        SCOPED_TRACE(c.name);
        select(c.pageCode);
        clock().advance(1000);
        load(c, tempPath(QStringLiteral("recorded.") + QString::number(c.pageCode)));
        const QStringList loaded = shown(c);
        ASSERT_EQ(printedHead(c), fileHead);

        device(K90Path).clearRequests();
        prompts().clearRecords();
        prompts().answerMessage(Prompts::IdNo, Movement);
        testPage(c.pageCode).controlAs<QAbstractButton>(PageStartButton)->click();
        clock().advance(5000);
        ASSERT_EQ(prompts().messages().size(), 1u) << "the question was asked";
        EXPECT_FALSE(testRunning(c.pageCode));
        EXPECT_TRUE(device(K90Path).requestsFor(233).empty()) << "no test was started";
        EXPECT_TRUE(device(K90Path).requestsFor(203).empty()) << "the valve was not moved";
        EXPECT_EQ(shown(c), loaded);
        EXPECT_EQ(printedHead(c), fileHead);

        select(DashboardCode);
        clock().advance(1000);
        select(c.pageCode);
        clock().advance(1000);
        EXPECT_EQ(shown(c), loaded) << "back on the page";
        EXPECT_EQ(printedHead(c), fileHead) << "back on the page";
    }
    EXPECT_EQ(prompts().pendingAnswers(), 0);
}

} // namespace
