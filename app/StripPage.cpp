#include "StripPage.h"

#include "CSerratK90ClipwellApp.h"

#include <QFont>
#include <QLabel>

namespace
{
constexpr int ShellWidthDu = 560;
constexpr int ShellHeightDu = 360;
constexpr int HeadingId = 1010;
}

StripPage::StripPage(const QString& className, int templateId, StripTimer timer, QWidget* parent)
    : FormPage(className, templateId, parent)
    , m_stripTimer(timer)
{
}

std::vector<ControlSpec> StripPage::stripPlaceholders()
{
    return {
        ControlSpec::placeholder(LedPlaceholder, 7, 6, 14, 14),
        ControlSpec::placeholder(ActivePlaceholder, 26, 6, 300, 14),
        ControlSpec::placeholder(SourcePlaceholder, 332, 6, 80, 14),
    };
}

void StripPage::buildShellTemplate(const QString& heading)
{
    std::vector<ControlSpec> controls = stripPlaceholders();
    controls.push_back(ControlSpec::label(HeadingId, heading, 7, 28, 400, 14));
    buildTemplate(ShellWidthDu, ShellHeightDu, controls);
    if (auto* label = controlAs<QLabel>(HeadingId)) {
        QFont font = label->font();
        font.setPointSize(12);
        font.setBold(true);
        label->setFont(font);
    }
}

void StripPage::OnInitialUpdate()
{
    const AppLog& log = theApp().log();
    // A control that cannot be created is missing from the page; the page
    // goes on with the others.
    m_pLed = CreateStatusStripLed(this, controlScreenRect(LedPlaceholder), LedId, log);
    if (m_pLed) {
        m_pLed->setLitColor(StatusStrip::Green);
        m_pLed->setUnlitColor(0x000000);
        m_pLed->setReflection(false);
        m_pLed->setLit(true);
    }
    m_pActiveIndicator = CreateStatusStripEdit(this, controlScreenRect(ActivePlaceholder), ActiveId, log);
    if (m_pActiveIndicator) {
        m_pActiveIndicator->setValue(QString());
        m_pActiveIndicator->setFrameStyle(0);
    }
    m_pCommandSource = CreateStatusStripEdit(this, controlScreenRect(SourcePlaceholder), SourceId, log);
    if (m_pCommandSource) {
        m_pCommandSource->setValue(QString());
        m_pCommandSource->setFrameStyle(0);
    }
}

void StripPage::ActivatePage()
{
    EvaluateStrip();
    if (m_stripTimer == StripTimer::OnActivation)
        armStripTimer(FirstReadMs);
    else if (m_stripTimer == StripTimer::Slow)
        armStripTimer(RefreshMs);
}

void StripPage::StopTimers()
{
    killTimer(StripTimerId);
}

void StripPage::onTimer(int id)
{
    if (id != StripTimerId)
        return;
    killTimer(StripTimerId);
    // A control call that fails inside the refresh must not end the cycle.
    guard("RefreshStatusStrip", [this] { RefreshStrip(); });
    armStripTimer(RefreshMs);
}

void StripPage::armStripTimer(int ms)
{
    setTimer(StripTimerId, ms);
}

void StripPage::EvaluateStrip()
{
    theApp().strip().EvaluateStatus(m_pLed, m_pActiveIndicator, m_pCommandSource);
}

void StripPage::RefreshStrip()
{
    theApp().strip().RefreshStatusStrip(m_pLed, m_pActiveIndicator, m_pCommandSource);
}
