#pragma once

#include "FrictionLimitControls.h"
#include "FrictionRules.h"
#include "StripPage.h"

#include "controls/ImageDisplay.h"
#include "controls/LinearGauge.h"
#include "controls/SpinEditBox.h"

#include <array>
#include <cstdint>
#include <optional>

// The page "Friction Tolerance Settings" (dialog 309): the friction the device
// measures on a gauge, coloured by its zone, against the four friction limits,
// each a draggable pointer, an edit and a spin edit. Four presets derive a
// whole limit set from the friction found at the last load; Apply writes the
// limits, Retrieve reads them again.
class CValveHealthToleranceSettings : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 309;
    static constexpr int ZoneTimerId = 3002;
    static constexpr int BlinkTimerId = 3003;
    static constexpr int FrictionValueTimerId = 3014;
    static constexpr int SettleTimerId = 3015;
    static constexpr int ZoneMs = 500;
    static constexpr int FrictionValueMs = 15000;

    using Preset = FrictionRules::Preset;

    // Control ids of the page.
    enum : int {
        FrictionGaugeId = 5057,
        FrictionGaugeHost = 1149,
        GroupBox = 1033,
        TightButton = 623,
        NormalButton = 624,
        LooseButton = 625,
        NoLimitsButton = 626,
        LowAlarmEdit = 789,
        LowWarningEdit = 790,
        HighWarningEdit = 791,
        HighAlarmEdit = 792,
        LowAlarmSpin = 1157,
        LowWarningSpin = 1156,
        HighWarningSpin = 1155,
        HighAlarmSpin = 1154,
        // The validity marks beside the limits' edits.
        LowAlarmMark = 1300,
        LowWarningMark = 1301,
        HighWarningMark = 1302,
        HighAlarmMark = 1303,
        NominalValueEdit = 392,
        PressureUnitLabel = 1158,
        ActuatorSizeEdit = 400,
        CurrentValueEdit = 399,
        ImplicationsEdit = 1171,
        ApplyButton = 432,
        RetrieveButton = 433,
        // The colour keys beside the limits' captions: placeholders and the keys made over them.
        LowAlarmKeyHost = 1040,
        LowWarningKeyHost = 1041,
        HighWarningKeyHost = 1042,
        HighAlarmKeyHost = 1043,
        FirstColourKeyId = 8023, // 8023-8026, over the key placeholders in their order
    };

    // The dialog template and its fixed texts (CValveHealthToleranceSettingsTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // One limit: its gauge pointer, edit, spin, validity mark, colour key
    // (placeholder and picture), pointer colour and device word.
    struct Limit {
        int pointer;
        int edit;
        int spin;
        int mark;
        int keyHost;
        int picture;
        uint32_t colour;
        size_t word;
    };
    static const Limit Limits[4]; // low alarm, low warning, high warning, high alarm
    struct PresetButton {
        Preset preset;
        int button;
        const char* implications;
    };
    static const PresetButton Presets[4];

    explicit CValveHealthToleranceSettings(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnPreset(Preset preset);
    void OnApply();
    void OnRetrieve();
    // The edit of limit `pointer` lost the focus / its spin's value changed /
    // the gauge reports that pointer `index` moved.
    void OnLimitKillFocus(int pointer);
    void OnLimitSpin(int pointer);
    void OnFrictionGaugePointer(int index);

    void RefreshFriction();
    void RefreshFrictionValue();
    void ShowFrictionSettings();
    void UpdateFrictionZone();

    const ILinearGaugePtr& gauge() const { return m_pGauge; }
    ISpinEditBoxPtr spin(int pointer) const { return m_limits.spin(pointer); }
    bool frictionChanged() const { return m_bFrictionChanged; }
    double frictionValue() const { return m_dFrictionValue; }
    uint32_t frictionBlinkColor() const { return m_limits.zoneColour(); }

private:
    void connectHandlers();
    void ClearPresetButtons();
    // Shows the preset of the last Apply chosen again while the device still
    // holds the limits that Apply wrote.
    void ShowAppliedPreset();

    ILinearGaugePtr m_pGauge;
    std::array<IImageDisplayPtr, 4> m_pColourKeys;
    FrictionLimitControls m_limits;
    bool m_bFrictionEventsOn = false;
    bool m_bFrictionChanged = false;
    bool m_bFrictionReload = false;
    bool m_bSkipFrictionRead = false;
    double m_dFrictionValue = 0.0;
    // The preset chosen when the last Apply wrote the limits (none when they
    // were set by hand), and the limit words it wrote.
    std::optional<Preset> m_AppliedPreset;
    std::array<uint16_t, 4> m_AppliedLimitWords {};
};
