#include "PlotPainter.h"

#include "Plot.h"
#include "PlotTraceRenderer.h"
#include "WinColor.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

constexpr double TickLength = 5.0;
constexpr double Margin = 4.0;
// Legend entries that do not fit in one column at the plot's font take more
// columns, then a smaller font, never smaller than this.
constexpr double LegendFloorPoints = 6.0;
// A picture prints smaller than the screen shows it: its legend stops at the
// smallest size the report's pictures stay readable at.
constexpr double PictureLegendFloorPoints = 7.0;
constexpr double LegendFontStep = 0.5;
// The colour sample and the gaps around it, beside each entry's text.
constexpr double LegendSampleLeft = 6.0;
constexpr double LegendSampleRight = 26.0;
constexpr double LegendTextLeft = 32.0;
constexpr double LegendEntryExtra = 40.0;
constexpr double LegendRowGap = 4.0;
constexpr double LegendPad = 4.0;
const QColor FrameColor(0x40, 0x40, 0x40);
const QColor GridColor(0xDC, 0xDC, 0xDC);
// Line widths and marker sizes are drawn up to this many pixels (before a
// picture's scaling). A data file may carry any value, and a width in the
// millions would keep the painter busy for minutes on one frame.
constexpr int MaxDrawnSize = 32;

// A channel's line width or marker size as drawn: at least one pixel, at most MaxDrawnSize.
double drawnSize(int size, double scale)
{
    return std::clamp(size, 1, MaxDrawnSize) * scale;
}

QFontMetricsF metrics(const QFont& font, const QPaintDevice* device)
{
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

QString tickLabel(double value)
{
    return QString::number(value, 'g', 6);
}

bool hasTitle(const PlotAxis& axis)
{
    return axis.GetTitleVisible() && !axis.GetTitle().isEmpty();
}

QString legendText(const PlotChannel& channel)
{
    return channel.GetTitle().isEmpty() ? channel.GetName() : channel.GetTitle();
}

std::vector<const PlotChannel*> legendEntries(const Plot& plot)
{
    std::vector<const PlotChannel*> entries;
    if (!plot.GetLegendVisible())
        return entries;
    for (const PlotChannel* channel : plot.channels())
        // A trace that draws nothing (no point yet, or none in the file
        // shown) has no entry: a reader would look for it under the others.
        if (channel->GetLegendVisible() && plot.drawsSomething(*channel))
            entries.push_back(channel);
    return entries;
}

// Where a value of the axis lies along a stretch of length `length`.
double along(const PlotAxis& axis, double value, double length)
{
    return (value - axis.GetMin()) / axis.drawSpan() * length;
}

// 1, 2 or 5 times a power of ten.
bool roundStep(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return false;
    const double mantissa = value / std::pow(10.0, std::floor(std::log10(value)));
    for (double round : { 1.0, 2.0, 5.0, 10.0 })
        if (std::abs(mantissa - round) < 1e-6)
            return true;
    return false;
}

// How many ticks apart labels may stand, in the order they are tried: every
// tick first, then every second; then the spacings that make the labelled
// step a round number, when the tick step allows any; otherwise every third,
// fourth, ... tick.
std::vector<size_t> labelStrides(double step, size_t tickCount)
{
    std::vector<size_t> strides { 1, 2 };
    for (size_t k = 3; k < tickCount; ++k)
        if (roundStep(k * step))
            strides.push_back(k);
    if (strides.size() == 2)
        for (size_t k = 3; k < tickCount; ++k)
            strides.push_back(k);
    return strides;
}

} // namespace

PlotPainter::PlotPainter(const Plot& plot, Medium medium, double paperScale)
    : m_plot(plot)
    , m_medium(medium)
    , m_paperScale(std::isfinite(paperScale) && paperScale > 0.0 ? paperScale : 1.0)
{
}

bool PlotPainter::axisShown(const PlotAxis* axis, bool first) const
{
    if (!axis->GetVisible())
        return false;
    if (first)
        return true;
    // Further axes take room only when a shown channel is drawn against them.
    for (const PlotChannel* channel : m_plot.channels()) {
        if (!channel->GetVisible())
            continue;
        const QString& name
            = axis->orientation() == PlotAxis::Orientation::X ? channel->data().xAxisName : channel->data().yAxisName;
        if (m_plot.resolveAxis(axis->orientation(), name) == axis)
            return true;
    }
    return false;
}

QFont PlotPainter::axisFont(const PlotAxis& axis) const
{
    QFont font = m_plot.GetPlotFont();
    if (axis.GetFontSize() > 0.0)
        font.setPointSizeF(axis.GetFontSize());
    font.setBold(axis.GetFontBold());
    return font;
}

QFont PlotPainter::titleFont() const
{
    QFont font = m_plot.GetPlotFont();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2.0);
    return font;
}

double PlotPainter::labelWidth(const PlotAxis& axis, const QPaintDevice* device) const
{
    const QFontMetricsF fm = metrics(axisFont(axis), device);
    double width = 0.0;
    for (double value : axis.tickValues())
        width = std::max(width, fm.horizontalAdvance(tickLabel(value)));
    return width;
}

std::vector<PlotPainter::DrawnText> PlotPainter::axisLabels(
    const AxisBand& band, const QRectF& area, const QPaintDevice* device, bool vertical) const
{
    const PlotAxis& axis = *band.axis;
    std::vector<DrawnText> none;
    if (!axis.GetLabelsVisible())
        return none;
    const std::vector<double> ticks = axis.tickValues();
    if (ticks.empty())
        return none;
    const QFontMetricsF fm = metrics(axisFont(axis), device);
    const double gap = fm.horizontalAdvance(QLatin1Char('0'));
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1.0;
    // Labels count their ticks from the axis's own origin, so every k-th one
    // falls on a multiple of the labelled step.
    const bool fixedIncrement
        = ticks.size() > 1 && axis.GetIncrement() > 0.0 && std::abs(step - axis.GetIncrement()) <= step * 1e-9;
    const double origin = fixedIncrement ? axis.GetStartValue() : 0.0;
    // A fitted range is read at its ends: labels count their ticks from the
    // lower end, and the upper end keeps its label too, on screen as in a
    // picture of any size.
    const bool ends = axis.labelledEnds();

    const auto labelled = [&](size_t stride) {
        std::vector<DrawnText> labels;
        for (size_t k = 0; k < ticks.size(); ++k) {
            const double value = ticks[k];
            const double index = ends ? double(k) : std::round((value - origin) / step);
            const bool upperEnd = ends && k + 1 == ticks.size();
            if (stride > 1 && !upperEnd && std::fmod(std::abs(index), double(stride)) != 0.0)
                continue;
            const QString text = tickLabel(value);
            const double width = fm.horizontalAdvance(text);
            QRectF box;
            if (vertical) {
                const double y = area.bottom() - along(axis, value, area.height());
                const double right = band.rect.right() - TickLength - 3.0;
                // The lowest label stays clear of the labels of the axis below,
                // a pixel apart: a negative first label there ("-20") reaches
                // in under it.
                const double centre = std::min(y, area.bottom() + TickLength - 1.0 - fm.height() / 2.0);
                box = QRectF(right - width, centre - fm.height() / 2.0, width, fm.height());
            } else {
                const double x = area.left() + along(axis, value, area.width());
                box = QRectF(x - width / 2.0, band.rect.top() + TickLength, width, fm.height());
            }
            labels.push_back({ text, box, QRectF() });
        }
        return labels;
    };
    const auto twoApart = [&](const DrawnText& lower, const DrawnText& upper) {
        return vertical ? lower.box.top() - upper.box.bottom() >= gap : upper.box.left() - lower.box.right() >= gap;
    };
    const auto apart = [&](const std::vector<DrawnText>& labels) {
        for (size_t i = 1; i < labels.size(); ++i)
            if (!twoApart(labels[i - 1], labels[i]))
                return false;
        return true;
    };
    // The upper end off the stride: the label below it gives way to it.
    const auto endsKept = [&](std::vector<DrawnText> labels) {
        if (ends && labels.size() > 2 && !twoApart(labels[labels.size() - 2], labels.back()))
            labels.erase(labels.end() - 2);
        return labels;
    };
    for (size_t stride : labelStrides(step, ticks.size())) {
        std::vector<DrawnText> labels = endsKept(labelled(stride));
        if (!labels.empty() && apart(labels))
            return labels;
    }
    // Not even two labels fit: the lowest tick's alone.
    std::vector<DrawnText> first = labelled(1);
    first.resize(1);
    return first;
}

void PlotPainter::layoutLegend(Layout& result, const QSizeF& size, double top, double& bottom, double& right,
    const QSizeF& axes, const QPaintDevice* device) const
{
    const std::vector<const PlotChannel*> entries = legendEntries(m_plot);
    if (entries.empty())
        return;
    const QFont base = m_plot.GetPlotFont();
    const double room = std::max(0.0, bottom - top);
    const double widest = size.width() / 3.0;
    const double fullWidth = std::max(0.0, size.width() - 2.0 * Margin);
    const double baseHeight = metrics(base, device).height();
    struct Fit {
        QFont font;
        bool below = false;
        double scale = 1.0; // of the sample and the gaps, with the font
        size_t columns = 1;
        size_t rows = 1;
        std::vector<double> columnWidths; // each column as wide as its longest entry
        double rowHeight = 0.0;
        double width() const
        {
            double sum = 0.0;
            for (double w : columnWidths)
                sum += w;
            return sum;
        }
        double height() const { return double(rows) * rowHeight + 2.0 * LegendPad; }
    };
    const bool picture = m_medium == Medium::Picture;
    const double paperShrink = picture ? std::min(1.0, m_paperScale) : 1.0;
    const auto fitAt = [&](const QFont& font, bool below) {
        const QFontMetricsF fm = metrics(font, device);
        Fit fit;
        fit.font = font;
        fit.below = below;
        // The sample and the gaps shrink with a picture onto paper, the text
        // not below its floor there.
        fit.scale = (baseHeight > 0.0 ? std::min(1.0, fm.height() / baseHeight) : 1.0) * paperShrink;
        fit.rowHeight = fm.height() + LegendRowGap * fit.scale;
        std::vector<double> textWidths;
        for (const PlotChannel* channel : entries)
            textWidths.push_back(fm.horizontalAdvance(legendText(*channel)));
        const auto inColumns = [&](size_t columns) {
            fit.columns = columns;
            fit.rows = (entries.size() + columns - 1) / columns;
            fit.columnWidths.assign(columns, 0.0);
            for (size_t i = 0; i < entries.size(); ++i)
                fit.columnWidths[i / fit.rows]
                    = std::max(fit.columnWidths[i / fit.rows], textWidths[i] + LegendEntryExtra * fit.scale);
        };
        if (below) {
            // As many columns as the width holds.
            inColumns(1);
            for (size_t columns = 2; columns <= entries.size(); ++columns) {
                const Fit one = fit;
                inColumns(columns);
                if (fit.width() > fullWidth) {
                    fit = one;
                    break;
                }
            }
        } else {
            const size_t rows = std::max<size_t>(1, size_t(std::floor((room - 2.0 * LegendPad) / fit.rowHeight)));
            inColumns((entries.size() + rows - 1) / rows);
        }
        return fit;
    };
    const auto atPoints = [&](double points, bool below) {
        QFont font = base;
        if (points > 0.0)
            font.setPointSizeF(points);
        return fitAt(font, below);
    };
    // Under the plot a legend may take half of the traces' own height, not
    // counting the band of the time axes' labels below them.
    const double tracesHeight = std::max(0.0, room - axes.height());
    const auto fits = [&](const Fit& fit) {
        return fit.below ? fit.height() + Margin <= tracesHeight / 2.0 : fit.width() <= widest;
    };
    // Beside the plot in the plot's own font, in as many columns as the
    // height asks for while they fit a third of the width; then, on screen,
    // in smaller fonts down to the floor; then under the plot, in the columns
    // its width holds. What fits nowhere takes the room its entries need
    // rather than cut them, where it leaves the traces the larger area.
    // A picture shrunk onto paper keeps its floor on paper: in the picture's
    // own points it is that much larger, and a legend starts there when the
    // plot's font would print smaller.
    const double floor = picture ? PictureLegendFloorPoints / paperShrink : LegendFloorPoints;
    const double first = picture && paperShrink < 1.0 && base.pointSizeF() > 0.0 ? std::max(base.pointSizeF(), floor)
                                                                                 : base.pointSizeF();
    std::vector<double> sizes;
    for (double points = first; points > floor; points -= LegendFontStep)
        sizes.push_back(points);
    sizes.push_back(first > 0.0 ? std::min(first, floor) : first);
    std::optional<Fit> chosen;
    for (bool below : { false, true }) {
        for (double points : sizes) {
            const Fit fit = atPoints(points, below);
            if (fits(fit)) {
                chosen = fit;
                break;
            }
        }
        if (chosen)
            break;
    }
    if (!chosen) {
        const Fit beside = atPoints(sizes.back(), false);
        const Fit under = atPoints(sizes.back(), true);
        const double besideArea
            = std::max(0.0, right - beside.width() - axes.width()) * std::max(0.0, room - axes.height());
        const double underArea
            = std::max(0.0, right - axes.width()) * std::max(0.0, room - under.height() - axes.height());
        chosen = besideArea >= underArea ? beside : under;
    }
    const Fit& fit = *chosen;
    const double width = fit.width();
    const double height = std::min(fit.height(), fit.below ? std::max(0.0, size.height() - top) : room);
    if (fit.below)
        result.legend = QRectF(std::max(Margin, std::min(right, size.width() - Margin) - width),
            std::max(top, bottom - height), width, height);
    else
        result.legend = QRectF(right - width, top, width, height);
    result.legendFont = fit.font;
    const QFontMetricsF fm = metrics(fit.font, device);
    for (size_t i = 0; i < entries.size(); ++i) {
        // Down the first column, then the next.
        double left = result.legend.left();
        for (size_t column = 0; column < i / fit.rows; ++column)
            left += fit.columnWidths[column];
        const double columnWidth = fit.columnWidths[i / fit.rows];
        const double y = result.legend.top() + LegendPad + double(i % fit.rows) * fit.rowHeight;
        const double middle = y + fm.height() / 2.0;
        const double textLeft = left + LegendTextLeft * fit.scale;
        result.legendSlots.push_back({ entries[i],
            QRectF(
                left + LegendSampleLeft * fit.scale, middle, (LegendSampleRight - LegendSampleLeft) * fit.scale, 0.0),
            QRectF(textLeft, y, left + columnWidth - LegendPad * fit.scale - textLeft, fm.height()) });
    }
    if (fit.below) {
        bottom = result.legend.top() - Margin;
    } else if (result.legend.bottom() > bottom - axes.height()) {
        // A legend reaching down beside the time axis's labels leaves room
        // for the half of the last label that stands past the traces.
        const double halfLabel = metrics(base, device).horizontalAdvance(QStringLiteral("00000")) / 2.0;
        right -= width + std::max(2.0 * Margin, halfLabel + Margin);
    } else {
        right -= width + 2.0 * Margin;
    }
}

PlotPainter::Layout PlotPainter::layout(const QSizeF& size, const QPaintDevice* device, bool withLegend) const
{
    Layout result;
    const QFontMetricsF fm = metrics(m_plot.GetPlotFont(), device);
    double top = 0.0;
    if (m_plot.ScreenBar(0)->GetVisible()) {
        result.screenBar = QRectF(0.0, 0.0, size.width(), fm.height() + 8.0);
        top = result.screenBar.bottom();
    }
    if (!m_plot.GetTitle().isEmpty()) {
        result.title = QRectF(0.0, top, size.width(), metrics(titleFont(), device).height() + 6.0);
        top = result.title.bottom();
    }
    const double contentTop = top;
    top += fm.height() / 2.0 + Margin;
    const double left = Margin;
    double bottom = size.height() - Margin;
    double right = size.width() - std::max(2.0 * Margin, fm.horizontalAdvance(QStringLiteral("00000")) / 2.0);

    std::vector<double> xHeights;
    std::vector<double> yWidths;
    for (size_t i = 0; i < m_plot.xAxes().size(); ++i) {
        const PlotAxis* axis = m_plot.xAxes()[i];
        if (!axisShown(axis, i == 0))
            continue;
        const double line = metrics(axisFont(*axis), device).height();
        result.xBands.push_back({ axis, QRectF() });
        xHeights.push_back(
            TickLength + (axis->GetLabelsVisible() ? line : 0.0) + (hasTitle(*axis) ? line + 4.0 : 0.0) + Margin);
    }
    for (size_t i = 0; i < m_plot.yAxes().size(); ++i) {
        const PlotAxis* axis = m_plot.yAxes()[i];
        if (!axisShown(axis, i == 0))
            continue;
        const double line = metrics(axisFont(*axis), device).height();
        result.yBands.push_back({ axis, QRectF() });
        yWidths.push_back(TickLength + (axis->GetLabelsVisible() ? labelWidth(*axis, device) + 3.0 : 0.0)
            + (hasTitle(*axis) ? line + 4.0 : 0.0) + Margin);
    }
    double totalHeight = 0.0;
    for (double h : xHeights)
        totalHeight += h;
    double totalWidth = 0.0;
    for (double w : yWidths)
        totalWidth += w;

    if (withLegend)
        layoutLegend(result, size, top, bottom, right, QSizeF(left + totalWidth, totalHeight), device);

    result.area = QRectF(
        left + totalWidth, top, std::max(10.0, right - left - totalWidth), std::max(10.0, bottom - totalHeight - top));

    double y = result.area.bottom();
    for (size_t i = 0; i < result.xBands.size(); ++i) {
        result.xBands[i].rect = QRectF(result.area.left(), y, result.area.width(), xHeights[i]);
        y += xHeights[i];
    }
    double x = result.area.left();
    const double titleReach = std::max(0.0, std::min(result.area.top() - contentTop, bottom - result.area.bottom()));
    for (size_t i = 0; i < result.yBands.size(); ++i) {
        x -= yWidths[i];
        result.yBands[i].rect = QRectF(x, result.area.top(), yWidths[i], result.area.height());
        result.yBands[i].titleReach = titleReach;
    }
    return result;
}

void PlotPainter::paint(QPainter& painter, const QSizeF& size) const
{
    const Layout parts = layout(size, painter.device());
    painter.fillRect(QRectF(QPointF(0, 0), size), WinColor::toQColor(m_plot.GetBackColor()));
    if (!parts.screenBar.isEmpty())
        paintScreenBar(painter, parts.screenBar);
    if (!parts.title.isEmpty()) {
        painter.setFont(titleFont());
        painter.setPen(Qt::black);
        painter.drawText(parts.title, Qt::AlignCenter, m_plot.GetTitle());
    }
    // Plots repaint as data arrives: what was drawn is gathered only for an
    // observer.
    const bool observed = static_cast<bool>(drawnTextsObserver());
    DrawnTexts drawn;
    if (m_plot.GetGridVisible())
        paintGrid(painter, parts, observed ? &drawn : nullptr);
    paintTraces(painter, parts.area);
    painter.setPen(QPen(FrameColor, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(parts.area);
    std::vector<DrawnText>* titles = observed ? &drawn.axisTitles : nullptr;
    for (const AxisBand& band : parts.xBands) {
        std::vector<DrawnText> labels = paintXAxis(painter, band, parts.area, titles);
        if (observed) {
            drawn.axes.push_back(band.axis);
            drawn.axisLabels.push_back(std::move(labels));
        }
    }
    for (const AxisBand& band : parts.yBands) {
        std::vector<DrawnText> labels = paintYAxis(painter, band, parts.area, titles);
        if (observed) {
            drawn.axes.push_back(band.axis);
            drawn.axisLabels.push_back(std::move(labels));
        }
    }
    if (!parts.legend.isEmpty())
        paintLegend(painter, parts);
    if (!observed)
        return;
    drawn.size = size;
    drawn.picture = m_medium == Medium::Picture;
    drawn.area = parts.area;
    drawn.areaWithoutLegend = layout(size, painter.device(), false).area;
    drawn.xAxisCount = parts.xBands.size();
    if (!parts.legend.isEmpty()) {
        const QFontMetricsF fm(parts.legendFont, painter.device());
        drawn.legendPoints = parts.legendFont.pointSizeF();
        drawn.legendRoom = parts.legend.intersected(QRectF(QPointF(0, 0), size));
        for (const LegendSlot& slot : parts.legendSlots) {
            const QString text = legendText(*slot.channel);
            drawn.legendEntries.push_back(
                { text, QRectF(slot.text.topLeft(), QSizeF(fm.horizontalAdvance(text), fm.height())),
                    slot.text.intersected(parts.legend) });
        }
        drawn.legendSamples = drawnSamples(parts);
    }
    drawnTextsObserver()(m_plot, drawn);
}

std::function<void(const Plot&, const PlotPainter::DrawnTexts&)>& PlotPainter::drawnTextsObserver()
{
    static std::function<void(const Plot&, const DrawnTexts&)> observer;
    return observer;
}

void PlotPainter::paintScreenBar(QPainter& painter, const QRectF& rect) const
{
    painter.fillRect(rect, WinColor::toQColor(WinColor::ButtonFace));
    painter.setPen(QPen(WinColor::toQColor(WinColor::ActiveBorder), 0));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

const PlotAxis* PlotPainter::gridAxis(
    PlotAxis::Orientation orientation, const QString& name, const std::vector<AxisBand>& shown) const
{
    const PlotAxis* named = m_plot.resolveAxis(orientation, name);
    // A grid on the ticks of a hidden axis stands between the labels the
    // user reads: it follows the first axis shown instead.
    const bool namedShown
        = std::any_of(shown.begin(), shown.end(), [named](const AxisBand& band) { return band.axis == named; });
    return namedShown || shown.empty() ? named : shown.front().axis;
}

void PlotPainter::paintGrid(QPainter& painter, const Layout& parts, DrawnTexts* drawn) const
{
    const QRectF& area = parts.area;
    const PlotAxis* xAxis = gridAxis(PlotAxis::Orientation::X, m_plot.GetGridXAxis(), parts.xBands);
    const PlotAxis* yAxis = gridAxis(PlotAxis::Orientation::Y, m_plot.GetGridYAxis(), parts.yBands);
    painter.setPen(QPen(GridColor, 0));
    if (xAxis)
        for (double value : xAxis->tickValues()) {
            const double x = area.left() + along(*xAxis, value, area.width());
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
            if (drawn)
                drawn->gridXs.push_back(x);
        }
    if (yAxis)
        for (double value : yAxis->tickValues()) {
            const double y = area.bottom() - along(*yAxis, value, area.height());
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            if (drawn)
                drawn->gridYs.push_back(y);
        }
}

void PlotPainter::paintTraces(QPainter& painter, const QRectF& area) const
{
    const QTransform transform = painter.transform();
    const double scale = std::max(1.0, transform.m11());
    PlotTraceRenderer::Mapping mapping;
    mapping.area = transform.mapRect(area);
    painter.save();
    painter.resetTransform();
    painter.setClipRect(mapping.area);
    for (const PlotChannel* channel : m_plot.channels()) {
        const PlotChannelData& data = channel->data();
        if (!data.visible || data.xs.empty())
            continue;
        const PlotAxis* xAxis = m_plot.resolveAxis(PlotAxis::Orientation::X, data.xAxisName);
        const PlotAxis* yAxis = m_plot.resolveAxis(PlotAxis::Orientation::Y, data.yAxisName);
        if (!xAxis || !yAxis || !std::isfinite(xAxis->GetMin()) || !std::isfinite(yAxis->GetMin()))
            continue;
        mapping.xMin = xAxis->GetMin();
        mapping.xSpan = xAxis->drawSpan();
        mapping.yMin = yAxis->GetMin();
        mapping.ySpan = yAxis->drawSpan();
        const QColor color = WinColor::toQColor(data.color);
        QPen pen(color, drawnSize(data.lineWidth, scale));
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::BevelJoin);
        PlotTraceRenderer::drawTrace(painter, data, mapping, pen);
        if (data.markersVisible)
            PlotTraceRenderer::drawMarkers(painter, data, mapping, drawnSize(data.markerSize, scale), color);
    }
    painter.restore();
}

std::vector<PlotPainter::DrawnText> PlotPainter::paintXAxis(
    QPainter& painter, const AxisBand& band, const QRectF& area, std::vector<DrawnText>* titles) const
{
    const PlotAxis& axis = *band.axis;
    const QRectF& r = band.rect;
    painter.setFont(axisFont(axis));
    const QFontMetricsF fm(painter.font(), painter.device());
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
    for (double value : axis.tickValues()) {
        const double x = area.left() + along(axis, value, area.width());
        painter.drawLine(QPointF(x, r.top()), QPointF(x, r.top() + TickLength));
    }
    std::vector<DrawnText> labels = axisLabels(band, area, painter.device(), false);
    for (DrawnText& label : labels) {
        label.clip = label.box.adjusted(-1.0, 0.0, 1.0, 0.0);
        painter.drawText(label.clip, Qt::AlignCenter, label.text);
    }
    if (hasTitle(axis)) {
        const QRectF room(r.left(), r.bottom() - fm.height() - Margin, r.width(), fm.height());
        painter.drawText(room, Qt::AlignCenter, axis.GetTitle());
        if (titles) {
            const double width = fm.horizontalAdvance(axis.GetTitle());
            titles->push_back(
                { axis.GetTitle(), QRectF(room.center().x() - width / 2.0, room.top(), width, room.height()), room });
        }
    }
    return labels;
}

std::vector<PlotPainter::DrawnText> PlotPainter::paintYAxis(
    QPainter& painter, const AxisBand& band, const QRectF& area, std::vector<DrawnText>* titles) const
{
    const PlotAxis& axis = *band.axis;
    const QRectF& r = band.rect;
    painter.setFont(axisFont(axis));
    const QFontMetricsF fm(painter.font(), painter.device());
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(r.right(), r.top()), QPointF(r.right(), r.bottom()));
    for (double value : axis.tickValues()) {
        const double y = area.bottom() - along(axis, value, area.height());
        painter.drawLine(QPointF(r.right() - TickLength, y), QPointF(r.right(), y));
    }
    std::vector<DrawnText> labels = axisLabels(band, area, painter.device(), true);
    for (DrawnText& label : labels) {
        label.clip = label.box.adjusted(-1.0, 0.0, 0.0, 0.0);
        painter.drawText(label.clip, Qt::AlignRight | Qt::AlignVCenter, label.text);
    }
    if (hasTitle(axis)) {
        painter.save();
        painter.translate(r.left() + Margin / 2.0 + fm.height() / 2.0, r.center().y());
        painter.rotate(-90.0);
        // Centred on the traces; a title longer than they are tall takes
        // the free room above and below them rather than lose its ends.
        const double room = r.height() + 2.0 * band.titleReach;
        painter.drawText(QRectF(-room / 2.0, -fm.height() / 2.0, room, fm.height()), Qt::AlignCenter, axis.GetTitle());
        painter.restore();
        if (titles) {
            // Upright in the picture: the title runs up the band's height.
            const double length = fm.horizontalAdvance(axis.GetTitle());
            const double left = r.left() + Margin / 2.0;
            titles->push_back({ axis.GetTitle(), QRectF(left, r.center().y() - length / 2.0, fm.height(), length),
                QRectF(left, r.center().y() - room / 2.0, fm.height(), room) });
        }
    }
    return labels;
}

void PlotPainter::paintLegend(QPainter& painter, const Layout& parts) const
{
    painter.setFont(parts.legendFont);
    painter.setPen(QPen(FrameColor, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(parts.legend);
    painter.save();
    painter.setClipRect(parts.legend);
    for (const LegendSlot& slot : parts.legendSlots) {
        paintLegendSample(painter, *slot.channel, slot.line, slot.text.height());
        painter.setPen(Qt::black);
        painter.drawText(slot.text, Qt::AlignLeft | Qt::AlignVCenter, legendText(*slot.channel));
    }
    painter.restore();
}

void PlotPainter::paintLegendSample(
    QPainter& painter, const PlotChannel& channel, const QRectF& line, double height) const
{
    // File 1, file 2 and their difference share a colour and differ by their
    // markers: the sample shows what tells the traces apart on the plot.
    const PlotChannelData& data = channel.data();
    const QColor color = WinColor::toQColor(data.color);
    painter.save();
    // A level line in whole pixels stays crisp; the marker is smoothed as on the plot.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(color, drawnSize(data.lineWidth, 1.0));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(line.left(), line.top()), QPointF(line.right(), line.top()));
    if (data.markersVisible) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(color, 1.0));
        painter.setBrush(color);
        // A large marker stays inside its row.
        const double half = std::min(drawnSize(data.markerSize, 1.0), std::max(1.0, height / 2.0 - 1.0));
        PlotTraceRenderer::drawMarker(painter, data.markerStyle, line.center(), half);
    }
    painter.restore();
}

std::vector<PlotPainter::DrawnSample> PlotPainter::drawnSamples(const Layout& parts) const
{
    // Each sample alone, at the same place in a picture of its own: rows at
    // other fractions of a pixel would antialias one sample unlike the next.
    std::vector<DrawnSample> samples;
    for (const LegendSlot& slot : parts.legendSlots) {
        const QSize size(int(std::ceil(slot.line.width())) + 2, std::max(1, int(std::ceil(slot.text.height()))));
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.translate(QPointF(1.0, std::round(size.height() / 2.0)) - slot.line.topLeft());
        paintLegendSample(painter, *slot.channel, slot.line, slot.text.height());
        painter.end();
        samples.push_back({ slot.channel, picture });
    }
    return samples;
}
