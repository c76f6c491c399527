// The soak run: the whole program against the simulated positioner, 100 000
// transactions through the dispatchers and 10 000 page switches through the
// navigation tree. Memory must not grow with use: the peak resident size
// after a warm-up and at the end are reported, and the run fails when the
// peak grew by 5 MB or more.
#include "CMainFrame.h"
#include "CNavigationView.h"
#include "CSerratK90ClipwellApp.h"

#include "BuiltInServer.h"
#include "SimTestHooks.h"
#include "SimulatedPositioner.h"

#include "ui/TestClock.h"

#include "BenchApplication.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <array>

namespace
{
constexpr int Transactions = 100000;
constexpr int PageSwitches = 10000;
constexpr double AllowedGrowthKb = 5 * 1024;

void startQt()
{
    BenchApplication::ensure("bench_soak");
    registerBuiltInOpcServer();
}

// A field of /proc/self/status in kB ("VmHWM" peak resident, "VmRSS" resident).
double statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toDouble();
    }
    return 0;
}

// Reads and writes of the kinds the pages use most, the Misc selector included.
void transact(CSerratK90ClipwellApp& app, int n)
{
    static constexpr std::array<int, 6> reads { 202, 220, 246, 173, 228, 253 };
    switch (n % 8) {
    case 6:
        app.misc().ReadMiscLong69();
        break;
    case 7:
        app.dispatch().DispatchWrite(203);
        break;
    default:
        app.dispatch().DispatchRead(reads[n % 8 % reads.size()]);
    }
}

void switchPage(CSerratK90ClipwellApp& app, int n)
{
    static constexpr std::array<int, 28> codes { 1, 2, 21, 22, 23, 3, 31, 311, 32, 33, 34, 4, 41, 411, 42, 421, 43, 431,
        44, 45, 46, 461, 5, 51, 52, 53, 6, 61 };
    CNavigationView* tree = app.mainFrame()->navigationView();
    tree->SelectItem(tree->itemForCode(codes[size_t(n) % codes.size()]));
}

void run(CSerratK90ClipwellApp& app, TestClock& clock, int transactions, int switches)
{
    // The simulated device keeps every request it received for tests to look
    // at; that record is not the program's memory.
    SimulatedPositioner* device = SimTestHooks::device(QStringLiteral("Sim/K90/PV-101"));
    const int perSwitch = switches ? transactions / switches : transactions;
    for (int n = 0, s = 0; n < transactions; ++n) {
        if (device && n % 1000 == 0)
            device->clearRequests();
        transact(app, n);
        if (switches && n % perSwitch == 0 && s < switches) {
            switchPage(app, s++);
            // Between two user actions the program's event loop runs.
            QCoreApplication::processEvents();
            // Let the shown page's strip and the connection panes tick now and then.
            clock.advance(1500);
        }
    }
    QCoreApplication::processEvents();
}

void BM_SoakTransactionsAndPageSwitches(benchmark::State& state)
{
    startQt();
    TestClock clock;
    TimerService::install(&clock);
    for (auto _ : state) {
        CSerratK90ClipwellApp app;
        if (!app.InitInstance({ QStringLiteral("/dSim/K90/PV-101") }) || app.deviceData().DeviceType != 5) {
            state.SkipWithError("the simulated positioner cannot be reached");
            break;
        }
        run(app, clock, Transactions / 100, PageSwitches / 100); // warm-up: caches, fonts, first paints
        const double peakBefore = statusKb("VmHWM");
        run(app, clock, Transactions, PageSwitches);
        const double peakAfter = statusKb("VmHWM");
        state.counters["PeakBeforeKB"] = peakBefore;
        state.counters["PeakAfterKB"] = peakAfter;
        state.counters["GrowthKB"] = peakAfter - peakBefore;
        state.counters["FailureCount"] = app.deviceData().FailureCount;
        if (peakAfter - peakBefore >= AllowedGrowthKb) {
            static const std::string message
                = QStringLiteral("peak resident memory grew by 5 MB or more: %1 kB -> %2 kB")
                      .arg(peakBefore)
                      .arg(peakAfter)
                      .toStdString();
            state.SkipWithError(message.c_str());
        }
    }
    TimerService::install(nullptr);
}
BENCHMARK(BM_SoakTransactionsAndPageSwitches)->Iterations(1)->Unit(benchmark::kSecond);
}
