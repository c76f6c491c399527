#include "CValveHealth.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "IndicatorColours.h"
#include "PageControls.h"
#include "PageHelpers.h"
#include "ValidityMark.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <algorithm>

namespace
{
using namespace FrictionRules;
using namespace ValveHealthRules;
using PageControls::text;

// The fields of DeviceData::TravelCycle, in reply order.
enum Field : size_t {
    AccumulatedTravel = 0,
    TravelInitialWarning = 1,
    TravelFullWarning = 2,
    TravelDeadband = 4,
    StrokeLength = 5,
    CycleCount = 6,
    CyclesInitialWarning = 7,
    CyclesFullWarning = 8,
    CycleDeadband = 10,
};

constexpr uint32_t WarningMarker = 0x3399CC;
constexpr uint32_t FullWarningMarker = IndicatorColour::Orange;
constexpr double FirstFrictionPositions[4] { 10, 50, 100, 150 };

FrictionLimitControls::Limits frictionControls()
{
    FrictionLimitControls::Limits out {};
    for (size_t k = 0; k < out.size(); ++k) {
        const CValveHealth::FrictionLimit& limit = CValveHealth::FrictionLimits[k];
        out[k] = { limit.pointer, limit.edit, limit.spin, limit.mark, limit.word };
    }
    return out;
}

// A signed 16-bit field of the reply as the device meant it.
double signedWord(uint32_t field)
{
    return static_cast<int16_t>(static_cast<uint16_t>(field));
}
}

CValveHealth::CValveHealth(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CValveHealth"), DialogId, StripTimer::OnActivation, parent)
    , m_friction(*this, m_pFrictionGauge, frictionControls(), BlinkTimerId, SettleTimerId)
    , m_marks(*this)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CValveHealth::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    setWindowText(StrokeUnitLabel, QStringLiteral("%"));
    for (size_t k = 0; k < m_pColourKeys.size(); ++k) {
        m_pColourKeys[k] = CreateImageDisplayControl(this, controlScreenRect(FirstKeyHost + int(k)),
            FirstColourKeyId + int(k), ColourKeyPictures[k], context().log());
    }
    createGauges();
    m_bCountersChanged = false;
    m_bFrictionChanged = false;
    m_bCountersReload = true;
    m_bFrictionReload = true;
    connectHandlers();
    m_friction.followTypedLimits();
    m_marks.add(CounterFields);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    // Each counter setting's spin names the bounds it holds.
    const std::pair<int, int> spins[] = { { Counters[Cycles].deadbandSpin, Counters[Cycles].deadbandEdit },
        { Counters[Cycles].fullWarningSpin, Counters[Cycles].fullWarningEdit }, { StrokeLengthSpin, StrokeLengthEdit },
        { Counters[Travel].deadbandSpin, Counters[Travel].deadbandEdit },
        { Counters[Travel].fullWarningSpin, Counters[Travel].fullWarningEdit } };
    for (const auto& [spinId, edit] : spins)
        setToolTips({ { spinId, m_marks.range(edit).tip() } });
}

void CValveHealth::createGauges()
{
    m_pFrictionGauge
        = CreateLinearGauge(this, controlScreenRect(FrictionGaugeHost), FrictionGaugeId, 10000.0, context().log());
    if (m_pFrictionGauge) {
        for (const FrictionLimit& limit : FrictionLimits) {
            const int index = m_pFrictionGauge->addPointer();
            m_pFrictionGauge->setPointerColor(index, limit.colour);
            m_pFrictionGauge->setPointerDraggable(index, true);
            m_pFrictionGauge->setPointerPositionSilent(index, FirstFrictionPositions[index - 1]);
        }
    }
    for (int counter = 0; counter < CounterCount; ++counter) {
        const CounterControls& controls = Counters[counter];
        const double maximum = CyclesSpinMaximum;
        ILinearGaugePtr gauge
            = CreateLinearGauge(this, controlScreenRect(controls.host), controls.gauge, maximum, context().log());
        m_pCounterGauges[static_cast<size_t>(counter)] = gauge;
        if (!gauge)
            continue;
        gauge->setPointerColor(gauge->addPointer(), WarningMarker);
        const int full = gauge->addPointer();
        gauge->setPointerColor(full, FullWarningMarker);
        gauge->setPointerDraggable(full, true);
    }
}

void CValveHealth::connectHandlers()
{
    for (const FrictionLimit& limit : FrictionLimits) {
        const int pointer = limit.pointer;
        onKillFocus(limit.edit, "OnKillFocusFrictionLimit", [this, pointer] { OnFrictionKillFocus(pointer); });
        on(spin(limit.spin), &SpinEditBox::valueChanged, "OnFrictionLimitSpin",
            [this, pointer](int) { OnFrictionSpin(pointer); });
    }
    on(m_pFrictionGauge, &LinearGauge::pointerMoved, "OnFrictionGaugePointer",
        [this](int index) { OnFrictionGaugePointer(index); });
    for (Counter counter : { Cycles, Travel }) {
        const CounterControls& controls = Counters[counter];
        on(m_pCounterGauges[counter], &LinearGauge::pointerMoved, "OnCounterGaugePointer",
            [this, counter](int index) { OnCounterGaugePointer(counter, index); });
        on(spin(controls.fullWarningSpin), &SpinEditBox::valueChanged, "OnFullWarningSpin",
            [this, counter](int) { OnFullWarningSpin(counter); });
        on(spin(controls.deadbandSpin), &SpinEditBox::valueChanged, "OnDeadbandSpin",
            [this, counter](int) { OnDeadbandSpin(counter); });
        onKillFocus(
            controls.fullWarningEdit, "OnKillFocusFullWarning", [this, counter] { OnFullWarningKillFocus(counter); });
        onKillFocus(controls.deadbandEdit, "OnKillFocusDeadband", [this, counter] { OnDeadbandKillFocus(counter); });
    }
    on(spin(StrokeLengthSpin), &SpinEditBox::valueChanged, "OnStrokeLengthSpin", [this](int) { OnStrokeLengthSpin(); });
    onKillFocus(StrokeLengthEdit, "OnKillFocusStrokeLength", [this] { OnStrokeLengthKillFocus(); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    onClicked(ResetCycleCounterButton, "OnResetCycleCounter", [this] { OnResetCycleCounter(); });
    onClicked(ResetTravelCounterButton, "OnResetTravelCounter", [this] { OnResetTravelCounter(); });
    onClicked(ToleranceSettingsButton, "OnFrictionToleranceSettings", [this] { OnFrictionToleranceSettings(); });
    for (const Help& help : Helps) {
        const int button = help.button;
        onClicked(button, "OnHelpButton", [this, button] { OnHelpButton(button); });
    }
}

ISpinEditBoxPtr CValveHealth::spin(int spinId) const
{
    return ISpinEditBoxPtr::fromObject(control(spinId));
}

// ---------------------------------------------------------------------------
// Page contract

void CValveHealth::ActivatePage()
{
    StripPage::ActivatePage();
    m_bFrictionEventsOn = true;
    m_bCycleEventsOn = true;
    m_bTravelEventsOn = true;
    if (data().FrictionLimitsApplied)
        m_bFrictionReload = true;
    // The units and the live values are read even when one control of a group fails.
    guard("ActivatePage", [this] { RefreshPage(); });
    // Leaving the page stopped the zone's timers, perhaps mid-blink with the
    // pointer dark, and a visit that reloads nothing would not arm them again.
    guard("ActivatePage", [this] { m_friction.pageShown(); });
    every(ZoneTimerId, ZoneMs, "UpdateFrictionZone", [this] { UpdateFrictionZone(); });
    read(HartCommand::ReadUnits);
    setWindowText(StrokeUnitLabel, data().TravelUnitLabel);
    every(
        ValuesTimerId, ValuesMs, "ReadCurrentValues", [this] { ReadCurrentValues(); }, FirstValuesMs);
}

// ---------------------------------------------------------------------------
// Reading and showing the groups

void CValveHealth::RefreshPage()
{
    RefreshFriction();
    RefreshTravelCycle();
    setFullScales();
}

void CValveHealth::setFullScales()
{
    m_friction.setFullScale(at(m_friction.positions(), HighAlarm));
    setCounterFullScale(Cycles);
    setCounterFullScale(Travel);
}

void CValveHealth::RefreshFriction()
{
    if (!(m_bFrictionReload || m_bFrictionChanged))
        return;
    if (!m_bSkipFrictionRead)
        read(HartCommand::ReadFrictionSettings);
    ShowFrictionSettings();
    UpdateFrictionZone();
    every(ZoneTimerId, ZoneMs, "UpdateFrictionZone", [this] { UpdateFrictionZone(); });
    m_bFrictionReload = false;
    m_bFrictionChanged = false;
}

void CValveHealth::RefreshTravelCycle()
{
    if (!(m_bCountersReload || m_bCountersChanged))
        return;
    if (!m_bSkipCountersRead)
        read(HartCommand::ReadValveTravelCycleCount);
    ShowTravelCycleSettings();
    m_bCountersReload = false;
    m_bCountersChanged = false;
}

void CValveHealth::ShowFrictionSettings()
{
    const auto& words = data().FrictionSettings;
    setWindowText(FrictionEdit, NumberText::fromDouble(m_friction.showValue(words[0])));
    m_friction.showDeviceLimits(words);
}

// Device values, shown without raising the editing handlers: the initial
// warnings stay as the device holds them.
void CValveHealth::ShowTravelCycleSettings()
{
    const auto& tc = data().TravelCycle;
    showCounterValue(Travel, tc[AccumulatedTravel] * 0.01);
    showCounterValue(Cycles, tc[CycleCount]);
    const Field full[CounterCount] = { CyclesFullWarning, TravelFullWarning };
    const Field initial[CounterCount] = { CyclesInitialWarning, TravelInitialWarning };
    const Field deadband[CounterCount] = { CycleDeadband, TravelDeadband };
    for (Counter counter : { Travel, Cycles }) {
        const CounterControls& controls = Counters[counter];
        const ILinearGaugePtr& gauge = m_pCounterGauges[counter];
        setWindowText(controls.fullWarningEdit, QString::number(tc[full[counter]]));
        setWindowText(controls.initialWarningEdit, QString::number(tc[initial[counter]]));
        m_marks.shown(controls.fullWarningEdit, tc[full[counter]]);
        spin(controls.fullWarningSpin)->setValueSilently(tc[full[counter]]);
        if (gauge) {
            gauge->setPointerPositionSilent(2, tc[full[counter]]);
            gauge->setPointerPositionSilent(1, tc[initial[counter]]);
        }
        // The write holds whole tenths of a percent: a device deadband finer
        // than that (11.05) is shown as it would go back (11), so no Apply
        // of the other settings changes it unseen.
        const uint16_t tenths = deadbandTenths(signedWord(tc[deadband[counter]]) * 0.01);
        const double percent = tenths / 10.0;
        setWindowText(controls.deadbandEdit, NumberText::fromDouble(percent));
        m_marks.shown(controls.deadbandEdit, percent);
        m_marks.clear(controls.fullWarningEdit);
        m_marks.clear(controls.deadbandEdit);
        spin(controls.deadbandSpin)->setValueSilently(tenths);
    }
    showDeviceStroke();
    m_bCountersShown = true;
}

void CValveHealth::showDeviceStroke()
{
    const double stroke = data().TravelCycle[StrokeLength] * 0.01;
    m_shownStroke = NumberText::fromDouble(stroke);
    m_bStrokeTyped = false;
    setWindowText(StrokeLengthEdit, m_shownStroke);
    spin(StrokeLengthSpin)->setValueSilently(stroke);
    m_marks.clear(StrokeLengthEdit);
}

bool CValveHealth::checkStroke()
{
    return m_marks.check(StrokeLengthEdit).has_value();
}

void CValveHealth::showCounterValue(Counter counter, double value)
{
    if (const ILinearGaugePtr& gauge = m_pCounterGauges[counter])
        gauge->setValue(value);
    const int edit = Counters[counter].currentEdit;
    setWindowText(edit, counter == Cycles ? QString::number(uint32_t(value)) : NumberText::fromDouble(value));
}

void CValveHealth::ReadCurrentValues()
{
    read(HartCommand::ReadFrictionSettings);
    setWindowText(FrictionEdit, NumberText::fromDouble(m_friction.showValue(data().FrictionSettings[0])));
    showCounts(read(HartCommand::ReadValveTravelCycleCount));
}

void CValveHealth::showCounts(bool counted)
{
    const auto& tc = data().TravelCycle;
    showCounterValue(Travel, tc[AccumulatedTravel] * 0.01);
    showCounterValue(Cycles, tc[CycleCount]);
    // Another page may have written the stroke since it was shown: a stroke
    // the user has not touched follows the device.
    if (counted && m_bCountersShown && !strokeTouched())
        showDeviceStroke();
    for (Counter counter : { Travel, Cycles }) {
        const ILinearGaugePtr& gauge = m_pCounterGauges[counter];
        if (!gauge)
            continue;
        const double value = gauge->value();
        const bool past = value > gauge->pointerPosition(1) || value > gauge->pointerPosition(2);
        const uint32_t colour = past ? IndicatorColour::Yellow : IndicatorColour::Green;
        gauge->setPointerColor(0, colour);
        gauge->setIndicatorColor(colour);
    }
}

// ---------------------------------------------------------------------------
// Friction zone and full scales

void CValveHealth::UpdateFrictionZone()
{
    m_friction.updateZone();
}

void CValveHealth::setCounterFullScale(Counter counter)
{
    const ILinearGaugePtr& gauge = m_pCounterGauges[counter];
    if (!gauge)
        return;
    const double full = gauge->pointerPosition(2);
    gauge->setScaleMax(counter == Cycles ? cyclesFullScale(full) : travelFullScale(full));
}

// ---------------------------------------------------------------------------
// Apply, Retrieve and the counter resets

void CValveHealth::OnApply()
{
    DeviceData& dd = data();
    // Limits never shown from the device are no edit of them: the spins
    // would write their own empty values over the device's.
    if (m_bFrictionChanged && !m_friction.deviceLimitsShown()) {
        context().log().WriteLog(QStringLiteral("Write_Friction_Settings not sent: the limits were never read"));
        m_bFrictionChanged = false;
    }
    // Limits typed as something the page does not take stay on the page as
    // typed, marked, and are not written.
    const bool frictionHeld = m_bFrictionChanged && !m_friction.typedLimitsHold("Write_Friction_Settings");
    if (m_bFrictionChanged && !frictionHeld) {
        m_friction.layDeviceLimits(dd.FrictionSettings);
        write(HartCommand::WriteFrictionSettings);
        m_bFrictionChanged = false;
        m_bFrictionReload = true;
    }
    // Counter settings that could not be written stay on the page as typed.
    const bool countersHeld = m_bCountersChanged && !writeCounters();
    if (m_bCountersChanged && !countersHeld) {
        m_bCountersChanged = false;
        m_bCountersReload = true;
    }
    m_bSkipFrictionRead = true;
    m_bSkipCountersRead = true;
    // The skips must end even when a control of the redisplay fails.
    guard("OnApply", [this, frictionHeld, countersHeld] {
        if (!frictionHeld)
            RefreshFriction();
        if (!countersHeld)
            RefreshTravelCycle();
        setFullScales();
    });
    m_bSkipFrictionRead = false;
    m_bSkipCountersRead = false;
}

bool CValveHealth::writeCounters()
{
    // Settings never shown from the device would go back as the empty edits.
    if (!m_bCountersShown) {
        context().log().WriteLog(
            QStringLiteral("Write_Valve_Travel_Cycle_Counts not sent: the counter settings were never read"));
        return false;
    }
    // A setting the page does not take from the user would go out as another
    // one; a stroke length left as shown goes back as the device has it.
    std::vector<int> typed { CycleDeadbandEdit, CyclesFullWarningEdit, TravelDeadbandEdit, TravelFullWarningEdit,
        CyclesInitialWarningEdit, TravelInitialWarningEdit };
    if (strokeTouched())
        typed.push_back(StrokeLengthEdit);
    if (!m_marks.checkAll(typed, "Write_Valve_Travel_Cycle_Counts"))
        return false;
    // Each number checked above, whole where the device keeps whole ones.
    auto number = [this](int edit) { return m_marks.check(edit).value_or(0.0); };
    auto whole = [&number](int edit) { return static_cast<uint32_t>(number(edit)); };
    // The page holds whole tenths of a percent; the write, like the reply, hundredths.
    auto hundredths = [&number](int edit) { return deadbandTenths(number(edit)) * 10u; };
    return writeCounterGroup([&](TravelCycleWords& tc) {
        tc[TravelFullWarning] = whole(TravelFullWarningEdit);
        tc[TravelInitialWarning] = whole(TravelInitialWarningEdit);
        tc[TravelDeadband] = hundredths(TravelDeadbandEdit);
        // A stroke length left as shown goes back as the device has it now:
        // another page may have changed it since it was shown.
        if (strokeTouched()) {
            const ISpinEditBoxPtr box = spin(StrokeLengthSpin);
            tc[StrokeLength] = strokeHundredths(number(StrokeLengthEdit), box->min(), box->max());
        }
        tc[CyclesFullWarning] = whole(CyclesFullWarningEdit);
        tc[CyclesInitialWarning] = whole(CyclesInitialWarningEdit);
        tc[CycleDeadband] = hundredths(CycleDeadbandEdit);
    }) != CounterWrite::NotSent;
}

CValveHealth::CounterWrite CValveHealth::writeCounterGroup(const std::function<void(TravelCycleWords&)>& lay)
{
    // The words go back as the device has them now, so nothing counted since
    // the last display is lost and no setting the caller leaves alone changes.
    if (!read(HartCommand::ReadValveTravelCycleCount)) {
        context().log().WriteLog(
            QStringLiteral("Write_Valve_Travel_Cycle_Counts not sent: no Read_Valve_Travel_Cycle_Count reply"));
        return CounterWrite::NotSent;
    }
    lay(data().TravelCycle);
    return write(HartCommand::WriteValveTravelCycleCounts) ? CounterWrite::Taken : CounterWrite::NotTaken;
}

void CValveHealth::OnRetrieve()
{
    m_bFrictionChanged = false;
    m_bFrictionReload = true;
    m_bCountersChanged = false;
    m_bCountersReload = true;
    RefreshPage();
}

void CValveHealth::OnResetCycleCounter()
{
    resetCounter(Cycles);
}

void CValveHealth::OnResetTravelCounter()
{
    resetCounter(Travel);
}

void CValveHealth::resetCounter(Counter counter)
{
    // The other counter and every setting go back word for word as the device
    // has them now: nothing counted since the last display is lost, and a
    // setting typed but not applied (or marked) neither goes out nor holds
    // the reset.
    const Field cleared = counter == Cycles ? CycleCount : AccumulatedTravel;
    uint32_t held = 0;
    const CounterWrite reset = writeCounterGroup([cleared, &held](TravelCycleWords& tc) {
        held = tc[cleared];
        tc[cleared] = 0;
    });
    if (reset == CounterWrite::NotSent)
        return;
    // A reset the device did not take leaves the count it still holds on
    // show, not a cleared one.
    if (reset == CounterWrite::NotTaken)
        data().TravelCycle[cleared] = held;
    const bool counted = read(HartCommand::ReadValveTravelCycleCount);
    // Settings the user is editing stay as typed for Apply; with none the
    // page shows the whole group as the device reports it.
    if (m_bCountersChanged)
        showCounts(counted);
    else
        ShowTravelCycleSettings();
}

void CValveHealth::OnFrictionToleranceSettings()
{
    context().SelectPageCode(ToleranceSettingsCode);
}

void CValveHealth::OnHelpButton(int buttonId)
{
    PageControls::showHelpRow(this, buttonId, Helps, ImplicationsEdit, SolutionsEdit);
}

// ---------------------------------------------------------------------------
// The user's ways of changing a friction limit

void CValveHealth::OnFrictionKillFocus(int pointer)
{
    m_bFrictionChanged = true;
    m_friction.editLeft(pointer);
}

void CValveHealth::OnFrictionSpin(int pointer)
{
    m_bFrictionChanged = true;
    m_friction.spinChanged(pointer);
}

void CValveHealth::OnFrictionGaugePointer(int index)
{
    if (m_friction.pointerMoved(index, m_bFrictionEventsOn))
        m_bFrictionChanged = true;
}

// ---------------------------------------------------------------------------
// The user's ways of changing a counter setting

void CValveHealth::OnCounterGaugePointer(Counter counter, int index)
{
    if (!(counter == Cycles ? m_bCycleEventsOn : m_bTravelEventsOn))
        return;
    // The value pointer moving is no edit of the settings.
    if (index == 0)
        return;
    m_bCountersChanged = true;
    setCounterFullScale(counter);
    if (index != 2)
        return;
    const CounterControls& controls = Counters[counter];
    const ILinearGaugePtr& gauge = m_pCounterGauges[counter];
    const double p = std::clamp(gauge->pointerPosition(2), gauge->scaleMin(), gauge->scaleMax());
    gauge->setPointerPositionSilent(2, p);
    setWindowText(controls.fullWarningEdit, NumberText::format("%.0f", p));
    spin(controls.fullWarningSpin)->setValueSilently(p);
    gauge->setPointerPositionSilent(1, InitialWarningShare * p);
    setWindowText(controls.initialWarningEdit, NumberText::format("%.0f", InitialWarningShare * p));
}

void CValveHealth::OnFullWarningSpin(Counter counter)
{
    m_bCountersChanged = true;
    const CounterControls& controls = Counters[counter];
    const double value = spin(controls.fullWarningSpin)->value();
    setWindowText(controls.fullWarningEdit, NumberText::fromDouble(value));
    m_marks.pageText(controls.fullWarningEdit);
    if (const ILinearGaugePtr& gauge = m_pCounterGauges[counter])
        gauge->setPointerPosition(2, value);
    setCounterFullScale(counter);
}

void CValveHealth::OnFullWarningKillFocus(Counter counter)
{
    m_bCountersChanged = true;
    const CounterControls& controls = Counters[counter];
    // A text the page does not take stays as typed, marked, and moves nothing.
    const std::optional<double> typed = m_marks.check(controls.fullWarningEdit);
    if (!typed)
        return;
    const ISpinEditBoxPtr box = spin(controls.fullWarningSpin);
    box->setValue(*typed);
    // The pointer takes what the spin holds, so a full warning typed past
    // the spin's range is not shown, and then written, beyond it.
    if (const ILinearGaugePtr& gauge = m_pCounterGauges[counter])
        gauge->setPointerPosition(2, box->value());
    setWindowText(controls.fullWarningEdit, NumberText::format("%.0f", box->value()));
    setCounterFullScale(counter);
}

void CValveHealth::OnDeadbandSpin(Counter counter)
{
    m_bCountersChanged = true;
    const CounterControls& controls = Counters[counter];
    // The spin counts tenths of a percent; a fraction of one (from a value
    // set off the step) goes on the whole tenth the write holds.
    const ISpinEditBoxPtr box = spin(controls.deadbandSpin);
    const uint16_t tenths = deadbandTenths(box->value() / 10.0);
    box->setValueSilently(tenths);
    setWindowText(controls.deadbandEdit, NumberText::fromDouble(tenths / 10.0));
    m_marks.pageText(controls.deadbandEdit);
}

void CValveHealth::OnDeadbandKillFocus(Counter counter)
{
    m_bCountersChanged = true;
    const CounterControls& controls = Counters[counter];
    // A text the page does not take stays as typed, marked, and moves nothing.
    const std::optional<double> percent = m_marks.check(controls.deadbandEdit);
    if (!percent)
        return;
    spin(controls.deadbandSpin)->setValue(*percent * 10.0);
}

void CValveHealth::OnStrokeLengthSpin()
{
    m_bCountersChanged = true;
    m_bStrokeTyped = true;
    setWindowText(StrokeLengthEdit, NumberText::fromDouble(spin(StrokeLengthSpin)->value()));
    checkStroke();
}

bool CValveHealth::strokeTouched() const
{
    return m_bStrokeTyped || windowText(StrokeLengthEdit) != m_shownStroke;
}

void CValveHealth::OnStrokeLengthKillFocus()
{
    m_bCountersChanged = true;
    // The focus passing through is no edit of the stroke length.
    if (!strokeTouched())
        return;
    m_bStrokeTyped = true;
    // A text the device cannot take stays as typed, marked, and is not written.
    const std::optional<double> typed = m_marks.check(StrokeLengthEdit);
    if (!typed)
        return;
    const ISpinEditBoxPtr box = spin(StrokeLengthSpin);
    // The device keeps the stroke in hundredths: a typed 1.5 stays 1.5.
    const double stroke = strokeHundredths(*typed, box->min(), box->max()) * 0.01;
    setWindowText(StrokeLengthEdit, NumberText::fromDouble(stroke));
    box->setValue(stroke);
}
