#include "AlarmGrid.h"

#include "ProgramControlFactory.h"

IGridPtr CreateAlarmGrid(FormPage* page, const QRect& screenRect, int id, const AppLog& log)
{
    QWidget* widget = ControlRegistry::instance().create(GridControl::ProgId, page);
    if (!widget) {
        log.WriteLog(ProgramControlFactory::CannotCreate);
        return {};
    }
    page->addControl(id, widget);
    widget->setGeometry(page->screenToClient(screenRect));
    widget->raise();
    widget->show();
    return IGridPtr::fromObject(widget);
}
