#include "ReportSection.h"

ReportSection::ReportSection(ReportSectionDefinition& section, const ReportFont& font, QObject* parent)
    : QObject(parent)
    , m_section(section)
    , m_fields(new ReportFields(section, font, this))
{
}

QString ReportSection::Name() const
{
    return m_section.name;
}
