#include "CCalibrationActuatorIntro.h"

#include "ActuatorIntroRules.h"
#include "AppLog.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ValidityMark.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"
#include "ui/Prompts.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>

using namespace ActuatorIntroRules;

CCalibrationActuatorIntro::CCalibrationActuatorIntro(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CCalibrationActuatorIntro"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
    if (auto* label = controlAs<QLabel>(InstructionId)) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setWordWrap(true);
    }
}

QComboBox* CCalibrationActuatorIntro::combo(int id) const
{
    return controlAs<QComboBox>(id);
}

// ---------------------------------------------------------------------------
// Initial update

void CCalibrationActuatorIntro::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    for (const PressureUnitItem& unit : PressureUnits)
        combo(PressureUnitCombo)->addItem(QString::fromUtf8(unit.text));
    LoadActuatorTable();
    // A selection change is the user's: the page's own selections run nothing.
    on(combo(ManufacturerCombo), &QComboBox::activated, "OnSelchangeManufacturer",
        [this] { OnSelchangeManufacturer(); });
    on(combo(ModelCombo), &QComboBox::activated, "OnSelchangeModel", [this] { OnSelchangeModel(); });
    on(combo(PressureUnitCombo), &QComboBox::activated, "OnSelchangePressureUnit",
        [this] { OnSelchangePressureUnit(); });
    // Every area shown is checked, the table's and the device's as well as a typed one.
    onTextChanged(AreaEdit, "OnChangeArea", [this] { OnChangeArea(); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    onClicked(NextButton, "OnNext", [this] { OnNext(); });
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

void CCalibrationActuatorIntro::LoadActuatorTable()
{
    const QString path = context().helpers().GetAppFolder() + QString::fromLatin1(ActuatorTable::FileName);
    if (!ActuatorTable::load(path, m_Table)) {
        // The box carries the platform's default caption.
        Prompts::show(
            QString::fromLatin1(MissingTableMessage), std::nullopt, Prompts::Buttons::Ok, Prompts::Icon::None, this);
    }
}

// ---------------------------------------------------------------------------
// Page contract

void CCalibrationActuatorIntro::ActivatePage()
{
    StripPage::ActivatePage();
    m_ActuatorRead = false;
    m_UnitsRead = false;
    FillManufacturerList();
    ReadActuator();
    ReadUnits();
    enableControl(NextButton, true);
}

// ---------------------------------------------------------------------------
// The lists

void CCalibrationActuatorIntro::FillManufacturerList()
{
    QComboBox* makers = combo(ManufacturerCombo);
    makers->clear();
    makers->addItems(manufacturerRuns(m_Table));
    makers->addItem(QString::fromLatin1(OtherItem));
}

void CCalibrationActuatorIntro::FillModelList(const QString& manufacturer)
{
    QComboBox* makers = combo(ManufacturerCombo);
    QComboBox* models = combo(ModelCombo);
    models->clear();
    if (makers->currentIndex() == makers->count() - 1) {
        models->addItem(QString::fromLatin1(OtherItem));
        models->setCurrentIndex(0);
        return;
    }
    models->addItems(modelsOf(m_Table, manufacturer));
    models->setCurrentIndex(-1);
}

void CCalibrationActuatorIntro::setOtherMaker(bool other)
{
    enableControl(AreaEdit, other);
    if (auto* edit = controlAs<QLineEdit>(AreaEdit))
        edit->setReadOnly(!other);
    enableControl(ModelCombo, !other);
}

void CCalibrationActuatorIntro::showArea(double area)
{
    setWindowText(AreaEdit, NumberText::fromDouble(area));
}

void CCalibrationActuatorIntro::OnSelchangeManufacturer()
{
    QComboBox* makers = combo(ManufacturerCombo);
    setOtherMaker(makers->currentIndex() == makers->count() - 1);
    FillModelList(makers->currentText());
    combo(ModelCombo)->setCurrentIndex(0);
    showArea(findModelArea(m_Table, combo(ModelCombo)->currentText()));
}

void CCalibrationActuatorIntro::OnSelchangeModel()
{
    enableControl(AreaEdit, false);
    showArea(findModelArea(m_Table, combo(ModelCombo)->currentText()));
}

void CCalibrationActuatorIntro::OnSelchangePressureUnit()
{
    enableControl(NextButton, false);
}

std::optional<double> CCalibrationActuatorIntro::typedArea() const
{
    // The whole text as one number, or none: "12abc" is no area of 12.
    const std::optional<double> area = WindowNumber(control(AreaEdit));
    if (!area || !areaAcceptable(*area))
        return std::nullopt;
    return area;
}

void CCalibrationActuatorIntro::OnChangeArea()
{
    m_bAreaValid = ValidityMark::show(this, AreaMark, typedArea().has_value(), AreaTip);
}

// ---------------------------------------------------------------------------
// Reading the device

void CCalibrationActuatorIntro::OnRetrieve()
{
    ReadActuator();
    ReadUnits();
    enableControl(NextButton, true);
}

void CCalibrationActuatorIntro::ReadActuator()
{
    if (read(HartCommand::ReadActuator))
        m_ActuatorRead = true;
    // Without a reply the page shows what the device data block holds.
    const DeviceData& dd = data();
    m_DeviceMaker = dd.ActuatorCodes[0];
    m_DeviceModel = dd.ActuatorCodes[2];
    m_DeviceArea = dd.ActuatorArea;

    QComboBox* makers = combo(ManufacturerCombo);
    if (m_DeviceMaker < makers->count()) {
        makers->setCurrentIndex(m_DeviceMaker);
        setOtherMaker(false);
    } else {
        makers->setCurrentIndex(makers->count() - 1);
        setOtherMaker(true);
    }
    FillModelList(makers->currentText());

    QComboBox* models = combo(ModelCombo);
    const int item = modelItemOfCode(m_Table, m_DeviceModel);
    models->setCurrentIndex(item < models->count() ? item : models->count() - 1);
    showArea(m_DeviceArea * 0.1);
}

void CCalibrationActuatorIntro::ReadUnits()
{
    if (read(HartCommand::ReadUnits))
        m_UnitsRead = true;
    m_CurrentUnit = data().PressureUnit;
    combo(PressureUnitCombo)->setCurrentIndex(unitItemOfCode(m_CurrentUnit));
    // A read without a good reply for 0x82 leaves the flag as it was.
    context().misc().ReadMiscByte82Bit0();
    m_PressureSensorFlag = data().PressureSensorFlag;
}

// ---------------------------------------------------------------------------
// Apply

void CCalibrationActuatorIntro::OnApply()
{
    // An area the device word cannot hold would reach the device as 0 or
    // cut to the word's end, and a text that is no number as another area:
    // nothing is written until it is corrected. Every text the edit takes,
    // shown or typed, has been checked as it came.
    if (!m_bAreaValid) {
        context().log().WriteLog(QStringLiteral("Write_Actuator_cmd not sent: the area \"%1\" is not one of the %2")
                                     .arg(windowText(AreaEdit), AreaRange.describe()));
        return;
    }
    ApplyActuator();
    ApplyPressureUnit();
    enableControl(NextButton, true);
}

void CCalibrationActuatorIntro::ApplyActuator()
{
    enableControl(NextButton, false);
    QComboBox* makers = combo(ManufacturerCombo);
    const int makerItem = makers->currentIndex();
    const uint8_t maker
        = (makerItem < 0 || makerItem == makers->count() - 1) ? OtherMaker : static_cast<uint8_t>(makerItem);
    const uint8_t model = static_cast<uint8_t>(findModelCode(m_Table, combo(ModelCombo)->currentText()) & 0xFF);
    // Apply runs only with an area the mark takes.
    const uint16_t area = areaTenths(typedArea().value_or(0.0));

    DeviceData& dd = data();
    dd.ActuatorCodes[0] = maker;
    dd.ActuatorCodes[2] = model;
    dd.ActuatorArea = area;
    if (maker == m_DeviceMaker && model == m_DeviceModel && area == m_DeviceArea)
        return;
    // The actuator kind and spring bytes go back as the device gave them.
    if (!m_ActuatorRead) {
        context().log().WriteLog(QStringLiteral("Write_Actuator_cmd not sent: no Read_Actuator_cmd reply"));
        return;
    }
    // What the device took is its actuator now: applying the earlier one
    // again must write it again.
    if (write(HartCommand::WriteActuator)) {
        m_DeviceMaker = maker;
        m_DeviceModel = model;
        m_DeviceArea = area;
    }
}

void CCalibrationActuatorIntro::ApplyPressureUnit()
{
    bool longRead = false;
    m_Long69Value = context().misc().ReadMiscLong69(&longRead);
    const int item = combo(PressureUnitCombo)->currentIndex();
    // Keeps the factor and the target unit of this change in the application object.
    context().helpers().GetPressureConversionFactor(m_CurrentUnit, item);
    data().PressureUnitChanged = 1;

    // Without a factor for the pair nothing is converted, and no unit is written.
    const std::optional<uint8_t> target = targetUnit(m_CurrentUnit, item);
    if (!target || *target == m_CurrentUnit)
        return;
    // The full scale and the units go back only as the device gave them.
    const AppLog& log = context().log();
    if (!longRead)
        log.WriteLog(QStringLiteral("Write_Misc_cmd not sent: no Read_Misc_cmd reply"));
    if (!m_UnitsRead)
        log.WriteLog(QStringLiteral("Write_Units not sent: no Read_Units reply"));
    if (!longRead || !m_UnitsRead)
        return;
    // The full scale is held only in hundredths of its unit, too coarse in bar
    // and kg/cm2 to carry it through the units: it is converted from psi, the
    // psi the last change converted or the device's supply in psi, and only
    // the word written is rounded.
    bool psiRead = false;
    const float supplyPsi = context().misc().ReadMiscLong63(&psiRead);
    const uint32_t word = DeviceWords::nearestU32(m_Long69Value, 100.0);
    const double psi
        = fullScalePsi(word, m_CurrentUnit, psiRead ? std::optional<double>(supplyPsi) : std::nullopt, m_HeldFullScale);
    const uint32_t written = fullScaleWord(psi, *target);
    // The word and the unit mean something only together: a unit goes out
    // only over a word the device took, and a unit it did not take has the
    // old word put back, so the device never reads one in the other's unit.
    if (!context().misc().WriteMiscLong69(written) && !holdsFullScaleWord(written)) {
        log.WriteLog(QStringLiteral("Write_Units not sent: no Write_Misc_cmd reply"));
        return;
    }
    const uint8_t previous = data().PressureUnit;
    data().PressureUnit = *target;
    if (!write(HartCommand::WriteUnits)) {
        data().PressureUnit = previous;
        log.WriteLog(QStringLiteral("Write_Units not taken: the full scale goes back"));
        context().misc().WriteMiscLong69(word);
        return;
    }
    m_HeldFullScale = HeldFullScale { psi, written, *target };
    m_CurrentUnit = *target;
}

bool CCalibrationActuatorIntro::holdsFullScaleWord(uint32_t word)
{
    // A write whose reply was lost may still have been taken: the device says.
    bool read = false;
    const float value = context().misc().ReadMiscLong69(&read);
    return read && DeviceWords::nearestU32(value, 100.0) == word;
}

// ---------------------------------------------------------------------------
// Next

void CCalibrationActuatorIntro::OnNext()
{
    killTimer(StripTimerId);
    if (m_PressureSensorFlag) {
        if (FormPage* next = context().ReplaceView(CalibrationPage))
            next->ActivatePage();
        return;
    }
    // Shown without activation: that page keeps its strip on its own timer.
    context().ReplaceView(SensorMissingPage);
}
