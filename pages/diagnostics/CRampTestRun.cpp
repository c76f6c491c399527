#include "CRampTest.h"
#include "CRampTestTables.h"

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

using namespace RampTestRules;
using namespace RampTestPage;

namespace
{
// One sample of the six signals.
struct Sample {
    double command = 0.0;
    double position = 0.0;
    double relayCommand = 0.0;
    double relayPosition = 0.0;
    double port1 = 0.0;
    double port2 = 0.0;
};

// The channels that take one sample in each direction: opening, closing.
struct DirectionChannel {
    const char* opening;
    const char* closing;
};
} // namespace

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
    if (!endedTestStatus(StatusEdit, QStringLiteral("Signature in progress")))
        return;
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
