#pragma once

#include "StripPage.h"

// The page "Analog Input Calibration - Step 2" (dialog 276, page table slot 16).
// Its strip is painted on activation; it arms no timer 100.
class CCalibrationAnalogIn2 : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 276;

    explicit CCalibrationAnalogIn2(QWidget* parent = nullptr);
};
