#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

#include <QRectF>

#include <vector>

// A straight scale with a value bar and pointers. Pointer 0 is the live value;
// limit pointers added later can be dragged by the user, which raises
// pointerMoved. The program moves a limit pointer either the ordinary way,
// which raises pointerMoved as a drag does, or silently. The scale runs along
// the longer side: left to right, or bottom to top.
class LinearGauge : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "AnalogLib.LinearGauge";

public:
    enum class Style {
        Bar, // scale, band, value bar and pointers
        Lamp, // one lamp: lit in the indicator colour while the value is in the upper half of the scale
        Fill, // a bar across the whole rectangle, filled in the indicator colour from the scale's start to the value
    };

    explicit LinearGauge(QWidget* parent = nullptr);

    double scaleMin() const { return m_scaleMin; }
    void setScaleMin(double value);
    double scaleMax() const { return m_scaleMax; }
    void setScaleMax(double value);

    // The live value: pointer 0. Setting it never raises pointerMoved.
    double value() const { return m_pointers[0].position; }
    void setValue(double value) { setPointerPositionSilent(0, value); }

    // A new limit pointer at the scale's minimum; returns its index (1, 2, ...).
    int addPointer();
    int pointerCount() const { return static_cast<int>(m_pointers.size()); }

    // Calls with an index that does not exist raise ComError.
    double pointerPosition(int index) const;
    // The ordinary move: raises pointerMoved(index) at once when the position
    // really changes (never for pointer 0).
    void setPointerPosition(int index, double position);
    void setPointerPositionSilent(int index, double position);
    uint32_t pointerColor(int index) const;
    void setPointerColor(int index, uint32_t color);
    bool pointerVisible(int index) const;
    void setPointerVisible(int index, bool visible);
    bool pointerDraggable(int index) const;
    void setPointerDraggable(int index, bool draggable);

    uint32_t indicatorColor() const { return m_indicatorColor; }
    void setIndicatorColor(uint32_t color);

    // The soft-limit band drawn along the scale.
    double bandLow() const { return m_bandLow; }
    void setBandLow(double value);
    double bandHigh() const { return m_bandHigh; }
    void setBandHigh(double value);

    // Travel-alert markers; not drawn until set.
    double upperMarker() const { return m_upperMarker; }
    void setUpperMarker(double value);
    double lowerMarker() const { return m_lowerMarker; }
    void setLowerMarker(double value);

    Style style() const { return m_style; }
    void setStyle(Style style);

    // How many equal segments divide a filled bar (Style::Fill); 1 draws none.
    int segmentCount() const { return m_segmentCount; }
    void setSegmentCount(int count);
    // The bar of Style::Fill: its rectangle inside the frame, in widget pixels.
    QRectF fillTrack() const;

    void applyFactoryDefaults() override;

    // Where a scale value lies on the track's centre line, in widget pixels
    // (values beyond the scale stop at its ends).
    QPointF scalePoint(double value) const;
    // The scale values that carry a tick and a label at the gauge's size.
    std::vector<double> scaleTickValues() const { return scaleTicks(vertical() ? height() : width()); }
    // Where the labels of those ticks are drawn, in widget pixels (none when
    // the gauge is too thin for labels).
    std::vector<QRectF> scaleLabelRects() const;
    bool vertical() const { return height() > width(); }

signals:
    // Dispatch id 19: limit pointer `index` moved, by a drag or the ordinary move.
    void pointerMoved(int index);
    // Dispatch id 8: a mouse button went up after a press on the gauge.
    void mouseReleased(short button, short shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Pointer {
        double position = 0.0;
        uint32_t color = 0x000000;
        bool visible = true;
        bool draggable = true;
    };
    // The gauge drawn as if horizontal: `a` runs along the scale, `c` across
    // it from the pointer lane through the track to the ticks.
    struct Layout {
        double start; // a of scaleMin
        double end; // a of scaleMax
        double laneTop; // pointers from here...
        double trackTop; // ...to the track, which ends at
        double trackBottom; // then ticks and labels below
        bool labels;
    };

    Pointer& pointer(int index);
    const Pointer& pointer(int index) const;
    bool movePointer(int index, double position);
    Layout layout() const;
    QPointF at(double a, double c) const;
    QRectF area(double a0, double a1, double c0, double c1) const;
    double axisOf(double value, const Layout& layout) const;
    double axisAt(QPointF point) const;
    double valueAt(double a) const;
    int pointerAt(QPointF point) const;
    void dragTo(QPointF point);

    std::vector<double> scaleTicks(double length) const;
    // The label boxes of `ticks` along a scale running from `start` to `end`.
    std::vector<QRectF> labelBoxes(const std::vector<double>& ticks, double start, double end, double tickTop) const;
    void paintLamp(QPainter& painter) const;
    void paintFill(QPainter& painter) const;
    void paintTrack(QPainter& painter, const Layout& layout) const;
    void paintScale(QPainter& painter, const Layout& layout) const;
    void paintMarker(QPainter& painter, const Layout& layout, double value) const;
    void paintPointer(QPainter& painter, const Layout& layout, const Pointer& pointer) const;

    double m_scaleMin = 0.0;
    double m_scaleMax = 100.0;
    std::vector<Pointer> m_pointers;
    uint32_t m_indicatorColor = 0x00FF00;
    double m_bandLow = 0.0;
    double m_bandHigh = 100.0;
    double m_upperMarker;
    double m_lowerMarker;
    Style m_style = Style::Bar;
    int m_segmentCount = 1;
    int m_dragged = -1;
    // Where the drag began along the scale, and how far the pointer sat from
    // it, so the pointer follows the mouse without first jumping under it.
    double m_dragFrom = 0.0;
    double m_grabOffset = 0.0;
    bool m_dragMoved = false;
    bool m_pressed = false;
};

using ILinearGaugePtr = InterfacePtr<LinearGauge>;
