#pragma once

#include "StripPage.h"
#include "TrendsRules.h"

#include "controls/Plot.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <array>
#include <cstdint>
#include <optional>

// The page "Trends" (dialog 273): reads the device's trend table, 91 rows
// one every 3000 ms, into four plots (24 hours, 30 days, 12 months, 25
// years); clears the device's trend memory; shows one signal or all; saves
// and loads trends files and prints the trend report.
class CTrends : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 273;
    static constexpr int RowTimerId = 4005;
    static constexpr int RowMs = 3000;

    // Control ids of the page.
    enum : int {
        PositionButton = 675,
        CommandButton = 676,
        DeviationButton = 677,
        FrictionButton = 436,
        SupplyButton = 442,
        TemperatureButton = 443,
        SelectAllButton = 444,
        LoadButton = 1419,
        SaveButton = 1021,
        ClearTrendsButton = 433,
        RetrieveButton = 425,
        StopButton = 326,
        PrintReportButton = 1022,
        ProgressBar = 506,
        RowCounter = 895,
        ProgressCaption = 908,
        PointsCaption = 909,
        FirstSwatch = 204, // 204-209: Position ... Temperature
        PositionLabel = 951,
        CommandLabel = 901,
        DeviationLabel = 902,
        FrictionLabel = 903,
        SupplyLabel = 911,
        TemperatureLabel = 905,
        AcquisitionFrame = 1500,
        ButtonFrame = 1501,
        LegendFrame = 1502,
        HoursPlotHost = 1413,
        DaysPlotHost = 1414,
        MonthsPlotHost = 1415,
        YearsPlotHost = 1416,
        PrinterHost = 1417,
        ReportHost = 1418,
        HoursPlotId = 5350,
        DaysPlotId = 5351,
        MonthsPlotId = 5352,
        YearsPlotId = 5353,
        ReportControlId = 5514,
        PrinterControlId = 5515,
    };

    // The dialog template and its fixed texts (CTrendsTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // The six signal buttons in the plots' channel order, with their handlers' names.
    struct ChannelButton {
        int id;
        const char* handler;
    };
    static const ChannelButton ChannelButtons[6];
    // The supply's and the temperature's unit codes, and the supply's label.
    struct TrendUnits {
        uint8_t pressure = 0;
        QString pressureLabel;
        uint8_t temperature = 0;
    };
    // The swatches' colours, red first (0xRRGGBB), in the same order.
    static const uint32_t SwatchColours[6];
    static const QString ClearQuestion;

    explicit CTrends(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void StopTimers() override;

    void OnChannelButton(int buttonId);
    void OnSelectAll();
    void OnLoad();
    void OnSave();
    void OnClearTrends();
    void OnRetrieve();
    void OnStop();
    void OnPrintReport();

    void EnableActionButtons(bool enable);
    void EnableChannelButtons(bool enable);
    void BeginAcquisition();
    void StartTrendRead();
    void AcquisitionTick();
    void ReadTrendRow();
    void RefreshUnitLabels();
    void ShowFileUnitLabels();
    void ShowUnitLabels(const TrendUnits& units);
    void ShowSelectedChannel();

    // The four plots in the order hours, days, months, years.
    std::array<IPlotPtr, 4> plots() const { return { HoursPlot, DaysPlot, MonthsPlot, YearsPlot }; }

    // Page state, all false or 0 after construction.
    uint16_t RowsRead = 0; // rows requested in this acquisition
    int32_t DeviceRow = 0; // row index of the last row read
    float SupplyFactor = 0.0f; // long 0x69 × 0.01, taken at Retrieve
    bool ResetPending = false;
    bool AcquisitionActive = false;
    bool StopRequested = false;
    bool FileLoaded = false; // the plots show a loaded file, not the device
    // The tag and model the loaded file was recorded under: empty and 0 when
    // the file does not say (one saved before trends files kept them).
    QString LoadedTag;
    uint8_t LoadedModel = 0;
    // The units of the trends retrieved from the device, as it was set at
    // Retrieve: shown, printed and saved with those trends whatever the
    // device is set to since. None while the plots show no retrieval.
    std::optional<TrendUnits> RetrievedUnits;

    IPlotPtr HoursPlot;
    IPlotPtr DaysPlot;
    IPlotPtr MonthsPlot;
    IPlotPtr YearsPlot;
    IReportPtr ReportControl;
    IPrinterPtr PrinterControl;

private:
    void paintSwatches();
    // Every signal visible on every plot.
    void showAllSignals();
    void connectHandlers();
    void setProgress(int position);
    void showCounter();
    void endAcquisition();
    void resetPlots();
    void startRows();
    bool rowReplyComplete() const;
};
