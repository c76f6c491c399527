#include "PlotSaveFile.h"

#include "automation/ComError.h"

#include <QSaveFile>

namespace PlotSaveFile
{

void write(const QString& path, const std::function<void(QIODevice&)>& writeContent)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ComError(ComError::Failure, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    writeContent(file);
    // QSaveFile::commit() reports success after a short write (a disk that
    // filled up midway), so check the error state ourselves before the rename.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw ComError(ComError::Failure, QStringLiteral("Cannot write %1: %2").arg(path, why));
    }
    if (!file.commit())
        throw ComError(ComError::Failure, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace PlotSaveFile
