#pragma once

#include "controls/Plot.h"
#include "controls/PlotPainter.h"

#include <QImage>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

#include <vector>

// Every plot painting while it lives, on screen and in pictures alike, with
// the texts it drew; `faults()` names each tick label that runs into another,
// lies under the legend or off the picture, each label, axis title or legend
// entry that is not drawn whole, two legend entries whose samples look alike
// while their traces differ, and each trace drawn against an axis the
// painting does not show (its values read on another axis's scale), each
// shown trace with a point beyond its axes (cut off at the border), on a
// plot whose axes fit their traces each shown trace with a point on a border
// (hidden by it), and each legend entry for a trace that draws nothing. A
// picture,
// printed smaller than the screen shows it, also keeps its legend at a size
// read on paper and leaves its traces at least half of the room they would
// have without the legend.
class DrawnPlotTexts
{
public:
    // How a trace looks on the plot: what tells two traces apart.
    struct Trace {
        uint32_t color = 0;
        int lineWidth = 0;
        int markerStyle = -1; // -1: no markers
        int markerSize = 0;
        bool operator==(const Trace&) const = default;
    };
    // A legend entry's sample as drawn, and the trace it stands for.
    struct Sample {
        QString text;
        QImage picture;
        Trace trace;
    };
    // A trace drawn against an axis that was not shown.
    struct TraceOffItsAxis {
        QString text; // the trace's legend text
        QString axis; // the hidden axis's name
    };
    // A shown trace with points beyond the range of one of its axes.
    struct TraceOutsideItsAxes {
        QString text; // the trace's legend text
        size_t points = 0; // how many of its points lie outside
        double x = 0.0; // the first of them
        double y = 0.0;
        QString range; // the axes' ranges, "x lo..hi, y lo..hi"
    };
    // A shown trace with points on a border of a value axis, or within its
    // line's width of it (a time axis's start is its border by design).
    struct TraceOnABorder {
        QString text;
        size_t points = 0;
        double x = 0.0; // the first of them
        double y = 0.0;
        QString border; // "the bottom border of Position (0..100)"
    };
    struct Painting {
        QString plotTitle;
        PlotPainter::DrawnTexts texts;
        double topOfFirstYAxis = 0.0; // the value at the plot area's top border
        std::vector<Sample> samples;
        std::vector<TraceOffItsAxis> tracesOffTheirAxes;
        std::vector<TraceOutsideItsAxes> tracesOutsideTheirAxes;
        std::vector<TraceOnABorder> tracesOnABorder;
        QStringList entriesWithoutTrace; // legend entries of traces that draw nothing
        double plotPoints = 0.0; // the plot's own font size
        // The axes drawn and their ranges, "Time 0..16, Position 0..100";
        // whether any trace is drawn against them.
        QString axes;
        bool drawsTraces = false;
    };

    DrawnPlotTexts()
    {
        PlotPainter::drawnTextsObserver() = [this](const Plot& plot, const PlotPainter::DrawnTexts& texts) {
            Painting painting;
            painting.plotTitle = plot.GetTitle();
            painting.texts = texts;
            painting.topOfFirstYAxis = plot.yAxes().empty() ? 0.0 : plot.yAxes()[0]->GetMax();
            for (const PlotPainter::DrawnSample& drawn : texts.legendSamples) {
                const PlotChannelData& data = drawn.channel->data();
                const Trace trace { data.color, data.lineWidth, data.markersVisible ? data.markerStyle : -1,
                    data.markersVisible ? data.markerSize : 0 };
                const QString text = data.title.isEmpty() ? data.name : data.title;
                painting.samples.push_back({ text, drawn.picture, trace });
            }
            painting.tracesOffTheirAxes = tracesOffTheirAxes(plot, texts);
            painting.tracesOutsideTheirAxes = tracesOutsideTheirAxes(plot);
            painting.tracesOnABorder = tracesOnABorder(plot, texts.area);
            for (size_t k = 0; k < texts.legendSamples.size(); ++k)
                if (!drawsSomething(plot, *texts.legendSamples[k].channel))
                    painting.entriesWithoutTrace << painting.samples[k].text;
            painting.plotPoints = plot.GetPlotFont().pointSizeF();
            QStringList axes;
            for (const PlotAxis* axis : texts.axes)
                axes << QStringLiteral("%1 %2..%3").arg(axis->GetName()).arg(axis->GetMin()).arg(axis->GetMax());
            painting.axes = axes.join(QStringLiteral(", "));
            for (const PlotChannel* channel : plot.channels())
                painting.drawsTraces = painting.drawsTraces || drawsSomething(plot, *channel);
            painting.texts.legendSamples.clear(); // the channels and axes may not outlive the plot
            painting.texts.axes.clear();
            m_paintings.push_back(std::move(painting));
        };
    }
    ~DrawnPlotTexts() { PlotPainter::drawnTextsObserver() = nullptr; }
    DrawnPlotTexts(const DrawnPlotTexts&) = delete;
    DrawnPlotTexts& operator=(const DrawnPlotTexts&) = delete;

    const std::vector<Painting>& paintings() const { return m_paintings; }
    void clear() { m_paintings.clear(); }

    // The traces the painter draws (shown, with points, on axes the plot
    // has) whose x or y axis the painting left out.
    static std::vector<TraceOffItsAxis> tracesOffTheirAxes(const Plot& plot, const PlotPainter::DrawnTexts& texts)
    {
        std::vector<TraceOffItsAxis> found;
        const auto shown = [&](const PlotAxis* axis) {
            return std::find(texts.axes.begin(), texts.axes.end(), axis) != texts.axes.end();
        };
        for (const PlotChannel* channel : plot.channels()) {
            const PlotChannelData& data = channel->data();
            if (!data.visible || data.xs.empty())
                continue;
            const PlotAxis* x = plot.resolveAxis(PlotAxis::Orientation::X, data.xAxisName);
            const PlotAxis* y = plot.resolveAxis(PlotAxis::Orientation::Y, data.yAxisName);
            if (!x || !y || !std::isfinite(x->GetMin()) || !std::isfinite(y->GetMin()))
                continue;
            const QString text = data.title.isEmpty() ? data.name : data.title;
            for (const PlotAxis* axis : { x, y })
                if (!shown(axis))
                    found.push_back({ text, axis->GetName() });
        }
        return found;
    }

    // Whether a channel puts anything on the plot: shown, with a finite
    // point, against axes the plot has.
    static bool drawsSomething(const Plot& plot, const PlotChannel& channel)
    {
        const PlotChannelData& data = channel.data();
        if (!data.visible)
            return false;
        if (!plot.resolveAxis(PlotAxis::Orientation::X, data.xAxisName)
            || !plot.resolveAxis(PlotAxis::Orientation::Y, data.yAxisName))
            return false;
        for (size_t i = 0; i < data.xs.size() && i < data.ys.size(); ++i)
            if (std::isfinite(data.xs[i]) && std::isfinite(data.ys[i]))
                return true;
        return false;
    }

    // The shown traces with finite points beyond their axes' ranges; a
    // point on the border (to a millionth of the span) is inside.
    static std::vector<TraceOutsideItsAxes> tracesOutsideTheirAxes(const Plot& plot)
    {
        std::vector<TraceOutsideItsAxes> found;
        const auto outside = [](const PlotAxis& axis, double value) {
            const double lo = std::min(axis.GetMin(), axis.GetMax());
            const double hi = std::max(axis.GetMin(), axis.GetMax());
            const double slack = 1e-6 * (hi - lo) + 1e-9;
            return value < lo - slack || value > hi + slack;
        };
        for (const PlotChannel* channel : plot.channels()) {
            const PlotChannelData& data = channel->data();
            if (!data.visible)
                continue;
            const PlotAxis* x = plot.resolveAxis(PlotAxis::Orientation::X, data.xAxisName);
            const PlotAxis* y = plot.resolveAxis(PlotAxis::Orientation::Y, data.yAxisName);
            if (!x || !y)
                continue;
            TraceOutsideItsAxes trace;
            for (size_t i = 0; i < data.xs.size() && i < data.ys.size(); ++i) {
                if (!std::isfinite(data.xs[i]) || !std::isfinite(data.ys[i]))
                    continue;
                if (!outside(*x, data.xs[i]) && !outside(*y, data.ys[i]))
                    continue;
                if (trace.points++ == 0) {
                    trace.x = data.xs[i];
                    trace.y = data.ys[i];
                }
            }
            if (trace.points == 0)
                continue;
            trace.text = data.title.isEmpty() ? data.name : data.title;
            trace.range = QStringLiteral("x %1..%2, y %3..%4")
                              .arg(x->GetMin())
                              .arg(x->GetMax())
                              .arg(y->GetMin())
                              .arg(y->GetMax());
            found.push_back(trace);
        }
        return found;
    }

    // On a plot whose axes fit their shown traces, the shown traces with
    // points inside their axes but on a border, or nearer to it than the
    // trace's line is wide (half a marker's size for a marked trace), on the
    // painted area: the border hides them. Every border of a value axis
    // counts; of a time axis, the end. A plot that shows the ranges set (a
    // strip chart's window, its newest point at the end) is not asked.
    static std::vector<TraceOnABorder> tracesOnABorder(const Plot& plot, const QRectF& area)
    {
        std::vector<TraceOnABorder> found;
        if (!plot.GetAxesFitShownTraces() || area.width() <= 0.0 || area.height() <= 0.0)
            return found;
        for (const PlotChannel* channel : plot.channels()) {
            const PlotChannelData& data = channel->data();
            if (!data.visible)
                continue;
            const PlotAxis* x = plot.resolveAxis(PlotAxis::Orientation::X, data.xAxisName);
            const PlotAxis* y = plot.resolveAxis(PlotAxis::Orientation::Y, data.yAxisName);
            if (!x || !y)
                continue;
            const double reach
                = std::max({ 1.0, double(data.lineWidth), data.markersVisible ? data.markerSize / 2.0 : 0.0 });
            TraceOnABorder trace;
            // Which border of an axis a value stands on, if any.
            const auto border = [&](const PlotAxis& axis, double value, double pixels) -> QString {
                const double lo = axis.GetMin();
                const double hi = axis.GetMax();
                if (!(hi > lo) || value < lo || value > hi)
                    return {};
                const double fromLo = (value - lo) / (hi - lo) * pixels;
                const double fromHi = (hi - value) / (hi - lo) * pixels;
                const bool vertical = axis.orientation() == PlotAxis::Orientation::Y;
                const bool time = axis.GetFit() == PlotAxis::Fit::Time;
                const QString range = QStringLiteral("%1 (%2..%3)").arg(axis.GetName()).arg(lo).arg(hi);
                if (!time && fromLo < reach)
                    return (vertical ? QStringLiteral("the bottom border of ") : QStringLiteral("the left border of "))
                        + range;
                if (fromHi < reach)
                    return (vertical ? QStringLiteral("the top border of ") : QStringLiteral("the right border of "))
                        + range;
                return {};
            };
            for (size_t i = 0; i < data.xs.size() && i < data.ys.size(); ++i) {
                if (!std::isfinite(data.xs[i]) || !std::isfinite(data.ys[i]))
                    continue;
                QString on = border(*y, data.ys[i], area.height());
                if (on.isEmpty())
                    on = border(*x, data.xs[i], area.width());
                if (on.isEmpty())
                    continue;
                if (trace.points++ == 0) {
                    trace.x = data.xs[i];
                    trace.y = data.ys[i];
                    trace.border = on;
                }
            }
            if (trace.points == 0)
                continue;
            trace.text = data.title.isEmpty() ? data.name : data.title;
            found.push_back(trace);
        }
        return found;
    }

    // How far apart two colours look: their distance in CIELAB (CIE 1976),
    // sRGB under daylight; about 2.3 is the least step an eye notices.
    static double colourDistance(QRgb a, QRgb b)
    {
        const auto lab = [](QRgb rgb) {
            const auto linear = [](int channel) {
                const double u = channel / 255.0;
                return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
            };
            const double r = linear(qRed(rgb));
            const double g = linear(qGreen(rgb));
            const double b = linear(qBlue(rgb));
            const auto f
                = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
            const double fx = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
            const double fy = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
            const double fz = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
            return std::array<double, 3> { 116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz) };
        };
        const std::array<double, 3> p = lab(a);
        const std::array<double, 3> q = lab(b);
        return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
    }

    // Colours nearer than this are not told apart at a glance in a legend's
    // thin sample on paper, though the eye would see them differ side by side.
    static constexpr double AlikeDistance = 25.0;

    // Two samples look alike when they have the same shape in colours a
    // reader does not tell apart: each pixel of one within AlikeDistance of
    // the same pixel of the other.
    static bool lookAlike(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return false;
        const QImage p = a.convertToFormat(QImage::Format_RGB32);
        const QImage q = b.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < p.height(); ++y) {
            const auto* left = reinterpret_cast<const QRgb*>(p.constScanLine(y));
            const auto* right = reinterpret_cast<const QRgb*>(q.constScanLine(y));
            for (int x = 0; x < p.width(); ++x)
                if (left[x] != right[x] && colourDistance(left[x], right[x]) >= AlikeDistance)
                    return false;
        }
        return true;
    }

    // A report's pictures print at about half the size the screen shows them:
    // their legends are read down to this size, no smaller.
    static constexpr double ReadablePicturePoints = 7.0;

    // Whether a text lies inside the rectangle the painter clipped it to.
    static bool within(const PlotPainter::DrawnText& text)
    {
        return text.clip.adjusted(-0.5, -0.5, 0.5, 0.5).contains(text.box);
    }

    static QStringList faultsOf(const Painting& painting)
    {
        QStringList faults;
        const QString where = QStringLiteral("\"%1\" %2x%3: ")
                                  .arg(painting.plotTitle)
                                  .arg(painting.texts.size.width())
                                  .arg(painting.texts.size.height());
        std::vector<PlotPainter::DrawnText> labels;
        for (const auto& axis : painting.texts.axisLabels)
            labels.insert(labels.end(), axis.begin(), axis.end());
        // Labels that touch read as one number: a pixel between them at least.
        const auto grown = [](const PlotPainter::DrawnText& label) { return label.box.adjusted(-0.5, -0.5, 0.5, 0.5); };
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j)
                if (grown(labels[i]).intersects(grown(labels[j])))
                    faults << where
                            + QStringLiteral("labels \"%1\" and \"%2\" overlap").arg(labels[i].text, labels[j].text);
        // Half a pixel of rounding is not a cut letter.
        const QRectF painted = QRectF(QPointF(0, 0), painting.texts.size).adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const PlotPainter::DrawnText& label : labels)
            if (!painted.contains(label.box))
                faults << where + QStringLiteral("label \"%1\" runs off the picture").arg(label.text);
        for (const PlotPainter::DrawnText& label : labels)
            if (label.box.intersects(painting.texts.legendRoom))
                faults << where + QStringLiteral("label \"%1\" lies under the legend").arg(label.text);
        const QRectF room = painting.texts.legendRoom.adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
            if (!room.contains(entry.box) || !within(entry))
                faults << where + QStringLiteral("legend entry \"%1\" is cut").arg(entry.text);
        for (const PlotPainter::DrawnText& label : labels)
            if (!within(label))
                faults << where + QStringLiteral("label \"%1\" is cut").arg(label.text);
        for (const PlotPainter::DrawnText& title : painting.texts.axisTitles)
            if (!within(title))
                faults << where
                        + QStringLiteral("axis title \"%1\" is cut: %2 x %3 in %4 x %5")
                              .arg(title.text)
                              .arg(title.box.width(), 0, 'f', 1)
                              .arg(title.box.height(), 0, 'f', 1)
                              .arg(title.clip.width(), 0, 'f', 1)
                              .arg(title.clip.height(), 0, 'f', 1);
        const auto& entries = painting.texts.legendEntries;
        for (size_t i = 0; i < entries.size(); ++i)
            for (size_t j = i + 1; j < entries.size(); ++j)
                if (entries[i].box.intersects(entries[j].box))
                    faults << where
                            + QStringLiteral("legend entries \"%1\" and \"%2\" overlap")
                                  .arg(entries[i].text, entries[j].text);
        // A grid stands on the labels of a shown axis: in each direction with
        // grid lines, some axis has a line at every label (the lowest value
        // label may stand a little above its tick, clear of the time labels).
        const auto& axes = painting.texts.axisLabels;
        const size_t xCount = std::min(painting.texts.xAxisCount, axes.size());
        const auto onGrid
            = [](const std::vector<PlotPainter::DrawnText>& labels, const std::vector<double>& grid, bool vertical) {
                  double lowest = -1e300;
                  for (const PlotPainter::DrawnText& label : labels)
                      lowest = std::max(lowest, label.box.center().y());
                  for (const PlotPainter::DrawnText& label : labels) {
                      const double at = vertical ? label.box.center().y() : label.box.center().x();
                      const bool found = std::any_of(grid.begin(), grid.end(), [&](double line) {
                          if (vertical && at == lowest)
                              return line >= label.box.top() && line <= label.box.bottom();
                          return std::abs(line - at) <= 1.0;
                      });
                      if (!found)
                          return false;
                  }
                  return true;
              };
        const auto gridOnLabels = [&](size_t first, size_t last, const std::vector<double>& grid, bool vertical) {
            if (grid.empty() || first == last)
                return true;
            for (size_t k = first; k < last; ++k)
                if (onGrid(axes[k], grid, vertical))
                    return true;
            return false;
        };
        if (!gridOnLabels(0, xCount, painting.texts.gridXs, false))
            faults << where + QStringLiteral("the vertical grid stands off the labels");
        if (!gridOnLabels(xCount, axes.size(), painting.texts.gridYs, true))
            faults << where + QStringLiteral("the horizontal grid stands off the labels");
        // Entries of traces that look different on the plot must look different
        // in the legend.
        const auto& samples = painting.samples;
        for (size_t i = 0; i < samples.size(); ++i)
            for (size_t j = i + 1; j < samples.size(); ++j)
                if (!(samples[i].trace == samples[j].trace) && lookAlike(samples[i].picture, samples[j].picture))
                    faults << where
                            + QStringLiteral("legend entries \"%1\" and \"%2\" are drawn alike")
                                  .arg(samples[i].text, samples[j].text);
        if (painting.texts.picture && painting.texts.legendPoints > 0.0
            && painting.texts.legendPoints < std::min(painting.plotPoints, ReadablePicturePoints))
            faults << where
                    + QStringLiteral("the legend is drawn at %1 pt, below the %2 pt a picture is read at")
                          .arg(painting.texts.legendPoints)
                          .arg(ReadablePicturePoints);
        const auto areaOf = [](const QRectF& r) { return r.width() * r.height(); };
        const double kept = areaOf(painting.texts.areaWithoutLegend) > 0.0
            ? areaOf(painting.texts.area) / areaOf(painting.texts.areaWithoutLegend)
            : 1.0;
        if (painting.texts.picture && kept < 0.5)
            faults << where
                    + QStringLiteral("the legend leaves the traces %1 % of their room")
                          .arg(int(std::floor(kept * 100.0)));
        for (const TraceOffItsAxis& trace : painting.tracesOffTheirAxes)
            faults << where
                    + QStringLiteral("trace \"%1\" is drawn against the hidden axis \"%2\"")
                          .arg(trace.text, trace.axis);
        for (const TraceOutsideItsAxes& trace : painting.tracesOutsideTheirAxes)
            faults << where
                    + QStringLiteral("trace \"%1\" has %2 points outside its axes (%3), the first at %4, %5")
                          .arg(trace.text)
                          .arg(trace.points)
                          .arg(trace.range)
                          .arg(trace.x)
                          .arg(trace.y);
        for (const TraceOnABorder& trace : painting.tracesOnABorder)
            faults << where
                    + QStringLiteral("trace \"%1\" has %2 points on %3, the first at %4, %5")
                          .arg(trace.text)
                          .arg(trace.points)
                          .arg(trace.border)
                          .arg(trace.x)
                          .arg(trace.y);
        for (const QString& entry : painting.entriesWithoutTrace)
            faults << where + QStringLiteral("legend entry \"%1\" stands for a trace that draws nothing").arg(entry);
        return faults;
    }

    QStringList faults() const
    {
        QStringList all;
        for (const Painting& painting : m_paintings)
            all << faultsOf(painting);
        all.removeDuplicates();
        return all;
    }

    // The paintings of plots with that title.
    std::vector<Painting> titled(const QString& title) const
    {
        std::vector<Painting> found;
        for (const Painting& painting : m_paintings)
            if (painting.plotTitle == title)
                found.push_back(painting);
        return found;
    }

private:
    std::vector<Painting> m_paintings;
};
