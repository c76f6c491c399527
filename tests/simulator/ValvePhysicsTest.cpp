#include "SimFixture.h"

#include <cmath>
#include <map>
#include <optional>
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

    // Opens the device, gives it `params` when set, and lets it settle at `command`.
    SimulatedPositioner& openAt(
        const QString& path, double command, const std::optional<ValveModelParams>& params = std::nullopt)
    {
        SimulatedPositioner& device = open(path);
        if (params)
            device.setPhysics(*params);
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

TEST_F(ValvePhysics, EachModelStartsWithItsOwnActuatorAndValve)
{
    const struct {
        const char* path;
        double supply, area, benchLow, benchHigh, stroke, staticFriction, dynamicFriction, relayLag;
        int fullScaleLong, areaTenths, strokeHundredths;
    } cases[] = {
        { "Sim/K90/PV-101", 60, 100, 6, 30, 1.5, 300, 200, 0.3, 6000, 1000, 150 },
        { "Sim/K40/PV-102", 30, 50, 3, 15, 0.75, 80, 60, 0.2, 3000, 500, 75 },
    };
    for (const auto& c : cases) {
        SimLink device;
        ASSERT_TRUE(device.open(QString::fromLatin1(c.path)));
        const ValveModelParams p = SimTestHooks::device(QString::fromLatin1(c.path))->physics();
        EXPECT_FALSE(p.doubleActing) << c.path;
        EXPECT_EQ(p.supplyPsi, c.supply) << c.path;
        EXPECT_EQ(p.areaIn2, c.area) << c.path;
        EXPECT_EQ(p.benchLowPsi, c.benchLow) << c.path;
        EXPECT_EQ(p.benchHighPsi, c.benchHigh) << c.path;
        EXPECT_EQ(p.strokeIn, c.stroke) << c.path;
        EXPECT_EQ(p.staticFrictionLbf, c.staticFriction) << c.path;
        EXPECT_EQ(p.dynamicFrictionLbf, c.dynamicFriction) << c.path;
        EXPECT_EQ(p.relayLagS, c.relayLag) << c.path;
        // What the program reads of them: the full scale, the actuator area, the stroke length.
        EXPECT_EQ(
            replyU32(device.ask(SimLink::write(200, QByteArray("\xEE\xF6\x69", 3))), 10), uint32_t(c.fullScaleLong))
            << c.path;
        EXPECT_EQ(replyU16(device.ask(SimLink::read(230)), 8), c.areaTenths) << c.path;
        EXPECT_EQ(replyU16(device.ask(SimLink::read(173)), 20), c.strokeHundredths) << c.path;
    }
}

TEST_F(ValvePhysics, SlowRampShowsTheFrictionBandAndTheSpringRate)
{
    // The defaults of both models, and a stickier valve set from the test:
    // the band must follow the friction the model was given.
    ValveModelParams sticky = ValveModelParams::k90();
    sticky.staticFrictionLbf = 500;
    sticky.dynamicFrictionLbf = 400;
    const struct {
        const char* path;
        std::optional<ValveModelParams> params;
    } cases[]
        = { { "Sim/K90/PV-101", std::nullopt }, { "Sim/K40/PV-102", std::nullopt }, { "Sim/K90/PV-103", sticky } };
    for (const auto& [path, params] : cases) {
        SimulatedPositioner& device = openAt(QString::fromLatin1(path), 0.0, params);
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
    ValveModelParams doubleActing = ValveModelParams::k90();
    doubleActing.doubleActing = true;
    const struct {
        const char* path;
        double from, to;
        std::optional<ValveModelParams> params;
    } cases[] = { { "Sim/K90/PV-101", 50, 60, std::nullopt }, { "Sim/K90/PV-101", 50, 40, std::nullopt },
        { "Sim/K40/PV-102", 50, 60, std::nullopt }, { "Sim/K40/PV-102", 50, 40, std::nullopt },
        { "Sim/K90/PV-104", 50, 60, doubleActing }, { "Sim/K90/PV-104", 50, 40, doubleActing } };
    for (const auto& c : cases) {
        SimulatedPositioner& device = openAt(QString::fromLatin1(c.path), c.from, c.params);
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

TEST_F(ValvePhysics, SmallCommandChangesAreFollowedEitherWayAfterAStep)
{
    // A step leaves the stem a little past its command (a stick-slip jump);
    // a small new command either way must still move it.
    const struct {
        const char* path;
        double step, change;
    } cases[] = { { "Sim/K90/PV-101", 60, 0.5 }, { "Sim/K90/PV-101", 60, -0.5 }, { "Sim/K90/PV-101", 60, -1 },
        { "Sim/K90/PV-101", 40, 0.5 }, { "Sim/K90/PV-101", 40, -0.5 }, { "Sim/K90/PV-101", 40, 1 },
        { "Sim/K40/PV-102", 60, 0.5 }, { "Sim/K40/PV-102", 60, -0.5 }, { "Sim/K40/PV-102", 40, 1 },
        { "Sim/K40/PV-102", 40, -1 } };
    for (const auto& c : cases) {
        SimulatedPositioner& device = openAt(QString::fromLatin1(c.path), c.step);
        const double before = device.valve().positionPercent();
        const double command = c.step + c.change;
        device.setAnalogCommand(command);
        clock().advance(30000);
        const double after = device.valve().positionPercent();
        const std::string where = QStringLiteral("%1 at %2 then %3").arg(c.path).arg(c.step).arg(command).toStdString();
        if (std::abs(before - command) > device.physics().deadbandPercent) {
            EXPECT_NE(after, before) << where;
        }
        EXPECT_NEAR(after, command, 1.0) << where;
    }
}

TEST_F(ValvePhysics, DoubleActingActuatorUsesBothPorts)
{
    ValveModelParams params = ValveModelParams::k90();
    params.doubleActing = true;
    SimulatedPositioner& device = openAt(QStringLiteral("Sim/K90/PV-104"), 30, params);
    const int config = replyU8(link.ask(SimLink::write(200, QByteArray("\x28\xF6\xFE", 3))), 5);
    EXPECT_EQ(config & 0x20, 0) << "port 2 is in use";
    const auto portsAt = [&](double command) {
        device.setAnalogCommand(command);
        clock().advance(10000);
        const QByteArray reply = link.ask(SimLink::read(204));
        EXPECT_NEAR(replyU16(link.ask(SimLink::read(202)), 11), command * 100, 100) << command;
        return std::pair(replyU16(reply, 4), replyU16(reply, 6));
    };
    const auto [opening1, closing1] = portsAt(30);
    const auto [opening2, closing2] = portsAt(70);
    EXPECT_GT(closing1, 0);
    EXPECT_GT(closing2, 0);
    // With no spring, the stem rests where the two sides balance within the friction band.
    const double band = 2 * params.staticFrictionLbf / params.areaIn2 / m_fullScalePsi * 10000;
    EXPECT_LE(std::abs(opening1 - closing1), band);
    EXPECT_LE(std::abs(opening2 - closing2), band);
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
