#pragma once

#include "ActuatorTable.h"
#include "FieldRange.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the actuator information page decides, without its widgets: the
// pressure units it offers, the unit a choice leads to, the words it writes,
// and its walks of the actuator table.
namespace ActuatorIntroRules
{
struct PressureUnitItem {
    const char* text;
    uint8_t code; // HART unit code
};
// The unit combo's items, in order: psi, bar, kg/cm2, kPa.
extern const PressureUnitItem PressureUnits[4];

// The unit item a device unit selects: 6, 7, 10, 12 their items; 57
// (percent) none (-1); any other code the first.
int unitItemOfCode(int unitCode);
// The unit an Apply converts to from `currentUnit` with item `index`
// selected; nothing when there is no factor for the pair (a current unit
// other than psi, bar, kg/cm2 and kPa, or no item selected).
std::optional<uint8_t> targetUnit(int currentUnit, int index);
// The pressure full scale in the new unit, hundredths: the word nearest to
// factor x value x 100, held to 32 bits.
uint32_t convertedFullScale(double factor, double value);
// How many of a pressure unit one psi is: 1 psi, 0.06895 bar, 0.07031 kg/cm2,
// 6.895 kPa; 0 for any other unit code.
double unitsPerPsi(int unitCode);
// How many psi one of a pressure unit is: the exact reciprocal of
// `unitsPerPsi`, so that a change into a unit and back multiplies to one
// (14.5038 x 0.06895 or 14.22 x 0.07031 does not); 0 for any other unit code.
double psiPerUnit(int unitCode);
// What a unit change leaves for the next one: the full scale in psi it
// converted, and the word and the unit it wrote for it.
struct HeldFullScale {
    double psi = 0.0;
    uint32_t word = 0;
    uint8_t unit = 0;
};
// The full scale in psi a unit change converts from, the device holding
// `word` hundredths of `unit`. The word alone is too coarse in bar and
// kg/cm2 to carry the full scale through a trip of the units, so:
// - while the device still holds the word and unit the last change wrote,
//   the psi that change converted;
// - else, while the word is the device's supply in psi (long 0x63) in that
//   unit (within half a hundredth of the unit or 0.05 %), that supply;
// - else the word in psi.
double fullScalePsi(
    uint32_t word, uint8_t unit, std::optional<double> supplyPsi, const std::optional<HeldFullScale>& held);
// The word a unit change writes for `psi` in `unit`: the nearest hundredth.
uint32_t fullScaleWord(double psi, uint8_t unit);
// The area edit's value, taken in single precision, as the device's tenths
// of a square inch: rounded to the nearest tenth, held to 16 bits.
uint16_t areaTenths(double area);
// The areas the device word holds as they are typed: tenths of a square
// inch from 0.1 to 6553.5. A finer value (12.34) or one beyond the ends
// (0.05) is refused rather than rounded into the word.
inline constexpr FieldRange AreaRange { 0.1, 6553.5, FieldStep::Tenths };
bool areaAcceptable(double area);

constexpr uint8_t PsiUnit = 6;
constexpr uint8_t OtherMaker = 99;
constexpr uint8_t UnknownModel = 255;
constexpr double OtherArea = 23.8;

// The manufacturer list: one item per run of equal manufacturer texts, in
// table order ("Other" is not among them).
QStringList manufacturerRuns(const CActuatorStorage& table);
// The models of the first run of `manufacturer`, in order.
QStringList modelsOf(const CActuatorStorage& table, const QString& manufacturer);
// The first row with that model: its code (255 when none) and area (23.8 when none).
uint16_t findModelCode(const CActuatorStorage& table, const QString& model);
double findModelArea(const CActuatorStorage& table, const QString& model);
// The low 8 bits of the model index of the first row with the device's
// model/size code, 255 when no row has it.
int modelItemOfCode(const CActuatorStorage& table, uint8_t modelCode);
} // namespace ActuatorIntroRules
