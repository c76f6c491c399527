#include "ActuatorIntroRules.h"

#include "automation/DeviceWords.h"

#include <cmath>

namespace ActuatorIntroRules
{
const PressureUnitItem PressureUnits[4] = {
    { "lbs/in\u00b2 (psi)", 6 },
    { "100 kPa (bar)", 7 },
    { "kg/cm\u00b2", 10 },
    { "kiloPascals (kPa)", 12 },
};

namespace
{
int itemOfCode(int unitCode)
{
    for (int k = 0; k < 4; ++k) {
        if (PressureUnits[k].code == unitCode)
            return k;
    }
    return -1;
}

// An area in tenths of a square inch, rounded to the nearest tenth and not
// yet held to a word. The area is taken in single precision; one beyond its
// range is beyond the word's as well.
double tenthsOf(double area)
{
    const double single = std::abs(area) < 1.0e30 ? static_cast<double>(static_cast<float>(area)) : area;
    return std::trunc((single + 0.05) * 10.0);
}
}

int unitItemOfCode(int unitCode)
{
    if (unitCode == 57)
        return -1;
    const int item = itemOfCode(unitCode);
    return item < 0 ? 0 : item;
}

std::optional<uint8_t> targetUnit(int currentUnit, int index)
{
    if (itemOfCode(currentUnit) < 0 || index < 0 || index > 3)
        return std::nullopt;
    return PressureUnits[index].code;
}

uint32_t convertedFullScale(double factor, double value)
{
    // Cut, each unit change would lower the full scale, and with it every
    // pressure the device reports, a little more.
    return DeviceWords::nearestU32(factor * value, 100.0);
}

double unitsPerPsi(int unitCode)
{
    switch (unitCode) {
    case 6:
        return 1.0;
    case 7:
        return 0.06895;
    case 10:
        return 0.07031;
    case 12:
        return 6.895;
    default:
        return 0.0;
    }
}

double psiPerUnit(int unitCode)
{
    const double units = unitsPerPsi(unitCode);
    return units > 0.0 ? 1.0 / units : 0.0;
}

double fullScalePsi(
    uint32_t word, uint8_t unit, std::optional<double> supplyPsi, const std::optional<HeldFullScale>& held)
{
    if (held && held->word == word && held->unit == unit)
        return held->psi;
    const double fullScale = word * 0.01;
    if (supplyPsi && *supplyPsi > 0.0) {
        const double inUnit = *supplyPsi * unitsPerPsi(unit);
        const double apart = std::abs(inUnit - fullScale);
        if (inUnit > 0.0 && (apart <= 0.005 + 1e-9 || apart <= 0.0005 * inUnit))
            return *supplyPsi;
    }
    return fullScale * psiPerUnit(unit);
}

uint32_t fullScaleWord(double psi, uint8_t unit)
{
    return convertedFullScale(unitsPerPsi(unit), psi);
}

uint16_t areaTenths(double area)
{
    return DeviceWords::saturateU16(tenthsOf(area));
}

bool areaAcceptable(double area)
{
    return AreaRange.contains(area);
}

QStringList manufacturerRuns(const CActuatorStorage& table)
{
    QStringList runs;
    const ActuatorTableEntry* previous = nullptr;
    for (const ActuatorTableEntry& entry : table.entries()) {
        if (!previous || previous->Manufacturer != entry.Manufacturer)
            runs << entry.Manufacturer;
        previous = &entry;
    }
    return runs;
}

QStringList modelsOf(const CActuatorStorage& table, const QString& manufacturer)
{
    QStringList models;
    bool inRun = false;
    for (const ActuatorTableEntry& entry : table.entries()) {
        if (entry.Manufacturer == manufacturer) {
            models << entry.Model;
            inRun = true;
        } else if (inRun) {
            break;
        }
    }
    return models;
}

uint16_t findModelCode(const CActuatorStorage& table, const QString& model)
{
    for (const ActuatorTableEntry& entry : table.entries()) {
        if (entry.Model == model)
            return entry.ModelCode;
    }
    return UnknownModel;
}

double findModelArea(const CActuatorStorage& table, const QString& model)
{
    for (const ActuatorTableEntry& entry : table.entries()) {
        if (entry.Model == model)
            return entry.Area;
    }
    return OtherArea;
}

int modelItemOfCode(const CActuatorStorage& table, uint8_t modelCode)
{
    for (const ActuatorTableEntry& entry : table.entries()) {
        if (entry.ModelCode == modelCode)
            return entry.ModelIndex & 0xFF;
    }
    return UnknownModel;
}
} // namespace ActuatorIntroRules
