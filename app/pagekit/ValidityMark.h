#pragma once

#include "FieldRange.h"

#include <QString>

#include <optional>

class FormPage;

// The mark beside a settings edit of the test and calibration pages: a blank
// icon (139) while the entry is acceptable, a small red exclamation mark
// (138) with a tooltip naming the problem while it is not. The tooltip stays
// on the mark once given.
namespace ValidityMark
{
constexpr int ValidIcon = 139;
constexpr int InvalidIcon = 138;

// Shows the mark `markId` (a picture control) for `valid`; an invalid entry
// also gets `tip` on the mark. Returns `valid`, the edit's validity flag.
bool show(FormPage* page, int markId, bool valid, const QString& tip);

// Reads the edit `editId` as a number in `range` (the whole text, see
// WindowNumber), shows the mark `markId` for it and gives the number only
// when it is one in the range.
std::optional<double> checkField(FormPage* page, int editId, int markId, const FieldRange& range, const QString& tip);
} // namespace ValidityMark
