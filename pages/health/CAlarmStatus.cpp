#include "CAlarmStatus.h"

CAlarmStatus::CAlarmStatus(QWidget* parent)
    : StripPage(QStringLiteral("CAlarmStatus"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Alarm Status"));
}
