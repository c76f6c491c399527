#pragma once

#include "StripPage.h"

// The page "Actuator Calibration" (dialog 258, page table slot 12).
class CCalib_Actuator : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 258;

    explicit CCalib_Actuator(QWidget* parent = nullptr);
};
