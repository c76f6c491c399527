// Drawing a channel of a million points: the thinned trace against every point,
// and the whole plot as the page shows it.
#include "controls/Plot.h"
#include "controls/PlotTraceRenderer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace
{

constexpr size_t PointCount = 1000000;
const QSize FrameSize(1200, 500);

struct Signal {
    std::vector<double> xs, ys;
};

const Signal& millionPoints()
{
    static const Signal signal = [] {
        Signal s;
        s.xs.resize(PointCount);
        s.ys.resize(PointCount);
        for (size_t i = 0; i < PointCount; ++i) {
            s.xs[i] = i * 0.001;
            s.ys[i] = 50.0 + 40.0 * std::sin(i * 0.0005) + 5.0 * std::sin(i * 0.37);
        }
        return s;
    }();
    return signal;
}

PlotTraceRenderer::Mapping frameMapping()
{
    PlotTraceRenderer::Mapping mapping;
    mapping.xMin = 0.0;
    mapping.xSpan = PointCount * 0.001;
    mapping.yMin = 0.0;
    mapping.ySpan = 100.0;
    mapping.area = QRectF(QPointF(0, 0), QSizeF(FrameSize));
    return mapping;
}

void drawFrames(benchmark::State& state, bool thin)
{
    const Signal& signal = millionPoints();
    const PlotTraceRenderer::Mapping mapping = frameMapping();
    QImage image(FrameSize, QImage::Format_RGB32);
    std::vector<QPointF> points;
    for (auto _ : state) {
        image.fill(Qt::white);
        if (thin)
            PlotTraceRenderer::decimate(signal.xs.data(), signal.ys.data(), PointCount, mapping, points);
        else
            PlotTraceRenderer::mapAll(signal.xs.data(), signal.ys.data(), PointCount, mapping, points);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 1.0));
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["drawn_points"] = static_cast<double>(points.size());
}

void BM_DrawMillionPointsThinned(benchmark::State& state)
{
    drawFrames(state, true);
}
BENCHMARK(BM_DrawMillionPointsThinned)->Unit(benchmark::kMillisecond);

void BM_DrawMillionPointsEveryPoint(benchmark::State& state)
{
    drawFrames(state, false);
}
BENCHMARK(BM_DrawMillionPointsEveryPoint)->Unit(benchmark::kMillisecond);

void BM_RenderPlotWithMillionPoints(benchmark::State& state)
{
    const int lineWidth = static_cast<int>(state.range(0));
    const Signal& signal = millionPoints();
    Plot plot;
    plot.resize(FrameSize);
    plot.SetTitle(QStringLiteral("Data Logger"));
    plot.XAxis(0)->SetSpan(PointCount * 0.001);
    IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
    channel->SetLineWidth(lineWidth);
    for (size_t i = 0; i < PointCount; ++i)
        channel->AddXY(signal.xs[i], signal.ys[i]);
    for (auto _ : state)
        benchmark::DoNotOptimize(plot.renderImage(FrameSize).constBits());
}
BENCHMARK(BM_RenderPlotWithMillionPoints)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
