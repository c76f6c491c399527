#include "CDataLogger.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"
#include "core/ReportFrame.h"
#include "core/ResultFile.h"
#include "data_logger/DataLoggerPlot.h"
#include "data_logger/DataLoggerReport.h"

#include <QAbstractButton>
#include <QComboBox>

#include <cmath>

namespace
{
using namespace DataLoggerRules;

constexpr uint8_t SmallerModel = 6;

// The boxes of the channels on the percent axis.
constexpr int PercentBoxes[] = { CDataLogger::PositionBox, CDataLogger::AnalogCommandBox, CDataLogger::CommandBox,
    CDataLogger::SpoolCommandBox, CDataLogger::SpoolPositionBox };
}

CDataLogger::CDataLogger(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CDataLogger"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CDataLogger::OnInitialUpdate()
{
    const AppLog& log = context().log();
    log.WriteLog(QStringLiteral("DataLogger Entered"));
    log.WriteLog(QStringLiteral("DataLogger created0"));
    StripPage::OnInitialUpdate();

    const TellboxImports& imports = context().imports();
    QPointer<QWidget> window;
    if (imports.CreatePlotControl)
        m_pPlot = imports.CreatePlotControl(this, window, controlScreenRect(PlotHost), PlotId);
    if (m_pPlot) {
        ConfigureDataLoggerPlotControl(m_pPlot);
        SetupDataLoggerPlotChannels(m_pPlot);
        for (size_t k = 0; k < m_pChannels.size(); ++k)
            m_pChannels[k] = m_pPlot->ChannelByName(QString::fromLatin1(Channels[k].name));
        m_pPlot->XAxis(0)->SetMin(0);
        m_pPlot->YAxis(0)->SetMin(-15);
    }
    m_LoggerPeriod = InitialPeriodMs;

    setComboIndex(IntervalCombo, 0);
    setComboIndex(UnitsCombo, 0);
    for (const SampleChannel& sample : Channels)
        setChecked(sample.box, true);
    enableControl(SelectAllButton, false);
    enableControl(UnselectAllButton, true);
    if (m_pPlot) {
        for (const IPlotChannelPtr& sample : m_pChannels)
            showChannel(sample, true);
        for (const char* hidden : { "TestSettings", "TagName" })
            showChannel(m_pPlot->ChannelByName(QString::fromLatin1(hidden)), false);
        for (int axis = 0; axis < 3; ++axis)
            showAxis(axis, true);
    }
    enableControl(StopButton, false);

    if (imports.CreateReportControl)
        m_pReport = imports.CreateReportControl(this, window, controlScreenRect(ReportHost), ReportId);
    if (imports.CreatePrintControl)
        m_pPrinter = imports.CreatePrintControl(this, window, controlScreenRect(PrinterHost), PrinterId);

    if (data().IsK40())
        placeSmallerModelBoxes();
    connectHandlers();
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    log.WriteLog(QStringLiteral("DataLogger exit"));
}

void CDataLogger::placeSmallerModelBoxes()
{
    // Port 2 is the supply sensor there: the pilot relay boxes move up into its place.
    QWidget* port2 = control(Port2Box);
    QWidget* spoolCommand = control(SpoolCommandBox);
    QWidget* spoolPosition = control(SpoolPositionBox);
    const QRect port2Rect = port2->geometry();
    const QRect spoolCommandRect = spoolCommand->geometry();
    spoolCommand->setGeometry(port2Rect);
    spoolPosition->setGeometry(spoolCommandRect);
    setChecked(Port2Box, false);
    showControl(Port2Box, false);
}

void CDataLogger::connectHandlers()
{
    for (const SampleChannel& sample : Channels)
        onClicked(sample.box, "OnLoggerChannelBox", [this] { RefreshLoggerChannels(); });
    onClicked(SelectAllButton, "SelectAllLoggerChannels", [this] { SelectAllLoggerChannels(); });
    onClicked(UnselectAllButton, "UnselectAllLoggerChannels", [this] { UnselectAllLoggerChannels(); });
    // A click on Start leaves the duration field where it is: leaving it
    // would hold a number typed past an end to that end just before Start
    // looks at it, and start a run of a duration nobody saw. Tab still
    // reaches the button.
    control(StartButton)->setFocusPolicy(Qt::TabFocus);
    onClicked(StartButton, "StartDataLogging", [this] { StartDataLogging(); });
    onClicked(StopButton, "StopDataLogging", [this] { StopDataLogging(); });
    onClicked(SaveButton, "SaveLoggerResults", [this] { SaveLoggerResults(); });
    onClicked(LoadButton, "LoadLoggerResults", [this] { LoadLoggerResults(); });
    onClicked(PrintButton, "PrintLoggerReport", [this] { PrintLoggerReport(); });
}

// ---------------------------------------------------------------------------
// Page contract

void CDataLogger::ActivatePage()
{
    StripPage::ActivatePage();
    read(HartCommand::ReadUnits);
    context().misc().ReadMiscLong69();
    // A plot that could not be made must not keep the page from being shown.
    guard("ActivatePage", [this] { ApplyLoggerSettings(); });
}

void CDataLogger::StopTimers()
{
    StripPage::StopTimers();
    killTimer(SampleTimerId);
    // Leaving the page ends a run: logging never goes on in the background.
    guard("StopTimers", [this] { StopDataLogging(); });
}

// ---------------------------------------------------------------------------
// Settings

void CDataLogger::SetLoggerPeriod(int index)
{
    if (const std::optional<int> period = PeriodForIndex(static_cast<uint8_t>(index)))
        m_LoggerPeriod = *period;
}

int CDataLogger::GetLoggerDurationSeconds(int unitIndex)
{
    const int value = durationField() ? durationField()->intValue() : 0;
    const std::optional<DurationUnit> unit = UnitForIndex(unitIndex);
    if (!unit)
        return 0;
    m_LoggerUnitText = QString::fromLatin1(unit->text);
    return DurationSeconds(value, *unit);
}

void CDataLogger::ApplyLoggerSettings()
{
    const DeviceData& dd = data();
    // A loaded file's ports are those it was recorded with; the larger
    // model's page alone has a port 2, and only a file of that model fills it.
    const CDataLoggerReport& file = context().records().m_DataLoggerReport;
    const bool fileShown = m_Result.fromFile();
    const bool port1 = fileShown ? file.m_bPressureSensor != 0 : dd.PressureSensorFlag != 0;
    enableControl(Port1Box, port1);
    setChecked(Port1Box, port1 && checked(Port1Box));
    showChannel(channel(Port1Box), checked(Port1Box));

    const bool doubleActing
        = fileShown ? file.m_bSingleActing == 0 && m_Result.model(0) != SmallerModel : dd.Config28Bit5 == 0;
    const bool port2 = dd.DeviceType == 5 && port1 && doubleActing;
    enableControl(Port2Box, port2);
    setChecked(Port2Box, port2 && checked(Port2Box));
    showChannel(channel(Port2Box), checked(Port2Box));

    const IPlotAxisPtr pressure = m_pPlot->YAxisByName(QString::fromLatin1(DataLoggerAxis::Pressure));
    pressure->SetTitle(QStringLiteral("Pressure [") + dd.PressureUnitLabel + QStringLiteral("]"));

    SetLoggerPeriod(comboIndex(IntervalCombo));
    m_LoggerDurationSeconds = GetLoggerDurationSeconds(comboIndex(UnitsCombo));
    m_LoggerSampleLimit = SampleLimit(m_LoggerDurationSeconds, m_LoggerPeriod);

    const IPlotAxisPtr time = m_pPlot->XAxis(0);
    time->SetMin(0);
    time->SetSpan(m_LoggerDurationSeconds);
    const IPlotAxisPtr percent = m_pPlot->YAxis(0);
    percent->SetMin(-15);
    percent->SetSpan(130);
    pressure->SetMin(0);
    pressure->SetSpan(dd.MiscLong69Value);

    const TemperatureScale scale = TemperatureScaleFor(dd.TemperatureUnit);
    const IPlotAxisPtr temperature = m_pPlot->YAxisByName(QString::fromLatin1(DataLoggerAxis::Temperature));
    temperature->SetMin(-40);
    temperature->SetSpan(scale.span);
    temperature->SetResetMin(-40);
    temperature->SetTitle(QStringLiteral("Temperature [") + scale.unit + QStringLiteral("]"));
    if (m_Result.shown()) {
        pressure->SetTitle(m_ShownPressureTitle);
        temperature->SetTitle(m_ShownTemperatureTitle);
    }

    // A port box the device took away can be ticked again with Select All,
    // which would otherwise stay disabled until some box is clicked.
    if (!everyBoxTicked())
        enableControl(SelectAllButton, true);
}

// ---------------------------------------------------------------------------
// The run

void CDataLogger::setIdle(bool idle)
{
    for (int id : { IntervalCombo, UnitsCombo, DurationField, StartButton, LoadButton, PrintButton })
        enableControl(id, idle);
    // A loaded file stays on the page, and unsaveable, until a run replaces it.
    enableControl(SaveButton, idle && !m_Result.fromFile());
    enableControl(StopButton, !idle);
}

void CDataLogger::StartDataLogging()
{
    const ISpinEditBoxPtr field = durationField();
    // A marked duration is not the user's: taking it would start a run of
    // the value held, or of an end the text was held to, that nobody saw in
    // the field. Whatever its number, the text stays as typed, marked, and
    // nothing starts.
    if (field->typedTextMarked()) {
        context().log().WriteLog(QStringLiteral("CDataLogger data logging not started: \"%1\" is not one of the %2")
                                     .arg(field->shownText(), DurationRange.describe()));
        return;
    }
    setIdle(false);
    m_LoggerSampleCount = 0;
    // What is typed in the field and not yet taken counts, as if the user had left it.
    field->commitTypedText();
    field->setValue(ClampedDuration(field->value()));
    // While samples come in, the plot is a strip chart over the run's window.
    ShowDataLoggerResult(m_pPlot, false);
    m_pPlot->ClearAllData();
    // The new run replaces what was shown, a file too: its axes and ports
    // are the connected device's, and it can be saved again.
    m_Result = ShownResult();
    ApplyLoggerSettings();
    keepShownTitles();
    m_ShownSettings = appliedSettings();
    // Dated by the day it starts, however late it ends or is saved.
    m_Result.ran(*this, {}, data().DeviceType);
    // The first sample comes one period later and stands at x = 0.
    if (m_LoggerPeriod > 0)
        every(SampleTimerId, m_LoggerPeriod, "OnDataLoggerTimer", [this] { OnDataLoggerTimer(); });
}

void CDataLogger::StopDataLogging()
{
    // The status strip goes on being read after a run, as on every shown page.
    killTimer(SampleTimerId);
    setIdle(true);
    // A finished run is a result: its axes hold every sample with room.
    if (m_pPlot)
        ShowDataLoggerResult(m_pPlot, true);
}

void CDataLogger::OnDataLoggerTimer()
{
    bool read202 = read(HartCommand::ReadStatus);
    bool read204 = read(HartCommand::ReadPressure);
    bool readCommand = false;
    bool readPosition = false;
    m_SpoolCommandValue = context().misc().ReadMiscWord12(&readCommand);
    m_SpoolPositionValue = context().misc().ReadMiscWord34(&readPosition);
    if (read202 && read204 && readCommand && readPosition) {
        AppendLoggerSample();
    } else {
        // A value of an earlier sample would be drawn as if read now: the
        // sample is left out and the time goes on.
        context().log().WriteLog(QStringLiteral("CDataLogger OnDataLoggerTimer: sample %1 not read, no point at %2 s")
                                     .arg(m_LoggerSampleCount)
                                     .arg(SampleX(m_LoggerSampleCount, m_LoggerPeriod)));
    }
    ++m_LoggerSampleCount;
    if (m_LoggerSampleCount > m_LoggerSampleLimit)
        StopDataLogging();
}

void CDataLogger::AppendLoggerSample()
{
    const DeviceData& dd = data();
    const double x = static_cast<double>(SampleX(m_LoggerSampleCount, m_LoggerPeriod));
    const double fullScale = dd.MiscLong69Value;
    const double values[8] = {
        StatusPercent(dd.Position),
        StatusPercent(dd.AnalogCommand),
        StatusPercent(dd.Command),
        dd.Temperature,
        PortPressure(dd.Port1Pressure, fullScale),
        PortPressure(dd.Port2Pressure, fullScale),
        m_SpoolCommandValue,
        m_SpoolPositionValue,
    };
    for (size_t k = 0; k < m_pChannels.size(); ++k)
        m_pChannels[k]->AddXY(x, values[k]);
}

// ---------------------------------------------------------------------------
// Channels shown

void CDataLogger::RefreshLoggerChannels()
{
    for (const SampleChannel& sample : Channels)
        showChannel(channel(sample.box), checked(sample.box));
    showAxis(1, checked(TemperatureBox));
    showAxis(2, checked(Port1Box) || checked(Port2Box));
    bool percent = false;
    for (int box : PercentBoxes)
        percent = percent || checked(box);
    showAxis(0, percent);
    updateSelectButtons();
}

void CDataLogger::updateSelectButtons()
{
    const bool all = everyBoxTicked();
    enableControl(SelectAllButton, !all);
    enableControl(UnselectAllButton, all);
}

bool CDataLogger::everyBoxTicked() const
{
    for (const SampleChannel& sample : Channels) {
        // The smaller model's Port 2 box is never shown: Select All cannot tick it.
        if (sample.box == Port2Box && data().IsK40())
            continue;
        if (!checked(sample.box))
            return false;
    }
    return true;
}

void CDataLogger::SelectAllLoggerChannels()
{
    enableControl(SelectAllButton, false);
    enableControl(UnselectAllButton, true);
    for (int box : { PositionBox, CommandBox, AnalogCommandBox, TemperatureBox, SpoolCommandBox, SpoolPositionBox }) {
        setChecked(box, true);
        showChannel(channel(box), true);
    }
    showChannel(channel(Port2Box), false);
    for (int axis = 0; axis < 3; ++axis)
        showAxis(axis, true);
    setChecked(Port1Box, true);
    enableControl(Port1Box, true);
    showChannel(channel(Port1Box), checked(Port1Box));
    if (data().DeviceType == 5 && data().Config28Bit5 == 0) {
        setChecked(Port2Box, true);
        enableControl(Port2Box, true);
        showChannel(channel(Port2Box), checked(Port2Box));
    }
    showAxis(2, true);
}

void CDataLogger::UnselectAllLoggerChannels()
{
    enableControl(UnselectAllButton, false);
    enableControl(SelectAllButton, true);
    for (const SampleChannel& sample : Channels) {
        setChecked(sample.box, false);
        showChannel(channel(sample.box), false);
    }
    for (int axis = 0; axis < 3; ++axis)
        showAxis(axis, false);
}

// ---------------------------------------------------------------------------
// Files and report

void CDataLogger::SaveLoggerResults()
{
    if (m_Result.fromFile())
        return;
    read(HartCommand::ReadTagDescriptorDate);
    const DeviceData& dd = data();
    CDataLoggerReport& record = context().records().m_DataLoggerReport;
    record.m_strTag = AutoString(dd.Tag);
    record.m_strInterval = AutoString(QString::number(comboIndex(IntervalCombo)));
    record.m_strDuration = AutoString(QString::number(DeviceWords::saturateS32(std::trunc(durationField()->value()))));
    record.m_strDurationUnit = AutoString(QString::number(comboIndex(UnitsCombo)));
    record.m_bSingleActing = dd.Config28Bit5;
    record.m_bPressureSensor = dd.PressureSensorFlag;
    record.m_nPressureUnit = dd.PressureUnit;
    record.m_nTemperatureUnit = dd.TemperatureUnit;
    // The file names the model it was recorded on, so it prints under that
    // model wherever it is loaded.
    record.m_nDeviceCode = dd.DeviceType;
    // The file keeps the day the run started, however much later it is saved.
    record.m_strTestDate = AutoString(m_Result.date());
    record.SaveDataLogger(m_pPlot);
}

void CDataLogger::keepShownTitles()
{
    m_ShownPressureTitle = m_pPlot->YAxisByName(QString::fromLatin1(DataLoggerAxis::Pressure))->GetTitle();
    m_ShownTemperatureTitle = m_pPlot->YAxisByName(QString::fromLatin1(DataLoggerAxis::Temperature))->GetTitle();
}

void CDataLogger::LoadLoggerResults()
{
    CDataLoggerReport& record = context().records().m_DataLoggerReport;
    if (!record.LoadDataLogger(m_pPlot))
        return;
    const IPlotChannelPtr tag = m_pPlot->ChannelByName(ResultChannelName::TagName);
    m_Result.loaded(*this, {}, record.m_nDeviceCode, tag ? TagFromPoints(tag->data().ys).toQString() : QString(),
        record.m_strTestDate.toQString());
    // The loader titled the axes in the file's units.
    keepShownTitles();
    // The file's samples, not the connected device's scales, set the axes.
    ShowDataLoggerResult(m_pPlot, true);
    // The record keeps the connected device's tag and units, not the file's:
    // saving it would store the file's samples under them, so Save waits for a run.
    enableControl(SaveButton, false);
    // The file brings the channels drawn when it was saved: the boxes take
    // them over, so that what is ticked is what is drawn, now and in the next run.
    for (const SampleChannel& sample : Channels) {
        if (sample.box != Port2Box || data().DeviceType == 5)
            setChecked(sample.box, channel(sample.box)->GetVisible());
    }
    // The settings then hold the port boxes to the file's ports.
    setComboIndex(IntervalCombo, LoadedIntervalIndex(record.m_strInterval.toQString()));
    setComboIndex(UnitsCombo, LoadedUnitIndex(record.m_strDurationUnit.toQString()));
    durationField()->setValue(NumberText::toDouble(record.m_strDuration.toQString()));
    ApplyLoggerSettings();
    m_ShownSettings = appliedSettings();
    RefreshLoggerChannels();
}

CDataLogger::RunSettings CDataLogger::appliedSettings() const
{
    return { QString::number(m_LoggerPeriod / 1000), QString::number(durationField()->intValue()), m_LoggerUnitText };
}

void CDataLogger::PrintLoggerReport()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    // A loaded file prints under its own tag and model, a run under the model it ran on.
    const CReportHeader header = ShownResultHeader(m_Result, records.m_ReportHeader, data().DeviceType);
    const uint8_t model = header.m_byModel;
    CDataLoggerReport& record = records.m_DataLoggerReport;
    // The run on show prints with the settings it was taken with, not with
    // what the fields were changed to since; with no run shown, the fields'.
    const RunSettings printed = m_Result.shown() ? m_ShownSettings : appliedSettings();
    record.m_strInterval = AutoString(printed.interval);
    record.m_strDuration = AutoString(printed.duration);
    record.m_strDurationUnit = AutoString(printed.unitText);
    const QString definition = context().helpers().GetAppFolder()
        + (model == 6 ? QStringLiteral("Dependencies/DataLogRept_K40.xml")
                      : QStringLiteral("Dependencies/DataLogRept.xml"));
    GenerateDataLoggerReport(header, record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
}

// ---------------------------------------------------------------------------
// Controls

ISpinEditBoxPtr CDataLogger::durationField() const
{
    return ISpinEditBoxPtr::fromObject(control(DurationField));
}

bool CDataLogger::checked(int box) const
{
    const auto* button = controlAs<QAbstractButton>(box);
    return button && button->isChecked();
}

void CDataLogger::setChecked(int box, bool check)
{
    if (auto* button = controlAs<QAbstractButton>(box))
        button->setChecked(check);
}

int CDataLogger::comboIndex(int combo) const
{
    const auto* box = controlAs<QComboBox>(combo);
    return box ? box->currentIndex() : -1;
}

void CDataLogger::setComboIndex(int combo, int index)
{
    if (auto* box = controlAs<QComboBox>(combo))
        box->setCurrentIndex(index);
}

const IPlotChannelPtr& CDataLogger::channel(int box) const
{
    for (size_t k = 0; k < m_pChannels.size(); ++k) {
        if (Channels[k].box == box)
            return m_pChannels[k];
    }
    static const IPlotChannelPtr none;
    return none;
}

void CDataLogger::showChannel(const IPlotChannelPtr& sample, bool show)
{
    sample->SetVisible(show);
    sample->SetLegendVisible(show);
}

void CDataLogger::showAxis(int yAxis, bool show)
{
    const IPlotAxisPtr axis = m_pPlot->YAxis(yAxis);
    axis->SetVisible(show);
    axis->SetTitleVisible(show);
}
