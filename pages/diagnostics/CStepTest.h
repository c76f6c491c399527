#pragma once

#include "DiagnosticTestPage.h"
#include "TestPageHandBack.h"

#include "controls/Plot.h"

// The page "Step Test" (dialog 266): the positioner runs a step signature
// test from a start to a stop position and holds it there; the page watches
// the device's test status byte, reads the recorded signature block by block
// into its plot, shows it against time or as port pressure against position,
// and saves, loads and prints the result. In a multi-test run of the
// diagnostics hub it starts by itself with the hub's settings and hands back
// to the hub when it ends.
class CStepTest : public DiagnosticTestPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 266;
    static constexpr int TestWatchTimerId = 4015;
    static constexpr int ReadOutTimerId = 4016;
    static constexpr int ElapsedTimerId = 4017;
    static constexpr int FirstWatchMs = 4015;
    static constexpr int PollMs = 3000;
    static constexpr int ElapsedMs = 1000;
    static constexpr int CompareCode = 421;

    // Control ids of the page.
    enum : int {
        SettingsGroup = 1023,
        StartEdit = 892,
        StopEdit = 893,
        HoldEdit = 894,
        StartMark = 1093,
        StopMark = 1095,
        HoldMark = 1094,
        GraphGroup = 1010,
        PositionBox = 449,
        CommandBox = 629,
        Port1Box = 409,
        Port2Box = 412,
        RelayCommandBox = 632,
        RelayPositionBox = 633,
        StepViewButton = 1024,
        PressureViewButton = 435,
        MonitorsGroup = 1017,
        StatusEdit = 1018,
        ElapsedEdit = 395,
        ProgressBar = 495,
        PlotHost = 1046,
        ReportHost = 1056,
        PrinterHost = 1057,
        LoadButton = 432,
        SaveButton = 433,
        StartButton = 474,
        StopButton = 501,
        CompareButton = 475,
        PrintButton = 1051,
        PlotId = 7000,
        ReportId = 7001,
        PrinterId = 7002,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CStepTest(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;

    void CheckStartPosition();
    void CheckStopPosition();
    void CheckHoldTime();
    void OnStartTest();
    void OnStopTest();
    void OnSaveResults();
    void OnLoadResults();
    void OnPrintReport();
    void OnCheckBox(int boxId);

    // The plot side.
    void PreparePlot();
    void SeedStartPoint(float start);
    void ReadSignatureBlock();
    void SetPlotScales();
    void ShowStepView(bool port2Absent);
    void ShowPressureView(bool port2Absent);
    void HideAllTraces();
    void FillStepRecord();
    void ShowRecordSettings();
    // The settings of the result shown, back in the edits.
    void ShowResultSettings();

    const IPlotPtr& plot() const { return m_pPlot; }
    bool pressureView() const { return m_PressureView; }
    int sampleCount() const { return m_SampleCount; }
    double pressureScale() const { return m_PressureScale; }

private:
    static const SettingField StartField;
    static const SettingField StopField;
    static const SettingField HoldField;

    void connectHandlers();
    void registerWithMultiTest();
    void setUpPlot(const IPlotPtr& plot);
    void onTestWatch();
    void onReadOut();
    void completeTest();
    void stopTest(UserStop how);
    void showSettings(float start, float stop, float hold);
    bool settingsAllowStart() const override;
    // The time and position axes and the sample interval for a run's start,
    // stop and hold time.
    void scalePlot(float start, float stop, float hold);
    // Port 2 absent for the views: the device's flag, or the loaded file's.
    bool port2Absent() const;
    // The view's flag, title, buttons and boxes, every trace hidden.
    void enterView(bool pressureView, const QString& title, bool port2AbsentFlag);
    void addPoint(const char* channel, double x, double y) override;
    void showTrace(const char* name, bool shown) override;
    // One sample on the channels against time and against position.
    void plotSample(double t, const SignalSample& sample);

    IPlotPtr m_pPlot;
    bool m_PressureView = false;
    bool m_StartValid = false;
    bool m_StopValid = false;
    bool m_HoldValid = false;
    int m_SampleCount = 0;
    double m_TotalTime = 0.0;
    double m_SampleInterval = 0.0;
    double m_PressureScale = 0.0;
    float m_StartAtStart = 0.0f;
    float m_StopAtStart = 0.0f;
};
