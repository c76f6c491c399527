#include "hdrl/CHDRLReport.h"

#include "core/ModuleStateGuard.h"

CHDRLReport::CHDRLReport()
{
    ModuleStateGuard moduleState;
}

CHDRLReport::CHDRLReport(const CHDRLReport& other) = default;
CHDRLReport& CHDRLReport::operator=(const CHDRLReport& other) = default;
CHDRLReport::~CHDRLReport() = default;
