#pragma once

#include "AppLog.h"

#include "automation/InterfacePtr.h"
#include "ui/ControlRegistry.h"
#include "ui/FormPage.h"

#include <QRect>
#include <QString>

// The program's own control factories share one shape: create the control
// registered under the class's ProgId on the page over a placeholder's screen rectangle, give it its id
// and size. A control that cannot be created is only written to the log
// (the result is then empty); one of another kind raises the invalid-pointer
// error, as a call through an empty interface would.
namespace ProgramControlFactory
{

inline const QString CannotCreate
    = QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator");

template <class T> InterfacePtr<T> create(FormPage* page, const QRect& screenRect, int id, const AppLog& log)
{
    QWidget* widget = ControlRegistry::instance().create(QString::fromLatin1(T::ProgId), page);
    if (!widget) {
        log.WriteLog(CannotCreate);
        return {};
    }
    const QRect rect = page ? page->screenToClient(screenRect) : screenRect;
    if (page)
        page->addControl(id, widget);
    widget->setGeometry(rect);
    widget->show();
    InterfacePtr<T> control;
    try {
        control = InterfacePtr<T>::fromObject(widget);
    } catch (const ComError& error) {
        if (error.code() != ComError::NoInterface)
            throw;
    }
    if (!control)
        throw ComError(ComError::InvalidPointer, QStringLiteral("Invalid pointer"));
    control->setWidth(rect.width());
    control->setHeight(rect.height());
    return control;
}

} // namespace ProgramControlFactory
