#pragma once

#include "controls/LinearGauge.h"

#include <cstdint>

class KitPage;

// The live-value pointer of a limit gauge shown in the colour of the zone the
// value is in: outside the green zone the pointer and the bar blink between
// that colour and black every 500 ms; back in green they settle green 500 ms
// later, even when the page is left meanwhile.
class ZoneIndicator
{
public:
    static constexpr int BlinkMs = 500;

    // `gauge` is the page's own pointer to the gauge, which may be made later
    // or stay empty when it cannot be created.
    ZoneIndicator(KitPage& page, const ILinearGaugePtr& gauge, int blinkTimerId, int settleTimerId);

    void show(uint32_t colour);
    // The zone evaluated again, as often as a page likes: a new zone is shown
    // as show() does; the same zone leaves a blink on its beat and a settled
    // pointer as it is, so the pointer still blinks.
    void keep(uint32_t colour);

private:
    void blinkStep();
    void settle();
    void paint(uint32_t colour);

    KitPage& m_page;
    const ILinearGaugePtr& m_gauge;
    int m_blinkTimerId;
    int m_settleTimerId;
    bool m_shown = false;
    uint32_t m_colour = 0; // the zone last shown
    bool m_lit = false; // blink phase
    uint32_t m_savedColour = 0;
};
