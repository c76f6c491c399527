// The printed data logger report, filled into the shipped definitions,
// rendered to PDF and read back.
#include "data_logger/DataLoggerReport.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"
#include "core/GuardedExport.h"
#include "data_logger/DataLoggerPlot.h"
#include "report/RecordingPrintBackend.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

using namespace ReportTestSupport;

namespace
{

class DataLoggerReportTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        clock().setLocalStart(QDateTime(QDate(2028, 7, 4), QTime(7, 5, 0)));
        m_header.m_strTag = AutoString("PV-101");
        m_header.m_strDeviceVersion = AutoString("3");
        m_record.m_strInterval = AutoString("10");
        m_record.m_strDuration = AutoString("1");
        m_record.m_strDurationUnit = AutoString("Hour(s)");
        ConfigureDataLoggerPlotControl(IPlotPtr(&m_plot));
        SetupDataLoggerPlotChannels(IPlotPtr(&m_plot));
        m_plot.resize(800, 400);
        const IPlotChannelPtr position = m_plot.ChannelByName(QStringLiteral("Position"));
        for (int k = 0; k <= 360; ++k)
            position->AddXY(k * 10, 50 + 30 * std::sin(k / 20.0));
        m_plot.XAxis(0)->SetMin(0);
        m_plot.XAxis(0)->SetSpan(3600);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    // A shipped definition copied where its picture may be written.
    QString definitionCopy(const QString& file)
    {
        const QString copy = tempPath(file);
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(shippedDefinition(file), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    void generate(const QString& definition)
    {
        GenerateDataLoggerReport(m_header, m_record, IPlotPtr(&m_plot), IReportPtr(&m_report), IPrinterPtr(&m_printer),
            AutoString(definition), &m_page);
    }

    RecordingPrintBackend m_printed;
    ReportControl m_report;
    PrinterControl m_printer;
    QWidget m_page;
    Plot m_plot;
    CReportHeader m_header;
    CDataLoggerReport m_record;
};

TEST_F(DataLoggerReportTest, PrintsTheSettingsAndThePlotAsShownOnBothModels)
{
    for (const QString& file : { QStringLiteral("DataLogRept.xml"), QStringLiteral("DataLogRept_K40.xml") }) {
        SCOPED_TRACE(file.toStdString());
        prompts().clearRecords();
        const QString definition = definitionCopy(file);
        const QString pdf = artifactPath(QStringLiteral("datalogger_") + QFileInfo(file).baseName() + ".pdf");
        prompts().answerFile(pdf, QStringLiteral("Save Data Logger Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));

        generate(definition);

        ASSERT_EQ(prompts().records().size(), 2u);
        EXPECT_EQ(prompts().records()[0].dialog.initialName, QStringLiteral("PV-101_DataLoggerReport_2028_7_4_7h_5m"));
        const QString text = pdfText(pdf).simplified();
        for (const char* expected : { "Data Logger Report", "DEVICE TAG ID: PV-101", "Data Logger Settings", "Interval",
                 "10", "Duration:", "Hour(s)" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
        // The picture is the plot as it is shown, without its tool strip.
        const ReportDocument document = m_report.layoutDocument();
        const ReportPageItem* field = document.find(QStringLiteral("DataLogGrph"));
        ASSERT_TRUE(field);
        const QImage image = field->picture.convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(
            image, ReportPictures::viewOf(m_plot, image, 1.0, ReportPictures::printedSize(*field).width() / 20.0));
        EXPECT_TRUE(m_plot.ScreenBar(0)->GetVisible());
        int red = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                red += image.pixelColor(x, y) == QColor(255, 10, 10);
        EXPECT_GT(red, 50);
    }
}

TEST_F(DataLoggerReportTest, ADefinitionWithoutTheUnitFieldGivesOnlyTheFailureBox)
{
    ownTemporaryFolder();
    const QString definition = definitionCopy(QStringLiteral("DataLogRept.xml"));
    QFile file(definition);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray xml = file.readAll();
    file.close();
    xml.replace("key=\"DurationUnitValue\"", "key=\"SomethingElse\"");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml);
    file.close();
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

    generate(definition);

    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QString());
    EXPECT_TRUE(m_plot.ScreenBar(0)->GetVisible());
    // The picture comes before the fields, so it was taken: into the report's
    // own folder, which is gone again with it.
    EXPECT_EQ(leftInTemporaryFolder(), QStringList());
}

TEST_F(DataLoggerReportTest, EmptySettingsPrintAsEmptyFieldsWithTheirLabels)
{
    m_record = CDataLoggerReport();
    const QString pdf = artifactPath(QStringLiteral("datalogger_empty.pdf"));
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    generate(definitionCopy(QStringLiteral("DataLogRept.xml")));
    const auto document = m_report.layoutDocument();
    for (const char* key : { "IntrvalValue", "DurationValue", "DurationUnitValue" }) {
        const ReportPageItem* item = document.find(QString::fromLatin1(key));
        ASSERT_TRUE(item) << key;
        EXPECT_EQ(item->text, QString()) << key;
    }
    EXPECT_EQ(document.find(QStringLiteral("IntrvalLbl"))->text, QStringLiteral("Interval"));
}

} // namespace
