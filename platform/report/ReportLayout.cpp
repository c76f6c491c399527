#include "ReportLayout.h"

#include "PageExpression.h"

#include <algorithm>

namespace
{

struct Placed {
    const ReportItem* item;
    // Top in the continuous flow of all flowing sections; 64 bits, because
    // a file may hold any number of sections.
    qint64 flowTop;
    int page = 0;
    int pageTop = 0;
};

int itemTop(const ReportItem& item)
{
    return item.kind == ReportItemKind::Line ? std::min(item.rect.top(), item.rect.bottom()) : item.rect.top();
}

// A box drawn round picture fields that got no picture, with nothing else
// in it, frames nothing: it is not printed.
bool framesNothing(const ReportSectionDefinition& section, const ReportItem& box)
{
    if (box.kind != ReportItemKind::Box)
        return false;
    bool emptyPicture = false;
    for (const ReportItem& item : section.items) {
        if (&item == &box || !box.rect.normalized().contains(item.rect.normalized()))
            continue;
        if (item.kind != ReportItemKind::Picture || !item.picture.isNull())
            return false;
        emptyPicture = true;
    }
    return emptyPicture;
}

std::vector<Placed> flowingItems(const ReportDefinition& definition)
{
    std::vector<Placed> placed;
    qint64 sectionTop = 0;
    for (const auto& section : definition.sections) {
        if (section.isPageHeader() || section.isPageFooter())
            continue;
        for (const auto& item : section.items)
            if (!framesNothing(section, item))
                placed.push_back({ &item, sectionTop + itemTop(item) });
        sectionTop += std::max(section.height, section.contentBottom());
    }
    std::stable_sort(
        placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.flowTop < b.flowTop; });
    return placed;
}

// Assigns pages; returns the page count.
int paginate(std::vector<Placed>& placed, int room)
{
    int page = 0;
    qint64 pageStart = 0;
    for (auto& p : placed) {
        const int height = p.item->bottom() - itemTop(*p.item);
        const qint64 top = p.flowTop - pageStart;
        // An item taller than the whole room still gets a page of its own.
        if (top > 0 && top + height > room) {
            ++page;
            pageStart = p.flowTop;
        }
        p.page = page;
        p.pageTop = static_cast<int>(p.flowTop - pageStart);
    }
    return page + 1;
}

QString printedText(const ReportItem& item, int page, int pages)
{
    if (item.expression)
        return PageExpression::evaluate(item.text, page, pages).value_or(item.text);
    return item.text;
}

ReportPageItem pageItem(const ReportItem& item, QPoint origin, int page, int pages)
{
    ReportPageItem out;
    out.kind = item.kind;
    out.key = item.key;
    out.rect = item.rect.translated(origin);
    out.text = item.kind == ReportItemKind::Picture ? QString() : printedText(item, page, pages);
    out.font = item.font;
    out.align = item.align;
    out.singleLine = item.singleLine;
    out.lineWidth = item.lineWidth;
    out.picture = item.picture;
    return out;
}

void addRepeated(ReportPage& target, const ReportSectionDefinition* section, QPoint origin, int page, int pages)
{
    if (!section)
        return;
    for (const auto& item : section->items)
        if (!framesNothing(*section, item))
            target.items.push_back(pageItem(item, origin, page, pages));
}

} // namespace

ReportDocument ReportLayout::layout(const ReportDefinition& definition)
{
    const QRect printable = definition.page.printable();
    const auto* header = definition.section(QStringLiteral("Page Header"));
    const auto* footer = definition.section(QStringLiteral("Page Footer"));
    const int bodyTop = printable.top() + (header ? header->height : 0);
    const int bodyBottom = printable.top() + printable.height() - (footer ? footer->height : 0);

    std::vector<Placed> placed = flowingItems(definition);
    const int pages = paginate(placed, bodyBottom - bodyTop);

    ReportDocument document;
    document.title = definition.name;
    document.pageSize = definition.page.size;
    document.pages.resize(static_cast<size_t>(pages));
    for (int k = 0; k < pages; ++k)
        addRepeated(document.pages[static_cast<size_t>(k)], header, printable.topLeft(), k + 1, pages);
    for (const auto& p : placed) {
        const QPoint origin(printable.left(), bodyTop + p.pageTop - itemTop(*p.item));
        document.pages[static_cast<size_t>(p.page)].items.push_back(pageItem(*p.item, origin, p.page + 1, pages));
    }
    for (int k = 0; k < pages; ++k)
        addRepeated(document.pages[static_cast<size_t>(k)], footer, QPoint(printable.left(), bodyBottom), k + 1, pages);
    return document;
}
