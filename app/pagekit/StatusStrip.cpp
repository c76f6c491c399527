#include "StatusStrip.h"

#include "AppLog.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "ErrorDefinitions.h"
#include "ProgramControlFactory.h"
#include "StatusText.h"

#include "controls/OleFont.h"
#include "ui/FormPage.h"

#include <algorithm>

StatusStrip::StatusStrip(DeviceData& data, CommandDispatch& dispatch, const AppLog& log)
    : m_data(data)
    , m_dispatch(dispatch)
    , m_log(log)
{
}

void StatusStrip::LoadErrorDefinitions(const QString& programFolder)
{
    const QString path = programFolder + ErrorDefinitions::fileName(m_data.DeviceType);
    bool opened = false;
    const ErrorDefinitions definitions = ErrorDefinitions::load(path, &opened);
    if (!opened)
        m_log.WriteLog(QStringLiteral("error definitions not found: ") + path);
    else if (const QString damage = definitions.damage(path, DeviceStatusCount); !damage.isEmpty())
        m_log.WriteLog(damage);
    const auto& lines = definitions.lines();
    for (size_t n = 0; n < lines.size() && n < m_data.StatusPriority.size(); ++n)
        m_data.StatusPriority[n] = lines[n].priority;
    resetState();
}

QString StatusStrip::GetStatusText(int statusNumber) const
{
    return ::GetStatusText(statusNumber, m_data.DeviceType);
}

void StatusStrip::resetState()
{
    StatusLedFlag = 1;
    StatusLedColour = Green;
    StatusNumberText.clear();
    StatusText.clear();
    CommandSourceText.clear();
}

void StatusStrip::computeState()
{
    const int status = m_data.ActiveStatus;
    if (status == NoStatus) {
        StatusNumberText = QStringLiteral("None");
        StatusText = QStringLiteral("System Nominal");
        StatusLedFlag = 1;
        StatusLedColour = Green;
    } else {
        StatusNumberText = QString::number(status);
        StatusText = StatusNumberText + QStringLiteral(" - ") + GetStatusText(status);
        // A number beyond the priorities read counts as priority 0 (green).
        const int priority
            = status < static_cast<int>(m_data.StatusPriority.size()) ? m_data.StatusPriority[status] : 0;
        StatusLedFlag = priority < 27 ? 1 : 0;
        StatusLedColour = priority < 27 ? Green : (priority <= 53 ? Yellow : Red);
    }
    CommandSourceText = m_data.ControlMode == 64 ? QStringLiteral("Digital") : QStringLiteral("Analog");
}

void StatusStrip::EvaluateStatus(
    const ILedRoundPtr& led, const INumEditPtr& activeIndicator, const INumEditPtr& commandSource)
{
    computeState();
    // A strip control that could not be created is missing from its page;
    // the others still show the state.
    if (m_data.Connected == 1) {
        if (led && led->litColor() != StatusLedColour)
            led->setLitColor(StatusLedColour);
        if (activeIndicator)
            activeIndicator->setValue(StatusText);
        if (commandSource)
            commandSource->setValue(CommandSourceText);
    } else {
        if (led)
            led->setLitColor(Red);
        if (activeIndicator)
            activeIndicator->setValue(QStringLiteral("Loss of Communication"));
    }
}

void StatusStrip::RefreshStatusStrip(
    const ILedRoundPtr& led, const INumEditPtr& activeIndicator, const INumEditPtr& commandSource)
{
    m_dispatch.DispatchRead(202);
    EvaluateStatus(led, activeIndicator, commandSource);
}

ILedRoundPtr CreateStatusStripLed(FormPage* page, const QRect& screenRect, int id, const AppLog& log)
{
    ILedRoundPtr led = ProgramControlFactory::create<LedRound>(page, screenRect, id, log);
    if (!led)
        return led;
    led->setBorderStyle(0);
    led->setLitColor(0xFF6633);
    led->setReflection(false);
    led->setUnlitColor(0x8000000A);
    return led;
}

INumEditPtr CreateStatusStripEdit(FormPage* page, const QRect& screenRect, int id, const AppLog& log)
{
    INumEditPtr edit = ProgramControlFactory::create<NumEdit>(page, screenRect, id, log);
    if (!edit)
        return edit;
    edit->setBackgroundColor(0xC0C0C0);
    edit->setAlignment(NumEdit::Centre);
    edit->setFont(OleFont::toQFont(QStringLiteral("Microsoft Sans Serif"), 110000, true));
    return edit;
}
