// Every report, printer and grid operation the report generators call, one
// row each, walked through the interface pointers they hold (IReportPtr,
// IPrinterPtr, IGridPtr) on controls made by their ProgIDs. `--gtest_list_tests`
// lists the rows.
#include "ReportTestSupport.h"

#include "report/GridControl.h"
#include "report/PrinterControl.h"
#include "report/RecordingPrintBackend.h"
#include "ui/ControlRegistry.h"

#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace ReportTestSupport;

namespace
{

const QString NewReport = QStringLiteral("New Report");
const QString Detail = QStringLiteral("Detail");
const QString PageHeader = QStringLiteral("Page Header");
const QString PageLineExpression = QStringLiteral(R"(" Page " & [Page] & "/" & [Pages])");

// What one row works on: the three controls as a page makes them, the print
// backend that records instead of printing, and a folder for files.
struct ReportUnderTest {
    IReportPtr report;
    IPrinterPtr printer;
    IGridPtr grid;
    const RecordingPrintBackend* printed;
    QString folder;

    QString path(const char* name) const { return folder + QLatin1Char('/') + QString::fromLatin1(name); }
    IReportFieldsPtr detail() const { return report->Sections()->Section(Detail)->Fields(); }
};

struct ReportOperation {
    const char* operation;
    void (*holds)(const ReportUnderTest&);
};

void PrintTo(const ReportOperation& row, std::ostream* out)
{
    *out << row.operation;
}

// The row's words as a test name: "Grid Rows: the row count" -> "GridRowsTheRowCount".
std::string rowName(const ::testing::TestParamInfo<ReportOperation>& info)
{
    std::string name;
    bool startWord = true;
    for (const char* c = info.param.operation; *c; ++c) {
        const auto ch = static_cast<unsigned char>(*c);
        if (std::isalnum(ch)) {
            name += startWord ? static_cast<char>(std::toupper(ch)) : static_cast<char>(ch);
            startWord = false;
        } else {
            startWord = true;
        }
    }
    return name;
}

void expectInvalidPointer(const std::function<void()>& call, const char* what)
{
    try {
        call();
        ADD_FAILURE() << what << ": no error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidPointer) << what;
    }
}

// The alarm log as the alarm status page leaves it: one fixed row, one column, lines appended.
void fillEventLog(const IGridPtr& grid, const QStringList& lines)
{
    grid->SetRows(1);
    grid->SetCols(1);
    grid->SetFixedRows(1);
    grid->SetRows(0);
    for (const QString& line : lines)
        grid->AddItem(line);
}

const std::vector<ReportOperation>& reportOperations()
{
    static const std::vector<ReportOperation> rows {
        { "LoadReport: the New Report of the definition at a full path becomes current",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                EXPECT_EQ(t.detail()->Field(QStringLiteral("TitleLbl"))->Text(), QStringLiteral("Trend Report"));
                t.report->LoadReport(shippedDefinition(QStringLiteral("AlarmStatReport-K90.xml")), NewReport);
                EXPECT_EQ(t.detail()->Field(QStringLiteral("TitleLbl"))->Text(), QStringLiteral("Alarm Status Report"));
                EXPECT_THROW(t.detail()->Field(QStringLiteral("RampGrph")), ComError) << "the earlier report is gone";
            } },
        { "LoadReport of a missing or unreadable definition or a report it lacks raises",
            +[](const ReportUnderTest& t) {
                QFile broken(t.path("Broken.xml"));
                ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
                broken.write("<reportDefinition version=\"1\"><report name=\"New Report\">");
                broken.close();
                const QString cases[][2] = {
                    { t.path("StepTestRept.xml"), NewReport },
                    { t.path("Broken.xml"), NewReport },
                    { shippedDefinition(QStringLiteral("TrendRept.xml")), QStringLiteral("Old Report") },
                };
                for (const auto& c : cases) {
                    SCOPED_TRACE(c[0].toStdString() + " / " + c[1].toStdString());
                    EXPECT_THROW(t.report->LoadReport(c[0], c[1]), ComError);
                    EXPECT_THROW(t.report->Sections(), ComError);
                }
            } },
        { "Sections and Section by a string variant: Page Header and Detail, a section the report lacks raises",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                IReportSectionsPtr sections = t.report->Sections();
                EXPECT_EQ(sections->Section(QVariant(PageHeader))->Name(), PageHeader);
                EXPECT_EQ(sections->Section(QVariant(Detail))->Name(), Detail);
                EXPECT_THROW(sections->Section(QVariant(QStringLiteral("Page Footer"))), ComError);
                EXPECT_THROW(sections->Section(QVariant(QStringLiteral("detail"))), ComError);
            } },
        { "Fields and Field by a string variant key, one field list kept for several keys, a key the section lacks "
          "raises",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                IReportFieldsPtr detail = t.detail();
                for (const char* key : { "TitleLbl", "lblPosActive", "lblPosition", "RampGrph4" })
                    EXPECT_EQ(detail->Field(QVariant(QString::fromLatin1(key)))->Key(), QString::fromLatin1(key));
                EXPECT_THROW(detail->Field(QVariant(QStringLiteral("titlelbl"))), ComError);
                EXPECT_THROW(detail->Field(QVariant(QStringLiteral("PageLine1"))), ComError);
                EXPECT_EQ(
                    t.report->Sections()->Section(PageHeader)->Fields()->Field(QStringLiteral("PageLine1"))->Key(),
                    QStringLiteral("PageLine1"));
            } },
        { "AddField: a new field at that place with the report's font",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("AlarmStatReport-K90.xml")), NewReport);
                IReportFieldPtr line = t.detail()->AddField(QString(), QString(), 150.0, 7605.0, 11115.0, 285.0);
                line->SetText(QStringLiteral("240309-091500-000  Position Deviation Alarm Start"));
                const ReportDocument document = t.report->layoutDocument();
                const ReportPageItem* log = nullptr;
                for (const ReportPageItem& item : document.pages[0].items)
                    if (item.text.startsWith(QStringLiteral("240309")))
                        log = &item;
                ASSERT_NE(log, nullptr);
                const ReportPageItem* heading = document.find(QStringLiteral("ErrLogLbl"));
                ASSERT_NE(heading, nullptr);
                // Placed in the section as given: 150 in from its left, 480 below the heading's top.
                EXPECT_EQ(log->rect.left() - heading->rect.left(), 150);
                EXPECT_EQ(log->rect.top() - heading->rect.top(), 7605 - 7125);
                EXPECT_EQ(log->rect.size(), QSize(11115, 285));
            } },
        { "AddField: one log line per grid row however long the log runs, row 0 included",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("AlarmStatReport-K90.xml")), NewReport);
                t.report->Sections()
                    ->Section(PageHeader)
                    ->Fields()
                    ->Field(QStringLiteral("PageLine"))
                    ->SetText(PageLineExpression);
                QStringList lines;
                constexpr int LogLines = 4000; // far more than one A4 page of log lines fits 300 twips apart
                for (int r = 0; r < LogLines; ++r)
                    lines << QStringLiteral("event %1").arg(r);
                fillEventLog(t.grid, lines);
                IReportFieldsPtr detail = t.detail();
                for (int r = 0; r < t.grid->Rows(); ++r) {
                    IReportFieldPtr line = detail->AddField(QString(), QString(), 150, 7605 + 300.0 * r, 11115, 285);
                    line->SetFieldAttribute(ReportField::SingleLineClipped);
                    t.grid->Select(r, 0);
                    line->SetText(t.grid->Text());
                }
                const ReportDocument document = t.report->layoutDocument();
                const int pages = document.pageCount();
                EXPECT_GT(pages, LogLines / 60);
                QStringList printed;
                for (int page = 0; page < pages; ++page)
                    for (const QString& text : document.texts(page))
                        if (text.startsWith(QStringLiteral("event ")))
                            printed << text;
                EXPECT_EQ(printed, lines) << "every line once, in order";
                EXPECT_TRUE(document.texts(pages - 1).contains(QStringLiteral(" Page %1/%1").arg(pages)));
                // A place no layout can hold is still refused.
                for (double top : { -1.0, 1e12, std::nan("") })
                    EXPECT_THROW(detail->AddField(QString(), QString(), 150, top, 11115, 285), ComError) << top;
            } },
        { "SetText: the field prints the text, the page line expression prints the page number and count",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                t.report->Sections()
                    ->Section(PageHeader)
                    ->Fields()
                    ->Field(QStringLiteral("PageLine1"))
                    ->SetText(PageLineExpression);
                t.detail()->Field(QStringLiteral("TitleLbl"))->SetText(QStringLiteral("Trend Report"));
                t.detail()->Field(QStringLiteral("lblPosActive"))->SetText(AutoString(QStringLiteral("Yes")));
                t.detail()->Field(QStringLiteral("lblPosition"))->SetText(QStringLiteral(R"([Page] & "x")"));
                const QStringList texts = t.report->layoutDocument().texts(0);
                EXPECT_TRUE(texts.contains(QStringLiteral(" Page 1/1"))) << texts.join(QLatin1Char('|')).toStdString();
                EXPECT_TRUE(texts.contains(QStringLiteral("Trend Report")));
                EXPECT_TRUE(texts.contains(QStringLiteral("Yes")));
                EXPECT_TRUE(texts.contains(QStringLiteral(R"([Page] & "x")"))) << "other fields print literally";
            } },
        { "SetPicture: a string variant with an image file's full path shows that picture",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                const QString picture = t.path("TrendHours.bmp");
                writeSamplePicture(picture);
                t.detail()->Field(QStringLiteral("RampGrph"))->SetPicture(QVariant(picture));
                const ReportDocument laidOut = t.report->layoutDocument();
                const ReportPageItem* shown = laidOut.find(QStringLiteral("RampGrph"));
                ASSERT_NE(shown, nullptr);
                EXPECT_EQ(shown->picture.size(), QSize(2000, 1060));
                EXPECT_THROW(
                    t.detail()->Field(QStringLiteral("RampGrph2"))->SetPicture(QVariant(t.path("None.bmp"))), ComError);
            } },
        { "SetFieldAttribute 6: an added field prints as one clipped line",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("AlarmStatReport-K90.xml")), NewReport);
                IReportFieldPtr line = t.detail()->AddField(QString(), QString(), 150, 7605, 11115, 285);
                const QString longLine = QStringLiteral("240309-091500-000 ").repeated(20);
                line->SetText(longLine);
                line->SetFieldAttribute(6);
                const ReportDocument document = t.report->layoutDocument();
                bool found = false;
                for (const ReportPageItem& item : document.pages[0].items)
                    if (item.text == longLine) {
                        found = true;
                        EXPECT_TRUE(item.singleLine);
                        EXPECT_EQ(item.rect.height(), 285);
                    }
                EXPECT_TRUE(found);
            } },
        { "RenderToFile with format code 4: the whole report written as PDF at that path",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                t.detail()->Field(QStringLiteral("TitleLbl"))->SetText(QStringLiteral("Trend Report"));
                const QString pdf = t.path("FCV-7_TrendReport_2028_2_29_14h_8m.pdf");
                t.report->RenderToFile(pdf, 4);
                QFile file(pdf);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                EXPECT_TRUE(file.read(5).startsWith("%PDF"));
                EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Trend Report")));
                EXPECT_THROW(t.report->RenderToFile(t.path("Other.pdf"), 3), ComError);
                EXPECT_FALSE(QFileInfo::exists(t.path("Other.pdf")));
            } },
        { "Render: the pages put into the printer control's document",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                EXPECT_FALSE(t.printer->hasDocument());
                t.report->Render(t.printer);
                EXPECT_TRUE(t.printer->hasDocument());
                EXPECT_TRUE(t.printed->printed().empty()) << "Render alone prints nothing";
            } },
        { "PrintDocument with its three arguments left out prints that document without asking",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                t.detail()->Field(QStringLiteral("TitleLbl"))->SetText(QStringLiteral("Trend Report"));
                t.report->Render(t.printer);
                t.printer->PrintDocument();
                ASSERT_EQ(t.printed->printed().size(), 1u);
                EXPECT_FALSE(t.printed->printerChoiceAsked()[0]);
                EXPECT_TRUE(t.printed->printed()[0].texts(0).contains(QStringLiteral("Trend Report")));
            } },
        { "A call through an empty pointer or one whose object is gone raises the invalid pointer error",
            +[](const ReportUnderTest& t) {
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                IReportFieldPtr title = t.detail()->Field(QStringLiteral("TitleLbl"));
                IReportFieldsPtr fields = t.detail();
                t.report->LoadReport(shippedDefinition(QStringLiteral("TrendRept.xml")), NewReport);
                expectInvalidPointer([&] { title->SetText(QStringLiteral("x")); }, "a field of the earlier load");
                expectInvalidPointer([&] { fields->Field(QStringLiteral("TitleLbl")); }, "a field list of it");
                expectInvalidPointer([] { IReportPtr()->LoadReport(QString(), NewReport); }, "no report");
                expectInvalidPointer([&] { t.report->Render(IPrinterPtr()); }, "rendering into no printer");
                expectInvalidPointer([] { IPrinterPtr()->PrintDocument(); }, "no printer");
                expectInvalidPointer([] { IGridPtr()->Rows(); }, "no grid");
            } },
        { "Grid Rows: the row count",
            +[](const ReportUnderTest& t) {
                fillEventLog(t.grid, {});
                EXPECT_EQ(t.grid->Rows(), 0);
                t.grid->AddItem(QStringLiteral("first"));
                t.grid->AddItem(QStringLiteral("second"));
                EXPECT_EQ(t.grid->Rows(), 2);
            } },
        { "Grid Select with the two further arguments left out makes the cell current and Text reads it",
            +[](const ReportUnderTest& t) {
                fillEventLog(t.grid, { QStringLiteral("row 0"), QStringLiteral("row 1 \u00b0C") });
                t.grid->Select(1, 0);
                EXPECT_EQ(t.grid->Text(), QStringLiteral("row 1 \u00b0C"));
                t.grid->Select(0, 0);
                EXPECT_EQ(t.grid->Text(), QStringLiteral("row 0")) << "row 0 is a row like any other";
                EXPECT_THROW(t.grid->Select(2, 0), ComError);
            } },
    };
    return rows;
}

class ReportOperations : public SwTest, public ::testing::WithParamInterface<ReportOperation>
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_backend);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    RecordingPrintBackend m_backend;
    QWidget m_page;
};

} // namespace

TEST_P(ReportOperations, HoldThroughThePointersTheGeneratorsHold)
{
    ControlRegistry& registry = ControlRegistry::instance();
    const ReportUnderTest controls { IReportPtr::fromObject(registry.create(ReportControl::ProgId, &m_page)),
        IPrinterPtr::fromObject(registry.create(PrinterControl::ProgId, &m_page)),
        IGridPtr::fromObject(registry.create(GridControl::ProgId, &m_page)), &m_backend, stateDir() };
    ASSERT_TRUE(controls.report && controls.printer && controls.grid);
    GetParam().holds(controls);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReportOperations, ::testing::ValuesIn(reportOperations()), rowName);
