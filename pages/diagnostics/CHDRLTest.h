#pragma once

#include "ShownResult.h"
#include "StripPage.h"
#include "TestPageHandBack.h"

#include "controls/Plot.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QDateTime>

#include <array>
#include <cstdint>
#include <optional>

// The page "HDRL" (dialog 270): the page itself runs the hysteresis,
// deadband, repeatability and linearity test. It switches the positioner to
// digital command, steps the command through 25 points (two full strokes),
// reads the position one settling period after each step, then draws the
// readings as steps, shows the five results and writes the previous control
// mode and command back. It saves, loads and prints results and leads to the
// HDRL compare page. In a multi-test run of the diagnostics hub it takes the
// hub's settling time, starts by itself and hands back when it ends.
class CHDRLTest : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 270;
    static constexpr int ElapsedTimerId = 200;
    static constexpr int SettlingTimerId = 4001;
    static constexpr int ElapsedMs = 1000;
    static constexpr int DiagnosticCode = 4;
    static constexpr int CompareCode = 431;
    static constexpr uint8_t DigitalMode = 0x40;

    // Control ids of the page.
    enum : int {
        HysDeadAverageEdit = 594,
        HysDeadMaximumEdit = 595,
        RepeatAverageEdit = 592,
        RepeatMaximumEdit = 593,
        LinearityEdit = 596,
        SettlingEdit = 1054,
        SettlingMark = 1082,
        StartTimeEdit = 394,
        ElapsedEdit = 395,
        ProgressBar = 506,
        PlotHost = 1055,
        ReportHost = 1057,
        PrinterHost = 1059,
        ControlSignalButton = 432,
        HDRButton = 475,
        LinearityButton = 502,
        LoadButton = 454,
        SaveButton = 453,
        StartButton = 474,
        StopButton = 501,
        CompareButton = 476,
        PrintButton = 1058,
        PlotId = 6019,
        ReportId = 7001,
        PrinterId = 7002,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CHDRLTest(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;

    void OnSettlingTimeChange();
    void OnControlSignalView();
    void OnHDRView();
    void OnLinearityView();
    void OnStart();
    void OnStop();
    void OnSave();
    void OnLoad();
    void OnPrintReport();
    void OnCompare();

    void TakeStepReading();
    void PlotReadings();
    void CalculateResults();

    const IPlotPtr& plot() const { return m_pPlot; }
    bool running() const { return m_Running; }
    bool offlineData() const { return m_Result.fromFile(); }
    int pointIndex() const { return int(m_PointIndex); }
    uint32_t settlingMs() const { return m_SettlingMs; }
    const std::array<float, 25>& readings() const { return m_PositionReadings; }

private:
    void connectHandlers();
    void registerWithMultiTest();
    void setUpPlot(const IPlotPtr& plot);
    void PrepareRun(float seconds);
    void onElapsed();
    void restoreDevice();
    void stopRun(UserStop how);
    void enableIdleButtons(bool enable);
    void showView(int button);
    void setProgress(int value);
    // No run's progress, start time or elapsed time on show.
    void clearRunTimes();
    void setTimeAxis(float settling);
    // The settling time where the plot is laid out: 0 while the edit holds no number.
    float settling() const;
    // The settling time Start takes: the edit's whole text a number in its range.
    std::optional<double> settlingForRun() const;
    bool settlingValid() const;
    // The settling time of the result shown: the run's, or the loaded file's
    // as the edit shows it. A value typed during a run is for the next one.
    QString settlingText() const;
    float shownSettling() const;

    IPlotPtr m_pPlot;
    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    double m_LinearityError = 0.0;
    double m_RepeatAverage = 0.0;
    double m_RepeatMaximum = 0.0;
    double m_HDAverage = 0.0;
    double m_HDMaximum = 0.0;
    int m_ElapsedSeconds = 0;
    std::array<float, 25> m_PositionReadings {};
    uint16_t m_SavedCommandWord = 0; // hundredths of a percent, as read
    uint8_t m_SavedControlMode = 0;
    uint32_t m_PointIndex = 0;
    uint32_t m_SettlingMs = 0;
    ShownResult m_Result;
    QDateTime m_StartTime;
    bool m_Running = false;
};
