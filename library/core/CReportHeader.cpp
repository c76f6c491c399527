#include "core/CReportHeader.h"

#include "core/ModuleStateGuard.h"

CReportHeader::CReportHeader()
{
    ModuleStateGuard moduleState;
}

CReportHeader::CReportHeader(const CReportHeader& other) = default;
CReportHeader& CReportHeader::operator=(const CReportHeader& other) = default;
CReportHeader::~CReportHeader() = default;
