// The positioner's own actuator and stroke calibration runs: the valve
// driven through each state, the results stored at the end, and the flags
// the physics raises.
#include "SimFixture.h"

#include <QSet>

namespace
{

class CalibrationRun : public SimFixture
{
protected:
    struct Trace {
        QByteArray states; // each state as it was first seen, in order
        double lowest = 100.0;
        double highest = 0.0;
        qint64 endMs = -1; // when 0 was first read
        qint64 firstStrokeMs = -1; // when the stroke phase was first seen
        qint64 lastStrokeMs = -1; // when it was last seen
    };

    static QByteArray start(uint8_t code, const char* text)
    {
        return SimLink::write(225, QByteArray(1, char(code)) + QByteArray(text));
    }
    uint8_t state() { return uint8_t(replyU8(link.ask(SimLink::read(224)), 4)); }

    // Reads the state and the position every 100 ms until the run ends or `limitMs` passes.
    Trace follow(SimulatedPositioner& device, qint64 limitMs = 120000)
    {
        Trace trace;
        const QSet<int> stroke { 22, 23, 24, 25, 28, 29, 43, 45 };
        for (qint64 t = 0; t <= limitMs; t += 100) {
            const uint8_t s = state();
            const double position = device.valve().positionPercent();
            trace.lowest = std::min(trace.lowest, position);
            trace.highest = std::max(trace.highest, position);
            if (stroke.contains(s)) {
                if (trace.firstStrokeMs < 0)
                    trace.firstStrokeMs = t;
                trace.lastStrokeMs = t;
            }
            if (s == 0) {
                trace.endMs = t;
                break;
            }
            if (!trace.states.contains(char(s)))
                trace.states.append(char(s));
            clock().advance(100);
        }
        return trace;
    }
    static std::vector<int> list(const QByteArray& states)
    {
        std::vector<int> out;
        for (char s : states)
            out.push_back(uint8_t(s));
        return out;
    }
};

const std::vector<int> ActuatorStates { 20, 21, 26, 32, 35, 36, 37, 40, 41, 22, 23, 24, 25, 28, 29, 43, 45, 60 };
const std::vector<int> StrokeStates { 22, 23, 24, 25, 28, 29, 43, 45 };

} // namespace

TEST_F(CalibrationRun, ActuatorRunGoesThroughPressureStrokeAndFrictionAndStoresWhatItFound)
{
    for (const char* path : { "Sim/K90/PV-101", "Sim/K40/PV-102" }) {
        SCOPED_TRACE(path);
        SimTestHooks::reset();
        SimulatedPositioner& device = open(QString::fromLatin1(path));
        const bool k40 = device.model() == SimModel::K40;
        const uint16_t supplyZero = device.miscWord(0x64);
        // The sensors have drifted: the run takes their counts as they are now.
        device.setSensorZeroShift(1, 400);
        link.ask(start(2, "02/03/2031 XYZ"));
        EXPECT_TRUE(device.statusActive(26)) << "pressure calibration mode";
        const Trace trace = follow(device);

        ASSERT_GE(trace.endMs, 0) << "the run ends";
        EXPECT_EQ(list(trace.states), ActuatorStates);
        EXPECT_LT(trace.lowest, 1.0);
        EXPECT_GT(trace.highest, 99.0);
        const QByteArray done = link.ask(SimLink::read(224));
        EXPECT_EQ(done.mid(5, 14), QByteArray("02/03/2031 XYZ"));
        EXPECT_FALSE(device.statusActive(26));

        // The feedback counts at the two ends of the stroke, and the offset at mid travel.
        const double strokeIn = device.physics().strokeIn;
        EXPECT_NEAR(device.miscWord(0x50), 2000, 60);
        EXPECT_NEAR(device.miscWord(0x51), 2000 + strokeIn * 28000.0 / 1.5, 60);
        EXPECT_NEAR(device.miscWord(0x11), 5000, 100);
        // Port 1: its counts at no pressure and at the supply, with the drift.
        EXPECT_NEAR(device.miscWord(0x5F), 3400, 10);
        EXPECT_EQ(uint16_t(device.miscWord(0x60) - device.miscWord(0x5F)), device.miscWord(0x61));
        EXPECT_NEAR(device.miscWord(0x61), 26000.0, 40) << "the counts over the whole supply";
        if (k40) {
            EXPECT_EQ(device.miscWord(0x64), supplyZero) << "the supply sensor keeps its captured zero";
            EXPECT_EQ(uint16_t(device.miscWord(0x65) - supplyZero), device.miscWord(0x66));
        }
        // The port pressure reads true again after the run.
        clock().advance(5000);
        const double fullScale = device.miscLong(0x69) / 100.0;
        const double port1 = replyU16(link.ask(SimLink::read(204)), 4) / 10000.0 * fullScale;
        EXPECT_NEAR(port1, device.valve().port1Psi(), 0.2);
    }
}

TEST_F(CalibrationRun, StrokeRunGoesThroughTheStrokeStatesOnlyAndTakesLongerWithMoreFriction)
{
    qint64 strokeMs[2] = { 0, 0 };
    for (int k = 0; k < 2; ++k) {
        SimTestHooks::reset();
        SimulatedPositioner& device = open(QStringLiteral("Sim/K90/PV-%1").arg(301 + k));
        if (k == 1) {
            ValveModelParams p = device.physics();
            p.staticFrictionLbf *= 2;
            p.dynamicFrictionLbf *= 2;
            device.setPhysics(p);
        }
        const uint16_t port1Low = device.miscWord(0x5F);
        link.ask(start(1, "04/01/2031 ABC"));
        EXPECT_TRUE(device.statusActive(24)) << "stroke calibration mode";
        const Trace trace = follow(device);
        ASSERT_GE(trace.endMs, 0);
        EXPECT_EQ(list(trace.states), StrokeStates);
        EXPECT_LT(trace.lowest, 1.0);
        EXPECT_GT(trace.highest, 99.0);
        EXPECT_EQ(device.miscWord(0x5F), port1Low) << "no pressure phase";
        strokeMs[k] = trace.lastStrokeMs - trace.firstStrokeMs;
    }
    EXPECT_GT(strokeMs[1], strokeMs[0]) << "twice the friction, a longer stroke phase";
}

TEST_F(CalibrationRun, TooLittleSupplyHoldsTheErrorStateUntilAbortWhichKeepsTheOldCalibration)
{
    SimulatedPositioner& device = open();
    link.ask(start(1, "01/01/2030 OLD"));
    ASSERT_GE(follow(device).endMs, 0);
    const uint16_t low = device.miscWord(0x50);

    device.setSupplyPsi(5.0); // less than the spring's preload
    link.ask(start(1, "02/03/2031 NEW"));
    clock().advance(60000);
    EXPECT_EQ(state(), 97);
    clock().advance(60000);
    EXPECT_EQ(state(), 97) << "held";
    EXPECT_TRUE(device.statusActive(59)) << "no motion time-out";
    EXPECT_TRUE(device.statusActive(40)) << "supply low";

    link.ask(start(0x33, "01/01/2030 OLD"));
    EXPECT_EQ(state(), 0);
    EXPECT_EQ(link.ask(SimLink::read(224)).mid(5, 14), QByteArray("01/01/2030 OLD"));
    EXPECT_EQ(device.miscWord(0x50), low);
    EXPECT_TRUE(device.statusActive(59)) << "the flag stays until a new start";

    // The valve follows its command again.
    device.setSupplyPsi(60.0);
    device.setAnalogCommand(70.0);
    clock().advance(20000);
    EXPECT_NEAR(device.valve().positionPercent(), 70.0, 2.0);
    link.ask(start(1, "02/04/2031 NEW"));
    EXPECT_FALSE(device.statusActive(59)) << "a new start clears the flags";
}

TEST_F(CalibrationRun, StrokeTooShortForTheFeedbackRaisesItsFlagAndTheRunCompletes)
{
    SimulatedPositioner& device = open();
    ValveModelParams p = device.physics();
    p.strokeIn = 0.2;
    device.setPhysics(p);
    link.ask(start(1, "02/03/2031 SHT"));
    ASSERT_GE(follow(device).endMs, 0);
    EXPECT_TRUE(device.statusActive(56));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(228)), 4 + 7) & 0x01, 0x01);

    p.strokeIn = 1.5;
    device.setPhysics(p);
    link.ask(start(1, "02/03/2031 LNG"));
    EXPECT_FALSE(device.statusActive(56));
    ASSERT_GE(follow(device).endMs, 0);
    EXPECT_FALSE(device.statusActive(56));
}

TEST_F(CalibrationRun, PressureFullScaleFollowsTheCalibrationPressure)
{
    SimulatedPositioner& device = open();
    const double supply = device.physics().supplyPsi;
    // 310 kPa: long 0x69 31000, long 0x63 4495.
    device.setMiscLong(0x69, 31000);
    device.setMiscLong(0x63, 4495);
    const uint32_t share = replyU32(link.ask(SimLink::read(204)), 8);
    EXPECT_NEAR(share / 10000.0 * 310.0, supply / 0.145037738, 0.5);
}
