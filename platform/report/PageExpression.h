#pragma once

#include <QString>

#include <optional>

// The small expression language of expression fields: quoted texts and the
// page counters joined by "&", as in  " Page " & [Page] & "/" & [Pages].
// A doubled quote inside a quoted text stands for one quote.
namespace PageExpression
{

// The value on page `page` (from 1) of `pages`, or nothing when `text` is not
// an expression of that language; the caller then prints it as it stands.
std::optional<QString> evaluate(const QString& text, int page, int pages);

} // namespace PageExpression
