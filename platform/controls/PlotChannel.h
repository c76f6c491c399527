#pragma once

#include "PlotChannelData.h"
#include "automation/InterfacePtr.h"

#include <QObject>
#include <QString>

#include <cstdint>

class Plot;

// One named trace of a plot: points (x, y) as doubles in order of adding, with
// the appearance the legend and the painter use. Reading or changing a point
// past the last one raises ComError.
class PlotChannel : public QObject
{
    Q_OBJECT

public:
    PlotChannel(const QString& name, uint32_t color, Plot* owner);

    void SetName(const QString& name);
    QString GetName() const { return m_data.name; }
    void SetTitle(const QString& title);
    QString GetTitle() const { return m_data.title; }
    void SetColor(uint32_t color);
    uint32_t GetColor() const { return m_data.color; }
    // Any name is kept, also one that no axis bears ("None" for data that is
    // carried but never drawn).
    void SetXAxisName(const QString& name);
    QString GetXAxisName() const { return m_data.xAxisName; }
    void SetYAxisName(const QString& name);
    QString GetYAxisName() const { return m_data.yAxisName; }
    void SetLineWidth(int width);
    int GetLineWidth() const { return m_data.lineWidth; }

    void SetVisible(bool visible);
    bool GetVisible() const { return m_data.visible; }
    void SetLegendVisible(bool visible);
    bool GetLegendVisible() const { return m_data.legendVisible; }

    void SetMarkersVisible(bool visible);
    bool GetMarkersVisible() const { return m_data.markersVisible; }
    // Styles 0, 1 and 5 are a square, a circle and a triangle.
    void SetMarkerStyle(int style);
    int GetMarkerStyle() const { return m_data.markerStyle; }
    void SetMarkerSize(int size);
    int GetMarkerSize() const { return m_data.markerSize; }
    void SetIndividualMarking(bool on);
    bool GetIndividualMarking() const { return m_data.individualMarking; }
    void MarkPoint(int index, bool marked);
    bool GetPointMarked(int index) const;

    void Clear();
    int AddXY(double x, double y);
    int Count() const { return static_cast<int>(m_data.xs.size()); }
    double GetX(int index) const;
    double GetY(int index) const;
    void SetY(int index, double y);

    // Over all points; 0 for a channel without points.
    double GetXMin() const;
    double GetXMax() const;
    double GetYMin() const;
    double GetYMax() const;

    const PlotChannelData& data() const { return m_data; }
    // Takes over a loaded channel's content as a whole (name included).
    void replaceData(PlotChannelData&& data);

private:
    struct Extent {
        double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    };

    void changed();
    void checkIndex(int index) const;
    void recomputeExtent();
    void extend(double x, double y);

    Plot* m_owner;
    PlotChannelData m_data;
    Extent m_extent;
};

using IPlotChannelPtr = InterfacePtr<PlotChannel>;
