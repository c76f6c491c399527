#pragma once

#include <cstdint>
#include <optional>
#include <span>

// What the alarm annunciator paints: one box per device status, coloured from
// the status's bit in the status mask (enabled or disabled) and its bit in one
// of the Misc status bytes (active or not), and whether the condition can be
// detected at all on this device (boards fitted, model, friction model).
namespace AlarmAnnunciatorRules
{

// Windows colour values (0x00BBGGRR).
namespace Colour
{
inline constexpr uint32_t Green = 0x00FF00; // enabled, inactive
inline constexpr uint32_t Yellow = 0x00FFFF; // enabled, active: alert, mode or warning
inline constexpr uint32_t Red = 0x0A0AFF; // enabled, active: alarm or state
inline constexpr uint32_t White = 0xFFFFFF; // device information, enabled
inline constexpr uint32_t DarkGreen = 0x308020; // disabled, inactive
inline constexpr uint32_t DarkYellow = 0x008080; // disabled, active yellow
inline constexpr uint32_t DarkRed = 0x000080; // disabled, active red
inline constexpr uint32_t LightGrey = 0xC0C0C0; // not available (enabled), or device information disabled
inline constexpr uint32_t DarkGrey = 0x808080; // not available and disabled
inline constexpr uint32_t DimGrey = 0x696969; // "Friction High" alarm not available and disabled
} // namespace Colour

enum class Kind { Red, Yellow, White };

// When the box shows its normal colours.
enum class Availability {
    Always,
    PressureBoard, // the pressure sensor board is fitted
    AoBoard, // the analog output board is fitted
    Friction, // pressure board, and a K90 or a K40 with the friction model
    Port2, // pressure board, and a K40 or a K90 with port 2 in use
};

inline constexpr int NoVariable = -1;
inline constexpr int NoFlag = -1;

struct Indicator {
    int id;
    int maskByte; // StatusMask byte and bit: set = enabled
    int maskBit;
    int activeVariable; // Misc byte variable 0x79..0x81, or NoVariable
    int activeBit;
    Kind kind;
    Availability availability;
    int activeFlag; // CAlarmAnnunciatorReport flags, from 0
    int maskedFlag;
};

// The 63 boxes.
std::span<const Indicator> indicators();
const Indicator* indicator(int id);

// What the page knows of the device when it paints.
struct Conditions {
    uint8_t deviceType = 0; // 5 K90, 6 K40
    bool pressureBoard = false;
    bool aoBoard = false;
    bool k90FrictionModel = false;
    bool k40FrictionModel = false;
    bool config28Bit5 = false;
};

bool available(const Indicator& indicator, const Conditions& conditions);

// The boxes the smaller model neither paints nor shows.
bool k90Only(int id);

// One box painted from its mask bit: the colours to set (none: left as they
// are) and the masked flag to write (none: not written).
struct MaskPaint {
    bool skip = false;
    std::optional<uint32_t> color;
    std::optional<uint32_t> errorColor;
    std::optional<uint8_t> maskedFlag;
};
MaskPaint maskPaint(const Indicator& indicator, bool enabled, const Conditions& conditions);

// Whether an active bit also sets the box's normal colour to green (the boxes
// that may be grey while not available).
bool activeTurnsGreen(int id);

} // namespace AlarmAnnunciatorRules
