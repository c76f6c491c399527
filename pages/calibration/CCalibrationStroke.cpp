#include "CCalibrationStroke.h"

#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageControls.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "core/Tellbox.h"
#include "ui/Prompts.h"
#include "ui/TimerService.h"

#include <QProgressBar>

using namespace StrokeCalibrationRules;

CCalibrationStroke::CCalibrationStroke(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CCalibrationStroke"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

void CCalibrationStroke::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    for (int k = 0; k < 6; ++k) {
        ILedRoundPtr led
            = CreateRoundLed(this, controlScreenRect(FirstFlagHost + k), FirstFlagLed + k, context().log());
        if (led) {
            led->setLitColor(FlagLitColour);
            led->setUnlitColor(FlagUnlitColour);
            led->setLit(false);
        }
        m_pFlagLeds[size_t(k)] = led;
    }
    const TellboxImports& imports = context().imports();
    if (imports.CreateReportControl)
        m_pReport = imports.CreateReportControl(this, m_reportWindow, controlScreenRect(ReportHost), ReportId);
    if (imports.CreatePrintControl)
        m_pPrinter = imports.CreatePrintControl(this, m_printerWindow, controlScreenRect(PrinterHost), PrinterId);
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setRange(0, ProgressMaximum);

    onTextChanged(InitialsEdit, "OnChangeNewCalibrationBy", [this] { OnChangeNewCalibrationBy(); });
    onClicked(StartButton, "OnStartCalibration", [this] { OnStartCalibration(); });
    onClicked(AbortButton, "OnAbortCalibration", [this] { OnAbortCalibration(); });
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });

    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    ToolTipTable flagTips;
    for (int k = 0; k < 6; ++k)
        flagTips.push_back({ FirstFlagLed + k, QString::fromLatin1(StrokeFlags[k].tip) });
    setToolTips(flagTips);
    setToolTips(TrailingToolTips);
}

void CCalibrationStroke::ActivatePage()
{
    m_bSkipInitialsCheck = true;
    // The strip from the last known status; timer 100 first after 1000 ms.
    StripPage::ActivatePage();
    setWindowText(TodayEdit, dateText(context().timers().localNow().date()));
    setWindowText(StateEdit, QString());
    ValidityMark::show(this, InitialsMark, true, InitialsTip);
    enableControl(PrintButton, false);
    if (auto* bar = controlAs<QProgressBar>(ProgressBar))
        bar->setValue(0);
    read(HartCommand::ReadCalibration);
    setWindowText(LastDateEdit, lastDate(data().CalText));
    setWindowText(LastByEdit, lastInitials(data().CalText));
    fillEdit(InitialsEdit, lastInitials(data().CalText),
        &CCalibrationStroke::OnChangeNewCalibrationBy); // absorbed by the skip flag
    enableControl(StartButton, true);
    read(HartCommand::ReadStatus);
    showPosition();
}

void CCalibrationStroke::showPosition()
{
    setWindowText(PositionEdit, NumberText::fromDouble(int16_t(data().Position) * 0.01));
}

void CCalibrationStroke::StopTimers()
{
    if (m_bCalibrating)
        OnAbortCalibration();
    StripPage::StopTimers();
}

void CCalibrationStroke::OnChangeNewCalibrationBy()
{
    if (m_bSkipInitialsCheck) {
        ValidityMark::show(this, InitialsMark, true, InitialsTip);
        enableControl(StartButton, false);
        m_bSkipInitialsCheck = false;
        return;
    }
    enableControl(
        StartButton, ValidityMark::show(this, InitialsMark, initialsAcceptable(windowText(InitialsEdit)), InitialsTip));
}

void CCalibrationStroke::OnStartCalibration()
{
    if (!userAllowsMovement(MovementCaption))
        return;
    killTimer(StripTimerId);
    data().CalState = StartCode;
    enableControl(PrintButton, false);
    const QString date = windowText(TodayEdit);
    const QString initials = windowText(InitialsEdit);
    if (!initialsAcceptable(initials)) {
        ValidityMark::show(this, InitialsMark, false, InitialsTip);
        return;
    }
    ValidityMark::show(this, InitialsMark, true, InitialsTip);
    data().CalText = calibrationText(Page::Stroke, date, initials);
    // A new run starts with its flags clear; within the run they stay once seen.
    clearStrokeFlags(context().records().m_StrokeCalibReport);
    for (const ILedRoundPtr& led : m_pFlagLeds) {
        if (led)
            led->setLit(false);
    }
    m_bCalibrating = true;
    enableControl(StartButton, false);
    enableControl(AbortButton, true);
    write(HartCommand::WriteCalibration);
    every(PollTimerId, PollMs, "OnTimer", [this] {
        if (!m_bCalibrating) {
            killTimer(PollTimerId);
            return;
        }
        PollCalibrationState();
        PollCalibrationFlags();
    });
}

void CCalibrationStroke::PollCalibrationState()
{
    read(HartCommand::ReadCalibration);
    const uint8_t state = data().CalState;
    auto* bar = controlAs<QProgressBar>(ProgressBar);
    if (const std::optional<int> progress = progressFor(state); progress && bar)
        bar->setValue(*progress);
    if (state != 0) {
        setWindowText(StateEdit, stateText(Page::Stroke, state));
        return;
    }
    m_bCalibrating = false;
    setWindowText(StateEdit, CompletedText);
    enableControl(StartButton, true);
    enableControl(AbortButton, false);
    setWindowText(LastDateEdit, lastDate(data().CalText));
    setWindowText(LastByEdit, lastInitials(data().CalText));
    fillEdit(InitialsEdit, lastInitials(data().CalText),
        &CCalibrationStroke::OnChangeNewCalibrationBy); // checked as it is set
    enableControl(PrintButton, true);
    armStripTimer(RefreshMs);
}

void CCalibrationStroke::PollCalibrationFlags()
{
    read(HartCommand::ReadErrorHist);
    const uint8_t byte7 = data().ErrorHistory[7];
    // A flag once seen stays lit through the run; a clear bit changes nothing.
    for (int k = 0; k < 6; ++k) {
        if ((byte7 & StrokeFlags[k].bit) && m_pFlagLeds[size_t(k)])
            m_pFlagLeds[size_t(k)]->setLit(true);
    }
    markStrokeFlags(context().records().m_StrokeCalibReport, byte7);
    read(HartCommand::ReadStatus);
    showPosition();
    RefreshStrip();
}

void CCalibrationStroke::OnAbortCalibration()
{
    enableControl(AbortButton, false);
    enableControl(StartButton, true);
    m_bCalibrating = false;
    data().CalState = AbortCode;
    write(HartCommand::WriteCalibration);
    setWindowText(StateEdit, AbortedText);
    // The poll timer stops on its next tick.
    armStripTimer(RefreshMs);
}

void CCalibrationStroke::FillStrokeCalibResults()
{
    CStrokeCalibReport& record = context().records().m_StrokeCalibReport;
    MiscAccessors& misc = context().misc();
    record.m_strILO = AutoString(QString::number(misc.ReadMiscWord11()));
    record.m_strLoADVal = AutoString(QString::number(misc.ReadMiscWord50()));
    const uint16_t low = misc.ReadMiscWord50();
    record.m_strHiADVal = AutoString(QString::number(misc.ReadMiscWord51()));
    const uint16_t high = misc.ReadMiscWord51();
    record.m_strADRange = AutoString(QString::number(int(low) - int(high)));
}

void CCalibrationStroke::OnPrintReport()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    FillStrokeCalibResults();
    CStrokeCalibReport& record = records.m_StrokeCalibReport;
    record.m_strLastCalDate = AutoString(windowText(TodayEdit));
    record.m_strNewCalBy = AutoString(windowText(InitialsEdit));
    record.m_strState = AutoString(windowText(StateEdit));
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("StrokeCalRept"), data().DeviceType);
    GenerateStrokeCalibTestReport(records.m_ReportHeader, record, m_pReport, m_pPrinter, AutoString(definition), this);
}

void CCalibrationStroke::fillEdit(int id, const QString& text, void (CCalibrationStroke::*handler)())
{
    const bool same = windowText(id) == text;
    setWindowText(id, text);
    if (same)
        (this->*handler)();
}
