#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

#include <QFont>
#include <QRectF>

#include <vector>

// A round dial: a scale over three quarters of a circle, minimum at the lower
// left and maximum at the lower right, a needle at the value, the unit as a
// title and a value text below the hub.
class AngularGauge : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "AnalogLib.AngularGauge";

public:
    explicit AngularGauge(QWidget* parent = nullptr);

    double scaleMin() const { return m_scaleMin; }
    void setScaleMin(double value);
    double scaleMax() const { return m_scaleMax; }
    void setScaleMax(double value);
    // How many labelled ticks the scale has, both ends included.
    int majorTicks() const { return m_majorTicks; }
    void setMajorTicks(int count);

    double value() const { return m_value; }
    void setValue(double value);

    QString valueText() const { return m_valueText; }
    void setValueText(const QString& text);
    QString unitText() const { return m_unitText; }
    void setUnitText(const QString& text);

    // The value text's colour.
    uint32_t indicatorColor() const { return m_indicatorColor; }
    void setIndicatorColor(uint32_t color);
    uint32_t needleColor() const { return m_needleColor; }
    void setNeedleColor(uint32_t color);
    uint32_t faceColor() const { return m_faceColor; }
    void setFaceColor(uint32_t color);
    // The face while the dial is switched off.
    uint32_t disabledFaceColor() const { return m_disabledFaceColor; }
    void setDisabledFaceColor(uint32_t color);
    // The rim and scale colour, which turns to a warning colour on alarms.
    uint32_t alarmColor() const { return m_alarmColor; }
    void setAlarmColor(uint32_t color);

    void applyFactoryDefaults() override;

    // The dial's circle in widget pixels, and the needle's direction in
    // degrees (counter-clockwise from three o'clock).
    QRectF dialRect() const;
    double needleAngle() const;
    // Where the value text and each scale label (minimum first) are drawn,
    // as boxes around their text in widget pixels. Labels that would meet
    // another are left out (every second one kept, or every third, ...), so
    // the major ticks may carry fewer labels than there are ticks.
    struct ScaleLabel {
        QString text;
        QRectF box;
    };
    QRectF valueTextRect() const;
    // Where the unit text is drawn: above the hub, clear of the scale numbers.
    QRectF unitTextRect() const;
    std::vector<ScaleLabel> scaleLabels() const;
    std::vector<QRectF> scaleLabelRects() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double angleOf(double value) const;
    QPointF onDial(double angle, double radius) const;
    QFont labelFont() const;
    struct ValueTextPlace {
        QFont font;
        QRectF box;
    };
    static std::vector<QRectF> boxesOf(const std::vector<ScaleLabel>& labels);
    // Given the boxes of the scale labels as drawn, so that a painting places them once.
    ValueTextPlace placeValueText(const std::vector<QRectF>& labels) const;
    QRectF unitTextRect(const std::vector<QRectF>& labels) const;
    void paintScale(QPainter& painter, const std::vector<ScaleLabel>& labels) const;
    void paintTexts(QPainter& painter, const std::vector<QRectF>& labels) const;
    void paintNeedle(QPainter& painter) const;

    double m_scaleMin = 0.0;
    double m_scaleMax = 100.0;
    int m_majorTicks = 6;
    double m_value = 0.0;
    QString m_valueText;
    QString m_unitText;
    uint32_t m_indicatorColor = 0x990033;
    uint32_t m_needleColor = 0x000000;
    uint32_t m_faceColor = 0xFFFFFF;
    uint32_t m_disabledFaceColor = 0xB5B5B5;
    uint32_t m_alarmColor = 0x000000;
};

using IAngularGaugePtr = InterfacePtr<AngularGauge>;
