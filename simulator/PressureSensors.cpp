#include "PressureSensors.h"

#include <algorithm>
#include <cmath>

PressureSensors::PressureSensors(double fullScalePsi)
    : m_countsPerPsi(FullScaleCounts / std::max(fullScalePsi, 0.1))
{
}

double PressureSensors::rawCount(int port, double psi) const
{
    return ZeroCount + zeroShift(port) + psi * m_countsPerPsi;
}

uint16_t PressureSensors::countWord(double count)
{
    if (!std::isfinite(count))
        return 0;
    return uint16_t(std::clamp(std::lround(count), 0L, 65535L));
}

double PressureSensors::calibratedPsi(double count, uint16_t low, uint16_t range, uint32_t calibrationHundredths)
{
    const int16_t signedRange = int16_t(range);
    if (signedRange <= 0)
        return 0.0;
    return (count - double(low)) / double(signedRange) * (double(calibrationHundredths) / 100.0);
}

PressureSensors::Calibration PressureSensors::trueCalibration(int port, double calibrationPsi) const
{
    const uint16_t low = countWord(rawCount(port, 0.0));
    const uint16_t high = countWord(rawCount(port, calibrationPsi));
    return { low, high, uint16_t(high - low) };
}

void PressureSensors::setZeroShift(int port, double counts)
{
    m_zeroShift[port == 1 ? 0 : 1] = std::isfinite(counts) ? counts : 0.0;
}
