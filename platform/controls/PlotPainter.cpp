#include "PlotPainter.h"

#include "Plot.h"
#include "PlotTraceRenderer.h"
#include "WinColor.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double TickLength = 5.0;
constexpr double Margin = 4.0;
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
        if (channel->GetVisible() && channel->GetLegendVisible())
            entries.push_back(channel);
    return entries;
}

// Where a value of the axis lies along a stretch of length `length`.
double along(const PlotAxis& axis, double value, double length)
{
    return (value - axis.GetMin()) / axis.drawSpan() * length;
}

} // namespace

PlotPainter::PlotPainter(const Plot& plot)
    : m_plot(plot)
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

PlotPainter::Layout PlotPainter::layout(const QSizeF& size, const QPaintDevice* device) const
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
    top += fm.height() / 2.0 + Margin;
    const double left = Margin;
    const double bottom = size.height() - Margin;
    double right = size.width() - std::max(2.0 * Margin, fm.horizontalAdvance(QStringLiteral("00000")) / 2.0);

    const std::vector<const PlotChannel*> entries = legendEntries(m_plot);
    if (!entries.empty()) {
        double textWidth = 0.0;
        for (const PlotChannel* channel : entries)
            textWidth = std::max(textWidth, fm.horizontalAdvance(legendText(*channel)));
        const double width = std::min(size.width() / 3.0, textWidth + 40.0);
        const double height = std::min(entries.size() * (fm.height() + 4.0) + 8.0, std::max(0.0, bottom - top));
        result.legend = QRectF(right - width, top, width, height);
        right -= width + 2.0 * Margin;
    }

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

    result.area = QRectF(
        left + totalWidth, top, std::max(10.0, right - left - totalWidth), std::max(10.0, bottom - totalHeight - top));

    double y = result.area.bottom();
    for (size_t i = 0; i < result.xBands.size(); ++i) {
        result.xBands[i].rect = QRectF(result.area.left(), y, result.area.width(), xHeights[i]);
        y += xHeights[i];
    }
    double x = result.area.left();
    for (size_t i = 0; i < result.yBands.size(); ++i) {
        x -= yWidths[i];
        result.yBands[i].rect = QRectF(x, result.area.top(), yWidths[i], result.area.height());
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
    if (m_plot.GetGridVisible())
        paintGrid(painter, parts.area);
    paintTraces(painter, parts.area);
    painter.setPen(QPen(FrameColor, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(parts.area);
    for (const AxisBand& band : parts.xBands)
        paintXAxis(painter, band, parts.area);
    for (const AxisBand& band : parts.yBands)
        paintYAxis(painter, band, parts.area);
    if (!parts.legend.isEmpty())
        paintLegend(painter, parts.legend);
}

void PlotPainter::paintScreenBar(QPainter& painter, const QRectF& rect) const
{
    painter.fillRect(rect, WinColor::toQColor(WinColor::ButtonFace));
    painter.setPen(QPen(WinColor::toQColor(WinColor::ActiveBorder), 0));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

void PlotPainter::paintGrid(QPainter& painter, const QRectF& area) const
{
    const PlotAxis* xAxis = m_plot.resolveAxis(PlotAxis::Orientation::X, m_plot.GetGridXAxis());
    const PlotAxis* yAxis = m_plot.resolveAxis(PlotAxis::Orientation::Y, m_plot.GetGridYAxis());
    painter.setPen(QPen(GridColor, 0));
    if (xAxis)
        for (double value : xAxis->tickValues()) {
            const double x = area.left() + along(*xAxis, value, area.width());
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
    if (yAxis)
        for (double value : yAxis->tickValues()) {
            const double y = area.bottom() - along(*yAxis, value, area.height());
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
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

void PlotPainter::paintXAxis(QPainter& painter, const AxisBand& band, const QRectF& area) const
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
        if (axis.GetLabelsVisible()) {
            const QString label = tickLabel(value);
            const double width = fm.horizontalAdvance(label);
            painter.drawText(
                QRectF(x - width / 2.0 - 1.0, r.top() + TickLength, width + 2.0, fm.height()), Qt::AlignCenter, label);
        }
    }
    if (hasTitle(axis))
        painter.drawText(QRectF(r.left(), r.bottom() - fm.height() - Margin, r.width(), fm.height()), Qt::AlignCenter,
            axis.GetTitle());
}

void PlotPainter::paintYAxis(QPainter& painter, const AxisBand& band, const QRectF& area) const
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
        if (axis.GetLabelsVisible())
            painter.drawText(QRectF(r.left(), y - fm.height() / 2.0, r.width() - TickLength - 3.0, fm.height()),
                Qt::AlignRight | Qt::AlignVCenter, tickLabel(value));
    }
    if (hasTitle(axis)) {
        painter.save();
        painter.translate(r.left() + Margin / 2.0 + fm.height() / 2.0, r.center().y());
        painter.rotate(-90.0);
        painter.drawText(
            QRectF(-r.height() / 2.0, -fm.height() / 2.0, r.height(), fm.height()), Qt::AlignCenter, axis.GetTitle());
        painter.restore();
    }
}

void PlotPainter::paintLegend(QPainter& painter, const QRectF& rect) const
{
    painter.setFont(m_plot.GetPlotFont());
    const QFontMetricsF fm(painter.font(), painter.device());
    painter.setPen(QPen(FrameColor, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(rect);
    painter.save();
    painter.setClipRect(rect);
    double y = rect.top() + 4.0;
    for (const PlotChannel* channel : legendEntries(m_plot)) {
        const double middle = y + fm.height() / 2.0;
        painter.setPen(QPen(WinColor::toQColor(channel->GetColor()), 2.0));
        painter.drawLine(QPointF(rect.left() + 6.0, middle), QPointF(rect.left() + 26.0, middle));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rect.left() + 32.0, y, rect.width() - 36.0, fm.height()),
            Qt::AlignLeft | Qt::AlignVCenter, legendText(*channel));
        y += fm.height() + 4.0;
    }
    painter.restore();
}
