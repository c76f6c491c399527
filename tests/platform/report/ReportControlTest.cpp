// The report control's object model: sections and fields by name, the
// failures a generator turns into its one message, and run-time fields.
#include "ReportTestSupport.h"

#include "report/GridControl.h"
#include "report/ReportLayout.h"
#include "report/ReportPainter.h"
#include "report/ReportPictureFolder.h"
#include "ui/ControlRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryFile>

#include <cmath>

using namespace ReportTestSupport;

namespace
{

const QString Detail = QStringLiteral("Detail");
const QString NewReport = QStringLiteral("New Report");

class ReportControlTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        m_report = IReportPtr(&m_control);
        m_report->LoadReport(shippedDefinition(QStringLiteral("PSTestRept.xml")), NewReport);
    }

    IReportFieldsPtr detail() { return m_report->Sections()->Section(Detail)->Fields(); }

    ReportControl m_control;
    IReportPtr m_report;
};

} // namespace

TEST_F(ReportControlTest, AKeyOrSectionTheDefinitionLacksRaises)
{
    EXPECT_NO_THROW(detail()->Field(QStringLiteral("StartPosn1")));
    EXPECT_THROW(detail()->Field(QStringLiteral("StartPosn2")), ComError);
    EXPECT_THROW(detail()->Field(QStringLiteral("startposn1")), ComError); // keys are case-sensitive
    EXPECT_THROW(detail()->Field(QString()), ComError);
    // The page line lives in the page header, not in Detail.
    EXPECT_THROW(detail()->Field(QStringLiteral("PageLine1")), ComError);
    EXPECT_THROW(m_report->Sections()->Section(QStringLiteral("Page Footer")), ComError);
    EXPECT_THROW(m_report->Sections()->Section(QVariant(1)), ComError);
}

TEST_F(ReportControlTest, AFailedLoadLeavesNoReportBehind)
{
    IReportFieldPtr title = detail()->Field(QStringLiteral("TitleLbl"));
    EXPECT_THROW(m_report->LoadReport(shippedDefinition(QStringLiteral("NoSuchRept.xml")), NewReport), ComError);
    // Neither the old fields nor the old report can be printed by mistake.
    EXPECT_THROW(title->SetText(QStringLiteral("x")), ComError);
    EXPECT_THROW(m_report->Sections(), ComError);
    EXPECT_THROW(m_report->RenderToFile(tempPath(QStringLiteral("x.pdf")), ReportControl::FormatPdf), ComError);
    EXPECT_FALSE(QFileInfo::exists(tempPath(QStringLiteral("x.pdf"))));

    QTemporaryFile malformed;
    ASSERT_TRUE(malformed.open());
    malformed.write("<reportDefinition version=\"1\"><report name=\"New Report\"><section");
    malformed.close();
    EXPECT_THROW(m_report->LoadReport(malformed.fileName(), NewReport), ComError);
    EXPECT_THROW(
        m_report->LoadReport(shippedDefinition(QStringLiteral("PSTestRept.xml")), QStringLiteral("Old")), ComError);
}

TEST_F(ReportControlTest, ReloadingStartsAgainFromTheDefinitionsTexts)
{
    setText(m_report, Detail, QStringLiteral("StartPosLbl"), QStringLiteral("changed"));
    m_report->LoadReport(shippedDefinition(QStringLiteral("PSTestRept.xml")), NewReport);
    EXPECT_EQ(detail()->Field(QStringLiteral("StartPosLbl"))->Text(), QStringLiteral("Start Position:"));
}

TEST_F(ReportControlTest, PicturesMustBeReadableImagesInPictureFields)
{
    const QString picture = tempPath(QStringLiteral("PstComp.bmp"));
    writeSamplePicture(picture, QSize(200, 100));
    IReportFieldPtr graph = detail()->Field(QStringLiteral("RampGrph"));
    EXPECT_NO_THROW(graph->SetPicture(picture));
    EXPECT_THROW(graph->SetPicture(tempPath(QStringLiteral("Missing.bmp"))), ComError);
    EXPECT_THROW(graph->SetPicture(QVariant()), ComError);
    EXPECT_THROW(graph->SetText(QStringLiteral("text")), ComError);
    EXPECT_THROW(detail()->Field(QStringLiteral("StartPosn"))->SetPicture(picture), ComError);

    QFile notAnImage(tempPath(QStringLiteral("Broken.bmp")));
    ASSERT_TRUE(notAnImage.open(QIODevice::WriteOnly));
    notAnImage.write("BM this is no picture");
    notAnImage.close();
    EXPECT_THROW(graph->SetPicture(notAnImage.fileName()), ComError);
}

TEST_F(ReportControlTest, PicturesKeepTheirAspectInsideTheirField)
{
    const QString picture = tempPath(QStringLiteral("Wide.bmp"));
    writeSamplePicture(picture, QSize(400, 100));
    detail()->Field(QStringLiteral("RampGrph"))->SetPicture(picture);
    const ReportDocument document = m_report->layoutDocument();
    const ReportPageItem* item = document.find(QStringLiteral("RampGrph"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->picture.size(), QSize(400, 100));
}

TEST(ReportPainter, PicturesAreScaledToFitTheirFieldWithTheirAspectKeptAndCentred)
{
    struct Case {
        const char* what;
        QSize picture;
        QRect expected; // pixels on the canvas below
    };
    // The field is 2000 x 1000 twips at (1000, 1000); the canvas has 10 twips to the pixel.
    const Case cases[] = {
        { "wider than the field: full width, centred vertically", QSize(400, 100), QRect(100, 125, 200, 50) },
        { "taller than the field: full height, centred across", QSize(100, 400), QRect(188, 100, 25, 100) },
        { "the field's own shape fills it", QSize(300, 150), QRect(100, 100, 200, 100) },
        { "a small picture is enlarged", QSize(4, 2), QRect(100, 100, 200, 100) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QImage picture(c.picture, QImage::Format_RGB32);
        picture.fill(Qt::black);
        ReportPage page;
        ReportPageItem item;
        item.kind = ReportItemKind::Picture;
        item.rect = QRect(1000, 1000, 2000, 1000);
        item.picture = picture;
        page.items.push_back(item);

        QImage canvas(400, 300, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.scale(0.1, 0.1);
        ReportPainter::paintPage(page, painter);
        painter.end();

        QRect drawn;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (qGray(canvas.pixel(x, y)) < 128)
                    drawn |= QRect(x, y, 1, 1);
        // Within a pixel: the edges are smoothed.
        EXPECT_LE(std::abs(drawn.left() - c.expected.left()), 1) << drawn.left();
        EXPECT_LE(std::abs(drawn.top() - c.expected.top()), 1) << drawn.top();
        EXPECT_LE(std::abs(drawn.right() - c.expected.right()), 1) << drawn.right();
        EXPECT_LE(std::abs(drawn.bottom() - c.expected.bottom()), 1) << drawn.bottom();
    }
}

TEST_F(ReportControlTest, AddedFieldsTakeTheirPlaceAndAttributeSixMakesThemOneClippedLine)
{
    IReportFieldPtr added = detail()->AddField(QString(), QStringLiteral("first"), 150, 7605, 11115, 285);
    EXPECT_EQ(added->Text(), QStringLiteral("first"));
    added->SetFieldAttribute(ReportField::SingleLineClipped);
    EXPECT_THROW(added->SetFieldAttribute(3), ComError);
    // Unnamed fields cannot be looked up, and need not be.
    EXPECT_THROW(detail()->Field(QString()), ComError);
    IReportFieldPtr named = detail()->AddField(QStringLiteral("Extra"), QString(), 150, 7905, 11115, 285);
    EXPECT_EQ(detail()->Field(QStringLiteral("Extra")).get(), named.get());

    const ReportDefinition& definition = m_control.definition();
    const ReportItem& item = definition.section(Detail)->items[definition.section(Detail)->items.size() - 2];
    EXPECT_EQ(item.rect, QRect(150, 7605, 11115, 285));
    EXPECT_TRUE(item.singleLine);

    for (double bad : { -1.0, std::nan(""), 1e12 })
        EXPECT_THROW(detail()->AddField(QString(), QString(), bad, 0, 100, 100), ComError);
    EXPECT_THROW(detail()->AddField(QString(), QString(), 0, 0, 0, 100), ComError);
}

TEST_F(ReportControlTest, TheThreeControlsAreCreatedByTheirProgIds)
{
    QWidget parent;
    auto& registry = ControlRegistry::instance();
    QWidget* report = registry.create(QStringLiteral("ReportLib.Report.1"), &parent);
    QWidget* printer = registry.create(QStringLiteral("ReportLib.Printer.1"), &parent);
    QWidget* grid = registry.create(QStringLiteral("ReportLib.Grid.1"), &parent);
    EXPECT_NO_THROW(IReportPtr::fromObject(report).checked());
    EXPECT_NO_THROW(IPrinterPtr::fromObject(printer).checked());
    EXPECT_NO_THROW(IGridPtr::fromObject(grid).checked());
    EXPECT_THROW(IGridPtr::fromObject(report), ComError);
    EXPECT_EQ(report->parent(), &parent);
}

TEST(ReportLayout, FlowingContentBreaksBeforeTheItemThatWouldOverflowAndKeepsItsSpacing)
{
    // A page of 3000 twips room: header 500, body 2000, footer 500.
    ReportDefinition definition = ReportDefinition::parse(
        "<reportDefinition version=\"1\"><report name=\"New Report\">"
        "<page marginTop=\"0\" marginBottom=\"13838\" marginLeft=\"0\" marginRight=\"0\"/>"
        "<section name=\"Page Header\" height=\"500\"><field key=\"P\" left=\"0\" top=\"0\" width=\"900\" "
        "height=\"200\" expression=\"true\">[Page] &amp; \"/\" &amp; [Pages]</field></section>"
        "<section name=\"Detail\" height=\"100\">"
        "<field key=\"A\" left=\"0\" top=\"0\" width=\"900\" height=\"1500\"/>"
        "<field key=\"B\" left=\"0\" top=\"1400\" width=\"900\" height=\"300\"/>"
        "<field key=\"C\" left=\"0\" top=\"1800\" width=\"900\" height=\"300\"/>"
        "<field key=\"D\" left=\"0\" top=\"2000\" width=\"900\" height=\"300\"/>"
        "</section>"
        "<section name=\"Page Footer\" height=\"500\">"
        "<text left=\"0\" top=\"100\" width=\"900\" height=\"200\">foot</text></section>"
        "</report></reportDefinition>",
        QStringLiteral("New Report"));
    const ReportDocument document = ReportLayout::layout(definition);
    ASSERT_EQ(document.pageCount(), 2);
    int page = -1;
    EXPECT_EQ(document.find(QStringLiteral("B"), &page)->rect.top(), 500 + 1400);
    EXPECT_EQ(page, 0);
    // C would end at 2100 > 2000: it opens page 2 at the body's top, D stays 200 below it.
    EXPECT_EQ(document.find(QStringLiteral("C"), &page)->rect.top(), 500);
    EXPECT_EQ(page, 1);
    EXPECT_EQ(document.find(QStringLiteral("D"), &page)->rect.top(), 700);
    EXPECT_EQ(page, 1);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(document.texts(k).first(), QStringLiteral("%1/2").arg(k + 1));
        EXPECT_EQ(document.texts(k).last(), QStringLiteral("foot"));
    }
}

TEST(ReportLayout, AnItemEndingAtTheBodysBottomStaysOnItsPage)
{
    // A page of 3000 twips room: header 500, body 2000, footer 500. A fills
    // the body down to 1700; B starts there and ends a little above, exactly
    // at, or a little below the body's bottom.
    struct Case {
        int height;
        int page;
        int top; // on its page, from the paper's top
    } cases[] = {
        { 299, 0, 500 + 1700 },
        { 300, 0, 500 + 1700 },
        { 301, 1, 500 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const QByteArray bytes
            = QStringLiteral("<reportDefinition version=\"1\"><report name=\"New Report\">"
                             "<page marginTop=\"0\" marginBottom=\"13838\" marginLeft=\"0\" marginRight=\"0\"/>"
                             "<section name=\"Page Header\" height=\"500\"/>"
                             "<section name=\"Detail\">"
                             "<field key=\"A\" left=\"0\" top=\"0\" width=\"900\" height=\"1700\"/>"
                             "<field key=\"B\" left=\"0\" top=\"1700\" width=\"900\" height=\"%1\"/>"
                             "</section>"
                             "<section name=\"Page Footer\" height=\"500\"/>"
                             "</report></reportDefinition>")
                  .arg(c.height)
                  .toUtf8();
        const ReportDocument document
            = ReportLayout::layout(ReportDefinition::parse(bytes, QStringLiteral("New Report")));
        ASSERT_EQ(document.pageCount(), c.page + 1);
        int page = -1;
        const ReportPageItem* b = document.find(QStringLiteral("B"), &page);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(page, c.page);
        EXPECT_EQ(b->rect.top(), c.top);
        EXPECT_EQ(b->rect.height(), c.height);
    }
}

TEST_F(ReportControlTest, EveryReportWritesItsPicturesIntoAFolderOfItsOwnThatGoesWithIt)
{
    const QString temporary = ownTemporaryFolder();
    QString first;
    QString second;
    {
        const ReportPictureFolder one;
        const ReportPictureFolder other;
        ASSERT_TRUE(one.isValid());
        ASSERT_TRUE(other.isValid());
        first = one.path();
        second = other.path();
        EXPECT_NE(first, second);
        for (const QString& folder : { first, second }) {
            EXPECT_TRUE(folder.startsWith(temporary + QLatin1Char('/'))) << folder.toStdString();
            EXPECT_TRUE(folder.endsWith(QLatin1Char('/'))) << folder.toStdString();
            EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
        }
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(first + QStringLiteral("RampTest.bmp")));
        EXPECT_FALSE(QFileInfo::exists(second + QStringLiteral("RampTest.bmp")));
    }
    // Let go, each folder is gone with what it held.
    EXPECT_EQ(leftInTemporaryFolder(), QStringList());

    // No temporary folder to make one in: the folder says so and names no path.
    qputenv("TMPDIR", tempPath(QStringLiteral("no such folder")).toLocal8Bit());
    const ReportPictureFolder none;
    EXPECT_FALSE(none.isValid());
    EXPECT_EQ(none.path(), QString());
}

TEST_F(ReportControlTest, OnlyTheExpressionFieldEvaluatesThePageExpression)
{
    const QString expression = QStringLiteral("\" Page \" & [Page] & \"/\" & [Pages]");
    setText(m_report, QStringLiteral("Page Header"), QStringLiteral("PageLine1"), expression);
    // Tags and names come from the user: even a well-formed expression stays text there.
    setText(m_report, Detail, QStringLiteral("ResultValue"), expression);
    const QStringList texts = m_report->layoutDocument().texts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral(" Page 1/1")));
    EXPECT_TRUE(texts.contains(expression));
}

TEST(ReportDocument, ThePaperIsTheDefinitionsPageWithItsOrientationAndNoMarginsOfItsOwn)
{
    struct Case {
        const char* page;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
    };
    const Case cases[] = {
        { "<page/>", QPageSize::A4, QPageLayout::Portrait },
        { "<page orientation=\"landscape\"/>", QPageSize::A4, QPageLayout::Landscape },
        { "<page paper=\"Letter\"/>", QPageSize::Letter, QPageLayout::Portrait },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const ReportDefinition definition
            = ReportDefinition::parse(QByteArray("<reportDefinition version=\"1\"><report name=\"New Report\">")
                    + c.page + "<section name=\"Detail\"/></report></reportDefinition>",
                NewReport);
        const QPageLayout layout = ReportLayout::layout(definition).pageLayout();
        EXPECT_EQ(layout.pageSize().id(), c.paper);
        EXPECT_EQ(layout.orientation(), c.orientation);
        EXPECT_EQ(layout.margins(), QMarginsF());
    }
}
