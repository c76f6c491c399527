#pragma once

#include "StripPage.h"

// The page "Analog Input Calibration - Step 1" (dialog 275, page table slot 15).
// Its strip is painted on activation; it arms no timer 100.
class CCalibrationAnalogIn1 : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 275;

    explicit CCalibrationAnalogIn1(QWidget* parent = nullptr);
};
