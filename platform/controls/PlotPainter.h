#pragma once

#include "PlotAxis.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

class Plot;
class PlotChannel;
class QPaintDevice;
class QPainter;

// Paints a plot (background, tool strip, title, grid, traces, axes, legend)
// into any paint device, in logical coordinates of the given size. The
// painter may be scaled (pictures larger than the widget): traces are then
// drawn in device pixels so they stay thin and sharp.
class PlotPainter
{
public:
    // A crowded legend takes a smaller font to leave the traces room; a
    // picture prints smaller than the screen shows it, so its legend stops
    // at a larger size than on screen.
    enum class Medium { Screen, Picture };

    struct AxisBand {
        const PlotAxis* axis;
        QRectF rect;
        // How far a value axis's title may reach past each end of the band,
        // into the free margin above the traces and the corner below them.
        double titleReach = 0.0;
    };

    // One legend entry: its sample of the trace (line and marker) runs along
    // `line`, its text starts at the left of `text`.
    struct LegendSlot {
        const PlotChannel* channel;
        QRectF line;
        QRectF text;
    };

    struct Layout {
        QRectF screenBar; // empty when the strip is hidden
        QRectF title;
        QRectF legend; // empty without legend entries
        QFont legendFont;
        std::vector<LegendSlot> legendSlots;
        QRectF area; // where the traces go
        std::vector<AxisBand> xBands;
        std::vector<AxisBand> yBands;
    };

    // A text as drawn: the box its letters take, and the rectangle the
    // painter clipped it to (a text reaching past it loses its end).
    struct DrawnText {
        QString text;
        QRectF box;
        QRectF clip;
    };

    // A legend entry's sample of its trace as drawn, in logical pixels, with
    // the channel it stands for.
    struct DrawnSample {
        const PlotChannel* channel;
        QImage picture;
    };

    // What one painting wrote, for checks that texts stay readable: the
    // tick labels of each axis shown, the axis titles (a value axis's title,
    // drawn upwards, as the upright box it takes), and each legend entry with
    // the room it was drawn in (an entry is whole when its box lies inside
    // that room), each entry's sample of its trace, in the entries' order,
    // and where the grid lines stand.
    struct DrawnTexts {
        QSizeF size;
        bool picture = false;
        QRectF area; // where the traces went
        QRectF areaWithoutLegend; // where they would have gone without the legend
        double legendPoints = 0.0; // the legend's font size; 0 without a legend
        std::vector<const PlotAxis*> axes; // the axes drawn, one for each of axisLabels
        std::vector<std::vector<DrawnText>> axisLabels;
        std::vector<DrawnText> axisTitles;
        std::vector<DrawnText> legendEntries;
        QRectF legendRoom;
        std::vector<DrawnSample> legendSamples;
        size_t xAxisCount = 0; // how many of axisLabels, from the first, are of x axes
        std::vector<double> gridXs; // where the vertical grid lines stand
        std::vector<double> gridYs; // where the horizontal ones stand
    };

    // `paperScale`: how many points on paper a point of a picture prints at.
    explicit PlotPainter(const Plot& plot, Medium medium = Medium::Screen, double paperScale = 1.0);

    // Without the legend: where the traces would go if the plot had none.
    Layout layout(const QSizeF& size, const QPaintDevice* device, bool withLegend = true) const;
    void paint(QPainter& painter, const QSizeF& size) const;
    // The labels an axis band carries: those of every tick while they stand a
    // character apart, otherwise of every k-th tick, k the smallest that
    // leaves that gap (preferring steps of 1, 2 or 5 times a power of ten).
    std::vector<DrawnText> axisLabels(
        const AxisBand& band, const QRectF& area, const QPaintDevice* device, bool vertical) const;

    // Tests see every painting's texts through this hook; the program leaves it empty.
    static std::function<void(const Plot&, const DrawnTexts&)>& drawnTextsObserver();

private:
    bool axisShown(const PlotAxis* axis, bool first) const;
    QFont axisFont(const PlotAxis& axis) const;
    QFont titleFont() const;
    double labelWidth(const PlotAxis& axis, const QPaintDevice* device) const;

    void paintScreenBar(QPainter& painter, const QRectF& rect) const;
    // The axis whose ticks the grid of one direction stands on: the one the
    // plot names while it is shown, else the first one shown.
    const PlotAxis* gridAxis(
        PlotAxis::Orientation orientation, const QString& name, const std::vector<AxisBand>& shown) const;
    void paintGrid(QPainter& painter, const Layout& parts, DrawnTexts* drawn) const;
    void paintTraces(QPainter& painter, const QRectF& area) const;
    // Each returns the tick labels it drew and, given `titles`, adds its title there.
    std::vector<DrawnText> paintXAxis(
        QPainter& painter, const AxisBand& band, const QRectF& area, std::vector<DrawnText>* titles) const;
    std::vector<DrawnText> paintYAxis(
        QPainter& painter, const AxisBand& band, const QRectF& area, std::vector<DrawnText>* titles) const;
    void paintLegend(QPainter& painter, const Layout& parts) const;
    // A short piece of the channel's trace along `line`: its line as the
    // trace is drawn and, when the trace shows markers, one in the middle.
    void paintLegendSample(QPainter& painter, const PlotChannel& channel, const QRectF& line, double height) const;
    // The legend's samples as paintLegend() draws them, one picture each.
    std::vector<DrawnSample> drawnSamples(const Layout& parts) const;
    // `axes`: the width the value axes and the height the time axes take.
    void layoutLegend(Layout& result, const QSizeF& size, double top, double& bottom, double& right, const QSizeF& axes,
        const QPaintDevice* device) const;

    const Plot& m_plot;
    Medium m_medium;
    double m_paperScale;
};
