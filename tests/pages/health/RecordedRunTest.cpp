#include "HealthPageTest.h"

#include <QAbstractButton>
#include <QFile>

#include <cstdlib>

// A whole session of a user, recorded once: every request the device received
// (command and bytes, not times) must come again in the same order whenever
// the pages are reworked without meaning to change what they send.
class RecordedRunTest : public HealthPageTest
{
protected:
    // Start-up, 70 s on the dashboard, the actuator health page with one
    // Apply of a changed supply limit, back to the dashboard for 10 s.
    QStringList runOn(const QStringList& arguments, const char* path)
    {
        start(arguments);
        clock().advance(70000);
        select(ActuatorHealthCode);
        clock().advance(3000);
        actuatorHealth().spin(CActuatorHealth::LowWarningSpin)->setValue(52);
        clock().advance(500);
        actuatorHealth().controlAs<QAbstractButton>(CActuatorHealth::ApplyButton)->click();
        clock().advance(16000);
        select(DashboardCode);
        clock().advance(10000);
        QStringList lines;
        for (const SimRequest& request : device(path).requests())
            lines << QStringLiteral("%1 %2").arg(request.command).arg(QString::fromLatin1(request.bytes.toHex(' ')));
        m_app.reset();
        return lines;
    }

    static QString recordedFile() { return QStringLiteral(SW_TEST_SOURCE_DIR "/recorded/health_pages_run.txt"); }
};

TEST_F(RecordedRunTest, DashboardAndActuatorHealthSendTheRecordedRequestsOnBothModels)
{
    QStringList lines { QStringLiteral("# K90") };
    lines << runOn({ QStringLiteral("/dSim/K90/PV-101") }, K90Path);
    SimTestHooks::reset();
    lines << QStringLiteral("# K40");
    lines << runOn({ QStringLiteral("/dSim/K40/PV-102") }, K40Path);
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
