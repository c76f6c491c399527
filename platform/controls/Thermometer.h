#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

// A tube thermometer: a column in the liquid colour from the bulb up to the
// value, beside a scale with ticks and labels.
class Thermometer : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "AnalogLib.Thermometer";

public:
    explicit Thermometer(QWidget* parent = nullptr);

    double scaleMin() const { return m_scaleMin; }
    void setScaleMin(double value);
    double scaleMax() const { return m_scaleMax; }
    void setScaleMax(double value);
    double value() const { return m_value; }
    void setValue(double value);
    uint32_t liquidColor() const { return m_liquidColor; }
    void setLiquidColor(uint32_t color);

    void applyFactoryDefaults() override;

    // The height (widget pixels) the column reaches for a value; values
    // beyond the scale stop at its ends.
    double levelOf(double value) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QRectF tube;
        QRectF bulb;
        double bottom; // y of scaleMin
        double top; // y of scaleMax
    };
    Layout layout() const;

    double m_scaleMin = -45.0;
    double m_scaleMax = 85.0;
    double m_value = 0.0;
    uint32_t m_liquidColor = 0xFF6633;
};

using IThermometerPtr = InterfacePtr<Thermometer>;
