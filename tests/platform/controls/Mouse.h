#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Mouse and key input delivered straight to a control, as the user's hand would.
namespace Mouse
{

inline void send(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

inline void press(QWidget& widget, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    send(widget, QEvent::MouseButtonPress, at, button, button);
}

inline void move(QWidget& widget, QPointF at, Qt::MouseButtons held = Qt::LeftButton)
{
    send(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}

inline void release(QWidget& widget, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    send(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

inline void click(QWidget& widget, QPointF at)
{
    press(widget, at);
    release(widget, at);
}

inline void key(QWidget& widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// Typing, one key per character, as into a field.
inline void type(QWidget& widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&widget, &event);
    }
}

} // namespace Mouse
