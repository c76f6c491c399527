// The actuator / stroke / friction and the stroke calibration reports: their
// fields filled into the shipped definitions, rendered to PDF and read back.
#include "calibration/StrokeCalibrationReports.h"

#include "ReportTestSupport.h"
#include "report/RecordingPrintBackend.h"

#include <QFile>

using namespace ReportTestSupport;

namespace
{

const QString FailureText = QStringLiteral("Report Definition file could not be found/matched.");

class StrokeCalibrationReports : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        m_report = IReportPtr(&m_reportControl);
        m_printer = IPrinterPtr(&m_printerControl);
        m_header.m_strTag = AutoString(QString::fromLatin1("PV-101"));
        clock().setLocalStart(QDateTime(QDate(2031, 2, 3), QTime(9, 41)));
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    static CActuatorCalibReport filledActuator()
    {
        CActuatorCalibReport r;
        r.m_strLastCalDate = AutoString(QStringLiteral("02/03/2031"));
        r.m_strNewCalBy = AutoString(QStringLiteral("XYZ"));
        r.m_strPressure = AutoString(QStringLiteral("310.00"));
        r.m_strPressureUnit = AutoString(QStringLiteral("kPa"));
        r.m_strCalActSize = AutoString(QStringLiteral("23.8"));
        r.m_strState = AutoString(QStringLiteral("Calibration completed successfully"));
        r.m_strFricValue = AutoString(QStringLiteral("12.5"));
        r.m_strILO = AutoString(QStringLiteral("50"));
        r.m_strLoADVal = AutoString(QStringLiteral("4100"));
        r.m_strHiADVal = AutoString(QStringLiteral("61000"));
        r.m_strADRange = AutoString(QStringLiteral("56900"));
        r.m_strPort1Lo = AutoString(QStringLiteral("3000"));
        r.m_strPort1Hi = AutoString(QStringLiteral("29000"));
        r.m_strPort1Range = AutoString(QStringLiteral("26000"));
        r.m_strPort2Lo = AutoString(QStringLiteral("3100"));
        r.m_strPort2Hi = AutoString(QStringLiteral("29100"));
        r.m_strPort2Range = AutoString(QStringLiteral("26001"));
        r.m_strSuppLoLbl = AutoString(QStringLiteral("Supply Pressure"));
        r.m_strSuppP1Lbl = AutoString(QStringLiteral("Port1"));
        r.m_strSuppP2Lbl = AutoString(QStringLiteral("Port B Range too Small"));
        r.m_bSuppP2 = 1;
        r.m_bFdbkSmall = 3;
        return r;
    }

    QString field(const QString& key) const
    {
        const auto document = m_report->layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }
    QStringList promptSequence()
    {
        QStringList sequence;
        for (const auto& record : prompts().records()) {
            if (record.kind == ScriptedPrompts::Kind::File)
                sequence << QStringLiteral("file:") + record.dialog.title + QStringLiteral(" / ")
                        + record.dialog.initialName;
            else if (record.kind == ScriptedPrompts::Kind::Message)
                sequence << QStringLiteral("box:") + record.message.text;
        }
        return sequence;
    }
    QString withoutKeys(const QString& source, const QStringList& keys)
    {
        QFile in(source);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray kept;
        for (const QByteArray& line : in.readAll().split('\n')) {
            bool drop = false;
            for (const QString& key : keys)
                drop = drop || line.contains(QStringLiteral("key=\"%1\"").arg(key).toUtf8());
            if (!drop)
                kept += line + '\n';
        }
        const QString copy = tempPath(QStringLiteral("Without") + keys.join(QString()) + QStringLiteral(".xml"));
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(kept);
        return copy;
    }

    RecordingPrintBackend m_printed;
    ReportControl m_reportControl;
    PrinterControl m_printerControl;
    QWidget m_page;
    IReportPtr m_report;
    IPrinterPtr m_printer;
    CReportHeader m_header;
};

} // namespace

TEST_F(StrokeCalibrationReports, ActuatorReportPrintsEveryFieldVerbatimOnTheLargerModel)
{
    const QString pdf = tempPath(QStringLiteral("Actuator.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save Actuator Calibration ReportAs"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    m_header.m_byModel = 5;

    GenerateActCalibTestReport(m_header, filledActuator(), m_report, m_printer,
        AutoString(shippedDefinition("ActStrokeFricCalRept.xml")), &m_page);

    EXPECT_EQ(promptSequence(),
        QStringList(
            { QStringLiteral("file:Save Actuator Calibration ReportAs / PV-101_ActCalibrationReport_2031_2_3_9h_41m"),
                QStringLiteral("box:Do you want to print the Report?") }));
    const struct {
        const char* key;
        const char* text;
    } fields[] = {
        { "ActStrkFricCalTitleLbl", "Actuator / Stroke / Friction Calibration Report" },
        { "StrokeCalInfoLbl", "Calibration Information" },
        { "DateLastLbl", "Calibrated Date:" },
        { "LastCalDate", "02/03/2031" },
        { "NewCalByLbl", "Calibrated by:" },
        { "NewCalBy", "XYZ" },
        { "SupPressLbl", "Supply Pressure:" },
        { "StrkCalPressure", "310.00" },
        { "StrkCalPressureUnit", "kPa" },
        { "ActSizeLbl", "Actuator Size:" },
        { "StrkCalActSize", "23.8" },
        { "StrkCalStateLbl", "Calibration State:" },
        { "StrkCalState", "Calibration completed successfully" },
        { "StrkCalFlagsLbl", "Calibration Flags" },
        { "SuppLoLbl", "Supply Pressure" },
        { "SuppLoChk", "" },
        { "SuppP1Chk", "" },
        { "SuppP1Lbl", "Port1" },
        { "SuppP2Lbl", "Port B Range too Small" },
        { "SuppP2Chk", "X" },
        { "StrkCal0PosOutLbl", "O% Pos Out Of Range" },
        { "StrkCal0PosOutChk", "" },
        { "StrkCal100PosOutLbl", "100% Pos O O Range" },
        { "StrkCalFdbkSmallLbl", "Fdbk Range Small" },
        { "StrkCalFdbkSmall", "X" },
        { "StrkCalILOTOLbl", "ILO Time Out" },
        { "StrkCalNoMoTOLbl", "No Motion time Out" },
        { "StrkCalNoSetTimeOutLbl", "Non-Settle Time Out" },
        { "StrkCalPosnLbl", "Position" },
        { "StrkCalILOLbl", "Inner Loop Offset:" },
        { "StrkCalILO", "50" },
        { "StrkLowADLbl", "A/D Value at 0% Position:" },
        { "StrkCalLoADVal", "4100" },
        { "StrkHiADLbl", "A/D Value at 100% Position:" },
        { "StrkCalHiADVal", "61000" },
        { "StrkCalADRangeLbl", "A/D Range:" },
        { "StrkCalADRange", "56900" },
        { "StrkCalPort1Lbl", "Port1" },
        { "StrkCalP1LoLbl", "A/D Value at low pressure:" },
        { "StrkCalPort1Lo", "3000" },
        { "StrkCalPort1Range", "26000" },
        { "StrkCalPort2Lbl", "Port2" },
        { "StrkCalP2HiLbl", "A/D Value at high pressure:" },
        { "StrkCalPort2Hi", "29100" },
        { "StrkCalPort2Range", "26001" },
        { "blbFriction", "Friction" },
        { "StrkCalDerFricLbl", "Derived Friction:" },
        { "StrkCalFricValue", "12.5" },
    };
    for (const auto& f : fields)
        EXPECT_EQ(field(QString::fromLatin1(f.key)).toStdString(), f.text) << f.key;
    const QString text = pdfText(pdf).simplified();
    for (const char* expected : { "Actuator / Stroke / Friction Calibration Report", "Calibrated by:", "XYZ", "310",
             "kPa", "Port2", "56900", "DEVICE TAG ID: PV-101" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(StrokeCalibrationReports, TheModelPicksTheThirdFlagRowAndTheSecondPortsName)
{
    const struct {
        uint8_t model;
        const char* definition;
        bool withoutPort2Row; // a definition that lacks the third flag row
        bool port2RowWritten;
        const char* port2Name;
    } cases[] = {
        { 5, "ActStrokeFricCalRept.xml", false, true, "Port2" },
        { 6, "ActStrokeFricCalRept_K40.xml", true, false, "Supply" },
        { 7, "ActStrokeFricCalRept.xml", true, false, "Port2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.model));
        prompts().clearRecords();
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo);
        m_header.m_byModel = c.model;
        QString definition = shippedDefinition(QString::fromLatin1(c.definition));
        if (c.withoutPort2Row)
            definition = withoutKeys(definition, { QStringLiteral("SuppP2Lbl"), QStringLiteral("SuppP2Chk") });

        GenerateActCalibTestReport(m_header, filledActuator(), m_report, m_printer, AutoString(definition), &m_page);

        EXPECT_EQ(prompts().messages().size(), 1u) << "only the print question, no failure";
        EXPECT_EQ(field(QStringLiteral("StrkCalPort2Lbl")).toStdString(), c.port2Name);
        if (c.port2RowWritten) {
            EXPECT_EQ(field(QStringLiteral("SuppP2Chk")), QStringLiteral("X"));
        }
        EXPECT_EQ(field(QStringLiteral("StrkCalFricValue")), QStringLiteral("12.5")) << "the last field written";
    }

    // The smaller model's own definition: its third flag row is never
    // evaluated, so it prints no flag name that a reader could take as checked.
    prompts().clearRecords();
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);
    m_header.m_byModel = 6;
    GenerateActCalibTestReport(m_header, filledActuator(), m_report, m_printer,
        AutoString(shippedDefinition(QStringLiteral("ActStrokeFricCalRept_K40.xml"))), &m_page);
    EXPECT_EQ(prompts().messages().size(), 1u) << "only the print question, no failure";
    EXPECT_EQ(field(QStringLiteral("SuppP2Lbl")), QString());
    EXPECT_EQ(field(QStringLiteral("SuppP2Chk")), QString());
    EXPECT_EQ(field(QStringLiteral("StrkCalPort2Lbl")), QStringLiteral("Supply"));
}

TEST_F(StrokeCalibrationReports, StrokeReportPrintsItsBlockAndDefaultRecordsPrintLabelsOnly)
{
    for (const char* file : { "StrokeCalRept.xml", "StrokeCalRept_K40.xml" }) {
        SCOPED_TRACE(file);
        prompts().clearRecords();
        const QString pdf = tempPath(QString::fromLatin1(file) + QStringLiteral(".pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save Stroke Calibration ReportAs"));
        prompts().answerMessage(Prompts::IdNo);
        CStrokeCalibReport record;
        record.m_strLastCalDate = AutoString(QStringLiteral("02/03/2031"));
        record.m_strNewCalBy = AutoString(QStringLiteral(" AB"));
        record.m_strState = AutoString(QStringLiteral("Calibration Aborted"));
        record.m_strILO = AutoString(QStringLiteral("50"));
        record.m_strLoADVal = AutoString(QStringLiteral("4100"));
        record.m_strHiADVal = AutoString(QStringLiteral("61000"));
        record.m_strADRange = AutoString(QStringLiteral("-56900"));
        record.m_bNoMoTO = 2;

        GenerateStrokeCalibTestReport(
            m_header, record, m_report, m_printer, AutoString(shippedDefinition(QString::fromLatin1(file))), &m_page);

        EXPECT_EQ(promptSequence().value(0),
            QStringLiteral("file:Save Stroke Calibration ReportAs / PV-101_StrokeCalibrationReport_2031_2_3_9h_41m"));
        EXPECT_EQ(field(QStringLiteral("StrokeTitleLbl")), QStringLiteral("Stroke Calibration Report"));
        EXPECT_EQ(field(QStringLiteral("NewCalByLbl")), QStringLiteral("Calibration By:"));
        EXPECT_EQ(field(QStringLiteral("NewCalBy")), QStringLiteral(" AB"));
        EXPECT_EQ(field(QStringLiteral("StrokeCalResultsLbl")), QStringLiteral("Calibration Results"));
        EXPECT_EQ(field(QStringLiteral("StrkCalADRange")), QStringLiteral("-56900"));
        EXPECT_EQ(field(QStringLiteral("StrkCalNoMoTO")), QStringLiteral("X"));
        EXPECT_EQ(field(QStringLiteral("StrkCal0PosOutChk")), QString());
        const QString text = pdfText(pdf).simplified();
        for (const char* expected : { "Stroke Calibration Report", "O% Pos Out Of Range", "No Motion time Out",
                 "-56900", "Calibration Aborted" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
    }

    prompts().clearRecords();
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);
    GenerateStrokeCalibTestReport(m_header, CStrokeCalibReport(), m_report, m_printer,
        AutoString(shippedDefinition("StrokeCalRept.xml")), &m_page);
    for (const char* key : { "LastCalDate", "NewCalBy", "StrkCalState", "StrkCalILO", "StrkCalLoADVal",
             "StrkCalHiADVal", "StrkCalADRange", "StrkCal0PosOutChk", "StrkCal100PosOutChk", "StrkCalFdbkSmall",
             "StrkCalILOTO", "StrkCalNoMoTO", "StrkCalNoSetTimeOut" })
        EXPECT_EQ(field(QString::fromLatin1(key)), QString()) << key;
    for (const char* key : { "StrkCalILOLbl", "StrkLowADLbl", "StrkCalNoSetTimeOutLbl", "DateLastLbl" })
        EXPECT_FALSE(field(QString::fromLatin1(key)).isEmpty()) << key;
}

TEST_F(StrokeCalibrationReports, AMissingKeyEndsTheRunWithOneBoxAfterTheEarlierFieldsAndLetsTheArgumentsGo)
{
    prompts().answerMessage(Prompts::IdOk, FailureText);
    CStrokeCalibReport record;
    record.m_strADRange = AutoString(QString::fromLatin1("-56900"));
    record.m_bFdbkSmall = 1;

    GenerateStrokeCalibTestReport(m_header, record, m_report, m_printer,
        AutoString(withoutKeys(shippedDefinition("StrokeCalRept.xml"), { QStringLiteral("StrkCalILOTO") })), &m_page);

    EXPECT_EQ(promptSequence(), QStringList({ QStringLiteral("box:") + FailureText }));
    EXPECT_EQ(prompts().messages().at(0).caption.value_or(QStringLiteral("<default>")), QString());
    EXPECT_EQ(field(QStringLiteral("StrkCalADRange")), QStringLiteral("-56900"));
    EXPECT_EQ(field(QStringLiteral("StrkCalFdbkSmall")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("StrkCalILOTOLbl")), QStringLiteral("ILO Time Out")) << "its label came first";
    EXPECT_TRUE(m_printed.printed().empty());
    EXPECT_EQ(m_report.useCount(), 1);
    EXPECT_EQ(m_printer.useCount(), 1);
    EXPECT_TRUE(m_header.m_strTag.toQString().isDetached());
}
