#include "trends/CTrendsReport.h"

#include "core/ModuleStateGuard.h"

CTrendsReport::CTrendsReport()
{
    ModuleStateGuard moduleState;
}

CTrendsReport::CTrendsReport(const CTrendsReport& other) = default;
CTrendsReport& CTrendsReport::operator=(const CTrendsReport& other) = default;
CTrendsReport::~CTrendsReport() = default;
