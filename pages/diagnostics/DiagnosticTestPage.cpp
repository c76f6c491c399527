#include "DiagnosticTestPage.h"

#include "AppLog.h"
#include "ComparePageKit.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageBoxes.h"
#include "TestPageControls.h"
#include "ValidityMark.h"

#include <QProgressBar>

namespace
{
// A 252 reply holds its four header bytes and twelve words before the status byte.
constexpr int SignatureBlockBytes = 4 + 24;
} // namespace

DiagnosticTestPage::DiagnosticTestPage(
    PageContext& context, const QString& name, int dialogId, int compareCode, RunControls run, QWidget* parent)
    : StripPage(context, name, dialogId, StripTimer::OnActivation, parent)
    , m_compareCode(compareCode)
    , m_run(std::move(run))
{
}

void DiagnosticTestPage::OnCompare()
{
    context().SelectPageCode(m_compareCode);
}

void DiagnosticTestPage::createReportControls(int reportHost, int reportId, int printerHost, int printerId)
{
    const TellboxImports& imports = context().imports();
    CreateTestPageControl(this, imports.CreateReportControl, reportHost, reportId, m_pReport, ControlWindow::Hidden);
    CreateTestPageControl(this, imports.CreatePrintControl, printerHost, printerId, m_pPrinter, ControlWindow::Hidden);
}

std::optional<uint8_t> DiagnosticTestPage::readTestStatus()
{
    bool ok = false;
    const uint8_t status = context().misc().ReadMiscByte92(&ok);
    // A lost or misaddressed reply says nothing about the test: ask again at
    // the next tick.
    if (!ok)
        return std::nullopt;
    data().TestStatus() = status;
    return status;
}

std::optional<uint8_t> DiagnosticTestPage::endedTestStatus(int statusEdit, const QString& runningText)
{
    constexpr uint8_t TestRunningBit = 0x01;
    const std::optional<uint8_t> status = readTestStatus();
    if (status && (*status & TestRunningBit)) {
        setWindowText(statusEdit, runningText);
        return std::nullopt;
    }
    return status;
}

std::optional<double> DiagnosticTestPage::checkSetting(const SettingField& field)
{
    return ValidityMark::checkField(this, field.edit, field.mark, field.range, *field.tip);
}

std::optional<std::vector<double>> DiagnosticTestPage::settingsForRun(
    std::initializer_list<SettingField> fields, const QString& test)
{
    std::vector<double> values;
    QStringList refused;
    // Every field is checked, so that each one that holds the run back shows
    // its mark, and the log names what each of them takes.
    for (const SettingField& field : fields) {
        const std::optional<double> value = checkSetting(field);
        if (!value)
            refused
                << QStringLiteral("\"%1\" is not one of the %2").arg(windowText(field.edit), field.range.describe());
        values.push_back(value.value_or(0.0));
    }
    if (refused.isEmpty())
        return values;
    context().log().WriteLog(
        QStringLiteral("%1 %2 not started: %3").arg(className(), test, refused.join(QStringLiteral("; "))));
    updateStartButton();
    return std::nullopt;
}

double DiagnosticTestPage::layoutNumber(int edit) const
{
    return WindowNumber(control(edit)).value_or(0.0);
}

bool DiagnosticTestPage::checked(int boxId) const
{
    return ComparePageKit::isChecked(*this, boxId);
}

void DiagnosticTestPage::setChecked(int boxId, bool on)
{
    ComparePageKit::setChecked(*this, boxId, on);
}

QString DiagnosticTestPage::settingText(int editId) const
{
    return m_Result.text(*this, editId);
}

bool DiagnosticTestPage::showHeldSettings(MultiTest test, std::initializer_list<int> edits)
{
    return ShowHeldSettings(*this, m_Result, context().multiTest().heldSettings(test), edits);
}

bool DiagnosticTestPage::deviceSettingsAreOwn(uint16_t ownType) const
{
    const DeviceData& dd = data();
    if (dd.SettingsTestType != 0)
        return dd.SettingsTestType == ownType;
    // Nothing started from here yet: the type the device keeps with its block
    // (the step and the partial stroke under one code), 0 before any test.
    return dd.SigSettings.Type == 0 || dd.SigSettings.Type == DeviceSignatureType(ownType);
}

uint8_t DiagnosticTestPage::resultModel() const
{
    return m_Result.model(data().DeviceType);
}

ResultUnits DiagnosticTestPage::deviceUnits() const
{
    const DeviceData& dd = data();
    ResultUnits units;
    units.pressure = dd.PressureUnit;
    units.pressureLabel = dd.PressureUnitLabel;
    units.travel = dd.TravelUnit;
    units.travelLabel = dd.TravelUnitLabel;
    return units;
}

ResultUnits DiagnosticTestPage::shownUnits() const
{
    const ResultUnits* run = m_Result.runUnits();
    return run ? *run : deviceUnits();
}

CReportHeader DiagnosticTestPage::resultHeader()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    return ShownResultHeader(m_Result, records.m_ReportHeader, data().DeviceType);
}

// ---------------------------------------------------------------------------
// Channel boxes and the plot's axes

void DiagnosticTestPage::setUpChannelBoxes(bool plotMade, HiddenPort2 hidden)
{
    const ChannelBoxes& b = m_run.boxes;
    const auto checkAll = [this, &b] {
        for (int box : { b.position, b.command, b.relayCommand, b.relayPosition, b.port1, b.port2 })
            setChecked(box, true);
        enableControl(b.port1, true);
        enableControl(b.port2, true);
    };
    if (hidden == HiddenPort2::Unchecked)
        checkAll();
    if (data().IsK40()) {
        HideBoxAndCloseUp(this, b.port2, { b.relayCommand, b.relayPosition });
        if (plotMade)
            guard("OnInitialUpdate", [this] { showTrace("Port2", false); });
    }
    if (hidden == HiddenPort2::Checked)
        checkAll();
}

void DiagnosticTestPage::showPortTraces()
{
    const DeviceData& dd = data();
    const ChannelBoxes& b = m_run.boxes;
    enableControl(b.port1, true);
    showTrace("Port1", checked(b.port1));
    const bool port2 = dd.DeviceType == 5 && dd.Config28Bit5 == 0;
    enableControl(b.port2, port2);
    setChecked(b.port2, checked(b.port2) && port2);
    showTrace("Port2", checked(b.port2));
}

void DiagnosticTestPage::scaleSignalAxes(
    const IPlotPtr& plot, double timeSpan, double positionMin, double positionSpan, double pressureSpan)
{
    const IPlotAxisPtr time = plot->XAxisByName(QStringLiteral("Time"));
    time->SetMin(0.0);
    time->SetSpan(timeSpan);
    const IPlotAxisPtr position = plot->YAxisByName(QStringLiteral("Position"));
    position->SetMin(positionMin);
    position->SetSpan(positionSpan);
    const IPlotAxisPtr pressure = plot->YAxisByName(QStringLiteral("Pressure"));
    pressure->SetMin(0.0);
    pressure->SetSpan(pressureSpan);
}

// ---------------------------------------------------------------------------
// Buttons, progress and elapsed time

void DiagnosticTestPage::updateStartButton()
{
    // A run, its read-out included, ends before another can start.
    enableControl(m_run.startButton, settingsAllowStart() && !m_TestRunning);
}

void DiagnosticTestPage::enableIdleButtons(bool enable)
{
    for (int id : m_run.idleButtons)
        enableControl(id, enable);
    // Start also waits for valid settings: a value typed during the run may
    // not be.
    if (enable)
        updateStartButton();
    else
        enableControl(m_run.startButton, false);
    enableControl(m_run.stopButton, !enable);
}

void DiagnosticTestPage::showIdleButtons()
{
    enableIdleButtons(true);
}

void DiagnosticTestPage::setProgressRange(int last)
{
    if (auto* bar = controlAs<QProgressBar>(m_run.progressBar))
        bar->setRange(0, last);
}

void DiagnosticTestPage::setProgress(int value)
{
    if (auto* bar = controlAs<QProgressBar>(m_run.progressBar))
        bar->setValue(value);
}

void DiagnosticTestPage::countElapsedSeconds(int ms)
{
    m_ElapsedSeconds = 0;
    every(m_run.elapsedTimer, ms, "OnElapsedTime", [this] { onElapsed(); });
}

void DiagnosticTestPage::onElapsed()
{
    ++m_ElapsedSeconds;
    setWindowText(m_run.elapsedEdit, QString::number(m_ElapsedSeconds));
    if (!m_TestRunning)
        killTimer(m_run.elapsedTimer);
}

// ---------------------------------------------------------------------------
// Samples

void DiagnosticTestPage::plotAgainstTime(double t, const SignalSample& sample)
{
    // In the order each sample has always added to them.
    const std::pair<const char*, double SignalSample::*> channels[] = {
        { "Command", &SignalSample::command },
        { "Position", &SignalSample::position },
        { "Port1", &SignalSample::port1 },
        { "Port2", &SignalSample::port2 },
        { "ILCmd", &SignalSample::relayCommand },
        { "ILPOS", &SignalSample::relayPosition },
    };
    for (const auto& [name, value] : channels)
        addPoint(name, t, sample.*value);
}

DiagnosticTestPage::StartReadings DiagnosticTestPage::readStartReadings()
{
    read(HartCommand::ReadPressure);
    StartReadings now;
    now.port1 = data().Port1Pressure;
    now.port2 = data().Port2Pressure;
    MiscAccessors& misc = context().misc();
    now.relayCommand = misc.ReadMiscWord12();
    now.relayPosition = misc.ReadMiscWord34();
    return now;
}

std::optional<DiagnosticTestPage::SignatureBlock> DiagnosticTestPage::readSignatureBlock()
{
    const bool read252 = read(HartCommand::ReadSigData);
    const DeviceData& dd = data();
    if (!read252 || !dd.Reply || dd.Reply->size() < SignatureBlockBytes)
        return std::nullopt;
    SignatureBlock block;
    for (size_t sample = 0; sample < block.size(); ++sample) {
        const auto word = [&](size_t k) { return int16_t(dd.SigData[sample * 6 + k]); };
        block[sample] = { word(0), word(1), word(2), word(3), word(4), word(5) };
    }
    return block;
}

void DiagnosticTestPage::takeSamples(const std::optional<SignatureBlock>& block, const QString& where, int firstSample,
    const std::function<void(int sample, const SignatureWords& words)>& take)
{
    if (!block) {
        context().log().WriteLog(QStringLiteral("%1: block not read, samples %2 and %3 left empty")
                                     .arg(where)
                                     .arg(firstSample)
                                     .arg(firstSample + 1));
        return;
    }
    for (size_t k = 0; k < block->size(); ++k)
        take(firstSample + int(k), (*block)[k]);
}

// ---------------------------------------------------------------------------
// Completion and Stop

void DiagnosticTestPage::showResultStatus()
{
    setWindowText(m_run.statusEdit, m_Result.statusText());
}

void DiagnosticTestPage::showRunState(const QString& statusText)
{
    setWindowText(m_run.statusEdit, statusText);
    m_Result.ended(statusText);
}

void DiagnosticTestPage::completeRun(const QString& statusText)
{
    m_TestRunning = false;
    showRunState(statusText);
    showIdleButtons();
    if (context().multiTest().m_bMultiTestRunning)
        HandBackToMultiTest(context(), m_run.done, m_run.completedLine, DiagnosticCode);
}

void DiagnosticTestPage::sendSignatureStop()
{
    data().SignatureType = 0;
    write(HartCommand::SendSigStart);
}

void DiagnosticTestPage::stopRun(UserStop how)
{
    m_TestRunning = false;
    showRunState(QStringLiteral("Stopped"));
    showIdleButtons();
    if (context().multiTest().m_bMultiTestRunning)
        EndMultiTestStoppedByUser(context(), m_run.done, m_run.stoppedLine, DiagnosticCode, how);
}
