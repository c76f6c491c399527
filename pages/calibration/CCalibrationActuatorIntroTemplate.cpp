#include "CCalibrationActuatorIntro.h"

#include "ActuatorIntroRules.h"
#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
}

const char* const CCalibrationActuatorIntro::OtherItem = "Other";
const char* const CCalibrationActuatorIntro::MissingTableMessage = "Error reading Actuator list file.";
const QString CCalibrationActuatorIntro::AreaTip = ActuatorIntroRules::AreaRange.tip();
const char* const CCalibrationActuatorIntro::CalibrationPage = "CCalib_Actuator";
const char* const CCalibrationActuatorIntro::SensorMissingPage = "CPressureDisablePage";

// clang-format off
const PageTemplate CCalibrationActuatorIntro::Template { 524, 190, {
    C::label(InstructionId, QStringLiteral("Select actuator manufacturer and model.  Select the pressure units to be "
        "used for the supply pressure.  Click Next to continue this calibration."), 10, 28, 440, 20),
    C::group(ActuatorGroupId, QStringLiteral("Actuator"), 10, 54, 300, 100),
    C::label(-1, QStringLiteral("Manufacturer:"), 20, 70, 60, 8, C::AlignRight),
    C::combo(ManufacturerCombo, {}, 84, 67, 150, 12),
    C::label(-1, QStringLiteral("Model:"), 20, 88, 60, 8, C::AlignRight),
    C::combo(ModelCombo, {}, 84, 85, 150, 12),
    C::label(-1, QStringLiteral("Size:"), 20, 106, 60, 8, C::AlignRight),
    C::edit(AreaEdit, 84, 104, 60, 12, C::AlignRight | C::Disabled | C::ReadOnly),
    C::label(-1, QStringLiteral("in\u00b2"), 148, 106, 20, 8),
    C::picture(AreaMark, ValidityMark::ValidIcon, 170, 106, 8, 8),
    C::label(-1, QStringLiteral("Pressure UOM:"), 20, 126, 60, 8, C::AlignRight),
    C::combo(PressureUnitCombo, {}, 84, 123, 100, 12),
    C::button(ApplyButton, QStringLiteral("Apply"), 330, 68, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 330, 88, 50, 14),
    C::button(NextButton, QStringLiteral("Next"), 330, 140, 50, 14),
} };

const ToolTipTable CCalibrationActuatorIntro::ToolTips {
    { ManufacturerCombo, QStringLiteral("Information about the actuator manufacturer.") },
    { ModelCombo, QStringLiteral("Information about the actuator size.") },
    { AreaEdit, QStringLiteral("Enter approximate actuator area in in\u00b2.") },
    { PressureUnitCombo, QStringLiteral("Select actuator pressure units.") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
    { NextButton, QStringLiteral("Continue to next part of calibration.") },
};
// clang-format on
