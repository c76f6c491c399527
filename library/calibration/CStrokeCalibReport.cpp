#include "calibration/CStrokeCalibReport.h"

#include "core/ModuleStateGuard.h"

CStrokeCalibReport::CStrokeCalibReport()
{
    ModuleStateGuard moduleState;
}

CStrokeCalibReport::CStrokeCalibReport(const CStrokeCalibReport& other) = default;
CStrokeCalibReport& CStrokeCalibReport::operator=(const CStrokeCalibReport& other) = default;
CStrokeCalibReport::~CStrokeCalibReport() = default;
