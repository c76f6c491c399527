#include "HartCommandTable.h"
#include "LinkTest.h"

#include <QRegularExpression>

#include <bit>

namespace
{

class CommandDispatch_ : public LinkTest
{
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        open();
        data.Reply = QByteArray(); // as after start-up's command 0
    }
    QByteArray lastWritten() const { return server->written.empty() ? QByteArray() : server->written.back(); }
    static QByteArray be32(uint32_t v)
    {
        return bytes({ int(v >> 24), int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v & 0xFF) });
    }
    static QByteArray beFloat(float f) { return be32(std::bit_cast<uint32_t>(f)); }
};

} // namespace

TEST_F(CommandDispatch_, ReadUnitsSendsTheCommandAloneAndLogsTheRequestBytes)
{
    server->replies.push_back(reply(220, { 49, 33, 7 }));
    EXPECT_TRUE(link.dispatch().DispatchRead(220));
    EXPECT_EQ(lastWritten(), bytes({ 220 }));
    EXPECT_EQ(data.TravelUnitLabel, "mm");
    EXPECT_EQ(data.TemperatureUnitLabel, "degF");
    EXPECT_EQ(data.PressureUnitLabel, "bar");

    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    static const QRegularExpression format(
        QStringLiteral("^\\d{8}-\\d{6}-\\d{3}    <- 1   220  - ((?: {3}\\d| {2}\\d\\d| \\d{3}) ){23}$"));
    EXPECT_TRUE(format.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].startsWith("20240203-090500-000    <- 1   220  -    0"));
}

TEST_F(CommandDispatch_, UnknownNumbersSendNothingButStillLog)
{
    EXPECT_FALSE(link.dispatch().DispatchRead(99));
    EXPECT_FALSE(link.dispatch().DispatchWrite(99));
    EXPECT_TRUE(server->written.empty());
    ASSERT_EQ(logTexts().size(), 2);
    EXPECT_TRUE(logTexts()[0].startsWith("<- "));
    EXPECT_TRUE(logTexts()[1].startsWith("-> "));
}

TEST_F(CommandDispatch_, WriteRequestsAreLaidFromTheDeviceData)
{
    data.StatusMask = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    data.PositionAlerts = { 9500, 500, 7, 12 };
    data.ControlMode = 64;
    data.DigitalCommand = 0x0102;
    data.TravelUnit = 49;
    data.TemperatureUnit = 33;
    data.PressureUnit = 7;
    data.CalState = 4;
    data.CalText = "SHORT";
    data.LoopCalText = "A TEXT FAR LONGER THAN FOURTEEN";
    data.ValveCodes = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 };
    data.ValveText = "V";
    data.ActuatorCodes = { 1, 2, 3, 4 };
    data.ActuatorArea = 0x0203;
    for (int i = 0; i < 21; ++i)
        data.CharactPoints[i] = uint16_t(i);

    struct Case {
        int command;
        QByteArray sent;
    };
    const Case cases[] = {
        { 167, bytes({ 167, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }) },
        { 1821, bytes({ 182, 1, 1 }) },
        { 1822, bytes({ 182, 1, 2 }) },
        // The travel alert limits go back exactly as read; only the last word is scaled.
        { 219, bytes({ 219, 8, 0x25, 0x1C, 0x01, 0xF4, 0, 7, 0, 120 }) },
        { 203, bytes({ 203, 3, 64, 1, 2 }) },
        { 221, bytes({ 221, 3, 49, 33, 7 }) },
        // Texts are laid at their fixed length: padded with blanks or cut.
        { 225, bytes({ 225, 15, 4 }) + QByteArray("SHORT         ") },
        { 227, bytes({ 227, 15, 4 }) + QByteArray("A TEXT FAR LON") },
        { 235, bytes({ 235, 23, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 }) + QByteArray("V         ") },
        { 231, bytes({ 231, 6, 1, 2, 3, 4, 2, 3 }) },
        { 245, bytes({ 245, 22, 0, 10, 0, 11, 0, 12, 0, 13, 0, 14, 0, 15, 0, 16, 0, 17, 0, 18, 0, 19, 0, 20 }) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        link.dispatch().DispatchWrite(c.command);
        EXPECT_EQ(lastWritten(), c.sent);
        EXPECT_EQ(data.Request[0], c.sent.size()) << "the count byte counts the bytes after it";
    }
}

TEST_F(CommandDispatch_, PositionAlertTimeFrameGoesInTenthsFromWholeSecondsOrAsTheDeviceGaveIt)
{
    struct Case {
        uint16_t word3;
        uint8_t inTenths;
        QByteArray sent; // the last word
    };
    const Case cases[] = {
        { 60, 0, bytes({ 0x02, 0x58 }) }, // 60 s -> 600
        { 455, 1, bytes({ 0x01, 0xC7 }) }, // 45.5 s as read
        { 7000, 0, bytes({ 0xFF, 0xFF }) }, // saturates, never wraps
        { 0xFFFF, 1, bytes({ 0xFF, 0xFF }) },
    };
    data.PositionAlerts = { 9500, 500, 1575, 0 };
    for (const Case& c : cases) {
        data.PositionAlerts[3] = c.word3;
        data.PositionAlertFrameInTenths = c.inTenths;
        link.dispatch().DispatchWrite(219);
        EXPECT_EQ(lastWritten(), bytes({ 219, 8, 0x25, 0x1C, 0x01, 0xF4, 0x06, 0x27 }) + c.sent) << c.word3;
    }
}

TEST_F(CommandDispatch_, CounterWordsGoBackInTheUnitsTheyWereReadInWithoutWrapping)
{
    data.TravelCycle = { 5, 1, 2, 0, 1105, 700, 3, 4, 5, 0, 70000 };
    link.dispatch().DispatchWrite(174);
    const QByteArray sent = lastWritten();
    ASSERT_EQ(sent.size(), 32);
    EXPECT_EQ(sent.mid(2, 4), be32(5)) << "the accumulated travel goes back in the hundredths it was read in";
    EXPECT_EQ(sent.mid(14, 2), bytes({ 0x04, 0x51 }))
        << "the travel deadband goes back in the hundredths it was read in";
    EXPECT_EQ(sent.mid(16, 2), bytes({ 0x02, 0xBC })) << "the stroke length goes back in the hundredths it was read in";
    EXPECT_EQ(sent.mid(30, 2), bytes({ 0xFF, 0xFF })) << "a deadband beyond the word saturates";
    data.TravelCycle[5] = 70000;
    link.dispatch().DispatchWrite(174);
    EXPECT_EQ(lastWritten().mid(16, 2), bytes({ 0xFF, 0xFF })) << "a stroke beyond the word saturates";
}

TEST_F(CommandDispatch_, SignatureStartFollowsTheSignatureType)
{
    data.SigSettings.Floats = { 1.0f, 2.0f, 3.0f, 4.0f };
    data.SigSettings.Word = 77;
    data.SignatureType = 99;
    server->replies.push_back(reply(233, { 5 }));
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(lastWritten(),
        bytes({ 233, 20, 1, 15 }) + beFloat(1.0f) + beFloat(2.0f) + beFloat(0.0f) + beFloat(4.0f) + bytes({ 0, 0 }));
    EXPECT_EQ(data.SigSettings.Floats[2], 0.0f);
    EXPECT_EQ(data.SigSettings.Word, 0);
    EXPECT_EQ(data.SigSettings.Type, 5) << "reply byte 4 becomes the signature type byte";

    data.SigSettings.Floats[2] = 3.0f;
    data.SigSettings.Word = 77;
    data.SignatureType = 9;
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(lastWritten().mid(2, 2), bytes({ 9, 15 }));
    EXPECT_EQ(lastWritten().mid(12, 4), beFloat(3.0f)) << "type 9 keeps the third float";
    EXPECT_EQ(data.SigSettings.Word, 0);

    data.SigSettings.Word = 77;
    data.SignatureType = 1;
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(lastWritten().right(2), bytes({ 0, 77 })) << "type 1 keeps the word";
    EXPECT_EQ(data.FailureCount, 0) << "the start reply is never echo-checked";
}

TEST_F(CommandDispatch_, OnlyAnAnsweredStartMarksWhoseSettingsTheDeviceHolds)
{
    data.SignatureType = 99;
    server->replies.push_back(reply(233, { 1 }));
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(data.SettingsTestType, 99);
    // A ramp start the device never got leaves the block the step's.
    data.SignatureType = 9;
    server->replies.push_back(std::nullopt);
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(data.SettingsTestType, 99);
    // Nor does a stop take it over.
    data.SignatureType = 0;
    server->replies.push_back(reply(233, { 0 }));
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(data.SettingsTestType, 99);
    data.SignatureType = 9;
    server->replies.push_back(reply(233, { 9 }));
    link.dispatch().DispatchWrite(233);
    EXPECT_EQ(data.SettingsTestType, 9);
}

TEST_F(CommandDispatch_, MissingReplyIsCountedByTheNextRead)
{
    server->replies.push_back(std::nullopt);
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_FALSE(data.Reply.has_value());

    server->replies.push_back(std::nullopt);
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 1);
    server->replies.push_back(std::nullopt);
    EXPECT_FALSE(link.dispatch().DispatchWrite(221)) << "a write that got no reply reports it";
    EXPECT_EQ(data.FailureCount, 1) << "writes never count";
}

TEST_F(CommandDispatch_, MismatchedEchoIsCountedAtOnce)
{
    server->replies.push_back(reply(13, QByteArray()));
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 1);
    EXPECT_EQ(logTexts().first(), "reply count :1");
}

TEST_F(CommandDispatch_, ConnectedFollowsTheCountOneTransactionLate)
{
    data.Reply = QByteArray(); // the last exchange had a reply
    data.FailureCount = 2;
    EXPECT_TRUE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_EQ(data.Connected, 0) << "a good reply still leaves the flag down";
    EXPECT_TRUE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.Connected, 1);
}

TEST_F(CommandDispatch_, GoodAlarmMaskAndTrendHandshakeRepliesAreNoMismatch)
{
    server->replies.push_back(reply(167, QByteArray()));
    EXPECT_TRUE(link.dispatch().DispatchWrite(167));
    EXPECT_EQ(data.FailureCount, 0);

    server->replies.push_back(reply(182, { 1 }));
    EXPECT_TRUE(link.dispatch().DispatchWrite(1821));
    EXPECT_EQ(data.TrendState, 1);
    EXPECT_EQ(data.FailureCount, 0);

    server->replies.push_back(reply(184, { 0 }));
    EXPECT_FALSE(link.dispatch().DispatchWrite(1822)) << "checked against 182, the command sent";
    EXPECT_EQ(data.FailureCount, 1);
}

TEST_F(CommandDispatch_, WritesWithoutDecodingNeitherCheckNorCount)
{
    server->replies.push_back(reply(13, QByteArray()));
    EXPECT_FALSE(link.dispatch().DispatchWrite(221));
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_TRUE(logTexts().filter("reply count").isEmpty());
}

TEST_F(CommandDispatch_, OpcFailuresAreLoggedAsTheirKind)
{
    server->failWriteItem = true;
    link.dispatch().DispatchRead(202);
    server->failWriteItem = false;
    server->failWriteCall = true;
    link.dispatch().DispatchRead(202);
    server->failWriteCall = false;
    server->failReadCall = true;
    link.dispatch().DispatchRead(202);
    server->failReadCall = false;
    server->replies.push_back(std::nullopt); // an item error on read
    link.dispatch().DispatchRead(202);

    QStringList events;
    for (const QString& text : logTexts())
        if (!text.startsWith("<- "))
            events << text;
    EXPECT_EQ(events, (QStringList { "write failed.", "Read failed." }));
    EXPECT_FALSE(data.Reply.has_value());
}

TEST_F(CommandDispatch_, ExceptionInsideAnExchangeIsLoggedWithTheRequestAndSwallowed)
{
    server->throwOnWrite = true;
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    data.TravelUnit = 49;
    data.TemperatureUnit = 33;
    data.PressureUnit = 7;
    EXPECT_FALSE(link.dispatch().DispatchWrite(221));
    const QStringList texts = logTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], "?<- 1   202 - " + QStringList(23, "  0").join(' '));
    EXPECT_EQ(texts[1], "?-> 221  Write_Units                    - 5 dd 3 31 21 7 " + QStringList(19, "0").join(' '));
}

TEST_F(CommandDispatch_, MiscReadSucceedsOnlyForTheAddressesAskedFor)
{
    link.misc().PresetMiscSelector();
    data.Request[3] = 0x82;
    server->replies.push_back(reply(200, { 0x82, 1, 246, 0, 0, 254, 0, 0, 0, 0 }));
    EXPECT_TRUE(link.dispatch().DispatchRead(200));
    EXPECT_EQ(lastWritten(), bytes({ 200, 3, 0x82, 246, 254 }));

    server->replies.push_back(reply(200, { 0x83, 1, 246, 0, 0, 254, 0, 0, 0, 0 }));
    EXPECT_FALSE(link.dispatch().DispatchRead(200));
    EXPECT_EQ(data.FailureCount, 0) << "the echo matched: nothing to count";
}

TEST(HartCommandTable, NamesEveryCommandAndOnlyThose)
{
    EXPECT_EQ(HartCommandTable::GetCommandName(166), "Read_Status_Mask_LDXD_Mode ");
    EXPECT_EQ(HartCommandTable::GetCommandName(1822), "Write_Trend_State2");
    EXPECT_EQ(HartCommandTable::GetCommandName(233), "SendSigStart");
    EXPECT_EQ(HartCommandTable::GetCommandName(182), "Unknown");
    EXPECT_EQ(HartCommandTable::GetCommandName(0), "Unknown");
    EXPECT_TRUE(HartCommandTable::IsReadCommand(200));
    EXPECT_FALSE(HartCommandTable::IsReadCommand(201));
}

TEST(HartCommandTable, ValueBytesAreLeastSignificantFirst)
{
    EXPECT_EQ(CommandDispatch::GetValueBytes(0x01020304u), (std::array<uint8_t, 4> { 4, 3, 2, 1 }));
    EXPECT_EQ(CommandDispatch::GetValueBytes(1.0f), (std::array<uint8_t, 4> { 0, 0, 0x80, 0x3F }));
}
