#include "characterization/CStrokeCharacterizationReport.h"

#include "core/ModuleStateGuard.h"

CStrokeCharacterizationReport::CStrokeCharacterizationReport()
{
    ModuleStateGuard moduleState;
}

CStrokeCharacterizationReport::CStrokeCharacterizationReport(const CStrokeCharacterizationReport& other) = default;
CStrokeCharacterizationReport& CStrokeCharacterizationReport::operator=(const CStrokeCharacterizationReport& other)
    = default;
CStrokeCharacterizationReport::~CStrokeCharacterizationReport() = default;
