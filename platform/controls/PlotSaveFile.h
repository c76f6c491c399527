#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a plot's file through a temporary file that replaces the target only
// when every byte was written: a failure (a full disk, a folder that cannot
// be written) leaves the previous file as it was and raises ComError.
namespace PlotSaveFile
{

void write(const QString& path, const std::function<void(QIODevice&)>& writeContent);

} // namespace PlotSaveFile
