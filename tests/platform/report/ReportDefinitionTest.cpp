// The definition loader: what it accepts, and every way a file is refused.
#include "report/ReportDefinition.h"
#include "SwTest.h"

#include "automation/ComError.h"

namespace
{

const QString Report = QStringLiteral("New Report");

QByteArray wrap(const char* sections, const char* extra = "")
{
    return QByteArray("<?xml version=\"1.0\"?>\n<reportDefinition version=\"1\"><report name=\"New Report\">") + extra
        + sections + "</report></reportDefinition>";
}

// One Detail section holding `items`.
QByteArray detail(const char* items)
{
    return wrap((QByteArray("<section name=\"Detail\">") + items + "</section>").constData());
}

} // namespace

TEST(ReportDefinition, ReadsPageFontsSectionsAndEveryItemKind)
{
    const ReportDefinition definition = ReportDefinition::parse(
        wrap("<section name=\"Page Header\" height=\"500\">"
             "<field key=\"PageLine\" left=\"10\" top=\"20\" width=\"3000\" height=\"285\" align=\"right\" "
             "expression=\"true\">\" Page \" &amp; [Page]</field></section>"
             "<section name=\"Detail\">"
             "<text left=\"0\" top=\"0\" width=\"500\" height=\"200\" size=\"12.5\" bold=\"true\" "
             "align=\"center\"> A &lt;B&gt; </text>"
             "<field key=\"Graph\" kind=\"picture\" left=\"0\" top=\"300\" width=\"4000\" height=\"2000\"/>"
             "<line x1=\"100\" y1=\"2600\" x2=\"900\" y2=\"2500\" width=\"20\"/>"
             "<box left=\"0\" top=\"2700\" width=\"800\" height=\"300\"/>"
             "<field key=\"Value\" left=\"0\" top=\"3100\" width=\"800\" height=\"285\" singleLine=\"true\"/>"
             "</section>",
            "<page paper=\"A4\" orientation=\"landscape\" marginLeft=\"500\"/>"
            "<font family=\"DejaVu Serif\" size=\"10\"/>"),
        Report);

    EXPECT_EQ(definition.name, Report);
    EXPECT_EQ(definition.page.size, QSize(16838, 11906));
    EXPECT_EQ(definition.page.marginLeft, 500);
    EXPECT_EQ(definition.page.marginTop, 400);
    ASSERT_EQ(definition.sections.size(), 2u);
    const ReportItem& page = definition.sections[0].items[0];
    EXPECT_TRUE(page.expression);
    EXPECT_EQ(page.align, ReportAlign::Right);
    EXPECT_EQ(page.text, QStringLiteral("\" Page \" & [Page]"));
    EXPECT_EQ(page.font.family, QStringLiteral("DejaVu Serif"));

    const auto& detail = definition.section(QStringLiteral("Detail"))->items;
    ASSERT_EQ(detail.size(), 5u);
    EXPECT_EQ(detail[0].kind, ReportItemKind::Text);
    EXPECT_EQ(detail[0].text, QStringLiteral(" A <B> ")); // blanks kept as written
    EXPECT_DOUBLE_EQ(detail[0].font.pointSize, 12.5);
    EXPECT_TRUE(detail[0].font.bold);
    EXPECT_EQ(detail[1].kind, ReportItemKind::Picture);
    EXPECT_EQ(detail[1].rect, QRect(0, 300, 4000, 2000));
    EXPECT_EQ(detail[2].kind, ReportItemKind::Line);
    EXPECT_EQ(detail[2].bottom(), 2600); // a line drawn upwards still ends at its lower point
    EXPECT_EQ(detail[3].kind, ReportItemKind::Box);
    EXPECT_TRUE(detail[4].singleLine);
    EXPECT_FALSE(detail[4].expression);
    EXPECT_EQ(definition.section(QStringLiteral("Detail"))->contentBottom(), 3385);
}

TEST(ReportDefinition, PicksTheNamedReportOfSeveral)
{
    const QByteArray bytes = "<reportDefinition version=\"1\">"
                             "<report name=\"Other\"><section name=\"Detail\"/></report>"
                             "<report name=\"New Report\"><section name=\"Only Here\"/></report>"
                             "</reportDefinition>";
    const ReportDefinition definition = ReportDefinition::parse(bytes, Report);
    ASSERT_EQ(definition.sections.size(), 1u);
    EXPECT_EQ(definition.sections[0].name, QStringLiteral("Only Here"));
}

TEST(ReportDefinition, RefusesEveryUnusableFile)
{
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        { "empty", "" },
        { "not xml", "PK\x03\x04 binary" },
        { "truncated", wrap("<section name=\"Detail\">").left(80) },
        { "unclosed element", "<reportDefinition version=\"1\"><report name=\"New Report\"><section name=\"Detail\">" },
        { "foreign root", "<html><body/></html>" },
        { "foreign version", "<reportDefinition version=\"2\"><report name=\"New Report\"/></reportDefinition>" },
        { "no such report", "<reportDefinition version=\"1\"><report name=\"Old Report\"/></reportDefinition>" },
        { "unknown element", detail("<script/>") },
        { "field without key", detail("<field left=\"0\" top=\"0\" width=\"1\" height=\"1\"/>") },
        { "duplicate key",
            detail("<field key=\"A\" left=\"0\" top=\"0\" width=\"1\" height=\"1\"/>"
                   "<field key=\"A\" left=\"0\" top=\"9\" width=\"1\" height=\"1\"/>") },
        { "duplicate section", wrap("<section name=\"Detail\"/><section name=\"Detail\"/>") },
        { "missing position", detail("<field key=\"A\" left=\"0\" width=\"1\" height=\"1\"/>") },
        { "negative position", detail("<text left=\"-5\" top=\"0\" width=\"1\" height=\"1\"/>") },
        { "zero width", detail("<text left=\"0\" top=\"0\" width=\"0\" height=\"1\"/>") },
        { "not a number", detail("<text left=\"12abc\" top=\"0\" width=\"1\" height=\"1\"/>") },
        { "huge number", detail("<text left=\"99999999999\" top=\"0\" width=\"1\" height=\"1\"/>") },
        { "font size", detail("<text left=\"0\" top=\"0\" width=\"1\" height=\"1\" size=\"0\"/>") },
        { "bad flag", detail("<text left=\"0\" top=\"0\" width=\"1\" height=\"1\" bold=\"yes\"/>") },
        { "bad kind", detail("<field key=\"A\" kind=\"chart\" left=\"0\" top=\"0\" width=\"1\" height=\"1\"/>") },
        { "picture expression",
            detail("<field key=\"A\" kind=\"picture\" expression=\"true\" left=\"0\" top=\"0\" width=\"1\" "
                   "height=\"1\"/>") },
        { "unknown paper", wrap("", "<page paper=\"Tabloid\"/>") },
        { "margins eat the page", wrap("", "<page marginLeft=\"6000\" marginRight=\"6000\"/>") },
        { "header fills the page", wrap("<section name=\"Page Header\" height=\"16000\"/>") },
        { "text after the root", wrap("") + "<extra/>" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(ReportDefinition::parse(c.bytes, Report), ComError);
    }
}

TEST(ReportDefinition, FontSizesFromOneTo144PointsAreReadAndNoOthers)
{
    struct Case {
        const char* size;
        bool accepted;
    } cases[] = {
        { "1", true },
        { "144", true },
        { "0.99", false },
        { "144.01", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        // The report's own font and an item's font are read alike.
        const QByteArray reportFont
            = wrap("<section name=\"Detail\"/>", (QByteArray("<font size=\"") + c.size + "\"/>").constData());
        const QByteArray itemFont = detail(
            (QByteArray("<text left=\"0\" top=\"0\" width=\"1\" height=\"1\" size=\"") + c.size + "\"/>").constData());
        if (!c.accepted) {
            EXPECT_THROW(ReportDefinition::parse(reportFont, Report), ComError);
            EXPECT_THROW(ReportDefinition::parse(itemFont, Report), ComError);
            continue;
        }
        const double points = QByteArray(c.size).toDouble();
        EXPECT_EQ(ReportDefinition::parse(reportFont, Report).font.pointSize, points);
        EXPECT_EQ(ReportDefinition::parse(itemFont, Report).sections[0].items[0].font.pointSize, points);
    }
}

TEST(ReportDefinition, MissingOrUnreadableFilesRaise)
{
    EXPECT_THROW(ReportDefinition::load(QString(), Report), ComError);
    EXPECT_THROW(ReportDefinition::load(QStringLiteral("/nonexistent/Dependencies/PSTestRept.xml"), Report), ComError);
    // A folder is not a definition file.
    EXPECT_THROW(ReportDefinition::load(QStringLiteral("/tmp"), Report), ComError);
    try {
        ReportDefinition::parse("<reportDefinition version=\"1\">\n<report name=\"New Report\">\n<oops/>", Report,
            QStringLiteral("Sample.xml"));
        FAIL() << "no error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::Failure);
        // The text tells a person which file and line to look at.
        EXPECT_TRUE(error.text().contains(QStringLiteral("Sample.xml, line 3"))) << error.text().toStdString();
    }
}
