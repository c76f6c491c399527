#include "opc/HartFrame.h"

#include <gtest/gtest.h>

namespace
{

// Every HART command number the program sends, with data of the size it uses.
const std::pair<int, int> Commands[] = {
    { 0, 0 },
    { 13, 0 },
    { 48, 0 },
    { 166, 0 },
    { 167, 10 },
    { 173, 0 },
    { 174, 30 },
    { 175, 0 },
    { 177, 0 },
    { 178, 4 },
    { 179, 0 },
    { 180, 17 },
    { 181, 0 },
    { 182, 1 },
    { 184, 0 },
    { 187, 0 },
    { 188, 4 },
    { 189, 0 },
    { 190, 4 },
    { 194, 0 },
    { 195, 0 },
    { 196, 6 },
    { 197, 0 },
    { 198, 8 },
    { 200, 3 },
    { 201, 10 },
    { 202, 0 },
    { 203, 3 },
    { 204, 0 },
    { 212, 0 },
    { 213, 20 },
    { 218, 0 },
    { 219, 8 },
    { 220, 0 },
    { 221, 3 },
    { 224, 0 },
    { 225, 15 },
    { 226, 0 },
    { 227, 15 },
    { 228, 0 },
    { 229, 1 },
    { 230, 0 },
    { 231, 6 },
    { 233, 20 },
    { 234, 0 },
    { 235, 23 },
    { 236, 0 },
    { 237, 20 },
    { 240, 0 },
    { 244, 0 },
    { 245, 22 },
    { 246, 0 },
    { 247, 22 },
    { 252, 0 },
    { 253, 0 },
};

QByteArray pattern(int size, int seed)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(char((i * 37 + seed) & 0xFF));
    return data;
}

HartFrame requestFor(int command, int size)
{
    HartFrame frame;
    frame.command = uint8_t(command);
    frame.address = command == 0 ? HartAddress::shortAddress(0) : HartAddress::fromIdentity(0x26, 5, 0xA1B2C3);
    frame.data = pattern(size, command);
    return frame;
}

TEST(HartFrameCodec, EveryCommandRoundTripsAsRequestAndResponse)
{
    for (const auto& [command, size] : Commands) {
        for (HartFrame::Kind kind : { HartFrame::Kind::Request, HartFrame::Kind::Response }) {
            HartFrame frame = requestFor(command, kind == HartFrame::Kind::Response ? size + 2 : size);
            frame.kind = kind;
            frame.primaryMaster = command % 2 == 0;
            const QByteArray bytes = HartFrameCodec::encode(frame);
            const auto decoded = HartFrameCodec::decode(bytes, frame.address);
            ASSERT_TRUE(decoded.ok()) << command << ": " << HartFrameCodec::errorText(decoded.error);
            EXPECT_EQ(decoded.frame.kind, kind);
            EXPECT_EQ(decoded.frame.command, command);
            EXPECT_EQ(decoded.frame.data, frame.data) << command;
            EXPECT_TRUE(decoded.frame.address == frame.address) << command;
            EXPECT_EQ(decoded.frame.primaryMaster, frame.primaryMaster);
        }
    }
}

TEST(HartFrameCodec, FrameLayoutOnTheWire)
{
    HartFrame shortFrame;
    shortFrame.address = HartAddress::shortAddress(0);
    // Five preambles, delimiter 0x02, primary master + poll 0, command 0, no data, parity.
    EXPECT_EQ(HartFrameCodec::encode(shortFrame).toHex(), QByteArray("ffffffffff0280000082"));

    HartFrame longFrame;
    longFrame.command = 220;
    longFrame.address = HartAddress::fromIdentity(0x26, 6, 0x010203);
    longFrame.kind = HartFrame::Kind::Response;
    longFrame.primaryMaster = false;
    longFrame.data = QByteArray::fromHex("0000392006");
    const QByteArray bytes = HartFrameCodec::encode(longFrame);
    EXPECT_EQ(bytes.mid(5, 8).toHex(), QByteArray("862606010203dc05"));
    EXPECT_EQ(uint8_t(bytes.back()), HartFrameCodec::checksum(bytes, 5, bytes.size() - 1));
}

TEST(HartFrameCodec, DamagedFramesAreRejected)
{
    const HartFrame frame = requestFor(201, 10);
    const QByteArray good = HartFrameCodec::encode(frame);
    // Any single flipped bit after the preambles breaks the parity, or the delimiter.
    for (int i = HartFrameCodec::DefaultPreambles; i < good.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray bad = good;
            bad[i] = char(bad[i] ^ (1 << bit));
            EXPECT_FALSE(HartFrameCodec::decode(bad, frame.address).ok()) << "byte " << i << " bit " << bit;
        }
    }
    for (int length = 0; length < good.size(); ++length)
        EXPECT_FALSE(HartFrameCodec::decode(good.left(length)).ok()) << "length " << length;

    const struct {
        QByteArray bytes;
        HartFrameError error;
    } cases[] = {
        { good.mid(3), HartFrameError::None }, // two preambles are enough
        { good.mid(HartFrameCodec::DefaultPreambles - 1), HartFrameError::NoPreamble },
        { good.left(good.size() - 3), HartFrameError::Truncated },
        { good + QByteArray(1, '\0'), HartFrameError::TrailingBytes },
        { QByteArray::fromHex("ffff0580000083"), HartFrameError::BadDelimiter },
        { QByteArray::fromHex("ffffffff"), HartFrameError::Truncated },
    };
    for (const auto& c : cases)
        EXPECT_EQ(HartFrameCodec::decode(c.bytes).error, c.error) << c.bytes.toHex().constData();
}

TEST(HartFrameCodec, AFrameForAnotherAddressIsRejected)
{
    const HartFrame frame = requestFor(202, 0);
    const QByteArray bytes = HartFrameCodec::encode(frame);
    const HartAddress others[]
        = { HartAddress::fromIdentity(0x26, 5, 0xA1B2C4), HartAddress::fromIdentity(0x26, 6, 0xA1B2C3),
              HartAddress::fromIdentity(0x27, 5, 0xA1B2C3), HartAddress::shortAddress(0) };
    for (const HartAddress& other : others)
        EXPECT_EQ(HartFrameCodec::decode(bytes, other).error, HartFrameError::WrongAddress);
    HartFrame polled = requestFor(0, 0);
    polled.address = HartAddress::shortAddress(3);
    EXPECT_EQ(HartFrameCodec::decode(HartFrameCodec::encode(polled), HartAddress::shortAddress(0)).error,
        HartFrameError::WrongAddress);
}

TEST(HartPackedAscii, PacksFourCharactersInThreeBytes)
{
    EXPECT_EQ(HartPackedAscii::pack("@@@@", 4).toHex(), QByteArray("000000"));
    EXPECT_EQ(HartPackedAscii::pack("    ", 4).toHex(), QByteArray("820820"));
    EXPECT_EQ(HartPackedAscii::unpack(QByteArray::fromHex("000000")), QByteArray("@@@@"));
    const QByteArray packed = HartPackedAscii::pack("pv-1", 8);
    EXPECT_EQ(packed.size(), 6);
    EXPECT_EQ(HartPackedAscii::unpack(packed), QByteArray("PV-1    "));
    EXPECT_EQ(HartPackedAscii::unpack(HartPackedAscii::pack("A~B\x01", 4)), QByteArray("A?B?"));
    // A partial group at the end is ignored.
    EXPECT_EQ(HartPackedAscii::unpack(QByteArray::fromHex("82082082")), QByteArray("    "));
}

} // namespace
