// Every shipped report definition, filled by its own generator with the
// widest texts the program can put into it, and every text measured at the
// font and in the twips the report is drawn in: a text wider or taller than
// its field would print cut off.
#include "ReportTestSupport.h"

#include "alarms/AlarmReports.h"
#include "calibration/AnalogCalibrationReports.h"
#include "calibration/StrokeCalibrationReports.h"
#include "controls/Plot.h"
#include "controls/XYPlot.h"
#include "core/PlotConfiguration.h"
#include "data_logger/DataLoggerPlot.h"
#include "data_logger/DataLoggerReport.h"
#include "hdrl/HDRLCompareReport.h"
#include "hdrl/HDRLTestReport.h"
#include "multi_test/MultiTestReport.h"
#include "partial_stroke/PstReport.h"
#include "ramp/RampCompareReport.h"
#include "ramp/RampTestReport.h"
#include "report/GridControl.h"
#include "report/RecordingPrintBackend.h"
#include "report/ReportPainter.h"
#include "step/StepCompareReport.h"
#include "step/StepTestReport.h"
#include "trends/TrendsPlots.h"
#include "trends/TrendsReport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <stdexcept>

using namespace ReportTestSupport;

namespace
{

// The texts the program writes into report fields, at their widest, each
// taken from the code that makes it. Where several texts can stand in one
// place, all of them are listed and the widest is used.
namespace Widest
{
// A HART tag has eight characters.
const QString Tag = QStringLiteral("WWWWWWWW");
// The calibration pages' date (%.2d/%.2d/%d), a result file's date and the
// date of printing (month/day/year).
const QString Date = QStringLiteral("12/28/2026");
// The calibration pages take three initials.
const QString Initials = QStringLiteral("WWW");
// The stroke and actuator calibration pages' state edit: every state text,
// the completion and the abort.
const QStringList CalibrationStates = { QStringLiteral("Calibration In progress..."),
    QStringLiteral("Calibrating pressure"), QStringLiteral("Waiting for valve to start closing..."),
    QStringLiteral("Valve is closing now"), QStringLiteral("Setting feedback offset"),
    QStringLiteral("Waiting for valve to begin opening"), QStringLiteral("Waiting for valve to stop opening..."),
    QStringLiteral("Detecting FB direction"), QStringLiteral("Waiting for Upper JOG setpoint"),
    QStringLiteral("Waiting to release JOG buttons"), QStringLiteral("Pressure calibration in progress..."),
    QStringLiteral("Valve beginning to close"), QStringLiteral("Wait for valve to stop closing"),
    QStringLiteral("Stroke calibration in progress"), QStringLiteral("Detecting IL Offset"),
    QStringLiteral("Pressure calibration timed out"), QStringLiteral("Calibration zero/span error"),
    QStringLiteral("Friction calibration in progress..."), QStringLiteral("Pressure problem during stroke calibration"),
    QStringLiteral("Timeout error during pressure calibration"),
    QStringLiteral("Feedback out of range during pressure calibration"),
    QStringLiteral("Calibration completed successfully"), QStringLiteral("Calibration Aborted") };
// The analog input wizard's pass: completed, or not and why.
const QStringList AnalogInputStates
    = { QStringLiteral("Calibration completed"), QStringLiteral("Calibration not completed: range too small"),
          QStringLiteral("Calibration not completed: not finished") };
// A count of a pass not completed is the one the device holds, and says so.
const QString HeldCount = QStringLiteral("65535 (held by device)");
const QString HeldCountDifference = QStringLiteral("-65535 (held by device)");
// Pressure units as the pages show them, and as the reports print them.
const QStringList PressureLabels = { QStringLiteral("psi"), QStringLiteral("bar"), QStringLiteral(u"Kg/cm\u00B2"),
    QStringLiteral("kPa"), QStringLiteral("Percent") };
const QStringList PressureTexts = { QStringLiteral("psi"), QStringLiteral("bar"), QStringLiteral("Kg/sq.cm"),
    QStringLiteral("kPa"), QStringLiteral("Percent") };
const QStringList TravelUnits
    = { QStringLiteral("in."), QStringLiteral("mm"), QStringLiteral("%"), QStringLiteral("deg") };
const QStringList TemperatureUnits = { QStringLiteral("degC"), QStringLiteral("degF") };
const QStringList FlowUnits = { QStringLiteral("scfm"), QStringLiteral("slm") };
// QString::number of a 16-bit count and of the difference of two.
const QString Count = QStringLiteral("65535");
const QString CountDifference = QStringLiteral("-65535");
// QString::number of a 32-bit count.
const QString LongCount = QStringLiteral("4294967295");
// A float setting shown with its 7 significant digits (positions from -5 %).
const QString FloatSetting = QStringLiteral("-4.999999");
// Seconds in hundredths of a 16-bit word, and their difference (%.2f).
const QString Seconds = QStringLiteral("655.35");
const QString SecondsDifference = QStringLiteral("-655.35");
// A float setting in seconds up to 655 (7 significant digits).
const QString FloatSeconds = QStringLiteral("654.9999");
// Break-away pressure (%6.2f) of a 150 psi sensor shown in kPa.
const QString Pressure = QStringLiteral("1034.21");
const QString PressureDifference = QStringLiteral("-1034.21");
// HDRL errors (%1.2f, linearity %1.4f) in percent, and their differences.
const QString Error = QStringLiteral("100.00");
const QString ErrorDifference = QStringLiteral("-100.00");
const QString Linearity = QStringLiteral("100.0000");
const QString LinearityDifference = QStringLiteral("-100.0000");
// The ramp page's spring values (%3.2f), stroke (%3.2f) and area (%3.1f).
const QString Spring = QStringLiteral("-9999.99");
const QString Stroke = QStringLiteral("999.99");
const QString Area = QStringLiteral("9999.9");
// A 16-bit area in tenths (the actuator calibration record's size).
const QString TenthsArea = QStringLiteral("6553.5");
const QStringList PassFail = { QStringLiteral("Pass"), QStringLiteral("Fail") };
// A result file's path as chosen: a path has no longest text, so this is a
// plain one in the results folder.
const QString ResultFile = QStringLiteral("/home/operator/WWWWWWWW.pst");
// The data logger's interval combo (seconds), duration spin (1 to 60) and units.
const QStringList Intervals = { QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
    QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60") };
const QString Duration = QStringLiteral("60");
const QStringList DurationUnits = { QStringLiteral("Minute(s)"), QStringLiteral("Hour(s)"), QStringLiteral("Day(s)") };
// The report header's catalogue texts.
const QStringList ActuatorSizes
    = { QStringLiteral("P42"), QStringLiteral("250D"), QStringLiteral("RA-250"), QStringLiteral("345-20"),
          QStringLiteral("L100A"), QStringLiteral("DP800"), QStringLiteral("P-400"), QStringLiteral("Other") };
const QStringList Makers = { QStringLiteral("Drelvik (Piston)"), QStringLiteral("Drelvik (Diaphragm Rotary)"),
    QStringLiteral("Drelvik (Diaphragm Linear)"), QStringLiteral("Plenmark"), QStringLiteral("Quirrel") };
const QStringList ActuatorKinds = { QStringLiteral("Linear (piston)"), QStringLiteral("Linear (diaphragm)"),
    QStringLiteral("Rotary (piston)"), QStringLiteral("Rotary (diaphragm)") };
const QStringList Springs = { QStringLiteral("Single"), QStringLiteral("Heavy duty"), QStringLiteral("Dual") };
const QStringList ValveTypes = { QStringLiteral("Corla 10S"), QStringLiteral("Veltrane"), QStringLiteral("Ombrel"),
    QStringLiteral("Pendra 40") };
const QStringList ValveSizes = { QStringLiteral("10.0 INCH"), QStringLiteral("18.0 INCH"), QStringLiteral(".75 INCH") };
const QStringList FlowDirections = { QStringLiteral("Flow Over"), QStringLiteral("Flow Under") };
const QStringList FailPositions = { QStringLiteral("Open"), QStringLiteral("Closed") };
} // namespace Widest

// The widest of texts at the reports' own font.
QString widest(const QStringList& texts)
{
    const QFontMetricsF metrics(ReportPainter::textFont(ReportFont()));
    QString out;
    for (const QString& text : texts)
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(out))
            out = text;
    return out;
}

AutoString as(const QString& text)
{
    return AutoString(text);
}

// The widest status name of an error-definition file (second column).
QString widestStatusName(const QString& file)
{
    QFile in(QDir(dependenciesDir()).absoluteFilePath(QStringLiteral("../") + file));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
    QStringList names;
    for (const QByteArray& line : in.readAll().split('\n')) {
        if (line.startsWith("//"))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() > 1)
            names << QString::fromLatin1(fields[1]);
    }
    EXPECT_FALSE(names.isEmpty()) << file.toStdString();
    return widest(names);
}

CReportHeader widestHeader(uint8_t model)
{
    CReportHeader header;
    header.m_byModel = model;
    header.m_strTag = as(Widest::Tag);
    header.m_strActSize = as(widest(Widest::ActuatorSizes));
    header.m_strActManufacturer = as(widest(Widest::Makers));
    header.m_strActType = as(widest(Widest::ActuatorKinds));
    header.m_strSpringType = as(widest(Widest::Springs));
    header.m_strBodyModel = as(widest(Widest::ValveTypes));
    header.m_strBodySize = as(widest(Widest::ValveSizes));
    header.m_strFlowDirection = as(widest(Widest::FlowDirections));
    header.m_strFailPosition = as(widest(Widest::FailPositions));
    return header;
}

CPSTReport widestPst()
{
    CPSTReport r;
    r.m_strStartPosition = as(Widest::FloatSetting);
    r.m_strStopPosition = as(Widest::FloatSetting);
    r.m_strTimeToTarget = as(Widest::Seconds);
    r.m_strTestDuration = as(Widest::FloatSeconds);
    r.m_strBreakAwayTime = as(Widest::Seconds);
    r.m_strBreakAwayPressure = as(Widest::Pressure);
    r.m_strBreakAwayUnit = as(widest(Widest::PressureTexts));
    r.m_strTimeToTargetResult = as(Widest::Seconds);
    r.m_strResult = as(widest(Widest::PassFail));
    r.m_strTag = as(Widest::Tag);
    return r;
}

CStepTestReport widestStep()
{
    CStepTestReport r;
    r.m_strStartPosition = as(Widest::FloatSetting);
    r.m_strStopPosition = as(Widest::FloatSetting);
    r.m_strHoldTime = as(Widest::FloatSeconds);
    r.m_strTag = as(Widest::Tag);
    r.m_bPressureSensor = 1;
    r.m_bPressureData = 1;
    return r;
}

CRampReport widestRamp()
{
    CRampReport r;
    r.m_strTag = as(Widest::Tag);
    r.m_strStartPosition = as(Widest::FloatSetting);
    r.m_strStopPosition = as(Widest::FloatSetting);
    r.m_strHoldTime = as(Widest::FloatSeconds);
    r.m_strTestDuration = as(Widest::FloatSeconds);
    r.m_strSpringRate = as(Widest::Spring);
    r.m_strSpringInitial = as(Widest::Spring);
    r.m_strSpringFinal = as(Widest::Spring);
    r.m_strStrokeLength = as(Widest::Stroke);
    r.m_strActuatorSize = as(Widest::Area);
    r.m_strActuatorSizeUnit = as(widest({ QStringLiteral("sq.in"), QStringLiteral("sq.cm") }));
    r.m_strStrokeLengthUnit = as(widest(Widest::TravelUnits));
    // lbs or kg per travel unit
    r.m_strSpringRateUnit = as(widest(
        { QStringLiteral("lbs/") + widest(Widest::TravelUnits), QStringLiteral("kg/") + widest(Widest::TravelUnits) }));
    r.m_strSpringPressureUnit = as(widest(Widest::PressureLabels));
    r.m_bPressureData = 1;
    return r;
}

CHDRLReport widestHdrl()
{
    CHDRLReport r;
    r.m_strTag = as(Widest::Tag);
    r.m_strPosSettlingTime = as(Widest::FloatSeconds);
    r.m_strRepeatAverage = as(Widest::Error);
    r.m_strRepeatMaximum = as(Widest::Error);
    r.m_strHysDeadAverage = as(Widest::Error);
    r.m_strHysDeadMaximum = as(Widest::Error);
    r.m_strLinearError = as(Widest::Linearity);
    return r;
}

// Both files of a compare report: the widest tag, test date and result file.
template <class Report> void widestFiles(Report& r, AutoString Report::*file1, AutoString Report::*file2)
{
    r.m_strTag1 = r.m_strTag2 = as(Widest::Tag);
    r.m_strTestDate1 = r.m_strTestDate2 = as(Widest::Date);
    r.*file1 = r.*file2 = as(Widest::ResultFile);
}

// What a generator fills: the definition at its path, the report and the
// printer controls, and the page the pictures are taken of.
struct Target {
    QString definition;
    IReportPtr report;
    IPrinterPtr printer;
    QWidget* page;
};

struct Generated {
    const char* file;
    uint8_t model;
    // Runs the report's generator on the target given.
    std::function<void(const Target&)> generate;
};

void calibration(std::vector<Generated>& out, const char* k90, const char* k40,
    std::function<void(CReportHeader, const Target&)> generate)
{
    for (auto [file, model] : { std::pair { k90, uint8_t(5) }, std::pair { k40, uint8_t(6) } })
        out.push_back({ file, model,
            [generate, model = model](const Target& target) { generate(widestHeader(model), target); } });
}

void twins(std::vector<Generated>& out, const char* k90, const char* k40,
    std::function<void(uint8_t model, const Target&)> generate)
{
    for (auto [file, model] : { std::pair { k90, uint8_t(5) }, std::pair { k40, uint8_t(6) } })
        out.push_back({ file, model, [generate, model = model](const Target& target) { generate(model, target); } });
}

std::vector<Generated> everyReport()
{
    std::vector<Generated> out;

    calibration(
        out, "ActStrokeFricCalRept.xml", "ActStrokeFricCalRept_K40.xml", [](CReportHeader header, const Target& t) {
            CActuatorCalibReport r;
            r.m_strLastCalDate = as(Widest::Date);
            r.m_strNewCalBy = as(Widest::Initials);
            r.m_strPressure = as(Widest::Count);
            r.m_strPressureUnit = as(widest(Widest::PressureLabels));
            r.m_strCalActSize = as(Widest::TenthsArea);
            r.m_strState = as(widest(Widest::CalibrationStates));
            r.m_strFricValue = as(Widest::Count);
            for (AutoString* count : { &r.m_strILO, &r.m_strLoADVal, &r.m_strHiADVal, &r.m_strPort1Lo, &r.m_strPort1Hi,
                     &r.m_strPort1Range, &r.m_strPort2Lo, &r.m_strPort2Hi, &r.m_strPort2Range })
                *count = as(Widest::Count);
            r.m_strADRange = as(Widest::CountDifference);
            r.m_strSuppLoLbl
                = as(widest({ QStringLiteral("Supply Pressure Low Alarm"), QStringLiteral("Supply Pressure") }));
            r.m_strSuppP1Lbl = as(widest({ QStringLiteral("Port A Range too Small"), QStringLiteral("Port1") }));
            r.m_strSuppP2Lbl = as(widest({ QStringLiteral("Port B Range too Small"), QStringLiteral("Port2"),
                QStringLiteral("Port2 Not Available") }));
            for (uint8_t* flag : { &r.m_bSuppLo, &r.m_bSuppP1, &r.m_bSuppP2, &r.m_b0PosOut, &r.m_b100PosOut,
                     &r.m_bFdbkSmall, &r.m_bILOTO, &r.m_bNoMoTO, &r.m_bNoSetTimeOut })
                *flag = 1;
            GenerateActCalibTestReport(header, r, t.report, t.printer, as(t.definition), t.page);
        });
    calibration(out, "StrokeCalRept.xml", "StrokeCalRept_K40.xml", [](CReportHeader header, const Target& t) {
        CStrokeCalibReport r;
        r.m_strLastCalDate = as(Widest::Date);
        r.m_strNewCalBy = as(Widest::Initials);
        r.m_strState = as(widest(Widest::CalibrationStates));
        r.m_strILO = as(Widest::Count);
        r.m_strLoADVal = as(Widest::Count);
        r.m_strHiADVal = as(Widest::Count);
        r.m_strADRange = as(Widest::CountDifference);
        for (uint8_t* flag :
            { &r.m_b0PosOut, &r.m_b100PosOut, &r.m_bFdbkSmall, &r.m_bILOTO, &r.m_bNoMoTO, &r.m_bNoSetTimeOut })
            *flag = 1;
        GenerateStrokeCalibTestReport(header, r, t.report, t.printer, as(t.definition), t.page);
    });
    calibration(out, "AnaInputCalRept.xml", "AnaInputCalRept_K40.xml", [](CReportHeader header, const Target& t) {
        CAICalibReport r;
        r.m_strLastCalDate = as(Widest::Date);
        r.m_strNewCalBy = as(Widest::Initials);
        r.m_strState = as(widest(Widest::AnalogInputStates));
        r.m_strAD4mA = as(Widest::Count);
        r.m_strAD0 = as(Widest::HeldCount);
        r.m_strAD100 = as(Widest::HeldCount);
        r.m_strADRange = as(Widest::HeldCountDifference);
        r.m_b0SignalOut = r.m_b100SignalOut = r.m_bCommSmall = 1;
        GenerateAICalibTestReport(header, r, t.report, t.printer, as(t.definition), t.page);
    });

    twins(out, "PSTestRept.xml", "PSTestRept_K40.xml", [](uint8_t model, const Target& t) {
        Plot plot;
        CPSTReport r = widestPst();
        ConfigurePSTPlotControl(IPlotPtr(&plot));
        r.SetupPSTPlotChannels(IPlotPtr(&plot));
        GeneratePSTReport(widestHeader(model), r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml", [](uint8_t, const Target& t) {
        Plot plot;
        CPSTCompareReport r;
        ConfigurePSTPlotControl(IPlotPtr(&plot));
        r.SetupDestPlotChannels(IPlotPtr(&plot));
        widestFiles(r, &CPSTCompareReport::m_strFileName1, &CPSTCompareReport::m_strFileName2);
        for (AutoString* s :
            { &r.m_strStartPosition1, &r.m_strStartPosition2, &r.m_strStopPosition1, &r.m_strStopPosition2 })
            *s = as(Widest::FloatSetting);
        for (AutoString* s : { &r.m_strTimeToTarget1, &r.m_strTimeToTarget2, &r.m_strBreakAwayTime1,
                 &r.m_strBreakAwayTime2, &r.m_strTimeToTargetResult1, &r.m_strTimeToTargetResult2 })
            *s = as(Widest::Seconds);
        r.m_strTestDuration1 = r.m_strTestDuration2 = as(Widest::FloatSeconds);
        r.m_strBreakAwayTimeDiff = r.m_strTimeToTargetResultDiff = as(Widest::SecondsDifference);
        r.m_strBreakAwayPressure1 = r.m_strBreakAwayPressure2 = as(Widest::Pressure);
        r.m_strBreakAwayPressureDiff = as(Widest::PressureDifference);
        r.m_strBreakAwayUnit1 = r.m_strBreakAwayUnit2 = as(widest(Widest::PressureTexts));
        r.m_strResult1 = r.m_strResult2 = as(widest(Widest::PassFail));
        GeneratePSTCompareReport(r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "StepTestRept.xml", "StepTestRept_K40.xml", [](uint8_t model, const Target& t) {
        Plot plot;
        CStepTestReport r = widestStep();
        ConfigureStepTestPlotControl(IPlotPtr(&plot));
        r.SetupStepTestPlotChannels(IPlotPtr(&plot));
        GenerateStepTestReport(widestHeader(model), r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml", [](uint8_t model, const Target& t) {
        Plot plot;
        CStepTestCompareReport r;
        ConfigureStepTestPlotControl(IPlotPtr(&plot));
        r.SetupDestPlotChannels(IPlotPtr(&plot));
        widestFiles(r, &CStepTestCompareReport::m_strFile1, &CStepTestCompareReport::m_strFile2);
        for (AutoString* s :
            { &r.m_strStartPosition1, &r.m_strStartPosition2, &r.m_strStopPosition1, &r.m_strStopPosition2 })
            *s = as(Widest::FloatSetting);
        r.m_strHoldTime1 = r.m_strHoldTime2 = as(Widest::FloatSeconds);
        r.m_strPressureUnit1 = r.m_strPressureUnit2 = as(widest(Widest::PressureTexts));
        r.m_bPressureSensor1 = r.m_bPressureSensor2 = 1;
        GenerateStepTestCompareReport(
            r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page, widestHeader(model));
    });
    twins(out, "RampTestRept.xml", "RampTestRept_K40.xml", [](uint8_t model, const Target& t) {
        XYPlot plot;
        CRampReport r = widestRamp();
        ConfigureRampPlotControl(IXYPlotPtr(&plot));
        r.SetupRampPlotChannels(IXYPlotPtr(&plot));
        GenerateRampReport(widestHeader(model), r, IXYPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "RampTestCmpRept.xml", "RampTestCmpRept_K40.xml", [](uint8_t model, const Target& t) {
        XYPlot plot;
        CRampCompareReport r;
        ConfigureRampPlotControl(IXYPlotPtr(&plot));
        r.SetupDestPlotChannels(IXYPlotPtr(&plot));
        r.m_strSpare = as(Widest::Tag);
        widestFiles(r, &CRampCompareReport::m_strFileName1, &CRampCompareReport::m_strFileName2);
        for (AutoString* s :
            { &r.m_strStartPosition1, &r.m_strStartPosition2, &r.m_strStopPosition1, &r.m_strStopPosition2 })
            *s = as(Widest::FloatSetting);
        for (AutoString* s : { &r.m_strHoldTime1, &r.m_strHoldTime2, &r.m_strTestDuration1, &r.m_strTestDuration2 })
            *s = as(Widest::FloatSeconds);
        r.m_strActuatorSize1 = r.m_strActuatorSize2 = as(Widest::Area);
        r.m_strActuatorSizeUnit = as(widest({ QStringLiteral("sq.in"), QStringLiteral("sq.cm") }));
        r.m_strStrokeLength1 = r.m_strStrokeLength2 = as(Widest::Stroke);
        r.m_strStrokeLengthUnit = as(widest(Widest::TravelUnits));
        for (AutoString* s : { &r.m_strSpringRate1, &r.m_strSpringRate2, &r.m_strSpringInitial1, &r.m_strSpringInitial2,
                 &r.m_strSpringFinal1, &r.m_strSpringFinal2 })
            *s = as(Widest::Spring);
        r.m_strSpringRateUnit = as(widest({ QStringLiteral("lbs/") + widest(Widest::TravelUnits),
            QStringLiteral("kg/") + widest(Widest::TravelUnits) }));
        r.m_strSpringPressureUnit = as(widest(Widest::PressureLabels));
        GenerateRampCompareReport(
            r, IXYPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page, widestHeader(model));
    });
    twins(out, "HDRLTestRept.xml", "HDRLTestRept_K40.xml", [](uint8_t model, const Target& t) {
        Plot plot;
        CHDRLReport r = widestHdrl();
        ConfigureHDRLPlotControl(IPlotPtr(&plot));
        r.SetupHDRLPlotChannels(IPlotPtr(&plot));
        GenerateHDRLTestReport(widestHeader(model), r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "HDRLTestCmpRept.xml", "HDRLTestCmpRept_K40.xml", [](uint8_t, const Target& t) {
        Plot plot;
        CHDRLCompareReport r;
        ConfigureHDRLPlotControl(IPlotPtr(&plot));
        r.SetupHDRLDestPlotChannels(IPlotPtr(&plot));
        widestFiles(r, &CHDRLCompareReport::m_strFileName1, &CHDRLCompareReport::m_strFileName2);
        r.m_strPosSettlingTime1 = r.m_strPosSettlingTime2 = as(Widest::FloatSeconds);
        for (AutoString* s :
            { &r.m_strRepeatAverage1, &r.m_strRepeatAverage2, &r.m_strRepeatMaximum1, &r.m_strRepeatMaximum2,
                &r.m_strHysDeadAverage1, &r.m_strHysDeadAverage2, &r.m_strHysDeadMaximum1, &r.m_strHysDeadMaximum2 })
            *s = as(Widest::Error);
        for (AutoString* s : { &r.m_strRepeatAverageDiff, &r.m_strRepeatMaximumDiff, &r.m_strHysDeadAverageDiff,
                 &r.m_strHysDeadMaximumDiff })
            *s = as(Widest::ErrorDifference);
        r.m_strLinearError1 = r.m_strLinearError2 = as(Widest::Linearity);
        r.m_strLinearErrorDiff = as(Widest::LinearityDifference);
        GenerateHDRLTestCompareReport(r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "TrendRept.xml", "TrendRept_K40.xml", [](uint8_t model, const Target& t) {
        std::array<Plot, 4> plots;
        CTrendsReport r;
        const auto at = [&plots](size_t k) { return IPlotPtr(&plots[k]); };
        ConfigureTrendsPlotControl(at(0), at(1), at(2), at(3));
        r.SetUpTrendsPlotChannels(at(0), at(1), at(2), at(3));
        r.Tag = as(Widest::Tag);
        r.PressureUnitText = as(widest(Widest::PressureTexts));
        r.TemperatureUnitText = as(widest(Widest::TemperatureUnits));
        GenerateTrendsReport(
            widestHeader(model), r, at(0), at(1), at(2), at(3), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "DataLogRept.xml", "DataLogRept_K40.xml", [](uint8_t model, const Target& t) {
        Plot plot;
        ConfigureDataLoggerPlotControl(IPlotPtr(&plot));
        SetupDataLoggerPlotChannels(IPlotPtr(&plot));
        CDataLoggerReport r;
        r.m_strTag = as(Widest::Tag);
        r.m_strInterval = as(widest(Widest::Intervals));
        r.m_strDuration = as(Widest::Duration);
        r.m_strDurationUnit = as(widest(Widest::DurationUnits));
        GenerateDataLoggerReport(
            widestHeader(model), r, IPlotPtr(&plot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "AllTestReport.xml", "AllTestReport_K40.xml", [](uint8_t model, const Target& t) {
        XYPlot rampPlot;
        Plot stepPlot;
        Plot pstPlot;
        Plot hdrlPlot;
        CRampReport ramp = widestRamp();
        CStepTestReport step = widestStep();
        CPSTReport pst = widestPst();
        CHDRLReport hdrl = widestHdrl();
        ConfigureRampPlotControl(IXYPlotPtr(&rampPlot));
        ramp.SetupRampPlotChannels(IXYPlotPtr(&rampPlot));
        ConfigureStepTestPlotControl(IPlotPtr(&stepPlot));
        step.SetupStepTestPlotChannels(IPlotPtr(&stepPlot));
        ConfigurePSTPlotControl(IPlotPtr(&pstPlot));
        pst.SetupPSTPlotChannels(IPlotPtr(&pstPlot));
        ConfigureHDRLPlotControl(IPlotPtr(&hdrlPlot));
        hdrl.SetupHDRLPlotChannels(IPlotPtr(&hdrlPlot));
        GenerateMultiTestReport(widestHeader(model), ramp, step, pst, hdrl, IPlotPtr(&stepPlot), IPlotPtr(&pstPlot),
            IPlotPtr(&hdrlPlot), IXYPlotPtr(&rampPlot), t.report, t.printer, as(t.definition), t.page);
    });
    twins(out, "AlarmStatReport-K90.xml", "AlarmStatReport_K40.xml", [](uint8_t model, const Target& t) {
        const QString name = widestStatusName(
            model == 5 ? QStringLiteral("SerratK90Errors.dlm") : QStringLiteral("SerratK40Errors.dlm"));
        CAlarmStatusReport r;
        for (size_t k = 0; k < std::size(r.m_strErrorCode); ++k) {
            r.m_strErrorCode[k] = as(QStringLiteral("255")); // a status byte
            r.m_strDescription[k] = as(name);
        }
        // The event log: a time stamp, the status name and " Start" or " End".
        GridControl log;
        log.SetCols(1);
        log.SetRows(0);
        log.AddItem(QStringLiteral("12/28/2026 23:59:59 ") + name + QStringLiteral(" Start"));
        GenerateAlarmStausReport(widestHeader(model), r, IGridPtr(&log), t.report, t.printer, as(t.definition),
            as(model == 5 ? QStringLiteral("SerratK90") : QStringLiteral("SerratK40")), t.page);
    });
    twins(out, "AlarmReport-K90.xml", "AlarmReport_K40.xml", [](uint8_t model, const Target& t) {
        using namespace AlarmAnnunciatorIndex;
        CAlarmAnnunciatorReport r;
        std::fill(std::begin(r.m_bFlags), std::end(r.m_bFlags), uint8_t(1));
        // Each text as the annunciator page makes it.
        const std::vector<std::pair<int, QString>> texts = {
            { SupplyPressureLowUnit, widest(Widest::PressureTexts) },
            { BoardTempLowUnit, widest(Widest::TemperatureUnits) },
            { PneumaticLeakUnit, widest(Widest::FlowUnits) },
            { SupplyPressureLowSet, QStringLiteral("1034.2") }, // %5.1f
            { SupplyPressureLowSetW, QStringLiteral("1034.2") },
            { SupplyPressureHighSet, QStringLiteral("1034.2") },
            { SupplyPressureLowValue, QStringLiteral("1034.21") }, // %5.2f
            { PilotRelayResponseSet, Widest::Count },
            { PilotRelayResponseSetW, Widest::Count },
            { PilotRelayResponseValue, Widest::Count },
            { FrictionLowSet, Widest::Count },
            { FrictionHighSet, Widest::Count },
            { FrictionLowSetW, Widest::Count },
            { FrictionHighSetW, Widest::Count },
            { FrictionLowValue, Widest::Count },
            { PositionDeviationSet, QStringLiteral("-327.68") }, // a signed word in hundredths
            { PositionDeviationValue, QStringLiteral("-327.68") },
            { ValveCyclesSet, Widest::LongCount },
            { ValveTravelSet, Widest::LongCount },
            { ValveCyclesValue, Widest::LongCount },
            { ValveTravelValue, QStringLiteral("42949672.95") }, // a 32-bit count in hundredths
            { PilotCyclesLimitSet, Widest::LongCount },
            { PilotTravelLimitSet, Widest::LongCount },
            { PilotCyclesLimitValue, Widest::LongCount },
            { PilotTravelLimitValue, Widest::LongCount },
            { SoftStopUpperLimitSet, Widest::FloatSetting },
            { SoftStopLowerLimitSet, Widest::FloatSetting },
            { PositionUpperLimitSet, QStringLiteral("-327.68") },
            { PositionLowerLimitSet, QStringLiteral("-327.68") },
            { PositionValue, QStringLiteral("-327.68") },
            { BoardTempHighSet, QStringLiteral("185") },
            { BoardTempLowSet, QStringLiteral("-40") },
            { BoardTempLowValue, QStringLiteral("-40.12346") }, // a float, 7 significant digits
            { PneumaticLeakSet, QStringLiteral("1854.6405") }, // a word in thousandths times 28.3
            { PneumaticLeakValue, QStringLiteral("1854.6405") },
            { ActuationRatioSet, Widest::Seconds }, // a word in hundredths
            { ActuationRatioValue, Widest::Seconds },
            { MPCLowSetPointSet, Widest::FloatSetting },
            { MPCHighSetpointSet, Widest::FloatSetting },
            { PressControlLbl,
                widest({ QStringLiteral("Press Control Active"), QStringLiteral("Press Control Inctive") }) },
            { LocalInterfaceLbl, widest({ QStringLiteral("Local Disabled"), QStringLiteral("Local Enabled") }) },
            { PotRotationLbl,
                widest({ QStringLiteral("Pot Rotation Reversed"), QStringLiteral("Pot Rotation Normal") }) },
            { PressBoardLbl, widest({ QStringLiteral("Press Board Present"), QStringLiteral("Press Board Absent") }) },
            { SquawkModeLbl, widest({ QStringLiteral("Squawk Mode On"), QStringLiteral("Squawk Mode Off") }) },
            { AOBoardLbl, widest({ QStringLiteral("AO Board Present"), QStringLiteral("AO Board Absent") }) },
        };
        for (const auto& [index, text] : texts)
            r.m_strTexts[index] = as(text);
        GenerateAlarmAnnuncReport(widestHeader(model), r, t.report, t.printer, as(t.definition),
            as(model == 5 ? QStringLiteral("SerratK90") : QStringLiteral("SerratK40")), t.page);
    });
    return out;
}

// Each text of the laid-out report that its field cannot hold, with the room
// it needs and the room it has (twips).
QStringList textsThatDoNotFit(const ReportDocument& document)
{
    // Measured on the device the report is rendered to, in the painter's twips.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    QStringList cut;
    for (int page = 0; page < document.pageCount(); ++page) {
        for (const ReportPageItem& item : document.pages[static_cast<size_t>(page)].items) {
            if ((item.kind != ReportItemKind::Text && item.kind != ReportItemKind::Field) || item.text.isEmpty())
                continue;
            const QFontMetricsF metrics(ReportPainter::textFont(item.font), &device);
            const QRectF needed = metrics.boundingRect(QRectF(item.rect), ReportPainter::textFlags(item), item.text);
            if (needed.width() > item.rect.width() || needed.height() > item.rect.height())
                cut << QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
                           .arg(item.key.isEmpty() ? QStringLiteral("(text)") : item.key, item.text)
                           .arg(std::ceil(needed.width()))
                           .arg(std::ceil(needed.height()))
                           .arg(item.rect.width())
                           .arg(item.rect.height());
        }
    }
    return cut;
}

const Generated& generatorOf(const std::vector<Generated>& reports, const char* file)
{
    for (const Generated& report : reports)
        if (QString::fromLatin1(report.file) == QString::fromLatin1(file))
            return report;
    throw std::runtime_error(file);
}

// The item that prints next to the right of `item` on its row, or nullptr.
const ReportPageItem* rightNeighbour(const ReportDocument& document, const ReportPageItem& item)
{
    const ReportPageItem* nearest = nullptr;
    for (const ReportPage& page : document.pages)
        for (const ReportPageItem& other : page.items) {
            if (&other == &item || other.rect.top() != item.rect.top() || other.rect.left() <= item.rect.left()
                || (other.kind != ReportItemKind::Text && other.kind != ReportItemKind::Field))
                continue;
            if (!nearest || other.rect.left() < nearest->rect.left())
                nearest = &other;
        }
    return nearest;
}

class ReportTextsFit : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        // The latest date of printing, month and day in two digits.
        clock().setLocalStart(QDateTime(QDate(2026, 12, 28), QTime(23, 59)));
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    // The report as the generator fills and lays out the definition.
    ReportDocument laidOut(const char* file)
    {
        static const std::vector<Generated> reports = everyReport();
        const Generated& generated = generatorOf(reports, file);
        QDir().mkpath(tempPath(QStringLiteral("Dependencies")));
        const QString definition = tempPath(QStringLiteral("Dependencies/") + QString::fromLatin1(file));
        QFile::remove(definition);
        EXPECT_TRUE(QFile::copy(shippedDefinition(QString::fromLatin1(file)), definition));
        ReportControl reportControl;
        PrinterControl printerControl;
        QWidget page;
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo);
        generated.generate({ definition, IReportPtr(&reportControl), IPrinterPtr(&printerControl), &page });
        return reportControl.layoutDocument();
    }

    RecordingPrintBackend m_printed;
};

} // namespace

TEST_F(ReportTextsFit, EveryShippedReportHoldsTheWidestTextsOfItsFields)
{
    const std::vector<Generated> reports = everyReport();
    QStringList files;
    for (const Generated& report : reports)
        files << QString::fromLatin1(report.file);
    QStringList shipped = QDir(dependenciesDir()).entryList({ QStringLiteral("*.xml") }, QDir::Files);
    files.sort();
    shipped.sort();
    ASSERT_EQ(files, shipped) << "every shipped definition is filled here";

    QDir().mkpath(tempPath(QStringLiteral("Dependencies")));
    for (const Generated& generated : reports) {
        SCOPED_TRACE(generated.file);
        // A copy of the definition, so the pictures go to a folder of the test's own.
        const QString definition = tempPath(QStringLiteral("Dependencies/") + QString::fromLatin1(generated.file));
        QFile::remove(definition);
        ASSERT_TRUE(QFile::copy(shippedDefinition(QString::fromLatin1(generated.file)), definition));
        ReportControl reportControl;
        PrinterControl printerControl;
        QWidget page;
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        generated.generate({ definition, IReportPtr(&reportControl), IPrinterPtr(&printerControl), &page });
        EXPECT_EQ(textsThatDoNotFit(reportControl.layoutDocument()), QStringList());
    }
}

TEST_F(ReportTextsFit, PartialStrokeAndHdrlValuesPrintWithTheUnitsThePagesShow)
{
    struct Case {
        const char* file;
        const char* valueKey;
        const char* unit;
    };
    const Case cases[] = {
        { "PSTestRept.xml", "StartPosn", "%" },
        { "PSTestRept.xml", "StopPosn", "%" },
        { "PSTestRept.xml", "TimeTargetValue", "sec" },
        { "PSTestRept.xml", "TestDuration", "sec" },
        { "PSTestRept.xml", "StartPosn1", "sec" },
        { "PSTestRept.xml", "PressureValue", "Kg/sq.cm" },
        { "PSTestRept.xml", "TimeTargetValueInfo", "sec" },
        { "HDRLTestRept.xml", "lblAverageValue", "%" },
        { "HDRLTestRept.xml", "lblMaximumValue", "%" },
        { "HDRLTestRept.xml", "lblAverageValueReapt", "%" },
        { "HDRLTestRept.xml", "lblMaximumValueReapt", "%" },
        { "HDRLTestRept.xml", "lblLinearErrorValue", "%" },
        { "HDRLTestRept.xml", "lblPosSettlingTimeValue", "sec" },
    };
    for (const char* twin : { "", "_K40" }) {
        std::map<QString, ReportDocument> documents;
        for (const Case& c : cases) {
            const QString file = QString::fromLatin1(c.file).replace(
                QStringLiteral(".xml"), QString::fromLatin1(twin) + QStringLiteral(".xml"));
            SCOPED_TRACE(file.toStdString() + " " + c.valueKey);
            if (!documents.count(file))
                documents[file] = laidOut(file.toLatin1().constData());
            const ReportDocument& document = documents[file];
            const ReportPageItem* value = document.find(QString::fromLatin1(c.valueKey));
            ASSERT_NE(value, nullptr);
            const ReportPageItem* beside = rightNeighbour(document, *value);
            ASSERT_NE(beside, nullptr);
            EXPECT_EQ(beside->text, QString::fromLatin1(c.unit));
        }
    }
}

TEST_F(ReportTextsFit, HdrlAverageAndMaximumStandBesideTheirValues)
{
    // Each label on the row of the value it names, just before it: no row of
    // labels without values above a row that has only one value.
    struct Pair {
        const char* labelKey;
        const char* label;
        const char* valueKey;
    };
    const Pair pairs[] = {
        { "lblAverage", "Average:", "lblAverageValue" },
        { "lblMaximum", "Maximum:", "lblMaximumValue" },
        { "lblAverage1", "Average:", "lblAverageValueReapt" },
        { "lblMaximum1", "Maximum:", "lblMaximumValueReapt" },
    };
    for (const char* file : { "HDRLTestRept.xml", "HDRLTestRept_K40.xml" }) {
        SCOPED_TRACE(file);
        const ReportDocument document = laidOut(file);
        for (const Pair& pair : pairs) {
            const ReportPageItem* label = document.find(QString::fromLatin1(pair.labelKey));
            ASSERT_NE(label, nullptr) << pair.labelKey;
            EXPECT_EQ(label->text, QString::fromLatin1(pair.label));
            const ReportPageItem* next = rightNeighbour(document, *label);
            ASSERT_NE(next, nullptr) << pair.labelKey;
            EXPECT_EQ(next->key, QString::fromLatin1(pair.valueKey)) << pair.labelKey;
        }
    }
}

TEST_F(ReportTextsFit, TheSmallerModelsActuatorCalibrationFlagsLeaveNoGap)
{
    // The second port's row is printed by the larger model only; the flags
    // the smaller model prints fill the grid from its first slot.
    const char* const flagLabels[] = { "SuppLoLbl", "SuppP1Lbl", "SuppP2Lbl", "StrkCal0PosOutLbl",
        "StrkCal100PosOutLbl", "StrkCalFdbkSmallLbl", "StrkCalILOTOLbl", "StrkCalNoMoTOLbl", "StrkCalNoSetTimeOutLbl" };
    for (const char* file : { "ActStrokeFricCalRept.xml", "ActStrokeFricCalRept_K40.xml" }) {
        SCOPED_TRACE(file);
        const ReportDocument document = laidOut(file);
        std::vector<const ReportPageItem*> grid;
        for (const char* key : flagLabels) {
            const ReportPageItem* label = document.find(QString::fromLatin1(key));
            ASSERT_NE(label, nullptr) << key;
            grid.push_back(label);
        }
        std::sort(grid.begin(), grid.end(), [](const ReportPageItem* a, const ReportPageItem* b) {
            return std::pair(a->rect.top(), a->rect.left()) < std::pair(b->rect.top(), b->rect.left());
        });
        bool emptySeen = false;
        for (const ReportPageItem* flag : grid) {
            if (flag->text.isEmpty())
                emptySeen = true;
            else
                EXPECT_FALSE(emptySeen) << "an empty slot before " << flag->key.toStdString();
        }
    }
}

TEST_F(ReportTextsFit, PicturesForSquarerFieldsAreTakenTaller)
{
    // A half-width field of 5473 x 4220 twips gets a picture of its shape, so
    // the error views' long axis title has the height it needs; full-width
    // fields keep the report's picture of 2000 x 1060.
    const std::pair<const char*, std::vector<std::pair<const char*, QSize>>> reports[] = {
        { "HDRLTestCmpRept.xml",
            { { "CntrolGrph", QSize(2000, 1060) }, { "HDRGrph", QSize(2000, 1542) },
                { "LinGrph", QSize(2000, 1542) } } },
        { "HDRLTestRept_K40.xml",
            { { "RampGrph", QSize(2000, 1060) }, { "RampGrph2", QSize(2000, 1542) },
                { "RampGrph3", QSize(2000, 1542) } } },
        { "AllTestReport.xml",
            { { "HDRLRampGrph", QSize(2000, 1060) }, { "HDRLRampGrph2", QSize(2000, 1542) },
                { "HDRLRampGrph3", QSize(2000, 1542) } } },
    };
    for (const auto& [file, pictures] : reports) {
        SCOPED_TRACE(file);
        const ReportDocument document = laidOut(file);
        for (const auto& [key, size] : pictures) {
            const ReportPageItem* picture = document.find(QString::fromLatin1(key));
            ASSERT_NE(picture, nullptr) << key;
            EXPECT_EQ(
                std::pair(picture->picture.width(), picture->picture.height()), std::pair(size.width(), size.height()))
                << key;
        }
    }
}
