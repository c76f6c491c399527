#include "CActuatorHealth.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "IndicatorColours.h"
#include "MiscAccessors.h"
#include "PageControls.h"
#include "PageHelpers.h"

#include "automation/NumberText.h"

#include <QAbstractButton>

#include <algorithm>
#include <cmath>

namespace
{
using namespace IndicatorColour;
using namespace ActuatorHealthRules;
using PageControls::text;
}

CActuatorHealth::CActuatorHealth(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CActuatorHealth"), DialogId, StripTimer::OnActivation, parent)
    , m_zones { ZoneIndicator(*this, m_pGauges[Leak], FirstBlinkTimerId + Leak, FirstSettleTimerId + Leak),
        ZoneIndicator(*this, m_pGauges[Supply], FirstBlinkTimerId + Supply, FirstSettleTimerId + Supply),
        ZoneIndicator(*this, m_pGauges[Ratio], FirstBlinkTimerId + Ratio, FirstSettleTimerId + Ratio) }
    , m_marks(*this)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CActuatorHealth::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    createColourKeys();
    createGauges();
    createLeds();
    if (data().IsK40())
        disableLeakGroup();
    for (GroupState& group : m_groups)
        group.reload = true;
    connectHandlers();
    m_marks.add(LimitFields);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    if (data().IsK40())
        setToolTips(SupplySensorToolTips);
}

void CActuatorHealth::createColourKeys()
{
    for (size_t k = 0; k < m_pColourKeys.size(); ++k) {
        m_pColourKeys[k] = CreateImageDisplayControl(this, controlScreenRect(ColourKeys[k].host),
            FirstColourKeyId + int(k), ColourKeys[k].picture, context().log());
    }
}

void CActuatorHealth::createGauges()
{
    for (const GaugeSetup& setup : Gauges) {
        ILinearGaugePtr gauge
            = CreateLinearGauge(this, controlScreenRect(setup.host), setup.id, setup.maximum, context().log());
        m_pGauges[setup.group] = gauge;
        if (!gauge)
            continue;
        for (int k = 0; k < setup.pointers; ++k)
            gauge->setPointerColor(gauge->addPointer(), setup.pointerColours[k]);
    }
}

void CActuatorHealth::createLeds()
{
    for (size_t k = 0; k < m_pTroubleLeds.size(); ++k) {
        m_pTroubleLeds[k]
            = CreateRoundLed(this, controlScreenRect(TroubleLeds[k].host), TroubleLeds[k].id, context().log());
    }
}

void CActuatorHealth::disableLeakGroup()
{
    m_pGauges[Leak]->setActive(false);
    for (int id : { LeakWarningEdit, LeakAlarmEdit, LeakEdit, NominalLeakEdit, LeakWarningSpin, LeakAlarmSpin })
        enableControl(id, false);
    for (int id : { LeakButton, FailSafeButton }) {
        enableControl(id, false);
        showControl(id, false);
    }
    m_pTroubleLeds[0]->setActive(false);
    showControl(FailSafeCaption, false);
    setWindowText(LeakGroupId, QStringLiteral("Actuator Pneumatic Leak(Not Available)"));
    enableControl(LeakGroupId, false);
    PageControls::setCaption(this, Port2Caption, QStringLiteral("Supply Pressure Sensor Out of Range"));
}

void CActuatorHealth::connectHandlers()
{
    for (const Limit& limit : Limits) {
        const int edit = limit.edit;
        const int spinId = limit.spin;
        onKillFocus(edit, "OnLimitEditKillFocus", [this, edit] { OnLimitEditKillFocus(edit); });
        on(controlAs<SpinEditBox>(spinId), &SpinEditBox::valueChanged, "OnLimitSpinChanged",
            [this, spinId](int) { OnLimitSpinChanged(spinId); });
    }
    for (int group = 0; group < GroupCount; ++group) {
        on(m_pGauges[static_cast<size_t>(group)], &LinearGauge::pointerMoved, "OnLimitPointerMoved",
            [this, group](int index) { OnLimitPointerMoved(Group(group), index); });
    }
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    for (int button : { LeakButton, SupplyButton, RatioButton, FailSafeButton, Port1Button, Port2Button })
        onClicked(button, "OnImplicationsButton", [this, button] { OnImplicationsButton(button); });
}

ISpinEditBoxPtr CActuatorHealth::spin(int spinId) const
{
    return ISpinEditBoxPtr::fromObject(control(spinId));
}

// ---------------------------------------------------------------------------
// Page contract

void CActuatorHealth::ActivatePage()
{
    for (GroupState& group : m_groups)
        group.pointerEvents = true;
    StripPage::ActivatePage();
    DeviceData& dd = data();
    if (dd.PressureUnitChanged) {
        dd.PressureUnitChanged = 0;
        m_groups[Leak].reload = true;
        m_groups[Supply].reload = true;
    }
    // The live refresh must run even when one control of the first read fails.
    guard("ActivatePage", [this] { readGroups(); });
    every(LiveTimerId, LiveMs, "RefreshLiveValues", [this] { RefreshLiveValues(); });
    for (GroupState& group : m_groups)
        group.changed = false;
}

void CActuatorHealth::readGroups()
{
    ReadPressureUnits();
    ReloadLeakLimits();
    ReloadSupplyLimits();
    ReloadRatioLimits();
    RepaintTroubleLeds();
}

// ---------------------------------------------------------------------------
// Retrieve and Apply

void CActuatorHealth::OnRetrieve()
{
    for (GroupState& group : m_groups) {
        group.changed = false;
        group.reload = true;
    }
    readGroups();
}

void CActuatorHealth::OnApply()
{
    DeviceData& dd = data();
    // A group with a limit the page does not take is neither written nor shown
    // again: its limits stay on the page as typed, marked, the change pending.
    std::array<bool, GroupCount> held {};
    held[Leak] = leakServed() && m_groups[Leak].changed
        && !m_marks.checkAll({ LeakWarningEdit, LeakAlarmEdit }, "Write_Leak_Values");
    held[Supply] = m_groups[Supply].changed
        && !m_marks.checkAll({ LowAlarmEdit, LowWarningEdit, HighWarningEdit }, "Write_Supply_Pressure");
    held[Ratio]
        = m_groups[Ratio].changed && !m_marks.checkAll({ InitialWarningEdit, FullWarningEdit }, "Write_ActRatio_Info");
    auto typed = [this](int editId) { return m_marks.check(editId).value_or(0.0); };
    // A limit the user left alone goes back as the device gave it: its shown
    // text is rounded to the unit's tenths and would come back as another word.
    if (leakServed() && m_groups[Leak].changed && !held[Leak]) {
        dd.LeakValues[1] = untouchedWord(LeakWarningEdit).value_or(leakWord(typed(LeakWarningEdit), m_LeakUnitFactor));
        dd.LeakValues[2] = untouchedWord(LeakAlarmEdit).value_or(leakWord(typed(LeakAlarmEdit), m_LeakUnitFactor));
        write(HartCommand::WriteLeakValues);
        m_groups[Leak].changed = false;
        m_groups[Leak].reload = true;
    }
    if (m_groups[Supply].changed && !held[Supply]) {
        // Without the pressure scale every limit would go out as the largest word.
        if (m_SupplyPressureFactor > 0.0) {
            auto word = [&](int editId) {
                return untouchedWord(editId).value_or(supplyWord(typed(editId), m_SupplyPressureFactor));
            };
            dd.SupplySettings[2] = word(HighWarningEdit);
            dd.SupplySettings[3] = word(LowWarningEdit);
            dd.SupplySettings[4] = word(LowAlarmEdit);
            write(HartCommand::WriteSupplyPressure);
            m_groups[Supply].changed = false;
            m_groups[Supply].reload = true;
        } else {
            context().log().WriteLog(QStringLiteral("CActuatorHealth supply limits not written: no pressure scale"));
        }
    }
    if (m_groups[Ratio].changed && !held[Ratio]) {
        dd.ActRatio[1] = untouchedWord(InitialWarningEdit).value_or(ratioWord(typed(InitialWarningEdit)));
        dd.ActRatio[2] = untouchedWord(FullWarningEdit).value_or(ratioWord(typed(FullWarningEdit)));
        write(HartCommand::WriteActRatioInfo);
        m_groups[Ratio].changed = false;
        m_groups[Ratio].reload = true;
    }
    RefreshStrip();
    for (size_t group = 0; group < m_groups.size(); ++group) {
        m_groups[group].cached = true;
        if (held[group])
            m_groups[group].changed = false; // not shown again below
    }
    readGroups();
    for (size_t group = 0; group < m_groups.size(); ++group) {
        m_groups[group].cached = false;
        if (held[group])
            m_groups[group].changed = true;
    }
}

// ---------------------------------------------------------------------------
// Units and trouble-shooting LEDs

void CActuatorHealth::ReadPressureUnits()
{
    read(HartCommand::ReadUnits);
    const bool leakCaption = !data().IsK40();
    m_LeakUnitFactor = 1.0;
    setWindowText(NominalLeakEdit, QStringLiteral("0.1"));
    if (leakCaption)
        setWindowText(LeakGroupId, QStringLiteral("Actuator Pneumatic Leak (scfm)"));
    const UnitScales* scales = unitScales(data().PressureUnit);
    setUnitRanges(scales);
    if (!scales) {
        m_pGauges[Supply]->setScaleMax(100.0);
        return;
    }
    m_LeakUnitFactor = scales->leakFactor;
    setWindowText(NominalLeakEdit, text(scales->nominalLeak));
    m_pGauges[Leak]->setScaleMax(scales->leakMaximum);
    spin(LeakWarningSpin)->setMax(scales->leakSpinMaximum[0]);
    spin(LeakAlarmSpin)->setMax(scales->leakSpinMaximum[1]);
    m_pGauges[Supply]->setScaleMax(scales->supplyMaximum);
    spin(LowAlarmSpin)->setMax(scales->supplySpinMaximum[0]);
    spin(LowWarningSpin)->setMax(scales->supplySpinMaximum[1]);
    spin(HighWarningSpin)->setMax(scales->supplySpinMaximum[2]);
    if (leakCaption)
        setWindowText(LeakGroupId, text(scales->leakCaption));
}

void CActuatorHealth::setUnitRanges(const UnitScales* scales)
{
    // The leak as far as its device word reaches, in the leak's unit; the
    // supply limits as far as the supply gauge. The word counts thousandths
    // of an scfm, so in scfm a finer value would be cut; in slm one count is
    // 0.0283, no decimal step, and any value is taken. The supply limits are
    // shown and stepped in tenths of the unit, so a finer one is refused
    // rather than written and then shown as another value.
    const double leakFactor = scales ? scales->leakFactor : 1.0;
    const FieldRange leak { 0.0, 65.535 * leakFactor, leakFactor == 1.0 ? FieldStep::Thousandths : FieldStep::Any };
    m_marks.setRange(LeakWarningEdit, leak);
    m_marks.setRange(LeakAlarmEdit, leak);
    const FieldRange supply { 0.0, scales ? scales->supplyMaximum : 100.0, FieldStep::Tenths };
    for (int edit : { LowAlarmEdit, LowWarningEdit, HighWarningEdit })
        m_marks.setRange(edit, supply);
}

void CActuatorHealth::RepaintTroubleLeds()
{
    read(HartCommand::ReadErrorHist);
    const auto& history = data().ErrorHistory;
    const bool on[3] = { (history[2] & 0x02) != 0, (history[5] & 0x08) != 0, (history[5] & 0x10) != 0 };
    for (size_t k = 0; k < 3; ++k)
        m_pTroubleLeds[k]->setLitColor(on[k] ? Yellow : Green);
}

// ---------------------------------------------------------------------------
// Live values and group reloads

bool CActuatorHealth::leakServed() const
{
    return !data().IsK40();
}

void CActuatorHealth::showLeakValue()
{
    const ILinearGaugePtr& gauge = m_pGauges[Leak];
    gauge->setValue(data().LeakValues[0] * 0.001 * m_LeakUnitFactor);
    setWindowText(LeakEdit, NumberText::fromDouble(gauge->value()));
}

void CActuatorHealth::showSupplyValue()
{
    const double supply = data().SupplySettings[0] * 0.01 * 0.01 * m_SupplyPressureFactor;
    setWindowText(SupplyEdit, NumberText::format("%5.2f", supply));
    m_pGauges[Supply]->setValue(supply);
}

void CActuatorHealth::showRatioValue()
{
    const double ratio = data().ActRatio[0] * 0.01;
    setWindowText(RatioEdit, NumberText::fromDouble(ratio));
    m_pGauges[Ratio]->setValue(ratio);
}

void CActuatorHealth::RefreshLiveValues()
{
    if (leakServed()) {
        read(HartCommand::ReadLeakValues);
        showLeakValue();
        checkGroup(Leak);
    }
    read(HartCommand::ReadSupplyPressure);
    showSupplyValue();
    checkGroup(Supply);
    read(HartCommand::ReadActRatioInfo);
    showRatioValue();
    checkGroup(Ratio);
    RepaintTroubleLeds();
}

double CActuatorHealth::limitValue(int editId)
{
    if (const std::optional<double> typed = m_marks.range(editId).take(WindowNumber(control(editId))))
        return *typed;
    const Limit* limit = limitOf(Limits, editId);
    return spin(limit->spin)->value() * limit->spinScale;
}

void CActuatorHealth::checkGroup(Group group)
{
    auto edit = [this](int id) { return limitValue(id); };
    switch (group) {
    case Leak:
        CheckLeakLimits(edit(LeakWarningEdit), edit(LeakAlarmEdit));
        break;
    case Supply:
        CheckSupplyLimits(edit(LowAlarmEdit), edit(LowWarningEdit), edit(HighWarningEdit));
        break;
    case Ratio:
        CheckRatioLimits(edit(InitialWarningEdit), edit(FullWarningEdit));
        break;
    default:
        break;
    }
}

// A limit from the device: its spin takes it (the spin's handler fills the
// edit), its pointer moves to it silently.
void CActuatorHealth::setLimit(int editId, double value)
{
    const Limit* limit = limitOf(Limits, editId);
    // A supply spin counts the tenths its edit shows: from a device value
    // finer than that (60.12) it stands on the tenth shown (60.1), so its
    // arrows step to values the page takes.
    const double steps = value / limit->spinScale;
    spin(limit->spin)->setValueSilently(limit->group == Supply ? std::round(steps) : steps);
    OnLimitSpinChanged(limit->spin);
    m_pGauges[limit->group]->setPointerPositionSilent(limit->pointer, value);
    // The device's own limit goes back as it came, whatever the page's range.
    m_marks.shown(editId, value);
    m_marks.clear(editId);
}

void CActuatorHealth::keepDeviceWord(int editId, uint16_t word)
{
    const auto index = static_cast<size_t>(limitOf(Limits, editId) - Limits);
    m_deviceWords[index] = DeviceWord { word, windowText(editId) };
    // The text as shown is the page's own: the marks take it as it stands.
    m_marks.pageText(editId);
}

std::optional<uint16_t> CActuatorHealth::untouchedWord(int editId) const
{
    const auto index = static_cast<size_t>(limitOf(Limits, editId) - Limits);
    const std::optional<DeviceWord>& kept = m_deviceWords[index];
    // Typed, spun or dragged, the edit shows another text: the user's value
    // counts. The text shown typed again, blanks aside, is the device's word.
    if (!kept || !TypedAsShown(windowText(editId), kept->shown))
        return std::nullopt;
    return kept->word;
}

void CActuatorHealth::ReloadLeakLimits()
{
    GroupState& state = m_groups[Leak];
    if (!leakServed() || !(state.reload || state.changed))
        return;
    if (!state.cached)
        read(HartCommand::ReadLeakValues);
    showLeakValue();
    const auto& leak = data().LeakValues;
    setLimit(LeakWarningEdit, leak[1] * 0.001 * m_LeakUnitFactor);
    setLimit(LeakAlarmEdit, leak[2] * 0.001 * m_LeakUnitFactor);
    keepDeviceWord(LeakWarningEdit, leak[1]);
    keepDeviceWord(LeakAlarmEdit, leak[2]);
    checkGroup(Leak);
    state.reload = false;
    state.changed = false;
}

void CActuatorHealth::ReloadSupplyLimits()
{
    GroupState& state = m_groups[Supply];
    if (!(state.reload || state.changed))
        return;
    m_SupplyPressureFactor = context().misc().ReadMiscLong69();
    if (!state.cached)
        read(HartCommand::ReadSupplyPressure);
    showSupplyValue();
    const auto& supply = data().SupplySettings;
    setWindowText(NominalSupplyEdit, NumberText::fromDouble(supply[1] * 0.01));
    const int edits[3] = { LowAlarmEdit, LowWarningEdit, HighWarningEdit };
    const size_t words[3] = { 4, 3, 2 };
    for (int k = 0; k < 3; ++k) {
        const double value = supply[words[k]] * 0.01 * 0.01 * m_SupplyPressureFactor;
        setLimit(edits[k], value);
        setWindowText(edits[k], NumberText::format("%5.1f", value));
        keepDeviceWord(edits[k], static_cast<uint16_t>(supply[words[k]]));
    }
    checkGroup(Supply);
    state.reload = false;
    state.changed = false;
}

void CActuatorHealth::ReloadRatioLimits()
{
    GroupState& state = m_groups[Ratio];
    if (!(state.reload || state.changed))
        return;
    if (!state.cached)
        read(HartCommand::ReadActRatioInfo);
    showRatioValue();
    const auto& ratio = data().ActRatio;
    const double initial = ratio[1] * 0.01;
    const double full = ratio[2] * 0.01;
    setLimit(InitialWarningEdit, initial);
    setLimit(FullWarningEdit, full);
    setWindowText(InitialWarningEdit, NumberText::format("%5.1f", initial));
    setWindowText(FullWarningEdit, NumberText::format("%5.1f", full));
    keepDeviceWord(InitialWarningEdit, ratio[1]);
    keepDeviceWord(FullWarningEdit, ratio[2]);
    checkGroup(Ratio);
    state.reload = false;
    state.changed = false;
}

// ---------------------------------------------------------------------------
// The user's three ways of changing a limit

void CActuatorHealth::OnLimitSpinChanged(int spinId)
{
    const Limit* limit = limitOf(Limits, spinId);
    const double value = spin(spinId)->value() * limit->spinScale;
    setWindowText(limit->edit, NumberText::fromDouble(value));
    m_pGauges[limit->group]->setPointerPositionSilent(limit->pointer, value);
    if (spinId == InitialWarningSpin)
        CheckRatioLimits(value, spin(FullWarningSpin)->value() * 0.1);
    m_groups[limit->group].changed = true;
}

void CActuatorHealth::OnLimitEditKillFocus(int editId)
{
    const Limit* limit = limitOf(Limits, editId);
    m_groups[limit->group].changed = true;
    // A text that is not a number in the limit's range stays as typed,
    // marked, and moves nothing.
    const std::optional<double> typed = m_marks.check(editId);
    if (!typed)
        return;
    const ISpinEditBoxPtr box = spin(limit->spin);
    double value = *typed;
    // The typed text stays as it is (Apply writes it); only the spin and
    // the pointer stop at the spin's maximum.
    if (limit->group != Leak)
        value = std::min(value, box->max() * limit->spinScale);
    box->setValueSilently(value / limit->spinScale);
    m_pGauges[limit->group]->setPointerPositionSilent(limit->pointer, value);
}

void CActuatorHealth::OnLimitPointerMoved(Group group, int index)
{
    GroupState& state = m_groups[group];
    const Limit* moved = limitAt(Limits, group, index);
    if (!state.pointerEvents || !moved)
        return;
    state.changed = true;
    const ILinearGaugePtr& gauge = m_pGauges[group];
    const double top = std::max(gauge->scaleMin(), gauge->scaleMax());
    const double position = std::clamp(gauge->pointerPosition(index), gauge->scaleMin(), top);
    gauge->setPointerPositionSilent(index, position);
    const char* format = group == Leak ? "%.2f" : "%.1f";
    auto show = [&](const Limit* limit, double value) {
        const double steps = value / limit->spinScale;
        spin(limit->spin)->setValueSilently(group == Supply ? std::round(steps) : steps);
        setWindowText(limit->edit, NumberText::format(format, value));
    };
    for (const Push& push : pushes()) {
        if (push.group != group || push.moved != index)
            continue;
        std::optional<double> pushed = pushedTo(push, position, gauge->pointerPosition(push.neighbour));
        if (!pushed)
            continue;
        // The leak alarm may stand just past the scale's end; the others stop there.
        if (group != Leak)
            pushed = std::clamp(*pushed, gauge->scaleMin(), top);
        gauge->setPointerPositionSilent(push.neighbour, *pushed);
        show(limitAt(Limits, group, push.neighbour), *pushed);
    }
    show(moved, position);
}

// ---------------------------------------------------------------------------
// Limit colours and blinking

void CActuatorHealth::CheckLeakLimits(double warning, double alarm)
{
    showIndicator(Leak, leakColour(m_pGauges[Leak]->value(), warning, alarm));
}

void CActuatorHealth::CheckRatioLimits(double initialWarning, double fullWarning)
{
    showIndicator(Ratio, ratioColour(m_pGauges[Ratio]->value(), initialWarning, fullWarning));
}

void CActuatorHealth::CheckSupplyLimits(double lowAlarm, double lowWarning, double highWarning)
{
    if (const auto colour = supplyColour(m_pGauges[Supply]->value(), lowAlarm, lowWarning, highWarning))
        showIndicator(Supply, *colour);
}

void CActuatorHealth::showIndicator(Group group, uint32_t colour)
{
    m_zones[group].show(colour);
}

// ---------------------------------------------------------------------------
// Implications and possible solutions

void CActuatorHealth::OnImplicationsButton(int buttonId)
{
    if (buttonId != Port2Button) {
        PageControls::showHelpRow(this, buttonId, Implications, ImplicationsEdit, SolutionsEdit);
        return;
    }
    // Port 2 is the supply sensor on the smaller model: one row, two texts.
    auto* button = controlAs<QAbstractButton>(buttonId);
    if (!button || !button->isChecked())
        return;
    setWindowText(ImplicationsEdit, text(data().IsK40() ? SupplyPortImplication : Port2Implication));
    setWindowText(SolutionsEdit, text(SensorSolution));
}
