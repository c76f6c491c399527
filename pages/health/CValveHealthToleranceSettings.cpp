#include "CValveHealthToleranceSettings.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "IndicatorColours.h"
#include "PageControls.h"
#include "PageHelpers.h"

#include "automation/NumberText.h"

#include <QAbstractButton>

namespace
{
using namespace FrictionRules;

FrictionLimitControls::Limits limitControls()
{
    FrictionLimitControls::Limits out {};
    for (size_t k = 0; k < out.size(); ++k) {
        const CValveHealthToleranceSettings::Limit& limit = CValveHealthToleranceSettings::Limits[k];
        out[k] = { limit.pointer, limit.edit, limit.spin, limit.mark, limit.word };
    }
    return out;
}
}

CValveHealthToleranceSettings::CValveHealthToleranceSettings(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CValveHealthToleranceSettings"), DialogId, StripTimer::OnActivation, parent)
    , m_limits(*this, m_pGauge, limitControls(), BlinkTimerId, SettleTimerId)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CValveHealthToleranceSettings::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    m_pGauge = CreateLinearGauge(this, controlScreenRect(FrictionGaugeHost), FrictionGaugeId, 10000.0, context().log());
    if (m_pGauge) {
        for (const Limit& limit : Limits) {
            const int index = m_pGauge->addPointer();
            m_pGauge->setPointerColor(index, limit.colour);
            m_pGauge->setPointerDraggable(index, true);
        }
    }
    for (size_t k = 0; k < m_pColourKeys.size(); ++k) {
        m_pColourKeys[k] = CreateImageDisplayControl(
            this, controlScreenRect(Limits[k].keyHost), FirstColourKeyId + int(k), Limits[k].picture, context().log());
    }
    m_bFrictionChanged = false;
    m_bFrictionReload = true;
    connectHandlers();
    m_limits.followTypedLimits();
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

void CValveHealthToleranceSettings::connectHandlers()
{
    for (const PresetButton& row : Presets) {
        const Preset preset = row.preset;
        onClicked(row.button, "OnPreset", [this, preset] { OnPreset(preset); });
    }
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    for (const Limit& limit : Limits) {
        const int pointer = limit.pointer;
        onKillFocus(limit.edit, "OnKillFocusLimit", [this, pointer] { OnLimitKillFocus(pointer); });
        on(spin(pointer), &SpinEditBox::valueChanged, "OnLimitSpin", [this, pointer](int) { OnLimitSpin(pointer); });
    }
    on(m_pGauge, &LinearGauge::pointerMoved, "OnFrictionGaugePointer",
        [this](int index) { OnFrictionGaugePointer(index); });
}

// ---------------------------------------------------------------------------
// Page contract

void CValveHealthToleranceSettings::ActivatePage()
{
    StripPage::ActivatePage();
    setWindowText(ImplicationsEdit, QString());
    m_bFrictionEventsOn = true;
    ClearPresetButtons();
    // The supply, the actuator area and the unit are read even when one
    // control of the friction group fails.
    guard("ActivatePage", [this] { RefreshFriction(); });
    ShowAppliedPreset();
    // Leaving the page stopped the zone's timers, perhaps mid-blink with the
    // pointer dark, and a visit that reloads nothing would not arm them again.
    guard("ActivatePage", [this] { m_limits.pageShown(); });
    every(ZoneTimerId, ZoneMs, "UpdateFrictionZone", [this] { UpdateFrictionZone(); });
    DeviceData& dd = data();
    read(HartCommand::ReadSupplyPressure);
    setWindowText(NominalValueEdit, NumberText::fromDouble(dd.SupplySettings[1] * 0.01));
    read(HartCommand::ReadActuator);
    setWindowText(ActuatorSizeEdit, NumberText::fromDouble(dd.ActuatorArea * 0.1));
    read(HartCommand::ReadUnits);
    setWindowText(PressureUnitLabel, dd.PressureUnitLabel);
    every(FrictionValueTimerId, FrictionValueMs, "RefreshFrictionValue", [this] { RefreshFrictionValue(); });
}

// ---------------------------------------------------------------------------
// Reading and showing the limits

void CValveHealthToleranceSettings::RefreshFriction()
{
    if (!(m_bFrictionReload || m_bFrictionChanged))
        return;
    if (!m_bSkipFrictionRead)
        read(HartCommand::ReadFrictionSettings);
    ShowFrictionSettings();
    setWindowText(ImplicationsEdit, QString());
    every(ZoneTimerId, ZoneMs, "UpdateFrictionZone", [this] { UpdateFrictionZone(); });
    m_bFrictionReload = false;
    m_bFrictionChanged = false;
}

void CValveHealthToleranceSettings::ShowFrictionSettings()
{
    const auto& words = data().FrictionSettings;
    m_dFrictionValue = m_limits.showValue(words[0]);
    setWindowText(CurrentValueEdit, NumberText::fromDouble(m_dFrictionValue));
    m_limits.showDeviceLimits(words);
    UpdateFrictionZone();
    m_limits.setFullScale(words[3]);
}

void CValveHealthToleranceSettings::RefreshFrictionValue()
{
    read(HartCommand::ReadFrictionSettings);
    setWindowText(CurrentValueEdit, NumberText::fromDouble(m_limits.showValue(data().FrictionSettings[0])));
}

void CValveHealthToleranceSettings::UpdateFrictionZone()
{
    m_limits.updateZone();
}

void CValveHealthToleranceSettings::ClearPresetButtons()
{
    uncheckRadioGroup(TightButton);
}

void CValveHealthToleranceSettings::ShowAppliedPreset()
{
    if (!m_AppliedPreset)
        return;
    const auto& words = data().FrictionSettings;
    for (size_t k = 0; k < m_AppliedLimitWords.size(); ++k) {
        if (words[Limits[k].word] != m_AppliedLimitWords[k])
            return;
    }
    for (const PresetButton& row : Presets) {
        if (row.preset != *m_AppliedPreset)
            continue;
        // Shown as chosen, not chosen again: the limits stay as the device holds them.
        if (auto* button = controlAs<QAbstractButton>(row.button))
            button->setChecked(true);
    }
}

// ---------------------------------------------------------------------------
// Apply and Retrieve

void CValveHealthToleranceSettings::OnApply()
{
    // Limits never shown from the device are no edit of them: the spins
    // would write their own empty values over the device's.
    if (m_bFrictionChanged && !m_limits.deviceLimitsShown()) {
        context().log().WriteLog(QStringLiteral("Write_Friction_Settings not sent: the limits were never read"));
        m_bFrictionChanged = false;
    }
    // Limits typed as something the page does not take stay on the page as
    // typed, marked, and are not written.
    if (m_bFrictionChanged && !m_limits.typedLimitsHold("Write_Friction_Settings"))
        return;
    if (m_bFrictionChanged) {
        DeviceData& dd = data();
        m_limits.layDeviceLimits(dd.FrictionSettings);
        write(HartCommand::WriteFrictionSettings);
        m_AppliedPreset.reset();
        for (const PresetButton& row : Presets) {
            const auto* button = controlAs<QAbstractButton>(row.button);
            if (button && button->isChecked())
                m_AppliedPreset = row.preset;
        }
        for (size_t k = 0; k < m_AppliedLimitWords.size(); ++k)
            m_AppliedLimitWords[k] = dd.FrictionSettings[Limits[k].word];
        m_bFrictionChanged = false;
        m_bFrictionReload = true;
        dd.FrictionLimitsApplied = 1;
    }
    m_bSkipFrictionRead = true;
    // The skip must end even when a control of the redisplay fails.
    guard("OnApply", [this] { RefreshFriction(); });
    m_bSkipFrictionRead = false;
}

void CValveHealthToleranceSettings::OnRetrieve()
{
    m_bFrictionChanged = false;
    m_bFrictionReload = true;
    RefreshFriction();
    ClearPresetButtons();
}

// ---------------------------------------------------------------------------
// The user's ways of changing a limit

void CValveHealthToleranceSettings::OnPreset(Preset preset)
{
    const PresetButton* row = nullptr;
    for (const PresetButton& candidate : Presets) {
        if (candidate.preset == preset)
            row = &candidate;
    }
    auto* button = controlAs<QAbstractButton>(row->button);
    if (!button || !button->isChecked())
        return;
    setWindowText(ImplicationsEdit, PageControls::text(row->implications));
    // Computed once, on the whole pounds Apply writes (cut, as the spins'
    // values are written) and in the order the moves below keep (a small
    // friction gives limits that meet), so what the edits show is what goes out.
    FrictionRules::Limits limits = presetLimits(preset, m_dFrictionValue);
    for (double& limit : limits)
        limit = FrictionLimitControls::written(limit);
    limits = holdInOrder(limits, m_limits.scaleMin());
    m_limits.setFullScale(at(limits, HighAlarm));
    if (m_pGauge) {
        for (int pointer : { LowWarning, LowAlarm, HighWarning, HighAlarm })
            m_pGauge->setPointerPosition(pointer, at(limits, pointer));
    }
    for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
        spin(pointer)->setValue(at(limits, pointer));
    for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
        setWindowText(m_limits.limit(pointer).edit, NumberText::format("%.0f", at(limits, pointer)));
    // The moves above ran their own rules against the high alarm as it stood
    // before it was pushed (silently) to its new value, and took the scale
    // back with them: the gauge is drawn for the new high alarm.
    m_limits.setFullScale(at(limits, HighAlarm));
    // A preset that matches the limits shown still counts as the user's choice.
    m_bFrictionChanged = true;
    button->setChecked(true);
}

void CValveHealthToleranceSettings::OnLimitKillFocus(int pointer)
{
    m_bFrictionChanged = true;
    m_limits.editLeft(pointer);
    ClearPresetButtons();
}

void CValveHealthToleranceSettings::OnLimitSpin(int pointer)
{
    m_bFrictionChanged = true;
    m_limits.spinChanged(pointer);
    ClearPresetButtons();
}

void CValveHealthToleranceSettings::OnFrictionGaugePointer(int index)
{
    if (!m_limits.pointerMoved(index, m_bFrictionEventsOn))
        return;
    m_bFrictionChanged = true;
    ClearPresetButtons();
}
