#include "LimitFieldMarks.h"

#include "AppLog.h"
#include "KitPage.h"
#include "PageHelpers.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

LimitFieldMarks::LimitFieldMarks(KitPage& page)
    : m_page(page)
{
}

void LimitFieldMarks::add(std::span<const Field> fields)
{
    for (const Field& each : fields) {
        m_fields.push_back({ each, each.range });
        const int edit = each.edit;
        // Only ever cleared here: a text is marked when the user leaves it, not
        // at each key on the way to a number.
        m_page.onTextChanged(edit, "OnLimitTextChanged", [this, edit] {
            const Kept* changed = kept(edit);
            if (taken(*changed))
                show(changed->field, true);
        });
    }
}

const LimitFieldMarks::Field* LimitFieldMarks::field(int edit) const
{
    const Kept* each = kept(edit);
    return each ? &each->field : nullptr;
}

const LimitFieldMarks::Kept* LimitFieldMarks::kept(int edit) const
{
    for (const Kept& each : m_fields) {
        if (each.field.edit == edit)
            return &each;
    }
    return nullptr;
}

LimitFieldMarks::Kept* LimitFieldMarks::kept(int edit)
{
    for (Kept& each : m_fields) {
        if (each.field.edit == edit)
            return &each;
    }
    return nullptr;
}

void LimitFieldMarks::setRange(int edit, const FieldRange& range)
{
    Kept* each = kept(edit);
    each->own = range;
    each->field.range = range;
}

void LimitFieldMarks::shown(int edit, double value)
{
    Kept* each = kept(edit);
    FieldRange widened = each->own;
    if (std::isfinite(value)) {
        widened.least = std::min(widened.least, value);
        widened.most = std::max(widened.most, value);
    }
    each->field.range = widened;
    pageText(edit);
}

void LimitFieldMarks::pageText(int edit)
{
    kept(edit)->pageText = m_page.windowText(edit);
}

std::optional<double> LimitFieldMarks::taken(const Kept& each) const
{
    const QString text = m_page.windowText(each.field.edit);
    const std::optional<double> number = WindowNumber(m_page.control(each.field.edit));
    // The page's own value, off the step or not, goes out as the page holds it.
    if (number && std::isfinite(*number) && !each.pageText.isEmpty() && text == each.pageText)
        return number;
    return each.field.range.take(number);
}

const FieldRange& LimitFieldMarks::range(int edit) const
{
    return field(edit)->range;
}

void LimitFieldMarks::show(const Field& field, bool valid)
{
    if (field.mark)
        ValidityMark::show(&m_page, field.mark, valid, field.range.tip());
}

std::optional<double> LimitFieldMarks::check(int edit)
{
    const Kept* checked = kept(edit);
    const std::optional<double> value = taken(*checked);
    show(checked->field, value.has_value());
    return value;
}

bool LimitFieldMarks::checkAll(const std::vector<int>& edits, const char* command)
{
    const Field* first = nullptr;
    for (int edit : edits) {
        if (!check(edit) && !first)
            first = field(edit);
    }
    if (!first)
        return true;
    m_page.context().log().WriteLog(QStringLiteral("%1 not sent: %2 is not one of the %3")
                                        .arg(QString::fromLatin1(command), first->name, first->range.describe()));
    return false;
}

void LimitFieldMarks::clear(int edit)
{
    show(*field(edit), true);
}
