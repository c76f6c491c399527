#include "TemplateGroupBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace
{
// The gap the frame line leaves either side of the title.
constexpr int kTitleGap = 2;
}

TemplateGroupBox::TemplateGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

QRect TemplateGroupBox::titleRect() const
{
    if (title().isEmpty())
        return QRect();
    const QFontMetrics metrics = fontMetrics();
    // The title starts one average character in from the frame's edge; a
    // title longer than the group runs on to its edge and is cut there.
    const int indent = metrics.averageCharWidth();
    const int width = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, title()).width();
    QRect rect(indent, 0, width, metrics.height());
    if (alignment() & Qt::AlignHCenter)
        rect.moveLeft((this->width() - width) / 2);
    else if (alignment() & Qt::AlignRight)
        rect.moveRight(this->width() - 1 - indent);
    return QStyle::visualRect(layoutDirection(), this->rect(), rect);
}

QRect TemplateGroupBox::frameRect() const
{
    return rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
}

void TemplateGroupBox::paintEvent(QPaintEvent*)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QPainter painter(this);
    const QRect title = titleRect();

    painter.save();
    if (!title.isEmpty())
        painter.setClipRegion(QRegion(rect()) - title.adjusted(-kTitleGap, 0, kTitleGap, 0));
    qDrawShadeRect(&painter, frameRect(), option.palette, true, 1, 0);
    painter.restore();

    if (title.isEmpty())
        return;
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    style()->drawItemText(&painter, title, flags, option.palette, isEnabled(), this->title(), QPalette::WindowText);
}
