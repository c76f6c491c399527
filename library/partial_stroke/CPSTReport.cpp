#include "partial_stroke/CPSTReport.h"

#include "core/ModuleStateGuard.h"

CPSTReport::CPSTReport()
{
    ModuleStateGuard moduleState;
}

CPSTReport::CPSTReport(const CPSTReport& other) = default;
CPSTReport& CPSTReport::operator=(const CPSTReport& other) = default;
CPSTReport::~CPSTReport() = default;
