// Reports rendered to real PDF files and read back with poppler.
#include "ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

using namespace ReportTestSupport;

namespace
{

const QString PageExpression = QStringLiteral("\" Page \" & [Page] & \"/\" & [Pages]");
const QString Detail = QStringLiteral("Detail");

class ReportPdfTest : public SwTest
{
protected:
    IReportPtr load(const QString& file)
    {
        m_report = IReportPtr(&m_control);
        m_report->LoadReport(shippedDefinition(file), QStringLiteral("New Report"));
        return m_report;
    }

    QString samplePicture()
    {
        const QString path = tempPath(QStringLiteral("Sample.bmp"));
        if (!QFileInfo::exists(path))
            writeSamplePicture(path);
        return path;
    }

    ReportControl m_control;
    IReportPtr m_report;
};

struct KindCase {
    const char* file;
    const char* pageKey;
    const char* titleKey;
    const char* title;
    const char* valueKey;
    const char* pictureKey; // nullptr: the report has no picture
    int pages; // of the filled definition
};

} // namespace

TEST_F(ReportPdfTest, FilledReportsOfEveryKindPrintTheirTextsPageLineAndLiteralTags)
{
    const KindCase cases[] = {
        { "PSTestRept.xml", "PageLine1", "TitleLbl", "Partial Stroke Test Report", "StartPosn", "RampGrph", 1 },
        { "PSTTestCmpRept_K40.xml", "PageLine1", "TitleLbl", "Partial Stroke Test Comparison Report", "Tag1Value",
            "CntrolGrph", 1 },
        { "TrendRept_K40.xml", "PageLine1", "TitleLbl", "Trend Report", "lblPosActive", "RampGrph", 1 },
        { "StrokeCalRept.xml", "PageLine", "StrokeTitleLbl", "Stroke Calibration Report", "NewCalBy", nullptr, 1 },
        { "AnaInputCalRept_K40.xml", "PageLine", "TitleLbl", "Analog Input Calibration Report", "NewCalBy", nullptr,
            1 },
        { "AlarmStatReport-K90.xml", "PageLine", "TitleLbl", "Alarm Status Report", "IEDesc3", nullptr, 1 },
        // The longer reports run over several pages; each page is numbered.
        { "AlarmReport-K90.xml", "PageLine", "TitleLbl", "Alarm / Alerts Report", "SupplyPressureLowValue", nullptr,
            2 },
        { "AllTestReport_K40.xml", "PageLine1", "TitleLbl", "MULTI-TEST REPORT", "PSTResultValue", "HDRLRampGrph", 3 },
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.file);
        const IReportPtr report = load(QString::fromLatin1(c.file));
        setText(report, QStringLiteral("Page Header"), QString::fromLatin1(c.pageKey), PageExpression);
        setText(report, Detail, QString::fromLatin1(c.titleKey), QString::fromLatin1(c.title));
        // A device tag that looks like the page counter must print as typed.
        setText(report, Detail, QString::fromLatin1(c.valueKey), QStringLiteral("PV-[Page] & \"x\""));
        if (c.pictureKey)
            setPicture(report, QString::fromLatin1(c.pictureKey), samplePicture());
        const QString pdf = tempPath(QStringLiteral("kind.pdf"));
        report->RenderToFile(pdf, ReportControl::FormatPdf);

        ASSERT_EQ(pdfPages(pdf), c.pages);
        EXPECT_TRUE(pdfPageSize(pdf).endsWith(QStringLiteral("(A4)"))) << pdfPageSize(pdf).toStdString();
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.title))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("PV-[Page] & \"x\""))) << text.toStdString();
        for (int k = 1; k <= c.pages; ++k)
            EXPECT_TRUE(pdfText(pdf, k).contains(QStringLiteral("Page %1/%2").arg(k).arg(c.pages))) << k;
    }
}

TEST_F(ReportPdfTest, UnsetFieldsKeepTheDefinitionsTextAndSetOnesReplaceIt)
{
    const IReportPtr report = load(QStringLiteral("StepTestRept.xml"));
    setText(report, Detail, QStringLiteral("StartPosn"), QStringLiteral("12.5"));
    setText(report, Detail, QStringLiteral("StopPosLbl"), QStringLiteral("Ende:"));
    const QString pdf = tempPath(QStringLiteral("defaults.pdf"));
    report->RenderToFile(pdf, ReportControl::FormatPdf);

    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Start Position:")));
    EXPECT_TRUE(text.contains(QStringLiteral("12.5")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ende:")));
    EXPECT_FALSE(text.contains(QStringLiteral("Stop Position:")));
    // The definition's own page line is the page expression too.
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1/1")));
}

TEST_F(ReportPdfTest, AlarmLogFlowsOntoNumberedPagesInOrder)
{
    const IReportPtr report = load(QStringLiteral("AlarmStatReport-K90.xml"));
    setText(report, QStringLiteral("Page Header"), QStringLiteral("PageLine"), PageExpression);
    setText(report, Detail, QStringLiteral("ErrLogLbl"), QStringLiteral("Alarm Log(While Connected to Device)"));
    const IReportFieldsPtr fields = report->Sections()->Section(Detail)->Fields();
    constexpr int Lines = 120;
    for (int r = 0; r < Lines; ++r) {
        IReportFieldPtr field = fields->AddField(QString(), QString(), 150, 7605 + 300 * r, 11115, 285);
        field->SetFieldAttribute(ReportField::SingleLineClipped);
        field->SetText(QStringLiteral("log line %1 [Page] End").arg(r, 3, 10, QLatin1Char('0')));
    }
    const QString pdf = tempPath(QStringLiteral("alarmlog.pdf"));
    report->RenderToFile(pdf, ReportControl::FormatPdf);

    const int pages = pdfPages(pdf);
    // 120 lines of 300 twips are 36 000 twips: more than two A4 pages.
    ASSERT_GE(pages, 3);
    EXPECT_EQ(pages, report->layoutDocument().pageCount());
    int nextLine = 0;
    for (int k = 1; k <= pages; ++k) {
        SCOPED_TRACE(k);
        const QString text = pdfText(pdf, k);
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1/%2").arg(k).arg(pages))) << text.toStdString();
        // Each page carries the next lines, in order, none lost or repeated.
        int onPage = 0;
        qsizetype from = 0;
        while (nextLine < Lines) {
            const QString line = QStringLiteral("log line %1 [Page] End").arg(nextLine, 3, 10, QLatin1Char('0'));
            const qsizetype at = text.indexOf(line, from);
            if (at < 0)
                break;
            from = at + line.size();
            ++nextLine;
            ++onPage;
        }
        EXPECT_GT(onPage, 0);
    }
    EXPECT_EQ(nextLine, Lines);
}

TEST_F(ReportPdfTest, PicturesPrintScaledIntoTheirFieldsOnTheFirstPage)
{
    struct PictureCase {
        const char* file;
        const char* artifact;
        std::vector<const char*> pictures;
    };
    const PictureCase cases[] = {
        { "PSTestRept.xml", "PSTestRept-page1.png", { "RampGrph" } },
        { "RampTestRept_K40.xml", "RampTestRept_K40-page1.png", { "RampGrph", "RampGrph2" } },
    };
    constexpr int Dpi = 72;
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.file);
        const IReportPtr report = load(QString::fromLatin1(c.file));
        for (const char* key : c.pictures)
            setPicture(report, QString::fromLatin1(key), samplePicture());
        const QString pdf = tempPath(QStringLiteral("pictures.pdf"));
        report->RenderToFile(pdf, ReportControl::FormatPdf);
        const QImage page = pdfFirstPageImage(pdf, artifactPath(QString::fromLatin1(c.artifact)), Dpi);
        ASSERT_FALSE(page.isNull());

        const ReportDocument document = report->layoutDocument();
        for (const char* key : c.pictures) {
            int onPage = -1;
            const ReportPageItem* item = document.find(QString::fromLatin1(key), &onPage);
            ASSERT_NE(item, nullptr);
            ASSERT_EQ(onPage, 0) << key;
            const QRect area(item->rect.x() * Dpi / 1440, item->rect.y() * Dpi / 1440, item->rect.width() * Dpi / 1440,
                item->rect.height() * Dpi / 1440);
            int dark = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
            EXPECT_GT(dark, area.width() * area.height() / 50) << key;
        }
    }
}

TEST_F(ReportPdfTest, AFailedRenderLeavesTheOldFileAndRaises)
{
    const IReportPtr report = load(QStringLiteral("PSTestRept.xml"));
    setPicture(report, QStringLiteral("RampGrph"), samplePicture());

    // A target under a regular file cannot be written.
    QFile plain(tempPath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_THROW(
        report->RenderToFile(tempPath(QStringLiteral("plain/report.pdf")), ReportControl::FormatPdf), ComError);

    // A render that fails while writing keeps the report already there.
    const QString pdf = tempPath(QStringLiteral("report.pdf"));
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("%PDF-1.4 the earlier report");
    old.close();
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool raised = false;
    try {
        report->RenderToFile(pdf, ReportControl::FormatPdf);
    } catch (const ComError&) {
        raised = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(raised);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("%PDF-1.4 the earlier report"));

    EXPECT_THROW(report->RenderToFile(pdf, 5), ComError);
}

TEST_F(ReportPdfTest, ARelativeNameLandsInTheCurrentFolder)
{
    const IReportPtr report = load(QStringLiteral("DataLogRept.xml"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(stateDir()));
    report->RenderToFile(QStringLiteral("chosen.pdf"), ReportControl::FormatPdf);
    QDir::setCurrent(before);
    EXPECT_TRUE(QFileInfo::exists(tempPath(QStringLiteral("chosen.pdf"))));
}
