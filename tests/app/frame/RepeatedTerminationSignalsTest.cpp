// The program itself, told to end twice in quick succession (a service
// manager's stop and an impatient user's): the first signal closes it as the
// window's close does, and the second, arriving while the window and the rest
// of the program are torn down, changes nothing: it exits normally with 0.
// The same when the user's close of the window came first.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

#ifdef SW_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

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

QString programBinary()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/strokewise");
}

// Starts the program on `path` and waits until its start-up is over.
void startProgram(QProcess& program, const QTemporaryDir& state, const QString& path,
    const std::vector<std::pair<QString, QString>>& settings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    for (const auto& [name, value] : settings)
        environment.insert(name, value);
    program.setProcessEnvironment(environment);
    program.start(programBinary(), { QStringLiteral("/d") + path });
    ASSERT_TRUE(program.waitForStarted(30000));
    for (int waited = 0; waited < 60000 && !catchesTermination(program.processId()); waited += 20)
        ASSERT_FALSE(program.waitForFinished(20)) << "the program ended by itself";
    ASSERT_TRUE(catchesTermination(program.processId()));
}

#ifdef SW_HAVE_X11
// A display of the test's own (a virtual X server), gone with the object.
class OwnDisplay
{
public:
    OwnDisplay()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (server.isEmpty())
            return;
        // The server picks a free display and writes its number to its output.
        m_server.start(server,
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        if (!m_server.waitForStarted(10000))
            return;
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return;
        m_name = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        m_display = XOpenDisplay(m_name.toLatin1().constData());
    }
    ~OwnDisplay()
    {
        if (m_display)
            XCloseDisplay(m_display);
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(10000))
                m_server.kill();
        }
    }
    OwnDisplay(const OwnDisplay&) = delete;
    OwnDisplay& operator=(const OwnDisplay&) = delete;

    bool ready() const { return m_display != nullptr; }
    const QString& name() const { return m_name; }

    // The shown top-level window of process `pid` that takes a close, or 0.
    Window windowOf(qint64 pid)
    {
        const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
            return 0;
        for (unsigned k = 0; k < count && !found; ++k) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(m_display, children[k], &attributes) || attributes.map_state != IsViewable)
                continue;
            Atom type = 0;
            int format = 0;
            unsigned long items = 0;
            unsigned long after = 0;
            unsigned char* value = nullptr;
            if (XGetWindowProperty(
                    m_display, children[k], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &value)
                    == Success
                && value) {
                if (items == 1 && format == 32 && qint64(*reinterpret_cast<unsigned long*>(value)) == pid)
                    found = children[k];
                XFree(value);
            }
        }
        if (children)
            XFree(children);
        return found;
    }

    // What a window manager sends when the user closes the window.
    void close(Window window)
    {
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_display, window, False, NoEventMask, &event);
        XFlush(m_display);
    }

private:
    QProcess m_server;
    QString m_name;
    Display* m_display = nullptr;
};
#endif

} // namespace

TEST(Program, ASecondTerminationSignalDuringTheCloseIsAbsorbedAndItExitsWithZero)
{
    if (!QFileInfo::exists(programBinary()))
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
        ASSERT_NO_FATAL_FAILURE(startProgram(program, state, QStringLiteral("Sim/K90/PV-101")));

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
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    }
}

TEST(Program, ATerminationSignalSoonAfterTheUsersCloseOfTheWindowIsAbsorbedAndItExitsWithZero)
{
#ifndef SW_HAVE_X11
    GTEST_SKIP() << "built without X11";
#else
    if (!QFileInfo::exists(programBinary()))
        GTEST_SKIP() << "the program is not built beside the tests";
    OwnDisplay display;
    if (!display.ready())
        GTEST_SKIP() << "no virtual X server";
    // The close runs the pages' stops and tears the program down in a few
    // tens of milliseconds; a signal every millisecond from the close on
    // reaches every moment of it, the 20 to 50 ms after it among them.
    for (const char* path : { "Sim/K90/PV-101", "Sim/K40/PV-102" }) {
        for (int attempt = 1; attempt <= 3; ++attempt) {
            SCOPED_TRACE(std::string(path) + ", attempt " + std::to_string(attempt));
            QTemporaryDir state;
            ASSERT_TRUE(state.isValid());
            QProcess program;
            ASSERT_NO_FATAL_FAILURE(startProgram(program, state, QString::fromLatin1(path),
                { { QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb") },
                    { QStringLiteral("DISPLAY"), display.name() } }));
            Window window = 0;
            for (int waited = 0; waited < 30000 && !(window = display.windowOf(program.processId())); waited += 20)
                ASSERT_FALSE(program.waitForFinished(20)) << "the program ended by itself";
            ASSERT_NE(window, 0u) << "the program's window is not shown";

            display.close(window);
            const pid_t pid = static_cast<pid_t>(program.processId());
            for (int sent = 0; sent < 30000 && !program.waitForFinished(1); ++sent)
                ::kill(pid, SIGTERM);
            ASSERT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(30000));
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        }
    }
#endif
}
