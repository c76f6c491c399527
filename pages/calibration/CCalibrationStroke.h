#pragma once

#include "StripPage.h"

// The page "Stroke Calibration" (dialog 1080, page table slot 13).
class CCalibrationStroke : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1080;

    explicit CCalibrationStroke(QWidget* parent = nullptr);
};
