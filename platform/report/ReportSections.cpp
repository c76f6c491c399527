#include "ReportSections.h"

#include "ReportDefinition.h"
#include "automation/ComError.h"

ReportSections::ReportSections(ReportDefinition& definition, QObject* parent)
    : QObject(parent)
{
    for (auto& section : definition.sections)
        m_sections.push_back(new ReportSection(section, definition.font, this));
}

IReportSectionPtr ReportSections::Section(const QVariant& name) const
{
    if (name.typeId() != QMetaType::QString)
        throw ComError(ComError::InvalidArgument, QStringLiteral("A section is named by its name"));
    const QString wanted = name.toString();
    for (ReportSection* section : m_sections)
        if (section->Name() == wanted)
            return IReportSectionPtr(section);
    throw ComError(ComError::Failure, QStringLiteral("No section \"%1\" in the report").arg(wanted));
}
