#include "step/CStepTestCompareReport.h"

#include "core/ModuleStateGuard.h"

CStepTestCompareReport::CStepTestCompareReport()
{
    ModuleStateGuard moduleState;
}

CStepTestCompareReport::CStepTestCompareReport(const CStepTestCompareReport& other) = default;
CStepTestCompareReport& CStepTestCompareReport::operator=(const CStepTestCompareReport& other) = default;
CStepTestCompareReport::~CStepTestCompareReport() = default;
