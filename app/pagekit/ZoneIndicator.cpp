#include "ZoneIndicator.h"

#include "IndicatorColours.h"
#include "KitPage.h"

ZoneIndicator::ZoneIndicator(KitPage& page, const ILinearGaugePtr& gauge, int blinkTimerId, int settleTimerId)
    : m_page(page)
    , m_gauge(gauge)
    , m_blinkTimerId(blinkTimerId)
    , m_settleTimerId(settleTimerId)
{
}

void ZoneIndicator::keep(uint32_t colour)
{
    const bool blinking = m_page.timerArmed(m_blinkTimerId);
    if (m_shown && colour == m_colour && blinking == (colour != IndicatorColour::Green))
        return;
    show(colour);
}

void ZoneIndicator::show(uint32_t colour)
{
    m_shown = true;
    m_colour = colour;
    paint(colour);
    if (colour == IndicatorColour::Green) {
        m_page.killTimer(m_blinkTimerId);
        m_page.once(
            m_settleTimerId, BlinkMs, "OnTimer", [this] { settle(); }, KitPage::OnStop::KeepRunning);
        m_lit = false;
    } else {
        // A pending turn to green would otherwise be saved and blinked as
        // this zone's colour.
        m_page.killTimer(m_settleTimerId);
        m_page.repeat(m_blinkTimerId, BlinkMs, "OnTimer", [this] { blinkStep(); });
        m_lit = true;
    }
}

void ZoneIndicator::settle()
{
    paint(IndicatorColour::Green);
}

void ZoneIndicator::blinkStep()
{
    const uint32_t colour = m_lit ? IndicatorColour::Black : m_savedColour;
    if (m_lit)
        m_savedColour = m_gauge ? m_gauge->pointerColor(0) : m_colour;
    paint(colour);
    m_lit = !m_lit;
}

// A gauge that could not be created has nothing to colour; the zone and its
// timers still run so that the page behaves alike with or without it.
void ZoneIndicator::paint(uint32_t colour)
{
    if (!m_gauge)
        return;
    m_gauge->setPointerColor(0, colour);
    m_gauge->setIndicatorColor(colour);
}
