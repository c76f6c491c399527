#include "calibration/CAICalibReport.h"

#include "core/ModuleStateGuard.h"

CAICalibReport::CAICalibReport()
{
    ModuleStateGuard moduleState;
}

CAICalibReport::CAICalibReport(const CAICalibReport& other) = default;
CAICalibReport& CAICalibReport::operator=(const CAICalibReport& other) = default;
CAICalibReport::~CAICalibReport() = default;
