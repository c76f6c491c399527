#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class QWidget;

// A rendered control, kept as a picture under artifacts/ beside bin/ so a
// failing look can be inspected, and read back in widget coordinates.
class Grab
{
public:
    Grab(QWidget& widget, const QString& artifactName);

    QColor at(int x, int y) const;
    QColor at(const QPointF& point) const { return at(qRound(point.x()), qRound(point.y())); }
    bool contains(const QColor& color) const;
    // The smallest rectangle (widget coordinates) holding every pixel of `color`.
    QRectF boundsOf(const QColor& color) const;
    // The mean position (widget coordinates) of every pixel of `color`; null
    // when there is none. `count` gets how many there are.
    QPointF centroidOf(const QColor& color, int* count = nullptr) const;
    // The smallest rectangle (widget coordinates) holding every pixel that is
    // not `background`, leaving out a border of `margin` pixels (a frame).
    QRectF inkBounds(const QColor& background, int margin) const;

private:
    QRectF boundsWhere(int margin, const std::function<bool(const QColor&)>& matches) const;

    QImage m_image;
    qreal m_ratio;
};
