#pragma once

#include <QString>

// The text of a device's travel (length) unit code, as the device data and
// the saved test files show it: 49 "mm", 57 "%", 143 "deg", 47 and any code
// not known "in.".
QString TravelUnitText(int unitCode);
