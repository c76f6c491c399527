#include "CRampTest.h"
#include "CRampTestTables.h"

#include "AppLog.h"
#include "CSigDataStorage.h"
#include "DeviceData.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "TestPageHandBack.h"

using namespace RampTestRules;
using namespace RampTestPage;

namespace
{
using SignalSample = DiagnosticTestPage::SignalSample;

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
    enableIdleButtons(false);
    for (int id : { StatusEdit, ElapsedEdit, SpringRateEdit, SpringInitialEdit, SpringFinalEdit })
        setWindowText(id, QString());
}

void CRampTest::StartRampTest()
{
    MultiTestRun& multi = context().multiTest();
    const std::optional<std::vector<double>> settings = settingsForRun(
        { SettingFields[0], SettingFields[1], SettingFields[2], SettingFields[3] }, QStringLiteral("ramp test"));
    if (!settings)
        return;
    if (!multi.m_bMultiTestRunning && !userAllowsMovement(context().MessageCaption()))
        return;
    setRampButtonsRunning();
    // Nothing of a run before goes on beside this one.
    killTimer(RetrievalTimerId);
    m_Result.ran(*this, { StartEdit, StopEdit, HoldEdit, DurationEdit }, data().DeviceType, deviceUnits());
    m_RunBidirectional = checked(BidirectionalBox);
    DeviceData& dd = data();
    m_Bidirectional = checked(BidirectionalBox);
    dd.RampBidirectional = m_Bidirectional ? 1 : 0;
    PrepareRampPlot();
    ShowRampTestView(viewFlag());
    m_pPlot->ClearAllData();
    context().sigData().Clear();
    m_TestRunning = true;
    m_Reverse = false;
    setProgress(0);
    const double start = (*settings)[0];
    const double stop = (*settings)[1];
    const double hold = (*settings)[2];
    const double duration = (*settings)[3];
    auto& f = dd.SigSettings.Floats;
    f[0] = float(start);
    f[1] = float(stop);
    f[2] = float(duration);
    f[3] = float(hold);
    dd.SigSettings.Word = 0;
    dd.SignatureType = RampSignatureType;
    write(HartCommand::SendSigStart);
    setWindowText(StatusEdit, QStringLiteral("Test started"));
    every(PollTimerId, StepMs, "PollRampStatus", [this] { pollRampStatus(); });
    countElapsedSeconds(StepMs);
    m_RunStart = f[0];
    m_RunStop = f[1];
    seedRampChannels(start);
    RefreshStrip();
}

namespace
{
// The channels of one sample in each direction, X as each row says.
enum class XOf { Position, Command };
struct DirectionRow {
    DirectionChannel names;
    XOf x;
    double SignalSample::*y;
};
const DirectionRow DirectionRows[] = {
    { { "PvPPort1", "PvPPort1_2" }, XOf::Position, &SignalSample::port1 },
    { { "PvPPort2", "PvPPort2_2" }, XOf::Position, &SignalSample::port2 },
    { { "PosnvCmdOpen", "PosnvCmdClose" }, XOf::Command, &SignalSample::position },
    { { "Port1vCmdOpen", "Port1vCmdClose" }, XOf::Command, &SignalSample::port1 },
    { { "Port2vCmdOpen", "Port2vCmdClose" }, XOf::Command, &SignalSample::port2 },
    { { "ILCmdvCmdOpen", "ILCmdvCmdClose" }, XOf::Command, &SignalSample::relayCommand },
    { { "ILPosnvCmdOpen", "ILPosnvCmdClose" }, XOf::Command, &SignalSample::relayPosition },
};
} // namespace

void CRampTest::plotSample(double t, const SignalSample& sample)
{
    plotAgainstTime(t, sample);
    const bool opening = m_Direction == Opening;
    for (const DirectionRow& row : DirectionRows) {
        const double x = row.x == XOf::Position ? sample.position : sample.command;
        addPoint(opening ? row.names.opening : row.names.closing, x, sample.*row.y);
    }
}

void CRampTest::seedRampChannels(double start)
{
    plotSample(0.0, startSampleOfFullScale(start, m_PressureSpan));
    m_SampleIndex = 1;
    setProgress(0);
}

void CRampTest::pollRampStatus()
{
    if (!endedTestStatus(StatusEdit, QStringLiteral("Signature in progress")))
        return;
    killTimer(PollTimerId);
    // The device has left its signature mode: the strip says so now, not at
    // its next period while the signature is read.
    RefreshStrip();
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
    completeRampRun();
}

void CRampTest::readRampSignatureBlock()
{
    const int block = m_SampleIndex + (m_Reverse ? SamplesPerDirection : 0);
    const std::optional<SignatureBlock> samples = readSignatureBlock();
    context().log().WriteLog(QStringLiteral("Retrieving signature  ") + QString::number(block));
    setWindowText(StatusEdit, QStringLiteral("Retrieving signature"));
    takeSamples(samples, QStringLiteral("CRampTest ReadRampSignatureBlock"), block,
        [this](int sample, const SignatureWords& words) {
            const SignalSample values = scaledOfFullScale(words, m_PressureSpan);
            plotSample(sample * m_Base.sampleInterval, values);
            // Nothing reads the rows back; their values are kept at zero.
            int status = 0;
            if (m_Direction == Opening)
                context().sigData().AddOpenDataRow(values.position, 0.0, 0.0, status);
            else
                context().sigData().AddCloseDataRow(values.position, 0.0, 0.0, status);
        });
    m_SampleIndex += 2;
    setProgress(block);
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
    m_TestRunning = true;
    m_SampleIndex = 0;
    every(PollTimerId, StepMs, "PollRampStatus", [this] { pollRampStatus(); });
    // The valve ramps back under the signature mode again, as the strip shows.
    RefreshStrip();
}

void CRampTest::restoreRampSettings()
{
    if (data().RampBidirectional != 1)
        return;
    endRampOnDevice();
}

void CRampTest::endRampOnDevice()
{
    // The run's own ends go with the stop: after a reverse ramp swapped them,
    // the device keeps the forward ones for the next settings read.
    DeviceData& dd = data();
    dd.SigSettings.Floats[0] = m_RunStart;
    dd.SigSettings.Floats[1] = m_RunStop;
    dd.SigSettings.Word = 0;
    sendSignatureStop();
}

void CRampTest::completeRampRun()
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
    } else {
        // One way finds no spring: the fields show it as its file and its
        // report do.
        for (int id : { SpringRateEdit, SpringInitialEdit, SpringFinalEdit })
            setWindowText(id, NoSpringValue);
    }
    log.WriteLog(QStringLiteral("signature is completed"));
    killTimer(ElapsedTimerId);
    // The whole signature is read: the bar stays full beside the elapsed
    // time the run took.
    setProgress(m_Base.lastProgress);
    completeRun(QStringLiteral("Test completed"));
}

void CRampTest::StopRampTest()
{
    stopRampRun(UserStop::StopButton);
}

void CRampTest::stopRampRun(UserStop how)
{
    // The device ends its ramp, so the valve follows its command again; the
    // signature is not read. The elapsed time counts once more and then ends
    // itself.
    for (int id : { RetrievalTimerId, PollTimerId, StripTimerId })
        killTimer(id);
    endRampOnDevice();
    // The strip shows the device out of its signature mode at once, not one
    // strip period later; the page stays shown after its Stop, so its strip
    // goes on from there.
    RefreshStrip();
    if (how == UserStop::StopButton)
        armStripTimer(RefreshMs);
    stopRun(how);
}
