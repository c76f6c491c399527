#include "CAdvDashboard.h"

#include "PageControls.h"

#include "CSerratK90ClipwellApp.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"
#include "controls/WinColor.h"

namespace
{
using PageControls::Black;
using PageControls::deviceData;
using PageControls::Green;
using PageControls::Grey;
using PageControls::Red;
using PageControls::text;
using PageControls::Yellow;

constexpr int WidthDu = 524;
constexpr int HeightDu = 331;

constexpr uint8_t DigitalMode = 64;
constexpr uint8_t AnalogMode = 0;

constexpr uint32_t PressureColour = 0x990033;
constexpr uint32_t DisabledDialGrey = 0xB5B5B5;

// Placeholders of the created controls.
constexpr int CommandGaugeHost = 1056;
constexpr int PositionGaugeHost = 1057;
constexpr int CommandReadoutHost = 1083;
constexpr int PositionReadoutHost = 1084;
constexpr int DeviationReadoutHost = 1087;
constexpr int TemperatureReadoutHost = 1086;
constexpr int ModeSwitchHost = 1082;
constexpr int ThermometerHost = 1061;
constexpr int SupplyDialHost = 1058;
constexpr int Port1DialHost = 1059;
constexpr int Port2DialHost = 1060;
// Lamp placeholders by column (healthy, warning, alarm), rows valve to control.
constexpr int LampHosts[3][4] = { { 1063, 1064, 1065, 1066 }, { 1067, 1068, 1069, 1070 }, { 1071, 1079, 1080, 1081 } };
constexpr int LampRowsY[4] = { 80, 106, 130, 154 };
constexpr int LampColumnsX[3] = { 154, 194, 278 };
constexpr int LampColumnsW[3] = { 40, 84, 40 };
constexpr uint32_t LampColours[3] = { Green, Yellow, Red };

// Which worst-case word belongs to which health row.
constexpr int WorstCaseWordOfRow[4] = { 0, 2, 1, 3 };

struct DipSwitchText {
    const char* label;
    const char* set;
    const char* clear;
};
constexpr DipSwitchText DipSwitches[8] = {
    { "Air Action:", "ATO", "ATC" },
    { "Signal at closed:", "4mA", "20mA" },
    { "Pos. Characterization:", "LINEAR", "OPTIONAL" },
    { "Optional Pos. Char.:", "=%", "CUSTOM" },
    { "Auto Tune:", "ON", "OFF" },
    { "Spare:", "A", "B" },
    { "Valve Stability:", "Low Fric", "High Fric" },
    { "Quick Calibration:", "Auto", "Jog" },
};

}

CAdvDashboard::CAdvDashboard(QWidget* parent)
    : StripPage(QStringLiteral("CAdvDashboard"), DialogId, StripTimer::None, parent)
{
    buildDashboardTemplate();
}

void CAdvDashboard::buildDashboardTemplate()
{
    using C = ControlSpec;
    const unsigned readOnly = C::ReadOnly;
    std::vector<C> t = PageControls::stripTemplate();
    t.push_back(C::group(1072, text(" Command"), 3, 26, 41, 164));
    t.push_back(C::group(-1, text("Position"), 54, 26, 41, 164));
    t.push_back(C::group(-1, text("HART"), 101, 26, 234, 24));
    t.push_back(C::edit(RequestEditId, 129, 34, 80, 12, readOnly));
    t.push_back(C::edit(ReplyEditId, 237, 34, 80, 12, readOnly));
    t.push_back(C::group(HealthGroupId, text("Health Status"), 101, 51, 234, 139));
    t.push_back(C::group(1037, text("Healthy"), 154, 67, 40, 112));
    t.push_back(C::group(901, text("Warning"), 194, 67, 84, 112));
    t.push_back(C::group(1038, text("Alarm"), 278, 67, 40, 112));
    const char* rows[4] = { "Valve:", "Positioner:", "Actuator:", "Control:" };
    const int hiddenButtons[4] = { 384, 386, 387, 432 };
    for (int row = 0; row < 4; ++row) {
        t.push_back(C::label(-1, text(rows[row]), 104, LampRowsY[row] + 6, 46, 8, C::AlignRight));
        t.push_back(
            C::button(hiddenButtons[row], text("..."), 320, LampRowsY[row] + 3, 12, 14, C::Hidden | C::Disabled));
    }
    t.push_back(C::group(961, text("Dip Switch Configuration"), 341, 26, 180, 164));
    for (int k = 0; k < 8; ++k) {
        const int y = 36 + 17 * k;
        t.push_back(C::label(-1, text(DipSwitches[k].label), 344, y + 2, 80, 8, C::AlignRight));
        t.push_back(C::edit(DipSwitchEditIds[k], 438, y, 60, 12, readOnly));
        t.push_back(C::edit(DipSwitchMarkIds[k], 505, y, 13, 12, readOnly | C::AlignCenter));
    }
    t.push_back(C::label(-1, text("Phycial dip switch settings differ from software settings:"), 372, 171, 130, 17));
    t.push_back(C::edit(DifferSummaryId, 505, 172, 13, 12, readOnly | C::AlignCenter));
    t.push_back(C::group(216, text("Pressure"), 101, 191, 329, 98));
    t.push_back(C::label(SupplyCaptionId, text("Supply Pressure"), 117, 198, 93, 8, C::AlignCenter));
    t.push_back(C::label(Port1CaptionId, text("Port 1"), 222, 198, 81, 8, C::AlignCenter));
    t.push_back(C::label(Port2CaptionId, text("Port 2"), 318, 198, 84, 8, C::AlignCenter));
    t.push_back(C::group(219, text("Temperature"), 437, 191, 84, 98));
    t.push_back(C::group(-1, text("Deviation"), 3, 191, 92, 28));
    t.push_back(C::group(218, text(" Command Source "), 3, 222, 92, 67));
    t.push_back(C::label(-1, text("Analog"), 7, 241, 25, 8));
    t.push_back(C::label(-1, text("Digital"), 69, 241, 25, 8));
    t.push_back(C::label(-1, text("Position CutOff:"), 5, 262, 54, 8));
    t.push_back(C::label(-1, text("High Friction:"), 14, 276, 45, 8));
    t.push_back(C::edit(CutOffEditId, 59, 260, 34, 12, readOnly));
    t.push_back(C::edit(HighFrictionEditId, 59, 274, 34, 12, readOnly));

    t.push_back(C::placeholder(CommandGaugeHost, 6, 51, 37, 136));
    t.push_back(C::placeholder(PositionGaugeHost, 56, 52, 37, 136));
    t.push_back(C::placeholder(CommandReadoutHost, 6, 36, 37, 16));
    t.push_back(C::placeholder(PositionReadoutHost, 56, 36, 37, 13));
    t.push_back(C::placeholder(DeviationReadoutHost, 39, 199, 50, 17));
    t.push_back(C::placeholder(TemperatureReadoutHost, 454, 273, 51, 13));
    t.push_back(C::placeholder(ModeSwitchHost, 33, 233, 25, 28));
    t.push_back(C::placeholder(ThermometerHost, 460, 201, 40, 70));
    t.push_back(C::placeholder(SupplyDialHost, 114, 205, 97, 71));
    t.push_back(C::placeholder(Port1DialHost, 214, 205, 97, 71));
    t.push_back(C::placeholder(Port2DialHost, 314, 205, 97, 71));
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 4; ++row)
            t.push_back(
                C::placeholder(LampHosts[column][row], LampColumnsX[column], LampRowsY[row], LampColumnsW[column], 20));
    buildTemplate(WidthDu, HeightDu, t);
    PageControls::fitLabels(this);
    PageControls::fitEdit(this, CutOffEditId, { text("Active"), text("Dormant") });
    PageControls::fitEdit(this, HighFrictionEditId, { text("Active"), text("Inactive") });
}

// ---------------------------------------------------------------------------
// Initial update

void CAdvDashboard::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    createGauges();
    createHealthLamps();
    createValueDisplays();
    if (deviceData().IsK40()) {
        if (m_pPort2Dial)
            m_pPort2Dial->setVisible(false);
        showControl(Port2CaptionId, false);
    }
    addToolTips();
}

void CAdvDashboard::createGauges()
{
    m_pCommandGauge = PageControls::create<LinearGauge>(
        this, QStringLiteral("AnalogLib.LinearGauge"), CommandGaugeHost, CommandGaugeId);
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
        connect(m_pCommandGauge.get(), &LinearGauge::mouseReleased, this,
            [this] { guard("OnCommandGaugeMouseUp", [this] { OnCommandGaugeMouseUp(); }); });
    }
    m_pModeSwitch = PageControls::create<SwitchToggle>(
        this, QStringLiteral("DigitalLib.SwitchToggle"), ModeSwitchHost, ModeSwitchId);
    if (m_pModeSwitch)
        connect(m_pModeSwitch.get(), &SwitchToggle::changed, this,
            [this] { guard("OnModeSwitchChanged", [this] { OnModeSwitchChanged(); }); });
    m_pPositionGauge = PageControls::create<LinearGauge>(
        this, QStringLiteral("AnalogLib.LinearGauge"), PositionGaugeHost, PositionGaugeId);
    if (m_pPositionGauge) {
        m_pPositionGauge->setScaleMin(-10.0);
        m_pPositionGauge->setScaleMax(110.0);
        m_pPositionGauge->setValue(0.0);
        m_pPositionGauge->setIndicatorColor(Green);
        m_pPositionGauge->setBackgroundColor(WinColor::ActiveBorder);
        m_pPositionGauge->setPointerDraggable(0, false);
    }
    m_pThermometer = PageControls::create<Thermometer>(
        this, QStringLiteral("AnalogLib.Thermometer"), ThermometerHost, ThermometerId);
    if (m_pThermometer) {
        m_pThermometer->setScaleMin(-45.0);
        m_pThermometer->setScaleMax(85.0);
        m_pThermometer->setValue(0.0);
        m_pThermometer->setLiquidColor(WinColor::rgb(51, 102, 255));
        m_pThermometer->setBackgroundColor(WinColor::ButtonFace);
    }
    const QString dial = QStringLiteral("AnalogLib.AngularGauge");
    m_pSupplyDial = PageControls::create<AngularGauge>(this, dial, SupplyDialHost, SupplyDialId);
    ConfigurePressureGauge(m_pSupplyDial);
    m_pPort1Dial = PageControls::create<AngularGauge>(this, dial, Port1DialHost, Port1DialId);
    ConfigurePressureGauge(m_pPort1Dial);
    m_pPort2Dial = PageControls::create<AngularGauge>(this, dial, Port2DialHost, Port2DialId);
    ConfigurePressureGauge(m_pPort2Dial);
}

void CAdvDashboard::ConfigurePressureGauge(const IAngularGaugePtr& gauge)
{
    if (!gauge)
        return;
    gauge->applyFactoryDefaults();
    gauge->setFaceColor(0xFFFFFF);
    gauge->setFaceColor(0xF5F5F5);
    gauge->setValueText(QStringLiteral("0.0"));
    gauge->setUnitText(QStringLiteral("psi"));
}

ILinearGaugePtr CAdvDashboard::CreateHealthLamp(int placeholderId, int id, uint32_t colour)
{
    ILinearGaugePtr lamp
        = PageControls::create<LinearGauge>(this, QStringLiteral("AnalogLib.LinearGauge"), placeholderId, id);
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

void CAdvDashboard::createValueDisplays()
{
    m_pCommandReadout = PageControls::create<AnalogOutput>(
        this, QStringLiteral("AnalogLib.AnalogOutput"), CommandReadoutHost, CommandReadoutId);
    if (m_pCommandReadout) {
        m_pCommandReadout->setRange(-10.0, 110.0);
        m_pCommandReadout->setUnitText(QStringLiteral("%"));
        m_pCommandReadout->setBackgroundColor(WinColor::ActiveBorder);
    }
    auto display = [this](int host, int id, const QString& unit) {
        IAnalogDisplayPtr readout
            = PageControls::create<AnalogDisplay>(this, QStringLiteral("AnalogLib.AnalogDisplay"), host, id);
        if (readout) {
            readout->setUnitText(unit);
            readout->setBackgroundColor(WinColor::ActiveBorder);
        }
        return readout;
    };
    m_pPositionReadout = display(PositionReadoutHost, PositionReadoutId, QStringLiteral("%"));
    m_pDeviationReadout = display(DeviationReadoutHost, DeviationReadoutId, QStringLiteral("%"));
    m_pTemperatureReadout = display(TemperatureReadoutHost, TemperatureReadoutId, QString());
}

void CAdvDashboard::addToolTips()
{
    std::vector<std::pair<int, QString>> tips = {
        { LedId, text("LED status") },
        { ActiveId,
            text("Active Indicator displays the highest priority active status indicator and its respective number.") },
        { SourceId,
            text("Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal.") },
        { SupplyDialId, text("Supply Pressure - Value of the current supply pressure.") },
        { Port1DialId, text("Pressure at Port 1.") },
        { Port2DialId, text("Pressure at Port 2.") },
        { ThermometerId, text("Temperature") },
        { TemperatureReadoutId, text("Temperature value.") },
        { ModeSwitchId, text("Device Control Mode.") },
        { PositionReadoutId, text("Valve position.") },
        { PositionGaugeId, text("Valve position.") },
        { CommandReadoutId, text("Valve position command.") },
        { DeviationReadoutId, text("Position Deviation.") },
        { CommandGaugeId, text("Display of Command, Travel Alert, and Soft Limits.") },
        { RequestEditId, text("HART request packet.") },
        { ReplyEditId, text("HART reply packet.") },
        { 1054, text("Air Action Dip Switch selection.") },
        { 1055, text("Signal at closed Dip Switch selection.") },
        { 1062, text("Position Characterization Dip Switch selection.") },
        { 1085, text("Optional Position Characterization Dip Switch selection.") },
        { 1088, text("Auto Tune Dip Switch selection.") },
        { 1089, text("Spare Dip Switch selection.") },
        { 1090, text("Valve Stability Dip Switch selection.") },
        { 1091, text("Quick Calibration Dip Switch selection.") },
        { DifferSummaryId, text("X indicates Dip Switch differs from software.") },
        { CutOffEditId, text("Position Cut Off control mode.") },
        { HighFrictionEditId, text("High Friction control mode.") },
    };
    const char* rowTips[4] = { "Valve health indicator.", "Positioner health indicator.", "Actuator health indicator.",
        "Process Control health indicator." };
    for (int column = 0; column < ColumnCount; ++column)
        for (int row = 0; row < RowCount; ++row)
            tips.emplace_back(FirstHealthLampId + column * RowCount + row, text(rowTips[row]));
    setToolTips(tips);
}

// ---------------------------------------------------------------------------
// Page contract and timer

void CAdvDashboard::ActivatePage()
{
    m_Activated = true;
    StripPage::ActivatePage();
    // The refresh cycle must go on even when one control of the first refresh fails.
    guard("RefreshAll", [this] { RefreshAll(); });
    setTimer(RefreshTimerId, RefreshMs);
}

void CAdvDashboard::StopTimers()
{
    killTimer(RefreshTimerId);
}

void CAdvDashboard::onTimer(int id)
{
    if (id != RefreshTimerId) {
        StripPage::onTimer(id);
        return;
    }
    killTimer(RefreshTimerId);
    guard("OnTimer", [this] { tick(); });
    setTimer(RefreshTimerId, RefreshMs);
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
        const DeviceData& dd = deviceData();
        if (dd.ControlMode == DigitalMode || dd.ControlMode == AnalogMode) {
            const bool digital = dd.ControlMode == DigitalMode;
            m_pModeSwitch->setValue(digital);
            m_pCommandGauge->setPointerVisible(0, digital);
        }
        const double command = static_cast<int16_t>(dd.DigitalCommand) * 0.01;
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
    const double value = m_pCommandGauge->value();
    const bool within = m_pCommandGauge->bandLow() - 1.0 <= value && value <= m_pCommandGauge->bandHigh() + 1.0;
    m_pCommandGauge->setIndicatorColor(within ? Green : Yellow);
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
    theApp().dispatch().SendRead(QStringLiteral("Read_Status_cmd....202"), 202);
    setReply("ACK STATUS");
}

void CAdvDashboard::ReadConfiguration()
{
    setRequest("REQ ACT");
    theApp().misc().ReadMiscByte82Bit0();
    setReply("ACK ACT");
    setRequest("REQ ACT");
    theApp().misc().ReadMiscByte28Bit5();
    setReply("ACK ACT");
}

void CAdvDashboard::ReadDipSwitches()
{
    setRequest("REQ DPSW");
    m_PhysicalSwitches = theApp().misc().ReadMiscByte(0x37);
    setReply("ACK DPSW");
    for (int bit = 0; bit < 8; ++bit) {
        const bool set = m_PhysicalSwitches & (1u << bit);
        setWindowText(DipSwitchEditIds[bit], text(set ? DipSwitches[bit].set : DipSwitches[bit].clear));
    }
    setWindowText(HighFrictionEditId, text((m_PhysicalSwitches & 0x40) ? "Inactive" : "Active"));
}

void CAdvDashboard::ReadSoftwareSwitches()
{
    m_SoftwareSwitches = theApp().misc().ReadMiscByte(0x38);
    const uint8_t differs = m_PhysicalSwitches ^ m_SoftwareSwitches;
    const QString mark = QStringLiteral("X");
    setWindowText(DifferSummaryId, differs ? mark : QString());
    for (int bit = 0; bit < 8; ++bit)
        setWindowText(DipSwitchMarkIds[bit], (differs & (1u << bit)) ? mark : QString());
}

void CAdvDashboard::ReadPressureScale()
{
    m_PressureScale = theApp().misc().ReadMiscLong69();
}

void CAdvDashboard::ReadSoftLimits()
{
    setRequest("REQ LIMITS");
    theApp().dispatch().SendRead(QStringLiteral("ReadLimitsChar....240"), 240);
    const DeviceData& dd = deviceData();
    for (const ILinearGaugePtr& gauge : { m_pCommandGauge, m_pPositionGauge }) {
        gauge->setBandLow(dd.Limits[1]);
        gauge->setBandHigh(dd.Limits[0]);
    }
}

void CAdvDashboard::ReadTravelAlerts()
{
    setRequest("REQ LIMITS");
    theApp().dispatch().SendRead(QStringLiteral("Read_Position_Alrt_cmd....218"), 218);
    setReply("ACK LIMITS");
    const DeviceData& dd = deviceData();
    m_pCommandGauge->setUpperMarker(dd.PositionAlerts[0] * 0.01);
    m_pCommandGauge->setLowerMarker(dd.PositionAlerts[1] * 0.01);
}

void CAdvDashboard::ReadStatusMask()
{
    theApp().dispatch().SendRead(QStringLiteral("Read_Status_Mask_LDXD_Mode....166"), 166);
    m_DeviationAlarmMask = deviceData().StatusMask[1];
    m_SupplyAlarmMask = deviceData().StatusMask[5];
}

void CAdvDashboard::ReadAlarmHistory()
{
    theApp().dispatch().SendRead(QStringLiteral("Read_Error_Hist_cmd....228"), 228);
    m_HistoryByte1 = deviceData().ErrorHistory[1];
    m_HistoryByte5 = deviceData().ErrorHistory[5];
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
    const uint8_t supply = m_HistoryByte5 & m_SupplyAlarmMask;
    m_pSupplyDial->setAlarmColor((supply & 0x01) ? Red : (supply & 0x04) ? Yellow : Black);
}

bool CAdvDashboard::healthServed() const
{
    const DeviceData& dd = theApp().deviceData();
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
    theApp().dispatch().SendRead(QStringLiteral("Read_Worst_Case....194"), 194);
    setReply("ACK HEALTH");
    setWindowText(HealthGroupId, QStringLiteral("Health Status"));
    for (int row = 0; row < RowCount; ++row) {
        const uint16_t word = deviceData().WorstCase[static_cast<size_t>(WorstCaseWordOfRow[row])];
        const auto lamps = { healthLamp(HealthRow(row), Healthy), healthLamp(HealthRow(row), Warning),
            healthLamp(HealthRow(row), Alarm) };
        for (const ILinearGaugePtr& lamp : lamps)
            lamp->setActive(true);
        healthLamp(HealthRow(row), Healthy)->setValue(100.0);
        healthLamp(HealthRow(row), Alarm)->setValue(word * 0.01 == 100.0 ? 100.0 : 0.0);
        // The warning lamp takes the word as it comes, unscaled.
        healthLamp(HealthRow(row), Warning)->setValue(word);
    }
}

// ---------------------------------------------------------------------------
// Units and pressures

void CAdvDashboard::ApplyUnits()
{
    setRequest("REQ UNITS");
    theApp().dispatch().SendRead(QStringLiteral("Read_Units....220"), 220);
    setReply("ACK UNITS");
    const DeviceData& dd = deviceData();
    PageHelpers& helpers = theApp().helpers();
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
    const bool fahrenheit = dd.TemperatureUnit == 33;
    m_pTemperatureReadout->setUnitText(fahrenheit ? QStringLiteral("degF") : QStringLiteral("degC"));
    m_pThermometer->setScaleMin(fahrenheit ? -55.0 : -45.0);
    m_pThermometer->setScaleMax(fahrenheit ? 185.0 : 85.0);
}

bool CAdvDashboard::port2InUse() const
{
    const DeviceData& dd = theApp().deviceData();
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
    const DeviceData& dd = deviceData();
    if (!dd.PressureSensorFlag)
        return;
    if (!dd.IsK40() && dd.Config28Bit5)
        showDialDisabled(m_pPort2Dial, Port2CaptionId, QStringLiteral("Port2(Disabled)"));
    setRequest("REQ PRESS");
    theApp().dispatch().SendRead(QStringLiteral("Read_Pressure....204"), 204);
    setReply("ACK PRESS");
    // Pressures come in hundredths of a percent of the full scale (long 0x69).
    const double toUnit = 0.01 * m_PressureScale * 0.01;
    showPressure(m_pSupplyDial, dd.SupplyPressure * toUnit);
    showPressure(m_pPort1Dial, dd.Port1Pressure * toUnit);
    if (port2InUse()) {
        showPressure(m_pPort2Dial, dd.Port2Pressure * toUnit);
        showDialActive(m_pPort2Dial, Port2CaptionId, QStringLiteral("Port2"));
        m_pPort2Dial->setNeedleColor(Black);
    }
}

void CAdvDashboard::UpdateEnableStates()
{
    if (!deviceData().PressureSensorFlag) {
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
    const double readout = m_pCommandReadout->value();
    m_pCommandGauge->setPointerVisible(0, digital);
    DeviceData& dd = deviceData();
    dd.ControlMode = digital ? DigitalMode : AnalogMode;
    dd.DigitalCommand = static_cast<uint16_t>(DeviceWords::toS16(readout, 100.0));
    theApp().dispatch().SendWrite(QStringLiteral("Write_Status_cmd....203"), 203);
    RefreshStrip();
}

void CAdvDashboard::OnCommandGaugeMouseUp()
{
    if (!m_Activated)
        return;
    const double command = m_pCommandGauge->value();
    m_pCommandReadout->setValue(command);
    const bool digital = m_pModeSwitch->value();
    DeviceData& dd = deviceData();
    if (!digital) {
        dd.ControlMode = AnalogMode;
        return;
    }
    dd.ControlMode = DigitalMode;
    dd.DigitalCommand = static_cast<uint16_t>(DeviceWords::toS16(command, 100.0));
    theApp().dispatch().SendWrite(QStringLiteral("Write_Status_cmd....203"), 203);
    ReadStatus();
    ReadStatus();
}
