#pragma once

#include <cstdint>
#include <optional>
#include <span>

// What the actuator health page decides, without its widgets: which limit
// belongs to which edit, spin and pointer, how a dragged limit pushes its
// neighbours, what the pressure unit sets, and the colour of a live value
// against its limits.
namespace ActuatorHealthRules
{
enum Group { Leak, Supply, Ratio, GroupCount };

// One limit: its edit, its spin, its group, its pointer on the group's gauge,
// and what one step of the spin is worth in the limit's unit.
struct Limit {
    int edit;
    int spin;
    Group group;
    int pointer;
    double spinScale;
};
// The limit of an edit or spin id, or of a pointer of a group's gauge; nullptr for none.
const Limit* limitOf(std::span<const Limit> limits, int editOrSpinId);
const Limit* limitAt(std::span<const Limit> limits, Group group, int pointer);

// When a dragged limit pointer reaches or passes a neighbour, the neighbour
// is pushed to keep the limits in order.
struct Push {
    Group group;
    int moved;
    int neighbour;
    double offset; // > 0: pushed up when reached from below; < 0: pushed down
};
std::span<const Push> pushes();
// Where the neighbour goes when `moved` stands at `position` and the
// neighbour at `neighbour`; nothing when it has not been reached.
std::optional<double> pushedTo(const Push& push, double position, double neighbour);

// What the pressure unit sets on the leak and supply groups.
struct UnitScales {
    double leakFactor; // scfm to the leak unit
    const char* nominalLeak;
    double leakMaximum;
    double leakSpinMaximum[2]; // warning, alarm
    double supplyMaximum;
    double supplySpinMaximum[3]; // low alarm, low warning, high warning
    const char* leakCaption;
};
// psi (6), bar (7), kg/cm2 (10) and kPa (12); nullptr for any other unit.
const UnitScales* unitScales(int pressureUnit);

// The colour of a live value against its limits.
uint32_t leakColour(double value, double warning, double alarm);
uint32_t ratioColour(double value, double initialWarning, double fullWarning);
// Nothing for a value exactly on the low alarm limit: the indicator stays as it is.
std::optional<uint32_t> supplyColour(double value, double lowAlarm, double lowWarning, double highWarning);

// The device word of a limit typed in the display unit: the leak in
// thousandths of scfm, the supply limits in hundredths of a percent of the
// pressure scale (the nearest word, the value being in another unit than
// the word's), the ratio limits in hundredths of a percent.
uint16_t leakWord(double value, double leakFactor);
uint16_t supplyWord(double value, double pressureScale);
uint16_t ratioWord(double value);
} // namespace ActuatorHealthRules
