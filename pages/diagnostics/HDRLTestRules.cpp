#include "HDRLTestRules.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <cmath>

namespace HDRLTestRules
{

bool settlingValid(double seconds)
{
    return SettlingRange.contains(seconds);
}

uint32_t settlingMs(float seconds)
{
    return DeviceWords::saturateU32(std::trunc(double(seconds) * 1000.0));
}

int progressMaximum(float seconds)
{
    return DeviceWords::saturateU16(std::trunc(double(seconds) * 24.0));
}

int progressAt(float seconds, int point)
{
    return DeviceWords::saturateU16(std::trunc(double(seconds) * point));
}

QString startTimeText(const QTime& time)
{
    return NumberText::format("%.2d:%.2d:%.2d", time.hour(), time.minute(), time.second());
}

float percentOf(uint16_t word)
{
    return float(int16_t(word)) * 0.01f;
}

uint16_t commandWord(double percent)
{
    return uint16_t(DeviceWords::saturateS16(std::round(percent * 100.0)));
}

} // namespace HDRLTestRules
