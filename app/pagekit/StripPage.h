#pragma once

#include "KitPage.h"

#include "controls/LedRound.h"
#include "controls/NumEdit.h"

// A page with the status strip along its top edge: the LED (5001 over the
// hidden placeholder 1278), the active indicator (5002 over 1279) and the
// command source (5003 over 1280). Most pages keep it current on timer 100:
// painted from the last known status on activation, read from the device
// 1000 ms later, then every 20000 ms while the page is shown.
class StripPage : public KitPage
{
    Q_OBJECT

public:
    // When activation arms the strip's timer 100, and how soon.
    enum class StripTimer {
        OnActivation, // the common cycle: first read 1000 ms after activation
        None, // the page refreshes its strip on timers of its own
        Slow, // first read 20000 ms after activation
    };

    enum : int {
        LedPlaceholder = 1278,
        ActivePlaceholder = 1279,
        SourcePlaceholder = 1280,
        LedId = 5001,
        ActiveId = 5002,
        SourceId = 5003,
    };
    static constexpr int StripTimerId = 100;
    static constexpr int FirstReadMs = 1000;
    static constexpr int RefreshMs = 20000;

    StripPage(PageContext& context, const QString& className, int templateId,
        StripTimer timer = StripTimer::OnActivation, QWidget* parent = nullptr);

    // Creates the strip's three controls over their placeholders.
    void OnInitialUpdate() override;
    // Paints the strip from the last known status and arms timer 100.
    void ActivatePage() override;

    // Paints the strip from the status already known; nothing is sent.
    void EvaluateStrip();
    // One Read_Status_cmd, then the paint.
    void RefreshStrip();

    const ILedRoundPtr& led() const { return m_pLed; }
    const INumEditPtr& activeIndicator() const { return m_pActiveIndicator; }
    const INumEditPtr& commandSource() const { return m_pCommandSource; }

    // The strip's placeholders and labels, as every page's template starts.
    static const std::vector<ControlSpec>& stripTemplate();
    // The strip's tooltips, for the pages that show them.
    static const ToolTipTable StripToolTips;

protected:
    // Builds the page from the strip and its own template.
    void buildPage(const PageTemplate& pageTemplate);
    // Timer 100: one status read and paint, every 20000 ms after `firstMs`.
    void armStripTimer(int firstMs);

private:
    StripTimer m_stripTimer;
    ILedRoundPtr m_pLed;
    INumEditPtr m_pActiveIndicator;
    INumEditPtr m_pCommandSource;
};
