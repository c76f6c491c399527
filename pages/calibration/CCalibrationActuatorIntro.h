#pragma once

#include "StripPage.h"

// The page "Actuator /Stroke /Friction" (dialog 313, page table slot 11).
class CCalibrationActuatorIntro : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 313;

    explicit CCalibrationActuatorIntro(QWidget* parent = nullptr);
};
