// The window at the pace of a real device: the whole program on the real
// timer service against the simulated positioner paced as a HART link at
// 1200 bit/s (STROKEWISE_SIM_PACE=hart), as a user runs it. Start-up shows the
// dashboard (its first refresh runs about thirteen transactions in a row);
// 3 s after start-up the user selects Actuator Health, 8 s later the
// dashboard again, which then refreshes on its own for 65 s, a whole cycle.
// Meanwhile a helper thread asks the main window to repaint every 20 ms, as a
// window system does while another window moves over it. Reported: the
// longest time from the window's first showing to the end in which it did
// not repaint (the run fails at 200 ms), the paints, and the requests the
// program logged. With BENCH_REQUEST_LOG naming a file, the run's request log
// (the program's log without its time stamps) is written there, to compare
// two builds.
#include "CMainFrame.h"
#include "CNavigationView.h"
#include "CSerratK90ClipwellApp.h"

#include "AppLog.h"
#include "BuiltInServer.h"

#include "BenchApplication.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr int RepaintAskedEveryMs = 20;
// After start-up.
constexpr int SelectActuatorHealthAfterMs = 3000;
constexpr int SelectDashboardAfterMs = 11000;
constexpr int EndAfterMs = 76000;
constexpr int ActuatorHealthCode = 33;
// Longer than this without a repaint, a user sees the window hang.
constexpr qint64 AllowedStallMs = 200;
constexpr int DashboardCode = 1;

// Notes the main window: when it is first shown and each time it paints.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(const QElapsedTimer& clock)
        : m_clock(clock)
    {
    }
    std::atomic<CMainFrame*> frame { nullptr };
    qint64 shownAt = -1;
    std::vector<qint64> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Paint)
            return false;
        auto* shown = qobject_cast<CMainFrame*>(watched);
        if (!shown)
            return false;
        frame = shown;
        if (event->type() == QEvent::Paint)
            paints.push_back(m_clock.elapsed());
        else if (shownAt < 0)
            shownAt = m_clock.elapsed();
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

struct Stall {
    qint64 from = 0;
    qint64 ms = 0;
};

Stall longestWithoutPaint(const PaintRecorder& recorder, qint64 end)
{
    if (recorder.shownAt < 0)
        return { 0, end };
    Stall longest;
    qint64 last = recorder.shownAt;
    for (qint64 paint : recorder.paints) {
        if (paint < recorder.shownAt)
            continue;
        if (paint - last > longest.ms)
            longest = { last, paint - last };
        last = paint;
    }
    if (end - last > longest.ms)
        longest = { last, end - last };
    return longest;
}

// The program's log without its stamps; the count of requests in it.
int keepRequestLog()
{
    QFile log(AppLog::filePath());
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    QByteArray texts;
    int requests = 0;
    for (const QByteArray& line : log.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QByteArray text = line.mid(line.indexOf("    ") + 4);
        if (text.startsWith("<- ") || text.startsWith("-> "))
            ++requests;
        texts += text + '\n';
    }
    const QByteArray keep = qgetenv("BENCH_REQUEST_LOG");
    QFile out(QString::fromLocal8Bit(keep));
    if (!keep.isEmpty() && out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(texts);
    return requests;
}

void BM_PacedWindowRepaints(benchmark::State& state)
{
    qputenv("STROKEWISE_SIM_PACE", "hart");
    BenchApplication::ensure("bench_paced_window");
    registerBuiltInOpcServer();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        PaintRecorder recorder(clock);
        qApp->installEventFilter(&recorder);
        std::atomic<bool> running { true };
        std::thread asker([&] {
            while (running) {
                if (CMainFrame* shown = recorder.frame.load())
                    QMetaObject::invokeMethod(
                        shown, [shown] { shown->update(); }, Qt::QueuedConnection);
                std::this_thread::sleep_for(std::chrono::milliseconds(RepaintAskedEveryMs));
            }
        });
        CSerratK90ClipwellApp app;
        if (!app.InitInstance({ QStringLiteral("/dSim/K90/PV-101") }) || app.deviceData().DeviceType != 5) {
            running = false;
            asker.join();
            qApp->removeEventFilter(&recorder);
            state.SkipWithError("the simulated positioner cannot be reached");
            break;
        }
        const qint64 startedAt = clock.elapsed();
        CNavigationView* tree = app.mainFrame()->navigationView();
        QTimer::singleShot(
            SelectActuatorHealthAfterMs, [tree] { tree->SelectItem(tree->itemForCode(ActuatorHealthCode)); });
        QTimer::singleShot(SelectDashboardAfterMs, [tree] { tree->SelectItem(tree->itemForCode(DashboardCode)); });
        QTimer::singleShot(EndAfterMs, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        const qint64 end = clock.elapsed();
        running = false;
        asker.join();
        qApp->removeEventFilter(&recorder);
        state.counters["StartUpMs"] = double(startedAt);
        const Stall stall = longestWithoutPaint(recorder, end);
        state.counters["ShownAtMs"] = double(recorder.shownAt);
        state.counters["LongestNoRepaintMs"] = double(stall.ms);
        state.counters["LongestFromMs"] = double(stall.from);
        state.counters["Paints"] = double(recorder.paints.size());
        state.counters["Requests"] = double(keepRequestLog());
        if (stall.ms >= AllowedStallMs) {
            static std::string message;
            message = QStringLiteral("the window went %1 ms without a repaint, from %2 ms on")
                          .arg(stall.ms)
                          .arg(stall.from)
                          .toStdString();
            state.SkipWithError(message.c_str());
        }
    }
}
BENCHMARK(BM_PacedWindowRepaints)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
} // namespace
