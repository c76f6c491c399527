#include "ReportDefinition.h"

#include "ReportDefinitionReader.h"
#include "automation/ComError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

int ReportItem::bottom() const
{
    // A line's rectangle may run upwards; its lower end is what takes room.
    return kind == ReportItemKind::Line ? std::max(rect.top(), rect.bottom()) : rect.y() + rect.height();
}

int ReportSectionDefinition::contentBottom() const
{
    int bottom = 0;
    for (const auto& item : items)
        bottom = std::max(bottom, item.bottom());
    return bottom;
}

QRect ReportPageSetup::printable() const
{
    return QRect(
        marginLeft, marginTop, size.width() - marginLeft - marginRight, size.height() - marginTop - marginBottom);
}

ReportSectionDefinition* ReportDefinition::section(const QString& name)
{
    auto it = std::find_if(sections.begin(), sections.end(), [&](const auto& s) { return s.name == name; });
    return it == sections.end() ? nullptr : &*it;
}

const ReportSectionDefinition* ReportDefinition::section(const QString& name) const
{
    return const_cast<ReportDefinition*>(this)->section(name);
}

ReportDefinition ReportDefinition::load(const QString& path, const QString& reportName)
{
    if (path.isEmpty())
        throw ComError(ComError::Failure, QStringLiteral("No report definition file given"));
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw ComError(ComError::Failure, QStringLiteral("Cannot open the report definition %1").arg(path));
    return parse(file.readAll(), reportName, path);
}

ReportDefinition ReportDefinition::parse(const QByteArray& bytes, const QString& reportName, const QString& source)
{
    return ReportDefinitionReader(bytes, source.isEmpty() ? QStringLiteral("(text)") : source).read(reportName);
}
