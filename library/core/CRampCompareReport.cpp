#include "core/CRampCompareReport.h"

#include "core/ModuleStateGuard.h"

CRampCompareReport::CRampCompareReport()
{
    ModuleStateGuard moduleState;
}

CRampCompareReport::CRampCompareReport(const CRampCompareReport& other) = default;
CRampCompareReport& CRampCompareReport::operator=(const CRampCompareReport& other) = default;
CRampCompareReport::~CRampCompareReport() = default;
