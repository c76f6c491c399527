#pragma once

#include "ReportDefinition.h"
#include "automation/AutoString.h"
#include "automation/InterfacePtr.h"

#include <QObject>
#include <QVariant>

// One field of a loaded report, reached through its section's field list.
// Lives as long as the report that loaded it: after the next LoadReport a
// pointer to it raises the invalid-pointer error.
class ReportField : public QObject
{
    Q_OBJECT

public:
    // The only attribute value in use: one line, clipped to the field.
    static constexpr int SingleLineClipped = 6;

    ReportField(ReportItem& item, QObject* parent);

    QString Key() const { return m_item.key; }
    QString Text() const { return m_item.text; }

    // The text replaces the definition's own; only an expression field
    // evaluates it, every other one prints it as it stands.
    void SetText(const QString& text);
    void SetText(const AutoString& text) { SetText(text.toQString()); }
    void SetText(const char* text) { SetText(QString::fromUtf8(text)); }
    // A variant holding an image file's full path; the picture is read now
    // and drawn scaled to fit the field, its aspect ratio kept, centred.
    void SetPicture(const QVariant& path);
    void SetFieldAttribute(int attribute);

private:
    ReportItem& m_item;
};

using IReportFieldPtr = InterfacePtr<ReportField>;
