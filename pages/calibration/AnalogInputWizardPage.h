#pragma once

#include "AnalogInputWizardRules.h"
#include "StripPage.h"

#include "controls/NumEdit.h"

#include <array>
#include <cstdint>
#include <optional>

class CCalibrationStorage;

// What the six pages of the analog input calibration wizard share: the
// "Monitor" values (command A/D count, design current), the three loop
// calibration flags, the state indicator with its texts, the codes sent to
// the device and the swap to another page of the wizard. Each page names the
// ids of its own controls; the indicators are placed by its template.
class AnalogInputWizardPage : public StripPage
{
    Q_OBJECT

public:
    using WizardPage = AnalogInputWizardRules::WizardPage;

    // The ids of one page's monitor and indicators.
    struct Monitor {
        int commandEdit; // "Command A/D:"
        int currentEdit; // "*Design Current:"
        int countEdit; // "A/D Count:", the same count; -1 where the page has none
        std::array<int, 3> flags; // 0 %, 100 %, range
        int state; // beside "Status:"
    };

    // Builds the page from `pageTemplate`; `toolTips` are the page's own, set
    // after the strip's and the monitor's.
    AnalogInputWizardPage(PageContext& context, const QString& className, int dialogId, WizardPage which,
        const Monitor& monitor, const PageTemplate& pageTemplate, const ToolTipTable& toolTips, StripTimer stripTimer,
        QWidget* parent = nullptr);

    // The code that ends a loop calibration on the device, the old one kept.
    static constexpr uint8_t AbortCode = 51;

    // The strip, and the flag and state indicators taken from the template.
    void OnInitialUpdate() override;
    // The page's timers; leaving the wizard while the device is in its loop
    // calibration also ends that calibration.
    void StopTimers() override;

    // The command A/D count and the design current (one Misc read each).
    void ShowLiveValues();
    // One Read_Error_Hist_cmd, then the flags' colours; returns byte 8.
    // A read that got no whole reply changes no colour and returns nothing:
    // the flags keep what the device last reported.
    std::optional<uint8_t> ShowLoopCalFlags();
    // One Read_Cal_Loop_cmd unless the page skips it, then the state's text
    // and colour.
    void ShowLoopCalState();

    WizardPage wizardPage() const { return m_page; }
    const INumEditPtr& flagIndicator(int flag) const { return m_pFlags[size_t(flag)]; }
    const INumEditPtr& stateIndicator() const { return m_pState; }
    bool skipStateRead() const { return m_bSkipStateRead; }

    // The wizard's pages by class, in their order.
    static constexpr const char* StartPageClass = "CCalibrationAnalogIn";
    static constexpr const char* StepClasses[6] = { "CCalibrationAnalogIn", "CCalibrationAnalogIn1",
        "CCalibrationAnalogIn2", "CCalibrationAnalogIn3", "CCalibrationAnalogIn4", "CCalibrationAnalogIn5" };

    // The tooltips every page gives its monitor and indicators.
    static ToolTipTable monitorToolTips(const Monitor& monitor);

protected:
    CCalibrationStorage& storage() const;
    // Sets the calibration state byte to `code` and sends it with the loop
    // calibration text as it stands. The pass is open on the device from
    // then on, until a Finish it takes.
    void writeLoopCode(uint8_t code);
    // The final code, with the date and initials; false when the device did
    // not answer it, and its calibration stays open.
    bool writeFinishCode();
    // What the pass came to, kept for the report and put into its record.
    void setLoopPass(AnalogInputWizardRules::LoopPass pass);
    // Only this page's timers, as the wizard's own buttons stop them when
    // they go to another step.
    void stopPageTimers() { StripPage::StopTimers(); }
    // The strip's tooltips, the monitor's, then the page's own.
    void setPageToolTips();
    // Arms the live timer: the command count and the current, the flags
    // where the page re-reads them on every tick, and the strip.
    enum class LiveFlags { OnActivation, EveryTick };
    void armLiveValues(int timerId, int ms, int firstMs, LiveFlags flags = LiveFlags::OnActivation);
    // Stops this page's timers, ends the device's loop calibration when
    // `step` lies before the first code (the start page or step 1), swaps
    // the wizard page `step` (0 the start page) into the page pane and
    // activates it.
    void goToStep(int step);

    bool m_bSkipStateRead = false;

private:
    WizardPage m_page;
    Monitor m_monitor;
    const ToolTipTable& m_toolTips;
    std::array<INumEditPtr, 3> m_pFlags;
    INumEditPtr m_pState;
};
