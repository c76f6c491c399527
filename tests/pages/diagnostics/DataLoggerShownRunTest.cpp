// The run the data logger shows, finished or loaded, against the settings the
// user types for the next one: its report prints the run's own settings, and
// a new run is drawn as a strip chart over its own window.
#include "DataLoggerPageTest.h"
#include "ReportTestSupport.h"

#include "ReportRecords.h"

namespace
{

using L = CDataLogger;

class DataLoggerShownRunTest : public DataLoggerPageTest
{
protected:
    // A run of 3 s samples over one minute, run to its end.
    void runOneMinute()
    {
        choose("3", 1, "Minute(s)");
        click(L::StartButton);
        clock().advance(70000);
        ASSERT_FALSE(logger().logging());
        ASSERT_EQ(channel("Position").Count(), 21);
    }
    // The one-minute run saved, another run over it, then the file loaded back.
    void loadOneMinute()
    {
        runOneMinute();
        const QString file = tempPath("minute.lgr");
        prompts().answerFile(file, QStringLiteral("Save DataLogger Results As"));
        click(L::SaveButton);
        choose("5", 2, "Minute(s)");
        click(L::StartButton);
        clock().advance(12000);
        click(L::StopButton);
        prompts().answerFile(file, QStringLiteral("Open DataLogger Results"));
        click(L::LoadButton);
        ASSERT_TRUE(logger().fileLoaded());
        ASSERT_EQ(channel("Position").Count(), 21);
    }
    QString print(const QString& pdf)
    {
        prompts().answerFile(pdf, QStringLiteral("Save Data Logger Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        click(L::PrintButton);
        return ReportTestSupport::pdfText(pdf).simplified();
    }
};

struct ShownRunCase {
    const char* what;
    const char* path;
    bool loaded;
};
const ShownRunCase ShownRuns[] = {
    { "K90, a finished run", "Sim/K90/PV-101", false },
    { "K90, a loaded run", "Sim/K90/PV-101", true },
    { "K40, a finished run", "Sim/K40/PV-102", false },
    { "K40, a loaded run", "Sim/K40/PV-102", true },
};

TEST_F(DataLoggerShownRunTest, TheReportPrintsTheRunsOwnSettingsWhateverTheFieldsWereChangedToSince)
{
    for (const ShownRunCase& c : ShownRuns) {
        SCOPED_TRACE(c.what);
        showPage(c.path);
        if (c.loaded)
            loadOneMinute();
        else
            runOneMinute();
        // The next run's settings typed, and the page left and shown again,
        // which applies them.
        choose("10", 5, "Hour(s)");
        reenter();
        clock().advance(1000);

        const QString text = print(tempPath("shown.pdf"));
        const CDataLoggerReport& record = app().records().m_DataLoggerReport;
        EXPECT_EQ(record.m_strInterval.toQString(), QStringLiteral("3"));
        EXPECT_EQ(record.m_strDuration.toQString(), QStringLiteral("1"));
        EXPECT_EQ(record.m_strDurationUnit.toQString(), QStringLiteral("Minute(s)"));
        EXPECT_TRUE(text.contains(QStringLiteral("Duration: 1 Minute(s)"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Interval 3"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Hour(s)"))) << text.toStdString();
        EXPECT_TRUE(text.contains(
            QByteArray(c.path) == K40Path ? QStringLiteral("K40 positioner") : QStringLiteral("K90 positioner")))
            << text.toStdString();
        // The fields keep what was typed for the next run.
        EXPECT_EQ(logger().durationField()->value(), 5.0);
        EXPECT_EQ(combo(L::IntervalCombo).currentText(), QStringLiteral("10"));
        m_app.reset();
    }
}

TEST_F(DataLoggerShownRunTest, ARunStartedAfterAShownRunIsAStripChartOverItsOwnWindow)
{
    for (const ShownRunCase& c : ShownRuns) {
        SCOPED_TRACE(c.what);
        showPage(c.path);
        if (c.loaded)
            loadOneMinute();
        else
            runOneMinute();
        // The run shown fits its axes: from 0 past its last sample at 60 s to 70 s.
        ASSERT_EQ(logger().plot()->XAxis(0)->GetMax(), 70.0);

        choose("3", 2, "Minute(s)");
        click(L::StartButton);
        clock().advance(10000);
        ASSERT_TRUE(logger().logging());
        ASSERT_EQ(xs("Position"), (std::vector<double> { 0, 3, 6 }));
        // The window of two minutes, not the three samples in: the time axis
        // stands still while the samples walk across it.
        const PlotAxis& time = *logger().plot()->XAxis(0);
        EXPECT_EQ(time.GetMin(), 0.0);
        EXPECT_EQ(time.GetMax(), 120.0);
        EXPECT_EQ(yAxis("Percent").GetMin(), -15.0);
        EXPECT_EQ(yAxis("Percent").GetMax(), 115.0);
        clock().advance(30000);
        EXPECT_EQ(time.GetMin(), 0.0);
        EXPECT_EQ(time.GetMax(), 120.0);
        click(L::StopButton);
        m_app.reset();
    }
}

} // namespace
