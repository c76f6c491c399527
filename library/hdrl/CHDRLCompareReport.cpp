#include "hdrl/CHDRLCompareReport.h"

#include "core/ModuleStateGuard.h"

CHDRLCompareReport::CHDRLCompareReport()
{
    ModuleStateGuard moduleState;
}

CHDRLCompareReport::CHDRLCompareReport(const CHDRLCompareReport& other) = default;
CHDRLCompareReport& CHDRLCompareReport::operator=(const CHDRLCompareReport& other) = default;
CHDRLCompareReport::~CHDRLCompareReport() = default;
