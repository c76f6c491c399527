#pragma once

#include "InstrumentWidget.h"

// A small numeric readout: the value with two decimals followed by its unit,
// in the value colour on the background.
class NumericReadout : public InstrumentWidget
{
    Q_OBJECT

public:
    explicit NumericReadout(QWidget* parent = nullptr);

    double value() const { return m_value; }
    virtual void setValue(double value);

    QString unitText() const { return m_unitText; }
    void setUnitText(const QString& text);
    uint32_t valueColor() const { return m_valueColor; }
    void setValueColor(uint32_t color);

    void applyFactoryDefaults() override;

    // The text the readout shows.
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void storeValue(double value) { assign(m_value, value); }

private:
    double m_value = 0.0;
    QString m_unitText;
    uint32_t m_valueColor = 0x000000;
};
