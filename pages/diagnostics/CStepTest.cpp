#include "CStepTest.h"

#include "AppLog.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "StepTestRules.h"
#include "TellboxImports.h"
#include "TestPageControls.h"
#include "TestPageHandBack.h"
#include "ValidityMark.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "step/StepTestReport.h"

namespace
{
using namespace StepTestRules;

constexpr uint8_t ReadOutCompleteBit = 0x20;
constexpr uint8_t TestStatusByte = 0x92;
constexpr uint8_t StepStartWord = 0x8E;
constexpr uint8_t StepStopWord = 0x8F;
// The device link sends the step test as a signature of this type.
constexpr uint16_t StepSignatureType = 99;

// The six signal channels against time and the box that shows each.
struct BoxChannel {
    int box;
    const char* stepChannel;
    const char* pressureChannel; // nullptr: the box does nothing in the pressure view
};
constexpr BoxChannel BoxChannels[] = {
    { CStepTest::PositionBox, "Position", nullptr },
    { CStepTest::CommandBox, "Command", nullptr },
    { CStepTest::Port1Box, "Port1", "PvPPort1" },
    { CStepTest::Port2Box, "Port2", "PvPPort2" },
    { CStepTest::RelayCommandBox, "ILCmd", nullptr },
    { CStepTest::RelayPositionBox, "ILPos", nullptr },
};
} // namespace

CStepTest::CStepTest(PageContext& context, QWidget* parent)
    : DiagnosticTestPage(context, QStringLiteral("CStepTest"), DialogId, CompareCode,
        runControls<CStepTest>(ElapsedEdit, ElapsedTimerId, &MultiTestRun::m_bStepDone,
            QStringLiteral("Step test completed"), QStringLiteral("Step test stopped")),
        parent)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CStepTest::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    createReportControls(ReportHost, ReportId, PrinterHost, PrinterId);
    CreateTestPageControl(this, imports.CreatePlotControl, PlotHost, PlotId, m_pPlot, ControlWindow::Added);
    if (m_pPlot)
        guard("OnInitialUpdate", [this] { setUpPlot(m_pPlot); });
    setUpChannelBoxes(bool(m_pPlot), HiddenPort2::Unchecked);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
    // Start waits for three valid settings, whatever the first read gives.
    CheckStartPosition();
    CheckStopPosition();
    CheckHoldTime();
    registerWithMultiTest();
    if (m_pPlot)
        guard("OnInitialUpdate", [this] { ShowStepView(port2Absent()); });
}

void CStepTest::connectHandlers()
{
    onTextChanged(StartEdit, "CheckStartPosition", [this] { CheckStartPosition(); });
    onTextChanged(StopEdit, "CheckStopPosition", [this] { CheckStopPosition(); });
    onTextChanged(HoldEdit, "CheckHoldTime", [this] { CheckHoldTime(); });
    onClicked(StartButton, "OnStartTest", [this] { OnStartTest(); });
    onClicked(StopButton, "OnStopTest", [this] { OnStopTest(); });
    onClicked(SaveButton, "OnSaveResults", [this] { OnSaveResults(); });
    onClicked(LoadButton, "OnLoadResults", [this] { OnLoadResults(); });
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });
    onClicked(CompareButton, "OnCompare", [this] { OnCompare(); });
    onClicked(StepViewButton, "ShowStepView", [this] { ShowStepView(port2Absent()); });
    onClicked(PressureViewButton, "ShowPressureView", [this] { ShowPressureView(port2Absent()); });
    for (const BoxChannel& row : BoxChannels) {
        const int box = row.box;
        onClicked(box, "OnCheckBox", [this, box] { OnCheckBox(box); });
    }
}

void CStepTest::registerWithMultiTest()
{
    MultiTestPage hand;
    hand.Save = [this] { guard("OnSaveResults", [this] { OnSaveResults(); }); };
    hand.plot = [this] { return m_pPlot; };
    hand.ResetView = [this] { guard("ShowStepView", [this] { ShowStepView(port2Absent()); }); };
    hand.reportTexts = [this] {
        return QStringList { settingText(StartEdit), settingText(StopEdit), settingText(HoldEdit) };
    };
    hand.resultDevice = [this] { return resultDevice(context().records().m_StepTestReport); };
    hand.resultDate = [this] { return m_Result.date(); };
    hand.MakeScratchPlot = [this](QWidget* owner) {
        return CreateScratchPlot<IPlotPtr>(owner, context().imports().CreatePlotControl, this, PlotHost, PlotId,
            [this](const IPlotPtr& plot) { setUpPlot(plot); });
    };
    context().multiTest().registerPage(MultiTest::Step, std::move(hand));
}

void CStepTest::setUpPlot(const IPlotPtr& plot)
{
    const TellboxImports& imports = context().imports();
    if (imports.ConfigureStepTestPlotControl)
        imports.ConfigureStepTestPlotControl(plot);
    context().records().m_StepTestReport.SetupStepTestPlotChannels(plot);
    plot->ClearAllData();
}

// ---------------------------------------------------------------------------
// Page contract

void CStepTest::ActivatePage()
{
    StripPage::ActivatePage();
    m_PressureScale = context().misc().ReadMiscLong69();
    read(HartCommand::ReadUnits);
    DeviceData& dd = data();
    if (context().multiTest().m_bMultiTestRunning) {
        setWindowText(StatusEdit, QStringLiteral("Reading test settings"));
        // The hub stored start, stop and hold time before it showed the page.
        showSettings(dd.SigSettings.Floats[0], dd.SigSettings.Floats[1], dd.SigSettings.Floats[3]);
        OnStartTest();
    } else if (!m_Result.fromFile()) {
        setWindowText(StatusEdit, QStringLiteral("Reading test settings"));
        // Settings another kind of test wrote since are not offered as the
        // step test's own: the edits keep what they held.
        if (read(HartCommand::ReadSigSettings) && deviceSettingsAreOwn(StepSignatureType))
            showSettings(dd.SigSettings.Floats[0], dd.SigSettings.Floats[1], dd.SigSettings.Floats[3]);
        // The run shown keeps its own settings beside it: the device's are
        // those of whatever test ran last (another page's, in a multi-test run).
        if (m_Result.fromRun())
            ShowResultSettings();
        else
            showHeldSettings(MultiTest::Step, { StartEdit, StopEdit, HoldEdit });
        PreparePlot();
        enableControl(StopButton, false);
        showResultStatus();
    } else {
        showResultStatus();
        ShowStepView(port2Absent());
        enableControl(StopButton, false);
    }
}

void CStepTest::StopTimers()
{
    StripPage::StopTimers();
    for (int id : { TestWatchTimerId, ReadOutTimerId, ElapsedTimerId, StripTimerId })
        killTimer(id);
    // Leaving the page ends a running test on the device too.
    if (m_TestRunning)
        guard("OnStopTest", [this] { stopTest(UserStop::LeavingPage); });
}

void CStepTest::showSettings(float start, float stop, float hold)
{
    setWindowText(StartEdit, NumberText::fromFloat(start));
    setWindowText(StopEdit, NumberText::fromFloat(stop));
    setWindowText(HoldEdit, NumberText::fromFloat(hold));
}

// ---------------------------------------------------------------------------
// Settings edits

const CStepTest::SettingField CStepTest::StartField { StartEdit, StartMark, PositionRange, &PositionTip };
const CStepTest::SettingField CStepTest::StopField { StopEdit, StopMark, PositionRange, &PositionTip };
const CStepTest::SettingField CStepTest::HoldField { HoldEdit, HoldMark, HoldTimeRange, &HoldTimeTip };

void CStepTest::CheckStartPosition()
{
    m_StartValid = checkSetting(StartField).has_value();
    updateStartButton();
}

void CStepTest::CheckStopPosition()
{
    m_StopValid = checkSetting(StopField).has_value();
    updateStartButton();
}

void CStepTest::CheckHoldTime()
{
    m_HoldValid = checkSetting(HoldField).has_value();
    updateStartButton();
}

bool CStepTest::settingsAllowStart() const
{
    return m_StartValid && m_StopValid && m_HoldValid;
}

// ---------------------------------------------------------------------------
// Start, watch, read-out, completion and Stop

void CStepTest::OnStartTest()
{
    MultiTestRun& multi = context().multiTest();
    const std::optional<std::vector<double>> settings
        = settingsForRun({ StartField, StopField, HoldField }, QStringLiteral("step test"));
    if (!settings)
        return;
    if (!multi.m_bMultiTestRunning && !userAllowsMovement(context().MessageCaption()))
        return;
    // The device takes the positions and the hold time in single precision.
    const float start = float((*settings)[0]);
    const float stop = float((*settings)[1]);
    const float hold = float((*settings)[2]);
    read(HartCommand::ReadUnits);
    // Nothing of a run before goes on beside this one.
    killTimer(ReadOutTimerId);
    m_Result.ran(*this, { StartEdit, StopEdit, HoldEdit }, data().DeviceType, deviceUnits());
    enableIdleButtons(false);
    setWindowText(ElapsedEdit, QString());
    PreparePlot();
    setProgress(0);
    m_SampleCount = 0;
    m_TestRunning = true;
    DeviceData& dd = data();
    dd.SignatureType = StepSignatureType;
    setWindowText(StatusEdit, QStringLiteral("Test started"));
    ShowStepView(port2Absent());
    m_pPlot->ClearAllData();
    if (!multi.m_bMultiTestRunning) {
        dd.SigSettings.Floats[0] = start;
        dd.SigSettings.Floats[1] = stop;
        dd.SigSettings.Floats[3] = hold;
        dd.SigSettings.Word = 0;
    }
    m_StartAtStart = start;
    m_StopAtStart = stop;
    write(HartCommand::SendSigStart);
    SeedStartPoint(start);
    every(
        TestWatchTimerId, PollMs, "OnTestWatch", [this] { onTestWatch(); }, FirstWatchMs);
    countElapsedSeconds(ElapsedMs);
    RefreshStrip();
}

void CStepTest::onTestWatch()
{
    const std::optional<uint8_t> status = endedTestStatus(StatusEdit, QStringLiteral("Test in progress"));
    if (!status)
        return;
    killTimer(TestWatchTimerId);
    if (!(*status & ReadOutCompleteBit)) {
        every(ReadOutTimerId, PollMs, "OnReadOut", [this] { onReadOut(); });
        return;
    }
    // The signature was read out before this page asked for it: nothing is
    // left to read, so the test counts as complete.
    context().log().WriteLog(QStringLiteral("CStepTest: the signature was already read out; step test completed"));
    completeTest();
}

void CStepTest::onReadOut()
{
    const std::optional<uint8_t> status = readTestStatus();
    if (!status)
        return;
    if (!(*status & ReadOutCompleteBit)) {
        setWindowText(StatusEdit, QStringLiteral("Retrieving signature"));
        ReadSignatureBlock();
        return;
    }
    killTimer(ReadOutTimerId);
    completeTest();
}

void CStepTest::completeTest()
{
    setProgress(LastProgress);
    completeRun(QStringLiteral("Test completed"));
}

void CStepTest::OnStopTest()
{
    stopTest(UserStop::StopButton);
}

void CStepTest::stopTest(UserStop how)
{
    for (int id : { TestWatchTimerId, ReadOutTimerId, ElapsedTimerId })
        killTimer(id);
    MiscAccessors& misc = context().misc();
    const bool multi = context().multiTest().m_bMultiTestRunning;
    if (!multi) {
        // Negative positions go as 16-bit two's complement.
        misc.WriteMiscWord(StepStartWord, uint16_t(DeviceWords::toS16(m_StartAtStart, 100)));
        misc.WriteMiscWord(StepStopWord, uint16_t(DeviceWords::toS16(m_StopAtStart, 100)));
    }
    misc.WriteMiscByte(TestStatusByte, 0);
    // The strip shows the device out of its signature mode at once, not one
    // strip period later.
    RefreshStrip();
    stopRun(how);
}

// ---------------------------------------------------------------------------
// The plot

bool CStepTest::port2Absent() const
{
    return m_Result.fromFile() ? context().records().m_StepTestReport.m_bSingleActing != 0 : data().Config28Bit5 != 0;
}

void CStepTest::addPoint(const char* channel, double x, double y)
{
    GetDispatchDriverIPlotXChannelByName(m_pPlot, AutoString(channel))->AddXY(x, y);
}

void CStepTest::PreparePlot()
{
    showPortTraces();
    const IPlotAxisPtr pressure = m_pPlot->YAxisByName(QStringLiteral("Pressure"));
    // The run shown keeps the unit its pressures were recorded in.
    pressure->SetTitle(QStringLiteral("Pressure [") + shownUnits().pressureLabel + QStringLiteral("]"));
    pressure->SetSpan(m_PressureScale);
    // The progress and the elapsed time stay with the run shown; a new run starts them afresh.
    setProgressRange(LastProgress);
    ShowStepView(port2Absent());
    SetPlotScales();
}

void CStepTest::SetPlotScales()
{
    scalePlot(float(layoutNumber(StartEdit)), float(layoutNumber(StopEdit)), float(layoutNumber(HoldEdit)));
}

void CStepTest::scalePlot(float start, float stop, float hold)
{
    m_TotalTime = totalTime(hold);
    m_SampleInterval = sampleInterval(hold);
    const int minimum = positionAxisMinimum(start, stop);
    scaleSignalAxes(m_pPlot, m_TotalTime, minimum, positionAxisSpan(minimum), m_PressureScale);
}

void CStepTest::plotSample(double t, const SignalSample& sample)
{
    plotAgainstTime(t, sample);
    addPoint("PvPPort1", sample.position, sample.port1);
    addPoint("PvPPort2", sample.position, sample.port2);
}

void CStepTest::SeedStartPoint(float start)
{
    plotSample(0.0, startSampleOfFullScale(start, m_PressureScale));
    ++m_SampleCount;
    setProgress(std::min(m_SampleCount, LastProgress));
}

void CStepTest::ReadSignatureBlock()
{
    takeSamples(readSignatureBlock(), QStringLiteral("CStepTest ReadSignatureBlock"), m_SampleCount,
        [this](int sample, const SignatureWords& words) {
            plotSample(sample * m_SampleInterval, scaledOfFullScale(words, m_PressureScale));
        });
    m_SampleCount += 2;
    setProgress(std::min(m_SampleCount, LastProgress));
}

void CStepTest::showTrace(const char* name, bool shown)
{
    OnCheckBoxChanged(m_pPlot, AutoString(name), shown);
}

void CStepTest::HideAllTraces()
{
    for (const char* name : { "PvPPort1", "PvPPort2", "Position", "Command", "Port1", "Port2", "ILCmd", "ILPos" })
        showTrace(name, false);
    for (const char* axis : { "Time", "Position" }) {
        const IPlotAxisPtr x = m_pPlot->XAxisByName(QString::fromLatin1(axis));
        x->SetVisible(false);
        x->SetTitleVisible(false);
    }
    for (const char* axis : { "Position", "Pressure" }) {
        const IPlotAxisPtr y = m_pPlot->YAxisByName(QString::fromLatin1(axis));
        y->SetVisible(false);
        y->SetTitleVisible(false);
    }
}

namespace
{
void showAxis(const IPlotAxisPtr& axis, bool shown)
{
    axis->SetVisible(shown);
    axis->SetTitleVisible(shown);
}
} // namespace

void CStepTest::enterView(bool pressureView, const QString& title, bool port2AbsentFlag)
{
    m_PressureView = pressureView;
    m_pPlot->SetTitle(title);
    enableControl(StepViewButton, pressureView);
    enableControl(PressureViewButton, !pressureView);
    // Position, command and the relay's signals have no pressure view.
    for (int box : { PositionBox, CommandBox, RelayCommandBox, RelayPositionBox })
        enableControl(box, !pressureView);
    const bool port2 = resultModel() == 5 && !port2AbsentFlag;
    if (!m_Result.fromFile()) {
        enableControl(Port1Box, true);
        enableControl(Port2Box, port2);
    }
    setChecked(Port2Box, checked(Port2Box) && port2);
    HideAllTraces();
}

void CStepTest::ShowStepView(bool port2AbsentFlag)
{
    enterView(false, QStringLiteral("Step Test"), port2AbsentFlag);
    for (const BoxChannel& row : BoxChannels)
        showTrace(row.stepChannel, checked(row.box));
    showAxis(m_pPlot->XAxisByName(QStringLiteral("Time")), true);
    showAxis(m_pPlot->YAxisByName(QStringLiteral("Position")), true);
    showAxis(m_pPlot->YAxisByName(QStringLiteral("Pressure")), true);
}

void CStepTest::ShowPressureView(bool port2AbsentFlag)
{
    enterView(true, QStringLiteral("Pressure Vs Position"), port2AbsentFlag);
    showTrace("PvPPort1", checked(Port1Box));
    showTrace("PvPPort2", checked(Port2Box));
    showAxis(m_pPlot->XAxisByName(QStringLiteral("Position")), true);
    showAxis(m_pPlot->YAxisByName(QStringLiteral("Pressure")), true);
    showAxis(m_pPlot->XAxisByName(QStringLiteral("Time")), false);
    showAxis(m_pPlot->YAxisByName(QStringLiteral("Position")), false);
}

void CStepTest::OnCheckBox(int boxId)
{
    for (const BoxChannel& row : BoxChannels) {
        if (row.box != boxId)
            continue;
        const char* channel = m_PressureView ? row.pressureChannel : row.stepChannel;
        if (channel)
            OnCheckBoxChanged(m_pPlot, AutoString(channel), checked(boxId));
    }
}

// ---------------------------------------------------------------------------
// Save, Load, Print

void CStepTest::FillStepRecord()
{
    CStepTestReport& record = context().records().m_StepTestReport;
    record.m_strStartPosition = AutoString(settingText(StartEdit));
    record.m_strStopPosition = AutoString(settingText(StopEdit));
    record.m_strHoldTime = AutoString(settingText(HoldEdit));
    // The file keeps the day the result was recorded, however much later it is saved.
    record.m_strTestDate = AutoString(m_Result.date());
    // A loaded result is saved again under its own tag, unit and flags.
    if (m_Result.fromFile())
        return;
    read(HartCommand::ReadTagDescriptorDate);
    const DeviceData& dd = data();
    record.m_strTag = AutoString(UnpaddedTag(dd.Tag));
    record.m_nPressureUnit = shownUnits().pressure;
    record.m_bSingleActing = dd.Config28Bit5;
    record.m_bPressureSensor = dd.PressureSensorFlag;
}

void CStepTest::ShowRecordSettings()
{
    const CStepTestReport& record = context().records().m_StepTestReport;
    setWindowText(StartEdit, record.m_strStartPosition.toQString());
    setWindowText(StopEdit, record.m_strStopPosition.toQString());
    setWindowText(HoldEdit, record.m_strHoldTime.toQString());
}

void CStepTest::ShowResultSettings()
{
    for (int edit : { StartEdit, StopEdit, HoldEdit })
        setWindowText(edit, settingText(edit));
}

void CStepTest::OnSaveResults()
{
    FillStepRecord();
    ResultModelChannel::write(m_pPlot, m_Result.modelToSave(data().DeviceType));
    context().records().m_StepTestReport.SaveStepTest(m_pPlot);
    // The timing follows the result shown, not a value typed for the next run.
    const auto setting = [this](int editId) { return float(settingNumber(editId)); };
    scalePlot(setting(StartEdit), setting(StopEdit), setting(HoldEdit));
}

void CStepTest::OnLoadResults()
{
    const CStepTestReport& record = context().records().m_StepTestReport;
    if (!context().records().m_StepTestReport.LoadStepTest(m_pPlot))
        return;
    ShowRecordSettings();
    m_Result.loaded(*this, { StartEdit, StopEdit, HoldEdit }, ResultModelChannel::read(m_pPlot),
        record.m_strTag.toQString(), record.m_strTestDate.toQString());
    ShowStepView(port2Absent());
    showResultStatus();
    setWindowText(ElapsedEdit, QString());
    setProgress(0);
}

void CStepTest::OnPrintReport()
{
    ReportRecords& records = context().records();
    const QString folder = context().helpers().GetAppFolder();
    CReportHeader header = resultHeader();
    CStepTestReport& record = records.m_StepTestReport;
    // A loaded result prints under the file's tag, which the header carries:
    // the device's own tag stays as the device has it.
    if (!m_Result.fromFile()) {
        const DeviceData& dd = data();
        header.m_strTag = AutoString(UnpaddedTag(header.m_strTag.toQString()));
        record.m_bSingleActing = dd.Config28Bit5;
        record.m_bPressureSensor = dd.PressureSensorFlag;
    }
    record.m_strTestDate = AutoString(m_Result.date());
    record.m_strStartPosition = AutoString(settingText(StartEdit));
    record.m_strStopPosition = AutoString(settingText(StopEdit));
    record.m_strHoldTime = AutoString(settingText(HoldEdit));
    const QString definition = ReportDefinitionPath(folder, QStringLiteral("StepTestRept"), resultModel());
    GenerateStepTestReport(header, record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    ShowStepView(port2Absent());
}
