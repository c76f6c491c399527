#include "ReportDefinitionReader.h"

#include "automation/ComError.h"

#include <QLocale>
#include <QPageSize>

#include <set>

namespace
{
// Big enough for any page, small enough that sums of positions never overflow.
constexpr int MaxTwips = 1000000;
constexpr int FormatVersion = 1;

QString attribute(const QXmlStreamReader& xml, const char* name)
{
    return xml.attributes().value(QLatin1String(name)).toString();
}
}

ReportDefinitionReader::ReportDefinitionReader(const QByteArray& bytes, QString source)
    : m_xml(bytes)
    , m_source(std::move(source))
{
}

ReportDefinition ReportDefinitionReader::read(const QString& reportName)
{
    if (!m_xml.readNextStartElement())
        fail(QStringLiteral("no report definition"));
    if (m_xml.name() != QLatin1String("reportDefinition"))
        fail(QStringLiteral("not a report definition (root element \"%1\")").arg(m_xml.name()));
    if (attribute(m_xml, "version") != QString::number(FormatVersion))
        fail(QStringLiteral("unsupported version \"%1\"").arg(attribute(m_xml, "version")));

    ReportDefinition found;
    bool haveFound = false;
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("report"))
            fail(QStringLiteral("unexpected element \"%1\"").arg(m_xml.name()));
        const bool wanted = !haveFound && attribute(m_xml, "name") == reportName;
        ReportDefinition report;
        if (readReport(report, wanted)) {
            found = std::move(report);
            haveFound = true;
        }
    }
    if (m_xml.hasError())
        fail(m_xml.errorString());
    // Trailing content after the root is malformed too.
    while (!m_xml.atEnd())
        m_xml.readNext();
    if (m_xml.hasError())
        fail(m_xml.errorString());
    if (!haveFound)
        fail(QStringLiteral("no report named \"%1\"").arg(reportName));
    return found;
}

bool ReportDefinitionReader::readReport(ReportDefinition& out, bool wanted)
{
    out.name = attribute(m_xml, "name");
    std::set<QString> sectionNames;
    while (m_xml.readNextStartElement()) {
        const auto name = m_xml.name();
        if (name == QLatin1String("page")) {
            readPage(out.page);
        } else if (name == QLatin1String("font")) {
            out.font = readFont(out.font);
            skipElement();
        } else if (name == QLatin1String("section")) {
            readSection(out);
            if (!sectionNames.insert(out.sections.back().name).second)
                fail(QStringLiteral("section \"%1\" appears twice").arg(out.sections.back().name));
        } else {
            fail(QStringLiteral("unexpected element \"%1\"").arg(name));
        }
    }
    int repeated = 0;
    for (const auto& section : out.sections)
        if (section.isPageHeader() || section.isPageFooter())
            repeated += section.height;
    // The flowing content needs room on every page, or paging could not progress.
    if (out.page.printable().height() - repeated < 720)
        fail(QStringLiteral("the page headers and footers leave no room for the content"));
    return wanted;
}

void ReportDefinitionReader::readPage(ReportPageSetup& page)
{
    const QString paper = attribute(m_xml, "paper");
    const QString orientation = attribute(m_xml, "orientation");
    QPageSize::PageSizeId id = QPageSize::A4;
    if (paper == QLatin1String("Letter"))
        id = QPageSize::Letter;
    else if (!paper.isEmpty() && paper != QLatin1String("A4"))
        fail(QStringLiteral("unknown paper \"%1\"").arg(paper));
    page.paper = paper.isEmpty() ? QStringLiteral("A4") : paper;
    // Millimetres are exact for both papers; points are rounded.
    const QSizeF mm = QPageSize(id).size(QPageSize::Millimeter);
    QSize size(qRound(mm.width() * 1440 / 25.4), qRound(mm.height() * 1440 / 25.4));
    if (orientation == QLatin1String("landscape"))
        size.transpose();
    else if (!orientation.isEmpty() && orientation != QLatin1String("portrait"))
        fail(QStringLiteral("unknown orientation \"%1\"").arg(orientation));
    page.size = size;
    page.marginLeft = twips("marginLeft", page.marginLeft);
    page.marginTop = twips("marginTop", page.marginTop);
    page.marginRight = twips("marginRight", page.marginRight);
    page.marginBottom = twips("marginBottom", page.marginBottom);
    if (page.printable().width() < 1440 || page.printable().height() < 1440)
        fail(QStringLiteral("the margins leave no printable area"));
    skipElement();
}

ReportFont ReportDefinitionReader::readFont(const ReportFont& inherited)
{
    ReportFont font = inherited;
    const QString family = attribute(m_xml, "family");
    if (!family.isEmpty())
        font.family = family;
    const QString size = attribute(m_xml, "size");
    if (!size.isEmpty()) {
        bool ok = false;
        // The file format is locale-free: a C-locale number, strictly.
        const double points = QLocale::c().toDouble(size, &ok);
        if (!ok || !(points >= 1.0 && points <= 144.0))
            fail(QStringLiteral("font size \"%1\" out of range").arg(size));
        font.pointSize = points;
    }
    font.bold = flag("bold", font.bold);
    return font;
}

void ReportDefinitionReader::readSection(ReportDefinition& report)
{
    ReportSectionDefinition section;
    section.name = attribute(m_xml, "name");
    if (section.name.isEmpty())
        fail(QStringLiteral("a section without a name"));
    section.height = twips("height", 0);
    std::set<QString> keys;
    while (m_xml.readNextStartElement()) {
        ReportItem item = readItem(report);
        if (!item.key.isEmpty() && !keys.insert(item.key).second)
            fail(QStringLiteral("field \"%1\" appears twice in section \"%2\"").arg(item.key, section.name));
        section.items.push_back(std::move(item));
    }
    report.sections.push_back(std::move(section));
}

ReportItem ReportDefinitionReader::readItem(const ReportDefinition& report)
{
    ReportItem item;
    const auto name = m_xml.name();
    if (name == QLatin1String("line")) {
        item.kind = ReportItemKind::Line;
        item.rect = readLine();
        item.lineWidth = twips("width", item.lineWidth, 1);
        skipElement();
        return item;
    }
    if (name == QLatin1String("box")) {
        item.kind = ReportItemKind::Box;
        item.rect = readRect();
        item.lineWidth = twips("lineWidth", item.lineWidth, 1);
        skipElement();
        return item;
    }
    if (name == QLatin1String("text")) {
        item.kind = ReportItemKind::Text;
    } else if (name == QLatin1String("field")) {
        const QString kind = attribute(m_xml, "kind");
        if (kind == QLatin1String("picture"))
            item.kind = ReportItemKind::Picture;
        else if (kind.isEmpty() || kind == QLatin1String("text"))
            item.kind = ReportItemKind::Field;
        else
            fail(QStringLiteral("unknown field kind \"%1\"").arg(kind));
        item.key = attribute(m_xml, "key");
        if (item.key.isEmpty())
            fail(QStringLiteral("a field without a key"));
    } else {
        fail(QStringLiteral("unexpected element \"%1\"").arg(name));
    }
    item.rect = readRect();
    item.font = readFont(report.font);
    item.align = align();
    item.expression = flag("expression", false);
    item.singleLine = flag("singleLine", false);
    if (item.expression && item.kind != ReportItemKind::Field)
        fail(QStringLiteral("only text fields can be expressions"));
    item.text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (m_xml.hasError())
        fail(m_xml.errorString());
    return item;
}

QRect ReportDefinitionReader::readRect()
{
    const int left = twips("left");
    const int top = twips("top");
    const int width = twips("width", -1, 1);
    const int height = twips("height", -1, 1);
    return QRect(left, top, width, height);
}

QRect ReportDefinitionReader::readLine()
{
    // Stored as the two end points, so a line may run either way.
    const QPoint from(twips("x1"), twips("y1"));
    const QPoint to(twips("x2"), twips("y2"));
    return QRect(from, to);
}

int ReportDefinitionReader::twips(const char* name, int fallback, int minimum)
{
    const QString text = attribute(m_xml, name);
    if (text.isEmpty()) {
        if (fallback < 0)
            fail(QStringLiteral("attribute \"%1\" missing").arg(QLatin1String(name)));
        return fallback;
    }
    bool ok = false;
    const int value = QLocale::c().toInt(text, &ok);
    if (!ok || value < minimum || value > MaxTwips)
        fail(QStringLiteral("attribute \"%1\" has the bad value \"%2\"").arg(QLatin1String(name), text));
    return value;
}

bool ReportDefinitionReader::flag(const char* name, bool fallback)
{
    const QString text = attribute(m_xml, name);
    if (text.isEmpty())
        return fallback;
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    fail(QStringLiteral("attribute \"%1\" must be true or false").arg(QLatin1String(name)));
}

ReportAlign ReportDefinitionReader::align()
{
    const QString text = attribute(m_xml, "align");
    if (text.isEmpty() || text == QLatin1String("left"))
        return ReportAlign::Left;
    if (text == QLatin1String("center"))
        return ReportAlign::Center;
    if (text == QLatin1String("right"))
        return ReportAlign::Right;
    fail(QStringLiteral("unknown alignment \"%1\"").arg(text));
}

void ReportDefinitionReader::skipElement()
{
    // Lines, boxes, fonts and the page hold nothing inside.
    if (m_xml.readNextStartElement())
        fail(QStringLiteral("unexpected element \"%1\"").arg(m_xml.name()));
    if (m_xml.hasError())
        fail(m_xml.errorString());
}

void ReportDefinitionReader::fail(const QString& what) const
{
    throw ComError(ComError::Failure,
        QStringLiteral("Report definition %1, line %2: %3").arg(m_source).arg(m_xml.lineNumber()).arg(what));
}
