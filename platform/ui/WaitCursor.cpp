#include "WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

WaitCursor::WaitCursor()
    : m_active(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
{
    if (m_active)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor()
{
    if (m_active)
        QGuiApplication::restoreOverrideCursor();
}
