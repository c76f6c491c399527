#include "Grab.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

Grab::Grab(QWidget& widget, const QString& artifactName)
{
    widget.ensurePolished();
    const QPixmap pixmap = widget.grab();
    m_ratio = pixmap.devicePixelRatio();
    m_image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    const QString folder
        = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../artifacts"));
    QDir().mkpath(folder);
    m_image.save(folder + QLatin1Char('/') + artifactName + QStringLiteral(".png"));
}

QColor Grab::at(int x, int y) const
{
    return m_image.pixelColor(qRound(x * m_ratio), qRound(y * m_ratio));
}

bool Grab::contains(const QColor& color) const
{
    for (int y = 0; y < m_image.height(); ++y)
        for (int x = 0; x < m_image.width(); ++x)
            if (m_image.pixelColor(x, y) == color)
                return true;
    return false;
}

QPointF Grab::centroidOf(const QColor& color, int* count) const
{
    double sumX = 0;
    double sumY = 0;
    int found = 0;
    for (int y = 0; y < m_image.height(); ++y)
        for (int x = 0; x < m_image.width(); ++x)
            if (m_image.pixelColor(x, y) == color) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++found;
            }
    if (count)
        *count = found;
    return found ? QPointF(sumX / found / m_ratio, sumY / found / m_ratio) : QPointF();
}

QRectF Grab::boundsOf(const QColor& color) const
{
    return boundsWhere(0, [&color](const QColor& pixel) { return pixel == color; });
}

QRectF Grab::inkBounds(const QColor& background, int margin) const
{
    return boundsWhere(qRound(margin * m_ratio), [&background](const QColor& pixel) { return pixel != background; });
}

QRectF Grab::boundsWhere(int margin, const std::function<bool(const QColor&)>& matches) const
{
    QRect bounds;
    for (int y = margin; y < m_image.height() - margin; ++y)
        for (int x = margin; x < m_image.width() - margin; ++x)
            if (matches(m_image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return QRectF(bounds.x() / m_ratio, bounds.y() / m_ratio, bounds.width() / m_ratio, bounds.height() / m_ratio);
}
