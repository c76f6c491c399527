#include "SimFixture.h"

namespace
{

class FaultInjection : public SimFixture
{
protected:
    // The device answers normally: a good status reply.
    void expectNormal(const char* after)
    {
        const SimLink::Exchange e = link.transact(SimLink::read(202));
        ASSERT_TRUE(e.reply.has_value()) << "after " << after;
        EXPECT_EQ(replyU8(*e.reply, 0), 202) << "after " << after;
        EXPECT_EQ(e.reply->size(), 22) << "after " << after;
    }
};

TEST_F(FaultInjection, EachFaultReachesTheOpcLayerAsNamedThenTheDeviceRecovers)
{
    SimulatedPositioner& device = open();
    using Check = std::function<void(const SimLink::Exchange&)>;
    const struct {
        const char* name;
        SimFault fault;
        Check check;
    } cases[] = {
        { "write call failure", SimFault::WriteCallFailure,
            [](const SimLink::Exchange& e) { EXPECT_TRUE(Opc::failed(e.writeCall)); } },
        { "write item error", SimFault::WriteItemError,
            [](const SimLink::Exchange& e) {
                EXPECT_TRUE(Opc::succeeded(e.writeCall));
                EXPECT_TRUE(Opc::failed(e.writeItem));
            } },
        { "read call failure", SimFault::ReadCallFailure,
            [](const SimLink::Exchange& e) {
                EXPECT_TRUE(Opc::succeeded(e.writeItem));
                EXPECT_TRUE(Opc::failed(e.readCall));
            } },
        { "read item error", SimFault::ReadItemError,
            [](const SimLink::Exchange& e) {
                EXPECT_TRUE(Opc::succeeded(e.readCall));
                EXPECT_TRUE(Opc::failed(e.readItem));
                EXPECT_FALSE(e.reply.has_value());
            } },
        { "corrupted checksum", SimFault::CorruptChecksum,
            [](const SimLink::Exchange& e) {
                EXPECT_TRUE(Opc::succeeded(e.readCall));
                EXPECT_TRUE(Opc::failed(e.readItem));
            } },
        { "no response", SimFault::NoResponse,
            [](const SimLink::Exchange& e) { EXPECT_TRUE(Opc::failed(e.readItem)); } },
        { "wrong echo", SimFault::WrongEcho,
            [](const SimLink::Exchange& e) {
                ASSERT_TRUE(e.reply.has_value());
                EXPECT_NE(replyU8(*e.reply, 0), 202);
                EXPECT_EQ(e.reply->size(), 22);
            } },
        { "short reply", SimFault::ShortReply,
            [](const SimLink::Exchange& e) {
                ASSERT_TRUE(e.reply.has_value());
                EXPECT_EQ(replyU8(*e.reply, 0), 202);
                EXPECT_EQ(e.reply->size(), 5);
                EXPECT_EQ(replyU8(*e.reply, 1), 3);
            } },
    };
    for (const auto& c : cases) {
        SimTestHooks::faults(device).inject(c.fault);
        c.check(link.transact(SimLink::read(202)));
        expectNormal(c.name);
    }
}

TEST_F(FaultInjection, DelayedReplyKeepsTheProgramWaitingAndNoTimerTicksMeanwhile)
{
    SimulatedPositioner& device = open();
    int ticks = 0;
    clock().arm(this, 1, 100, [&] { ++ticks; });
    SimTestHooks::faults(device).inject(SimFault::DelayedReply, 1, 202, 750);
    const qint64 sent = clock().elapsedMs();
    const SimLink::Exchange e = link.transact(SimLink::read(202));
    ASSERT_TRUE(e.reply.has_value());
    EXPECT_EQ(replyU8(*e.reply, 0), 202);
    EXPECT_EQ(clock().elapsedMs() - sent, 750);
    EXPECT_EQ(device.requests().back().timeMs, sent) << "the device heard the request at once";
    EXPECT_EQ(ticks, 0) << "a timer cannot tick inside the call";
    // Once the call returns, the overdue timer ticks once and keeps its period.
    clock().advance(0);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock().dueIn(this, 1), 100);
    clock().kill(this, 1);

    SimTestHooks::faults(device).inject(SimFault::DelayedReply);
    const qint64 before = clock().elapsedMs();
    expectNormal("a delayed reply");
    EXPECT_EQ(clock().elapsedMs() - before, 1000) << "the default delay";
    const qint64 after = clock().elapsedMs();
    expectNormal("the delay is over");
    EXPECT_EQ(clock().elapsedMs(), after);
}

TEST_F(FaultInjection, FaultsCanWaitForTheirCommand)
{
    SimulatedPositioner& device = open();
    SimTestHooks::faults(device).inject(SimFault::ShortReply, 2, 220, 6);
    expectNormal("a fault for another command");
    EXPECT_EQ(link.ask(SimLink::read(220)).size(), 6);
    EXPECT_EQ(link.ask(SimLink::read(220)).size(), 6);
    EXPECT_EQ(link.ask(SimLink::read(220)).size(), 7);
}

TEST_F(FaultInjection, MiscReplyForAnotherAddress)
{
    SimulatedPositioner& device = open();
    SimTestHooks::faults(device).inject(SimFault::MiscOtherAddress);
    const QByteArray request = SimLink::write(200, QByteArray("\x92\xF6\xFE", 3));
    EXPECT_NE(replyU8(link.ask(request), 4), 0x92);
    EXPECT_EQ(replyU8(link.ask(request), 4), 0x92);
}

TEST_F(FaultInjection, NoResponseToTheMiscReadsOfOneLongVariableOnly)
{
    SimulatedPositioner& device = open();
    SimTestHooks::faults(device).injectOnMiscLong(SimFault::NoResponse, 2, 0x63);
    const QByteArray fullScale = SimLink::write(200, QByteArray("\xEE\xF6\x69", 3));
    const QByteArray supply = SimLink::write(200, QByteArray("\xEE\xF6\x63", 3));
    EXPECT_TRUE(link.transact(fullScale).reply.has_value()) << "another long variable";
    EXPECT_FALSE(link.transact(supply).reply.has_value());
    EXPECT_TRUE(link.transact(SimLink::read(202)).reply.has_value()) << "another command";
    EXPECT_FALSE(link.transact(supply).reply.has_value());
    EXPECT_TRUE(link.transact(supply).reply.has_value()) << "the fault is used up";
}

TEST_F(FaultInjection, SilentDeviceFromTheNthTransactionUntilItComesBack)
{
    SimulatedPositioner& device = open();
    SimTestHooks::faults(device).goSilent(3);
    EXPECT_TRUE(link.transact(SimLink::read(202)).reply.has_value());
    EXPECT_TRUE(link.transact(SimLink::read(202)).reply.has_value());
    for (int i = 0; i < 4; ++i) {
        const SimLink::Exchange e = link.transact(SimLink::read(202));
        EXPECT_TRUE(Opc::succeeded(e.readCall));
        EXPECT_TRUE(Opc::failed(e.readItem));
    }
    // A silent device still hears what is sent.
    EXPECT_TRUE(device.requests().back().reply.isEmpty());
    SimTestHooks::faults(device).comeBack();
    expectNormal("coming back");
}

TEST_F(FaultInjection, ScriptedRepliesAndRecordedRequests)
{
    SimulatedPositioner& device = open();
    device.clearRequests();
    SimTestHooks::scriptReply(device, 220, QByteArray::fromHex("2005000031210A"));
    EXPECT_EQ(link.ask(SimLink::read(220)).toHex(), QByteArray("2005000031210a"));
    clock().advance(250);
    link.ask(SimLink::write(221, QByteArray("\x39\x20\x06", 3)));
    ASSERT_EQ(device.requests().size(), 2u);
    EXPECT_EQ(device.requests()[0].bytes, QByteArray(1, char(220)));
    EXPECT_EQ(device.requests()[1].bytes.toHex(), QByteArray("dd03392006"));
    EXPECT_EQ(device.requests()[1].timeMs - device.requests()[0].timeMs, 250);
    EXPECT_EQ(device.requestsFor(221).size(), 1u);
    EXPECT_EQ(replyU8(link.ask(SimLink::read(220)), 6), 6);
}

TEST_F(FaultInjection, RequestRecordStaysBoundedOnALongRun)
{
    SimulatedPositioner& device = open();
    for (size_t i = 0; i <= SimulatedPositioner::MaxRecordedRequests + 10; ++i)
        device.respond(202, {});
    EXPECT_LE(device.requests().size(), SimulatedPositioner::MaxRecordedRequests);
    EXPECT_GE(device.requests().size(), SimulatedPositioner::MaxRecordedRequests / 2);
    EXPECT_EQ(device.requests().back().command, 202);
}

} // namespace
