#include "SimFixture.h"

#include <bit>
#include <vector>

namespace
{

class SimulatedCommands : public SimFixture
{
};

// An independent reading of HART packed ASCII: four 6-bit codes per three
// bytes, each code below 0x20 lifted into the capitals.
QByteArray decodePackedAscii(const QByteArray& bytes)
{
    QByteArray text;
    for (int i = 0; i + 2 < bytes.size(); i += 3) {
        const uint8_t b0 = uint8_t(bytes[i]), b1 = uint8_t(bytes[i + 1]), b2 = uint8_t(bytes[i + 2]);
        const uint8_t codes[4] = { uint8_t(b0 >> 2), uint8_t(((b0 & 3) << 4) | (b1 >> 4)),
            uint8_t(((b1 & 15) << 2) | (b2 >> 6)), uint8_t(b2 & 63) };
        for (uint8_t c : codes)
            text.append(char(c < 0x20 ? c + 0x40 : c));
    }
    return text;
}

TEST_F(SimulatedCommands, TagAndDescriptorComeBackInPackedAscii)
{
    SimulatedPositioner& device = open();
    const struct {
        QByteArray tag, descriptor, expectedTag, expectedDescriptor;
    } cases[] = {
        { "PV-101", "K90 POSITIONER", "PV-101  ", "K90 POSITIONER  " },
        { "FV12/A", "LINE 4 FEED: 60%", "FV12/A  ", "LINE 4 FEED: 60%" },
        { "tic-7", "lower case text", "TIC-7   ", "LOWER CASE TEXT " },
        { "ABCDEFGHIJ", "0123456789ABCDEFGH", "ABCDEFGH", "0123456789ABCDEF" },
        { "@@@@@@@@", "@@@@????[]^_ !#$", "@@@@@@@@", "@@@@????[]^_ !#$" },
    };
    for (const auto& c : cases) {
        device.setTag(c.tag);
        device.setDescriptor(c.descriptor);
        const QByteArray reply = link.ask(SimLink::read(13));
        ASSERT_GE(reply.size(), 22);
        EXPECT_EQ(decodePackedAscii(reply.mid(4, 6)), c.expectedTag);
        EXPECT_EQ(decodePackedAscii(reply.mid(10, 12)), c.expectedDescriptor);
    }
    // A tag of "@" packs to zero bytes.
    device.setTag("@@@@@@@@");
    EXPECT_EQ(link.ask(SimLink::read(13)).mid(4, 6), QByteArray(6, '\0'));
}

TEST_F(SimulatedCommands, EveryReadOfTheTableIsAnsweredWithItsLayout)
{
    open();
    // The reply positions the program decodes: every field must lie inside.
    const struct {
        int command, lastPosition;
    } reads[] = { { 13, 21 }, { 48, 17 }, { 166, 13 }, { 173, 37 }, { 175, 10 }, { 177, 11 }, { 179, 31 }, { 181, 20 },
        { 184, 4 }, { 187, 11 }, { 189, 11 }, { 194, 11 }, { 195, 21 }, { 197, 19 }, { 202, 21 }, { 204, 11 },
        { 212, 23 }, { 218, 11 }, { 220, 6 }, { 224, 18 }, { 226, 18 }, { 228, 23 }, { 230, 9 }, { 234, 26 },
        { 236, 23 }, { 240, 19 }, { 244, 25 }, { 246, 25 }, { 252, 28 }, { 253, 23 } };
    for (const auto& r : reads) {
        const QByteArray reply = link.ask(SimLink::read(uint8_t(r.command)));
        ASSERT_GT(reply.size(), r.lastPosition) << "command " << r.command;
        EXPECT_EQ(replyU8(reply, 0), r.command);
        EXPECT_EQ(replyU8(reply, 1), reply.size() - 2) << "command " << r.command;
        EXPECT_EQ(replyU8(reply, 2), 0) << "command " << r.command;
    }
    const QByteArray misc = link.ask(SimLink::write(200, QByteArray("\xEE\xF6\xFE", 3)));
    EXPECT_EQ(misc.size(), 14);
}

TEST_F(SimulatedCommands, UnknownCommandsAreNotImplemented)
{
    open();
    for (int command : { 1, 99, 183, 255 }) {
        const QByteArray reply = link.ask(SimLink::read(uint8_t(command)));
        ASSERT_EQ(reply.size(), 4) << command;
        EXPECT_EQ(replyU8(reply, 0), command);
        EXPECT_EQ(replyU8(reply, 1), 2);
        EXPECT_EQ(replyU8(reply, 2), SimulatedPositioner::CommandNotImplemented);
    }
}

TEST_F(SimulatedCommands, WritesAreKeptAndReturnedByTheirReads)
{
    open();
    const struct {
        int write;
        QByteArray data;
        int read, position;
        QByteArray expected;
    } cases[] = {
        { 167, QByteArray::fromHex("0102030405060708090A"), 166, 4, QByteArray::fromHex("0102030405060708090A") },
        { 178, QByteArray::fromHex("1F402328"), 177, 6, QByteArray::fromHex("1F402328") },
        { 188, QByteArray::fromHex("01F403E8"), 187, 6, QByteArray::fromHex("01F403E8") },
        { 190, QByteArray::fromHex("00640096"), 189, 6, QByteArray::fromHex("00640096") },
        { 198, QByteArray::fromHex("012C01900064001E"), 197, 8, QByteArray::fromHex("012C01900064001E") },
        { 213, QByteArray::fromHex("0000006400C8012C019001F4025802BC03200384"), 212, 4,
            QByteArray::fromHex("0000006400C8012C019001F4025802BC03200384") },
        { 245, QByteArray::fromHex("03E8044C04B00514057805DC06400C800D481C202710"), 244, 4,
            QByteArray::fromHex("03E8044C04B00514057805DC06400C800D481C202710") },
        { 219, QByteArray::fromHex("251C01F4012C0064"), 218, 4, QByteArray::fromHex("251C01F4012C0064") },
        { 221, QByteArray::fromHex("312107"), 220, 4, QByteArray::fromHex("312107") },
        { 231, QByteArray::fromHex("0203040503E8"), 230, 4, QByteArray::fromHex("0203040503E8") },
        { 247, QByteArray(22, '\x03'), 246, 4, QByteArray(22, '\x03') },
        { 235, QByteArray::fromHex("01040002000000000300000000") + "BALL      ", 234, 4,
            QByteArray::fromHex("01040002000000000300000000") + "BALL      " },
        { 237, QByteArray::fromHex("40400000400000003F800000000000003F000000"), 236, 4,
            QByteArray::fromHex("40400000400000003F800000000000003F000000") },
    };
    for (const auto& c : cases) {
        const QByteArray echo = link.ask(SimLink::write(uint8_t(c.write), c.data));
        EXPECT_EQ(replyU8(echo, 0), c.write);
        const QByteArray reply = link.ask(SimLink::read(uint8_t(c.read)));
        EXPECT_EQ(reply.mid(c.position, c.expected.size()).toHex(), c.expected.toHex()) << "write " << c.write;
    }
}

TEST_F(SimulatedCommands, WritesDecodedAsTheirReadAnswerWithTheReadLayout)
{
    open();
    // The program decodes these replies with the layout of the read beside them.
    const struct {
        int write;
        QByteArray data;
        int read;
    } cases[] = {
        { 180, QByteArray::fromHex("0000000A000000140000001E00000028") + QByteArray(1, 0), 179 },
        { 188, QByteArray::fromHex("01F403E8"), 187 },
        { 203, QByteArray::fromHex("001388"), 202 },
        { 229, QByteArray(1, 0), 228 },
    };
    for (const auto& c : cases) {
        const QByteArray written = link.ask(SimLink::write(uint8_t(c.write), c.data));
        const QByteArray read = link.ask(SimLink::read(uint8_t(c.read)));
        EXPECT_EQ(replyU8(written, 0), c.write);
        EXPECT_EQ(written.mid(1).toHex(), read.mid(1).toHex()) << "write " << c.write;
    }
}

TEST_F(SimulatedCommands, TravelCycleCountsAndSpoolResetsAreKept)
{
    SimulatedPositioner& device = open();
    QByteArray counts = QByteArray::fromHex("000003E8"
                                            "0000C350"
                                            "000186A0"
                                            "0064"
                                            "0096"
                                            "00000007"
                                            "000001F4"
                                            "000003E8"
                                            "0032");
    link.ask(SimLink::write(174, counts));
    const QByteArray travel = link.ask(SimLink::read(173));
    EXPECT_EQ(replyU32(travel, 4), 1000u);
    EXPECT_EQ(replyU32(travel, 8), 50000u);
    EXPECT_EQ(replyU16(travel, 18), 100);
    EXPECT_EQ(replyU16(travel, 20), 150);
    EXPECT_EQ(replyU32(travel, 22), 7u);
    EXPECT_EQ(replyU32(travel, 30), 1000u);
    EXPECT_EQ(replyU16(travel, 36), 50);

    // The pilot relay moves as the valve does; a reset selector zeroes its counter.
    device.setAnalogCommand(80);
    clock().advance(5000);
    EXPECT_GT(replyU32(link.ask(SimLink::read(179)), 18), 0u);
    const QByteArray reset
        = link.ask(SimLink::write(180, QByteArray::fromHex("0000000A000000140000001E00000028") + QByteArray(1, 2)));
    EXPECT_EQ(replyU8(reset, 0), 180);
    EXPECT_EQ(replyU32(reset, 18), 0u);
    EXPECT_EQ(replyU32(reset, 8), 10u);
    EXPECT_EQ(replyU32(reset, 26), 40u);
}

TEST_F(SimulatedCommands, CyclesCountStrokesDownAndBackUpBeyondTheCycleDeadband)
{
    const struct {
        const char* name;
        uint16_t deadbandHundredths; // of a percent of travel, as 174 carries it
        double from;
        std::vector<double> commands;
        uint32_t cycles;
    } cases[] = {
        { "a single step, its overshoot within the deadband", 1000, 0, { 60 }, 0 },
        { "steps one way, each overshooting a little", 1000, 30, { 40, 50, 60, 70 }, 0 },
        { "down and back up twice", 1000, 80, { 20, 80, 20, 80 }, 2 },
        { "down and back up twice, then down", 1000, 80, { 20, 80, 20, 80, 20 }, 2 },
        { "swings smaller than the deadband", 1000, 50, { 55, 50, 55, 50, 55 }, 0 },
        { "the same swings beyond a smaller deadband", 200, 50, { 55, 50, 55, 50, 55 }, 2 },
    };
    int n = 0;
    for (const auto& c : cases) {
        SimulatedPositioner& device = open(QStringLiteral("Sim/K90/CY-%1").arg(++n));
        // At rest at the start, with no stroke behind it.
        device.setAnalogCommand(c.from);
        device.setPhysics(device.physics());
        // Counts from zero, the device's own limits and stroke, and the case's deadband.
        const QByteArray counts = QByteArray::fromHex("00000000"
                                                      "02FAF080"
                                                      "05F5E100"
                                                      "0064"
                                                      "0096"
                                                      "00000000"
                                                      "0007A120"
                                                      "000F4240")
            + QByteArray(1, char(c.deadbandHundredths >> 8)) + QByteArray(1, char(c.deadbandHundredths));
        link.ask(SimLink::write(174, counts));
        for (double command : c.commands) {
            device.setAnalogCommand(command);
            clock().advance(10000);
        }
        EXPECT_EQ(replyU32(link.ask(SimLink::read(173)), 22), c.cycles) << c.name;
    }
}

TEST_F(SimulatedCommands, MiscRepliesEchoTheRequestedAddresses)
{
    SimulatedPositioner& device = open();
    const QByteArray reply = link.ask(SimLink::write(200, QByteArray("\x28\x11\x69", 3)));
    EXPECT_EQ(replyU8(reply, 4), 0x28);
    EXPECT_EQ(replyU8(reply, 5) & 0x20, 0x20); // spring-return: port 2 not in use
    EXPECT_EQ(replyU8(reply, 6), 0x11);
    EXPECT_EQ(replyU16(reply, 7), 5000);
    EXPECT_EQ(replyU8(reply, 9), 0x69);
    EXPECT_EQ(replyU32(reply, 10), 6000u); // 60 psi full scale, x 100

    const QByteArray unknown = link.ask(SimLink::write(200, QByteArray("\x05\x06\x07", 3)));
    EXPECT_EQ(unknown.mid(4).toHex(), QByteArray("05000600000700000000"));

    link.ask(SimLink::write(201,
        QByteArray::fromHex("EE00"
                            "660123"
                            "FE00000000")));
    link.ask(SimLink::write(201,
        QByteArray::fromHex("EE00"
                            "F60000"
                            "6300001770")));
    EXPECT_EQ(device.miscWord(0x66), 0x0123);
    EXPECT_EQ(device.miscLong(0x63), 6000u);
    EXPECT_EQ(device.miscLong(0x69), 6000u);
    const QByteArray back = link.ask(SimLink::write(200, QByteArray("\xCA\x66\x63", 3)));
    EXPECT_EQ(replyU8(back, 5), 0); // poll address
    EXPECT_EQ(replyU16(back, 7), 0x0123);
    EXPECT_EQ(replyU32(back, 10), 6000u);
}

TEST_F(SimulatedCommands, PressuresAreHundredthsOfAPercentOfTheFullScale)
{
    SimulatedPositioner& device = open(QStringLiteral("Sim/K40/PV-102"));
    device.setAnalogCommand(50);
    clock().advance(10000);
    const QByteArray reply = link.ask(SimLink::read(204));
    const double fullScale = replyU32(link.ask(SimLink::write(200, QByteArray("\xEE\xF6\x69", 3))), 10) * 0.01;
    EXPECT_DOUBLE_EQ(fullScale, 30.0);
    const double port1 = replyU16(reply, 4) * 0.01 * fullScale * 0.01;
    EXPECT_NEAR(port1, device.valve().port1Psi(), 0.01);
    // Half open on a 3-15 psi bench set needs about 9 psi.
    EXPECT_NEAR(port1, 9.0, 1.5);
    EXPECT_EQ(replyU32(reply, 8), 10000u); // the supply is the full scale
    EXPECT_EQ(replyU16(reply, 6), 10000); // on the K40 port 2 is the supply sensor
}

TEST_F(SimulatedCommands, SupplyAndItsLimitsAreHundredthsOfAPercentOfFullScale)
{
    SimulatedPositioner& device = open();
    const QByteArray psi = link.ask(SimLink::read(195));
    EXPECT_EQ(replyU32(psi, 4), 10000u); // the supply is the full scale
    EXPECT_EQ(replyU32(psi, 8), 6000u); // nominal 60 psi
    EXPECT_EQ(replyU16(psi, 16), 6667); // low alarm 40 psi of 60

    link.ask(SimLink::write(221, QByteArray("\x39\x20\x07", 3))); // bar
    const QByteArray bar = link.ask(SimLink::read(195));
    EXPECT_EQ(replyU32(bar, 4), 10000u) << "a share of the full scale whatever the unit";
    EXPECT_NEAR(replyU32(bar, 8) * 0.01, 60.0 / 14.5038, 0.01) << "the nominal supply follows the unit";
    link.ask(SimLink::write(196,
        QByteArray::fromHex("2328"
                            "1F40"
                            "1B58"))); // 90 %, 80 %, 70 % of 60 psi
    device.setSupplyPsi(41.0);
    EXPECT_TRUE(device.statusActive(40)) << "below the low alarm of 42 psi";
    EXPECT_EQ(replyU16(link.ask(SimLink::read(195)), 16), 7000);
}

TEST_F(SimulatedCommands, DigitalCommandModeMovesTheValveAndIsReported)
{
    SimulatedPositioner& device = open();
    device.setAnalogCommand(20);
    clock().advance(10000);
    const QByteArray reply = link.ask(SimLink::write(203,
        QByteArray::fromHex("40"
                            "1B58"))); // 70 %
    EXPECT_EQ(replyU8(reply, 0), 203);
    EXPECT_EQ(replyU8(reply, 4), 64);
    EXPECT_EQ(replyU16(reply, 5), 7000);
    clock().advance(6000);
    const QByteArray status = link.ask(SimLink::read(202));
    EXPECT_EQ(replyU16(status, 7), 7000);
    EXPECT_EQ(replyU16(status, 9), 2000);
    EXPECT_NEAR(replyU16(status, 11), 7000, 100);
    EXPECT_NEAR(replyS16(status, 13), 0, 100);
    EXPECT_EQ(replyU8(status, 21), 2); // "Digital Command Mode"
    const float temperature = std::bit_cast<float>(replyU32(status, 17));
    EXPECT_NEAR(temperature, 24.0f, 2.0f);

    link.ask(SimLink::write(203,
        QByteArray::fromHex("00"
                            "0000")));
    clock().advance(6000);
    const QByteArray analog = link.ask(SimLink::read(202));
    EXPECT_EQ(replyU8(analog, 4), 0);
    EXPECT_NEAR(replyU16(analog, 11), 2000, 100);
    EXPECT_EQ(replyU8(analog, 21), SimulatedPositioner::NoActiveStatus);
}

} // namespace

// The stroke length is one value: the Misc word 0x74 and word 5 of 173/174.
TEST_F(SimulatedCommands, StrokeLengthWordIsTheStrokeOfTheTravelCounts)
{
    SimulatedPositioner& device = open();
    auto miscStroke = [this] {
        const QByteArray reply = link.ask(SimLink::write(200, QByteArray::fromHex("EE74FE")));
        EXPECT_EQ(replyU8(reply, 6), 0x74);
        return replyU16(reply, 7);
    };
    auto countsStroke = [this] { return replyU16(link.ask(SimLink::read(173)), 20); };
    EXPECT_EQ(miscStroke(), 150) << "1.5 in.";
    EXPECT_EQ(countsStroke(), 150);
    link.ask(SimLink::write(201, QByteArray::fromHex("EE007401A8FE00000000")));
    EXPECT_EQ(countsStroke(), 424);
    EXPECT_EQ(miscStroke(), 424);
    QByteArray counts(30, '\0');
    counts[14] = 0x02;
    counts[15] = 0x58;
    link.ask(SimLink::write(174, counts));
    EXPECT_EQ(miscStroke(), 600);
    device.setMiscWord(0x74, 77);
    EXPECT_EQ(countsStroke(), 77);
}
