#pragma once

#include <array>
#include <cstdint>

// The positioner's two pressure sensors: port 1, and port 2 (which reads the
// supply on the K40). Each gives a raw A/D count from a fixed characteristic:
// `ZeroCount` at no pressure and `countsPerPsi` more for every psi, plus a
// zero offset that a test can shift (a sensor that has drifted).
//
// The device never reports a count as a pressure directly: it applies its
// calibration words to it. For each port, the count at no pressure (low),
// the count at the calibration pressure (high) and their difference (range,
// signed), and for both the calibration pressure, long 0x63 in psi x 100:
//
//     psi = (count - low) / range x calibration pressure
//
// So a calibration that writes new words (the zero supply capture on the
// K40; the actuator calibration run, which takes the counts at no pressure
// and at full supply) changes the pressures the device reports, and a sensor
// whose zero has drifted reads wrong until it is calibrated again.
class PressureSensors
{
public:
    // Misc word addresses of each port's calibration and of its live count.
    struct PortWords {
        uint8_t low;
        uint8_t high;
        uint8_t range;
        uint8_t count;
    };
    static constexpr PortWords Port1 { 0x5F, 0x60, 0x61, 0x62 };
    static constexpr PortWords Port2 { 0x64, 0x65, 0x66, 0x67 };
    static constexpr uint8_t CalibrationPressureLong = 0x63;
    static constexpr double ZeroCount = 3000.0;
    static constexpr double FullScaleCounts = 26000.0;

    // The characteristic spans FullScaleCounts over the model's pressure full scale.
    explicit PressureSensors(double fullScalePsi);

    static const PortWords& words(int port) { return port == 1 ? Port1 : Port2; }

    // The raw count of port 1 or 2 at `psi` (not rounded, not clamped).
    double rawCount(int port, double psi) const;
    // The count as the device's word gives it: rounded, held to 0..65535.
    static uint16_t countWord(double count);
    // The pressure the device makes of a count with its calibration words;
    // 0 while the range is not positive.
    static double calibratedPsi(double count, uint16_t low, uint16_t range, uint32_t calibrationHundredths);

    // The calibration words that make port `port` read true: the counts at
    // no pressure and at `calibrationPsi` with the sensor as it is now.
    struct Calibration {
        uint16_t low;
        uint16_t high;
        uint16_t range;
    };
    Calibration trueCalibration(int port, double calibrationPsi) const;

    // Shifts the zero of a port's sensor by `counts` (0 puts it back).
    void setZeroShift(int port, double counts);
    double zeroShift(int port) const { return m_zeroShift[port == 1 ? 0 : 1]; }
    double countsPerPsi() const { return m_countsPerPsi; }

private:
    double m_countsPerPsi;
    std::array<double, 2> m_zeroShift { 0.0, 0.0 };
};
