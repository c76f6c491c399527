#pragma once

#include <QString>

// Where a report writes the plot pictures it prints: the folder of its
// definition file when that folder can be written (a build tree, a test),
// otherwise the user's own "Dependencies" folder, since an installed
// program folder is read-only and a failed picture would only show as a
// report that "could not be found/matched".
namespace ReportPictureFolder
{

// The folder, created if need be, ending in "/".
QString forDefinition(const QString& definitionPath);

} // namespace ReportPictureFolder
