#include "StripPage.h"

#include "IndicatorColours.h"
#include "StatusStrip.h"

StripPage::StripPage(PageContext& context, const QString& className, int templateId, StripTimer timer, QWidget* parent)
    : KitPage(context, className, templateId, parent)
    , m_stripTimer(timer)
{
}

const ToolTipTable StripPage::StripToolTips {
    { LedId, QStringLiteral("LED status") },
    { ActiveId,
        QStringLiteral(
            "Active Indicator displays the highest priority active status indicator and its respective number.") },
    { SourceId,
        QStringLiteral(
            "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal.") },
};

const std::vector<ControlSpec>& StripPage::stripTemplate()
{
    static const std::vector<ControlSpec> strip {
        ControlSpec::placeholder(LedPlaceholder, 3, 7, 26, 13),
        ControlSpec::placeholder(ActivePlaceholder, 101, 6, 221, 13),
        ControlSpec::placeholder(SourcePlaceholder, 458, 6, 63, 13),
        ControlSpec::label(-1, QStringLiteral("Active Indicator:"), 40, 10, 60, 8),
        ControlSpec::label(-1, QStringLiteral("Command Source:"), 390, 10, 66, 8),
    };
    return strip;
}

void StripPage::buildPage(const PageTemplate& pageTemplate)
{
    PageTemplate whole { pageTemplate.widthDu, pageTemplate.heightDu, stripTemplate() };
    whole.controls.insert(whole.controls.end(), pageTemplate.controls.begin(), pageTemplate.controls.end());
    KitPage::buildPage(whole);
}

void StripPage::OnInitialUpdate()
{
    const AppLog& log = context().log();
    // A control that cannot be created is missing from the page; the page
    // goes on with the others.
    m_pLed = CreateStatusStripLed(this, controlScreenRect(LedPlaceholder), LedId, log);
    if (m_pLed) {
        m_pLed->setLitColor(IndicatorColour::Green);
        m_pLed->setUnlitColor(IndicatorColour::Black);
        m_pLed->setReflection(false);
        m_pLed->setLit(true);
    }
    m_pActiveIndicator = CreateStatusStripEdit(this, controlScreenRect(ActivePlaceholder), ActiveId, log);
    m_pCommandSource = CreateStatusStripEdit(this, controlScreenRect(SourcePlaceholder), SourceId, log);
    for (const INumEditPtr& edit : { m_pActiveIndicator, m_pCommandSource }) {
        if (edit) {
            edit->setValue(QString());
            edit->setFrameStyle(0);
        }
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

void StripPage::armStripTimer(int firstMs)
{
    // A control call that fails inside the refresh must not end the cycle.
    every(
        StripTimerId, RefreshMs, "RefreshStatusStrip", [this] { RefreshStrip(); }, firstMs);
}

void StripPage::EvaluateStrip()
{
    context().strip().EvaluateStatus(m_pLed, m_pActiveIndicator, m_pCommandSource);
}

void StripPage::RefreshStrip()
{
    context().strip().RefreshStatusStrip(m_pLed, m_pActiveIndicator, m_pCommandSource);
}
