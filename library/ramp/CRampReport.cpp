#include "ramp/CRampReport.h"

#include "core/ModuleStateGuard.h"

CRampReport::CRampReport()
{
    ModuleStateGuard moduleState;
}

CRampReport::CRampReport(const CRampReport& other) = default;
CRampReport& CRampReport::operator=(const CRampReport& other) = default;
CRampReport::~CRampReport() = default;
