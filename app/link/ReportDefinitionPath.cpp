#include "ReportDefinitionPath.h"

namespace
{
// The device type the smaller model reports.
constexpr int SmallerModelDeviceType = 6;
}

QString ReportDefinitionPath(const QString& programFolder, const QString& stem, int deviceType)
{
    QString path = programFolder + QStringLiteral("Dependencies/") + stem;
    if (deviceType == SmallerModelDeviceType)
        path += QStringLiteral("_K40");
    return path + QStringLiteral(".xml");
}
