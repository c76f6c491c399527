#include "CActuatorHealth.h"

#include "PageControls.h"

#include "CSerratK90ClipwellApp.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <QAbstractButton>

#include <algorithm>

namespace
{
using PageControls::Black;
using PageControls::deviceData;
using PageControls::Green;
using PageControls::Orange;
using PageControls::Red;
using PageControls::text;
using PageControls::Yellow;

constexpr int WidthDu = 544;
constexpr int HeightDu = 396;

using Group = CActuatorHealth::Group;

// One limit: its edit, its spin, its group, its pointer on the group's gauge,
// and what one step of the spin is worth in the limit's unit.
struct Limit {
    int edit;
    int spin;
    Group group;
    int pointer;
    double spinScale;
};
constexpr Limit Limits[] = {
    { CActuatorHealth::LeakWarningEdit, CActuatorHealth::LeakWarningSpin, CActuatorHealth::Leak, 1, 1.0 },
    { CActuatorHealth::LeakAlarmEdit, CActuatorHealth::LeakAlarmSpin, CActuatorHealth::Leak, 2, 1.0 },
    { CActuatorHealth::LowAlarmEdit, CActuatorHealth::LowAlarmSpin, CActuatorHealth::Supply, 1, 0.1 },
    { CActuatorHealth::LowWarningEdit, CActuatorHealth::LowWarningSpin, CActuatorHealth::Supply, 2, 0.1 },
    { CActuatorHealth::HighWarningEdit, CActuatorHealth::HighWarningSpin, CActuatorHealth::Supply, 3, 0.1 },
    { CActuatorHealth::InitialWarningEdit, CActuatorHealth::InitialWarningSpin, CActuatorHealth::Ratio, 2, 0.1 },
    { CActuatorHealth::FullWarningEdit, CActuatorHealth::FullWarningSpin, CActuatorHealth::Ratio, 1, 0.1 },
};

const Limit* limitOf(int id)
{
    for (const Limit& limit : Limits)
        if (limit.edit == id || limit.spin == id)
            return &limit;
    return nullptr;
}

const Limit* limitAt(Group group, int pointer)
{
    for (const Limit& limit : Limits)
        if (limit.group == group && limit.pointer == pointer)
            return &limit;
    return nullptr;
}

// When a dragged limit pointer reaches or passes a neighbour, the neighbour
// is pushed to keep the limits in order.
struct Push {
    Group group;
    int moved;
    int neighbour;
    double offset; // > 0: pushed up when reached from below; < 0: pushed down
};
constexpr Push Pushes[] = {
    { CActuatorHealth::Leak, 1, 2, 0.01 },
    { CActuatorHealth::Leak, 2, 1, -0.01 },
    { CActuatorHealth::Supply, 1, 2, 1.0 },
    { CActuatorHealth::Supply, 1, 3, 2.0 },
    { CActuatorHealth::Supply, 2, 1, -1.0 },
    { CActuatorHealth::Supply, 2, 3, 1.0 },
    { CActuatorHealth::Supply, 3, 2, -1.0 },
    { CActuatorHealth::Supply, 3, 1, -2.0 },
    { CActuatorHealth::Ratio, 1, 2, -1.0 },
    { CActuatorHealth::Ratio, 2, 1, 1.0 },
};

// What the pressure unit sets on the leak and supply groups.
struct UnitScales {
    double leakFactor;
    const char* nominalLeak;
    double leakMaximum;
    double leakSpinMaximum[2]; // 1307, 1306
    double supplyMaximum;
    double supplySpinMaximum[3]; // 1308, 1302, 1303
    const char* leakCaption;
};
constexpr UnitScales PsiScales { 1.0, "0.1", 1.0, { 1.0, 1.0 }, 150.0, { 1480, 1490, 1500 },
    "Actuator Pneumatic Leak(scfm)" };
constexpr UnitScales BarScales { 28.3, "2.83", 28.3, { 28.2, 28.3 }, 12.0, { 100, 110, 120 },
    "Actuator Pneumatic Leak(slm)" };
constexpr UnitScales KPaScales { 28.3, "2.83", 28.3, { 28.2, 28.3 }, 1050.0, { 10480, 10490, 10500 },
    "Actuator Pneumatic Leak(slm)" };

struct Implication {
    int button;
    const char* implications;
    const char* solutions;
};
const char* const SensorSolution = "Check the supply pressure.  Calibrate pressure sensors.  Check the pressure sensor "
                                   "board connections and replace pressure sensor board if necessary.";
constexpr Implication Implications[] = {
    { CActuatorHealth::LeakButton,
        "PNEUMATIC LEAK WARNING (user set) indicates that the positioner has detected a leak in the actuation "
        "assembly.  Leakage from the actuator can cause decreased responsiveness and excessive air/gas consumption.  "
        "Low supply pressure can also trigger this warning.",
        "Repair pneumatic leaks at the tubing junctions and actuator seals.  Ensure proper supply pressure." },
    { CActuatorHealth::SupplyButton,
        "SUPPLY PRESSURE LOW ALARM (user set) indicates that the supply pressure is below the user set alarm limit.  "
        "Low supply pressure can cause poor valve response or positioner failure.  The minimum recommended supply "
        "pressure is 30 PSI (2.1 bar) for proper operation.SUPPLY PRESSURE HIGH WARNING indicates the positioner has "
        "determined that the supply pressure is above the user set warning limit.  The maximum recommended supply "
        "pressure is 150 PSI (10.3 bar) for proper operation.",
        "SUPPLY PRESSURE LOW - Regulate the supply pressure at the positioner between 45 PSI (3 bar) and 90 PSI (6 "
        "bar).  Recalibrate pressure sensors.  Ensure system air/gas supply is adequate.  Repair kinked supply "
        "tubing.  Check the pressure sensor board connections and replace pressure sensor board if necessary.SUPPLY "
        "PRESSURE HIGH - Regulate the supply pressure at the positioner below the maximum limit recommended for your "
        "actuator.  Recalibrate pressure sensors.  Check the pressure sensor board connections.  Replace pressure "
        "sensor board if necessary." },
    { CActuatorHealth::RatioButton,
        "ACTUATION RATIO WARNING (user set) indicates a decreased ability of the system to actuate the valve. It is "
        "based on the ratio of available force to required force to actuate. It is affected by the process load, "
        "friction, spring force, and available supply.",
        "Increase the supply pressure.  Reduce the friction.  Check the actuator spring.  Resize the actuator.  "
        "Adjust user set limits." },
    { CActuatorHealth::FailSafeButton,
        "PNEUMATIC INABILITY TO FAIL SAFE WARNING indicates that upon loss of air supply, the valve may move to the "
        "fail-safe position.  The spring alone is not adequate to overcome the friction and process load in the "
        "system.  The system is relying on pneumatic force to actuate in the direction the spring is pushing.  The "
        "failsafe spring may have failed, or it was not sized properly for the application. Friction or process "
        "load may have increased.",
        "Check for high friction.  Repair or replace actuator spring.  Reduce process load." },
    { CActuatorHealth::Port1Button,
        "PRESSURE PORT 1 OUT OF RANGE WARNING indicates the internal pressure sensor at port 1 is either saturated "
        "with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.",
        SensorSolution },
};
const char* const Port2Implication
    = "PRESSURE PORT 2 OUT OF RANGE WARNING indicates the internal pressure sensor at port 2 is either saturated with "
      "a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.";
const char* const SupplyPortImplication
    = "SUPPLY PORT OUT OF RANGE WARNING indicates the internal pressure sensor at the supply port is either saturated "
      "with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.";

}

CActuatorHealth::CActuatorHealth(QWidget* parent)
    : StripPage(QStringLiteral("CActuatorHealth"), DialogId, StripTimer::OnActivation, parent)
{
    buildActuatorTemplate();
}

void CActuatorHealth::buildActuatorTemplate()
{
    using C = ControlSpec;
    const unsigned readOnly = C::ReadOnly;
    auto spinSpec = [](int id, int x, int y, double increment, double maximum, bool keyEdit) {
        QVariantMap properties { { QStringLiteral("Increment"), increment }, { QStringLiteral("Max"), maximum },
            { QStringLiteral("PageSize"), 10.0 } };
        if (increment < 1.0) {
            properties.insert(QStringLiteral("Decimals"), 2);
            properties.insert(QStringLiteral("IntegersOnly"), false);
        }
        if (keyEdit) {
            properties.insert(QStringLiteral("AllowKeyEdit"), true);
            properties.insert(QStringLiteral("CheckRange"), true);
        }
        return C::vendor(id, QStringLiteral("TSpinEditBox"), x, y, 12, 13, properties);
    };
    std::vector<C> t = PageControls::stripTemplate();
    t.push_back(C::group(LeakGroupId, text("Actuator Pneumatic Leak (scfm)"), 3, 26, 367, 78));
    t.push_back(C::label(-1, text("Nominal Value:"), 10, 76, 60, 8));
    t.push_back(C::label(-1, text("Current Value:"), 84, 76, 60, 8));
    t.push_back(C::label(-1, text("Leak Warning:"), 168, 75, 55, 8));
    t.push_back(C::label(-1, text("Leak Alarm:"), 240, 76, 50, 8));
    t.push_back(C::edit(NominalLeakEdit, 10, 86, 53, 12, readOnly));
    t.push_back(C::edit(LeakEdit, 84, 86, 53, 12, readOnly));
    t.push_back(C::edit(LeakWarningEdit, 157, 86, 50, 12));
    t.push_back(spinSpec(LeakWarningSpin, 207, 86, 0.01, 100, false));
    t.push_back(C::edit(LeakAlarmEdit, 229, 86, 50, 12));
    t.push_back(spinSpec(LeakAlarmSpin, 279, 86, 0.01, 100, false));

    t.push_back(C::group(228, text("Supply Pressure Limits"), 3, 108, 367, 77));
    t.push_back(C::label(-1, text("Nominal Value:"), 10, 157, 60, 8));
    t.push_back(C::label(-1, text("Current Value:"), 84, 157, 60, 8));
    t.push_back(C::label(-1, text("Low Alarm:"), 169, 157, 50, 8));
    t.push_back(C::label(-1, text("Low Warning:"), 241, 156, 55, 8));
    t.push_back(C::label(-1, text("High Warning:"), 315, 157, 52, 8));
    t.push_back(C::edit(NominalSupplyEdit, 10, 167, 53, 12, readOnly));
    t.push_back(C::edit(SupplyEdit, 84, 167, 53, 12, readOnly));
    t.push_back(C::edit(LowAlarmEdit, 157, 167, 50, 12));
    t.push_back(spinSpec(LowAlarmSpin, 207, 167, 1, 1500, false));
    t.push_back(C::edit(LowWarningEdit, 229, 167, 50, 12));
    t.push_back(spinSpec(LowWarningSpin, 279, 167, 1, 1500, true));
    t.push_back(C::edit(HighWarningEdit, 304, 167, 50, 12));
    t.push_back(spinSpec(HighWarningSpin, 354, 167, 1, 1500, true));

    t.push_back(C::group(230, text("Actuator Ratio Limits (%)"), 3, 187, 367, 77));
    t.push_back(C::label(-1, text("Current Value:"), 10, 236, 60, 8));
    t.push_back(C::label(-1, text("Initial Warning:"), 99, 236, 60, 8));
    t.push_back(C::label(-1, text("Full Warning:"), 171, 235, 55, 8));
    t.push_back(C::edit(RatioEdit, 10, 246, 53, 12, readOnly));
    t.push_back(C::edit(InitialWarningEdit, 84, 246, 53, 12));
    t.push_back(spinSpec(InitialWarningSpin, 137, 246, 1, 1500, true));
    t.push_back(C::edit(FullWarningEdit, 157, 246, 53, 12));
    t.push_back(spinSpec(FullWarningSpin, 210, 246, 1, 1500, true));

    t.push_back(C::group(1095, text("Actuator Trouble Shooting"), 3, 266, 367, 61));
    t.push_back(C::label(FailSafeCaption, text("Pneumatic Inability to Failsafe"), 32, 279, 123, 9));
    t.push_back(C::label(901, text("Port 1 Pressure Sensor Out of Range"), 32, 295, 123, 9));
    t.push_back(C::label(Port2Caption, text("Port 2 Pressure Sensor Out of Range"), 32, 312, 123, 9));

    const QString implications = QStringLiteral("Implications and Possible Solutions");
    t.push_back(C::radio(LeakButton, implications, 239, 45, 125, 15, C::GroupStart));
    t.push_back(C::radio(SupplyButton, implications, 239, 126, 125, 15));
    t.push_back(C::radio(RatioButton, implications, 239, 204, 125, 15));
    t.push_back(C::radio(FailSafeButton, implications, 239, 278, 125, 10));
    t.push_back(C::radio(Port1Button, implications, 239, 295, 125, 10));
    t.push_back(C::radio(Port2Button, implications, 239, 312, 125, 10));

    t.push_back(C::group(-1, text("Implications"), 377, 26, 144, 158));
    t.push_back(C::edit(ImplicationsEdit, 380, 35, 138, 145, readOnly | C::MultiLine | C::VScroll));
    t.push_back(C::group(-1, text("Possible Solution"), 376, 187, 144, 140));
    t.push_back(C::edit(SolutionsEdit, 379, 196, 138, 128, readOnly | C::MultiLine | C::VScroll));
    t.push_back(C::button(ApplyButton, text("Apply"), 411, 330, 50, 14));
    t.push_back(C::button(RetrieveButton, text("Retrieve"), 467, 330, 50, 14));

    const int keys[7][3] = { { 1032, 157, 74 }, { 1033, 229, 75 }, { 1034, 158, 156 }, { 1035, 230, 155 },
        { 1036, 304, 156 }, { 1037, 88, 235 }, { 1038, 160, 234 } };
    for (const auto& key : keys)
        t.push_back(C::placeholder(key[0], key[1], key[2], 9, 8));
    t.push_back(C::placeholder(1163, 10, 38, 211, 30));
    t.push_back(C::placeholder(1161, 10, 119, 211, 30));
    t.push_back(C::placeholder(1162, 10, 197, 211, 30));
    t.push_back(C::placeholder(1164, 10, 277, 13, 12));
    t.push_back(C::placeholder(1133, 10, 294, 13, 12));
    t.push_back(C::placeholder(1134, 10, 311, 13, 12));
    buildTemplate(WidthDu, HeightDu, t);
    PageControls::fitLabels(this);
}

// ---------------------------------------------------------------------------
// Initial update

void CActuatorHealth::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const int keyPictures[7] = { 149, 155, 155, 149, 154, 149, 154 };
    for (int k = 0; k < 7; ++k) {
        m_pColourKeys[static_cast<size_t>(k)]
            = CreateImageDisplayControl(this, controlScreenRect(1032 + k), 8000 + k, keyPictures[k], theApp().log());
    }
    createGauges();
    createLeds();
    if (deviceData().IsK40())
        disableLeakGroup();
    for (GroupState& group : m_groups)
        group.reload = true;
    connectHandlers();
    addToolTips();
}

ILinearGaugePtr CActuatorHealth::CreateLinearGauge(int placeholderId, int id, double maximum)
{
    ILinearGaugePtr gauge
        = PageControls::create<LinearGauge>(this, QStringLiteral("AnalogLib.LinearGauge"), placeholderId, id);
    if (!gauge)
        return gauge;
    gauge->applyFactoryDefaults();
    gauge->setIndicatorColor(Green);
    gauge->setScaleMax(maximum);
    gauge->setScaleMin(0.0);
    // These gauges have no soft-limit band; their limits are the pointers.
    gauge->setBandLow(0.0);
    gauge->setBandHigh(0.0);
    // Pointer 0 shows the live value; only the limits are the user's to move.
    gauge->setPointerColor(0, Green);
    gauge->setPointerDraggable(0, false);
    return gauge;
}

void CActuatorHealth::createGauges()
{
    struct Setup {
        Group group;
        int placeholder;
        int id;
        double maximum;
        std::vector<uint32_t> pointerColours;
    };
    const Setup setups[] = {
        { Leak, 1163, LeakGaugeId, 1.0, { Yellow, Red } },
        { Supply, 1161, SupplyGaugeId, 150.0, { Red, Yellow, Orange } },
        { Ratio, 1162, RatioGaugeId, 150.0, { Orange, Yellow } },
    };
    for (const Setup& setup : setups) {
        ILinearGaugePtr gauge = CreateLinearGauge(setup.placeholder, setup.id, setup.maximum);
        m_pGauges[setup.group] = gauge;
        if (!gauge)
            continue;
        for (uint32_t colour : setup.pointerColours)
            gauge->setPointerColor(gauge->addPointer(), colour);
    }
}

ILedRoundPtr CActuatorHealth::CreateRoundLed(int placeholderId, int id)
{
    ILedRoundPtr led = PageControls::create<LedRound>(this, QStringLiteral("DigitalLib.LedRound"), placeholderId, id);
    if (!led)
        return led;
    led->setLitColor(Red);
    led->setUnlitColor(Green);
    led->setBorderStyle(0);
    led->setLit(true);
    return led;
}

void CActuatorHealth::createLeds()
{
    m_pTroubleLeds[0] = CreateRoundLed(1164, FailSafeLedId);
    m_pTroubleLeds[1] = CreateRoundLed(1133, Port1LedId);
    m_pTroubleLeds[2] = CreateRoundLed(1134, Port2LedId);
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
        if (auto* box = controlAs<SpinEditBox>(spinId))
            connect(box, &SpinEditBox::valueChanged, this,
                [this, spinId] { guard("OnLimitSpinChanged", [this, spinId] { OnLimitSpinChanged(spinId); }); });
    }
    for (int group = 0; group < GroupCount; ++group) {
        if (LinearGauge* gauge = m_pGauges[static_cast<size_t>(group)].get())
            connect(gauge, &LinearGauge::pointerMoved, this, [this, group](int index) {
                guard("OnLimitPointerMoved", [this, group, index] { OnLimitPointerMoved(Group(group), index); });
            });
    }
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    for (int button : { LeakButton, SupplyButton, RatioButton, FailSafeButton, Port1Button, Port2Button })
        onClicked(button, "OnImplicationsButton", [this, button] { OnImplicationsButton(button); });
}

void CActuatorHealth::addToolTips()
{
    const QString lowWarning = text("Display the value of the LOW WARNING limit. You can change the value here or by "
                                    "changing it on the gauge above.");
    const QString highWarning = text("Display the value of the HIGH WARNING limit. You can change the value here or by "
                                     "changing it on the gauge above.");
    const QString port2 = deviceData().IsK40()
        ? text(
            "Select this button to display the Implications and Possible Solutions related to Supply Pressure Sensor "
            "(See boxes to your right).")
        : text(
            "Select this button to display the Implications and Possible Solutions related to Port 2 Pressure Sensor "
            "(See boxes to your right).");
    setToolTips({
        { LedId, text("LED status") },
        { ActiveId,
            text("Active Indicator displays the highest priority active status indicator and its respective number.") },
        { SourceId,
            text("Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal.") },
        { LeakGaugeId, text("Actuator Pneumatic Leak") },
        { LeakButton,
            text("Select this button to display the Implications and Possible Solutions related to Actuator "
                 "Pneumatic Leak.  (See boxes to your right).") },
        { NominalLeakEdit, text("Nominal Leak Value") },
        { LeakEdit, text("Leak Value") },
        { LeakWarningEdit,
            text("Display the value of the LEAK WARNING limit. You can change the value here or by "
                 "changing it on the gauge above.") },
        { LeakAlarmEdit,
            text("Display the value of the LEAK ALARM limit. You can change the value here or by changing "
                 "it on the gauge above.") },
        { SupplyGaugeId, text("Supply Pressure") },
        { SupplyButton,
            text("Select this button to display the Implications and Possible Solutions related to "
                 "Actuator Supply Limits.  (See boxes to your right).") },
        { NominalSupplyEdit, text("Actual Nominal Supply Pressure retrieved from device.") },
        { SupplyEdit, text("Supply Pressure") },
        { LowAlarmEdit,
            text("Display the value of the LOW ALARM limit. You can change the value here or by changing "
                 "it on the gauge above.") },
        { LowWarningEdit, lowWarning },
        { InitialWarningEdit, lowWarning },
        { HighWarningEdit, highWarning },
        { FullWarningEdit, highWarning },
        { RatioGaugeId, text("Actuator Ratio") },
        { RatioEdit, text("Actuator Ratio") },
        { RatioButton,
            text("Select this button to display the Implications and Possible Solutions related to Actuator "
                 "Ratio Limits.  (See boxes to your right).") },
        { FailSafeButton,
            text("Select this button to display the Implications and Possible Solutions related to "
                 "Pneumatic Inability to Failsafe.  (See boxes to your right).") },
        { Port1Button,
            text("Select this button to display the Implications and Possible Solutions related to Port 1 "
                 "Pressure Sensor.  (See boxes to your right).") },
        { Port2Button, port2 },
        { ImplicationsEdit, text("Implications") },
        { SolutionsEdit, text("Possible Solutions") },
        { ApplyButton, text("Saves your changes to device.") },
        { RetrieveButton, text("Retrieve information from the device.") },
    });
}

ISpinEditBoxPtr CActuatorHealth::spin(int spinId) const
{
    return ISpinEditBoxPtr::fromObject(control(spinId));
}

// ---------------------------------------------------------------------------
// Page contract and timers

void CActuatorHealth::ActivatePage()
{
    for (GroupState& group : m_groups)
        group.pointerEvents = true;
    StripPage::ActivatePage();
    DeviceData& dd = deviceData();
    if (dd.PressureUnitChanged) {
        dd.PressureUnitChanged = 0;
        m_groups[Leak].reload = true;
        m_groups[Supply].reload = true;
    }
    // The live refresh must run even when one control of the first read fails.
    guard("ActivatePage", [this] { readGroups(); });
    setTimer(LiveTimerId, LiveMs);
    for (GroupState& group : m_groups)
        group.changed = false;
}

void CActuatorHealth::StopTimers()
{
    StripPage::StopTimers();
    killTimer(LiveTimerId);
    for (int group = 0; group < GroupCount; ++group)
        killTimer(FirstBlinkTimerId + group);
}

void CActuatorHealth::onTimer(int id)
{
    if (id == LiveTimerId) {
        killTimer(LiveTimerId);
        guard("RefreshLiveValues", [this] { RefreshLiveValues(); });
        setTimer(LiveTimerId, LiveMs);
    } else if (id >= FirstBlinkTimerId && id < FirstBlinkTimerId + GroupCount) {
        blinkStep(Group(id - FirstBlinkTimerId));
    } else if (id >= FirstSettleTimerId && id < FirstSettleTimerId + GroupCount) {
        killTimer(id);
        guard("OnTimer", [this, id] {
            const ILinearGaugePtr& gauge = m_pGauges[static_cast<size_t>(id - FirstSettleTimerId)];
            gauge->setPointerColor(0, Green);
            gauge->setIndicatorColor(Green);
        });
    } else {
        StripPage::onTimer(id);
    }
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
    DeviceData& dd = deviceData();
    CommandDispatch& dispatch = theApp().dispatch();
    auto word = [this](int editId, double scale) { return DeviceWords::toU16(GetWindowFloat(control(editId)), scale); };
    if (leakServed() && m_groups[Leak].changed) {
        const double scale = 1000.0 / m_LeakUnitFactor;
        dd.LeakValues[1] = word(LeakWarningEdit, scale);
        dd.LeakValues[2] = word(LeakAlarmEdit, scale);
        dispatch.DispatchWrite(190);
        m_groups[Leak].changed = false;
        m_groups[Leak].reload = true;
    }
    if (m_groups[Supply].changed) {
        // Without the pressure scale every limit would go out as the largest word.
        if (m_SupplyPressureFactor > 0.0) {
            const double scale = 10000.0 / m_SupplyPressureFactor;
            dd.SupplySettings[2] = word(HighWarningEdit, scale);
            dd.SupplySettings[3] = word(LowWarningEdit, scale);
            dd.SupplySettings[4] = word(LowAlarmEdit, scale);
            dispatch.DispatchWrite(196);
            m_groups[Supply].changed = false;
            m_groups[Supply].reload = true;
        } else {
            theApp().WriteLog(QStringLiteral("CActuatorHealth supply limits not written: no pressure scale"));
        }
    }
    if (m_groups[Ratio].changed) {
        dd.ActRatio[1] = word(InitialWarningEdit, 100.0);
        dd.ActRatio[2] = word(FullWarningEdit, 100.0);
        dispatch.DispatchWrite(178);
        m_groups[Ratio].changed = false;
        m_groups[Ratio].reload = true;
    }
    RefreshStrip();
    for (GroupState& group : m_groups)
        group.cached = true;
    readGroups();
    for (GroupState& group : m_groups)
        group.cached = false;
}

// ---------------------------------------------------------------------------
// Units and trouble-shooting LEDs

void CActuatorHealth::ReadPressureUnits()
{
    theApp().dispatch().SendRead(QStringLiteral("Read_Units....220"), 220);
    const bool leakCaption = !deviceData().IsK40();
    m_LeakUnitFactor = 1.0;
    setWindowText(NominalLeakEdit, QStringLiteral("0.1"));
    if (leakCaption)
        setWindowText(LeakGroupId, QStringLiteral("Actuator Pneumatic Leak (scfm)"));
    const UnitScales* scales = nullptr;
    switch (deviceData().PressureUnit) {
    case 6:
        scales = &PsiScales;
        break;
    case 7:
    case 10:
        scales = &BarScales;
        break;
    case 12:
        scales = &KPaScales;
        break;
    default:
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

void CActuatorHealth::RepaintTroubleLeds()
{
    theApp().dispatch().SendRead(QStringLiteral("Read_Error_Hist_cmd....228"), 228);
    const auto& history = deviceData().ErrorHistory;
    const bool on[3] = { (history[2] & 0x02) != 0, (history[5] & 0x08) != 0, (history[5] & 0x10) != 0 };
    for (size_t k = 0; k < 3; ++k)
        m_pTroubleLeds[k]->setLitColor(on[k] ? Yellow : Green);
}

// ---------------------------------------------------------------------------
// Live values and group reloads

bool CActuatorHealth::leakServed() const
{
    return !theApp().deviceData().IsK40();
}

void CActuatorHealth::showLeakValue()
{
    const ILinearGaugePtr& gauge = m_pGauges[Leak];
    gauge->setValue(deviceData().LeakValues[0] * 0.001 * m_LeakUnitFactor);
    setWindowText(LeakEdit, NumberText::fromDouble(gauge->value()));
}

void CActuatorHealth::showSupplyValue()
{
    const double supply = deviceData().SupplySettings[0] * 0.01 * 0.01 * m_SupplyPressureFactor;
    setWindowText(SupplyEdit, NumberText::format("%5.2f", supply));
    m_pGauges[Supply]->setValue(supply);
}

void CActuatorHealth::showRatioValue()
{
    const double ratio = deviceData().ActRatio[0] * 0.01;
    setWindowText(RatioEdit, NumberText::fromDouble(ratio));
    m_pGauges[Ratio]->setValue(ratio);
}

void CActuatorHealth::RefreshLiveValues()
{
    CommandDispatch& dispatch = theApp().dispatch();
    if (leakServed()) {
        dispatch.SendRead(QStringLiteral("Read_Leak_Values....189"), 189);
        showLeakValue();
        checkGroup(Leak);
    }
    dispatch.SendRead(QStringLiteral("Read_Supply_Pressure....195"), 195);
    showSupplyValue();
    checkGroup(Supply);
    dispatch.SendRead(QStringLiteral("Read_ActRatio_Info....177"), 177);
    showRatioValue();
    checkGroup(Ratio);
    RepaintTroubleLeds();
}

void CActuatorHealth::checkGroup(Group group)
{
    auto edit = [this](int id) { return static_cast<double>(GetWindowFloat(control(id))); };
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
    const Limit* limit = limitOf(editId);
    spin(limit->spin)->setValueSilently(value / limit->spinScale);
    OnLimitSpinChanged(limit->spin);
    m_pGauges[limit->group]->setPointerPositionSilent(limit->pointer, value);
}

void CActuatorHealth::ReloadLeakLimits()
{
    GroupState& state = m_groups[Leak];
    if (!leakServed() || !(state.reload || state.changed))
        return;
    if (!state.cached)
        theApp().dispatch().SendRead(QStringLiteral("Read_Leak_Values....189"), 189);
    showLeakValue();
    const auto& leak = deviceData().LeakValues;
    setLimit(LeakWarningEdit, leak[1] * 0.001 * m_LeakUnitFactor);
    setLimit(LeakAlarmEdit, leak[2] * 0.001 * m_LeakUnitFactor);
    checkGroup(Leak);
    state.reload = false;
    state.changed = false;
}

void CActuatorHealth::ReloadSupplyLimits()
{
    GroupState& state = m_groups[Supply];
    if (!(state.reload || state.changed))
        return;
    m_SupplyPressureFactor = theApp().misc().ReadMiscLong69();
    if (!state.cached)
        theApp().dispatch().SendRead(QStringLiteral("Read_Supply_Pressure....195"), 195);
    showSupplyValue();
    const auto& supply = deviceData().SupplySettings;
    setWindowText(NominalSupplyEdit, NumberText::fromDouble(supply[1] * 0.01));
    const int edits[3] = { LowAlarmEdit, LowWarningEdit, HighWarningEdit };
    const size_t words[3] = { 4, 3, 2 };
    for (int k = 0; k < 3; ++k) {
        const double value = supply[words[k]] * 0.01 * 0.01 * m_SupplyPressureFactor;
        setLimit(edits[k], value);
        setWindowText(edits[k], NumberText::format("%5.1f", value));
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
        theApp().dispatch().SendRead(QStringLiteral("Read_ActRatio_Info....177"), 177);
    showRatioValue();
    const auto& ratio = deviceData().ActRatio;
    const double initial = ratio[1] * 0.01;
    const double full = ratio[2] * 0.01;
    setLimit(InitialWarningEdit, initial);
    setLimit(FullWarningEdit, full);
    setWindowText(InitialWarningEdit, NumberText::format("%5.1f", initial));
    setWindowText(FullWarningEdit, NumberText::format("%5.1f", full));
    checkGroup(Ratio);
    state.reload = false;
    state.changed = false;
}

// ---------------------------------------------------------------------------
// The user's three ways of changing a limit

void CActuatorHealth::OnLimitSpinChanged(int spinId)
{
    const Limit* limit = limitOf(spinId);
    const double value = spin(spinId)->value() * limit->spinScale;
    setWindowText(limit->edit, NumberText::fromDouble(value));
    m_pGauges[limit->group]->setPointerPositionSilent(limit->pointer, value);
    if (spinId == InitialWarningSpin)
        CheckRatioLimits(value, spin(FullWarningSpin)->value() * 0.1);
    m_groups[limit->group].changed = true;
}

void CActuatorHealth::OnLimitEditKillFocus(int editId)
{
    const Limit* limit = limitOf(editId);
    const ISpinEditBoxPtr box = spin(limit->spin);
    double value = GetWindowFloat(control(editId));
    // The typed text stays as it is (Apply writes it); only the spin and
    // the pointer stop at the spin's maximum.
    if (limit->group != Leak)
        value = std::min(value, box->max() * limit->spinScale);
    box->setValueSilently(value / limit->spinScale);
    m_pGauges[limit->group]->setPointerPositionSilent(limit->pointer, value);
    m_groups[limit->group].changed = true;
}

void CActuatorHealth::OnLimitPointerMoved(Group group, int index)
{
    GroupState& state = m_groups[group];
    const Limit* moved = limitAt(group, index);
    if (!state.pointerEvents || !moved)
        return;
    state.changed = true;
    const ILinearGaugePtr& gauge = m_pGauges[group];
    const double position
        = std::clamp(gauge->pointerPosition(index), gauge->scaleMin(), std::max(gauge->scaleMin(), gauge->scaleMax()));
    gauge->setPointerPositionSilent(index, position);
    const char* format = group == Leak ? "%.2f" : "%.1f";
    auto show = [&](const Limit* limit, double value) {
        spin(limit->spin)->setValueSilently(value / limit->spinScale);
        setWindowText(limit->edit, NumberText::format(format, value));
    };
    for (const Push& push : Pushes) {
        if (push.group != group || push.moved != index)
            continue;
        const double neighbour = gauge->pointerPosition(push.neighbour);
        const bool reached = push.offset > 0 ? position >= neighbour : position <= neighbour;
        if (!reached)
            continue;
        double pushed = position + push.offset;
        // The leak alarm may stand just past the scale's end; the others stop there.
        if (group != Leak)
            pushed = std::clamp(pushed, gauge->scaleMin(), std::max(gauge->scaleMin(), gauge->scaleMax()));
        gauge->setPointerPositionSilent(push.neighbour, pushed);
        show(limitAt(group, push.neighbour), pushed);
    }
    show(moved, position);
}

// ---------------------------------------------------------------------------
// Limit colours and blinking

void CActuatorHealth::CheckLeakLimits(double warning, double alarm)
{
    const double value = m_pGauges[Leak]->value();
    showIndicator(Leak, value < warning ? Green : value < alarm ? Yellow : Red);
}

void CActuatorHealth::CheckRatioLimits(double initialWarning, double fullWarning)
{
    const double value = m_pGauges[Ratio]->value();
    showIndicator(Ratio, value < initialWarning ? Green : value < fullWarning ? Yellow : Red);
}

void CActuatorHealth::CheckSupplyLimits(double lowAlarm, double lowWarning, double highWarning)
{
    const double value = m_pGauges[Supply]->value();
    if (lowWarning <= value && value < highWarning)
        showIndicator(Supply, Green);
    else if (value >= highWarning || (lowAlarm < value && value < lowWarning))
        showIndicator(Supply, Yellow);
    else if (value < lowAlarm)
        showIndicator(Supply, Red);
    // A value on the low alarm limit itself leaves the indicator as it is.
}

void CActuatorHealth::showIndicator(Group group, uint32_t colour)
{
    const ILinearGaugePtr& gauge = m_pGauges[group];
    gauge->setPointerColor(0, colour);
    gauge->setIndicatorColor(colour);
    GroupState& state = m_groups[group];
    if (colour == Green) {
        killTimer(FirstBlinkTimerId + group);
        setTimer(FirstSettleTimerId + group, BlinkMs);
        state.lit = false;
    } else {
        // A pending turn to green would otherwise be saved and blinked as
        // this group's warning colour.
        killTimer(FirstSettleTimerId + group);
        setTimer(FirstBlinkTimerId + group, BlinkMs);
        state.lit = true;
    }
}

void CActuatorHealth::blinkStep(Group group)
{
    GroupState& state = m_groups[group];
    guard("OnTimer", [this, group, &state] {
        const ILinearGaugePtr& gauge = m_pGauges[group];
        const uint32_t colour = state.lit ? Black : state.savedColour;
        if (state.lit)
            state.savedColour = gauge->pointerColor(0);
        gauge->setPointerColor(0, colour);
        gauge->setIndicatorColor(colour);
        state.lit = !state.lit;
    });
}

// ---------------------------------------------------------------------------
// Implications and possible solutions

void CActuatorHealth::OnImplicationsButton(int buttonId)
{
    auto* button = controlAs<QAbstractButton>(buttonId);
    if (!button || !button->isChecked())
        return;
    QString implications;
    QString solutions = text(SensorSolution);
    if (buttonId == Port2Button) {
        implications = text(deviceData().IsK40() ? SupplyPortImplication : Port2Implication);
    } else {
        for (const Implication& row : Implications) {
            if (row.button == buttonId) {
                implications = text(row.implications);
                solutions = text(row.solutions);
            }
        }
    }
    setWindowText(ImplicationsEdit, implications);
    setWindowText(SolutionsEdit, solutions);
}
