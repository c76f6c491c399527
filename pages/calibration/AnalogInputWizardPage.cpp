#include "AnalogInputWizardPage.h"

#include "CCalibrationStorage.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "ReplyBytes.h"
#include "ReportRecords.h"

#include "automation/NumberText.h"
#include "ui/FormPage.h"

#include <QFont>

using namespace AnalogInputWizardRules;

AnalogInputWizardPage::AnalogInputWizardPage(PageContext& context, const QString& className, int dialogId,
    WizardPage which, const Monitor& monitor, const PageTemplate& pageTemplate, const ToolTipTable& toolTips,
    StripTimer stripTimer, QWidget* parent)
    : StripPage(context, className, dialogId, stripTimer, parent)
    , m_page(which)
    , m_monitor(monitor)
    , m_toolTips(toolTips)
{
    buildPage(pageTemplate);
}

void AnalogInputWizardPage::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    for (size_t k = 0; k < m_pFlags.size(); ++k)
        m_pFlags[k] = INumEditPtr::fromObject(control(m_monitor.flags[k]));
    m_pState = INumEditPtr::fromObject(control(m_monitor.state));
    // The indicators' texts are bold, as the template's font asks.
    for (int id : { m_monitor.flags[0], m_monitor.flags[1], m_monitor.flags[2], m_monitor.state }) {
        if (QWidget* indicator = control(id)) {
            QFont font = indicator->font();
            font.setBold(true);
            indicator->setFont(font);
        }
    }
}

ToolTipTable AnalogInputWizardPage::monitorToolTips(const Monitor& monitor)
{
    ToolTipTable tips {
        { monitor.commandEdit, QStringLiteral("Raw internal value representing analog input level.") },
        { monitor.currentEdit, QStringLiteral("Derived value representing ~4-20 mA value.") },
        { monitor.flags[0],
            QStringLiteral("COMMAND LOOP 0% SIGNAL OUT OF RANGE WARNING indicates that during Command Loop "
                           "Calibration, the 0% signal was out of range.") },
        { monitor.flags[1],
            QStringLiteral("COMMAND LOOP 100% SIGNAL OUT OF RANGE WARNING indicates that during Command Loop "
                           "Calibration, the 100% signal was out of range.") },
        { monitor.flags[2],
            QStringLiteral("COMMAND LOOP RANGE TOO SMALL WARNING indicates that during a Command Loop Calibration, "
                           "the difference between the signal at 0% and the signal at 100% was too small.  The "
                           "system is designed to accept a difference greater than 2 mA.") },
        { monitor.state, QStringLiteral("Status of current calibration stage.") },
    };
    if (monitor.countEdit >= 0)
        tips.push_back({ monitor.countEdit, QStringLiteral("Raw internal value representing analog input level.") });
    return tips;
}

CCalibrationStorage& AnalogInputWizardPage::storage() const
{
    return context().calibrationStorage();
}

void AnalogInputWizardPage::ShowLiveValues()
{
    // One read of the count serves both edits that show it.
    const QString count = QString::number(context().misc().ReadMiscWord58());
    setWindowText(m_monitor.commandEdit, count);
    if (m_monitor.countEdit >= 0)
        setWindowText(m_monitor.countEdit, count);
    setWindowText(m_monitor.currentEdit, NumberText::fromFloat(context().misc().ReadMiscWord01()));
}

std::optional<uint8_t> AnalogInputWizardPage::ShowLoopCalFlags()
{
    // The flags are byte 8 of the history: a reply of another command, or
    // one cut short before it, leaves them as they were before this read.
    constexpr int Byte8 = 4 + 8;
    const bool answered = read(HartCommand::ReadErrorHist);
    if (!answered || !data().Reply || !ReplyHolds(*data().Reply, Byte8, 1))
        return std::nullopt;
    const uint8_t byte8 = data().ErrorHistory[8];
    for (size_t k = 0; k < m_pFlags.size(); ++k) {
        if (m_pFlags[k])
            m_pFlags[k]->setColor(flagColour(byte8, int(k)));
    }
    return byte8;
}

void AnalogInputWizardPage::ShowLoopCalState()
{
    if (!m_bSkipStateRead)
        read(HartCommand::ReadCalLoop);
    const uint8_t state = data().CalState;
    CCalibrationStorage& shared = storage();
    // The step pages forget a kept state-12 text once the device waits for 0 % again.
    if (state == 11 && m_page != WizardPage::Start)
        shared.m_bKeepState12Text = false;
    const auto shown = loopStateDisplay(m_page, state, shared.m_bFourMilliampSet, shared.m_bKeepState12Text);
    if (!shown || !m_pState)
        return;
    m_pState->setValue(shown->text);
    m_pState->setColor(shown->colour);
}

void AnalogInputWizardPage::StopTimers()
{
    stopPageTimers();
    // Left through the tree or by closing the program: the device would
    // otherwise stay in its loop calibration, the valve no longer following
    // the loop. One page of the wizard sends the abort, once.
    if (storage().m_bLoopCalibrationOpen)
        writeLoopCode(AbortCode);
}

void AnalogInputWizardPage::writeLoopCode(uint8_t code)
{
    data().CalState = code;
    // Tried once: an abort the device did not answer is not sent again by
    // every page of the wizard as the tree stops them all.
    storage().m_bLoopCalibrationOpen = code != AbortCode;
    // A Finish taken before is no longer what the device is at: the report
    // must not call this pass completed.
    setLoopPass(LoopPass::NotFinished);
    write(HartCommand::WriteCalLoop);
}

bool AnalogInputWizardPage::writeFinishCode()
{
    if (!write(HartCommand::WriteCalLoop))
        return false;
    storage().m_bLoopCalibrationOpen = false;
    return true;
}

void AnalogInputWizardPage::setLoopPass(LoopPass pass)
{
    storage().m_loopPass = pass;
    context().records().m_AICalibReport.m_strState = AutoString(passStateText(pass));
}

void AnalogInputWizardPage::setPageToolTips()
{
    setToolTips(StripToolTips);
    setToolTips(monitorToolTips(m_monitor));
    setToolTips(m_toolTips);
}

void AnalogInputWizardPage::armLiveValues(int timerId, int ms, int firstMs, LiveFlags flags)
{
    every(
        timerId, ms, "OnTimer",
        [this, flags] {
            ShowLiveValues();
            if (flags == LiveFlags::EveryTick)
                ShowLoopCalFlags();
            RefreshStrip();
        },
        firstMs);
}

void AnalogInputWizardPage::goToStep(int step)
{
    stopPageTimers();
    // The first code goes out with step 1's Next: a page before it has no
    // calibration to go on with, so going back there ends the one still
    // open on the device, as leaving does, and that page reads the state
    // the device is left in.
    if (step <= 1 && storage().m_bLoopCalibrationOpen)
        writeLoopCode(AbortCode);
    if (FormPage* target = context().ReplaceView(StepClasses[step]))
        target->ActivatePage();
}
