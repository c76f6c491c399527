#include "SimFixture.h"

#include <bit>

namespace
{

class SignatureTestRun : public SimFixture
{
protected:
    // [type][15][4 floats][u16], as the start command lays it.
    static QByteArray start(uint8_t type, float a, float b, float c, float d, uint16_t u = 0)
    {
        QByteArray data;
        data.append(char(type)).append(char(15));
        for (float f : { a, b, c, d }) {
            const uint32_t bits = std::bit_cast<uint32_t>(f);
            for (int shift = 24; shift >= 0; shift -= 8)
                data.append(char(bits >> shift));
        }
        data.append(char(u >> 8)).append(char(u));
        return SimLink::write(233, data);
    }

    int testStatus() { return replyU8(link.ask(SimLink::write(200, QByteArray("\x92\xF6\xFE", 3))), 5); }
};

TEST_F(SignatureTestRun, RampRecordsAndServesItsBlocksInOrder)
{
    SimulatedPositioner& device = open();
    device.setAnalogCommand(20);
    clock().advance(20000);
    const QByteArray started = link.ask(start(9, 20.0f, 80.0f, 60.0f, 5.0f));
    EXPECT_EQ(replyU8(started, 4), 9);
    EXPECT_EQ(testStatus() & 0x01, 0x01);
    EXPECT_TRUE(device.statusActive(5)); // "Signature In Progress Mode"
    // While it runs there is nothing to read out yet.
    EXPECT_EQ(replyU8(link.ask(SimLink::read(252)), 28), 0x01);

    clock().advance(71000);
    EXPECT_EQ(testStatus(), 0x00);

    std::vector<int> commands, positions;
    for (int block = 0; block < 104; ++block) {
        const QByteArray reply = link.ask(SimLink::read(252));
        ASSERT_EQ(reply.size(), 29);
        EXPECT_EQ(replyU8(reply, 28), block == 103 ? 0x20 : 0x00) << block;
        if (block < 103) {
            EXPECT_EQ(testStatus() & 0x20, 0) << block;
        }
        for (int k = 0; k < 2; ++k) {
            commands.push_back(replyS16(reply, 4 + 12 * k));
            positions.push_back(replyS16(reply, 6 + 12 * k));
        }
    }
    EXPECT_EQ(testStatus(), 0x20);
    ASSERT_EQ(commands.size(), 208u);
    EXPECT_NEAR(commands.front(), 2000, 10);
    EXPECT_NEAR(commands.back(), 8000, 10);
    EXPECT_TRUE(std::is_sorted(commands.begin(), commands.end()));
    EXPECT_NEAR(positions.front(), 2000, 150);
    EXPECT_NEAR(positions.back(), 8000, 150);
    // Past the last block the last block comes again, marked last.
    EXPECT_EQ(replyU8(link.ask(SimLink::read(252)), 28), 0x20);

    // The settings of the last start come back.
    const QByteArray settings = link.ask(SimLink::read(253));
    EXPECT_EQ(replyU8(settings, 4), 9);
    EXPECT_EQ(std::bit_cast<float>(replyU32(settings, 10)), 80.0f);
    EXPECT_EQ(std::bit_cast<float>(replyU32(settings, 14)), 60.0f);

    // A second start clears the read-out flag and restarts the read-out.
    link.ask(start(9, 80.0f, 20.0f, 60.0f, 5.0f));
    EXPECT_EQ(testStatus(), 0x01);
    clock().advance(71000);
    const QByteArray first = link.ask(SimLink::read(252));
    EXPECT_NEAR(replyS16(first, 4), 8000, 10);
    EXPECT_EQ(device.signatureBlocksRead(), 1);
}

TEST_F(SignatureTestRun, ANewStartRestartsAReadOutLeftHalfway)
{
    SimulatedPositioner& device = open();
    device.setAnalogCommand(50);
    clock().advance(20000);
    link.ask(start(1, 50.0f, 60.0f, 0.0f, 10.0f));
    clock().advance(21000);
    for (int block = 0; block < 40; ++block)
        link.ask(SimLink::read(252));
    EXPECT_EQ(device.signatureBlocksRead(), 40);

    // The second test steps the other way: its first block starts from its own start.
    link.ask(start(1, 60.0f, 40.0f, 0.0f, 10.0f));
    EXPECT_EQ(testStatus(), 0x01);
    clock().advance(21000);
    EXPECT_EQ(testStatus(), 0x00) << "finished, nothing read out yet";
    const QByteArray first = link.ask(SimLink::read(252));
    EXPECT_EQ(device.signatureBlocksRead(), 1);
    EXPECT_EQ(replyU8(first, 28), 0x00);
    EXPECT_NEAR(replyS16(first, 4), 4000, 10) << "the new test's command";
    for (int block = 1; block < 104; ++block)
        link.ask(SimLink::read(252));
    EXPECT_EQ(testStatus(), 0x20);
}

TEST_F(SignatureTestRun, StepTestStartsFromItsStartAndRecordsItsHoldTimeAndOneSecondMore)
{
    // The step test goes out as a type 1 signature: start, stop, hold time as float 4.
    SimulatedPositioner& device = open();
    device.setAnalogCommand(80);
    clock().advance(20000);
    link.ask(start(1, 30.0f, 70.0f, 0.0f, 6.0f));
    EXPECT_NEAR(device.valve().positionPercent(), 30.0, 0.5) << "brought to the start position first";
    clock().advance(6990);
    EXPECT_EQ(testStatus() & 0x01, 0x01);
    clock().advance(10);
    EXPECT_EQ(testStatus(), 0x00) << "208 samples over 6 + 1 s";

    std::vector<int> commands, positions;
    for (int block = 0; block < 104; ++block) {
        const QByteArray reply = link.ask(SimLink::read(252));
        for (int k = 0; k < 2; ++k) {
            commands.push_back(replyS16(reply, 4 + 12 * k));
            positions.push_back(replyS16(reply, 6 + 12 * k));
        }
    }
    EXPECT_EQ(testStatus(), 0x20);
    EXPECT_NEAR(commands.front(), 7000, 10) << "the command is at the stop from the first sample";
    EXPECT_NEAR(commands.back(), 7000, 10);
    EXPECT_NEAR(positions.front(), 3000, 100);
    EXPECT_NEAR(positions.back(), 7000, 150);
}

TEST_F(SignatureTestRun, PartialStrokeGivesItsResults)
{
    SimulatedPositioner& device = open();
    device.setAnalogCommand(100);
    clock().advance(20000);
    link.ask(start(1, 100.0f, 90.0f, 0.0f, 10.0f, 500));
    clock().advance(21000);
    const QByteArray info = link.ask(SimLink::read(175));
    ASSERT_EQ(info.size(), 11);
    EXPECT_NE(replyU16(info, 4), 0xFFFF); // break-away time
    EXPECT_GT(replyU16(info, 6), 0); // break-away pressure
    EXPECT_LT(replyU16(info, 8), 500); // time to target, within the allowed 5 s
    EXPECT_EQ(replyU8(info, 10), 1); // pass
    EXPECT_EQ(testStatus() & 0x01, 0);
}

TEST_F(SignatureTestRun, PartialStrokeTimesPastTheirLastHundredthStopAtFFFEAndKeepTheFirstBreakAway)
{
    // 20 psi cannot lift the spring further than it already is at 50 %: the
    // valve breaks away only once the supply comes back, 600 or 700 s into a
    // stroke that holds 60 % for 1000 s and then comes back to 50 %.
    const struct {
        int supplyBackS;
        int lowest, highest; // break-away time and time to target, hundredths of s
    } cases[] = { { 600, 60000, 60200 }, { 700, 0xFFFE, 0xFFFE } };
    int n = 0;
    for (const auto& c : cases) {
        SimulatedPositioner& device = open(QStringLiteral("Sim/K90/PS-%1").arg(++n));
        device.setSupplyPsi(20.0);
        link.ask(start(1, 50.0f, 60.0f, 0.0f, 1000.0f));
        clock().advance(c.supplyBackS * 1000);
        device.setSupplyPsi(60.0);
        clock().advance(100000);
        const QByteArray stroked = link.ask(SimLink::read(175));
        for (int at : { 4, 8 }) {
            EXPECT_GE(replyU16(stroked, at), c.lowest) << c.supplyBackS << " s, word at " << at;
            EXPECT_LE(replyU16(stroked, at), c.highest) << c.supplyBackS << " s, word at " << at;
        }
        // It broke away opening: above the 18 psi spring and preload need at 50 %.
        const int breakAwayPressure = replyU16(stroked, 6);
        EXPECT_GT(breakAwayPressure, 3000) << c.supplyBackS << " s";

        clock().advance(1400000); // once the test is over the valve follows its own command again
        ASSERT_FALSE(device.signatureRunning());
        EXPECT_NEAR(device.valve().positionPercent(), 50.0, 1.5);
        const QByteArray done = link.ask(SimLink::read(175));
        EXPECT_EQ(replyU16(done, 4), replyU16(stroked, 4)) << c.supplyBackS << " s";
        EXPECT_EQ(replyU16(done, 6), breakAwayPressure) << c.supplyBackS << " s";
        EXPECT_EQ(replyU16(done, 8), replyU16(stroked, 8)) << c.supplyBackS << " s";
    }
}

TEST_F(SignatureTestRun, PartialStrokePassesWithinItsAllowedTimeToTheHundredth)
{
    // The same stroke on devices alike takes the same time to target.
    open(QStringLiteral("Sim/K90/PT-0"));
    link.ask(start(1, 50.0f, 40.0f, 0.0f, 10.0f));
    clock().advance(21000);
    const int timeToTarget = replyU16(link.ask(SimLink::read(175)), 8);
    ASSERT_GT(timeToTarget, 100);
    ASSERT_LT(timeToTarget, 1000);
    const struct {
        const char* name;
        int allowed;
        int result;
    } cases[] = {
        { "allowed exactly the time it took", timeToTarget, 1 },
        { "allowed a hundredth less", timeToTarget - 1, 0 },
        { "allowed a hundredth more", timeToTarget + 1, 1 },
        { "no time limit", 0, 1 },
    };
    int n = 0;
    for (const auto& c : cases) {
        open(QStringLiteral("Sim/K90/PT-%1").arg(++n));
        link.ask(start(1, 50.0f, 40.0f, 0.0f, 10.0f, uint16_t(c.allowed)));
        clock().advance(21000);
        const QByteArray info = link.ask(SimLink::read(175));
        EXPECT_EQ(replyU16(info, 8), timeToTarget) << c.name;
        EXPECT_EQ(replyU8(info, 10), c.result) << c.name;
    }
}

TEST_F(SignatureTestRun, StopEndsARunningTest)
{
    SimulatedPositioner& device = open();
    link.ask(start(1, 50.0f, 40.0f, 0.0f, 30.0f));
    clock().advance(1000);
    EXPECT_TRUE(device.signatureRunning());
    link.ask(SimLink::write(201,
        QByteArray::fromHex("9200"
                            "F60000"
                            "FE00000000")));
    EXPECT_FALSE(device.signatureRunning());
    EXPECT_EQ(testStatus(), 0);

    link.ask(start(9, 0.0f, 100.0f, 100.0f, 0.0f));
    clock().advance(1000);
    link.ask(start(0, 0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_FALSE(device.signatureRunning());
    // Stopping keeps the settings of the test that ran.
    EXPECT_EQ(replyU8(link.ask(SimLink::read(253)), 4), 9);
}

TEST_F(SignatureTestRun, EachWordOfASampleIsTheValveAsTheDevicesOtherRepliesGiveItAtThatMoment)
{
    SimulatedPositioner& device = open();
    ValveModelParams physics = device.physics();
    physics.doubleActing = true;
    device.setPhysics(physics);
    device.setAnalogCommand(30);
    clock().advance(20000);
    // A step from 30 % to 70 %, 7 s in 208 samples: sample k is taken at
    // k x 7000 / 208 ms, whole milliseconds.
    link.ask(start(1, 30.0f, 70.0f, 0.0f, 6.0f));
    struct Moment {
        int sample;
        int command, position, relayCommand, relayPosition, port1, port2;
    };
    std::vector<Moment> moments;
    qint64 at = 0;
    for (int sample : { 3, 12, 40 }) {
        clock().advance(sample * 7000 / 208 - at);
        at = sample * 7000 / 208;
        const QByteArray pressures = link.ask(SimLink::read(204));
        moments.push_back({ sample, int(std::lround(device.valve().commandPercent() * 100)),
            int(std::lround(device.valve().positionPercent() * 100)), device.miscWord(0x12), device.miscWord(0x34),
            replyU16(pressures, 4), replyU16(pressures, 6) });
    }
    clock().advance(7000 - at);
    std::vector<QByteArray> blocks;
    for (int block = 0; block < 104; ++block)
        blocks.push_back(link.ask(SimLink::read(252)));
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.sample);
        const QByteArray& reply = blocks[size_t(m.sample / 2)];
        const int first = 4 + 12 * (m.sample % 2);
        // Words in the order command, position, pilot relay command, pilot
        // relay position, port 1, port 2, each within a millisecond's move.
        EXPECT_NEAR(replyS16(reply, first), m.command, 5);
        EXPECT_NEAR(replyS16(reply, first + 2), m.position, 5);
        EXPECT_NEAR(replyS16(reply, first + 4), m.relayCommand, 5);
        EXPECT_NEAR(replyS16(reply, first + 6), m.relayPosition, 5);
        EXPECT_NEAR(replyS16(reply, first + 8), m.port1, 5);
        EXPECT_NEAR(replyS16(reply, first + 10), m.port2, 5);
    }
    // The moments tell apart each pair of words a swap would confuse.
    const auto apart = [&](int Moment::*a, int Moment::*b) {
        return std::any_of(moments.begin(), moments.end(), [&](const Moment& m) { return std::abs(m.*a - m.*b) > 50; });
    };
    EXPECT_TRUE(apart(&Moment::command, &Moment::position));
    EXPECT_TRUE(apart(&Moment::relayCommand, &Moment::relayPosition));
    EXPECT_TRUE(apart(&Moment::port1, &Moment::port2));
    EXPECT_TRUE(apart(&Moment::relayPosition, &Moment::port1));
}

} // namespace

namespace
{

class RampSignature : public SignatureTestRun
{
};

TEST_F(RampSignature, RampsFromItsStartOverItsDurationThenHoldsForTheHoldTimeAndOneSecond)
{
    SimulatedPositioner& device = open();
    device.setAnalogCommand(50);
    clock().advance(20000);
    // Start 10 %, stop 90 %, duration 20 s, hold 4 s: 25 s recorded.
    link.ask(start(9, 10.0f, 90.0f, 20.0f, 4.0f));
    clock().advance(24900);
    EXPECT_EQ(testStatus() & 0x01, 0x01);
    clock().advance(200);
    EXPECT_EQ(testStatus() & 0x01, 0x00);
    std::vector<int> commands, positions;
    for (int block = 0; block < 104; ++block) {
        const QByteArray reply = link.ask(SimLink::read(252));
        for (int k = 0; k < 2; ++k) {
            commands.push_back(replyS16(reply, 4 + 12 * k));
            positions.push_back(replyS16(reply, 6 + 12 * k));
        }
    }
    // The valve was brought to the start first, and the ramp begins at once.
    EXPECT_NEAR(positions.front(), 1000, 100);
    EXPECT_NEAR(commands.front(), 1000, 10);
    // Sample k lies k x 25/208 s into the test: 12.5 s is 62.5 % of the ramp.
    EXPECT_NEAR(commands[104], 6000, 10);
    // From 20 s on the command holds at the stop.
    const int atStop = int(20.0 / (25.0 / 208)) + 1;
    for (size_t k = size_t(atStop); k < commands.size(); ++k)
        ASSERT_EQ(commands[k], 9000) << k;
    EXPECT_NEAR(positions.back(), 9000, 150);
}

TEST_F(RampSignature, AStopCommandKeepsTheRampsOwnEndsForTheSettingsRead)
{
    open();
    link.ask(start(9, 20.0f, 70.0f, 10.0f, 3.0f));
    clock().advance(15000);
    // The reverse ramp swaps them; the restore puts them back.
    link.ask(start(9, 70.0f, 20.0f, 10.0f, 3.0f));
    clock().advance(15000);
    link.ask(start(0, 20.0f, 70.0f, 0.0f, 3.0f));
    const QByteArray settings = link.ask(SimLink::read(253));
    EXPECT_EQ(std::bit_cast<float>(replyU32(settings, 6)), 20.0f);
    EXPECT_EQ(std::bit_cast<float>(replyU32(settings, 10)), 70.0f);
    // The duration and hold of the ramp are kept.
    EXPECT_EQ(std::bit_cast<float>(replyU32(settings, 14)), 10.0f);
}

TEST_F(RampSignature, TheDipSwitchBytesTellAnAirToOpenActuator)
{
    open();
    for (const char* request : { "\x37\xF6\xFE", "\x38\xF6\xFE" })
        EXPECT_EQ(replyU8(link.ask(SimLink::write(200, QByteArray(request, 3))), 5) & 0x01, 0x01) << int(request[0]);
}

} // namespace
