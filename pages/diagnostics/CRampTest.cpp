#include "CRampTest.h"

#include "AppLog.h"
#include "CSigDataStorage.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageBoxes.h"
#include "TestPageControls.h"
#include "TestPageHandBack.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "ramp/RampTestReport.h"
#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QPointer>
#include <QProgressBar>

#include <cmath>

namespace
{
using namespace RampTestRules;

constexpr uint8_t TestRunningBit = 0x01;
constexpr uint8_t SoftwareSwitchesByte = 0x38;
constexpr uint8_t AirToOpenBit = 0x01;
constexpr uint16_t RampSignatureType = 9;
constexpr uint8_t SmallerModel = 6;
constexpr uint8_t LargerModel = 5;
constexpr uint8_t Millimetres = 49;
// A 252 reply holds its four header bytes and twelve words before the status byte.
constexpr int SignatureBlockBytes = 4 + 24;

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

// The channels of one box in each view; nullptr: the box does nothing there.
struct BoxChannels {
    int box;
    const char* ramp;
    const char* pressure[2]; // opening, closing
    const char* versusCommand[2];
};
constexpr BoxChannels BoxTable[] = {
    { CRampTest::PositionBox, "Position", { nullptr, nullptr }, { "PosnvCmdOpen", "PosnvCmdClose" } },
    { CRampTest::CommandBox, "Command", { nullptr, nullptr }, { nullptr, nullptr } },
    { CRampTest::Port1Box, "Port1", { "PvPPort1", "PvPPort1_2" }, { "Port1vCmdOpen", "Port1vCmdClose" } },
    { CRampTest::Port2Box, "Port2", { "PvPPort2", "PvPPort2_2" }, { "Port2vCmdOpen", "Port2vCmdClose" } },
    { CRampTest::RelayCommandBox, "ILCmd", { nullptr, nullptr }, { "ILCmdvCmdOpen", "ILCmdvCmdClose" } },
    { CRampTest::RelayPositionBox, "ILPOS", { nullptr, nullptr }, { "ILPosnvCmdOpen", "ILPosnvCmdClose" } },
};

// The channels that take one sample in each direction: opening, closing.
struct DirectionChannel {
    const char* opening;
    const char* closing;
};

// One sample of the six signals.
struct Sample {
    double command = 0.0;
    double position = 0.0;
    double relayCommand = 0.0;
    double relayPosition = 0.0;
    double port1 = 0.0;
    double port2 = 0.0;
};

} // namespace

CRampTest::CRampTest(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CRampTest"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CRampTest::OnInitialUpdate()
{
    context().log().WriteLog(QStringLiteral("CRampTest::OnInitialUpdate"));
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CreateTestPageControl(this, imports.CreateRampPlotControl, PlotHost, PlotId, m_pPlot, ControlWindow::Added);
    if (m_pPlot) {
        guard("OnInitialUpdate", [this] {
            setUpPlot(m_pPlot);
            ShowRampTestView(data().Config28Bit5 != 0);
        });
    }
    enableControl(StopButton, false);
    setChecked(BidirectionalBox, true);
    CreateTestPageControl(this, imports.CreateReportControl, ReportHost, ReportId, m_pReport, ControlWindow::Hidden);
    CreateTestPageControl(this, imports.CreatePrintControl, PrinterHost, PrinterId, m_pPrinter, ControlWindow::Hidden);
    if (data().IsK40()) {
        HideBoxAndCloseUp(this, Port2Box, { RelayCommandBox, RelayPositionBox });
        if (m_pPlot)
            guard("OnInitialUpdate", [this] { showChannel(s("Port2"), false); });
    }
    for (int box : { PositionBox, CommandBox, RelayCommandBox, RelayPositionBox, Port1Box, Port2Box })
        setChecked(box, true);
    enableControl(Port1Box, true);
    enableControl(Port2Box, true);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
    registerWithMultiTest();
    m_Offline = false;
    context().log().WriteLog(QStringLiteral("CRampTest::OnInitialUpdate"));
}

void CRampTest::connectHandlers()
{
    for (int edit : { StartEdit, StopEdit, HoldEdit, DurationEdit })
        onTextChanged(edit, "ValidateRampSetting", [this, edit] { ValidateRampSetting(edit); });
    onClicked(StartButton, "StartRampTest", [this] { StartRampTest(); });
    onClicked(StopButton, "StopRampTest", [this] { StopRampTest(); });
    onClicked(SaveButton, "SaveRampResults", [this] { SaveRampResults(); });
    onClicked(LoadButton, "LoadRampResults", [this] { LoadRampResults(); });
    onClicked(PrintButton, "PrintRampReport", [this] { PrintRampReport(); });
    onClicked(CompareButton, "OnCompare", [this] { OnCompare(); });
    onClicked(RampViewButton, "OnViewRampTest", [this] { ShowRampTestView(viewFlag()); });
    onClicked(PressureViewButton, "OnViewPressureVsPosition", [this] { ShowPressureVsPositionView(viewFlag()); });
    onClicked(SignalsViewButton, "OnViewSignalsVsCommand", [this] { ShowSignalsVsCommandView(viewFlag()); });
    onClicked(FrictionViewButton, "OnBtnFrictionViewClicked", [this] {
        context().log().WriteLog(QStringLiteral("From OnBtnFrictionViewClicked"));
        ShowFrictionThrustView();
    });
    for (const BoxChannels& row : BoxTable) {
        const int box = row.box;
        onClicked(box, "OnChannelBoxClicked", [this, box] { OnChannelBoxClicked(box); });
    }
}

void CRampTest::registerWithMultiTest()
{
    MultiTestPage hand;
    hand.Save = [this] { guard("SaveRampResults", [this] { SaveRampResults(); }); };
    hand.plot = [this] { return m_pPlot ? m_pPlot.query<Plot>() : IPlotPtr(); };
    // The report shows the live Ramp Test view, drawn for the device's own flag.
    hand.ResetView = [this] { guard("ShowRampTestView", [this] { ShowRampTestView(data().Config28Bit5 != 0); }); };
    // The ramp section of the multi-test report: settings, spring set, stroke and size.
    hand.reportTexts = [this] {
        return QStringList { settingText(StartEdit), settingText(StopEdit), settingText(HoldEdit),
            settingText(DurationEdit), runBidirectional() ? QStringLiteral("Yes") : QStringLiteral("No"),
            windowText(SpringRateEdit), windowText(SpringRateUnit), windowText(SpringInitialEdit),
            windowText(SpringInitialUnit), windowText(SpringFinalEdit), windowText(SpringFinalUnit),
            windowText(StrokeLengthEdit), windowText(StrokeLengthUnit), windowText(ActuatorSizeEdit),
            windowText(ActuatorSizeUnit) };
    };
    hand.MakeScratchPlot = [this](QWidget* owner) {
        return CreateScratchPlot<IXYPlotPtr>(owner, context().imports().CreateRampPlotControl, this, PlotHost, PlotId,
            [this](const IXYPlotPtr& plot) { setUpPlot(plot); });
    };
    context().multiTest().registerPage(MultiTest::Ramp, std::move(hand));
}

void CRampTest::setUpPlot(const IXYPlotPtr& plot)
{
    const TellboxImports& imports = context().imports();
    if (imports.ConfigureRampPlotControl)
        imports.ConfigureRampPlotControl(plot);
    context().records().m_RampReport.SetupRampPlotChannels(plot);
    plot->ClearAllData();
}

// ---------------------------------------------------------------------------
// Page contract

void CRampTest::ActivatePage()
{
    StripPage::ActivatePage();
    readRampDeviceValues();
    const bool multi = context().multiTest().m_bMultiTestRunning;
    if (!multi && !m_Offline) {
        readRampTestSettings();
        PrepareRampPlot();
        enableControl(StopButton, false);
    } else if (!multi) {
        setWindowText(StatusEdit, QStringLiteral("Off line data"));
        ShowRampTestView(context().records().m_RampReport.m_bSingleActing != 0);
        enableControl(StopButton, false);
    } else {
        showMultiTestRampSettings();
        StartRampTest();
    }
}

void CRampTest::StopTimers()
{
    StripPage::StopTimers();
    for (int id : { StripTimerId, ElapsedTimerId, RetrievalTimerId, PollTimerId })
        killTimer(id);
    if (m_Running)
        guard("StopRampTest", [this] { stopRun(UserStop::LeavingPage); });
}

void CRampTest::readRampDeviceValues()
{
    DeviceData& dd = data();
    read(HartCommand::ReadActuator);
    m_ActuatorArea = dd.ActuatorArea * 0.1;
    context().sigData().SetScale(m_ActuatorArea);
    m_PressureSpan = context().misc().ReadMiscLong69();
    read(HartCommand::ReadValveTravelCycleCount);
    m_StrokeLength = (dd.TravelCycle[5] & 0xFFFF) * 0.01;
    read(HartCommand::ReadUnits);
    m_PressureUnit = dd.PressureUnit;
    m_PressureUnitText = dd.PressureUnitLabel;
    m_TravelUnit = dd.TravelUnit;
    m_TravelUnitText = dd.TravelUnitLabel;
}

void CRampTest::showSettings(const DeviceData& dd)
{
    const auto& f = dd.SigSettings.Floats;
    setWindowText(StartEdit, NumberText::fromFloat(f[0]));
    setWindowText(StopEdit, NumberText::fromFloat(f[1]));
    setWindowText(DurationEdit, NumberText::fromFloat(f[2]));
    setWindowText(HoldEdit, NumberText::fromFloat(f[3]));
}

void CRampTest::readRampTestSettings()
{
    setWindowText(StatusEdit, QStringLiteral("Reading test settings"));
    DeviceData& dd = data();
    if (read(HartCommand::ReadSigSettings)) {
        // The shown duration is raised to 2 s and the hold time to 1 s at least.
        auto& f = dd.SigSettings.Floats;
        if (f[2] < 2.0f)
            f[2] = 2.0f;
        if (f[3] < 1.0f)
            f[3] = 1.0f;
        showSettings(dd);
    }
    m_Bidirectional = checked(BidirectionalBox);
    dd.RampBidirectional = m_Bidirectional ? 1 : 0;
}

void CRampTest::showMultiTestRampSettings()
{
    const DeviceData& dd = data();
    showSettings(dd);
    setChecked(BidirectionalBox, dd.RampBidirectional != 0);
}

// ---------------------------------------------------------------------------
// Settings edits

void CRampTest::ValidateRampSetting(int editId)
{
    const double value = GetWindowNumber(control(editId));
    switch (editId) {
    case StartEdit:
        m_Valid[0] = ValidityMark::show(this, StartMark, positionValid(value), PositionTip);
        break;
    case StopEdit:
        m_Valid[1] = ValidityMark::show(this, StopMark, positionValid(value), PositionTip);
        break;
    case HoldEdit:
        m_Valid[2] = ValidityMark::show(this, HoldMark, holdTimeValid(value), HoldTimeTip);
        break;
    case DurationEdit:
        m_Valid[3] = ValidityMark::show(this, DurationMark, durationValid(value), DurationTip);
        break;
    default:
        break;
    }
    updateStartButton();
}

void CRampTest::updateStartButton()
{
    // A run, its retrieval included, ends before another can start.
    enableControl(StartButton, m_Valid[0] && m_Valid[1] && m_Valid[2] && m_Valid[3] && !m_Running);
}

QString CRampTest::settingText(int editId) const
{
    return m_Offline ? windowText(editId) : m_RunSettings.text(*this, editId);
}

bool CRampTest::runBidirectional() const
{
    return m_Offline || !m_RunSettings.kept() ? checked(BidirectionalBox) : m_RunBidirectional;
}

// ---------------------------------------------------------------------------
// Start, poll, retrieval, reverse, completion and Stop

void CRampTest::setRampButtonsRunning()
{
    for (int id : { LoadButton, SaveButton, StartButton, PrintButton, CompareButton })
        enableControl(id, false);
    enableControl(StopButton, true);
    for (int id : { StatusEdit, ElapsedEdit, SpringRateEdit, SpringInitialEdit, SpringFinalEdit })
        setWindowText(id, QString());
}

void CRampTest::StartRampTest()
{
    MultiTestRun& multi = context().multiTest();
    if (!multi.m_bMultiTestRunning && !userAllowsMovement(context().MessageCaption()))
        return;
    setRampButtonsRunning();
    // Nothing of a run before goes on beside this one.
    killTimer(RetrievalTimerId);
    m_RunSettings.take(*this, { StartEdit, StopEdit, HoldEdit, DurationEdit });
    m_RunBidirectional = checked(BidirectionalBox);
    DeviceData& dd = data();
    m_Bidirectional = checked(BidirectionalBox);
    dd.RampBidirectional = m_Bidirectional ? 1 : 0;
    PrepareRampPlot();
    ShowRampTestView(viewFlag());
    m_pPlot->ClearAllData();
    context().sigData().Clear();
    m_ElapsedSeconds = 0;
    m_Running = true;
    m_Reverse = false;
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(0);
    auto& f = dd.SigSettings.Floats;
    f[0] = float(GetWindowNumber(control(StartEdit)));
    f[1] = float(GetWindowNumber(control(StopEdit)));
    f[2] = float(GetWindowNumber(control(DurationEdit)));
    f[3] = float(GetWindowNumber(control(HoldEdit)));
    dd.SigSettings.Word = 0;
    dd.SignatureType = RampSignatureType;
    write(HartCommand::SendSigStart);
    setWindowText(StatusEdit, QStringLiteral("Test started"));
    m_Offline = false;
    every(PollTimerId, StepMs, "PollRampStatus", [this] { pollRampStatus(); });
    every(ElapsedTimerId, StepMs, "OnElapsedTime", [this] { onElapsed(); });
    m_RunStart = f[0];
    m_RunStop = f[1];
    seedRampChannels();
    RefreshStrip();
}

namespace
{
// The channels of one sample in each direction, X as each row says.
enum class XOf { Position, Command };
struct DirectionRow {
    DirectionChannel names;
    XOf x;
    double Sample::*y;
};
const DirectionRow DirectionRows[] = {
    { { "PvPPort1", "PvPPort1_2" }, XOf::Position, &Sample::port1 },
    { { "PvPPort2", "PvPPort2_2" }, XOf::Position, &Sample::port2 },
    { { "PosnvCmdOpen", "PosnvCmdClose" }, XOf::Command, &Sample::position },
    { { "Port1vCmdOpen", "Port1vCmdClose" }, XOf::Command, &Sample::port1 },
    { { "Port2vCmdOpen", "Port2vCmdClose" }, XOf::Command, &Sample::port2 },
    { { "ILCmdvCmdOpen", "ILCmdvCmdClose" }, XOf::Command, &Sample::relayCommand },
    { { "ILPosnvCmdOpen", "ILPosnvCmdClose" }, XOf::Command, &Sample::relayPosition },
};
const std::pair<const char*, double Sample::*> TimeRows[] = {
    { "Command", &Sample::command },
    { "Position", &Sample::position },
    { "Port1", &Sample::port1 },
    { "Port2", &Sample::port2 },
    { "ILCmd", &Sample::relayCommand },
    { "ILPOS", &Sample::relayPosition },
};
} // namespace

void CRampTest::seedRampChannels()
{
    Sample first;
    first.command = first.position = GetWindowNumber(control(StartEdit));
    read(HartCommand::ReadPressure);
    const DeviceData& dd = data();
    first.port1 = pressureOf(dd.Port1Pressure, m_PressureSpan);
    first.port2 = pressureOf(dd.Port2Pressure, m_PressureSpan);
    MiscAccessors& misc = context().misc();
    first.relayCommand = misc.ReadMiscWord12();
    first.relayPosition = misc.ReadMiscWord34();
    for (const auto& [name, value] : TimeRows)
        addPoint(s(name), 0.0, first.*value);
    const bool opening = m_Direction == Opening;
    for (const DirectionRow& row : DirectionRows)
        addPoint(s(opening ? row.names.opening : row.names.closing), first.position, first.*row.y);
    m_SampleIndex = 1;
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(0);
}

void CRampTest::pollRampStatus()
{
    bool ok = false;
    const uint8_t status = context().misc().ReadMiscByte92(&ok);
    // A lost or misaddressed reply says nothing about the test: ask again.
    if (!ok)
        return;
    data().SignatureStatus() = status;
    if (status & TestRunningBit) {
        setWindowText(StatusEdit, QStringLiteral("Signature in progress"));
        return;
    }
    killTimer(PollTimerId);
    m_SampleIndex = 1;
    every(RetrievalTimerId, StepMs, "ReadRampSignatureBlock", [this] { retrievalStep(); });
}

void CRampTest::retrievalStep()
{
    if (m_SampleIndex < SamplesPerDirection) {
        readRampSignatureBlock();
        return;
    }
    killTimer(RetrievalTimerId);
    if (m_Bidirectional) {
        m_Bidirectional = false;
        context().log().WriteLog(QStringLiteral("Reverse ramp started"));
        startReverseRamp();
        return;
    }
    completeRun();
}

void CRampTest::readRampSignatureBlock()
{
    const int block = m_SampleIndex + (m_Reverse ? SamplesPerDirection : 0);
    const bool read252 = read(HartCommand::ReadSigData);
    context().log().WriteLog(QStringLiteral("Retrieving signature  ") + QString::number(block));
    setWindowText(StatusEdit, QStringLiteral("Retrieving signature"));
    const DeviceData& dd = data();
    if (!read252 || !dd.Reply || dd.Reply->size() < SignatureBlockBytes) {
        // No values came: the two samples stay empty, so the later blocks
        // keep their places in the device's sequence.
        context().log().WriteLog(
            QStringLiteral("CRampTest ReadRampSignatureBlock: block not read, samples %1 and %2 left empty")
                .arg(block)
                .arg(block + 1));
        m_SampleIndex += 2;
    } else {
        const bool opening = m_Direction == Opening;
        for (int k = 0; k < 2; ++k) {
            const auto word = [&](int v) { return int16_t(dd.SigData[size_t(k * 6 + v)]); };
            Sample sample;
            sample.command = percentOf(word(0));
            sample.position = percentOf(word(1));
            sample.relayCommand = percentOf(word(2));
            sample.relayPosition = percentOf(word(3));
            sample.port1 = pressureOf(word(4), m_PressureSpan);
            sample.port2 = pressureOf(word(5), m_PressureSpan);
            const double t = (block + k) * m_Base.sampleInterval;
            for (const auto& [name, value] : TimeRows)
                addPoint(s(name), t, sample.*value);
            for (const DirectionRow& row : DirectionRows) {
                const double x = row.x == XOf::Position ? sample.position : sample.command;
                addPoint(s(opening ? row.names.opening : row.names.closing), x, sample.*row.y);
            }
            // Nothing reads the rows back; their values are kept at zero.
            int status = 0;
            if (opening)
                context().sigData().AddOpenDataRow(sample.position, 0.0, 0.0, status);
            else
                context().sigData().AddCloseDataRow(sample.position, 0.0, 0.0, status);
            ++m_SampleIndex;
        }
    }
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(block);
}

void CRampTest::startReverseRamp()
{
    m_Reverse = true;
    DeviceData& dd = data();
    dd.SigSettings.Floats[0] = m_RunStop;
    dd.SigSettings.Floats[1] = m_RunStart;
    dd.SigSettings.Word = 0;
    m_Direction = m_Direction == Opening ? Closing : Opening;
    dd.SignatureType = RampSignatureType;
    write(HartCommand::SendSigStart);
    setWindowText(StatusEdit, QStringLiteral("Reverse ramp started"));
    m_Running = true;
    m_Offline = false;
    m_SampleIndex = 0;
    every(PollTimerId, StepMs, "PollRampStatus", [this] { pollRampStatus(); });
}

void CRampTest::restoreRampSettings()
{
    DeviceData& dd = data();
    if (dd.RampBidirectional != 1)
        return;
    dd.SigSettings.Floats[0] = m_RunStart;
    dd.SigSettings.Floats[1] = m_RunStop;
    dd.SigSettings.Word = 0;
    dd.SignatureType = 0;
    write(HartCommand::SendSigStart);
}

void CRampTest::completeRun()
{
    killTimer(RetrievalTimerId);
    killTimer(PollTimerId);
    const AppLog& log = context().log();
    if (m_Reverse) {
        m_Reverse = false;
        log.WriteLog(QStringLiteral("Bi-directional signature is completed."));
        RunRampAnalysis();
        restoreRampSettings();
        setWindowText(StatusEdit, QStringLiteral("Bi-directional signature is completed"));
    }
    log.WriteLog(QStringLiteral("signature is completed"));
    setWindowText(StatusEdit, QStringLiteral("Test completed"));
    m_Running = false;
    killTimer(ElapsedTimerId);
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(0);
    enableIdleButtons(true);
    enableControl(StopButton, false);
    if (context().multiTest().m_bMultiTestRunning)
        HandBackToMultiTest(
            context(), &MultiTestRun::m_bRampDone, QStringLiteral("Ramp test completed"), DiagnosticCode);
}

void CRampTest::StopRampTest()
{
    stopRun(UserStop::StopButton);
}

void CRampTest::stopRun(UserStop how)
{
    // Nothing goes to the device: a ramp already running there runs to its
    // end, and its signature is not read. The elapsed time counts once more
    // and then ends itself.
    for (int id : { RetrievalTimerId, PollTimerId, StripTimerId })
        killTimer(id);
    m_Running = false;
    setWindowText(StatusEdit, QStringLiteral("Stopped"));
    enableIdleButtons(true);
    enableControl(StopButton, false);
    if (context().multiTest().m_bMultiTestRunning)
        EndMultiTestStoppedByUser(
            context(), &MultiTestRun::m_bRampDone, QStringLiteral("Ramp test stopped"), DiagnosticCode, how);
}

void CRampTest::onElapsed()
{
    ++m_ElapsedSeconds;
    setWindowText(ElapsedEdit, QString::number(m_ElapsedSeconds));
    if (!m_Running)
        killTimer(ElapsedTimerId);
}

void CRampTest::enableIdleButtons(bool enable)
{
    for (int id : { LoadButton, SaveButton, CompareButton, PrintButton })
        enableControl(id, enable);
    // Start also waits for valid settings: a value typed during the run may
    // not be.
    if (enable)
        updateStartButton();
    else
        enableControl(StartButton, false);
}

void CRampTest::OnCompare()
{
    context().SelectPageCode(CompareCode);
}

// ---------------------------------------------------------------------------
// Plot preparation and analysis

void CRampTest::showRampUnitLabels()
{
    setWindowText(SpringInitialUnit, m_PressureUnitText);
    setWindowText(SpringFinalUnit, m_PressureUnitText);
    setWindowText(StrokeLengthUnit, m_TravelUnitText);
    setWindowText(ActuatorSizeUnit, areaUnitText(m_TravelUnit));
    setWindowText(SpringRateUnit, springRateUnitText(m_PressureUnit, m_TravelUnitText));
}

void CRampTest::PrepareRampPlot()
{
    const DeviceData& dd = data();
    for (int id : { Port1Box, PressureViewButton, FrictionViewButton })
        enableControl(id, true);
    showChannel(s("Port1"), checked(Port1Box));
    const bool port2 = dd.DeviceType == LargerModel && dd.Config28Bit5 == 0;
    enableControl(Port2Box, port2);
    showChannel(s("Port2"), port2 && checked(Port2Box));
    ShowRampTestView(dd.Config28Bit5 != 0);
    const QString pressureTitle = QStringLiteral("Pressure [") + m_PressureUnitText + QStringLiteral("]");
    const IPlotAxisPtr pressure = m_pPlot->YAxisByName(s("Pressure"));
    pressure->SetSpan(m_PressureSpan);
    pressure->SetTitle(pressureTitle);
    setWindowText(StrokeLengthEdit, NumberText::format("%3.2f", m_StrokeLength));
    setWindowText(ActuatorSizeEdit, NumberText::format("%3.1f", shownArea(m_ActuatorArea, m_TravelUnit)));
    showRampUnitLabels();
    const double start = GetWindowNumber(control(StartEdit));
    const double stop = GetWindowNumber(control(StopEdit));
    m_Direction = RampTestRules::directionCode(start, stop);
    m_Base = timeBase(
        GetWindowNumber(control(DurationEdit)), GetWindowNumber(control(HoldEdit)), checked(BidirectionalBox));
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setRange(0, m_Base.lastProgress);
    const IPlotAxisPtr time = m_pPlot->XAxisByName(s("Time"));
    time->SetIncrement(m_Base.sampleInterval);
    time->SetStartValue(0.0);
    time->SetMin(0.0);
    time->SetSpan(m_Base.totalTime);
    const int minimum = positionAxisMinimum(float(start), float(stop));
    const IPlotAxisPtr position = m_pPlot->YAxisByName(s("Position"));
    position->SetMin(minimum);
    position->SetSpan(110.0 - minimum);
    position->SetIncrement(10.0);
    pressure->SetStartValue(0.0);
    pressure->SetMin(0.0);
    pressure->SetSpan(m_PressureSpan);
    pressure->SetTitle(pressureTitle);
    const IPlotAxisPtr force = m_pPlot->YAxisByName(s("FrictionY"));
    force->SetMin(0.0);
    force->SetIncrement(100.0);
    force->SetSpan(1000.0);
}

Curve CRampTest::curveOf(const QString& channel) const
{
    const IXYPlotChannelPtr c = GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(channel));
    Curve curve;
    const int n = c->Count();
    curve.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        curve.push_back({ c->GetX(i), c->GetY(i) });
    return curve;
}

void CRampTest::fillCurve(const QString& channel, const Curve& curve)
{
    const IXYPlotChannelPtr c = GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(channel));
    for (const Point& p : curve)
        c->AddXY(p.x, p.y);
}

void CRampTest::RunRampAnalysis()
{
    const DeviceData& dd = data();
    // The smaller model's port 2 is its supply: port 1 alone drives there.
    const bool port1Alone = dd.DeviceType == SmallerModel;
    const ThrustWindow window = thrustWindow(m_RunStart, m_RunStop);
    const Curve openPort2 = curveOf(s("PvPPort2"));
    const Curve closePort2 = curveOf(s("PvPPort2_2"));
    const Curve open = thrustCurve(
        curveOf(s("PvPPort1")), port1Alone ? nullptr : &openPort2, dd.PressureUnit, dd.ActuatorArea, window);
    const Curve close = thrustCurve(
        curveOf(s("PvPPort1_2")), port1Alone ? nullptr : &closePort2, dd.PressureUnit, dd.ActuatorArea, window);
    fillCurve(s("ThrustOpen"), open);
    fillCurve(s("ThrustClose"), close);
    // Matched on the channels as drawn, so that earlier points count too.
    const Curve openDrawn = curveOf(s("ThrustOpen"));
    const Curve closeDrawn = curveOf(s("ThrustClose"));
    const Curve friction = frictionCurve(openDrawn, closeDrawn);
    fillCurve(s("Friction"), friction);
    const Curve frictionDrawn = curveOf(s("Friction"));
    if (const auto axis = forceAxis({ &openDrawn, &closeDrawn, &frictionDrawn })) {
        const IPlotAxisPtr force = m_pPlot->YAxisByName(s("FrictionY"));
        force->SetMin(axis->minimum);
        force->SetSpan(axis->span);
        force->SetStartValue(axis->start);
    }
    m_Spring = springSet(m_PressureUnit, m_ActuatorArea, m_StrokeLength, openDrawn, closeDrawn);
    const uint8_t switches = context().misc().ReadMiscByte(SoftwareSwitchesByte);
    if (!m_Spring) {
        for (int id : { SpringRateEdit, SpringInitialEdit, SpringFinalEdit })
            setWindowText(id, NoSpringValue);
        return;
    }
    setWindowText(SpringRateEdit, springText(m_Spring->rate));
    // An air-to-close actuator's spring works the other way round.
    const bool airToOpen = (switches & AirToOpenBit) != 0;
    setWindowText(SpringInitialEdit, springText(airToOpen ? m_Spring->initial : m_Spring->final));
    setWindowText(SpringFinalEdit, springText(airToOpen ? m_Spring->final : m_Spring->initial));
}

// ---------------------------------------------------------------------------
// Views and channel boxes

bool CRampTest::viewFlag() const
{
    return m_Offline ? context().records().m_RampReport.m_bSingleActing != 0 : data().Config28Bit5 != 0;
}

bool CRampTest::checked(int boxId) const
{
    const auto* box = controlAs<QAbstractButton>(boxId);
    return box && box->isChecked();
}

void CRampTest::setChecked(int boxId, bool on)
{
    if (auto* box = controlAs<QAbstractButton>(boxId))
        box->setChecked(on);
}

void CRampTest::addPoint(const QString& channel, double x, double y)
{
    GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(channel))->AddXY(x, y);
}

void CRampTest::showChannel(const QString& name, bool visible)
{
    OnCheckBoxChanged(m_pPlot, AutoString(name), visible);
}

void CRampTest::showAxis(bool xAxis, const QString& name, bool visible)
{
    const IPlotAxisPtr axis = xAxis ? m_pPlot->XAxisByName(name) : m_pPlot->YAxisByName(name);
    axis->SetVisible(visible);
    axis->SetTitleVisible(visible);
}

void CRampTest::ResetPlotView()
{
    for (const char* name : { "PosnvCmdOpen", "PosnvCmdClose", "Port1vCmdOpen", "Port1vCmdClose", "Port2vCmdOpen",
             "Port2vCmdClose", "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen", "ILPosnvCmdClose", "Friction",
             "ThrustOpen", "ThrustClose", "PvPPort1", "PvPPort1_2", "PvPPort2", "PvPPort2_2", "Position", "Command",
             "Port1", "Port2", "ILCmd", "ILPOS" })
        showChannel(s(name), false);
    for (const char* axis : { "Time", "Position", "Command" })
        showAxis(true, s(axis), false);
    for (const char* axis : { "Position", "Pressure", "FrictionY" })
        showAxis(false, s(axis), false);
}

void CRampTest::applyPortRules(bool config28Bit5)
{
    const DeviceData& dd = data();
    if (!m_Offline)
        enableControl(Port1Box, true);
    if (config28Bit5 || dd.DeviceType == SmallerModel) {
        setChecked(Port2Box, false);
        if (!m_Offline)
            enableControl(Port2Box, false);
    } else if (dd.DeviceType == LargerModel && !m_Offline) {
        enableControl(Port2Box, true);
    }
}

void CRampTest::ShowRampTestView(bool config28Bit5)
{
    m_View = View::Ramp;
    m_pPlot->SetTitle(QStringLiteral("Ramp Test"));
    enableControl(RampViewButton, false);
    for (int id : { SignalsViewButton, PressureViewButton, FrictionViewButton })
        enableControl(id, true);
    for (int id : { PositionBox, CommandBox, RelayCommandBox, RelayPositionBox })
        enableControl(id, true);
    applyPortRules(config28Bit5);
    if (!config28Bit5 && data().DeviceType == SmallerModel)
        enableControl(FrictionViewButton, false);
    ResetPlotView();
    for (const BoxChannels& row : BoxTable)
        showChannel(s(row.ramp), checked(row.box));
    showAxis(true, s("Time"), true);
    showAxis(false, s("Position"), true);
    showAxis(false, s("Pressure"), true);
}

void CRampTest::ShowPressureVsPositionView(bool config28Bit5)
{
    m_View = View::PressureVsPosition;
    m_pPlot->SetTitle(QStringLiteral("Pressure Vs Position"));
    enableControl(PressureViewButton, false);
    for (int id : { RampViewButton, SignalsViewButton, FrictionViewButton })
        enableControl(id, true);
    for (int id : { PositionBox, CommandBox, RelayCommandBox, RelayPositionBox })
        enableControl(id, false);
    applyPortRules(config28Bit5);
    if (!config28Bit5 && data().DeviceType == SmallerModel)
        enableControl(FrictionViewButton, false);
    const auto& f = data().SigSettings.Floats;
    m_Direction = RampTestRules::directionCode(f[0], f[1]);
    ResetPlotView();
    const bool both = checked(BidirectionalBox);
    for (int box : { Port1Box, Port2Box }) {
        const BoxChannels& row = BoxTable[box == Port1Box ? 2 : 3];
        if (both || m_Direction == Opening)
            showChannel(s(row.pressure[0]), checked(box));
        if (both || m_Direction == Closing)
            showChannel(s(row.pressure[1]), checked(box));
    }
    showAxis(true, s("Position"), true);
    showAxis(false, s("Pressure"), true);
}

void CRampTest::ShowSignalsVsCommandView(bool config28Bit5)
{
    m_View = View::SignalsVsCommand;
    m_pPlot->SetTitle(QStringLiteral("Signals Vs Command"));
    enableControl(SignalsViewButton, false);
    for (int id : { RampViewButton, PressureViewButton, FrictionViewButton })
        enableControl(id, true);
    enableControl(CommandBox, false);
    for (int id : { PositionBox, RelayCommandBox, RelayPositionBox })
        enableControl(id, true);
    applyPortRules(config28Bit5);
    if (!config28Bit5 && data().DeviceType == SmallerModel)
        enableControl(FrictionViewButton, false);
    const auto& f = data().SigSettings.Floats;
    m_Direction = RampTestRules::directionCode(f[0], f[1]);
    ResetPlotView();
    const bool both = checked(BidirectionalBox);
    for (const BoxChannels& row : BoxTable) {
        if (!row.versusCommand[0])
            continue;
        if (both || m_Direction == Opening)
            showChannel(s(row.versusCommand[0]), checked(row.box));
        if (both || m_Direction == Closing)
            showChannel(s(row.versusCommand[1]), checked(row.box));
    }
    showAxis(true, s("Command"), true);
    showAxis(false, s("Position"), true);
    showAxis(false, s("Pressure"), true);
}

void CRampTest::ShowFrictionThrustView()
{
    m_View = View::FrictionThrust;
    m_pPlot->SetTitle(QStringLiteral("Friction & Thrust Vs Position"));
    enableControl(FrictionViewButton, false);
    for (int id : { RampViewButton, PressureViewButton, SignalsViewButton })
        enableControl(id, true);
    for (const BoxChannels& row : BoxTable)
        enableControl(row.box, false);
    ResetPlotView();
    for (const char* name : { "Friction", "ThrustOpen", "ThrustClose" })
        showChannel(s(name), true);
    showAxis(true, s("Position"), true);
    showAxis(false, s("FrictionY"), true);
}

void CRampTest::OnChannelBoxClicked(int boxId)
{
    for (const BoxChannels& row : BoxTable) {
        if (row.box != boxId)
            continue;
        const bool on = checked(boxId);
        switch (m_View) {
        case View::Ramp:
            showChannel(s(row.ramp), on);
            break;
        case View::PressureVsPosition:
            for (const char* name : row.pressure)
                if (name)
                    showChannel(s(name), on);
            break;
        case View::SignalsVsCommand:
            for (const char* name : row.versusCommand)
                if (name)
                    showChannel(s(name), on);
            break;
        case View::FrictionThrust:
            break;
        }
    }
}

// ---------------------------------------------------------------------------
// Save, Load, Print

void CRampTest::putAxesBack()
{
    const double start = settingNumber(StartEdit);
    const double stop = settingNumber(StopEdit);
    const TimeBase base = timeBase(settingNumber(DurationEdit), settingNumber(HoldEdit), runBidirectional());
    const IPlotAxisPtr time = m_pPlot->XAxisByName(s("Time"));
    time->SetMin(0.0);
    time->SetSpan(base.totalTime);
    for (const char* name : { "Position", "Command" }) {
        const IPlotAxisPtr x = m_pPlot->XAxisByName(s(name));
        x->SetMin(0.0);
        x->SetSpan(100.0);
    }
    const int minimum = positionAxisMinimum(float(start), float(stop));
    const IPlotAxisPtr position = m_pPlot->YAxisByName(s("Position"));
    position->SetMin(minimum);
    position->SetSpan(110.0 - minimum);
    const IPlotAxisPtr pressure = m_pPlot->YAxisByName(s("Pressure"));
    pressure->SetMin(0.0);
    pressure->SetSpan(m_PressureSpan);
    const IPlotAxisPtr force = m_pPlot->YAxisByName(s("FrictionY"));
    force->SetMin(0.0);
    force->SetSpan(1000.0);
}

void CRampTest::SaveRampResults()
{
    CRampReport& record = context().records().m_RampReport;
    if (!m_Offline) {
        read(HartCommand::ReadTagDescriptorDate);
        const DeviceData& dd = data();
        record.m_strTag = AutoString(dd.Tag);
        record.m_nLengthUnit = dd.TravelUnit;
        record.m_nPressureUnit = dd.PressureUnit;
        record.m_bBiDirectional = runBidirectional() ? 1 : 0;
        record.m_bSingleActing = dd.Config28Bit5 ? 1 : 0;
        record.m_bPressureSensor = dd.PressureSensorFlag ? 1 : 0;
        record.m_bPressureData = record.m_bPressureSensor;
    }
    const std::pair<int, AutoString CRampReport::*> fields[] = {
        { StartEdit, &CRampReport::m_strStartPosition },
        { StopEdit, &CRampReport::m_strStopPosition },
        { HoldEdit, &CRampReport::m_strHoldTime },
        { DurationEdit, &CRampReport::m_strTestDuration },
        { StrokeLengthEdit, &CRampReport::m_strStrokeLength },
        { ActuatorSizeEdit, &CRampReport::m_strActuatorSize },
        { SpringInitialEdit, &CRampReport::m_strSpringInitial },
        { SpringFinalEdit, &CRampReport::m_strSpringFinal },
        { SpringRateEdit, &CRampReport::m_strSpringRate },
    };
    for (const auto& [edit, member] : fields)
        record.*member = AutoString(NumberText::format("%5.2f", settingNumber(edit)));
    record.SaveRamp(m_pPlot);
    putAxesBack();
}

void CRampTest::LoadRampResults()
{
    CRampReport& record = context().records().m_RampReport;
    if (!record.LoadRamp(m_pPlot))
        return;
    m_Offline = true;
    m_RunSettings.clear();
    const std::pair<int, AutoString CRampReport::*> fields[] = {
        { StartEdit, &CRampReport::m_strStartPosition },
        { StopEdit, &CRampReport::m_strStopPosition },
        { HoldEdit, &CRampReport::m_strHoldTime },
        { DurationEdit, &CRampReport::m_strTestDuration },
        { StrokeLengthEdit, &CRampReport::m_strStrokeLength },
        { ActuatorSizeEdit, &CRampReport::m_strActuatorSize },
        { ActuatorSizeUnit, &CRampReport::m_strActuatorSizeUnit },
        { StrokeLengthUnit, &CRampReport::m_strStrokeLengthUnit },
        { SpringInitialEdit, &CRampReport::m_strSpringInitial },
        { SpringFinalEdit, &CRampReport::m_strSpringFinal },
        { SpringRateEdit, &CRampReport::m_strSpringRate },
        { SpringInitialUnit, &CRampReport::m_strSpringPressureUnit },
        { SpringFinalUnit, &CRampReport::m_strSpringPressureUnit },
        { SpringRateUnit, &CRampReport::m_strSpringRateUnit },
    };
    for (const auto& [id, member] : fields)
        setWindowText(id, (record.*member).toQString());
    setChecked(BidirectionalBox, record.m_bBiDirectional != 0);
    ShowRampTestView(record.m_bSingleActing != 0);
    setWindowText(StatusEdit, QStringLiteral("Off line data"));
    setWindowText(ElapsedEdit, QString());
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(0);
}

void CRampTest::PrintRampReport()
{
    ReportRecords& records = context().records();
    const QString folder = context().helpers().GetAppFolder();
    DeviceData& dd = data();
    FillReportHeader(records.m_ReportHeader, dd, context().dispatch());
    CRampReport& record = records.m_RampReport;
    CReportHeader header = records.m_ReportHeader;
    if (!m_Offline) {
        record.m_bSingleActing = dd.Config28Bit5 ? 1 : 0;
        record.m_bPressureSensor = dd.PressureSensorFlag ? 1 : 0;
        record.m_bPressureData = record.m_bPressureSensor;
    } else {
        // A loaded result prints under the file's tag; the device data carries
        // it too until the next tag read.
        dd.Tag = record.m_strTag.toQString();
        header.m_strTag = record.m_strTag;
    }
    record.m_strStartPosition = AutoString(settingText(StartEdit));
    record.m_strStopPosition = AutoString(settingText(StopEdit));
    record.m_strHoldTime = AutoString(settingText(HoldEdit));
    record.m_strTestDuration = AutoString(settingText(DurationEdit));
    const bool bidirectional = runBidirectional();
    record.m_bBiDirectional = bidirectional ? 1 : 0;
    record.m_strSpringRateUnit = AutoString(windowText(SpringRateUnit));
    if (bidirectional) {
        record.m_strSpringRate = AutoString(windowText(SpringRateEdit));
        record.m_strSpringInitial = AutoString(windowText(SpringInitialEdit));
        record.m_strSpringFinal = AutoString(windowText(SpringFinalEdit));
        const QString unit = windowText(SpringInitialUnit);
        record.m_strSpringPressureUnit
            = AutoString(unit == QStringLiteral("Kg/cm²") ? QStringLiteral("Kg/sq.cm") : unit);
    } else {
        record.m_strSpringRate = AutoString(NoSpringValue);
        record.m_strSpringInitial = AutoString(NoSpringValue);
        record.m_strSpringFinal = AutoString(NoSpringValue);
        record.m_strSpringPressureUnit = AutoString(windowText(SpringInitialUnit));
    }
    record.m_strStrokeLength = AutoString(windowText(StrokeLengthEdit));
    record.m_strStrokeLengthUnit = AutoString(windowText(StrokeLengthUnit));
    record.m_strActuatorSize = AutoString(windowText(ActuatorSizeEdit));
    const QString areaUnit = windowText(ActuatorSizeUnit);
    if (areaUnit == QStringLiteral("cm²"))
        record.m_strActuatorSizeUnit = AutoString(QStringLiteral("sq.cm"));
    else if (areaUnit == QStringLiteral("in²"))
        record.m_strActuatorSizeUnit = AutoString(QStringLiteral("sq.in"));
    const QString definition = ReportDefinitionPath(folder, QStringLiteral("RampTestRept"), dd.DeviceType);
    GenerateRampReport(header, record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    ShowRampTestView(record.m_bSingleActing != 0);
}
