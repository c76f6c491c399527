#pragma once

#include "StripPage.h"

// The page "Analog Input Calibration - Step 5" (dialog 279, page table slot 19).
// Its strip is painted on activation and read again every 20000 ms.
class CCalibrationAnalogIn5 : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 279;

    explicit CCalibrationAnalogIn5(QWidget* parent = nullptr);
};
