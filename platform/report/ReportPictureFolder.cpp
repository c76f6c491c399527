#include "ReportPictureFolder.h"

#include <QDir>

ReportPictureFolder::ReportPictureFolder()
{
    // No temporary folder (one that is named but missing reads as none):
    // no picture folder either, rather than one in the current folder.
    const QString temporary = QDir::tempPath();
    if (!temporary.isEmpty())
        m_dir.emplace(temporary + QStringLiteral("/strokewise-report-XXXXXX"));
}

bool ReportPictureFolder::isValid() const
{
    return m_dir && m_dir->isValid();
}

QString ReportPictureFolder::path() const
{
    return isValid() ? m_dir->path() + QLatin1Char('/') : QString();
}
