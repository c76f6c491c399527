#pragma once

#include "ComparePage.h"

#include "controls/XYPlot.h"

// The page "Compare" under "Ramp Test" (dialog 361): the user opens two saved
// ramp test files, reads their identity, settings and spring values side by
// side, sees both tests and their point-wise differences in four views
// (signals against time, pressure against position, signals against
// command, friction and thrust against position), picks the channels with
// the 18 boxes and prints the comparison. The page sends nothing to the
// device but the tag read before printing; activation repaints the status
// strip from what is known.
class CRampTestCompare : public ComparePage<IXYPlotPtr>
{
    Q_OBJECT

public:
    static constexpr int DialogId = 361;
    static constexpr int RampTestCode = 41;

    // The views, as the page keeps them.
    enum View : int { RampTestView = 0, PressureVsPositionView = 1, SignalsVsCommandView = 2, FrictionView = 3 };

    // Control ids of the page; the 18 boxes and their captions are the
    // compare pages' shared grid (CompareBoxGrid).
    enum : int {
        COMPARE_PAGE_SHARED_IDS,
        SettingsGroup = 1141,
        SettingsCaption1 = 220,
        SettingsCaption2 = 221,
        Start1Edit = 891,
        Stop1Edit = 892,
        Hold1Edit = 893,
        Duration1Edit = 894,
        Start2Edit = 895,
        Stop2Edit = 896,
        Hold2Edit = 897,
        Duration2Edit = 898,
        StartUnit = 310,
        HoldUnit = 311,
        DurationUnit = 312,
        StopUnit = 313,
        StrokeLength1Edit = 356,
        StrokeLength2Edit = 357,
        StrokeLengthUnit = 924,
        ActuatorSize1Edit = 400,
        ActuatorSize2Edit = 401,
        ActuatorSizeUnit = 925,
        SingleActing1Edit = 404,
        SingleActing2Edit = 405,
        Sensors1Edit = 1058,
        Sensors2Edit = 1002,
        BiDirectional1Edit = 409,
        BiDirectional2Edit = 410,
        SpringGroup = 1142,
        SpringCaption1 = 224,
        SpringCaption2 = 225,
        SpringRate1Edit = 396,
        SpringRate2Edit = 397,
        SpringRateUnit = 915,
        SpringInitial1Edit = 398,
        SpringInitial2Edit = 399,
        SpringInitialUnit = 927,
        SpringFinal1Edit = 402,
        SpringFinal2Edit = 403,
        SpringFinalUnit = 928,
        GraphGroup = 1010,
        ViewsGroup = 922,
        RampTestButton = 1135,
        PressureVsPositionButton = 1136,
        SignalsVsCommandButton = 1137,
        FrictionButton = 1138,
        PlotHost = 1372,
        ScratchHost = 1373,
        ReportHost = 1374,
        PrinterHost = 1375,
        PlotId = 7009,
        ScratchPlotId = 7010,
        ReportId = 7011,
        PrinterId = 7002,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Kind Setup;

    explicit CRampTestCompare(PageContext& context, QWidget* parent = nullptr);

    void OnPrintReport() override;
    void ApplyRampTestView();
    void ApplyPressureVsPositionView();
    void ApplySignalsVsCommandView();
    void ApplyFrictionView();
    void OnChannelBox(int boxId);

    View currentView() const { return m_View; }

private:
    void setUpPage() override;
    bool loadFile(int file) override;
    void showFile(int file) override;
    void showEmptyView() override;
    void connectPageHandlers() override;
    void SetChannelVisible(const QString& name, bool visible);
    void EnableAllChannelBoxes();
    void CheckFile1ChannelBoxes();
    void ResetCompareView();
    void showAxis(bool xAxis, const char* name);
    // The three views the boxes drive.
    void applyBoxView(View view);
    void applyPortRule(View view, bool secondFile);
    void applyDifferenceRule(View view);
    // Shows the box's channels of the current view by its check state.
    void syncBox(int boxId);

    View m_View = RampTestView;
};
