#pragma once

#include <QRectF>
#include <QSizeF>

#include <vector>

class Plot;
class PlotAxis;
class QFont;
class QPaintDevice;
class QPainter;

// Paints a plot (background, tool strip, title, grid, traces, axes, legend)
// into any paint device, in logical coordinates of the given size. The
// painter may be scaled (pictures larger than the widget): traces are then
// drawn in device pixels so they stay thin and sharp.
class PlotPainter
{
public:
    struct AxisBand {
        const PlotAxis* axis;
        QRectF rect;
    };

    struct Layout {
        QRectF screenBar; // empty when the strip is hidden
        QRectF title;
        QRectF legend; // empty without legend entries
        QRectF area; // where the traces go
        std::vector<AxisBand> xBands;
        std::vector<AxisBand> yBands;
    };

    explicit PlotPainter(const Plot& plot);

    Layout layout(const QSizeF& size, const QPaintDevice* device) const;
    void paint(QPainter& painter, const QSizeF& size) const;

private:
    bool axisShown(const PlotAxis* axis, bool first) const;
    QFont axisFont(const PlotAxis& axis) const;
    QFont titleFont() const;
    double labelWidth(const PlotAxis& axis, const QPaintDevice* device) const;

    void paintScreenBar(QPainter& painter, const QRectF& rect) const;
    void paintGrid(QPainter& painter, const QRectF& area) const;
    void paintTraces(QPainter& painter, const QRectF& area) const;
    void paintXAxis(QPainter& painter, const AxisBand& band, const QRectF& area) const;
    void paintYAxis(QPainter& painter, const AxisBand& band, const QRectF& area) const;
    void paintLegend(QPainter& painter, const QRectF& rect) const;

    const Plot& m_plot;
};
