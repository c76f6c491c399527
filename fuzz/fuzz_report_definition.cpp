// Feeds arbitrary bytes to the report definition loader. A file it accepts
// must lay out on pages; everything else must be refused with ComError,
// never crash, hang or allocate beyond reason.
#include "automation/ComError.h"
#include "report/ReportDefinition.h"
#include "report/ReportLayout.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReportDefinition definition;
    try {
        definition = ReportDefinition::parse(input, QStringLiteral("New Report"));
    } catch (const ComError&) {
        return 0;
    }
    size_t items = 0;
    for (const auto& section : definition.sections)
        items += section.items.size();
    const ReportDocument document = ReportLayout::layout(definition);
    // Every page but the last starts with an item of its own, so the page
    // count can never run away from the content.
    if (document.pageCount() < 1 || static_cast<size_t>(document.pageCount()) > items + 1)
        std::abort();
    return 0;
}
