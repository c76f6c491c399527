#include "ValidityMark.h"

#include "ui/FormPage.h"
#include "ui/Pictures.h"

#include <QLabel>

namespace ValidityMark
{

bool show(FormPage* page, int markId, bool valid, const QString& tip)
{
    auto* mark = page ? page->controlAs<QLabel>(markId) : nullptr;
    if (!mark)
        return valid;
    mark->setPixmap(Pictures::load(valid ? ValidIcon : InvalidIcon));
    if (!valid)
        mark->setToolTip(tip);
    return valid;
}

} // namespace ValidityMark
