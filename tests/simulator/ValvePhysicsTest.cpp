#include "SimFixture.h"

#include <cmath>
#include <map>
#include <set>

namespace
{

class ValvePhysics : public SimFixture
{
protected:
    struct Reading {
        double position; // percent
        double port1Psi;
    };

    // Position (202) and port 1 pressure (204) as the program reads them.
    Reading read()
    {
        const QByteArray status = link.ask(SimLink::read(202));
        const QByteArray pressures = link.ask(SimLink::read(204));
        return { replyU16(status, 11) * 0.01, replyU16(pressures, 4) * 0.01 * m_fullScalePsi * 0.01 };
    }

    SimulatedPositioner& openAt(const QString& path, double command)
    {
        SimulatedPositioner& device = open(path);
        m_fullScalePsi = replyU32(link.ask(SimLink::write(200, QByteArray("\xEE\xF6\x69", 3))), 10) * 0.01;
        device.setAnalogCommand(command);
        clock().advance(20000);
        return device;
    }

    // The pressure at which each whole percent of travel is first reached on one
    // stroke of a slow ramp of the command.
    std::map<int, double> rampStroke(SimulatedPositioner& device, double from, double to)
    {
        std::map<int, double> pressureAt;
        const int steps = 1000; // 100 s in steps of 100 ms
        double last = read().position;
        for (int i = 1; i <= steps; ++i) {
            device.setAnalogCommand(from + (to - from) * i / steps);
            clock().advance(100);
            const auto now = read();
            const int lo = int(std::ceil(std::min(last, now.position)));
            const int hi = int(std::floor(std::max(last, now.position)));
            for (int b = lo; b <= hi; ++b)
                pressureAt.emplace(b, now.port1Psi);
            last = now.position;
        }
        return pressureAt;
    }
    double m_fullScalePsi = 0.0;
};

TEST_F(ValvePhysics, SlowRampShowsTheFrictionBandAndTheSpringRate)
{
    for (const char* path : { "Sim/K90/PV-101", "Sim/K40/PV-102" }) {
        SimulatedPositioner& device = openAt(QString::fromLatin1(path), 0.0);
        const ValveModelParams p = device.physics();
        const auto opening = rampStroke(device, 0, 100);
        const auto closing = rampStroke(device, 100, 0);

        double bandSum = 0;
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        int n = 0;
        for (int b = 20; b <= 80; ++b) {
            ASSERT_TRUE(opening.count(b) && closing.count(b)) << path << " travel " << b;
            bandSum += opening.at(b) - closing.at(b);
            const double x = b / 100.0 * p.strokeIn;
            const double mid = (opening.at(b) + closing.at(b)) / 2;
            sx += x, sy += mid, sxx += x * x, sxy += x * mid;
            ++n;
        }
        const double band = bandSum / n;
        EXPECT_GE(band, 2 * p.dynamicFrictionLbf / p.areaIn2 * 0.95) << path;
        EXPECT_LE(band, 2 * p.staticFrictionLbf / p.areaIn2 * 1.05) << path;
        const double slopePsiPerIn = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        const double springRate = (p.benchHighPsi - p.benchLowPsi) * p.areaIn2 / p.strokeIn;
        EXPECT_NEAR(slopePsiPerIn * p.areaIn2, springRate, springRate * 0.05) << path;
    }
}

TEST_F(ValvePhysics, TenPercentStepSettlesQuicklyWithLittleOvershoot)
{
    const struct {
        const char* path;
        double from, to;
    } cases[] = { { "Sim/K90/PV-101", 50, 60 }, { "Sim/K90/PV-101", 50, 40 }, { "Sim/K40/PV-102", 50, 60 },
        { "Sim/K40/PV-102", 50, 40 } };
    for (const auto& c : cases) {
        SimulatedPositioner& device = openAt(QString::fromLatin1(c.path), c.from);
        device.setAnalogCommand(c.to);
        const double direction = c.to > c.from ? 1.0 : -1.0;
        double overshoot = 0.0;
        double lastOutside = 0.0;
        for (int ms = 10; ms <= 6000; ms += 10) {
            clock().advance(10);
            const double position = device.valve().positionPercent();
            overshoot = std::max(overshoot, direction * (position - c.to));
            if (std::abs(position - c.to) > 1.0)
                lastOutside = ms / 1000.0;
        }
        EXPECT_LE(lastOutside, 3.0) << c.path << " " << c.from << " -> " << c.to;
        EXPECT_LE(overshoot, 0.1 * std::abs(c.to - c.from)) << c.path << " " << c.from << " -> " << c.to;
    }
}

TEST_F(ValvePhysics, SupplyBelowTheLowAlarmRaisesItsStatus)
{
    SimulatedPositioner& device = openAt(QStringLiteral("Sim/K90/PV-101"), 50);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), SimulatedPositioner::NoActiveStatus);
    device.setSupplyPsi(35.0); // low alarm at 40 psi
    clock().advance(1000);
    const QByteArray history = link.ask(SimLink::read(228));
    EXPECT_EQ(replyU8(history, 4 + 5) & 0x01, 0x01); // status 40
    const QByteArray misc = link.ask(SimLink::write(200, QByteArray("\x7E\xF6\xFE", 3))); // 0x79 + 40 / 8
    EXPECT_EQ(replyU8(misc, 5) & 0x01, 0x01);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), 40);
    // The newest history entries: the low alarm, and the low warning passed on the way.
    const std::set<int> newest = { replyU8(history, 16), replyU8(history, 17) };
    EXPECT_EQ(newest, (std::set<int> { 40, 42 }));

    device.setSupplyPsi(60.0);
    clock().advance(1000);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), SimulatedPositioner::NoActiveStatus);
}

TEST_F(ValvePhysics, AHugeClockJumpIsIntegratedWithoutHanging)
{
    SimulatedPositioner& device = openAt(QStringLiteral("Sim/K90/PV-101"), 30);
    device.setAnalogCommand(70);
    clock().advance(30LL * 24 * 3600 * 1000); // a month
    EXPECT_NEAR(device.valve().positionPercent(), 70.0, 1.5);
    const auto requests = device.requests();
    link.ask(SimLink::read(202));
    EXPECT_EQ(device.requests().back().timeMs, clock().elapsedMs());
    EXPECT_GT(device.requests().back().timeMs, requests.back().timeMs);
}

} // namespace
