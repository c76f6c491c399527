#pragma once

#include <QString>

// Both models report the statuses 0 to 79.
constexpr int DeviceStatusCount = 80;

// The built-in text of a device status number (0..79) as the status strip
// shows it; empty for the unused numbers and for numbers above 79. Status 44
// names the supply port on the smaller model (device type 6) and pressure
// port 2 on the larger one.
QString GetStatusText(int statusNumber, int deviceType);
