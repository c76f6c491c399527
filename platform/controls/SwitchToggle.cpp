#include "SwitchToggle.h"

#include "ui/ControlRegistry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(SwitchToggle::ProgId), [](QWidget* parent) { return new SwitchToggle(parent); });
}

SwitchToggle::SwitchToggle(QWidget* parent)
    : InstrumentWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void SwitchToggle::setValue(bool on)
{
    assign(m_on, on);
}

void SwitchToggle::setOnAtStart(bool atStart)
{
    assign(m_onAtStart, atStart);
}

void SwitchToggle::applyFactoryDefaults()
{
    setActive(true);
}

void SwitchToggle::toggleByUser()
{
    if (!active())
        return;
    setValue(!m_on);
    emit changed();
}

void SwitchToggle::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void SwitchToggle::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        toggleByUser();
}

void SwitchToggle::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space)
        toggleByUser();
    else
        InstrumentWidget::keyPressEvent(event);
}

void SwitchToggle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);

    // The lever runs along the longer side: up or right is on, unless the
    // switch is on at its start.
    const bool vertical = height() > width();
    const qreal thickness = qMin(width(), height()) * 0.6;
    const qreal length = qMax(width(), height()) * 0.9;
    QRectF track(0, 0, vertical ? thickness : length, vertical ? length : thickness);
    track.moveCenter(QRectF(rect()).center());
    const qreal radius = thickness / 2;

    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter.setBrush(shown(m_on ? QColor(0x3C, 0xB3, 0x4A) : QColor(0x9A, 0x9A, 0x9A)));
    painter.drawRoundedRect(track, radius, radius);

    const qreal knob = thickness - 4;
    QRectF lever(0, 0, knob, knob);
    const bool atEnd = m_on != m_onAtStart;
    if (vertical)
        lever.moveCenter(QPointF(track.center().x(), atEnd ? track.top() + radius : track.bottom() - radius));
    else
        lever.moveCenter(QPointF(atEnd ? track.right() - radius : track.left() + radius, track.center().y()));
    painter.setBrush(shown(QColor(0xFA, 0xFA, 0xFA)));
    painter.drawEllipse(lever);

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(-2, -2, 2, 2), radius + 2, radius + 2);
    }
}
