#pragma once

#include "ActuatorIntroRules.h"
#include "ActuatorTable.h"
#include "StripPage.h"

#include <cstdint>
#include <optional>

class QComboBox;

// The page "Actuator /Stroke /Friction" (dialog 313), the first step of the
// actuator calibration wizard: the user tells the positioner which actuator
// it drives (manufacturer and model from the actuator table, or "Other" with
// a typed area) and the pressure unit it works in. Apply writes both, Retrieve
// reads them back, Next goes on to the actuator calibration, or to the page
// that says the pressure sensor is missing.
//
// The page owns the program's actuator table: it reads "Actuators.tbl" from
// the program folder once, at start-up.
class CCalibrationActuatorIntro : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 313;

    // Control ids of the page.
    enum : int {
        ManufacturerCombo = 332,
        ModelCombo = 333,
        PressureUnitCombo = 566,
        AreaEdit = 802,
        ApplyButton = 424,
        RetrieveButton = 425,
        NextButton = 801,
        ActuatorGroupId = 1014,
        InstructionId = 1015,
        AreaMark = 1016,
    };

    // The dialog template and its tooltips (CCalibrationActuatorIntroTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const char* const OtherItem; // "Other"
    static const char* const MissingTableMessage;
    static const QString AreaTip;
    // Where Next leads: the actuator calibration, or the page without it.
    static const char* const CalibrationPage;
    static const char* const SensorMissingPage;

    explicit CCalibrationActuatorIntro(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnSelchangeManufacturer();
    void OnSelchangeModel();
    void OnSelchangePressureUnit();
    void OnChangeArea();
    void OnApply();
    void OnRetrieve();
    void OnNext();

    // Reads "Actuators.tbl" into the table; the box when it cannot be read.
    void LoadActuatorTable();
    void FillManufacturerList();
    void FillModelList(const QString& manufacturer);
    void ReadActuator();
    void ReadUnits();
    void ApplyActuator();
    void ApplyPressureUnit();

    const CActuatorStorage& actuatorTable() const { return m_Table; }
    QComboBox* combo(int id) const;
    uint8_t currentUnit() const { return m_CurrentUnit; }
    bool pressureSensor() const { return m_PressureSensorFlag != 0; }
    bool areaValid() const { return m_bAreaValid; }

private:
    void showArea(double area);
    // The area edit's text when it is one number the device's word takes.
    std::optional<double> typedArea() const;
    // Listed manufacturer: area fixed, model chosen; "Other": area typed.
    void setOtherMaker(bool other);

    CActuatorStorage m_Table;
    uint8_t m_CurrentUnit = 0;
    uint8_t m_PressureSensorFlag = 0;
    uint8_t m_DeviceMaker = 0;
    uint8_t m_DeviceModel = 0;
    uint16_t m_DeviceArea = 0;
    float m_Long69Value = 0.0f;
    // Whether the device now holds `word` as its full scale (long 0x69).
    bool holdsFullScaleWord(uint32_t word);
    // The full scale in psi the last unit change wrote, with its word and unit:
    // the next change converts from it while the device still holds them.
    std::optional<ActuatorIntroRules::HeldFullScale> m_HeldFullScale;
    // Whether 230 and 220 were answered since the page was last activated:
    // Apply writes back their unedited bytes only then.
    bool m_ActuatorRead = false;
    bool m_UnitsRead = false;
    bool m_bAreaValid = true;
};
