#include "SimFixture.h"

#include "PressureSensors.h"

#include <cmath>

namespace
{
class PressureSensorsTest : public SimFixture
{
protected:
    // 204's supply in psi (hundredths of a percent of the full scale).
    double reportedSupplyPsi(double fullScalePsi)
    {
        return replyU32(link.ask(SimLink::read(204)), 8) / 10000.0 * fullScalePsi;
    }
    double reportedPortPsi(int port, double fullScalePsi)
    {
        return replyU16(link.ask(SimLink::read(204)), port == 1 ? 4 : 6) / 10000.0 * fullScalePsi;
    }
    static QByteArray wordWrite(uint8_t address, uint16_t value)
    {
        const char record[10]
            = { char(238), 0, char(address), char(value >> 8), char(value & 0xFF), char(254), 0, 0, 0, 0 };
        return SimLink::write(201, QByteArray(record, 10));
    }
};

TEST(PressureSensorCalibration, CountBecomesPressureThroughLowRangeAndCalibrationPressure)
{
    struct Case {
        double count;
        uint16_t low;
        uint16_t range;
        uint32_t calibrationHundredths;
        double psi;
    };
    const Case cases[] = {
        { 3000, 3000, 26000, 3000, 0.0 }, { 29000, 3000, 26000, 3000, 30.0 }, { 16000, 3000, 26000, 6000, 30.0 },
        { 2500, 3000, 26000, 3000, -30.0 / 52.0 }, // below the zero reads negative
        { 16000, 3000, 0, 3000, 0.0 }, // no range: no pressure
        { 16000, 3000, 0x8000, 3000, 0.0 }, // a negative range neither
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PressureSensors::calibratedPsi(c.count, c.low, c.range, c.calibrationHundredths), c.psi, 1e-9)
            << c.count << " " << c.low << " " << c.range;
    }
    EXPECT_EQ(PressureSensors::countWord(70000.0), 65535);
    EXPECT_EQ(PressureSensors::countWord(-3.0), 0);
    EXPECT_EQ(PressureSensors::countWord(NAN), 0);
}

TEST_F(PressureSensorsTest, SupplySensorOfTheSmallerModelReadsTrueUntilItsZeroDriftsAndAgainOnceRecalibrated)
{
    SimulatedPositioner& device = open(QStringLiteral("Sim/K40/PV-102"));
    const double supply = device.physics().supplyPsi;
    const double fullScale = device.miscLong(0x69) / 100.0;
    EXPECT_NEAR(reportedSupplyPsi(fullScale), supply, 0.01);
    EXPECT_NEAR(reportedPortPsi(2, fullScale), supply, 0.01) << "port 2 is the supply sensor";

    const int countBefore = device.miscWord(0x67);
    device.setSensorZeroShift(2, 500);
    EXPECT_EQ(device.miscWord(0x67), countBefore + 500);
    const double drift = 500.0 / PressureSensors(fullScale).countsPerPsi();
    EXPECT_NEAR(reportedSupplyPsi(fullScale), supply + drift, 0.01);
    EXPECT_GT(drift, 0.2);

    // Written as a zero capture writes them: span, full, zero.
    const int full = device.miscWord(0x67);
    device.setSupplyPsi(0.0);
    const int zero = device.miscWord(0x67);
    EXPECT_EQ(zero, 3500);
    link.ask(wordWrite(0x66, uint16_t(full - zero)));
    link.ask(wordWrite(0x65, uint16_t(full)));
    link.ask(wordWrite(0x64, uint16_t(zero)));
    EXPECT_NEAR(reportedSupplyPsi(fullScale), 0.0, 0.01);
    device.setSupplyPsi(supply);
    EXPECT_NEAR(reportedSupplyPsi(fullScale), supply, 0.01);
    // 195 reports the same supply sensor.
    EXPECT_NEAR(replyU32(link.ask(SimLink::read(195)), 4) / 10000.0 * fullScale, supply, 0.01);
}

TEST_F(PressureSensorsTest, PortOneCountAndPressureFollowItsOwnSensorAndCalibration)
{
    SimulatedPositioner& device = open();
    const double fullScale = device.miscLong(0x69) / 100.0;
    const double port1 = device.valve().port1Psi();
    EXPECT_NEAR(reportedPortPsi(1, fullScale), port1, 0.01);
    EXPECT_NEAR(reportedSupplyPsi(fullScale), device.physics().supplyPsi, 0.01) << "the K90 has no supply sensor";

    const int count = device.miscWord(0x62);
    device.setSensorZeroShift(1, -1300);
    EXPECT_EQ(device.miscWord(0x62), count - 1300);
    EXPECT_NEAR(reportedPortPsi(1, fullScale), port1 - 1300.0 / (26000.0 / fullScale), 0.01);
    EXPECT_NEAR(reportedSupplyPsi(fullScale), device.physics().supplyPsi, 0.01) << "the supply has no sensor to drift";
    // A calibration that takes the drifted zero reads true again.
    link.ask(wordWrite(0x5F, uint16_t(3000 - 1300)));
    EXPECT_NEAR(reportedPortPsi(1, fullScale), port1, 0.01);
}
} // namespace
