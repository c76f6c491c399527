#pragma once

#include "FrictionRules.h"
#include "LimitFieldMarks.h"
#include "ZoneIndicator.h"

#include "controls/LinearGauge.h"
#include "controls/SpinEditBox.h"

#include <array>
#include <cstdint>

class KitPage;

// The friction gauge and the four limits' edits and spins of a friction page,
// held in step by the friction rules: the value pointer in its zone colour,
// a moved limit keeping the others in order, a spin's value in its edit and
// pointer, a typed limit in its spin. Both friction pages keep their limits
// through it. A gauge that could not be created leaves the edits and spins
// working on their own: the zone and the order of the limits are then decided
// from the spins and the friction last shown.
class FrictionLimitControls
{
public:
    // One limit: its gauge pointer (FrictionRules::Pointer), edit, spin,
    // the validity mark beside its edit and its device word.
    struct Limit {
        int pointer;
        int edit;
        int spin;
        int mark;
        size_t word;
    };
    using Limits = std::array<Limit, 4>; // low alarm, low warning, high warning, high alarm

    // `gauge` is the page's own pointer to the gauge, which is made later.
    FrictionLimitControls(
        KitPage& page, const ILinearGaugePtr& gauge, const Limits& limits, int blinkTimerId, int settleTimerId);

    const Limit& limit(int pointer) const { return m_limits[static_cast<size_t>(pointer - 1)]; }
    // A limit as Apply writes it: whole pounds, cut toward zero and held to
    // the device word. Every value the page itself puts in a limit (a
    // pointer's, a preset's, a spin's) is put there on this step, so the edit
    // shows what will be sent.
    static double written(double value);
    // Follows the typed limits, each a whole number from its floor to its top
    // (once the page's controls are made): any of them goes out as typed,
    // with the others pushed to keep the order.
    void followTypedLimits();
    // Whether every limit's edit holds a number in its range (each one that
    // does not is marked, and the first is logged as the reason `command`
    // was not sent).
    bool typedLimitsHold(const char* command);
    ISpinEditBoxPtr spin(int pointer) const;
    // Where the four limits stand: the gauge's pointers, or the spins without a gauge.
    FrictionRules::Limits positions() const;

    // The friction value on the gauge, kept for the zone; what the gauge
    // shows of it (the value itself without a gauge).
    double showValue(double value);

    // The device's limits (FrictionSettings words) in the spins, edits and
    // pointers as they stand: a load is no edit, so nothing is ordered.
    void showDeviceLimits(const std::array<uint16_t, 8>& words);
    // Whether the device's limits have been shown since the page was made:
    // before that the spins hold no limit the device has.
    bool deviceLimitsShown() const { return m_deviceLimitsShown; }
    // The spins' values into the device words, truncated toward zero and held to 16 bits.
    void layDeviceLimits(std::array<uint16_t, 8>& words) const;

    // The value pointer in the colour of its zone; on an alarm limit the
    // colour stays as it was. Outside the green zone it blinks.
    void updateZone();
    // The page is shown again: a pointer left dark by a blink stopped when the
    // page was left shows its zone at once, and blinks again outside green.
    void pageShown();
    uint32_t zoneColour() const { return m_zoneColour; }

    void setFullScale(double x);

    // Limit `pointer` took a new value in its spin: the edit and the pointer
    // follow (the pointer by the ordinary move, so the limits are ordered),
    // and the full scale follows the high alarm.
    void spinChanged(int pointer);
    // The edit of limit `pointer` lost the focus: a number in the limit's
    // range goes to the spin and on as the spin's change; any other text
    // stays as typed, marked, and moves nothing.
    void editLeft(int pointer);
    // The gauge reports that pointer `index` moved: the full scale follows the
    // high alarm and, once `ordering`, the other limits are pushed to keep the
    // order. False for a pointer that is no limit.
    bool pointerMoved(int index, bool ordering);
    // Where the gauge's scale starts (zero without a gauge): the floors of the limits follow it.
    double scaleMin() const;

private:
    void showLimit(int pointer, double value);
    // The other limits pushed to keep the order after limit `index` moved.
    void order(int index);

    KitPage& m_page;
    const ILinearGaugePtr& m_gauge;
    Limits m_limits;
    ZoneIndicator m_zone;
    LimitFieldMarks m_marks;
    // Every zone starts green, so a first value on an alarm limit shows green.
    uint32_t m_zoneColour;
    double m_value = 0.0;
    bool m_deviceLimitsShown = false;
};
