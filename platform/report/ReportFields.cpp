#include "ReportFields.h"

#include "automation/ComError.h"

#include <cmath>
#include <limits>

namespace
{
// The largest position a definition may hold; added fields keep to it, all
// but their top.
constexpr double MaxTwips = 1000000.0;
// Added log lines go down 300 twips a row with no limit on the rows, so their
// top may run far below anything a definition holds; it stops only where the
// field's bottom would no longer fit the layout's integers.
constexpr double MaxAddedTop = std::numeric_limits<int>::max() - MaxTwips;

int twips(double value, double minimum, const char* what, double maximum = MaxTwips)
{
    if (!std::isfinite(value) || value < minimum || value > maximum)
        throw ComError(
            ComError::InvalidArgument, QStringLiteral("Bad field %1: %2").arg(QLatin1String(what)).arg(value));
    return static_cast<int>(std::lround(value));
}
}

ReportFields::ReportFields(ReportSectionDefinition& section, const ReportFont& font, QObject* parent)
    : QObject(parent)
    , m_section(section)
    , m_font(font)
{
    for (auto& item : m_section.items)
        if (item.isField())
            m_fields.push_back(new ReportField(item, this));
}

IReportFieldPtr ReportFields::Field(const QVariant& key) const
{
    if (key.typeId() != QMetaType::QString)
        throw ComError(ComError::InvalidArgument, QStringLiteral("A field is named by its key"));
    const QString name = key.toString();
    if (!name.isEmpty())
        for (ReportField* field : m_fields)
            if (field->Key() == name)
                return IReportFieldPtr(field);
    throw ComError(ComError::Failure, QStringLiteral("No field \"%1\" in section \"%2\"").arg(name, m_section.name));
}

IReportFieldPtr ReportFields::AddField(
    const QString& name, const QString& text, double left, double top, double width, double height)
{
    ReportItem item;
    item.kind = ReportItemKind::Field;
    item.key = name;
    item.rect = QRect(twips(left, 0, "left"), twips(top, 0, "top", MaxAddedTop), twips(width, 1, "width"),
        twips(height, 1, "height"));
    item.font = m_font;
    item.text = text;
    m_section.items.push_back(std::move(item));
    m_fields.push_back(new ReportField(m_section.items.back(), this));
    return IReportFieldPtr(m_fields.back());
}
