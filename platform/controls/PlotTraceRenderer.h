#pragma once

#include "PlotChannelData.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <vector>

class QPainter;
class QPen;

// Draws one channel's trace and markers in device pixels. A channel of a
// million points becomes at most four points per pixel column (first,
// lowest, highest, last of the run of points in that column), which draws
// the same picture as every point would.
class PlotTraceRenderer
{
public:
    // Axis ranges onto a rectangle of device pixels (y grows downwards).
    struct Mapping {
        double xMin = 0.0;
        double xSpan = 1.0;
        double yMin = 0.0;
        double ySpan = 1.0;
        QRectF area;

        double px(double x) const { return area.left() + (x - xMin) / xSpan * area.width(); }
        double py(double y) const { return area.bottom() - (y - yMin) / ySpan * area.height(); }
    };

    // The polyline to draw: consecutive points that fall into one pixel column
    // collapse to first, lowest, highest and last; runs left or right of the
    // area collapse to their first and last point. Points with a NaN are left
    // out. A point at x lies in column floor(x + columnOffset): the offset
    // matches the columns to those the trace is drawn in (see
    // denseColumnOffset).
    static void decimate(const double* xs, const double* ys, size_t count, const Mapping& mapping,
        std::vector<QPointF>& out, double columnOffset = 0.0);
    // Every point mapped, for comparison with decimate().
    static void mapAll(
        const double* xs, const double* ys, size_t count, const Mapping& mapping, std::vector<QPointF>& out);

    // Sparse traces are antialiased with the pen as it is; dense ones are
    // drawn in whole pixels (see drawDensePolyline).
    static void drawTrace(QPainter& painter, const PlotChannelData& channel, const Mapping& mapping, const QPen& pen);
    static void drawDensePolyline(QPainter& painter, const std::vector<QPointF>& points, const QPen& pen);
    // The column offset (see decimate) that makes thinned columns the pixel
    // columns drawDensePolyline lights: with an even width every copy of the
    // line stands half a pixel off the grid.
    static double denseColumnOffset(const QPen& pen);
    // Markers at every point, or only at the marked ones when the channel marks
    // points individually and has any marked.
    static void drawMarkers(QPainter& painter, const PlotChannelData& channel, const Mapping& mapping, double halfSize,
        const QColor& color);
    // Marker styles 0, 1 and 5 are a square, a circle and a triangle.
    static void drawMarker(QPainter& painter, int style, const QPointF& at, double halfSize);
};
