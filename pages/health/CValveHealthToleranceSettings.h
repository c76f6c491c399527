#pragma once

#include "StripPage.h"

// The page "Friction Tolerance Settings" (dialog 309, page table slot 30).
class CValveHealthToleranceSettings : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 309;

    explicit CValveHealthToleranceSettings(QWidget* parent = nullptr);
};
