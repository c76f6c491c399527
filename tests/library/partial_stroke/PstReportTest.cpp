// The printed partial stroke report and partial stroke comparison report:
// the shipped definitions filled, rendered to PDF and read back.
#include "PstPlotFixture.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "partial_stroke/PstReport.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QFileInfo>
#include <QWidget>

using namespace ReportTestSupport;

namespace
{

class PstReportTest : public PstPlotFixture
{
protected:
    void SetUp() override
    {
        PstPlotFixture::SetUp();
        PrintBackend::install(&m_printed);
        fillSignals(m_plot, 20);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        PstPlotFixture::TearDown();
    }

    // The shipped definition, copied where the pictures may be written.
    QString definitionCopy(const QString& file)
    {
        QFile shipped(shippedDefinition(file));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        const QString copy = tempPath(file);
        QFile::remove(copy);
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(shipped.readAll());
        return copy;
    }

    QString print(const QString& saveTitle, const std::function<void()>& generate)
    {
        const QString pdf = tempPath(QStringLiteral("report.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, saveTitle);
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        generate();
        return pdfText(pdf).simplified();
    }

    // The field holds the picture the report wrote to `file`.
    // Whether the field holds the plot's picture as the report takes it.
    bool pictureIn(const char* key)
    {
        const ReportDocument document = m_report.layoutDocument();
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        if (!item || item->picture.isNull())
            return false;
        const QImage placed = item->picture.convertToFormat(QImage::Format_RGB32);
        return placed == ReportPictures::viewOf(m_plot, placed, 1.0, ReportPictures::printedSize(*item).width() / 20.0);
    }

    ReportControl m_report;
    PrinterControl m_printer;
    RecordingPrintBackend m_printed;
    QWidget m_page;
};

TEST_F(PstReportTest, TestReportPrintsSettingsResultsDateAndPicture)
{
    CReportHeader header;
    header.m_strTag = AutoString("PV-101");
    m_record.m_strStartPosition = AutoString("85");
    m_record.m_strStopPosition = AutoString("70");
    m_record.m_strTimeToTarget = AutoString("0.29");
    m_record.m_strTestDuration = AutoString("7");
    m_record.m_strBreakAwayTime = AutoString("2");
    m_record.m_strBreakAwayPressure = AutoString(" 32.00");
    m_record.m_strBreakAwayUnit = AutoString("Kg/sq.cm");
    m_record.m_strTimeToTargetResult = AutoString(" - ");
    m_record.m_strResult = AutoString("Fail");
    // Recorded long before it is printed: the report is dated by the record.
    m_record.m_strTestDate = AutoString("12/3/2024");
    for (const char* file : { "PSTestRept.xml", "PSTestRept_K40.xml" }) {
        const QString definition = definitionCopy(QString::fromLatin1(file));
        const QString text = print(QStringLiteral("Save PST ReportAs"), [&] {
            GeneratePSTReport(header, m_record, plot(), IReportPtr(&m_report), IPrinterPtr(&m_printer),
                AutoString(definition), &m_page);
        });
        EXPECT_EQ(prompts().records().front().dialog.initialName, QStringLiteral("PV-101_PSTReport_2026_1_2_8h_3m"));
        for (const char* expected : { "Partial Stroke Test Report", "DEVICE TAG ID: PV-101", "Start Position: 85",
                 "Stop Position: 70", "Time to Target: 0.29", "Test Duration: 7", "TestDate: 12/3/2024", "Time: 2",
                 "Pressure: 32.00 Kg/sq.cm", "Result: Fail" })
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << file << ": " << expected << "\n"
                                                                    << text.toStdString();
        EXPECT_TRUE(pictureIn("RampGrph")) << file;
        EXPECT_TRUE(m_plot.ScreenBar(0)->GetVisible()) << file;
    }
}

TEST_F(PstReportTest, CompareReportPrintsBothFilesAndTheirDifferences)
{
    CPSTCompareReport record;
    record.m_strTag1 = AutoString("PV-101");
    record.m_strTag2 = AutoString("PV-202");
    record.m_strTestDate1 = AutoString("1/2/2026");
    record.m_strFileName1 = AutoString("/data/one.pst");
    record.m_strFileName2 = AutoString("/data/two.pst");
    record.m_strStartPosition1 = AutoString("85");
    record.m_strStartPosition2 = AutoString("86");
    record.m_strBreakAwayTime1 = AutoString("1.25");
    record.m_strBreakAwayTime2 = AutoString("3.50");
    record.m_strBreakAwayTimeDiff = AutoString(" 2.25");
    record.m_strTimeToTargetResult2 = AutoString("-");
    record.m_strTimeToTargetResultDiff = AutoString("-");
    record.m_strBreakAwayUnit1 = AutoString("psi");
    record.m_strResult1 = AutoString("Pass");
    record.m_strResult2 = AutoString("Fail");
    for (const char* file : { "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml" }) {
        const QString definition = definitionCopy(QString::fromLatin1(file));
        const QString text = print(QStringLiteral("Save PST Compare ReportAs"), [&] {
            GeneratePSTCompareReport(
                record, plot(), IReportPtr(&m_report), IPrinterPtr(&m_printer), AutoString(definition), &m_page);
        });
        EXPECT_EQ(
            prompts().records().front().dialog.initialName, QStringLiteral("PV-101_PSTCompareReport_2026_1_2_8h_3m"));
        for (const char* expected : { "Partial Stroke Test Comparison Report", "PV-101", "PV-202", "/data/one.pst",
                 "/data/two.pst", "85", "86", "1.25", "3.50", "2.25", "Pass", "Fail", "psi" })
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << file << ": " << expected;
        EXPECT_FALSE(text.contains(QStringLiteral("DEVICE TAG ID"))) << file;
        EXPECT_TRUE(pictureIn("CntrolGrph")) << file;
    }
}

} // namespace
