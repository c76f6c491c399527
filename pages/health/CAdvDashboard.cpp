#include "CAdvDashboard.h"

#include "DashboardRules.h"
#include "DeviceData.h"
#include "IndicatorColours.h"
#include "MiscAccessors.h"
#include "PageControls.h"
#include "PageHelpers.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"
#include "controls/WinColor.h"

namespace
{
using namespace IndicatorColour;
using DashboardRules::AnalogMode;
using DashboardRules::DigitalMode;
using PageControls::text;

constexpr uint32_t PressureColour = 0x990033;
constexpr uint32_t DisabledDialGrey = 0xB5B5B5;
}

CAdvDashboard::CAdvDashboard(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CAdvDashboard"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    PageControls::fitEdit(this, CutOffEditId, { text("Active"), text("Dormant") });
    PageControls::fitEdit(this, HighFrictionEditId, { text("Active"), text("Inactive") });
    context.followStatusReplies(this, [this] { UpdateFromStatus(); });
}

// ---------------------------------------------------------------------------
// Initial update

void CAdvDashboard::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    createGauges();
    createHealthLamps();
    createValueDisplays();
    if (data().IsK40()) {
        if (m_pPort2Dial)
            m_pPort2Dial->setVisible(false);
        showControl(Port2CaptionId, false);
    }
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

void CAdvDashboard::createGauges()
{
    m_pCommandGauge = create<LinearGauge>(CommandGaugeHost, CommandGaugeId);
    if (m_pCommandGauge) {
        m_pCommandGauge->setScaleMin(-10.0);
        m_pCommandGauge->setScaleMax(110.0);
        m_pCommandGauge->setValue(0.0);
        m_pCommandGauge->setBandLow(0.0);
        m_pCommandGauge->setBandHigh(100.0);
        m_pCommandGauge->setBackgroundColor(WinColor::ActiveBorder);
        // Pointer 0 is the digital command the user drags; pointer 1 the analog command.
        const int analog = m_pCommandGauge->addPointer();
        m_pCommandGauge->setPointerColor(analog, Grey);
        m_pCommandGauge->setPointerDraggable(analog, false);
    }
    on(m_pCommandGauge, &LinearGauge::mouseReleased, "OnCommandGaugeMouseUp", [this] { OnCommandGaugeMouseUp(); });
    m_pModeSwitch = create<SwitchToggle>(ModeSwitchHost, ModeSwitchId);
    on(m_pModeSwitch, &SwitchToggle::changed, "OnModeSwitchChanged", [this] { OnModeSwitchChanged(); });
    m_pPositionGauge = create<LinearGauge>(PositionGaugeHost, PositionGaugeId);
    if (m_pPositionGauge) {
        m_pPositionGauge->setScaleMin(-10.0);
        m_pPositionGauge->setScaleMax(110.0);
        m_pPositionGauge->setValue(0.0);
        m_pPositionGauge->setIndicatorColor(Green);
        m_pPositionGauge->setBackgroundColor(WinColor::ActiveBorder);
        m_pPositionGauge->setPointerDraggable(0, false);
    }
    m_pThermometer = create<Thermometer>(ThermometerHost, ThermometerId);
    if (m_pThermometer) {
        m_pThermometer->setScaleMin(-45.0);
        m_pThermometer->setScaleMax(85.0);
        m_pThermometer->setValue(0.0);
        m_pThermometer->setLiquidColor(WinColor::rgb(51, 102, 255));
        m_pThermometer->setBackgroundColor(WinColor::ButtonFace);
    }
    m_pSupplyDial = createPressureDial(SupplyDialHost, SupplyDialId);
    m_pPort1Dial = createPressureDial(Port1DialHost, Port1DialId);
    m_pPort2Dial = createPressureDial(Port2DialHost, Port2DialId);
}

IAngularGaugePtr CAdvDashboard::createPressureDial(int placeholderId, int id)
{
    IAngularGaugePtr gauge = create<AngularGauge>(placeholderId, id);
    if (!gauge)
        return gauge;
    gauge->applyFactoryDefaults();
    gauge->setFaceColor(0xFFFFFF);
    gauge->setFaceColor(0xF5F5F5);
    gauge->setValueText(QStringLiteral("0.0"));
    gauge->setUnitText(QStringLiteral("psi"));
    return gauge;
}

ILinearGaugePtr CAdvDashboard::CreateHealthLamp(int placeholderId, int id, uint32_t colour)
{
    ILinearGaugePtr lamp = create<LinearGauge>(placeholderId, id);
    if (!lamp)
        return lamp;
    lamp->setStyle(LinearGauge::Style::Lamp);
    lamp->setScaleMin(0.0);
    lamp->setScaleMax(100.0);
    lamp->setIndicatorColor(colour);
    lamp->setBackgroundColor(WinColor::ButtonFace);
    lamp->setPointerDraggable(0, false);
    return lamp;
}

void CAdvDashboard::createHealthLamps()
{
    for (int column = 0; column < ColumnCount; ++column) {
        for (int row = 0; row < RowCount; ++row) {
            const int id = FirstHealthLampId + column * RowCount + row;
            ILinearGaugePtr lamp = CreateHealthLamp(LampHosts[column][row], id, LampColours[column]);
            if (lamp && column == Healthy)
                lamp->setValue(100.0);
            m_HealthBars[static_cast<size_t>(column * RowCount + row)] = lamp;
        }
    }
    // Every lamp starts dark.
    for (int row = 0; row < RowCount; ++row)
        if (const ILinearGaugePtr& lamp = healthLamp(HealthRow(row), Healthy))
            lamp->setValue(0.0);
}

IAnalogDisplayPtr CAdvDashboard::createReadout(int placeholderId, int id, const QString& unit)
{
    IAnalogDisplayPtr readout = create<AnalogDisplay>(placeholderId, id);
    if (readout) {
        readout->setUnitText(unit);
        readout->setBackgroundColor(WinColor::ActiveBorder);
    }
    return readout;
}

void CAdvDashboard::createValueDisplays()
{
    m_pCommandReadout = create<AnalogOutput>(CommandReadoutHost, CommandReadoutId);
    if (m_pCommandReadout) {
        m_pCommandReadout->setRange(-10.0, 110.0);
        m_pCommandReadout->setUnitText(QStringLiteral("%"));
        m_pCommandReadout->setBackgroundColor(WinColor::ActiveBorder);
    }
    m_pPositionReadout = createReadout(PositionReadoutHost, PositionReadoutId, QStringLiteral("%"));
    m_pDeviationReadout = createReadout(DeviationReadoutHost, DeviationReadoutId, QStringLiteral("%"));
    m_pTemperatureReadout = createReadout(TemperatureReadoutHost, TemperatureReadoutId, QString());
}

// ---------------------------------------------------------------------------
// Page contract and timer

void CAdvDashboard::ActivatePage()
{
    m_Activated = true;
    StripPage::ActivatePage();
    // The refresh cycle must go on even when one control of the first refresh fails.
    guard("RefreshAll", [this] { RefreshAll(); });
    every(RefreshTimerId, RefreshMs, "OnTimer", [this] { tick(); });
}

void CAdvDashboard::tick()
{
    ++m_TickCount;
    if (m_TickCount >= TicksPerCycle) {
        // Counted back first, so a failing read cannot stall the cycle.
        m_TickCount = 0;
        RefreshSettings();
    } else if (m_TickCount == 6) {
        UpdateEnableStates();
        ReadSoftLimits();
        ReadTravelAlerts();
    } else if (m_TickCount == 3) {
        RefreshPressures();
    } else {
        ReadStatus();
        EvaluateStrip();
    }
}

// ---------------------------------------------------------------------------
// Refresh groups

void CAdvDashboard::RefreshAll()
{
    ReadStatus();
    ReadSoftLimits();
    ColourCommandGauge();
    ReadTravelAlerts();
    UpdateEnableStates();
    ReadConfiguration();
    UpdateEnableStates();
    ApplyUnits();
    ReadPressureScale();
    ShowPressures();
    ReadStatusMask();
    ReadAlarmHistory();
    ReadDipSwitches();
    ReadSoftwareSwitches();
    ReadHealth();
}

void CAdvDashboard::RefreshSettings()
{
    ReadConfiguration();
    ReadDipSwitches();
    ReadSoftwareSwitches();
    ReadStatusMask();
    ApplyUnits();
    ReadPressureScale();
}

void CAdvDashboard::RefreshPressures()
{
    ShowPressures();
    ReadAlarmHistory();
    ReadHealth();
    setWindowText(RequestEditId, QString());
    setWindowText(ReplyEditId, QString());
}

// ---------------------------------------------------------------------------
// Status push

void CAdvDashboard::UpdateFromStatus()
{
    // Replies that come before the page has its controls have nothing to show.
    if (!m_pCommandGauge && !m_pPositionGauge && !m_pCommandReadout)
        return;
    guard("UpdateFromStatus", [this] {
        const DeviceData& dd = data();
        if (dd.ControlMode == DigitalMode || dd.ControlMode == AnalogMode) {
            const bool digital = dd.ControlMode == DigitalMode;
            m_pModeSwitch->setValue(digital);
            m_pCommandGauge->setPointerVisible(0, digital);
        }
        // While the loop is in charge the reply still carries the last digital
        // command; showing it would invite a switch to Digital to stroke the
        // valve back to it.
        const double command = DashboardRules::commandFollowed(dd.ControlMode, dd.DigitalCommand, dd.AnalogCommand);
        const double position = static_cast<int16_t>(dd.Position) * 0.01;
        m_pCommandGauge->setValue(command);
        m_pPositionGauge->setValue(position);
        m_pCommandReadout->setValue(command);
        m_pPositionReadout->setValue(position);
        m_pDeviationReadout->setValue(dd.Deviation * 0.01);
        m_pTemperatureReadout->setValue(dd.Temperature);
        m_pCommandGauge->setPointerPositionSilent(1, static_cast<int16_t>(dd.AnalogCommand) * 0.01);
        m_pThermometer->setValue(dd.Temperature);
        ColourCommandGauge();
    });
}

void CAdvDashboard::ColourCommandGauge()
{
    m_pCommandGauge->setIndicatorColor(DashboardRules::commandColour(
        m_pCommandGauge->value(), m_pCommandGauge->bandLow(), m_pCommandGauge->bandHigh()));
}

// ---------------------------------------------------------------------------
// Readers

void CAdvDashboard::setRequest(const char* request)
{
    setWindowText(RequestEditId, text(request));
}

void CAdvDashboard::setReply(const char* reply)
{
    setWindowText(ReplyEditId, text(reply));
}

void CAdvDashboard::ReadStatus()
{
    setRequest("REQ STATUS");
    read(HartCommand::ReadStatus);
    setReply("ACK STATUS");
}

void CAdvDashboard::ReadConfiguration()
{
    setRequest("REQ ACT");
    context().misc().ReadMiscByte82Bit0();
    setReply("ACK ACT");
    setRequest("REQ ACT");
    context().misc().ReadMiscByte28Bit5();
    setReply("ACK ACT");
}

void CAdvDashboard::ReadDipSwitches()
{
    setRequest("REQ DPSW");
    m_PhysicalSwitches = context().misc().ReadMiscByte(0x37);
    setReply("ACK DPSW");
    for (int bit = 0; bit < 8; ++bit) {
        const bool set = m_PhysicalSwitches & (1u << bit);
        setWindowText(DipSwitchEditIds[bit], text(set ? DipSwitches[bit].set : DipSwitches[bit].clear));
    }
    setWindowText(HighFrictionEditId, text((m_PhysicalSwitches & 0x40) ? "Inactive" : "Active"));
}

void CAdvDashboard::ReadSoftwareSwitches()
{
    m_SoftwareSwitches = context().misc().ReadMiscByte(0x38);
    const uint8_t differs = m_PhysicalSwitches ^ m_SoftwareSwitches;
    const QString mark = QStringLiteral("X");
    setWindowText(DifferSummaryId, differs ? mark : QString());
    for (int bit = 0; bit < 8; ++bit)
        setWindowText(DipSwitchMarkIds[bit], (differs & (1u << bit)) ? mark : QString());
}

void CAdvDashboard::ReadPressureScale()
{
    m_PressureScale = context().misc().ReadMiscLong69();
}

void CAdvDashboard::ReadSoftLimits()
{
    setRequest("REQ LIMITS");
    read(HartCommand::ReadLimitsChar);
    const DeviceData& dd = data();
    for (const ILinearGaugePtr& gauge : { m_pCommandGauge, m_pPositionGauge }) {
        gauge->setBandLow(dd.Limits[1]);
        gauge->setBandHigh(dd.Limits[0]);
    }
}

void CAdvDashboard::ReadTravelAlerts()
{
    setRequest("REQ LIMITS");
    read(HartCommand::ReadPositionAlert);
    setReply("ACK LIMITS");
    const DeviceData& dd = data();
    m_pCommandGauge->setUpperMarker(dd.PositionAlerts[0] * 0.01);
    m_pCommandGauge->setLowerMarker(dd.PositionAlerts[1] * 0.01);
}

void CAdvDashboard::ReadStatusMask()
{
    read(HartCommand::ReadStatusMask);
    m_DeviationAlarmMask = data().StatusMask[1];
    m_SupplyAlarmMask = data().StatusMask[5];
}

void CAdvDashboard::ReadAlarmHistory()
{
    read(HartCommand::ReadErrorHist);
    m_HistoryByte1 = data().ErrorHistory[1];
    m_HistoryByte5 = data().ErrorHistory[5];
    setWindowText(CutOffEditId, text((m_HistoryByte1 & 0x20) ? "Active" : "Dormant"));
    if ((m_HistoryByte1 & 0x01) && (m_DeviationAlarmMask & 0x01)) {
        m_pDeviationReadout->setValueColor(Red);
        m_pCommandGauge->setIndicatorColor(Red);
        m_pPositionGauge->setIndicatorColor(Red);
    } else {
        m_pDeviationReadout->setValueColor(Grey);
        ColourCommandGauge();
        m_pPositionGauge->setIndicatorColor(Green);
    }
    m_pSupplyDial->setAlarmColor(DashboardRules::supplyAlarmColour(m_HistoryByte5, m_SupplyAlarmMask));
}

bool CAdvDashboard::healthServed() const
{
    const DeviceData& dd = data();
    return !dd.IsK40() || dd.Config28Bit5;
}

void CAdvDashboard::ReadHealth()
{
    if (!healthServed()) {
        setWindowText(HealthGroupId, QStringLiteral("Health Status(Disabled)"));
        for (const ILinearGaugePtr& lamp : m_HealthBars) {
            lamp->setValue(0.0);
            lamp->setActive(false);
        }
        return;
    }
    setRequest("REQ HEALTH");
    read(HartCommand::ReadWorstCase);
    setReply("ACK HEALTH");
    setWindowText(HealthGroupId, QStringLiteral("Health Status"));
    for (int row = 0; row < RowCount; ++row) {
        const uint16_t word = data().WorstCase[static_cast<size_t>(DashboardRules::worstCaseWordOfRow(row))];
        const DashboardRules::HealthLamps values = DashboardRules::healthLamps(word);
        for (int column = 0; column < ColumnCount; ++column)
            healthLamp(HealthRow(row), HealthColumn(column))->setActive(true);
        healthLamp(HealthRow(row), Healthy)->setValue(values.healthy);
        healthLamp(HealthRow(row), Alarm)->setValue(values.alarm);
        healthLamp(HealthRow(row), Warning)->setValue(values.warning);
    }
}

// ---------------------------------------------------------------------------
// Units and pressures

void CAdvDashboard::ApplyUnits()
{
    setRequest("REQ UNITS");
    read(HartCommand::ReadUnits);
    setReply("ACK UNITS");
    const DeviceData& dd = data();
    PageHelpers& helpers = context().helpers();
    const int fullScale = helpers.GetPressureGaugeScale(dd.PressureUnit);
    const QString unit = helpers.m_PressureUnitLabel.toQString();
    m_pSupplyDial->setScaleMax(fullScale);
    m_pSupplyDial->setMajorTicks(7);
    for (const IAngularGaugePtr& dial : { m_pSupplyDial, m_pPort1Dial, m_pPort2Dial })
        dial->setUnitText(unit);
    for (const IAngularGaugePtr& dial : { m_pPort1Dial, m_pPort2Dial }) {
        dial->setScaleMax(m_pSupplyDial->scaleMax());
        dial->setMajorTicks(7);
    }
    const DashboardRules::TemperatureScale temperature = DashboardRules::temperatureScale(dd.TemperatureUnit);
    m_pTemperatureReadout->setUnitText(QString::fromLatin1(temperature.unit));
    m_pThermometer->setScaleMin(temperature.minimum);
    m_pThermometer->setScaleMax(temperature.maximum);
}

bool CAdvDashboard::port2InUse() const
{
    const DeviceData& dd = data();
    return !dd.IsK40() && !dd.Config28Bit5;
}

void CAdvDashboard::showDialDisabled(const IAngularGaugePtr& dial, int captionId, const QString& caption)
{
    dial->setValueText(QStringLiteral("Disabled"));
    dial->setDisabledFaceColor(DisabledDialGrey);
    dial->setActive(false);
    dial->setValue(0.0);
    PageControls::setCaption(this, captionId, caption);
    enableControl(captionId, false);
}

void CAdvDashboard::showDialActive(const IAngularGaugePtr& dial, int captionId, const QString& caption)
{
    dial->setActive(true);
    PageControls::setCaption(this, captionId, caption);
    enableControl(captionId, true);
}

void CAdvDashboard::showPressure(const IAngularGaugePtr& dial, double value)
{
    dial->setValueText(NumberText::format("%5.2f", value));
    dial->setValue(value);
    dial->setIndicatorColor(PressureColour);
}

void CAdvDashboard::ShowPressures()
{
    const DeviceData& dd = data();
    if (!dd.PressureSensorFlag)
        return;
    if (!dd.IsK40() && dd.Config28Bit5)
        showDialDisabled(m_pPort2Dial, Port2CaptionId, QStringLiteral("Port2(Disabled)"));
    setRequest("REQ PRESS");
    read(HartCommand::ReadPressure);
    setReply("ACK PRESS");
    showPressure(m_pSupplyDial, DashboardRules::pressureInUnit(dd.SupplyPressure, m_PressureScale));
    showPressure(m_pPort1Dial, DashboardRules::pressureInUnit(dd.Port1Pressure, m_PressureScale));
    if (port2InUse()) {
        showPressure(m_pPort2Dial, DashboardRules::pressureInUnit(dd.Port2Pressure, m_PressureScale));
        showDialActive(m_pPort2Dial, Port2CaptionId, QStringLiteral("Port2"));
        m_pPort2Dial->setNeedleColor(Black);
    }
}

void CAdvDashboard::UpdateEnableStates()
{
    if (!data().PressureSensorFlag) {
        showDialDisabled(m_pSupplyDial, SupplyCaptionId, QStringLiteral("Supply Pressure(Disabled)"));
        showDialDisabled(m_pPort1Dial, Port1CaptionId, QStringLiteral("Port1(Disabled)"));
        showDialDisabled(m_pPort2Dial, Port2CaptionId, QStringLiteral("Port2(Disabled)"));
        return;
    }
    showDialActive(m_pSupplyDial, SupplyCaptionId, QStringLiteral("Supply Pressure"));
    showDialActive(m_pPort1Dial, Port1CaptionId, QStringLiteral("Port1"));
    if (port2InUse())
        showDialActive(m_pPort2Dial, Port2CaptionId, QStringLiteral("Port2"));
    for (const IAngularGaugePtr& dial : { m_pSupplyDial, m_pPort1Dial, m_pPort2Dial })
        if (dial)
            dial->setNeedleColor(Black);
}

// ---------------------------------------------------------------------------
// Command source and digital command

void CAdvDashboard::OnModeSwitchChanged()
{
    const bool digital = m_pModeSwitch->value();
    // Taking over from the loop is bumpless: the readout is brought to the
    // command the valve follows this moment, and that is what goes out, so
    // the valve stays where it is until the user moves the pointer. The read
    // shows the device still in analog mode, so the switch is put back.
    // Without the command of the moment the take-over would write an old
    // one and stroke the valve to it: nothing is written, and the switch
    // goes back to the loop that still has the valve.
    if (digital) {
        setRequest("REQ STATUS");
        const bool answered = read(HartCommand::ReadStatus);
        setReply("ACK STATUS");
        if (!answered) {
            m_pModeSwitch->setValue(false);
            m_pCommandGauge->setPointerVisible(0, false);
            RefreshStrip();
            return;
        }
        m_pModeSwitch->setValue(true);
    }
    const double readout = m_pCommandReadout->value();
    m_pCommandGauge->setPointerVisible(0, digital);
    DeviceData& dd = data();
    dd.ControlMode = digital ? DigitalMode : AnalogMode;
    dd.DigitalCommand = static_cast<uint16_t>(DeviceWords::toS16(readout, 100.0));
    write(HartCommand::WriteStatus);
    RefreshStrip();
}

void CAdvDashboard::OnCommandGaugeMouseUp()
{
    if (!m_Activated)
        return;
    const double command = m_pCommandGauge->value();
    m_pCommandReadout->setValue(command);
    const bool digital = m_pModeSwitch->value();
    DeviceData& dd = data();
    if (!digital) {
        dd.ControlMode = AnalogMode;
        return;
    }
    dd.ControlMode = DigitalMode;
    dd.DigitalCommand = static_cast<uint16_t>(DeviceWords::toS16(command, 100.0));
    write(HartCommand::WriteStatus);
    ReadStatus();
    ReadStatus();
}
