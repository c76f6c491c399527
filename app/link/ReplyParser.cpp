#include "ReplyParser.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "ReplyBytes.h"

#include "automation/UnitText.h"

#include <QStringLiteral>

// Takes values at ParseIndex, advancing it by each value's width. A value
// whose bytes are not all inside the reply leaves its field as it was and
// marks the reply short.
class ReplyParser::Decoder
{
public:
    Decoder(const QByteArray& reply, int32_t& index)
        : m_reply(reply)
        , m_index(index)
    {
        m_index = 4;
    }

    bool isShort() const { return m_short; }
    void at(int position) { m_index = position; }
    void skip(int width) { m_index += width; }

    template <class T> bool u8(T& field)
    {
        return take(field, 1, [&](int p) { return GetReplyByte(m_reply, p); });
    }
    template <class T> bool u16(T& field)
    {
        return take(field, 2, [&](int p) { return GetReplyWord(m_reply, p); });
    }
    template <class T> bool u32(T& field)
    {
        return take(field, 4, [&](int p) { return GetReplyLong(m_reply, p); });
    }
    bool s16(int16_t& field)
    {
        return take(field, 2, [&](int p) { return static_cast<int16_t>(GetReplyWord(m_reply, p)); });
    }
    bool f32(float& field)
    {
        return take(field, 4, [&](int p) { return GetReplyFloat(m_reply, p); });
    }

    template <class Array> void bytes(Array& fields, size_t first, size_t count)
    {
        for (size_t i = first; i < first + count; ++i)
            u8(fields[i]);
    }
    template <class Array> void words(Array& fields, size_t first, size_t count)
    {
        for (size_t i = first; i < first + count; ++i)
            u16(fields[i]);
    }

    // `groups` packed-ASCII groups of three bytes, four characters each.
    void packed(QString& field, int groups)
    {
        if (!fits(3 * groups)) {
            m_short = true;
        } else {
            QString text;
            for (int g = 0; g < groups; ++g)
                text += Convert3ByteTo4Char(m_reply, m_index + 3 * g);
            field = text;
        }
        m_index += 3 * groups;
    }

    // `count` characters, one per byte, kept as they stand.
    void text(QString& field, int count)
    {
        if (fits(count))
            field = FromAsciiToString(m_reply, m_index, m_index + count);
        else
            m_short = true;
        m_index += count;
    }

private:
    bool fits(int width) const { return ReplyHolds(m_reply, m_index, width); }

    template <class T, class Get> bool take(T& field, int width, Get get)
    {
        const bool present = fits(width);
        if (present)
            field = static_cast<T>(get(m_index));
        else
            m_short = true;
        m_index += width;
        return present;
    }

    const QByteArray& m_reply;
    int32_t& m_index;
    bool m_short = false;
};

ReplyParser::ReplyParser(DeviceData& data, const AppLog& log)
    : m_data(data)
    , m_log(log)
{
}

bool ReplyParser::ParseReply(int command)
{
    if (!m_data.Reply)
        return false;
    const QByteArray reply = *m_data.Reply;
    const bool echoed = !reply.isEmpty() && static_cast<uint8_t>(reply[0]) == command;
    if (echoed) {
        m_data.FailureCount = 0;
    } else {
        m_data.FailureCount += 1;
        m_log.WriteLog(QStringLiteral("reply count :") + QString::number(m_data.FailureCount));
    }
    decode(command, reply);
    if (command == 202 || command == 203) {
        if (m_statusHook)
            m_statusHook();
    }
    return echoed;
}

void ReplyParser::ParseSigStartReply()
{
    if (!m_data.Reply)
        return;
    Decoder d(*m_data.Reply, m_data.ParseIndex);
    d.u8(m_data.SigSettings.Type);
    if (d.isShort()) {
        m_log.WriteLog(QStringLiteral("short reply 233 ") + QString::number(m_data.Reply->size()));
        return;
    }
    // Only a start the device answered has written its settings over the
    // block; a stop (type 0) leaves the block to the test it stopped.
    if (m_data.SignatureType != 0)
        m_data.SettingsTestType = m_data.SignatureType;
}

void ReplyParser::decode(int command, const QByteArray& reply)
{
    DeviceData& dd = m_data;
    Decoder d(reply, dd.ParseIndex);
    switch (command) {
    case 13:
        d.packed(dd.Tag, 2);
        d.packed(dd.Descriptor, 4);
        break;
    case 48:
        d.bytes(dd.AdditionalStatus, 0, 8);
        d.at(17);
        d.u8(dd.AdditionalStatus[8]);
        break;
    case 166:
        d.bytes(dd.StatusMask, 0, 10);
        break;
    case 173:
        for (int i : { 0, 1, 2 })
            d.u32(dd.TravelCycle[i]);
        for (int i : { 3, 4, 5 })
            d.u16(dd.TravelCycle[i]);
        for (int i : { 6, 7, 8 })
            d.u32(dd.TravelCycle[i]);
        for (int i : { 9, 10 })
            d.u16(dd.TravelCycle[i]);
        break;
    case 175:
        d.words(dd.PstInfo.Values, 0, 3);
        d.u8(dd.PstInfo.Result);
        break;
    case 177:
        d.words(dd.ActRatio, 0, 4);
        break;
    case 179:
    case 180:
        for (int i : { 0, 1, 2 })
            d.u32(dd.SpoolInfo[i]);
        d.u16(dd.SpoolInfo[3]);
        for (int i : { 4, 5, 6 })
            d.u32(dd.SpoolInfo[i]);
        d.u16(dd.SpoolInfo[7]);
        break;
    case 181:
        d.u8(dd.TrendRow.Index);
        d.skip(6);
        d.words(dd.TrendRow.Values, 0, 5);
        break;
    case 182: // the trend handshake's reply carries the new state
    case 184:
        d.u8(dd.TrendState);
        break;
    case 187:
    case 188:
        d.words(dd.StickValues, 0, 4);
        break;
    case 189:
        d.words(dd.LeakValues, 0, 4);
        break;
    case 194:
        d.words(dd.WorstCase, 0, 4);
        break;
    case 195:
        d.u32(dd.SupplySettings[0]);
        d.u32(dd.SupplySettings[1]);
        d.words(dd.SupplySettings, 2, 5);
        break;
    case 197:
        d.words(dd.FrictionSettings, 0, 8);
        break;
    case 200:
        d.u8(dd.MiscReplyByteAddr);
        d.u8(dd.MiscReplyByte);
        d.u8(dd.MiscReplyWordAddr);
        d.u16(dd.MiscReplyWord);
        d.u8(dd.MiscReplyLongAddr);
        d.u32(dd.MiscReplyLong);
        break;
    case 202:
    case 203:
        d.u8(dd.ControlMode);
        d.u16(dd.DigitalCommand);
        d.u16(dd.Command);
        d.u16(dd.AnalogCommand);
        d.u16(dd.Position);
        d.s16(dd.Deviation);
        d.skip(2);
        d.f32(dd.Temperature);
        d.u8(dd.ActiveStatus);
        break;
    case 204:
        d.u16(dd.Port1Pressure);
        d.u16(dd.Port2Pressure);
        d.u32(dd.SupplyPressure);
        break;
    case 212:
        d.words(dd.CharactPoints, 0, 10);
        break;
    case 218:
        d.words(dd.PositionAlerts, 0, 4);
        // The reply gives the time frame in tenths of a second.
        if (!d.isShort())
            dd.PositionAlertFrameInTenths = 1;
        break;
    case 220:
        decodeUnits(d);
        break;
    case 224:
    case 225:
        d.u8(dd.CalState);
        d.text(dd.CalText, 14);
        break;
    case 226:
        d.u8(dd.CalState);
        d.text(dd.LoopCalText, 14);
        break;
    case 228:
    case 229:
        d.bytes(dd.ErrorHistory, 0, 20);
        break;
    case 230:
        d.bytes(dd.ActuatorCodes, 0, 4);
        d.u16(dd.ActuatorArea);
        break;
    case 234:
        d.bytes(dd.ValveCodes, 0, 13);
        d.text(dd.ValveText, 10);
        break;
    case 236:
        for (float& value : dd.ValveTrim)
            d.f32(value);
        break;
    case 240:
        for (float& value : dd.Limits)
            d.f32(value);
        break;
    case 244:
        d.words(dd.CharactPoints, 10, 11);
        break;
    case 246:
        d.bytes(dd.Config, 0, 22);
        break;
    case 252:
        d.words(dd.SigData, 0, 12);
        d.u8(dd.SigSettings.Type);
        break;
    case 253:
        d.u8(dd.SigSettings.Type);
        d.u8(dd.SigSettings.Byte);
        for (float& value : dd.SigSettings.Floats)
            d.f32(value);
        d.u16(dd.SigSettings.Word);
        break;
    default: // the echo check is all (174, 178, 190, 196, 198, 227, 167, ...)
        return;
    }
    if (d.isShort())
        m_log.WriteLog(QStringLiteral("short reply %1 %2").arg(command).arg(reply.size()));
}

namespace
{

struct PressureLabels {
    uint8_t code;
    const char16_t* label;
    const char* text;
    const char* flow;
};

constexpr PressureLabels PressureUnitLabels[] = {
    { 6, u"psi", "psi", "scfm" },
    { 7, u"bar", "bar", "slm" },
    { 10, u"Kg/cm\u00B2", "Kg/sq.cm", "slm" },
    { 12, u"kPa", "kPa", "slm" },
    { 57, u"Percent", "Percent", "scfm" },
};

} // namespace

void ReplyParser::decodeUnits(Decoder& d)
{
    DeviceData& dd = m_data;
    if (d.u8(dd.TravelUnit))
        dd.TravelUnitLabel = TravelUnitText(dd.TravelUnit);
    if (d.u8(dd.TemperatureUnit)) {
        if (dd.TemperatureUnit == 32)
            dd.TemperatureUnitLabel = QStringLiteral("degC");
        else if (dd.TemperatureUnit == 33)
            dd.TemperatureUnitLabel = QStringLiteral("degF");
    }
    if (!d.u8(dd.PressureUnit))
        return;
    for (const PressureLabels& entry : PressureUnitLabels) {
        if (entry.code == dd.PressureUnit) {
            dd.PressureUnitLabel = QString::fromUtf16(entry.label);
            dd.PressureUnitText = QString::fromLatin1(entry.text);
            dd.FlowUnitLabel = QString::fromLatin1(entry.flow);
        }
    }
}
