// The run the data logger shows, finished or loaded, against the settings the
// user types for the next one: its report prints the run's own settings, and
// a new run is drawn as a strip chart over its own window.
#include "DataLoggerPageTest.h"
#include "ReportTestSupport.h"

#include "ReportRecords.h"

#include <QFile>

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

TEST_F(DataLoggerShownRunTest, WhetherAFileIsShownDecidesSavePrintAndTheAxesAlikeWhateverCameBefore)
{
    // Each model's page with a file the other model recorded under another
    // tag: shown after a run, and again once the page is left and shown
    // again, Save is off and does nothing and the report is the file's; a run
    // started over it is a strip chart of the connected device, saved and
    // printed as its own.
    struct Model {
        const char* path;
        const char* ownTag;
        const char* fileFrom;
        const char* ownPositioner;
        const char* filePositioner;
        double ownModelCode;
    };
    const Model models[] = {
        { K90Path, "PV-101", "Sim/K40/PV-301", "K90 positioner", "K40 positioner", 5 },
        { K40Path, "PV-102", "Sim/K90/PV-301", "K40 positioner", "K90 positioner", 6 },
    };
    for (const Model& m : models) {
        SCOPED_TRACE(m.path);
        const QString file = tempPath("other.lgr");
        showPage(m.fileFrom);
        runOneMinute();
        prompts().answerFile(file, QStringLiteral("Save DataLogger Results As"));
        click(L::SaveButton);
        m_app.reset();
        SimTestHooks::reset();

        showPage(m.path);
        const QString ownTag = QString::fromLatin1(m.ownTag);
        choose("5", 1, "Minute(s)");
        click(L::StartButton);
        clock().advance(20000);
        click(L::StopButton);
        prompts().answerFile(file, QStringLiteral("Open DataLogger Results"));
        click(L::LoadButton);
        for (const char* when : { "after the Load", "the file shown again" }) {
            SCOPED_TRACE(when);
            EXPECT_TRUE(logger().fileLoaded());
            EXPECT_FALSE(button(L::SaveButton).isEnabled());
            prompts().clearRecords();
            logger().SaveLoggerResults();
            EXPECT_TRUE(prompts().records().empty()) << "Save asked for a file";
            const QString text = print(tempPath("file.pdf"));
            EXPECT_TRUE(text.contains(QStringLiteral("DEVICE TAG ID: PV-301"))) << text.toStdString();
            EXPECT_TRUE(text.contains(QString::fromLatin1(m.filePositioner))) << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("Interval 3"))) << text.toStdString();
            // Printing a file leaves the connected device's tag as it is.
            EXPECT_EQ(data().Tag.trimmed(), ownTag);
            // The samples set the axes: from 0 past the last one at 60 s to 70 s.
            EXPECT_EQ(logger().plot()->XAxis(0)->GetMax(), 70.0);
            reenter();
            clock().advance(1000);
        }

        // A run over the file: a strip chart over its two minutes.
        choose("3", 2, "Minute(s)");
        click(L::StartButton);
        EXPECT_FALSE(logger().fileLoaded());
        clock().advance(10000);
        EXPECT_EQ(xs("Position"), (std::vector<double> { 0, 3, 6 }));
        EXPECT_EQ(logger().plot()->XAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(logger().plot()->XAxis(0)->GetMax(), 120.0);
        EXPECT_EQ(yAxis("Percent").GetMin(), -15.0);
        EXPECT_EQ(yAxis("Percent").GetMax(), 115.0);
        click(L::StopButton);
        EXPECT_TRUE(button(L::SaveButton).isEnabled());
        const QString saved = tempPath("own.lgr");
        prompts().answerFile(saved, QStringLiteral("Save DataLogger Results As"));
        click(L::SaveButton);
        EXPECT_TRUE(QFile::exists(saved));
        const std::vector<double> settings = ys("TestSettings");
        ASSERT_EQ(settings.size(), 11u);
        EXPECT_EQ(settings.front(), 0.0) << "interval index";
        EXPECT_EQ(settings[1], 2.0) << "duration";
        EXPECT_EQ(settings.back(), m.ownModelCode);
        QString tag;
        for (double code : ys("TagName"))
            tag += QChar(int(code));
        EXPECT_EQ(tag.trimmed(), ownTag);
        const QString text = print(tempPath("own.pdf"));
        EXPECT_TRUE(text.contains(QStringLiteral("DEVICE TAG ID: ") + ownTag)) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromLatin1(m.ownPositioner))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("PV-301"))) << text.toStdString();
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace
