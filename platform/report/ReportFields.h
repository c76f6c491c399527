#pragma once

#include "ReportField.h"

#include <vector>

struct ReportSectionDefinition;
struct ReportFont;

// The field list of one section: fields by key, and fields added at run time.
class ReportFields : public QObject
{
    Q_OBJECT

public:
    ReportFields(ReportSectionDefinition& section, const ReportFont& font, QObject* parent);

    // The field of that key (a string variant); a key the section lacks raises.
    IReportFieldPtr Field(const QVariant& key) const;
    // A new text field at that place, in twips, with the report's font. Any
    // number may be added; they flow onto further pages with the section.
    IReportFieldPtr AddField(
        const QString& name, const QString& text, double left, double top, double width, double height);

    int Count() const { return static_cast<int>(m_fields.size()); }

private:
    ReportSectionDefinition& m_section;
    const ReportFont& m_font;
    std::vector<ReportField*> m_fields;
};

using IReportFieldsPtr = InterfacePtr<ReportFields>;
