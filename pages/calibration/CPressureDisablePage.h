#pragma once

#include "ShellPage.h"

// The page "Pressure Settings" (dialog 1078, page table slot 9), reached only
// through the calibration wizard, which does not activate it.
class CPressureDisablePage : public ShellPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1078;

    explicit CPressureDisablePage(PageContext& context, QWidget* parent = nullptr);

    // Creates the strip, loads the model's error-definition priorities (the
    // device model is known by now) and arms timer 100.
    void OnInitialUpdate() override;
    void ActivatePage() override { }
};
