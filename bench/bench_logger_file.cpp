// Weeks of data logging: a 60-day run at 3 s (8 channels of 1,728,001 points,
// the hidden settings and tag filled) saved and loaded through the data
// logger's file functions into the page's plot, one sample appended and drawn
// on that plot, and a 7-day run at 3 s through the page itself against the
// simulated positioner on the test clock. Bounds: the file under 240 MB,
// loading under 2 s with peak resident growth under 1.5 times the raw points,
// saving under 3 s, a tick under 250 ms.
#include "CMainFrame.h"
#include "CNavigationView.h"
#include "CSerratK90ClipwellApp.h"

#include "BuiltInServer.h"
#include "SimTestHooks.h"
#include "SimulatedPositioner.h"

#include "data_logger/DataLoggerFile.h"
#include "data_logger/DataLoggerPlot.h"
#include "diagnostics/CDataLogger.h"

#include "ui/Prompts.h"
#include "ui/TestClock.h"

#include "BenchApplication.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int SamplePoints = 1728001; // 60 days at one sample every 3 s
constexpr double RawMiB = 8.0 * SamplePoints * 2 * sizeof(double) / (1024.0 * 1024.0);

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}
QString pathOf(const char* name)
{
    return folder().filePath(QString::fromLatin1(name));
}

// Every file dialog chooses `path`; every box is answered OK and counted.
class BenchPrompts : public Prompts
{
public:
    QString path;
    int boxes = 0;
    int message(const Message&) override
    {
        ++boxes;
        return IdOk;
    }
    std::optional<QString> file(const FileDialog&) override { return path; }
    void openHelp(const QUrl&) override { }
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }
};
BenchPrompts& prompts()
{
    static BenchPrompts p;
    return p;
}

// A field of /proc/self/status in kB ("VmHWM" peak resident).
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

void layOut(Plot& plot)
{
    ConfigureDataLoggerPlotControl(IPlotPtr(&plot));
    SetupDataLoggerPlotChannels(IPlotPtr(&plot));
}

CDataLoggerReport settings()
{
    CDataLoggerReport record;
    record.m_strTag = AutoString("PV-101");
    record.m_strInterval = AutoString("0");
    record.m_strDuration = AutoString("60");
    record.m_strDurationUnit = AutoString("2");
    record.m_bPressureSensor = 1;
    return record;
}

// The 60-day run as the page would have drawn it, saved through the logger's saver.
void writeSixtyDayRun(const QString& path)
{
    Plot plot;
    layOut(plot);
    int k = 0;
    for (const char* name : DataLoggerChannel::Samples) {
        PlotChannelData data = plot.ChannelByName(QString::fromLatin1(name))->data();
        data.xs.resize(SamplePoints);
        data.ys.resize(SamplePoints);
        for (int i = 0; i < SamplePoints; ++i) {
            data.xs[size_t(i)] = double(int64_t(i) * 3000 / 1000);
            data.ys[size_t(i)] = 50.0 + 30.0 * std::sin(i * 1e-3 + k);
        }
        plot.ChannelByName(QString::fromLatin1(name))->replaceData(std::move(data));
        ++k;
    }
    prompts().path = path;
    settings().SaveDataLogger(IPlotPtr(&plot));
}

Plot& pagePlot()
{
    static Plot* plot = [] {
        auto* p = new Plot;
        layOut(*p);
        p->resize(1200, 500);
        return p;
    }();
    return *plot;
}

void BM_LoadSixtyDayRun(benchmark::State& state)
{
    const double before = statusKb("VmHWM");
    CDataLoggerReport record = settings();
    prompts().path = pathOf("sixty_days.lgr");
    for (auto _ : state) {
        if (!record.LoadDataLogger(IPlotPtr(&pagePlot())))
            state.SkipWithError("the 60-day run was refused");
    }
    const double after = statusKb("VmHWM");
    const PlotChannel& position = *pagePlot().ChannelByName(QStringLiteral("Position"));
    state.counters["points_per_channel"] = position.Count();
    state.counters["last_x"] = position.Count() ? position.data().xs.back() : -1;
    state.counters["file_MB"] = QFileInfo(pathOf("sixty_days.lgr")).size() / 1e6;
    state.counters["raw_MB"] = RawMiB * 1.048576;
    state.counters["peak_growth_MB"] = (after - before) * 1024 / 1e6;
    state.counters["peak_over_raw"] = (after - before) / 1024.0 / RawMiB;
}
BENCHMARK(BM_LoadSixtyDayRun)->Unit(benchmark::kMillisecond)->Iterations(1);

// One more sample on the loaded run, then the plot drawn at 1200 x 500.
void BM_TickOnSixtyDayRun(benchmark::State& state)
{
    Plot& plot = pagePlot();
    plot.XAxis(0)->SetMin(0);
    plot.XAxis(0)->SetSpan(5184000);
    std::vector<PlotChannel*> channels;
    for (const char* name : DataLoggerChannel::Samples)
        channels.push_back(plot.ChannelByName(QString::fromLatin1(name)).get());
    double x = channels[0]->Count() ? channels[0]->data().xs.back() : 0;
    for (auto _ : state) {
        x += 3;
        for (PlotChannel* channel : channels)
            channel->AddXY(x, 50);
        benchmark::DoNotOptimize(plot.renderImage(QSize(1200, 500)).constBits());
    }
    state.counters["points_per_channel"] = channels[0]->Count();
}
BENCHMARK(BM_TickOnSixtyDayRun)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveSixtyDayRun(benchmark::State& state)
{
    prompts().path = pathOf("sixty_days_again.lgr");
    for (auto _ : state)
        settings().SaveDataLogger(IPlotPtr(&pagePlot()));
    state.counters["file_MB"] = QFileInfo(prompts().path).size() / 1e6;
    state.counters["failure_boxes"] = prompts().boxes;
}
BENCHMARK(BM_SaveSixtyDayRun)->Unit(benchmark::kMillisecond)->Iterations(2);

// A 7-day run at 3 s through the page against the simulated positioner: the
// wall time of every tick and the peak resident growth of the whole run.
void BM_SevenDayRunThroughThePage(benchmark::State& state)
{
    registerBuiltInOpcServer();
    TestClock clock;
    TimerService::install(&clock);
    for (auto _ : state) {
        CSerratK90ClipwellApp app;
        if (!app.InitInstance({ QStringLiteral("/dSim/K90/PV-101") })) {
            state.SkipWithError("the simulated positioner cannot be reached");
            break;
        }
        SimulatedPositioner* device = SimTestHooks::device(QStringLiteral("Sim/K90/PV-101"));
        clock.advance(2000);
        CNavigationView* tree = app.mainFrame()->navigationView();
        tree->SelectItem(tree->itemForCode(44));
        CDataLogger* page = nullptr;
        for (FormPage* candidate : app.pageTable())
            if (auto* found = qobject_cast<CDataLogger*>(candidate))
                page = found;
        if (!page) {
            state.SkipWithError("no data logger page");
            break;
        }
        page->controlAs<QComboBox>(CDataLogger::IntervalCombo)->setCurrentIndex(0);
        page->controlAs<QComboBox>(CDataLogger::UnitsCombo)->setCurrentIndex(2);
        page->durationField()->setValue(7);
        const double before = statusKb("VmHWM");
        page->StartDataLogging();
        QElapsedTimer timer;
        double slowestMs = 0;
        double totalMs = 0;
        int ticks = 0;
        while (page->logging()) {
            if (device && ticks % 1000 == 0)
                device->clearRequests();
            const qint64 due = clock.dueIn(page, CDataLogger::SampleTimerId);
            timer.start();
            clock.advance(due);
            const double ms = timer.nsecsElapsed() / 1e6;
            slowestMs = std::max(slowestMs, ms);
            totalMs += ms;
            ++ticks;
        }
        const double after = statusKb("VmHWM");
        const PlotChannel& position = *page->plot()->ChannelByName(QStringLiteral("Position"));
        const double rawMB = 8.0 * position.Count() * 16 / 1e6;
        state.counters["ticks"] = ticks;
        state.counters["points_per_channel"] = position.Count();
        state.counters["last_x"] = position.Count() ? position.data().xs.back() : -1;
        state.counters["tick_ms_mean"] = ticks ? totalMs / ticks : 0;
        state.counters["tick_ms_max"] = slowestMs;
        state.counters["raw_MB"] = rawMB;
        state.counters["peak_growth_MB"] = (after - before) * 1024 / 1e6;
        state.counters["peak_over_raw"] = rawMB > 0 ? (after - before) * 1024 / 1e6 / rawMB : 0;
    }
    TimerService::install(nullptr);
}
BENCHMARK(BM_SevenDayRunThroughThePage)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    folder(); // made before the fork, so both processes use the same one
    const pid_t child = fork();
    if (child == 0) {
        BenchApplication::ensure("bench_logger_file");
        Prompts::install(&prompts());
        writeSixtyDayRun(pathOf("sixty_days.lgr"));
        _exit(prompts().boxes == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    BenchApplication::ensure("bench_logger_file");
    Prompts::install(&prompts());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
