#pragma once

#include "StripPage.h"

// The page "Analog Input Calibration - Step 3" (dialog 277, page table slot 17).
// Its strip is painted on activation; it arms no timer 100.
class CCalibrationAnalogIn3 : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 277;

    explicit CCalibrationAnalogIn3(QWidget* parent = nullptr);
};
