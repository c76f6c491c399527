#pragma once

#include "controls/LedRound.h"
#include "controls/NumEdit.h"
#include "ui/ControlSpec.h"
#include "ui/FormPage.h"

#include <vector>

// A page with the status strip along its top edge: the LED (5001 over the
// hidden placeholder 1278), the active indicator (5002 over 1279) and the
// command source (5003 over 1280). Most pages keep it current on timer 100:
// painted from the last known status on activation, read from the device
// 1000 ms later, then every 20000 ms while the page is shown.
class StripPage : public FormPage
{
    Q_OBJECT

public:
    // When activation arms the strip's timer 100, and how soon.
    enum class StripTimer {
        OnActivation, // the common cycle: first read 1000 ms after activation
        None, // the page refreshes its strip on timers of its own
        Slow, // first read 20000 ms after activation
    };

    static constexpr int LedPlaceholder = 1278;
    static constexpr int ActivePlaceholder = 1279;
    static constexpr int SourcePlaceholder = 1280;
    static constexpr int LedId = 5001;
    static constexpr int ActiveId = 5002;
    static constexpr int SourceId = 5003;
    static constexpr int StripTimerId = 100;
    static constexpr int FirstReadMs = 1000;
    static constexpr int RefreshMs = 20000;

    StripPage(const QString& className, int templateId, StripTimer timer = StripTimer::OnActivation,
        QWidget* parent = nullptr);

    // Creates the strip's three controls over their placeholders.
    void OnInitialUpdate() override;
    // Paints the strip from the last known status and arms timer 100.
    void ActivatePage() override;
    // Kills timer 100.
    void StopTimers() override;
    // Timer 100: killed, one status read and paint, re-armed at 20000 ms.
    void onTimer(int id) override;

    // Paints the strip from the status already known; nothing is sent.
    void EvaluateStrip();
    // One Read_Status_cmd, then the paint.
    void RefreshStrip();

    const ILedRoundPtr& led() const { return m_pLed; }
    const INumEditPtr& activeIndicator() const { return m_pActiveIndicator; }
    const INumEditPtr& commandSource() const { return m_pCommandSource; }

    // The three hidden placeholders at the top left of a template.
    static std::vector<ControlSpec> stripPlaceholders();

protected:
    // The least template of a page: the strip placeholders and a heading.
    void buildShellTemplate(const QString& heading);
    void armStripTimer(int ms);

private:
    StripTimer m_stripTimer;
    ILedRoundPtr m_pLed;
    INumEditPtr m_pActiveIndicator;
    INumEditPtr m_pCommandSource;
};
