#pragma once

#include "ComparePage.h"

#include "controls/Plot.h"

// The page "Compare" under "Step Test" (dialog 364): the user opens two
// saved step test files, reads their identity and settings side by side and
// sees both tests and their point-wise differences in one plot, against time
// (the step view) or as port pressure against position, picks the channels
// with the 18 boxes, and prints the comparison. The page sends nothing to the
// device; activation repaints the status strip from what is known.
class CStepCompareView : public ComparePage<IPlotPtr>
{
    Q_OBJECT

public:
    static constexpr int DialogId = 364;
    static constexpr int StepTestCode = 42;

    // Control ids of the page; the 18 boxes and their captions are the
    // compare pages' shared grid (CompareBoxGrid).
    enum : int {
        COMPARE_PAGE_SHARED_IDS,
        SettingsGroup = 1141,
        Start1Edit = 1061,
        Stop1Edit = 1062,
        Hold1Edit = 1063,
        SingleActing1Edit = 1057,
        Sensors1Edit = 1058,
        Start2Edit = 895,
        Stop2Edit = 896,
        Hold2Edit = 897,
        SingleActing2Edit = 1001,
        Sensors2Edit = 1002,
        SettingsCaption1 = 220,
        SettingsCaption2 = 221,
        GraphGroup = 1010,
        ViewsGroup = 922,
        StepViewButton = 1140,
        PressureViewButton = 1136,
        PlotFrame = 1052,
        ScratchHost = 1054,
        ReportHost = 1060,
        PrinterHost = 1064,
        ReportId = 7001,
        PrinterId = 7002,
        PlotId = 7005,
        ScratchPlotId = 7006,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Kind Setup;

    explicit CStepCompareView(PageContext& context, QWidget* parent = nullptr);

    void OnPrintReport() override;
    void OnChannelBox(int boxId);
    void ShowStepView();
    void ShowPressureView();

    bool pressureView() const { return m_PressureView; }

private:
    void setUpPage() override;
    bool loadFile(int file) override;
    void showFile(int file) override;
    void showEmptyView() override;
    void connectPageHandlers() override;
    void showAxis(bool xAxis, const char* name, bool shown);
    void setDifferenceBoxes();

    bool m_PressureView = false;
};
