#include "LinkTest.h"
#include "ReplyBytes.h"

#include <bit>

namespace
{

class ReplyDecoding : public LinkTest
{
protected:
    bool parse(int command, const QByteArray& bytes)
    {
        data.Reply = bytes;
        return link.parser().ParseReply(command);
    }
    static QByteArray be16(int v) { return bytes({ (v >> 8) & 0xFF, v & 0xFF }); }
    static QByteArray be32(uint32_t v) { return be16(int(v >> 16)) + be16(int(v & 0xFFFF)); }
    static QByteArray beFloat(float f) { return be32(std::bit_cast<uint32_t>(f)); }

    // Packs 4 characters per 3 bytes, the HART way, independently of the decoder.
    static QByteArray packAscii(const QByteArray& text)
    {
        QByteArray out;
        for (int i = 0; i + 4 <= text.size(); i += 4) {
            uint32_t bits = 0;
            for (int k = 0; k < 4; ++k)
                bits = (bits << 6) | (uint8_t(text[i + k]) & 0x3F);
            out.append(char(bits >> 16)).append(char(bits >> 8)).append(char(bits));
        }
        return out;
    }
};

struct UnitsCase {
    int travel, temperature, pressure;
    const char16_t *travelLabel, *temperatureLabel, *pressureLabel, *pressureText, *flowLabel;
};

} // namespace

TEST_F(ReplyDecoding, ReadUnitsSetsTheUnitLabelsOfEachCode)
{
    const UnitsCase cases[] = {
        { 49, 33, 7, u"mm", u"degF", u"bar", u"bar", u"slm" },
        { 47, 32, 6, u"in.", u"degC", u"psi", u"psi", u"scfm" },
        { 143, 33, 10, u"deg", u"degF", u"Kg/cm\u00B2", u"Kg/sq.cm", u"slm" },
        { 57, 32, 12, u"%", u"degC", u"kPa", u"kPa", u"slm" },
        { 200, 32, 57, u"in.", u"degC", u"Percent", u"Percent", u"scfm" },
    };
    for (const UnitsCase& c : cases) {
        SCOPED_TRACE(c.pressure);
        EXPECT_TRUE(parse(220, reply(220, { c.travel, c.temperature, c.pressure })));
        EXPECT_EQ(data.TravelUnitLabel, QString::fromUtf16(c.travelLabel));
        EXPECT_EQ(data.TemperatureUnitLabel, QString::fromUtf16(c.temperatureLabel));
        EXPECT_EQ(data.PressureUnitLabel, QString::fromUtf16(c.pressureLabel));
        EXPECT_EQ(data.PressureUnitText, QString::fromUtf16(c.pressureText));
        EXPECT_EQ(data.FlowUnitLabel, QString::fromUtf16(c.flowLabel));
    }
}

TEST_F(ReplyDecoding, UnknownPressureCodeKeepsTheLabelsWhileUnknownTravelCodeGivesInches)
{
    parse(220, reply(220, { 49, 33, 7 }));
    parse(220, reply(220, { 12, 40, 8 }));
    EXPECT_EQ(data.PressureUnit, 8);
    EXPECT_EQ(data.PressureUnitLabel, "bar");
    EXPECT_EQ(data.PressureUnitText, "bar");
    EXPECT_EQ(data.FlowUnitLabel, "slm");
    EXPECT_EQ(data.TemperatureUnitLabel, "degF");
    EXPECT_EQ(data.TravelUnitLabel, "in.");
}

TEST_F(ReplyDecoding, MismatchedEchoIsCountedAndLoggedButStillDecoded)
{
    data.FailureCount = 2;
    EXPECT_FALSE(parse(220, reply(221, { 49, 33, 7 })));
    EXPECT_EQ(data.FailureCount, 3);
    EXPECT_EQ(data.TravelUnitLabel, "mm");
    EXPECT_EQ(logTexts(), QStringList { "reply count :3" });

    EXPECT_TRUE(parse(220, reply(220, { 47, 33, 7 })));
    EXPECT_EQ(data.FailureCount, 0);
}

TEST_F(ReplyDecoding, StatusReplyIsDecodedByPositionAndPushedToTheDashboard)
{
    int pushes = 0;
    link.parser().setStatusHook([&] { ++pushes; });
    const QByteArray status = bytes({ 64 }) + be16(0x1234) + be16(5000) + be16(4000) + be16(4990) + be16(0xFF38)
        + bytes({ 0xAA, 0xBB }) + beFloat(23.5f) + bytes({ 44 });
    EXPECT_TRUE(parse(202, reply(202, status)));
    EXPECT_EQ(data.ControlMode, 64);
    EXPECT_EQ(data.DigitalCommand, 0x1234);
    EXPECT_EQ(data.Command, 5000);
    EXPECT_EQ(data.AnalogCommand, 4000);
    EXPECT_EQ(data.Position, 4990);
    EXPECT_EQ(data.Deviation, -200);
    EXPECT_FLOAT_EQ(data.Temperature, 23.5f);
    EXPECT_EQ(data.ActiveStatus, 44);
    EXPECT_EQ(pushes, 1);

    parse(203, reply(203, status));
    parse(220, reply(220, { 49, 33, 7 }));
    EXPECT_EQ(pushes, 2) << "203 pushes too, other replies do not";
}

TEST_F(ReplyDecoding, ShortReplyDecodesOnlyTheFieldsItHolds)
{
    data.Deviation = 17;
    data.Temperature = 40.0f;
    data.ActiveStatus = 255;
    // Ends inside Deviation: byte 13 is there, byte 14 is not.
    const QByteArray cut = bytes({ 202, 11, 0, 0, 0 }) + be16(1) + be16(2) + be16(3) + be16(4) + bytes({ 9 });
    EXPECT_TRUE(parse(202, cut));
    EXPECT_EQ(data.Position, 4);
    EXPECT_EQ(data.Deviation, 17);
    EXPECT_FLOAT_EQ(data.Temperature, 40.0f);
    EXPECT_EQ(data.ActiveStatus, 255);
    EXPECT_EQ(logTexts(), QStringList { "short reply 202 14" });
}

TEST_F(ReplyDecoding, PositionAlertsReplyMarksTheTimeFrameAsTenthsOnlyWhenItHoldsIt)
{
    struct Case {
        QByteArray reply;
        uint8_t inTenths;
        uint16_t frame;
    };
    const Case cases[] = {
        { bytes({ 218, 10, 0, 0 }) + be16(10100) + be16(0) + be16(1575) + be16(455), 1, 455 },
        // Cut inside the time frame: the word and its unit stay as the page laid them.
        { bytes({ 218, 9, 0, 0 }) + be16(10100) + be16(0) + be16(1575) + bytes({ 1 }), 0, 60 },
    };
    for (const Case& c : cases) {
        data.PositionAlerts[3] = 60;
        data.PositionAlertFrameInTenths = 0;
        parse(218, c.reply);
        EXPECT_EQ(data.PositionAlertFrameInTenths, c.inTenths) << c.reply.size();
        EXPECT_EQ(data.PositionAlerts[3], c.frame) << c.reply.size();
        EXPECT_EQ(data.PositionAlerts[2], 1575);
    }
}

TEST_F(ReplyDecoding, EmptyOrHeaderOnlyRepliesNeverReadPastTheEnd)
{
    for (int command : { 13, 48, 166, 173, 175, 181, 182, 195, 200, 202, 220, 224, 226, 234, 252, 253 }) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(parse(command, QByteArray()));
        parse(command, bytes({ command }));
        parse(command, bytes({ command, 2, 0, 0 }));
    }
    EXPECT_TRUE(data.Tag.isEmpty());
}

TEST_F(ReplyDecoding, PackedAsciiFollowsTheHartRule)
{
    EXPECT_EQ(Convert3ByteTo4Char(bytes({ 0, 0, 0 }), 0), "@@@@");
    EXPECT_EQ(Convert3ByteTo4Char(packAscii("A1 -"), 0), "A1 -");
    EXPECT_EQ(Convert3ByteTo4Char(bytes({ 0, 0 }), 0), QString()) << "a group cut short gives nothing";

    const QByteArray tagAndDescriptor = packAscii("PV-101  ") + packAscii("MAIN FEED VALVE ") + bytes({ 1, 2, 3 });
    EXPECT_TRUE(parse(13, reply(13, tagAndDescriptor)));
    EXPECT_EQ(data.Tag, "PV-101  ");
    EXPECT_EQ(data.Descriptor, "MAIN FEED VALVE ");
    EXPECT_EQ(data.ParseIndex, 22);
}

TEST_F(ReplyDecoding, MixedWidthRepliesLandInTheirFields)
{
    parse(173,
        reply(173,
            be32(70000) + be32(2) + be32(3) + be16(4) + be16(5) + be16(6) + be32(7) + be32(8) + be32(9) + be16(10)
                + be16(11)));
    EXPECT_EQ(data.TravelCycle, (std::array<uint32_t, 11> { 70000, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }));

    parse(179, reply(179, be32(1) + be32(2) + be32(3) + be16(4) + be32(5) + be32(6) + be32(7) + be16(0xFFFF)));
    EXPECT_EQ(data.SpoolInfo, (std::array<uint32_t, 8> { 1, 2, 3, 4, 5, 6, 7, 0xFFFF }));

    parse(181, reply(181, bytes({ 9, 1, 1, 1, 1, 1, 1 }) + be16(10) + be16(20) + be16(30) + be16(40) + be16(50)));
    EXPECT_EQ(data.TrendRow.Index, 9);
    EXPECT_EQ(data.TrendRow.Values, (std::array<uint16_t, 5> { 10, 20, 30, 40, 50 }));

    parse(48, reply(48, bytes({ 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 99 })));
    EXPECT_EQ(data.AdditionalStatus[7], 8);
    EXPECT_EQ(data.AdditionalStatus[8], 99);

    parse(
        253, reply(253, bytes({ 9, 15 }) + beFloat(1.5f) + beFloat(2.5f) + beFloat(3.5f) + beFloat(4.5f) + be16(600)));
    EXPECT_EQ(data.SigSettings.Type, 9);
    EXPECT_FLOAT_EQ(data.SigSettings.Floats[3], 4.5f);
    EXPECT_EQ(data.SigSettings.Word, 600);

    parse(200, reply(200, bytes({ 0x82, 5, 0x69 }) + be16(0xBEEF) + bytes({ 0x63 }) + be32(0xFFFFFFFF)));
    EXPECT_EQ(data.MiscReplyWord, 0xBEEF);
    EXPECT_EQ(data.MiscReplyLongAddr, 0x63);
    EXPECT_EQ(data.MiscReplyLong, 0xFFFFFFFFu);
}

TEST_F(ReplyDecoding, SharedFieldsTakeTheLastReplyDecoded)
{
    const QByteArray text = QByteArray("STEP 1 \0 DONE ", 14);
    parse(224, reply(224, bytes({ 3 }) + text));
    EXPECT_EQ(data.CalState, 3);
    EXPECT_EQ(data.CalText, QString::fromLatin1(text)) << "blanks and zero bytes are kept";
    parse(226, reply(226, bytes({ 7 }) + QByteArray("LOOP          ")));
    EXPECT_EQ(data.CalState, 7);

    parse(253, reply(253, bytes({ 1 })));
    QByteArray sig;
    for (int i = 0; i < 12; ++i)
        sig += be16(i);
    parse(252, reply(252, sig + bytes({ 0x20 })));
    EXPECT_EQ(data.SigData[11], 11);
    EXPECT_EQ(data.SigSettings.Type, 0x20) << "the block status lands in the signature type byte";
}
