#include "CAlarmsView.h"

CAlarmsView::CAlarmsView(PageContext& context, QWidget* parent)
    : HubPage(context, QStringLiteral("CAlarmsView"), DialogId, Template, NavigationButtons, ToolTips, parent)
{
}
