#pragma once

#include "PlotAxis.h"
#include "PlotChannel.h"
#include "PlotDataFile.h"
#include "PlotScreenBar.h"
#include "automation/InterfacePtr.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

// The time plot ("PlotLib.Plot"): named X and Y axes, named channels of (x, y)
// points, a title, a grid, a legend and a tool strip. It saves and loads its
// channels as a data file of its own and saves pictures of itself.
//
// Every failing call raises ComError.
class Plot : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxAxes = 8;

    explicit Plot(QWidget* parent = nullptr);

    // Channels. New channels are named "Channel 1", "Channel 2", ... in order of
    // adding since the last RemoveAllChannels.
    void RemoveAllChannels();
    int AddChannel();
    int ChannelCount() const { return static_cast<int>(m_channels.size()); }
    IPlotChannelPtr Channel(int index) const;
    // The channel of that name, case ignored, or null. Reachable by name through
    // the meta-object as the method "GetChannelByName".
    Q_INVOKABLE QObject* GetChannelByName(const QString& name) const;
    IPlotChannelPtr ChannelByName(const QString& name) const;
    // Every channel loses its points; names, titles and switches stay.
    void ClearAllData();

    // The data file holds every channel, hidden ones included. A save that
    // fails leaves the previous file as it was; a load that fails leaves the
    // plot as it was. A load replaces the channel set by the file's but keeps
    // the channel objects whose names match, so pointers held elsewhere stay
    // valid.
    void SaveDataFile(const QString& path) const;
    void LoadDataFile(const QString& path);
    // Takes over another plot's channels as a load of its data file would, so
    // a file read into a hidden plot can be checked before this one changes.
    void LoadDataFrom(const Plot& source);
    // Takes over channels read from a data file, by moving their points.
    void LoadDataFrom(std::vector<PlotChannelData>&& channels);

    // A picture of what the plot shows, in the format the extension names
    // (.bmp, .png, .jpg). Without a size: the plot's own size. The picture is
    // laid out across `widths` times the plot's own width: a picture printed
    // twice as wide as another takes 2, so its texts print at the same size.
    // `paperPoints`: how wide the picture prints, in points (0: not known),
    // so that its legend is laid out at a size read on paper.
    void SaveImage(const QString& path) const;
    void SaveImage(const QString& path, const QSize& pixels, double widths = 1.0, double paperPoints = 0.0) const;
    QImage renderImage(const QSize& pixels, double widths = 1.0, double paperPoints = 0.0) const;

    void SetTitle(const QString& title);
    QString GetTitle() const { return m_title; }
    // Only element 0 (the tool strip) exists.
    IPlotScreenBarPtr ScreenBar(int index) const;
    void SetLegendVisible(bool visible);
    bool GetLegendVisible() const { return m_legendVisible; }
    void SetBackColor(uint32_t color);
    uint32_t GetBackColor() const { return m_backColor; }
    void SetPlotFont(const QFont& font);
    QFont GetPlotFont() const { return m_plotFont; }
    // The grid follows the ticks of these two axes (empty: the first axis).
    void SetGridAxes(const QString& xAxisName, const QString& yAxisName);
    QString GetGridXAxis() const { return m_gridXAxis; }
    QString GetGridYAxis() const { return m_gridYAxis; }
    void SetGridVisible(bool visible);
    bool GetGridVisible() const { return m_gridVisible; }
    // White background, legend, grid on the first axes, tool strip shown.
    void applyFactoryDefaults();

    // Axes, by index from 0 or by name (case ignored).
    void SetXAxisCount(int count);
    int XAxisCount() const { return static_cast<int>(m_xAxes.size()); }
    void SetYAxisCount(int count);
    int YAxisCount() const { return static_cast<int>(m_yAxes.size()); }
    IPlotAxisPtr XAxis(int index) const;
    IPlotAxisPtr YAxis(int index) const;
    IPlotAxisPtr XAxisByName(const QString& name) const;
    IPlotAxisPtr YAxisByName(const QString& name) const;
    int XAxisIndex(const QString& name) const; // -1 when no axis bears it
    int YAxisIndex(const QString& name) const;

    // For the painter and the axes.
    const std::vector<PlotChannel*>& channels() const { return m_channels; }
    const std::vector<PlotAxis*>& xAxes() const { return m_xAxes; }
    const std::vector<PlotAxis*>& yAxes() const { return m_yAxes; }
    // The axis a channel names: an empty name means the first axis, a name no
    // axis bears means none (the channel is then not drawn).
    PlotAxis* resolveAxis(PlotAxis::Orientation orientation, const QString& name) const;
    // The smallest and largest value on that axis of the channels drawn
    // against it (with `shownOnly`, of those that draw something), from the
    // channels' kept extents; false when they hold no finite value.
    bool dataRangeOn(const PlotAxis* axis, double& lo, double& hi, bool shownOnly = false) const;
    // The rectangle the traces are drawn in, in widget coordinates.
    QRectF plotArea() const;
    // Whether a channel puts anything on the plot: shown, against axes the
    // plot has, with a finite point.
    bool drawsSomething(const PlotChannel& channel) const;
    // Axes that fit their shown traces: each axis shows a range derived from
    // the points of the shown traces drawn against it alone (see
    // PlotAxis::FitRange), so one result gives the same axes on the page, on
    // paper and after a Save and a Load, whatever ranges were set before.
    // Off (the default), the axes show the range set, whatever the points (a
    // strip chart's window).
    void SetAxesFitShownTraces(bool on)
    {
        m_axesFitShownTraces = on;
        scheduleRepaint();
    }
    bool GetAxesFitShownTraces() const { return m_axesFitShownTraces; }
    // Whether the x axes run over time (a time plot) or hold values (an XY plot).
    virtual bool timeOnX() const { return dataFileKind() == PlotDataFile::Kind::TimePlot; }
    // Changes come in bursts (a retrieval adds thousands of points); they
    // cause one repaint.
    void scheduleRepaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    virtual PlotChannel* newChannel(const QString& name, uint32_t color);
    virtual PlotDataFile::Kind dataFileKind() const { return PlotDataFile::Kind::TimePlot; }

private:
    static void resizeAxes(std::vector<PlotAxis*>& axes, int count, PlotAxis::Orientation orientation, Plot* owner);
    static IPlotAxisPtr axisAt(const std::vector<PlotAxis*>& axes, int index);
    static int axisIndex(const std::vector<PlotAxis*>& axes, const QString& name);
    PlotChannel* findChannel(const QString& name) const;
    void adoptChannels(std::vector<PlotChannelData>&& loaded);
    QSize pictureSize() const;

    std::vector<PlotAxis*> m_xAxes;
    std::vector<PlotAxis*> m_yAxes;
    std::vector<PlotChannel*> m_channels;
    int m_nextChannelNumber = 1;
    PlotScreenBar* m_screenBar;
    QString m_title;
    bool m_legendVisible = true;
    uint32_t m_backColor = 0xFFFFFF;
    QFont m_plotFont;
    QString m_gridXAxis;
    QString m_gridYAxis;
    bool m_gridVisible = true;
    bool m_repaintPending = false;
    bool m_axesFitShownTraces = false;
};

using IPlotPtr = InterfacePtr<Plot>;
