#include "WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace
{
// Installed when the widget library loads: every program with windows shows
// the wait cursor; a program without a GUI application shows nothing.
const bool installed = [] {
    WaitCursor::setPresenter([](bool busy) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return;
        if (busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    });
    return true;
}();
}
