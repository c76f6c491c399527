// The printed step test report: the shipped definition filled, rendered to
// PDF and read back with poppler.
#include "ReportTestSupport.h"
#include "StepPlotFixture.h"

#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"
#include "step/StepTestReport.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

using namespace ReportTestSupport;

namespace
{

class StepTestReportTest : public StepPlotFixture
{
protected:
    void SetUp() override
    {
        StepPlotFixture::SetUp();
        PrintBackend::install(&m_printed);
        clock().setLocalStart(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0)));
        m_header.m_strTag = AutoString("PV-101");
        m_header.m_strDeviceVersion = AutoString("4");
        m_record.m_strStartPosition = AutoString("30");
        m_record.m_strStopPosition = AutoString("70.5");
        m_record.m_strHoldTime = AutoString("6");
        m_record.m_bPressureSensor = 1;
        // Recorded long before it is printed: the report is dated by the record.
        m_record.m_strTestDate = AutoString("12/3/2024");
        fillSignals(20);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        StepPlotFixture::TearDown();
    }

    // The shipped definition, copied where the pictures may be written.
    QString definitionCopy(const QString& file, const QString& withoutLine = QString())
    {
        QFile shipped(shippedDefinition(file));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        QByteArray text = shipped.readAll();
        if (!withoutLine.isEmpty()) {
            QByteArrayList kept;
            for (const QByteArray& line : text.split('\n')) {
                if (!line.contains(withoutLine.toUtf8()))
                    kept << line;
            }
            text = kept.join('\n');
        }
        const QString copy = tempPath(file);
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return copy;
    }

    void generate(const QString& definition)
    {
        GenerateStepTestReport(m_header, m_record, plot(), IReportPtr(&m_report), IPrinterPtr(&m_printer),
            AutoString(definition), &m_page);
    }

    CReportHeader m_header;
    ReportControl m_report;
    PrinterControl m_printer;
    RecordingPrintBackend m_printed;
    QWidget m_page;
};

// How many pixels of the picture have this exact colour.
// The pixels of `colour` in the picture the report put into the field `key`.
int pixelsOf(const ReportDocument& document, const char* key, QColor colour)
{
    const ReportPageItem* field = document.find(QString::fromLatin1(key));
    const QImage image = field ? field->picture : QImage();
    EXPECT_FALSE(image.isNull()) << key;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                ++count;
        }
    }
    return count;
}

TEST_F(StepTestReportTest, PrintsTitleHeaderSettingsDateAndBothPictures)
{
    for (const char* file : { "StepTestRept.xml", "StepTestRept_K40.xml" }) {
        const QString definition = definitionCopy(QString::fromLatin1(file));
        const QString pdf = tempPath(QStringLiteral("step.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        generate(definition);

        const auto& dialog = prompts().records().front().dialog;
        EXPECT_EQ(dialog.initialName, QStringLiteral("PV-101_StepTestReport_2026_3_7_9h_5m")) << file;
        const QString text = pdfText(pdf).simplified();
        for (const char* expected : { "Step Test Report", "DEVICE TAG ID: PV-101", "Step Test Settings",
                 "Start Position: 30", "Stop Position: 70.5", "Hold Time: 6", "TestDate: 12/3/2024" })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << file << ": " << expected;
        // The first picture is the signals against time, with the red
        // "Position" trace; the second the pressures against position, without it.
        const ReportDocument document = m_report.layoutDocument();
        const QColor positionRed(255, 10, 10);
        EXPECT_GT(pixelsOf(document, "RampGrph", positionRed), 100) << file;
        EXPECT_EQ(pixelsOf(document, "RampGrph2", positionRed), 0) << file;
        // The plot is left in the pressure view, its strip shown again.
        EXPECT_EQ(m_plot.GetTitle(), QStringLiteral("Pressure Vs Position")) << file;
        EXPECT_TRUE(m_plot.ScreenBar(0)->GetVisible()) << file;
    }
}

TEST_F(StepTestReportTest, DefinitionWithoutAKeyGivesOnlyTheDefinitionMessage)
{
    const QString definition = definitionCopy(QStringLiteral("StepTestRept.xml"), QStringLiteral("\"StopPosLbl\""));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    generate(definition);
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records().front().kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts().records().front().message.caption, QString());
    EXPECT_TRUE(m_plot.ScreenBar(0)->GetVisible());
}

} // namespace
