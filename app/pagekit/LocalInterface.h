#pragma once

#include "DeviceData.h"

// Configuration byte 0 (246/247) is the positioner's local interface, its
// Tapset button: 0 leaves it enabled, as a device comes from the factory;
// any other value is the PC's disabling of it. Every page reads and writes
// the byte through these two, so no two pages tell it apart.
namespace LocalInterface
{
inline bool enabled(const DeviceData& dd)
{
    return dd.Config[0] == 0;
}

// A byte that already says so is kept as the device gave it.
inline void setEnabled(DeviceData& dd, bool on)
{
    if (on)
        dd.Config[0] = 0;
    else if (dd.Config[0] == 0)
        dd.Config[0] = 1;
}
} // namespace LocalInterface
