#include "CCalibrationAnalogInSteps.h"

#include "CCalibrationStorage.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "ValidityMark.h"

#include "core/Tellbox.h"
#include "ui/TimerService.h"

using namespace AnalogInputWizardRules;

// ---------------------------------------------------------------------------
// Step 1

CCalibrationAnalogIn1::CCalibrationAnalogIn1(PageContext& context, QWidget* parent)
    : AnalogInputWizardPage(context, QStringLiteral("CCalibrationAnalogIn1"), DialogId, WizardPage::Step1, Controls,
        Template, ToolTips, StripTimer::None, parent)
{
}

void CCalibrationAnalogIn1::OnInitialUpdate()
{
    AnalogInputWizardPage::OnInitialUpdate();
    enableControl(NextButton, false);
    onClicked(PreviousButton, "OnPrevious", [this] { OnPrevious(); });
    onClicked(NextButton, "OnNext", [this] { OnNext(); });
    setPageToolTips();
}

void CCalibrationAnalogIn1::ActivatePage()
{
    EvaluateStrip();
    // The date shown here is the one the final step sends and prints.
    const QString today = dateText(context().timers().localNow().date());
    setWindowText(TodayEdit, today);
    storage().m_strTodayDate = today;
    read(HartCommand::ReadCalLoop);
    setWindowText(LastDateEdit, lastCalibrationDate(data().LoopCalText));
    setWindowText(LastByEdit, shownInitials(data().LoopCalText));
    read(HartCommand::ReadStatus);
    storage().m_dStartPercent = commandPercent(data().Command);
    enableControl(NextButton, true);
    ShowLoopCalFlags();
    ShowLoopCalState();
    armLiveValues(LiveTimerId, LiveMs, FirstLiveMs);
}

void CCalibrationAnalogIn1::OnPrevious()
{
    goToStep(0);
}

void CCalibrationAnalogIn1::OnNext()
{
    writeLoopCode(NextCode);
    goToStep(2);
}

// ---------------------------------------------------------------------------
// Steps 2 to 4

AnalogInputAcceptStep::AnalogInputAcceptStep(PageContext& context, const QString& className, int dialogId,
    const Monitor& monitor, const Setup& setup, const PageTemplate& pageTemplate, const ToolTipTable& toolTips,
    QWidget* parent)
    : AnalogInputWizardPage(context, className, dialogId, WizardPage(int(WizardPage::Start) + setup.step), monitor,
        pageTemplate, toolTips, StripTimer::None, parent)
    , m_setup(setup)
{
}

void AnalogInputAcceptStep::OnInitialUpdate()
{
    AnalogInputWizardPage::OnInitialUpdate();
    onClicked(m_setup.acceptButton, "OnAccept", [this] { OnAccept(); });
    onClicked(m_setup.previousButton, "OnPrevious", [this] { OnPrevious(); });
    onClicked(m_setup.nextButton, "OnNext", [this] { OnNext(); });
    setPageToolTips();
}

void AnalogInputAcceptStep::armLiveTimer(int firstMs)
{
    armLiveValues(m_setup.liveTimerId, m_setup.liveMs, firstMs, LiveFlags::EveryTick);
}

void AnalogInputAcceptStep::armStateTimer()
{
    // Each state read re-arms the first timer too; with the first timer's
    // delay longer than this period, the live values rest after Accept.
    every(m_setup.stateTimerId, StateMs, "OnTimer", [this] {
        killTimer(m_setup.liveTimerId);
        killTimer(m_setup.stateTimerId);
        ShowLoopCalState();
        armLiveTimer(m_setup.liveAfterStateMs);
        armStateTimer();
    });
}

void AnalogInputAcceptStep::acceptWithCodes(std::initializer_list<uint8_t> codes)
{
    enableControl(m_setup.acceptButton, false);
    // The state shown after each code is the one the code sets, not read back.
    m_bSkipStateRead = true;
    for (const uint8_t code : codes) {
        writeLoopCode(code);
        ShowLoopCalState();
    }
    enableControl(m_setup.nextButton, true);
    m_bSkipStateRead = false;
    armStateTimer();
}

void AnalogInputAcceptStep::OnPrevious()
{
    writeLoopCode(m_setup.previousCode);
    stopPageTimers();
    if (m_setup.step == 2)
        storage().m_bFourMilliampSet = false;
    else
        storage().ResetFlags();
    goToStep(m_setup.step - 1);
}

void AnalogInputAcceptStep::OnNext()
{
    goToStep(m_setup.step + 1);
}

// Step 2

CCalibrationAnalogIn2::CCalibrationAnalogIn2(PageContext& context, QWidget* parent)
    : AnalogInputAcceptStep(
        context, QStringLiteral("CCalibrationAnalogIn2"), DialogId, Controls, Steps, Template, ToolTips, parent)
{
}

void CCalibrationAnalogIn2::ActivatePage()
{
    EvaluateStrip();
    enableControl(NextButton, false);
    ShowLiveValues();
    enableControl(AcceptButton, true);
    ShowLoopCalFlags();
    ShowLoopCalState();
    armLiveTimer(FirstLiveMs);
}

void CCalibrationAnalogIn2::OnAccept()
{
    storage().m_bFourMilliampSet = true;
    acceptWithCodes({ ReferenceCode, ReferenceSetCode });
}

// Step 3

CCalibrationAnalogIn3::CCalibrationAnalogIn3(PageContext& context, QWidget* parent)
    : AnalogInputAcceptStep(
        context, QStringLiteral("CCalibrationAnalogIn3"), DialogId, Controls, Steps, Template, ToolTips, parent)
{
}

void CCalibrationAnalogIn3::ActivatePage()
{
    EvaluateStrip();
    enableControl(NextButton, false);
    enableControl(AcceptButton, false);
    ShowLoopCalState();
    storage().m_bFourMilliampSet = false;
    enableControl(AcceptButton, true);
    ShowLoopCalFlags();
    armLiveTimer(FirstLiveMs);
}

void CCalibrationAnalogIn3::OnAccept()
{
    acceptWithCodes({ AcceptCode });
}

// Step 4

CCalibrationAnalogIn4::CCalibrationAnalogIn4(PageContext& context, QWidget* parent)
    : AnalogInputAcceptStep(
        context, QStringLiteral("CCalibrationAnalogIn4"), DialogId, Controls, Steps, Template, ToolTips, parent)
{
}

void CCalibrationAnalogIn4::ActivatePage()
{
    EvaluateStrip();
    storage().m_bKeepState12Text = false;
    ShowLiveValues();
    enableControl(NextButton, false);
    enableControl(AcceptButton, false);
    ShowLoopCalState();
    ShowLoopCalFlags();
    enableControl(AcceptButton, true);
    armLiveTimer(FirstLiveMs);
}

void CCalibrationAnalogIn4::OnAccept()
{
    acceptWithCodes({ AcceptCode });
}

// ---------------------------------------------------------------------------
// Step 5

CCalibrationAnalogIn5::CCalibrationAnalogIn5(PageContext& context, QWidget* parent)
    : AnalogInputWizardPage(context, QStringLiteral("CCalibrationAnalogIn5"), DialogId, WizardPage::Step5, Controls,
        Template, ToolTips, StripTimer::Slow, parent)
{
}

void CCalibrationAnalogIn5::OnInitialUpdate()
{
    AnalogInputWizardPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    if (imports.CreateReportControl)
        m_pReport = imports.CreateReportControl(this, m_reportWindow, controlScreenRect(ReportHost), ReportId);
    if (imports.CreatePrintControl)
        m_pPrinter = imports.CreatePrintControl(this, m_printerWindow, controlScreenRect(PrinterHost), PrinterId);
    onClicked(PreviousButton, "OnPrevious", [this] { OnPrevious(); });
    onClicked(BackButton, "OnBack", [this] { OnBack(); });
    onClicked(FinishButton, "OnFinish", [this] { OnFinish(); });
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });
    onTextChanged(InitialsEdit, "OnChangeNewCalibrationBy", [this] { OnChangeNewCalibrationBy(); });
    setPageToolTips();
}

void CCalibrationAnalogIn5::ActivatePage()
{
    // The strip from the last known status and timer 100, first after 20000 ms.
    StripPage::ActivatePage();
    ShowLiveValues();
    m_strToday = storage().m_strTodayDate;
    read(HartCommand::ReadCalLoop);
    setWindowText(InitialsEdit, shownInitials(data().LoopCalText));
    ValidityMark::show(this, InitialsMark, true, QString());
    enableControl(FinishButton, false);
    setWindowText(StartPercentEdit, percentText(storage().m_dStartPercent));
    ShowLoopCalState();
    showFlagsAndRecord();
    read(HartCommand::ReadStatus);
    setWindowText(ActualPercentEdit, percentText(commandPercent(data().Command)));
    enableControl(PrintButton, true);
    // Finish is offered only with initials it would take; without them the
    // mark says what is missing.
    OnChangeNewCalibrationBy();
}

std::optional<uint8_t> CCalibrationAnalogIn5::showFlagsAndRecord()
{
    const std::optional<uint8_t> byte8 = ShowLoopCalFlags();
    if (!byte8)
        return std::nullopt;
    CAICalibReport& record = context().records().m_AICalibReport;
    record.m_b0SignalOut = (*byte8 & FlagMasks[0]) ? 1 : 0;
    record.m_b100SignalOut = (*byte8 & FlagMasks[1]) ? 1 : 0;
    record.m_bCommSmall = (*byte8 & FlagMasks[2]) ? 1 : 0;
    return byte8;
}

void CCalibrationAnalogIn5::OnPrevious()
{
    writeLoopCode(PreviousCode);
    stopPageTimers();
    storage().m_bKeepState12Text = false;
    goToStep(4);
}

void CCalibrationAnalogIn5::OnBack()
{
    goToStep(0);
}

void CCalibrationAnalogIn5::OnChangeNewCalibrationBy()
{
    const bool acceptable = initialsAcceptable(windowText(InitialsEdit));
    ValidityMark::show(this, InitialsMark, acceptable, InitialsTip);
    enableControl(FinishButton, acceptable);
}

void CCalibrationAnalogIn5::OnFinish()
{
    // A Finish the initials refuse is refused before anything of the step
    // changes: the state byte stays as the device gave it, and the mark says
    // why. Previous and Back stay on.
    const QString initials = windowText(InitialsEdit);
    if (!initialsAcceptable(initials)) {
        ValidityMark::show(this, InitialsMark, false, InitialsTip);
        return;
    }
    ValidityMark::show(this, InitialsMark, true, InitialsTip);
    const uint8_t stateBefore = data().CalState;
    data().CalState = FinishCode;
    data().LoopCalText = loopCalText(m_strToday, initials);
    const bool answered = writeFinishCode();
    // What the device made of the Finish: a range it finds too small raises
    // its flag, and it keeps the zero and span it had.
    const std::optional<uint8_t> byte8 = showFlagsAndRecord();
    const LoopPass pass = finishOutcome(answered, byte8);
    setLoopPass(pass);
    switch (pass) {
    case LoopPass::Completed:
        m_bSkipStateRead = true;
        ShowLoopCalState();
        m_bSkipStateRead = false;
        break;
    case LoopPass::RangeTooSmall:
    case LoopPass::NotConfirmed:
        // Neither the final code's "Saving final values..." nor a state read
        // now: the indicator says what is known of this Finish.
        if (const INumEditPtr& indicator = stateIndicator()) {
            const StateDisplay shown
                = pass == LoopPass::RangeTooSmall ? refusedRangeDisplay() : unconfirmedFinishDisplay();
            indicator->setValue(shown.text);
            indicator->setColor(shown.colour);
        }
        break;
    case LoopPass::NotFinished:
        // Not taken: the state is the one the device still reports, not
        // the final code's.
        data().CalState = stateBefore;
        ShowLoopCalState();
        break;
    }
    enableControl(PrintButton, true);
    RefreshStrip();
}

void CCalibrationAnalogIn5::OnPrintReport()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    CAICalibReport& record = records.m_AICalibReport;
    record.m_strLastCalDate = AutoString(storage().m_strTodayDate);
    record.m_strNewCalBy = AutoString(windowText(InitialsEdit));
    // The state of this pass, and the device's counts: new ones only after
    // a completed pass, otherwise the ones it still holds, named as such.
    const LoopPass pass = storage().m_loopPass;
    record.m_strState = AutoString(passStateText(pass));
    // A count the device does not answer now is printed as the one it last
    // reported, or as none, never as a fresh one.
    MiscAccessors& misc = context().misc();
    const auto reading = [&misc](bool answered, uint8_t address) {
        if (answered)
            return CountReading::Answered;
        return misc.HasReportedWord(address) ? CountReading::LastReported : CountReading::NoReply;
    };
    bool ok = false;
    const uint16_t now = misc.ReadMiscWord58(&ok);
    record.m_strAD4mA = AutoString(liveCountText(now, reading(ok, 0x58)));
    const uint16_t shownZero = misc.ReadMiscWord55(&ok);
    record.m_strAD0 = AutoString(reportCountText(shownZero, pass, reading(ok, 0x55)));
    const uint16_t zero = misc.ReadMiscWord55(&ok);
    const CountReading zeroReading = reading(ok, 0x55);
    const uint16_t shownFull = misc.ReadMiscWord56(&ok);
    record.m_strAD100 = AutoString(reportCountText(shownFull, pass, reading(ok, 0x56)));
    const uint16_t full = misc.ReadMiscWord56(&ok);
    const CountReading rangeReading = combinedReading(zeroReading, reading(ok, 0x56));
    record.m_strADRange = AutoString(reportCountText(adRange(zero, full), pass, rangeReading));
    const QString definition = ReportDefinitionPath(
        context().helpers().GetAppFolder(), QStringLiteral("AnaInputCalRept"), data().DeviceType);
    GenerateAICalibTestReport(records.m_ReportHeader, record, m_pReport, m_pPrinter, AutoString(definition), this);
}
