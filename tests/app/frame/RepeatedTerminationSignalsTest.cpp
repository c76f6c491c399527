// The program itself, told to end twice in quick succession (a service
// manager's stop and an impatient user's): the first signal closes it as the
// window's close does, and the second, arriving while the window and the rest
// of the program are torn down, changes nothing: it exits normally with 0.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

namespace
{

// Whether the process catches SIGTERM yet: its start-up is over once the
// program's own handler is in place ("SigCgt" of its status is the mask of
// the signals it catches, signal n at bit n - 1).
bool catchesTermination(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask & (1ull << (SIGTERM - 1)));
        }
    }
    return false;
}

} // namespace

TEST(Program, ASecondTerminationSignalDuringTheCloseIsAbsorbedAndItExitsWithZero)
{
    const QString binary = QCoreApplication::applicationDirPath() + QStringLiteral("/strokewise");
    if (!QFileInfo::exists(binary))
        GTEST_SKIP() << "the program is not built beside the tests";
    // The second signal at once, and a few milliseconds up to 20 ms after the
    // first (the close and the tearing down take about that long); last, a
    // signal every millisecond until the program has exited.
    constexpr int Burst = -1;
    for (int gapMs : { 0, 5, 10, 20, 20, Burst }) {
        SCOPED_TRACE(gapMs);
        QTemporaryDir state;
        ASSERT_TRUE(state.isValid());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
        program.setProcessEnvironment(environment);
        program.start(binary, { QStringLiteral("/dSim/K90/PV-101") });
        ASSERT_TRUE(program.waitForStarted(30000));
        for (int waited = 0; waited < 60000 && !catchesTermination(program.processId()); waited += 20)
            ASSERT_FALSE(program.waitForFinished(20)) << "the program ended by itself";
        ASSERT_TRUE(catchesTermination(program.processId()));

        const pid_t pid = static_cast<pid_t>(program.processId());
        ASSERT_EQ(::kill(pid, SIGTERM), 0);
        if (gapMs == Burst) {
            for (int sent = 0; sent < 30000 && !program.waitForFinished(1); ++sent)
                ::kill(pid, SIGTERM);
        } else if (gapMs == 0 || !program.waitForFinished(gapMs)) {
            ::kill(pid, SIGTERM);
        }
        ASSERT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }
}
