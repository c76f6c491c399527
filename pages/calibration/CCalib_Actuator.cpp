#include "CCalib_Actuator.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageControls.h"
#include "PageHelpers.h"
#include "ReportRecords.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "core/Tellbox.h"
#include "ui/Prompts.h"

using namespace StrokeCalibrationRules;

namespace
{
// The supply as the edit shows it; read back in the C locale, so it is
// written in the C locale too, whatever locale the user runs.
QString fixed2(double value)
{
    return NumberText::format("%5.2f", value);
}
} // namespace

CCalib_Actuator::CCalib_Actuator(PageContext& context, QWidget* parent)
    : CalibrationRunPage(context, QStringLiteral("CCalib_Actuator"), DialogId, Run, Template, parent)
{
}

bool CCalib_Actuator::smallerModel() const
{
    return data().DeviceType == 6;
}

void CCalib_Actuator::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    auto makeLed = [this](int row, int id) { return createFlagLed(FlagHosts[row], id); };
    m_pFlagLeds[0] = makeLed(0, SupplyLed);
    m_pFlagLeds[1] = makeLed(1, Port1Led);
    if (smallerModel()) {
        // No port 2 flag: the six position flags move up one row.
        for (int k = 0; k < 6; ++k) {
            m_pFlagLeds[size_t(3 + k)] = makeLed(2 + k, FirstPositionLedK40 + k);
            setWindowText(FirstFlagLabel + 2 + k, QString::fromLatin1(StrokeFlags[k].label));
        }
        showControl(FirstFlagLabel + 8, false);
        setWindowText(Port2Label, QStringLiteral("Supply"));
    } else {
        m_pFlagLeds[2] = makeLed(2, Port2Led);
        for (int k = 0; k < 6; ++k)
            m_pFlagLeds[size_t(3 + k)] = makeLed(3 + k, FirstPositionLedK90 + k);
        showControl(ZeroSupplyButton, false);
        enableControl(ZeroSupplyButton, false);
    }
    auto makeGauge = [this](int host, int id) {
        IAngularGaugePtr gauge = create<AngularGauge>(host, id);
        if (gauge) {
            gauge->applyFactoryDefaults();
            QFont font = gauge->font();
            font.setFamily(QStringLiteral("Lucida Sans Unicode"));
            font.setPointSize(11);
            font.setBold(true);
            gauge->setFont(font);
            gauge->setFaceColor(0xF5F5F5);
        }
        return gauge;
    };
    m_pPort1Gauge = makeGauge(Port1GaugeHost, Port1Gauge);
    m_pPort2Gauge = makeGauge(Port2GaugeHost, Port2Gauge);
    createReportControls();

    connectRunControls();
    onTextChanged(PressureEdit, "OnChangeSupplyPressure", [this] { OnChangeSupplyPressure(); });
    onClicked(BackButton, "OnBack", [this] { OnBack(); });
    onClicked(ZeroSupplyButton, "OnZeroSupply", [this] { OnZeroSupply(); });
    onClicked(FrictionButton, "OnFrictionTolerances", [this] { OnFrictionTolerances(); });

    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    ToolTipTable flagTips { { SupplyLed, QStringLiteral("Calibration Flag - Loss of Supply") },
        { Port1Led, QStringLiteral("Calibration Flag - Port 1") } };
    if (!smallerModel())
        flagTips.push_back({ Port2Led, QStringLiteral("Calibration Flag - Port 2") });
    setToolTips(flagTips);
    setToolTips(strokeFlagTips(smallerModel() ? FirstPositionLedK40 : FirstPositionLedK90));
    setToolTips(TrailingToolTips);
}

void CCalib_Actuator::ActivatePage()
{
    enableControl(FrictionButton, true);
    enableControl(PrintButton, false);
    enableControl(StartButton, true);
    activateRun();

    MiscAccessors& misc = context().misc();
    m_dSupplyPressure = misc.ReadMiscLong69();
    fillEdit(PressureEdit, fixed2(m_dSupplyPressure), &CCalib_Actuator::OnChangeSupplyPressure); // checked as it is set

    // The gauges' scale follows the unit known before this activation's unit read.
    const int scale = context().helpers().GetPressureGaugeScale(data().PressureUnit);
    for (const IAngularGaugePtr* gauge : { &m_pPort1Gauge, &m_pPort2Gauge }) {
        if (*gauge)
            (*gauge)->setScaleMax(scale);
    }
    m_dSupplyPsi = misc.ReadMiscLong63();
    read(HartCommand::ReadUnits);
    m_dUnitToPsi = StrokeCalibrationRules::unitToPsi(data().PressureUnit, m_dSupplyPsi);
    PageControls::setCaption(this, UnitLabel, data().PressureUnitLabel);
    if (m_pPort1Gauge) {
        m_pPort1Gauge->setUnitText(data().PressureUnitLabel);
        m_pPort1Gauge->setIndicatorColor(GaugeColour);
    }
    setWindowText(Port1CountEdit, QString::number(misc.ReadMiscWord61()));
    setWindowText(Port2CountEdit, QString::number(misc.ReadMiscWord66()));
    m_bPort2Unavailable = misc.ReadMiscByte28Bit5() != 0;
    if (m_pPort2Gauge) {
        if (!smallerModel() && m_bPort2Unavailable) {
            m_pPort2Gauge->setUnitText(QString());
            m_pPort2Gauge->setValueText(QStringLiteral("Disabled"));
            m_pPort2Gauge->setIndicatorColor(DisabledGaugeColour);
        } else {
            m_pPort2Gauge->setUnitText(data().PressureUnitLabel);
            m_pPort2Gauge->setValueText(QString());
            m_pPort2Gauge->setIndicatorColor(GaugeColour);
        }
    }
    UpdateMonitor();
}

void CCalib_Actuator::setStartEnabled()
{
    enableControl(StartButton, m_bInitialsValid && m_bPressureValid);
}

void CCalib_Actuator::OnChangeNewCalibrationBy()
{
    // The initials the device reported are taken as they are, whatever was
    // refused before the page was left: a Start held off by them would show
    // no mark saying why. Start itself checks them before it asks anything.
    if (takeDeviceInitials()) {
        m_bInitialsValid = true;
        setStartEnabled();
        return;
    }
    m_bInitialsValid = markInitials();
    setStartEnabled();
}

FieldRange CCalib_Actuator::supplyRange()
{
    // The device keeps the supply in hundredths of the display unit.
    const int fullScale = context().helpers().GetPressureGaugeScale(data().PressureUnit);
    return { 0.0, double(fullScale), FieldStep::Hundredths };
}

std::optional<double> CCalib_Actuator::checkSupply()
{
    const FieldRange range = supplyRange();
    return ValidityMark::checkField(this, PressureEdit, PressureMark, range, pressureTip(range));
}

void CCalib_Actuator::OnChangeSupplyPressure()
{
    m_bPressureValid = checkSupply().has_value();
    setStartEnabled();
}

void CCalib_Actuator::OnStartCalibration()
{
    // Only the supply the user sees goes to the device: any other text
    // would be written as its leading number, or as 0.
    const std::optional<double> supply = checkSupply();
    if (!supply) {
        m_bPressureValid = false;
        setStartEnabled();
        context().log().WriteLog(
            QStringLiteral("Write_Calibration_cmd not sent: the supply pressure \"%1\" is not one of the %2")
                .arg(windowText(PressureEdit), supplyRange().describe()));
        return;
    }
    if (!mayStartRun())
        return;
    enableControl(FrictionButton, false);
    WriteSupplyPressure(*supply);
    // A new run starts with its flags clear; within the run they stay once seen.
    clearStrokeFlags(context().records().m_ActuatorCalibReport);
    enableControl(BackButton, false);
    if (smallerModel())
        enableControl(ZeroSupplyButton, false);
    startRun([this] {
        PollCalibrationState();
        UpdateMonitor();
    });
}

void CCalib_Actuator::WriteSupplyPressure(double supply)
{
    // Read as single precision, as the supply has always been written.
    const SupplyWords words = supplyWords(static_cast<float>(supply), m_dUnitToPsi);
    MiscAccessors& misc = context().misc();
    misc.WriteMiscLong69(words.displayUnit);
    misc.WriteMiscLong63(words.psi);
}

void CCalib_Actuator::PollCalibrationState()
{
    if (!pollRunState())
        return;
    enableControl(BackButton, true);
    if (smallerModel())
        enableControl(ZeroSupplyButton, true);
    enableControl(FrictionButton, true);
}

void CCalib_Actuator::UpdateMonitor()
{
    read(HartCommand::ReadErrorHist);
    const uint8_t byte5 = data().ErrorHistory[5];
    const uint8_t byte7 = data().ErrorHistory[7];
    CActuatorCalibReport& record = context().records().m_ActuatorCalibReport;
    auto light = [this](int row, bool on) {
        if (m_pFlagLeds[size_t(row)])
            m_pFlagLeds[size_t(row)]->setLit(on);
    };
    const bool supplyLow = byte5 & 0x01;
    light(0, supplyLow);
    record.m_strSuppLoLbl
        = AutoString(supplyLow ? QStringLiteral("Supply Pressure Low Alarm") : QStringLiteral("Supply Pressure"));
    record.m_bSuppLo = supplyLow ? 1 : 0;
    const bool port1Small = byte5 & 0x20;
    light(1, port1Small);
    record.m_strSuppP1Lbl = AutoString(port1Small ? QStringLiteral("Port A Range too Small") : QStringLiteral("Port1"));
    record.m_bSuppP1 = port1Small ? 1 : 0;
    if (!smallerModel() && !m_bPort2Unavailable) {
        const bool port2Small = byte5 & 0x40;
        light(2, port2Small);
        record.m_strSuppP2Lbl
            = AutoString(port2Small ? QStringLiteral("Port B Range too Small") : QStringLiteral("Port2"));
        record.m_bSuppP2 = port2Small ? 1 : 0;
    }
    for (int k = 0; k < 6; ++k)
        light(3 + k, byte7 & StrokeFlags[k].bit);
    markStrokeFlags(record, byte7);

    MiscAccessors& misc = context().misc();
    const uint16_t c1 = misc.ReadMiscWord62();
    const uint16_t z1 = misc.ReadMiscWord5F();
    const uint16_t r1 = misc.ReadMiscWord61();
    setWindowText(Port1CountEdit, QString::number(c1));
    showPort(1, c1, z1, r1);
    if (!smallerModel() && m_bPort2Unavailable) {
        if (m_pPort2Gauge) {
            m_pPort2Gauge->setValueText(QStringLiteral("0"));
            m_pPort2Gauge->setValue(0.0);
        }
        setWindowText(Port2CountEdit, QString());
        if (m_pFlagLeds[2])
            m_pFlagLeds[2]->setLitColor(PortUnavailableColour);
        record.m_strSuppP2Lbl = AutoString(QStringLiteral("Port2 Not Available"));
        record.m_bSuppP2 = 0;
    } else {
        const uint16_t c2 = misc.ReadMiscWord67();
        const uint16_t z2 = misc.ReadMiscWord64();
        const uint16_t r2 = misc.ReadMiscWord66();
        // Port 2's count is shown signed, port 1's unsigned.
        setWindowText(Port2CountEdit, QString::number(int16_t(c2)));
        showPort(2, c2, z2, r2);
    }
    RefreshStrip();
}

void CCalib_Actuator::showPort(int port, uint16_t count, uint16_t zero, uint16_t range)
{
    const PortPressure pressure = portPressure(count, zero, range, m_dSupplyPressure);
    const IAngularGaugePtr& dial = gauge(port);
    if (!dial)
        return;
    dial->setValue(pressure.value);
    dial->setValueText(pressure.text);
}

void CCalib_Actuator::OnAbortCalibration()
{
    enableControl(BackButton, true);
    if (smallerModel())
        enableControl(ZeroSupplyButton, true);
    enableControl(FrictionButton, true);
    abortRun();
}

void CCalib_Actuator::OnBack()
{
    killTimer(PollTimerId);
    killTimer(StripTimerId);
    if (FormPage* intro = context().ReplaceView(ActuatorPage))
        intro->ActivatePage();
}

void CCalib_Actuator::OnZeroSupply()
{
    if (Prompts::show(ZeroSupplyQuestion, ZeroSupplyCaption, Prompts::Buttons::OkCancel, Prompts::Icon::None, this)
        != Prompts::IdOk)
        return;
    killTimer(PollTimerId);
    killTimer(StripTimerId);
    if (FormPage* zero = context().ReplaceView(ZeroSupplyPage))
        zero->ActivatePage();
}

void CCalib_Actuator::OnFrictionTolerances()
{
    // Without that tree item (a smaller model without the health pages) nothing happens.
    context().SelectPageCode(FrictionTolerancesCode);
}

void CCalib_Actuator::FillActuatorCalibResults()
{
    CActuatorCalibReport& record = context().records().m_ActuatorCalibReport;
    MiscAccessors& misc = context().misc();
    record.m_strILO = AutoString(QString::number(misc.ReadMiscWord11()));
    const uint16_t low = misc.ReadMiscWord50();
    record.m_strLoADVal = AutoString(QString::number(low));
    const uint16_t high = misc.ReadMiscWord51();
    record.m_strHiADVal = AutoString(QString::number(high));
    record.m_strADRange = AutoString(QString::number(int(high) - int(low)));
    record.m_strPort1Lo = AutoString(QString::number(misc.ReadMiscWord5F()));
    record.m_strPort1Hi = AutoString(QString::number(misc.ReadMiscWord60()));
    record.m_strPort1Range = AutoString(QString::number(misc.ReadMiscWord61()));
    if (!smallerModel() && m_bPort2Unavailable) {
        record.m_strPort2Lo = record.m_strPort2Hi = record.m_strPort2Range = AutoString(QString());
    } else {
        record.m_strPort2Lo = AutoString(QString::number(misc.ReadMiscWord64()));
        record.m_strPort2Hi = AutoString(QString::number(misc.ReadMiscWord65()));
        record.m_strPort2Range = AutoString(QString::number(misc.ReadMiscWord66()));
    }
    read(HartCommand::ReadFrictionSettings);
    record.m_strFricValue = AutoString(QString::number(data().FrictionSettings[0]));
    read(HartCommand::ReadActuator);
    record.m_strCalActSize = AutoString(NumberText::fromDouble(data().ActuatorArea * 0.1));
}

void CCalib_Actuator::OnPrintReport()
{
    CActuatorCalibReport& record = context().records().m_ActuatorCalibReport;
    printRunReport(
        record, QStringLiteral("ActStrokeFricCalRept"),
        [this, &record] {
            FillActuatorCalibResults();
            record.m_strPressure = AutoString(windowText(PressureEdit));
            record.m_strPressureUnit = AutoString(windowText(UnitLabel));
        },
        GenerateActCalibTestReport);
}
