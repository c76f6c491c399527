#include "calibration/CActuatorCalibReport.h"

#include "core/ModuleStateGuard.h"

CActuatorCalibReport::CActuatorCalibReport()
{
    ModuleStateGuard moduleState;
}

CActuatorCalibReport::CActuatorCalibReport(const CActuatorCalibReport& other) = default;
CActuatorCalibReport& CActuatorCalibReport::operator=(const CActuatorCalibReport& other) = default;
CActuatorCalibReport::~CActuatorCalibReport() = default;
