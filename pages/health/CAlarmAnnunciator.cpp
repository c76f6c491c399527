#include "CAlarmAnnunciator.h"

CAlarmAnnunciator::CAlarmAnnunciator(QWidget* parent)
    : StripPage(QStringLiteral("CAlarmAnnunciator"), DialogId, StripTimer::None, parent)
{
    buildShellTemplate(QStringLiteral("Alarm Annunciators"));
}
