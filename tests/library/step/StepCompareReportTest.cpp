// The printed step compare report: the shipped definitions filled from the
// compare record, rendered to PDF and read back with poppler.
#include "ReportTestSupport.h"
#include "StepPlotFixture.h"

#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"
#include "report/ReportDocument.h"
#include "step/StepCompareReport.h"

#include <QFile>
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

using namespace ReportTestSupport;

namespace
{

class StepCompareReportTest : public StepPlotFixture
{
protected:
    void SetUp() override
    {
        StepPlotFixture::SetUp();
        PrintBackend::install(&m_printed);
        clock().setLocalStart(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0)));
        ConfigureStepTestPlotControl(IPlotPtr(&m_compare));
        m_record.SetupDestPlotChannels(IPlotPtr(&m_compare));
        m_record.m_strTag1 = AutoString("FV-7");
        m_record.m_strTag2 = AutoString("FV-8");
        m_record.m_strTestDate1 = AutoString("3/5/2025");
        m_record.m_strTestDate2 = AutoString("11/12/2025");
        m_record.m_strFile1 = AutoString("/data/valves/one.stp");
        m_record.m_strFile2 = AutoString("/data/valves/two.stp");
        m_record.m_strStartPosition1 = AutoString("25");
        m_record.m_strStartPosition2 = AutoString("26");
        m_record.m_strStopPosition1 = AutoString("60");
        m_record.m_strStopPosition2 = AutoString("61");
        m_record.m_strHoldTime1 = AutoString("5");
        m_record.m_strHoldTime2 = AutoString("7");
        m_record.m_bSingleActing1 = 0;
        m_record.m_bPressureSensor1 = 1;
        m_record.m_bSingleActing2 = 2; // not 1: printed as "NO"
        m_record.m_bPressureSensor2 = 1;
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        StepPlotFixture::TearDown();
    }

    QString definitionCopy(const QString& file, const QByteArray& withoutLine = QByteArray())
    {
        QFile shipped(shippedDefinition(file));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        QByteArrayList kept;
        for (const QByteArray& line : shipped.readAll().split('\n')) {
            if (withoutLine.isEmpty() || !line.contains(withoutLine))
                kept << line;
        }
        const QString copy = tempPath(file);
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(kept.join('\n'));
        return copy;
    }

    void generate(const QString& definition)
    {
        GenerateStepTestCompareReport(m_record, IPlotPtr(&m_compare), IReportPtr(&m_report), IPrinterPtr(&m_printer),
            AutoString(definition), &m_page, m_header);
    }

    Plot m_compare;
    CStepTestCompareReport m_record;
    CReportHeader m_header;
    ReportControl m_report;
    PrinterControl m_printer;
    RecordingPrintBackend m_printed;
    QWidget m_page;
};

TEST_F(StepCompareReportTest, PrintsBothFilesSettingsFlagsAndPicturesWithoutHeaderOrDate)
{
    for (const char* file : { "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" }) {
        const QString definition = definitionCopy(QString::fromLatin1(file));
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        m_compare.SetTitle(QStringLiteral("Step Test"));
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        generate(definition);

        ASSERT_FALSE(prompts().records().empty()) << file;
        EXPECT_EQ(
            prompts().records().front().dialog.initialName, QStringLiteral("FV-7_StepTestCompareReport_2026_3_7_9h_5m"))
            << file;
        const QString text = pdfText(pdf).simplified();
        for (const char* expected : { "Step Test Comparison Report", "File Information", "File #1", "File #2", "FV-7",
                 "FV-8", "3/5/2025", "11/12/2025", "/data/valves/one.stp", "/data/valves/two.stp", "Start Position: 25",
                 "Start Position: 26", "Stop Position: 60", "Stop Position: 61", "Hold Time: 5", "Hold Time: 7",
                 "Single Acting:", "Sensors Available:", "YES" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << file << ": " << expected;
        EXPECT_FALSE(text.contains(QStringLiteral("DEVICE TAG ID"))) << file;
        EXPECT_FALSE(text.contains(QStringLiteral("TestDate"))) << file;
        EXPECT_EQ(text.count(QStringLiteral("Single Acting: NO")), 2) << file << ": " << text.toStdString();
        const ReportDocument document = m_report.layoutDocument();
        for (const char* key : { "StepGrph", "StepGrph2" }) {
            const ReportPageItem* picture = document.find(QString::fromLatin1(key));
            EXPECT_TRUE(picture && !picture->picture.isNull()) << file << " " << key;
        }
        EXPECT_EQ(m_compare.GetTitle(), QStringLiteral("Pressure Vs Position")) << file;
        EXPECT_TRUE(m_compare.ScreenBar(0)->GetVisible()) << file;
    }
}

TEST_F(StepCompareReportTest, ADefinitionWithoutAKeyGivesOnlyTheDefinitionMessage)
{
    const QString definition = definitionCopy(QStringLiteral("StepTestCmpRept.xml"), "\"SensorsAvail2Lbl\"");
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    generate(definition);
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts().records()[0].message.caption, QString());
    EXPECT_TRUE(m_compare.ScreenBar(0)->GetVisible());
}

} // namespace

namespace
{

// Each field of the report holds its own member: file 1's and file 2's
// values all differ, so a value put under the other file's key shows. The
// flags print "YES" only for a byte of 1.
TEST_F(StepCompareReportTest, EveryFieldHoldsItsOwnFilesValue)
{
    m_record.m_bSingleActing1 = 1;
    m_record.m_bSingleActing2 = 2;
    m_record.m_bPressureSensor1 = 0;
    m_record.m_bPressureSensor2 = 1;
    const QString pdf = tempPath(QStringLiteral("fields.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    generate(definitionCopy(QStringLiteral("StepTestCmpRept.xml")));

    const ReportDocument document = m_report.layoutDocument();
    const auto text = [&document](const char* key) {
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        return item ? item->text : QStringLiteral("<no such field>");
    };
    const struct {
        const char* key;
        const char* text;
    } fields[] = {
        { "TitleLbl", "Step Test Comparison Report" },
        { "FIleSettingsLbl", "File Information" },
        { "File1TagLbl", "Tag:" },
        { "File1DateLbl", "File Date:" },
        { "File1NameLbl", "File Name:" },
        { "File1Lbl", "File #1" },
        { "File2Lbl", "File #2" },
        { "Tag1Value", "FV-7" },
        { "Tag2Value", "FV-8" },
        { "TestDate1Value", "3/5/2025" },
        { "TestDate2Value", "11/12/2025" },
        { "FileName1Value", "/data/valves/one.stp" },
        { "FileName2Value", "/data/valves/two.stp" },
        { "StartPos1Lbl", "Start Position:" },
        { "StartPosn", "25" },
        { "StopPos1Lbl", "Stop Position:" },
        { "StopPosn", "60" },
        { "StartPos2Lbl", "Start Position:" },
        { "StartPosn2", "26" },
        { "StopPos2Lbl", "Stop Position:" },
        { "StopPosn2", "61" },
        { "HoldTime1Lbl", "Hold Time:" },
        { "HoldTime", "5" },
        { "HoldTime2Lbl", "Hold Time:" },
        { "HoldTime2", "7" },
        { "SingleActing1Lbl", "Single Acting:" },
        { "SingleAct1Value", "YES" },
        { "SingleActing2Lbl", "Single Acting:" },
        { "SingleAct2Value", "NO" },
        { "SensorsAvail1Lbl", "Sensors Available:" },
        { "SensorsAvail1Value", "NO" },
        { "SensorsAvail2Lbl", "Sensors Available:" },
        { "SensorsAvail2Value", "YES" },
    };
    for (const auto& f : fields)
        EXPECT_EQ(text(f.key), QString::fromLatin1(f.text)) << f.key;
}

// The first picture is the signals against time, the second the port
// pressures against position: only the first shows the red position trace.
TEST_F(StepCompareReportTest, TheFirstPictureIsTheStepViewAndTheSecondThePressureView)
{
    for (int k = 0; k < 40; ++k) {
        m_compare.ChannelByName(QStringLiteral("Position"))->AddXY(k * 0.25, 25.0 + k);
        m_compare.ChannelByName(QStringLiteral("PvPPort1"))->AddXY(25.0 + k, 10.0 + k * 0.5);
    }
    const QString pdf = tempPath(QStringLiteral("pictures.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    generate(definitionCopy(QStringLiteral("StepTestCmpRept.xml")));

    const ReportDocument document = m_report.layoutDocument();
    const auto redPixels = [&document](const char* key) {
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        if (!item || item->picture.isNull())
            return -1;
        int n = 0;
        for (int y = 0; y < item->picture.height(); ++y)
            for (int x = 0; x < item->picture.width(); ++x) {
                const QColor c(item->picture.pixel(x, y));
                n += c.red() > 230 && c.green() < 40 && c.blue() < 40 ? 1 : 0;
            }
        return n;
    };
    EXPECT_GT(redPixels("StepGrph"), 50);
    EXPECT_EQ(redPixels("StepGrph2"), 0);
}

} // namespace
