#include "CAlarmConfig.h"

CAlarmConfig::CAlarmConfig(QWidget* parent)
    : StripPage(QStringLiteral("CAlarmConfig"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Alarm Configuration"));
}
