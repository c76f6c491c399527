#include "CPositionerHealth.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "IndicatorColours.h"
#include "PageControls.h"
#include "PageHelpers.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

namespace
{
using namespace PositionerHealthRules;

QString whole(double value)
{
    return NumberText::format("%.0f", value);
}
}

CPositionerHealth::CPositionerHealth(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CPositionerHealth"), DialogId, StripTimer::OnActivation, parent)
    , m_responseZone(*this, m_pGauges[Response], ResponseBlinkTimerId, ResponseSettleTimerId)
    , m_cycleZone(*this, m_pGauges[Cycles], CycleBlinkTimerId, CycleSettleTimerId)
    , m_travelZone(*this, m_pGauges[Travel], TravelBlinkTimerId, TravelSettleTimerId)
    , m_marks(*this)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CPositionerHealth::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    createColourKeys();
    createGauges();
    createLeds();
    m_bResponseReload = true;
    m_bCountersReload = true;
    connectHandlers();
    m_marks.add(LimitFields);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

void CPositionerHealth::createColourKeys()
{
    for (size_t k = 0; k < m_pColourKeys.size(); ++k) {
        m_pColourKeys[k] = CreateImageDisplayControl(this, controlScreenRect(ColourKeys[k].host),
            FirstColourKeyId + int(k), ColourKeys[k].picture, context().log());
    }
}

void CPositionerHealth::createGauges()
{
    for (const GaugeSetup& setup : Gauges) {
        ILinearGaugePtr gauge
            = CreateLinearGauge(this, controlScreenRect(setup.host), setup.id, setup.maximum, context().log());
        m_pGauges[setup.gauge] = gauge;
        m_pointers[setup.gauge] = { 0, setup.markerStart[0], setup.markerStart[1] };
        if (!gauge)
            continue;
        gauge->setScaleMin(setup.minimum);
        for (int k = 0; k < 2; ++k) {
            const int marker = gauge->addPointer();
            gauge->setPointerPositionSilent(marker, setup.markerStart[k]);
            gauge->setPointerColor(marker, setup.markerColours[k]);
            gauge->setPointerDraggable(marker, setup.draggable[k]);
        }
    }
}

void CPositionerHealth::setPointer(Gauge which, int index, double position, bool notify)
{
    // The gauge ignores a position that is not a number; so does the page.
    if (std::isnan(position))
        return;
    // Laid before the gauge hears of it: its event's handler reads the others.
    m_pointers[which][static_cast<size_t>(index)] = position;
    const ILinearGaugePtr& gauge = m_pGauges[which];
    if (!gauge)
        return;
    if (notify)
        gauge->setPointerPosition(index, position);
    else
        gauge->setPointerPositionSilent(index, position);
}

void CPositionerHealth::createLeds()
{
    for (size_t k = 0; k < m_pIndicatorLeds.size(); ++k) {
        ILedRoundPtr led
            = CreateRoundLed(this, controlScreenRect(IndicatorLeds[k].host), IndicatorLeds[k].id, context().log());
        m_pIndicatorLeds[k] = led;
        if (!led)
            continue;
        led->setLitColor(IndicatorColour::Red);
        led->setUnlitColor(IndicatorColour::Green);
        led->setLit(false);
    }
}

void CPositionerHealth::connectHandlers()
{
    on(m_pGauges[Response], &LinearGauge::pointerMoved, "OnResponseGaugePointer",
        [this](int index) { OnResponseGaugePointer(index); });
    on(m_pGauges[Cycles], &LinearGauge::pointerMoved, "OnCyclesGaugePointer",
        [this](int index) { OnCountersGaugePointer(Cycles, index); });
    on(m_pGauges[Travel], &LinearGauge::pointerMoved, "OnTravelGaugePointer",
        [this](int index) { OnCountersGaugePointer(Travel, index); });
    for (int spinId : { ResponseWarningSpin, ResponseAlarmSpin }) {
        on(controlAs<SpinEditBox>(spinId), &SpinEditBox::valueChanged, "OnResponseSpin",
            [this, spinId] { OnResponseSpin(spinId); });
    }
    on(controlAs<SpinEditBox>(CyclesFullWarningSpin), &SpinEditBox::valueChanged, "OnCyclesFullWarningSpin",
        [this] { OnCyclesFullWarningSpin(); });
    on(controlAs<SpinEditBox>(TravelFullWarningSpin), &SpinEditBox::valueChanged, "OnTravelFullWarningSpin",
        [this] { OnTravelFullWarningSpin(); });
    for (int edit : { ResponseWarningEdit, ResponseAlarmEdit })
        onKillFocus(edit, "OnKillFocusResponseLimit", [this, edit] { OnKillFocusResponseLimit(edit); });
    for (int edit : { CyclesFullWarningEdit, TravelFullWarningEdit })
        onKillFocus(edit, "OnKillFocusFullWarning", [this, edit] { OnKillFocusFullWarning(edit); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    onClicked(ResetCyclesButton, "OnResetCycleCounter", [this] { OnResetCycleCounter(); });
    onClicked(ResetTravelButton, "OnResetTravelCounter", [this] { OnResetTravelCounter(); });
    for (const Implication& row : Implications) {
        const int button = row.button;
        onClicked(button, "OnImplicationsButton", [this, button] { OnImplicationsButton(button); });
    }
}

ISpinEditBoxPtr CPositionerHealth::spin(int spinId) const
{
    return ISpinEditBoxPtr::fromObject(control(spinId));
}

// ---------------------------------------------------------------------------
// Page contract

void CPositionerHealth::ActivatePage()
{
    m_bCycleEventsOn = true;
    m_bTravelEventsOn = true;
    m_bResponseEventsOn = true;
    StripPage::ActivatePage();
    // The periodic reads must run even when one control of the first read fails.
    guard("ActivatePage", [this] {
        ReadTemperature();
        RefreshResponse();
        RefreshCounters();
        ReadBinaryIndicators();
        showPresentValues();
        // A pointer left dark by a blink stopped when the page was left shows
        // its zone again at once.
        UpdateResponseZone();
        UpdateCycleZone();
        UpdateTravelZone();
    });
    every(TemperatureTimerId, TemperatureMs, "ReadTemperature", [this] { ReadTemperature(); });
    every(LiveTimerId, LiveMs, "ReadCurrentValues", [this] { ReadCurrentValues(); });
    m_bResponseChanged = false;
    m_bCountersChanged = false;
}

// What the device data block holds now, whether or not it was read just before.
void CPositionerHealth::showPresentValues()
{
    const DeviceData& dd = data();
    setPointer(Response, 0, dd.StickValues[0]);
    setWindowText(ResponseEdit, QString::number(dd.StickValues[0]));
    setPointer(Cycles, 0, dd.SpoolInfo[0]);
    setWindowText(CyclesEdit, QString::number(dd.SpoolInfo[0]));
    setPointer(Travel, 0, dd.SpoolInfo[4]);
    setWindowText(TravelEdit, QString::number(dd.SpoolInfo[4]));
}

// ---------------------------------------------------------------------------
// Readings

void CPositionerHealth::ReadTemperature()
{
    read(HartCommand::ReadStatus);
    read(HartCommand::ReadUnits);
    const DeviceData& dd = data();
    setPointer(Temperature, 0, dd.Temperature);
    QString suffix;
    if (dd.TemperatureUnit == Celsius) {
        suffix = QStringLiteral(" \u00BAC");
        setWindowText(LowTemperatureEdit, QStringLiteral("-40 \u00BAC"));
        setWindowText(HighTemperatureEdit, QStringLiteral(" 85 \u00BAC"));
        setPointer(Temperature, 1, -40);
        setPointer(Temperature, 2, 85);
    } else if (dd.TemperatureUnit == Fahrenheit) {
        suffix = QStringLiteral(" \u00BAF");
        setWindowText(LowTemperatureEdit, QStringLiteral("-40 \u00BAF"));
        setWindowText(HighTemperatureEdit, QStringLiteral(" 185 \u00BAF"));
        setPointer(Temperature, 1, -40);
        setPointer(Temperature, 2, 185);
    } else {
        return;
    }
    setWindowText(TemperatureEdit, NumberText::fromFloat(dd.Temperature) + suffix);
}

void CPositionerHealth::ReadCurrentValues()
{
    read(HartCommand::ReadStickValues);
    read(HartCommand::ReadSpoolInfo);
    showPresentValues();
    // A live value that crossed a limit since the last look shows it now,
    // not only after the user's next Apply or Retrieve.
    UpdateResponseZone();
    UpdateCycleZone();
    UpdateTravelZone();
    ReadBinaryIndicators();
}

void CPositionerHealth::RefreshResponse()
{
    if (!m_bResponseReload && !m_bResponseChanged)
        return;
    if (!m_bSkipResponseRead)
        read(HartCommand::ReadStickValues);
    const auto& stick = data().StickValues;
    setPointer(Response, 0, stick[0]);
    setWindowText(ResponseEdit, QString::number(stick[0]));
    spin(ResponseWarningSpin)->setValue(stick[1]);
    setWindowText(ResponseWarningEdit, QString::number(stick[1]));
    setPointer(Response, 1, stick[1], true);
    spin(ResponseAlarmSpin)->setValue(stick[2]);
    setWindowText(ResponseAlarmEdit, QString::number(stick[2]));
    setPointer(Response, 2, stick[2], true);
    // The device's own thresholds go back as they came, whatever the spins hold.
    m_marks.shown(ResponseWarningEdit, stick[1]);
    m_marks.shown(ResponseAlarmEdit, stick[2]);
    m_marks.clear(ResponseWarningEdit);
    m_marks.clear(ResponseAlarmEdit);
    UpdateResponseZone();
    m_bResponseReload = false;
    m_bResponseChanged = false;
}

void CPositionerHealth::RefreshCounters()
{
    if (!m_bCountersReload && !m_bCountersChanged)
        return;
    if (!m_bSkipCountersRead)
        read(HartCommand::ReadSpoolInfo);
    const auto& spool = data().SpoolInfo;
    struct Row {
        Gauge gauge;
        int valueEdit;
        int fullEdit;
        int fullSpin;
        size_t value;
        size_t full;
    };
    const Row rows[2] { { Cycles, CyclesEdit, CyclesFullWarningEdit, CyclesFullWarningSpin, 0, 2 },
        { Travel, TravelEdit, TravelFullWarningEdit, TravelFullWarningSpin, 4, 6 } };
    for (const Row& row : rows) {
        const ILinearGaugePtr& gauge = m_pGauges[row.gauge];
        setPointer(row.gauge, 0, spool[row.value]);
        setWindowText(row.valueEdit, QString::number(spool[row.value]));
        const double top = counterFullScale(spool[row.full]);
        if (gauge)
            gauge->setScaleMax(top);
        const ISpinEditBoxPtr box = spin(row.fullSpin);
        box->setMax(top);
        m_marks.setRange(row.fullEdit, { 0.0, top, FieldStep::Whole });
        box->setValue(spool[row.full]);
        const double full = box->value();
        setPointer(row.gauge, 2, full, true);
        setWindowText(row.fullEdit, whole(full));
        if (row.gauge == Cycles)
            UpdateCycleZone();
        else
            UpdateTravelZone();
    }
    m_bCountersReload = false;
    m_bCountersChanged = false;
}

void CPositionerHealth::ReadBinaryIndicators()
{
    read(HartCommand::ReadErrorHist);
    const auto& history = data().ErrorHistory;
    m_ErrorBits = { history[4], history[6] };
    for (size_t k = 0; k < m_pIndicatorLeds.size(); ++k) {
        const BinaryIndicator& bit = BinaryIndicators[k];
        const uint8_t bits = m_ErrorBits[bit.byte == 4 ? 0 : 1];
        if (m_pIndicatorLeds[k])
            m_pIndicatorLeds[k]->setLit((bits & bit.mask) != 0);
    }
}

// ---------------------------------------------------------------------------
// Zone colours

void CPositionerHealth::UpdateResponseZone()
{
    if (const auto colour = responseColour(pointer(Response, 0), pointer(Response, 1), pointer(Response, 2)))
        m_responseZone.show(*colour);
}

void CPositionerHealth::UpdateCycleZone()
{
    m_cycleZone.show(counterColour(pointer(Cycles, 0), pointer(Cycles, 1)));
}

void CPositionerHealth::UpdateTravelZone()
{
    m_travelZone.show(counterColour(pointer(Travel, 0), pointer(Travel, 1)));
}

// ---------------------------------------------------------------------------
// The user's three ways of changing a limit

void CPositionerHealth::OnResponseGaugePointer(int index)
{
    const ILinearGaugePtr& gauge = m_pGauges[Response];
    // The event comes only from a gauge that exists; the user moved its pointer.
    if (index != 0)
        m_pointers[Response][static_cast<size_t>(index)] = gauge->pointerPosition(index);
    // The live value's pointer is the device's, never a user's edit.
    if (!m_bResponseEventsOn || index == 0)
        return;
    m_bResponseChanged = true;
    const double minimum = gauge->scaleMin();
    const double maximum = gauge->scaleMax();
    const double position = gauge->pointerPosition(index);
    if (position >= maximum)
        setPointer(Response, index, maximum);
    else if (position <= minimum)
        setPointer(Response, index, minimum);
    const ResponseLimits limits = index == 2 ? draggedAlarm(position, pointer(Response, 1), minimum, maximum)
                                             : draggedWarning(position, pointer(Response, 2), minimum, maximum);
    if (limits.pushed || index == 1) {
        setPointer(Response, 1, limits.warning);
        spin(ResponseWarningSpin)->setValue(limits.warning);
        setWindowText(ResponseWarningEdit, whole(limits.warning));
    }
    if (limits.pushed || index == 2) {
        setPointer(Response, 2, limits.alarm);
        spin(ResponseAlarmSpin)->setValue(limits.alarm);
        setWindowText(ResponseAlarmEdit, whole(limits.alarm));
    }
}

void CPositionerHealth::OnCountersGaugePointer(Gauge which, int index)
{
    const ILinearGaugePtr& gauge = m_pGauges[which];
    // The event comes only from a gauge that exists; the user moved its pointer.
    if (index != 0)
        m_pointers[which][static_cast<size_t>(index)] = gauge->pointerPosition(index);
    const bool eventsOn = which == Cycles ? m_bCycleEventsOn : m_bTravelEventsOn;
    if (!eventsOn || index == 0)
        return;
    m_bCountersChanged = true;
    if (index != 2)
        return;
    const double dragged = pointer(which, 2);
    // Apply writes a full warning cut toward zero to a whole count: the page
    // puts its own values there on that step, so the edit shows what is sent.
    const double full = wholeWord(std::clamp(dragged, gauge->scaleMin(), gauge->scaleMax()));
    if (full != dragged)
        setPointer(which, 2, full);
    const bool cycles = which == Cycles;
    spin(cycles ? CyclesFullWarningSpin : TravelFullWarningSpin)->setValue(full);
    setWindowText(cycles ? CyclesFullWarningEdit : TravelFullWarningEdit, whole(full));
    setPointer(which, 1, initialWarning(full));
    setWindowText(cycles ? CyclesInitialWarningEdit : TravelInitialWarningEdit, whole(initialWarning(full)));
    if (cycles)
        UpdateCycleZone();
    else
        UpdateTravelZone();
}

void CPositionerHealth::OnResponseSpin(int spinId)
{
    const double value = spin(spinId)->value();
    const bool warning = spinId == ResponseWarningSpin;
    setWindowText(warning ? ResponseWarningEdit : ResponseAlarmEdit, NumberText::fromDouble(value));
    // The spin's value is the page's own, a fraction a pointer gave included.
    m_marks.pageText(warning ? ResponseWarningEdit : ResponseAlarmEdit);
    setPointer(Response, warning ? 1 : 2, value, true);
    UpdateResponseZone();
    m_bResponseChanged = true;
}

void CPositionerHealth::OnCyclesFullWarningSpin()
{
    const ISpinEditBoxPtr box = spin(CyclesFullWarningSpin);
    box->setValueSilently(wholeWord(box->value()));
    const double value = box->value();
    setPointer(Cycles, 1, initialWarning(value));
    setPointer(Cycles, 2, value, true);
    setWindowText(CyclesFullWarningEdit, NumberText::fromDouble(value));
    m_marks.pageText(CyclesFullWarningEdit);
    setWindowText(CyclesInitialWarningEdit, whole(initialWarning(value)));
    m_bCountersChanged = true;
}

void CPositionerHealth::OnTravelFullWarningSpin()
{
    const ISpinEditBoxPtr box = spin(TravelFullWarningSpin);
    box->setValueSilently(wholeWord(box->value()));
    const double value = box->value();
    setWindowText(TravelFullWarningEdit, NumberText::fromDouble(value));
    m_marks.pageText(TravelFullWarningEdit);
    setPointer(Travel, 2, value, true);
    setWindowText(TravelInitialWarningEdit, whole(initialWarning(value)));
}

void CPositionerHealth::OnKillFocusResponseLimit(int editId)
{
    const bool warning = editId == ResponseWarningEdit;
    // A text that is not a number the spin holds stays as typed, marked, and
    // moves nothing; Apply then writes nothing of the group.
    const std::optional<double> typed = m_marks.check(editId);
    if (!typed) {
        m_bResponseChanged = true;
        return;
    }
    spin(warning ? ResponseWarningSpin : ResponseAlarmSpin)->setValue(*typed);
    setPointer(Response, warning ? 1 : 2, *typed, true);
    UpdateResponseZone();
}

void CPositionerHealth::OnKillFocusFullWarning(int editId)
{
    const bool cycles = editId == CyclesFullWarningEdit;
    const std::optional<double> typed = m_marks.check(editId);
    if (!typed) {
        m_bCountersChanged = true;
        return;
    }
    spin(cycles ? CyclesFullWarningSpin : TravelFullWarningSpin)->setValue(*typed);
    setPointer(cycles ? Cycles : Travel, 2, *typed, true);
}

// ---------------------------------------------------------------------------
// Apply, Retrieve and the counter resets

bool CPositionerHealth::counterLimitsHold()
{
    return m_marks.checkAll(
        { CyclesFullWarningEdit, TravelFullWarningEdit, CyclesInitialWarningEdit, TravelInitialWarningEdit },
        "Write_Spool_Info");
}

// The four counter limits as they stand on the page: the full warnings from
// their spins, the initial warnings from their edits (checked just before).
void CPositionerHealth::layLimits(uint8_t resetSelector)
{
    DeviceData& dd = data();
    dd.SpoolInfo[2] = wholeWord(spin(CyclesFullWarningSpin)->value());
    dd.SpoolInfo[1] = wholeWord(m_marks.check(CyclesInitialWarningEdit).value_or(0.0));
    dd.SpoolInfo[6] = wholeWord(spin(TravelFullWarningSpin)->value());
    dd.SpoolInfo[5] = wholeWord(m_marks.check(TravelInitialWarningEdit).value_or(0.0));
    dd.SpoolResetSelector = resetSelector;
}

void CPositionerHealth::OnApply()
{
    DeviceData& dd = data();
    // A group with a limit the page does not take stays on the page as typed,
    // marked, and is not written.
    const bool responseHeld
        = m_bResponseChanged && !m_marks.checkAll({ ResponseWarningEdit, ResponseAlarmEdit }, "Write_Stick_Values");
    if (m_bResponseChanged && !responseHeld) {
        auto threshold
            = [this](int edit) { return thresholdWord(static_cast<long long>(m_marks.check(edit).value_or(0.0))); };
        dd.StickValues[1] = threshold(ResponseWarningEdit);
        dd.StickValues[2] = threshold(ResponseAlarmEdit);
        write(HartCommand::WriteStickValues);
        m_bResponseChanged = false;
        m_bResponseReload = true;
    }
    const bool countersHeld = m_bCountersChanged && !counterLimitsHold();
    if (m_bCountersChanged && !countersHeld) {
        layLimits(0);
        write(HartCommand::WriteSpoolInfo);
        m_bCountersChanged = false;
        m_bCountersReload = true;
    }
    m_bSkipResponseRead = true;
    m_bSkipCountersRead = true;
    guard("OnApply", [this, responseHeld, countersHeld] {
        if (!responseHeld)
            RefreshResponse();
        if (!countersHeld)
            RefreshCounters();
    });
    m_bSkipResponseRead = false;
    m_bSkipCountersRead = false;
    ReadBinaryIndicators();
}

void CPositionerHealth::OnRetrieve()
{
    m_bResponseChanged = false;
    m_bCountersChanged = false;
    m_bResponseReload = true;
    m_bCountersReload = true;
    ReadTemperature();
    RefreshResponse();
    RefreshCounters();
    ReadBinaryIndicators();
    showPresentValues();
}

void CPositionerHealth::resetCounter(uint8_t selector)
{
    // The reset sends the four limits as the device holds them at this
    // moment, read just before (another tool or page may have changed them
    // since the page last read them): a limit typed but not applied (or
    // marked) neither goes out nor holds the reset.
    if (!read(HartCommand::ReadSpoolInfo)) {
        context().log().WriteLog(QStringLiteral("Write_Spool_Info not sent: no Read_Spool_Info reply"));
        return;
    }
    DeviceData& dd = data();
    dd.SpoolResetSelector = selector;
    write(HartCommand::WriteSpoolInfo);
    dd.SpoolResetSelector = 0;
    // Limits the user is editing stay as typed for Apply; with none the page
    // shows the whole group as the device reports it.
    if (m_bCountersChanged) {
        read(HartCommand::ReadSpoolInfo);
        showPresentValues();
        UpdateCycleZone();
        UpdateTravelZone();
        return;
    }
    m_bCountersReload = true;
    RefreshCounters();
}

void CPositionerHealth::OnResetCycleCounter()
{
    resetCounter(1);
}

void CPositionerHealth::OnResetTravelCounter()
{
    resetCounter(2);
}

// ---------------------------------------------------------------------------
// Implications and possible solutions

void CPositionerHealth::OnImplicationsButton(int buttonId)
{
    PageControls::showHelpRow(this, buttonId, Implications, ImplicationsEdit, SolutionsEdit);
}
