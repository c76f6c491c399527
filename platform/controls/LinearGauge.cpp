#include "LinearGauge.h"

#include "ScaleTicks.h"
#include "WinColor.h"

#include "automation/ComError.h"
#include "ui/ControlRegistry.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(LinearGauge::ProgId), [](QWidget* parent) { return new LinearGauge(parent); });

constexpr double kGrabDistance = 6.0;
const QColor kBandColor(143, 143, 188);
const QColor kMarkerColor(200, 0, 0);

short buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    return static_cast<short>((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0));
}
} // namespace

LinearGauge::LinearGauge(QWidget* parent)
    : InstrumentWidget(parent)
    , m_pointers(1)
    , m_upperMarker(std::nan(""))
    , m_lowerMarker(std::nan(""))
{
}

void LinearGauge::setScaleMin(double value)
{
    assign(m_scaleMin, value);
}

void LinearGauge::setScaleMax(double value)
{
    assign(m_scaleMax, value);
}

int LinearGauge::addPointer()
{
    Pointer added;
    added.position = m_scaleMin;
    m_pointers.push_back(added);
    update();
    return pointerCount() - 1;
}

LinearGauge::Pointer& LinearGauge::pointer(int index)
{
    return const_cast<Pointer&>(std::as_const(*this).pointer(index));
}

const LinearGauge::Pointer& LinearGauge::pointer(int index) const
{
    if (index < 0 || index >= pointerCount())
        throw ComError(ComError::InvalidArgument, QStringLiteral("The gauge has no pointer %1").arg(index));
    return m_pointers[static_cast<size_t>(index)];
}

double LinearGauge::pointerPosition(int index) const
{
    return pointer(index).position;
}

bool LinearGauge::movePointer(int index, double position)
{
    if (std::isnan(position))
        return false;
    return assign(pointer(index).position, position);
}

void LinearGauge::setPointerPosition(int index, double position)
{
    if (movePointer(index, position) && index != 0)
        emit pointerMoved(index);
}

void LinearGauge::setPointerPositionSilent(int index, double position)
{
    movePointer(index, position);
}

uint32_t LinearGauge::pointerColor(int index) const
{
    return pointer(index).color;
}

void LinearGauge::setPointerColor(int index, uint32_t color)
{
    assign(pointer(index).color, color);
}

bool LinearGauge::pointerVisible(int index) const
{
    return pointer(index).visible;
}

void LinearGauge::setPointerVisible(int index, bool visible)
{
    assign(pointer(index).visible, visible);
}

bool LinearGauge::pointerDraggable(int index) const
{
    return pointer(index).draggable;
}

void LinearGauge::setPointerDraggable(int index, bool draggable)
{
    assign(pointer(index).draggable, draggable);
}

void LinearGauge::setIndicatorColor(uint32_t color)
{
    assign(m_indicatorColor, color);
}

void LinearGauge::setBandLow(double value)
{
    assign(m_bandLow, value);
}

void LinearGauge::setBandHigh(double value)
{
    assign(m_bandHigh, value);
}

void LinearGauge::setUpperMarker(double value)
{
    assign(m_upperMarker, value);
}

void LinearGauge::setLowerMarker(double value)
{
    assign(m_lowerMarker, value);
}

void LinearGauge::setStyle(Style style)
{
    assign(m_style, style);
}

void LinearGauge::setSegmentCount(int count)
{
    assign(m_segmentCount, std::max(count, 1));
}

void LinearGauge::applyFactoryDefaults()
{
    setBackgroundColor(WinColor::ButtonFace);
}

LinearGauge::Layout LinearGauge::layout() const
{
    const double length = vertical() ? height() : width();
    const double thickness = vertical() ? width() : height();
    const QFontMetricsF metrics(font());
    double widest = 0;
    for (const QString& label : ScaleTicks::labels(scaleTicks(length)))
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const double labelRoom = vertical() ? widest : metrics.height();

    Layout l {};
    l.laneTop = 1;
    l.trackTop = l.laneTop + std::clamp(thickness * 0.3, 6.0, 14.0);
    l.trackBottom = l.trackTop + std::clamp(thickness * 0.25, 4.0, 12.0);
    l.labels = thickness - l.trackBottom - 9 >= labelRoom;
    const double endRoom = l.labels ? (vertical() ? metrics.height() : widest) / 2 + 2 : 0;
    const double pad = std::max(endRoom, (l.trackTop - l.laneTop) * 0.6 + 2);
    l.start = pad;
    l.end = std::max(pad + 1, length - pad);
    return l;
}

QPointF LinearGauge::at(double a, double c) const
{
    return vertical() ? QPointF(c, height() - a) : QPointF(a, c);
}

QRectF LinearGauge::area(double a0, double a1, double c0, double c1) const
{
    return QRectF(at(a0, c0), at(a1, c1)).normalized();
}

double LinearGauge::axisOf(double value, const Layout& l) const
{
    return l.start + ScaleTicks::fractionOf(value, m_scaleMin, m_scaleMax) * (l.end - l.start);
}

QPointF LinearGauge::scalePoint(double value) const
{
    const Layout l = layout();
    return at(axisOf(value, l), (l.trackTop + l.trackBottom) / 2);
}

double LinearGauge::axisAt(QPointF point) const
{
    return vertical() ? height() - point.y() : point.x();
}

double LinearGauge::valueAt(double a) const
{
    const Layout l = layout();
    return m_scaleMin + ScaleTicks::fractionOf(a, l.start, l.end) * (m_scaleMax - m_scaleMin);
}

int LinearGauge::pointerAt(QPointF point) const
{
    const Layout l = layout();
    const double a = axisAt(point);
    int nearest = -1;
    double best = kGrabDistance;
    // Later pointers are drawn on top, so they win a tie.
    for (int i = pointerCount() - 1; i >= 0; --i) {
        const Pointer& p = m_pointers[static_cast<size_t>(i)];
        const double distance = std::fabs(axisOf(p.position, l) - a);
        if (p.visible && p.draggable && distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

void LinearGauge::dragTo(QPointF point)
{
    const double a = axisAt(point);
    // A click without a move leaves the limit exactly as it was.
    if (!m_dragMoved && a == m_dragFrom)
        return;
    m_dragMoved = true;
    setPointerPosition(m_dragged, valueAt(a + m_grabOffset));
}

void LinearGauge::mousePressEvent(QMouseEvent* event)
{
    if (!active() || m_style != Style::Bar)
        return;
    m_pressed = true;
    if (event->button() == Qt::LeftButton) {
        m_dragged = pointerAt(event->position());
        if (m_dragged >= 0) {
            m_dragFrom = axisAt(event->position());
            m_grabOffset = axisOf(pointerPosition(m_dragged), layout()) - m_dragFrom;
            m_dragMoved = false;
        }
    }
}

void LinearGauge::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragged >= 0 && (event->buttons() & Qt::LeftButton))
        dragTo(event->position());
}

void LinearGauge::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    if (m_dragged >= 0 && event->button() == Qt::LeftButton) {
        dragTo(event->position());
        m_dragged = -1;
    }
    if (event->buttons() == Qt::NoButton)
        m_pressed = false;
    const QPoint at = event->position().toPoint();
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void LinearGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    if (m_style == Style::Lamp) {
        paintLamp(painter);
        return;
    }
    if (m_style == Style::Fill) {
        paintFill(painter);
        return;
    }
    const Layout l = layout();
    paintTrack(painter, l);
    paintScale(painter, l);
    paintMarker(painter, l, m_lowerMarker);
    paintMarker(painter, l, m_upperMarker);
    for (const Pointer& p : m_pointers)
        paintPointer(painter, l, p);
}

void LinearGauge::paintLamp(QPainter& painter) const
{
    const bool lit = value() >= (m_scaleMin + m_scaleMax) / 2;
    const QColor color = shown(m_indicatorColor);
    painter.setPen(QPen(color.darker(200), 1));
    painter.setBrush(lit ? color : color.darker(350));
    const QRectF lamp = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.drawRoundedRect(lamp, 3, 3);
}

QRectF LinearGauge::fillTrack() const
{
    return QRectF(rect()).adjusted(1, 1, -1, -1);
}

void LinearGauge::paintFill(QPainter& painter) const
{
    const QRectF track = fillTrack();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shown(QColor(0xC0, 0xC0, 0xC0)));
    painter.drawRect(track);
    // A value beyond the scale fills the whole bar, never more.
    const double share = std::clamp(ScaleTicks::fractionOf(value(), m_scaleMin, m_scaleMax), 0.0, 1.0);
    if (share > 0) {
        painter.setBrush(shown(m_indicatorColor));
        if (vertical())
            painter.drawRect(
                QRectF(track.left(), track.bottom() - share * track.height(), track.width(), share * track.height()));
        else
            painter.drawRect(QRectF(track.left(), track.top(), share * track.width(), track.height()));
    }
    painter.setPen(QPen(shown(QColor(0x80, 0x80, 0x80)), 1));
    painter.setBrush(Qt::NoBrush);
    for (int k = 1; k < m_segmentCount; ++k) {
        const double f = double(k) / m_segmentCount;
        if (vertical()) {
            const double y = std::round(track.bottom() - f * track.height()) + 0.5;
            painter.drawLine(QPointF(track.left(), y), QPointF(track.right(), y));
        } else {
            const double x = std::round(track.left() + f * track.width()) + 0.5;
            painter.drawLine(QPointF(x, track.top()), QPointF(x, track.bottom()));
        }
    }
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void LinearGauge::paintTrack(QPainter& painter, const Layout& l) const
{
    const QRectF track = area(l.start, l.end, l.trackTop, l.trackBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(track);

    if (m_bandHigh > m_bandLow) {
        painter.setBrush(shown(kBandColor));
        painter.drawRect(area(axisOf(m_bandLow, l), axisOf(m_bandHigh, l), l.trackBottom, l.trackBottom + 3));
    }
    if (m_pointers[0].visible) {
        painter.setBrush(shown(m_indicatorColor));
        painter.drawRect(area(l.start, axisOf(value(), l), l.trackTop, l.trackBottom));
    }
    painter.setPen(QPen(shown(QColor(0x50, 0x50, 0x50)), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(track);
}

std::vector<double> LinearGauge::scaleTicks(double length) const
{
    const double from = std::min(m_scaleMin, m_scaleMax);
    const double to = std::max(m_scaleMin, m_scaleMax);
    int count = std::max(2, static_cast<int>(length / 40));
    std::vector<double> ticks = ScaleTicks::nice(from, to, count);
    if (!(to > from))
        return ticks;
    // Long labels (counts in the millions) take the next round step, until
    // neighbouring labels stand a character apart where they are drawn.
    const QFontMetricsF metrics(font());
    const double gap = metrics.horizontalAdvance(QLatin1Char('0'));
    const double thickness = vertical() ? width() : height();
    const double pointerRoom = std::clamp(thickness * 0.3, 6.0, 14.0) * 0.6 + 2;
    while (count > 2 && ticks.size() > 1) {
        double widest = 0;
        for (const QString& label : ScaleTicks::labels(ticks))
            widest = std::max(widest, metrics.horizontalAdvance(label));
        const double pad = std::max((vertical() ? metrics.height() : widest) / 2 + 2, pointerRoom);
        if (ScaleTicks::apart(labelBoxes(ticks, pad, std::max(pad + 1, length - pad), 0), gap))
            break;
        ticks = ScaleTicks::nice(from, to, --count);
    }
    return ticks;
}

std::vector<QRectF> LinearGauge::labelBoxes(
    const std::vector<double>& ticks, double start, double end, double tickTop) const
{
    const QFontMetricsF metrics(font());
    const std::vector<QString> labels = ScaleTicks::labels(ticks);
    std::vector<QRectF> boxes;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const double a = start + ScaleTicks::fractionOf(ticks[i], m_scaleMin, m_scaleMax) * (end - start);
        const QPointF anchor = at(a, tickTop + 6);
        const double width = metrics.horizontalAdvance(labels[i]);
        if (vertical())
            boxes.emplace_back(anchor.x(), anchor.y() - metrics.height() / 2, width, metrics.height());
        else
            boxes.emplace_back(anchor.x() - width / 2, anchor.y(), width, metrics.height());
    }
    return boxes;
}

std::vector<QRectF> LinearGauge::scaleLabelRects() const
{
    const Layout l = layout();
    if (!l.labels || m_style != Style::Bar)
        return {};
    return labelBoxes(scaleTicks(vertical() ? height() : width()), l.start, l.end, l.trackBottom + 4);
}

void LinearGauge::paintScale(QPainter& painter, const Layout& l) const
{
    const double tickTop = l.trackBottom + 4;
    painter.setPen(QPen(shown(QColor(0x30, 0x30, 0x30)), 1));
    painter.setFont(font());
    const std::vector<double> ticks = scaleTicks(vertical() ? height() : width());
    const std::vector<QString> labels = ScaleTicks::labels(ticks);
    const std::vector<QRectF> boxes = labelBoxes(ticks, l.start, l.end, tickTop);
    for (size_t i = 0; i < ticks.size(); ++i) {
        const double a = axisOf(ticks[i], l);
        painter.drawLine(at(a, tickTop), at(a, tickTop + 4));
        if (l.labels)
            painter.drawText(boxes[i].adjusted(-1, 0, 1, 0), Qt::AlignCenter, labels[i]);
    }
}

void LinearGauge::paintMarker(QPainter& painter, const Layout& l, double value) const
{
    if (std::isnan(value))
        return;
    const double a = axisOf(value, l);
    painter.setPen(QPen(shown(kMarkerColor), 2));
    painter.drawLine(at(a, l.trackTop - 2), at(a, l.trackBottom + 2));
}

void LinearGauge::paintPointer(QPainter& painter, const Layout& l, const Pointer& p) const
{
    if (!p.visible)
        return;
    const double a = axisOf(p.position, l);
    const double half = (l.trackTop - l.laneTop) * 0.6;
    QPainterPath arrow;
    arrow.moveTo(at(a - half, l.laneTop));
    arrow.lineTo(at(a + half, l.laneTop));
    arrow.lineTo(at(a, l.trackTop));
    arrow.closeSubpath();
    painter.fillPath(arrow, shown(p.color));
}
