#pragma once

#include "LimitFieldMarks.h"
#include "PageControls.h"
#include "PositionerHealthRules.h"
#include "StripPage.h"
#include "ZoneIndicator.h"

#include "controls/ImageDisplay.h"
#include "controls/LedRound.h"
#include "controls/LinearGauge.h"
#include "controls/SpinEditBox.h"

#include <array>
#include <cstdint>

// The page "Positioner Health" (dialog 283): the circuit board temperature,
// the pilot relay response time with its warning and alarm, the pilot relay
// cycle count and accumulated travel with their warnings, and seven LEDs of
// electronic faults. A live value past its limits blinks in the zone's
// colour. Apply writes only the limits the user changed.
class CPositionerHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 283;
    static constexpr int LiveTimerId = 3008;
    static constexpr int LiveMs = 15000;
    static constexpr int ResponseBlinkTimerId = 3009;
    static constexpr int CycleBlinkTimerId = 3010;
    static constexpr int TravelBlinkTimerId = 3011;
    static constexpr int TemperatureTimerId = 3012;
    static constexpr int TemperatureMs = 30000;
    static constexpr int ResponseSettleTimerId = 3016;
    static constexpr int CycleSettleTimerId = 3017;
    static constexpr int TravelSettleTimerId = 3018;
    static constexpr int BlinkMs = ZoneIndicator::BlinkMs;
    // The temperature unit codes the device reports.
    static constexpr int Celsius = 32;
    static constexpr int Fahrenheit = 33;

    enum Gauge { Temperature, Response, Cycles, Travel, GaugeCount };

    // Control ids of the page.
    enum : int {
        TemperatureGaugeId = 5062,
        ResponseGaugeId = 5063,
        CyclesGaugeId = 5064,
        TravelGaugeId = 5065,
        TemperatureGroupId = 1043,
        ResponseGroupId = 232,
        CyclesGroupId = 230,
        TravelGroupId = 1048,
        BinaryGroupId = 233,
        TemperatureEdit = 1018,
        LowTemperatureEdit = 659,
        HighTemperatureEdit = 660,
        ResponseEdit = 1174,
        ResponseWarningEdit = 398,
        ResponseAlarmEdit = 1312,
        CyclesEdit = 1175,
        CyclesInitialWarningEdit = 792,
        CyclesFullWarningEdit = 1313,
        TravelEdit = 1176,
        TravelInitialWarningEdit = 413,
        TravelFullWarningEdit = 1314,
        ResponseWarningSpin = 668,
        ResponseAlarmSpin = 669,
        CyclesFullWarningSpin = 404,
        TravelFullWarningSpin = 409,
        // The validity marks beside the limits' edits.
        ResponseWarningMark = 1300,
        ResponseAlarmMark = 1301,
        CyclesFullWarningMark = 1302,
        TravelFullWarningMark = 1303,
        ImplicationsEdit = 1171,
        SolutionsEdit = 1173,
        TemperatureButton = 637,
        ResponseButton = 635,
        CyclesButton = 631,
        TravelButton = 632,
        ShuntVoltageButton = 629,
        PiezoVoltageButton = 630,
        WatchDogButton = 788,
        NvRamButton = 787,
        HallUpperButton = 628,
        FailSafeButton = 627,
        HallLowerButton = 634,
        ResetCyclesButton = 785,
        ResetTravelButton = 784,
        ApplyButton = 432,
        RetrieveButton = 433,
        FirstIndicatorCaption = 1051, // 1051-1057, beside the LEDs in their order
        // Placeholders: the eight colour keys beside the limits' captions,
        // the four gauges and the seven binary LEDs.
        LowTemperatureKeyHost = 1034,
        HighTemperatureKeyHost = 1035,
        ResponseWarningKeyHost = 1036,
        ResponseAlarmKeyHost = 1037,
        CyclesInitialKeyHost = 1038,
        CyclesFullKeyHost = 1039,
        TravelInitialKeyHost = 1040,
        TravelFullKeyHost = 1041,
        TemperatureGaugeHost = 1160,
        ResponseGaugeHost = 1129,
        CyclesGaugeHost = 1130,
        TravelGaugeHost = 1131,
        FirstIndicatorHost = 1132, // 1132-1138
        FirstColourKeyId = 8007, // 8007-8014, over the key placeholders in their order
    };

    // The dialog template and its fixed texts (CPositionerHealthTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    using Implication = PageControls::HelpRow;
    static const Implication Implications[11];
    struct ColourKey {
        int host;
        int picture;
    };
    static const ColourKey ColourKeys[8];
    // Each gauge: placeholder, id, scale, its two markers' colours and
    // starting places, which markers the user may drag.
    struct GaugeSetup {
        Gauge gauge;
        int host;
        int id;
        double minimum;
        double maximum;
        uint32_t markerColours[2];
        double markerStart[2];
        bool draggable[2];
    };
    static const GaugeSetup Gauges[GaugeCount];
    struct IndicatorLed {
        int host;
        int id;
        int button;
    };
    static const IndicatorLed IndicatorLeds[7];
    // The typed limits with the values each holds (their spins' ranges), and
    // the initial warnings the page fills itself.
    static const LimitFieldMarks::Field LimitFields[6];

    explicit CPositionerHealth(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnApply();
    void OnRetrieve();
    void OnResetCycleCounter();
    void OnResetTravelCounter();
    void OnImplicationsButton(int buttonId);

    void ReadTemperature();
    void ReadCurrentValues();
    void RefreshResponse();
    void RefreshCounters();
    void ReadBinaryIndicators();
    void UpdateResponseZone();
    void UpdateCycleZone();
    void UpdateTravelZone();

    // The user dragged pointer `index` of a gauge; a spin's value changed;
    // a threshold edit lost the focus.
    void OnResponseGaugePointer(int index);
    void OnCountersGaugePointer(Gauge gauge, int index);
    void OnResponseSpin(int spinId);
    void OnCyclesFullWarningSpin();
    void OnTravelFullWarningSpin();
    void OnKillFocusResponseLimit(int editId);
    void OnKillFocusFullWarning(int editId);

    const ILinearGaugePtr& gauge(Gauge which) const { return m_pGauges[which]; }
    const ILedRoundPtr& indicatorLed(int index) const { return m_pIndicatorLeds[static_cast<size_t>(index)]; }
    ISpinEditBoxPtr spin(int spinId) const;
    bool responseChanged() const { return m_bResponseChanged; }
    bool countersChanged() const { return m_bCountersChanged; }

private:
    void createColourKeys();
    void createGauges();
    void createLeds();
    void connectHandlers();
    void showPresentValues();
    // Whether the four counter limits hold numbers in their ranges (the
    // wrong ones marked, the first logged as the reason 180 is not sent).
    bool counterLimitsHold();
    void layLimits(uint8_t resetSelector);
    void resetCounter(uint8_t selector);
    // Pointer `index` of a gauge (0 the live value, 1 and 2 its markers) laid
    // where the page wants it, on the gauge when it exists; `notify` raises
    // the gauge's pointer event as a drag would.
    void setPointer(Gauge which, int index, double position, bool notify = false);
    double pointer(Gauge which, int index) const { return m_pointers[which][static_cast<size_t>(index)]; }

    std::array<ILinearGaugePtr, GaugeCount> m_pGauges;
    // What the page last laid on each gauge's pointers. The zones are decided
    // from these, so a gauge that could not be created changes nothing but
    // what is drawn.
    std::array<std::array<double, 3>, GaugeCount> m_pointers {};
    std::array<ILedRoundPtr, 7> m_pIndicatorLeds;
    std::array<IImageDisplayPtr, 8> m_pColourKeys;
    ZoneIndicator m_responseZone;
    ZoneIndicator m_cycleZone;
    ZoneIndicator m_travelZone;
    LimitFieldMarks m_marks;
    std::array<uint8_t, 2> m_ErrorBits {};
    bool m_bCycleEventsOn = false;
    bool m_bTravelEventsOn = false;
    bool m_bResponseEventsOn = false;
    bool m_bResponseChanged = false;
    bool m_bCountersChanged = false;
    bool m_bResponseReload = false;
    bool m_bCountersReload = false;
    bool m_bSkipResponseRead = false;
    bool m_bSkipCountersRead = false;
};
