#include "calibration/CAOCalibReport.h"

#include "core/ModuleStateGuard.h"

CAOCalibReport::CAOCalibReport()
{
    ModuleStateGuard moduleState;
}

CAOCalibReport::CAOCalibReport(const CAOCalibReport& other) = default;
CAOCalibReport& CAOCalibReport::operator=(const CAOCalibReport& other) = default;
CAOCalibReport::~CAOCalibReport() = default;
