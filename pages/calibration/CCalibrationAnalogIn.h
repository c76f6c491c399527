#pragma once

#include "StripPage.h"

// The page "Analog Input Calibration" (dialog 261, page table slot 14).
class CCalibrationAnalogIn : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 261;

    explicit CCalibrationAnalogIn(QWidget* parent = nullptr);
};
