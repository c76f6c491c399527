#include "ValidityMark.h"

#include "PageHelpers.h"
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

std::optional<double> checkField(FormPage* page, int editId, int markId, const FieldRange& range, const QString& tip)
{
    const std::optional<double> value = page ? WindowNumberIn(page->control(editId), range) : std::nullopt;
    show(page, markId, value.has_value(), tip);
    return value;
}

} // namespace ValidityMark
