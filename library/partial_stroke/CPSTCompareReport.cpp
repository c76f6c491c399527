#include "partial_stroke/CPSTCompareReport.h"

#include "core/ModuleStateGuard.h"

CPSTCompareReport::CPSTCompareReport()
{
    ModuleStateGuard moduleState;
}

CPSTCompareReport::CPSTCompareReport(const CPSTCompareReport& other) = default;
CPSTCompareReport& CPSTCompareReport::operator=(const CPSTCompareReport& other) = default;
CPSTCompareReport::~CPSTCompareReport() = default;
