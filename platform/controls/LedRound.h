#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

// A round indicator lamp: its lit colour when on, its unlit colour when off.
// Blinking is left to the pages' timers.
class LedRound : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "DigitalLib.LedRound";

public:
    explicit LedRound(QWidget* parent = nullptr);

    uint32_t litColor() const { return m_litColor; }
    void setLitColor(uint32_t color);
    uint32_t unlitColor() const { return m_unlitColor; }
    void setUnlitColor(uint32_t color);

    bool lit() const { return m_lit; }
    void setLit(bool lit);

    // 0 draws a plain ring; other values a raised bezel.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // A highlight that makes the lamp look domed.
    bool reflection() const { return m_reflection; }
    void setReflection(bool reflection);

    void applyFactoryDefaults() override;

    // The colour the lamp shows now.
    QColor lampColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint32_t m_litColor = 0x00FF00;
    uint32_t m_unlitColor = 0x004000;
    bool m_lit = false;
    int m_borderStyle = 0;
    bool m_reflection = true;
};

using ILedRoundPtr = InterfacePtr<LedRound>;
