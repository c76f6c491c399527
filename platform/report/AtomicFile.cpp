#include "AtomicFile.h"

#include "automation/ComError.h"

#include <QSaveFile>

void AtomicFile::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // QSaveFile reports a short write only through the count it returns.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw ComError(ComError::Failure, QStringLiteral("Cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        throw ComError(ComError::Failure, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
