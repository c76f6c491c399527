#pragma once

#include <QString>

// The report definition file a page hands the report generators: the
// program folder's "Dependencies/" + stem, "_K40" for the smaller model
// (device type 6), ".xml". The program folder ends in "/". Pages whose report
// chooses its file another way keep their own rule.
QString ReportDefinitionPath(const QString& programFolder, const QString& stem, int deviceType);
