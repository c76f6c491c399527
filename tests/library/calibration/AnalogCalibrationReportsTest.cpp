// The analog input and output calibration reports: their calibration block
// filled into real definitions, rendered to PDF and read back.
#include "calibration/AnalogCalibrationReports.h"
#include "calibration/CalibrationReportBlock.h"

#include "ReportTestSupport.h"
#include "report/RecordingPrintBackend.h"

#include <QFile>
#include <QFileInfo>

using namespace ReportTestSupport;

namespace
{

const QString FailureText = QStringLiteral("Report Definition file could not be found/matched.");

class AnalogCalibrationReports : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        m_report = IReportPtr(&m_reportControl);
        m_printer = IPrinterPtr(&m_printerControl);
        m_header.m_strTag = AutoString(QStringLiteral("FCV-7"));
        m_header.m_strDeviceVersion = AutoString(QStringLiteral("3"));
        clock().setLocalStart(QDateTime(QDate(2029, 11, 30), QTime(16, 5)));
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    static CAICalibReport filledAI()
    {
        CAICalibReport record;
        record.m_strLastCalDate = AutoString(QStringLiteral("11/30/2029"));
        record.m_strNewCalBy = AutoString(QStringLiteral("KLM"));
        record.m_strState = AutoString(QStringLiteral("Calibration completed"));
        record.m_strAD4mA = AutoString(QStringLiteral("6400"));
        record.m_strAD0 = AutoString(QStringLiteral("32000"));
        record.m_strAD100 = AutoString(QStringLiteral(" 6400 cnt")); // printed as passed
        record.m_strADRange = AutoString(QStringLiteral("-25600"));
        return record;
    }
    static CAOCalibReport filledAO()
    {
        CAOCalibReport record;
        record.m_strLastCalDate = AutoString(QStringLiteral("01/02/2030"));
        record.m_strNewCalBy = AutoString(QStringLiteral("Q.R"));
        record.m_strState = AutoString(QStringLiteral("  done "));
        record.m_strDA4mA = AutoString(QStringLiteral("812"));
        record.m_strDA20mA = AutoString(QStringLiteral("4050"));
        record.m_strDARange = AutoString(QStringLiteral("3238 counts"));
        return record;
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
    // A copy of a definition without the line that holds `key`.
    QString withoutKey(const QString& source, const QString& key)
    {
        QFile in(source);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray kept;
        for (const QByteArray& line : in.readAll().split('\n'))
            if (!line.contains(QStringLiteral("key=\"%1\"").arg(key).toUtf8()))
                kept += line + '\n';
        const QString copy = tempPath(QStringLiteral("Without") + key + QStringLiteral(".xml"));
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

TEST(CalibrationReportBlock, FlagRuleMarksAnyValueButZero)
{
    const struct {
        uint8_t flag;
        const char* text;
    } cases[] = { { 0, "" }, { 1, "X" }, { 2, "X" }, { 255, "X" } };
    for (const auto& c : cases)
        EXPECT_EQ(CalibrationReportBlock::flagText(c.flag), QString::fromLatin1(c.text)) << int(c.flag);
}

TEST_F(AnalogCalibrationReports, AnalogInputReportFillsBothShippedDefinitionsWithItsLabelsAndValuesAsPassed)
{
    for (const char* file : { "AnaInputCalRept.xml", "AnaInputCalRept_K40.xml" }) {
        SCOPED_TRACE(file);
        prompts().clearRecords();
        const QString pdf = tempPath(QString::fromLatin1(file) + QStringLiteral(".pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save AI Calibration ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        CAICalibReport record = filledAI();
        record.m_bCommSmall = 7;

        GenerateAICalibTestReport(
            m_header, record, m_report, m_printer, AutoString(shippedDefinition(QString::fromLatin1(file))), &m_page);

        EXPECT_EQ(promptSequence(),
            QStringList(
                { QStringLiteral("file:Save AI Calibration ReportAs / FCV-7_AICalibrationReport_2029_11_30_16h_5m"),
                    QStringLiteral("box:Do you want to print the Report?") }));
        const struct {
            const char* key;
            const char* text;
        } fields[] = {
            { "TitleLbl", "Analog Input Calibration Report" },
            { "CalInfoLbl", "Calibration Information" },
            { "DateLastLbl", "Calibration Date:" },
            { "LastCalDate", "11/30/2029" },
            { "NewCalByLbl", " Calibration By:" },
            { "NewCalBy", "KLM" },
            { "CalResultsLbl", "Calibration Results" },
            { "CalStateLbl", "Calibration State:" },
            { "CalState", "Calibration completed" },
            { "AICal4mALbl", "A/D Value at 4mA:" },
            { "AICal4mAValue", "6400" },
            { "AICal0Lbl", "A/D Value at 0%:" },
            { "AICal0Value", "32000" },
            { "AICal100Lbl", "A/D Value at 100%:" },
            { "AICal100Value", " 6400 cnt" },
            { "AICalADRangeLbl", " A/D Range:" },
            { "AICalADRangeValue", "-25600" },
            { "StrkCal0PosOutLbl", "0% Signal OORange" },
            { "StrkCal0PosOutChk", "" },
            { "StrkCal100PosOutLbl", "100% Signal OORange" },
            { "StrkCal100PosOutChk", "" },
            { "StrkCalFdbkSmallLbl", "Comm Range Small" },
            { "StrkCalFdbkSmall", "X" },
        };
        for (const auto& f : fields)
            EXPECT_EQ(field(QString::fromLatin1(f.key)).toStdString(), f.text) << f.key;
        const QString text = pdfText(pdf).simplified();
        for (const char* expected : { "Analog Input Calibration Report", "Calibration completed",
                 "A/D Value at 4mA:", "Comm Range Small", "DEVICE TAG ID: FCV-7", "Page 1/1" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
    }
}

TEST_F(AnalogCalibrationReports, DefaultRecordsPrintTheirLabelsWithEmptyValuesAndNoMarks)
{
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);
    GenerateAICalibTestReport(
        m_header, CAICalibReport(), m_report, m_printer, AutoString(shippedDefinition("AnaInputCalRept.xml")), &m_page);
    for (const char* key : { "LastCalDate", "NewCalBy", "CalState", "AICal4mAValue", "AICal0Value", "AICal100Value",
             "AICalADRangeValue", "StrkCal0PosOutChk", "StrkCal100PosOutChk", "StrkCalFdbkSmall" })
        EXPECT_EQ(field(QString::fromLatin1(key)), QString()) << key;
    EXPECT_EQ(field(QStringLiteral("AICal0Lbl")), QStringLiteral("A/D Value at 0%:"));

    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);
    GenerateAOCalibTestReport(m_header, CAOCalibReport(), m_report, m_printer,
        AutoString(fixtureDefinition("AOCalibReportFixture.xml")), &m_page);
    for (const char* key :
        { "LastCalDate", "NewCalBy", "CalState", "AOCal0Value", "AOCal100Value", "AOCalDARangeValue" })
        EXPECT_EQ(field(QString::fromLatin1(key)), QString()) << key;
    EXPECT_EQ(field(QStringLiteral("AOCalDARangeLbl")), QStringLiteral("D/A Range:"));
    EXPECT_EQ(field(QStringLiteral("CalResultsLbl")), QStringLiteral("Calibration Results"));
}

TEST_F(AnalogCalibrationReports, AnalogOutputReportPrintsItsOwnLabelsAndTheRecordsTextsVerbatim)
{
    const QString pdf = tempPath(QStringLiteral("AO.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save AO Calibration ReportAs"));
    prompts().answerMessage(Prompts::IdNo);

    GenerateAOCalibTestReport(
        m_header, filledAO(), m_report, m_printer, AutoString(fixtureDefinition("AOCalibReportFixture.xml")), &m_page);

    EXPECT_EQ(promptSequence(),
        QStringList({ QStringLiteral("file:Save AO Calibration ReportAs / FCV-7_AOCalibrationReport_2029_11_30_16h_5m"),
            QStringLiteral("box:Do you want to print the Report?") }));
    const struct {
        const char* key;
        const char* text;
    } fields[] = {
        { "TitleLbl", "Analog Output Calibration Report" },
        { "CalInfoLbl", "Calibration Information" },
        { "DateLastLbl", "Calibration Date:" },
        { "LastCalDate", "01/02/2030" },
        { "NewCalByLbl", "Calibration By:" },
        { "NewCalBy", "Q.R" },
        { "CalStateLbl", "Calibration State:" },
        { "CalState", "  done " },
        { "AOCal0Lbl", "D/A Value at 4 mA:" },
        { "AOCal0Value", "812" },
        { "AOCal100Lbl", "D/A Value at 20 mA:" },
        { "AOCal100Value", "4050" },
        { "AOCalDARangeLbl", "D/A Range:" },
        { "AOCalDARangeValue", "3238 counts" },
    };
    for (const auto& f : fields)
        EXPECT_EQ(field(QString::fromLatin1(f.key)).toStdString(), f.text) << f.key;
    // Kept for people to read back.
    QFile::remove(artifactPath(QStringLiteral("AOCalibrationReport.pdf")));
    QFile::copy(pdf, artifactPath(QStringLiteral("AOCalibrationReport.pdf")));
    const QString text = pdfText(pdf).simplified();
    for (const char* expected : { "Analog Output Calibration Report", "Calibration By: Q.R", "D/A Value at 4 mA: 812",
             "D/A Value at 20 mA: 4050", "D/A Range: 3238 counts" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(AnalogCalibrationReports, ADefinitionThatCannotBeUsedEndsTheRunWithOneBoxAndNoDialog)
{
    // A path naming no file: the box before any field.
    prompts().answerMessage(Prompts::IdOk, FailureText);
    GenerateAOCalibTestReport(
        m_header, filledAO(), m_report, m_printer, AutoString(tempPath(QStringLiteral("NoSuchReport.xml"))), &m_page);
    EXPECT_EQ(promptSequence(), QStringList({ QStringLiteral("box:") + FailureText }));
    EXPECT_ANY_THROW(m_report->layoutDocument()); // nothing was loaded, nothing filled

    // The last key missing: every earlier field written, then the box.
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, FailureText);
    GenerateAICalibTestReport(m_header, filledAI(), m_report, m_printer,
        AutoString(withoutKey(shippedDefinition("AnaInputCalRept.xml"), QStringLiteral("StrkCalFdbkSmall"))), &m_page);
    EXPECT_EQ(promptSequence(), QStringList({ QStringLiteral("box:") + FailureText }));
    EXPECT_EQ(field(QStringLiteral("StrkCalFdbkSmallLbl")), QStringLiteral("Comm Range Small"));
    EXPECT_EQ(field(QStringLiteral("AICalADRangeValue")), QStringLiteral("-25600"));
    EXPECT_TRUE(m_printed.printed().empty());
}
