#pragma once

#include "FrictionLimitControls.h"
#include "FrictionRules.h"
#include "LimitFieldMarks.h"
#include "PageControls.h"
#include "StripPage.h"
#include "ValveHealthRules.h"

#include "controls/ImageDisplay.h"
#include "controls/LinearGauge.h"
#include "controls/SpinEditBox.h"

#include <array>
#include <cstdint>
#include <functional>

// The page "Valve Health" (dialog 282): the valve's friction against its four
// limits, coloured by zone, and the valve's cycle count and accumulated travel
// against their warnings, each on a gauge with draggable limit pointers and
// an edit and spin per setting. Apply writes only the changed groups; the
// counters can be reset one at a time.
class CValveHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 282;
    static constexpr int ValuesTimerId = 3001;
    static constexpr int ZoneTimerId = 3002;
    static constexpr int BlinkTimerId = 3003;
    static constexpr int SettleTimerId = 3015;
    static constexpr int FirstValuesMs = 1000;
    static constexpr int ValuesMs = 15000;
    static constexpr int ZoneMs = 500;
    static constexpr int ToleranceSettingsCode = 311;

    enum Counter { Cycles, Travel, CounterCount };

    // Control ids of the page.
    enum : int {
        FrictionGaugeId = 5045,
        CyclesGaugeId = 5046,
        TravelGaugeId = 5047,
        FrictionGroup = 1059,
        CyclesGroup = 1060,
        TravelGroup = 231,
        LowAlarmEdit = 789,
        LowWarningEdit = 790,
        HighWarningEdit = 791,
        HighAlarmEdit = 792,
        LowAlarmSpin = 1159,
        LowWarningSpin = 1160,
        HighWarningSpin = 1161,
        HighAlarmSpin = 1162,
        FrictionEdit = 399,
        ToleranceSettingsButton = 384,
        FrictionHelpButton = 618,
        CycleDeadbandEdit = 787,
        CycleDeadbandSpin = 1166,
        CyclesInitialWarningEdit = 1310,
        CyclesFullWarningEdit = 1054,
        CyclesFullWarningSpin = 1164,
        CycleCountEdit = 786,
        ResetCycleCounterButton = 785,
        CyclesHelpButton = 631,
        StrokeLengthEdit = 1298,
        StrokeLengthSpin = 1165,
        StrokeUnitLabel = 924,
        StrokeMark = 1299,
        // The validity marks beside the other typed settings.
        LowAlarmMark = 1300,
        LowWarningMark = 1301,
        HighWarningMark = 1302,
        HighAlarmMark = 1303,
        CycleDeadbandMark = 1304,
        CyclesFullWarningMark = 1305,
        TravelDeadbandMark = 1306,
        TravelFullWarningMark = 1307,
        TravelDeadbandEdit = 788,
        TravelDeadbandSpin = 1167,
        TravelInitialWarningEdit = 413,
        TravelFullWarningEdit = 1018,
        TravelFullWarningSpin = 1163,
        TravelEdit = 408,
        ResetTravelCounterButton = 784,
        TravelHelpButton = 632,
        ImplicationsEdit = 1171,
        SolutionsEdit = 1172,
        ApplyButton = 424,
        RetrieveButton = 425,
        // Placeholders: the three gauges and the eight colour keys.
        FrictionGaugeHost = 1128,
        CyclesGaugeHost = 1135,
        TravelGaugeHost = 1136,
        FirstKeyHost = 1036, // 1036-1043: the four friction limits, then the counters' initial and full warnings
        FirstColourKeyId = 8015, // 8015-8022, over the key placeholders in their order
    };

    // The dialog template and its fixed texts (CValveHealthTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // One friction limit: its gauge pointer, edit, spin, mark, pointer colour and device word.
    struct FrictionLimit {
        int pointer;
        int edit;
        int spin;
        int mark;
        uint32_t colour;
        size_t word;
    };
    static const FrictionLimit FrictionLimits[4]; // low alarm, low warning, high warning, high alarm
    // One counter group's gauge and controls.
    struct CounterControls {
        int gauge;
        int host;
        int fullWarningEdit;
        int fullWarningSpin;
        int fullWarningMark;
        int initialWarningEdit;
        int deadbandEdit;
        int deadbandSpin;
        int deadbandMark;
        int currentEdit;
    };
    static const CounterControls Counters[CounterCount];
    // The typed counter settings with the values each holds (the spins' ranges).
    static const LimitFieldMarks::Field CounterFields[7];
    static const int ColourKeyPictures[8];
    using Help = PageControls::HelpRow;
    static const Help Helps[3];

    explicit CValveHealth(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnApply();
    void OnRetrieve();
    void OnResetCycleCounter();
    void OnResetTravelCounter();
    void OnFrictionToleranceSettings();
    void OnHelpButton(int buttonId);

    // The user's ways of changing a friction limit.
    void OnFrictionKillFocus(int pointer);
    void OnFrictionSpin(int pointer);
    void OnFrictionGaugePointer(int index);
    // ... and a counter setting.
    void OnCounterGaugePointer(Counter counter, int index);
    void OnFullWarningSpin(Counter counter);
    void OnFullWarningKillFocus(Counter counter);
    void OnDeadbandSpin(Counter counter);
    void OnDeadbandKillFocus(Counter counter);
    void OnStrokeLengthSpin();
    void OnStrokeLengthKillFocus();

    void RefreshPage();
    void RefreshFriction();
    void RefreshTravelCycle();
    void ShowFrictionSettings();
    void ShowTravelCycleSettings();
    void ReadCurrentValues();
    void UpdateFrictionZone();

    const ILinearGaugePtr& frictionGauge() const { return m_pFrictionGauge; }
    const ILinearGaugePtr& counterGauge(Counter counter) const { return m_pCounterGauges[counter]; }
    ISpinEditBoxPtr spin(int spinId) const;
    bool frictionChanged() const { return m_bFrictionChanged; }
    bool countersChanged() const { return m_bCountersChanged; }
    uint32_t frictionBlinkColor() const { return m_friction.zoneColour(); }

private:
    void createGauges();
    void connectHandlers();
    void setCounterFullScale(Counter counter);
    void setFullScales();
    void showCounterValue(Counter counter, double value);
    // Lays the counter settings from the edits around the two counters and
    // writes them; whether the counters could be read first.
    bool writeCounters();
    using TravelCycleWords = std::array<uint32_t, 11>;
    enum class CounterWrite { NotSent, NotTaken, Taken };
    // Reads the counter group and writes it back with the words `lay` sets,
    // every other one as the device gave it; nothing without the read's reply.
    CounterWrite writeCounterGroup(const std::function<void(TravelCycleWords&)>& lay);
    // Zeroes one counter in the device, everything else as the device has it.
    void resetCounter(Counter counter);
    // The two counters from the device data block, and the stroke length
    // when the user has not touched it and the counters were just `counted`.
    void showCounts(bool counted);
    // The user typed or stepped the stroke length since it was shown.
    bool strokeTouched() const;
    // Marks a typed stroke length outside the range its spin holds; true when it is inside.
    bool checkStroke();
    // The device's stroke length in the edit and the spin, the mark cleared.
    void showDeviceStroke();

    ILinearGaugePtr m_pFrictionGauge;
    std::array<ILinearGaugePtr, CounterCount> m_pCounterGauges;
    std::array<IImageDisplayPtr, 8> m_pColourKeys;
    FrictionLimitControls m_friction;
    LimitFieldMarks m_marks;
    bool m_bFrictionEventsOn = false;
    bool m_bCycleEventsOn = false;
    bool m_bTravelEventsOn = false;
    bool m_bCountersChanged = false;
    bool m_bCountersReload = false;
    bool m_bFrictionChanged = false;
    bool m_bFrictionReload = false;
    bool m_bSkipFrictionRead = false;
    bool m_bSkipCountersRead = false;
    bool m_bCountersShown = false; // the counter settings have been shown from the device
    bool m_bStrokeTyped = false;
    QString m_shownStroke; // the stroke length as the page last showed it from the device
};
