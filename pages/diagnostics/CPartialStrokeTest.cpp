#include "CPartialStrokeTest.h"

#include "AppLog.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "PartialStrokeRules.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"
#include "TestPageHandBack.h"
#include "ValidityMark.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "core/ResultFile.h"
#include "partial_stroke/PstReport.h"

namespace
{
using namespace PartialStrokeRules;
using P = CPartialStrokeTest;

constexpr uint8_t TestRunningBit = 0x01;
constexpr uint8_t SignatureCompleteBit = 0x20;
constexpr uint8_t ContinuousStrokeBit = 0x02;

// Each box and the channel it shows.
struct BoxChannel {
    int box;
    const char* channel;
};
constexpr BoxChannel BoxChannels[] = {
    { P::PositionBox, "Position" },
    { P::CommandBox, "Command" },
    { P::Port1Box, "Port1" },
    { P::Port2Box, "Port2" },
    { P::RelayCommandBox, "ILCmd" },
    { P::RelayPositionBox, "ILPOS" },
};

// The settings edits, their marks and what each accepts, in the order of
// the page's validity flags.
const DiagnosticTestPage::SettingField SettingRows[] = {
    { P::StartEdit, P::StartMark, PositionRange, &PositionTip },
    { P::StopEdit, P::StopMark, PositionRange, &PositionTip },
    { P::TimeToTargetEdit, P::TimeToTargetMark, TimeToTargetRange, &TimeToTargetTip },
    { P::DurationEdit, P::DurationMark, DurationRange, &DurationTip },
};

const QString PressureUnitPrinted = QStringLiteral("Kg/sq.cm");
const QString PressureUnitShown = QStringLiteral("Kg/cm²");
} // namespace

CPartialStrokeTest::CPartialStrokeTest(PageContext& context, QWidget* parent)
    : DiagnosticTestPage(context, QStringLiteral("CPartialStrokeTest"), DialogId, CompareCode,
        runControls<CPartialStrokeTest>(
            0, 0, &MultiTestRun::m_bPSTDone, QStringLiteral("PST completed"), QStringLiteral("PST stopped")),
        parent)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CPartialStrokeTest::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    createReportControls(ReportHost, ReportId, PrinterHost, PrinterId);
    CreateTestPageControl(this, imports.CreatePlotControl, PlotFrame, PlotId, m_pPlot, ControlWindow::Added);
    if (m_pPlot)
        guard("OnInitialUpdate", [this] { setUpPlot(m_pPlot); });
    showQuestion(false);
    setUpChannelBoxes(bool(m_pPlot), HiddenPort2::Unchecked);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
    registerWithMultiTest();
}

void CPartialStrokeTest::connectHandlers()
{
    for (const SettingField& row : SettingRows) {
        const int edit = row.edit;
        onTextChanged(edit, "CheckSetting", [this, edit] { CheckSetting(edit); });
    }
    onClicked(StartButton, "StartPartialStrokeTest", [this] { StartPartialStrokeTest(); });
    onClicked(StopButton, "StopPartialStrokeTest", [this] { StopPartialStrokeTest(); });
    onClicked(RetrieveButton, "StartSignatureRetrieval", [this] { StartSignatureRetrieval(); });
    onClicked(LoadButton, "OnLoad", [this] { OnLoad(); });
    onClicked(SaveButton, "SavePstFile", [this] { SavePstFile(); });
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });
    onClicked(CompareButton, "OnCompare", [this] { OnCompare(); });
    onClicked(EnableRadio, "OnContinuousRadio", [this] { OnContinuousRadio(EnableRadio); });
    onClicked(DisableRadio, "OnContinuousRadio", [this] { OnContinuousRadio(DisableRadio); });
    onClicked(YesButton, "OnContinuousYes", [this] { OnContinuousYes(); });
    onClicked(NoButton, "OnContinuousNo", [this] { OnContinuousNo(); });
    for (const BoxChannel& row : BoxChannels) {
        const int box = row.box;
        onClicked(box, "OnCheckBox", [this, box] { OnCheckBox(box); });
    }
}

void CPartialStrokeTest::registerWithMultiTest()
{
    MultiTestPage hand;
    hand.Save = [this] { guard("SavePstFile", [this] { SavePstFile(); }); };
    hand.plot = [this] { return m_pPlot; };
    hand.ResetView = [this] { guard("ShowChannels", [this] { showChannelsAsBoxes(); }); };
    // The unit as the page's own report prints it.
    hand.reportTexts = [this] {
        const QString unit = windowText(PressureUnitLabel);
        return QStringList { settingText(StartEdit), settingText(StopEdit), settingText(TimeToTargetEdit),
            settingText(DurationEdit), windowText(BreakAwayTimeEdit), windowText(BreakAwayPressureEdit),
            unit == PressureUnitShown ? PressureUnitPrinted : unit, windowText(TimeToTargetResultEdit),
            windowText(ResultEdit) };
    };
    hand.resultDevice = [this] { return resultDevice(context().records().m_PSTReport); };
    hand.resultDate = [this] { return m_Result.date(); };
    hand.MakeScratchPlot = [this](QWidget* owner) {
        return CreateScratchPlot<IPlotPtr>(owner, context().imports().CreatePlotControl, this, PlotFrame, PlotId,
            [this](const IPlotPtr& plot) { setUpPlot(plot); });
    };
    context().multiTest().registerPage(MultiTest::PartialStroke, std::move(hand));
}

void CPartialStrokeTest::setUpPlot(const IPlotPtr& plot)
{
    const TellboxImports& imports = context().imports();
    if (imports.ConfigurePSTPlotControl)
        imports.ConfigurePSTPlotControl(plot);
    plot->XAxisByName(QStringLiteral("Time"))->SetTitle(QStringLiteral("Time [ms]"));
    context().records().m_PSTReport.SetupPSTPlotChannels(plot);
    plot->ClearAllData();
}

// ---------------------------------------------------------------------------
// Page contract

void CPartialStrokeTest::ActivatePage()
{
    StripPage::ActivatePage();
    setButtons(Buttons::Idle);
    read(HartCommand::ReadUnits);
    context().misc().ReadMiscLong69();
    ReadContinuousStrokeState();
    if (context().multiTest().m_bMultiTestRunning) {
        ShowSignatureSettings();
        StartPartialStrokeTest();
    } else if (m_Result.fromFile()) {
        showResultStatus();
    } else {
        ReadSignatureSettings();
        // The run shown keeps its own settings beside it: the device's are
        // those of whatever test ran last (another page's, in a multi-test run).
        if (m_Result.fromRun())
            showResultSettings();
        else
            showHeldSettings(MultiTest::PartialStroke, { StartEdit, StopEdit, TimeToTargetEdit, DurationEdit });
        PreparePlot();
        showResultStatus();
        offerUnreadSignature();
    }
}

void CPartialStrokeTest::offerUnreadSignature()
{
    if (!m_SignatureUnread)
        return;
    // Another test started or stopped since (every start and stop goes out
    // with its type) has taken the device's signature.
    if (data().SignatureType != PartialStrokeType) {
        dropUnreadSignature();
        return;
    }
    // The device still holds it: its test is over and its signature not yet
    // read out to the end. A lost reply offers nothing this time.
    const std::optional<uint8_t> status = readTestStatus();
    if (!status)
        return;
    if (*status & (TestRunningBit | SignatureCompleteBit)) {
        dropUnreadSignature();
        return;
    }
    // The plot laid out for the run's signature, whatever the edits hold.
    scalePlot(settingNumber(DurationEdit), float(settingNumber(StartEdit)), float(settingNumber(StopEdit)));
    setWindowText(StatusEdit, QStringLiteral("Test completed"));
    setButtons(Buttons::Completed);
}

void CPartialStrokeTest::dropUnreadSignature()
{
    m_SignatureUnread = false;
    // The run's figures go with its signature: beside a plot that will never
    // hold the run they would judge nothing the page shows. Its settings stay,
    // as the page's last run.
    for (int id : { BreakAwayTimeEdit, BreakAwayPressureEdit, TimeToTargetResultEdit, ResultEdit })
        setWindowText(id, QString());
    // Nor does the status line still call it completed.
    showRunState(QString());
}

void CPartialStrokeTest::showResultSettings()
{
    for (int edit : { StartEdit, StopEdit, TimeToTargetEdit, DurationEdit })
        setWindowText(edit, settingText(edit));
}

void CPartialStrokeTest::StopTimers()
{
    StripPage::StopTimers();
    for (int id : { StripTimerId, ProgressTimerId, RetrievalTimerId })
        killTimer(id);
    // Leaving the page ends a running test or retrieval on the device too.
    if (m_TestRunning || m_Retrieving)
        guard("StopPartialStrokeTest", [this] { stopTest(UserStop::LeavingPage); });
    // A loaded file stays on the page until a run or another load replaces it.
}

void CPartialStrokeTest::ReadSignatureSettings()
{
    setWindowText(StatusEdit, QStringLiteral("Reading test settings"));
    // A lost reply leaves the edits as they were, and so do settings another
    // kind of test wrote since: the page never offers them as its own.
    if (read(HartCommand::ReadSigSettings) && deviceSettingsAreOwn(PartialStrokeType))
        ShowSignatureSettings();
}

void CPartialStrokeTest::ShowSignatureSettings()
{
    const DeviceData::SigSettingsBlock& settings = data().SigSettings;
    setWindowText(StartEdit, NumberText::fromFloat(settings.Floats[0]));
    setWindowText(StopEdit, NumberText::fromFloat(settings.Floats[1]));
    setWindowText(DurationEdit, NumberText::fromFloat(settings.Floats[3]));
    setWindowText(TimeToTargetEdit, NumberText::fromDouble(settings.Word * 0.01));
}

// ---------------------------------------------------------------------------
// Settings edits and buttons

void CPartialStrokeTest::CheckSetting(int editId)
{
    for (size_t k = 0; k < std::size(SettingRows); ++k) {
        if (SettingRows[k].edit == editId)
            m_SettingValid[k] = checkSetting(SettingRows[k]).has_value();
    }
    updateStartButton();
}

bool CPartialStrokeTest::settingsAllowStart() const
{
    bool all = true;
    for (bool valid : m_SettingValid)
        all = all && valid;
    // The signature retrieval is part of the run.
    return all && !m_Retrieving;
}

void CPartialStrokeTest::setButtons(Buttons group)
{
    enableIdleButtons(group == Buttons::Idle || group == Buttons::Completed);
    enableControl(RetrieveButton, group == Buttons::Completed);
}

void CPartialStrokeTest::showIdleButtons()
{
    setButtons(Buttons::Idle);
}

// ---------------------------------------------------------------------------
// Test run

void CPartialStrokeTest::StartPartialStrokeTest()
{
    const std::optional<std::vector<double>> settings = settingsForRun(
        { SettingRows[0], SettingRows[1], SettingRows[2], SettingRows[3] }, QStringLiteral("partial stroke test"));
    if (!settings)
        return;
    const double start = (*settings)[0];
    const double stop = (*settings)[1];
    const double timeToTarget = (*settings)[2];
    const double duration = (*settings)[3];
    MultiTestRun& multi = context().multiTest();
    // A loaded file stays the page's result until a run really starts.
    if (!multi.m_bMultiTestRunning && !userAllowsMovement(context().MessageCaption()))
        return;
    // Nothing of a run before goes on beside this one.
    killTimer(RetrievalTimerId);
    m_Retrieving = false;
    m_SignatureUnread = false;
    m_Result.ran(*this, { StartEdit, StopEdit, TimeToTargetEdit, DurationEdit }, data().DeviceType, deviceUnits());
    setButtons(Buttons::Running);
    for (int id : { StatusEdit, BreakAwayTimeEdit, BreakAwayPressureEdit, TimeToTargetResultEdit, ResultEdit })
        setWindowText(id, QString());
    PreparePlot();
    m_pPlot->ClearAllData();
    m_TestRunning = true;
    m_SampleIndex = 0;
    setProgressRange(LastProgress);
    setProgress(0);
    DeviceData& dd = data();
    dd.SigSettings.Floats[0] = float(start);
    dd.SigSettings.Floats[1] = float(stop);
    // The duration goes as whole seconds, the time to target in hundredths.
    dd.SigSettings.Floats[3] = static_cast<float>(std::trunc(float(duration)));
    dd.SigSettings.Word = DeviceWords::toU16(timeToTarget, 100);
    dd.SignatureType = PartialStrokeType;
    write(HartCommand::SendSigStart);
    setWindowText(StatusEdit, QStringLiteral("Test started"));
    every(ProgressTimerId, PollMs, "PollPstProgress", [this] { PollPstProgress(); });
    RefreshStrip();
}

void CPartialStrokeTest::PollPstProgress()
{
    const std::optional<uint8_t> ended = endedTestStatus(StatusEdit, QStringLiteral("Test in progress"));
    RefreshStrip();
    if (!ended)
        return;
    killTimer(ProgressTimerId);
    ReadPstResults();
    showRunState(QStringLiteral("Test completed"));
    m_TestRunning = false;
    m_SignatureUnread = true;
    setButtons(Buttons::Completed);
    if (context().multiTest().m_bMultiTestRunning)
        StartSignatureRetrieval();
}

void CPartialStrokeTest::ReadPstResults()
{
    if (!read(HartCommand::ReadPstInfo)) {
        context().log().WriteLog(QStringLiteral("CPartialStrokeTest ReadPstResults: no 175 reply, results not shown"));
        return;
    }
    const DeviceData& dd = data();
    setWindowText(BreakAwayTimeEdit, deviceTimeText(dd.PstInfo.Values[0]));
    setWindowText(BreakAwayPressureEdit, devicePressureText(dd.PstInfo.Values[1], dd.MiscLong69Value));
    setWindowText(TimeToTargetResultEdit, deviceTimeText(dd.PstInfo.Values[2]));
    setWindowText(ResultEdit, resultText(dd.PstInfo.Result));
}

void CPartialStrokeTest::StopPartialStrokeTest()
{
    stopTest(UserStop::StopButton);
}

void CPartialStrokeTest::stopTest(UserStop how)
{
    killTimer(ProgressTimerId);
    m_TestRunning = false;
    // The stop goes out without a time to target, yet the device keeps the
    // one the test started with: the copy kept here stays as the device has it.
    const uint16_t timeToTarget = data().SigSettings.Word;
    sendSignatureStop();
    data().SigSettings.Word = timeToTarget;
    killTimer(RetrievalTimerId);
    m_Retrieving = false;
    m_SignatureUnread = false;
    // The strip shows the device out of its signature mode at once, not one
    // strip period later.
    RefreshStrip();
    stopRun(how);
}

void CPartialStrokeTest::StartSignatureRetrieval()
{
    killTimer(ProgressTimerId);
    killTimer(RetrievalTimerId);
    m_Retrieving = true;
    // The device serves the signature once, block after block: a retrieval
    // cut short cannot be begun again.
    m_SignatureUnread = false;
    m_SampleIndex = 0;
    setProgress(0);
    setWindowText(StatusEdit, QString());
    setButtons(Buttons::Retrieving);
    setWindowText(StatusEdit, QStringLiteral("Retrieve started"));
    every(
        RetrievalTimerId, PollMs, "RetrievalStep", [this] { RetrievalStep(); }, FirstBlockMs);
}

void CPartialStrokeTest::RetrievalStep()
{
    // The status the last reply left: every block carries its own, so the
    // read-out ends on the tick after the block that says it was the last.
    const uint8_t status = data().SignatureStatus();
    if (!(status & SignatureCompleteBit)) {
        if (!m_Retrieving) {
            killTimer(RetrievalTimerId);
            return;
        }
        setWindowText(StatusEdit, QStringLiteral("Retrieving signature"));
        ReadPstSignatureBlock();
        return;
    }
    killTimer(RetrievalTimerId);
    m_Retrieving = false;
    completeRun(QStringLiteral("Signature retrieved"));
}

void CPartialStrokeTest::addPoint(const char* channel, double x, double y)
{
    GetDispatchDriverIPlotXChannelByName(m_pPlot, AutoString(channel))->AddXY(x, y);
}

void CPartialStrokeTest::ReadPstSignatureBlock()
{
    takeSamples(readSignatureBlock(), QStringLiteral("CPartialStrokeTest ReadPstSignatureBlock"), m_SampleIndex,
        [this](int sample, const SignatureWords& words) {
            const double fullScale = data().MiscLong69Value;
            // Its pressures scale in one product, as the partial stroke page always has.
            const auto percent = [](int16_t word) { return DiagnosticTestRules::percentOf(word); };
            const auto pressure = [fullScale](int16_t word) { return word * fullScale * 0.0001; };
            plotAgainstTime(sample * m_SampleInterval, scaled(words, percent, pressure));
        });
    m_SampleIndex += 2;
    setProgress(std::min(m_SampleIndex, LastProgress));
}

// ---------------------------------------------------------------------------
// The plot

void CPartialStrokeTest::showTrace(const char* name, bool shown)
{
    OnCheckBoxChanged(m_pPlot, AutoString(name), shown);
}

void CPartialStrokeTest::showChannelsAsBoxes()
{
    for (const BoxChannel& row : BoxChannels)
        showTrace(row.channel, checked(row.box));
}

void CPartialStrokeTest::PreparePlot()
{
    showPortTraces();
    SetPstPlotAxes();
    // The run shown keeps the unit its pressures were recorded in.
    const QString unit = shownUnits().pressureLabel;
    m_pPlot->YAxisByName(QStringLiteral("Pressure"))
        ->SetTitle(QStringLiteral("Pressure [") + unit + QStringLiteral("]"));
    setWindowText(PressureUnitLabel, unit);
}

void CPartialStrokeTest::SetPstPlotAxes()
{
    scalePlot(layoutNumber(DurationEdit), float(layoutNumber(StartEdit)), float(layoutNumber(StopEdit)));
}

void CPartialStrokeTest::scalePlot(double duration, float start, float stop)
{
    m_TestSpan = testSpan(duration);
    m_SampleInterval = sampleIntervalMs(m_TestSpan);
    m_PositionAxisMin = positionAxisMinimum(start, stop);
    scaleSignalAxes(m_pPlot, m_TestSpan * 1000.0, m_PositionAxisMin, 110.0 - m_PositionAxisMin, data().MiscLong69Value);
}

void CPartialStrokeTest::OnCheckBox(int boxId)
{
    for (const BoxChannel& row : BoxChannels) {
        if (row.box == boxId)
            showTrace(row.channel, checked(boxId));
    }
}

// ---------------------------------------------------------------------------
// Continuous stroke test

void CPartialStrokeTest::showQuestion(bool shown)
{
    for (int id : { QuestionText, YesButton, NoButton })
        showControl(id, shown);
}

void CPartialStrokeTest::setRadios(bool enabled)
{
    setChecked(enabled ? EnableRadio : DisableRadio, true);
    setChecked(enabled ? DisableRadio : EnableRadio, false);
}

void CPartialStrokeTest::ReadContinuousStrokeState()
{
    bool ok = false;
    const uint8_t byte = context().misc().ReadMiscByte28(&ok);
    m_ConfigByteRead = ok;
    if (ok) {
        data().ConfigByte28 = byte;
        setRadios((byte & ContinuousStrokeBit) != 0);
    }
    showQuestion(false);
}

void CPartialStrokeTest::OnContinuousRadio(int radioId)
{
    m_PendingCstAnswer = radioId;
    setWindowText(QuestionText,
        radioId == EnableRadio ? QStringLiteral("Do you want to Enable?") : QStringLiteral("Do you want to Disable?"));
    showQuestion(true);
}

void CPartialStrokeTest::OnContinuousYes()
{
    if (m_PendingCstAnswer != EnableRadio && m_PendingCstAnswer != DisableRadio)
        return;
    const bool enable = m_PendingCstAnswer == EnableRadio;
    showQuestion(false);
    if (!m_ConfigByteRead) {
        // Without the byte as the device holds it the write would change its
        // other bits too.
        context().log().WriteLog(QStringLiteral("WriteMiscByte28 not sent: no Read_Misc 0x28 reply"));
        setRadios(!enable);
        return;
    }
    setRadios(enable);
    DeviceData& dd = data();
    if (enable)
        dd.ConfigByte28 |= ContinuousStrokeBit;
    else
        dd.ConfigByte28 &= uint8_t(~ContinuousStrokeBit);
    context().misc().WriteMiscByte28(dd.ConfigByte28);
}

void CPartialStrokeTest::OnContinuousNo()
{
    if (m_PendingCstAnswer != EnableRadio && m_PendingCstAnswer != DisableRadio)
        return;
    setRadios(m_PendingCstAnswer != EnableRadio);
    showQuestion(false);
}

// ---------------------------------------------------------------------------
// Load, Save, Print, Compare

void CPartialStrokeTest::OnLoad()
{
    CPSTReport& record = context().records().m_PSTReport;
    if (!record.LoadPST(m_pPlot))
        return;
    m_SignatureUnread = false;
    // The run whose signature was still on the device is no longer shown:
    // reading it back now would add it to the loaded file's curves.
    enableControl(RetrieveButton, false);
    const auto number = [](const AutoString& text) { return NumberText::toDouble(text.toQString()); };
    // The settings as the file has them, so that saving the loaded test
    // again keeps them (Save stores what the edits show).
    setWindowText(StartEdit, record.m_strStartPosition.toQString());
    setWindowText(StopEdit, record.m_strStopPosition.toQString());
    setWindowText(TimeToTargetEdit, record.m_strTimeToTarget.toQString());
    setWindowText(DurationEdit, record.m_strTestDuration.toQString());
    setWindowText(BreakAwayTimeEdit, loadedTimeText(number(record.m_strBreakAwayTime)));
    setWindowText(BreakAwayPressureEdit, NumberText::format("%.2f", number(record.m_strBreakAwayPressure)));
    setWindowText(TimeToTargetResultEdit, loadedTimeText(number(record.m_strTimeToTargetResult)));
    setWindowText(ResultEdit, record.m_strResult.toQString());
    // The unit as the run that recorded the file showed it: the file keeps its code.
    setWindowText(PressureUnitLabel, DevicePressureUnitLabel(record.m_nPressureUnit));
    m_Result.loaded(*this, { StartEdit, StopEdit, TimeToTargetEdit, DurationEdit }, ResultModelChannel::read(m_pPlot),
        record.m_strTag.toQString(), record.m_strTestDate.toQString());
    if (resultModel() == 5)
        setChecked(Port2Box, checked(Port2Box) && record.m_bSingleActing == 0);
    showChannelsAsBoxes();
    showResultStatus();
    setProgress(0);
}

void CPartialStrokeTest::fillRecordFromPage()
{
    CPSTReport& record = context().records().m_PSTReport;
    record.m_strStartPosition = AutoString(settingText(StartEdit));
    record.m_strStopPosition = AutoString(settingText(StopEdit));
    record.m_strTimeToTarget = AutoString(settingText(TimeToTargetEdit));
    record.m_strTestDuration = AutoString(settingText(DurationEdit));
    // The file keeps the day the result was recorded, however much later it is saved.
    record.m_strTestDate = AutoString(m_Result.date());
    record.m_strBreakAwayPressure
        = AutoString(NumberText::format("%5.2f", NumberText::toDouble(windowText(BreakAwayPressureEdit))));
    record.m_strBreakAwayTime = AutoString(savedTimeText(windowText(BreakAwayTimeEdit)));
    const QString targetShown = windowText(TimeToTargetResultEdit);
    if (m_Result.fromFile()) {
        // A loaded result is saved again under its own tag, unit, result
        // code and flags; its time to target is the one the file brought.
        if (showsNoValue(targetShown))
            record.m_strTimeToTargetResult = AutoString(QStringLiteral("655.35"));
        return;
    }
    read(HartCommand::ReadTagDescriptorDate);
    const DeviceData& dd = data();
    record.m_strTag = AutoString(UnpaddedTag(dd.Tag));
    record.m_nPressureUnit = shownUnits().pressure;
    record.m_nResult = dd.PstInfo.Result;
    record.m_bSingleActing = dd.Config28Bit5;
    record.m_bPressureSensor = dd.PressureSensorFlag;
    record.m_strTimeToTargetResult
        = AutoString(showsNoValue(targetShown) ? QStringLiteral("655.35")
                                               : NumberText::format("%5.2f", dd.PstInfo.Values[2] * 0.01));
}

void CPartialStrokeTest::SavePstFile()
{
    fillRecordFromPage();
    ResultModelChannel::write(m_pPlot, m_Result.modelToSave(data().DeviceType));
    context().records().m_PSTReport.SavePST(m_pPlot);
    // The signature of the result shown may still be read back, at the run's
    // own sample interval.
    scalePlot(settingNumber(DurationEdit), float(settingNumber(StartEdit)), float(settingNumber(StopEdit)));
}

void CPartialStrokeTest::OnPrintReport()
{
    ReportRecords& records = context().records();
    const QString folder = context().helpers().GetAppFolder();
    DeviceData& dd = data();
    CReportHeader header = resultHeader();
    CPSTReport& record = records.m_PSTReport;
    if (!m_Result.fromFile())
        header.m_strTag = AutoString(UnpaddedTag(header.m_strTag.toQString()));
    record.m_strTestDate = AutoString(m_Result.date());
    const std::pair<AutoString*, int> shown[] = { { &record.m_strStartPosition, StartEdit },
        { &record.m_strStopPosition, StopEdit }, { &record.m_strTimeToTarget, TimeToTargetEdit },
        { &record.m_strTestDuration, DurationEdit }, { &record.m_strBreakAwayTime, BreakAwayTimeEdit },
        { &record.m_strBreakAwayPressure, BreakAwayPressureEdit },
        { &record.m_strTimeToTargetResult, TimeToTargetResultEdit }, { &record.m_strResult, ResultEdit } };
    for (const auto& [member, id] : shown)
        *member = AutoString(settingText(id));
    const QString unit = windowText(PressureUnitLabel);
    record.m_strBreakAwayUnit = AutoString(unit == PressureUnitShown ? PressureUnitPrinted : unit);
    const QString definition = ReportDefinitionPath(folder, QStringLiteral("PSTestRept"), resultModel());
    // Every channel the test can have goes into the picture.
    showTrace("Port1", true);
    const bool port2 = resultModel() == 5 && (m_Result.fromFile() ? record.m_bSingleActing == 0 : dd.Config28Bit5 == 0);
    if (port2)
        showTrace("Port2", true);
    for (const char* name : { "Position", "Command", "ILPOS", "ILCmd" })
        showTrace(name, true);
    GeneratePSTReport(header, record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    // Printing changes nothing on the page: the status, the settings typed
    // and a loaded file stay as they were; only the channels go back to the boxes.
    showChannelsAsBoxes();
}
