#pragma once

#include "DiagnosticTestPage.h"
#include "TestPageHandBack.h"

#include "controls/Plot.h"

// The page "Partial Stroke Test" (dialog 274): the positioner moves the valve
// by itself from a start towards a stop position within a set time, measures
// the break-away and the time to target and judges the test; the page reads
// the results, and on request the recorded signature, into its plot. It also
// switches the positioner's continuous stroke test, and saves, loads and
// prints results. In a multi-test run of the diagnostics hub it starts by
// itself with the hub's settings, retrieves the signature and hands back.
class CPartialStrokeTest : public DiagnosticTestPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 274;
    static constexpr int ProgressTimerId = 9997;
    static constexpr int RetrievalTimerId = 4004;
    static constexpr int PollMs = 3000;
    static constexpr int FirstBlockMs = 10000;
    static constexpr int CompareCode = 461;
    static constexpr uint16_t PartialStrokeType = 1;

    // Control ids of the page.
    enum : int {
        SettingsGroup = 1019,
        StartEdit = 890,
        StopEdit = 891,
        TimeToTargetEdit = 892,
        DurationEdit = 893,
        StartMark = 1089,
        StopMark = 1090,
        TimeToTargetMark = 1091,
        DurationMark = 1092,
        GraphGroup = 1010,
        PositionBox = 449,
        CommandBox = 629,
        Port1Box = 409,
        Port2Box = 412,
        RelayCommandBox = 413,
        RelayPositionBox = 414,
        MonitorsGroup = 1017,
        StatusEdit = 774,
        ProgressBar = 495,
        BreakAwayGroup = 1020,
        BreakAwayTimeEdit = 775,
        BreakAwayPressureEdit = 776,
        TimeToTargetResultEdit = 777,
        ResultEdit = 778,
        PressureUnitLabel = 1049,
        ContinuousGroup = 1021,
        EnableRadio = 1069,
        DisableRadio = 1070,
        QuestionText = 1137,
        YesButton = 1138,
        NoButton = 1005,
        PlotFrame = 1031,
        ReportHost = 1046,
        PrinterHost = 1047,
        LoadButton = 432,
        SaveButton = 433,
        StartButton = 474,
        StopButton = 501,
        RetrieveButton = 1285,
        CompareButton = 502,
        PrintButton = 1051,
        PlotId = 6018,
        ReportId = 7001,
        PrinterId = 7002,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CPartialStrokeTest(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;

    void CheckSetting(int editId);
    void StartPartialStrokeTest();
    void StopPartialStrokeTest();
    void StartSignatureRetrieval();
    void PollPstProgress();
    void RetrievalStep();
    void ReadPstResults();
    void ReadPstSignatureBlock();
    void ReadSignatureSettings();
    void ShowSignatureSettings();
    // The settings of the result shown, back in the edits.
    void showResultSettings();
    void PreparePlot();
    void SetPstPlotAxes();
    void ReadContinuousStrokeState();
    void OnContinuousRadio(int radioId);
    void OnContinuousYes();
    void OnContinuousNo();
    void OnCheckBox(int boxId);
    void OnLoad();
    void SavePstFile();
    void OnPrintReport();

    const IPlotPtr& plot() const { return m_pPlot; }
    bool retrieving() const { return m_Retrieving; }
    bool offLineData() const { return m_Result.fromFile(); }
    int sampleIndex() const { return m_SampleIndex; }
    double sampleInterval() const { return m_SampleInterval; }

private:
    enum class Buttons { Idle, Running, Completed, Retrieving };

    void connectHandlers();
    void registerWithMultiTest();
    void setUpPlot(const IPlotPtr& plot);
    void setButtons(Buttons group);
    void showIdleButtons() override;
    void stopTest(UserStop how);
    bool settingsAllowStart() const override;
    // The time and position axes and the sample interval for a run's
    // duration, start and stop.
    void scalePlot(double duration, float start, float stop);
    void showChannelsAsBoxes();
    void showTrace(const char* name, bool shown) override;
    void showQuestion(bool shown);
    void setRadios(bool enabled);
    // Coming back to a run that completed here and whose signature the
    // device still holds unread: Retrieve is offered again.
    void offerUnreadSignature();
    // The run's signature is gone from the device unread: the page shows
    // none of its results.
    void dropUnreadSignature();
    void addPoint(const char* channel, double x, double y) override;
    void fillRecordFromPage();

    IPlotPtr m_pPlot;
    double m_TestSpan = 0.0;
    double m_SampleInterval = 0.0;
    int m_SampleIndex = 0;
    int m_PositionAxisMin = 0;
    int m_PendingCstAnswer = 0;
    bool m_Retrieving = false;
    // A run completed on this page and its signature has not been read back:
    // until a retrieval, a new run, a stop or a load.
    bool m_SignatureUnread = false;
    // The configuration byte came back at the last activation, so a
    // continuous stroke write changes only its bit 0x02.
    bool m_ConfigByteRead = false;
    bool m_SettingValid[4] = { true, true, true, true };
};
