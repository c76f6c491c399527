#pragma once

#include "ReportSection.h"

#include <vector>

struct ReportDefinition;

// The section list of a loaded report.
class ReportSections : public QObject
{
    Q_OBJECT

public:
    ReportSections(ReportDefinition& definition, QObject* parent);

    // The section of that name (a string variant); a name the report lacks raises.
    IReportSectionPtr Section(const QVariant& name) const;
    int Count() const { return static_cast<int>(m_sections.size()); }

private:
    std::vector<ReportSection*> m_sections;
};

using IReportSectionsPtr = InterfacePtr<ReportSections>;
