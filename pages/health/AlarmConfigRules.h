#pragma once

#include "ErrorDefinitions.h"

#include <array>
#include <cstdint>
#include <vector>

// Which device statuses the alarm configuration page lists, from the model's
// error-definition file, and how a status maps onto the ten mask bytes.
namespace AlarmConfigRules
{

inline constexpr int MaskLines = 80; // one data line per status bit

// Mask class 0: not configurable; 1 and 2: listed; 3 and above: listed on the
// larger model (type 5), and on the smaller one (6) only when its
// configuration byte 0x28 has bit 0x20 set. Any other device type lists none.
bool listed(int maskClass, int deviceType, bool config28Bit5);

// The status numbers of the rows, in file order: the first 80 data lines,
// each listed by its mask class and only when its first field is a status
// number 0..79.
std::vector<int> listedStatuses(const ErrorDefinitions& definitions, int deviceType, bool config28Bit5);
// The same rows as the definition lines they come from (their places in
// `definitions.lines()`), for the status number as the file writes it.
std::vector<size_t> listedLines(const ErrorDefinitions& definitions, int deviceType, bool config28Bit5);

bool maskBit(const std::array<uint8_t, 10>& mask, int status);
void setMaskBit(std::array<uint8_t, 10>& mask, int status, bool enabled);

} // namespace AlarmConfigRules
