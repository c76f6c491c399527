#pragma once

#include "ReportFields.h"

// One section of a loaded report ("Page Header", "Detail", ...).
class ReportSection : public QObject
{
    Q_OBJECT

public:
    ReportSection(ReportSectionDefinition& section, const ReportFont& font, QObject* parent);

    QString Name() const;
    IReportFieldsPtr Fields() const { return IReportFieldsPtr(m_fields); }

private:
    ReportSectionDefinition& m_section;
    ReportFields* m_fields;
};

using IReportSectionPtr = InterfacePtr<ReportSection>;
