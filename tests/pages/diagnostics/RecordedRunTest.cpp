// Whole runs of the diagnostic test pages, recorded once: every request the
// device received during a step test, a ramp test each way and a partial
// stroke test with its signature retrieval (command, bytes and the time since
// the page was shown) must come again the same whenever the pages are
// reworked without meaning to change what they send.
#include "StepTestPageTest.h"

#include "diagnostics/CPartialStrokeTest.h"
#include "diagnostics/CRampTest.h"

#include <QFile>

#include <cstdlib>
#include <functional>

namespace
{

class RecordedDiagnosticRunTest : public StepTestPageTest
{
protected:
    static constexpr int RampTestCode = 41;
    static constexpr int PstCode = 46;

    // Start-up on a model, the page shown and the request record cleared; the
    // run's times count from here.
    void showOn(const char* path, int pageCode)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(pageCode);
        clock().advance(1000);
        device(path).clearRequests();
        m_shownAt = clock().elapsedMs();
    }

    void runUntil(const std::function<bool()>& done, qint64 limitMs = 1200000)
    {
        for (qint64 passed = 0; passed < limitMs && !done(); passed += 500)
            clock().advance(500);
    }

    // The requests since the page was shown, then the program closed and the
    // simulated devices put back as they were.
    QStringList recorded(const char* path)
    {
        QStringList lines;
        for (const SimRequest& request : device(path).requests()) {
            lines << QStringLiteral("%1 %2 %3")
                         .arg(request.timeMs - m_shownAt)
                         .arg(request.command)
                         .arg(QString::fromLatin1(request.bytes.toHex(' ')));
        }
        m_app.reset();
        SimTestHooks::reset();
        return lines;
    }

    QStringList stepRun(const char* path)
    {
        showOn(path, StepTestCode);
        typeSettings("30", "70", "6");
        startTest();
        runToCompletion();
        clock().advance(2000);
        return recorded(path);
    }

    QStringList rampRun(const char* path, bool bidirectional)
    {
        showOn(path, RampTestCode);
        CRampTest& ramp = page<CRampTest>();
        ramp.setWindowText(CRampTest::StartEdit, QStringLiteral("25"));
        ramp.setWindowText(CRampTest::StopEdit, QStringLiteral("75"));
        ramp.setWindowText(CRampTest::HoldEdit, QStringLiteral("4"));
        ramp.setWindowText(CRampTest::DurationEdit, QStringLiteral("30"));
        ramp.controlAs<QAbstractButton>(CRampTest::BidirectionalBox)->setChecked(bidirectional);
        prompts().answerMessage(Prompts::IdYes,
            QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?"));
        ramp.StartRampTest();
        runUntil([&ramp] { return !ramp.testRunning(); });
        clock().advance(2000);
        return recorded(path);
    }

    QStringList partialStrokeRun(const char* path)
    {
        showOn(path, PstCode);
        CPartialStrokeTest& pst = page<CPartialStrokeTest>();
        pst.setWindowText(CPartialStrokeTest::StartEdit, QStringLiteral("85"));
        pst.setWindowText(CPartialStrokeTest::StopEdit, QStringLiteral("70"));
        pst.setWindowText(CPartialStrokeTest::TimeToTargetEdit, QStringLiteral("0.29"));
        pst.setWindowText(CPartialStrokeTest::DurationEdit, QStringLiteral("7"));
        prompts().answerMessage(Prompts::IdYes,
            QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?"));
        pst.StartPartialStrokeTest();
        runUntil([&pst] { return !pst.testRunning(); });
        pst.StartSignatureRetrieval();
        runUntil([&pst] { return !pst.retrieving(); });
        clock().advance(2000);
        return recorded(path);
    }

    static QString recordedFile() { return QStringLiteral(SW_TEST_SOURCE_DIR "/recorded/diagnostic_runs.txt"); }

    qint64 m_shownAt = 0;
};

TEST_F(RecordedDiagnosticRunTest, StepRampAndPartialStrokeRunsSendTheRecordedRequestsOnBothModels)
{
    QStringList lines;
    for (const char* path : { K90Path, K40Path }) {
        const QString model = QString::fromLatin1(path);
        lines << QStringLiteral("# %1 step test").arg(model);
        lines << stepRun(path);
        lines << QStringLiteral("# %1 ramp test, one way").arg(model);
        lines << rampRun(path, false);
        lines << QStringLiteral("# %1 ramp test, both ways").arg(model);
        lines << rampRun(path, true);
        lines << QStringLiteral("# %1 partial stroke test and signature retrieval").arg(model);
        lines << partialStrokeRun(path);
    }
    const QByteArray run = lines.join(QLatin1Char('\n')).toLatin1() + '\n';

    QFile file(recordedFile());
    // Recording a new run is a deliberate act: SW_RECORD_RUN=1 writes the file.
    if (std::getenv("SW_RECORD_RUN")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(run);
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QList<QByteArray> expected = file.readAll().split('\n');
    const QList<QByteArray> actual = run.split('\n');
    for (qsizetype k = 0; k < std::min(expected.size(), actual.size()); ++k)
        ASSERT_EQ(actual[k].toStdString(), expected[k].toStdString()) << "request line " << k + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

} // namespace
