#include "LinkTest.h"

namespace
{

// The fake device keeps Misc variables and answers Read_Misc for the
// addresses asked for, as a positioner does.
class MiscAccessors_ : public LinkTest
{
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        open();
        data.Reply = QByteArray();
        server->responder = [this](const QByteArray& request) {
            if (uint8_t(request[0]) != 200)
                return reply(uint8_t(request[0]), QByteArray());
            const uint8_t b = request[2], w = request[3], l = request[4];
            const uint16_t word = words[w];
            const uint32_t lng = longs[l];
            return reply(200,
                { b, bytesOf[b], w, word >> 8, word & 0xFF, l, int(lng >> 24), int(lng >> 16) & 0xFF,
                    int(lng >> 8) & 0xFF, int(lng & 0xFF) });
        };
    }
    std::map<uint8_t, int> bytesOf;
    std::map<uint8_t, uint16_t> words;
    std::map<uint8_t, uint32_t> longs;
};

} // namespace

TEST_F(MiscAccessors_, ReadsLayOneSlotAndReturnTheValue)
{
    bytesOf[0x92] = 0x21;
    EXPECT_EQ(link.misc().ReadMiscByte92(), 0x21);
    EXPECT_EQ(server->written.back(), bytes({ 200, 3, 0x92, 246, 254 }));

    words[0x01] = 1234;
    EXPECT_FLOAT_EQ(link.misc().ReadMiscWord01(), 12.34f);
    EXPECT_EQ(server->written.back(), bytes({ 200, 3, 238, 0x01, 254 }));

    words[0x61] = 0xFFFE;
    EXPECT_EQ(link.misc().ReadMiscWord61(), 0xFFFE) << "words come as they are, unsigned";

    longs[0x69] = 0xFFFFFFFF;
    EXPECT_GT(link.misc().ReadMiscLong69(), 4.0e7f) << "the long is unsigned";
    EXPECT_FLOAT_EQ(data.MiscLong69Value, float(0xFFFFFFFFu * 0.01));
}

TEST_F(MiscAccessors_, Word11IsRoundedToTheNearestWhole)
{
    const std::pair<uint16_t, int> cases[] = { { 149, 1 }, { 151, 2 }, { 49, 0 }, { 50, 1 }, { 0, 0 } };
    for (const auto& [word, expected] : cases) {
        words[0x11] = word;
        EXPECT_EQ(link.misc().ReadMiscWord11(), expected) << word;
    }
}

TEST_F(MiscAccessors_, FlagAccessorsStoreTheirBit)
{
    bytesOf[0x82] = 0x02;
    bytesOf[0x28] = 0x20;
    EXPECT_EQ(link.misc().ReadMiscByte82Bit0(), 0);
    EXPECT_EQ(data.PressureSensorFlag, 0);
    EXPECT_EQ(link.misc().ReadMiscByte28Bit5(), 1);
    EXPECT_EQ(data.Config28Bit5, 1);
}

TEST_F(MiscAccessors_, ReplyForAnotherAddressIsNotTaken)
{
    bytesOf[0x82] = 0x01;
    bytesOf[0x28] = 0x20;
    EXPECT_EQ(link.misc().ReadMiscByte28(), 0x20);

    // The device answers for 0x28 while 0x82 was asked: the flag must not take bit 0 of 0x28.
    server->replies.push_back(reply(200, { 0x28, 0x20, 246, 0, 0, 254, 0, 0, 0, 0 }));
    data.PressureSensorFlag = 1;
    bool ok = true;
    EXPECT_EQ(link.misc().ReadMiscByte82Bit0(&ok), 0) << "0x82 was never read well: 0";
    EXPECT_FALSE(ok);
    EXPECT_EQ(data.PressureSensorFlag, 1);

    // No reply: the last good value of that very address.
    server->replies.push_back(std::nullopt);
    EXPECT_EQ(link.misc().ReadMiscByte28(&ok), 0x20);
    EXPECT_FALSE(ok);
    server->replies.push_back(std::nullopt);
    data.Config28Bit5 = 0;
    EXPECT_EQ(link.misc().ReadMiscByte28Bit5(&ok), 1);
    EXPECT_EQ(data.Config28Bit5, 0) << "a failed read leaves the flag";
}

TEST_F(MiscAccessors_, AWordCountsAsReportedOnlyOnceTheDeviceAnsweredForThatAddress)
{
    words[0x55] = 0;
    words[0x56] = 32000;
    EXPECT_FALSE(link.misc().HasReportedWord(0x55));

    // No reply, and a reply for another word: 0x55 was still never reported.
    server->replies.push_back(std::nullopt);
    link.misc().ReadMiscWord55();
    server->replies.push_back(reply(200, { 238, 0, 0x56, 0x7D, 0x00, 254, 0, 0, 0, 0 }));
    bool ok = true;
    EXPECT_EQ(link.misc().ReadMiscWord55(&ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(link.misc().HasReportedWord(0x55));
    EXPECT_FALSE(link.misc().HasReportedWord(0x56)) << "a word nobody asked for is not taken";

    // A good 0 is a reported value, and stays one through later failures.
    EXPECT_EQ(link.misc().ReadMiscWord55(&ok), 0);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(link.misc().HasReportedWord(0x55));
    server->replies.push_back(std::nullopt);
    link.misc().ReadMiscWord55(&ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(link.misc().HasReportedWord(0x55));
    EXPECT_FALSE(link.misc().HasReportedWord(0x56));
}

TEST_F(MiscAccessors_, WritesLayTheWholeRecordWithOneSlotSet)
{
    EXPECT_TRUE(link.misc().WriteMiscWord64(0x1234));
    EXPECT_EQ(server->written.back(), bytes({ 201, 10, 238, 0, 0x64, 0x12, 0x34, 254, 0, 0, 0, 0 }));

    link.misc().WriteMiscLong69(0x01020304);
    EXPECT_EQ(server->written.back(), bytes({ 201, 10, 238, 0, 246, 0, 0, 0x69, 1, 2, 3, 4 }));
    link.misc().WriteMiscWord66(7);
    EXPECT_EQ(server->written.back(), bytes({ 201, 10, 238, 0, 0x66, 0, 7, 254, 0, 0, 0, 0 }))
        << "a word write after a long write never repeats the long";
    link.misc().WriteMiscByte28(0x22);
    EXPECT_EQ(server->written.back(), bytes({ 201, 10, 0x28, 0x22, 246, 0, 0, 254, 0, 0, 0, 0 }));
}
