#pragma once

#include "StripPage.h"

// The page "Actuator Health" (dialog 281, page table slot 32).
class CActuatorHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 281;

    explicit CActuatorHealth(QWidget* parent = nullptr);
};
