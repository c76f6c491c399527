#include "SimFixture.h"

namespace
{

class DeviceStateMachines : public SimFixture
{
protected:
    int trendState() { return replyU8(link.ask(SimLink::read(184)), 4); }
    int writeTrendState(uint8_t request)
    {
        return replyU8(link.ask(SimLink::write(182, QByteArray(1, char(request)))), 4);
    }
};

TEST_F(DeviceStateMachines, TrendHandshakeReadsNinetyOneRows)
{
    SimulatedPositioner& device = open();
    EXPECT_EQ(trendState(), 0);
    EXPECT_EQ(writeTrendState(2), 1);
    for (int row = 0; row < 91; ++row) {
        const QByteArray reply = link.ask(SimLink::read(181));
        ASSERT_EQ(reply.size(), 21);
        ASSERT_EQ(replyU8(reply, 4), row);
    }
    EXPECT_EQ(replyU8(link.ask(SimLink::read(181)), 4), 91);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(181)), 4), 91);
    EXPECT_EQ(writeTrendState(1), 0);
    // A second read-out starts from the first row again.
    EXPECT_EQ(writeTrendState(2), 1);
    const QByteArray first = link.ask(SimLink::read(181));
    EXPECT_EQ(replyU8(first, 4), 0);
    EXPECT_NEAR(replyS16(first, 15), 200, 20); // friction in whole pounds
    EXPECT_NEAR(replyS16(first, 19) * 0.01, 24.0, 6.0);

    device.holdTrendState(3);
    EXPECT_EQ(writeTrendState(1), 3);
    EXPECT_EQ(trendState(), 3);
    device.releaseTrendState();
    EXPECT_EQ(writeTrendState(4), 0);
    EXPECT_EQ(writeTrendState(2), 1);
    EXPECT_EQ(link.ask(SimLink::read(181)).mid(11).toHex(), QByteArray(20, '0')); // cleared memory
}

TEST_F(DeviceStateMachines, ActuatorCalibrationStartsAtItsFirstStateAndAForcedErrorStateDoesNotEndIt)
{
    SimulatedPositioner& device = open();
    link.ask(SimLink::write(225, QByteArray(1, 2) + "03/15/2024 JMB"));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(224)), 4), 20);
    EXPECT_TRUE(device.statusActive(26));
    device.forceCalibrationState(48);
    clock().advance(60000);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(224)), 4), 48); // an error state does not end the run

    link.ask(SimLink::write(225, QByteArray(1, 0x33) + QByteArray(14, ' ')));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(224)), 4), 0);

    link.ask(SimLink::write(225, QByteArray(1, 1) + "04/01/2024 ABC"));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(224)), 4), 22);
    clock().advance(60000);
    const QByteArray done = link.ask(SimLink::read(224));
    EXPECT_EQ(replyU8(done, 4), 0);
    EXPECT_EQ(done.mid(5, 14), QByteArray("04/01/2024 ABC"));
    EXPECT_FALSE(device.statusActive(24));
}

TEST_F(DeviceStateMachines, LoopCalibrationStateFollowsTheCodes)
{
    open();
    const struct {
        uint8_t code;
        int state;
    } steps[] = { { 3, 11 }, { 8, 3 }, { 3, 11 }, { 12, 12 }, { 13, 13 }, { 11, 11 }, { 51, 0 }, { 14, 0 } };
    for (const auto& s : steps) {
        link.ask(SimLink::write(227, QByteArray(1, char(s.code)) + "05/05/2024 LPC"));
        EXPECT_EQ(replyU8(link.ask(SimLink::read(226)), 4), s.state) << int(s.code);
    }
    EXPECT_EQ(link.ask(SimLink::read(226)).mid(5, 14), QByteArray("05/05/2024 LPC"));
}

TEST_F(DeviceStateMachines, ErrorHistoryKeepsTheNewestAndClears)
{
    SimulatedPositioner& device = open();
    device.setStatus(20, true); // friction high alarm
    device.setStatus(47, true); // pneumatic leak warning
    QByteArray history = link.ask(SimLink::read(228));
    EXPECT_EQ(replyU8(history, 16), 47);
    EXPECT_EQ(replyU8(history, 17), 20);
    EXPECT_EQ(replyU8(history, 4 + 2) & 0x10, 0x10);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), 20); // the alarm outranks the warning
    const QByteArray cleared = link.ask(SimLink::write(229, QByteArray(1, 0)));
    EXPECT_EQ(replyU8(cleared, 0), 229);
    EXPECT_EQ(replyU8(cleared, 16), 255);
    EXPECT_EQ(replyU8(cleared, 4 + 2) & 0x10, 0x10); // the statuses themselves stay
}

TEST_F(DeviceStateMachines, ZeroSupplyLowersTheSupplyCountOnK40)
{
    SimulatedPositioner& device = open(QStringLiteral("Sim/K40/PV-102"));
    const int before = device.miscWord(0x67);
    device.setSupplyPsi(0.0);
    EXPECT_GT(before - device.miscWord(0x67), 100);
}

} // namespace

TEST_F(DeviceStateMachines, StatusWithItsMaskBitClearIsLeftOutOfTheStatusByteButStillShowsActive)
{
    SimulatedPositioner& device = open();
    device.setStatus(20, true); // friction high alarm
    device.setStatus(47, true); // pneumatic leak warning
    QByteArray mask(10, char(0xFF));
    mask[2] = char(0xEF); // status 20 disabled
    link.ask(SimLink::write(167, mask));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), 47);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(228)), 4 + 2) & 0x10, 0x10);
    EXPECT_EQ(device.miscByte(0x7B) & 0x10, 0x10);

    mask[5] = char(0x7F); // status 47 disabled as well
    link.ask(SimLink::write(167, mask));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), 255);
    link.ask(SimLink::write(167, QByteArray(10, char(0xFF))));
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 21), 20);
}
