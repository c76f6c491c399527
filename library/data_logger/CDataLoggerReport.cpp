#include "data_logger/CDataLoggerReport.h"

#include "core/ModuleStateGuard.h"

CDataLoggerReport::CDataLoggerReport()
{
    ModuleStateGuard moduleState;
}

CDataLoggerReport::CDataLoggerReport(const CDataLoggerReport& other) = default;
CDataLoggerReport& CDataLoggerReport::operator=(const CDataLoggerReport& other) = default;
CDataLoggerReport::~CDataLoggerReport() = default;
