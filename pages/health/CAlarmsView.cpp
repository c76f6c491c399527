#include "CAlarmsView.h"

CAlarmsView::CAlarmsView(QWidget* parent)
    : StripPage(QStringLiteral("CAlarmsView"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Alarms"));
}
