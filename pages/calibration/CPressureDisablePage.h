#pragma once

#include "StripPage.h"

// The page "Page Disabled" (dialog 1078, no tree item): shown by the
// actuator information page's Next instead of the actuator calibration when
// the device has no usable pressure sensor. It offers only the status strip,
// which its own timer keeps current; being shown activates nothing.
//
// Its initial update is also where the program loads the error-definition
// priorities, once per run: every page gets its initial update at start-up,
// after the device model is known and before any page is first shown.
class CPressureDisablePage : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1078;
    static constexpr int StatusTimerId = StripTimerId; // 100
    static constexpr int FirstStatusMs = 1000;
    static constexpr int StatusMs = 3000;

    enum : int { HeadingId = 1010, RequirementsGroupId = 1011, SensorLabelId = 1012, SensorStateLabelId = 1013 };

    static const PageTemplate Template; // CPressureDisablePageTemplate.cpp

    explicit CPressureDisablePage(PageContext& context, QWidget* parent = nullptr);

    // Loads the error definitions, creates the strip and arms timer 100.
    void OnInitialUpdate() override;
    // Shown by a swap alone: nothing to do.
    void ActivatePage() override { }

    // Timer 100: one status read, the strip painted, again in 3000 ms.
    void OnStatusTimer();
};
