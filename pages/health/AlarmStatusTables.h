#pragma once

#include <QString>

#include <cstdint>

// The alarm status page's own names and help texts of the device statuses
// (their wording differs in places from the status strip's). Numbers without
// a status, and numbers above 79, give the empty text. Statuses 44 and 46 name
// the supply port on the smaller model (device type 6) and port 2 otherwise.
QString GetAlarmName(uint8_t status, int deviceType);
QString GetAlarmHelp(uint8_t status, int deviceType);
