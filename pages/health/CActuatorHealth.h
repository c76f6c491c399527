#pragma once

#include "ActuatorHealthRules.h"
#include "LimitFieldMarks.h"
#include "PageControls.h"
#include "StripPage.h"
#include "ZoneIndicator.h"

#include "controls/ImageDisplay.h"
#include "controls/LedRound.h"
#include "controls/LinearGauge.h"
#include "controls/SpinEditBox.h"

#include <array>
#include <cstdint>
#include <optional>

// The page "Actuator Health" (dialog 281): the actuator
// pneumatic leak, the supply pressure and the actuator ratio, each on a gauge
// with user-movable limit pointers, an edit and a spin edit per limit, and
// three trouble-shooting LEDs. A live value outside its limits blinks in the
// limit's colour. Apply writes only the groups the user changed.
class CActuatorHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 281;
    static constexpr int LiveTimerId = 3004;
    static constexpr int LiveMs = 15000;
    static constexpr int FirstBlinkTimerId = 3005; // 3005-3007: leak, supply, ratio
    static constexpr int FirstSettleTimerId = 3019; // 3019-3021: leak, supply, ratio
    static constexpr int BlinkMs = ZoneIndicator::BlinkMs;

    using Group = ActuatorHealthRules::Group;
    using enum ActuatorHealthRules::Group;

    // Control ids of the page.
    enum : int {
        LeakGaugeId = 5077,
        SupplyGaugeId = 5078,
        RatioGaugeId = 5079,
        FailSafeLedId = 5080,
        Port1LedId = 5081,
        Port2LedId = 5082,
        LeakGroupId = 1026,
        NominalLeakEdit = 388,
        LeakEdit = 399,
        LeakWarningEdit = 402,
        LeakAlarmEdit = 403,
        NominalSupplyEdit = 392,
        SupplyEdit = 400,
        LowAlarmEdit = 404,
        LowWarningEdit = 405,
        HighWarningEdit = 406,
        RatioEdit = 401,
        InitialWarningEdit = 407,
        FullWarningEdit = 408,
        LeakWarningSpin = 1307,
        LeakAlarmSpin = 1306,
        LowAlarmSpin = 1308,
        LowWarningSpin = 1302,
        HighWarningSpin = 1303,
        InitialWarningSpin = 1304,
        FullWarningSpin = 1305,
        // The validity marks beside the limits' edits.
        LeakWarningMark = 1310,
        LeakAlarmMark = 1311,
        LowAlarmMark = 1312,
        LowWarningMark = 1313,
        HighWarningMark = 1314,
        InitialWarningMark = 1315,
        FullWarningMark = 1316,
        ImplicationsEdit = 1171,
        SolutionsEdit = 1173,
        LeakButton = 629,
        SupplyButton = 630,
        RatioButton = 626,
        FailSafeButton = 785,
        Port1Button = 624,
        Port2Button = 625,
        ApplyButton = 432,
        RetrieveButton = 433,
        FailSafeCaption = 900,
        Port1Caption = 901,
        Port2Caption = 902,
        SupplyGroupId = 228,
        RatioGroupId = 230,
        TroubleShootingGroupId = 1095,
        // Placeholders: the seven colour keys beside the limits' captions,
        // the three gauges, the three trouble-shooting LEDs.
        LeakWarningKeyHost = 1032,
        LeakAlarmKeyHost = 1033,
        LowAlarmKeyHost = 1034,
        LowWarningKeyHost = 1035,
        HighWarningKeyHost = 1036,
        InitialWarningKeyHost = 1037,
        FullWarningKeyHost = 1038,
        LeakGaugeHost = 1163,
        SupplyGaugeHost = 1161,
        RatioGaugeHost = 1162,
        FailSafeLedHost = 1164,
        Port1LedHost = 1133,
        Port2LedHost = 1134,
        FirstColourKeyId = 8000, // 8000-8006, over the key placeholders in their order
    };

    // The dialog template and its fixed texts (CActuatorHealthTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // The one tooltip that differs on the smaller model, where port 2 is the supply sensor.
    static const ToolTipTable SupplySensorToolTips;
    using Implication = PageControls::HelpRow;
    static const Implication Implications[5];
    static const char* const SensorSolution;
    static const char* const Port2Implication;
    static const char* const SupplyPortImplication;
    // Each limit's edit, spin, group, pointer and spin step.
    static const ActuatorHealthRules::Limit Limits[7];
    // The typed limits with the values each holds in the psi the page starts
    // with; the pressure unit sets the leak's and the supply's.
    static const LimitFieldMarks::Field LimitFields[7];
    // The colour keys beside the limits' captions: placeholder and picture.
    struct ColourKey {
        int host;
        int picture;
    };
    static const ColourKey ColourKeys[7];
    // Each group's gauge: placeholder, id, full scale and its limit pointers' colours.
    struct GaugeSetup {
        Group group;
        int host;
        int id;
        double maximum;
        int pointers;
        uint32_t pointerColours[3];
    };
    static const GaugeSetup Gauges[GroupCount];
    struct TroubleLed {
        int host;
        int id;
    };
    static const TroubleLed TroubleLeds[3];

    explicit CActuatorHealth(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnApply();
    void OnRetrieve();
    void OnImplicationsButton(int buttonId);
    // An edit of a limit lost the focus / a spin's value changed / the user
    // dragged limit pointer `index` of a group's gauge.
    void OnLimitEditKillFocus(int editId);
    void OnLimitSpinChanged(int spinId);
    void OnLimitPointerMoved(Group group, int index);

    void RefreshLiveValues();
    void ReloadLeakLimits();
    void ReloadSupplyLimits();
    void ReloadRatioLimits();
    void ReadPressureUnits();
    void RepaintTroubleLeds();
    void CheckLeakLimits(double warning, double alarm);
    void CheckSupplyLimits(double lowAlarm, double lowWarning, double highWarning);
    void CheckRatioLimits(double initialWarning, double fullWarning);

    const ILinearGaugePtr& gauge(Group group) const { return m_pGauges[group]; }
    ISpinEditBoxPtr spin(int spinId) const;
    const ILedRoundPtr& troubleLed(int index) const { return m_pTroubleLeds[static_cast<size_t>(index)]; }
    bool changed(Group group) const { return m_groups[group].changed; }
    double leakUnitFactor() const { return m_LeakUnitFactor; }
    double supplyPressureFactor() const { return m_SupplyPressureFactor; }

private:
    struct GroupState {
        bool changed = false;
        bool reload = false;
        bool cached = false;
        bool pointerEvents = false;
    };

    void createColourKeys();
    void createGauges();
    void createLeds();
    void disableLeakGroup();
    void connectHandlers();

    void showLeakValue();
    void showSupplyValue();
    void showRatioValue();
    void checkGroup(Group group);
    // The limit of an edit as the colours take it: the number typed, or where
    // the spin holds it while the text is no number in the limit's range.
    double limitValue(int editId);
    // The ranges of the leak and supply limits in the unit the device reports.
    void setUnitRanges(const ActuatorHealthRules::UnitScales* scales);
    void setLimit(int editId, double value);
    // The device gave a limit as `word` and the page now shows it in its
    // edit: while the edit holds that text, Apply writes the word back as it
    // came rather than the rounded number shown.
    void keepDeviceWord(int editId, uint16_t word);
    std::optional<uint16_t> untouchedWord(int editId) const;
    void showIndicator(Group group, uint32_t colour);
    void readGroups();
    bool leakServed() const;

    std::array<ILinearGaugePtr, GroupCount> m_pGauges;
    std::array<ILedRoundPtr, 3> m_pTroubleLeds;
    std::array<IImageDisplayPtr, 7> m_pColourKeys;
    std::array<GroupState, GroupCount> m_groups;
    std::array<ZoneIndicator, GroupCount> m_zones;
    LimitFieldMarks m_marks;
    // Each limit's word as the device last gave it and the text its edit
    // showed for it, in the order of Limits.
    struct DeviceWord {
        uint16_t word = 0;
        QString shown;
    };
    std::array<std::optional<DeviceWord>, 7> m_deviceWords;
    double m_LeakUnitFactor = 1.0;
    double m_SupplyPressureFactor = 0.0;
};
