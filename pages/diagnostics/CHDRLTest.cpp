#include "CHDRLTest.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "HDRLTestRules.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"
#include "TestPageHandBack.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "hdrl/HDRLAnalysis.h"
#include "hdrl/HDRLTestChannels.h"
#include "hdrl/HDRLTestReport.h"
#include "ui/Prompts.h"
#include "ui/TimerService.h"

#include <QPointer>
#include <QProgressBar>

namespace
{
using namespace HDRLTestRules;

const QString CalculationFailure = QStringLiteral("CLIPWELL encountered a problem in HDRL calculations");
constexpr int LastPoint = HDRLTestChannels::StepCount - 1;

struct ViewRow {
    int button;
    HDRLTestChannels::View view;
    const char* title;
};
constexpr ViewRow Views[] = {
    { CHDRLTest::ControlSignalButton, HDRLTestChannels::View::ControlSignal, "Position Vs Time" },
    { CHDRLTest::HDRButton, HDRLTestChannels::View::HDR, "Position Error Vs Position" },
    { CHDRLTest::LinearityButton, HDRLTestChannels::View::Linearity, "Position Error Vs Command" },
};
} // namespace

CHDRLTest::CHDRLTest(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CHDRLTest"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CHDRLTest::OnInitialUpdate()
{
    context().log().WriteLog(QStringLiteral("CHDRLTest enter"));
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CreateTestPageControl(this, imports.CreatePlotControl, PlotHost, PlotId, m_pPlot, ControlWindow::Added);
    if (m_pPlot)
        guard("OnInitialUpdate", [this] { setUpPlot(m_pPlot); });
    CreateTestPageControl(this, imports.CreateReportControl, ReportHost, ReportId, m_pReport, ControlWindow::Hidden);
    CreateTestPageControl(this, imports.CreatePrintControl, PrinterHost, PrinterId, m_pPrinter, ControlWindow::Hidden);
    connectHandlers();
    if (m_pPlot)
        guard("OnControlSignalView", [this] { OnControlSignalView(); });
    setWindowText(HysDeadAverageEdit, QStringLiteral("0.0"));
    setWindowText(HysDeadMaximumEdit, QStringLiteral("0"));
    setWindowText(RepeatAverageEdit, QStringLiteral("0.0"));
    setWindowText(RepeatMaximumEdit, QStringLiteral("0"));
    setWindowText(LinearityEdit, QStringLiteral("0.0"));
    setWindowText(SettlingEdit, QStringLiteral("6"));
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setRange(0, 100);
    if (m_pPlot)
        guard("OnInitialUpdate", [this] { setTimeAxis(settling()); });
    enableControl(StopButton, false);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    registerWithMultiTest();
    context().log().WriteLog(QStringLiteral("CHDRLTest exit"));
}

void CHDRLTest::connectHandlers()
{
    onTextChanged(SettlingEdit, "OnSettlingTimeChange", [this] { OnSettlingTimeChange(); });
    onClicked(ControlSignalButton, "OnControlSignalView", [this] { OnControlSignalView(); });
    onClicked(HDRButton, "OnHDRView", [this] { OnHDRView(); });
    onClicked(LinearityButton, "OnLinearityView", [this] { OnLinearityView(); });
    onClicked(LoadButton, "OnLoad", [this] { OnLoad(); });
    onClicked(SaveButton, "OnSave", [this] { OnSave(); });
    onClicked(StartButton, "OnStart", [this] { OnStart(); });
    onClicked(StopButton, "OnStop", [this] { OnStop(); });
    onClicked(CompareButton, "OnCompare", [this] { OnCompare(); });
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });
}

void CHDRLTest::registerWithMultiTest()
{
    MultiTestPage hand;
    hand.Save = [this] { guard("OnSave", [this] { OnSave(); }); };
    hand.plot = [this] { return m_pPlot; };
    hand.ResetView = [this] { guard("OnControlSignalView", [this] { OnControlSignalView(); }); };
    // The HDRL section of the multi-test report: the settling time and the five results.
    hand.reportTexts = [this] {
        return QStringList { settlingText(), windowText(HysDeadAverageEdit), windowText(HysDeadMaximumEdit),
            windowText(RepeatAverageEdit), windowText(RepeatMaximumEdit), windowText(LinearityEdit) };
    };
    hand.resultDevice = [this] {
        MultiTestResultDevice device;
        device.model = m_Result.model(data().DeviceType);
        if (m_Result.fromFile())
            device.fileTag = m_Result.fileTag();
        device.singleActing = data().Config28Bit5 != 0;
        device.pressureSensor = data().PressureSensorFlag != 0;
        return device;
    };
    hand.resultDate = [this] { return m_Result.date(); };
    hand.MakeScratchPlot = [this](QWidget* owner) {
        return CreateScratchPlot<IPlotPtr>(owner, context().imports().CreatePlotControl, this, PlotHost, PlotId,
            [this](const IPlotPtr& plot) { setUpPlot(plot); });
    };
    MultiTestRun& multi = context().multiTest();
    multi.registerPage(MultiTest::HDRL, std::move(hand));
    multi.SetHDRLSettlingTime = [this](const QString& text) { setWindowText(SettlingEdit, text); };
}

void CHDRLTest::setUpPlot(const IPlotPtr& plot)
{
    const TellboxImports& imports = context().imports();
    if (imports.ConfigureHDRLPlotControl)
        imports.ConfigureHDRLPlotControl(plot);
    context().records().m_HDRLReport.SetupHDRLPlotChannels(plot);
}

// ---------------------------------------------------------------------------
// Page contract

void CHDRLTest::ActivatePage()
{
    StripPage::ActivatePage();
    enableIdleButtons(true);
    enableControl(StopButton, false);
    // The progress, start and elapsed time stay beside the run shown, as it
    // ended or was stopped; a file carries none of them.
    if (!m_Result.fromRun())
        clearRunTimes();
    if (m_pPlot)
        OnControlSignalView();
    MultiTestRun& multi = context().multiTest();
    if (multi.m_bMultiTestRunning) {
        OnStart();
        return;
    }
    ShowHeldSettings(*this, m_Result, multi.heldSettings(MultiTest::HDRL), { SettlingEdit });
}

void CHDRLTest::StopTimers()
{
    StripPage::StopTimers();
    for (int id : { ElapsedTimerId, StripTimerId, SettlingTimerId })
        killTimer(id);
    // Leaving the page mid-run puts the valve back under its previous mode
    // and command, as Stop does, rather than parking it at a test point.
    if (m_Running)
        guard("OnStop", [this] { stopRun(UserStop::LeavingPage); });
}

float CHDRLTest::settling() const
{
    return float(WindowNumber(control(SettlingEdit)).value_or(0.0));
}

std::optional<double> CHDRLTest::settlingForRun() const
{
    return WindowNumberIn(control(SettlingEdit), SettlingRange);
}

bool CHDRLTest::settlingValid() const
{
    return settlingForRun().has_value();
}

QString CHDRLTest::settlingText() const
{
    return m_Result.text(*this, SettlingEdit);
}

float CHDRLTest::shownSettling() const
{
    return float(m_Result.number(*this, SettlingEdit));
}

// ---------------------------------------------------------------------------
// Settling time

void CHDRLTest::OnSettlingTimeChange()
{
    const bool valid
        = ValidityMark::checkField(this, SettlingEdit, SettlingMark, SettlingRange, SettlingTip).has_value();
    // No new run can start while one is on.
    enableControl(StartButton, valid && !m_Running);
}

// ---------------------------------------------------------------------------
// Views

void CHDRLTest::showView(int button)
{
    for (const ViewRow& row : Views) {
        if (row.button == button)
            HDRLTestChannels::ShowView(m_pPlot, row.view, QString::fromLatin1(row.title));
        enableControl(row.button, row.button != button);
    }
}

void CHDRLTest::OnControlSignalView()
{
    showView(ControlSignalButton);
}

void CHDRLTest::OnHDRView()
{
    showView(HDRButton);
}

void CHDRLTest::OnLinearityView()
{
    showView(LinearityButton);
}

void CHDRLTest::setProgress(int value)
{
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(value);
}

void CHDRLTest::clearRunTimes()
{
    setProgress(0);
    setWindowText(StartTimeEdit, QString());
    setWindowText(ElapsedEdit, QString());
}

void CHDRLTest::setTimeAxis(float seconds)
{
    const IPlotAxisPtr time = m_pPlot->XAxisByName(HDRLTestChannels::TimeAxis);
    time->SetMin(0.0);
    time->SetStartValue(0.0);
    time->SetSpan(double(seconds) * 24.0);
}

// ---------------------------------------------------------------------------
// The run

void CHDRLTest::OnStart()
{
    const std::optional<double> seconds
        = ValidityMark::checkField(this, SettlingEdit, SettlingMark, SettlingRange, SettlingTip);
    if (!seconds) {
        context().log().WriteLog(QStringLiteral("CHDRLTest HDRL test not started: \"%1\" is not one of the %2")
                                     .arg(windowText(SettlingEdit), SettlingRange.describe()));
        enableControl(StartButton, false);
        return;
    }
    if (!context().multiTest().m_bMultiTestRunning && !userAllowsMovement(context().MessageCaption()))
        return;
    m_Result.ran(*this, { SettlingEdit }, data().DeviceType);
    PrepareRun(float(*seconds));
    m_pPlot->ClearAllData();
    setProgress(0);
    m_ElapsedSeconds = 0;
    m_PointIndex = 0;
    m_PositionReadings.fill(0.0f);
    DeviceData& dd = data();
    read(HartCommand::ReadStatus);
    m_SavedControlMode = dd.ControlMode;
    m_SavedCommandWord = dd.DigitalCommand;
    dd.ControlMode = DigitalMode;
    dd.DigitalCommand = commandWord(HDRLTestChannels::CommandPoints[0]);
    write(HartCommand::WriteStatus);
    m_Running = true;
    m_SettlingMs = HDRLTestRules::settlingMs(float(*seconds));
    once(SettlingTimerId, int(std::min<uint32_t>(m_SettlingMs, uint32_t(INT32_MAX))), "TakeStepReading",
        [this] { TakeStepReading(); });
    every(ElapsedTimerId, ElapsedMs, "OnTimer", [this] { onElapsed(); });
    RefreshStrip();
}

void CHDRLTest::PrepareRun(float seconds)
{
    enableIdleButtons(false);
    enableControl(StopButton, true);
    for (int id :
        { HysDeadAverageEdit, HysDeadMaximumEdit, RepeatAverageEdit, RepeatMaximumEdit, LinearityEdit, ElapsedEdit })
        setWindowText(id, QString());
    m_StartTime = TimerService::instance().localNow();
    setWindowText(StartTimeEdit, startTimeText(m_StartTime.time()));
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setRange(0, progressMaximum(seconds));
    setTimeAxis(seconds);
}

void CHDRLTest::onElapsed()
{
    ++m_ElapsedSeconds;
    setWindowText(ElapsedEdit, QString::number(m_ElapsedSeconds));
}

void CHDRLTest::TakeStepReading()
{
    DeviceData& dd = data();
    const int i = int(m_PointIndex);
    if (!read(HartCommand::ReadStatus)) {
        // The analysis needs every point: the last position known stands in.
        context().log().WriteLog(
            QStringLiteral("CHDRLTest TakeStepReading: status not read at point %1, previous position repeated")
                .arg(i));
    }
    m_PositionReadings[size_t(i)] = percentOf(dd.Position);
    setProgress(progressAt(shownSettling(), i));
    if (i < LastPoint) {
        dd.ControlMode = DigitalMode;
        m_PointIndex = uint32_t(i + 1);
        dd.DigitalCommand = commandWord(HDRLTestChannels::CommandPoints[size_t(i + 1)]);
        write(HartCommand::WriteStatus);
        once(SettlingTimerId, int(std::min<uint32_t>(m_SettlingMs, uint32_t(INT32_MAX))), "TakeStepReading",
            [this] { TakeStepReading(); });
        return;
    }
    m_Running = false;
    enableIdleButtons(true);
    enableControl(StopButton, false);
    killTimer(ElapsedTimerId);
    m_PointIndex = 0;
    PlotReadings();
    CalculateResults();
    restoreDevice();
    if (context().multiTest().m_bMultiTestRunning)
        HandBackToMultiTest(
            context(), &MultiTestRun::m_bHDRLDone, QStringLiteral("HDRL test completed"), DiagnosticCode);
}

void CHDRLTest::PlotReadings()
{
    const float seconds = shownSettling();
    const auto add = [this](const char* name, double x, double y) {
        GetDispatchDriverIPlotXChannelByName(m_pPlot, AutoString(name))->AddXY(x, y);
    };
    for (int k = 0; k <= LastPoint; ++k) {
        const double t = double(seconds) * k;
        const double c = HDRLTestChannels::CommandPoints[size_t(k)];
        const double p = m_PositionReadings[size_t(k)];
        if (k > 0) {
            add("Position", t, m_PositionReadings[size_t(k - 1)]);
            add("Command", t, HDRLTestChannels::CommandPoints[size_t(k - 1)]);
        }
        add("Position", t, p);
        add("Command", t, c);
        if (const char* cycle = HDRLTestChannels::CycleChannelOf(k))
            add(cycle, c, c - p);
    }
}

void CHDRLTest::CalculateResults()
{
    try {
        CalculateRepeatError(m_pPlot, 0, 0, &m_RepeatAverage, &m_RepeatMaximum, 1);
        setWindowText(RepeatAverageEdit, NumberText::format("%1.2f", m_RepeatAverage));
        setWindowText(RepeatMaximumEdit, NumberText::format("%1.2f", m_RepeatMaximum));
        CalculateAverageError(m_pPlot);
        CalculateSum(m_pPlot, 0, 0, &m_LinearityError, 1);
        setWindowText(LinearityEdit, NumberText::format("%1.4f", m_LinearityError));
        CalculateHD_Error(m_pPlot, 0, 0, &m_HDAverage, &m_HDMaximum, 1);
        setWindowText(HysDeadAverageEdit, NumberText::format("%1.2f", m_HDAverage));
        setWindowText(HysDeadMaximumEdit, NumberText::format("%1.2f", m_HDMaximum));
    } catch (...) {
        Prompts::show(CalculationFailure, context().MessageCaption(), Prompts::Buttons::Ok, Prompts::Icon::None, this);
    }
}

void CHDRLTest::restoreDevice()
{
    DeviceData& dd = data();
    dd.ControlMode = m_SavedControlMode;
    dd.DigitalCommand = m_SavedCommandWord;
    write(HartCommand::WriteStatus);
    // The strip shows the device back in its own control mode at once, not
    // one strip period later, whether the run was stopped or ended by itself.
    RefreshStrip();
}

void CHDRLTest::OnStop()
{
    stopRun(UserStop::StopButton);
}

void CHDRLTest::stopRun(UserStop how)
{
    killTimer(SettlingTimerId);
    killTimer(ElapsedTimerId);
    m_Running = false;
    enableControl(StopButton, false);
    enableIdleButtons(true);
    restoreDevice();
    if (context().multiTest().m_bMultiTestRunning)
        EndMultiTestStoppedByUser(
            context(), &MultiTestRun::m_bHDRLDone, QStringLiteral("HDRL test stopped"), DiagnosticCode, how);
}

void CHDRLTest::enableIdleButtons(bool enable)
{
    for (int id : { LoadButton, SaveButton, CompareButton, PrintButton })
        enableControl(id, enable);
    // Start also waits for a valid settling time.
    enableControl(StartButton, enable && settlingValid());
}

void CHDRLTest::OnCompare()
{
    context().SelectPageCode(CompareCode);
}

// ---------------------------------------------------------------------------
// Save, Load, Print

void CHDRLTest::OnSave()
{
    CHDRLReport& record = context().records().m_HDRLReport;
    record.m_strPosSettlingTime = AutoString(settlingText());
    // The file keeps the day the result was recorded, however much later it is saved.
    record.m_strTestDate = AutoString(m_Result.date());
    // A loaded result is saved again under its own tag.
    if (!m_Result.fromFile()) {
        read(HartCommand::ReadTagDescriptorDate);
        record.m_strTag = AutoString(data().Tag);
    }
    ResultModelChannel::write(m_pPlot, m_Result.modelToSave(data().DeviceType));
    record.SaveHDRL(m_pPlot);
}

void CHDRLTest::OnLoad()
{
    CHDRLReport& record = context().records().m_HDRLReport;
    if (!record.LoadHDRL(m_pPlot))
        return;
    const auto shown = [](const AutoString& text, const char* format) {
        return NumberText::format(format, NumberText::toDouble(text.toQString()));
    };
    setWindowText(HysDeadAverageEdit, shown(record.m_strHysDeadAverage, "%1.2f"));
    setWindowText(HysDeadMaximumEdit, shown(record.m_strHysDeadMaximum, "%1.2f"));
    setWindowText(RepeatAverageEdit, shown(record.m_strRepeatAverage, "%1.2f"));
    setWindowText(RepeatMaximumEdit, shown(record.m_strRepeatMaximum, "%1.2f"));
    setWindowText(LinearityEdit, shown(record.m_strLinearError, "%1.4f"));
    setWindowText(SettlingEdit, record.m_strPosSettlingTime.toQString());
    m_Result.loaded(*this, { SettlingEdit }, ResultModelChannel::read(m_pPlot), record.m_strTag.toQString(),
        record.m_strTestDate.toQString());
    clearRunTimes();
    OnControlSignalView();
}

void CHDRLTest::OnPrintReport()
{
    ReportRecords& records = context().records();
    const QString folder = context().helpers().GetAppFolder();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    CHDRLReport& record = records.m_HDRLReport;
    record.m_strHysDeadAverage = AutoString(windowText(HysDeadAverageEdit));
    record.m_strHysDeadMaximum = AutoString(windowText(HysDeadMaximumEdit));
    record.m_strRepeatAverage = AutoString(windowText(RepeatAverageEdit));
    record.m_strRepeatMaximum = AutoString(windowText(RepeatMaximumEdit));
    record.m_strLinearError = AutoString(windowText(LinearityEdit));
    record.m_strPosSettlingTime = AutoString(settlingText());
    record.m_strTestDate = AutoString(m_Result.date());
    // A loaded result prints under the file's tag and model.
    const CReportHeader header = ShownResultHeader(m_Result, records.m_ReportHeader, data().DeviceType);
    const QString definition
        = ReportDefinitionPath(folder, QStringLiteral("HDRLTestRept"), m_Result.model(data().DeviceType));
    GenerateHDRLTestReport(header, record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    OnControlSignalView();
}
