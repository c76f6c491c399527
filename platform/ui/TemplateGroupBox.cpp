#include "TemplateGroupBox.h"

#include "FontToFit.h"

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

QFont TemplateGroupBox::titleFont() const
{
    const int room = width() - 2 * QFontMetrics(font()).averageCharWidth();
    return fontToFit(font(), room, [&](const QFont& f) {
        return QFontMetrics(f).size(Qt::TextShowMnemonic | Qt::TextSingleLine, title()).width();
    });
}

QRect TemplateGroupBox::titleRect() const
{
    if (title().isEmpty())
        return QRect();
    // The title starts one average character in from the frame's edge, and is
    // centred on the frame line whatever its font.
    const int indent = fontMetrics().averageCharWidth();
    const int width = QFontMetrics(titleFont()).size(Qt::TextShowMnemonic | Qt::TextSingleLine, title()).width();
    QRect rect(indent, 0, width, fontMetrics().height());
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
    painter.setFont(titleFont());
    style()->drawItemText(&painter, title, flags, option.palette, isEnabled(), this->title(), QPalette::WindowText);
}
