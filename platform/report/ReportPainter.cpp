#include "ReportPainter.h"

#include "automation/ComError.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace
{

constexpr double TwipsPerInch = 1440.0;

} // namespace

QFont ReportPainter::textFont(const ReportFont& font)
{
    QFont qfont(font.family);
    // The painter works in twips, so the size goes in twips too (20 to the point).
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 20.0))));
    qfont.setBold(font.bold);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

int ReportPainter::textFlags(const ReportPageItem& item)
{
    int flags = item.align == ReportAlign::Center ? Qt::AlignHCenter
        : item.align == ReportAlign::Right        ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    if (item.singleLine)
        flags |= Qt::TextSingleLine | Qt::AlignVCenter;
    else
        flags |= Qt::TextWordWrap | Qt::AlignTop;
    return flags;
}

namespace
{

void paintText(const ReportPageItem& item, QPainter& painter)
{
    if (item.text.isEmpty())
        return;
    painter.setFont(ReportPainter::textFont(item.font));
    painter.setPen(Qt::black);
    // drawText clips to the rectangle: a long text never runs into its neighbours.
    painter.drawText(item.rect, ReportPainter::textFlags(item), item.text);
}

void paintPicture(const ReportPageItem& item, QPainter& painter)
{
    if (item.picture.isNull())
        return;
    QSizeF size = QSizeF(item.picture.size()).scaled(QSizeF(item.rect.size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(QRectF(item.rect).center());
    painter.drawImage(target, item.picture);
}

void paintItem(const ReportPageItem& item, QPainter& painter)
{
    switch (item.kind) {
    case ReportItemKind::Text:
    case ReportItemKind::Field:
        paintText(item, painter);
        break;
    case ReportItemKind::Picture:
        paintPicture(item, painter);
        break;
    case ReportItemKind::Line:
        painter.setPen(QPen(Qt::black, item.lineWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
        break;
    case ReportItemKind::Box:
        painter.setPen(QPen(Qt::black, item.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.rect);
        break;
    }
}

} // namespace

void ReportPainter::paintPage(const ReportPage& page, QPainter& painter)
{
    for (const auto& item : page.items)
        paintItem(item, painter);
}

void ReportPainter::paint(const ReportDocument& document, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw ComError(ComError::Failure, QStringLiteral("Cannot draw the report on its output"));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double sx = device.logicalDpiX() / TwipsPerInch;
    const double sy = device.logicalDpiY() / TwipsPerInch;
    for (size_t k = 0; k < document.pages.size(); ++k) {
        if (k > 0 && !device.newPage()) {
            painter.end();
            throw ComError(ComError::Failure, QStringLiteral("Cannot start page %1 of the report").arg(k + 1));
        }
        painter.resetTransform();
        painter.scale(sx, sy);
        paintPage(document.pages[k], painter);
    }
    if (!painter.end())
        throw ComError(ComError::Failure, QStringLiteral("Cannot finish the report"));
}
