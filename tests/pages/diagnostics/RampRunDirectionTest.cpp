// A ramp result keeps the direction it ran in: the "Bi-directional" box
// ticked or unticked after the run (on the ramp page, or the hub's box after a
// multi-test run) is meant for the next run, and the saved file, the report
// and the views drawn show the run's.
#include "DiagnosticsHubPageTest.h"
#include "RampTestPageTest.h"

#include "ReportTestSupport.h"

#include "controls/XYPlot.h"
#include "report/ReportControl.h"
#include "report/ReportDocument.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>

namespace
{

using Ramp = CRampTest;

// A run one way (20 to 80, opening) or both ways, and the box turned over after it.
struct DirectionCase {
    const char* what;
    bool bothWays;
    const char* printedDirection;
    // The data channels each view shows, in the plot's order: the opening
    // set, the closing one too for a run both ways (this K90 has no port 2).
    QStringList pressureView;
    QStringList signalsView;
};

const DirectionCase Cases[] = {
    { "one way, then ticked", false, "Bi-Directional: No", { "PvPPort1" },
        { "PosnvCmdOpen", "Port1vCmdOpen", "ILCmdvCmdOpen", "ILPosnvCmdOpen" } },
    { "both ways, then unticked", true, "Bi-Directional: Yes", { "PvPPort1", "PvPPort1_2" },
        { "PosnvCmdOpen", "Port1vCmdOpen", "ILCmdvCmdOpen", "ILPosnvCmdOpen", "PosnvCmdClose", "Port1vCmdClose",
            "ILCmdvCmdClose", "ILPosnvCmdClose" } },
};

class RampRunDirectionTest : public DiagnosticsHubPrintTest
{
protected:
    // The K90 with its pressure sensors, so the reports picture the pressures
    // and, for a run both ways, the friction.
    void startWithSensors()
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(K90Path) });
        device(K90Path).setMiscByte(0x82, 1);
        clock().advance(2000);
        data().PressureSensorFlag = 1;
    }
    void turnOver(FormPage& page, int box)
    {
        auto* button = page.controlAs<QAbstractButton>(box);
        ASSERT_TRUE(button->isEnabled());
        button->click();
    }
    QString printed(const QString& pdf, const char* title, const std::function<void()>& print)
    {
        QFile::remove(pdf);
        prompts().answerFile(pdf, QString::fromLatin1(title));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        print();
        return ReportTestSupport::pdfText(pdf).simplified();
    }
    static bool pictured(const ReportControl* report, const char* key)
    {
        const ReportDocument document = report->layoutDocument();
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        return item && !item->picture.isNull();
    }
    QStringList shownChannels() { return shownRampChannels(ramp()); }
    // Settings 20 -> 80 % over 3 s with a 2 s hold, run to its end (or 20 minutes).
    void runRampToTheEnd(bool bothWays)
    {
        const std::pair<int, const char*> settings[] = { { Ramp::StartEdit, "20" }, { Ramp::StopEdit, "80" },
            { Ramp::HoldEdit, "2" }, { Ramp::DurationEdit, "3" } };
        for (const auto& [edit, text] : settings)
            ramp().setWindowText(edit, QString::fromLatin1(text));
        ramp().controlAs<QAbstractButton>(Ramp::BidirectionalBox)->setChecked(bothWays);
        prompts().answerMessage(Prompts::IdYes, Movement);
        ramp().StartRampTest();
        for (qint64 passed = 0; passed < 1200000 && ramp().testRunning(); passed += 1000)
            clock().advance(1000);
    }

    // The ramp page's two views and its printed report speak of the case's direction.
    void expectShownAndPrintedAs(const DirectionCase& c, const char* pdfName)
    {
        ramp().controlAs<QAbstractButton>(Ramp::PressureViewButton)->click();
        EXPECT_EQ(shownChannels(), c.pressureView);
        ramp().controlAs<QAbstractButton>(Ramp::SignalsViewButton)->click();
        EXPECT_EQ(shownChannels(), c.signalsView);

        const QString text = printed(
            tempPath(QString::fromLatin1(pdfName)), "Save Ramp ReportAs", [this] { ramp().PrintRampReport(); });
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.printedDirection))) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("Spring Rate: - ")), !c.bothWays) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("Spring Initial: - ")), !c.bothWays) << text.toStdString();
        // The friction picture is drawn for a run both ways alone.
        EXPECT_EQ(pictured(ramp().findChild<ReportControl*>(), "RampGrph4"), c.bothWays);
    }

    static double savedDirection(const QString& file)
    {
        XYPlot saved;
        saved.LoadDataFile(file);
        const IXYPlotChannelPtr settings = saved.ChannelByName(QStringLiteral("TestSettings"));
        return settings->Count() > 4 ? settings->GetY(4) : -1.0;
    }
};

TEST_F(RampRunDirectionTest, TheRampPageSavesPrintsAndDrawsTheDirectionItRan)
{
    for (const DirectionCase& c : Cases) {
        SCOPED_TRACE(c.what);
        startWithSensors();
        select(RampTestCode);
        clock().advance(1000);
        ownProgramFolder({ "RampTestRept.xml" });
        runRampToTheEnd(c.bothWays);
        ASSERT_EQ(ramp().windowText(Ramp::StatusEdit), QStringLiteral("Test completed"));
        turnOver(ramp(), Ramp::BidirectionalBox);

        const QString file = tempPath(QStringLiteral("ran.rmp"));
        prompts().answerFile(file, QStringLiteral("Save Ramp Test Results As"));
        ramp().SaveRampResults();
        EXPECT_EQ(savedDirection(file), c.bothWays ? 1.0 : 0.0);

        expectShownAndPrintedAs(c, "ran.pdf");
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(RampRunDirectionTest, ALoadedFileKeepsItsDirectionWhateverTheRampPagesBoxSaysAfterTheLoad)
{
    for (const DirectionCase& c : Cases) {
        SCOPED_TRACE(c.what);
        startWithSensors();
        select(RampTestCode);
        clock().advance(1000);
        ownProgramFolder({ "RampTestRept.xml" });
        runRampToTheEnd(c.bothWays);
        ASSERT_EQ(ramp().windowText(Ramp::StatusEdit), QStringLiteral("Test completed"));
        const QString file = tempPath(QStringLiteral("recorded.rmp"));
        prompts().answerFile(file, QStringLiteral("Save Ramp Test Results As"));
        ramp().SaveRampResults();

        // The file back on the page, and then the box turned over: it now
        // speaks of the next run, not of the data shown.
        prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
        ramp().LoadRampResults();
        ASSERT_EQ(ramp().windowText(Ramp::StatusEdit), QStringLiteral("Off line data"));
        ASSERT_EQ(ramp().controlAs<QAbstractButton>(Ramp::BidirectionalBox)->isChecked(), c.bothWays);
        turnOver(ramp(), Ramp::BidirectionalBox);

        expectShownAndPrintedAs(c, "loaded.pdf");

        // Saved again, the file still says the way it ran.
        const QString again = tempPath(QStringLiteral("again.rmp"));
        prompts().answerFile(again, QStringLiteral("Save Ramp Test Results As"));
        ramp().SaveRampResults();
        EXPECT_EQ(savedDirection(again), c.bothWays ? 1.0 : 0.0);
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(RampRunDirectionTest, TheMultiTestReportPrintsTheDirectionTheRampRan)
{
    for (const DirectionCase& c : Cases) {
        SCOPED_TRACE(c.what);
        startWithSensors();
        select(DiagnosticCode);
        clock().advance(1000);
        ownProgramFolder({ "AllTestReport.xml" });
        tick(D::RampBox);
        fillParameters();
        if (c.bothWays)
            click(D::BidirectionalBox);
        startRun();
        prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
        runUntil([this] { return runEnded(); });
        ASSERT_EQ(listed().value(1), QStringLiteral("Ramp test completed"));
        turnOver(hub(), D::BidirectionalBox);

        const QString text = printed(
            tempPath(QStringLiteral("multi.pdf")), "Save MultiTest Report As", [this] { click(D::PrintButton); });
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.printedDirection))) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("Spring Rate: - ")), !c.bothWays) << text.toStdString();
        EXPECT_EQ(pictured(hub().report().get(), "RampGrph4"), c.bothWays);
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace
