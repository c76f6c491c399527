#include "ReportDocument.h"

#include <QPageSize>

#include <algorithm>

QPageLayout ReportDocument::pageLayout() const
{
    const bool landscape = pageSize.width() > pageSize.height();
    const QSizeF portrait(
        std::min(pageSize.width(), pageSize.height()) / 20.0, std::max(pageSize.width(), pageSize.height()) / 20.0);
    return QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

QStringList ReportDocument::texts(int page) const
{
    QStringList out;
    if (page < 0 || page >= pageCount())
        return out;
    for (const auto& item : pages[static_cast<size_t>(page)].items)
        if (!item.text.isEmpty())
            out << item.text;
    return out;
}

const ReportPageItem* ReportDocument::find(const QString& key, int* page) const&
{
    for (size_t p = 0; p < pages.size(); ++p) {
        for (const auto& item : pages[p].items) {
            if (!key.isEmpty() && item.key == key) {
                if (page)
                    *page = static_cast<int>(p);
                return &item;
            }
        }
    }
    return nullptr;
}
