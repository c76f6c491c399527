#pragma once

#include "NumericReadout.h"

#include "automation/InterfacePtr.h"

// A command readout whose value is held within its output range; the page
// reads the value back as the command it sends.
class AnalogOutput : public NumericReadout
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "AnalogLib.AnalogOutput";

public:
    explicit AnalogOutput(QWidget* parent = nullptr);

    double rangeMin() const { return m_rangeMin; }
    double rangeMax() const { return m_rangeMax; }
    // Clamps the value into the new range.
    void setRange(double min, double max);

    void setValue(double value) override;

private:
    double m_rangeMin = -10.0;
    double m_rangeMax = 110.0;
};

using IAnalogOutputPtr = InterfacePtr<AnalogOutput>;
