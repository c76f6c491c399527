#include "FrictionLimitControls.h"

#include "IndicatorColours.h"
#include "KitPage.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <algorithm>

using namespace FrictionRules;

FrictionLimitControls::FrictionLimitControls(
    KitPage& page, const ILinearGaugePtr& gauge, const Limits& limits, int blinkTimerId, int settleTimerId)
    : m_page(page)
    , m_gauge(gauge)
    , m_limits(limits)
    , m_zone(page, gauge, blinkTimerId, settleTimerId)
    , m_marks(page)
    , m_zoneColour(IndicatorColour::Green)
{
}

double FrictionLimitControls::written(double value)
{
    return DeviceWords::toU16(value, 1.0);
}

void FrictionLimitControls::followTypedLimits()
{
    static const char* const names[] = { "the friction low alarm", "the friction low warning",
        "the friction high warning", "the friction high alarm" };
    std::vector<LimitFieldMarks::Field> fields;
    for (const Limit& each : m_limits) {
        // The device keeps whole pounds: a typed fraction is refused, and
        // the page's own values are put on whole pounds (see written). A
        // limit below its floor or above its top could not go out as typed
        // with the others in order around it, so it is refused as well.
        const FieldRange range { floorOf(each.pointer, scaleMin()),
            std::min(topOf(each.pointer), spin(each.pointer)->max()), FieldStep::Whole };
        fields.push_back({ each.edit, each.mark, range, QString::fromLatin1(names[each.pointer - 1]) });
    }
    m_marks.add(fields);
}

bool FrictionLimitControls::typedLimitsHold(const char* command)
{
    return m_marks.checkAll({ m_limits[0].edit, m_limits[1].edit, m_limits[2].edit, m_limits[3].edit }, command);
}

double FrictionLimitControls::scaleMin() const
{
    return m_gauge ? m_gauge->scaleMin() : 0.0;
}

ISpinEditBoxPtr FrictionLimitControls::spin(int pointer) const
{
    return ISpinEditBoxPtr::fromObject(m_page.control(limit(pointer).spin));
}

FrictionRules::Limits FrictionLimitControls::positions() const
{
    FrictionRules::Limits out {};
    for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
        at(out, pointer) = m_gauge ? m_gauge->pointerPosition(pointer) : spin(pointer)->value();
    return out;
}

double FrictionLimitControls::showValue(double value)
{
    if (m_gauge) {
        m_gauge->setValue(value);
        value = m_gauge->value();
    }
    m_value = value;
    return value;
}

void FrictionLimitControls::showDeviceLimits(const std::array<uint16_t, 8>& words)
{
    for (int pointer : { HighAlarm, HighWarning, LowWarning, LowAlarm }) {
        const uint16_t word = words[limit(pointer).word];
        const ISpinEditBoxPtr box = spin(pointer);
        box->setValueSilently(word);
        m_page.setWindowText(limit(pointer).edit, QString::number(word));
        if (m_gauge)
            m_gauge->setPointerPositionSilent(pointer, box->value());
    }
    m_deviceLimitsShown = true;
}

void FrictionLimitControls::layDeviceLimits(std::array<uint16_t, 8>& words) const
{
    for (const Limit& each : m_limits)
        words[each.word] = DeviceWords::toU16(spin(each.pointer)->value(), 1.0);
}

void FrictionLimitControls::updateZone()
{
    const double value = m_gauge ? m_gauge->value() : m_value;
    if (const auto colour = FrictionRules::zoneColour(value, positions()))
        m_zoneColour = *colour;
    m_zone.keep(m_zoneColour);
}

void FrictionLimitControls::pageShown()
{
    // A stopped blink leaves the zone as it was but its timer gone, which
    // keep() takes for a zone not yet shown.
    updateZone();
}

void FrictionLimitControls::setFullScale(double x)
{
    if (m_gauge)
        m_gauge->setScaleMax(fullScale(x));
}

void FrictionLimitControls::spinChanged(int pointer)
{
    const ISpinEditBoxPtr box = spin(pointer);
    // A fraction in the spin would show in the edit and go out cut.
    box->setValueSilently(written(box->value()));
    const double value = box->value();
    m_page.setWindowText(limit(pointer).edit, NumberText::fromDouble(value));
    m_marks.pageText(limit(pointer).edit);
    if (m_gauge)
        m_gauge->setPointerPosition(pointer, value);
    else
        order(pointer); // as the gauge's move would
    setFullScale(spinFullScaleBase(pointer, at(positions(), HighAlarm)));
}

void FrictionLimitControls::editLeft(int pointer)
{
    const std::optional<double> typed = m_marks.check(limit(pointer).edit);
    if (!typed)
        return;
    spin(pointer)->setValueSilently(*typed);
    spinChanged(pointer);
}

bool FrictionLimitControls::pointerMoved(int index, bool ordering)
{
    // The value pointer moving is no edit of the limits.
    if (index < LowAlarm || index > HighAlarm)
        return false;
    setFullScale(m_gauge->pointerPosition(HighAlarm));
    if (ordering) {
        order(index);
        // A high alarm pushed up stays on the scale, with its edit.
        setFullScale(m_gauge->pointerPosition(HighAlarm));
    }
    return true;
}

void FrictionLimitControls::order(int index)
{
    const FrictionRules::Limits before = positions();
    // Ordered on the whole pound it will stand on, so that the pushes keep
    // the limits a pound apart as they are written.
    const Ordering after = orderAfterMove(before, index, written(at(before, index)), scaleMin());
    for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer) {
        if (pointer == index || at(after.limits, pointer) != at(before, pointer))
            showLimit(pointer, at(after.limits, pointer));
    }
}

void FrictionLimitControls::showLimit(int pointer, double value)
{
    // A pointer dragged or pushed to a fraction stands on the whole pound
    // that Apply will write.
    value = written(value);
    if (m_gauge)
        m_gauge->setPointerPositionSilent(pointer, value);
    const ISpinEditBoxPtr box = spin(pointer);
    box->setValueSilently(value);
    m_page.setWindowText(limit(pointer).edit, NumberText::fromDouble(box->value()));
    m_marks.pageText(limit(pointer).edit);
}
