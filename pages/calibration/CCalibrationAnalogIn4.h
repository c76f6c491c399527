#pragma once

#include "StripPage.h"

// The page "Analog Input Calibration - Step 4" (dialog 278, page table slot 18).
// Its strip is painted on activation; it arms no timer 100.
class CCalibrationAnalogIn4 : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 278;

    explicit CCalibrationAnalogIn4(QWidget* parent = nullptr);
};
