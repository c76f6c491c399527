#pragma once

#include "AnalogInputWizardPage.h"

// The page "Analog Input" (dialog 261): the start of the analog input
// (command loop) calibration wizard. It shows the live command A/D count,
// the design current, the loop calibration flags and the device's loop
// calibration state, and leads to step 1 with Next.
class CCalibrationAnalogIn : public AnalogInputWizardPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 261;
    // Timer 100: the live values and the strip, first after 1000 ms, then every 20000 ms.
    static constexpr int LiveTimerId = StripTimerId;
    static constexpr int FirstLiveMs = 1000;
    static constexpr int LiveMs = 20000;

    enum : int {
        MonitorGroup = 916,
        CommandEdit = 1207,
        CurrentEdit = 1018,
        CurrentUnitLabel = 222,
        FootnoteLabel = 918,
        FlagsGroup = 912,
        ZeroFlag = 584,
        SpanFlag = 585,
        RangeFlag = 586,
        StateIndicator = 244,
        NextButton = 479,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Monitor Controls;

    explicit CCalibrationAnalogIn(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void OnNext();
};
