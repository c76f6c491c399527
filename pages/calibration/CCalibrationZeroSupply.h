#pragma once

#include "StripPage.h"

#include <cstdint>

// The page "Zero Supply" (dialog 408, no tree item; the smaller model's
// actuator calibration swaps it in): it captures the zero of the supply
// pressure sensor. While the supply is on its timer reads the sensor's A/D
// count and keeps the largest one seen; the user removes the supply, waits
// for the count to settle and presses Capture Zero, which writes the span,
// the full-supply count and the zero count to the device.
class CCalibrationZeroSupply : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 408;
    static constexpr int CountTimerId = StripTimerId; // 100: the strip and the count
    static constexpr int FirstReadMs = 1000;
    static constexpr int ReadMs = 20000;
    // A capture is taken only when the count fell by more than this.
    static constexpr int MinimumSpan = 100;

    // Control ids of the page.
    enum : int {
        CountEdit = 1025,
        CaptureButton = 384,
        BackButton = 431,
        FinishButton = 1199,
        GroupId = 1016,
    };

    static const PageTemplate Template; // CCalibrationZeroSupplyTemplate.cpp
    // Why a capture was refused, and the caption of that message.
    static const QString RefusedCaption;
    static const QString NoCountYetText;
    static const QString SpanTooSmallText; // %1 the count shown, %2 the highest count read
    // Where Back and Finish return: the actuator calibration.
    static const char* const CalibrationPage;

    explicit CCalibrationZeroSupply(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    // Timer 100: the strip, then the supply count.
    void OnCountTimer();
    // Writes the zero when the count fell by more than MinimumSpan; a refused
    // capture says why and leaves Back on, so the user may try again or go back.
    void OnCaptureZero();
    // Back and Finish alike.
    void OnFinish();

    int16_t runningMaximum() const { return m_RunningMaximum; }
    uint16_t full() const { return m_Full; }
    uint16_t zero() const { return m_Zero; }
    uint16_t span() const { return m_Span; }

private:
    void refuseCapture(const QString& why);

    // The largest count read since the program started (signed); never reset.
    int16_t m_RunningMaximum = 0;
    uint16_t m_Full = 0;
    uint16_t m_Zero = 0;
    uint16_t m_Span = 0;
};
