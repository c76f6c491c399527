#include "step/CStepTestReport.h"

#include "core/ModuleStateGuard.h"

CStepTestReport::CStepTestReport()
{
    ModuleStateGuard moduleState;
}

CStepTestReport::CStepTestReport(const CStepTestReport& other) = default;
CStepTestReport& CStepTestReport::operator=(const CStepTestReport& other) = default;
CStepTestReport::~CStepTestReport() = default;
