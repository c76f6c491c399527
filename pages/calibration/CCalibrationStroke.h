#pragma once

#include "CalibrationRunPage.h"
#include "StrokeCalibrationRules.h"

#include <array>
#include <cstdint>

// The page "Stroke" (dialog 1080): the user enters his initials and Start has
// the positioner calibrate its stroke. While it runs the page polls the state
// every 2 s and shows it with the progress, the estimated position and the
// six stroke calibration flags; at the end the new date and initials, and
// the report can be printed. Leaving the page mid-run aborts the run.
class CCalibrationStroke : public CalibrationRunPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1080;
    static constexpr int PollTimerId = 5001;
    static constexpr int PollMs = 2000;
    static constexpr uint8_t StartCode = 1;
    static constexpr uint8_t AbortCode = 0x33;

    enum : int {
        ConsoleGroup = 909,
        LastDateEdit = 1185,
        LastByEdit = 1055,
        TodayEdit = 1056,
        InitialsEdit = 1186,
        InitialsMark = 1100,
        PositionGroup = 938,
        PositionEdit = 1057,
        StateGroup = 914,
        StateEdit = 1058,
        ProgressBar = 468,
        StartButton = 1203,
        AbortButton = 1204,
        PrintButton = 1205,
        FlagsGroup = 912,
        FirstFlagHost = 1197, // 1197..1202
        FirstFlagLed = 5099, // 5099..5104
        FirstFlagLabel = 1306, // the six rows' labels
        ReportHost = 1060,
        PrinterHost = 1143,
        ReportId = 7001,
        PrinterId = 7002,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const ToolTipTable TrailingToolTips;
    static const QString MovementCaption;
    static const QString InitialsTip;
    static const QString CompletedText;
    static const QString AbortedText;
    // The controls, timer and texts of the run.
    static const RunSetup Run;

    explicit CCalibrationStroke(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnChangeNewCalibrationBy() override;
    void OnStartCalibration() override;
    void OnAbortCalibration() override;
    void OnPrintReport() override;

    void PollCalibrationState();
    void PollCalibrationFlags();

    const ILedRoundPtr& flagLed(int row) const { return m_pFlagLeds[size_t(row)]; }

private:
    void showPosition();
    void FillStrokeCalibResults();

    std::array<ILedRoundPtr, 6> m_pFlagLeds;
};
