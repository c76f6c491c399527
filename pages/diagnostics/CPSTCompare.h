#pragma once

#include "ComparePage.h"

#include "controls/Plot.h"

// The page "Compare" under "Partial Stroke Test" (dialog 368): the user
// opens two saved partial stroke test files and reads their identity,
// settings and break-away results side by side with the differences of the
// results; one plot carries both tests' six signals and their point-wise
// differences, each shown by its own box of the shared 18-box grid. The
// page prints the comparison and sends nothing to the device.
class CPSTCompare : public ComparePage<IPlotPtr>
{
    Q_OBJECT

public:
    static constexpr int DialogId = 368;
    static constexpr int PartialStrokeCode = 46;

    // Control ids of the page; the 18 boxes and their captions are the
    // compare pages' shared grid (CompareBoxGrid).
    enum : int {
        COMPARE_PAGE_SHARED_IDS,
        SettingsGroup = 1019,
        Start1Edit = 1143,
        Start2Edit = 1144,
        Stop1Edit = 1145,
        Stop2Edit = 1146,
        TimeToTarget1Edit = 1147,
        TimeToTarget2Edit = 1148,
        Duration1Edit = 1149,
        Duration2Edit = 1150,
        SettingsCaption1 = 224,
        SettingsCaption2 = 225,
        BreakAwayGroup = 1020,
        BreakAwayCaption1 = 226,
        BreakAwayCaption2 = 227,
        Time1Edit = 775,
        Pressure1Edit = 776,
        Target1Edit = 777,
        Result1Edit = 778,
        Time2Edit = 779,
        Pressure2Edit = 780,
        Target2Edit = 781,
        Result2Edit = 782,
        TimeDiffEdit = 783,
        PressureDiffEdit = 784,
        TargetDiffEdit = 785,
        UnitLabel = 924,
        GraphGroup = 1010,
        PlotFrame = 1052,
        ScratchHost = 1054,
        ReportHost = 1046,
        PrinterHost = 1047,
        ReportId = 7001,
        PrinterId = 7002,
        PlotId = 7003,
        ScratchPlotId = 7004,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Kind Setup;

    explicit CPSTCompare(PageContext& context, QWidget* parent = nullptr);

    void OnPrintReport() override;
    void OnChannelBox(int boxId);

private:
    void setUpPage() override;
    bool loadFile(int file) override;
    void showFile(int file) override;
    void showEmptyView() override;
    void connectPageHandlers() override;
    void hideAllChannels();

    // A result at or above 655 s is the device's "nothing measured".
    bool m_NoTime1 = false;
    bool m_NoTime2 = false;
    bool m_NoTarget1 = false;
    bool m_NoTarget2 = false;
};
