// Printing: Render lays the report into the printer control, PrintDocument
// hands it to the print backend; no printer is a reported failure.
#include "ReportTestSupport.h"

#include "report/QtPrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QPrinterInfo>

using namespace ReportTestSupport;

namespace
{

class PrinterControlTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_backend);
        m_report = IReportPtr(&m_reportControl);
        m_printer = IPrinterPtr(&m_printerControl);
        m_report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), QStringLiteral("New Report"));
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    RecordingPrintBackend m_backend;
    ReportControl m_reportControl;
    PrinterControl m_printerControl;
    IReportPtr m_report;
    IPrinterPtr m_printer;
};

} // namespace

TEST_F(PrinterControlTest, PrintsTheDocumentRenderedIntoItWithoutAsking)
{
    setText(m_report, QStringLiteral("Detail"), QStringLiteral("TitleLbl"), QStringLiteral("Trend Report"));
    m_report->Render(m_printer);
    // Changes after Render belong to the next Render, not to this document.
    setText(m_report, QStringLiteral("Detail"), QStringLiteral("TitleLbl"), QStringLiteral("later"));
    m_printer->PrintDocument();

    ASSERT_EQ(m_backend.printed().size(), 1u);
    EXPECT_FALSE(m_backend.printerChoiceAsked()[0]);
    const ReportDocument& printed = m_backend.printed()[0];
    EXPECT_EQ(printed.pageCount(), 1);
    EXPECT_TRUE(printed.texts(0).contains(QStringLiteral("Trend Report")));
    EXPECT_TRUE(printed.texts(0).contains(QStringLiteral(" Page 1/1")));
}

TEST_F(PrinterControlTest, NothingRenderedOrAFailingPrinterRaises)
{
    EXPECT_THROW(m_printer->PrintDocument(), ComError);
    m_report->Render(m_printer);
    m_backend.failWith(ComError(ComError::Failure, QStringLiteral("No printer is available")));
    EXPECT_THROW(m_printer->PrintDocument(), ComError);
    EXPECT_TRUE(m_backend.printed().empty());
    // A printer control that is gone fails like any other call.
    IPrinterPtr gone;
    EXPECT_THROW(m_report->Render(gone), ComError);
}

TEST_F(PrinterControlTest, WithoutAPrinterTheSystemPrinterPathFailsCleanly)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; nothing is sent to it";
    PrintBackend::install(nullptr);
    m_report->Render(m_printer);
    EXPECT_THROW(m_printer->PrintDocument(), ComError);
}

TEST_F(PrinterControlTest, ChoosingAPrinterGoesThroughThePromptsAndCancelPrintsNothing)
{
    QtPrintBackend qtPrinters;
    PrintBackend::install(&qtPrinters);
    m_report->Render(m_printer);
    prompts().answerPrinter(false);
    EXPECT_NO_THROW(m_printer->PrintDocument(QVariant(true)));
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Printer);
}
