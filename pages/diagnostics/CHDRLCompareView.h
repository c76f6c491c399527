#pragma once

#include "ComparePage.h"

#include "controls/Plot.h"

// The page "Compare" under "HDRL" (dialog 1075): the user opens two saved
// HDRL files, reads their identity, settling time and results side by side
// with the differences, sees both runs in one plot in three views (control
// signal, hysteresis and deadband, linearity) and prints the comparison. The
// page sends nothing to the device; activation repaints the status strip from
// what is known.
class CHDRLCompareView : public ComparePage<IPlotPtr>
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1075;
    static constexpr int HDRLCode = 43;

    // Control ids of the page.
    enum : int {
        COMPARE_PAGE_SHARED_IDS,
        Settling1Edit = 607,
        Settling2Edit = 608,
        HysDeadGroup = 1013,
        HysDeadAverage1Edit = 594,
        HysDeadAverage2Edit = 596,
        HysDeadAverageDiffEdit = 597,
        HysDeadMaximum1Edit = 595,
        HysDeadMaximum2Edit = 598,
        HysDeadMaximumDiffEdit = 599,
        RepeatGroup = 1014,
        RepeatAverage1Edit = 592,
        RepeatAverage2Edit = 600,
        RepeatAverageDiffEdit = 601,
        RepeatMaximum1Edit = 593,
        RepeatMaximum2Edit = 602,
        RepeatMaximumDiffEdit = 603,
        LinearityGroup = 1015,
        Linearity1Edit = 604,
        Linearity2Edit = 605,
        LinearityDiffEdit = 606,
        ControlSignalButton = 432,
        HDRButton = 475,
        LinearityButton = 502,
        PlotFrame = 1066,
        ScratchHost = 1062,
        ReportHost = 1061,
        PrinterHost = 1064,
        // The captions "1" and "2" over the result columns of the three groups.
        HysDeadCaption1 = 224,
        HysDeadCaption2 = 225,
        RepeatCaption1 = 226,
        RepeatCaption2 = 227,
        LinearityCaption1 = 228,
        LinearityCaption2 = 229,
        ReportId = 1061,
        PrinterId = 7002,
        PlotId = 7007,
        ScratchPlotId = 7008,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Kind Setup;

    explicit CHDRLCompareView(PageContext& context, QWidget* parent = nullptr);

    void OnPrintReport() override;
    void OnControlSignalView();
    void OnHDRView();
    void OnLinearityView();

    // The 23 boxes, file 1's first.
    static const std::vector<int>& Boxes();

private:
    void setUpPage() override;
    bool loadFile(int file) override;
    void showFile(int file) override;
    void showEmptyView() override;
    void connectPageHandlers() override;
    void hideAllChannels();
    void showView(int button);
};
