#pragma once

#include "StripPage.h"

// The page "Zero Supply Calibration" (dialog 408, page table slot 41).
class CCalibrationZeroSupply : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 408;

    explicit CCalibrationZeroSupply(QWidget* parent = nullptr);
};
