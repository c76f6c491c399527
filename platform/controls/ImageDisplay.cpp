#include "ImageDisplay.h"

#include "ui/ControlRegistry.h"
#include "ui/Pictures.h"

#include <QPainter>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(ImageDisplay::ProgId), [](QWidget* parent) { return new ImageDisplay(parent); });
}

ImageDisplay::ImageDisplay(QWidget* parent)
    : InstrumentWidget(parent)
{
}

void ImageDisplay::clear()
{
    m_resourceId = 0;
    setPicture(QPixmap());
}

bool ImageDisplay::loadImageResource(int resourceId)
{
    setPicture(Pictures::load(resourceId));
    m_resourceId = hasPicture() ? resourceId : 0;
    return hasPicture();
}

void ImageDisplay::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void ImageDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBackground(painter);
    if (m_picture.isNull())
        return;
    // A picture that fits is drawn at its own size; a larger one shrinks to
    // fit, keeping its proportions. Either way it is centred.
    const QSizeF own = m_picture.deviceIndependentSize();
    QSizeF drawn = own;
    if (own.width() > width() || own.height() > height())
        drawn = own.scaled(size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - drawn.width()) / 2.0, (height() - drawn.height()) / 2.0), drawn);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, m_picture, QRectF(QPointF(0, 0), m_picture.size()));
}
