#include "PlotTraceRenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace
{

// Coordinates far outside the area are pulled in so the painter never meets
// values its rasteriser cannot hold; lines that far out are clipped anyway.
constexpr double FarOut = 1e5;

constexpr long long LeftOfArea = LLONG_MIN;
constexpr long long RightOfArea = LLONG_MAX;

// The points of one pixel column (or one off-area run) met so far, by index.
struct Column {
    long long key = 0;
    // Every point with lowerBound <= px < upperBound belongs to this column;
    // a point outside needs its column worked out (see columnKey).
    double lowerBound = 0.0, upperBound = 0.0;
    size_t firstIndex = 0, lastIndex = 0, lowIndex = 0, highIndex = 0;
    // y grows downwards: the lowest value is the largest pixel row.
    double lowRow = 0.0, highRow = 0.0;
};

QPointF mapPoint(const PlotTraceRenderer::Mapping& m, double x, double y)
{
    const QRectF& a = m.area;
    return QPointF(std::clamp(m.px(x), a.left() - FarOut, a.right() + FarOut),
        std::clamp(m.py(y), a.top() - FarOut, a.bottom() + FarOut));
}

long long columnKey(const PlotTraceRenderer::Mapping& m, double px)
{
    if (px < m.area.left() - 1.0)
        return LeftOfArea;
    if (px > m.area.right() + 1.0)
        return RightOfArea;
    // The floor of a pixel coordinate near the area, without a library call:
    // truncation, one less for a negative fraction.
    const auto truncated = static_cast<long long>(px);
    return px < static_cast<double>(truncated) ? truncated - 1 : truncated;
}

// The stretch of pixel coordinates that columnKey() gives the key of a
// column, less its right edge: two comparisons tell a point of the column.
void columnBounds(const PlotTraceRenderer::Mapping& m, Column& column)
{
    const double inLeft = m.area.left() - 1.0;
    const double inRight = m.area.right() + 1.0;
    const double infinity = std::numeric_limits<double>::infinity();
    if (column.key == LeftOfArea) {
        column.lowerBound = -infinity;
        column.upperBound = inLeft;
    } else if (column.key == RightOfArea) {
        column.lowerBound = std::nextafter(inRight, infinity);
        column.upperBound = infinity;
    } else {
        column.lowerBound = std::max(static_cast<double>(column.key), inLeft);
        column.upperBound = std::min(static_cast<double>(column.key) + 1.0, inRight);
    }
}

// The pen's width in whole pixels, as a dense trace is drawn.
int densePixelWidth(const QPen& pen)
{
    return std::max(1, static_cast<int>(std::lround(pen.widthF())));
}

bool usable(double x, double y)
{
    return !std::isnan(x) && !std::isnan(y);
}

} // namespace

void PlotTraceRenderer::decimate(const double* xs, const double* ys, size_t count, const Mapping& mapping,
    std::vector<QPointF>& out, double columnOffset)
{
    out.clear();
    const QRectF& a = mapping.area;
    // Columns are found on coordinates moved by the offset, and points are
    // moved back as they are kept.
    Mapping shifted = mapping;
    shifted.area.translate(columnOffset, 0.0);
    // The hot loop of drawing a large channel: one multiplication per
    // coordinate instead of the mapping's divisions, on copies the compiler
    // can keep in registers while points are written out.
    const double left = shifted.area.left();
    const double bottom = a.bottom();
    const double xMin = mapping.xMin;
    const double yMin = mapping.yMin;
    const double xScale = a.width() / mapping.xSpan;
    const double yScale = a.height() / mapping.ySpan;
    // Points are kept by index and mapped again when their column is done:
    // the same arithmetic gives the same coordinates.
    auto keep = [&](size_t i) {
        const double px = left + (xs[i] - xMin) * xScale - columnOffset;
        out.push_back(QPointF(std::clamp(px, a.left() - FarOut, a.right() + FarOut),
            std::clamp(bottom - (ys[i] - yMin) * yScale, a.top() - FarOut, a.bottom() + FarOut)));
    };
    auto flush = [&](const Column& c) {
        keep(c.firstIndex);
        const bool offArea = c.key == LeftOfArea || c.key == RightOfArea;
        if (!offArea) {
            const size_t aIndex = std::min(c.lowIndex, c.highIndex);
            const size_t bIndex = std::max(c.lowIndex, c.highIndex);
            if (aIndex != c.firstIndex && aIndex != c.lastIndex)
                keep(aIndex);
            if (bIndex != c.firstIndex && bIndex != c.lastIndex && bIndex != aIndex)
                keep(bIndex);
        }
        if (c.lastIndex != c.firstIndex)
            keep(c.lastIndex);
    };

    Column column;
    bool started = false;
    // Before the first point no column holds anything.
    column.lowerBound = std::numeric_limits<double>::infinity();
    column.upperBound = -std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < count; ++i) {
        const double px = left + (xs[i] - xMin) * xScale;
        const double py = bottom - (ys[i] - yMin) * yScale;
        // A NaN sample has no place; neither has a point at the minimum of a
        // span so small that the scale overflows (0 times infinity).
        if (std::isnan(px) || std::isnan(py))
            continue;
        // Most points fall into the column of the point before: two
        // comparisons tell, where working out the column would cost a floor
        // (a library call) or a conversion per point.
        bool sameColumn = px >= column.lowerBound && px < column.upperBound;
        long long key = column.key;
        if (!sameColumn) {
            key = columnKey(shifted, px);
            sameColumn = started && key == column.key;
        }
        if (sameColumn) {
            column.lastIndex = i;
            if (py > column.lowRow) {
                column.lowRow = py;
                column.lowIndex = i;
            }
            if (py < column.highRow) {
                column.highRow = py;
                column.highIndex = i;
            }
            continue;
        }
        if (started)
            flush(column);
        started = true;
        column.key = key;
        columnBounds(shifted, column);
        column.firstIndex = column.lastIndex = column.lowIndex = column.highIndex = i;
        column.lowRow = column.highRow = py;
    }
    if (started)
        flush(column);
}

void PlotTraceRenderer::mapAll(
    const double* xs, const double* ys, size_t count, const Mapping& mapping, std::vector<QPointF>& out)
{
    out.clear();
    out.reserve(count);
    for (size_t i = 0; i < count; ++i)
        if (usable(xs[i], ys[i]))
            out.push_back(mapPoint(mapping, xs[i], ys[i]));
}

void PlotTraceRenderer::drawTrace(
    QPainter& painter, const PlotChannelData& channel, const Mapping& mapping, const QPen& pen)
{
    const size_t count = channel.xs.size();
    if (count == 0)
        return;
    std::vector<QPointF> points;
    decimate(channel.xs.data(), channel.ys.data(), count, mapping, points, denseColumnOffset(pen));
    const bool dense = count > static_cast<size_t>(2 * mapping.area.width());
    painter.save();
    if (points.size() == 1) {
        painter.setPen(pen);
        painter.drawPoint(points.front());
    } else if (!dense) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(pen);
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    } else {
        drawDensePolyline(painter, points, pen);
    }
    painter.restore();
}

double PlotTraceRenderer::denseColumnOffset(const QPen& pen)
{
    // The copies start half a pixel left of the point for an even width, and
    // a thin line lights the pixel column its coordinate falls in.
    return densePixelWidth(pen) % 2 == 0 ? 0.5 : 0.0;
}

void PlotTraceRenderer::drawDensePolyline(QPainter& painter, const std::vector<QPointF>& points, const QPen& pen)
{
    // A wide pen on a dense zig-zag makes the stroker build and fill one huge
    // self-intersecting polygon (over ten times slower than thin lines).
    // Thin lines shifted by whole pixels across and down cover the same
    // pixels; antialiasing a dense trace would cost much and show nothing.
    const int width = densePixelWidth(pen);
    QPen thin(pen.color(), 0);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(thin);
    const QTransform base = painter.transform();
    for (int shift = 0; shift < 2 * width - 1; ++shift) {
        const double dx = shift < width ? shift : 0;
        const double dy = shift < width ? 0 : shift - width + 1;
        painter.setTransform(QTransform::fromTranslate(dx - (width - 1) / 2.0, dy - (width - 1) / 2.0) * base);
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    painter.setTransform(base);
}

void PlotTraceRenderer::drawMarkers(
    QPainter& painter, const PlotChannelData& channel, const Mapping& mapping, double halfSize, const QColor& color)
{
    const bool anyMarked = channel.individualMarking
        && std::find(channel.marked.begin(), channel.marked.end(), true) != channel.marked.end();
    const QRectF bounds = mapping.area.adjusted(-halfSize, -halfSize, halfSize, halfSize);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(color, 1.0));
    painter.setBrush(color);
    QPoint lastPixel(INT_MIN, INT_MIN);
    for (size_t i = 0; i < channel.xs.size(); ++i) {
        if (anyMarked && !channel.marked[i])
            continue;
        if (!usable(channel.xs[i], channel.ys[i]))
            continue;
        const QPointF at = mapPoint(mapping, channel.xs[i], channel.ys[i]);
        if (!bounds.contains(at))
            continue;
        // A marker on the pixel of the previous one would only paint it again.
        const QPoint pixel = at.toPoint();
        if (pixel == lastPixel)
            continue;
        lastPixel = pixel;
        drawMarker(painter, channel.markerStyle, at, halfSize);
    }
    painter.restore();
}

void PlotTraceRenderer::drawMarker(QPainter& painter, int style, const QPointF& at, double h)
{
    switch (style) {
    case 1:
        painter.drawEllipse(at, h, h);
        break;
    case 2: {
        const QPointF diamond[] = { at + QPointF(0, -h), at + QPointF(h, 0), at + QPointF(0, h), at + QPointF(-h, 0) };
        painter.drawPolygon(diamond, 4);
        break;
    }
    case 3:
        painter.drawLine(at + QPointF(-h, -h), at + QPointF(h, h));
        painter.drawLine(at + QPointF(-h, h), at + QPointF(h, -h));
        break;
    case 4:
        painter.drawLine(at + QPointF(-h, 0), at + QPointF(h, 0));
        painter.drawLine(at + QPointF(0, -h), at + QPointF(0, h));
        break;
    case 5: {
        const QPointF triangle[] = { at + QPointF(0, -h), at + QPointF(h, h), at + QPointF(-h, h) };
        painter.drawPolygon(triangle, 3);
        break;
    }
    default:
        painter.drawRect(QRectF(at.x() - h, at.y() - h, 2 * h, 2 * h));
        break;
    }
}
