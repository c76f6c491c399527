#include "Plot.h"

#include "PlotPainter.h"
#include "PlotSaveFile.h"
#include "WinColor.h"
#include "automation/ComError.h"
#include "ui/ControlRegistry.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{

constexpr int DefaultAxisCount = 3;
constexpr double PictureDotsPerMeter = 3780.0; // 96 dpi, as on screen

const ControlRegistration registerPlot(
    QStringLiteral("PlotLib.Plot"), [](QWidget* parent) { return new Plot(parent); });

// Colours of new channels, in order of adding, until a page sets its own.
const uint32_t DefaultColors[] = {
    WinColor::rgb(255, 0, 0),
    WinColor::rgb(0, 0, 255),
    WinColor::rgb(0, 128, 0),
    WinColor::rgb(255, 0, 255),
    WinColor::rgb(0, 128, 128),
    WinColor::rgb(255, 128, 0),
    WinColor::rgb(128, 0, 128),
    WinColor::rgb(0, 0, 0),
};

QString defaultAxisName(PlotAxis::Orientation orientation, int index)
{
    return QStringLiteral("%1 Axis %2").arg(orientation == PlotAxis::Orientation::X ? 'X' : 'Y').arg(index + 1);
}

void checkAxisCount(int count)
{
    if (count < 1 || count > Plot::MaxAxes)
        throw ComError(ComError::InvalidArgument, QStringLiteral("A plot has 1 to %1 axes").arg(Plot::MaxAxes));
}

void includeRange(double low, double high, bool& found, double& lo, double& hi)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        return;
    lo = found ? std::min(lo, low) : low;
    hi = found ? std::max(hi, high) : high;
    found = true;
}

} // namespace

Plot::Plot(QWidget* parent)
    : QWidget(parent)
    , m_screenBar(new PlotScreenBar(this))
    , m_plotFont(font())
{
    resizeAxes(m_xAxes, DefaultAxisCount, PlotAxis::Orientation::X, this);
    resizeAxes(m_yAxes, DefaultAxisCount, PlotAxis::Orientation::Y, this);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Plot::RemoveAllChannels()
{
    for (PlotChannel* channel : m_channels)
        delete channel;
    m_channels.clear();
    m_nextChannelNumber = 1;
    scheduleRepaint();
}

int Plot::AddChannel()
{
    const uint32_t color = DefaultColors[m_channels.size() % std::size(DefaultColors)];
    m_channels.push_back(newChannel(QStringLiteral("Channel %1").arg(m_nextChannelNumber++), color));
    scheduleRepaint();
    return ChannelCount() - 1;
}

PlotChannel* Plot::newChannel(const QString& name, uint32_t color)
{
    return new PlotChannel(name, color, this);
}

IPlotChannelPtr Plot::Channel(int index) const
{
    if (index < 0 || index >= ChannelCount())
        throw ComError(ComError::InvalidArgument, QStringLiteral("No channel %1").arg(index));
    return IPlotChannelPtr(m_channels[static_cast<size_t>(index)]);
}

PlotChannel* Plot::findChannel(const QString& name) const
{
    for (PlotChannel* channel : m_channels)
        if (channel->GetName().compare(name, Qt::CaseInsensitive) == 0)
            return channel;
    return nullptr;
}

QObject* Plot::GetChannelByName(const QString& name) const
{
    return findChannel(name);
}

IPlotChannelPtr Plot::ChannelByName(const QString& name) const
{
    return IPlotChannelPtr(findChannel(name));
}

void Plot::ClearAllData()
{
    for (PlotChannel* channel : m_channels)
        channel->Clear();
}

void Plot::SaveDataFile(const QString& path) const
{
    std::vector<const PlotChannelData*> channels;
    channels.reserve(m_channels.size());
    for (const PlotChannel* channel : m_channels)
        channels.push_back(&channel->data());
    PlotDataFile::save(path, dataFileKind(), channels);
}

void Plot::LoadDataFile(const QString& path)
{
    // The whole file is read before the plot changes, so a bad file leaves it as it was.
    adoptChannels(PlotDataFile::load(path));
}

void Plot::LoadDataFrom(const Plot& source)
{
    std::vector<PlotChannelData> copies;
    copies.reserve(source.m_channels.size());
    for (const PlotChannel* channel : source.m_channels)
        copies.push_back(channel->data());
    adoptChannels(std::move(copies));
}

void Plot::LoadDataFrom(std::vector<PlotChannelData>&& channels)
{
    adoptChannels(std::move(channels));
}

void Plot::adoptChannels(std::vector<PlotChannelData>&& loaded)
{
    std::vector<PlotChannel*> unused = m_channels;
    std::vector<PlotChannel*> adopted;
    adopted.reserve(loaded.size());
    for (PlotChannelData& data : loaded) {
        auto match = std::find_if(unused.begin(), unused.end(), [&](const PlotChannel* channel) {
            return channel->GetName().compare(data.name, Qt::CaseInsensitive) == 0;
        });
        PlotChannel* channel = nullptr;
        if (match != unused.end()) {
            channel = *match;
            unused.erase(match);
        } else {
            channel = newChannel(data.name, data.color);
        }
        channel->replaceData(std::move(data));
        adopted.push_back(channel);
    }
    for (PlotChannel* channel : unused)
        delete channel;
    m_channels = std::move(adopted);
    m_nextChannelNumber = ChannelCount() + 1;
    scheduleRepaint();
}

QSize Plot::pictureSize() const
{
    // A plot that was never laid out (a scratch plot) still gives a sensible picture.
    const QSize own = size();
    return own.width() >= 50 && own.height() >= 50 ? own : QSize(800, 424);
}

QImage Plot::renderImage(const QSize& pixels, double widths, double paperPoints) const
{
    const QSize target = pixels.isValid() && !pixels.isEmpty() ? pixels : pictureSize();
    // Lay the picture out at the plot's own width and scale it up, so a large
    // picture looks like the plot on screen, only sharper.
    const double logicalWidth = pictureSize().width() * (std::isfinite(widths) && widths > 0.0 ? widths : 1.0);
    const double scale = target.width() / logicalWidth;
    QImage image(target, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(PictureDotsPerMeter));
    image.setDotsPerMeterY(static_cast<int>(PictureDotsPerMeter));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    // A point of the layout prints as this many points on paper (a pixel of
    // the layout is 3/4 of a point, at 96 dpi).
    const double paperScale
        = std::isfinite(paperPoints) && paperPoints > 0.0 ? paperPoints / (logicalWidth * 0.75) : 1.0;
    PlotPainter(*this, PlotPainter::Medium::Picture, paperScale)
        .paint(painter, QSizeF(logicalWidth, target.height() / scale));
    return image;
}

void Plot::SaveImage(const QString& path) const
{
    SaveImage(path, QSize());
}

void Plot::SaveImage(const QString& path, const QSize& pixels, double widths, double paperPoints) const
{
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        throw ComError(ComError::InvalidArgument, QStringLiteral("No picture format for %1").arg(path));
    const QImage image = renderImage(pixels, widths, paperPoints);
    PlotSaveFile::write(path, [&](QIODevice& device) {
        QImageWriter writer(&device, format);
        if (!writer.write(image))
            throw ComError(ComError::Failure, QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
    });
}

void Plot::SetTitle(const QString& title)
{
    m_title = title;
    scheduleRepaint();
}

IPlotScreenBarPtr Plot::ScreenBar(int index) const
{
    if (index != 0)
        throw ComError(ComError::InvalidArgument, QStringLiteral("No display element %1").arg(index));
    return IPlotScreenBarPtr(m_screenBar);
}

void Plot::SetLegendVisible(bool visible)
{
    m_legendVisible = visible;
    scheduleRepaint();
}

void Plot::SetBackColor(uint32_t color)
{
    m_backColor = color;
    scheduleRepaint();
}

void Plot::SetPlotFont(const QFont& font)
{
    m_plotFont = font;
    scheduleRepaint();
}

void Plot::SetGridAxes(const QString& xAxisName, const QString& yAxisName)
{
    m_gridXAxis = xAxisName;
    m_gridYAxis = yAxisName;
    scheduleRepaint();
}

void Plot::SetGridVisible(bool visible)
{
    m_gridVisible = visible;
    scheduleRepaint();
}

void Plot::applyFactoryDefaults()
{
    m_backColor = 0xFFFFFF;
    m_legendVisible = true;
    m_gridVisible = true;
    m_gridXAxis.clear();
    m_gridYAxis.clear();
    m_screenBar->SetVisible(true);
    scheduleRepaint();
}

void Plot::resizeAxes(std::vector<PlotAxis*>& axes, int count, PlotAxis::Orientation orientation, Plot* owner)
{
    checkAxisCount(count);
    while (static_cast<int>(axes.size()) > count) {
        delete axes.back();
        axes.pop_back();
    }
    while (static_cast<int>(axes.size()) < count)
        axes.push_back(new PlotAxis(orientation, defaultAxisName(orientation, static_cast<int>(axes.size())), owner));
}

void Plot::SetXAxisCount(int count)
{
    resizeAxes(m_xAxes, count, PlotAxis::Orientation::X, this);
    scheduleRepaint();
}

void Plot::SetYAxisCount(int count)
{
    resizeAxes(m_yAxes, count, PlotAxis::Orientation::Y, this);
    scheduleRepaint();
}

IPlotAxisPtr Plot::axisAt(const std::vector<PlotAxis*>& axes, int index)
{
    if (index < 0 || index >= static_cast<int>(axes.size()))
        throw ComError(ComError::InvalidArgument, QStringLiteral("No axis %1").arg(index));
    return IPlotAxisPtr(axes[static_cast<size_t>(index)]);
}

int Plot::axisIndex(const std::vector<PlotAxis*>& axes, const QString& name)
{
    for (size_t i = 0; i < axes.size(); ++i)
        if (axes[i]->GetName().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

IPlotAxisPtr Plot::XAxis(int index) const
{
    return axisAt(m_xAxes, index);
}

IPlotAxisPtr Plot::YAxis(int index) const
{
    return axisAt(m_yAxes, index);
}

int Plot::XAxisIndex(const QString& name) const
{
    return axisIndex(m_xAxes, name);
}

int Plot::YAxisIndex(const QString& name) const
{
    return axisIndex(m_yAxes, name);
}

IPlotAxisPtr Plot::XAxisByName(const QString& name) const
{
    const int index = XAxisIndex(name);
    return index < 0 ? IPlotAxisPtr() : XAxis(index);
}

IPlotAxisPtr Plot::YAxisByName(const QString& name) const
{
    const int index = YAxisIndex(name);
    return index < 0 ? IPlotAxisPtr() : YAxis(index);
}

PlotAxis* Plot::resolveAxis(PlotAxis::Orientation orientation, const QString& name) const
{
    const std::vector<PlotAxis*>& axes = orientation == PlotAxis::Orientation::X ? m_xAxes : m_yAxes;
    if (name.isEmpty())
        return axes.front();
    const int index = axisIndex(axes, name);
    return index < 0 ? nullptr : axes[static_cast<size_t>(index)];
}

bool Plot::dataRangeOn(const PlotAxis* axis, double& lo, double& hi, bool shownOnly) const
{
    const bool isX = axis->orientation() == PlotAxis::Orientation::X;
    bool found = false;
    for (const PlotChannel* channel : m_channels) {
        if (channel->Count() == 0 || (shownOnly && !drawsSomething(*channel)))
            continue;
        const QString& name = isX ? channel->data().xAxisName : channel->data().yAxisName;
        if (resolveAxis(axis->orientation(), name) != axis)
            continue;
        if (isX)
            includeRange(channel->GetXMin(), channel->GetXMax(), found, lo, hi);
        else
            includeRange(channel->GetYMin(), channel->GetYMax(), found, lo, hi);
    }
    return found;
}

bool Plot::drawsSomething(const PlotChannel& channel) const
{
    const PlotChannelData& data = channel.data();
    if (!data.visible || !resolveAxis(PlotAxis::Orientation::X, data.xAxisName)
        || !resolveAxis(PlotAxis::Orientation::Y, data.yAxisName))
        return false;
    for (size_t i = 0; i < data.xs.size() && i < data.ys.size(); ++i)
        if (std::isfinite(data.xs[i]) && std::isfinite(data.ys[i]))
            return true;
    return false;
}

QRectF Plot::plotArea() const
{
    return PlotPainter(*this).layout(QSizeF(size()), this).area;
}

void Plot::scheduleRepaint()
{
    if (m_repaintPending)
        return;
    m_repaintPending = true;
    update();
}

void Plot::paintEvent(QPaintEvent*)
{
    m_repaintPending = false;
    QPainter painter(this);
    PlotPainter(*this).paint(painter, QSizeF(size()));
}

void Plot::showEvent(QShowEvent* event)
{
    m_repaintPending = false;
    QWidget::showEvent(event);
}
