// The printed ramp comparison: the shipped definitions filled from the
// compare record, the pictures each pair of files gives, the inner and the
// outer failure, read back from the PDF.
#include "ReportTestSupport.h"
#include "SwTest.h"

#include "core/PlotConfiguration.h"
#include "ramp/RampCompareReport.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

using namespace ReportTestSupport;

namespace
{

const QString PrintQuestion = QStringLiteral("Do you want to print the Report?");
const QString SaveTitle = QStringLiteral("Save Ramp Compare Report As");
const QString Pictures[] = { QStringLiteral("RampTestCmp.bmp"), QStringLiteral("RampTestCmp2.bmp"),
    QStringLiteral("RampTestCmp3.bmp"), QStringLiteral("RampTestCmp4.bmp") };

class RampCompareReportTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        clock().setLocalStart(QDateTime(QDate(2026, 3, 5), QTime(9, 7, 0)));
        ConfigureRampPlotControl(IXYPlotPtr(&m_compare));
        m_record.SetupDestPlotChannels(IXYPlotPtr(&m_compare));
        m_record.m_strSpare = AutoString("FV-101");
        m_record.m_strTag1 = AutoString("FV-9");
        m_record.m_strTag2 = AutoString("FV-10");
        m_record.m_strTestDate1 = AutoString("6/7/2025");
        m_record.m_strTestDate2 = AutoString("11/12/2025");
        m_record.m_strFileName1 = AutoString("/data/valves/one.rmp");
        m_record.m_strFileName2 = AutoString("/data/valves/two.rmp");
        m_record.m_strStartPosition1 = AutoString("10");
        m_record.m_strStartPosition2 = AutoString("12");
        m_record.m_strStopPosition1 = AutoString("90");
        m_record.m_strStopPosition2 = AutoString("88");
        m_record.m_strHoldTime1 = AutoString("3");
        m_record.m_strHoldTime2 = AutoString("4");
        m_record.m_strTestDuration1 = AutoString("45");
        m_record.m_strTestDuration2 = AutoString("46");
        m_record.m_strActuatorSize1 = AutoString("50.00");
        m_record.m_strActuatorSize2 = AutoString("51.00");
        m_record.m_strActuatorSizeUnit = AutoString("sq.in");
        m_record.m_strStrokeLength1 = AutoString("1.50");
        m_record.m_strStrokeLength2 = AutoString("1.75");
        m_record.m_strStrokeLengthUnit = AutoString("in.");
        m_record.m_strSpringRate1 = AutoString("40.00");
        m_record.m_strSpringRate2 = AutoString(" - ");
        m_record.m_strSpringRateUnit = AutoString("kg/in.");
        m_record.m_strSpringInitial1 = AutoString("3.25");
        m_record.m_strSpringInitial2 = AutoString(" - ");
        m_record.m_strSpringPressureUnit = AutoString("bar");
        m_record.m_strSpringFinal1 = AutoString("12.50");
        m_record.m_strSpringFinal2 = AutoString(" - ");
        m_folder = tempPath(QStringLiteral("Dependencies"));
        QDir().mkpath(m_folder);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    // A copy of the shipped definition in the test's own folder, without the
    // lines that hold `withoutLine`.
    QString definitionCopy(const QString& file, const QByteArray& withoutLine = QByteArray())
    {
        QFile shipped(shippedDefinition(file));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        QByteArrayList kept;
        for (const QByteArray& line : shipped.readAll().split('\n'))
            if (withoutLine.isEmpty() || !line.contains(withoutLine))
                kept << line;
        const QString copy = m_folder + QLatin1Char('/') + file;
        QFile::remove(copy);
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(kept.join('\n'));
        return copy;
    }

    QString picture(int k) const { return m_folder + QLatin1Char('/') + Pictures[k]; }

    // Prints to a PDF and answers No to the print question; the PDF's text.
    QString print(const QString& definition)
    {
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, SaveTitle);
        prompts().answerMessage(Prompts::IdNo, PrintQuestion);
        generate(definition);
        return QFileInfo::exists(pdf) ? pdfText(pdf).simplified() : QString();
    }
    void generate(const QString& definition)
    {
        GenerateRampCompareReport(m_record, IXYPlotPtr(&m_compare), IReportPtr(&m_report), IPrinterPtr(&m_printer),
            AutoString(definition), &m_page, m_header);
    }

    XYPlot m_compare;
    CRampCompareReport m_record;
    CReportHeader m_header;
    ReportControl m_report;
    PrinterControl m_printer;
    RecordingPrintBackend m_printed;
    QWidget m_page;
    QString m_folder;
};

TEST_F(RampCompareReportTest, PrintsBothFilesSettingsFlagsAndSpringSetWithoutHeaderOrDate)
{
    m_record.m_bSingleActing2 = 1;
    m_record.m_bPressureSensor2 = 0;
    m_record.m_bBiDirectional2 = 2; // not 1: printed as "No"
    for (const char* file : { "RampTestCmpRept.xml", "RampTestCmpRept_K40.xml" }) {
        const QString text = print(definitionCopy(QString::fromLatin1(file)));
        ASSERT_FALSE(prompts().records().empty()) << file;
        EXPECT_EQ(
            prompts().records().front().dialog.initialName, QStringLiteral("FV-101_RampCompareReport_2026_3_5_9h_7m"))
            << file;
        EXPECT_EQ(prompts().records().front().dialog.filter, QStringLiteral("(*.pdf)|*.pdf|")) << file;
        for (const char* expected : { "Ramp Test Comparison Report", "File Information", "File#1", "File#2", "FV-9",
                 "FV-10", "6/7/2025", "11/12/2025", "/data/valves/one.rmp", "/data/valves/two.rmp",
                 "Start Position:", "Stop Position:", "Hold Time:", "Test Duration:", "45", "46",
                 "Single Acting:", "Bi-directional:", "Sensors Available:", "Stroke Length:", "1.75",
                 "Actuator Size:", "51.00", "sq.in", "Spring Set", "Spring Rate:", "40.00", "kg/in.",
                 "Spring Initial:", "3.25", "Spring Final:", "12.50", "bar" })
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << file << ": " << expected;
        EXPECT_FALSE(text.contains(QStringLiteral("DEVICE TAG ID"))) << file;
        EXPECT_EQ(text.count(QStringLiteral("Yes")), 3) << file << ": " << text.toStdString();
        EXPECT_TRUE(m_compare.ScreenBar(0)->GetVisible()) << file;
    }
}

TEST_F(RampCompareReportTest, EveryFieldTakesItsOwnMemberOrLabel)
{
    // Values that differ from field to field, so that two fields swapped show.
    m_record.m_strSpringRate2 = AutoString("41.00");
    m_record.m_strSpringInitial2 = AutoString("3.50");
    m_record.m_strSpringFinal2 = AutoString("13.00");
    m_record.m_strActuatorSizeUnit = AutoString("sq.cm");
    m_record.m_strStrokeLengthUnit = AutoString("mm");
    m_record.m_strSpringRateUnit = AutoString("kg/mm");
    m_record.m_strSpringPressureUnit = AutoString("kPa");
    m_record.m_bSingleActing2 = 1;
    m_record.m_bBiDirectional2 = 2; // only 1 prints "Yes"
    m_record.m_bPressureSensor2 = 0;
    print(definitionCopy(QStringLiteral("RampTestCmpRept.xml")));
    const auto document = m_report.layoutDocument();
    const std::pair<const char*, const char*> fields[] = {
        { "TitleLbl", "Ramp Test Comparison Report" },
        { "FIleSettingsLbl", "File Information" },
        { "File1Lbl", "File#1" },
        { "File1TagLbl", "Tag:" },
        { "Tag1Value", "FV-9" },
        { "File1DateLbl", "File Date:" },
        { "TestDate1Value", "6/7/2025" },
        { "File1NameLbl", "Filename:" },
        { "FileName1Value", "/data/valves/one.rmp" },
        { "File2Lbl", "File#2" },
        { "File2TagLbl", "Tag:" },
        { "Tag2Value", "FV-10" },
        { "File2DateLbl", "File Date:" },
        { "TestDate2Value", "11/12/2025" },
        { "File2NameLbl", "Filename:" },
        { "FileName2Value", "/data/valves/two.rmp" },
        { "StartPos1Lbl", "Start Position:" },
        { "StartPosn", "10" },
        { "StopPos1Lbl", "Stop Position:" },
        { "StopPosn", "90" },
        { "HoldTime1Lbl", "Hold Time:" },
        { "HoldTime", "3" },
        { "TestDur1Lbl", "Test Duration:" },
        { "TestDuration", "45" },
        { "StartPosn2", "12" },
        { "StopPosn2", "88" },
        { "HoldTime2", "4" },
        { "TestDuration2", "46" },
        { "SingleActing1Lbl", "Single Acting:" },
        { "SingleAct1Value", "No" },
        { "SingleAct2Value", "Yes" },
        { "BiDir1Lbl", "Bi-directional:" },
        { "BiDir1Value", "Yes" },
        { "BiDir2Value", "No" },
        { "SensorsAvail1Lbl", "Sensors Available:" },
        { "SensorsAvail1Value", "Yes" },
        { "SensorsAvail2Value", "No" },
        { "SLenLabel1", "Stroke Length:" },
        { "SLenValue1", "1.50" },
        { "SLenValue2", "1.75" },
        { "SLenUnit", "mm" },
        { "ActSizeLbl1", "Actuator Size:" },
        { "ActSizeValue1", "50.00" },
        { "ActSizeValue2", "51.00" },
        { "ActSizeUnit2", "sq.cm" },
        { "SpringSetLbl", "Spring Set" },
        { "SprRateLbl", "Spring Rate:" },
        { "SprRateValue1", "40.00" },
        { "SprRateValue2", "41.00" },
        { "SprRateUnit", "kg/mm" },
        { "SprInitLbl", "Spring Initial:" },
        { "SprInitValue1", "3.25" },
        { "SprInitValue2", "3.50" },
        { "SprInitUnit", "kPa" },
        { "SprFinLbl", "Spring Final:" },
        { "SprFinValue1", "12.50" },
        { "SprFinValue2", "13.00" },
        { "SprFinUnit", "kPa" },
    };
    for (const auto& [key, text] : fields) {
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        ASSERT_TRUE(item) << key;
        EXPECT_EQ(item->text, QString::fromUtf8(text)) << key;
    }
}

TEST_F(RampCompareReportTest, PicturesFollowThePressureAndDirectionFlagsAndStaleOnesStay)
{
    struct Case {
        const char* what;
        uint8_t bi1, bi2, show1, show2;
        bool made[4];
    };
    const Case cases[] = {
        { "one-way files without pressures", 0, 0, 0, 0, { true, false, true, false } },
        { "one bi-directional file with pressures", 1, 0, 1, 0, { true, true, true, true } },
        { "bi-directional without pressures", 1, 1, 0, 0, { true, false, true, false } },
        { "pressures on one-way files", 0, 0, 0, 2, { true, true, true, false } },
        { "a direction flag of 2 is not bi-directional", 2, 0, 1, 0, { true, true, true, false } },
    };
    const char* const fields[] = { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" };
    ownTemporaryFolder();
    const QString definition = definitionCopy(QStringLiteral("RampTestCmpRept.xml"));
    for (const Case& c : cases) {
        m_record.m_bBiDirectional1 = c.bi1;
        m_record.m_bBiDirectional2 = c.bi2;
        m_record.m_bShowPressure1 = c.show1;
        m_record.m_bShowPressure2 = c.show2;
        // Pictures an earlier print left beside the definition are neither
        // put in nor changed.
        for (int k = 0; k < 4; ++k) {
            QFile::remove(picture(k));
            QFile stale(picture(k));
            ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
            stale.write("stale");
        }
        print(definition);
        const ReportDocument document = m_report.layoutDocument();
        for (int k = 0; k < 4; ++k) {
            const ReportPageItem* item = document.find(QString::fromLatin1(fields[k]));
            EXPECT_EQ(item && !item->picture.isNull(), c.made[k]) << c.what << " picture " << k + 1;
            QFile file(picture(k));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.what << " " << k;
            EXPECT_EQ(file.readAll(), QByteArray("stale")) << c.what << " picture " << k + 1;
        }
        EXPECT_EQ(leftInTemporaryFolder(), QStringList()) << c.what;
    }
}

TEST_F(RampCompareReportTest, AMissingKeyStillOffersThePdfAndTheQuestionAMissingDefinitionOnlyItsMessage)
{
    const QString definition = definitionCopy(QStringLiteral("RampTestCmpRept.xml"), "\"SprFinUnit\"");
    const QString pdf = tempPath(QStringLiteral("partial.pdf"));
    QFile::remove(pdf);
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report may not be generated due to some error."));
    prompts().answerFile(pdf, SaveTitle);
    prompts().answerMessage(Prompts::IdYes, PrintQuestion);
    generate(definition);
    ASSERT_EQ(prompts().records().size(), 3u);
    EXPECT_EQ(prompts().records()[0].message.caption, QString());
    EXPECT_EQ(prompts().records()[0].message.owner, nullptr);
    EXPECT_EQ(prompts().records()[2].message.caption, QStringLiteral("Print Report"));
    EXPECT_TRUE(QFileInfo::exists(pdf));
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Spring Final:")));
    EXPECT_EQ(m_printed.printed().size(), 1u);
    EXPECT_TRUE(m_compare.ScreenBar(0)->GetVisible());

    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    generate(m_folder + QStringLiteral("/Missing.xml"));
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].message.caption, QString());
    EXPECT_TRUE(m_compare.ScreenBar(0)->GetVisible());
}

} // namespace
