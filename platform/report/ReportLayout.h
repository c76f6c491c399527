#pragma once

#include "ReportDocument.h"

// Lays a filled report definition out on pages. "Page Header" and "Page
// Footer" repeat on every page; every other section flows, in file order,
// down the room between them. When an item would run past the bottom of that
// room it starts the next page, and everything after it moves along with it,
// so fields added below the last line flow onto as many pages as they need.
// Expression fields are evaluated once the page count is known; every other
// text prints as it stands.
namespace ReportLayout
{

ReportDocument layout(const ReportDefinition& definition);

} // namespace ReportLayout
