#pragma once

#include "core/ModuleStateGuard.h"

#include <QString>

#include <type_traits>

// The body of an export that loads, saves or prints runs inside one catch-all:
// any failure shows the family's text in a box with no owner window, an empty
// caption and OK, and the export then returns false (loaders) or nothing. The
// library's module state covers the whole call, box included.
namespace ExportFailureText
{
inline const QString FileOpen = QStringLiteral("File open error.");
inline const QString FileSave = QStringLiteral("File save error.");
inline const QString ReportDefinition = QStringLiteral("Report Definition file could not be found/matched.");
}

// Shows the failure box of an export.
void ShowExportFailure(const QString& text);

// Runs `body` (returning bool or nothing). The result is the body's own, or
// true when it returns nothing; false when anything was thrown.
template <typename Body> bool RunGuardedExport(const QString& failureText, Body&& body)
{
    ModuleStateGuard moduleState;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Body>>) {
            body();
            return true;
        } else {
            return static_cast<bool>(body());
        }
    } catch (...) {
        ShowExportFailure(failureText);
        return false;
    }
}
