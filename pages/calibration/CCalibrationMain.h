#pragma once

#include "StripPage.h"

// The page "Calibration" (dialog 251, page table slot 10).
class CCalibrationMain : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 251;

    explicit CCalibrationMain(QWidget* parent = nullptr);
};
