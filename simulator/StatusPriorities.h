#pragma once

#include <array>
#include <cstdint>

// The device's status priorities: status n (0..79) has priority
// StatusPriorities::of(n). The device reports, in byte 21 of its status reply,
// the number of the active status with the highest priority (the lower
// number wins a tie), or 255 when none is active. The error-definition files
// that ship with the program carry the same priorities in their sixth field,
// one data line per status in this order, for both models.
//
// The bands follow how the status strip colours them:
//   0          no status (unused numbers)
//   1..26      green: modes and device information
//   27..53     yellow: alerts and warnings
//   54 and up  red: alarms
// Statuses 72..75 describe fitted boards; they are kept in the bitmap but
// never become the reported active status.
namespace StatusPriorities
{

constexpr int Count = 80;
constexpr int FirstDeviceInformation = 72;

int of(int status);
const std::array<uint8_t, Count>& table();

} // namespace StatusPriorities
