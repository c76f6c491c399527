#include "ReportPictureFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ReportPictureFolder::forDefinition(const QString& definitionPath)
{
    const QFileInfo definition(definitionPath);
    const QFileInfo folder(definition.absolutePath());
    if (!definitionPath.isEmpty() && folder.isDir() && folder.isWritable())
        return folder.absoluteFilePath() + QLatin1Char('/');
    const QString own
        = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Dependencies");
    QDir().mkpath(own);
    return own + QLatin1Char('/');
}
