#include "CRampTest.h"
#include "CRampTestTables.h"

#include "CommandDispatch.h"
#include "DeviceData.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"

#include "automation/NumberText.h"
#include "ramp/RampTestFile.h"
#include "ramp/RampTestReport.h"

using namespace RampTestRules;
using namespace RampTestPage;

// ---------------------------------------------------------------------------
// Save, Load, Print

namespace
{
// The record's texts and the controls that show them once a file is loaded;
// `number`: saved from what its edit shows, as a number.
struct RecordField {
    int control;
    AutoString CRampReport::*member;
    bool number;
};
const RecordField RecordFields[] = {
    { CRampTest::StartEdit, &CRampReport::m_strStartPosition, true },
    { CRampTest::StopEdit, &CRampReport::m_strStopPosition, true },
    { CRampTest::HoldEdit, &CRampReport::m_strHoldTime, true },
    { CRampTest::DurationEdit, &CRampReport::m_strTestDuration, true },
    { CRampTest::StrokeLengthEdit, &CRampReport::m_strStrokeLength, true },
    { CRampTest::ActuatorSizeEdit, &CRampReport::m_strActuatorSize, true },
    { CRampTest::ActuatorSizeUnit, &CRampReport::m_strActuatorSizeUnit, false },
    { CRampTest::StrokeLengthUnit, &CRampReport::m_strStrokeLengthUnit, false },
    { CRampTest::SpringInitialEdit, &CRampReport::m_strSpringInitial, true },
    { CRampTest::SpringFinalEdit, &CRampReport::m_strSpringFinal, true },
    { CRampTest::SpringRateEdit, &CRampReport::m_strSpringRate, true },
    { CRampTest::SpringInitialUnit, &CRampReport::m_strSpringPressureUnit, false },
    { CRampTest::SpringFinalUnit, &CRampReport::m_strSpringPressureUnit, false },
    { CRampTest::SpringRateUnit, &CRampReport::m_strSpringRateUnit, false },
};
} // namespace

void CRampTest::SaveRampResults()
{
    CRampReport& record = context().records().m_RampReport;
    // The file keeps the day the result was recorded, however much later it is saved.
    record.m_strTestDate = AutoString(m_Result.date());
    if (!m_Result.fromFile()) {
        read(HartCommand::ReadTagDescriptorDate);
        const DeviceData& dd = data();
        record.m_strTag = AutoString(dd.Tag);
        // The units the run shown was recorded in, whatever the device is set to now.
        const ResultUnits units = shownUnits();
        record.m_nLengthUnit = units.travel;
        record.m_nPressureUnit = units.pressure;
        record.m_bBiDirectional = runBidirectional() ? 1 : 0;
        record.m_bSingleActing = dd.Config28Bit5 ? 1 : 0;
        record.m_bPressureSensor = dd.PressureSensorFlag ? 1 : 0;
        record.m_bPressureData = record.m_bPressureSensor;
    }
    for (const RecordField& field : RecordFields) {
        if (!field.number)
            continue;
        // A spring the run found none of is saved as such, not as a measured 0.
        record.*field.member = AutoString(RampTestFile::showsNoValue(windowText(field.control))
                ? NoSpringValue
                : NumberText::format("%5.2f", settingNumber(field.control)));
    }
    ResultModelChannel::write(m_pPlot.query<Plot>(), m_Result.modelToSave(data().DeviceType));
    // The result stays shown as it was: its axes fit what it holds.
    record.SaveRamp(m_pPlot);
}

void CRampTest::LoadRampResults()
{
    CRampReport& record = context().records().m_RampReport;
    if (!record.LoadRamp(m_pPlot))
        return;
    m_LoadedBidirectional = record.m_bBiDirectional != 0;
    for (const RecordField& field : RecordFields)
        setWindowText(field.control, (record.*field.member).toQString());
    // The units as the run that recorded the file showed them: the file
    // keeps their codes.
    setWindowText(ActuatorSizeUnit, areaUnitText(record.m_nLengthUnit));
    for (int id : { SpringInitialUnit, SpringFinalUnit })
        setWindowText(id, DevicePressureUnitLabel(record.m_nPressureUnit));
    setChecked(BidirectionalBox, m_LoadedBidirectional);
    m_Result.loaded(*this, { StartEdit, StopEdit, HoldEdit, DurationEdit },
        ResultModelChannel::read(m_pPlot.query<Plot>()), record.m_strTag.toQString(), record.m_strTestDate.toQString());
    ShowRampTestView(record.m_bSingleActing != 0);
    showResultStatus();
    setWindowText(ElapsedEdit, QString());
    setProgress(0);
}

void CRampTest::PrintRampReport()
{
    ReportRecords& records = context().records();
    const QString folder = context().helpers().GetAppFolder();
    const CReportHeader header = resultHeader();
    CRampReport& record = records.m_RampReport;
    // A loaded result prints under the file's tag, which the header carries:
    // the device's own tag stays as the device has it.
    if (!m_Result.fromFile()) {
        const DeviceData& dd = data();
        record.m_bSingleActing = dd.Config28Bit5 ? 1 : 0;
        record.m_bPressureSensor = dd.PressureSensorFlag ? 1 : 0;
        record.m_bPressureData = record.m_bPressureSensor;
    }
    record.m_strTestDate = AutoString(m_Result.date());
    record.m_strStartPosition = AutoString(settingText(StartEdit));
    record.m_strStopPosition = AutoString(settingText(StopEdit));
    record.m_strHoldTime = AutoString(settingText(HoldEdit));
    record.m_strTestDuration = AutoString(settingText(DurationEdit));
    const bool bidirectional = runBidirectional();
    record.m_bBiDirectional = bidirectional ? 1 : 0;
    record.m_strSpringRateUnit = AutoString(windowText(SpringRateUnit));
    if (bidirectional) {
        record.m_strSpringRate = AutoString(windowText(SpringRateEdit));
        record.m_strSpringInitial = AutoString(windowText(SpringInitialEdit));
        record.m_strSpringFinal = AutoString(windowText(SpringFinalEdit));
        record.m_strSpringPressureUnit = AutoString(printedPressureUnit(windowText(SpringInitialUnit)));
    } else {
        record.m_strSpringRate = AutoString(NoSpringValue);
        record.m_strSpringInitial = AutoString(NoSpringValue);
        record.m_strSpringFinal = AutoString(NoSpringValue);
        record.m_strSpringPressureUnit = AutoString(windowText(SpringInitialUnit));
    }
    record.m_strStrokeLength = AutoString(windowText(StrokeLengthEdit));
    record.m_strStrokeLengthUnit = AutoString(windowText(StrokeLengthUnit));
    record.m_strActuatorSize = AutoString(windowText(ActuatorSizeEdit));
    const QString areaUnit = windowText(ActuatorSizeUnit);
    if (areaUnit == QStringLiteral("cm²") || areaUnit == QStringLiteral("in²"))
        record.m_strActuatorSizeUnit = AutoString(printedAreaUnit(areaUnit));
    const QString definition = ReportDefinitionPath(folder, QStringLiteral("RampTestRept"), resultModel());
    GenerateRampReport(header, record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    ShowRampTestView(record.m_bSingleActing != 0);
}
