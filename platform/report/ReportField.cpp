#include "ReportField.h"

#include "automation/ComError.h"

#include <QImageReader>

ReportField::ReportField(ReportItem& item, QObject* parent)
    : QObject(parent)
    , m_item(item)
{
}

void ReportField::SetText(const QString& text)
{
    if (m_item.kind == ReportItemKind::Picture)
        throw ComError(ComError::InvalidArgument, QStringLiteral("Field \"%1\" holds a picture").arg(m_item.key));
    m_item.text = text;
}

void ReportField::SetPicture(const QVariant& path)
{
    if (m_item.kind != ReportItemKind::Picture)
        throw ComError(ComError::InvalidArgument, QStringLiteral("Field \"%1\" holds no picture").arg(m_item.key));
    if (path.typeId() != QMetaType::QString)
        throw ComError(ComError::InvalidArgument, QStringLiteral("A picture is given by its path"));
    const QString file = path.toString();
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull())
        throw ComError(
            ComError::Failure, QStringLiteral("Cannot read the picture %1: %2").arg(file, reader.errorString()));
    m_item.picture = std::move(image);
}

void ReportField::SetFieldAttribute(int attribute)
{
    if (attribute != SingleLineClipped)
        throw ComError(ComError::InvalidArgument, QStringLiteral("Unknown field attribute %1").arg(attribute));
    m_item.singleLine = true;
}
