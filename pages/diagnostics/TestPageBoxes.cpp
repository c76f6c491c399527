#include "TestPageBoxes.h"

#include "ui/FormPage.h"

#include <QAbstractButton>

void HideBoxAndCloseUp(FormPage* page, int hiddenBox, std::initializer_list<int> boxesBelow)
{
    QWidget* hidden = page ? page->control(hiddenBox) : nullptr;
    if (!hidden)
        return;
    QRect free = hidden->geometry();
    if (auto* box = qobject_cast<QAbstractButton*>(hidden))
        box->setChecked(false);
    hidden->hide();
    for (int id : boxesBelow) {
        QWidget* box = page->control(id);
        if (!box)
            continue;
        const QRect own = box->geometry();
        box->setGeometry(free);
        free = own;
    }
}
