// Saving and loading plot data files: a 100,000-point result file, and the
// 60-day data logger run (8 channels of 1,728,001 points) with the peak
// resident memory of loading it.
#include "controls/Plot.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>

namespace
{

constexpr int LoggerChannels = 8;
constexpr int LoggerPoints = 1728001; // 60 days at one sample every 3 s

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString pathOf(const char* name)
{
    return folder().filePath(QString::fromLatin1(name));
}

PlotChannelData channelOf(int index, int points)
{
    PlotChannelData channel;
    channel.name = QStringLiteral("Port%1").arg(index + 1);
    channel.color = 0x0000FFu << (index % 3 * 8);
    channel.xs.resize(static_cast<size_t>(points));
    channel.ys.resize(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i) {
        channel.xs[static_cast<size_t>(i)] = static_cast<double>(static_cast<int64_t>(i) * 3000) / 1000.0;
        channel.ys[static_cast<size_t>(i)] = 50.0 + 30.0 * std::sin(i * 1e-3 + index);
    }
    return channel;
}

void writeFile(const QString& path, int channels, int points)
{
    std::vector<PlotChannelData> data;
    for (int c = 0; c < channels; ++c)
        data.push_back(channelOf(c, points));
    std::vector<const PlotChannelData*> pointers;
    for (const PlotChannelData& channel : data)
        pointers.push_back(&channel);
    PlotDataFile::save(path, PlotDataFile::Kind::TimePlot, pointers);
}

double peakResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_SaveHundredThousandPoints(benchmark::State& state)
{
    Plot plot;
    for (int c = 0; c < 4; ++c) {
        plot.AddChannel();
        plot.channels().back()->replaceData(channelOf(c, 25000));
    }
    const QString path = pathOf("save.pst");
    for (auto _ : state)
        plot.SaveDataFile(path);
}
BENCHMARK(BM_SaveHundredThousandPoints)->Unit(benchmark::kMillisecond);

void BM_LoadHundredThousandPoints(benchmark::State& state)
{
    const QString path = pathOf("load.pst");
    writeFile(path, 4, 25000);
    Plot plot;
    for (auto _ : state)
        plot.LoadDataFile(path);
}
BENCHMARK(BM_LoadHundredThousandPoints)->Unit(benchmark::kMillisecond);

// The logger file is written by a child process before the application starts,
// so the points it took to write it do not count in this process's peak.
void BM_LoadSixtyDayLog(benchmark::State& state)
{
    const double rawMiB = LoggerChannels * static_cast<double>(LoggerPoints) * 2 * sizeof(double) / (1024.0 * 1024.0);
    const double before = peakResidentMiB();
    {
        Plot plot;
        for (auto _ : state) {
            plot.ClearAllData();
            plot.LoadDataFile(pathOf("sixty_days.lgr"));
        }
        state.counters["points"] = static_cast<double>(plot.ChannelCount()) * plot.Channel(0)->Count();
    }
    state.counters["raw_MiB"] = rawMiB;
    state.counters["peak_rss_MiB_before"] = before;
    state.counters["peak_rss_MiB"] = peakResidentMiB();
    state.counters["peak_over_raw"] = (peakResidentMiB() - before) / rawMiB;
}
BENCHMARK(BM_LoadSixtyDayLog)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DrawAndSaveSixtyDayLog(benchmark::State& state)
{
    Plot plot;
    plot.resize(1200, 500);
    plot.LoadDataFile(pathOf("sixty_days.lgr"));
    plot.XAxis(0)->FitToData();
    plot.YAxis(0)->FitToData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(plot.renderImage(QSize(1200, 500)).constBits());
        plot.SaveDataFile(pathOf("sixty_days_again.lgr"));
    }
}
BENCHMARK(BM_DrawAndSaveSixtyDayLog)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    folder(); // made before the fork, so both processes use the same one
    const pid_t child = fork();
    if (child == 0) {
        writeFile(pathOf("sixty_days.lgr"), LoggerChannels, LoggerPoints);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
