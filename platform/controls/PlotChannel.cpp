#include "PlotChannel.h"

#include "Plot.h"
#include "automation/ComError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

// A NaN sample neither becomes the extent nor keeps a later value from
// replacing it, so one bad sample (the first one included) does not poison
// the extent.
double lowerOf(double current, double value)
{
    return std::isnan(current) || value < current ? value : current;
}

double higherOf(double current, double value)
{
    return std::isnan(current) || value > current ? value : current;
}

} // namespace

PlotChannel::PlotChannel(const QString& name, uint32_t color, Plot* owner)
    : QObject(owner)
    , m_owner(owner)
{
    m_data.name = name;
    m_data.color = color;
}

void PlotChannel::changed()
{
    if (m_owner)
        m_owner->scheduleRepaint();
}

void PlotChannel::checkIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw ComError(ComError::InvalidArgument,
            QStringLiteral("Point index %1 is out of range (%2 points)").arg(index).arg(Count()));
}

void PlotChannel::SetName(const QString& name)
{
    m_data.name = name;
    changed();
}

void PlotChannel::SetTitle(const QString& title)
{
    m_data.title = title;
    changed();
}

void PlotChannel::SetColor(uint32_t color)
{
    m_data.color = color;
    changed();
}

void PlotChannel::SetXAxisName(const QString& name)
{
    m_data.xAxisName = name;
    changed();
}

void PlotChannel::SetYAxisName(const QString& name)
{
    m_data.yAxisName = name;
    changed();
}

void PlotChannel::SetLineWidth(int width)
{
    m_data.lineWidth = width;
    changed();
}

void PlotChannel::SetVisible(bool visible)
{
    m_data.visible = visible;
    changed();
}

void PlotChannel::SetLegendVisible(bool visible)
{
    m_data.legendVisible = visible;
    changed();
}

void PlotChannel::SetMarkersVisible(bool visible)
{
    m_data.markersVisible = visible;
    changed();
}

void PlotChannel::SetMarkerStyle(int style)
{
    m_data.markerStyle = style;
    changed();
}

void PlotChannel::SetMarkerSize(int size)
{
    m_data.markerSize = size;
    changed();
}

void PlotChannel::SetIndividualMarking(bool on)
{
    m_data.individualMarking = on;
    changed();
}

void PlotChannel::MarkPoint(int index, bool marked)
{
    checkIndex(index);
    if (m_data.marked.empty()) {
        if (!marked)
            return;
        m_data.marked.resize(m_data.xs.size(), false);
    }
    m_data.marked[static_cast<size_t>(index)] = marked;
    changed();
}

bool PlotChannel::GetPointMarked(int index) const
{
    checkIndex(index);
    return !m_data.marked.empty() && m_data.marked[static_cast<size_t>(index)];
}

void PlotChannel::Clear()
{
    // Give the memory back: a cleared logger channel may have held millions of points.
    std::vector<double>().swap(m_data.xs);
    std::vector<double>().swap(m_data.ys);
    std::vector<bool>().swap(m_data.marked);
    m_extent = Extent();
    changed();
}

int PlotChannel::AddXY(double x, double y)
{
    if (m_data.xs.size() >= static_cast<size_t>(std::numeric_limits<int>::max()))
        throw ComError(ComError::Failure, QStringLiteral("The channel cannot hold more points"));
    m_data.xs.push_back(x);
    m_data.ys.push_back(y);
    if (!m_data.marked.empty())
        m_data.marked.push_back(false);
    if (m_data.xs.size() == 1)
        m_extent = Extent { x, x, y, y };
    else
        extend(x, y);
    changed();
    return Count() - 1;
}

double PlotChannel::GetX(int index) const
{
    checkIndex(index);
    return m_data.xs[static_cast<size_t>(index)];
}

double PlotChannel::GetY(int index) const
{
    checkIndex(index);
    return m_data.ys[static_cast<size_t>(index)];
}

void PlotChannel::SetY(int index, double y)
{
    checkIndex(index);
    m_data.ys[static_cast<size_t>(index)] = y;
    recomputeExtent();
    changed();
}

double PlotChannel::GetXMin() const
{
    return m_extent.xMin;
}

double PlotChannel::GetXMax() const
{
    return m_extent.xMax;
}

double PlotChannel::GetYMin() const
{
    return m_extent.yMin;
}

double PlotChannel::GetYMax() const
{
    return m_extent.yMax;
}

void PlotChannel::replaceData(PlotChannelData&& data)
{
    m_data = std::move(data);
    recomputeExtent();
    changed();
}

void PlotChannel::extend(double x, double y)
{
    m_extent.xMin = lowerOf(m_extent.xMin, x);
    m_extent.xMax = higherOf(m_extent.xMax, x);
    m_extent.yMin = lowerOf(m_extent.yMin, y);
    m_extent.yMax = higherOf(m_extent.yMax, y);
}

void PlotChannel::recomputeExtent()
{
    m_extent = Extent();
    if (m_data.xs.empty())
        return;
    m_extent = Extent { m_data.xs[0], m_data.xs[0], m_data.ys[0], m_data.ys[0] };
    for (size_t i = 1; i < m_data.xs.size(); ++i)
        extend(m_data.xs[i], m_data.ys[i]);
}
