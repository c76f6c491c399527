#include "FrictionLimitControls.h"

#include "IndicatorColours.h"
#include "KitPage.h"
#include "PageHelpers.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

using namespace FrictionRules;

FrictionLimitControls::FrictionLimitControls(
    KitPage& page, const ILinearGaugePtr& gauge, const Limits& limits, int blinkTimerId, int settleTimerId)
    : m_page(page)
    , m_gauge(gauge)
    , m_limits(limits)
    , m_zone(page, gauge, blinkTimerId, settleTimerId)
    , m_zoneColour(IndicatorColour::Green)
{
}

ISpinEditBoxPtr FrictionLimitControls::spin(int pointer) const
{
    return ISpinEditBoxPtr::fromObject(m_page.control(limit(pointer).spin));
}

FrictionRules::Limits FrictionLimitControls::positions() const
{
    FrictionRules::Limits out {};
    for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
        at(out, pointer) = m_gauge->pointerPosition(pointer);
    return out;
}

void FrictionLimitControls::showDeviceLimits(const std::array<uint16_t, 8>& words)
{
    for (int pointer : { HighAlarm, HighWarning, LowWarning, LowAlarm }) {
        const uint16_t word = words[limit(pointer).word];
        const ISpinEditBoxPtr box = spin(pointer);
        box->setValueSilently(word);
        m_page.setWindowText(limit(pointer).edit, QString::number(word));
        m_gauge->setPointerPositionSilent(pointer, box->value());
    }
}

void FrictionLimitControls::layDeviceLimits(std::array<uint16_t, 8>& words) const
{
    for (const Limit& each : m_limits)
        words[each.word] = DeviceWords::toU16(spin(each.pointer)->value(), 1.0);
}

void FrictionLimitControls::updateZone()
{
    if (const auto colour = FrictionRules::zoneColour(m_gauge->value(), positions()))
        m_zoneColour = *colour;
    m_zone.keep(m_zoneColour);
}

void FrictionLimitControls::setFullScale(double x)
{
    m_gauge->setScaleMax(fullScale(x));
}

void FrictionLimitControls::spinChanged(int pointer)
{
    const double value = spin(pointer)->value();
    m_page.setWindowText(limit(pointer).edit, NumberText::fromDouble(value));
    m_gauge->setPointerPosition(pointer, value);
    setFullScale(spinFullScaleBase(pointer, m_gauge->pointerPosition(HighAlarm)));
}

void FrictionLimitControls::editLeft(int pointer)
{
    spin(pointer)->setValueSilently(GetWindowNumber(m_page.control(limit(pointer).edit)));
    spinChanged(pointer);
}

bool FrictionLimitControls::pointerMoved(int index, bool ordering)
{
    // The value pointer moving is no edit of the limits.
    if (index < LowAlarm || index > HighAlarm)
        return false;
    setFullScale(m_gauge->pointerPosition(HighAlarm));
    if (!ordering)
        return true;
    const FrictionRules::Limits before = positions();
    const Ordering after = orderAfterMove(before, index, at(before, index), m_gauge->scaleMin());
    for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer) {
        if (pointer == index || at(after.limits, pointer) != at(before, pointer))
            showLimit(pointer, at(after.limits, pointer));
    }
    return true;
}

void FrictionLimitControls::showLimit(int pointer, double value)
{
    m_gauge->setPointerPositionSilent(pointer, value);
    const ISpinEditBoxPtr box = spin(pointer);
    box->setValueSilently(value);
    m_page.setWindowText(limit(pointer).edit, NumberText::fromDouble(box->value()));
}
