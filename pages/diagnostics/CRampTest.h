#pragma once

#include "DiagnosticTestPage.h"

#include "RampTestRules.h"
#include "TestPageHandBack.h"

#include "controls/XYPlot.h"

// The page "Ramp Test" (dialog 268): the positioner ramps its command from a
// start to a stop position over a chosen duration and holds it there while
// it records; the page watches the device's test status byte, reads the
// recorded signature back block by block into one XY plot, runs the ramp a
// second time in reverse for a bi-directional test and then works out the
// thrust, friction and spring set. Four views choose what the plot shows;
// the result is saved, loaded and printed. In a multi-test run of the
// diagnostics hub it starts by itself with the hub's settings and hands back
// to the hub when it ends.
class CRampTest : public DiagnosticTestPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 268;
    static constexpr int ElapsedTimerId = 4011;
    static constexpr int RetrievalTimerId = 4013;
    static constexpr int PollTimerId = 4014;
    static constexpr int StepMs = 1000;
    static constexpr int CompareCode = 411;

    // Control ids of the page.
    enum : int {
        StartEdit = 891,
        StopEdit = 892,
        HoldEdit = 893,
        DurationEdit = 894,
        StartMark = 1095,
        StopMark = 1097,
        HoldMark = 1096,
        DurationMark = 1098,
        BidirectionalBox = 407,
        StrokeLengthEdit = 1366,
        ActuatorSizeEdit = 400,
        StrokeLengthUnit = 1367,
        ActuatorSizeUnit = 1368,
        SpringRateEdit = 396,
        SpringInitialEdit = 1360,
        SpringFinalEdit = 1361,
        SpringRateUnit = 1369,
        SpringInitialUnit = 1370,
        SpringFinalUnit = 1371,
        StatusEdit = 1021,
        ElapsedEdit = 395,
        ProgressBar = 603,
        PositionBox = 449,
        CommandBox = 629,
        Port1Box = 409,
        Port2Box = 412,
        RelayCommandBox = 632,
        RelayPositionBox = 633,
        RampViewButton = 434,
        PressureViewButton = 435,
        SignalsViewButton = 437,
        FrictionViewButton = 436,
        LoadButton = 432,
        SaveButton = 433,
        StartButton = 474,
        StopButton = 501,
        CompareButton = 475,
        PrintButton = 1051,
        PlotHost = 1046,
        ReportHost = 1056,
        PrinterHost = 1057,
        PlotId = 6017,
        ReportId = 7001,
        PrinterId = 7002,
    };

    // The views, by the code the page keeps.
    enum class View : uint8_t { Ramp = 0, PressureVsPosition = 1, SignalsVsCommand = 2, FrictionThrust = 3 };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CRampTest(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;

    void ValidateRampSetting(int editId);
    void StartRampTest();
    void StopRampTest();
    void SaveRampResults();
    void LoadRampResults();
    void PrintRampReport();
    void OnChannelBoxClicked(int boxId);

    // Views: the flag is the device's port 2 flag for live data, the loaded
    // record's single-acting flag for a loaded file.
    void ShowRampTestView(bool config28Bit5);
    void ShowPressureVsPositionView(bool config28Bit5);
    void ShowSignalsVsCommandView(bool config28Bit5);
    void ShowFrictionThrustView();
    void ResetPlotView();

    // The run and its analysis.
    void PrepareRampPlot();
    void RunRampAnalysis();

    const IXYPlotPtr& plot() const { return m_pPlot; }
    View currentView() const { return m_View; }
    uint8_t directionCode() const { return m_Direction; }
    int sampleIndex() const { return m_SampleIndex; }
    double sampleInterval() const { return m_Base.sampleInterval; }
    double totalTime() const { return m_Base.totalTime; }

private:
    // Start, stop, hold time and duration, in the order of m_Valid.
    static const SettingField SettingFields[4];

    void connectHandlers();
    void registerWithMultiTest();
    void setUpPlot(const IXYPlotPtr& plot);
    void readRampDeviceValues();
    void readRampTestSettings();
    void showSettings(const DeviceData& dd);
    void showMultiTestRampSettings();
    // The settings and direction of the result shown, back in the edits and the box.
    void showResultSettings();
    void showRampUnitLabels();
    void setRampButtonsRunning();
    void seedRampChannels(double start);
    void pollRampStatus();
    void retrievalStep();
    void readRampSignatureBlock();
    void startReverseRamp();
    void restoreRampSettings();
    void endRampOnDevice();
    void completeRampRun();
    void stopRampRun(UserStop how);
    bool settingsAllowStart() const override;
    ResultUnits deviceUnits() const override { return m_DeviceUnits; }
    void showChannel(const QString& name, bool visible);
    void showTrace(const char* channel, bool shown) override;
    void showAxis(bool xAxis, const QString& name, bool visible);
    void addPoint(const char* channel, double x, double y) override;
    // One sample on the channels against time and, in the run's direction,
    // against position and command.
    void plotSample(double t, const SignalSample& sample);
    RampTestRules::Curve curveOf(const QString& channel) const;
    void fillCurve(const QString& channel, const RampTestRules::Curve& curve);
    void applyPortRules(bool config28Bit5);
    // The view's title, its own button off and the others on, the port boxes
    // and the friction view as the model allows.
    void enterView(View view, const QString& title, int viewButton, bool config28Bit5);
    bool viewFlag() const;
    // Whether the shown result has a friction and thrust view, as its reports decide.
    bool frictionPictured() const;
    // Whether the ramp data the page shows, run or loaded, went both ways;
    // none while it shows neither.
    std::optional<bool> shownBidirectional() const;
    // The shown data's direction, else the page's own box.
    bool runBidirectional() const;
    // Which way the result shown ramped, Opening or Closing, by its own start
    // and stop (both ways: the first of its two ramps).
    uint8_t shownDirection() const;

    IXYPlotPtr m_pPlot;
    bool m_Bidirectional = false;
    bool m_Reverse = false;
    bool m_Valid[4] { true, true, true, true };
    View m_View = View::Ramp;
    uint8_t m_Direction = RampTestRules::Closing;
    int m_SampleIndex = 0;
    RampTestRules::TimeBase m_Base;
    // The device's units, stroke length and actuator area as the page last read them.
    ResultUnits m_DeviceUnits { 6, QString(), 47, QString(), 0.0, 0.0 };
    float m_PressureSpan = 0.0f;
    float m_RunStart = 0.0f;
    float m_RunStop = 0.0f;
    std::optional<RampTestRules::SpringSet> m_Spring;
    bool m_RunBidirectional = false;
    bool m_LoadedBidirectional = false;
};
