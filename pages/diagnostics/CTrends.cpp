#include "CTrends.h"

#include "AppLog.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "ShownResult.h"
#include "TellboxImports.h"

#include "core/ResultFile.h"
#include "trends/TrendsPlots.h"
#include "trends/TrendsReport.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QProgressBar>

#include <algorithm>

namespace
{
using namespace TrendsRules;

// Clears the device's trend memory: [count 3][182][byte count 1][4].
constexpr uint8_t ClearTrendMemory[] { 3, 182, 1, 4 };
constexpr int HeaderBytes = 4;
constexpr int RowDataBytes = 17;

constexpr int PlotHosts[4] { CTrends::HoursPlotHost, CTrends::DaysPlotHost, CTrends::MonthsPlotHost,
    CTrends::YearsPlotHost };
constexpr int PlotIds[4] { CTrends::HoursPlotId, CTrends::DaysPlotId, CTrends::MonthsPlotId, CTrends::YearsPlotId };

// The trends file keeps the tag of the device that recorded it as the test
// files do: a hidden "TagName" channel of the 24-hours plot, one point per
// character, made (on no axis) when the plot has none.
void writeTagChannel(const IPlotPtr& hours, const AutoString& tag)
{
    IPlotChannelPtr channel = hours->ChannelByName(ResultChannelName::TagName);
    if (!channel) {
        channel = hours->Channel(hours->AddChannel());
        channel->SetName(ResultChannelName::TagName);
        channel->SetTitle(ResultChannelName::TagName);
        channel->SetXAxisName(QStringLiteral("None"));
        channel->SetYAxisName(QStringLiteral("None"));
    }
    channel->SetVisible(false);
    channel->SetLegendVisible(false);
    channel->Clear();
    const std::vector<double> points = TagNamePoints(tag);
    for (size_t k = 0; k < points.size(); ++k)
        channel->AddXY(double(k), points[k]);
}

// The tag a loaded trends file keeps; empty when it keeps none.
QString tagOf(const IPlotPtr& hours)
{
    const IPlotChannelPtr channel = hours->ChannelByName(ResultChannelName::TagName);
    return channel && channel->Count() > 0 ? TagFromPoints(channel->data().ys).toQString() : QString();
}
}

CTrends::CTrends(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CTrends"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
    paintSwatches();
}

void CTrends::paintSwatches()
{
    for (int k = 0; k < 6; ++k) {
        QWidget* swatch = control(FirstSwatch + k);
        if (!swatch)
            continue;
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(SwatchColours[k]));
        swatch->setPalette(palette);
        swatch->setAutoFillBackground(true);
    }
}

// ---------------------------------------------------------------------------
// Initial update

void CTrends::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    IPlotPtr* targets[4] { &HoursPlot, &DaysPlot, &MonthsPlot, &YearsPlot };
    for (int p = 0; p < 4; ++p) {
        QPointer<QWidget> window;
        if (imports.CreatePlotControl)
            *targets[p] = imports.CreatePlotControl(this, window, controlScreenRect(PlotHosts[p]), PlotIds[p]);
    }
    // A page whose plots could not be made still has its strip and buttons.
    guard("OnInitialUpdate", [this] {
        ConfigureTrendsPlotControl(HoursPlot, DaysPlot, MonthsPlot, YearsPlot);
        context().records().m_TrendsReport.SetUpTrendsPlotChannels(HoursPlot, DaysPlot, MonthsPlot, YearsPlot);
    });
    QPointer<QWidget> window;
    if (imports.CreateReportControl)
        ReportControl = imports.CreateReportControl(this, window, controlScreenRect(ReportHost), ReportControlId);
    if (imports.CreatePrintControl)
        PrinterControl = imports.CreatePrintControl(this, window, controlScreenRect(PrinterHost), PrinterControlId);
    guard("OnInitialUpdate", [this] { HoursPlot->XAxis(0)->SetLimitsEnabled(false); });
    EnableChannelButtons(true);
    connectHandlers();
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    enableControl(StopButton, false);
    FileLoaded = false;
    enableControl(SelectAllButton, false);
}

void CTrends::connectHandlers()
{
    for (const ChannelButton& button : ChannelButtons) {
        const int id = button.id;
        onClicked(id, button.handler, [this, id] { OnChannelButton(id); });
    }
    onClicked(SelectAllButton, "OnSelectAll", [this] { OnSelectAll(); });
    onClicked(LoadButton, "OnLoad", [this] { OnLoad(); });
    onClicked(SaveButton, "OnSave", [this] { OnSave(); });
    onClicked(ClearTrendsButton, "OnClearTrends", [this] { OnClearTrends(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    onClicked(StopButton, "OnStop", [this] { OnStop(); });
    onClicked(PrintReportButton, "OnPrintReport", [this] { OnPrintReport(); });
}

// ---------------------------------------------------------------------------
// Page contract

void CTrends::ActivatePage()
{
    StripPage::ActivatePage();
    RefreshUnitLabels();
}

void CTrends::StopTimers()
{
    // Leaving the page mid-acquisition writes no trend state: the next
    // Retrieve finds the device still in read mode and resets it first.
    if (ResetPending || AcquisitionActive) {
        StopRequested = true;
        EnableActionButtons(true);
        enableControl(StopButton, false);
        setProgress(0);
    }
    StripPage::StopTimers();
}

// ---------------------------------------------------------------------------
// Buttons

void CTrends::EnableActionButtons(bool enable)
{
    for (int id : { LoadButton, SaveButton, ClearTrendsButton, RetrieveButton, StopButton, PrintReportButton })
        enableControl(id, enable);
}

void CTrends::EnableChannelButtons(bool enable)
{
    for (const ChannelButton& button : ChannelButtons)
        enableControl(button.id, enable);
}

void CTrends::OnChannelButton(int buttonId)
{
    enableControl(SelectAllButton, true);
    EnableChannelButtons(true);
    enableControl(buttonId, false);
    ShowSelectedChannel();
}

void CTrends::ShowSelectedChannel()
{
    for (const IPlotPtr& plot : plots()) {
        for (int s = 0; s < 6; ++s) {
            const QWidget* button = control(ChannelButtons[s].id);
            plot->ChannelByName(TrendsChannels::Signals[size_t(s)])->SetVisible(button && !button->isEnabled());
        }
    }
}

void CTrends::OnSelectAll()
{
    EnableChannelButtons(true);
    enableControl(SelectAllButton, false);
    showAllSignals();
}

void CTrends::showAllSignals()
{
    for (const IPlotPtr& plot : plots())
        for (const QString& signal : TrendsChannels::Signals)
            plot->ChannelByName(signal)->SetVisible(true);
}

// ---------------------------------------------------------------------------
// Acquisition

void CTrends::OnRetrieve()
{
    killTimer(StripTimerId);
    if (FileLoaded) {
        FileLoaded = false;
        RefreshUnitLabels();
        enableControl(StopButton, true);
    }
    StopRequested = false;
    ResetPending = true;
    AcquisitionActive = true;
    const DeviceData& dd = data();
    RetrievedUnits = TrendUnits { dd.PressureUnit, dd.PressureUnitLabel, dd.TemperatureUnit };
    ShowUnitLabels(*RetrievedUnits);
    SupplyFactor = context().misc().ReadMiscLong69();
    BeginAcquisition();
    StartTrendRead();
}

void CTrends::BeginAcquisition()
{
    DeviceRow = 0;
    for (int id : { ClearTrendsButton, RetrieveButton, LoadButton, SaveButton, PrintReportButton })
        enableControl(id, false);
    enableControl(StopButton, true);
    resetPlots();
}

void CTrends::resetPlots()
{
    for (const IPlotPtr& plot : plots())
        plot->ClearAllData();
}

void CTrends::StartTrendRead()
{
    // A state that was not read, or a handshake write that got no answer, is
    // not acted on: the page then waits, as for any other state.
    if (!read(HartCommand::ReadTrendState))
        return;
    const uint8_t state = data().TrendState;
    if (state == 1) {
        if (!ResetPending)
            return;
        ResetPending = false;
        if (!write(HartCommand::WriteTrendState1) || data().TrendState != 0)
            return;
    } else if (state != 0) {
        return;
    }
    if (!write(HartCommand::WriteTrendState2) || data().TrendState != 1 || !AcquisitionActive)
        return;
    startRows();
}

void CTrends::startRows()
{
    RowsRead = 0;
    once(RowTimerId, RowMs, "OnTimer", [this] { AcquisitionTick(); });
}

void CTrends::AcquisitionTick()
{
    if (RowsRead < RowCount && !StopRequested) {
        ReadTrendRow();
        setProgress(DeviceRow);
        RowsRead += 1;
        once(RowTimerId, RowMs, "OnTimer", [this] { AcquisitionTick(); });
        return;
    }
    endAcquisition();
}

void CTrends::endAcquisition()
{
    setProgress(0);
    DeviceRow = 0;
    AcquisitionActive = false;
    showCounter();
    EnableActionButtons(true);
    enableControl(StopButton, false);
    write(HartCommand::WriteTrendState1);
    armStripTimer(RefreshMs);
}

void CTrends::OnStop()
{
    StopRequested = true;
    EnableActionButtons(true);
    enableControl(StopButton, false);
    setProgress(0);
}

bool CTrends::rowReplyComplete() const
{
    const DeviceData& dd = data();
    return dd.Reply && dd.Reply->size() >= HeaderBytes + RowDataBytes;
}

void CTrends::ReadTrendRow()
{
    const bool read181 = read(HartCommand::ReadTrendTable);
    showCounter();
    // A row that did not come whole adds no points: a gap, not a copy of
    // the row before.
    if (!read181 || !rowReplyComplete()) {
        context().log().WriteLog(QStringLiteral("CTrends trend row %1 not read: no points added").arg(RowsRead + 1));
        return;
    }
    const DeviceData& dd = data();
    DeviceRow = dd.TrendRow.Index;
    const RowPlace place = placeOfRow(DeviceRow);
    if (place.period == NoPeriod)
        return;
    std::array<int16_t, 5> words {};
    for (size_t k = 0; k < words.size(); ++k)
        words[k] = static_cast<int16_t>(dd.TrendRow.Values[k]);
    const std::array<double, 6> values = rowValues(words, SupplyFactor);

    const IPlotPtr target = plots()[size_t(place.period)];
    for (int s = 0; s < 6; ++s)
        target->ChannelByName(TrendsChannels::Signals[size_t(s)])->AddXY(place.x, values[size_t(s)]);
    if (place.period != Hours) {
        const int longer = place.period - 1;
        for (int s = 0; s < 6; ++s)
            HoursPlot->ChannelByName(TrendsChannels::copyName(longer, s))->AddXY(place.x, values[size_t(s)]);
    }
}

void CTrends::setProgress(int position)
{
    // The bar keeps to its range, as the control it stands for does.
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}

void CTrends::showCounter()
{
    setWindowText(RowCounter, QString::number(RowsRead));
}

// ---------------------------------------------------------------------------
// Units

void CTrends::RefreshUnitLabels()
{
    enableControl(StopButton, false);
    if (!FileLoaded) {
        // Read each time, so that the next Retrieve takes the device's units
        // as they are; trends retrieved before keep their own.
        const bool unitsRead = read(HartCommand::ReadUnits);
        if (RetrievedUnits) {
            ShowUnitLabels(*RetrievedUnits);
        } else if (unitsRead) {
            const DeviceData& dd = data();
            ShowUnitLabels({ dd.PressureUnit, dd.PressureUnitLabel, dd.TemperatureUnit });
        }
    }
    setProgress(0);
}

void CTrends::ShowUnitLabels(const TrendUnits& units)
{
    CTrendsReport& record = context().records().m_TrendsReport;
    setWindowText(SupplyButton, supplyButtonText(units.pressureLabel));
    record.PressureUnitText = AutoString(devicePressureText(units.pressure, units.pressureLabel));
    setWindowText(TemperatureButton, temperatureButtonText(units.temperature));
    record.TemperatureUnitText = AutoString(deviceTemperatureText(units.temperature));
}

void CTrends::ShowFileUnitLabels()
{
    CTrendsReport& record = context().records().m_TrendsReport;
    // The units read as the run that recorded the file showed and printed
    // them: the file keeps only their codes.
    record.PressureUnitText
        = AutoString(devicePressureText(record.PressureUnitCode, DevicePressureUnitLabel(record.PressureUnitCode)));
    record.TemperatureUnitText = AutoString(deviceTemperatureText(record.TemperatureUnitCode));
    setWindowText(SupplyButton, supplyButtonText(DevicePressureUnitLabel(record.PressureUnitCode)));
    setWindowText(TemperatureButton, temperatureButtonText(record.TemperatureUnitCode));
}

// ---------------------------------------------------------------------------
// Clear, file and report

void CTrends::OnClearTrends()
{
    if (Prompts::show(ClearQuestion, context().MessageCaption(), Prompts::Buttons::OkCancel, Prompts::Icon::None, this)
        != Prompts::IdOk)
        return;
    const std::optional<QByteArray> reply = context().dispatch().TransactFrame(ClearTrendMemory);
    // Only a device that answered the clear has no trends left to show.
    if (!reply || reply->isEmpty() || static_cast<uint8_t>(reply->at(0)) != 182) {
        context().log().WriteLog(QStringLiteral("CTrends clear trends: no reply from the device, plots kept"));
        return;
    }
    resetPlots();
    RetrievedUnits.reset();
    RowsRead = 0;
    showCounter();
}

void CTrends::OnSave()
{
    CTrendsReport& record = context().records().m_TrendsReport;
    if (!FileLoaded) {
        if (read(HartCommand::ReadTagDescriptorDate))
            record.Tag = AutoString(data().Tag);
        // Retrieved trends are saved in the units they were read in.
        record.PressureUnitCode = RetrievedUnits ? RetrievedUnits->pressure : data().PressureUnit;
        record.TemperatureUnitCode = RetrievedUnits ? RetrievedUnits->temperature : data().TemperatureUnit;
    }
    // The file keeps the tag and model of the device that recorded the
    // trends, which its report names when it is loaded again.
    guard("OnSave", [this, &record] {
        writeTagChannel(HoursPlot, FileLoaded ? AutoString(LoadedTag) : record.Tag);
        ResultModelChannel::write(HoursPlot, FileLoaded ? LoadedModel : data().DeviceType);
    });
    record.SaveTrends(HoursPlot, DaysPlot, MonthsPlot, YearsPlot);
}

void CTrends::OnLoad()
{
    CTrendsReport& record = context().records().m_TrendsReport;
    if (!record.LoadTrends(HoursPlot, DaysPlot, MonthsPlot, YearsPlot)) {
        // Cancelled or refused, the plots keep what they showed and the
        // counter with them; only plots a failing load emptied count none.
        bool empty = true;
        for (const IPlotPtr& plot : plots())
            empty = empty && plot->ChannelByName(TrendsChannels::Signals[0])->Count() == 0;
        if (empty) {
            RowsRead = 0;
            showCounter();
        }
        return;
    }
    FileLoaded = true;
    RetrievedUnits.reset();
    LoadedTag = tagOf(HoursPlot);
    LoadedModel = ResultModelChannel::read(HoursPlot);
    // Saved again, the trends keep the tag they were recorded under.
    record.Tag = AutoString(LoadedTag);
    ShowFileUnitLabels();
    // The file brings the signals shown when it was saved; the channel
    // buttons keep their state, and every plot shows what they say.
    const QWidget* selectAll = control(SelectAllButton);
    if (selectAll && selectAll->isEnabled()) {
        ShowSelectedChannel();
    } else {
        showAllSignals();
    }
    // The counter tells the rows the file brought: each lands as one point of
    // its own period's plot.
    RowsRead = 0;
    for (size_t period = 0; period < plots().size(); ++period)
        RowsRead += plots()[period]->ChannelByName(TrendsChannels::Signals[0])->Count();
    showCounter();
}

void CTrends::OnPrintReport()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    CReportHeader header = records.m_ReportHeader;
    // A loaded file prints under the tag and model it was recorded under (a
    // file that keeps none names no device).
    uint8_t model = data().DeviceType;
    if (FileLoaded) {
        ShowLoadedResultHeader(header, LoadedTag);
        if (LoadedModel != 0)
            model = LoadedModel;
    }
    header.m_byModel = model;
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("TrendRept"), model);
    GenerateTrendsReport(header, records.m_TrendsReport, HoursPlot, DaysPlot, MonthsPlot, YearsPlot, ReportControl,
        PrinterControl, AutoString(definition), this);
}
