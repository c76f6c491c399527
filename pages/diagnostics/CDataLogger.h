#pragma once

#include "DataLoggerRules.h"
#include "FieldRange.h"
#include "StripPage.h"

#include "controls/Plot.h"
#include "controls/SpinEditBox.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <array>
#include <cstdint>
#include <optional>

// The page "Data Logger" (dialog 254): samples eight live values of the
// positioner at a chosen interval for a chosen duration and draws them as
// they come. Nothing is written to the device and the valve never moves.
// A run can be saved, loaded back and printed.
class CDataLogger : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 254;
    static constexpr int SampleTimerId = 4000;
    static constexpr int InitialPeriodMs = 2000;
    // What the duration field takes for a run, in the chosen unit.
    static constexpr FieldRange DurationRange { 1.0, 60.0, FieldStep::Whole };

    // Control ids of the page.
    enum : int {
        PositionBox = 449,
        AnalogCommandBox = 408,
        CommandBox = 411,
        TemperatureBox = 410,
        Port1Box = 409,
        Port2Box = 412,
        SpoolCommandBox = 413,
        SpoolPositionBox = 414,
        UnselectAllButton = 448,
        SelectAllButton = 1020,
        GraphSettingsGroup = 1010,
        LoggerSettingsGroup = 1011,
        IntervalLabel = 900,
        IntervalCombo = 450,
        SecondsLabel = 903,
        DurationLabel = 901,
        DurationField = 451,
        UnitsLabel = 902,
        UnitsCombo = 447,
        LoadButton = 432,
        SaveButton = 433,
        StartButton = 474,
        StopButton = 501,
        PrintButton = 1439,
        // Placeholders and the controls made over them.
        PlotHost = 1030,
        PrinterHost = 1437,
        ReportHost = 1438,
        PlotId = 5531,
        ReportId = 5526,
        PrinterId = 5527,
    };

    // One sample channel: its box, the channel's name and the axis it is drawn on.
    struct SampleChannel {
        int box;
        const char* name;
        int yAxis;
    };
    // In the order every sample appends to them.
    static const SampleChannel Channels[8];

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CDataLogger(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;

    void SetLoggerPeriod(int index);
    int GetLoggerDurationSeconds(int unitIndex);
    void ApplyLoggerSettings();
    // Takes the axes' pressure and temperature titles as those of the samples now on show.
    void keepShownTitles();
    void StartDataLogging();
    void StopDataLogging();
    void OnDataLoggerTimer();
    void AppendLoggerSample();
    void RefreshLoggerChannels();
    void SelectAllLoggerChannels();
    void UnselectAllLoggerChannels();
    void SaveLoggerResults();
    void LoadLoggerResults();
    void PrintLoggerReport();

    const IPlotPtr& plot() const { return m_pPlot; }
    ISpinEditBoxPtr durationField() const;
    int loggerPeriod() const { return m_LoggerPeriod; }
    int sampleLimit() const { return m_LoggerSampleLimit; }
    int sampleCount() const { return m_LoggerSampleCount; }
    int durationSeconds() const { return m_LoggerDurationSeconds; }
    bool fileLoaded() const { return m_LoggerFileLoaded != 0; }
    const QString& unitText() const { return m_LoggerUnitText; }
    bool logging() const { return timerArmed(SampleTimerId); }

    // The settings a run was taken with, as the report prints them: the
    // interval in seconds, the duration and its unit's text.
    struct RunSettings {
        QString interval;
        QString duration;
        QString unitText;
    };

private:
    RunSettings appliedSettings() const;
    bool checked(int box) const;
    void setChecked(int box, bool check);
    int comboIndex(int combo) const;
    void setComboIndex(int combo, int index);
    void showChannel(const IPlotChannelPtr& channel, bool show);
    void showAxis(int yAxis, bool show);
    const IPlotChannelPtr& channel(int box) const;
    void setIdle(bool idle);
    void updateSelectButtons();
    bool everyBoxTicked() const;
    void placeSmallerModelBoxes();
    void connectHandlers();

    IPlotPtr m_pPlot;
    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    std::array<IPlotChannelPtr, 8> m_pChannels; // in the order of Channels
    int m_LoggerPeriod = 0;
    int m_LoggerSampleLimit = 0;
    int m_LoggerSampleCount = 0;
    int m_LoggerDurationSeconds = 0;
    double m_SpoolCommandValue = 0.0;
    double m_SpoolPositionValue = 0.0;
    uint8_t m_LoggerFileLoaded = 0;
    // The model the loaded file was recorded on; 0 when the file does not say.
    uint8_t m_LoadedModel = 0;
    QString m_LoggerUnitText;
    // The pressure and temperature titles of the samples on show: a run's,
    // from its device's units at Start, or a file's, from the units it was
    // recorded in. Empty while nothing is shown; they outlast later changes
    // of the device's units, which do not change what the samples are in.
    QString m_ShownPressureTitle;
    QString m_ShownTemperatureTitle;
    // The settings of the run on show, from its Start or its file; empty
    // while the page shows no run. The fields may be changed since for the
    // next run: they do not describe the samples drawn.
    std::optional<RunSettings> m_ShownRun;
    // When the run on show was recorded, month/day/year unpadded: the day it
    // started, or the date its file keeps; empty while the page shows no run.
    QString m_ShownRunDate;
};
