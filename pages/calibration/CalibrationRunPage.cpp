#include "CalibrationRunPage.h"

#include "DeviceData.h"
#include "PageControls.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "ValidityMark.h"

#include "core/Tellbox.h"
#include "ui/TimerService.h"

#include <QProgressBar>

using namespace StrokeCalibrationRules;

CalibrationRunPage::CalibrationRunPage(PageContext& context, const QString& name, int dialogId, const RunSetup& setup,
    const PageTemplate& pageTemplate, QWidget* parent)
    : StripPage(context, name, dialogId, StripTimer::OnActivation, parent)
    , m_setup(setup)
{
    buildPage(pageTemplate);
}

void CalibrationRunPage::StopTimers()
{
    if (m_bCalibrating)
        OnAbortCalibration();
    StripPage::StopTimers();
}

void CalibrationRunPage::createReportControls()
{
    const TellboxImports& imports = context().imports();
    if (imports.CreateReportControl)
        m_pReport = imports.CreateReportControl(
            this, m_reportWindow, controlScreenRect(m_setup.reportHost), m_setup.reportId);
    if (imports.CreatePrintControl)
        m_pPrinter = imports.CreatePrintControl(
            this, m_printerWindow, controlScreenRect(m_setup.printerHost), m_setup.printerId);
    if (auto* bar = controlAs<QProgressBar>(m_setup.progressBar))
        bar->setRange(0, ProgressMaximum);
}

void CalibrationRunPage::connectRunControls()
{
    onTextChanged(m_setup.initialsEdit, "OnChangeNewCalibrationBy", [this] { OnChangeNewCalibrationBy(); });
    onClicked(m_setup.startButton, "OnStartCalibration", [this] { OnStartCalibration(); });
    onClicked(m_setup.abortButton, "OnAbortCalibration", [this] { OnAbortCalibration(); });
    onClicked(m_setup.printButton, "OnPrintReport", [this] { OnPrintReport(); });
}

ILedRoundPtr CalibrationRunPage::createFlagLed(int hostId, int id)
{
    ILedRoundPtr led = CreateRoundLed(this, controlScreenRect(hostId), id, context().log());
    if (led) {
        led->setLitColor(FlagLitColour);
        led->setUnlitColor(FlagUnlitColour);
        led->setLit(false);
    }
    return led;
}

ToolTipTable CalibrationRunPage::strokeFlagTips(int firstLed)
{
    ToolTipTable tips;
    for (int k = 0; k < 6; ++k)
        tips.push_back({ firstLed + k, QString::fromLatin1(StrokeFlags[k].tip) });
    return tips;
}

void CalibrationRunPage::activateRun()
{
    m_bSkipInitialsCheck = true;
    // The strip from the last known status; timer 100 first after 1000 ms.
    StripPage::ActivatePage();
    setWindowText(m_setup.todayEdit, dateText(context().timers().localNow().date()));
    setWindowText(m_setup.stateEdit, QString());
    if (auto* bar = controlAs<QProgressBar>(m_setup.progressBar))
        bar->setValue(0);
    read(HartCommand::ReadCalibration);
    showLastCalibration(); // the initials absorbed by the skip flag
    enableControl(m_setup.startButton, true);
}

void CalibrationRunPage::showLastCalibration()
{
    setWindowText(m_setup.lastDateEdit, lastDate(data().CalText));
    setWindowText(m_setup.lastByEdit, shownInitials(data().CalText));
    fillEdit(m_setup.initialsEdit, shownInitials(data().CalText), &CalibrationRunPage::OnChangeNewCalibrationBy);
}

bool CalibrationRunPage::takeDeviceInitials()
{
    if (!m_bSkipInitialsCheck)
        return false;
    ValidityMark::show(this, m_setup.initialsMark, true, m_setup.initialsTip);
    m_bSkipInitialsCheck = false;
    return true;
}

bool CalibrationRunPage::markInitials()
{
    return ValidityMark::show(
        this, m_setup.initialsMark, initialsAcceptable(windowText(m_setup.initialsEdit)), m_setup.initialsTip);
}

bool CalibrationRunPage::mayStartRun()
{
    // A start the initials refuse is refused before the user is asked to let
    // the valve move, and leaves the page as it was: the strip refreshing,
    // the state and Print untouched, the mark saying why.
    const QString initials = windowText(m_setup.initialsEdit);
    if (!initialsAcceptable(initials)) {
        ValidityMark::show(this, m_setup.initialsMark, false, m_setup.initialsTip);
        return false;
    }
    ValidityMark::show(this, m_setup.initialsMark, true, m_setup.initialsTip);
    if (!userAllowsMovement(m_setup.movementCaption))
        return false;
    killTimer(StripTimerId);
    data().CalState = m_setup.startCode;
    enableControl(m_setup.printButton, false);
    const QString date = windowText(m_setup.todayEdit);
    data().CalText = calibrationText(m_setup.page, date, initials);
    return true;
}

void CalibrationRunPage::startRun(std::function<void()> tick)
{
    m_bCalibrating = true;
    enableControl(m_setup.startButton, false);
    enableControl(m_setup.abortButton, true);
    write(HartCommand::WriteCalibration);
    every(m_setup.pollTimerId, m_setup.pollMs, "OnTimer", [this, tick = std::move(tick)] {
        if (!m_bCalibrating) {
            killTimer(m_setup.pollTimerId);
            return;
        }
        tick();
    });
}

bool CalibrationRunPage::pollRunState()
{
    read(HartCommand::ReadCalibration);
    const uint8_t state = data().CalState;
    auto* bar = controlAs<QProgressBar>(m_setup.progressBar);
    if (const std::optional<int> progress = progressFor(state); progress && bar)
        bar->setValue(*progress);
    if (state != 0) {
        setWindowText(m_setup.stateEdit, stateText(m_setup.page, state));
        return false;
    }
    m_bCalibrating = false;
    setWindowText(m_setup.stateEdit, m_setup.completedText);
    enableControl(m_setup.startButton, true);
    enableControl(m_setup.abortButton, false);
    showLastCalibration(); // checked as it is set
    enableControl(m_setup.printButton, true);
    armStripTimer(RefreshMs);
    return true;
}

void CalibrationRunPage::abortRun()
{
    enableControl(m_setup.abortButton, false);
    enableControl(m_setup.startButton, true);
    m_bCalibrating = false;
    data().CalState = m_setup.abortCode;
    write(HartCommand::WriteCalibration);
    setWindowText(m_setup.stateEdit, m_setup.abortedText);
    // The poll timer stops on its next tick.
    armStripTimer(RefreshMs);
}

CReportHeader& CalibrationRunPage::readReportHeader()
{
    CReportHeader& header = context().records().m_ReportHeader;
    FillReportHeader(header, data(), context().dispatch());
    return header;
}

AutoString CalibrationRunPage::reportDefinition(const QString& definition) const
{
    return AutoString(ReportDefinitionPath(context().helpers().GetAppFolder(), definition, data().DeviceType));
}
