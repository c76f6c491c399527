#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through a temporary one and a rename, so a failure
// (a full disk, a file size limit, an unwritable folder) leaves what was
// there before. Raises ComError on any failure, a short write included.
namespace AtomicFile
{

void write(const QString& path, const QByteArray& bytes);

} // namespace AtomicFile
