#pragma once

#include "FieldRange.h"

#include <QString>
#include <QTime>

#include <cstdint>

// What the HDRL test page decides without its widgets: which settling times
// it accepts and how the settling time turns into the step period, the
// progress bar and the time axis.
namespace HDRLTestRules
{

inline const QString SettlingTip = QStringLiteral("Please Enter the value between 6 and 2147483");

// 6 s up to the longest step period a timer holds in whole seconds (its
// milliseconds within 32 bits), as a saved result's settling time is checked;
// fractions are accepted.
inline constexpr FieldRange SettlingRange { 6.0, 2147483.0 };
bool settlingValid(double seconds);

// The step period in milliseconds: the single-precision settling time × 1000,
// truncated (6.1 gives 6099) and kept within 32 bits.
uint32_t settlingMs(float seconds);
// The progress bar's maximum: settling × 24, truncated, kept within 16 bits.
int progressMaximum(float seconds);
// The progress after reading `point`: settling × point, truncated, within 16 bits.
int progressAt(float seconds, int point);

// The start time as shown: "09:04:07".
QString startTimeText(const QTime& time);

// A reading or command word (hundredths of a percent, signed) as percent.
float percentOf(uint16_t word);
// A percent command as the device's word, in hundredths.
uint16_t commandWord(double percent);

} // namespace HDRLTestRules
